// The text an INI file's lines are read from, whatever encoding an editor saved it in.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vela::platform::ini {

// The file's text as bytes: a UTF-8 file without its mark; a UTF-16 file (little- or
// big-endian, recognised by its mark) converted to UTF-8, the encoding of text here as the
// code page is on Windows; any other file unchanged. The view points into data or into
// storage. A trailing odd byte of a UTF-16 file is dropped, and an unpaired surrogate becomes
// '?', the character Windows substitutes for one.
std::string_view FileText(const char* data, size_t size, std::string* storage);

}  // namespace vela::platform::ini
