// The pictures of the sample English skin: the console background, the page backgrounds and
// the four button looks, each in its normal ("UP") and pressed ("DN") state. The sizes here
// and the positions in the skin's ControlPos files describe one layout; the skin data test
// checks that they agree.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tools/skin-gen/pixel_image.h"

namespace vela::skingen {

struct SkinPicture {
    std::string fileName;  // exactly as the plug-in asks for it (file names are case-sensitive)
    std::function<PixelImage()> paint;
};

std::vector<SkinPicture> SkinPictures();

}  // namespace vela::skingen
