// One device-independent bitmap in memory: a page or console background, or a skin button's
// image. The picture is kept as a 40-byte information header with its colour table, and pixel
// rows bottom row first, each padded to a multiple of 4 bytes. Pictures of 8 bits per pixel or
// fewer carry a logical palette built from their colour table.
//
// Every loader checks the file against its own size before it trusts a field: a picture that
// is not a plain BMP, or whose fields do not fit the bytes it has, is refused and leaves the
// object empty (width and height 0). UI thread only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/picture.h"

namespace vela::ui {

// A bitmap as the window system holds it (see platform/picture.h): skin pictures load through
// the window system's picture loader and are converted from it.
using PlatformBitmap = platform::PictureBitmap;

class CDibImage {
  public:
    static constexpr size_t kFileHeaderSize = 14;
    static constexpr size_t kInfoHeaderSize = 40;
    static constexpr uint16_t kBmpType = 19778;  // "BM"
    // Skin pictures are screen-sized; anything beyond these is refused rather than allocated.
    static constexpr int32_t kMaxDimension = 16384;
    static constexpr uint64_t kMaxPixels = 4096ull * 4096ull;
    static constexpr size_t kMaxFileBytes = 64u * 1024u * 1024u;

    CDibImage() = default;
    CDibImage(const CDibImage&) = delete;
    CDibImage& operator=(const CDibImage&) = delete;
    virtual ~CDibImage() = default;

    // --- drawing; false (nothing drawn) for an empty picture ---
    // The part src of the picture (top-down picture coordinates) one to one into dst.
    virtual bool Paint(platform::Canvas& canvas, const platform::Rect& dst,
                       const platform::Rect& src) const;
    // The whole picture scaled into dst.
    virtual bool Stretch(platform::Canvas& canvas, const platform::Rect& dst) const;
    // The whole picture at (x, y) in its natural size.
    virtual bool Draw(platform::Canvas& canvas, int x, int y) const;

    // --- loading and saving; each returns false and leaves the picture empty on failure ---
    // A skin picture: the window system loads the file as a device-independent section (every
    // BMP form the system's loader reads), then it is converted.
    bool LoadPicture(const std::string& path);
    // The BMP reader of an open file: plain 40-byte-header pictures only.
    virtual bool Load(const std::string& path);
    virtual bool Read(std::istream& file);
    virtual bool Save(const std::string& path);
    virtual bool Write(std::ostream& file);
    // The whole BMP file in memory.
    bool ReadMemory(const uint8_t* data, size_t size);
    bool ConvertFrom(const PlatformBitmap& bitmap);

    void Clear();

    // --- attributes ---
    bool IsEmpty() const { return m_arrHeader.empty(); }
    int Width() const;
    int Height() const;
    int BitsPerPixel() const;
    int ColourCount() const;  // entries of the colour table; 0 above 8 bits per pixel
    const uint8_t* ColourTable() const;
    const uint8_t* Bits() const { return m_arrBits.empty() ? nullptr : m_arrBits.data(); }
    size_t BitsSize() const { return m_arrBits.size(); }
    const std::vector<uint8_t>& Header() const { return m_arrHeader; }
    // The logical palette , one entry per colour-table
    // entry; empty above 8 bits per pixel.
    const platform::Palette& Palette() const { return m_arrPalette; }
    bool HasPalette() const { return !m_arrPalette.empty(); }
    const std::string& Path() const { return m_strPath; }
    void SetPath(const std::string& path) { m_strPath = path; }
    // Why the last load, read or conversion failed ("" after a success).
    const std::string& Reason() const { return m_strReason; }

    // Colour of one pixel as 0x00RRGGBB, (0,0) the top-left corner; 0 outside the picture.
    uint32_t PixelAt(int x, int y) const;
    // The whole picture as 0x00RRGGBB pixels, top row first, width pixels a row.
    std::vector<uint32_t> ToPixels() const;

    // Bytes of one stored row: width x bits, padded to a multiple of 4 bytes.
    static size_t PaddedRowBytes(int width, int bitCount);

  private:
    bool Fail(const char* reason);
    void BuildPalette();
    void SetHeader(int width, int height, int bitCount, int colours);

    std::vector<uint8_t> m_arrHeader;  // information header + colour table
    std::vector<uint8_t> m_arrBits;    // rows, bottom row first, padded
    platform::Palette m_arrPalette;
    std::string m_strPath;
    std::string m_strReason;
};

}  // namespace vela::ui
