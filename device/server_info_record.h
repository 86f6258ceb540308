// The ServerInfoRecord that GetServerInfo hands to the host: a fixed little-endian layout
// shared with the host program. Each text is cut to its width less one and terminated.
#pragma once

#include <cstddef>

namespace vela::device {

constexpr size_t kServerInfoAddressOffset = 0;
constexpr size_t kServerInfoAddressWidth = 32;
constexpr size_t kServerInfoLoginAddressOffset = 32;
constexpr size_t kServerInfoLoginAddressWidth = 48;
constexpr size_t kServerInfoPortOffset = 80;  // unsigned 16-bit
constexpr size_t kServerInfoUserOffset = 82;
constexpr size_t kServerInfoUserWidth = 32;
constexpr size_t kServerInfoPasswordOffset = 114;
constexpr size_t kServerInfoPasswordWidth = 32;
constexpr size_t kServerInfoRecordSize = kServerInfoPasswordOffset + kServerInfoPasswordWidth;
static_assert(kServerInfoRecordSize == 146, "the host's record is 146 bytes");

}  // namespace vela::device
