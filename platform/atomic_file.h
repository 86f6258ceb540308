// Whole-file replacement that never leaves a half-written file behind: the data goes to a
// temporary file beside the target, is flushed to the disk, and then takes the target's name
// in one rename. A failure or a crash at any moment leaves either the old or the new contents.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vela::platform {

// The new contents of one file, written piece by piece beside it (path + ".tmp") and put in
// its place by Commit. Destroyed without a successful Commit, it removes the temporary file
// and the old file stays as it was. One thread at a time.
class AtomicFileWriter {
  public:
    explicit AtomicFileWriter(const std::string& path);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // False when the temporary file could not be created.
    bool IsOpen() const;
    // Appends every byte or fails; after a failure every later call fails too.
    bool Write(const void* data, size_t size);
    // Flushes and closes the temporary file and renames it over the target: true when the
    // target now holds exactly what was written.
    bool Commit();

    const std::string& TemporaryPath() const { return m_strTemporary; }

  private:
    struct Handle;  // the open temporary file of this platform
    void Discard();

    std::string m_strPath;
    std::string m_strTemporary;
    std::unique_ptr<Handle> m_pFile;
    bool m_bFailed = false;
};

bool ReplaceFileAtomically(const std::string& path, const void* data, size_t size);
// Reads a whole file of at most maxSize bytes; false when missing, unreadable or larger.
bool ReadWholeFile(const std::string& path, size_t maxSize, std::vector<uint8_t>* contents);

}  // namespace vela::platform
