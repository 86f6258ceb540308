// A page place whose page is not built yet: the Channel, Sensor and Alarm places hold one
// until their pages exist. It is the page's template created as an empty window, so the console
// switches to it like any page; it has no controls to exchange. UI thread only.
#pragma once

#include "pages/common/console_page.h"

namespace vela::console {

class CPendingPage : public pages::CConsolePage {
  public:
    explicit CPendingPage(const resources::DialogTemplate& dialog) : CConsolePage(dialog) {}

    // Nothing to exchange until the page is built.
    int UpdateRecords(int /*bSave*/, int /*keepPreview*/) override { return 0; }

  protected:
    // The template's controls stay hidden: the place shows as an empty page.
    bool OnInitDialog() override {
        for (platform::WindowHandle child : System().GetChildren(m_hWnd))
            System().ShowWindow(child, false);
        return true;
    }
};

}  // namespace vela::console
