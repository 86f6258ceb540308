// The template tables, one per source file, gathered by dialog_templates.cpp.
#pragma once

#include "resources/dialog_template.h"

namespace vela::resources {

extern const DialogTemplate kConsoleTemplate;
extern const DialogTemplate kPlayWindowTemplate;
extern const DialogTemplate kChannelPageTemplate;
extern const DialogTemplate kServerPageTemplate;
extern const DialogTemplate kPtzPageTemplate;
extern const DialogTemplate kSensorPageTemplate;
extern const DialogTemplate kAlarmPageTemplate;
extern const DialogTemplate kPresetDialogTemplate;
extern const DialogTemplate kTourDialogTemplate;
extern const DialogTemplate kTestDialogTemplate;

}  // namespace vela::resources
