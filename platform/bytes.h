// Typed access to record bytes. Device records and files are little-endian, byte-packed
// blocks; fields are read and written at named offsets, never by casting a struct onto them.
// Callers keep offsets inside the block (offsets are constants beside the record's owner).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace vela {

inline uint8_t ReadU8(const uint8_t* block, size_t offset) { return block[offset]; }
inline void WriteU8(uint8_t* block, size_t offset, uint8_t value) { block[offset] = value; }

inline uint16_t ReadU16(const uint8_t* block, size_t offset) {
    return static_cast<uint16_t>(block[offset] | (block[offset + 1] << 8));
}
inline void WriteU16(uint8_t* block, size_t offset, uint16_t value) {
    block[offset] = static_cast<uint8_t>(value);
    block[offset + 1] = static_cast<uint8_t>(value >> 8);
}

inline uint32_t ReadU32(const uint8_t* block, size_t offset) {
    return static_cast<uint32_t>(block[offset]) | (static_cast<uint32_t>(block[offset + 1]) << 8) |
           (static_cast<uint32_t>(block[offset + 2]) << 16) |
           (static_cast<uint32_t>(block[offset + 3]) << 24);
}
inline int32_t ReadI32(const uint8_t* block, size_t offset) {
    return static_cast<int32_t>(ReadU32(block, offset));
}
inline void WriteU32(uint8_t* block, size_t offset, uint32_t value) {
    for (int i = 0; i < 4; ++i) block[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}
inline void WriteI32(uint8_t* block, size_t offset, int32_t value) {
    WriteU32(block, offset, static_cast<uint32_t>(value));
}

// A fixed-width text field: the text ends at the first zero byte or at the field's end,
// whichever comes first, so a field without a terminator never reads past its width.
inline std::string ReadText(const uint8_t* block, size_t offset, size_t width) {
    const auto* begin = reinterpret_cast<const char*>(block + offset);
    const void* zero = std::memchr(begin, 0, width);
    size_t length = zero ? static_cast<size_t>(static_cast<const char*>(zero) - begin) : width;
    return std::string(begin, length);
}

// Writes at most width - 1 characters and a terminating zero; the rest of the field is
// zero-filled so that stale bytes of a longer old text never remain.
inline void WriteText(uint8_t* block, size_t offset, size_t width, const std::string& text) {
    if (width == 0) return;
    size_t length = text.size() < width - 1 ? text.size() : width - 1;
    std::memcpy(block + offset, text.data(), length);
    std::memset(block + offset + length, 0, width - length);
}

}  // namespace vela
