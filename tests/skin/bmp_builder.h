// Builds BMP files byte by byte for the picture tests, independent of the loader under test.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/bytes.h"

namespace vela::test {

struct BmpSpec {
    int32_t width = 4;
    int32_t height = 3;  // negative: rows stored top row first
    int bitCount = 24;
    uint32_t coloursUsed = 0;
    std::vector<uint32_t> colours;  // 0x00RRGGBB entries of the colour table
    uint32_t compression = 0;
    uint32_t headerSize = 40;          // 12: the OS/2 core header, with 3-byte table entries
    std::vector<uint32_t> masks = {};  // bit-field masks, written after a 40-byte header
};

// Row stride of a stored picture row, padded to 4 bytes.
inline size_t Stride(int width, int bitCount) {
    return (static_cast<size_t>(width) * bitCount + 31) / 32 * 4;
}

// A complete file: headers, masks, colour table, then the given rows (or compressed stream) as
// stored (first stored row first).
inline std::vector<uint8_t> BuildBmp(const BmpSpec& layout, const std::vector<uint8_t>& rows) {
    const bool core = layout.headerSize == 12;
    const size_t header =
        core ? 12 : std::max<size_t>(layout.headerSize, 40 + 4 * layout.masks.size());
    const size_t entry = core ? 3 : 4;
    const size_t offset = 14 + header + entry * layout.colours.size();
    std::vector<uint8_t> file(offset + rows.size(), 0);
    uint8_t* f = file.data();
    WriteU16(f, 0, 19778);
    WriteU32(f, 2, static_cast<uint32_t>(file.size()));
    WriteU32(f, 10, static_cast<uint32_t>(offset));
    WriteU32(f, 14, layout.headerSize);
    if (core) {
        WriteU16(f, 18, static_cast<uint16_t>(layout.width));
        WriteU16(f, 20, static_cast<uint16_t>(layout.height));
        WriteU16(f, 22, 1);  // planes
        WriteU16(f, 24, static_cast<uint16_t>(layout.bitCount));
    } else {
        WriteI32(f, 18, layout.width);
        WriteI32(f, 22, layout.height);
        WriteU16(f, 26, 1);  // planes
        WriteU16(f, 28, static_cast<uint16_t>(layout.bitCount));
        WriteU32(f, 30, layout.compression);
        WriteU32(f, 34, static_cast<uint32_t>(rows.size()));
        WriteU32(f, 46, layout.coloursUsed);
        for (size_t i = 0; i < layout.masks.size(); ++i) WriteU32(f, 54 + 4 * i, layout.masks[i]);
    }
    for (size_t i = 0; i < layout.colours.size(); ++i)
        for (size_t c = 0; c < 3; ++c)
            f[14 + header + i * entry + c] = static_cast<uint8_t>(layout.colours[i] >> (8 * c));
    std::copy(rows.begin(), rows.end(), file.begin() + static_cast<ptrdiff_t>(offset));
    return file;
}

// A valid 24-bit picture, width x height, every pixel colour.
inline std::vector<uint8_t> SolidBmp24(int width, int height, uint32_t colour) {
    BmpSpec layout;
    layout.width = width;
    layout.height = height;
    const size_t stride = Stride(width, 24);
    std::vector<uint8_t> rows(stride * height, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint8_t* p = rows.data() + y * stride + x * 3;
            p[0] = static_cast<uint8_t>(colour);
            p[1] = static_cast<uint8_t>(colour >> 8);
            p[2] = static_cast<uint8_t>(colour >> 16);
        }
    return BuildBmp(layout, rows);
}

}  // namespace vela::test
