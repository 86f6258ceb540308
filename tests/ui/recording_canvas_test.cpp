// The recording canvas that widget tests assert drawing with.
#include <gtest/gtest.h>

#include "ui/recording_canvas.h"

namespace vela::ui {
namespace {

TEST(RecordingCanvasTest, RecordsEachCallWithItsArguments) {
    RecordingCanvas canvas;
    const platform::Pen dotted{platform::PenStyle::Dotted, 1, platform::Rgb(0xC0, 0xC0, 0xC0)};
    canvas.DrawLine({1, 2}, {3, 4}, dotted);
    canvas.FillRect({0, 0, 5, 5}, platform::Rgb(255, 0, 255));
    platform::Font font;
    font.face = "System";
    canvas.DrawString({7, 8}, "&Save", font, platform::Rgb(1, 2, 3),
                      platform::kTextMnemonic | platform::kTextEmbossed);
    ASSERT_EQ(canvas.Calls().size(), 3u);
    EXPECT_EQ(canvas.Calls()[0].kind, DrawCall::Kind::Line);
    EXPECT_EQ(canvas.Calls()[0].to, (platform::Point{3, 4}));
    EXPECT_EQ(canvas.Calls()[0].pen, dotted);
    EXPECT_EQ(canvas.Calls()[1].color, 0xFF00FFu);
    EXPECT_EQ(canvas.Calls()[2].text, "&Save");
    EXPECT_EQ(canvas.Calls()[2].flags, platform::kTextMnemonic | platform::kTextEmbossed);
    EXPECT_EQ(canvas.MeasureText("&Save", font, platform::kTextMnemonic).cx,
              4 * RecordingCanvas::kCharWidth);
}

TEST(RecordingCanvasTest, MnemonicAmpersands) {
    EXPECT_EQ(StripMnemonics("&Save"), "Save");
    EXPECT_EQ(StripMnemonics("Save && Exit"), "Save & Exit");
    EXPECT_EQ(StripMnemonics("End&"), "End");
}

}  // namespace
}  // namespace vela::ui
