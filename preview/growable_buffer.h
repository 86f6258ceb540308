// A byte buffer that grows in 1024-byte steps and keeps its capacity when emptied, so that a
// stream reuses it for every frame without allocating.
//
// Threads: one user at a time (the stream's NetSDK thread while a preview runs).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vela::preview {

constexpr size_t kBufferGrowthStep = 1024;
// No chunk of a stream comes near this; a length beyond it is a corrupt packet, not a frame.
constexpr size_t kMaxBufferBytes = 16u * 1024u * 1024u;

class GrowableBuffer {
  public:
    // Appends n bytes. When length + n exceeds the capacity the capacity becomes the multiple
    // of 1024 just above length + n, the new space zeroed. False, with nothing appended, when
    // the size would pass kMaxBufferBytes or the growth fails.
    bool Append(const void* data, size_t n);
    void Clear() { m_nLength = 0; }

    const uint8_t* Data() const { return m_arrBytes.data(); }
    size_t Length() const { return m_nLength; }
    size_t Capacity() const { return m_arrBytes.size(); }

  private:
    std::vector<uint8_t> m_arrBytes;  // its size is the capacity
    size_t m_nLength = 0;
};

}  // namespace vela::preview
