// Message boxes, the file-open dialog, cursors, mouse capture and tracking, moving a window by
// a press on its surface, and the system font. UI thread.
#include "platform/win32/window_system_win32.h"

// commdlg.h needs the definitions of windows.h.
#include <commdlg.h>

#include <algorithm>
#include <vector>

namespace vela::platform::win32 {

namespace {

// Longest path the file-open dialog returns.
constexpr size_t kMaxPickedPath = MAX_PATH * 4;

// "Firmware (*.bin)|*.bin|All (*.*)|*.*||" -> the same with NULs, ending in two.
std::vector<char> FilterForDialog(const std::string& filter) {
    std::vector<char> converted(filter.begin(), filter.end());
    for (char& c : converted) {
        if (c == '|') c = '\0';
    }
    converted.push_back('\0');
    converted.push_back('\0');
    return converted;
}

}  // namespace

MessageAnswer Win32WindowSystem::ShowMessageBox(WindowHandle owner, const std::string& text,
                                                const std::string& caption,
                                                MessageButtons buttons) {
    UINT type = MB_OK;
    if (buttons == MessageButtons::OkCancel) type = MB_OKCANCEL;
    if (buttons == MessageButtons::YesNo) type = MB_YESNO;
    switch (::MessageBoxA(ToHwnd(owner), text.c_str(), caption.c_str(), type)) {
        case IDOK:
            return MessageAnswer::Ok;
        case IDYES:
            return MessageAnswer::Yes;
        case IDNO:
            return MessageAnswer::No;
        default:
            return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Cancel;
    }
}

std::optional<std::string> Win32WindowSystem::OpenFileDialog(WindowHandle owner,
                                                             const std::string& filter,
                                                             const std::string& initialName) {
    std::vector<char> filters = FilterForDialog(filter);
    std::vector<char> path(kMaxPickedPath, '\0');
    initialName.copy(path.data(), std::min(initialName.size(), path.size() - 1));
    OPENFILENAMEA request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = ToHwnd(owner);
    request.lpstrFilter = filters.data();
    request.nFilterIndex = 1;
    request.lpstrFile = path.data();
    request.nMaxFile = static_cast<DWORD>(path.size());
    request.Flags =
        OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_READONLY | OFN_NOCHANGEDIR;
    if (!::GetOpenFileNameA(&request)) return std::nullopt;
    return std::string(path.data());
}

// ---- Mouse
// ----------------------------------------------------------------------------------------

void Win32WindowSystem::SetCapture(WindowHandle window) {
    ::SetCapture(ToHwnd(window));
}

void Win32WindowSystem::ReleaseCapture() {
    ::ReleaseCapture();
}

WindowHandle Win32WindowSystem::GetCapture() {
    return ToHandle(::GetCapture());
}

bool Win32WindowSystem::TrackMouse(WindowHandle window, bool leave, bool hover, int hoverMs) {
    TRACKMOUSEEVENT request{};
    request.cbSize = sizeof request;
    request.dwFlags = (leave ? TME_LEAVE : 0) | (hover ? TME_HOVER : 0);
    request.hwndTrack = ToHwnd(window);
    request.dwHoverTime = hoverMs > 0 ? static_cast<DWORD>(hoverMs) : HOVER_DEFAULT;
    if (!request.dwFlags || !::IsWindow(request.hwndTrack)) return false;
    return ::TrackMouseEvent(&request) != FALSE;
}

Point Win32WindowSystem::GetCursorPos() {
    POINT p{};
    ::GetCursorPos(&p);
    return {p.x, p.y};
}

// The press becomes one on the title bar: the system's move loop follows the pointer until
// the button is released.
void Win32WindowSystem::BeginMoveByPress(WindowHandle window) {
    HWND hwnd = ToHwnd(window);
    if (!::IsWindow(hwnd)) return;
    HWND top = ::GetAncestor(hwnd, GA_ROOT);
    POINT p{};
    ::GetCursorPos(&p);
    ::ReleaseCapture();
    ::SendMessageA(top, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(p.x, p.y));
}

// ---- Cursors
// --------------------------------------------------------------------------------------

CursorHandle Win32WindowSystem::LoadAnimatedCursor(const std::string& path) {
    HCURSOR cursor = ::LoadCursorFromFileA(path.c_str());
    if (!cursor) return nullptr;
    m_loadedCursors.push_back(cursor);
    return reinterpret_cast<CursorHandle>(cursor);
}

CursorHandle Win32WindowSystem::GetStandardCursor(StandardCursor which) {
    return reinterpret_cast<CursorHandle>(
        ::LoadCursorA(nullptr, which == StandardCursor::Arrow ? IDC_ARROW : IDC_WAIT));
}

void Win32WindowSystem::SetCursor(CursorHandle cursor) {
    ::SetCursor(reinterpret_cast<HCURSOR>(cursor));
}

// ---- Fonts
// ----------------------------------------------------------------------------------------

Font Win32WindowSystem::SystemFont() {
    LOGFONTA description{};
    Font font;
    if (!::GetObjectA(::GetStockObject(SYSTEM_FONT), sizeof description, &description)) {
        return font;
    }
    font.face = description.lfFaceName;
    font.height = description.lfHeight;
    font.width = description.lfWidth;
    font.weight = description.lfWeight;
    font.charset = description.lfCharSet;
    font.italic = description.lfItalic != 0;
    return font;
}

}  // namespace vela::platform::win32
