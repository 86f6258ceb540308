// A push button, check box or radio button (CButton). UI thread only.
#pragma once

#include "ui/window.h"

namespace vela::ui {

class Button : public Window {
  public:
    int GetCheck() const { return System().GetCheck(m_hWnd); }
    void SetCheck(int state) { System().SetCheck(m_hWnd, state); }
};

}  // namespace vela::ui
