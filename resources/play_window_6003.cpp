// The play window's template: an empty child dialog. The page places it by its "PlayWnd" key
// and the player draws into it; it has no INI section of its own.
#include "resources/template_styles.h"
#include "resources/templates.h"

namespace vela::resources {

const DialogTemplate kPlayWindowTemplate = {
    kPlayWindowDialogId, kWsChild | kWsClipSiblings | kDsSetFont, 0, 0, 120, 96, "", nullptr, 0,
};

}  // namespace vela::resources
