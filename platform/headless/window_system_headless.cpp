#include "platform/headless/window_system_headless.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

#include "resources/control_styles.h"
#include "resources/dialog_template.h"

namespace vela::platform::headless {

namespace {

// Dialog base units of the templates' font, 8-point "MS Shell Dlg" at 96 dots per inch, as
// the win32 build's dialogs measure them under wine (MapDialogRect): the same pixel sizes on
// both window systems.
constexpr int kBaseUnitX = 6;
constexpr int kBaseUnitY = 12;

int DialogUnitsToX(int units) {
    return (units * kBaseUnitX + 2) / 4;
}
int DialogUnitsToY(int units) {
    return (units * kBaseUnitY + 4) / 8;
}

WindowKind KindOf(resources::ControlKind kind) {
    switch (kind) {
        case resources::ControlKind::Static:
            return WindowKind::Static;
        case resources::ControlKind::Edit:
            return WindowKind::Edit;
        case resources::ControlKind::PushButton:
            return WindowKind::PushButton;
        case resources::ControlKind::CheckBox:
            return WindowKind::CheckBox;
        case resources::ControlKind::RadioButton:
            return WindowKind::RadioButton;
        case resources::ControlKind::GroupBox:
            return WindowKind::GroupBox;
        case resources::ControlKind::ComboBox:
            return WindowKind::ComboBox;
        case resources::ControlKind::IpAddress:
            return WindowKind::IpAddress;
        case resources::ControlKind::TimePicker:
            return WindowKind::TimePicker;
        case resources::ControlKind::ListView:
            return WindowKind::ListView;
        case resources::ControlKind::Custom:
            return WindowKind::Custom;
    }
    return WindowKind::Custom;
}

// A new date-time picker shows the current local time, as the common control does.
DateTime LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    localtime_r(&now, &parts);
    DateTime t;
    t.year = parts.tm_year + 1900;
    t.month = parts.tm_mon + 1;
    t.dayOfWeek = parts.tm_wday;
    t.day = parts.tm_mday;
    t.hour = parts.tm_hour;
    t.minute = parts.tm_min;
    t.second = parts.tm_sec;
    return t;
}

}  // namespace

HeadlessWindowSystem::HeadlessWindowSystem() = default;
HeadlessWindowSystem::~HeadlessWindowSystem() = default;

// ---- Windows --------------------------------------------------------------------------------

HeadlessWindow* HeadlessWindowSystem::Find(WindowHandle handle) const {
    auto* window = reinterpret_cast<HeadlessWindow*>(handle);
    return m_live.count(window) ? window : nullptr;
}

HeadlessWindow* HeadlessWindowSystem::FindKind(WindowHandle handle, WindowKind kind) const {
    HeadlessWindow* window = Find(handle);
    return window && window->kind == kind ? window : nullptr;
}

HeadlessWindow* HeadlessWindowSystem::NewWindow(HeadlessWindow* parent) {
    m_windows.push_back(std::make_unique<HeadlessWindow>());
    HeadlessWindow* window = m_windows.back().get();
    window->parent = parent;
    if (parent) parent->children.push_back(window);
    m_live.insert(window);
    return window;
}

HeadlessWindow* HeadlessWindowSystem::BuildDialog(const resources::DialogTemplate& dialog,
                                                  HeadlessWindow* parent, bool child,
                                                  EventSink* sink) {
    HeadlessWindow* window = NewWindow(child ? parent : nullptr);
    window->kind = WindowKind::Dialog;
    window->style = dialog.style;
    window->dialogTemplate = &dialog;
    window->sink = sink;
    window->rect = {DialogUnitsToX(dialog.x), DialogUnitsToY(dialog.y),
                    DialogUnitsToX(dialog.x + dialog.cx), DialogUnitsToY(dialog.y + dialog.cy)};
    for (size_t i = 0; i < dialog.controlCount; ++i) {
        const resources::ControlTemplate& control = dialog.controls[i];
        HeadlessWindow* item = NewWindow(window);
        item->kind = KindOf(control.kind);
        item->id = control.id;
        item->style = control.style;
        item->text = control.text ? control.text : "";
        item->visible = (control.style & resources::kWsVisible) != 0;
        item->enabled = (control.style & resources::kWsDisabled) == 0;
        item->rect = {DialogUnitsToX(control.x), DialogUnitsToY(control.y),
                      DialogUnitsToX(control.x + control.cx),
                      DialogUnitsToY(control.y + control.cy)};
        if (item->kind == WindowKind::TimePicker) item->time = LocalNow();
    }
    Event init;
    init.kind = EventKind::InitDialog;
    init.window = window->Handle();
    Deliver(window, init);
    // A dialog made visible by its style shows after its initialisation, as CreateDialog does.
    if (Find(init.window) && (dialog.style & resources::kWsVisible)) window->visible = true;
    return Find(init.window);
}

