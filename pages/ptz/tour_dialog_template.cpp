// The tour panel of the PTZ page: one tour group of the selected channel at a time.
#include <iterator>

#include "pages/ptz/ptz_templates.h"
#include "resources/template_styles.h"

namespace vela::pages::ptz {
namespace {

// The template format and its styles.
using namespace resources;  // NOLINT(google-build-using-namespace)

// Created hidden inside the PTZ page's panel frame; position keys and caption keys differ.
const ControlTemplate kControls[] = {
    {6090, ControlKind::Static, kLabel, 4, 6, 50, 8, "StaticTourGroup", "TourGroup", ""},
    {8115, ControlKind::ComboBox, kDropDown, 56, 4, 70, kComboDropHeight, "Group", "", ""},
    {8108, ControlKind::ListView, kReportList, 4, 20, 164, 90, "PreList", "", ""},
    {6091, ControlKind::Static, kLabel, 4, 118, 50, 8, "StaticPresetName", "PresetName", ""},
    {8106, ControlKind::ComboBox, kDropDown, 56, 116, 70, kComboDropHeight, "PreName", "", ""},
    {6092, ControlKind::Static, kLabel, 4, 132, 50, 8, "StaticStayTime", "StayTime", ""},
    {8110, ControlKind::ComboBox, kDropDown, 56, 130, 70, kComboDropHeight, "RelayTime", "", ""},
    {8109, ControlKind::PushButton, kSkinButton, 4, 146, 52, 14, "btnAdd", "ButtonAdd", ""},
    {8093, ControlKind::PushButton, kSkinButton, 60, 146, 52, 14, "btnDel", "ButtonDel", ""},
};

}  // namespace

const resources::DialogTemplate kTourDialogTemplate = {
    kTourDialogTemplateId, kPanelDialogStyle, 260, 14, 172, 178, "TourDlg", kControls,
    std::size(kControls),
};

}  // namespace vela::pages::ptz
