// Building and parsing frame payloads. The reader never reads past the payload: a short
// payload makes every later field zero and clears ok(), which the receiver checks once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vela::wire {

class PayloadWriter {
  public:
    PayloadWriter& I32(int32_t value);
    PayloadWriter& U32(uint32_t value);
    PayloadWriter& U16(uint16_t value);
    PayloadWriter& Text(const std::string& text, size_t width);
    PayloadWriter& Bytes(const void* data, size_t length);
    std::vector<uint8_t>& bytes() { return bytes_; }

  private:
    std::vector<uint8_t> bytes_;
};

class PayloadReader {
  public:
    explicit PayloadReader(const std::vector<uint8_t>& payload)
        : data_(payload.data()), size_(payload.size()) {}
    int32_t I32();
    uint32_t U32();
    uint16_t U16();
    std::string Text(size_t width);
    // The bytes after the fields read so far.
    const uint8_t* Rest() const { return data_ + position_; }
    size_t RestSize() const { return size_ - position_; }
    bool ok() const { return ok_; }

  private:
    bool Take(size_t length);
    const uint8_t* data_;
    size_t size_;
    size_t position_ = 0;
    bool ok_ = true;
};

}  // namespace vela::wire
