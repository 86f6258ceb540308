#include "tools/dvrsim/record_table.h"

namespace vela::dvrsim {

namespace {
constexpr RecordSpec kRecords[] = {
    {kRecSystem, 192, SlotBound::kSingle, true},
    {kRecNetwork, 144, SlotBound::kSingle, true},
    {kRecNetworkExtra, 8, SlotBound::kSingle, true},
    {kRecPppoe, 212, SlotBound::kSingle, true},
    {kRecDdnsEntries, 1680, SlotBound::kSingle, true},
    {kRecDdnsTypes, 324, SlotBound::kSingle, false},
    {kRecStreamKind, 57, SlotBound::kSingle, false},
    {kRecEncoding, 2816, SlotBound::kSingle, true},
    {kRecCapability, 3028, SlotBound::kSingle, false},
    {kRecTitles, 11520, SlotBound::kSingle, true},
    {kRecRecordSchedule, 1360, SlotBound::kChannels, true},
    {kRecMotion, 1688, SlotBound::kChannels, true},
    {kRecLevelAlarm, 1560, SlotBound::kChannels, true},
    {kRecPlainAlarm, 1556, SlotBound::kChannels, true},
    {kRecAlarmInput, 1560, SlotBound::kAlarmInputs, true},
    {kRecMotionGrid, 8, SlotBound::kSingle, false},
    {kRecPtzDecoder, 60, SlotBound::kChannels, true},
    {kRecPtzProtocols, 3204, SlotBound::kSingle, false},
};
}  // namespace

const RecordSpec* FindRecord(int command) {
    for (const RecordSpec& entry : kRecords) {
        if (entry.command == command) return &entry;
    }
    return nullptr;
}

const RecordSpec* RecordTable(size_t* count) {
    *count = sizeof(kRecords) / sizeof(kRecords[0]);
    return kRecords;
}

}  // namespace vela::dvrsim
