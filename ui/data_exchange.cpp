#include "ui/data_exchange.h"

#include <cctype>
#include <climits>

#include "ui/dialog.h"
#include "ui/message_box.h"

namespace vela::ui {

platform::WindowHandle DataExchange::Control(int id) {
    return m_rDialog.GetDlgItem(id);
}

void DataExchange::Fail(const std::string& message) {
    ShowMessage(m_rDialog.GetSafeHwnd(), message, kModuleCaption, platform::MessageButtons::Ok);
    m_bFailed = true;
}

bool ParseDialogInteger(const std::string& text, int& value) {
    size_t i = 0;
    auto blank = [&](size_t at) {
        return at < text.size() && (text[at] == ' ' || text[at] == '\t');
    };
    while (blank(i)) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const size_t digitsStart = i;
    long long number = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
        number = number * 10 + (text[i++] - '0');
        // A number beyond the 32-bit range is refused, not cut to its limit.
        if (number > static_cast<long long>(INT_MAX) + 1) return false;
    }
    if (i == digitsStart) return false;
    while (blank(i)) ++i;
    if (i != text.size()) return false;
    if (negative) number = -number;
    if (number < INT_MIN || number > INT_MAX) return false;
    value = static_cast<int>(number);
    return true;
}

void DdxText(DataExchange& dx, int id, std::string& value) {
    if (dx.Failed()) return;
    platform::WindowHandle control = dx.Control(id);
    if (!control) return;
    if (dx.Saving()) {
        value = platform::TheWindowSystem().GetText(control);
    } else {
        platform::TheWindowSystem().SetText(control, value);
    }
}

void DdxText(DataExchange& dx, int id, int& value) {
    if (dx.Failed()) return;
    platform::WindowHandle control = dx.Control(id);
    if (!control) return;
    if (!dx.Saving()) {
        platform::TheWindowSystem().SetText(control, std::to_string(value));
        return;
    }
    int parsed = 0;
    if (!ParseDialogInteger(platform::TheWindowSystem().GetText(control), parsed)) {
        dx.Fail(kParseIntMessage);
        return;
    }
    value = parsed;
}

void DdxCheck(DataExchange& dx, int id, int& value) {
    if (dx.Failed()) return;
    platform::WindowHandle control = dx.Control(id);
    if (!control) return;
    if (dx.Saving()) {
        value = platform::TheWindowSystem().GetCheck(control);
    } else {
        platform::TheWindowSystem().SetCheck(control, value);
    }
}

void DdxCBIndex(DataExchange& dx, int id, int& value) {
    if (dx.Failed()) return;
    platform::WindowHandle control = dx.Control(id);
    if (!control) return;
    if (dx.Saving()) {
        value = platform::TheWindowSystem().GetCurSel(control);
    } else {
        platform::TheWindowSystem().SetCurSel(control, value);
    }
}

void DdxControl(DataExchange& dx, int id, Window& control) {
    if (dx.Failed() || control.GetSafeHwnd()) return;
    control.AttachToDialogItem(dx.GetDialog(), id);
}

}  // namespace vela::ui
