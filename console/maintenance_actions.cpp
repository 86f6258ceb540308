#include "console/maintenance_actions.h"

#include <cstdio>

#include "console/dvs_cfg_dlg.h"
#include "console/upgrade_relay.h"
#include "device/dvs_device.h"
#include "device/record_fields.h"
#include "device/records.h"
#include "pages/ptz/dvs_cfg_yt.h"
#include "platform/bytes.h"
#include "platform/diag_log.h"
#include "platform/shell.h"
#include "ui/message_box.h"
#include "ui/text_resources.h"

namespace vela::console {

using platform::g_DiagLog;
using platform::MessageAnswer;
using platform::MessageButtons;

namespace {

constexpr char kInfoSection[] = "DVSInfo";
constexpr char kStateSection[] = "DvsState";
constexpr char kDefaultCaption[] = "";  // result messages carry the framework's caption

// Upgrade states of NetSDK ordinal 35.
constexpr int32_t kUpgradeDone = 1;
constexpr int32_t kUpgradeFailed = 3;
constexpr int32_t kUpgradeType = 0;

}  // namespace

CMaintenanceActions::CMaintenanceActions(CDvsCfgDlg& console)
    : m_console(console), m_fnOpenUrl([](const std::string& url) { platform::OpenUrl(url); }) {}

void CMaintenanceActions::Attach() {
    m_nUpgradeToken = RegisterUpgradeWindow(m_console.GetSafeHwnd());
}

void CMaintenanceActions::Detach() {
    UnregisterUpgradeWindow(m_nUpgradeToken);
    m_nUpgradeToken = 0;
}

std::string CMaintenanceActions::Text(const char* section, const char* key,
                                      const char* fallback) const {
    return ui::ReadIniText(ui::g_ResourcePaths.textResFile, section, key, fallback,
                           ui::kMessageCapacity);
}

void CMaintenanceActions::ShowResult(const char* section, const char* key, const char* fallback) {
    ui::ShowMessage(m_console.GetSafeHwnd(), Text(section, key, fallback), kDefaultCaption,
                    MessageButtons::Ok);
}

void CMaintenanceActions::OnSave() {
    m_console.BeginBusy();
    for (const PageRow& row : kPageTable)
        if (m_console.PageVisited(row.number))
            m_console.Page(row.number)->UpdateRecords(1, pages::kKeepPreview);
    m_bSaved = true;
    // The PTZ page's presets, tours, plans and speeds live in the preset file, not the device.
    if (auto* ptz = dynamic_cast<pages::CDvsCfgYt*>(m_console.Page(kPtzPage)))
        ptz->SavePresetData();
    device::CDvsDevice* device = m_console.Device();
    const int result = device ? device->SaveRecords() : -1;
    m_console.EndBusy();

    if (result < 0) {
        g_DiagLog.Write("Save configuration failed!");
        ShowResult(kInfoSection, "pt3");
        return;
    }
    ApplyLoginParams();
    if (result == 1) {
        ShowResult(kInfoSection, "pt1");
        return;
    }
    AskReboot();
}

// The login a changed address or port asks for is kept for GetServerInfo; no new login.
void CMaintenanceActions::ApplyLoginParams() {
    device::CDvsDevice* device = m_console.Device();
    if (!device || !m_console.ServerPage().LoginParamsChanged()) return;
    std::string user, password, address;
    int port = 0;
    m_console.ServerPage().GetLoginParams(user, password, address, port);
    device->SetLoginParams(user.c_str(), password.c_str(), address.c_str(), port);
}

void CMaintenanceActions::AskReboot() {
    if (ui::ShowMessage(m_console.GetSafeHwnd(), Text(kInfoSection, "NeedReboot"), "",
                        MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    Reboot();
}

void CMaintenanceActions::Reboot() {
    m_console.EnableButtons(false);
    device::CDvsDevice* device = m_console.Device();
    const int accepted = device ? device->RebootDevice() : 0;
    ShowResult(kInfoSection, accepted ? "RebootSuc" : "RebootFai");
    m_console.EnableButtons(true);
}

void CMaintenanceActions::OnRestart() {
    if (ui::ShowMessage(m_console.GetSafeHwnd(),
                        Text(kStateSection, "MessageBoxTip1", "Reboot camera"), "",
                        MessageButtons::OkCancel) != MessageAnswer::Ok)
        return;
    m_console.OnPageButton(kServerPage);
    m_console.ServerPage().ClearFields();
    Reboot();
}

void CMaintenanceActions::OnUpgrade() {
    m_console.BeginBusy();
    m_console.OnPageButton(kServerPage);
    const std::optional<std::string> path =
        ui::AskOpenFile(m_console.GetSafeHwnd(), kUpgradeFilter, kUpgradeInitialName);
    if (!path) {
        m_console.EndBusy();
        return;
    }
    if (path->size() > kMaxFirmwarePath) {
        m_console.EndBusy();
        ui::ShowMessage(m_console.GetSafeHwnd(), kPathTooLongText, kDefaultCaption,
                        MessageButtons::Ok);
        return;
    }

    device::NetSdk& sdk = device::ProcessNetSdk();
    const int32_t upgrade = sdk.Upgrade(m_console.LoginHandle(), path->c_str(), kUpgradeType,
                                        OnUpgradeProgress, m_nUpgradeToken);
    if (sdk.GetUpgradeState(upgrade) == kUpgradeFailed) {
        g_DiagLog.Write("H264_DVR_Upgrade() Fail....");
        m_console.EndBusy();
        ShowResult(kStateSection, "UpdateFail");
        return;
    }
    const bool done = sdk.GetUpgradeState(upgrade) == kUpgradeDone;
    m_console.EndBusy();
    if (done) {
        ShowResult(kStateSection, "UpdateSucc");
        return;
    }
    // Still running: the progress callback reports the end, the watch a stall.
    m_nWatchedUpgrade = upgrade;
    if (upgrade == m_nAbandonedUpgrade) m_nAbandonedUpgrade = kNoUpgrade;  // a reused handle
    WatchUpgrade(m_nUpgradeToken, upgrade);
}

bool CMaintenanceActions::OnUpgradeMessage(int message, intptr_t wparam) {
    if (message == kUpgradeFinishedMessage) {
        // The end of an upgrade given up as stalled comes too late to be believed.
        if (wparam == m_nAbandonedUpgrade) return true;
        if (wparam == m_nWatchedUpgrade) StopWatchingUpgrade();
        m_console.EndBusy();
        ShowResult(kStateSection, "UpdateSucc");
        return true;
    }
    if (message == kUpgradeStalledMessage) {
        if (wparam != m_nWatchedUpgrade) return true;  // it ended while the message was queued
        StopWatchingUpgrade();
        m_nAbandonedUpgrade = wparam;
        g_DiagLog.Write("Upgrade stalled: no progress for %u ms", UpgradeStallTimeout());
        m_console.EndBusy();
        ShowResult(kStateSection, "UpdateFail");
        return true;
    }
    return false;
}

void CMaintenanceActions::StopWatchingUpgrade() {
    EndUpgradeWatch(m_nUpgradeToken);
    m_nWatchedUpgrade = kNoUpgrade;
}

void CMaintenanceActions::OnTimeAdjust() {
    if (ui::ShowMessage(m_console.GetSafeHwnd(),
                        Text(kStateSection, "MessageBoxTip0", "Adjust time"), "",
                        MessageButtons::OkCancel) != MessageAnswer::Ok)
        return;
    device::CDvsDevice* device = m_console.Device();
    const bool set = device && device->SetDeviceTime() != 0;
    if (set)
        ShowResult(kInfoSection, "SetTimeSuc", "Successfully!");
    else
        ShowResult(kInfoSection, "SetTimeFail", "Failed!");
}

// The live record is read, so an edited but unsaved address or port is what opens.
void CMaintenanceActions::OnIESetup() {
    using namespace device::fields;  // NOLINT(google-build-using-namespace): record 20's fields
    device::CDvsDevice* device = m_console.Device();
    const uint8_t* group = device ? device->GetRecordGroup(kNetworkGroup) : nullptr;
    if (!group) return;
    const uint8_t* record = group + kNetworkOffset;
    char url[64];
    std::snprintf(url, sizeof(url), "http://%d.%d.%d.%d:%d", ReadU8(record, kAddressOffset),
                  ReadU8(record, kAddressOffset + 1), ReadU8(record, kAddressOffset + 2),
                  ReadU8(record, kAddressOffset + 3), ReadI32(record, kHttpPortOffset));
    m_fnOpenUrl(url);
}

}  // namespace vela::console
