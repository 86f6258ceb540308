// Writes a pixmap as a 32-bit bottom-up BMP file (the snapshots of the headless windows).
#pragma once

#include <string>

#include "platform/headless/raster_canvas.h"

namespace vela::platform::headless {

bool WriteBmp32(const Pixmap& pixmap, const std::string& path);

}  // namespace vela::platform::headless
