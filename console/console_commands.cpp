#include "console/console_commands.h"

#include <string>

#include "console/console_buttons.h"
#include "console/page_table.h"

namespace vela::console {

namespace {

// Presses the console's button in a slot, as a person's click would.
std::string Click(CDvsCfgDlg& console, ButtonSlot slot) {
    ui::CSkinButton& button = console.Button(slot);
    if (!button.IsWindow()) return "the console is closed";
    platform::TheWindowSystem().Click(button.GetSafeHwnd());
    return std::string();
}

std::string Usage(const char* command, const std::string& names) {
    return std::string(command) + " " + names;
}

}  // namespace

void AddConsoleCommands(ui::ScriptSession& session, CDvsCfgDlg& console) {
    std::string pageNames;
    for (const PageRow& row : kPageTable)
        pageNames += (pageNames.empty() ? "" : "|") + std::string(row.scriptName);
    session.AddCommand("page", [&console, pageNames](ui::ScriptSession&, const std::string& name) {
        for (const PageRow& row : kPageTable)
            if (name == row.scriptName) return Click(console, row.button);
        return Usage("page", pageNames);
    });

    std::string actionNames;
    for (const ActionButton& action : kActionButtons)
        actionNames += (actionNames.empty() ? "" : "|") + std::string(action.scriptName);
    session.AddCommand("button",
                       [&console, actionNames](ui::ScriptSession&, const std::string& name) {
                           for (const ActionButton& action : kActionButtons)
                               if (name == action.scriptName) return Click(console, action.slot);
                           return Usage("button", actionNames);
                       });
    console.Maintenance().SetUrlOpener([&session](const std::string& url) {
        session.Transcript({"url", url});
    });
}

}  // namespace vela::console
