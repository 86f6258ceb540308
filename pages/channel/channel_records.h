// Where the Channel page's own fields lie (the encoding fields are in capacity_records.h):
// the titles, privacy cover and channel name of record 30, the pre-record time and weekly
// schedule of record 23, and the date format of record 18. Offsets are bytes from the start of
// a channel's entry (of the record for record 18); the page keeps channels within the slots.
#pragma once

#include <cstddef>

#include "device/record_fields.h"
#include "device/records.h"
#include "platform/bytes.h"

namespace vela::pages::channel {

// Group 1: DeviceInfo, then record 18.
constexpr int kSystemGroup = device::fields::kSystemGroup;
constexpr size_t kGeneralRecordOffset = device::fields::kGeneralOffset;
constexpr size_t kDateFormatOffset = 124;  // list position of "DateFmt"

// Record 30, group 4: titles, cover and name, 360 bytes a channel. Positions are in 1/8192 of
// the picture's width (x, left, right) or height (y, top, bottom).
constexpr int kTitleGroup = 4;
constexpr size_t kTitleEntrySize = 360;
constexpr size_t kCoverLeftOffset = 8;
constexpr size_t kCoverTopOffset = 12;
constexpr size_t kCoverRightOffset = 16;
constexpr size_t kCoverBottomOffset = 20;
constexpr size_t kCoverOnOffset = 24;  // two bytes, written with the same value
constexpr size_t kCoverOnCopyOffset = 25;
constexpr size_t kNameTitleXOffset = 232;
constexpr size_t kNameTitleYOffset = 236;
constexpr size_t kNameTitleShownOffset = 249;
constexpr size_t kTimeTitleXOffset = 260;
constexpr size_t kTimeTitleYOffset = 264;
constexpr size_t kTimeTitleShownOffset = 277;
constexpr size_t kNameOffset = 280;
constexpr size_t kNameWidth = 64;
constexpr int kNameEditLimit = 32;  // characters the "CHName" edit takes
static_assert(kTitleEntrySize * device::kSlotCount == 11520);

// Record 23, group 6: one 1360-byte slot a channel.
constexpr int kScheduleGroup = 6;
constexpr size_t kScheduleEntrySize = 1360;
constexpr size_t kPreRecordOffset = 0;  // list position of "RecPreTime"
constexpr int kDayCount = 7;
constexpr int kPeriodCount = 6;
constexpr size_t kPeriodsOffset = 16;
constexpr size_t kPeriodSize = 28;
constexpr size_t kStartHourOffset = 4;  // within a period
constexpr size_t kStartMinuteOffset = 8;
constexpr size_t kStopHourOffset = 16;
constexpr size_t kStopMinuteOffset = 20;
constexpr size_t kTypeMasksOffset = 1192;  // one int32 a period: bit 0 Normal, 1 Alarm, 2 Motion
constexpr uint32_t kNormalBit = 1;
constexpr uint32_t kAlarmBit = 2;
constexpr uint32_t kMotionBit = 4;

constexpr size_t PeriodOffset(int day, int period) {
    return kPeriodsOffset + kPeriodSize * static_cast<size_t>(kPeriodCount * day + period);
}
constexpr size_t TypeMaskOffset(int day, int period) {
    return kTypeMasksOffset + 4 * static_cast<size_t>(kPeriodCount * day + period);
}
static_assert(PeriodOffset(kDayCount, 0) == kTypeMasksOffset);
static_assert(TypeMaskOffset(kDayCount - 1, kPeriodCount - 1) + 4 <= kScheduleEntrySize);

constexpr bool IsDay(int day) {
    return day >= 0 && day < kDayCount;
}

// A flag byte takes the shown state only when that differs from what the byte meant, so a
// device's own non-zero value survives a store that changed nothing.
inline void StoreFlag(uint8_t* record, size_t offset, bool on) {
    if ((ReadU8(record, offset) != 0) != on) WriteU8(record, offset, on ? 1 : 0);
}

}  // namespace vela::pages::channel
