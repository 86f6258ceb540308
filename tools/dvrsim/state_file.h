// The device's persistent state: every record a client stored, and the installed firmware
// version. Records never stored are rebuilt from the factory defaults at start.
//
// File layout, little-endian:
//   "VDSS" magic, u32 format version (1), u32 entry count (at most kMaxStateEntries), entries.
//   Entry: u32 key, u32 length (at most kMaxStateEntryBytes), the bytes.
//   Key kFirmwareKey holds the firmware version text; other keys are record commands and hold
//   the whole record (all slots of an array).
// A file that does not follow this layout is ignored as a whole (the device starts from the
// factory state and says so); an entry for an unknown record or of the wrong size is skipped.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace vela::dvrsim {

constexpr uint32_t kFirmwareKey = 0xF0000001u;
constexpr uint32_t kMaxStateEntries = 64;
constexpr uint32_t kMaxStateEntryBytes = 1 << 20;

struct DeviceState {
    std::map<uint32_t, std::vector<uint8_t>> entries;
};

std::vector<uint8_t> EncodeState(const DeviceState& state);
bool DecodeState(const std::vector<uint8_t>& bytes, DeviceState* state);

// Missing file: true with an empty state. Unreadable or malformed: false.
bool LoadStateFile(const std::string& path, DeviceState* state);
bool SaveStateFile(const std::string& path, const DeviceState& state);

}  // namespace vela::dvrsim
