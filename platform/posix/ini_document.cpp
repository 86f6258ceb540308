// INI parsing and look-up with the rules of GetPrivateProfileStringA / GetPrivateProfileIntA.
#include "platform/posix/ini_document.h"

#include <cstdint>
#include <cstring>

#include "platform/posix/ini_encoding.h"

namespace vela::platform::ini {

namespace {

// The blanks that Windows trims around lines, names and values; 0x1A is the old DOS
// end-of-file mark, which editors still leave behind.
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == '\x1a';
}

// Names compare without regard to ASCII case.
std::string Fold(const char* begin, const char* end) {
    std::string folded(begin, end);
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return folded;
}

// Windows handles names and values as C strings: an embedded zero byte ends them.
const char* CutAtZero(const char* begin, const char* end) {
    const void* zero = std::memchr(begin, 0, static_cast<size_t>(end - begin));
    return zero ? static_cast<const char*>(zero) : end;
}

void Trim(const char** begin, const char** end) {
    while (*begin < *end && IsBlank(**begin)) ++*begin;
    while (*end > *begin && IsBlank((*end)[-1])) --*end;
}

// A look-up name: up to its first zero byte, blanks trimmed, folded.
std::string QueryName(const std::string& name) {
    const char* begin = name.c_str();
    const char* end = begin + std::strlen(begin);
    Trim(&begin, &end);
    return Fold(begin, end);
}

// The end of the line that starts at begin: a carriage return or a line feed ends a line
// (lone ones too), so CR LF, LF and CR files read alike.
const char* LineEnd(const char* begin, const char* end) {
    while (begin < end && *begin != '\n' && *begin != '\r') ++begin;
    return begin < end ? begin + 1 : end;
}

}  // namespace

Document Document::Parse(const char* data, size_t size) {
    Document document;
    // Keys before the first header belong to a section with the empty name.
    document.sections_.emplace_back();
    document.sectionIndex_.emplace(std::string(), 0);
    Section* section = &document.sections_.back();

    std::string decoded;
    std::string_view text = FileText(data, size, &decoded);
    const char* line = text.data();
    const char* end = line + text.size();
    while (line < end) {
        const char* next = LineEnd(line, end);
        const char* begin = line;
        const char* stop = next;
        line = next;
        Trim(&begin, &stop);
        if (begin == stop) continue;

        if (*begin == '[') {
            // The name runs to the last ']' of the line; a '[' line without one is a key.
            const char* close = stop - 1;
            while (close > begin && *close != ']') --close;
            if (close > begin) {
                const char* nameBegin = begin + 1;
                const char* nameEnd = close;
                Trim(&nameBegin, &nameEnd);
                std::string name = Fold(nameBegin, CutAtZero(nameBegin, nameEnd));
                document.sections_.emplace_back();
                document.sectionIndex_.emplace(std::move(name), document.sections_.size() - 1);
                section = &document.sections_.back();
                continue;
            }
        }

        Entry entry;
        const char* nameEnd = stop;
        const auto* equals =
            static_cast<const char*>(std::memchr(begin, '=', static_cast<size_t>(stop - begin)));
        if (equals) {
            nameEnd = equals;
            while (nameEnd > begin && IsBlank(nameEnd[-1])) --nameEnd;
            const char* value = equals + 1;
            while (value < stop && IsBlank(*value)) ++value;
            entry.value.assign(value, CutAtZero(value, stop));
            entry.hasValue = true;
        }
        section->keys.emplace(Fold(begin, CutAtZero(begin, nameEnd)), std::move(entry));
    }
    return document;
}

const std::string* Document::Find(const std::string& section, const std::string& key) const {
    auto found = sectionIndex_.find(QueryName(section));
    if (found == sectionIndex_.end()) return nullptr;
    const Section& keys = sections_[found->second];
    auto entry = keys.keys.find(QueryName(key));
    if (entry == keys.keys.end() || !entry->second.hasValue) return nullptr;
    return &entry->second.value;
}

namespace {

// Copies a value or default into a buffer of capacity bytes: at most capacity - 1 bytes,
// after dropping one pair of matching surrounding quotes.
std::string CopyEntry(const std::string& text, size_t capacity) {
    if (capacity == 0) return std::string();
    const char* begin = text.c_str();
    size_t length = std::strlen(begin);
    if (length >= 2 && (begin[0] == '"' || begin[0] == '\'') && begin[length - 1] == begin[0]) {
        ++begin;
        length -= 2;
    }
    return std::string(begin, length < capacity - 1 ? length : capacity - 1);
}

// The default as Windows uses it: up to its first zero byte, trailing spaces removed (but a
// default of spaces only keeps its first space).
std::string TrimmedDefault(const std::string& fallback) {
    std::string text = fallback.substr(0, fallback.find('\0'));
    size_t length = text.size();
    while (length > 1 && text[length - 1] == ' ') --length;
    text.resize(length);
    return text;
}

}  // namespace

std::string ResolveString(const Document& document, const std::string& section,
                          const std::string& key, const std::string& fallback, size_t capacity) {
    const std::string* value = document.Find(section, key);
    return CopyEntry(value ? *value : TrimmedDefault(fallback), capacity);
}

std::string ResolveMissingFile(const std::string& fallback, size_t capacity) {
    return CopyEntry(TrimmedDefault(fallback), capacity);
}

int ConvertProfileInt(const std::string& text, int fallback) {
    const char* p = text.c_str();
    if (!*p) return fallback;
    // Leading control characters and blanks are skipped, then an optional sign, then a
    // base prefix "0x", "0o" or "0b" (lower case only), then digits of that base; the
    // first other character ends the number. Overflow wraps, as in the system's converter.
    while (*p && static_cast<unsigned char>(*p) <= ' ') ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    uint32_t base = 10;
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'o' || p[1] == 'b')) {
        base = p[1] == 'x' ? 16 : (p[1] == 'o' ? 8 : 2);
        p += 2;
    }
    uint32_t total = 0;
    for (;; ++p) {
        uint32_t digit = 0;
        if (*p >= '0' && *p <= '9') {
            digit = static_cast<uint32_t>(*p - '0');
        } else if (*p >= 'a' && *p <= 'z') {
            digit = static_cast<uint32_t>(*p - 'a' + 10);
        } else if (*p >= 'A' && *p <= 'Z') {
            digit = static_cast<uint32_t>(*p - 'A' + 10);
        } else {
            break;
        }
        if (digit >= base) break;
        total = total * base + digit;
    }
    if (negative) total = 0u - total;
    return static_cast<int>(total);
}

}  // namespace vela::platform::ini
