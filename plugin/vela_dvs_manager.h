// The process-wide device manager: NetSDK start-up and shut-down, the device connection of
// the last SetupServer, the settings-saved flag and the preset folder. UI thread only; the
// host's preset readers use the preset folder without it (plugin/exports.cpp).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "device/dvs_device.h"
#include "ui/text_resources.h"

namespace vela::plugin {

constexpr int32_t kConnectWaitMs = 6000;  // NetSDK connect wait
constexpr int32_t kConnectTries = 1;

class CVelaDVSManager {
  public:
    // Starts NetSDK (ordinal 1 only when the ControlPos file's [DvsRunControl]
    // "Excu_CLIENT_Init" is not 0, then 8, then 4) and creates the preset folder. The three
    // host values are kept and never read.
    CVelaDVSManager(const ui::ResourcePaths& paths, int32_t hostValue1, int32_t hostValue2,
                    int32_t hostValue3);
    // Ends the device connection (logout), then shuts NetSDK down (ordinal 2, always).
    virtual ~CVelaDVSManager();
    CVelaDVSManager(const CVelaDVSManager&) = delete;
    CVelaDVSManager& operator=(const CVelaDVSManager&) = delete;

    // Replaces the device connection with a new one and logs in: 1 on a valid login, else 0.
    // The connection stays after a failed login so GetServerInfo reports the attempt.
    int InitServer(const char* address, const char* loginAddress, int port, const char* user,
                   const char* password, int ddnsMode, const char* ddnsServer, int ddnsPort);
    int ShowConsole();
    void SetSaved(int32_t saved) { m_bSaved = saved; }
    int32_t Saved() const { return m_bSaved; }
    int GetServerInfo(char* addressOut, uint8_t* info) const;
    int SetMotionAlarmState(int32_t channel, int32_t reserved, int32_t state);

    const std::string& PresetFolder() const { return m_strPresetFolder; }
    device::CDvsDevice* Device() const { return m_pDevice.get(); }

  private:
    std::unique_ptr<device::CDvsDevice> m_pDevice;
    int32_t m_bSaved = 0;  // set by a console's Save, never reset
    int32_t m_HostValue1;
    int32_t m_HostValue2;
    int32_t m_HostValue3;
    std::string m_strPresetFolder;
    std::string m_strAddress;
};

// The one manager while the plug-in is initialised, else null. The root object publishes it
// once it is built and withdraws it before destroying it.
extern CVelaDVSManager* g_pDVSManager;

}  // namespace vela::plugin
