// Skin pictures through the window system's loader, one table of BMP forms built byte by byte.
// The same source runs on both window systems: natively the headless decoder, under wine the
// system's loader, whose results the expected pixels follow.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "tests/skin/bmp_builder.h"
#include "ui/dib_image.h"

namespace {

using Bytes = std::vector<uint8_t>;

// A picture's layout with its stored rows or compressed stream; 2x2 unless changed.
struct Form : vela::test::BmpSpec {
    Form() { width = 2, height = 2; }
    Bytes pixels;
};

Bytes Build(const Form& f) {
    return vela::test::BuildBmp(f, f.pixels);
}

constexpr uint32_t R = 0xff0000, G = 0x00ff00, B = 0x0000ff, W = 0xffffff, K = 0;
const std::vector<uint32_t> kTable = {K, R, G, B};

Form Indexed(int bits, Bytes rows, std::vector<uint32_t> colours = kTable, uint32_t used = 0) {
    Form f;
    f.bitCount = bits;
    f.colours = std::move(colours);
    f.coloursUsed = used ? used : static_cast<uint32_t>(f.colours.size());
    f.pixels = std::move(rows);
    return f;
}
Form With(Form f, void (*change)(Form&)) {
    change(f);
    return f;
}
// 24-bit 2x2: bottom row blue, red; top row green, white.
const Form k24 = [] {
    Form f;
    f.pixels = {0xff, 0, 0, 0, 0, 0xff, 0, 0, 0, 0xff, 0, 0xff, 0xff, 0xff, 0, 0};
    return f;
}();
const std::vector<uint32_t> k24Pixels = {G, W, B, R};

struct Variant {
    const char* name;
    Form form;
    std::vector<uint32_t> pixels;  // top row first; empty: the loader refuses the file
};

const std::vector<Variant>& Variants() {
    static const std::vector<Variant> table = {
        {"24 bits, 40-byte header", k24, k24Pixels},
        {"V4 header", With(k24, [](Form& f) { f.headerSize = 108; }), k24Pixels},
        {"V5 header", With(k24, [](Form& f) { f.headerSize = 124; }), k24Pixels},
        {"1 bit", Indexed(1, {0x80, 0, 0, 0, 0x40, 0, 0, 0}, {B, W}), {B, W, W, B}},
        {"4 bits", Indexed(4, {0x12, 0, 0, 0, 0x30, 0, 0, 0}), {B, K, R, G}},
        {"8 bits", Indexed(8, {1, 2, 0, 0, 3, 0, 0, 0}), {B, K, R, G}},
        {"short table", Indexed(8, {1, 2, 0, 0, 3, 1, 0, 0}, {K, R}, 2), {K, R, R, K}},
        {"oversized table",
         Indexed(4, {0x12, 0, 0, 0, 0x30, 0, 0, 0}, std::vector<uint32_t>(20, W), 20),
         {W, W, W, W}},
        {"core header", With(k24, [](Form& f) { f.headerSize = 12; }), k24Pixels},
        {"16 bits 5-5-5",
         With(k24,
              [](Form& f) {
                  f.bitCount = 16;
                  f.pixels = {0x1f, 0, 0, 0x7c, 0xe0, 0x03, 0xff, 0x7f};
              }),
         {G, W, B, R}},
        {"16 bits 5-6-5 fields",
         With(k24,
              [](Form& f) {
                  f.bitCount = 16, f.compression = 3, f.masks = {0xf800, 0x07e0, 0x001f};
                  f.pixels = {0x1f, 0, 0, 0xf8, 0xe0, 0x07, 0xff, 0xff};
              }),
         {G, W, B, R}},
        {"16 bits 4-4-4 fields in V5",
         With(k24,
              [](Form& f) {
                  f.headerSize = 124, f.bitCount = 16, f.compression = 3,
                  f.masks = {0x0f00, 0x00f0, 0x000f};
                  f.pixels = {0x0f, 0, 0, 0x0f, 0xf0, 0, 0xff, 0x0f};
              }),
         {G, W, B, R}},
        {"32 bits 10-10-10 fields",
         With(
             k24,
             [](Form& f) {
                 f.bitCount = 32, f.compression = 3, f.masks = {0x3ff00000, 0x000ffc00, 0x000003ff};
                 f.pixels = {0xff, 0x03, 0,    0, 0,    0,    0xf0, 0x3f,
                             0,    0xfc, 0x0f, 0, 0xff, 0xff, 0xff, 0x3f};
             }),
         {G, W, B, R}},
        {"32 bits",
         With(k24,
              [](Form& f) {
                  f.bitCount = 32;
                  f.pixels = {0xff, 0, 0, 0xaa, 0, 0, 0xff, 0, 0, 0xff, 0, 0, 0xff, 0xff, 0xff, 0};
              }),
         {G, W, B, R}},
        // RLE8 4x3: run, end of line, delta over a pixel, absolute run, end of bitmap.
        {"RLE8",
         With(Indexed(8, {4, 1, 0, 0, 0, 2, 1, 1, 0, 3, 2, 3, 1, 0, 0, 1}),
              [](Form& f) { f.width = 4, f.height = 3, f.compression = 1; }),
         {K, G, B, R, K, K, K, K, R, R, R, R}},
        {"RLE8 cut short",
         With(Indexed(8, {4, 1, 0, 0, 0, 4, 1, 2}),
              [](Form& f) { f.width = 4, f.height = 3, f.compression = 1; }),
         {K, K, K, K, K, K, K, K, R, R, R, R}},
        {"RLE4",
         With(Indexed(4, {4, 0x12, 0, 0, 0, 3, 0x32, 0x10, 0, 1}),
              [](Form& f) { f.width = 4, f.height = 2, f.compression = 2; }),
         {B, G, R, K, R, G, R, G}},
        {"not BM", k24, {}},
        {"header of 20 bytes", With(k24, [](Form& f) { f.headerSize = 20; }), {}},
    };
    return table;
}

TEST(PictureLoad, EveryBmpFormDecodesAsTheSystemLoaderReadsIt) {
    const std::string path = ::testing::TempDir() + "picture_load_test.bmp";
    for (const Variant& v : Variants()) {
        Bytes file = Build(v.form);
        if (std::string(v.name) == "not BM") file[0] = 'X';
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(file.data()),
                   static_cast<std::streamsize>(file.size()));
        vela::ui::CDibImage image;
        const bool loaded = image.LoadPicture(path);
        EXPECT_EQ(loaded, !v.pixels.empty()) << v.name << ": " << image.Reason();
        if (loaded && !v.pixels.empty()) {
            EXPECT_EQ(image.Width(), v.form.width) << v.name;
            EXPECT_EQ(image.ToPixels(), v.pixels) << v.name;
        }
    }
    std::remove(path.c_str());
}

}  // namespace
