#include "tests/common/all_templates.h"

#include <algorithm>

#include "pages/alarm/alarm_templates.h"
#include "pages/channel/channel_template.h"
#include "pages/ptz/ptz_templates.h"
#include "pages/server/server_controls.h"

namespace vela::testing {

std::vector<const resources::DialogTemplate*> AllTemplates() {
    std::vector<const resources::DialogTemplate*> all = {
        &pages::channel::kChannelTemplate, &pages::server::kServerTemplate,
        &pages::ptz::kPtzTemplate,         &pages::alarm::kSensorTemplate,
        &pages::alarm::kAlarmTemplate,     &pages::ptz::kPresetDialogTemplate,
        &pages::ptz::kTourDialogTemplate,
    };
    for (size_t i = 0; i < resources::DialogTemplateCount(); ++i)
        all.push_back(&resources::DialogTemplateAt(i));
    std::sort(all.begin(), all.end(),
              [](const resources::DialogTemplate* a, const resources::DialogTemplate* b) {
                  return a->id < b->id;
              });
    return all;
}

const resources::DialogTemplate* FindAnyTemplate(int id) {
    for (const resources::DialogTemplate* dialog : AllTemplates())
        if (dialog->id == id) return dialog;
    return nullptr;
}

}  // namespace vela::testing
