// The configuration records a device connection keeps: one fixed-size byte block per NetSDK
// command, as data. The live block holds them in table order, each at a 4-byte boundary, and
// is preceded by the 400-byte DeviceInfo so that group 1 spans both.
#pragma once

#include <cstddef>
#include <cstdint>

#include "device/netsdk.h"

namespace vela::device {

constexpr int kSlotCount = 32;  // slots of every per-channel or per-alarm-input array

// How a record is read after login (ordinal 11).
enum class ReadRule {
    kChannelZero,        // channel 0
    kAllChannels,        // channel -1
    kAfterFullRecord38,  // channel -1, only when record 38 was read whole
    kEachChannelSlot,    // one read per slot, slot index as channel, up to the channel count
    kWholeArray,         // channel -1, all 32 slots in one read
};

// How Save stores a record (ordinal 12).
enum class StoreRule {
    kNotStored,
    kChannelZero,
    kAllChannels,
    kEachChannelSlot,     // slot i with channel i, for every channel
    kEachAlarmInputSlot,  // slot i with channel i, for every alarm input
};

struct RecordSpec {
    uint32_t command;
    uint32_t size;  // bytes of one slot
    int slots;      // 1, or kSlotCount for an array
    ReadRule read;
    StoreRule store;
    int group;  // GetRecordGroup number
};

// In live-block order, which is also the read order and the order Save visits them in.
constexpr RecordSpec kRecords[] = {
    {18, 192, 1, ReadRule::kChannelZero, StoreRule::kChannelZero, 1},
    {20, 144, 1, ReadRule::kChannelZero, StoreRule::kChannelZero, 2},
    {43, 8, 1, ReadRule::kChannelZero, StoreRule::kChannelZero, 2},
    {42, 212, 1, ReadRule::kAllChannels, StoreRule::kAllChannels, 2},
    {38, 1680, 1, ReadRule::kAllChannels, StoreRule::kAllChannels, 2},
    {15, 324, 1, ReadRule::kAfterFullRecord38, StoreRule::kNotStored, 2},
    {9, 57, 1, ReadRule::kChannelZero, StoreRule::kNotStored, 3},
    {68, 2816, 1, ReadRule::kAllChannels, StoreRule::kAllChannels, 3},
    {10, 3028, 1, ReadRule::kAllChannels, StoreRule::kNotStored, 3},
    {30, 11520, 1, ReadRule::kAllChannels, StoreRule::kAllChannels, 4},
    {23, 1360, kSlotCount, ReadRule::kEachChannelSlot, StoreRule::kEachChannelSlot, 6},
    {24, 1688, kSlotCount, ReadRule::kWholeArray, StoreRule::kEachChannelSlot, 7},
    {25, 1560, kSlotCount, ReadRule::kWholeArray, StoreRule::kEachChannelSlot, 7},
    {26, 1556, kSlotCount, ReadRule::kWholeArray, StoreRule::kEachChannelSlot, 7},
    {27, 1560, kSlotCount, ReadRule::kWholeArray, StoreRule::kEachAlarmInputSlot, 7},
    {13, 8, 1, ReadRule::kChannelZero, StoreRule::kNotStored, 7},
    {21, 60, kSlotCount, ReadRule::kWholeArray, StoreRule::kEachChannelSlot, 8},
    {11, 3204, 1, ReadRule::kChannelZero, StoreRule::kNotStored, 8},
};
constexpr size_t kRecordCount = sizeof(kRecords) / sizeof(kRecords[0]);

constexpr uint32_t kRecordCommand38 = 38;  // record 15 is read only after all of it arrived
constexpr uint32_t kStreamTypeRecord = 9;  // its first byte is the preview stream type
constexpr uint32_t kTimeRecord = 18;       // general settings; its first 32 bytes are the clock

constexpr size_t kRecordAlign = 4;

constexpr size_t RecordBytes(const RecordSpec& record) {
    return static_cast<size_t>(record.size) * static_cast<size_t>(record.slots);
}

constexpr size_t AlignRecord(size_t offset) {
    return (offset + kRecordAlign - 1) / kRecordAlign * kRecordAlign;
}

// Offset of kRecords[index] in the live block (records only, DeviceInfo excluded).
constexpr size_t RecordOffsetAt(size_t index) {
    size_t offset = 0;
    for (size_t i = 0; i < index; ++i) offset = AlignRecord(offset + RecordBytes(kRecords[i]));
    return offset;
}

constexpr size_t kRecordBlockSize =
    AlignRecord(RecordOffsetAt(kRecordCount - 1) + RecordBytes(kRecords[kRecordCount - 1]));

// Index of a command in kRecords, or kRecordCount when the plug-in does not keep it.
constexpr size_t RecordIndex(uint32_t command) {
    for (size_t i = 0; i < kRecordCount; ++i)
        if (kRecords[i].command == command) return i;
    return kRecordCount;
}

constexpr size_t RecordOffset(uint32_t command) {
    return RecordOffsetAt(RecordIndex(command));
}

// Offset of a group's first byte in the device block (DeviceInfo, then the live records);
// group 1 starts at DeviceInfo. Groups without records (5, any other number) have none.
constexpr bool GroupExists(int group) {
    if (group == 1) return true;
    for (const RecordSpec& record : kRecords)
        if (record.group == group) return true;
    return false;
}
constexpr size_t GroupOffset(int group) {
    if (group == 1) return 0;
    for (size_t i = 0; i < kRecordCount; ++i)
        if (kRecords[i].group == group) return kDeviceInfoSize + RecordOffsetAt(i);
    return 0;
}

}  // namespace vela::device
