// Window, dialog and control style bits used by the dialog templates. The values are the
// Win32 ones, so the win32 window system passes them straight through and the headless one
// interprets them the same way.
#pragma once

#include <cstdint>

namespace vela::resources {

// Window styles (WS_*).
constexpr uint32_t kWsPopup = 0x80000000;
constexpr uint32_t kWsChild = 0x40000000;
constexpr uint32_t kWsVisible = 0x10000000;
constexpr uint32_t kWsDisabled = 0x08000000;
constexpr uint32_t kWsClipSiblings = 0x04000000;
constexpr uint32_t kWsClipChildren = 0x02000000;
constexpr uint32_t kWsCaption = 0x00C00000;
constexpr uint32_t kWsBorder = 0x00800000;
constexpr uint32_t kWsDlgFrame = 0x00400000;
constexpr uint32_t kWsVScroll = 0x00200000;
constexpr uint32_t kWsHScroll = 0x00100000;
constexpr uint32_t kWsSysMenu = 0x00080000;
constexpr uint32_t kWsGroup = 0x00020000;
constexpr uint32_t kWsTabStop = 0x00010000;

// Dialog styles (DS_*).
constexpr uint32_t kDs3dLook = 0x0004;
constexpr uint32_t kDsFixedSys = 0x0008;
constexpr uint32_t kDsSetFont = 0x0040;
constexpr uint32_t kDsModalFrame = 0x0080;
constexpr uint32_t kDsControl = 0x0400;
constexpr uint32_t kDsCenter = 0x0800;

// Static styles (SS_*).
constexpr uint32_t kSsLeft = 0x0000;
constexpr uint32_t kSsCenter = 0x0001;
constexpr uint32_t kSsRight = 0x0002;
constexpr uint32_t kSsTypeMask = 0x001F;
constexpr uint32_t kSsNotify = 0x0100;

// Edit styles (ES_*).
constexpr uint32_t kEsLeft = 0x0000;
constexpr uint32_t kEsCenter = 0x0001;
constexpr uint32_t kEsRight = 0x0002;
constexpr uint32_t kEsMultiLine = 0x0004;
constexpr uint32_t kEsUpperCase = 0x0008;
constexpr uint32_t kEsLowerCase = 0x0010;
constexpr uint32_t kEsPassword = 0x0020;
constexpr uint32_t kEsAutoVScroll = 0x0040;
constexpr uint32_t kEsAutoHScroll = 0x0080;
constexpr uint32_t kEsReadOnly = 0x0800;
constexpr uint32_t kEsNumber = 0x2000;

// Button styles (BS_*); the low four bits are the button type.
constexpr uint32_t kBsPushButton = 0x0000;
constexpr uint32_t kBsDefPushButton = 0x0001;
constexpr uint32_t kBsAutoCheckBox = 0x0003;
constexpr uint32_t kBsGroupBox = 0x0007;
constexpr uint32_t kBsAutoRadioButton = 0x0009;
constexpr uint32_t kBsOwnerDraw = 0x000B;
constexpr uint32_t kBsTypeMask = 0x000F;

// Combo box styles (CBS_*); the low two bits are the combo type.
constexpr uint32_t kCbsDropDown = 0x0002;
constexpr uint32_t kCbsDropDownList = 0x0003;
constexpr uint32_t kCbsTypeMask = 0x0003;
constexpr uint32_t kCbsAutoHScroll = 0x0040;

// List view styles (LVS_*); the low two bits are the view.
constexpr uint32_t kLvsReport = 0x0001;
constexpr uint32_t kLvsSingleSel = 0x0004;
constexpr uint32_t kLvsShowSelAlways = 0x0008;
constexpr uint32_t kLvsTypeMask = 0x0003;
constexpr uint32_t kLvsNoSortHeader = 0x8000;

// Date-time picker styles (DTS_*).
constexpr uint32_t kDtsUpDown = 0x0001;
constexpr uint32_t kDtsTimeFormat = 0x0009;

}  // namespace vela::resources
