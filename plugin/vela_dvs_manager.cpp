#include "plugin/vela_dvs_manager.h"

#include <new>

#include "console/console_commands.h"
#include "console/dvs_cfg_dlg.h"
#include "device/netsdk.h"
#include "pages/ptz/preset_file.h"
#include "platform/diag_log.h"
#include "platform/kernel.h"
#include "ui/skin_values.h"

namespace vela::plugin {

namespace {

constexpr char kRunControlSection[] = "DvsRunControl";
constexpr char kClientInitKey[] = "Excu_CLIENT_Init";

using platform::g_DiagLog;

// NetSDK threads. Device messages and disconnects are not acted on.
void VELA_STDCALL OnDisconnect(int32_t, const char*, int32_t, uintptr_t) {}
int32_t VELA_STDCALL OnMessage(int32_t, const char*, uint32_t, uintptr_t) {
    return 0;
}

}  // namespace

CVelaDVSManager* g_pDVSManager = nullptr;

CVelaDVSManager::CVelaDVSManager(const ui::ResourcePaths& paths, int32_t hostValue1,
                                 int32_t hostValue2, int32_t hostValue3)
    : m_HostValue1(hostValue1), m_HostValue2(hostValue2), m_HostValue3(hostValue3) {
    device::NetSdk& sdk = device::ProcessNetSdk();
    std::string clientInit = ui::ReadIniText(paths.controlPosFile, kRunControlSection,
                                             kClientInitKey, "", ui::kCaptionCapacity);
    auto user = reinterpret_cast<uintptr_t>(this);
    if (ui::ParseLenientInt(clientInit.c_str()) != 0) sdk.Init(OnDisconnect, user);
    sdk.SetMessageCallback(OnMessage, user);
    sdk.SetConnectTime(kConnectWaitMs, kConnectTries);

    m_strPresetFolder = ptz::PresetFolderPath(paths.hostFolder);
    platform::CreateFolder(m_strPresetFolder);
}

CVelaDVSManager::~CVelaDVSManager() {
    m_pDevice.reset();
    device::ProcessNetSdk().Cleanup();
}

int CVelaDVSManager::InitServer(const char* address, const char* loginAddress, int port,
                                const char* user, const char* password, int ddnsMode,
                                const char* ddnsServer, int ddnsPort) {
    m_pDevice.reset();  // the old connection logs out before the new one exists
    int result = 0;
    m_pDevice.reset(new (std::nothrow) device::CDvsDevice());
    if (m_pDevice) {
        result = m_pDevice->Connect(address, loginAddress, port, user, password, ddnsMode,
                                    ddnsServer, ddnsPort);
    }
    m_strAddress = address ? address : "";
    g_DiagLog.Write("CVelaDVSManager::InitServer() Result: %d\n", result);
    return result;
}

// The dialog templates are compiled into the plug-in, so no resource handle needs switching.
// A scripted console (the environment names a script or a transcript) answers its own message
// boxes and file dialogs; the session ends before the console object does. The console leaves
// g_pDvsCfgDlg itself, under the draw lock, when it closes.
int CVelaDVSManager::ShowConsole() {
    console::CDvsCfgDlg console(m_pDevice.get());
    {
        std::unique_ptr<ui::ScriptSession> script = ui::ScriptSession::FromEnvironment();
        if (script) console::AddConsoleCommands(*script, console);
        console.DoModal();
    }
    if (console.SettingsSaved()) SetSaved(1);
    return 1;
}

int CVelaDVSManager::GetServerInfo(char* addressOut, uint8_t* info) const {
    if (!m_pDevice || !addressOut || !info) return 0;
    return m_pDevice->GetServerInfo(addressOut, info);
}

int CVelaDVSManager::SetMotionAlarmState(int32_t channel, int32_t, int32_t state) {
    g_DiagLog.Write("SetMotionAlarmState() at VelaDvsDll !");
    // A host thread: the draw lock keeps the console from withdrawing (and its pages from
    // going) while the state is handed over.
    preview::DrawLockGuard guard;
    if (!console::g_pDvsCfgDlg) return 0;
    g_DiagLog.Write("CVelaDVSManager::SetMotionAlarmState() Is Running !");
    console::g_pDvsCfgDlg->ShowMotionAlarm(channel, state);
    return 1;
}

}  // namespace vela::plugin
