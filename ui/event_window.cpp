#include "ui/event_window.h"

namespace vela::ui {

// The window must not call back into a destroyed object. Dialogs and custom windows have
// already destroyed their window here; a subclassed control stays, without its sink.
EventWindow::~EventWindow() {
    if (m_hWnd && System().IsWindow(m_hWnd)) System().Subclass(m_hWnd, nullptr);
}

bool EventWindow::OnEvent(platform::Event& event) {
    using platform::EventKind;
    switch (event.kind) {
        case EventKind::EraseBackground:
            return event.canvas && OnEraseBkgnd(*event.canvas);
        case EventKind::Paint:
            return event.canvas && OnPaint(*event.canvas);
        case EventKind::MouseDown:
            return OnLButtonDown(event.point);
        case EventKind::MouseMove:
            return OnMouseMove(event.point);
        case EventKind::MouseUp:
            return OnLButtonUp(event.point);
        case EventKind::MouseLeave:
            return OnMouseLeave();
        case EventKind::MouseHover:
            return OnMouseHover(event.point);
        case EventKind::User:
            return OnUserMessage(event.code, event.wparam, event.lparam);
        case EventKind::Destroyed:
            OnDestroy();
            m_hWnd = nullptr;
            return true;
        default:
            return OnOtherEvent(event);
    }
}

}  // namespace vela::ui
