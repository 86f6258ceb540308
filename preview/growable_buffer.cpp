#include "preview/growable_buffer.h"

#include <cstring>
#include <new>

namespace vela::preview {

bool GrowableBuffer::Append(const void* data, size_t n) {
    if (n > kMaxBufferBytes - m_nLength) return false;
    const size_t needed = m_nLength + n;
    if (needed > m_arrBytes.size()) {
        try {
            m_arrBytes.resize((needed / kBufferGrowthStep + 1) * kBufferGrowthStep);
        } catch (const std::bad_alloc&) {
            return false;
        }
    }
    if (n > 0) std::memcpy(m_arrBytes.data() + m_nLength, data, n);
    m_nLength = needed;
    return true;
}

}  // namespace vela::preview
