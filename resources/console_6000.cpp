// The console: a caption-less pop-up with the five page buttons along the top and the six
// action buttons along the bottom. The skin replaces captions and positions at start; the
// captions come from section "DvsConfigDlg" of the text file, the positions from "DvsCfgDlg".
#include <iterator>

#include "resources/template_styles.h"
#include "resources/templates.h"

namespace vela::resources {
namespace {

constexpr ControlKind kButton = ControlKind::PushButton;

// Page buttons 80 x 16 every 88 units from x 6; action buttons 64 x 14 every 74 units.
const ControlTemplate kControls[] = {
    {6001, kButton, kSkinButton, 6, 4, 80, 16, "Server", "ButtonServer", "服务器参数"},
    {6002, kButton, kSkinButton, 94, 4, 80, 16, "Channel", "ButtonChannel", "监控通道"},
    {6003, kButton, kSkinButton, 182, 4, 80, 16, "Yt", "ButtonPTZ", "解码器设置"},
    {6005, kButton, kSkinButton, 270, 4, 80, 16, "Sensor", "ButtonSensor", "SetSensor"},
    {6006, kButton, kSkinButton, 358, 4, 80, 16, "Alarm", "ButtonAlarmSetup", "通道报警"},
    {6009, kButton, kSkinButton, 6, 226, 64, 14, "Save", "ButtonSave", "保存设置"},
    {6010, kButton, kSkinButton, 80, 226, 64, 14, "Restart", "ButtonRestart", "重启服务器"},
    {6008, kButton, kSkinButton, 154, 226, 64, 14, "Update", "ButtonUpgrade", "升级"},
    {6007, kButton, kSkinButton, 228, 226, 64, 14, "CheckTime", "ButtonTimeAdjust", "校时"},
    {4004, kButton, kSkinButton, 302, 226, 64, 14, "IESetup", "ButtonIESetup", "IE Setup"},
    {6011, kButton, kSkinButton, 376, 226, 64, 14, "Exit", "ButtonExit", "退出"},
};

}  // namespace

const DialogTemplate kConsoleTemplate = {
    kConsoleDialogId,
    kWsPopup | kWsClipChildren | kDsSetFont,
    0,
    0,
    452,
    245,
    "DvsCfgDlg",
    kControls,
    std::size(kControls),
};

}  // namespace vela::resources
