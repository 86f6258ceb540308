// A picture the window system loaded from a BMP file, read the way GetDIBits reads a bitmap:
// its size and bit depth, and all rows at a chosen bit count (24, or the picture's own 1/4/8
// with its colour table), bottom row first, each row padded to 4 bytes. On Windows it is a
// DIB section the system's loader made; in the headless build, the headless decoder's result.
// UI thread.
#pragma once

#include <cstdint>

namespace vela::platform {

class PictureBitmap {
  public:
    virtual ~PictureBitmap() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual int Planes() const = 0;
    virtual int BitsPerPixel() const = 0;
    // Fills rows (height x padded row length at bitCount) and, for 8 bits or fewer, the colour
    // table (2^bitCount entries of 4 bytes: blue, green, red, 0); returns the rows delivered.
    virtual int ReadRows(int bitCount, uint8_t* colourTable, uint8_t* rows) const = 0;
};

}  // namespace vela::platform
