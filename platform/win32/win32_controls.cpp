// The typed control operations: each is one message of the control (EM_, BM_, CB_, IPM_,
// DTM_, LVM_), so the control's own behaviour answers. UI thread.
#include "platform/win32/window_system_win32.h"

// commctrl.h needs the definitions of windows.h.
#include <commctrl.h>

#include <cstdio>
#include <vector>

#include "resources/control_styles.h"

namespace vela::platform::win32 {

namespace {

// A list-view cell or combo entry longer than this is read cut (the pages show short texts).
constexpr int kMaxItemText = 1024;

LRESULT Send(WindowHandle window, UINT message, WPARAM wparam = 0, LPARAM lparam = 0) {
    return ::SendMessageA(ToHwnd(window), message, wparam, lparam);
}

template <typename T>
LPARAM AsParam(T* pointer) {
    return reinterpret_cast<LPARAM>(pointer);
}

bool IsDropDownList(HWND combo) {
    return (::GetWindowLongA(combo, GWL_STYLE) & CBS_DROPDOWNLIST) == CBS_DROPDOWNLIST;
}

std::string WindowText(HWND hwnd) {
    const int length = ::GetWindowTextLengthA(hwnd);
    if (length <= 0) return {};
    std::vector<char> text(static_cast<size_t>(length) + 1);
    const int got = ::GetWindowTextA(hwnd, text.data(), length + 1);
    return std::string(text.data(), static_cast<size_t>(got > 0 ? got : 0));
}

// A drop-down combo's edit field.
HWND ComboEdit(HWND combo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    return ::GetComboBoxInfo(combo, &info) ? info.hwndItem : nullptr;
}

}  // namespace

// ---- Window text ------------------------------------------------------------------------------

void Win32WindowSystem::SetText(WindowHandle window, const std::string& text) {
    HWND hwnd = ToHwnd(window);
    if (!::IsWindow(hwnd)) return;
    if (GetKind(window) == WindowKind::ComboBox && IsDropDownList(hwnd)) {
        const int index = FindStringExact(window, -1, text);
        if (index != kNoSelection) Send(window, CB_SETCURSEL, static_cast<WPARAM>(index));
        return;
    }
    ::SetWindowTextA(hwnd, text.c_str());
}

std::string Win32WindowSystem::GetText(WindowHandle window) {
    HWND hwnd = ToHwnd(window);
    if (!::IsWindow(hwnd)) return {};
    switch (GetKind(window)) {
        case WindowKind::ComboBox:
            if (IsDropDownList(hwnd)) return GetLBText(window, GetCurSel(window));
            return WindowText(hwnd);
        case WindowKind::IpAddress: {
            uint32_t address = 0;
            if (IsBlank(window)) return {};
            GetAddress(window, &address);
            char text[16];
            std::snprintf(text, sizeof text, "%u.%u.%u.%u", (address >> 24) & 0xFF,
                          (address >> 16) & 0xFF, (address >> 8) & 0xFF, address & 0xFF);
            return text;
        }
        case WindowKind::TimePicker: {
            const DateTime time = GetTime(window);
            char text[8];
            std::snprintf(text, sizeof text, "%02d:%02d", time.hour % 100, time.minute % 100);
            return text;
        }
        default:
            return WindowText(hwnd);
    }
}

// ---- Edit ---------------------------------------------------------------------------------------

void Win32WindowSystem::LimitText(WindowHandle edit, int limit) {
    const WindowKind kind = GetKind(edit);
    if (kind == WindowKind::Edit) Send(edit, EM_LIMITTEXT, static_cast<WPARAM>(limit));
    if (kind == WindowKind::ComboBox) Send(edit, CB_LIMITTEXT, static_cast<WPARAM>(limit));
}

int Win32WindowSystem::GetLimitText(WindowHandle edit) {
    HWND hwnd = ToHwnd(edit);
    if (GetKind(edit) == WindowKind::ComboBox) hwnd = ComboEdit(hwnd);
    if (!hwnd) return 0;
    return static_cast<int>(::SendMessageA(hwnd, EM_GETLIMITTEXT, 0, 0));
}

// ---- Buttons ------------------------------------------------------------------------------------

void Win32WindowSystem::SetCheck(WindowHandle button, int state) {
    Send(button, BM_SETCHECK, static_cast<WPARAM>(state));
}

int Win32WindowSystem::GetCheck(WindowHandle button) {
    return static_cast<int>(Send(button, BM_GETCHECK));
}

// ---- Combo box
// ------------------------------------------------------------------------------------

int Win32WindowSystem::AddString(WindowHandle combo, const std::string& text) {
    return static_cast<int>(Send(combo, CB_ADDSTRING, 0, AsParam(text.c_str())));
}

int Win32WindowSystem::InsertString(WindowHandle combo, int index, const std::string& text) {
    return static_cast<int>(
        Send(combo, CB_INSERTSTRING, static_cast<WPARAM>(index), AsParam(text.c_str())));
}

int Win32WindowSystem::DeleteString(WindowHandle combo, int index) {
    return static_cast<int>(Send(combo, CB_DELETESTRING, static_cast<WPARAM>(index)));
}

void Win32WindowSystem::ResetContent(WindowHandle combo) {
    Send(combo, CB_RESETCONTENT);
}

int Win32WindowSystem::GetCount(WindowHandle combo) {
    return static_cast<int>(Send(combo, CB_GETCOUNT));
}

int Win32WindowSystem::GetCurSel(WindowHandle combo) {
    return static_cast<int>(Send(combo, CB_GETCURSEL));
}

// An index past the end clears the selection as -1 does (the documented behaviour; some
// implementations keep the old selection instead, so the index is made -1 here).
int Win32WindowSystem::SetCurSel(WindowHandle combo, int index) {
    if (index < -1 || index >= GetCount(combo)) index = -1;
    return static_cast<int>(Send(combo, CB_SETCURSEL, static_cast<WPARAM>(index)));
}

std::string Win32WindowSystem::GetLBText(WindowHandle combo, int index) {
    const LRESULT length = Send(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (length == CB_ERR || length <= 0) return {};
    std::vector<char> text(static_cast<size_t>(length) + 1);
    const LRESULT got = Send(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), AsParam(text.data()));
    if (got == CB_ERR) return {};
    return std::string(text.data(), static_cast<size_t>(got));
}

int Win32WindowSystem::SetItemData(WindowHandle combo, int index, intptr_t data) {
    return static_cast<int>(
        Send(combo, CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
}

intptr_t Win32WindowSystem::GetItemData(WindowHandle combo, int index) {
    return static_cast<intptr_t>(Send(combo, CB_GETITEMDATA, static_cast<WPARAM>(index)));
}

int Win32WindowSystem::FindString(WindowHandle combo, int start, const std::string& prefix) {
    return static_cast<int>(
        Send(combo, CB_FINDSTRING, static_cast<WPARAM>(start), AsParam(prefix.c_str())));
}

int Win32WindowSystem::FindStringExact(WindowHandle combo, int start, const std::string& text) {
    return static_cast<int>(
        Send(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(start), AsParam(text.c_str())));
}

int Win32WindowSystem::SelectString(WindowHandle combo, int start, const std::string& prefix) {
    return static_cast<int>(
        Send(combo, CB_SELECTSTRING, static_cast<WPARAM>(start), AsParam(prefix.c_str())));
}

// ---- IP address
// -----------------------------------------------------------------------------------

void Win32WindowSystem::SetAddress(WindowHandle ip, uint32_t address) {
    Send(ip, IPM_SETADDRESS, 0, static_cast<LPARAM>(address));
}

int Win32WindowSystem::GetAddress(WindowHandle ip, uint32_t* address) {
    DWORD value = 0;
    const int fields = static_cast<int>(Send(ip, IPM_GETADDRESS, 0, AsParam(&value)));
    if (address) *address = value;
    return fields;
}

void Win32WindowSystem::ClearAddress(WindowHandle ip) {
    Send(ip, IPM_CLEARADDRESS);
}

bool Win32WindowSystem::IsBlank(WindowHandle ip) {
    return Send(ip, IPM_ISBLANK) != 0;
}

// ---- Time picker
// ------------------------------------------------------------------------------------

void Win32WindowSystem::SetFormat(WindowHandle picker, const std::string& format) {
    Send(picker, DTM_SETFORMATA, 0, AsParam(format.c_str()));
}

void Win32WindowSystem::SetTime(WindowHandle picker, const DateTime& time) {
    SYSTEMTIME value{};
    value.wYear = static_cast<WORD>(time.year);
    value.wMonth = static_cast<WORD>(time.month);
    value.wDayOfWeek = static_cast<WORD>(time.dayOfWeek);
    value.wDay = static_cast<WORD>(time.day);
    value.wHour = static_cast<WORD>(time.hour);
    value.wMinute = static_cast<WORD>(time.minute);
    value.wSecond = static_cast<WORD>(time.second);
    value.wMilliseconds = static_cast<WORD>(time.milliseconds);
    Send(picker, DTM_SETSYSTEMTIME, GDT_VALID, AsParam(&value));
}

DateTime Win32WindowSystem::GetTime(WindowHandle picker) {
    SYSTEMTIME value{};
    DateTime time;
    if (Send(picker, DTM_GETSYSTEMTIME, 0, AsParam(&value)) != GDT_VALID) return time;
    time.year = value.wYear;
    time.month = value.wMonth;
    time.dayOfWeek = value.wDayOfWeek;
    time.day = value.wDay;
    time.hour = value.wHour;
    time.minute = value.wMinute;
    time.second = value.wSecond;
    time.milliseconds = value.wMilliseconds;
    return time;
}

// ---- List view
// ----------------------------------------------------------------------------------------

int Win32WindowSystem::InsertColumn(WindowHandle list, int index, const std::string& heading,
                                    int format, int width) {
    LVCOLUMNA column{};
    column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.fmt = format;
    column.cx = width;
    column.pszText = const_cast<char*>(heading.c_str());
    column.iSubItem = index;
    return static_cast<int>(
        Send(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), AsParam(&column)));
}

int Win32WindowSystem::GetColumnCount(WindowHandle list) {
    HWND header = reinterpret_cast<HWND>(Send(list, LVM_GETHEADER));
    return header ? static_cast<int>(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

uint32_t Win32WindowSystem::SetExtendedStyle(WindowHandle list, uint32_t style) {
    return static_cast<uint32_t>(
        Send(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(style)));
}

uint32_t Win32WindowSystem::GetExtendedStyle(WindowHandle list) {
    return static_cast<uint32_t>(Send(list, LVM_GETEXTENDEDLISTVIEWSTYLE));
}

int Win32WindowSystem::InsertItem(WindowHandle list, int index, const std::string& text) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.pszText = const_cast<char*>(text.c_str());
    return static_cast<int>(Send(list, LVM_INSERTITEMA, 0, AsParam(&item)));
}

bool Win32WindowSystem::SetItemText(WindowHandle list, int item, int subItem,
                                    const std::string& text) {
    LVITEMA cell{};
    cell.iSubItem = subItem;
    cell.pszText = const_cast<char*>(text.c_str());
    return Send(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(item), AsParam(&cell)) != 0;
}

std::string Win32WindowSystem::GetItemText(WindowHandle list, int item, int subItem) {
    char text[kMaxItemText] = {};
    LVITEMA cell{};
    cell.iSubItem = subItem;
    cell.pszText = text;
    cell.cchTextMax = kMaxItemText;
    const LRESULT length = Send(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(item), AsParam(&cell));
    if (length <= 0) return {};
    return std::string(cell.pszText);
}

bool Win32WindowSystem::SetListItemData(WindowHandle list, int item, intptr_t data) {
    LVITEMA row{};
    row.mask = LVIF_PARAM;
    row.iItem = item;
    row.lParam = static_cast<LPARAM>(data);
    return Send(list, LVM_SETITEMA, 0, AsParam(&row)) != 0;
}

intptr_t Win32WindowSystem::GetListItemData(WindowHandle list, int item) {
    LVITEMA row{};
    row.mask = LVIF_PARAM;
    row.iItem = item;
    if (!Send(list, LVM_GETITEMA, 0, AsParam(&row))) return 0;
    return static_cast<intptr_t>(row.lParam);
}

int Win32WindowSystem::GetItemCount(WindowHandle list) {
    return static_cast<int>(Send(list, LVM_GETITEMCOUNT));
}

bool Win32WindowSystem::DeleteItem(WindowHandle list, int item) {
    return Send(list, LVM_DELETEITEM, static_cast<WPARAM>(item)) != 0;
}

bool Win32WindowSystem::DeleteAllItems(WindowHandle list) {
    return Send(list, LVM_DELETEALLITEMS) != 0;
}

bool Win32WindowSystem::SetItemState(WindowHandle list, int item, unsigned state, unsigned mask) {
    LVITEMA row{};
    row.stateMask = mask;
    row.state = state;
    return Send(list, LVM_SETITEMSTATE, static_cast<WPARAM>(item), AsParam(&row)) != 0;
}

unsigned Win32WindowSystem::GetItemState(WindowHandle list, int item, unsigned mask) {
    return static_cast<unsigned>(
        Send(list, LVM_GETITEMSTATE, static_cast<WPARAM>(item), static_cast<LPARAM>(mask)));
}

int Win32WindowSystem::GetNextItem(WindowHandle list, int start, int flags) {
    return static_cast<int>(
        Send(list, LVM_GETNEXTITEM, static_cast<WPARAM>(start), static_cast<LPARAM>(flags)));
}

int Win32WindowSystem::GetSelectionMark(WindowHandle list) {
    return static_cast<int>(Send(list, LVM_GETSELECTIONMARK));
}

int Win32WindowSystem::SetSelectionMark(WindowHandle list, int item) {
    return static_cast<int>(Send(list, LVM_SETSELECTIONMARK, 0, static_cast<LPARAM>(item)));
}

}  // namespace vela::platform::win32
