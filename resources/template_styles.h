// Style combinations shared by the template tables (internal to resources/): one name per kind of
// control as the pages use it, so a table row reads like the page's control inventory.
#pragma once

#include "resources/control_styles.h"

namespace vela::resources {

constexpr uint32_t kChildPage = kWsChild | kWsClipSiblings | kDsControl | kDsSetFont;

constexpr uint32_t kTab = kWsChild | kWsVisible | kWsTabStop;
constexpr uint32_t kLabel = kWsChild | kWsVisible | kSsLeft;
constexpr uint32_t kEdit = kTab | kWsBorder | kEsAutoHScroll;
constexpr uint32_t kNumberEdit = kEdit | kEsNumber;
constexpr uint32_t kUpperEdit = kEdit | kEsUpperCase;
constexpr uint32_t kPasswordEdit = kEdit | kEsPassword;
constexpr uint32_t kDisabledEdit = kEdit | kWsDisabled;
constexpr uint32_t kDisabledPasswordEdit = kPasswordEdit | kWsDisabled;
constexpr uint32_t kDropList = kTab | kWsVScroll | kCbsDropDownList;
constexpr uint32_t kDropDown = kTab | kWsVScroll | kCbsDropDown | kCbsAutoHScroll;
constexpr uint32_t kCheck = kTab | kBsAutoCheckBox;
constexpr uint32_t kRadioFirst = kTab | kWsGroup | kBsAutoRadioButton;
constexpr uint32_t kRadio = kTab | kBsAutoRadioButton;
constexpr uint32_t kGroupBox = kWsChild | kWsVisible | kBsGroupBox;
constexpr uint32_t kSkinButton = kTab | kBsOwnerDraw;
constexpr uint32_t kIpAddress = kTab;
constexpr uint32_t kTimePicker = kTab | kDtsTimeFormat;
constexpr uint32_t kReportList = kTab | kWsBorder | kLvsReport | kLvsSingleSel | kLvsShowSelAlways;

// Drop-down height of the combo boxes in the page templates (the closed field is
// kComboFieldHeight high).
constexpr int kComboDropHeight = 80;

}  // namespace vela::resources
