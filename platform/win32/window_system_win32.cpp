// The win32 window system: dialogs and windows, their records, and the window operations.
#include "platform/win32/window_system_win32.h"

// commctrl.h needs the definitions of windows.h.
#include <commctrl.h>

#include "platform/win32/gdi_canvas.h"
#include "platform/win32/win32_dialog_builder.h"
#include "resources/control_styles.h"
#include "resources/dialog_template.h"

namespace vela::platform::win32 {

namespace {

bool ClassIs(HWND hwnd, const char* name) {
    char actual[64] = {};
    ::GetClassNameA(hwnd, actual, sizeof actual);
    return lstrcmpiA(actual, name) == 0;
}

}  // namespace

HINSTANCE ModuleOfWindowSystem() {
    static HINSTANCE module = [] {
        HMODULE found = nullptr;
        ::GetModuleHandleExA(
            GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
            reinterpret_cast<LPCSTR>(&ModuleOfWindowSystem), &found);
        return static_cast<HINSTANCE>(found);
    }();
    return module;
}

uint32_t TopLevelStyleOf(uint32_t style) {
    return (style & ~resources::kWsChild) | resources::kWsPopup;
}

void RegisterWindowClasses() {
    static const bool registered = [] {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_INTERNET_CLASSES |
                                                           ICC_DATE_CLASSES | ICC_LISTVIEW_CLASSES};
        ::InitCommonControlsEx(&controls);
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = CustomWindowProcedure;
        windowClass.hInstance = ModuleOfWindowSystem();
        windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = kCustomClassName;
        return ::RegisterClassExA(&windowClass) != 0;
    }();
    (void)registered;
}

Win32WindowSystem& System() {
    static Win32WindowSystem system;
    return system;
}

Win32WindowSystem::Win32WindowSystem() {
    RegisterWindowClasses();
}

Win32WindowSystem::~Win32WindowSystem() {
    for (HCURSOR cursor : m_loadedCursors) ::DestroyCursor(cursor);
}

// ---- Records ----------------------------------------------------------------------------------

WindowRecord* Win32WindowSystem::Record(HWND hwnd) {
    auto found = m_records.find(hwnd);
    return found == m_records.end() ? nullptr : &found->second;
}

WindowRecord& Win32WindowSystem::AddRecord(HWND hwnd) {
    return m_records[hwnd];
}

void Win32WindowSystem::DropRecord(HWND hwnd) {
    m_records.erase(hwnd);
}

void Win32WindowSystem::SendDialogCommand(HWND dialog, int id) {
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

// ---- Dialogs and windows ------------------------------------------------------------------------

WindowHandle Win32WindowSystem::CreateModeless(const resources::DialogTemplate& dialog,
                                               WindowHandle parent, EventSink* sink) {
    HWND owner = ToHwnd(parent);
    if (owner && !::IsWindow(owner)) return nullptr;
    uint32_t style = dialog.style;
    if ((style & resources::kWsChild) && !owner) style = TopLevelStyleOf(style);
    const std::vector<uint16_t> image = BuildDialogTemplate(dialog, style);
    DialogCreateInfo info;
    info.sink = sink;
    info.dialogTemplate = &dialog;
    HWND hwnd = ::CreateDialogIndirectParamA(ModuleOfWindowSystem(),
                                             reinterpret_cast<LPCDLGTEMPLATEA>(image.data()), owner,
                                             DialogProcedure, reinterpret_cast<LPARAM>(&info));
    return ToHandle(hwnd);
}

WindowHandle Win32WindowSystem::CreateChild(WindowHandle parent, int id, const Rect& rect,
                                            EventSink* sink) {
    HWND owner = ToHwnd(parent);
    if (!owner || !::IsWindow(owner)) return nullptr;
    HWND hwnd = ::CreateWindowExA(0, kCustomClassName, "", WS_CHILD | WS_CLIPSIBLINGS, rect.left,
                                  rect.top, rect.Width(), rect.Height(), owner,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                  ModuleOfWindowSystem(), sink);
    return ToHandle(hwnd);
}

void Win32WindowSystem::Subclass(WindowHandle window, EventSink* sink) {
    HWND hwnd = ToHwnd(window);
    if (!::IsWindow(hwnd)) return;
    // Dialogs, the plug-in's own windows and controls subclassed before: a new sink only.
    if (WindowRecord* record = Record(hwnd)) {
        record->sink = sink;
        return;
    }
    if (!sink) return;
    WindowRecord& record = AddRecord(hwnd);
    record.sink = sink;
    record.originalProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProcedure)));
}

void Win32WindowSystem::DestroyWindow(WindowHandle window) {
    HWND hwnd = ToHwnd(window);
    if (::IsWindow(hwnd)) ::DestroyWindow(hwnd);
}

bool Win32WindowSystem::IsWindow(WindowHandle window) {
    return window && ::IsWindow(ToHwnd(window));
}

// ---- Window operations
// ----------------------------------------------------------------------------

WindowHandle Win32WindowSystem::GetDlgItem(WindowHandle parent, int id) {
    return ToHandle(::GetDlgItem(ToHwnd(parent), id));
}

int Win32WindowSystem::GetDlgCtrlID(WindowHandle window) {
    return ::GetDlgCtrlID(ToHwnd(window));
}

// The parent of a child window; a pop-up has none (its owner is not its parent).
WindowHandle Win32WindowSystem::GetParent(WindowHandle window) {
    HWND hwnd = ToHwnd(window);
    if (!::IsWindow(hwnd) || !(::GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD)) return nullptr;
    return ToHandle(::GetAncestor(hwnd, GA_PARENT));
}

