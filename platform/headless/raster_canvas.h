// The headless canvas: draws into 32-bit pixels (0x00RRGGBB, top row first) through an origin
// and a clip rectangle, so a window and each of its children paint into one picture. The
// pixels are a Pixmap's, or borrowed ones (a play window's surface) that outlive the canvas.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/canvas.h"

namespace vela::platform::headless {

struct Pixmap {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // 0x00RRGGBB, row by row from the top

    Pixmap(int w, int h, uint32_t fill);
    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Turns a COLORREF into the pixel value and back.
uint32_t PixelOf(Color color);
Color ColorOfPixel(uint32_t pixel);

class RasterCanvas : public Canvas {
  public:
    // origin: where the canvas's (0,0) lies in the pixmap; clip: the pixmap area it may touch.
    RasterCanvas(Pixmap& pixmap, Point origin, const Rect& clip);
    // Borrowed pixels: rowPixels pixels from one row's start to the next.
    RasterCanvas(uint32_t* pixels, int width, int height, int rowPixels);

    void DrawLine(Point from, Point to, const Pen& pen) override;
    void FrameRect(const Rect& rect, const Pen& pen) override;
    void FillRect(const Rect& rect, Color color) override;
    void DrawString(Point origin, const std::string& text, const Font& font, Color color,
                    unsigned flags) override;
    Size MeasureText(const std::string& text, const Font& font, unsigned flags) override;
    int PixelsPerInchY() override { return 96; }
    void DrawDib(const DibView& dib, const Rect& source, const Rect& target,
                 const Palette* palette) override;

  private:
    void Plot(int x, int y, uint32_t pixel);
    void DrawGlyphs(Point origin, const std::string& text, int scale, bool bold, uint32_t pixel,
                    bool mnemonic);

    uint32_t* m_pixels;
    int m_rowPixels;
    Point m_origin;
    Rect m_clip;
};

}  // namespace vela::platform::headless
