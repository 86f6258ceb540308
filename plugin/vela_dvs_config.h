// The plug-in's root object: constructing it is the whole start-up, destroying it the whole
// shut-down. UI thread only.
#pragma once

#include <cstdint>
#include <string>

namespace vela::plugin {

class CVelaDVSConfig {
  public:
    // Start-up in this order: language folder and resource paths under hostFolder, the device
    // manager (NetSDK start-up, preset folder), the diagnostic log, the SkinSettings.
    CVelaDVSConfig(const std::string& hostFolder, int32_t a, int32_t b, int32_t c);
    // Destroys the manager (device connection, NetSDK shut-down); the log stays open.
    virtual ~CVelaDVSConfig();
    CVelaDVSConfig(const CVelaDVSConfig&) = delete;
    CVelaDVSConfig& operator=(const CVelaDVSConfig&) = delete;
};

// The one root object between Init and UnInit, else null.
extern CVelaDVSConfig* g_pDVSConfig;

constexpr char kLogFileName[] = "VelaSetupDll.txt";

}  // namespace vela::plugin
