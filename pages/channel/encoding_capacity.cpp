// The capacity sums, the budget of one stream and the lists it leaves. UI thread.
#include "pages/channel/encoding_capacity.h"

#include <algorithm>

namespace vela::pages::channel {

namespace {

Stream Other(Stream stream) {
    return stream == Stream::kMain ? Stream::kSub : Stream::kMain;
}

// Lowest of bits 0..18, or kNoSelection.
int LowestResolutionBit(uint32_t mask) {
    for (int k = 0; k < kResolutionCount; ++k)
        if ((mask >> k) & 1U) return k;
    return kNoSelection;
}

// The entry with the greatest pixel count that is at most the budget (ties keep the lower
// index), or kNoSelection.
int LargestWithin(int64_t budget, bool ntsc) {
    int largest = kNoSelection;
    for (int k = 0; k < kResolutionCount; ++k) {
        int64_t pixels = ResolutionPixels(k, ntsc);
        if (pixels <= budget &&
            (largest == kNoSelection || pixels > ResolutionPixels(largest, ntsc)))
            largest = k;
    }
    return largest;
}

int PositionOf(const std::vector<int>& entries, int value) {
    auto found = std::find(entries.begin(), entries.end(), value);
    return found == entries.end() ? kNoSelection : static_cast<int>(found - entries.begin());
}

// First entry at least the target, else the last; nothing in an empty list.
int FirstAtLeast(const std::vector<int>& entries, int64_t target) {
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i] >= target) return static_cast<int>(i);
    return entries.empty() ? kNoSelection : static_cast<int>(entries.size() - 1);
}

}  // namespace

EncodingCapacity::EncodingCapacity(const CapacityRecords& records)
    : m_records(records), m_capability(records.capability) {}

int64_t EncodingCapacity::StreamCost(int channel, Stream stream) const {
    if (!IsChannelIndex(channel)) return 0;
    StreamBlock block(m_records.encoding, channel, stream);
    if (!block.VideoOn()) return 0;
    return ResolutionPixels(block.Resolution(), m_records.ntsc) * std::max(block.FrameRate(), 0);
}

int64_t EncodingCapacity::RemainingMainPower(int channel) const {
    int64_t remaining = m_capability.TotalPower();
    for (int other = 0; other < m_records.channelCount; ++other)
        if (other != channel)
            remaining -= StreamCost(other, Stream::kMain) + StreamCost(other, Stream::kSub);
    return remaining;
}

int64_t EncodingCapacity::UsedPower(Stream kind) const {
    if (kind == Stream::kSub && !m_records.subStreamBudget) return 0;
    int64_t used = 0;
    for (int channel = 0; channel < m_records.channelCount; ++channel)
        used += StreamCost(channel, kind);
    return used;
}

int64_t EncodingCapacity::RemainingBitRate(int channel) const {
    int64_t remaining = m_capability.TotalBitRate();
    for (int other = 0; other < m_records.channelCount; ++other) {
        StreamBlock block(m_records.encoding, other, Stream::kMain);
        if (other != channel && block.VideoOn()) remaining -= block.BitRate();
    }
    return remaining;
}

StreamBudget EncodingCapacity::Budget(int channel, Stream stream) const {
    StreamBudget budget;
    if (!IsChannelIndex(channel)) return budget;
    budget.power = RemainingMainPower(channel);
    if (stream == Stream::kMain) {
        int64_t limit = m_capability.MainPowerLimit(channel);
        if (limit != 0 && limit < budget.power) budget.power = limit;
        if (m_records.subStreamBudget) budget.power -= StreamCost(channel, Stream::kSub);
        uint32_t own = m_capability.MainMask(channel);
        budget.mask = own != 0 ? own : m_capability.DefaultMask();
        budget.hasBitRateLimit = true;
        budget.bitRateLimit = RemainingBitRate(channel);
    } else {
        budget.power -= StreamCost(channel, Stream::kMain);
        uint32_t own = m_capability.SubMask(channel);
        budget.mask = own != 0 ? own : m_capability.DefaultMask();
        int mainResolution = StreamBlock(m_records.encoding, channel, Stream::kMain).Resolution();
        uint32_t byMain = m_capability.SubMaskByMain(channel, mainResolution);
        if (byMain != 0) budget.mask &= byMain;
        budget.mask &= SubMaskForMainResolution(mainResolution);
    }
    // Without channels there is nothing to share out: no share limit.
    if (m_capability.ShareFlag() && m_records.channelCount > 0) {
        int64_t share =
            (m_capability.TotalPower() - UsedPower(Other(stream))) / m_records.channelCount;
        budget.power = std::min(budget.power, share);
    }
    return budget;
}

int RaisedResolution(int storedResolution, uint32_t ownMask) {
    int lowest = LowestResolutionBit(ownMask);
    // A mask without any of bits 0..18 names no resolution: the stored one stays.
    if (lowest == kNoSelection || !IsResolutionIndex(storedResolution)) return storedResolution;
    return std::max(storedResolution, lowest);
}

