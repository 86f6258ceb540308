// The headless raster canvas and BMP writer (the headless window system only).
#include <gtest/gtest.h>

#include "platform/bytes.h"
#include "platform/headless/bmp_writer.h"
#include "platform/headless/raster_canvas.h"
#include "tests/common/temp_folder.h"

namespace vela::platform::headless {
namespace {

constexpr uint32_t kBlack = 0;
const Color kRed = Rgb(255, 0, 0);

TEST(RasterCanvasTest, LinesLeaveTheirEndPointAndDottedPensSkip) {
    Pixmap pixmap(10, 4, kBlack);
    RasterCanvas canvas(pixmap, {0, 0}, {0, 0, 10, 4});
    canvas.DrawLine({0, 0}, {5, 0}, {PenStyle::Solid, 1, kRed});
    for (int x = 0; x < 5; ++x) EXPECT_EQ(pixmap.At(x, 0), 0xFF0000u) << x;
    EXPECT_EQ(pixmap.At(5, 0), kBlack);
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

TEST(RasterCanvasTest, DibTransferThroughTheColourTableOneToOneAndStretched) {
    // 2 x 2 pixels at 8 bits, bottom row first: bottom = {1, 0}, top = {0, 1}.
    const uint8_t table[] = {0, 0, 0, 0, /*blue*/ 255, 0, 0, 0};
    const uint8_t bits[] = {1, 0, 0, 0, 0, 1, 0, 0};
    DibView dib;
    dib.width = 2;
    dib.height = 2;
    dib.bitsPerPixel = 8;
    dib.colorTable = table;
    dib.colorCount = 2;
    dib.bits = bits;
    dib.bitsSize = sizeof bits;
    Pixmap pixmap(6, 6, 0x123456);
    RasterCanvas canvas(pixmap, {0, 0}, {0, 0, 6, 6});
    canvas.DrawDib(dib, {0, 0, 2, 2}, {0, 0, 2, 2}, nullptr);
    EXPECT_EQ(pixmap.At(0, 0), 0u);
    EXPECT_EQ(pixmap.At(1, 0), 0x0000FFu);
    EXPECT_EQ(pixmap.At(0, 1), 0x0000FFu);
    canvas.DrawDib(dib, {0, 0, 2, 2}, {2, 2, 6, 6}, nullptr);
    EXPECT_EQ(pixmap.At(3, 3), 0u);
    EXPECT_EQ(pixmap.At(4, 3), 0x0000FFu);
    EXPECT_EQ(pixmap.At(5, 5), 0u);
    // Rows beyond the bytes given are not read.
    dib.bitsSize = 4;
    Pixmap cut(2, 2, 0x123456);
    RasterCanvas cutCanvas(cut, {0, 0}, {0, 0, 2, 2});
    cutCanvas.DrawDib(dib, {0, 0, 2, 2}, {0, 0, 2, 2}, nullptr);
    EXPECT_EQ(cut.At(0, 0), 0x123456u);
    EXPECT_EQ(cut.At(0, 1), 0x0000FFu);
}

TEST(BmpWriterTest, WritesA32BitBottomUpPicture) {
    Pixmap pixmap(3, 2, kBlack);
    pixmap.pixels[0] = 0xAABBCC;  // top-left
    const testing::TempFolder folder;
    const std::string path = folder.File("writer.bmp");
    ASSERT_TRUE(WriteBmp32(pixmap, path));
    const std::string file = testing::ReadWholeFile(path);
    ASSERT_EQ(file.size(), 54u + 3 * 2 * 4);
    const auto* p = reinterpret_cast<const uint8_t*>(file.data());
    EXPECT_EQ(ReadU16(p, 0), 0x4D42);
    EXPECT_EQ(ReadI32(p, 18), 3);
    EXPECT_EQ(ReadI32(p, 22), 2);
    EXPECT_EQ(ReadU16(p, 28), 32);
    // The top row is stored last.
    EXPECT_EQ(ReadU32(p, 54 + 3 * 4), 0xAABBCCu);
}

}  // namespace
}  // namespace vela::platform::headless
