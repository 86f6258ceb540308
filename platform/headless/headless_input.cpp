// A person's actions on the headless windows: typing, choosing, clicking, the mouse and keys.
// Each notifies the parent in the order the Win32 controls do.
#include <cctype>

#include "platform/headless/window_system_headless.h"
#include "resources/control_styles.h"

namespace vela::platform::headless {

namespace {

bool IsAutoCheckBox(const HeadlessWindow* w) {
    return w->kind == WindowKind::CheckBox &&
           (w->style & resources::kBsTypeMask) == resources::kBsAutoCheckBox;
}

bool IsAutoRadio(const HeadlessWindow* w) {
    return w->kind == WindowKind::RadioButton &&
           (w->style & resources::kBsTypeMask) == resources::kBsAutoRadioButton;
}

bool IsButton(const HeadlessWindow* w) {
    return w->kind == WindowKind::PushButton || w->kind == WindowKind::CheckBox ||
           w->kind == WindowKind::RadioButton;
}

}  // namespace

void HeadlessWindowSystem::TypeText(WindowHandle control, const std::string& text) {
    HeadlessWindow* w = Find(control);
    if (!w || !w->enabled) return;
    if (w->kind != WindowKind::Edit &&
        !(w->kind == WindowKind::ComboBox &&
          (w->style & resources::kCbsTypeMask) == resources::kCbsDropDown)) {
        return;
    }
    std::string typed;
    for (char c : text) {
        if (static_cast<int>(typed.size()) >= w->limit) break;
        const auto uc = static_cast<unsigned char>(c);
        if (w->kind == WindowKind::Edit) {
            if ((w->style & resources::kEsNumber) && !std::isdigit(uc)) continue;
            if (w->style & resources::kEsUpperCase) c = static_cast<char>(std::toupper(uc));
            if (w->style & resources::kEsLowerCase) c = static_cast<char>(std::tolower(uc));
        }
        typed += c;
    }
    w->text = typed;
    w->invalid = true;
    if (w->kind == WindowKind::Edit) {
        NotifyCommand(w, kEnUpdate);
        if (Find(control)) NotifyCommand(w, kEnChange);
        return;
    }
    // Typing into a closed drop-down's edit field drops the list selection.
    w->curSel = kNoSelection;
    NotifyCommand(w, kCbnEditChange);
}

void HeadlessWindowSystem::ChooseEntry(WindowHandle combo, int index) {
    HeadlessWindow* w = FindKind(combo, WindowKind::ComboBox);
    if (!w || !w->enabled || index < 0 || index >= static_cast<int>(w->entries.size())) return;
    SelectEntry(w, index);
    NotifyCommand(w, kCbnSelChange);
}

void HeadlessWindowSystem::ButtonClicked(HeadlessWindow* button) {
    if (IsAutoCheckBox(button)) {
        button->check = button->check ? 0 : 1;
    } else if (IsAutoRadio(button)) {
        // The group runs from the nearest sibling at or before this one with the group style
        // up to the next sibling with it.
        const std::vector<HeadlessWindow*> siblings =
            button->parent ? button->parent->children : std::vector<HeadlessWindow*>{button};
        size_t self = 0;
        while (self < siblings.size() && siblings[self] != button) ++self;
        size_t first = self;
        while (first > 0 && !(siblings[first]->style & resources::kWsGroup)) --first;
        for (size_t i = first; i < siblings.size(); ++i) {
            if (i > first && (siblings[i]->style & resources::kWsGroup)) break;
            if (siblings[i] != button && IsAutoRadio(siblings[i])) siblings[i]->check = 0;
        }
        button->check = 1;
    }
    button->invalid = true;
    NotifyCommand(button, kBnClicked);
}

void HeadlessWindowSystem::Click(WindowHandle button) {
    HeadlessWindow* w = Find(button);
    if (!w || !w->enabled || !IsButton(w)) return;
    ButtonClicked(w);
}

void HeadlessWindowSystem::ClickRow(WindowHandle list, int row) {
    HeadlessWindow* w = FindKind(list, WindowKind::ListView);
    if (!w || !w->enabled || row >= static_cast<int>(w->rows.size())) return;
    for (int other = 0; other < static_cast<int>(w->rows.size()); ++other) {
        if (other != row && (w->rows[static_cast<size_t>(other)].state & kLvisSelected)) {
            ChangeRowState(w, other, 0, kLvisSelected);
            if (!Find(list)) return;
        }
    }
    if (row >= 0 && row < static_cast<int>(w->rows.size())) {
        w->selectionMark = row;
        ChangeRowState(w, row, kLvisSelected | kLvisFocused, kLvisSelected | kLvisFocused);
        if (!Find(list)) return;
    }
    NotifyParent(w, kNmClick, row);
}

void HeadlessWindowSystem::EnterAddress(WindowHandle ip, uint32_t address) {
    HeadlessWindow* w = FindKind(ip, WindowKind::IpAddress);
    if (!w || !w->enabled) return;
    SetAddress(ip, address);
    NotifyCommand(w, kEnChange);
}

void HeadlessWindowSystem::EnterTime(WindowHandle picker, int hour, int minute) {
    HeadlessWindow* w = FindKind(picker, WindowKind::TimePicker);
    if (!w || !w->enabled || hour < 0 || hour > 23 || minute < 0 || minute > 59) return;
    w->time.hour = hour;
    w->time.minute = minute;
    w->invalid = true;
    NotifyParent(w, kDtnDateTimeChange, -1);
}

void HeadlessWindowSystem::DefaultMouse(HeadlessWindow* window, const Event& event) {
    if (!IsButton(window)) return;
    if (event.kind == EventKind::MouseDown) {
        window->pressed = true;
        window->invalid = true;
        m_capture = window;
    } else if (event.kind == EventKind::MouseUp && window->pressed) {
        window->pressed = false;
        window->invalid = true;
        if (m_capture == window) m_capture = nullptr;
        const Rect client{0, 0, window->rect.Width(), window->rect.Height()};
        if (client.Contains(event.point)) ButtonClicked(window);
    }
}

void HeadlessWindowSystem::SendMouse(WindowHandle window, EventKind kind, Point point) {
    HeadlessWindow* target = Find(window);
    if (!target) return;
    const Point screen = ClientToScreen(window, point);
    // A window holding the capture gets every mouse message, in its own coordinates.
    if (m_capture && m_capture != target) {
        target = m_capture;
        point = ScreenToClient(target->Handle(), screen);
    }
    if (!target->enabled) return;
    m_cursorPos = screen;
    if (m_tracked && m_tracked != target && m_trackLeave) {
        HeadlessWindow* left = m_tracked;
        m_tracked = nullptr;
        m_trackLeave = m_trackHover = false;
        Event leave;
        leave.kind = EventKind::MouseLeave;
        leave.window = left->Handle();
        Deliver(left, leave);
        if (!Find(target->Handle())) return;
    }
    const WindowHandle handle = target->Handle();
    Event event;
    event.kind = kind;
    event.window = handle;
    event.point = point;
    if (PreTranslateWalk(target, event) || !Find(handle)) return;
    if (!Deliver(target, event) && Find(handle)) DefaultMouse(target, event);
    // The hover time (1 ms as the skin buttons ask) has passed by the next message.
    if (Find(handle) && m_tracked == target && m_trackHover) {
        m_trackHover = false;
        Event hover;
        hover.kind = EventKind::MouseHover;
        hover.window = handle;
        hover.point = point;
        Deliver(target, hover);
    }
    FreeDestroyed();
}

void HeadlessWindowSystem::SendKey(WindowHandle window, EventKind kind, int key) {
    HeadlessWindow* target = Find(window);
    if (!target) return;
    const WindowHandle handle = target->Handle();
    Event event;
    event.kind = kind;
    event.window = handle;
    event.key = key;
    if (PreTranslateWalk(target, event) || !Find(handle)) return;
    // In a dialog the dialog manager takes Enter and Esc before dispatch: the key-down never
    // reaches the control; Enter first asks the dialog for its default button (DM_GETDEFID),
    // then the dialog gets OK, Esc gets Cancel.
    HeadlessWindow* top = TopLevelOf(target);
    if (kind == EventKind::KeyDown && (key == kVkReturn || key == kVkEscape) &&
        top->kind == WindowKind::Dialog) {
        const WindowHandle dialog = top->Handle();
        if (key == kVkReturn) {
            Event getDefId;
            getDefId.kind = EventKind::User;
            getDefId.window = dialog;
            getDefId.code = kDmGetDefId;
            Deliver(top, getDefId);
        }
        if (Find(dialog)) DialogCommand(top, key == kVkReturn ? kIdOk : kIdCancel);
    } else {
        Deliver(target, event);
    }
    FreeDestroyed();
}

}  // namespace vela::platform::headless
