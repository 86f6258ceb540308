// A window rectangle in client coordinates of its parent, as Win32's RECT: right and bottom
// are one past the last pixel. The widget layer uses the window system's own rectangle.
#pragma once

#include "platform/canvas.h"

namespace vela::ui {

using Rect = platform::Rect;

}  // namespace vela::ui
