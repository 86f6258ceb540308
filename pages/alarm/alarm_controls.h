// The Channel alarm page's own keys, lists and label places; the linkage's are in
// alarm_linkage.h. Section "DvsCfgAlarm" (the template's) of the ControlPos and
// StaticButtonText files. Constants, any thread.
#pragma once

namespace vela::pages::alarm::channel_alarm {

constexpr char kBackgroundName[] = "setAlarmbkg";

constexpr char kChannelKey[] = "CmbChNO";
constexpr char kAlarmTypeKey[] = "CmbAlarmType";
constexpr char kSensitivityKey[] = "CmbSensitivity";
constexpr char kSensitivityLabelKey[] = "StaticSensitivity";
constexpr char kCopyToChannelKey[] = "CmbCopyToCh";
constexpr char kCopyChannelKey[] = "BtnCopyCh";
constexpr char kAllKey[] = "BtnAll";
constexpr char kClearKey[] = "BtnClear";
constexpr char kCopyWeekKey[] = "BtnCopyWeek";

// Section "DVSInfo" of the TextRes file.
constexpr char kListSection[] = "DVSInfo";
constexpr char kAlarmTypeEntry[] = "AlarmType%d";
constexpr char kSensitivityEntry[] = "AlarmSensitive%d";
constexpr int kSensitivityCount = 6;
constexpr char kAllChannelsEntry[] = "AlarmDlgCmbCopyOtherAll";

}  // namespace vela::pages::alarm::channel_alarm
