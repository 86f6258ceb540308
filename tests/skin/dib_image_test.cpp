#include "ui/dib_image.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
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

// A form of picture as stored, with every pixel it reads as (top row first) and the size of
// its palette (0: none).
struct Form {
    const char* name;
    BmpSpec layout;
    std::vector<uint8_t> rows;  // first stored row first, each padded to 4 bytes
    std::vector<uint32_t> pixels;
    size_t paletteSize;
};

std::vector<Form> Forms() {
    constexpr uint32_t K = 0, W = kWhite, R = kRed, G = kGreen, B = kBlue, C = 0x123456;
    std::vector<uint32_t> sixteen(16, 0), full(256, 0);
    sixteen[1] = R, sixteen[2] = G, sixteen[15] = B;
    full[7] = C, full[255] = W;
    return {
        // Bottom row all white, top row alternating from black.
        {"1 bit",
         {10, 2, 1, 0, {K, W}},
         {0xff, 0xc0, 0, 0, 0x55, 0x40, 0, 0},
         {K, W, K, W, K, W, K, W, K, W, W, W, W, W, W, W, W, W, W, W},
         2},
        {"4 bits, high nibble first", {3, 1, 4, 0, sixteen}, {0x12, 0xf0, 0, 0}, {R, G, B}, 16},
        {"8 bits",
         {5, 2, 8, 0, full},
         {7, 7, 7, 7, 7, 0, 0, 0, 7, 7, 7, 7, 255, 0, 0, 0},
         {C, C, C, C, W, C, C, C, C, C},
         256},
        {"short table leaves unlisted indexes black",
         {2, 1, 8, 2, {R, G}},
         {1, 200, 0, 0},
         {G, K},
         2},
        {"24 bits",
         {3, 2, 24, 0, {}},
         {0, 0, 0xff, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xff, 0, 0xff, 0, 0, 0, 0, 0},
         {K, G, B, R, K, K},
         0},
        {"16 bits 5-5-5", {2, 1, 16, 0, {}}, {0x00, 0x7c, 0x1f, 0x00}, {R, B}, 0},
        {"32 bits", {1, 1, 32, 0, {}}, {0x01, 0x02, 0x03, 0xff}, {0x030201}, 0},
        {"top-down", {1, -2, 24, 0, {}}, {0, 0, 0xff, 0, 0xff, 0, 0, 0}, {R, B}, 0},
    };
}

TEST(DibImageFormats, EveryFormReadsItsPixelsAndPaletteAndRoundTrips) {
    for (const Form& form : Forms()) {
        SCOPED_TRACE(form.name);
        CDibImage image;
        ASSERT_TRUE(ReadBytes(image, BuildBmp(form.layout, form.rows))) << image.Reason();
        EXPECT_EQ(image.Height(), std::abs(form.layout.height));
        EXPECT_EQ(image.ToPixels(), form.pixels);
        EXPECT_EQ(image.PixelAt(image.Width(), 0), 0u) << "outside the picture";
        ASSERT_EQ(image.Palette().size(), form.paletteSize);
        for (size_t i = 0; i < form.layout.colours.size(); ++i) {
            const uint32_t c = form.layout.colours[i];
            EXPECT_EQ(image.Palette()[i], platform::Rgb(c >> 16 & 0xff, c >> 8 & 0xff, c & 0xff));
        }
        if (form.layout.height < 0) {
            EXPECT_EQ(image.Bits()[2], 0) << "bottom row first in memory";
        }
        ExpectRoundTrip(image, "dibform.bmp");
    }
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
