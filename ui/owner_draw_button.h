// A button that draws itself (the owner-draw style of its template): the dialog reflects the
// draw requests to it, and it sees its own mouse events first (subclassing), as the skin button
// needs for hover tracking. UI thread only.
#pragma once

#include "ui/event_window.h"

namespace vela::ui {

class OwnerDrawButton : public EventWindow {
  public:
    bool AttachToDialogItem(Dialog& dialog, int id) override;

    // One draw request: the canvas covers the button, itemState holds kOds* bits.
    virtual void DrawItem(platform::Canvas& canvas, const platform::Rect& itemRect,
                          unsigned itemState) = 0;

    int GetCheck() const { return System().GetCheck(m_hWnd); }
};

}  // namespace vela::ui
