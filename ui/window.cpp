#include "ui/window.h"

#include "ui/dialog.h"

namespace vela::ui {

WindowHandle Window::Detach() {
    WindowHandle handle = m_hWnd;
    m_hWnd = nullptr;
    return handle;
}

bool Window::AttachToDialogItem(Dialog& dialog, int id) {
    m_hWnd = dialog.GetDlgItem(id);
    return m_hWnd != nullptr;
}

void Window::DestroyWindow() {
    WindowHandle handle = Detach();
    if (handle) System().DestroyWindow(handle);
}

}  // namespace vela::ui
