// The fixed encoding tables of the Channel page: the 19 resolutions with their pixel counts and
// the sub-stream resolutions each main-stream resolution allows, and the bit rates each
// resolution offers at full frame rate. Constant tables, any thread.
#pragma once

#include <cstdint>

namespace vela::pages::channel {

constexpr int kResolutionCount = 19;
constexpr int kQualityCount = 6;  // bit-rate columns; column q - 1 belongs to quality q

// Highest frame rate of the video standard: 30 for NTSC, 25 for PAL.
constexpr int kPalFrameRate = 25;
constexpr int kNtscFrameRate = 30;
constexpr int StandardFrameRate(bool ntsc) {
    return ntsc ? kNtscFrameRate : kPalFrameRate;
}

constexpr bool IsResolutionIndex(int resolution) {
    return resolution >= 0 && resolution < kResolutionCount;
}

// Pixel count of a resolution entry; 0 for an index outside the table, so that a stream with
// such an index costs nothing and fits nothing.
int64_t ResolutionPixels(int resolution, bool ntsc);

// Sub-stream resolutions allowed beside a main-stream resolution (bit j = entry j); 0 for an
// index outside the table.
uint32_t SubMaskForMainResolution(int mainResolution);

// Bit rate in kbit/s at full frame rate for a resolution and quality 1..6; 0 when either is
// outside the table.
int64_t TableBitRate(int resolution, int quality);

}  // namespace vela::pages::channel
