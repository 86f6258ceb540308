// The picture a headless play window hands to the player library as its window, and the
// player hands back to the draw callback as the frame's device context. The same layout is
// declared by the player library; the play window owns the pixels.
//
// Threads: while a stream plays, only the player's thread touches the pixels (it paints the
// frame, then calls the draw callback with the surface on that same thread).
#pragma once

#include <cstdint>

extern "C" {

struct VelaSurface {
    uint32_t* pixels;  // 0x00RRGGBB, the byte order of a 32-bit DIB
    int32_t width;
    int32_t height;
    int32_t stride;  // bytes per row
};

}  // extern "C"
