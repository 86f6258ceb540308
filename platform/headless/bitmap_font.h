// The headless window system's one built-in font: a fixed 6 x 13 cell for the printable ASCII
// characters. Other bytes (a language's multi-byte text) draw as an empty box.
#pragma once

#include <cstdint>

namespace vela::platform::headless {

constexpr int kFontCellWidth = 6;
constexpr int kFontCellHeight = 13;
constexpr int kFontFirstChar = 32;
constexpr int kFontLastChar = 126;

extern const uint8_t kFontGlyphs[kFontLastChar - kFontFirstChar + 1][kFontCellHeight];

}  // namespace vela::platform::headless
