// BMP decoding for the headless window system, following what the Windows loader does with a
// file: the colour table follows the header as the header's own size places it, the rows
// start at the file header's pixel offset, and a compressed stream paints only the pixels it
// names (the rest keep colour index 0, as in the fresh section the system's loader fills).
#include "platform/headless/bmp_decoder.h"

#include <algorithm>

#include "platform/bytes.h"

namespace vela::platform::headless {

namespace {

// BITMAPFILEHEADER.
constexpr size_t kFileHeaderSize = 14;
constexpr uint16_t kBmpType = 19778;  // "BM"
constexpr size_t kFilePixelOffset = 10;
// Information header, at kFileHeaderSize.
constexpr size_t kHeaderSize = 0;
constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kInfoHeaderWithMasks = 52;  // the three masks follow a 40-byte header
constexpr uint32_t kAcceptedHeaderSizes[] = {kCoreHeaderSize, kInfoHeaderSize, 52, 56, 108, 124};
// BITMAPCOREHEADER: 16-bit sizes.
constexpr size_t kCoreWidth = 4;
constexpr size_t kCoreHeight = 6;
constexpr size_t kCorePlanes = 8;
constexpr size_t kCoreBitCount = 10;
// BITMAPINFOHEADER and its later forms.
constexpr size_t kInfoWidth = 4;
constexpr size_t kInfoHeight = 8;
constexpr size_t kInfoPlanes = 12;
constexpr size_t kInfoBitCount = 14;
constexpr size_t kInfoCompression = 16;
constexpr size_t kInfoSizeImage = 20;
constexpr size_t kInfoColoursUsed = 32;
constexpr size_t kInfoRedMask = 40;
constexpr size_t kInfoGreenMask = 44;
constexpr size_t kInfoBlueMask = 48;

constexpr uint32_t kRgb = 0;
constexpr uint32_t kRle8 = 1;
constexpr uint32_t kRle4 = 2;
constexpr uint32_t kBitFields = 3;
constexpr uint32_t kMaxColours = 256;

// RLE escape codes (a zero count followed by one of these).
constexpr uint8_t kRleEndOfLine = 0;
constexpr uint8_t kRleEndOfBitmap = 1;
constexpr uint8_t kRleDelta = 2;

size_t Stride(int width, int bits) {
    return (static_cast<size_t>(width) * static_cast<size_t>(bits) + 31) / 32 * 4;
}

// One colour channel of a bit-field pixel widened to 8 bits as GDI widens it: the field's top
// 8 bits, or a shorter field shifted up with its top bits repeated once below it.
struct Channel {
    int shift = 0;
    int length = 0;
    explicit Channel(uint32_t mask) {
        if (!mask) return;
        while (!(mask & 1u)) mask >>= 1, ++shift;
        while (mask & 1u) mask >>= 1, ++length;
    }
    uint32_t Extract(uint32_t value) const {
        if (length == 0) return 0;
        if (length >= 8) return (value >> (shift + length - 8)) & 0xffu;
        uint32_t field = ((value >> shift) & ((1u << length) - 1)) << (8 - length);
        return (field | (field >> length)) & 0xffu;
    }
};

// Paints RLE8/RLE4 runs into bottom-up rows of colour indexes; stops at the end-of-bitmap
// code, at the top row, or where the stream runs out (a run cut short paints nothing).
void DecodeRle(const uint8_t* stream, size_t length, bool fourBits, DecodedBmp& out) {
    const int width = out.width;
    const int height = out.height;
    int x = 0, y = 0;  // y counts rows from the bottom
    auto put = [&](uint32_t index) {
        if (x < width && y < height)
            out.pixels[static_cast<size_t>(height - 1 - y) * static_cast<size_t>(width) +
                       static_cast<size_t>(x)] = index;
        ++x;
    };
    size_t pos = 0;
    while (pos + 2 <= length && y < height) {
        const uint8_t count = stream[pos];
        const uint8_t code = stream[pos + 1];
        pos += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i)
                put(fourBits ? (i % 2 ? code & 0x0fu : code >> 4) : code);
        } else if (code == kRleEndOfLine) {
            x = 0;
            ++y;
        } else if (code == kRleEndOfBitmap) {
            return;
        } else if (code == kRleDelta) {
            if (pos + 2 > length) return;
            x = std::min(x + stream[pos], width);
            y += stream[pos + 1];
            pos += 2;
        } else {
            const size_t bytes = fourBits ? (code + 1u) / 2 : code;
            const size_t padded = (bytes + 1) & ~size_t{1};
            if (padded > length - pos) return;
            for (int i = 0; i < code; ++i) {
                const uint8_t b = stream[pos + (fourBits ? i / 2 : i)];
                put(fourBits ? (i % 2 ? b & 0x0fu : b >> 4) : b);
            }
            pos += padded;
        }
    }
}

