// Atomic file replacement (Windows build).
#include <windows.h>

#include "platform/atomic_file.h"

namespace vela::platform {

namespace {
constexpr DWORD kLargestWrite = 0x10000000;
}  // namespace

struct AtomicFileWriter::Handle {
    HANDLE file = INVALID_HANDLE_VALUE;
};

AtomicFileWriter::AtomicFileWriter(const std::string& path)
    : m_strPath(path), m_strTemporary(path + ".tmp"), m_pFile(std::make_unique<Handle>()) {
    m_pFile->file = CreateFileA(m_strTemporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    m_bFailed = m_pFile->file == INVALID_HANDLE_VALUE;
}

AtomicFileWriter::~AtomicFileWriter() {
    Discard();
}

bool AtomicFileWriter::IsOpen() const {
    return m_pFile->file != INVALID_HANDLE_VALUE;
}

bool AtomicFileWriter::Write(const void* data, size_t size) {
    const auto* bytes = static_cast<const char*>(data);
    while (!m_bFailed && size > 0) {
        const DWORD chunk = size > kLargestWrite ? kLargestWrite : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!WriteFile(m_pFile->file, bytes, chunk, &written, nullptr) || written == 0) {
            m_bFailed = true;
            break;
        }
        bytes += written;
        size -= written;
    }
    return !m_bFailed;
}

bool AtomicFileWriter::Commit() {
    if (m_bFailed || m_pFile->file == INVALID_HANDLE_VALUE) return false;
    bool ok = FlushFileBuffers(m_pFile->file) != 0;
    ok = CloseHandle(m_pFile->file) != 0 && ok;
    m_pFile->file = INVALID_HANDLE_VALUE;
    m_bFailed = !ok || !MoveFileExA(m_strTemporary.c_str(), m_strPath.c_str(),
                                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (m_bFailed) DeleteFileA(m_strTemporary.c_str());
    return !m_bFailed;
}

// A writer that never committed leaves no temporary file behind.
void AtomicFileWriter::Discard() {
    if (m_pFile->file == INVALID_HANDLE_VALUE) return;
    CloseHandle(m_pFile->file);
    m_pFile->file = INVALID_HANDLE_VALUE;
    DeleteFileA(m_strTemporary.c_str());
}

}  // namespace vela::platform
