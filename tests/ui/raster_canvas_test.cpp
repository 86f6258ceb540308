// The headless raster canvas (the headless window system only).
#include <gtest/gtest.h>

#include "platform/headless/raster_canvas.h"

namespace vela::platform::headless {
namespace {

constexpr uint32_t kBlack = 0;
const Color kRed = Rgb(255, 0, 0);

// Solid lines, bitmaps, colour tables and the BMP file are the window-system canvas test's,
// read back through a headless snapshot.
TEST(RasterCanvasTest, DottedPensSkipEveryOtherPixel) {
    Pixmap pixmap(10, 4, kBlack);
    RasterCanvas canvas(pixmap, {0, 0}, {0, 0, 10, 4});
    canvas.DrawLine({0, 2}, {6, 2}, {PenStyle::Dotted, 1, kRed});
    EXPECT_EQ(pixmap.At(0, 2), 0xFF0000u);
    EXPECT_EQ(pixmap.At(1, 2), kBlack);
    EXPECT_EQ(pixmap.At(2, 2), 0xFF0000u);
}

TEST(RasterCanvasTest, OriginAndClipKeepDrawingInsideTheWindow) {
    Pixmap pixmap(8, 8, kBlack);
    RasterCanvas canvas(pixmap, {2, 2}, {2, 2, 5, 5});
    canvas.FillRect({-10, -10, 100, 100}, Rgb(0, 0, 255));
    EXPECT_EQ(pixmap.At(1, 1), kBlack);
    EXPECT_EQ(pixmap.At(2, 2), 0x0000FFu);
    EXPECT_EQ(pixmap.At(4, 4), 0x0000FFu);
    EXPECT_EQ(pixmap.At(5, 5), kBlack);
}

TEST(RasterCanvasTest, MnemonicUnderlinesAndHidesTheAmpersand) {
    Pixmap plain(40, 16, kBlack);
    Pixmap marked(40, 16, kBlack);
    RasterCanvas a(plain, {0, 0}, {0, 0, 40, 16});
    RasterCanvas b(marked, {0, 0}, {0, 0, 40, 16});
    const Font font;
    EXPECT_EQ(b.MeasureText("&Ok", font, kTextMnemonic).cx, a.MeasureText("Ok", font, 0).cx);
    a.DrawString({0, 0}, "Ok", font, kRed, kTextPlain);
    b.DrawString({0, 0}, "&Ok", font, kRed, kTextMnemonic);
    int differing = 0;
    for (int x = 0; x < 40; ++x) differing += plain.At(x, 11) != marked.At(x, 11);
    EXPECT_GE(differing, 3);  // the underline under "O"
    for (int y = 0; y < 11; ++y) {
        for (int x = 0; x < 40; ++x) ASSERT_EQ(plain.At(x, y), marked.At(x, y));
    }
}

TEST(RasterCanvasTest, EmbossedTextUsesTheDisabledColours) {
    Pixmap pixmap(20, 16, kBlack);
    RasterCanvas canvas(pixmap, {0, 0}, {0, 0, 20, 16});
    canvas.DrawString({0, 0}, "H", Font(), kRed, kTextEmbossed);
    bool grey = false, white = false, red = false;
    for (uint32_t p : pixmap.pixels) {
        grey |= p == 0x808080u;
        white |= p == 0xFFFFFFu;
        red |= p == 0xFF0000u;
    }
    EXPECT_TRUE(grey);
    EXPECT_TRUE(white);
    EXPECT_FALSE(red);
}

}  // namespace
}  // namespace vela::platform::headless
