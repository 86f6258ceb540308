// The console's own commands of the script language: `page NAME` and `button NAME` press that
// button of the console, as a person's click would (a disabled button ignores it). UI thread.
#pragma once

#include "console/dvs_cfg_dlg.h"
#include "ui/console_script.h"

namespace vela::console {

// Adds `page` and `button` to the session; they act on this console, which must outlive the
// session's use of them (the modal run). Scripted consoles also transcribe opened URLs.
void AddConsoleCommands(ui::ScriptSession& session, CDvsCfgDlg& console);

}  // namespace vela::console
