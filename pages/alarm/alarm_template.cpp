// The Channel alarm page: alarm type, sensitivity and enable of the selected channel with
// its linkage and week schedule, beside the live picture with the motion grid.
#include "pages/alarm/alarm_templates.h"
#include "pages/alarm/linkage_controls.h"
#include "resources/template_styles.h"

namespace vela::pages::alarm {
namespace {

// The template format and its styles.
using namespace resources;  // NOLINT(google-build-using-namespace)

// This page's own rows (71xx/72xx labels); the linkage and schedule rows (7001-7073) that
// follow come from the table both alarm pages share. Labels take their caption from their key.
// The play window is a separate child placed by the key "PlayWnd" at the top left.
constexpr std::array<ControlTemplate, 13> kOwnControls = {{
    {7101, ControlKind::Static, kLabel, 4, 106, 40, 8, "StaticChNO", "StaticChNO", ""},
    {4070, ControlKind::ComboBox, kDropList, 46, 104, 74, kComboDropHeight, "CmbChNO", "", ""},
    {7102, ControlKind::Static, kLabel, 4, 120, 40, 8, "StaticAlarmType", "StaticAlarmType", ""},
    {8066, ControlKind::ComboBox, kDropList, 46, 118, 74, kComboDropHeight, "CmbAlarmType", "", ""},
    {7103, ControlKind::Static, kLabel, 4, 134, 40, 8, "StaticSensitivity", "StaticSensitivity",
     ""},
    {4071, ControlKind::ComboBox, kDropList, 46, 132, 74, kComboDropHeight, "CmbSensitivity", "",
     ""},
    {8043, ControlKind::CheckBox, kCheck, 46, 147, 10, 10, "CheckEnable", "", ""},
    {7104, ControlKind::Static, kLabel, 58, 148, 62, 8, "StaticEnable", "StaticEnable", ""},
    {4262, ControlKind::PushButton, kSkinButton, 4, 162, 56, 14, "BtnAll", "BtnAll", ""},
    {8010, ControlKind::PushButton, kSkinButton, 64, 162, 56, 14, "BtnClear", "BtnClear", ""},
    {7105, ControlKind::Static, kLabel, 130, 106, 40, 8, "StaticCopyToCH", "StaticCopyToCH", ""},
    {4120, ControlKind::ComboBox, kDropList, 172, 104, 74, kComboDropHeight, "CmbCopyToCh", "", ""},
    {4072, ControlKind::PushButton, kSkinButton, 172, 120, 74, 14, "BtnCopyCh", "BtnCopyCh", ""},
}};

constexpr auto kControls = WithLinkageControls(kOwnControls, {8024, 8069, "BtnCopyWeek", 6143});

}  // namespace

const resources::DialogTemplate kAlarmTemplate = {
    kAlarmTemplateId, kChildPage,       6, 23, 440, 200, "DvsCfgAlarm",
    kControls.data(), kControls.size(),
};

}  // namespace vela::pages::alarm
