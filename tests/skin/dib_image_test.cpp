#include "ui/dib_image.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include "tests/skin/bmp_builder.h"
#include "ui/recording_canvas.h"

namespace vela::ui {
namespace {

using test::BmpSpec;
using test::BuildBmp;
using test::SolidBmp24;
using test::Stride;

constexpr uint32_t kRed = 0xff0000, kGreen = 0x00ff00, kBlue = 0x0000ff, kWhite = 0xffffff;

bool ReadBytes(CDibImage& image, const std::vector<uint8_t>& file) {
    return image.ReadMemory(file.data(), file.size());
}

std::vector<uint8_t> FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

std::string TempPath(const char* name) {
    return ::testing::TempDir() + name;
}

// Saves, loads the saved file into a fresh object and checks that the picture survived.
void ExpectRoundTrip(CDibImage& image, const char* name) {
    const std::string path = TempPath(name);
    ASSERT_TRUE(image.Save(path));
    const std::vector<uint8_t> saved = FileBytes(path);
    ASSERT_GE(saved.size(), 54u);
    EXPECT_EQ(ReadU32(saved.data(), 2), saved.size());
    EXPECT_EQ(ReadU32(saved.data(), 10), 54u + 4u * image.ColourCount());
    CDibImage copy;
    ASSERT_TRUE(copy.Load(path)) << copy.Reason();
    EXPECT_EQ(copy.Width(), image.Width());
    EXPECT_EQ(copy.Height(), image.Height());
    EXPECT_EQ(copy.BitsPerPixel(), image.BitsPerPixel());
    EXPECT_EQ(copy.ToPixels(), image.ToPixels());
    std::remove(path.c_str());
}

TEST(DibImageFormats, OneBitPictureReadsItsTwoColoursAndRoundTrips) {
    BmpSpec layout{10, 2, 1, 0, {0x000000, kWhite}};
    // Stored bottom row first: bottom row all white, top row alternating from black.
    std::vector<uint8_t> rows(Stride(10, 1) * 2, 0);
    rows[0] = 0xff, rows[1] = 0xc0;  // bottom: 10 white pixels
    rows[4] = 0x55, rows[5] = 0x40;  // top: 0 1 0 1 0 1 0 1 0 1
    CDibImage image;
    ASSERT_TRUE(ReadBytes(image, BuildBmp(layout, rows))) << image.Reason();
    ASSERT_EQ(image.Palette().size(), 2u);
    for (int x = 0; x < 10; ++x) {
        EXPECT_EQ(image.PixelAt(x, 0), x % 2 ? kWhite : 0u) << x;
        EXPECT_EQ(image.PixelAt(x, 1), kWhite) << x;
    }
    ExpectRoundTrip(image, "dib1.bmp");
}

TEST(DibImageFormats, FourAndEightBitPicturesIndexTheirPaletteAndRoundTrip) {
    BmpSpec four{3, 1, 4, 0, std::vector<uint32_t>(16, 0)};
    four.colours[1] = kRed, four.colours[2] = kGreen, four.colours[15] = kBlue;
    CDibImage image;
    ASSERT_TRUE(ReadBytes(image, BuildBmp(four, {0x12, 0xf0, 0, 0}))) << image.Reason();
    EXPECT_EQ(image.PixelAt(0, 0), kRed) << "high nibble first";
    EXPECT_EQ(image.PixelAt(1, 0), kGreen);
    EXPECT_EQ(image.PixelAt(2, 0), kBlue);
    ExpectRoundTrip(image, "dib4.bmp");

    BmpSpec eight{5, 2, 8, 0, std::vector<uint32_t>(256, 0)};
    eight.colours[7] = 0x123456;
    eight.colours[255] = kWhite;
    std::vector<uint8_t> rows(Stride(5, 8) * 2, 7);
    rows[Stride(5, 8) + 4] = 255;  // top row, last pixel
    ASSERT_TRUE(ReadBytes(image, BuildBmp(eight, rows))) << image.Reason();
    EXPECT_EQ(image.PixelAt(0, 1), 0x123456u);
    EXPECT_EQ(image.PixelAt(4, 0), kWhite);
    ASSERT_EQ(image.Palette().size(), 256u);
    EXPECT_EQ(image.Palette()[7], platform::Rgb(0x12, 0x34, 0x56));
    ExpectRoundTrip(image, "dib8.bmp");
}

TEST(DibImageFormats, ShortColourTableLeavesUnlistedIndexesBlack) {
    BmpSpec layout{2, 1, 8, 2, {kRed, kGreen}};
    std::vector<uint8_t> rows = {1, 200, 0, 0};
    CDibImage image;
    ASSERT_TRUE(ReadBytes(image, BuildBmp(layout, rows))) << image.Reason();
    EXPECT_EQ(image.ColourCount(), 2);
    EXPECT_EQ(image.PixelAt(0, 0), kGreen);
    EXPECT_EQ(image.PixelAt(1, 0), 0u);
    ExpectRoundTrip(image, "dib8short.bmp");
}

TEST(DibImageFormats, TwentyFourBitPictureHasNoPaletteAndRoundTrips) {
    BmpSpec layout{3, 2, 24, 0, {}};
    std::vector<uint8_t> rows(Stride(3, 24) * 2, 0);
    rows[2] = 0xff;                      // bottom-left red
    rows[Stride(3, 24) + 6 + 0] = 0xff;  // top-right blue
    rows[Stride(3, 24) + 3 + 1] = 0xff;  // top-middle green
    CDibImage image;
    ASSERT_TRUE(ReadBytes(image, BuildBmp(layout, rows))) << image.Reason();
    EXPECT_FALSE(image.HasPalette());
    EXPECT_EQ(image.PixelAt(0, 1), kRed);
    EXPECT_EQ(image.PixelAt(2, 0), kBlue);
    EXPECT_EQ(image.PixelAt(1, 0), kGreen);
    EXPECT_EQ(image.PixelAt(3, 0), 0u) << "outside the picture";
    ExpectRoundTrip(image, "dib24.bmp");
}

TEST(DibImageFormats, SixteenAndThirtyTwoBitPicturesRead) {
    CDibImage image;
    std::vector<uint8_t> rows16 = {0x00, 0x7c, 0x1f, 0x00};  // 5-5-5 red, then blue
    ASSERT_TRUE(ReadBytes(image, BuildBmp(BmpSpec{2, 1, 16, 0, {}}, rows16))) << image.Reason();
    EXPECT_EQ(image.PixelAt(0, 0), kRed);
    EXPECT_EQ(image.PixelAt(1, 0), kBlue);
    std::vector<uint8_t> rows32 = {0x01, 0x02, 0x03, 0xff};
    ASSERT_TRUE(ReadBytes(image, BuildBmp(BmpSpec{1, 1, 32, 0, {}}, rows32))) << image.Reason();
    EXPECT_EQ(image.PixelAt(0, 0), 0x030201u);
}

TEST(DibImageFormats, TopDownPictureIsStoredBottomUp) {
    BmpSpec layout{1, -2, 24, 0, {}};
    std::vector<uint8_t> rows = {0, 0, 0xff, 0, 0xff, 0, 0, 0};  // first stored row: red
    CDibImage image;
    ASSERT_TRUE(ReadBytes(image, BuildBmp(layout, rows))) << image.Reason();
    EXPECT_EQ(image.Height(), 2);
    EXPECT_EQ(image.PixelAt(0, 0), kRed);
    EXPECT_EQ(image.PixelAt(0, 1), kBlue);
    EXPECT_EQ(image.Bits()[2], 0) << "bottom row first in memory";
    ExpectRoundTrip(image, "dibtopdown.bmp");
}

TEST(DibImageFiles, ReadFromStreamAndMissingFile) {
    const std::vector<uint8_t> bytes = SolidBmp24(2, 2, kGreen);
    std::istringstream stream(std::string(bytes.begin(), bytes.end()));
    CDibImage image;
    ASSERT_TRUE(image.Read(stream));
    EXPECT_EQ(image.PixelAt(1, 1), kGreen);
    EXPECT_FALSE(image.Load(TempPath("no-such-picture.bmp")));
    EXPECT_TRUE(image.IsEmpty());
    EXPECT_FALSE(image.Save(TempPath("empty.bmp"))) << "an empty picture is not saved";
}

// --- refused files: each leaves an empty picture, even over a previously loaded one ---

struct BadFile {
    const char* what;
    std::vector<uint8_t> bytes;
    const char* reason;  // part of the reason expected, so each case hits its own check
};

std::vector<uint8_t> Patched(std::vector<uint8_t> file, size_t offset, uint32_t value) {
    WriteU32(file.data(), offset, value);
    return file;
}

// Cuts the file and makes its size field agree, so only the missing bytes give it away.
std::vector<uint8_t> Cut(std::vector<uint8_t> file, size_t size) {
    file.resize(size);
    if (size >= 6) WriteU32(file.data(), 2, static_cast<uint32_t>(size));
    return file;
}

std::vector<BadFile> BadFiles() {
    const std::vector<uint8_t> good = SolidBmp24(4, 3, kRed);
    const std::vector<uint8_t> good8 = BuildBmp(
        BmpSpec{4, 2, 8, 0, std::vector<uint32_t>(256, kBlue)}, std::vector<uint8_t>(8, 1));
    std::vector<uint8_t> wrongMagic = good;
    wrongMagic[1] = 'A';
    std::vector<uint8_t> twoBits = good;
    WriteU16(twoBits.data(), 28, 2);
    std::vector<uint8_t> planes = good;
    WriteU16(planes.data(), 26, 3);
    const char* cut = "cut short";
    const char* offset = "pixel offset";
    const char* width = "width";
    const char* height = "height";
    return {
        {"empty file", {}, cut},
        {"wrong magic", wrongMagic, "not a DIB"},
        {"OS/2 info header", Patched(good, 14, 12), "OS2"},
        {"colour count above the bit count", Patched(good8, 46, 300), "colour table"},
        {"colour table past the end", Cut(good8, 54 + 100), cut},
        {"pixel offset past the end", Patched(good, 10, static_cast<uint32_t>(good.size()) + 1),
         offset},
        {"pixel offset inside the colour table", Patched(good8, 10, 60), offset},
        {"file size field beyond the file", Patched(good, 2, 1000), cut},
        {"image size smaller than the rows", Patched(good, 34, 8), "image size"},
        {"last row missing", Cut(good, good.size() - 1), cut},
        {"width 0", Patched(good, 18, 0), width},
        {"most negative height", Patched(good, 22, 0x80000000u), height},
        {"huge width", Patched(good, 18, 0x7fffffff), width},
        {"huge top-down height", Patched(good, 22, static_cast<uint32_t>(-1000000)), height},
        {"width that needs more rows than the file has", Patched(Patched(good, 18, 5000), 34, 0),
         cut},
        {"run-length compression", Patched(good8, 30, 1), "compressed"},
        {"bit count 2", twoBits, "bit count"},
        {"three planes", planes, "bit count"},
    };
}

TEST(DibImageBadFiles, EveryLyingFileIsRefusedWithEmptyPicture) {
    for (const BadFile& bad : BadFiles()) {
        CDibImage image;
        ASSERT_TRUE(ReadBytes(image, SolidBmp24(2, 2, kWhite)));
        EXPECT_FALSE(ReadBytes(image, bad.bytes)) << bad.what;
        EXPECT_TRUE(image.IsEmpty()) << bad.what;
        EXPECT_EQ(image.Bits(), nullptr) << bad.what;
        EXPECT_FALSE(image.HasPalette()) << bad.what;
        EXPECT_NE(image.Reason().find(bad.reason), std::string::npos) << bad.what;
    }
}

TEST(DibImageBadFiles, StreamLongerThanAnyPictureIsRefused) {
    std::string big(CDibImage::kMaxFileBytes + 1, '\0');
    big[0] = 'B', big[1] = 'M';
    std::istringstream stream(big);
    CDibImage image;
    EXPECT_FALSE(image.Read(stream));
    EXPECT_TRUE(image.IsEmpty());
}

// --- conversion from a window-system bitmap ---

class FakeBitmap : public PlatformBitmap {
  public:
    FakeBitmap(int width, int height, int bits, int rowsDelivered)
        : width_(width), height_(height), bits_(bits), rows_(rowsDelivered) {}
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    int Planes() const override { return 1; }
    int BitsPerPixel() const override { return bits_; }
    int ReadRows(int bitCount, uint8_t* table, uint8_t* rows) const override {
        requestedBits = bitCount;
        if (table) table[4 * 3 + 2] = 0xff;  // entry 3: red
        const size_t stride = CDibImage::PaddedRowBytes(width_, bitCount);
        for (int y = 0; y < rows_; ++y)
            for (size_t i = 0; i < stride; ++i) rows[y * stride + i] = bitCount == 8 ? 3 : 0x80;
        return rows_;
    }
    mutable int requestedBits = 0;

