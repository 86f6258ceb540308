// A child window of the plug-in's own making (the play window's surface and similar): created
// here, or a template's custom control taken over by subclassing. UI thread only.
//
// Lifetime: destroying the object destroys a window it created; a taken-over control stays.
#pragma once

#include "ui/event_window.h"

namespace vela::ui {

class CustomWindow : public EventWindow {
  public:
    ~CustomWindow() override;
    bool Create(WindowHandle parent, int id, const platform::Rect& rect);
    bool AttachToDialogItem(Dialog& dialog, int id) override;

  private:
    bool m_bCreated = false;
};

}  // namespace vela::ui
