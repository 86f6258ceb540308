// Draws a test picture (tools/wire/test_picture.h) at its own size: the eight colour bars
// shifted right, the white square, the overlay text at the top left. Runs on a port's display
// thread.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/wire/test_picture.h"

namespace vela::player {

// Pictures are bounded to this side before anything is allocated for them.
constexpr uint16_t kMaxPictureSide = 4096;

// Fills pixels (reused across frames) with the picture, width * height pixels 0x00RRGGBB.
// False, pixels untouched, when the picture's size is 0 or beyond kMaxPictureSide.
bool RenderPicture(const wire::Picture& picture, std::vector<uint32_t>* pixels);

}  // namespace vela::player
