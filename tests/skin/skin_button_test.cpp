#include "ui/skin_button.h"

#include <gtest/gtest.h>

#include "tests/skin/skin_fixture.h"
#include "ui/recording_canvas.h"

namespace vela::ui {
namespace {

using test::kSkinButtonId;

// The pictures differ in width, so the width drawn tells which one was chosen.
constexpr int kUpWidth = 40, kDownWidth = 36, kDisabledWidth = 32;
constexpr platform::Rect kItem{0, 0, 40, 20};
constexpr Color kText = platform::Rgb(10, 20, 30), kPressedText = platform::Rgb(200, 100, 50);

class SkinButtonTest : public test::SkinDialogTest {
  protected:
    void SetUp() override {
        SkinDialogTest::SetUp();
        WritePicture("BtnTestUP.bmp", kUpWidth, 20, 0xff0000);
        WritePicture("BtnTestDN.bmp", kDownWidth, 20, 0x0000ff);
        WritePicture("BtnTestDIS.bmp", kDisabledWidth, 20, 0x808080);
        ASSERT_TRUE(button.AttachToDialogItem(dialog, kSkinButtonId));
        ws().SetText(Item(kSkinButtonId), "Skin");
    }
    bool LoadUpDown() {
        return button.LoadBitmaps(folder + "BtnTestUP.bmp", folder + "BtnTestDN.bmp");
    }
    // An event as the window system delivers it to the subclassed button.
    void Send(platform::EventKind kind) {
        platform::Event event;
        event.kind = kind;
        event.window = Item(kSkinButtonId);
        button.OnEvent(event);
    }
    // Draws once; returns the calls.
    std::vector<DrawCall> Draw(unsigned state, const platform::Rect& item = kItem) {
        RecordingCanvas canvas;
        button.DrawItem(canvas, item, state);
        return canvas.Calls();
    }
    // Width of the picture drawn, 0 when none.
    static int PictureWidth(const std::vector<DrawCall>& calls) {
        for (const DrawCall& call : calls)
            if (call.kind == DrawCall::Kind::Dib) return call.rect.Width();
        return 0;
    }

    CSkinButton button;
};

TEST_F(SkinButtonTest, LoadingStopsAtAMissingNormalPictureAndReportsAnyOtherFailure) {
    EXPECT_FALSE(button.LoadBitmaps(folder + "missing.bmp", folder + "BtnTestDN.bmp"));
    EXPECT_FALSE(button.HasNormalImage());
    EXPECT_FALSE(button.LoadBitmaps(folder + "BtnTestUP.bmp", folder + "missing.bmp"));
    EXPECT_TRUE(button.HasNormalImage()) << "the normal picture stays loaded";
    EXPECT_TRUE(LoadUpDown());
    button.FreeBitmaps();
    EXPECT_FALSE(button.HasNormalImage());
}

TEST_F(SkinButtonTest, CaptionIsCentredAndMovesOnePixelWhenPressed) {
    ASSERT_TRUE(LoadUpDown());
    button.SetTextFont(-12, 0, "Arial", kText, kPressedText, 0, 700);
    const auto calls = Draw(0);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].kind, DrawCall::Kind::Dib);
    EXPECT_EQ(calls[0].rect, kItem);
    EXPECT_EQ(calls[0].source, (platform::Rect{0, 0, 40, 20}));
    EXPECT_FALSE(calls[0].palette);
    const DrawCall& text = calls[1];
    ASSERT_EQ(text.kind, DrawCall::Kind::Text);
    EXPECT_EQ(text.text, "Skin");
    // 4 characters of 6 x 13: x = 20 - 12, y = 10 - 6 (halves truncated).
    EXPECT_EQ(text.from, (platform::Point{8, 4}));
    EXPECT_EQ(text.color, kText);
    EXPECT_EQ(text.flags, static_cast<unsigned>(platform::kTextMnemonic));
    EXPECT_EQ(text.font.face, "Arial");
    EXPECT_EQ(text.font.height, -12);
    EXPECT_EQ(text.font.weight, 700);

    Send(platform::EventKind::MouseHover);  // pressed with the pointer on it
    const auto pressed = Draw(platform::kOdsSelected);
    ASSERT_EQ(pressed.size(), 2u);
    EXPECT_EQ(PictureWidth(pressed), kDownWidth);
    EXPECT_EQ(pressed[1].from, (platform::Point{9, 5}));
    EXPECT_EQ(pressed[1].color, kPressedText) << "the pressed picture takes the pressed colour";

