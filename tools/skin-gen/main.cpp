// skin-gen: writes the bitmaps of the sample English skin into a folder, at build time.
//   skin-gen FOLDER
// Exit code 0 when every picture was written, 1 otherwise (the failing file is named).
#include <cstdio>
#include <string>

#include "tools/skin-gen/skin_pictures.h"
#include "ui/dib_image.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: skin-gen FOLDER\n");
        return 2;
    }
    std::string folder = argv[1];
    if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') folder += '/';
    for (const vela::skingen::SkinPicture& picture : vela::skingen::SkinPictures()) {
        vela::ui::CDibImage image;
        const std::string path = folder + picture.fileName;
        if (!image.ConvertFrom(picture.paint()) || !image.Save(path)) {
            std::fprintf(stderr, "skin-gen: could not write %s %s\n", path.c_str(),
                         image.Reason().c_str());
            return 1;
        }
    }
    return 0;
}
