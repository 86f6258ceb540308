// The controls of shown dialogs by their INI names, and one text line per control describing
// its state: what the scripted console's `dump` writes and its commands look up. UI thread.
#pragma once

#include <string>
#include <vector>

#include "platform/window_system.h"

namespace vela::ui {

struct NamedControl {
    std::string section;  // the dialog's INI section
    std::string key;      // the control's ControlPos key
    platform::WindowHandle window = nullptr;
};

// The controls with a key of each dialog, in template order, dialog by dialog. A dialog made
// from a template without a section (the play window) is itself named by its parent's section
// and its window text.
std::vector<NamedControl> ListNamedControls(const std::vector<platform::WindowHandle>& dialogs);

// The dialog and its shown descendant dialogs, the dialog first, then depth first.
std::vector<platform::WindowHandle> ShownDialogTree(platform::WindowHandle dialog);

// The control named KEY, or Section.Key to be exact, in the dialogs; null when none.
platform::WindowHandle FindNamedControl(const std::vector<platform::WindowHandle>& dialogs,
                                        const std::string& name);

// "edit", "static", "button", "check", "radio", "combo", "ip", "time", "list", "group",
// "window".
const char* KindName(platform::WindowKind kind);

// Section.Key, kind=, enabled=, visible=, text= and, where they apply, checked=, sel=,
// items=, rows=, tab-separated.
std::string DumpLine(const NamedControl& control);

}  // namespace vela::ui
