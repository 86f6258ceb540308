#include "platform/win32/gdi_canvas.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace vela::platform::win32 {

namespace {

// The embossed (disabled) look: a light copy one pixel down and right under the shadow.
constexpr Color kEmbossLight = Rgb(255, 255, 255);
constexpr Color kEmbossShadow = Rgb(128, 128, 128);

// A DIB's colour table holds at most 256 entries (8 bits a pixel).
constexpr size_t kMaxColorTable = 256;
// LOGPALETTE holds at most this many entries (a WORD count; 256 is all a display realises).
constexpr size_t kMaxPaletteEntries = 256;

// Selects a GDI object for the lifetime of the guard and deletes it afterwards when owned.
class Selected {
  public:
    Selected(HDC dc, HGDIOBJ object, bool owned)
        : m_dc(dc), m_object(object), m_owned(owned), m_old(::SelectObject(dc, object)) {}
    ~Selected() {
        ::SelectObject(m_dc, m_old);
        if (m_owned) ::DeleteObject(m_object);
    }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

  private:
    HDC m_dc;
    HGDIOBJ m_object;
    bool m_owned;
    HGDIOBJ m_old;
};

// Wider lines get square ends (a geometric pen); dotted lines are one pixel, cosmetic.
HPEN CreateGdiPen(const Pen& pen) {
    if (pen.style == PenStyle::Dotted) return ::CreatePen(PS_DOT, 1, pen.color);
    if (pen.width <= 1) return ::CreatePen(PS_SOLID, 1, pen.color);
    LOGBRUSH brush{BS_SOLID, pen.color, 0};
    return ::ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_SQUARE | PS_JOIN_MITER,
                          static_cast<DWORD>(pen.width), &brush, 0, nullptr);
}

UINT TextFormat(unsigned flags) {
    UINT format = DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOCLIP;
    if (!(flags & kTextMnemonic)) format |= DT_NOPREFIX;
    return format;
}

size_t DibStride(int width, int bitsPerPixel) {
    return ((static_cast<size_t>(width) * static_cast<size_t>(bitsPerPixel) + 31) / 32) * 4;
}

}  // namespace

HFONT CreateGdiFont(const Font& font) {
    LOGFONTA description{};
    description.lfHeight = font.height;
    description.lfWidth = font.width;
    description.lfWeight = font.weight;
    description.lfItalic = font.italic ? TRUE : FALSE;
    description.lfCharSet = static_cast<BYTE>(font.charset);
    description.lfOutPrecision = OUT_DEFAULT_PRECIS;
    description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    description.lfQuality = DEFAULT_QUALITY;
    description.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    const size_t length = std::min(font.face.size(), sizeof description.lfFaceName - 1);
    std::memcpy(description.lfFaceName, font.face.data(), length);
    return ::CreateFontIndirectA(&description);
}

void GdiCanvas::DrawLine(Point from, Point to, const Pen& pen) {
    Selected selected(m_dc, CreateGdiPen(pen), true);
    const int oldMode = ::SetBkMode(m_dc, TRANSPARENT);
    ::MoveToEx(m_dc, from.x, from.y, nullptr);
    ::LineTo(m_dc, to.x, to.y);
    ::SetBkMode(m_dc, oldMode);
}

void GdiCanvas::FrameRect(const Rect& rect, const Pen& pen) {
    Selected selectedPen(m_dc, CreateGdiPen(pen), true);
    Selected selectedBrush(m_dc, ::GetStockObject(NULL_BRUSH), false);
    const int oldMode = ::SetBkMode(m_dc, TRANSPARENT);
    ::Rectangle(m_dc, rect.left, rect.top, rect.right, rect.bottom);
    ::SetBkMode(m_dc, oldMode);
}

void GdiCanvas::FillRect(const Rect& rect, Color color) {
    HBRUSH brush = ::CreateSolidBrush(color);
    const RECT area{rect.left, rect.top, rect.right, rect.bottom};
    ::FillRect(m_dc, &area, brush);
    ::DeleteObject(brush);
}

void GdiCanvas::DrawString(Point origin, const std::string& text, const Font& font, Color color,
                           unsigned flags) {
    Selected selected(m_dc, CreateGdiFont(font), true);
    const int oldMode = ::SetBkMode(m_dc, TRANSPARENT);
    const COLORREF oldColor = ::GetTextColor(m_dc);
    const UINT format = TextFormat(flags);
    auto draw = [&](int x, int y, Color c) {
        ::SetTextColor(m_dc, c);
        RECT area{x, y, x, y};
        ::DrawTextA(m_dc, text.c_str(), static_cast<int>(text.size()), &area, format);
    };
    if (flags & kTextEmbossed) {
        draw(origin.x + 1, origin.y + 1, kEmbossLight);
        draw(origin.x, origin.y, kEmbossShadow);
    } else {
        draw(origin.x, origin.y, color);
    }
    ::SetTextColor(m_dc, oldColor);
    ::SetBkMode(m_dc, oldMode);
}

