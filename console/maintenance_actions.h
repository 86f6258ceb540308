// The console's maintenance actions: Save, Restart, Upgrade, Time adjust and IE Setup, with the
// state a running upgrade needs. UI thread; the upgrade's end or stall arrives as a message
// the console's window passes on to OnUpgradeMessage.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace vela::console {

class CDvsCfgDlg;

// Texts and the firmware filter of the maintenance actions.
constexpr char kUpgradeFilter[] = "(digicap)|digicap|(*.dav)|*.dav|(*.hex)|*.hex|(*.bin)|*.bin||";
constexpr char kUpgradeInitialName[] = "digicap";
constexpr intptr_t kNoUpgrade = -1;      // names no upgrade handle
constexpr size_t kMaxFirmwarePath = 99;  // characters; a longer chosen path is refused
constexpr char kPathTooLongText[] = "File Path too long ";

class CMaintenanceActions {
  public:
    // The console owns this object and outlives it.
    explicit CMaintenanceActions(CDvsCfgDlg& console);

    // Once the console's window exists: upgrade progress is relayed to it from now on.
    void Attach();
    // Upgrade progress reaches the window no more (closing, or the window going away).
    void Detach();

    void OnSave();
    void OnRestart();
    void OnUpgrade();
    void OnTimeAdjust();
    void OnIESetup();
    // An upgrade relay message; false when the message is not one.
    bool OnUpgradeMessage(int message, intptr_t upgrade);

    bool SettingsSaved() const { return m_bSaved; }
    // Scripted consoles record opened URLs instead of starting a browser.
    using UrlOpener = std::function<void(const std::string& url)>;
    void SetUrlOpener(UrlOpener opener) { m_fnOpenUrl = std::move(opener); }

  private:
    void ApplyLoginParams();
    void AskReboot();
    void Reboot();
    void ShowResult(const char* section, const char* key, const char* fallback = "");
    std::string Text(const char* section, const char* key, const char* fallback = "") const;
    void StopWatchingUpgrade();

    CDvsCfgDlg& m_console;
    bool m_bSaved = false;                      // a Save ran; the manager's saved flag
    uintptr_t m_nUpgradeToken = 0;              // the console's name in the upgrade relay
    intptr_t m_nWatchedUpgrade = kNoUpgrade;    // the running upgrade the console waits for
    intptr_t m_nAbandonedUpgrade = kNoUpgrade;  // the last upgrade reported as stalled
    UrlOpener m_fnOpenUrl;
};

}  // namespace vela::console
