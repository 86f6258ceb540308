// Any bytes as a BMP file: never a read past them, and what loads saves and reloads unchanged.
#include <cstdlib>
#include <sstream>

#include "ui/dib_image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    vela::ui::CDibImage image, copy;
    if (!image.ReadMemory(data, size)) return 0;
    std::stringstream file;
    if (!image.Write(file) || !copy.Read(file) || copy.ToPixels() != image.ToPixels()) std::abort();
    return 0;
}
