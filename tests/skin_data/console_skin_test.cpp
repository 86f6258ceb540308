// The console in the shipped skin: its eleven buttons have captions, positions and both
// images, sit inside the background without touching each other, and the page places lie
// between the two button rows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/templates.h"
#include "tests/skin_data/shipped_skin.h"
#include "ui/placement.h"

namespace vela::test {
namespace {

constexpr char kCaptionSection[] = "DvsConfigDlg";
constexpr char kPositionSection[] = "DvsCfgDlg";

// The page buttons take the tab look, the action buttons the bottom look.
std::string ButtonBase(int id) {
    const bool pageButton = id == 6001 || id == 6002 || id == 6003 || id == 6005 || id == 6006;
    return pageButton ? "mainTopBtn" : "mainBottomBtn";
}

// PlaceButton uses only x and y of the key; the size is the normal image's.
ui::Rect ButtonRect(const resources::ControlTemplate& button, const ui::CDibImage& up) {
    const ui::Rect at = ui::ReadIniRect(kPositionSection, button.key, ControlPosFile());
    return {at.left, at.top, at.left + up.Width(), at.top + up.Height()};
}

class ConsoleSkinTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(LoadPicture(background, "dvsconfigbkg.bmp")) << SkinFolder();
        console = {0, 0, background.Width(), background.Height()};
    }
    ui::CDibImage background;
    ui::Rect console;
};

TEST_F(ConsoleSkinTest, ButtonsAndPagesHaveSeparatePlacesInsideTheConsole) {
    const resources::DialogTemplate& dialog = resources::kConsoleTemplate;
    std::vector<Placed> buttons;
    for (size_t i = 0; i < dialog.controlCount; ++i) {
        const resources::ControlTemplate& button = dialog.controls[i];
        SCOPED_TRACE(button.key);
        EXPECT_FALSE(Lookup(ButtonTextFile(), kCaptionSection, button.caption).empty());
        ASSERT_FALSE(Lookup(ControlPosFile(), kPositionSection, button.key).empty());

        const std::string base = ButtonBase(button.id);
        ui::CDibImage up, down;
        ASSERT_TRUE(up.Load(ui::ButtonBitmapPath(base, ui::kButtonUp, SkinFolder())));
        ASSERT_TRUE(down.Load(ui::ButtonBitmapPath(base, ui::kButtonDown, SkinFolder())));
        EXPECT_EQ(down.Width(), up.Width());
        EXPECT_EQ(down.Height(), up.Height());
        EXPECT_NE(down.ToPixels(), up.ToPixels()) << "the pressed look must differ";
        buttons.push_back({button.key, ButtonRect(button, up)});
        EXPECT_TRUE(Inside(buttons.back().rect, console));
    }
    EXPECT_TRUE(NoOverlaps(buttons));

    // The pages fill the area between the two button rows.
    const struct {
        const char* section;
        const char* background;
    } pages[] = {{"DvsCfgServer", "setserverbkg.bmp"},
                 {"DvsCfgChannel", "setchannelbkg.bmp"},
                 {"DvsCfgYt", "setytbkg.bmp"},
                 {"DvsCfgSensor", "setSensorbkg.bmp"},
                 {"DvsCfgAlarm", "setAlarmbkg.bmp"}};
    for (const auto& page : pages) {
        SCOPED_TRACE(page.section);
        ui::CDibImage image;
        ASSERT_TRUE(LoadPicture(image, page.background));
        ASSERT_FALSE(Lookup(ControlPosFile(), page.section, ui::kDialogPositionKey).empty());
        ui::Rect rect = ui::ReadIniRect(page.section, ui::kDialogPositionKey, ControlPosFile());
        if (rect.Width() < 1) rect.right = rect.left + image.Width();
        if (rect.Height() < 1) rect.bottom = rect.top + image.Height();
        EXPECT_TRUE(Inside(rect, console));
        std::vector<Placed> all = buttons;
        all.push_back({page.section, rect});
        EXPECT_TRUE(NoOverlaps(all));
    }
}

TEST_F(ConsoleSkinTest, ConsoleOpensOnTheScreen) {
    const std::string file = SkinFolder() + "ControlPos.ini";
    ASSERT_FALSE(Lookup(file, kPositionSection, ui::kDialogPositionKey).empty());
    const ui::Rect at = ui::ReadIniRect(kPositionSection, ui::kDialogPositionKey, file);
    // Within a 1024 x 768 screen, the smallest the host program runs on.
    EXPECT_GE(at.left, 0);
    EXPECT_GE(at.top, 0);
    EXPECT_LE(at.left + console.Width(), 1024);
    EXPECT_LE(at.top + console.Height(), 768);
}

}  // namespace
}  // namespace vela::test