FitResult FitBudget(int64_t budget, int storedResolution, int storedFrameRate, bool ntsc) {
    const int standard = StandardFrameRate(ntsc);
    FitResult fit;
    if (budget < 1) {
        // The stored rate comes from the device: bounded, it cannot make a list of millions.
        fit.maxFrameRate = std::clamp(storedFrameRate, 0, standard);
        fit.largestResolution = storedResolution;
        return fit;
    }
    int64_t pixels = ResolutionPixels(storedResolution, ntsc);
    if (pixels > 0 && pixels <= budget) {
        fit.maxFrameRate = static_cast<int>(std::min<int64_t>(budget / pixels, standard));
        fit.largestResolution = storedResolution == 0 ? 0 : LargestWithin(budget, ntsc);
        return fit;
    }
    // The stored resolution does not fit (or is outside the table): no frame rate, and the
    // resolutions that fit the budget on their own, so the user can choose one of them.
    fit.largestResolution = LargestWithin(budget, ntsc);
    return fit;
}

ListChoice FrameRateList(const FitResult& fit, int storedFrameRate) {
    ListChoice list;
    for (int rate = 1; rate <= fit.maxFrameRate; ++rate) list.entries.push_back(rate);
    list.selected = PositionOf(list.entries, std::min(storedFrameRate, fit.maxFrameRate));
    return list;
}

ListChoice ResolutionList(const FitResult& fit, uint32_t mask, int storedResolution, bool ntsc) {
    ListChoice list;
    if (!IsResolutionIndex(fit.largestResolution)) return list;
    int64_t largest = ResolutionPixels(fit.largestResolution, ntsc);
    for (int k = 0; k < kResolutionCount; ++k)
        if (ResolutionPixels(k, ntsc) <= largest && ((mask >> k) & 1U)) list.entries.push_back(k);
    list.selected = PositionOf(list.entries, storedResolution);
    return list;
}

BitRateChoice BitRateList(const StreamBlock& stream, bool ntsc, const StreamBudget& budget) {
    const int64_t standard = StandardFrameRate(ntsc);
    const int64_t rate = std::clamp<int64_t>(stream.FrameRate(), 0, standard);
    const int64_t interval = stream.Interval();
    // Scaled by the frames an I-frame interval holds at the stored rate against full rate; an
    // interval below 0 leaves no positive divisor and so no entries.
    constexpr int64_t kExtraFrames = 9;
    const int64_t fullFrames = interval * standard + kExtraFrames;
    const int64_t frames = interval * rate + kExtraFrames;
    BitRateChoice choice;
    choice.enabled = stream.BitRateControl() != 1;
    const int resolution = stream.Resolution();
    if (fullFrames <= 0 || !IsResolutionIndex(resolution)) return choice;
    auto scaled = [&](int quality) {
        return frames * TableBitRate(resolution, quality) / fullFrames;
    };
    for (int quality = 1; quality <= kQualityCount; ++quality) {
        int64_t value = scaled(quality);
        if (!budget.hasBitRateLimit || budget.bitRateLimit >= value)
            choice.list.entries.push_back(static_cast<int>(value));
    }
    if (!choice.enabled) {
        const int quality = stream.Quality();
        if (quality < 1 || quality > kQualityCount) return choice;
        int64_t value = scaled(quality);
        choice.list.selected =
            budget.hasBitRateLimit
                ? FirstAtLeast(choice.list.entries, std::min(value, budget.bitRateLimit))
                : PositionOf(choice.list.entries, static_cast<int>(value));
        return choice;
    }
    int64_t target = stream.BitRate();
    if (budget.hasBitRateLimit) target = std::min(target, budget.bitRateLimit);
    choice.list.selected = FirstAtLeast(choice.list.entries, target);
    return choice;
}

int QualityPosition(int quality) {
    return quality >= 1 && quality <= kQualityCount ? quality - 1 : kNoSelection;
}

int IntervalPosition(int interval) {
    constexpr int kShortest = 2;
    constexpr int kLongest = 12;
    return interval >= kShortest && interval <= kLongest ? interval - kShortest : kNoSelection;
}

int BitRateControlPosition(int control) {
    return control == 0 || control == 1 ? control : kNoSelection;
}

EncodingOptions BuildEncodingOptions(const CapacityRecords& records, int channel, Stream stream) {
    EncodingOptions options;
    if (!IsChannelIndex(channel)) return options;
    const EncodingCapacity capacity(records);
    const StreamBudget budget = capacity.Budget(channel, stream);

    const EncodingCapability capability(records.capability);
    const uint32_t ownMask =
        stream == Stream::kMain ? capability.MainMask(channel) : capability.SubMask(channel);
    const StreamBlock block(records.encoding, channel, stream);
    const int raised = RaisedResolution(block.Resolution(), ownMask);
    if (raised != block.Resolution()) WriteResolution(records.encoding, channel, stream, raised);

    const FitResult fit = FitBudget(budget.power, raised, block.FrameRate(), records.ntsc);
    options.frameRates = FrameRateList(fit, block.FrameRate());
    options.resolutions = ResolutionList(fit, budget.mask, raised, records.ntsc);
    options.bitRates = BitRateList(block, records.ntsc, budget);
    options.quality = QualityPosition(block.Quality());
    options.interval = IntervalPosition(block.Interval());
    options.bitRateControl = BitRateControlPosition(block.BitRateControl());
    return options;
}

}  // namespace vela::pages::channel
