#include "pages/ptz/panel_dialog.h"

#include "resources/dialog_template.h"
#include "ui/text_resources.h"

namespace vela::pages::ptz {

CPanelDialog::CPanelDialog(const resources::DialogTemplate& dialog, const char* background,
                           std::vector<int> labelIds)
    : Dialog(dialog), m_pszBackground(background), m_skinPage(std::move(labelIds)) {}

void CPanelDialog::PlacePanel() {
    const ui::ResourcePaths& paths = ui::g_ResourcePaths;
    ui::LoadPageBackground(m_dibBackground, m_pszBackground, paths.languageFolder);
    ui::PlaceDialog(m_hWnd, ui::kDialogPositionKey, m_dibBackground, Template()->section,
                    paths.controlPosFile);
}

bool CPanelDialog::OnCtlColor(int id, platform::ControlColors& colors) {
    return m_skinPage.ControlColors(id, colors);
}

bool CPanelDialog::OnEraseBkgnd(platform::Canvas& canvas) {
    return m_skinPage.EraseBackground(m_hWnd, canvas);
}

}  // namespace vela::pages::ptz
