// A window whose events come to this object: dialogs, custom child windows and subclassed
// controls. The handlers are MFC's message-map entries; each returns true when it handled the
// event, false for the default behaviour. UI thread only.
//
// Lifetime: the object must outlive its window (the window system calls it until the
// Destroyed event); destroying the object destroys the window first.
#pragma once

#include "platform/window_system.h"
#include "ui/window.h"

namespace vela::ui {

class EventWindow : public Window, public platform::EventSink {
  public:
    ~EventWindow() override;

    bool OnEvent(platform::Event& event) override;
    bool PreTranslate(const platform::Event& event) override { return PreTranslateMessage(event); }

  protected:
    // Sees every queued mouse and key message aimed at this window or its children first.
    virtual bool PreTranslateMessage(const platform::Event&) { return false; }
    virtual bool OnEraseBkgnd(platform::Canvas&) { return false; }
    virtual bool OnPaint(platform::Canvas&) { return false; }
    virtual bool OnLButtonDown(platform::Point) { return false; }
    virtual bool OnMouseMove(platform::Point) { return false; }
    virtual bool OnLButtonUp(platform::Point) { return false; }
    virtual bool OnMouseLeave() { return false; }
    virtual bool OnMouseHover(platform::Point) { return false; }
    virtual bool OnUserMessage(int /*message*/, intptr_t /*wparam*/, intptr_t /*lparam*/) {
        return false;
    }
    // The window is going away; the handle is cleared after this returns.
    virtual void OnDestroy() {}
    // Everything else (dialog events); Dialog overrides it.
    virtual bool OnOtherEvent(platform::Event&) { return false; }
};

}  // namespace vela::ui
