// The Sensor page: enable, device type and PTZ link of the selected alarm input with its
// linkage and week schedule.
#include "pages/alarm/alarm_templates.h"
#include "pages/alarm/linkage_controls.h"
#include "resources/template_styles.h"

namespace vela::pages::alarm {
namespace {

// The template format and its styles.
using namespace resources;  // NOLINT(google-build-using-namespace)

// This page's own rows (71xx/72xx labels); the linkage and schedule rows (7001-7073) that
// follow come from the table both alarm pages share. Labels take their caption from their key.
constexpr std::array<ControlTemplate, 18> kOwnControls = {{
    {7201, ControlKind::Static, kLabel, 4, 6, 44, 8, "StaticAlarmInNO", "StaticAlarmInNO", ""},
    {4185, ControlKind::ComboBox, kDropList, 50, 4, 74, kComboDropHeight, "CmbAlarmInNO", "", ""},
    {7202, ControlKind::Static, kLabel, 4, 20, 44, 8, "StaticEnable", "StaticEnable", ""},
    {8043, ControlKind::CheckBox, kCheck, 50, 19, 10, 10, "CheckEnable", "", ""},
    {7203, ControlKind::Static, kLabel, 4, 34, 44, 8, "StaticCopyToAlarmInNO",
     "StaticCopyToAlarmInNO", ""},
    {4255, ControlKind::ComboBox, kDropList, 50, 32, 74, kComboDropHeight, "CmbCopyToAlarmInNO", "",
     ""},
    {4261, ControlKind::PushButton, kSkinButton, 50, 46, 74, 14, "BtnAlarmInCopy", "BtnAlarmInCopy",
     ""},
    {7204, ControlKind::Static, kLabel, 4, 68, 44, 8, "StaticDevType", "StaticDevType", ""},
    {4187, ControlKind::ComboBox, kDropList, 50, 66, 74, kComboDropHeight, "CmbDevType", "", ""},
    {7074, ControlKind::GroupBox, kGroupBox, 4, 84, 122, 72, "GroupPtzLink", "GroupPtzLink", ""},
    {7205, ControlKind::Static, kLabel, 10, 98, 38, 8, "StaticPtzLinkEnable", "StaticPtzLinkEnable",
     ""},
    {4265, ControlKind::CheckBox, kCheck, 50, 97, 10, 10, "CheckPtzLinkEnable", "", ""},
    {7206, ControlKind::Static, kLabel, 10, 112, 38, 8, "StaticCHNO", "StaticCHNO", ""},
    {4266, ControlKind::ComboBox, kDropList, 50, 110, 70, kComboDropHeight, "CmbCHNO", "", ""},
    {7207, ControlKind::Static, kLabel, 10, 126, 38, 8, "StaticPtzLinkType", "StaticPtzLinkType",
     ""},
    {4268, ControlKind::ComboBox, kDropList, 50, 124, 70, kComboDropHeight, "CmbPtzLinkType", "",
     ""},
    {7208, ControlKind::Static, kLabel, 10, 140, 38, 8, "StaticPtzLinkNO", "StaticPtzLinkNO", ""},
    {4267, ControlKind::Edit, kNumberEdit, 50, 138, 70, 12, "EditPtzLinkNO", "", ""},
}};

constexpr auto kControls = WithLinkageControls(kOwnControls, {4081, 8076, "BtnWeekCopy", 6142});

}  // namespace

const resources::DialogTemplate kSensorTemplate = {
    kSensorTemplateId, kChildPage,       6, 23, 440, 200, "DvsCfgSensor",
    kControls.data(),  kControls.size(),
};

}  // namespace vela::pages::alarm
