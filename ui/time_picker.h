// A date-time picker (CDateTimeCtrl) in time format; it keeps the date and seconds it was
// given when the person edits hours and minutes. UI thread only.
#pragma once

#include "ui/window.h"

namespace vela::ui {

class TimePicker : public Window {
  public:
    platform::DateTime GetTime() const { return System().GetTime(m_hWnd); }
    void SetTime(const platform::DateTime& time) { System().SetTime(m_hWnd, time); }
    void SetFormat(const std::string& format) { System().SetFormat(m_hWnd, format); }
};

}  // namespace vela::ui
