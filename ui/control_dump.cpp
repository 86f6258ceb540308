#include "ui/control_dump.h"

#include <algorithm>

#include "resources/dialog_template.h"

namespace vela::ui {

using platform::WindowHandle;
using platform::WindowKind;

namespace {

platform::WindowSystem& System() {
    return platform::TheWindowSystem();
}

// A field of a tab-separated line: tabs and line breaks would split it.
std::string Field(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\t' || c == '\n' || c == '\r') {
            out += ' ';
        } else {
            out += c;
        }
    }
    return out;
}

void AddShownDialogs(WindowHandle window, std::vector<WindowHandle>& out) {
    for (WindowHandle child : System().GetChildren(window)) {
        if (System().GetKind(child) != WindowKind::Dialog || !System().IsVisible(child)) continue;
        out.push_back(child);
        AddShownDialogs(child, out);
    }
}

}  // namespace

std::vector<WindowHandle> ShownDialogTree(WindowHandle dialog) {
    std::vector<WindowHandle> dialogs;
    if (!System().IsWindow(dialog)) return dialogs;
    dialogs.push_back(dialog);
    AddShownDialogs(dialog, dialogs);
    return dialogs;
}

std::vector<NamedControl> ListNamedControls(const std::vector<WindowHandle>& dialogs) {
    std::vector<NamedControl> controls;
    for (WindowHandle dialog : dialogs) {
        const resources::DialogTemplate* form = System().GetTemplate(dialog);
        if (!form) continue;
        // A child window of a page made from a shared template without a section of its own
        // (the play window) is known by the key its page placed it by, which it carries as its
        // window text.
        const resources::DialogTemplate* parent = System().GetTemplate(System().GetParent(dialog));
        const std::string ownKey = System().GetText(dialog);
        if (!*form->section && parent && *parent->section && !ownKey.empty())
            controls.push_back({parent->section, ownKey, dialog});
        for (size_t i = 0; i < form->controlCount; ++i) {
            const resources::ControlTemplate& control = form->controls[i];
            if (!control.key || !*control.key) continue;
            WindowHandle window = System().GetDlgItem(dialog, control.id);
            if (window) controls.push_back({form->section, control.key, window});
        }
    }
    return controls;
}

WindowHandle FindNamedControl(const std::vector<WindowHandle>& dialogs, const std::string& name) {
    const size_t dot = name.find('.');
    const std::string section = dot == std::string::npos ? std::string() : name.substr(0, dot);
    const std::string key = dot == std::string::npos ? name : name.substr(dot + 1);
    for (const NamedControl& control : ListNamedControls(dialogs)) {
        if (control.key == key && (section.empty() || control.section == section)) {
            return control.window;
        }
    }
    return nullptr;
}

const char* KindName(WindowKind kind) {
    switch (kind) {
        case WindowKind::Edit:
            return "edit";
        case WindowKind::Static:
            return "static";
        case WindowKind::PushButton:
            return "button";
        case WindowKind::CheckBox:
            return "check";
        case WindowKind::RadioButton:
            return "radio";
        case WindowKind::ComboBox:
            return "combo";
        case WindowKind::IpAddress:
            return "ip";
        case WindowKind::TimePicker:
            return "time";
        case WindowKind::ListView:
            return "list";
        case WindowKind::GroupBox:
            return "group";
        case WindowKind::Dialog:
        case WindowKind::Custom:
            return "window";
    }
    return "window";
}

std::string DumpLine(const NamedControl& control) {
    platform::WindowSystem& ws = System();
    const WindowHandle w = control.window;
    const WindowKind kind = ws.GetKind(w);
    std::string line = Field(control.section) + "." + Field(control.key);
    line += std::string("\tkind=") + KindName(kind);
    line += std::string("\tenabled=") + (ws.IsEnabled(w) ? "1" : "0");
    line += std::string("\tvisible=") + (ws.IsVisible(w) ? "1" : "0");
    line += "\ttext=" + Field(ws.GetText(w));
    if (kind == WindowKind::CheckBox || kind == WindowKind::RadioButton) {
        line += "\tchecked=" + std::to_string(ws.GetCheck(w));
    }
    if (kind == WindowKind::ComboBox) {
        line += "\tsel=" + std::to_string(ws.GetCurSel(w));
        std::string items;
        for (int i = 0; i < ws.GetCount(w); ++i)
            items += (i ? "|" : "") + Field(ws.GetLBText(w, i));
        line += "\titems=" + items;
    }
    if (kind == WindowKind::ListView) {
        line += "\tsel=" + std::to_string(ws.GetNextItem(w, -1, platform::kLvniSelected));
        const int columns = std::max(ws.GetColumnCount(w), 1);
        std::string rows;
        for (int r = 0; r < ws.GetItemCount(w); ++r) {
            if (r) rows += "|";
            for (int c = 0; c < columns; ++c)
                rows += (c ? ";" : "") + Field(ws.GetItemText(w, r, c));
        }
        line += "\trows=" + rows;
    }
    return line;
}

}  // namespace vela::ui
