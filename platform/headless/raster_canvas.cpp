#include "platform/headless/raster_canvas.h"

#include <algorithm>
#include <cstdlib>

#include "platform/headless/bitmap_font.h"

namespace vela::platform::headless {

namespace {

constexpr int kBoldWeight = 700;
constexpr int kDoubleSizeHeight = 20;  // fonts this tall or taller draw the cell twice as big
const Color kEmbossLight = Rgb(255, 255, 255);
const Color kEmbossShadow = Rgb(128, 128, 128);

int ScaleOf(const Font& font) {
    return std::abs(font.height) >= kDoubleSizeHeight ? 2 : 1;
}

// The shown characters and, for each, whether a mnemonic underlines it.
void SplitMnemonics(const std::string& text, bool mnemonic, std::string& shown,
                    std::vector<bool>& underlined) {
    for (size_t i = 0; i < text.size(); ++i) {
        bool underline = false;
        if (mnemonic && text[i] == '&') {
            if (i + 1 >= text.size()) break;
            ++i;
            underline = text[i] != '&';
        }
        shown += text[i];
        underlined.push_back(underline);
    }
}

// Reads one pixel of a DIB (x, y from the top) as 0x00RRGGBB; false outside its bytes.
bool DibPixel(const DibView& dib, int x, int y, uint32_t& pixel) {
    const size_t stride = ((static_cast<size_t>(dib.width) * dib.bitsPerPixel + 31) / 32) * 4;
    const size_t row = static_cast<size_t>(dib.height - 1 - y);
    const size_t bitOffset = static_cast<size_t>(x) * dib.bitsPerPixel;
    const size_t at = row * stride + bitOffset / 8;
    if (dib.bits == nullptr || at + (dib.bitsPerPixel + 7) / 8 > dib.bitsSize) return false;
    const uint8_t* p = dib.bits + at;
    if (dib.bitsPerPixel >= 24) {
        pixel = (uint32_t{p[2]} << 16) | (uint32_t{p[1]} << 8) | p[0];
        return true;
    }
    size_t index = 0;
    switch (dib.bitsPerPixel) {
        case 8:
            index = p[0];
            break;
        case 4:
            index = (bitOffset % 8 == 0) ? (p[0] >> 4) : (p[0] & 0x0F);
            break;
        case 1:
            index = (p[0] >> (7 - bitOffset % 8)) & 1;
            break;
        default:
            return false;
    }
    if (dib.colorTable == nullptr || index >= dib.colorCount) return false;
    const uint8_t* entry = dib.colorTable + index * 4;
    pixel = (uint32_t{entry[2]} << 16) | (uint32_t{entry[1]} << 8) | entry[0];
    return true;
}

}  // namespace

Pixmap::Pixmap(int w, int h, uint32_t fill)
    : width(std::max(w, 0)),
      height(std::max(h, 0)),
      pixels(static_cast<size_t>(width) * height, fill) {}

uint32_t PixelOf(Color color) {
    return (uint32_t(RedOf(color)) << 16) | (uint32_t(GreenOf(color)) << 8) | BlueOf(color);
}

Color ColorOfPixel(uint32_t pixel) {
    return Rgb((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

RasterCanvas::RasterCanvas(Pixmap& pixmap, Point origin, const Rect& clip)
    : m_pixels(pixmap.pixels.data()), m_rowPixels(pixmap.width), m_origin(origin) {
    m_clip.left = std::max(clip.left, 0);
    m_clip.top = std::max(clip.top, 0);
    m_clip.right = std::min(clip.right, pixmap.width);
    m_clip.bottom = std::min(clip.bottom, pixmap.height);
}

RasterCanvas::RasterCanvas(uint32_t* pixels, int width, int height, int rowPixels)
    : m_pixels(pixels), m_rowPixels(rowPixels), m_clip{0, 0, width, height} {}

void RasterCanvas::Plot(int x, int y, uint32_t pixel) {
    const Point at{x + m_origin.x, y + m_origin.y};
    if (!m_clip.Contains(at)) return;
    m_pixels[static_cast<size_t>(at.y) * m_rowPixels + at.x] = pixel;
}

void RasterCanvas::DrawLine(Point from, Point to, const Pen& pen) {
    const uint32_t pixel = PixelOf(pen.color);
    const int width = std::max(pen.width, 1);
    const int dx = std::abs(to.x - from.x);
    const int dy = -std::abs(to.y - from.y);
    const int sx = from.x < to.x ? 1 : -1;
    const int sy = from.y < to.y ? 1 : -1;
    int err = dx + dy;
    int x = from.x;
    int y = from.y;
    // Bresenham; the end point is not drawn, as LineTo leaves it.
    for (int step = 0; !(x == to.x && y == to.y); ++step) {
        if (pen.style == PenStyle::Solid || step % 2 == 0) {
            for (int oy = 0; oy < width; ++oy) {
                for (int ox = 0; ox < width; ++ox)
                    Plot(x - width / 2 + ox, y - width / 2 + oy, pixel);
            }
        }
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void RasterCanvas::FrameRect(const Rect& rect, const Pen& pen) {
    if (rect.IsEmpty()) return;
    const int r = rect.right - 1;
    const int b = rect.bottom - 1;
    DrawLine({rect.left, rect.top}, {r, rect.top}, pen);
    DrawLine({r, rect.top}, {r, b}, pen);
    DrawLine({r, b}, {rect.left, b}, pen);
    DrawLine({rect.left, b}, {rect.left, rect.top}, pen);
}

void RasterCanvas::FillRect(const Rect& rect, Color color) {
    const uint32_t pixel = PixelOf(color);
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) Plot(x, y, pixel);
    }
}

void RasterCanvas::DrawGlyphs(Point origin, const std::string& text, int scale, bool bold,
                              uint32_t pixel, bool mnemonic) {
    std::string shown;
    std::vector<bool> underlined;
    SplitMnemonics(text, mnemonic, shown, underlined);
    for (size_t i = 0; i < shown.size(); ++i) {
        const int left = origin.x + static_cast<int>(i) * kFontCellWidth * scale;
        const auto c = static_cast<unsigned char>(shown[i]);
        for (int row = 0; row < kFontCellHeight; ++row) {
            uint8_t bits = 0;
            if (c >= kFontFirstChar && c <= kFontLastChar) {
                bits = kFontGlyphs[c - kFontFirstChar][row];
            } else if (row >= 2 && row <= 10) {  // a box for characters the font lacks
                bits = (row == 2 || row == 10) ? 0x1E : 0x12;
            }
            if (underlined[i] && row == kFontCellHeight - 2) bits = 0x3F;
            for (int col = 0; col < kFontCellWidth; ++col) {
                if (!(bits & (0x20 >> col))) continue;
                for (int sy = 0; sy < scale; ++sy) {
                    for (int sx = 0; sx < scale + (bold ? 1 : 0); ++sx) {
                        Plot(left + col * scale + sx, origin.y + row * scale + sy, pixel);
                    }
                }
            }
        }
    }
}

void RasterCanvas::DrawString(Point origin, const std::string& text, const Font& font, Color color,
                              unsigned flags) {
    const int scale = ScaleOf(font);
    const bool bold = font.weight >= kBoldWeight;
    const bool mnemonic = (flags & kTextMnemonic) != 0;
    if (flags & kTextEmbossed) {
        DrawGlyphs({origin.x + 1, origin.y + 1}, text, scale, bold, PixelOf(kEmbossLight),
                   mnemonic);
        DrawGlyphs(origin, text, scale, bold, PixelOf(kEmbossShadow), mnemonic);
        return;
    }
    DrawGlyphs(origin, text, scale, bold, PixelOf(color), mnemonic);
}

Size RasterCanvas::MeasureText(const std::string& text, const Font& font, unsigned flags) {
    std::string shown;
    std::vector<bool> underlined;
    SplitMnemonics(text, (flags & kTextMnemonic) != 0, shown, underlined);
    const int scale = ScaleOf(font);
    return {static_cast<int>(shown.size()) * kFontCellWidth * scale, kFontCellHeight * scale};
}

void RasterCanvas::DrawDib(const DibView& dib, const Rect& source, const Rect& target,
                           const Palette*) {
    // The raster is true colour: a palette changes nothing here.
    if (dib.width <= 0 || dib.height <= 0 || source.IsEmpty() || target.IsEmpty()) return;
    for (int ty = target.top; ty < target.bottom; ++ty) {
        const int sy = source.top + (ty - target.top) * source.Height() / target.Height();
        if (sy < 0 || sy >= dib.height) continue;
        for (int tx = target.left; tx < target.right; ++tx) {
            const int sx = source.left + (tx - target.left) * source.Width() / target.Width();
            if (sx < 0 || sx >= dib.width) continue;
            uint32_t pixel = 0;
            if (DibPixel(dib, sx, sy, pixel)) Plot(tx, ty, pixel);
        }
    }
}

}  // namespace vela::platform::headless
