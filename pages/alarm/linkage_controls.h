// The linkage and week-schedule controls both alarm pages (sensor 6014, channel alarm 6015)
// carry after their own rows: the same keys, labels and frames (ids 7001-7073) and layout,
// with a few page-specific control ids. Constant tables, any thread.
#pragma once
#include <array>
#include <cstddef>

#include "resources/dialog_template.h"
#include "resources/template_styles.h"

namespace vela::pages::alarm {

using resources::ControlKind;
using resources::ControlTemplate;
using resources::kCheck;
using resources::kComboDropHeight;
using resources::kDropList;
using resources::kGroupBox;
using resources::kLabel;
using resources::kSkinButton;
using resources::kTimePicker;

// The ids and key that differ between the two pages.
struct LinkageControlIds {
    int firstRecordCheck;     // "CheckRecCh1"; channels 2-16 follow on
    int copyWeekButton;       // the copy-to-week button
    const char* copyWeekKey;  // its key and caption
    int firstPeriodCheck;     // "CheckSensorTime1"; periods 2-6 follow on
};

constexpr std::size_t kLinkageControlCount = 88;

constexpr std::array<ControlTemplate, kLinkageControlCount> LinkageControls(LinkageControlIds p) {
    return {{
        {7072, ControlKind::GroupBox, kGroupBox, 130, 4, 120, 96, "GroupPolicy", "GroupPolicy", ""},
        {4079, ControlKind::CheckBox, kCheck, 136, 17, 10, 10, "CheckSinging", "", ""},
        {7001, ControlKind::Static, kLabel, 148, 18, 96, 8, "StaticSinging", "StaticSinging", ""},
        {4080, ControlKind::CheckBox, kCheck, 136, 31, 10, 10, "CheckUploadCenter", "", ""},
        {7002, ControlKind::Static, kLabel, 148, 32, 96, 8, "StaticUploadCenter",
         "StaticUploadCenter", ""},
        {4122, ControlKind::CheckBox, kCheck, 136, 45, 10, 10, "CheckTriggerAlarmOut", "", ""},
        {7003, ControlKind::Static, kLabel, 148, 46, 96, 8, "StaticTriggerAlarmOutput",
         "StaticTriggerAlarmOutput", ""},
        {7011, ControlKind::Static, kLabel, 136, 64, 20, 8, "StaticAlarmOutputCH1",
         "StaticAlarmOutputCH1", ""},
        {4124, ControlKind::CheckBox, kCheck, 158, 63, 10, 10, "CheckAlarmOutCh1", "", ""},
        {7012, ControlKind::Static, kLabel, 172, 64, 20, 8, "StaticAlarmOutputCH2",
         "StaticAlarmOutputCH2", ""},
        {4125, ControlKind::CheckBox, kCheck, 194, 63, 10, 10, "CheckAlarmOutCh2", "", ""},
        {7013, ControlKind::Static, kLabel, 208, 64, 20, 8, "StaticAlarmOutputCH3",
         "StaticAlarmOutputCH3", ""},
        {4126, ControlKind::CheckBox, kCheck, 230, 63, 10, 10, "CheckAlarmOutCh3", "", ""},
        {7014, ControlKind::Static, kLabel, 136, 80, 20, 8, "StaticAlarmOutputCH4",
         "StaticAlarmOutputCH4", ""},
        {4127, ControlKind::CheckBox, kCheck, 158, 79, 10, 10, "CheckAlarmOutCh4", "", ""},
        {7015, ControlKind::Static, kLabel, 172, 80, 20, 8, "StaticAlarmOutputCH5",
         "StaticAlarmOutputCH5", ""},
        {4128, ControlKind::CheckBox, kCheck, 194, 79, 10, 10, "CheckAlarmOutCh5", "", ""},
        {7016, ControlKind::Static, kLabel, 208, 80, 20, 8, "StaticAlarmOutputCH6",
         "StaticAlarmOutputCH6", ""},
        {4129, ControlKind::CheckBox, kCheck, 230, 79, 10, 10, "CheckAlarmOutCh6", "", ""},
        {7071, ControlKind::GroupBox, kGroupBox, 256, 4, 180, 76, "GroupRecCh", "GroupRecCh", ""},
        {7021, ControlKind::Static, kLabel, 262, 18, 28, 8, "StaticRecCH1", "StaticRecCH1", ""},
        {p.firstRecordCheck, ControlKind::CheckBox, kCheck, 292, 17, 10, 10, "CheckRecCh1", "", ""},
        {7022, ControlKind::Static, kLabel, 304, 18, 28, 8, "StaticRecCH2", "StaticRecCH2", ""},
        {p.firstRecordCheck + 1, ControlKind::CheckBox, kCheck, 334, 17, 10, 10, "CheckRecCh2", "",
         ""},
        {7023, ControlKind::Static, kLabel, 346, 18, 28, 8, "StaticRecCH3", "StaticRecCH3", ""},
        {p.firstRecordCheck + 2, ControlKind::CheckBox, kCheck, 376, 17, 10, 10, "CheckRecCh3", "",
         ""},
        {7024, ControlKind::Static, kLabel, 388, 18, 28, 8, "StaticRecCH4", "StaticRecCH4", ""},
        {p.firstRecordCheck + 3, ControlKind::CheckBox, kCheck, 418, 17, 10, 10, "CheckRecCh4", "",
         ""},
        {7025, ControlKind::Static, kLabel, 262, 32, 28, 8, "StaticRecCH5", "StaticRecCH5", ""},
        {p.firstRecordCheck + 4, ControlKind::CheckBox, kCheck, 292, 31, 10, 10, "CheckRecCh5", "",
         ""},
        {7026, ControlKind::Static, kLabel, 304, 32, 28, 8, "StaticRecCH6", "StaticRecCH6", ""},
        {p.firstRecordCheck + 5, ControlKind::CheckBox, kCheck, 334, 31, 10, 10, "CheckRecCh6", "",
         ""},
        {7027, ControlKind::Static, kLabel, 346, 32, 28, 8, "StaticRecCH7", "StaticRecCH7", ""},
        {p.firstRecordCheck + 6, ControlKind::CheckBox, kCheck, 376, 31, 10, 10, "CheckRecCh7", "",
         ""},
        {7028, ControlKind::Static, kLabel, 388, 32, 28, 8, "StaticRecCH8", "StaticRecCH8", ""},
        {p.firstRecordCheck + 7, ControlKind::CheckBox, kCheck, 418, 31, 10, 10, "CheckRecCh8", "",
         ""},
        {7029, ControlKind::Static, kLabel, 262, 46, 28, 8, "StaticRecCH9", "StaticRecCH9", ""},
        {p.firstRecordCheck + 8, ControlKind::CheckBox, kCheck, 292, 45, 10, 10, "CheckRecCh9", "",
         ""},
        {7030, ControlKind::Static, kLabel, 304, 46, 28, 8, "StaticRecCH10", "StaticRecCH10", ""},
        {p.firstRecordCheck + 9, ControlKind::CheckBox, kCheck, 334, 45, 10, 10, "CheckRecCh10", "",
         ""},
        {7031, ControlKind::Static, kLabel, 346, 46, 28, 8, "StaticRecCH11", "StaticRecCH11", ""},
        {p.firstRecordCheck + 10, ControlKind::CheckBox, kCheck, 376, 45, 10, 10, "CheckRecCh11",
         "", ""},
        {7032, ControlKind::Static, kLabel, 388, 46, 28, 8, "StaticRecCH12", "StaticRecCH12", ""},
        {p.firstRecordCheck + 11, ControlKind::CheckBox, kCheck, 418, 45, 10, 10, "CheckRecCh12",
         "", ""},
        {7033, ControlKind::Static, kLabel, 262, 60, 28, 8, "StaticRecCH13", "StaticRecCH13", ""},
        {p.firstRecordCheck + 12, ControlKind::CheckBox, kCheck, 292, 59, 10, 10, "CheckRecCh13",
         "", ""},
        {7034, ControlKind::Static, kLabel, 304, 60, 28, 8, "StaticRecCH14", "StaticRecCH14", ""},
        {p.firstRecordCheck + 13, ControlKind::CheckBox, kCheck, 334, 59, 10, 10, "CheckRecCh14",
         "", ""},
        {7035, ControlKind::Static, kLabel, 346, 60, 28, 8, "StaticRecCH15", "StaticRecCH15", ""},
        {p.firstRecordCheck + 14, ControlKind::CheckBox, kCheck, 376, 59, 10, 10, "CheckRecCh15",
         "", ""},
        {7036, ControlKind::Static, kLabel, 388, 60, 28, 8, "StaticRecCH16", "StaticRecCH16", ""},
        {p.firstRecordCheck + 15, ControlKind::CheckBox, kCheck, 418, 59, 10, 10, "CheckRecCh16",
         "", ""},
        {7073, ControlKind::GroupBox, kGroupBox, 256, 84, 180, 114, "GroupSchedule",
         "GroupSchedule", ""},
        {7041, ControlKind::Static, kLabel, 262, 96, 22, 8, "StaticWeek", "StaticWeek", ""},
        {8094, ControlKind::ComboBox, kDropList, 286, 94, 44, kComboDropHeight, "CmbWeek", "", ""},
        {7042, ControlKind::Static, kLabel, 334, 96, 22, 8, "StaticCopyToWeek", "StaticCopyToWeek",
         ""},
        {8095, ControlKind::ComboBox, kDropList, 358, 94, 44, kComboDropHeight, "CmbCopyToWeek", "",
         ""},
        {p.copyWeekButton, ControlKind::PushButton, kSkinButton, 406, 93, 26, 14, p.copyWeekKey,
         p.copyWeekKey, ""},
        {p.firstPeriodCheck, ControlKind::CheckBox, kCheck, 262, 111, 10, 10, "CheckSensorTime1",
         "", ""},
        {7051, ControlKind::Static, kLabel, 274, 112, 24, 8, "StaticPeriod1", "StaticPeriod1", ""},
        {8053, ControlKind::TimePicker, kTimePicker, 300, 110, 44, 12, "DateTimePickerStart1", "",
         ""},
        {7061, ControlKind::Static, kLabel, 346, 112, 10, 8, "StaticScheduleLeft1",
         "StaticScheduleLeft1", ""},
        {8054, ControlKind::TimePicker, kTimePicker, 358, 110, 44, 12, "DateTimePickerStop1", "",
         ""},
        {p.firstPeriodCheck + 1, ControlKind::CheckBox, kCheck, 262, 125, 10, 10,
         "CheckSensorTime2", "", ""},
        {7052, ControlKind::Static, kLabel, 274, 126, 24, 8, "StaticPeriod2", "StaticPeriod2", ""},
        {8055, ControlKind::TimePicker, kTimePicker, 300, 124, 44, 12, "DateTimePickerStart2", "",
         ""},
        {7062, ControlKind::Static, kLabel, 346, 126, 10, 8, "StaticScheduleLeft2",
         "StaticScheduleLeft2", ""},
        {8056, ControlKind::TimePicker, kTimePicker, 358, 124, 44, 12, "DateTimePickerStop2", "",
         ""},
        {p.firstPeriodCheck + 2, ControlKind::CheckBox, kCheck, 262, 139, 10, 10,
         "CheckSensorTime3", "", ""},
        {7053, ControlKind::Static, kLabel, 274, 140, 24, 8, "StaticPeriod3", "StaticPeriod3", ""},
        {8057, ControlKind::TimePicker, kTimePicker, 300, 138, 44, 12, "DateTimePickerStart3", "",
         ""},
        {7063, ControlKind::Static, kLabel, 346, 140, 10, 8, "StaticScheduleLeft3",
         "StaticScheduleLeft3", ""},
        {8058, ControlKind::TimePicker, kTimePicker, 358, 138, 44, 12, "DateTimePickerStop3", "",
         ""},
        {p.firstPeriodCheck + 3, ControlKind::CheckBox, kCheck, 262, 153, 10, 10,
         "CheckSensorTime4", "", ""},
        {7054, ControlKind::Static, kLabel, 274, 154, 24, 8, "StaticPeriod4", "StaticPeriod4", ""},
        {8059, ControlKind::TimePicker, kTimePicker, 300, 152, 44, 12, "DateTimePickerStart4", "",
         ""},
        {7064, ControlKind::Static, kLabel, 346, 154, 10, 8, "StaticScheduleLeft4",
         "StaticScheduleLeft4", ""},
        {8060, ControlKind::TimePicker, kTimePicker, 358, 152, 44, 12, "DateTimePickerStop4", "",
         ""},
        {p.firstPeriodCheck + 4, ControlKind::CheckBox, kCheck, 262, 167, 10, 10,
         "CheckSensorTime5", "", ""},
        {7055, ControlKind::Static, kLabel, 274, 168, 24, 8, "StaticPeriod5", "StaticPeriod5", ""},
        {8061, ControlKind::TimePicker, kTimePicker, 300, 166, 44, 12, "DateTimePickerStart5", "",
         ""},
        {7065, ControlKind::Static, kLabel, 346, 168, 10, 8, "StaticScheduleLeft5",
         "StaticScheduleLeft5", ""},
        {8062, ControlKind::TimePicker, kTimePicker, 358, 166, 44, 12, "DateTimePickerStop5", "",
         ""},
        {p.firstPeriodCheck + 5, ControlKind::CheckBox, kCheck, 262, 181, 10, 10,
         "CheckSensorTime6", "", ""},
        {7056, ControlKind::Static, kLabel, 274, 182, 24, 8, "StaticPeriod6", "StaticPeriod6", ""},
        {8063, ControlKind::TimePicker, kTimePicker, 300, 180, 44, 12, "DateTimePickerStart6", "",
         ""},
        {7066, ControlKind::Static, kLabel, 346, 182, 10, 8, "StaticScheduleLeft6",
         "StaticScheduleLeft6", ""},
        {8064, ControlKind::TimePicker, kTimePicker, 358, 180, 44, 12, "DateTimePickerStop6", "",
         ""},
    }};
}

// A page's own rows followed by the linkage rows, as one constant table.
template <std::size_t N>
constexpr std::array<ControlTemplate, N + kLinkageControlCount> WithLinkageControls(
    const std::array<ControlTemplate, N>& own, LinkageControlIds ids) {
    const std::array<ControlTemplate, kLinkageControlCount> linkage = LinkageControls(ids);
    std::array<ControlTemplate, N + kLinkageControlCount> all{};
    for (std::size_t i = 0; i < N; ++i) all[i] = own[i];
    for (std::size_t i = 0; i < kLinkageControlCount; ++i) all[N + i] = linkage[i];
    return all;
}

}  // namespace vela::pages::alarm
