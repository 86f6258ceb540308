// The alarm records both alarm pages edit, all in record group 7 of the device connection:
// the three per-channel alarm tables (motion, level, plain), the alarm-input table and the
// motion grid size. Each record ends in the linkage block (pages/alarm/linkage_block.h).
// Offsets are bytes from the start of the group or of one record. Constants, any thread.
#pragma once

#include <cstddef>
#include <cstdint>

#include "device/record_fields.h"
#include "device/records.h"

namespace vela::pages::alarm {

constexpr int kAlarmGroup = 7;
constexpr int kTableSlots = device::kSlotCount;  // records per table: channels or alarm inputs

// One table of per-channel or per-input records.
struct AlarmTable {
    uint32_t command;
    size_t recordSize;
    size_t linkageOffset;  // where the record's linkage block starts
};

constexpr AlarmTable kMotionTable = {24, 1688, 136};
constexpr AlarmTable kLevelTable = {25, 1560, 8};
constexpr AlarmTable kPlainTable = {26, 1556, 4};
constexpr AlarmTable kInputTable = {27, 1560, 8};

// The record of slot `slot` in its table, within group 7.
constexpr size_t RecordOffset(const AlarmTable& table, int slot) {
    return device::fields::OffsetInGroup(table.command, kAlarmGroup) +
           table.recordSize * static_cast<size_t>(slot);
}

// Fields every alarm record starts with.
constexpr size_t kEnableOffset = 0;  // u8, 0 or 1
constexpr size_t kLevelOffset = 4;   // motion and level records: i32 sensitivity 1..6
constexpr int kMinLevel = 1;
constexpr int kMaxLevel = 6;
constexpr size_t kAreaOffset = 8;  // motion record: 32 u32 row words, bit c = column c
constexpr int kAreaWords = 32;
constexpr size_t AreaWordOffset(int row) {
    return kAreaOffset + 4 * static_cast<size_t>(row);
}
constexpr size_t kDeviceTypeOffset = 4;  // alarm-input record: i32 contact type

// Record 13, read only: i32 rows, i32 columns of the motion grid.
constexpr uint32_t kGridSizeCommand = 13;
constexpr size_t kGridSizeOffset = device::fields::OffsetInGroup(kGridSizeCommand, kAlarmGroup);
constexpr size_t kGridRowsOffset = 0;
constexpr size_t kGridColumnsOffset = 4;

}  // namespace vela::pages::alarm
