// The 1552-byte linkage block that ends every alarm record: what the device does when the alarm
// fires (record channels, alarm outputs, buzzer, alarm centre, PTZ actions) and the week of
// periods in which the alarm is armed. Offsets are bytes from the block's start; the rules
// below are the ones a store applies to the fields no control shows. Pure functions, any
// thread.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "pages/common/schedule_time.h"

namespace vela::pages::alarm {

constexpr size_t kLinkageSize = 1552;
constexpr size_t kRecordMaskOffset = 0;   // u32, bit i = record channel i + 1
constexpr size_t kOutputMaskOffset = 16;  // u32, bit i = alarm output i + 1
constexpr size_t kPtzLinksOffset = 32;    // 32 entries of i32 type, i32 number
constexpr size_t kPtzLinkSize = 8;
constexpr size_t kPtzLinkTypeOffset = 0;
constexpr size_t kPtzLinkNumberOffset = 4;
constexpr size_t kScheduleOffset = 288;
constexpr size_t kRecordEnableOffset = 1464;   // u8
constexpr size_t kOutputEnableOffset = 1467;   // u8
constexpr size_t kPtzLinkEnableOffset = 1468;  // u8
constexpr size_t kAlarmCentreOffset = 1471;    // u8
constexpr size_t kBuzzerOffset = 1472;         // u8

constexpr int kPtzLinkCount = 32;  // one per camera channel

constexpr int kDays = 7;
constexpr int kPeriodsPerDay = 6;
constexpr size_t kPeriodSize = 28;
// Period fields, i32 each; the seconds are never written, so they keep the device's values.
constexpr size_t kPeriodEnable = 0;
constexpr size_t kPeriodStartHour = 4;
constexpr size_t kPeriodStartMinute = 8;
constexpr size_t kPeriodEndHour = 16;
constexpr size_t kPeriodEndMinute = 20;

// The boxes a page shows: record channels 1-16, alarm outputs 1-6.
constexpr int kRecordBoxes = 16;
constexpr int kOutputBoxes = 6;
constexpr int kMaskBits = 32;

constexpr size_t PeriodOffset(int day, int period) {
    return kScheduleOffset + kPeriodSize * static_cast<size_t>(kPeriodsPerDay * day + period);
}

constexpr size_t PtzLinkOffset(int camera) {
    return kPtzLinksOffset + kPtzLinkSize * static_cast<size_t>(camera);
}

// Bits 0..count-1, count within 0..32.
constexpr uint32_t LowBits(int count) {
    return count >= kMaskBits ? 0xFFFFFFFFu : (uint32_t{1} << std::max(count, 0)) - 1;
}

// The record channel mask after a store: the sixteen boxes give bits 0..15; the channels
// 17-32 of a large device, which no box shows, keep what the device sent.
constexpr uint32_t StoredRecordMask(uint32_t old, uint32_t boxes) {
    const uint32_t shown = LowBits(kRecordBoxes);
    return (old & ~shown) | (boxes & shown);
}

// The alarm output mask after a store: the boxes give the outputs they show; outputs beyond
// the six boxes that the device has keep their bits; bits of outputs it does not have are 0.
constexpr uint32_t StoredOutputMask(uint32_t old, uint32_t boxes, int outputCount) {
    const int count = std::clamp(outputCount, 0, kMaskBits);
    const uint32_t shown = LowBits(std::min(count, kOutputBoxes));
    const uint32_t existing = LowBits(count);
    return (old & existing & ~shown) | (boxes & shown);
}

// The time a picker shows for a period's hour and minute fields: only their low 16 bits count.
inline ClockTime PeriodShownTime(int32_t hourField, int32_t minuteField) {
    const auto low16 = [](int32_t field) {
        return static_cast<int32_t>(static_cast<uint32_t>(field) & 0xFFFFu);
    };
    return ShownTime(low16(hourField), low16(minuteField));
}

}  // namespace vela::pages::alarm
