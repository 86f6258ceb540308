// Whole-file replacement that never leaves a half-written file behind: the data goes to a
// temporary file beside the target, is flushed to the disk, and then takes the target's name
// in one rename. A crash at any moment leaves either the old or the new contents.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vela::platform {

bool ReplaceFileAtomically(const std::string& path, const void* data, size_t size);
// Reads a whole file of at most maxSize bytes; false when missing, unreadable or larger.
bool ReadWholeFile(const std::string& path, size_t maxSize, std::vector<uint8_t>* contents);

}  // namespace vela::platform
