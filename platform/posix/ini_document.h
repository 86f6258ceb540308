// One parsed INI file and the look-up rules of the Windows private-profile functions.
// Pure text handling, no file access: the file cache of ini_reader.cpp feeds it, and the
// benchmark and the fuzz target use it directly.
#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

namespace vela::platform::ini {

class Document {
  public:
    // Any bytes are accepted, in the encodings of FileText; lines that are neither section
    // headers nor keys are ignored.
    static Document Parse(const char* data, size_t size);

    // The raw value (before quote removal) of the first matching key of the first matching
    // section, or null when there is none or the key line carried no '='.
    const std::string* Find(const std::string& section, const std::string& key) const;

  private:
    struct Entry {
        std::string value;
        bool hasValue = false;
    };
    struct Section {
        std::unordered_map<std::string, Entry> keys;  // by folded name, first one kept
    };
    std::vector<Section> sections_;
    std::unordered_map<std::string, size_t> sectionIndex_;  // folded name -> first section
};

// GetPrivateProfileStringA over an opened file: the value, else the default (trailing blanks
// removed); one pair of matching surrounding quotes dropped; cut to capacity - 1 bytes.
std::string ResolveString(const Document& document, const std::string& section,
                          const std::string& key, const std::string& fallback, size_t capacity);
// The same for a file that cannot be opened: the default, treated alike.
std::string ResolveMissingFile(const std::string& fallback, size_t capacity);

// GetPrivateProfileIntA over a value text as ResolveString gives it with capacity
// kIntTextCapacity: empty gives the default, otherwise the number that begins the text.
constexpr size_t kIntTextCapacity = 30;
int ConvertProfileInt(const std::string& text, int fallback);

}  // namespace vela::platform::ini
