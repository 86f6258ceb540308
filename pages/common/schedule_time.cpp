#include "pages/common/schedule_time.h"

#include <algorithm>

#include "platform/bytes.h"

namespace vela::pages {

namespace {
constexpr int kLastHour = 23;
constexpr int kLastMinute = 59;
}  // namespace

ClockTime ShownTime(int32_t hour, int32_t minute) {
    if (hour > kLastHour) return {kLastHour, kLastMinute};
    return {std::max(hour, 0), std::clamp(minute, 0, kLastMinute)};
}

void ShowScheduleTime(ui::TimePicker& picker, ClockTime time) {
    platform::DateTime shown = picker.GetTime();
    shown.hour = time.hour;
    shown.minute = time.minute;
    picker.SetTime(shown);
}

void StoreScheduleTime(const ui::TimePicker& picker, uint8_t* period, size_t hourOffset,
                       size_t minuteOffset) {
    const platform::DateTime time = picker.GetTime();
    WriteI32(period, hourOffset, time.hour);
    WriteI32(period, minuteOffset, time.minute);
}

}  // namespace vela::pages
