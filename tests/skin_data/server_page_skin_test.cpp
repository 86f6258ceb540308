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
    // Where the page puts the control: its key's rectangle, a drop-down list counted by its
    // closed field, a label moved beside its control when the page aligns labels.
    static ui::Rect ShownBeside(const resources::ControlTemplate& control,
                                const resources::ControlTemplate* labelled) {
        ui::Rect rect = Shown(kSection, control);
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

    const ui::Rect page = WindowArea(kSection, "setserverbkg.bmp");
};

TEST_F(ServerPageSkinTest, EveryControlAndLabelHasItsOwnPlaceInsideThePage) {
    const resources::DialogTemplate& dialog = pages::server::kServerTemplate;
    std::vector<Placed> placed;
    for (size_t i = 0; i < dialog.controlCount; ++i) {
        const resources::ControlTemplate& control = dialog.controls[i];
        SCOPED_TRACE(control.key);
        const bool label = control.kind == resources::ControlKind::Static;
        // Each label comes just before its control in the template.
        const resources::ControlTemplate* labelled =
            label && i + 1 < dialog.controlCount ? &dialog.controls[i + 1] : nullptr;
        const ui::Rect rect = ShownBeside(control, labelled);
        // Explicit sizes: a natural size differs between the two window systems.
        ExpectPlacedInside(kSection, control, rect, page);
        // On Win32 the height a combo box is moved to is its dropped-down list's.
        if (control.kind == resources::ControlKind::ComboBox) {
            EXPECT_GE(ui::ReadIniRect(kSection, control.key, ControlPosFile()).Height(), 120);
        }
        placed.push_back({control.key, rect});
    }
    EXPECT_TRUE(NoOverlaps(placed));
}

TEST_F(ServerPageSkinTest, EveryLabelHasACaptionThatFitsIt) {
    const resources::DialogTemplate& dialog = pages::server::kServerTemplate;
    for (size_t i = 0; i < dialog.controlCount; ++i) {
        const resources::ControlTemplate& control = dialog.controls[i];
        if (control.kind == resources::ControlKind::Static)
            ExpectCaptionFits(kSection, control.caption,
                              ui::ReadIniRect(kSection, control.key, ControlPosFile()));
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
        const ui::Rect rect = ui::ReadIniRect(kSection, list.list, ControlPosFile());
        for (const char* entry : list.entries)
            ExpectEntryFits(Lookup(ButtonTextFile(), kSection, entry), rect);
    }
}

}  // namespace
}  // namespace vela::test
