// A picture being painted by the skin generator: 24-bit pixels, top row first, with the few
// drawing operations the skin needs (fills, gradients, frames, text in the built-in 6 x 13
// font). It hands its rows to CDibImage the way a platform bitmap would, so the pictures are
// written by the same BMP code that the plug-in reads them with.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/dib_image.h"

namespace vela::skingen {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
};

// a when t is 0, b when t is 1.
Rgb Mix(Rgb a, Rgb b, double t);

struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
};

class PixelImage : public ui::PlatformBitmap {
  public:
    PixelImage(int width, int height, Rgb fill);

    void Set(int x, int y, Rgb colour);  // ignores points outside the picture
    Rgb At(int x, int y) const;

    void Fill(const Box& box, Rgb colour);
    void VerticalGradient(const Box& box, Rgb top, Rgb bottom);
    void Frame(const Box& box, Rgb colour);  // one-pixel outline inside the box
    // Softens the four corners of box: the corner pixels take the colour outside it.
    void RoundCorners(const Box& box, Rgb outside);
    // One line of printable ASCII, each font pixel drawn scale x scale.
    void Text(int x, int y, const std::string& text, Rgb colour, int scale);
    static int TextWidth(const std::string& text, int scale);

    int Width() const override { return m_width; }
    int Height() const override { return m_height; }
    int Planes() const override { return 1; }
    int BitsPerPixel() const override { return 24; }
    int ReadRows(int bitCount, uint8_t* colourTable, uint8_t* rows) const override;

  private:
    int m_width;
    int m_height;
    std::vector<Rgb> m_pixels;  // top row first
};

}  // namespace vela::skingen
