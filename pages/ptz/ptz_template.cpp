// The PTZ page: decoder settings of the selected channel, camera control buttons and the
// panel area with the auto preset plan (the preset and tour panels are child dialogs).
#include <iterator>

#include "pages/ptz/ptz_templates.h"
#include "resources/template_styles.h"

namespace vela::pages::ptz {
namespace {

// The template format and its styles.
using namespace resources;  // NOLINT(google-build-using-namespace)

// 8077 holds the place of the play window, which is a separate child placed by the same key.
// Labels and buttons take their caption from the position key, except the plan and tour panel
// buttons ("BtnScheme" / "BtnSchedule", "BtnTour" / "BtnCurise").
const ControlTemplate kControls[] = {
    {8077, ControlKind::Static, kLabel, 0, 0, 120, 96, "PlayWnd", "", ""},
    {4121, ControlKind::Static, kLabel, 4, 106, 40, 8, "StaticChNO", "StaticChNO", ""},
    {4123, ControlKind::ComboBox, kDropDown, 46, 104, 74, kComboDropHeight, "CmbCHNO", "", ""},
    {4173, ControlKind::Static, kLabel, 4, 120, 40, 8, "StaticProtocol", "StaticProtocol", ""},
    {4174, ControlKind::ComboBox, kDropDown, 46, 118, 74, kComboDropHeight, "CmbProtocol", "", ""},
    {4175, ControlKind::Static, kLabel, 4, 134, 40, 8, "StaticBaudRate", "StaticBaudRate", ""},
    {4073, ControlKind::ComboBox, kDropDown, 46, 132, 74, kComboDropHeight, "CmbBaudRate", "", ""},
    {4176, ControlKind::Static, kLabel, 4, 148, 40, 8, "StaticAddr", "StaticAddr", ""},
    {4177, ControlKind::Edit, kNumberEdit, 46, 146, 74, 12, "EditAddr", "", ""},
    {4180, ControlKind::Static, kLabel, 4, 162, 40, 8, "StaticCopyToCh", "StaticCopyToCh", ""},
    {4074, ControlKind::ComboBox, kDropDown, 46, 160, 74, kComboDropHeight, "CmbCopyToCh", "", ""},
    {4119, ControlKind::PushButton, kSkinButton, 46, 176, 74, 14, "BtnCopyCh", "BtnCopyCh", ""},
    {4181, ControlKind::Static, kLabel, 130, 6, 40, 8, "StaticPtzSpeed", "StaticPtzSpeed", ""},
    {4182, ControlKind::ComboBox, kDropDown, 172, 4, 74, kComboDropHeight, "CmbPtzSpeed", "", ""},
    {1072, ControlKind::PushButton, kSkinButton, 170, 22, 36, 14, "BtnUp", "BtnUp", ""},
    {1073, ControlKind::PushButton, kSkinButton, 130, 38, 36, 14, "BtnLeft", "BtnLeft", ""},
    {1074, ControlKind::PushButton, kSkinButton, 210, 38, 36, 14, "BtnRight", "BtnRight", ""},
    {1075, ControlKind::PushButton, kSkinButton, 170, 54, 36, 14, "BtnDown", "BtnDown", ""},
    {4115, ControlKind::PushButton, kSkinButton, 130, 74, 56, 14, "BtnZoomAdd", "BtnZoomAdd", ""},
    {4118, ControlKind::PushButton, kSkinButton, 190, 74, 56, 14, "BtnZoomReduce", "BtnZoomReduce",
     ""},
    {4183, ControlKind::PushButton, kSkinButton, 130, 92, 56, 14, "BtnFocusAdd", "BtnFocusAdd", ""},
    {4116, ControlKind::PushButton, kSkinButton, 190, 92, 56, 14, "BtnFocusReduce",
     "BtnFocusReduce", ""},
    {4104, ControlKind::PushButton, kSkinButton, 130, 110, 56, 14, "BtnIrisAdd", "BtnIrisAdd", ""},
    {4117, ControlKind::PushButton, kSkinButton, 190, 110, 56, 14, "BtnIrisReduce", "BtnIrisReduce",
     ""},
    {8093, ControlKind::PushButton, kSkinButton, 130, 136, 116, 14, "BtnScheme", "BtnSchedule", ""},
    {8092, ControlKind::PushButton, kSkinButton, 130, 154, 116, 14, "BtnAutoPre", "BtnAutoPre", ""},
    {8094, ControlKind::PushButton, kSkinButton, 130, 172, 116, 14, "BtnTour", "BtnCurise", ""},
    {6078, ControlKind::GroupBox, kGroupBox, 256, 4, 180, 192, "GroupAutoPresetPlan",
     "GroupAutoPresetPlan", ""},
    {6079, ControlKind::Static, kLabel, 262, 18, 50, 8, "StaticAutoPresetPlanPreset",
     "StaticAutoPresetPlanPreset", ""},
    {1029, ControlKind::ComboBox, kDropList, 314, 16, 56, kComboDropHeight, "CmbPresets", "", ""},
    {6080, ControlKind::Static, kLabel, 262, 32, 50, 8, "StaticAutoPresetPlanCallTime",
     "StaticAutoPresetPlanCallTime", ""},
    {1030, ControlKind::ComboBox, kDropList, 314, 30, 56, kComboDropHeight, "CmbWeek", "", ""},
    {1031, ControlKind::ComboBox, kDropDown, 314, 44, 34, kComboDropHeight, "CmbHour", "", ""},
    {6082, ControlKind::Static, kLabel, 350, 46, 20, 8, "StaticAutoPrePlanHour",
     "StaticAutoPrePlanHour", ""},
    {1069, ControlKind::ComboBox, kDropDown, 372, 44, 34, kComboDropHeight, "CmbMinute", "", ""},
    {6083, ControlKind::Static, kLabel, 408, 46, 20, 8, "StaticAutoPrePlanMinute",
     "StaticAutoPrePlanMinute", ""},
    {1089, ControlKind::PushButton, kSkinButton, 262, 60, 80, 14, "BtnAddAuto", "BtnAddAuto", ""},
    {1071, ControlKind::PushButton, kSkinButton, 348, 60, 80, 14, "BtnDelAuto", "BtnDelAuto", ""},
    {1070, ControlKind::ListView, kReportList, 262, 78, 168, 84, "ListAutoWorkPreset", "", ""},
    {6081, ControlKind::Static, kLabel, 262, 170, 50, 8, "StaticAutoPrePlanCopyTo",
     "StaticAutoPrePlanCopyTo", ""},
    {1032, ControlKind::ComboBox, kDropList, 314, 168, 56, kComboDropHeight, "CmbCopyToWeek", "",
     ""},
    {1090, ControlKind::PushButton, kSkinButton, 374, 167, 56, 14, "BtnWeekCopy", "BtnWeekCopy",
     ""},
};

}  // namespace

const resources::DialogTemplate kPtzTemplate = {
    kPtzTemplateId, kChildPage, 6, 23, 440, 200, "DvsCfgYt", kControls, std::size(kControls),
};

}  // namespace vela::pages::ptz
