// The window procedures: the dialog procedure of every dialog, the procedure of the plug-in's
// own window class, and the procedure of subclassed controls. Each turns the Win32 messages
// into the interface's events for the window's sink and falls back to the default behaviour
// when the sink leaves an event unhandled. UI thread.
#include <windows.h>
// windowsx.h and commctrl.h need the definitions of windows.h.
#include <commctrl.h>
#include <windowsx.h>

#include <unordered_map>

#include "platform/win32/gdi_canvas.h"
#include "platform/win32/window_system_win32.h"

namespace vela::platform::win32 {

namespace {

// The sink of a window, read fresh each time: a sink may create or destroy windows.
EventSink* SinkOf(HWND hwnd) {
    WindowRecord* record = System().Record(hwnd);
    return record ? record->sink : nullptr;
}

bool Deliver(HWND hwnd, Event& event) {
    EventSink* sink = SinkOf(hwnd);
    return sink != nullptr && sink->OnEvent(event);
}

bool IsListView(HWND hwnd) {
    char name[32] = {};
    ::GetClassNameA(hwnd, name, sizeof name);
    return lstrcmpiA(name, WC_LISTVIEWA) == 0;
}

// The WM_COMMAND codes the plug-in reacts to; focus, drop-down and the other codes the
// controls also send are not passed on, as no page handles them.
bool IsForwardedCommand(int code) {
    return code == kBnClicked || code == kCbnSelChange || code == kCbnEditChange ||
           code == kEnChange || code == kEnUpdate;
}

bool IsForwardedNotify(int code) {
    return code == kNmClick || code == kLvnItemChanged || code == kDtnDateTimeChange ||
           code == kIpnFieldChanged;
}

// One solid brush per colour a ControlColor handler asks for, kept for the process: the
// pages use a handful of colours, and a brush returned by WM_CTLCOLOR* must outlive the call.
HBRUSH SolidBrush(Color color) {
    static std::unordered_map<Color, HBRUSH> brushes;
    auto found = brushes.find(color);
    if (found != brushes.end()) return found->second;
    HBRUSH brush = ::CreateSolidBrush(color);
    brushes.emplace(color, brush);
    return brush;
}

HBRUSH DefaultControlBrush(UINT message) {
    const bool editLike = message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX;
    return ::GetSysColorBrush(editLike ? COLOR_WINDOW : COLOR_BTNFACE);
}

// WM_CTLCOLOR*: the brush to return, or null for the default handling.
HBRUSH ControlColor(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    HDC dc = reinterpret_cast<HDC>(wparam);
    HWND control = reinterpret_cast<HWND>(lparam);
    GdiCanvas canvas(dc);
    Event event;
    event.kind = EventKind::ControlColor;
    event.window = ToHandle(hwnd);
    event.control = ToHandle(control);
    event.controlId = ::GetDlgCtrlID(control);
    event.canvas = &canvas;
    if (!Deliver(hwnd, event)) return nullptr;
    const ControlColors& colors = event.colors;
    if (colors.setTextColor) ::SetTextColor(dc, colors.textColor);
    if (colors.transparent) ::SetBkMode(dc, TRANSPARENT);
    switch (colors.brush) {
        case ControlColors::Brush::Hollow:
            return static_cast<HBRUSH>(::GetStockObject(HOLLOW_BRUSH));
        case ControlColors::Brush::Solid:
            return SolidBrush(colors.brushColor);
        case ControlColors::Brush::Default:
            break;
    }
    return DefaultControlBrush(message);
}

bool DrawItem(HWND hwnd, LPARAM lparam) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
    if (item->CtlType != ODT_BUTTON) return false;
    GdiCanvas canvas(item->hDC);
    Event event;
    event.kind = EventKind::DrawItem;
    event.window = ToHandle(hwnd);
    event.control = ToHandle(item->hwndItem);
    event.controlId = static_cast<int>(item->CtlID);
    event.canvas = &canvas;
    event.itemRect = {item->rcItem.left, item->rcItem.top, item->rcItem.right, item->rcItem.bottom};
    event.itemState = item->itemState;
    return Deliver(hwnd, event);
}

bool Command(HWND hwnd, WPARAM wparam, LPARAM lparam) {
    const int code = HIWORD(wparam);
    if (!IsForwardedCommand(code)) return false;
    // A command names a control only when it comes from a child with that id: the dialog
    // manager's OK for Enter may carry another window (a dialog without an OK button), and
    // that is no control of id 1.
    HWND control = reinterpret_cast<HWND>(lparam);
    if (control &&
        (::GetAncestor(control, GA_PARENT) != hwnd || ::GetDlgCtrlID(control) != LOWORD(wparam))) {
        control = nullptr;
    }
    Event event;
    event.kind = EventKind::Command;
    event.window = ToHandle(hwnd);
    event.control = ToHandle(control);
    event.controlId = LOWORD(wparam);
    event.code = code;
    return Deliver(hwnd, event);
}

bool Notify(HWND hwnd, LPARAM lparam) {
    const auto* header = reinterpret_cast<const NMHDR*>(lparam);
    const int code = static_cast<int>(header->code);
    if (!IsForwardedNotify(code)) return false;
    Event event;
    event.kind = EventKind::Notify;
    event.window = ToHandle(hwnd);
    event.control = ToHandle(header->hwndFrom);
    event.controlId = static_cast<int>(header->idFrom);
    event.code = code;
    if (code == kLvnItemChanged) {
        event.item = reinterpret_cast<const NMLISTVIEW*>(lparam)->iItem;
    } else if (code == kNmClick && IsListView(header->hwndFrom)) {
        event.item = reinterpret_cast<const NMITEMACTIVATE*>(lparam)->iItem;
    }
    return Deliver(hwnd, event);
}

bool EraseBackground(HWND hwnd, WPARAM wparam) {
    GdiCanvas canvas(reinterpret_cast<HDC>(wparam));
    Event event;
    event.kind = EventKind::EraseBackground;
    event.window = ToHandle(hwnd);
    event.canvas = &canvas;
    return Deliver(hwnd, event);
}

// Mouse, keys, leave/hover, private messages: the events that carry no drawing surface.
bool SimpleEvent(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, Event& event) {
    event.window = ToHandle(hwnd);
    event.point = {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            event.kind = EventKind::MouseDown;
            return true;
        case WM_MOUSEMOVE:
            event.kind = EventKind::MouseMove;
            return true;
        case WM_LBUTTONUP:
            event.kind = EventKind::MouseUp;
            return true;
        case WM_MOUSELEAVE:
            event.kind = EventKind::MouseLeave;
            return true;
        case WM_MOUSEHOVER:
            event.kind = EventKind::MouseHover;
            return true;
        case WM_KEYDOWN:
            event.kind = EventKind::KeyDown;
            break;
        case WM_SYSKEYDOWN:
            event.kind = EventKind::SysKeyDown;
            break;
        default:
            if (message < WM_USER || message > 0xBFFF || message == kRunModalHookMessage) {
                return false;
            }
            event.kind = EventKind::User;
            event.code = static_cast<int>(message);
            event.wparam = static_cast<intptr_t>(wparam);
            event.lparam = static_cast<intptr_t>(lparam);
            return true;
    }
    event.point = {};
    event.key = static_cast<int>(wparam);
    return true;
}

void DeliverDestroyed(HWND hwnd) {
    Event event;
    event.kind = EventKind::Destroyed;
    event.window = ToHandle(hwnd);
    Deliver(hwnd, event);
    System().DropRecord(hwnd);
}

// Messages of a window that owns children and paints itself: dialogs and custom windows.
// Returns whether the sink handled the message; *result is the message's result then.
bool ParentMessage(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) {
    *result = 0;
    switch (message) {
        case WM_COMMAND:
            return Command(hwnd, wparam, lparam);
        case WM_NOTIFY:
            return Notify(hwnd, lparam);
        case WM_DRAWITEM:
            *result = TRUE;
            return DrawItem(hwnd, lparam);
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC: {
            HBRUSH brush = ControlColor(hwnd, message, wparam, lparam);
            *result = reinterpret_cast<LRESULT>(brush);
            return brush != nullptr;
        }
        case WM_ERASEBKGND:
            *result = TRUE;
            return EraseBackground(hwnd, wparam);
        case WM_PAINT: {
            if (!SinkOf(hwnd)) return false;
            PAINTSTRUCT paint;
            HDC dc = ::BeginPaint(hwnd, &paint);
            GdiCanvas canvas(dc);
            Event event;
            event.kind = EventKind::Paint;
            event.window = ToHandle(hwnd);
            event.canvas = &canvas;
            Deliver(hwnd, event);
            ::EndPaint(hwnd, &paint);
            return true;  // validated either way; the default paints nothing more
        }
        default: {
            Event event;
            if (!SimpleEvent(hwnd, message, wparam, lparam, event)) return false;
            return Deliver(hwnd, event);
        }
    }
}

}  // namespace

