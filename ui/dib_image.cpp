#include "ui/dib_image.h"

#include <algorithm>
#include <fstream>
#include <istream>
#include <ostream>

#include "platform/bytes.h"

namespace vela::ui {
namespace {

// BITMAPFILEHEADER fields.
constexpr size_t kFileType = 0;
constexpr size_t kFileSize = 2;
constexpr size_t kFileReserved = 6;
constexpr size_t kFilePixelOffset = 10;

// BITMAPINFOHEADER fields.
constexpr size_t kInfoSize = 0;
constexpr size_t kInfoWidth = 4;
constexpr size_t kInfoHeight = 8;
constexpr size_t kInfoPlanes = 12;
constexpr size_t kInfoBitCount = 14;
constexpr size_t kInfoCompression = 16;
constexpr size_t kInfoSizeImage = 20;
constexpr size_t kInfoColoursUsed = 32;
constexpr uint32_t kCompressionRgb = 0;

constexpr size_t kColourEntrySize = 4;  // blue, green, red, 0
constexpr size_t kReadChunk = size_t{64} * 1024;

bool IsSupportedBitCount(int bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

uint8_t Expand5(unsigned value) {
    return static_cast<uint8_t>((value << 3) | (value >> 2));
}

}  // namespace

size_t CDibImage::PaddedRowBytes(int width, int bitCount) {
    return (static_cast<size_t>(width) * static_cast<size_t>(bitCount) + 31) / 32 * 4;
}

int CDibImage::Width() const {
    return IsEmpty() ? 0 : ReadI32(m_arrHeader.data(), kInfoWidth);
}
int CDibImage::Height() const {
    return IsEmpty() ? 0 : ReadI32(m_arrHeader.data(), kInfoHeight);
}
int CDibImage::BitsPerPixel() const {
    return IsEmpty() ? 0 : ReadU16(m_arrHeader.data(), kInfoBitCount);
}
int CDibImage::ColourCount() const {
    return static_cast<int>((m_arrHeader.size() - std::min(m_arrHeader.size(), kInfoHeaderSize)) /
                            kColourEntrySize);
}
const uint8_t* CDibImage::ColourTable() const {
    return ColourCount() > 0 ? m_arrHeader.data() + kInfoHeaderSize : nullptr;
}

void CDibImage::Clear() {
    m_arrHeader.clear();
    m_arrBits.clear();
    m_arrPalette.clear();
}

bool CDibImage::Fail(const char* reason) {
    Clear();
    m_strReason = reason;
    return false;
}

// The stored header always describes bottom-up rows, uncompressed, with exactly the colour
// table that follows it.
void CDibImage::SetHeader(int width, int height, int bitCount, int colours) {
    m_arrHeader.assign(kInfoHeaderSize + kColourEntrySize * static_cast<size_t>(colours), 0);
    uint8_t* h = m_arrHeader.data();
    WriteU32(h, kInfoSize, kInfoHeaderSize);
    WriteI32(h, kInfoWidth, width);
    WriteI32(h, kInfoHeight, height);
    WriteU16(h, kInfoPlanes, 1);
    WriteU16(h, kInfoBitCount, static_cast<uint16_t>(bitCount));
    WriteU32(h, kInfoCompression, kCompressionRgb);
    WriteU32(h, kInfoSizeImage,
             static_cast<uint32_t>(PaddedRowBytes(width, bitCount) * static_cast<size_t>(height)));
    WriteU32(h, kInfoColoursUsed, static_cast<uint32_t>(colours));
}

void CDibImage::BuildPalette() {
    m_arrPalette.clear();
    const uint8_t* table = ColourTable();
    for (int i = 0; i < ColourCount(); ++i) {
        const uint8_t* entry = table + kColourEntrySize * static_cast<size_t>(i);
        m_arrPalette.push_back(platform::Rgb(entry[2], entry[1], entry[0]));
    }
}

bool CDibImage::ReadMemory(const uint8_t* data, size_t size) {
    Clear();
    m_strReason.clear();
    if (size < kFileHeaderSize) return Fail("Error:file is cut short\n");
    if (ReadU16(data, kFileType) != kBmpType)
        return Fail("Error:Unexpected file type, not a DIB\n");
    if (size < kFileHeaderSize + kInfoHeaderSize) return Fail("Error:file is cut short\n");
    const uint8_t* info = data + kFileHeaderSize;
    if (ReadU32(info, kInfoSize) != kInfoHeaderSize)
        return Fail("Error:OS2 PM BMP Format not supported\n");
    if (ReadU32(data, kFileSize) > size) return Fail("Error:file is cut short\n");

    const int32_t width = ReadI32(info, kInfoWidth);
    const int32_t rawHeight = ReadI32(info, kInfoHeight);
    const int bitCount = ReadU16(info, kInfoBitCount);
    if (width <= 0 || width > kMaxDimension) return Fail("Error:bad picture width\n");
    if (rawHeight == 0 || rawHeight < -kMaxDimension || rawHeight > kMaxDimension)
        return Fail("Error:bad picture height\n");
    const bool topDown = rawHeight < 0;
    const int32_t height = topDown ? -rawHeight : rawHeight;
    if (static_cast<uint64_t>(width) * static_cast<uint64_t>(height) > kMaxPixels)
        return Fail("Error:picture too large\n");
    if (ReadU16(info, kInfoPlanes) != 1 || !IsSupportedBitCount(bitCount))
        return Fail("Error:unsupported bit count or planes\n");
    if (ReadU32(info, kInfoCompression) != kCompressionRgb)
        return Fail("Error:compressed pictures not supported\n");

    // Colour table: only pictures of 8 bits or fewer have one that matters; above that a
    // used-colour count only hints at an optimal palette and is skipped with the offset.
    int colours = 0;
    if (bitCount <= 8) {
        const uint32_t used = ReadU32(info, kInfoColoursUsed);
        const uint32_t full = 1u << bitCount;
        if (used > full) return Fail("Error:colour table larger than the bit count allows\n");
        colours = static_cast<int>(used == 0 ? full : used);
    }
    const size_t tableEnd =
        kFileHeaderSize + kInfoHeaderSize + kColourEntrySize * static_cast<size_t>(colours);
    const uint32_t pixelOffset = ReadU32(data, kFilePixelOffset);
    if (tableEnd > size) return Fail("Error:file is cut short\n");
    if (pixelOffset < tableEnd || pixelOffset > size)
        return Fail("Error:pixel offset outside the file\n");

    const size_t stride = PaddedRowBytes(width, bitCount);
    const size_t pixelBytes = stride * static_cast<size_t>(height);
    const uint32_t sizeImage = ReadU32(info, kInfoSizeImage);
    if (sizeImage != 0 && sizeImage < pixelBytes)
        return Fail("Error:image size smaller than the picture\n");
    if (pixelBytes > size - pixelOffset) return Fail("Error:file is cut short\n");

    SetHeader(width, height, bitCount, colours);
    std::copy(data + kFileHeaderSize + kInfoHeaderSize, data + tableEnd,
              m_arrHeader.begin() + kInfoHeaderSize);
    const uint8_t* rows = data + pixelOffset;
    if (topDown) {
        m_arrBits.resize(pixelBytes);
        for (int32_t row = 0; row < height; ++row)
            std::copy(rows + stride * static_cast<size_t>(row),
                      rows + stride * static_cast<size_t>(row + 1),
                      m_arrBits.begin() + static_cast<ptrdiff_t>(stride * (height - 1 - row)));
    } else {
        m_arrBits.assign(rows, rows + pixelBytes);
    }
    BuildPalette();
    return true;
}

bool CDibImage::Read(std::istream& file) {
    // The file's own length bounds every allocation: read it whole, at most the largest
    // picture file accepted, then check the fields against what was really there.
    std::vector<uint8_t> bytes;
    char chunk[kReadChunk];
    while (file) {
        file.read(chunk, sizeof chunk);
        const auto got = static_cast<size_t>(file.gcount());
        if (bytes.size() + got > kMaxFileBytes) return Fail("Error:file too large\n");
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
    return ReadMemory(bytes.data(), bytes.size());
}

bool CDibImage::Load(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return Fail("Error:could not open file\n");
    return Read(file);
}

bool CDibImage::Write(std::ostream& file) {
    if (IsEmpty()) return false;
    const size_t pixelOffset = kFileHeaderSize + m_arrHeader.size();
    uint8_t fileHeader[kFileHeaderSize] = {};
    WriteU16(fileHeader, kFileType, kBmpType);
    WriteU32(fileHeader, kFileSize, static_cast<uint32_t>(pixelOffset + m_arrBits.size()));
    WriteU32(fileHeader, kFileReserved, 0);
    WriteU32(fileHeader, kFilePixelOffset, static_cast<uint32_t>(pixelOffset));
    file.write(reinterpret_cast<const char*>(fileHeader), sizeof fileHeader);
    file.write(reinterpret_cast<const char*>(m_arrHeader.data()),
               static_cast<std::streamsize>(m_arrHeader.size()));
    file.write(reinterpret_cast<const char*>(m_arrBits.data()),
               static_cast<std::streamsize>(m_arrBits.size()));
    return static_cast<bool>(file);
}

bool CDibImage::Save(const std::string& path) {
    if (IsEmpty()) return false;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    return Write(file) && static_cast<bool>(file.flush());
}

bool CDibImage::ConvertFrom(const PlatformBitmap& bitmap) {
    Clear();
    m_strReason.clear();
    const int width = bitmap.Width();
    const int height = bitmap.Height();
    if (width <= 0 || height <= 0 || width > kMaxDimension || height > kMaxDimension ||
        static_cast<uint64_t>(width) * static_cast<uint64_t>(height) > kMaxPixels)
        return Fail("could not allocate data storage\n");
    const int sourceBits = bitmap.BitsPerPixel();
    const int bitCount = sourceBits > 8 ? 24 : sourceBits > 4 ? 8 : sourceBits > 1 ? 4 : 1;
    const int colours = bitCount <= 8 ? 1 << bitCount : 0;

    SetHeader(width, height, bitCount, colours);
    m_arrBits.assign(PaddedRowBytes(width, bitCount) * static_cast<size_t>(height), 0);
    const int rows = bitmap.ReadRows(
        bitCount, colours ? m_arrHeader.data() + kInfoHeaderSize : nullptr, m_arrBits.data());
    if (rows < height)
        return Fail("call to GetDIBits did not return full number of requested scan lines\n");
    BuildPalette();
    return true;
}

bool CDibImage::Paint(platform::Canvas& canvas, const platform::Rect& dst,
                      const platform::Rect& src) const {
    if (IsEmpty()) return false;
    platform::DibView view;
    view.width = Width();
    view.height = Height();
    view.bitsPerPixel = BitsPerPixel();
    view.colorTable = ColourTable();
    view.colorCount = static_cast<size_t>(ColourCount());
    view.bits = m_arrBits.data();
    view.bitsSize = m_arrBits.size();
    canvas.DrawDib(view, src, dst, HasPalette() ? &m_arrPalette : nullptr);
    return true;
}

bool CDibImage::Stretch(platform::Canvas& canvas, const platform::Rect& dst) const {
    return Paint(canvas, dst, platform::Rect{0, 0, Width(), Height()});
}

bool CDibImage::Draw(platform::Canvas& canvas, int x, int y) const {
    return Stretch(canvas, platform::Rect{x, y, x + Width(), y + Height()});
}

uint32_t CDibImage::PixelAt(int x, int y) const {
    const int width = Width();
    const int height = Height();
    if (x < 0 || y < 0 || x >= width || y >= height) return 0;
    const uint8_t* row = m_arrBits.data() + PaddedRowBytes(width, BitsPerPixel()) *
                                                static_cast<size_t>(height - 1 - y);
    auto colourAt = [this](unsigned index) -> uint32_t {
        if (index >= static_cast<unsigned>(ColourCount())) return 0;
        const uint8_t* entry = ColourTable() + kColourEntrySize * index;
        return (static_cast<uint32_t>(entry[2]) << 16) | (entry[1] << 8) | entry[0];
    };
    const auto ux = static_cast<size_t>(x);
    switch (BitsPerPixel()) {
        case 1:
            return colourAt((row[ux / 8] >> (7 - ux % 8)) & 1u);
        case 4:
            return colourAt(ux % 2 ? row[ux / 2] & 0x0fu : row[ux / 2] >> 4);
        case 8:
            return colourAt(row[ux]);
        case 16: {
            const unsigned v = ReadU16(row, ux * 2);
            return (static_cast<uint32_t>(Expand5((v >> 10) & 31)) << 16) |
                   (Expand5((v >> 5) & 31) << 8) | Expand5(v & 31);
        }
        case 24:
            return (static_cast<uint32_t>(row[ux * 3 + 2]) << 16) | (row[ux * 3 + 1] << 8) |
                   row[ux * 3];
        case 32:
            return (static_cast<uint32_t>(row[ux * 4 + 2]) << 16) | (row[ux * 4 + 1] << 8) |
                   row[ux * 4];
        default:
            return 0;
    }
}

std::vector<uint32_t> CDibImage::ToPixels() const {
    const int width = Width();
    const int height = Height();
    std::vector<uint32_t> pixels;
    pixels.reserve(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels.push_back(PixelAt(x, y));
    return pixels;
}

}  // namespace vela::ui
