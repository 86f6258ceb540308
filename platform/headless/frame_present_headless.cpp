// The headless window system's play window is a VelaSurface: the frame is scaled into it
// (nearest pixel) and the surface itself is the device context the draw callback gets.
#include "platform/frame_present.h"
#include "platform/vela_surface.h"

namespace vela::platform {

namespace {
// Bounds a surface's fields before its pixels are written: a play window is never this big.
constexpr int32_t kMaxSurfaceSide = 8192;

bool Usable(const VelaSurface* surface) {
    return surface && surface->pixels && surface->width > 0 && surface->height > 0 &&
           surface->width <= kMaxSurfaceSide && surface->height <= kMaxSurfaceSide &&
           surface->stride >= surface->width * 4 && surface->stride % 4 == 0;
}
}  // namespace

bool PresentFrame(void* target, const PixelFrame& frame, const std::function<void(void*)>& drawn) {
    auto* surface = static_cast<VelaSurface*>(target);
    if (!Usable(surface) || !frame.pixels || frame.width <= 0 || frame.height <= 0) return false;
    int32_t rowPixels = surface->stride / 4;
    for (int32_t y = 0; y < surface->height; ++y) {
        const uint32_t* from =
            frame.pixels + static_cast<int64_t>(y) * frame.height / surface->height * frame.width;
        uint32_t* to = surface->pixels + static_cast<int64_t>(y) * rowPixels;
        for (int32_t x = 0; x < surface->width; ++x) {
            to[x] = from[static_cast<int64_t>(x) * frame.width / surface->width] & 0x00FFFFFFu;
        }
    }
    drawn(surface);
    return true;
}

}  // namespace vela::platform
