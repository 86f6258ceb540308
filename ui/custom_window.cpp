#include "ui/custom_window.h"

#include "ui/dialog.h"

namespace vela::ui {

CustomWindow::~CustomWindow() {
    if (m_bCreated && m_hWnd && System().IsWindow(m_hWnd)) {
        WindowHandle handle = m_hWnd;
        System().Subclass(handle, nullptr);
        m_hWnd = nullptr;
        System().DestroyWindow(handle);
    }
}

bool CustomWindow::Create(WindowHandle parent, int id, const platform::Rect& rect) {
    if (m_hWnd) return false;
    m_hWnd = System().CreateChild(parent, id, rect, this);
    m_bCreated = m_hWnd != nullptr;
    return m_bCreated;
}

bool CustomWindow::AttachToDialogItem(Dialog& dialog, int id) {
    m_hWnd = dialog.GetDlgItem(id);
    if (!m_hWnd) return false;
    System().Subclass(m_hWnd, this);
    return true;
}

}  // namespace vela::ui
