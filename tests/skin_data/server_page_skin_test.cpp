// The Server page in the shipped skin: every control and label of its template has a place
// inside the page, nothing overlaps, and every caption and list entry fits where it is shown
// (measured in the headless window system's 6-pixel font cell).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "pages/server/server_controls.h"
#include "resources/templates.h"
#include "tests/skin_data/shipped_skin.h"
#include "ui/placement.h"

namespace vela::test {
namespace {

constexpr char kSection[] = "DvsCfgServer";
class ServerPageSkinTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(LoadPicture(background, "setserverbkg.bmp"));
        page = {0, 0, background.Width(), background.Height()};
        const ui::Rect placed = ui::ReadIniRect(kSection, ui::kDialogPositionKey, ControlPosFile());
        if (placed.Width() >= 1) page.right = placed.Width();
        if (placed.Height() >= 1) page.bottom = placed.Height();
    }

    // Where the page puts the control: its key's rectangle, a drop-down list counted by its
    // closed field, a label moved beside its control when the page aligns labels.
    static ui::Rect Shown(const resources::ControlTemplate& control,
                          const resources::ControlTemplate* labelled) {
        ui::Rect rect = ui::ReadIniRect(kSection, control.key, ControlPosFile());
        if (control.kind == resources::ControlKind::ComboBox)
            rect.bottom = rect.top + std::min(rect.Height(), kComboFieldPixels);
        if (labelled && ui::LabelsAligned(kSection, ControlPosFile())) {
            const ui::Rect to = ui::ReadIniRect(kSection, labelled->key, ControlPosFile());
            const int width = rect.Width();
            const int height = std::max(rect.Height(), to.Height());
            rect.left = to.left - width - ui::kLabelGap;
            rect.top = to.top + 2;
            rect.right = rect.left + width;
            rect.bottom = rect.top + height;
        }
        return rect;
    }

    ui::CDibImage background;
    ui::Rect page;
};

TEST_F(ServerPageSkinTest, EveryControlAndLabelHasItsOwnPlaceInsideThePage) {
    const resources::DialogTemplate& dialog = pages::server::kServerTemplate;
    std::vector<Placed> placed;
    for (size_t i = 0; i < dialog.controlCount; ++i) {
        const resources::ControlTemplate& control = dialog.controls[i];
        SCOPED_TRACE(control.key);
        ASSERT_FALSE(Lookup(ControlPosFile(), kSection, control.key).empty());
        const bool label = control.kind == resources::ControlKind::Static;
        // Each label comes just before its control in the template.
        const resources::ControlTemplate* labelled =
            label && i + 1 < dialog.controlCount ? &dialog.controls[i + 1] : nullptr;
        const ui::Rect rect = Shown(control, labelled);
        // Explicit sizes: a natural size differs between the two window systems.
        EXPECT_GE(rect.Width(), 1);
        EXPECT_GE(rect.Height(), 1);
        EXPECT_TRUE(Inside(rect, page))
            << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom;
        placed.push_back({control.key, rect});
    }
    EXPECT_TRUE(NoOverlaps(placed));
}

TEST_F(ServerPageSkinTest, DropDownListsOpenTallEnoughForTheirEntries) {
    const resources::DialogTemplate& dialog = pages::server::kServerTemplate;
    for (size_t i = 0; i < dialog.controlCount; ++i) {
        if (dialog.controls[i].kind != resources::ControlKind::ComboBox) continue;
        SCOPED_TRACE(dialog.controls[i].key);
        // On Win32 the height a combo box is moved to is its dropped-down list's.
        EXPECT_GE(ui::ReadIniRect(kSection, dialog.controls[i].key, ControlPosFile()).Height(),
                  120);
    }
}

TEST_F(ServerPageSkinTest, EveryLabelHasACaptionThatFitsIt) {
    const resources::DialogTemplate& dialog = pages::server::kServerTemplate;
    for (size_t i = 0; i < dialog.controlCount; ++i) {
        const resources::ControlTemplate& control = dialog.controls[i];
        if (control.kind != resources::ControlKind::Static) continue;
        SCOPED_TRACE(control.caption);
        const std::string caption = Lookup(ButtonTextFile(), kSection, control.caption);
        EXPECT_FALSE(caption.empty());
        const ui::Rect rect = ui::ReadIniRect(kSection, control.key, ControlPosFile());
        EXPECT_LE(kTextInset + TextWidth(caption), rect.Width());
        EXPECT_GE(rect.Height(), kFontCellHeight);
    }
}

TEST_F(ServerPageSkinTest, ListEntriesHaveTextsThatFitTheirLists) {
    const struct {
        const char* list;
        std::vector<const char*> entries;
    } lists[] = {
        {"DiskFull", {"DiskFullStop", "DiskFullOver"}},
        {"Language",
         {"LanEng", "LanSimpChinese", "LanTradChinese", "LanItalian", "LanSpanish", "LanJapanese",
          "LanRussian", "LanFrench", "LanGerman"}},
    };
    for (const auto& list : lists) {
        const int width = ui::ReadIniRect(kSection, list.list, ControlPosFile()).Width();
        for (const char* entry : list.entries) {
            SCOPED_TRACE(entry);
            const std::string text = Lookup(ButtonTextFile(), kSection, entry);
            EXPECT_FALSE(text.empty());
            EXPECT_LE(TextWidth(text), width - kComboChrome);
        }
    }
}

}  // namespace
}  // namespace vela::test
