// The PTZ page's controls and those of its two panels (preset, tour), stated once: the
// templates both window systems build them from. Constant tables, any thread.
#pragma once

#include "resources/control_styles.h"
#include "resources/dialog_template.h"

namespace vela::pages::ptz {

constexpr int kPtzTemplateId = 6013;
constexpr int kPresetDialogTemplateId = 6016;
constexpr int kTourDialogTemplateId = 6017;
extern const resources::DialogTemplate kPtzTemplate;

// The preset and tour panels lie inside the page's panel frame, a sibling made before them and
// so above them in the z-order: clipped by their siblings, they would not show at all.
constexpr uint32_t kPanelDialogStyle =
    resources::kWsChild | resources::kDsControl | resources::kDsSetFont;
extern const resources::DialogTemplate kPresetDialogTemplate;
extern const resources::DialogTemplate kTourDialogTemplate;

}  // namespace vela::pages::ptz
