// The encoding capacity rules of the Channel page: what the other channels and streams leave of
// the device's encoding power and bit rate, and from that the entries of the "Resolution",
// "FPS" and "StreamValue" lists for one channel's stream, with the entry each list selects.
// Encoding power is pixels × frames per second summed over the streams with video on; sums
// are 64-bit (32 channels × 2 streams × 5 million pixels × a device's frame rate overflow
// 32 bits). Pure functions over the records; UI thread (the page's load).
#pragma once

#include <cstdint>
#include <vector>

#include "pages/channel/capacity_records.h"

namespace vela::pages::channel {

constexpr int kNoSelection = -1;

// What the capacity sums read: records 68 and 10 of group 3, the channel count of DeviceInfo
// (CapacityChannelCount), the video standard and the sub-stream budget flag (the connection's
// StreamType when the page initialised).
struct CapacityRecords {
    uint8_t* encoding = nullptr;
    const uint8_t* capability = nullptr;
    int channelCount = 0;
    bool ntsc = false;
    bool subStreamBudget = false;
};

// What one stream may use: power budget B, allowed resolutions M (bit k = entry k) and, for
// the main stream only, the bit-rate limit L.
struct StreamBudget {
    int64_t power = 0;
    uint32_t mask = 0;
    bool hasBitRateLimit = false;
    int64_t bitRateLimit = 0;
};

class EncodingCapacity {
  public:
    explicit EncodingCapacity(const CapacityRecords& records);

    // Pixels × frame rate, 0 with video off; an index outside the table and a negative frame
    // rate count 0.
    int64_t StreamCost(int channel, Stream stream) const;
    // Total power minus both streams of every channel but this one.
    int64_t RemainingMainPower(int channel) const;
    // All streams of one kind; the sub streams count 0 without the sub-stream budget flag.
    int64_t UsedPower(Stream kind) const;
    // Total bit rate minus the main streams of every channel but this one.
    int64_t RemainingBitRate(int channel) const;

    StreamBudget Budget(int channel, Stream stream) const;

  private:
    CapacityRecords m_records;  // a copy: callers pass temporaries
    EncodingCapability m_capability;
};

// The stored resolution raised to the lowest resolution the channel's own mask allows.
int RaisedResolution(int storedResolution, uint32_t ownMask);

// Largest frame rate and resolution a budget leaves for the stored resolution and frame rate.
struct FitResult {
    int maxFrameRate = 0;
    int largestResolution = kNoSelection;  // kNoSelection: no resolution fits
};
FitResult FitBudget(int64_t budget, int storedResolution, int storedFrameRate, bool ntsc);

// A list's item data in list order and the position it selects.
struct ListChoice {
    std::vector<int> entries;
    int selected = kNoSelection;
};

ListChoice FrameRateList(const FitResult& fit, int storedFrameRate);
ListChoice ResolutionList(const FitResult& fit, uint32_t mask, int storedResolution, bool ntsc);

struct BitRateChoice {
    ListChoice list;
    bool enabled = true;  // "StreamValue" is disabled when the bit rate follows the quality
};
BitRateChoice BitRateList(const StreamBlock& stream, bool ntsc, const StreamBudget& budget);

// Positions in the fixed lists "Quality" (1..6), "Interval" (2..12), "StreamCtrl" (0, 1).
int QualityPosition(int quality);
int IntervalPosition(int interval);
int BitRateControlPosition(int control);

struct EncodingOptions {
    ListChoice frameRates;   // "FPS", frames per second
    ListChoice resolutions;  // "Resolution", resolution index
    BitRateChoice bitRates;  // "StreamValue", kbit/s
    int quality = kNoSelection;
    int interval = kNoSelection;
    int bitRateControl = kNoSelection;
};

// The page's step for one channel's stream: budget, raise (written into record 68), fit and
// the lists. A channel outside the records gives empty lists and changes nothing.
EncodingOptions BuildEncodingOptions(const CapacityRecords& records, int channel, Stream stream);

}  // namespace vela::pages::channel
