// The canvas of a paint event, read back through a snapshot: line end points, rectangle
// outlines, bottom-up bitmaps one to one, cut and stretched, colour tables, and text. The
// pixels are the same on both window systems (text only where it lands, fonts differ).
#include <gtest/gtest.h>

#include <cstdio>

#include "resources/dialog_template.h"
#include "tests/window_system/recording_sink.h"

namespace vela::wstest {
namespace {

using platform::Color;
using platform::EventKind;
using platform::Rgb;

const Color kWhite = Rgb(255, 255, 255);
const Color kRed = Rgb(255, 0, 0);
const Color kBlue = Rgb(0, 0, 255);
const Color kGreen = Rgb(0, 255, 0);
const Color kYellow = Rgb(255, 255, 0);
const Color kMagenta = Rgb(255, 0, 255);
const Color kBlack = Rgb(0, 0, 0);

// 2x2, 24 bits: top row red, blue; bottom row green, yellow. Stored bottom-up, rows padded
// to 8 bytes, blue-green-red.
const uint8_t kQuad[] = {0, 255, 0,   0,   255, 255, 0, 0,   // bottom: green, yellow
                         0, 0,   255, 255, 0,   0,   0, 0};  // top: red, blue
// 1x1, 8 bits, index 0 of a one-entry table (blue, green, red, 0) = magenta.
const uint8_t kIndexed[] = {0, 0, 0, 0};
const uint8_t kTable[] = {255, 0, 255, 0};

void Paint(platform::Canvas& c) {
    c.FillRect({0, 0, 100, 60}, kWhite);
    c.DrawLine({2, 2}, {50, 2}, {platform::PenStyle::Solid, 1, kRed});
    c.FrameRect({60, 5, 80, 25}, {platform::PenStyle::Solid, 1, kBlue});
    platform::DibView quad{2, 2, 24, nullptr, 0, kQuad, sizeof kQuad};
    c.DrawDib(quad, {0, 0, 2, 2}, {10, 30, 30, 50}, nullptr);  // stretched ten times
    c.DrawDib(quad, {1, 0, 2, 1}, {40, 30, 41, 31}, nullptr);  // the top-right pixel
    platform::DibView indexed{1, 1, 8, kTable, 1, kIndexed, sizeof kIndexed};
    c.DrawDib(indexed, {0, 0, 1, 1}, {50, 30, 54, 34}, nullptr);
    // A picture whose bits stop short draws none of the missing rows.
    platform::DibView cut{2, 2, 24, nullptr, 0, kQuad, 8};
    c.DrawDib(cut, {0, 0, 2, 2}, {90, 0, 92, 2}, nullptr);
    platform::Font font;
    font.height = -11;
    c.DrawString({60, 40}, "H&H", font, kBlack, platform::kTextMnemonic);
}

TEST(CanvasTest, PaintedShapesBitmapsAndTextLandWhereWin32PutsThem) {
    RecordingSink dialogSink, childSink;
    platform::Size textSize;
    childSink.handler = [&](platform::Event& e) {
        if (e.kind == EventKind::EraseBackground) return true;
        if (e.kind != EventKind::Paint) return false;
        Paint(*e.canvas);
        platform::Font font;
        font.height = -11;
        textSize = e.canvas->MeasureText("H&H", font, platform::kTextMnemonic);
        return true;
    };
    platform::WindowHandle dialog = Ws().CreateModeless(
        *resources::FindDialogTemplate(resources::kTestDialogId), nullptr, &dialogSink);
    ASSERT_NE(dialog, nullptr);
    // The template's controls would paint over the surface where they overlap it.
    for (platform::WindowHandle control : Ws().GetChildren(dialog)) Ws().ShowWindow(control, false);
    platform::WindowHandle child = Ws().CreateChild(dialog, 99, {4, 4, 104, 64}, &childSink);
    ASSERT_NE(child, nullptr);
    Ws().ShowWindow(child, true);
    Ws().ShowWindow(dialog, true);
    Ws().PumpMessages();
    const std::string path = TempFile("canvas.bmp");
    ASSERT_TRUE(Ws().Snapshot(child, path));
    Bmp bmp;
    ASSERT_TRUE(ReadBmp(path, bmp));
    std::remove(path.c_str());
    ASSERT_EQ(bmp.width, 100);
    ASSERT_EQ(bmp.height, 60);

    // The line excludes its end point.
    EXPECT_EQ(bmp.At(2, 2), kRed);
    EXPECT_EQ(bmp.At(49, 2), kRed);
    EXPECT_EQ(bmp.At(50, 2), kWhite);
    // The outline runs from left,top to right-1,bottom-1 and is hollow.
    EXPECT_EQ(bmp.At(60, 5), kBlue);
    EXPECT_EQ(bmp.At(79, 24), kBlue);
    EXPECT_EQ(bmp.At(80, 25), kWhite);
    EXPECT_EQ(bmp.At(70, 15), kWhite);
    // Source rows are top-down although the bits are stored bottom-up.
    EXPECT_EQ(bmp.At(12, 32), kRed);
    EXPECT_EQ(bmp.At(27, 32), kBlue);
    EXPECT_EQ(bmp.At(12, 47), kGreen);
    EXPECT_EQ(bmp.At(27, 47), kYellow);
    EXPECT_EQ(bmp.At(40, 30), kBlue);
    EXPECT_EQ(bmp.At(41, 30), kWhite);
    EXPECT_EQ(bmp.At(52, 32), kMagenta);
    // Only the bottom row had bits: the top row of the target stays as it was.
    EXPECT_EQ(bmp.At(90, 0), kWhite);
    EXPECT_EQ(bmp.At(90, 1), kGreen);
    // The text is inside its measured box (the ampersand not counted).
    ASSERT_GT(textSize.cx, 0);
    ASSERT_GT(textSize.cy, 0);
    int ink = 0;
    for (int y = 40; y < 40 + textSize.cy && y < 60; ++y) {
        for (int x = 60; x < 60 + textSize.cx && x < 100; ++x) ink += bmp.At(x, y) == kBlack;
    }
    EXPECT_GT(ink, 4);
    Ws().DestroyWindow(dialog);
    EXPECT_FALSE(Ws().Snapshot(dialog, path)) << "no snapshot of a window that is gone";
}

}  // namespace
}  // namespace vela::wstest
