// Every dialog template of the plug-in, for tests that walk them all: the shared ones of
// resources/ and each page's own from its folder under pages/.
#pragma once

#include <vector>

#include "resources/dialog_template.h"

namespace vela::testing {

// In id order.
std::vector<const resources::DialogTemplate*> AllTemplates();

// The template with this id among all of them, null for an unknown id.
const resources::DialogTemplate* FindAnyTemplate(int id);

}  // namespace vela::testing
