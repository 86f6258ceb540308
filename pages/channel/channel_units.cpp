// Position conversions of the Channel page. Any thread.
#include "pages/channel/channel_units.h"

#include <algorithm>
#include <limits>

namespace vela::pages::channel {

namespace {

template <typename Int>
Int Saturated(int64_t value) {
    return static_cast<Int>(std::clamp<int64_t>(value, std::numeric_limits<Int>::min(),
                                                std::numeric_limits<Int>::max()));
}

}  // namespace

int ToPixels(int32_t value, int pictureSize) {
    if (pictureSize <= 0) return 0;
    return Saturated<int>(int64_t{value} * pictureSize / kPositionScale);
}

int TitleToPixels(int32_t value, int pictureSize) {
    return Saturated<int>(int64_t{ToPixels(value, pictureSize)} + 1);
}

std::optional<int32_t> ToDeviceUnits(int pixels, int pictureSize) {
    if (pictureSize <= 0) return std::nullopt;
    return Saturated<int32_t>(int64_t{pixels} * kPositionScale / pictureSize);
}

}  // namespace vela::pages::channel
