// A label (CStatic). UI thread only.
#pragma once

#include "ui/window.h"

namespace vela::ui {

class Static : public Window {};

}  // namespace vela::ui
