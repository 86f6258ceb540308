// The Channel page's controls, stated once: the template both window systems build the page
// from. Constant tables, any thread.
#pragma once

#include "resources/dialog_template.h"

namespace vela::pages::channel {

constexpr int kChannelTemplateId = 6004;
extern const resources::DialogTemplate kChannelTemplate;

}  // namespace vela::pages::channel