WindowHandle HeadlessWindowSystem::CreateModeless(const resources::DialogTemplate& dialog,
                                                  WindowHandle parent, EventSink* sink) {
    HeadlessWindow* owner = Find(parent);
    const bool child = (dialog.style & resources::kWsChild) != 0 && owner != nullptr;
    HeadlessWindow* window = BuildDialog(dialog, owner, child, sink);
    return window ? window->Handle() : nullptr;
}

int HeadlessWindowSystem::RunModal(const resources::DialogTemplate& dialog, WindowHandle parent,
                                   EventSink* sink) {
    // The owner is the parent's top-level window, disabled before the dialog exists.
    HeadlessWindow* owner = TopLevelOf(Find(parent));
    const WindowHandle ownerHandle = owner ? owner->Handle() : nullptr;
    const bool ownerWasEnabled = owner && owner->enabled;
    if (owner) owner->enabled = false;
    HeadlessWindow* window = BuildDialog(dialog, nullptr, false, sink);
    if (!window) {
        if (owner && Find(ownerHandle)) owner->enabled = ownerWasEnabled;
        return -1;
    }
    const WindowHandle handle = window->Handle();
    if (!window->ended) window->visible = true;
    if (m_modalHook && !window->ended) m_modalHook(handle);
    PumpMessages();
    // Nobody is left to press anything: the dialog closes as the Esc key would close it.
    if (Find(handle) && !window->ended) DialogCommand(window, kIdCancel);
    PumpMessages();
    int result = kIdCancel;
    if (Find(handle)) {
        // A dialog that ignores Cancel is ended here all the same: there is no one to wait for.
        result = window->ended ? window->endCode : kIdCancel;
        DestroyWindow(handle);
    }
    if (owner && Find(ownerHandle)) owner->enabled = ownerWasEnabled;
    FreeDestroyed();
    return result;
}

void HeadlessWindowSystem::EndDialog(WindowHandle dialog, int result) {
    HeadlessWindow* window = FindKind(dialog, WindowKind::Dialog);
    if (!window) return;
    window->ended = true;
    window->endCode = result;
    window->visible = false;
}

WindowHandle HeadlessWindowSystem::CreateChild(WindowHandle parent, int id, const Rect& rect,
                                               EventSink* sink) {
    HeadlessWindow* owner = Find(parent);
    if (!owner) return nullptr;
    HeadlessWindow* window = NewWindow(owner);
    window->kind = WindowKind::Custom;
    window->id = id;
    window->style = resources::kWsChild;
    window->rect = rect;
    window->sink = sink;
    return window->Handle();
}

void HeadlessWindowSystem::Subclass(WindowHandle window, EventSink* sink) {
    if (HeadlessWindow* w = Find(window)) w->sink = sink;
}

// Children hear Destroyed before their parent, as WM_NCDESTROY reaches them.
void HeadlessWindowSystem::DestroyTree(HeadlessWindow* window) {
    const std::vector<HeadlessWindow*> children = window->children;
    for (HeadlessWindow* child : children) {
        if (m_live.count(child)) DestroyTree(child);
    }
    Event destroyed;
    destroyed.kind = EventKind::Destroyed;
    destroyed.window = window->Handle();
    Deliver(window, destroyed);
    window->sink = nullptr;
    if (m_capture == window) m_capture = nullptr;
    if (m_tracked == window) m_tracked = nullptr;
    if (window->playSurface) ForgetPlaySurface(window->playSurface.get());
    m_live.erase(window);
}

