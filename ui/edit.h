// An edit field (CEdit): number-only, upper-case and password come from its template style.
// UI thread only.
#pragma once

#include "ui/window.h"

namespace vela::ui {

class Edit : public Window {
  public:
    int GetLimitText() const { return System().GetLimitText(m_hWnd); }
    void LimitText(int limit = 0) { System().LimitText(m_hWnd, limit); }
};

}  // namespace vela::ui