void DecodeRows(const uint8_t* rows, bool topDown, const uint32_t masks[3], DecodedBmp& out) {
    const size_t stride = Stride(out.width, out.bitsPerPixel);
    const Channel red(masks[0]), green(masks[1]), blue(masks[2]);
    for (int y = 0; y < out.height; ++y) {
        const uint8_t* row = rows + stride * static_cast<size_t>(topDown ? y : out.height - 1 - y);
        uint32_t* dst = out.pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(out.width);
        for (size_t x = 0; x < static_cast<size_t>(out.width); ++x) {
            switch (out.bitsPerPixel) {
                case 1:
                    dst[x] = (row[x / 8] >> (7 - x % 8)) & 1u;
                    break;
                case 4:
                    dst[x] = x % 2 ? row[x / 2] & 0x0fu : row[x / 2] >> 4;
                    break;
                case 8:
                    dst[x] = row[x];
                    break;
                case 24:
                    dst[x] = (uint32_t{row[x * 3 + 2]} << 16) | (row[x * 3 + 1] << 8) | row[x * 3];
                    break;
                default: {
                    const uint32_t v =
                        out.bitsPerPixel == 16 ? ReadU16(row, x * 2) : ReadU32(row, x * 4);
                    dst[x] = (red.Extract(v) << 16) | (green.Extract(v) << 8) | blue.Extract(v);
                }
            }
        }
    }
}

class HeadlessPicture : public PictureBitmap {
  public:
    explicit HeadlessPicture(DecodedBmp decoded) : m_decoded(std::move(decoded)) {}
    int Width() const override { return m_decoded.width; }
    int Height() const override { return m_decoded.height; }
    int Planes() const override { return 1; }
    int BitsPerPixel() const override { return m_decoded.bitsPerPixel; }

    // Indexed pictures read at their own depth with their table (missing entries black);
    // any picture reads at 24 bits. Other depths deliver no rows.
    int ReadRows(int bitCount, uint8_t* colourTable, uint8_t* rows) const override {
        const DecodedBmp& d = m_decoded;
        const bool indexed = d.bitsPerPixel <= 8;
        if (bitCount != 24 && (!indexed || bitCount != d.bitsPerPixel)) return 0;
        if (bitCount <= 8 && colourTable) {
            std::fill(colourTable, colourTable + (size_t{4} << bitCount), uint8_t{0});
            for (size_t i = 0; i < d.colours.size(); ++i) {
                colourTable[i * 4] = static_cast<uint8_t>(d.colours[i]);
                colourTable[i * 4 + 1] = static_cast<uint8_t>(d.colours[i] >> 8);
                colourTable[i * 4 + 2] = static_cast<uint8_t>(d.colours[i] >> 16);
            }
        }
        const size_t stride = Stride(d.width, bitCount);
        for (int y = 0; y < d.height; ++y) {
            uint8_t* row = rows + stride * static_cast<size_t>(d.height - 1 - y);
            std::fill(row, row + stride, uint8_t{0});
            const uint32_t* src = d.pixels.data() + static_cast<size_t>(y) * d.width;
            for (size_t x = 0; x < static_cast<size_t>(d.width); ++x) {
                if (bitCount == 24) {
                    uint32_t c = src[x];
                    if (indexed) c = c < d.colours.size() ? d.colours[c] : 0;
                    row[x * 3] = static_cast<uint8_t>(c);
                    row[x * 3 + 1] = static_cast<uint8_t>(c >> 8);
                    row[x * 3 + 2] = static_cast<uint8_t>(c >> 16);
                } else {
                    const size_t perByte = static_cast<size_t>(8 / bitCount);
                    const int shift = (static_cast<int>(perByte - 1 - x % perByte)) * bitCount;
                    row[x / perByte] |= static_cast<uint8_t>(src[x] << shift);
                }
            }
        }
        return d.height;
    }

  private:
    DecodedBmp m_decoded;
};

}  // namespace

