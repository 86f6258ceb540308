// One pixel of a 32-bit bottom-up BMP file, as the snapshots write them. Header-only.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/bytes.h"

namespace vela::testing {

// The colour (0x00RRGGBB) at a point; 0 when the file is unreadable or the point outside it.
inline uint32_t BmpPixel(const std::string& path, int x, int y) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                     std::istreambuf_iterator<char>());
    if (bytes.size() < 54) return 0;
    const int32_t width = ReadI32(bytes.data(), 18);
    const int32_t height = ReadI32(bytes.data(), 22);
    if (x < 0 || y < 0 || x >= width || y >= height) return 0;
    const size_t at = ReadU32(bytes.data(), 10) +
                      (static_cast<size_t>(height - 1 - y) * width + static_cast<size_t>(x)) * 4;
    if (at + 4 > bytes.size()) return 0;
    return ReadU32(bytes.data(), at) & 0xFFFFFFu;
}

}  // namespace vela::testing