  private:
    int width_, height_, bits_, rows_;
};

TEST(DibImageConversion, DeepBitmapBecomesTwentyFourBitsPaletteBitmapKeepsItsTable) {
    FakeBitmap deep(3, 2, 32, 2);
    CDibImage image;
    ASSERT_TRUE(image.ConvertFrom(deep)) << image.Reason();
    EXPECT_EQ(deep.requestedBits, 24);
    EXPECT_FALSE(image.HasPalette());
    EXPECT_EQ(image.PixelAt(2, 1), 0x808080u);
    ExpectRoundTrip(image, "converted24.bmp");  // rows are already padded: saved unchanged

    FakeBitmap indexed(5, 1, 8, 1);
    ASSERT_TRUE(image.ConvertFrom(indexed)) << image.Reason();
    EXPECT_EQ(image.Palette().size(), 256u);
    EXPECT_EQ(image.PixelAt(4, 0), kRed);
    ExpectRoundTrip(image, "converted8.bmp");
}

TEST(DibImageConversion, MissingRowsFailWithEmptyPicture) {
    FakeBitmap bitmap(3, 4, 24, 3);
    CDibImage image;
    EXPECT_FALSE(image.ConvertFrom(bitmap));
    EXPECT_TRUE(image.IsEmpty());
    EXPECT_EQ(image.Reason(),
              "call to GetDIBits did not return full number of requested scan lines\n");
    FakeBitmap empty(0, 4, 24, 4);
    EXPECT_FALSE(image.ConvertFrom(empty));
}

// --- drawing: what reaches the canvas ---

TEST(DibImageDrawing, DrawPaintAndStretchHandOverThePictureWithItsPalette) {
    CDibImage image;
    RecordingCanvas canvas;
    EXPECT_FALSE(image.Draw(canvas, 0, 0)) << "an empty picture draws nothing";
    EXPECT_TRUE(canvas.Calls().empty());

    ASSERT_TRUE(ReadBytes(image, BuildBmp(BmpSpec{5, 3, 8, 4, {kRed, kGreen, kBlue, kWhite}},
                                          std::vector<uint8_t>(Stride(5, 8) * 3, 2))));
    ASSERT_TRUE(image.Draw(canvas, 10, 20));
    ASSERT_TRUE(image.Stretch(canvas, {0, 0, 50, 30}));
    ASSERT_TRUE(image.Paint(canvas, {1, 1, 3, 3}, {2, 1, 4, 3}));
    const auto& calls = canvas.Calls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].rect, (platform::Rect{10, 20, 15, 23}));
    EXPECT_EQ(calls[0].source, (platform::Rect{0, 0, 5, 3}));
    EXPECT_EQ(calls[1].rect, (platform::Rect{0, 0, 50, 30}));
    EXPECT_EQ(calls[2].source, (platform::Rect{2, 1, 4, 3}));
    EXPECT_TRUE(calls[0].palette);

    ASSERT_TRUE(ReadBytes(image, SolidBmp24(2, 2, kRed)));
    ASSERT_TRUE(image.Draw(canvas, 0, 0));
    EXPECT_FALSE(canvas.Calls().back().palette) << "24 bits draw without a palette";
}

}  // namespace
}  // namespace vela::ui
