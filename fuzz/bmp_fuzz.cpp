// Any bytes as a BMP file, through both readers: the open-file reader and the headless
// window system's picture decoder. Never a read past the bytes; what the reader loads saves
// and reloads unchanged; what the decoder loads converts into a picture of its own size.
#include <cstdlib>
#include <sstream>

#include "platform/headless/bmp_decoder.h"
#include "ui/dib_image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (auto decoded = vela::platform::headless::DecodeBmp(data, size)) {
        const int width = decoded->width, height = decoded->height;
        vela::ui::CDibImage picture;
        if (!picture.ConvertFrom(*vela::platform::headless::MakePicture(std::move(*decoded))) ||
            picture.Width() != width || picture.Height() != height)
            std::abort();
    }
    vela::ui::CDibImage image, copy;
    if (!image.ReadMemory(data, size)) return 0;
    std::stringstream file;
    if (!image.Write(file) || !copy.Read(file) || copy.ToPixels() != image.ToPixels()) std::abort();
    return 0;
}
