// A person's actions on the controls, notifying the parent as the control does when a person
// types, chooses or clicks. UI thread.
#include "platform/win32/window_system_win32.h"

// commctrl.h needs the definitions of windows.h.
#include <commctrl.h>

#include <cctype>

namespace vela::platform::win32 {

namespace {

HWND ComboEdit(HWND combo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    return ::GetComboBoxInfo(combo, &info) ? info.hwndItem : nullptr;
}

void SendCommand(HWND control, int code) {
    HWND parent = ::GetParent(control);
    if (!parent) return;
    ::SendMessageA(parent, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(control), code),
                   reinterpret_cast<LPARAM>(control));
}

// What typing the text leaves in an edit: a number-only edit refuses non-digits, the limit
// refuses what comes after it; the case styles are the control's own.
std::string Typed(HWND edit, const std::string& text) {
    const bool numberOnly = (::GetWindowLongA(edit, GWL_STYLE) & ES_NUMBER) != 0;
    const auto limit = static_cast<size_t>(::SendMessageA(edit, EM_GETLIMITTEXT, 0, 0));
    std::string typed;
    for (char c : text) {
        if (typed.size() >= limit) break;
        if (numberOnly && !std::isdigit(static_cast<unsigned char>(c))) continue;
        typed += c;
    }
    return typed;
}

}  // namespace

void Win32WindowSystem::TypeText(WindowHandle control, const std::string& text) {
    HWND hwnd = ToHwnd(control);
    if (!::IsWindow(hwnd) || !::IsWindowEnabled(hwnd)) return;
    HWND edit = nullptr;
    switch (GetKind(control)) {
        case WindowKind::Edit:
            edit = hwnd;
            break;
        case WindowKind::ComboBox:
            if ((::GetWindowLongA(hwnd, GWL_STYLE) & CBS_DROPDOWNLIST) == CBS_DROPDOWN) {
                edit = ComboEdit(hwnd);
            }
            break;
        default:
            break;
    }
    if (!edit) return;
    // The whole text replaced at once: the edit notifies its parent once (EN_UPDATE,
    // EN_CHANGE), and a combo passes it on as CBN_EDITCHANGE.
    ::SendMessageA(edit, EM_SETSEL, 0, -1);
    ::SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(Typed(edit, text).c_str()));
}

void Win32WindowSystem::ChooseEntry(WindowHandle combo, int index) {
    HWND hwnd = ToHwnd(combo);
    if (GetKind(combo) != WindowKind::ComboBox || !::IsWindowEnabled(hwnd)) return;
    if (index < 0 || index >= GetCount(combo)) return;
    ::SendMessageA(hwnd, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendCommand(hwnd, CBN_SELCHANGE);
}

void Win32WindowSystem::Click(WindowHandle button) {
    HWND hwnd = ToHwnd(button);
    switch (GetKind(button)) {
        case WindowKind::PushButton:
        case WindowKind::CheckBox:
        case WindowKind::RadioButton:
            break;
        default:
            return;
    }
    if (!::IsWindowEnabled(hwnd)) return;
    ::SendMessageA(hwnd, BM_CLICK, 0, 0);
}

void Win32WindowSystem::ClickRow(WindowHandle list, int row) {
    HWND hwnd = ToHwnd(list);
    if (GetKind(list) != WindowKind::ListView || !::IsWindowEnabled(hwnd)) return;
    if (row >= GetItemCount(list)) return;
    // The click drops the other rows' selection, then selects and focuses the row and makes
    // it the selection mark; each change comes with its LVN_ITEMCHANGED.
    for (int other = GetNextItem(list, -1, LVNI_SELECTED); other != -1;
         other = GetNextItem(list, other, LVNI_SELECTED)) {
        if (other != row) SetItemState(list, other, 0, LVIS_SELECTED);
        if (!::IsWindow(hwnd)) return;
    }
    if (row >= 0) {
        SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        if (!::IsWindow(hwnd)) return;
        SetSelectionMark(list, row);
    }
    NMITEMACTIVATE click{};
    click.hdr.hwndFrom = hwnd;
    click.hdr.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(hwnd));
    click.hdr.code = static_cast<UINT>(NM_CLICK);
    click.iItem = row;
    click.iSubItem = 0;
    HWND parent = ::GetParent(hwnd);
    if (parent) {
        ::SendMessageA(parent, WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
    }
}

void Win32WindowSystem::EnterAddress(WindowHandle ip, uint32_t address) {
    HWND hwnd = ToHwnd(ip);
    if (GetKind(ip) != WindowKind::IpAddress || !::IsWindowEnabled(hwnd)) return;
    SetAddress(ip, address);
    SendCommand(hwnd, EN_CHANGE);
}

void Win32WindowSystem::EnterTime(WindowHandle picker, int hour, int minute) {
    HWND hwnd = ToHwnd(picker);
    if (GetKind(picker) != WindowKind::TimePicker || !::IsWindowEnabled(hwnd)) return;
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59) return;
    SYSTEMTIME value{};
    ::SendMessageA(hwnd, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&value));
    value.wHour = static_cast<WORD>(hour);
    value.wMinute = static_cast<WORD>(minute);
    ::SendMessageA(hwnd, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&value));
    NMDATETIMECHANGE change{};
    change.nmhdr.hwndFrom = hwnd;
    change.nmhdr.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(hwnd));
    change.nmhdr.code = static_cast<UINT>(DTN_DATETIMECHANGE);
    change.dwFlags = GDT_VALID;
    change.st = value;
    HWND parent = ::GetParent(hwnd);
    if (parent) {
        ::SendMessageA(parent, WM_NOTIFY, change.nmhdr.idFrom, reinterpret_cast<LPARAM>(&change));
    }
}

}  // namespace vela::platform::win32
