// Skin pictures through the window system's picture loader. Kept apart from the BMP reader so
// that the reader builds on its own (the fuzz target). UI thread.
#include <memory>

#include "platform/window_system.h"
#include "ui/dib_image.h"

namespace vela::ui {

bool CDibImage::LoadPicture(const std::string& path) {
    std::unique_ptr<PlatformBitmap> bitmap = platform::TheWindowSystem().LoadPicture(path);
    if (!bitmap) return Fail("Error:could not load picture file\n");
    return ConvertFrom(*bitmap);
}

}  // namespace vela::ui
