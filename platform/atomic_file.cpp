// Whole-file reading and replacing, the same on every system over the platform's writer.
#include "platform/atomic_file.h"

#include <cstdio>

namespace vela::platform {

bool ReplaceFileAtomically(const std::string& path, const void* data, size_t size) {
    AtomicFileWriter file(path);
    return file.Write(data, size) && file.Commit();
}

bool ReadWholeFile(const std::string& path, size_t maxSize, std::vector<uint8_t>* contents) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    contents->clear();
    uint8_t chunk[16384];
    size_t got = 0;
    bool ok = true;
    while ((got = std::fread(chunk, 1, sizeof(chunk), file)) > 0) {
        if (contents->size() + got > maxSize) {
            ok = false;
            break;
        }
        contents->insert(contents->end(), chunk, chunk + got);
    }
    ok = ok && !std::ferror(file);
    std::fclose(file);
    return ok;
}

}  // namespace vela::platform
