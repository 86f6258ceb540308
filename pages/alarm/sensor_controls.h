// The Sensor page's own keys and lists; the linkage's are in alarm_linkage.h. Section
// "DvsCfgSensor" (the template's) of the ControlPos and StaticButtonText files. Constants,
// any thread.
#pragma once

namespace vela::pages::alarm::sensor {

constexpr char kBackgroundName[] = "setSensorbkg";

constexpr char kInputKey[] = "CmbAlarmInNO";
constexpr char kEnableKey[] = "CheckEnable";
constexpr char kCopyToInputKey[] = "CmbCopyToAlarmInNO";
constexpr char kCopyInputKey[] = "BtnAlarmInCopy";
constexpr char kDeviceTypeKey[] = "CmbDevType";
constexpr char kPtzLinkEnableKey[] = "CheckPtzLinkEnable";
constexpr char kCameraKey[] = "CmbCHNO";
constexpr char kPtzLinkTypeKey[] = "CmbPtzLinkType";
constexpr char kPtzLinkNumberKey[] = "EditPtzLinkNO";
constexpr char kCopyWeekKey[] = "BtnWeekCopy";
constexpr char kPtzLinkGroupKey[] = "GroupPtzLink";

// The device-type and PTZ-link lists: section "SensorInfo" of the TextRes file.
constexpr char kSensorListSection[] = "SensorInfo";
constexpr char kDeviceTypeEntry[] = "Type%d";
constexpr int kDeviceTypeCount = 2;
constexpr char kPtzLinkTypeEntry[] = "ptzlink%d";
constexpr int kPtzLinkTypeCount = 3;
// The all-inputs entry: section "DVSInfo".
constexpr char kCopyListSection[] = "DVSInfo";
constexpr char kAllInputsEntry[] = "SensorDlgCmbCopyOtherAll";

}  // namespace vela::pages::alarm::sensor
