// The resolution and bit-rate tables, as data. Any thread.
#include "pages/channel/encoding_tables.h"

namespace vela::pages::channel {

namespace {

struct ResolutionEntry {
    int32_t palPixels;
    int32_t ntscPixels;
    uint32_t subMask;
};

constexpr ResolutionEntry kResolutions[kResolutionCount] = {
    {405504, 337920, 27},   {202752, 168960, 26},   {202752, 168960, 28},   {101376, 84480, 24},
    {25344, 21120, 16},     {307200, 307200, 96},   {76800, 76800, 64},     {230400, 230400, 128},
    {20480, 20480, 256},    {46080, 46080, 512},    {552960, 552960, 27},   {921600, 921600, 27},
    {1228800, 1228800, 27}, {1920000, 1920000, 27}, {2073600, 2073600, 27}, {2304000, 2304000, 27},
    {2635776, 2635776, 27}, {3145728, 3145728, 27}, {5271552, 5271552, 27},
};

constexpr int32_t kBitRates[kResolutionCount][kQualityCount] = {
    {512, 768, 1024, 1536, 2048, 3072},    {384, 512, 768, 1024, 1536, 2048},
    {384, 512, 768, 1024, 1536, 2048},     {64, 192, 384, 512, 768, 1024},
    {64, 128, 192, 384, 448, 512},         {512, 768, 896, 1280, 1536, 2048},
    {256, 384, 512, 640, 768, 1024},       {512, 768, 896, 1280, 1536, 2048},
    {64, 128, 192, 384, 448, 512},         {64, 128, 256, 448, 512, 768},
    {896, 1024, 1536, 2048, 3072, 4096},   {1024, 1536, 2048, 2560, 3072, 4096},
    {1024, 1536, 2048, 3072, 4096, 5120},  {1024, 2048, 3072, 4096, 6144, 8192},
    {1024, 2048, 3072, 4096, 6144, 8192},  {1177, 2355, 3532, 4710, 7065, 10240},
    {1280, 2560, 3840, 5120, 7680, 10240}, {1536, 3072, 4096, 6144, 8192, 10240},
    {2048, 3072, 4096, 6144, 8192, 10240},
};

}  // namespace

int64_t ResolutionPixels(int resolution, bool ntsc) {
    if (!IsResolutionIndex(resolution)) return 0;
    const ResolutionEntry& entry = kResolutions[resolution];
    return ntsc ? entry.ntscPixels : entry.palPixels;
}

uint32_t SubMaskForMainResolution(int mainResolution) {
    return IsResolutionIndex(mainResolution) ? kResolutions[mainResolution].subMask : 0;
}

int64_t TableBitRate(int resolution, int quality) {
    if (!IsResolutionIndex(resolution) || quality < 1 || quality > kQualityCount) return 0;
    return kBitRates[resolution][quality - 1];
}

}  // namespace vela::pages::channel
