// Atomic file replacement (Linux build).
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

#include "platform/atomic_file.h"

namespace vela::platform {

struct AtomicFileWriter::Handle {
    int fd = -1;
};

AtomicFileWriter::AtomicFileWriter(const std::string& path)
    : m_strPath(path), m_strTemporary(path + ".tmp"), m_pFile(std::make_unique<Handle>()) {
    m_pFile->fd = open(m_strTemporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    m_bFailed = m_pFile->fd < 0;
}

AtomicFileWriter::~AtomicFileWriter() {
    Discard();
}

bool AtomicFileWriter::IsOpen() const {
    return m_pFile->fd >= 0;
}

bool AtomicFileWriter::Write(const void* data, size_t size) {
    const auto* bytes = static_cast<const char*>(data);
    while (!m_bFailed && size > 0) {
        const ssize_t written = write(m_pFile->fd, bytes, size);
        if (written <= 0) {
            m_bFailed = true;
            break;
        }
        bytes += written;
        size -= static_cast<size_t>(written);
    }
    return !m_bFailed;
}

bool AtomicFileWriter::Commit() {
    if (m_bFailed || m_pFile->fd < 0) return false;
    bool ok = fsync(m_pFile->fd) == 0;
    ok = close(m_pFile->fd) == 0 && ok;
    m_pFile->fd = -1;
    m_bFailed = !ok || rename(m_strTemporary.c_str(), m_strPath.c_str()) != 0;
    if (m_bFailed) unlink(m_strTemporary.c_str());
    return !m_bFailed;
}

// A writer that never committed leaves no temporary file behind.
void AtomicFileWriter::Discard() {
    if (m_pFile->fd < 0) return;
    close(m_pFile->fd);
    m_pFile->fd = -1;
    unlink(m_strTemporary.c_str());
}

}  // namespace vela::platform
