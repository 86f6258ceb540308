// The drawing surface every window paints on: a GDI device context on Windows, a 32-bit raster
// in the headless build, a list of draw calls in tests. The calls are those the pages, the skin
// button, the skin group box, the background image and the play-window overlay make.
//
// Threads: a canvas is used by one thread at a time. Paint, erase and owner-draw canvases live
// only for the event that carries them (UI thread); a canvas made by
// WindowSystem::CanvasForDeviceContext lives on the player library's thread for one frame.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vela::platform {

// A colour as Win32 COLORREF: 0x00BBGGRR.
using Color = uint32_t;
constexpr Color Rgb(int red, int green, int blue) {
    return static_cast<Color>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int RedOf(Color c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(Color c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(Color c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point& o) const { return x == o.x && y == o.y; }
};

struct Size {
    int cx = 0;
    int cy = 0;
    bool operator==(const Size& o) const { return cx == o.cx && cy == o.cy; }
};

// A Win32 RECT: right and bottom are exclusive.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(Point p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    bool operator==(const Rect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

enum class PenStyle { Solid, Dotted };

// Lines wider than one pixel have square ends (a geometric pen), as the group box asks.
struct Pen {
    PenStyle style = PenStyle::Solid;
    int width = 1;
    Color color = 0;
    bool operator==(const Pen& o) const {
        return style == o.style && width == o.width && color == o.color;
    }
};

// A logical font as LOGFONT describes it. height < 0: character height in pixels, > 0: cell
// height, 0: the system's choice; width 0: the system's choice. An empty face lets the system
// choose.
struct Font {
    std::string face;
    int height = 0;
    int width = 0;
    int weight = 400;
    int charset = 1;
    bool italic = false;
    bool operator==(const Font& o) const {
        return face == o.face && height == o.height && width == o.width && weight == o.weight &&
               charset == o.charset && italic == o.italic;
    }
};

// Text drawing options (bits). Text is always drawn with a transparent background.
enum TextFlags : unsigned {
    kTextPlain = 0,
    kTextMnemonic = 1,  // "&x" underlines x and hides the ampersand; "&&" draws one ampersand
    kTextEmbossed = 2,  // the disabled look (DrawState with DSS_DISABLED)
};

// A device-independent bitmap as a BMP file stores it: rows bottom-up, each padded to 4 bytes;
// 1, 4 and 8 bits index the colour table (entries blue, green, red, 0), 24 bits are blue,
// green, red; 32 bits blue, green, red, unused. The canvas only reads it.
struct DibView {
    int width = 0;
    int height = 0;  // positive: bottom-up rows
    int bitsPerPixel = 0;
    const uint8_t* colorTable = nullptr;  // 4 bytes an entry
    size_t colorCount = 0;
    const uint8_t* bits = nullptr;
    size_t bitsSize = 0;  // bytes available at bits; rows beyond it are not drawn
};

// A logical palette: one colour per entry. Selected into the target and realised while a
// bitmap of 256 colours or fewer is transferred.
using Palette = std::vector<Color>;

class Canvas {
  public:
    virtual ~Canvas() = default;

    // Lines from `from` to `to`, excluding the end point (LineTo).
    virtual void DrawLine(Point from, Point to, const Pen& pen) = 0;
    // The outline of a rectangle (Rectangle with a hollow brush): corners left,top to
    // right-1,bottom-1.
    virtual void FrameRect(const Rect& rect, const Pen& pen) = 0;
    virtual void FillRect(const Rect& rect, Color color) = 0;

    // Text with its top-left corner at `origin`, transparent background.
    virtual void DrawString(Point origin, const std::string& text, const Font& font, Color color,
                            unsigned flags) = 0;
    // Extent of one line of text in that font (mnemonic ampersands not counted when flagged).
    virtual Size MeasureText(const std::string& text, const Font& font, unsigned flags) = 0;
    // Logical pixels per inch vertically, to turn point sizes into font heights.
    virtual int PixelsPerInchY() = 0;

    // Copies the part `source` of the bitmap (in bitmap coordinates, top-down) to `target`,
    // one to one when the sizes agree, else stretched (colour-on-colour stretch mode). With a
    // palette it is selected and realised for the transfer and the previous one restored.
    virtual void DrawDib(const DibView& dib, const Rect& source, const Rect& target,
                         const Palette* palette) = 0;
};

}  // namespace vela::platform
