// The console's maintenance actions: Save, Restart, Upgrade, Time adjust and IE Setup. UI
// thread; the upgrade's completion arrives as a message posted by the upgrade relay.
#include <cstdio>

#include "console/dvs_cfg_dlg.h"
#include "console/upgrade_relay.h"
#include "device/dvs_device.h"
#include "device/record_fields.h"
#include "device/records.h"
#include "platform/bytes.h"
#include "platform/diag_log.h"
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

std::string CDvsCfgDlg::Text(const char* section, const char* key, const char* fallback) const {
    return ui::ReadIniText(ui::g_ResourcePaths.textResFile, section, key, fallback,
                           ui::kMessageCapacity);
}

void CDvsCfgDlg::ShowResult(const char* section, const char* key, const char* fallback) {
    ui::ShowMessage(m_hWnd, Text(section, key, fallback), kDefaultCaption, MessageButtons::Ok);
}

void CDvsCfgDlg::SwitchToServerPage() {
    if (m_nCurrentPage != kServerPage) OnPageButton(kServerPage);
}

void CDvsCfgDlg::OnSave() {
    BeginBusy();
    for (const PageRow& row : kPageTable)
        if (PageVisited(row.number)) Page(row.number)->UpdateRecords(1, pages::kKeepPreview);
    m_bSaved = true;
    // The PTZ page's own pre-save step (presets, tours, plans and the preset file) runs here
    // once that page exists; the place holding it now has nothing to keep.
    const int result = m_pDevice ? m_pDevice->SaveRecords() : -1;
    EndBusy();

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
void CDvsCfgDlg::ApplyLoginParams() {
    if (!m_pDevice || !ServerPage().LoginParamsChanged()) return;
    std::string user, password, address;
    int port = 0;
    ServerPage().GetLoginParams(user, password, address, port);
    m_pDevice->SetLoginParams(user.c_str(), password.c_str(), address.c_str(), port);
}

void CDvsCfgDlg::AskReboot() {
    if (ui::ShowMessage(m_hWnd, Text(kInfoSection, "NeedReboot"), "", MessageButtons::YesNo) !=
        MessageAnswer::Yes)
        return;
    Reboot();
}

void CDvsCfgDlg::Reboot() {
    EnableButtons(false);
    const int accepted = m_pDevice ? m_pDevice->RebootDevice() : 0;
    ShowResult(kInfoSection, accepted ? "RebootSuc" : "RebootFai");
    EnableButtons(true);
}

void CDvsCfgDlg::OnRestart() {
    if (ui::ShowMessage(m_hWnd, Text(kStateSection, "MessageBoxTip1", "Reboot camera"), "",
                        MessageButtons::OkCancel) != MessageAnswer::Ok)
        return;
    SwitchToServerPage();
    ServerPage().ClearFields();
    Reboot();
}

void CDvsCfgDlg::OnUpgrade() {
    BeginBusy();
    SwitchToServerPage();
    const std::optional<std::string> path =
        ui::AskOpenFile(m_hWnd, kUpgradeFilter, kUpgradeInitialName);
    if (!path) {
        EndBusy();
        return;
    }
    if (path->size() > kMaxFirmwarePath) {
        EndBusy();
        ui::ShowMessage(m_hWnd, kPathTooLongText, kDefaultCaption, MessageButtons::Ok);
        return;
    }

    device::NetSdk& sdk = device::ProcessNetSdk();
    const int32_t upgrade =
        sdk.Upgrade(m_hLogin, path->c_str(), kUpgradeType, OnUpgradeProgress, m_nUpgradeToken);
    if (sdk.GetUpgradeState(upgrade) == kUpgradeFailed) {
        g_DiagLog.Write("H264_DVR_Upgrade() Fail....");
        EndBusy();
        ShowResult(kStateSection, "UpdateFail");
        return;
    }
    const bool done = sdk.GetUpgradeState(upgrade) == kUpgradeDone;
    EndBusy();
    if (done) {
        ShowResult(kStateSection, "UpdateSucc");
        return;
    }
    // Still running: the progress callback reports the end, the watch a stall.
    m_nWatchedUpgrade = upgrade;
    if (upgrade == m_nAbandonedUpgrade) m_nAbandonedUpgrade = kNoUpgrade;  // a reused handle
    WatchUpgrade(m_nUpgradeToken, upgrade);
}

bool CDvsCfgDlg::OnUserMessage(int message, intptr_t wparam, intptr_t /*lparam*/) {
    if (message == kUpgradeFinishedMessage) {
        // The end of an upgrade given up as stalled comes too late to be believed.
        if (wparam == m_nAbandonedUpgrade) return true;
        if (wparam == m_nWatchedUpgrade) StopWatchingUpgrade();
        EndBusy();
        ShowResult(kStateSection, "UpdateSucc");
        return true;
    }
    if (message == kUpgradeStalledMessage) {
        if (wparam != m_nWatchedUpgrade) return true;  // it ended while the message was queued
        StopWatchingUpgrade();
        m_nAbandonedUpgrade = wparam;
        g_DiagLog.Write("Upgrade stalled: no progress for %u ms", UpgradeStallTimeout());
        EndBusy();
        ShowResult(kStateSection, "UpdateFail");
        return true;
    }
    return false;
}

void CDvsCfgDlg::StopWatchingUpgrade() {
    EndUpgradeWatch(m_nUpgradeToken);
    m_nWatchedUpgrade = kNoUpgrade;
}

void CDvsCfgDlg::OnTimeAdjust() {
    if (ui::ShowMessage(m_hWnd, Text(kStateSection, "MessageBoxTip0", "Adjust time"), "",
                        MessageButtons::OkCancel) != MessageAnswer::Ok)
        return;
    const bool set = m_pDevice && m_pDevice->SetDeviceTime() != 0;
    if (set)
        ShowResult(kInfoSection, "SetTimeSuc", "Successfully!");
    else
        ShowResult(kInfoSection, "SetTimeFail", "Failed!");
}

// The live record is read, so an edited but unsaved address or port is what opens.
void CDvsCfgDlg::OnIESetup() {
    using namespace device::fields;  // NOLINT(google-build-using-namespace): record 20's fields
    const uint8_t* group = m_pDevice ? m_pDevice->GetRecordGroup(kNetworkGroup) : nullptr;
    if (!group) return;
    const uint8_t* record = group + kNetworkOffset;
    char url[64];
    std::snprintf(url, sizeof(url), "http://%d.%d.%d.%d:%d", ReadU8(record, kAddressOffset),
                  ReadU8(record, kAddressOffset + 1), ReadU8(record, kAddressOffset + 2),
                  ReadU8(record, kAddressOffset + 3), ReadI32(record, kHttpPortOffset));
    m_fnOpenUrl(url);
}

}  // namespace vela::console
