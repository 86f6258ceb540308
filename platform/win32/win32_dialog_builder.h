// In-memory DLGTEMPLATE / DLGITEMTEMPLATE images of the resources/ tables, as a resource
// compiler would lay them out. Internal to platform/win32. Any thread (pure computation).
#pragma once

#include <cstdint>
#include <vector>

namespace vela::resources {
struct DialogTemplate;
}

namespace vela::platform::win32 {

// The template image in 16-bit words (the buffer is DWORD-aligned where it starts; items are
// aligned inside it). `style` replaces the table's dialog style (a child page made top-level
// when it has no parent).
std::vector<uint16_t> BuildDialogTemplate(const resources::DialogTemplate& dialog, uint32_t style);

}  // namespace vela::platform::win32
