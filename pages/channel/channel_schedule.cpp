// The Channel page's weekly record schedule: the six periods of the selected day with their
// recording types, and the copy of the day to other days. UI thread.
#include "pages/channel/channel_records.h"
#include "pages/channel/dvs_cfg_channel.h"
#include "pages/common/schedule_time.h"

namespace vela::pages {

using namespace channel;  // NOLINT(google-build-using-namespace): the page's own constants

void CDvsCfgChannel::LoadSchedule(const uint8_t* schedule) {
    if (!IsDay(m_nDay)) return;
    for (int row = 0; row < kPeriodRows; ++row) {
        const uint8_t* period = schedule + PeriodOffset(m_nDay, row);
        ShowScheduleTime(m_arrStart[row], ShownTime(ReadI32(period, kStartHourOffset),
                                                    ReadI32(period, kStartMinuteOffset)));
        ShowScheduleTime(m_arrStop[row], ShownTime(ReadI32(period, kStopHourOffset),
                                                   ReadI32(period, kStopMinuteOffset)));
        const uint32_t types = ReadU32(schedule, TypeMaskOffset(m_nDay, row));
        m_arrNormal[row].SetCheck((types & kNormalBit) ? 1 : 0);
        m_arrAlarm[row].SetCheck((types & kAlarmBit) ? 1 : 0);
        m_arrMotion[row].SetCheck((types & kMotionBit) ? 1 : 0);
    }
}

// The shown periods into one day of one channel; the type mask holds the three shown types
// and nothing else.
void CDvsCfgChannel::StoreSchedule(uint8_t* schedule, int channel, int day) const {
    if (!IsDay(day)) return;
    uint8_t* entry = schedule + kScheduleEntrySize * static_cast<size_t>(channel);
    for (int row = 0; row < kPeriodRows; ++row) {
        uint8_t* period = entry + PeriodOffset(day, row);
        StoreScheduleTime(m_arrStart[row], period, kStartHourOffset, kStartMinuteOffset);
        StoreScheduleTime(m_arrStop[row], period, kStopHourOffset, kStopMinuteOffset);
        uint32_t types = 0;
        if (m_arrNormal[row].GetCheck()) types |= kNormalBit;
        if (m_arrAlarm[row].GetCheck()) types |= kAlarmBit;
        if (m_arrMotion[row].GetCheck()) types |= kMotionBit;
        WriteU32(entry, TypeMaskOffset(day, row), types);
    }
}

// Nothing is chosen in "CopyToWeek" (-1) or the day is the one shown: nothing to copy. The
// all-days entry rewrites the shown day too.
void CDvsCfgChannel::OnCopyToDay() {
    Records records;
    if (!GetRecords(records) || m_nChannel < 0 || m_nChannel >= m_nChannelCount) return;
    const int target = m_cmbCopyToDay.GetCurSel();
    if (target < 0 || target == m_nDay) return;
    if (target != kAllDaysEntry) {
        StoreSchedule(records.schedule, m_nChannel, target);
        return;
    }
    for (int day = 0; day < kDayCount; ++day) StoreSchedule(records.schedule, m_nChannel, day);
}

}  // namespace vela::pages
