// The canvas on a GDI device context: paint, erase and owner-draw events, and the frames the
// player library hands over. The canvas borrows the device context and restores every object
// it selects into it. Used by one thread at a time (the one that owns the device context).
#pragma once

#include <windows.h>

#include "platform/canvas.h"

namespace vela::platform::win32 {

class GdiCanvas : public Canvas {
  public:
    explicit GdiCanvas(HDC dc) : m_dc(dc) {}

    void DrawLine(Point from, Point to, const Pen& pen) override;
    void FrameRect(const Rect& rect, const Pen& pen) override;
    void FillRect(const Rect& rect, Color color) override;
    void DrawString(Point origin, const std::string& text, const Font& font, Color color,
                    unsigned flags) override;
    Size MeasureText(const std::string& text, const Font& font, unsigned flags) override;
    int PixelsPerInchY() override;
    void DrawDib(const DibView& dib, const Rect& source, const Rect& target,
                 const Palette* palette) override;

  private:
    HDC m_dc;
};

// A GDI font for the description (the caller deletes it).
HFONT CreateGdiFont(const Font& font);

}  // namespace vela::platform::win32
