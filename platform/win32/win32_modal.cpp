// The modal loop and the queue: every queued input message is pre-translated by the sinks of
// its window and the window's ancestors, then the dialog manager sees keyboard messages
// (Enter, Esc, Tab), then the message is dispatched. A person's mouse and key actions are
// posted and delivered through the same path. UI thread.
#include "platform/win32/window_system_win32.h"

#include "platform/win32/win32_dialog_builder.h"
#include "resources/control_styles.h"
#include "resources/dialog_template.h"

namespace vela::platform::win32 {

namespace {

// One drain of the queue handles at most this many messages: a window that never validates
// its painting cannot hold the caller for ever.
constexpr int kMaxDrainedMessages = 100000;

// lParam of a posted key: repeat count 1; with the context bit (Alt held) for system keys.
constexpr LPARAM kKeyRepeatOnce = 1;
constexpr LPARAM kKeyAltContext = 1 << 29;

bool IsChild(HWND hwnd) {
    return (::GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD) != 0;
}

}  // namespace

bool Win32WindowSystem::PreTranslate(const MSG& msg) {
    Event event;
    if (!msg.hwnd || !InputEvent(msg, event)) return false;
    for (HWND hwnd = msg.hwnd; hwnd;) {
        WindowRecord* record = Record(hwnd);
        if (record && record->sink && record->sink->PreTranslate(event)) return true;
        // The window went away while looking at the message.
        if (!::IsWindow(msg.hwnd)) return true;
        if (!::IsWindow(hwnd) || !IsChild(hwnd)) break;
        hwnd = ::GetAncestor(hwnd, GA_PARENT);
    }
    return false;
}

void Win32WindowSystem::DispatchQueued(MSG& msg) {
    if (PreTranslate(msg)) return;
    if (msg.hwnd && msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) {
        HWND root = ::GetAncestor(msg.hwnd, GA_ROOT);
        WindowRecord* record = root ? Record(root) : nullptr;
        if (record && record->dialogTemplate && ::IsDialogMessageA(root, &msg)) return;
    }
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
}

void Win32WindowSystem::DrainQueue() {
    MSG msg;
    for (int n = 0; n < kMaxDrainedMessages && ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
         ++n) {
        if (msg.message == WM_QUIT) {
            // Left for the host's own loop.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        DispatchQueued(msg);
    }
}

void Win32WindowSystem::PumpMessages() {
    DrainQueue();
}

int Win32WindowSystem::RunModal(const resources::DialogTemplate& dialog, WindowHandle parent,
                                EventSink* sink) {
    HWND owner =
        parent && ::IsWindow(ToHwnd(parent)) ? ::GetAncestor(ToHwnd(parent), GA_ROOT) : nullptr;
    // The owner is disabled before the dialog exists, so InitDialog already sees it so.
    const bool disableOwner = owner && ::IsWindowEnabled(owner);
    if (disableOwner) ::EnableWindow(owner, FALSE);
    const std::vector<uint16_t> image =
        BuildDialogTemplate(dialog, TopLevelStyleOf(dialog.style) & ~resources::kWsVisible);
    DialogCreateInfo info;
    info.sink = sink;
    info.dialogTemplate = &dialog;
    info.modal = true;
    HWND hwnd = ::CreateDialogIndirectParamA(ModuleOfWindowSystem(),
                                             reinterpret_cast<LPCDLGTEMPLATEA>(image.data()), owner,
                                             DialogProcedure, reinterpret_cast<LPARAM>(&info));
    if (!hwnd) {
        if (disableOwner && ::IsWindow(owner)) ::EnableWindow(owner, TRUE);
        return -1;
    }
    if (WindowRecord* record = Record(hwnd); record && disableOwner) {
        record->disabledOwner = owner;
    }

    WindowRecord* record = Record(hwnd);
    if (record && !record->ended) {
        ::ShowWindow(hwnd, SW_SHOW);
        ::UpdateWindow(hwnd);
        // The hook runs from inside the loop, once the loop is delivering messages. Every
        // loop runs it, a nested one too: a dialog opened by a script line takes the lines
        // meant for it from inside the outer dialog's hook.
        if (m_modalHook) ::PostMessageA(hwnd, kRunModalHookMessage, 0, 0);
    }
    MSG msg;
    while ((record = Record(hwnd)) != nullptr && !record->ended) {
        const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            // WM_QUIT ends the dialog and stays queued for the host's loop.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got < 0) break;
        DispatchQueued(msg);
    }

    record = Record(hwnd);
    const int result = record && record->ended ? record->endCode : IDCANCEL;
    HWND stillDisabled = record ? record->disabledOwner : nullptr;
    if (stillDisabled && ::IsWindow(stillDisabled)) ::EnableWindow(stillDisabled, TRUE);
    if (::IsWindow(hwnd)) ::DestroyWindow(hwnd);
    return result;
}

void Win32WindowSystem::EndDialog(WindowHandle dialog, int result) {
    HWND hwnd = ToHwnd(dialog);
    WindowRecord* record = Record(hwnd);
    if (!record || !record->dialogTemplate) return;
    record->ended = true;
    record->endCode = result;
    if (!record->modal) {
        ::EndDialog(hwnd, result);
        return;
    }
    // The owner comes back before the dialog hides, so that it is the one activated.
    if (record->disabledOwner) {
        HWND owner = record->disabledOwner;
        record->disabledOwner = nullptr;
        if (::IsWindow(owner)) ::EnableWindow(owner, TRUE);
    }
    ::ShowWindow(hwnd, SW_HIDE);
    // Wakes the loop should it be waiting in GetMessage.
    ::PostMessageA(hwnd, WM_NULL, 0, 0);
}

void Win32WindowSystem::RunModalHook(HWND dialog) {
    if (!m_modalHook) return;
    const ModalHook hook = m_modalHook;  // the hook may replace itself
    hook(ToHandle(dialog));
    WindowRecord* record = Record(dialog);
    // Left open by the hook: the dialog gets Cancel, as the Esc key would give it.
    if (record && !record->ended) SendDialogCommand(dialog, IDCANCEL);
}

// ---- A person's mouse and keys ----------------------------------------------------------------

void Win32WindowSystem::SendMouse(WindowHandle window, EventKind kind, Point point) {
    HWND target = ToHwnd(window);
    if (!::IsWindow(target)) return;
    UINT message = 0;
    switch (kind) {
        case EventKind::MouseDown:
            message = WM_LBUTTONDOWN;
            break;
        case EventKind::MouseMove:
            message = WM_MOUSEMOVE;
            break;
        case EventKind::MouseUp:
            message = WM_LBUTTONUP;
            break;
        default:
            return;
    }
    // The window holding the capture gets every mouse message, in its own coordinates.
    HWND capture = ::GetCapture();
    if (capture && capture != target) {
        POINT p{point.x, point.y};
        ::ClientToScreen(target, &p);
        ::ScreenToClient(capture, &p);
        point = {p.x, p.y};
        target = capture;
    }
    // A disabled window gets no input from a person.
    if (!::IsWindowEnabled(target)) return;
    if (kind == EventKind::MouseDown) m_buttonDown = true;
    if (kind == EventKind::MouseUp) m_buttonDown = false;
    const WPARAM keys = m_buttonDown ? MK_LBUTTON : 0;
    ::PostMessageA(target, message, keys, MAKELPARAM(point.x, point.y));
    DrainQueue();
}

void Win32WindowSystem::SendKey(WindowHandle window, EventKind kind, int key) {
    HWND target = ToHwnd(window);
    if (!::IsWindow(target)) return;
    if (kind != EventKind::KeyDown && kind != EventKind::SysKeyDown) return;
    const UINT message = kind == EventKind::KeyDown ? WM_KEYDOWN : WM_SYSKEYDOWN;
    const LPARAM flags =
        kind == EventKind::KeyDown ? kKeyRepeatOnce : kKeyRepeatOnce | kKeyAltContext;
    ::PostMessageA(target, message, static_cast<WPARAM>(key), flags);
    DrainQueue();
}

}  // namespace vela::platform::win32
