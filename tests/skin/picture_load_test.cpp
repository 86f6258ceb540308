// Skin pictures through the window system's loader, one table of BMP forms built byte by byte.
// The same source runs on both window systems: natively the headless decoder, under wine the
// system's loader, whose results the expected pixels follow.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "platform/bytes.h"
#include "ui/dib_image.h"

namespace {

using Bytes = std::vector<uint8_t>;

struct Form {
    uint32_t headerSize = 40;
    int32_t width = 2, height = 2;
    uint16_t planes = 1, bits = 24;
    uint32_t compression = 0, used = 0;
    std::vector<uint32_t> masks;    // written at header offset 40 (after a 40-byte header)
    std::vector<uint32_t> colours;  // 0x00RRGGBB
    Bytes pixels;                   // rows or the compressed stream, as stored
};

// File header, information (or core) header, masks, colour table, pixels.
Bytes Build(const Form& f) {
    const bool core = f.headerSize == 12;
    const size_t header = core ? 12 : std::max<size_t>(f.headerSize, 40 + 4 * f.masks.size());
    const size_t entry = core ? 3 : 4;
    const size_t offset = 14 + header + entry * f.colours.size();
    Bytes b(offset + f.pixels.size(), 0);
    uint8_t* p = b.data();
    vela::WriteU16(p, 0, 19778);
    vela::WriteU32(p, 2, static_cast<uint32_t>(b.size()));
    vela::WriteU32(p, 10, static_cast<uint32_t>(offset));
    vela::WriteU32(p, 14, f.headerSize);
    if (core) {
        vela::WriteU16(p, 18, static_cast<uint16_t>(f.width));
        vela::WriteU16(p, 20, static_cast<uint16_t>(f.height));
        vela::WriteU16(p, 22, f.planes);
        vela::WriteU16(p, 24, f.bits);
    } else {
        vela::WriteI32(p, 18, f.width);
        vela::WriteI32(p, 22, f.height);
        vela::WriteU16(p, 26, f.planes);
        vela::WriteU16(p, 28, f.bits);
        vela::WriteU32(p, 30, f.compression);
        vela::WriteU32(p, 34, static_cast<uint32_t>(f.pixels.size()));
        vela::WriteU32(p, 46, f.used);
        for (size_t i = 0; i < f.masks.size(); ++i) vela::WriteU32(p, 54 + 4 * i, f.masks[i]);
    }
    for (size_t i = 0; i < f.colours.size(); ++i)
        for (size_t c = 0; c < 3; ++c) p[14 + header + i * entry + c] = f.colours[i] >> (8 * c);
    std::copy(f.pixels.begin(), f.pixels.end(), b.begin() + static_cast<ptrdiff_t>(offset));
    return b;
}

constexpr uint32_t R = 0xff0000, G = 0x00ff00, B = 0x0000ff, W = 0xffffff, K = 0;
const std::vector<uint32_t> kTable = {K, R, G, B};

Form Indexed(int bits, Bytes rows, std::vector<uint32_t> colours = kTable, uint32_t used = 0) {
    Form f;
    f.bits = static_cast<uint16_t>(bits);
    f.colours = std::move(colours);
    f.used = used ? used : static_cast<uint32_t>(f.colours.size());
    f.pixels = std::move(rows);
    return f;
}
Form With(Form f, void (*change)(Form&)) {
    change(f);
    return f;
}
// 24-bit 2x2: bottom row blue, red; top row green, white.
const Form k24 = {
    40, 2, 2,  1,  24,
    0,  0, {}, {}, {0xff, 0, 0, 0, 0, 0xff, 0, 0, 0, 0xff, 0, 0xff, 0xff, 0xff, 0, 0}};
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
                  f.bits = 16;
                  f.pixels = {0x1f, 0, 0, 0x7c, 0xe0, 0x03, 0xff, 0x7f};
              }),
         {G, W, B, R}},
        {"16 bits 5-6-5 fields",
         With(k24,
              [](Form& f) {
                  f.bits = 16, f.compression = 3, f.masks = {0xf800, 0x07e0, 0x001f};
                  f.pixels = {0x1f, 0, 0, 0xf8, 0xe0, 0x07, 0xff, 0xff};
              }),
         {G, W, B, R}},
        {"16 bits 4-4-4 fields in V5",
         With(k24,
              [](Form& f) {
                  f.headerSize = 124, f.bits = 16, f.compression = 3,
                  f.masks = {0x0f00, 0x00f0, 0x000f};
                  f.pixels = {0x0f, 0, 0, 0x0f, 0xf0, 0, 0xff, 0x0f};
              }),
         {G, W, B, R}},
        {"32 bits 10-10-10 fields",
         With(k24,
              [](Form& f) {
                  f.bits = 32, f.compression = 3, f.masks = {0x3ff00000, 0x000ffc00, 0x000003ff};
                  f.pixels = {0xff, 0x03, 0,    0, 0,    0,    0xf0, 0x3f,
                              0,    0xfc, 0x0f, 0, 0xff, 0xff, 0xff, 0x3f};
              }),
         {G, W, B, R}},
        {"32 bits",
         With(k24,
              [](Form& f) {
                  f.bits = 32;
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
