// The seven exports. Each is a thin check that the plug-in is initialised, then a forward to
// the root object's manager; no exception crosses this boundary. Host UI thread, except the
// two preset readers, which any host thread may call and which therefore never touch the root
// objects: they read the preset folder beside the host, which Init and UnInit do not change.
#include <atomic>
#include <new>
#include <string>

#include "device/server_info_record.h"
#include "pages/ptz/preset_file.h"
#include "platform/abi.h"
#include "platform/kernel.h"
#include "plugin/VelaSetupDll.h"
#include "plugin/vela_dvs_config.h"
#include "plugin/vela_dvs_manager.h"

// Windows names the exports in the module definition file (undecorated); POSIX marks them
// visible and the version script hides everything else.
#if defined(_WIN32)
#define VELA_PLUGIN_EXPORT
#else
#define VELA_PLUGIN_EXPORT VELA_EXPORT
#endif

namespace {

namespace si = vela_setup::server_info;
namespace pi = vela_setup::preset_info;
static_assert(si::kSize == vela::device::kServerInfoRecordSize &&
                  si::kPassword == vela::device::kServerInfoPasswordOffset &&
                  si::kPasswordWidth == vela::device::kServerInfoPasswordWidth,
              "the host header and the device connection share one ServerInfoRecord");
static_assert(pi::kSize == vela::ptz::preset_info_record::kSize &&
                  vela_setup::plan_item::kSize == vela::ptz::plan_item::kSize,
              "the host header and the preset file share the output records");

using vela::plugin::g_pDVSConfig;
using vela::plugin::g_pDVSManager;

// True from the end of a successful Init to the start of UnInit; the only state of the plug-in
// the preset readers look at. A read that began before UnInit still reads a whole file or none.
std::atomic<bool> g_bInitialised{false};

// UI thread. Runs body when initialised; 0 otherwise or when anything throws.
template <typename Body>
int32_t Forward(Body body) {
    if (!g_pDVSConfig || !g_pDVSManager) return 0;
    try {
        return body(*g_pDVSManager);
    } catch (...) {
        return 0;
    }
}

// Any host thread. Runs read on the preset folder when initialised; 0 otherwise or on a throw.
template <typename Read>
int32_t ReadPresets(Read read) {
    if (!g_bInitialised) return 0;
    try {
        return read(vela::ptz::PresetFolderPath(vela::platform::HostFolder()));
    } catch (...) {
        return 0;
    }
}

}  // namespace

extern "C" {

// Init and UnInit: host UI thread.
VELA_PLUGIN_EXPORT int32_t VELASETUP_CALL Init(int32_t a, int32_t b, int32_t c) {
    if (g_pDVSConfig) return 1;
    try {
        g_pDVSConfig = new vela::plugin::CVelaDVSConfig(vela::platform::HostFolder(), a, b, c);
    } catch (...) {
        return 0;
    }
    g_bInitialised = true;
    return 1;
}

VELA_PLUGIN_EXPORT int32_t VELASETUP_CALL UnInit() {
    if (!g_pDVSConfig) return 0;
    g_bInitialised = false;
    delete g_pDVSConfig;
    g_pDVSConfig = nullptr;
    return 1;
}

VELA_PLUGIN_EXPORT int32_t VELASETUP_CALL SetupServer(const char* address, const char* loginAddress,
                                                      int32_t port, const char* user,
                                                      const char* password, int32_t ddnsMode,
                                                      const char* ddnsServer, int32_t ddnsPort) {
    return Forward([&](vela::plugin::CVelaDVSManager& manager) {
        if (!manager.InitServer(address, loginAddress, port, user, password, ddnsMode, ddnsServer,
                                ddnsPort)) {
            return 0;
        }
        manager.ShowConsole();
        return manager.Saved();
    });
}

VELA_PLUGIN_EXPORT int32_t VELASETUP_CALL GetServerInfo(char* addressOut, uint8_t* serverInfo) {
    return Forward([&](vela::plugin::CVelaDVSManager& manager) {
        return manager.GetServerInfo(addressOut, serverInfo);
    });
}

VELA_PLUGIN_EXPORT int32_t VELASETUP_CALL ReadPresetInfo(const char* address, int32_t channel,
                                                         uint8_t* records, int32_t* count,
                                                         int32_t* speed) {
    return ReadPresets([&](const std::string& folder) {
        return vela::ptz::ReadPresetInfo(folder, address, channel, records, count, speed);
    });
}

VELA_PLUGIN_EXPORT int32_t VELASETUP_CALL ReadPresetPlan(const char* address, int32_t channel,
                                                         uint8_t* items, int32_t* count,
                                                         int32_t* homePreset, int32_t* homeTime) {
    return ReadPresets([&](const std::string& folder) {
        return vela::ptz::ReadPresetPlan(folder, address, channel, items, count, homePreset,
                                         homeTime);
    });
}

VELA_PLUGIN_EXPORT int32_t VELASETUP_CALL SetMotionAlarmState(int32_t channel, int32_t reserved,
                                                              int32_t state) {
    return Forward([&](vela::plugin::CVelaDVSManager& manager) {
        return manager.SetMotionAlarmState(channel, reserved, state);
    });
}

}  // extern "C"
