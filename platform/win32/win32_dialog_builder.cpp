// Layout: DLGTEMPLATE (style, extended style, item count, x, y, cx, cy), menu, class and title
// arrays, then the font (point size and face) when DS_SETFONT is set; each DLGITEMTEMPLATE
// starts on a DWORD boundary with style, extended style, x, y, cx, cy, id, the class (0xFFFF
// and an atom for the predefined classes, else a name), the title, and the creation data size.
#include "platform/win32/win32_dialog_builder.h"

#include <string>

#include "platform/win32/window_system_win32.h"
#include "resources/control_styles.h"
#include "resources/dialog_template.h"

namespace vela::platform::win32 {

namespace {

// Atoms of the predefined dialog control classes.
constexpr uint16_t kButtonAtom = 0x0080;
constexpr uint16_t kEditAtom = 0x0081;
constexpr uint16_t kStaticAtom = 0x0082;
constexpr uint16_t kComboBoxAtom = 0x0085;

// The dialog font of the templates: 8 points of the shell's dialog face.
constexpr uint16_t kDialogFontPoints = 8;
constexpr char kDialogFontFace[] = "MS Shell Dlg";

class TemplateWriter {
  public:
    void Word(uint16_t value) { m_words.push_back(value); }
    void Dword(uint32_t value) {
        Word(static_cast<uint16_t>(value & 0xFFFF));
        Word(static_cast<uint16_t>(value >> 16));
    }
    void Short(int value) { Word(static_cast<uint16_t>(static_cast<int16_t>(value))); }
    // Template texts are ASCII; other bytes are widened as Latin-1.
    void Text(const char* text) {
        for (const char* c = text ? text : ""; *c; ++c) Word(static_cast<unsigned char>(*c));
        Word(0);
    }
    void AlignDword() {
        if (m_words.size() % 2) Word(0);
    }
    std::vector<uint16_t> Take() { return std::move(m_words); }

  private:
    std::vector<uint16_t> m_words;
};

void WriteClass(TemplateWriter& out, resources::ControlKind kind) {
    using resources::ControlKind;
    switch (kind) {
        case ControlKind::Static:
            out.Word(0xFFFF);
            out.Word(kStaticAtom);
            return;
        case ControlKind::Edit:
            out.Word(0xFFFF);
            out.Word(kEditAtom);
            return;
        case ControlKind::PushButton:
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
        case ControlKind::GroupBox:
            out.Word(0xFFFF);
            out.Word(kButtonAtom);
            return;
        case ControlKind::ComboBox:
            out.Word(0xFFFF);
            out.Word(kComboBoxAtom);
            return;
        case ControlKind::IpAddress:
            out.Text("SysIPAddress32");
            return;
        case ControlKind::TimePicker:
            out.Text("SysDateTimePick32");
            return;
        case ControlKind::ListView:
            out.Text("SysListView32");
            return;
        case ControlKind::Custom:
            out.Text(kCustomClassName);
            return;
    }
}

}  // namespace

std::vector<uint16_t> BuildDialogTemplate(const resources::DialogTemplate& dialog, uint32_t style) {
    TemplateWriter out;
    out.Dword(style);
    out.Dword(0);  // extended style
    out.Word(static_cast<uint16_t>(dialog.controlCount));
    out.Short(dialog.x);
    out.Short(dialog.y);
    out.Short(dialog.cx);
    out.Short(dialog.cy);
    out.Word(0);   // no menu
    out.Word(0);   // the dialog class
    out.Text("");  // no title: captions come from the language file
    if (style & resources::kDsSetFont) {
        out.Word(kDialogFontPoints);
        out.Text(kDialogFontFace);
    }
    for (size_t i = 0; i < dialog.controlCount; ++i) {
        const resources::ControlTemplate& control = dialog.controls[i];
        out.AlignDword();
        out.Dword(control.style);
        out.Dword(0);
        out.Short(control.x);
        out.Short(control.y);
        out.Short(control.cx);
        out.Short(control.cy);
        out.Word(static_cast<uint16_t>(control.id));
        WriteClass(out, control.kind);
        out.Text(control.text);
        out.Word(0);  // no creation data
    }
    return out.Take();
}

}  // namespace vela::platform::win32
