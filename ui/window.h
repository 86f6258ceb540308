// A window by its handle, as MFC's CWnd: every operation is one call of the window system.
// Wrapping an existing window is assigning its handle; the wrapper owns nothing.
// UI thread only.
#pragma once

#include <string>

#include "platform/window_system.h"

namespace vela::ui {

using platform::WindowHandle;

class Dialog;

class Window {
  public:
    Window() = default;
    explicit Window(WindowHandle handle) : m_hWnd(handle) {}
    virtual ~Window() = default;

    static platform::WindowSystem& System() { return platform::TheWindowSystem(); }

    WindowHandle GetSafeHwnd() const { return m_hWnd; }
    void Attach(WindowHandle handle) { m_hWnd = handle; }
    WindowHandle Detach();
    // Binds this wrapper to a control of the dialog (DDX_Control); owner-drawn and subclassing
    // widgets take over the control's events here.
    virtual bool AttachToDialogItem(Dialog& dialog, int id);

    // Attributes.
    bool IsWindow() const { return System().IsWindow(m_hWnd); }
    int GetDlgCtrlID() const { return System().GetDlgCtrlID(m_hWnd); }
    WindowHandle GetDlgItem(int id) const { return System().GetDlgItem(m_hWnd, id); }
    WindowHandle GetParent() const { return System().GetParent(m_hWnd); }
    platform::Rect GetClientRect() const { return System().GetClientRect(m_hWnd); }
    platform::Rect GetWindowRect() const { return System().GetWindowRect(m_hWnd); }
    bool IsWindowVisible() const { return System().IsVisible(m_hWnd); }
    bool IsWindowEnabled() const { return System().IsEnabled(m_hWnd); }
    std::string GetWindowText() const { return System().GetText(m_hWnd); }
    uint32_t GetStyle() const { return System().GetStyle(m_hWnd); }

    // Operations.
    void MoveWindow(const platform::Rect& rect, bool repaint = true) {
        System().MoveWindow(m_hWnd, rect, repaint);
    }
    void ShowWindow(bool show) { System().ShowWindow(m_hWnd, show); }
    void EnableWindow(bool enable) { System().EnableWindow(m_hWnd, enable); }
    void Invalidate(bool erase = true) { System().Invalidate(m_hWnd, erase); }
    void UpdateWindow() { System().UpdateWindow(m_hWnd); }
    void SetWindowText(const std::string& text) { System().SetText(m_hWnd, text); }
    void SetCapture() { System().SetCapture(m_hWnd); }
    platform::Point ClientToScreen(platform::Point p) const {
        return System().ClientToScreen(m_hWnd, p);
    }
    platform::Point ScreenToClient(platform::Point p) const {
        return System().ScreenToClient(m_hWnd, p);
    }
    void PostMessage(int message, intptr_t wparam = 0, intptr_t lparam = 0) {
        System().Post(m_hWnd, message, wparam, lparam);
    }
    void DestroyWindow();

  protected:
    WindowHandle m_hWnd = nullptr;
};

inline void ReleaseCapture() {
    platform::TheWindowSystem().ReleaseCapture();
}

}  // namespace vela::ui
