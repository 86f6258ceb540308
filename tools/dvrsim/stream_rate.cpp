#include "tools/dvrsim/stream_rate.h"

#include <algorithm>

#include "platform/bytes.h"

namespace vela::dvrsim {

namespace {

constexpr size_t kResolutionOffset = 4;
constexpr size_t kControlOffset = 8;  // 0 the stored bit rate, 1 the bit rate follows quality
constexpr size_t kQualityOffset = 12;
constexpr size_t kFpsOffset = 16;
constexpr size_t kBitRateOffset = 20;
constexpr size_t kIntervalOffset = 24;
constexpr int32_t kMaxFps = 30;
constexpr int32_t kMinKbit = 16, kMaxKbit = 16384;
constexpr int32_t kFullRate = 25;
constexpr int32_t kQualities = 6;
constexpr int32_t kResolutions = 19;
constexpr int32_t kMinInterval = 2, kMaxInterval = 12, kDefaultInterval = 4;
constexpr uint32_t kDefaultSubKbit = 384;

// kbit/s at full frame rate, per resolution index, per quality 1..6.
constexpr int32_t kBitRates[kResolutions][kQualities] = {
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

StreamRate ReadStreamRate(const std::vector<uint8_t>& encoding, int channel, int streamType) {
    StreamRate rate;
    if (streamType != 0) rate.kbitPerSecond = kDefaultSubKbit;
    size_t at = static_cast<size_t>(channel) * kEncodingChannelSize +
                (streamType != 0 ? kEncodingSubOffset : 0);
    if (channel < 0 || at + kEncodingSubOffset > encoding.size()) return rate;
    const uint8_t* block = encoding.data() + at;
    int32_t fps = ReadI32(block, kFpsOffset);
    if (fps >= 1 && fps <= kMaxFps) rate.fps = static_cast<uint32_t>(fps);
    int32_t kbit = ReadI32(block, kBitRateOffset);
    if (ReadI32(block, kControlOffset) == 1) {
        // The quality's table value, scaled to the frame rate over an I-frame interval.
        int32_t resolution = ReadI32(block, kResolutionOffset);
        int32_t quality = ReadI32(block, kQualityOffset);
        int32_t interval = ReadI32(block, kIntervalOffset);
        if (interval < kMinInterval || interval > kMaxInterval) interval = kDefaultInterval;
        kbit = 0;
        if (resolution >= 0 && resolution < kResolutions && quality >= 1 && quality <= kQualities) {
            int32_t f = std::min(static_cast<int32_t>(rate.fps), kFullRate);
            kbit = (interval * f + 9) * kBitRates[resolution][quality - 1] /
                   (interval * kFullRate + 9);
        }
    }
    if (kbit >= kMinKbit && kbit <= kMaxKbit) rate.kbitPerSecond = static_cast<uint32_t>(kbit);
    return rate;
}

uint32_t VideoPacketSize(const StreamRate& rate, bool keyFrame, uint32_t minimum) {
    uint64_t perSecond = uint64_t{rate.kbitPerSecond} * 1000 / 8;
    uint64_t shares = kIFrameWeight + (rate.fps - 1);  // one I frame and fps - 1 P frames
    uint64_t size = perSecond * (keyFrame ? kIFrameWeight : 1) / shares;
    return static_cast<uint32_t>(
        std::min<uint64_t>(std::max<uint64_t>(size, minimum), kMaxVideoPacket));
}

}  // namespace vela::dvrsim
