// What the preset and tour panels of the PTZ page share: a child dialog painted like a page
// (background colour, coloured labels) and placed by the "DlgPos" key of its section inside the
// page's frame. UI thread only.
#pragma once

#include <vector>

#include "ui/dialog.h"
#include "ui/dib_image.h"
#include "ui/placement.h"

namespace vela::pages::ptz {

class CPanelDialog : public ui::Dialog {
  public:
    // background: the picture that sizes the panel when its key gives no size.
    CPanelDialog(const resources::DialogTemplate& dialog, const char* background,
                 std::vector<int> labelIds);

  protected:
    // Loads the background and places the panel by its section's "DlgPos".
    void PlacePanel();
    bool OnCtlColor(int id, platform::ControlColors& colors) override;
    bool OnEraseBkgnd(platform::Canvas& canvas) override;

  private:
    const char* m_pszBackground;
    ui::CDibImage m_dibBackground;
    ui::PageSkin m_skinPage;
};

}  // namespace vela::pages::ptz