void HeadlessWindowSystem::DestroyWindow(WindowHandle handle) {
    HeadlessWindow* window = Find(handle);
    if (!window) return;
    DestroyTree(window);
    if (window->parent) {
        auto& siblings = window->parent->children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), window), siblings.end());
    }
    // The objects stay allocated until no event is being delivered: a sink may destroy the
    // window whose event it is handling.
    for (auto it = m_windows.begin(); it != m_windows.end();) {
        if (!m_live.count(it->get())) {
            m_destroyed.push_back(std::move(*it));
            it = m_windows.erase(it);
        } else {
            ++it;
        }
    }
    FreeDestroyed();
}

void HeadlessWindowSystem::FreeDestroyed() {
    if (m_dispatchDepth == 0) m_destroyed.clear();
}

// ---- Events ---------------------------------------------------------------------------------

bool HeadlessWindowSystem::Deliver(HeadlessWindow* window, Event& event) {
    if (!window || !window->sink) return false;
    ++m_dispatchDepth;
    const bool handled = window->sink->OnEvent(event);
    --m_dispatchDepth;
    return handled;
}

void HeadlessWindowSystem::NotifyCommand(HeadlessWindow* control, int code) {
    HeadlessWindow* parent = control->parent;
    if (!parent) return;
    Event event;
    event.kind = EventKind::Command;
    event.window = parent->Handle();
    event.control = control->Handle();
    event.controlId = control->id;
    event.code = code;
    Deliver(parent, event);
}

void HeadlessWindowSystem::NotifyParent(HeadlessWindow* control, int code, int item) {
    HeadlessWindow* parent = control->parent;
    if (!parent) return;
    Event event;
    event.kind = EventKind::Notify;
    event.window = parent->Handle();
    event.control = control->Handle();
    event.controlId = control->id;
    event.code = code;
    event.item = item;
    Deliver(parent, event);
}

// OK and Cancel as the dialog manager sends them (Enter, Esc, Close); a modal dialog whose
// sink does not take them keeps running, as with a dialog procedure that ignores them.
void HeadlessWindowSystem::DialogCommand(HeadlessWindow* dialog, int id) {
    Event event;
    event.kind = EventKind::Command;
    event.window = dialog->Handle();
    event.controlId = id;
    event.code = kBnClicked;
    Deliver(dialog, event);
}

HeadlessWindow* HeadlessWindowSystem::TopLevelOf(HeadlessWindow* window) const {
    while (window && window->parent) window = window->parent;
    return window;
}

bool HeadlessWindowSystem::PreTranslateWalk(HeadlessWindow* target, const Event& event) {
    for (HeadlessWindow* w = target; w; w = w->parent) {
        if (!w->sink) continue;
        const WindowHandle handle = w->Handle();
        ++m_dispatchDepth;
        const bool swallowed = w->sink->PreTranslate(event);
        --m_dispatchDepth;
        if (swallowed) return true;
        if (!Find(handle)) return true;  // the window went away while looking at the message
    }
    return false;
}

void HeadlessWindowSystem::Post(WindowHandle window, int message, intptr_t wparam,
                                intptr_t lparam) {
    std::lock_guard<std::mutex> guard(m_postLock);
    m_posted.push_back({window, message, wparam, lparam});
}

