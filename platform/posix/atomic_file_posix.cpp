// Atomic file replacement (Linux build).
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

#include "platform/atomic_file.h"

namespace vela::platform {

bool ReplaceFileAtomically(const std::string& path, const void* data, size_t size) {
    std::string temporary = path + ".tmp";
    int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const auto* bytes = static_cast<const char*>(data);
    size_t left = size;
    while (left > 0) {
        ssize_t written = write(fd, bytes, left);
        if (written <= 0) break;
        bytes += written;
        left -= static_cast<size_t>(written);
    }
    bool ok = left == 0 && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    if (!ok || rename(temporary.c_str(), path.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace vela::platform
