// The Channel page's conversions between what the device stores and what the page shows:
// title and cover positions between 1/8192 of the picture and play-window pixels. Pure
// functions, any thread.
#pragma once

#include <cstdint>
#include <optional>

namespace vela::pages::channel {

constexpr int64_t kPositionScale = 8192;  // device positions are 1/8192 of the picture

// value × pictureSize ÷ 8192, truncated; 0 for a picture size of 0 or less. Computed in
// 64 bits and saturated to the int range, so device values cannot overflow it.
int ToPixels(int32_t value, int pictureSize);
// A title's position in pixels: one more than ToPixels.
int TitleToPixels(int32_t value, int pictureSize);
// pixels × 8192 ÷ pictureSize, truncated (multiplied first, so that 177 on 352 pixels gives
// 4119), saturated to int32; nothing for a picture size of 0 or less.
std::optional<int32_t> ToDeviceUnits(int pixels, int pictureSize);

}  // namespace vela::pages::channel
