// Dialog templates as data: a dialog with its controls, their kinds, Win32 styles, template
// rectangles (dialog units) and the INI keys that place and caption them. Both window systems
// build their windows from these tables. resources/ holds the shared ones (the console, the
// play window, the test dialog); each page keeps its own beside it under pages/.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vela::resources {

enum class ControlKind {
    Static,
    Edit,
    PushButton,  // also owner-drawn skin buttons (kBsOwnerDraw)
    CheckBox,
    RadioButton,
    GroupBox,
    ComboBox,
    IpAddress,
    TimePicker,
    ListView,
    Custom,  // a plain child window that its page draws and handles itself
};

// A combo box's cy is its height with the list dropped down, as in Win32 templates; closed, it
// shows only its field, kComboFieldHeight units high.
constexpr int kComboFieldHeight = 12;

struct ControlTemplate {
    int id;  // control id from the page's inventory
    ControlKind kind;
    uint32_t style;       // Win32 style bits (resources/control_styles.h)
    int x, y, cx, cy;     // template rectangle in dialog units
    const char* key;      // ControlPos key that places it (label key for labels), "" if none
    const char* caption;  // StaticButtonText caption key, "" if none
    const char* text;     // template text, "" when none
};

struct DialogTemplate {
    int id;               // 6000 ... 6017; test dialogs from 9000
    uint32_t style;       // WS_POPUP/WS_CHILD, DS_* bits
    int x, y, cx, cy;     // dialog units
    const char* section;  // INI section of the window ("DvsCfgDlg", "DvsCfgServer", ...)
    const ControlTemplate* controls;
    size_t controlCount;
};

// Ids of the shared templates; each page's template and id live in its folder under pages/.
constexpr int kConsoleDialogId = 6000;
constexpr int kPlayWindowDialogId = 6003;
constexpr char kPlayWindowKey[] = "PlayWnd";  // the ControlPos key its page places it by
constexpr int kTestDialogId = 9000;  // one control of each kind, for the window-system tests

// Height of the control's window in dialog units: a combo box's window is its closed field,
// whatever drop-down height the template gives.
inline int ControlWindowHeight(const ControlTemplate& control) {
    return control.kind == ControlKind::ComboBox && control.cy > kComboFieldHeight
               ? kComboFieldHeight
               : control.cy;
}

// The shared template with this id, null for any other id. Any thread (the tables are
// constant).
const DialogTemplate* FindDialogTemplate(int id);

// Every shared template, in id order, for code that walks them all.
size_t DialogTemplateCount();
const DialogTemplate& DialogTemplateAt(size_t index);

// The control with this id in the template, null when it has none.
const ControlTemplate* FindControl(const DialogTemplate& dialog, int controlId);

}  // namespace vela::resources
