// Where the Channel page's encoding fields lie: the per-channel encoding blocks of record 68,
// the encoding capability of record 10, the device's channel count in DeviceInfo and the video
// standard in record 18. Accessors read and write the bytes in place; the capability's channel
// and resolution indices outside the record read as 0. Any thread that owns the records (the
// UI thread for the live records).
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "device/records.h"
#include "pages/channel/encoding_tables.h"
#include "platform/bytes.h"

namespace vela::pages::channel {

// Channels the capacity sums can run over: the slots of the per-channel records.
constexpr int kCapacityChannelMax = device::kSlotCount;

constexpr bool IsChannelIndex(int channel) {
    return channel >= 0 && channel < kCapacityChannelMax;
}

constexpr int kEncodingGroup = 3;  // records 9, 68, 10
constexpr size_t OffsetInEncodingGroup(uint32_t command) {
    return device::RecordOffset(command) - device::RecordOffset(device::kStreamTypeRecord);
}
constexpr uint32_t kEncodingRecord = 68;
constexpr uint32_t kCapabilityRecord = 10;
constexpr size_t kEncodingRecordOffset = OffsetInEncodingGroup(kEncodingRecord);
constexpr size_t kCapabilityRecordOffset = OffsetInEncodingGroup(kCapabilityRecord);

// DeviceInfo (group 1 offset 0): the channels the capacity sums run over.
constexpr size_t kCapacityChannelsOffset = 288;
inline int CapacityChannelCount(const uint8_t* deviceInfo) {
    return std::clamp(ReadI32(deviceInfo, kCapacityChannelsOffset), 0, kCapacityChannelMax);
}

// Record 18 (read from its own start): 0 PAL, anything else NTSC.
constexpr size_t kVideoStandardOffset = 116;
inline bool IsNtsc(const uint8_t* generalRecord) {
    return ReadI32(generalRecord, kVideoStandardOffset) != 0;
}

// Record 68: per channel a main-stream and a sub-stream block of 44 bytes.
enum class Stream { kMain = 0, kSub = 1 };
constexpr size_t kEncodingEntrySize = 88;
constexpr size_t kEncodingBlockSize = 44;
constexpr size_t kResolutionOffset = 4;
constexpr size_t kBitRateControlOffset = 8;
constexpr size_t kQualityOffset = 12;
constexpr size_t kFrameRateOffset = 16;
constexpr size_t kBitRateOffset = 20;
constexpr size_t kIntervalOffset = 24;
constexpr size_t kVideoOnOffset = 40;
constexpr size_t kAudioOnOffset = 41;
static_assert(kEncodingEntrySize * kCapacityChannelMax == 2816);

// Where one stream's 44-byte block starts in record 68; the caller keeps the channel inside
// the record.
constexpr size_t StreamBlockOffset(int channel, Stream stream) {
    return static_cast<size_t>(channel) * kEncodingEntrySize +
           (stream == Stream::kSub ? kEncodingBlockSize : 0);
}

// One stream's block, read.
class StreamBlock {
  public:
    StreamBlock(const uint8_t* encodingRecord, int channel, Stream stream)
        : m_pBlock(encodingRecord + StreamBlockOffset(channel, stream)) {}

    int Resolution() const { return ReadI32(m_pBlock, kResolutionOffset); }
    int BitRateControl() const { return ReadI32(m_pBlock, kBitRateControlOffset); }
    int Quality() const { return ReadI32(m_pBlock, kQualityOffset); }
    int FrameRate() const { return ReadI32(m_pBlock, kFrameRateOffset); }
    int BitRate() const { return ReadI32(m_pBlock, kBitRateOffset); }
    int Interval() const { return ReadI32(m_pBlock, kIntervalOffset); }
    bool VideoOn() const { return ReadU8(m_pBlock, kVideoOnOffset) != 0; }
    bool AudioOn() const { return ReadU8(m_pBlock, kAudioOnOffset) != 0; }

  private:
    const uint8_t* m_pBlock;
};

// The block's resolution index; the caller keeps the channel inside the record.
inline void WriteResolution(uint8_t* encodingRecord, int channel, Stream stream, int resolution) {
    WriteI32(encodingRecord, StreamBlockOffset(channel, stream) + kResolutionOffset, resolution);
}

// Record 10, the device's encoding capability (3028 bytes).
constexpr size_t kTotalPowerOffset = 0;
constexpr size_t kShareFlagOffset = 4;
constexpr size_t kMainPowerLimitOffset = 8;
constexpr size_t kMainMaskOffset = 136;
constexpr size_t kSubMaskOffset = 264;
constexpr size_t kDefaultMaskOffset = 408;
constexpr size_t kTotalBitRateOffset = 592;
constexpr size_t kSubMaskByMainOffset = 596;
constexpr size_t kCapabilityRecordSize = 3028;
static_assert(kSubMaskByMainOffset + 4 * kCapacityChannelMax * kResolutionCount ==
              kCapabilityRecordSize);

class EncodingCapability {
  public:
    explicit EncodingCapability(const uint8_t* capabilityRecord) : m_pRecord(capabilityRecord) {}

    int64_t TotalPower() const { return ReadI32(m_pRecord, kTotalPowerOffset); }
    bool ShareFlag() const { return ReadI32(m_pRecord, kShareFlagOffset) != 0; }
    int64_t TotalBitRate() const { return ReadI32(m_pRecord, kTotalBitRateOffset); }
    uint32_t DefaultMask() const { return ReadU32(m_pRecord, kDefaultMaskOffset); }

    // 0 = no limit.
    int64_t MainPowerLimit(int channel) const { return PerChannel(kMainPowerLimitOffset, channel); }
    uint32_t MainMask(int channel) const {
        return static_cast<uint32_t>(PerChannel(kMainMaskOffset, channel));
    }
    uint32_t SubMask(int channel) const {
        return static_cast<uint32_t>(PerChannel(kSubMaskOffset, channel));
    }
    // 0 = no further restriction, also for an index outside the record.
    uint32_t SubMaskByMain(int channel, int mainResolution) const {
        if (!IsChannelIndex(channel) || !IsResolutionIndex(mainResolution)) return 0;
        return ReadU32(m_pRecord,
                       kSubMaskByMainOffset +
                           4 * static_cast<size_t>(channel * kResolutionCount + mainResolution));
    }

  private:
    int64_t PerChannel(size_t base, int channel) const {
        if (!IsChannelIndex(channel)) return 0;
        return ReadI32(m_pRecord, base + 4 * static_cast<size_t>(channel));
    }

    const uint8_t* m_pRecord;
};

}  // namespace vela::pages::channel