INT_PTR CALLBACK DialogProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_INITDIALOG: {
            const auto* info = reinterpret_cast<const DialogCreateInfo*>(lparam);
            WindowRecord& record = System().AddRecord(hwnd);
            record.sink = info->sink;
            record.dialogTemplate = info->dialogTemplate;
            record.modal = info->modal;
            Event event;
            event.kind = EventKind::InitDialog;
            event.window = ToHandle(hwnd);
            // TRUE lets the dialog manager give the focus to the first control.
            return Deliver(hwnd, event) ? FALSE : TRUE;
        }
        case kRunModalHookMessage:
            System().RunModalHook(hwnd);
            return TRUE;
        case WM_CLOSE: {
            Event event;
            event.kind = EventKind::Close;
            event.window = ToHandle(hwnd);
            if (!Deliver(hwnd, event) && ::IsWindow(hwnd)) {
                Win32WindowSystem::SendDialogCommand(hwnd, IDCANCEL);
            }
            return TRUE;
        }
        case WM_NCDESTROY:
            DeliverDestroyed(hwnd);
            return FALSE;
        default:
            break;
    }
    if (!System().Record(hwnd)) return FALSE;
    LRESULT result = 0;
    if (!ParentMessage(hwnd, message, wparam, lparam, &result)) return FALSE;
    switch (message) {
        // These return their result directly from a dialog procedure.
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
            return static_cast<INT_PTR>(result);
        default:
            ::SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result);
            return TRUE;
    }
}