void HeadlessWindowSystem::PumpMessages() {
    for (;;) {
        Posted posted{};
        {
            std::lock_guard<std::mutex> guard(m_postLock);
            if (m_posted.empty()) break;
            posted = m_posted.front();
            m_posted.pop_front();
        }
        HeadlessWindow* window = Find(posted.window);
        if (!window) continue;
        Event event;
        event.window = posted.window;
        event.wparam = posted.wparam;
        event.lparam = posted.lparam;
        if (posted.message == kWmClose) {
            // Unhandled: a dialog gets Cancel (DefDlgProc), any other window is destroyed
            // (DefWindowProc).
            event.kind = EventKind::Close;
            if (!Deliver(window, event) && Find(posted.window)) {
                if (window->kind == WindowKind::Dialog) {
                    DialogCommand(window, kIdCancel);
                } else {
                    DestroyWindow(posted.window);
                }
            }
        } else {
            event.kind = EventKind::User;
            event.code = posted.message;
            Deliver(window, event);
        }
    }
    // Painting comes last, as WM_PAINT does.
    std::vector<HeadlessWindow*> tops;
    for (auto& w : m_windows) {
        if (m_live.count(w.get()) && !w->parent) tops.push_back(w.get());
    }
    for (HeadlessWindow* top : tops) {
        if (m_live.count(top)) PaintPending(top);
    }
    FreeDestroyed();
}

// ---- Window operations ------------------------------------------------------------------------

WindowHandle HeadlessWindowSystem::GetDlgItem(WindowHandle parent, int id) {
    HeadlessWindow* window = Find(parent);
    if (!window) return nullptr;
    for (HeadlessWindow* child : window->children) {
        if (child->id == id) return child->Handle();
    }
    return nullptr;
}

int HeadlessWindowSystem::GetDlgCtrlID(WindowHandle window) {
    HeadlessWindow* w = Find(window);
    return w ? w->id : 0;
}

WindowHandle HeadlessWindowSystem::GetParent(WindowHandle window) {
    HeadlessWindow* w = Find(window);
    return w && w->parent ? w->parent->Handle() : nullptr;
}

WindowKind HeadlessWindowSystem::GetKind(WindowHandle window) {
    HeadlessWindow* w = Find(window);
    return w ? w->kind : WindowKind::Custom;
}

const resources::DialogTemplate* HeadlessWindowSystem::GetTemplate(WindowHandle dialog) {
    HeadlessWindow* w = Find(dialog);
    return w ? w->dialogTemplate : nullptr;
}

uint32_t HeadlessWindowSystem::GetStyle(WindowHandle window) {
    HeadlessWindow* w = Find(window);
    if (!w) return 0;
    uint32_t style = w->style & ~(resources::kWsVisible | resources::kWsDisabled);
    if (w->visible) style |= resources::kWsVisible;
    if (!w->enabled) style |= resources::kWsDisabled;
    return style;
}

std::vector<WindowHandle> HeadlessWindowSystem::GetChildren(WindowHandle window) {
    std::vector<WindowHandle> handles;
    if (HeadlessWindow* w = Find(window)) {
        for (HeadlessWindow* child : w->children) handles.push_back(child->Handle());
    }
    return handles;
}

void HeadlessWindowSystem::MoveWindow(WindowHandle window, const Rect& rect, bool repaint) {
    HeadlessWindow* w = Find(window);
    if (!w) return;
    w->rect = rect;
    if (repaint) {
        w->invalid = true;
        w->eraseNeeded = true;
    }
}

Rect HeadlessWindowSystem::GetClientRect(WindowHandle window) {
    HeadlessWindow* w = Find(window);
    if (!w) return {};
    return {0, 0, w->rect.Width(), w->rect.Height()};
}

Rect HeadlessWindowSystem::MapDialogRect(WindowHandle /*dialog*/, const Rect& units) {
    return {DialogUnitsToX(units.left), DialogUnitsToY(units.top), DialogUnitsToX(units.right),
            DialogUnitsToY(units.bottom)};
}

Rect HeadlessWindowSystem::GetWindowRect(WindowHandle window) {
    HeadlessWindow* w = Find(window);
    if (!w) return {};
    const Point origin = ClientToScreen(window, {0, 0});
    return {origin.x, origin.y, origin.x + w->rect.Width(), origin.y + w->rect.Height()};
}

Point HeadlessWindowSystem::ClientToScreen(WindowHandle window, Point point) {
    for (HeadlessWindow* w = Find(window); w; w = w->parent) {
        point.x += w->rect.left;
        point.y += w->rect.top;
    }
    return point;
}

