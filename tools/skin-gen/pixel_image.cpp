#include "tools/skin-gen/pixel_image.h"

#include <algorithm>
#include <cmath>

#include "platform/headless/bitmap_font.h"

namespace vela::skingen {

using platform::headless::kFontCellHeight;
using platform::headless::kFontCellWidth;
using platform::headless::kFontFirstChar;
using platform::headless::kFontGlyphs;
using platform::headless::kFontLastChar;

Rgb Mix(Rgb a, Rgb b, double t) {
    auto channel = [t](uint8_t from, uint8_t to) {
        return static_cast<uint8_t>(std::lround(from + (to - from) * t));
    };
    return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

PixelImage::PixelImage(int width, int height, Rgb fill)
    : m_width(width),
      m_height(height),
      m_pixels(static_cast<size_t>(width) * static_cast<size_t>(height), fill) {}

void PixelImage::Set(int x, int y, Rgb colour) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return;
    m_pixels[static_cast<size_t>(y) * m_width + x] = colour;
}

Rgb PixelImage::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return {};
    return m_pixels[static_cast<size_t>(y) * m_width + x];
}

void PixelImage::Fill(const Box& box, Rgb colour) {
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x) Set(x, y, colour);
}

void PixelImage::VerticalGradient(const Box& box, Rgb top, Rgb bottom) {
    const int span = std::max(1, box.bottom - box.top - 1);
    for (int y = box.top; y < box.bottom; ++y) {
        const Rgb colour = Mix(top, bottom, static_cast<double>(y - box.top) / span);
        for (int x = box.left; x < box.right; ++x) Set(x, y, colour);
    }
}

void PixelImage::Frame(const Box& box, Rgb colour) {
    for (int x = box.left; x < box.right; ++x) {
        Set(x, box.top, colour);
        Set(x, box.bottom - 1, colour);
    }
    for (int y = box.top; y < box.bottom; ++y) {
        Set(box.left, y, colour);
        Set(box.right - 1, y, colour);
    }
}

void PixelImage::RoundCorners(const Box& box, Rgb outside) {
    // Two pixels cut on each corner, the third blended: a radius of about three pixels.
    const int l = box.left, t = box.top, r = box.right - 1, b = box.bottom - 1;
    const int corners[4][4] = {{l, t, 1, 1}, {r, t, -1, 1}, {l, b, 1, -1}, {r, b, -1, -1}};
    for (const auto& c : corners) {
        const int x = c[0], y = c[1], dx = c[2], dy = c[3];
        Set(x, y, outside);
        Set(x + dx, y, Mix(At(x + dx, y), outside, 0.6));
        Set(x, y + dy, Mix(At(x, y + dy), outside, 0.6));
        Set(x + dx, y + dy, Mix(At(x + dx, y + dy), outside, 0.25));
        Set(x + 2 * dx, y, Mix(At(x + 2 * dx, y), outside, 0.25));
        Set(x, y + 2 * dy, Mix(At(x, y + 2 * dy), outside, 0.25));
    }
}

void PixelImage::Text(int x, int y, const std::string& text, Rgb colour, int scale) {
    for (size_t i = 0; i < text.size(); ++i) {
        const int c = static_cast<unsigned char>(text[i]);
        if (c < kFontFirstChar || c > kFontLastChar) continue;
        const int left = x + static_cast<int>(i) * kFontCellWidth * scale;
        for (int row = 0; row < kFontCellHeight; ++row) {
            const uint8_t bits = kFontGlyphs[c - kFontFirstChar][row];
            for (int col = 0; col < kFontCellWidth; ++col) {
                if (!(bits & (0x20 >> col))) continue;
                Fill({left + col * scale, y + row * scale, left + (col + 1) * scale,
                      y + (row + 1) * scale},
                     colour);
            }
        }
    }
}

int PixelImage::TextWidth(const std::string& text, int scale) {
    return static_cast<int>(text.size()) * kFontCellWidth * scale;
}

int PixelImage::ReadRows(int bitCount, uint8_t* /*colourTable*/, uint8_t* rows) const {
    if (bitCount != 24) return 0;  // the generator only writes true-colour pictures
    const size_t stride = ui::CDibImage::PaddedRowBytes(m_width, 24);
    for (int y = 0; y < m_height; ++y) {
        uint8_t* row = rows + stride * static_cast<size_t>(m_height - 1 - y);
        for (int x = 0; x < m_width; ++x) {
            const Rgb& p = m_pixels[static_cast<size_t>(y) * m_width + x];
            uint8_t* pixel = row + static_cast<size_t>(3) * static_cast<size_t>(x);
            pixel[0] = p.b;
            pixel[1] = p.g;
            pixel[2] = p.r;
        }
    }
    return m_height;
}

}  // namespace vela::skingen
