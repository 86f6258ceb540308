// A dialog with one control of each kind, for the window-system tests and snapshots.
#include <iterator>

#include "resources/template_styles.h"
#include "resources/templates.h"

namespace vela::resources {
namespace {

const ControlTemplate kControls[] = {
    {9001, ControlKind::Static, kLabel, 7, 8, 56, 10, "StaticName", "", "Name"},
    {9002, ControlKind::Edit, kNumberEdit, 70, 6, 60, 12, "EditNumber", "", ""},
    {9003, ControlKind::Edit, kUpperEdit, 140, 6, 60, 12, "EditUpper", "", ""},
    {9004, ControlKind::Edit, kPasswordEdit, 70, 22, 60, 12, "EditPassword", "", ""},
    {9005, ControlKind::PushButton, kTab | kBsPushButton, 140, 22, 60, 14, "BtnPush", "BtnPush",
     "Push"},
    {9006, ControlKind::CheckBox, kCheck, 7, 40, 60, 10, "CheckEnable", "CheckEnable", "Check"},
    {9007, ControlKind::GroupBox, kGroupBox, 7, 54, 112, 28, "GroupChoice", "GroupChoice", "Group"},
    {9008, ControlKind::RadioButton, kRadioFirst, 13, 66, 48, 10, "RadioFirst", "RadioFirst",
     "First"},
    {9009, ControlKind::RadioButton, kRadio, 65, 66, 48, 10, "RadioSecond", "RadioSecond",
     "Second"},
    {9010, ControlKind::ComboBox, kDropList | kWsGroup, 130, 40, 70, 80, "CmbList", "", ""},
    {9011, ControlKind::ComboBox, kDropDown, 130, 58, 70, 80, "CmbEdit", "", ""},
    {9012, ControlKind::IpAddress, kIpAddress, 130, 76, 70, 12, "EditAddress", "", ""},
    {9013, ControlKind::TimePicker, kTimePicker, 130, 94, 70, 12, "DateTimePickerStart", "", ""},
    {9014, ControlKind::ListView, kReportList, 7, 112, 112, 60, "ListItems", "", ""},
    {9015, ControlKind::PushButton, kSkinButton, 130, 112, 70, 16, "BtnSkin", "BtnSkin", "Skin"},
    {9016, ControlKind::Custom, kWsChild | kWsVisible | kWsBorder, 130, 134, 100, 38, "PlayWnd", "",
     ""},
};

}  // namespace

const DialogTemplate kTestDialogTemplate = {
    kTestDialogId,
    kWsPopup | kWsCaption | kWsSysMenu | kDsModalFrame | kDsSetFont,
    0,
    0,
    240,
    180,
    "TestDlg",
    kControls,
    std::size(kControls),
};

}  // namespace vela::resources