WindowKind Win32WindowSystem::GetKind(WindowHandle window) {
    HWND hwnd = ToHwnd(window);
    if (ClassIs(hwnd, "#32770")) return WindowKind::Dialog;
    if (ClassIs(hwnd, WC_STATICA)) return WindowKind::Static;
    if (ClassIs(hwnd, WC_EDITA)) return WindowKind::Edit;
    if (ClassIs(hwnd, WC_COMBOBOXA)) return WindowKind::ComboBox;
    if (ClassIs(hwnd, WC_IPADDRESSA)) return WindowKind::IpAddress;
    if (ClassIs(hwnd, DATETIMEPICK_CLASSA)) return WindowKind::TimePicker;
    if (ClassIs(hwnd, WC_LISTVIEWA)) return WindowKind::ListView;
    if (ClassIs(hwnd, WC_BUTTONA)) {
        switch (::GetWindowLongA(hwnd, GWL_STYLE) & BS_TYPEMASK) {
            case BS_CHECKBOX:
            case BS_AUTOCHECKBOX:
            case BS_3STATE:
            case BS_AUTO3STATE:
                return WindowKind::CheckBox;
            case BS_RADIOBUTTON:
            case BS_AUTORADIOBUTTON:
                return WindowKind::RadioButton;
            case BS_GROUPBOX:
                return WindowKind::GroupBox;
            default:
                return WindowKind::PushButton;
        }
    }
    return WindowKind::Custom;
}

const resources::DialogTemplate* Win32WindowSystem::GetTemplate(WindowHandle dialog) {
    WindowRecord* record = Record(ToHwnd(dialog));
    return record ? record->dialogTemplate : nullptr;
}

uint32_t Win32WindowSystem::GetStyle(WindowHandle window) {
    return static_cast<uint32_t>(::GetWindowLongA(ToHwnd(window), GWL_STYLE));
}

std::vector<WindowHandle> Win32WindowSystem::GetChildren(WindowHandle window) {
    std::vector<WindowHandle> children;
    if (!IsWindow(window)) return children;
    for (HWND child = ::GetWindow(ToHwnd(window), GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(ToHandle(child));
    }
    return children;
}

void Win32WindowSystem::MoveWindow(WindowHandle window, const Rect& rect, bool repaint) {
    ::MoveWindow(ToHwnd(window), rect.left, rect.top, rect.Width(), rect.Height(),
                 repaint ? TRUE : FALSE);
}

Rect Win32WindowSystem::GetClientRect(WindowHandle window) {
    RECT r{};
    ::GetClientRect(ToHwnd(window), &r);
    return {r.left, r.top, r.right, r.bottom};
}

Rect Win32WindowSystem::MapDialogRect(WindowHandle dialog, const Rect& units) {
    RECT r{units.left, units.top, units.right, units.bottom};
    ::MapDialogRect(ToHwnd(dialog), &r);
    return {r.left, r.top, r.right, r.bottom};
}

Rect Win32WindowSystem::GetWindowRect(WindowHandle window) {
    RECT r{};
    ::GetWindowRect(ToHwnd(window), &r);
    return {r.left, r.top, r.right, r.bottom};
}

Point Win32WindowSystem::ClientToScreen(WindowHandle window, Point point) {
    POINT p{point.x, point.y};
    ::ClientToScreen(ToHwnd(window), &p);
    return {p.x, p.y};
}

Point Win32WindowSystem::ScreenToClient(WindowHandle window, Point point) {
    POINT p{point.x, point.y};
    ::ScreenToClient(ToHwnd(window), &p);
    return {p.x, p.y};
}

void Win32WindowSystem::ShowWindow(WindowHandle window, bool show) {
    ::ShowWindow(ToHwnd(window), show ? SW_SHOW : SW_HIDE);
}

bool Win32WindowSystem::IsVisible(WindowHandle window) {
    return IsWindow(window) && (::GetWindowLongA(ToHwnd(window), GWL_STYLE) & WS_VISIBLE) != 0;
}

void Win32WindowSystem::EnableWindow(WindowHandle window, bool enable) {
    ::EnableWindow(ToHwnd(window), enable ? TRUE : FALSE);
}

bool Win32WindowSystem::IsEnabled(WindowHandle window) {
    return IsWindow(window) && ::IsWindowEnabled(ToHwnd(window));
}

void Win32WindowSystem::Invalidate(WindowHandle window, bool erase) {
    ::InvalidateRect(ToHwnd(window), nullptr, erase ? TRUE : FALSE);
}

void Win32WindowSystem::UpdateWindow(WindowHandle window) {
    ::UpdateWindow(ToHwnd(window));
}

void Win32WindowSystem::Post(WindowHandle window, int message, intptr_t wparam, intptr_t lparam) {
    ::PostMessageA(ToHwnd(window), static_cast<UINT>(message), static_cast<WPARAM>(wparam),
                   static_cast<LPARAM>(lparam));
}

std::unique_ptr<Canvas> Win32WindowSystem::CanvasForDeviceContext(void* deviceContext) {
    if (!deviceContext) return nullptr;
    return std::make_unique<GdiCanvas>(static_cast<HDC>(deviceContext));
}

}  // namespace vela::platform::win32

namespace vela::platform {

WindowSystem& TheWindowSystem() {
    return win32::System();
}

}  // namespace vela::platform
