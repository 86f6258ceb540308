// Painting a decoded picture into the window a player library was given, for the player
// stand-in. The window and the device context handed on are an HWND and its HDC on Windows;
// in the headless build both are a VelaSurface* (platform/vela_surface.h).
//
// Threads: the player's display thread; one target is painted by one thread at a time.
#pragma once

#include <cstdint>
#include <functional>

namespace vela::platform {

// 32-bit pixels 0x00RRGGBB, rows top-down, width pixels a row with no padding.
struct PixelFrame {
    const uint32_t* pixels = nullptr;
    int32_t width = 0;
    int32_t height = 0;
};

// Stretches the frame over the whole target (the client area of a window), then calls drawn
// with the device context of that frame, which stays valid until drawn returns. False, with
// drawn not called, when the target is not a usable window or has no area.
bool PresentFrame(void* target, const PixelFrame& frame, const std::function<void(void*)>& drawn);

}  // namespace vela::platform
