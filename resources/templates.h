// The shared template tables, one per source file, gathered by dialog_templates.cpp.
#pragma once

#include "resources/dialog_template.h"

namespace vela::resources {

extern const DialogTemplate kConsoleTemplate;
extern const DialogTemplate kPlayWindowTemplate;
extern const DialogTemplate kTestDialogTemplate;

}  // namespace vela::resources
