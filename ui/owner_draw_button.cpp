#include "ui/owner_draw_button.h"

#include "ui/dialog.h"

namespace vela::ui {

bool OwnerDrawButton::AttachToDialogItem(Dialog& dialog, int id) {
    m_hWnd = dialog.GetDlgItem(id);
    if (!m_hWnd) return false;
    System().Subclass(m_hWnd, this);
    dialog.ReflectDrawItem(id, this);
    return true;
}

}  // namespace vela::ui