std::optional<DecodedBmp> DecodeBmp(const uint8_t* data, size_t size) {
    if (size < kFileHeaderSize + 4 || ReadU16(data, 0) != kBmpType) return std::nullopt;
    const uint8_t* info = data + kFileHeaderSize;
    const uint32_t headerSize = ReadU32(info, kHeaderSize);
    if (std::find(std::begin(kAcceptedHeaderSizes), std::end(kAcceptedHeaderSizes), headerSize) ==
            std::end(kAcceptedHeaderSizes) ||
        headerSize > size - kFileHeaderSize)
        return std::nullopt;

    const bool core = headerSize == kCoreHeaderSize;
    int32_t width, rawHeight;
    int planes, bits;
    uint32_t compression = kRgb, sizeImage = 0, used = 0;
    if (core) {
        width = ReadU16(info, kCoreWidth);
        rawHeight = ReadU16(info, kCoreHeight);
        planes = ReadU16(info, kCorePlanes);
        bits = ReadU16(info, kCoreBitCount);
    } else {
        width = ReadI32(info, kInfoWidth);
        rawHeight = ReadI32(info, kInfoHeight);
        planes = ReadU16(info, kInfoPlanes);
        bits = ReadU16(info, kInfoBitCount);
        compression = ReadU32(info, kInfoCompression);
        sizeImage = ReadU32(info, kInfoSizeImage);
        used = ReadU32(info, kInfoColoursUsed);
    }
    if (width <= 0 || width > kMaxBmpSide || rawHeight == 0 || rawHeight < -kMaxBmpSide ||
        rawHeight > kMaxBmpSide || planes != 1)
        return std::nullopt;
    const bool topDown = rawHeight < 0;
    const int32_t height = topDown ? -rawHeight : rawHeight;
    if (static_cast<uint64_t>(width) * static_cast<uint64_t>(height) > kMaxBmpPixels)
        return std::nullopt;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return std::nullopt;
    const bool rle = compression == kRle8 || compression == kRle4;
    if (!(compression == kRgb || (compression == kRle8 && bits == 8) ||
          (compression == kRle4 && bits == 4) ||
          (compression == kBitFields && (bits == 16 || bits == 32))) ||
        (rle && topDown))
        return std::nullopt;

    uint32_t masks[3] = {0xff0000u, 0x00ff00u, 0x0000ffu};
    if (bits == 16) masks[0] = 0x7c00u, masks[1] = 0x03e0u, masks[2] = 0x001fu;
    size_t tableStart = kFileHeaderSize + headerSize;
    if (compression == kBitFields) {
        tableStart = kFileHeaderSize + std::max(headerSize, kInfoHeaderWithMasks);
        if (tableStart > size) return std::nullopt;
        masks[0] = ReadU32(info, kInfoRedMask);
        masks[1] = ReadU32(info, kInfoGreenMask);
        masks[2] = ReadU32(info, kInfoBlueMask);
    }

    // The table holds the used-colour count (at most 256) or, when 0, 2^bits entries; only
    // the first 2^bits of an oversized table are colours of the picture.
    uint32_t entries = std::min(used, kMaxColours);
    if (entries == 0 && bits <= 8) entries = 1u << bits;
    const size_t entrySize = core ? 3 : 4;
    if (entries * entrySize > size - tableStart) return std::nullopt;

    DecodedBmp out;
    out.width = width;
    out.height = height;
    out.bitsPerPixel = bits;
    if (bits <= 8) {
        const uint32_t kept = std::min(entries, 1u << bits);
        for (uint32_t i = 0; i < kept; ++i) {
            const uint8_t* e = data + tableStart + i * entrySize;
            out.colours.push_back((uint32_t{e[2]} << 16) | (e[1] << 8) | e[0]);
        }
    }

    size_t offset = ReadU32(data, kFilePixelOffset);
    if (offset == 0) offset = tableStart + entries * entrySize;
    if (offset > size) return std::nullopt;
    const size_t available = size - offset;
    if (!rle && Stride(width, bits) * static_cast<size_t>(height) > available) return std::nullopt;

    out.pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
    if (rle)
        DecodeRle(data + offset, std::min<size_t>(sizeImage, available), compression == kRle4, out);
    else
        DecodeRows(data + offset, topDown, masks, out);
    return out;
}

std::unique_ptr<PictureBitmap> MakePicture(DecodedBmp decoded) {
    return std::make_unique<HeadlessPicture>(std::move(decoded));
}

}  // namespace vela::platform::headless
