// The schedule times the Channel and alarm pages show in "HH:mm" time pickers: a period's
// stored hour and minute as a picker can show them, and the exchange of the two fields with a
// picker that keeps its own date and seconds. UI thread (the pickers); ShownTime any thread.
#pragma once

#include <cstddef>
#include <cstdint>

#include "ui/time_picker.h"

namespace vela::pages {

struct ClockTime {
    int hour = 0;
    int minute = 0;
};

// An hour above 23 (the device's 24:00 end of day) shows 23:59; negative values show 0 and
// minutes above 59 show 59, since a picker refuses such a time and would keep showing the
// time of the period shown before.
ClockTime ShownTime(int32_t hour, int32_t minute);

// The picker's hour and minute become the shown time; its date and seconds stay.
void ShowScheduleTime(ui::TimePicker& picker, ClockTime time);
// The picker's hour and minute into the two int32 fields of a period; nothing else of it.
void StoreScheduleTime(const ui::TimePicker& picker, uint8_t* period, size_t hourOffset,
                       size_t minuteOffset);

}  // namespace vela::pages
