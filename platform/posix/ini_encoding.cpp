#include "platform/posix/ini_encoding.h"

#include <cstdint>
#include <cstring>

namespace vela::platform::ini {

namespace {

constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";
constexpr size_t kUtf8MarkSize = 3;
constexpr size_t kUtf16UnitSize = 2;
constexpr char kUnpairedSurrogate = '?';

void AppendUtf8(uint32_t code, std::string* out) {
    if (code < 0x80) {
        out->push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out->push_back(static_cast<char>(0xC0 | (code >> 6)));
        out->push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out->push_back(static_cast<char>(0xE0 | (code >> 12)));
        out->push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out->push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out->push_back(static_cast<char>(0xF0 | (code >> 18)));
        out->push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
        out->push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out->push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

bool IsHighSurrogate(uint32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(uint32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Converts the whole code units of bytes[0, size) to UTF-8.
std::string Utf16ToUtf8(const unsigned char* bytes, size_t size, bool bigEndian) {
    const size_t units = size / kUtf16UnitSize;
    auto unitAt = [&](size_t i) -> uint32_t {
        const unsigned char* p = bytes + i * kUtf16UnitSize;
        return bigEndian ? (p[0] << 8 | p[1]) : (p[1] << 8 | p[0]);
    };
    std::string text;
    text.reserve(units);
    for (size_t i = 0; i < units; ++i) {
        uint32_t unit = unitAt(i);
        if (IsHighSurrogate(unit) && i + 1 < units && IsLowSurrogate(unitAt(i + 1))) {
            AppendUtf8(0x10000 + ((unit - 0xD800) << 10) + (unitAt(i + 1) - 0xDC00), &text);
            ++i;
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            text.push_back(kUnpairedSurrogate);
        } else {
            AppendUtf8(unit, &text);
        }
    }
    return text;
}

}  // namespace

std::string_view FileText(const char* data, size_t size, std::string* storage) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(data);
    if (size >= kUtf8MarkSize && std::memcmp(data, kUtf8Mark, kUtf8MarkSize) == 0) {
        return std::string_view(data + kUtf8MarkSize, size - kUtf8MarkSize);
    }
    if (size >= kUtf16UnitSize && (bytes[0] == 0xFF && bytes[1] == 0xFE)) {
        *storage = Utf16ToUtf8(bytes + kUtf16UnitSize, size - kUtf16UnitSize, false);
        return *storage;
    }
    if (size >= kUtf16UnitSize && (bytes[0] == 0xFE && bytes[1] == 0xFF)) {
        *storage = Utf16ToUtf8(bytes + kUtf16UnitSize, size - kUtf16UnitSize, true);
        return *storage;
    }
    return std::string_view(data, size);
}

}  // namespace vela::platform::ini