    // A smaller, odd item rectangle: the picture is cut at its edge, the halves truncated.
    const auto cut = Draw(0, {5, 6, 26, 17});
    ASSERT_EQ(cut.size(), 2u);
    EXPECT_EQ(cut[0].rect, (platform::Rect{5, 6, 26, 17}));
    EXPECT_EQ(cut[0].source, (platform::Rect{0, 0, 21, 11}));
    EXPECT_EQ(cut[1].from, (platform::Point{15 - 12, 11 - 6}));
}

TEST_F(SkinButtonTest, HeldDownButtonShowsPressedPictureWithPointerAway) {
    ASSERT_TRUE(LoadUpDown());
    button.SetTextFont(0, 0, "", kText, kPressedText, 1, 400);
    button.SetCheckState(CSkinButton::kCheckDown);
    EXPECT_EQ(button.GetCheckState(), 1);
    auto calls = Draw(0);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(PictureWidth(calls), kDownWidth);
    EXPECT_EQ(calls[1].color, kPressedText);
    EXPECT_EQ(calls[1].from, (platform::Point{8, 4})) << "held down is not selected: no offset";

    // Hovering, not pressed: the pointer decides; the far item rectangle never holds it.
    Send(platform::EventKind::MouseHover);
    EXPECT_EQ(PictureWidth(Draw(0, {1000, 1000, 1040, 1020})), kUpWidth);
    EXPECT_EQ(PictureWidth(Draw(platform::kOdsSelected)), kDownWidth);
    Send(platform::EventKind::MouseLeave);
    EXPECT_EQ(PictureWidth(Draw(0)), kDownWidth);

    button.SetCheckState(CSkinButton::kCheckUp);
    calls = Draw(0);
    EXPECT_EQ(PictureWidth(calls), kUpWidth);
    EXPECT_EQ(calls[1].color, kText);
}

TEST_F(SkinButtonTest, MissingPressedPictureFallsBackToNormalButCaptionStillMoves) {
    ASSERT_TRUE(button.LoadBitmaps(folder + "BtnTestUP.bmp", ""));
    button.SetTextFont(0, 0, "", kText, kPressedText, 1, 400);
    Send(platform::EventKind::MouseHover);
    const auto calls = Draw(platform::kOdsSelected);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(PictureWidth(calls), kUpWidth);
    EXPECT_EQ(calls[1].from, (platform::Point{9, 5}));
    EXPECT_EQ(calls[1].color, kText) << "the pressed colour belongs to the pressed picture";
}

TEST_F(SkinButtonTest, DisabledButtonEmbossesItsCaptionOverTheNormalPicture) {
    ASSERT_TRUE(LoadUpDown());
    auto calls = Draw(platform::kOdsDisabled);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(PictureWidth(calls), kUpWidth) << "no disabled picture: the normal one";
    EXPECT_EQ(calls[1].flags,
              static_cast<unsigned>(platform::kTextMnemonic | platform::kTextEmbossed));
    EXPECT_EQ(calls[1].color, 0u) << "without a custom font the text colour is not set";

    ASSERT_TRUE(button.LoadBitmaps(folder + "BtnTestUP.bmp", folder + "BtnTestDN.bmp",
                                   folder + "BtnTestDIS.bmp"));
    button.SetCheckState(CSkinButton::kCheckDown);
    EXPECT_EQ(PictureWidth(Draw(platform::kOdsDisabled)), kDisabledWidth)
        << "disabled wins over held down";
}

TEST_F(SkinButtonTest, NoCaptionWhenTextIsEmptyOrCaptionIsOff) {
    ASSERT_TRUE(LoadUpDown());
    ws().SetText(Item(kSkinButtonId), "");
    EXPECT_EQ(Draw(0).size(), 1u);
    ws().SetText(Item(kSkinButtonId), "&Save");
    button.SetDrawCaption(false);
    EXPECT_EQ(Draw(0).size(), 1u);
    button.SetDrawCaption(true);
    const auto calls = Draw(0);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].text, "&Save");
    EXPECT_EQ(calls[1].from.x, 20 - 12) << "the ampersand takes no room";
}

// Leave and hover arrive on the window system's own time (a timer on Windows), so only the
// start goes through it; the events' effect is checked by sending them directly.
TEST_F(SkinButtonTest, PointerTrackingFollowsMoveHoverAndLeave) {
    ws().ShowWindow(page, true);
    ws().SendMouse(Item(kSkinButtonId), platform::EventKind::MouseMove, {2, 2});
    EXPECT_TRUE(button.IsTracking());
    Send(platform::EventKind::MouseHover);
    EXPECT_TRUE(button.IsHovering());
    Send(platform::EventKind::MouseLeave);
    EXPECT_FALSE(button.IsHovering());
    EXPECT_FALSE(button.IsTracking());
}

}  // namespace
}  // namespace vela::ui
