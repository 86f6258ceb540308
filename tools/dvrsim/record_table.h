// The configuration records the simulated device holds: command number, size, and whether the
// record is one block or an array of kSlots blocks addressed by channel or alarm input.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vela::dvrsim {

constexpr int kSlots = 32;

enum class SlotBound { kSingle, kChannels, kAlarmInputs };

struct RecordSpec {
    int command;
    uint32_t size;  // of one block (one slot of an array)
    SlotBound slots;
    bool storable;  // false: device facts the client may read but not change
};

// The entry of a record, or null when the device has no such record.
const RecordSpec* FindRecord(int command);
const RecordSpec* RecordTable(size_t* count);

inline uint32_t WholeSize(const RecordSpec& entry) {
    return entry.slots == SlotBound::kSingle ? entry.size : entry.size * kSlots;
}

// Named commands used by the device model itself.
constexpr int kRecSystem = 18;
constexpr int kRecNetwork = 20;
constexpr int kRecDdnsTypes = 15;
constexpr int kRecDdnsEntries = 38;
constexpr int kRecPppoe = 42;
constexpr int kRecNetworkExtra = 43;
constexpr int kRecStreamKind = 9;
constexpr int kRecEncoding = 68;
constexpr int kRecCapability = 10;
constexpr int kRecTitles = 30;
constexpr int kRecRecordSchedule = 23;
constexpr int kRecMotion = 24;
constexpr int kRecLevelAlarm = 25;
constexpr int kRecPlainAlarm = 26;
constexpr int kRecAlarmInput = 27;
constexpr int kRecMotionGrid = 13;
constexpr int kRecPtzDecoder = 21;
constexpr int kRecPtzProtocols = 11;

}  // namespace vela::dvrsim
