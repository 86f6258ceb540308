#include "console/console_commands.h"

#include <string>

namespace vela::console {

namespace {

struct NamedButton {
    const char* name;
    ButtonSlot slot;
};

constexpr NamedButton kPageButtons[] = {
    {"Server", kBtnServer}, {"Channel", kBtnChannel}, {"PTZ", kBtnPtz},
    {"Sensor", kBtnSensor}, {"Alarm", kBtnAlarm},
};

constexpr NamedButton kActionButtons[] = {
    {"Save", kBtnSave},       {"Restart", kBtnRestart},
    {"Upgrade", kBtnUpgrade}, {"TimeAdjust", kBtnTimeAdjust},
    {"IESetup", kBtnIESetup}, {"Exit", kBtnExit},
};

template <size_t N>
ui::ScriptSession::Command ClickCommand(CDvsCfgDlg& console, const NamedButton (&table)[N],
                                        const std::string& usage) {
    return [&console, &table, usage](ui::ScriptSession&, const std::string& name) {
        for (const NamedButton& button : table) {
            if (name != button.name) continue;
            ui::CSkinButton& skinButton = console.Button(button.slot);
            if (!skinButton.IsWindow()) return std::string("the console is closed");
            platform::TheWindowSystem().Click(skinButton.GetSafeHwnd());
            return std::string();
        }
        return usage;
    };
}

}  // namespace

void AddConsoleCommands(ui::ScriptSession& session, CDvsCfgDlg& console) {
    session.AddCommand("page",
                       ClickCommand(console, kPageButtons, "page Server|Channel|PTZ|Sensor|Alarm"));
    session.AddCommand("button",
                       ClickCommand(console, kActionButtons,
                                    "button Save|Restart|Upgrade|TimeAdjust|IESetup|Exit"));
    console.SetUrlOpener([&session](const std::string& url) { session.Transcript({"url", url}); });
}

}  // namespace vela::console