Point HeadlessWindowSystem::ScreenToClient(WindowHandle window, Point point) {
    const Point origin = ClientToScreen(window, {0, 0});
    return {point.x - origin.x, point.y - origin.y};
}

void HeadlessWindowSystem::ShowWindow(WindowHandle window, bool show) {
    HeadlessWindow* w = Find(window);
    if (!w || w->visible == show) return;
    w->visible = show;
    w->invalid = true;
    w->eraseNeeded = true;
}

bool HeadlessWindowSystem::IsVisible(WindowHandle window) {
    HeadlessWindow* w = Find(window);
    return w && w->visible;
}

void HeadlessWindowSystem::EnableWindow(WindowHandle window, bool enable) {
    HeadlessWindow* w = Find(window);
    if (!w || w->enabled == enable) return;
    w->enabled = enable;
    w->invalid = true;
    w->eraseNeeded = true;
    if (!enable && m_capture == w) m_capture = nullptr;
}

bool HeadlessWindowSystem::IsEnabled(WindowHandle window) {
    HeadlessWindow* w = Find(window);
    return w && w->enabled;
}

void HeadlessWindowSystem::Invalidate(WindowHandle window, bool erase) {
    HeadlessWindow* w = Find(window);
    if (!w) return;
    w->invalid = true;
    w->eraseNeeded = w->eraseNeeded || erase;
}

void HeadlessWindowSystem::UpdateWindow(WindowHandle window) {
    if (HeadlessWindow* w = Find(window)) PaintPending(w);
    FreeDestroyed();
}

// ---- Mouse capture, tracking, cursors ---------------------------------------------------------

void HeadlessWindowSystem::SetCapture(WindowHandle window) {
    m_capture = Find(window);
}
void HeadlessWindowSystem::ReleaseCapture() {
    m_capture = nullptr;
}
WindowHandle HeadlessWindowSystem::GetCapture() {
    return m_capture ? m_capture->Handle() : nullptr;
}

bool HeadlessWindowSystem::TrackMouse(WindowHandle window, bool leave, bool hover, int) {
    HeadlessWindow* w = Find(window);
    if (!w) return false;
    m_tracked = w;
    m_trackLeave = leave;
    m_trackHover = hover;
    return true;
}

CursorHandle HeadlessWindowSystem::LoadAnimatedCursor(const std::string& path) {
    // An animated cursor file is a RIFF container of type ACON.
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return nullptr;
    char header[12] = {};
    const size_t got = std::fread(header, 1, sizeof header, file);
    std::fclose(file);
    if (got != sizeof header || std::string(header, 4) != "RIFF" ||
        std::string(header + 8, 4) != "ACON") {
        return nullptr;
    }
    m_cursors.push_back(std::make_unique<int>(0));
    return reinterpret_cast<CursorHandle>(m_cursors.back().get());
}

CursorHandle HeadlessWindowSystem::GetStandardCursor(StandardCursor which) {
    return reinterpret_cast<CursorHandle>(
        &m_standardCursors[which == StandardCursor::Arrow ? 0 : 1]);
}

// Without a script there is nobody to answer: the safe choice.
MessageAnswer HeadlessWindowSystem::ShowMessageBox(WindowHandle, const std::string&,
                                                   const std::string&, MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok:
            return MessageAnswer::Ok;
        case MessageButtons::OkCancel:
            return MessageAnswer::Cancel;
        case MessageButtons::YesNo:
            return MessageAnswer::No;
    }
    return MessageAnswer::Cancel;
}

std::optional<std::string> HeadlessWindowSystem::OpenFileDialog(WindowHandle, const std::string&,
                                                                const std::string&) {
    return std::nullopt;
}

Font HeadlessWindowSystem::SystemFont() {
    Font font;
    font.face = "System";
    font.height = 16;
    font.width = 7;
    font.weight = 700;
    font.charset = 0;
    return font;
}

}  // namespace vela::platform::headless

namespace vela::platform {

WindowSystem& TheWindowSystem() {
    static headless::HeadlessWindowSystem system;
    return system;
}

}  // namespace vela::platform
