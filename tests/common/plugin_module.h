// The shipped plug-in module, loaded by path from this program's folder as a host loads it,
// with its seven entry points by their undecorated names.
#pragma once

#include "platform/kernel.h"
#include "plugin/VelaSetupDll.h"

namespace vela::testing {

struct PluginModule {
    platform::Library* library = nullptr;
    vela_setup::InitFn init = nullptr;
    vela_setup::UnInitFn unInit = nullptr;
    vela_setup::SetupServerFn setupServer = nullptr;
    vela_setup::GetServerInfoFn getServerInfo = nullptr;
    vela_setup::ReadPresetInfoFn readPresetInfo = nullptr;
    vela_setup::ReadPresetPlanFn readPresetPlan = nullptr;
    vela_setup::SetMotionAlarmStateFn setMotionAlarmState = nullptr;

    bool Complete() const {
        return init && unInit && setupServer && getServerInfo && readPresetInfo && readPresetPlan &&
               setMotionAlarmState;
    }
};

// Loaded once and never unloaded, as a host keeps it: the plug-in keeps NetSDK loaded for the
// life of the process, so unloading the module would strand that library.
inline const PluginModule& ThePlugin() {
    static const PluginModule plugin = [] {
        PluginModule p;
        p.library =
            platform::OpenLibrary(platform::JoinPath(platform::HostFolder(),
                                                     platform::LibraryFileName("VelaSetupDll")))
                .release();
        if (!p.library) return p;
        auto entry = [&p](const char* name) { return p.library->Symbol(name); };
        p.init = reinterpret_cast<vela_setup::InitFn>(entry("Init"));
        p.unInit = reinterpret_cast<vela_setup::UnInitFn>(entry("UnInit"));
        p.setupServer = reinterpret_cast<vela_setup::SetupServerFn>(entry("SetupServer"));
        p.getServerInfo = reinterpret_cast<vela_setup::GetServerInfoFn>(entry("GetServerInfo"));
        p.readPresetInfo = reinterpret_cast<vela_setup::ReadPresetInfoFn>(entry("ReadPresetInfo"));
        p.readPresetPlan = reinterpret_cast<vela_setup::ReadPresetPlanFn>(entry("ReadPresetPlan"));
        p.setMotionAlarmState =
            reinterpret_cast<vela_setup::SetMotionAlarmStateFn>(entry("SetMotionAlarmState"));
        return p;
    }();
    return plugin;
}

}  // namespace vela::testing
