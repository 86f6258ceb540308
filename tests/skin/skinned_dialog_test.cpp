// The test dialog dressed as a page: skin background colour, a skin button with its pictures,
// a skin group box and a coloured label, painted by the window system and snapshot to a BMP
// that is read back and checked pixel by pixel.
#include <gtest/gtest.h>

#include "tests/skin/skin_fixture.h"
#include "ui/dib_image.h"
#include "ui/placement.h"
#include "ui/skin_button.h"
#include "ui/skin_group_box.h"
#include "ui/skin_values.h"

namespace vela::ui {
namespace {

using test::kCheckId;
using test::kGroupId;
using test::kLabelId;
using test::kSection;
using test::kSkinButtonId;

constexpr Color kBackground = platform::Rgb(110, 150, 100);
constexpr uint32_t kButtonUpPixel = 0x2050c0;  // 0x00RRGGBB as pictures store it
constexpr Color kFrame = platform::Rgb(250, 250, 0);

class SkinnedDialogTest : public test::SkinDialogTest {
  protected:
    void SetUp() override {
        saved = g_SkinSettings;
        g_SkinSettings.interfaceBkColor = kBackground;
        g_SkinSettings.staticControlTextColor = platform::Rgb(255, 255, 255);
        SkinDialogTest::SetUp();
        dialog.SetSkin(&skin);
    }
    void TearDown() override { g_SkinSettings = saved; }

    SkinSettings saved;
    PageSkin skin{{kLabelId, kCheckId}};
    CSkinButton button;
    CSkinGroupBox group;
};

TEST_F(SkinnedDialogTest, SnapshotShowsBackgroundButtonPictureAndFrame) {
    WriteControlPos("DlgPos=0,0,0,0\nBtnSkin=110,64,0,0\nGroupChoice=10,100,150,60\n");
    WritePicture("skintestpage.bmp", 320, 240, 0x000000);
    WritePicture("SkinPageBtnUP.bmp", 60, 24, kButtonUpPixel);
    WritePicture("SkinPageBtnDN.bmp", 60, 24, 0xc05020);

    CDibImage background;
    ASSERT_TRUE(LoadPageBackground(background, "skintestpage", folder));
    PlaceDialog(page, kDialogPositionKey, background, kSection, controlPos);
    ASSERT_TRUE(button.AttachToDialogItem(dialog, kSkinButtonId));
    ASSERT_TRUE(LoadButtonBitmaps(button, "SkinPageBtn", folder));
    PlaceButton(button, "BtnSkin", kSection, controlPos);
    button.SetTextFont(0, 0, "", platform::Rgb(255, 255, 255), 0, 1, 400);
    PlaceDlgItem(page, kGroupId, "GroupChoice", kSection, controlPos);
    ASSERT_TRUE(group.AttachToDialogItem(dialog, kGroupId));
    group.SetColors(kFrame, platform::Rgb(0, 0, 0), false);
    group.SetFrameStyle(CSkinGroupBox::kFrameSingle);
    group.SetLineWidth(2);
    group.SetTextColor(platform::Rgb(255, 255, 0), false);

    ws().ShowWindow(page, true);
    ws().UpdateWindow(page);
    // Kept in the folder the tests run in, for the pictures in docs/.
#ifdef _WIN32
    const std::string path = "skin-test-dialog-win32.bmp";
#else
    const std::string path = "skin-test-dialog-headless.bmp";
#endif
    ASSERT_TRUE(ws().Snapshot(page, path));

    CDibImage shot;
    ASSERT_TRUE(shot.Load(path)) << shot.Reason();
    // A snapshot holds the client area, or the whole window where the system draws a frame.
    const platform::Rect window = ws().GetWindowRect(page);
    const platform::Point client = ws().ClientToScreen(page, {0, 0});
    const bool clientOnly = shot.Width() == ws().GetClientRect(page).Width();
    const int ox = clientOnly ? 0 : client.x - window.left;
    const int oy = clientOnly ? 0 : client.y - window.top;
    auto at = [&](int x, int y) { return shot.PixelAt(ox + x, oy + y); };
    const uint32_t backgroundPixel = (110u << 16) | (150u << 8) | 100u;
    EXPECT_EQ(at(300, 5), backgroundPixel) << "page colour fills the background";
    EXPECT_EQ(at(112, 66), kButtonUpPixel) << "the button's normal picture";
    EXPECT_EQ(at(10, 150), 0xfafa00u) << "the group frame's left line";
}

}  // namespace
}  // namespace vela::ui
