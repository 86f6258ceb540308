// The common controls' own behaviour: texts, check states, combo boxes, IP addresses, time
// pickers and list views, as the Win32 controls answer their messages.
#include <algorithm>
#include <cctype>
#include <cstdio>

#include "platform/headless/window_system_headless.h"
#include "resources/control_styles.h"

namespace vela::platform::headless {

namespace {

bool EqualNoCase(const std::string& a, const std::string& b, size_t length) {
    if (a.size() < length || b.size() < length) return false;
    for (size_t i = 0; i < length; ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

bool IsDropDownList(const HeadlessWindow* combo) {
    return (combo->style & resources::kCbsTypeMask) == resources::kCbsDropDownList;
}

// Searches the entries after `start` to the end, then from the top up to `start`, as
// CB_FINDSTRING and CB_FINDSTRINGEXACT do.
template <typename Match>
int SearchEntries(const HeadlessWindow* combo, int start, Match match) {
    const int count = static_cast<int>(combo->entries.size());
    if (count == 0) return kNoSelection;
    const int first = (start < 0 || start >= count) ? 0 : start + 1;
    for (int n = 0; n < count; ++n) {
        const int index = (first + n) % count;
        if (match(combo->entries[static_cast<size_t>(index)].text)) return index;
    }
    return kNoSelection;
}

std::string ApplyCase(const HeadlessWindow* edit, std::string text) {
    if (edit->style & resources::kEsUpperCase) {
        for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    } else if (edit->style & resources::kEsLowerCase) {
        for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

}  // namespace

// ---- Window text -------------------------------------------------------------------------------

void HeadlessWindowSystem::SetText(WindowHandle window, const std::string& text) {
    HeadlessWindow* w = Find(window);
    if (!w) return;
    w->invalid = true;
    switch (w->kind) {
        case WindowKind::Edit:
            // WM_SETTEXT applies the case style but not the limit or number-only style, and a
            // single-line edit always notifies, changed or not.
            w->text = ApplyCase(w, text);
            NotifyCommand(w, kEnUpdate);
            if (Find(window)) NotifyCommand(w, kEnChange);
            return;
        case WindowKind::ComboBox:
            if (IsDropDownList(w)) {
                const int index = FindStringExact(window, -1, text);
                if (index != kNoSelection) SelectEntry(w, index);
            } else {
                w->text = text;  // the edit field, without notification
            }
            return;
        default:
            w->text = text;
    }
}

std::string HeadlessWindowSystem::GetText(WindowHandle window) {
    HeadlessWindow* w = Find(window);
    if (!w) return {};
    switch (w->kind) {
        case WindowKind::ComboBox:
            if (IsDropDownList(w)) return GetLBText(window, w->curSel);
            return w->text;
        case WindowKind::IpAddress: {
            if (w->addressBlank) return {};
            char text[16];
            std::snprintf(text, sizeof text, "%u.%u.%u.%u", (w->address >> 24) & 0xFF,
                          (w->address >> 16) & 0xFF, (w->address >> 8) & 0xFF, w->address & 0xFF);
            return text;
        }
        case WindowKind::TimePicker: {
            char text[8];
            std::snprintf(text, sizeof text, "%02d:%02d", w->time.hour % 100, w->time.minute % 100);
            return text;
        }
        default:
            return w->text;
    }
}

// ---- Edit --------------------------------------------------------------------------------------

void HeadlessWindowSystem::LimitText(WindowHandle edit, int limit) {
    HeadlessWindow* w = Find(edit);
    if (!w || (w->kind != WindowKind::Edit && w->kind != WindowKind::ComboBox)) return;
    w->limit = limit <= 0 ? kMaximumEditLimit : limit;
}

int HeadlessWindowSystem::GetLimitText(WindowHandle edit) {
    HeadlessWindow* w = Find(edit);
    return w ? w->limit : 0;
}

// ---- Buttons -----------------------------------------------------------------------------------

void HeadlessWindowSystem::SetCheck(WindowHandle button, int state) {
    HeadlessWindow* w = Find(button);
    if (!w || (w->kind != WindowKind::CheckBox && w->kind != WindowKind::RadioButton)) return;
    w->check = state;
    w->invalid = true;
}

int HeadlessWindowSystem::GetCheck(WindowHandle button) {
    HeadlessWindow* w = Find(button);
    return w ? w->check : 0;
}

// ---- Combo box ---------------------------------------------------------------------------------

int HeadlessWindowSystem::AddString(WindowHandle combo, const std::string& text) {
    HeadlessWindow* w = FindKind(combo, WindowKind::ComboBox);
    if (!w) return kNoSelection;
    w->entries.push_back({text, 0});
    return static_cast<int>(w->entries.size()) - 1;
}

int HeadlessWindowSystem::InsertString(WindowHandle combo, int index, const std::string& text) {
    HeadlessWindow* w = FindKind(combo, WindowKind::ComboBox);
    if (!w) return kNoSelection;
    const int count = static_cast<int>(w->entries.size());
    if (index > count) return kNoSelection;
    if (index < 0) index = count;
    w->entries.insert(w->entries.begin() + index, {text, 0});
    if (w->curSel >= index) ++w->curSel;
    return index;
}

int HeadlessWindowSystem::DeleteString(WindowHandle combo, int index) {
    HeadlessWindow* w = FindKind(combo, WindowKind::ComboBox);
    if (!w || index < 0 || index >= static_cast<int>(w->entries.size())) return kNoSelection;
    w->entries.erase(w->entries.begin() + index);
    if (w->curSel == index) {
        w->curSel = kNoSelection;
    } else if (w->curSel > index) {
        --w->curSel;
    }
    return static_cast<int>(w->entries.size());
}

void HeadlessWindowSystem::ResetContent(WindowHandle combo) {
    HeadlessWindow* w = FindKind(combo, WindowKind::ComboBox);
    if (!w) return;
    w->entries.clear();
    w->curSel = kNoSelection;
    w->text.clear();
    w->invalid = true;
}

int HeadlessWindowSystem::GetCount(WindowHandle combo) {
    HeadlessWindow* w = FindKind(combo, WindowKind::ComboBox);
    return w ? static_cast<int>(w->entries.size()) : kNoSelection;
}

int HeadlessWindowSystem::GetCurSel(WindowHandle combo) {
    HeadlessWindow* w = FindKind(combo, WindowKind::ComboBox);
    return w ? w->curSel : kNoSelection;
}

// The selection, and a drop-down's edit field showing the selected entry (empty for none).
void HeadlessWindowSystem::SelectEntry(HeadlessWindow* combo, int index) {
    combo->curSel = index;
    if (!IsDropDownList(combo)) {
        combo->text =
            index == kNoSelection ? std::string() : combo->entries[static_cast<size_t>(index)].text;
    }
    combo->invalid = true;
}

int HeadlessWindowSystem::SetCurSel(WindowHandle combo, int index) {
    HeadlessWindow* w = FindKind(combo, WindowKind::ComboBox);
    if (!w) return kNoSelection;
    if (index < 0 || index >= static_cast<int>(w->entries.size())) {
        SelectEntry(w, kNoSelection);
        return kNoSelection;
    }
    SelectEntry(w, index);
    return index;
}

std::string HeadlessWindowSystem::GetLBText(WindowHandle combo, int index) {
    HeadlessWindow* w = FindKind(combo, WindowKind::ComboBox);
    if (!w || index < 0 || index >= static_cast<int>(w->entries.size())) return {};
    return w->entries[static_cast<size_t>(index)].text;
}

int HeadlessWindowSystem::SetItemData(WindowHandle combo, int index, intptr_t data) {
    HeadlessWindow* w = FindKind(combo, WindowKind::ComboBox);
    if (!w || index < 0 || index >= static_cast<int>(w->entries.size())) return kNoSelection;
    w->entries[static_cast<size_t>(index)].data = data;
    return 1;  // TRUE, as the Win32 combo box answers
}

intptr_t HeadlessWindowSystem::GetItemData(WindowHandle combo, int index) {
    HeadlessWindow* w = FindKind(combo, WindowKind::ComboBox);
    if (!w || index < 0 || index >= static_cast<int>(w->entries.size())) return kNoSelection;
    return w->entries[static_cast<size_t>(index)].data;
}

int HeadlessWindowSystem::FindString(WindowHandle combo, int start, const std::string& prefix) {
    HeadlessWindow* w = FindKind(combo, WindowKind::ComboBox);
    if (!w) return kNoSelection;
    return SearchEntries(w, start, [&](const std::string& entry) {
        return EqualNoCase(entry, prefix, prefix.size());
    });
}

int HeadlessWindowSystem::FindStringExact(WindowHandle combo, int start, const std::string& text) {
    HeadlessWindow* w = FindKind(combo, WindowKind::ComboBox);
    if (!w) return kNoSelection;
    return SearchEntries(w, start, [&](const std::string& entry) {
        return entry.size() == text.size() && EqualNoCase(entry, text, text.size());
    });
}

int HeadlessWindowSystem::SelectString(WindowHandle combo, int start, const std::string& prefix) {
    const int index = FindString(combo, start, prefix);
    if (index != kNoSelection) SelectEntry(Find(combo), index);
    return index;
}

// ---- IP address --------------------------------------------------------------------------------

void HeadlessWindowSystem::SetAddress(WindowHandle ip, uint32_t address) {
    HeadlessWindow* w = FindKind(ip, WindowKind::IpAddress);
    if (!w) return;
    w->address = address;
    w->addressBlank = false;
    w->invalid = true;
}

int HeadlessWindowSystem::GetAddress(WindowHandle ip, uint32_t* address) {
    HeadlessWindow* w = FindKind(ip, WindowKind::IpAddress);
    if (!w) return 0;
    if (address) *address = w->addressBlank ? 0 : w->address;
    return w->addressBlank ? 0 : 4;
}

void HeadlessWindowSystem::ClearAddress(WindowHandle ip) {
    HeadlessWindow* w = FindKind(ip, WindowKind::IpAddress);
    if (!w) return;
    w->address = 0;
    w->addressBlank = true;
    w->invalid = true;
}

bool HeadlessWindowSystem::IsBlank(WindowHandle ip) {
    HeadlessWindow* w = FindKind(ip, WindowKind::IpAddress);
    return !w || w->addressBlank;
}

// ---- Time picker -------------------------------------------------------------------------------

void HeadlessWindowSystem::SetFormat(WindowHandle picker, const std::string& format) {
    if (HeadlessWindow* w = FindKind(picker, WindowKind::TimePicker)) w->format = format;
}

void HeadlessWindowSystem::SetTime(WindowHandle picker, const DateTime& time) {
    HeadlessWindow* w = FindKind(picker, WindowKind::TimePicker);
    if (!w) return;
    w->time = time;
    w->time.milliseconds = 0;  // the control keeps whole seconds
    w->invalid = true;
}

DateTime HeadlessWindowSystem::GetTime(WindowHandle picker) {
    HeadlessWindow* w = FindKind(picker, WindowKind::TimePicker);
    return w ? w->time : DateTime{};
}

// ---- List view ---------------------------------------------------------------------------------

int HeadlessWindowSystem::InsertColumn(WindowHandle list, int index, const std::string& heading,
                                       int format, int width) {
    HeadlessWindow* w = FindKind(list, WindowKind::ListView);
    if (!w || index < 0) return kNoSelection;
    index = std::min(index, static_cast<int>(w->columns.size()));
    w->columns.insert(w->columns.begin() + index, {heading, format, width});
    // Subitem texts move with their column; column 0 stays the item text.
    for (ListRow& row : w->rows) {
        if (index > 0 && static_cast<size_t>(index) <= row.cells.size()) {
            row.cells.insert(row.cells.begin() + index, std::string());
        }
    }
    return index;
}

int HeadlessWindowSystem::GetColumnCount(WindowHandle list) {
    HeadlessWindow* w = FindKind(list, WindowKind::ListView);
    return w ? static_cast<int>(w->columns.size()) : 0;
}

uint32_t HeadlessWindowSystem::SetExtendedStyle(WindowHandle list, uint32_t style) {
    HeadlessWindow* w = FindKind(list, WindowKind::ListView);
    if (!w) return 0;
    const uint32_t old = w->extendedStyle;
    w->extendedStyle = style;
    return old;
}

uint32_t HeadlessWindowSystem::GetExtendedStyle(WindowHandle list) {
    HeadlessWindow* w = FindKind(list, WindowKind::ListView);
    return w ? w->extendedStyle : 0;
}

int HeadlessWindowSystem::InsertItem(WindowHandle list, int index, const std::string& text) {
    HeadlessWindow* w = FindKind(list, WindowKind::ListView);
    if (!w || index < 0) return kNoSelection;
    index = std::min(index, static_cast<int>(w->rows.size()));
    ListRow row;
    row.cells.push_back(text);
    w->rows.insert(w->rows.begin() + index, row);
    if (w->selectionMark >= index) ++w->selectionMark;
    w->invalid = true;
    return index;
}

bool HeadlessWindowSystem::SetItemText(WindowHandle list, int item, int subItem,
                                       const std::string& text) {
    HeadlessWindow* w = FindKind(list, WindowKind::ListView);
    if (!w || item < 0 || item >= static_cast<int>(w->rows.size()) || subItem < 0) return false;
    if (subItem > 0 && subItem >= static_cast<int>(w->columns.size())) return false;
    auto& cells = w->rows[static_cast<size_t>(item)].cells;
    if (cells.size() <= static_cast<size_t>(subItem)) cells.resize(subItem + 1);
    cells[static_cast<size_t>(subItem)] = text;
    w->invalid = true;
    return true;
}

std::string HeadlessWindowSystem::GetItemText(WindowHandle list, int item, int subItem) {
    HeadlessWindow* w = FindKind(list, WindowKind::ListView);
    if (!w || item < 0 || item >= static_cast<int>(w->rows.size()) || subItem < 0) return {};
    const auto& cells = w->rows[static_cast<size_t>(item)].cells;
    return static_cast<size_t>(subItem) < cells.size() ? cells[static_cast<size_t>(subItem)]
                                                       : std::string();
}

bool HeadlessWindowSystem::SetListItemData(WindowHandle list, int item, intptr_t data) {
    HeadlessWindow* w = FindKind(list, WindowKind::ListView);
    if (!w || item < 0 || item >= static_cast<int>(w->rows.size())) return false;
    w->rows[static_cast<size_t>(item)].data = data;
    return true;
}

intptr_t HeadlessWindowSystem::GetListItemData(WindowHandle list, int item) {
    HeadlessWindow* w = FindKind(list, WindowKind::ListView);
    if (!w || item < 0 || item >= static_cast<int>(w->rows.size())) return 0;
    return w->rows[static_cast<size_t>(item)].data;
}

int HeadlessWindowSystem::GetItemCount(WindowHandle list) {
    HeadlessWindow* w = FindKind(list, WindowKind::ListView);
    return w ? static_cast<int>(w->rows.size()) : 0;
}

bool HeadlessWindowSystem::DeleteItem(WindowHandle list, int item) {
    HeadlessWindow* w = FindKind(list, WindowKind::ListView);
    if (!w || item < 0 || item >= static_cast<int>(w->rows.size())) return false;
    w->rows.erase(w->rows.begin() + item);
    // The mark follows its row; a deleted marked row leaves the mark on the row that took its
    // place (the last row when it was the last).
    const int count = static_cast<int>(w->rows.size());
    if (w->selectionMark > item) {
        --w->selectionMark;
    } else if (w->selectionMark == item && w->selectionMark >= count) {
        w->selectionMark = count - 1;
    }
    w->invalid = true;
    return true;
}

bool HeadlessWindowSystem::DeleteAllItems(WindowHandle list) {
    HeadlessWindow* w = FindKind(list, WindowKind::ListView);
    if (!w) return false;
    w->rows.clear();
    w->selectionMark = kNoSelection;
    w->invalid = true;
    return true;
}

void HeadlessWindowSystem::ChangeRowState(HeadlessWindow* list, int row, unsigned state,
                                          unsigned mask) {
    const WindowHandle handle = list->Handle();
    ListRow& target = list->rows[static_cast<size_t>(row)];
    const unsigned next = (target.state & ~mask) | (state & mask);
    if (next == target.state) return;
    // A single-selection list drops the other selected rows first.
    if ((next & kLvisSelected) && !(target.state & kLvisSelected) &&
        (list->style & resources::kLvsSingleSel)) {
        for (int other = 0; other < static_cast<int>(list->rows.size()); ++other) {
            if (other != row && (list->rows[static_cast<size_t>(other)].state & kLvisSelected)) {
                ChangeRowState(list, other, 0, kLvisSelected);
                if (!Find(handle) || row >= static_cast<int>(list->rows.size())) return;
            }
        }
    }
    // Only one row holds the focus.
    if ((next & kLvisFocused) && !(target.state & kLvisFocused)) {
        for (ListRow& other : list->rows) other.state &= ~kLvisFocused;
    }
    list->rows[static_cast<size_t>(row)].state = next;
    list->invalid = true;
    NotifyParent(list, kLvnItemChanged, row);
}

bool HeadlessWindowSystem::SetItemState(WindowHandle list, int item, unsigned state,
                                        unsigned mask) {
    HeadlessWindow* w = FindKind(list, WindowKind::ListView);
    if (!w || item < -1 || item >= static_cast<int>(w->rows.size())) return false;
    if (item >= 0) {
        ChangeRowState(w, item, state, mask);
        return true;
    }
    for (int row = 0; Find(list) && row < static_cast<int>(w->rows.size()); ++row) {
        ChangeRowState(w, row, state, mask);
    }
    return true;
}

unsigned HeadlessWindowSystem::GetItemState(WindowHandle list, int item, unsigned mask) {
    HeadlessWindow* w = FindKind(list, WindowKind::ListView);
    if (!w || item < 0 || item >= static_cast<int>(w->rows.size())) return 0;
    return w->rows[static_cast<size_t>(item)].state & mask;
}

int HeadlessWindowSystem::GetNextItem(WindowHandle list, int start, int flags) {
    HeadlessWindow* w = FindKind(list, WindowKind::ListView);
    if (!w) return kNoSelection;
    for (int row = std::max(start + 1, 0); row < static_cast<int>(w->rows.size()); ++row) {
        const unsigned state = w->rows[static_cast<size_t>(row)].state;
        if ((flags & kLvniSelected) && !(state & kLvisSelected)) continue;
        return row;
    }
    return kNoSelection;
}

int HeadlessWindowSystem::GetSelectionMark(WindowHandle list) {
    HeadlessWindow* w = FindKind(list, WindowKind::ListView);
    return w ? w->selectionMark : kNoSelection;
}

int HeadlessWindowSystem::SetSelectionMark(WindowHandle list, int item) {
    HeadlessWindow* w = FindKind(list, WindowKind::ListView);
    if (!w) return kNoSelection;
    const int old = w->selectionMark;
    w->selectionMark = item;
    return old;
}

}  // namespace vela::platform::headless
