#include "plugin/vela_dvs_config.h"

#include "platform/diag_log.h"
#include "platform/kernel.h"
#include "plugin/vela_dvs_manager.h"
#include "ui/skin_values.h"
#include "ui/text_resources.h"

namespace vela::plugin {

CVelaDVSConfig* g_pDVSConfig = nullptr;

CVelaDVSConfig::CVelaDVSConfig(const std::string& hostFolder, int32_t a, int32_t b, int32_t c) {
    ui::ResourcePaths& paths = ui::g_ResourcePaths;
    // Without any language folder the plug-in still runs, with blank texts.
    ui::SelectLanguageFolder(hostFolder, paths);
    ui::ComposeResourceFiles(paths);
    g_pDVSManager = new CVelaDVSManager(paths, a, b, c);
    platform::g_DiagLog.Open(platform::JoinPath(paths.hostFolder, kLogFileName),
                             paths.systemSettingsFile);
    ui::g_SkinSettings = ui::ReadSkinSettings(paths.staticButtonTextFile);
}

CVelaDVSConfig::~CVelaDVSConfig() {
    CVelaDVSManager* manager = g_pDVSManager;
    g_pDVSManager = nullptr;  // withdrawn before it goes
    delete manager;
    platform::g_DiagLog.Write("~CVelaDVSConfig() end");
}

}  // namespace vela::plugin