LRESULT CALLBACK CustomWindowProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_NCCREATE: {
            const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lparam);
            // Template items carry no creation parameters: their sink comes with Subclass.
            System().AddRecord(hwnd).sink = static_cast<EventSink*>(create->lpCreateParams);
            break;
        }
        case WM_CLOSE: {
            Event event;
            event.kind = EventKind::Close;
            event.window = ToHandle(hwnd);
            if (Deliver(hwnd, event)) return 0;
            break;
        }
        case WM_NCDESTROY:
            DeliverDestroyed(hwnd);
            break;
        default: {
            LRESULT result = 0;
            if (ParentMessage(hwnd, message, wparam, lparam, &result)) return result;
            break;
        }
    }
    return ::DefWindowProcA(hwnd, message, wparam, lparam);
}

LRESULT CALLBACK SubclassProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    WindowRecord* record = System().Record(hwnd);
    if (!record) return ::DefWindowProcA(hwnd, message, wparam, lparam);
    const WNDPROC original = record->originalProc;
    switch (message) {
        case WM_NCDESTROY:
            DeliverDestroyed(hwnd);
            break;
        case WM_ERASEBKGND:
            if (EraseBackground(hwnd, wparam)) return TRUE;
            break;
        case WM_PAINT: {
            if (!SinkOf(hwnd) || wparam != 0) break;
            PAINTSTRUCT paint;
            HDC dc = ::BeginPaint(hwnd, &paint);
            GdiCanvas canvas(dc);
            Event event;
            event.kind = EventKind::Paint;
            event.window = ToHandle(hwnd);
            event.canvas = &canvas;
            // Unhandled, the control paints itself into the same device context.
            if (!Deliver(hwnd, event) && ::IsWindow(hwnd)) {
                ::CallWindowProcA(original, hwnd, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
            }
            ::EndPaint(hwnd, &paint);
            return 0;
        }
        case WM_CLOSE: {
            Event event;
            event.kind = EventKind::Close;
            event.window = ToHandle(hwnd);
            if (Deliver(hwnd, event)) return 0;
            break;
        }
        default: {
            Event event;
            if (SimpleEvent(hwnd, message, wparam, lparam, event) && Deliver(hwnd, event)) {
                return 0;
            }
            break;
        }
    }
    return ::CallWindowProcA(original, hwnd, message, wparam, lparam);
}

bool InputEvent(const MSG& msg, Event& event) {
    switch (msg.message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_MOUSEMOVE:
        case WM_LBUTTONUP:
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            return SimpleEvent(msg.hwnd, msg.message, msg.wParam, msg.lParam, event);
        default:
            return false;
    }
}

}  // namespace vela::platform::win32
