// The preset panel of the PTZ page: the channel's presets, adding, deleting and calling
// them, and the home position with its return time.
#include <iterator>

#include "pages/ptz/ptz_templates.h"
#include "resources/template_styles.h"

namespace vela::pages::ptz {
namespace {

// The template format and its styles.
using namespace resources;  // NOLINT(google-build-using-namespace)

// Created hidden inside the PTZ page's panel frame; position keys and caption keys differ.
const ControlTemplate kControls[] = {
    {6015, ControlKind::ListView, kReportList, 4, 4, 164, 70, "PreList", "", ""},
    {6084, ControlKind::Static, kLabel, 4, 80, 60, 8, "StaticName", "Name", ""},
    {6012, ControlKind::Edit, kEdit, 66, 78, 70, 12, "PreName", "", ""},
    {6085, ControlKind::Static, kLabel, 4, 94, 60, 8, "StaticPreset", "Preset", ""},
    {1033, ControlKind::ComboBox, kDropDown, 66, 92, 70, kComboDropHeight, "PreNum", "", ""},
    {6086, ControlKind::Static, kLabel, 4, 108, 60, 8, "StaticMode", "Mode", ""},
    {1034, ControlKind::ComboBox, kDropDown, 66, 106, 70, kComboDropHeight, "CallMode", "", ""},
    {8109, ControlKind::PushButton, kSkinButton, 4, 122, 52, 14, "AddPreset", "ButtonAdd", ""},
    {8093, ControlKind::PushButton, kSkinButton, 60, 122, 52, 14, "DelPreset", "ButtonDel", ""},
    {8112, ControlKind::PushButton, kSkinButton, 116, 122, 52, 14, "CallPreset", "ButtonCall", ""},
    {6087, ControlKind::Static, kLabel, 4, 144, 60, 8, "StaticNoPTZAction", "NoPTZAction", ""},
    {8110, ControlKind::ComboBox, kDropDown, 66, 142, 44, kComboDropHeight, "RelayTime", "", ""},
    {4275, ControlKind::Static, kLabel, 112, 144, 56, 8, "StaticSecBack", "SecBack", ""},
    {6088, ControlKind::Static, kLabel, 4, 160, 60, 8, "StaticHomePosition", "HomePosition", ""},
    {8114, ControlKind::ComboBox, kDropDown, 66, 158, 70, kComboDropHeight, "HomePos", "", ""},
};

}  // namespace

const resources::DialogTemplate kPresetDialogTemplate = {
    kPresetDialogTemplateId, kPanelDialogStyle, 260, 14, 172, 178, "PreSetupDlg", kControls,
    std::size(kControls),
};

}  // namespace vela::pages::ptz
