// The headless window system's BMP loader: reads every file the Windows loader (LoadImage from
// a file into a DIB section) reads, and refuses what it refuses. Info headers of 40, 52, 56,
// 108 and 124 bytes and the 12-byte core header; 1/4/8/16/24/32 bits; BI_BITFIELDS at 16 and
// 32 bits; RLE8 and RLE4. Every size and count is checked against the file before it is used.
// Any thread (no shared state).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "platform/picture.h"

namespace vela::platform::headless {

// Larger pictures are refused rather than allocated: skin pictures are screen-sized.
constexpr int32_t kMaxBmpSide = 16384;
constexpr uint64_t kMaxBmpPixels = 4096ull * 4096ull;
constexpr size_t kMaxBmpFileBytes = 64u * 1024u * 1024u;

struct DecodedBmp {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;           // as the file stores it; 8 or fewer: pixels index colours
    std::vector<uint32_t> colours;  // 0x00RRGGBB, at most 2^bitsPerPixel entries
    std::vector<uint32_t> pixels;   // top row first: a colour index, or 0x00RRGGBB
};

std::optional<DecodedBmp> DecodeBmp(const uint8_t* data, size_t size);

// The decoded picture as the window system hands it out.
std::unique_ptr<PictureBitmap> MakePicture(DecodedBmp decoded);

}  // namespace vela::platform::headless