Size GdiCanvas::MeasureText(const std::string& text, const Font& font, unsigned flags) {
    Selected selected(m_dc, CreateGdiFont(font), true);
    RECT area{0, 0, 0, 0};
    ::DrawTextA(m_dc, text.c_str(), static_cast<int>(text.size()), &area,
                TextFormat(flags) | DT_CALCRECT);
    return {area.right - area.left, area.bottom - area.top};
}

int GdiCanvas::PixelsPerInchY() {
    return ::GetDeviceCaps(m_dc, LOGPIXELSY);
}

void GdiCanvas::DrawDib(const DibView& dib, const Rect& source, const Rect& target,
                        const Palette* palette) {
    const int bpp = dib.bitsPerPixel;
    if (dib.width <= 0 || dib.height <= 0 || !dib.bits || source.IsEmpty() || target.IsEmpty())
        return;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32) return;
    // Rows are stored bottom-up: a short buffer holds the bottom rows only, so the picture
    // is cut at the top.
    const size_t stride = DibStride(dib.width, bpp);
    const int rows =
        static_cast<int>(std::min<size_t>(dib.bitsSize / stride, static_cast<size_t>(dib.height)));
    if (rows <= 0) return;
    const int missing = dib.height - rows;  // top rows without data
    // A source reaching outside the picture is cut to it (GDI would read past the bits).
    Rect from{std::max(source.left, 0), std::max(source.top, 0), std::min(source.right, dib.width),
              std::min(source.bottom, dib.height)};
    if (from.IsEmpty()) return;
    Rect to = target;
    if (from.top < missing) {
        // Keep the target's share of the rows that remain.
        const int cut = missing - from.top;
        to.top += static_cast<int>(static_cast<long long>(cut) * target.Height() / from.Height());
        from.top = missing;
        if (from.IsEmpty() || to.IsEmpty()) return;
    }
    const size_t colors =
        bpp <= 8 ? std::min({dib.colorCount, kMaxColorTable, static_cast<size_t>(1) << bpp}) : 0;
    std::vector<uint8_t> info(sizeof(BITMAPINFOHEADER) + colors * sizeof(RGBQUAD));
    auto* header = reinterpret_cast<BITMAPINFOHEADER*>(info.data());
    header->biSize = sizeof(BITMAPINFOHEADER);
    header->biWidth = dib.width;
    header->biHeight = rows;
    header->biPlanes = 1;
    header->biBitCount = static_cast<WORD>(bpp);
    header->biCompression = BI_RGB;
    header->biClrUsed = static_cast<DWORD>(colors);
    if (colors && dib.colorTable) {
        std::memcpy(info.data() + sizeof(BITMAPINFOHEADER), dib.colorTable, colors * 4);
    }

    HPALETTE gdiPalette = nullptr;
    HPALETTE oldPalette = nullptr;
    if (palette && !palette->empty()) {
        const size_t count = std::min(palette->size(), kMaxPaletteEntries);
        std::vector<uint8_t> block(sizeof(LOGPALETTE) + count * sizeof(PALETTEENTRY));
        auto* logical = reinterpret_cast<LOGPALETTE*>(block.data());
        logical->palVersion = 0x300;
        logical->palNumEntries = static_cast<WORD>(count);
        for (size_t i = 0; i < count; ++i) {
            const Color c = (*palette)[i];
            logical->palPalEntry[i] = {static_cast<BYTE>(RedOf(c)), static_cast<BYTE>(GreenOf(c)),
                                       static_cast<BYTE>(BlueOf(c)), 0};
        }
        gdiPalette = ::CreatePalette(logical);
        if (gdiPalette) {
            oldPalette = ::SelectPalette(m_dc, gdiPalette, FALSE);
            ::RealizePalette(m_dc);
        }
    }
    const int oldMode = ::SetStretchBltMode(m_dc, COLORONCOLOR);
    // For a bottom-up DIB the source's y counts from the bottom row.
    const int sourceBottomUpY = rows - (from.bottom - missing);
    ::StretchDIBits(m_dc, to.left, to.top, to.Width(), to.Height(), from.left, sourceBottomUpY,
                    from.Width(), from.Height(), dib.bits,
                    reinterpret_cast<const BITMAPINFO*>(info.data()), DIB_RGB_COLORS, SRCCOPY);
    ::SetStretchBltMode(m_dc, oldMode);
    if (gdiPalette) {
        ::SelectPalette(m_dc, oldPalette, FALSE);
        ::DeleteObject(gdiPalette);
    }
}

}  // namespace vela::platform::win32
