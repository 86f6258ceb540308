#include "tools/wire/payload.h"

#include "platform/bytes.h"

namespace vela::wire {

PayloadWriter& PayloadWriter::I32(int32_t value) {
    return U32(static_cast<uint32_t>(value));
}

PayloadWriter& PayloadWriter::U32(uint32_t value) {
    size_t at = bytes_.size();
    bytes_.resize(at + 4);
    WriteU32(bytes_.data(), at, value);
    return *this;
}

PayloadWriter& PayloadWriter::U16(uint16_t value) {
    size_t at = bytes_.size();
    bytes_.resize(at + 2);
    WriteU16(bytes_.data(), at, value);
    return *this;
}

PayloadWriter& PayloadWriter::Text(const std::string& text, size_t width) {
    size_t at = bytes_.size();
    bytes_.resize(at + width);
    WriteText(bytes_.data(), at, width, text);
    return *this;
}

PayloadWriter& PayloadWriter::Bytes(const void* data, size_t length) {
    const auto* begin = static_cast<const uint8_t*>(data);
    bytes_.insert(bytes_.end(), begin, begin + length);
    return *this;
}

bool PayloadReader::Take(size_t length) {
    if (!ok_ || size_ - position_ < length) {
        ok_ = false;
        return false;
    }
    return true;
}

int32_t PayloadReader::I32() {
    return static_cast<int32_t>(U32());
}

uint32_t PayloadReader::U32() {
    if (!Take(4)) return 0;
    uint32_t value = ReadU32(data_, position_);
    position_ += 4;
    return value;
}

uint16_t PayloadReader::U16() {
    if (!Take(2)) return 0;
    uint16_t value = ReadU16(data_, position_);
    position_ += 2;
    return value;
}

std::string PayloadReader::Text(size_t width) {
    if (!Take(width)) return std::string();
    std::string text = ReadText(data_, position_, width);
    position_ += width;
    return text;
}

}  // namespace vela::wire
