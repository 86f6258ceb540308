// Firmware image accepted by the simulated device. A file is an image when it starts with
// this 48-byte header and its payload matches the header:
//   offset 0   8 bytes  magic "VELAFW01"
//   offset 8   text[32] version the device reports after installing it
//   offset 40  u32      payload length (the bytes after the header; the file has no more)
//   offset 44  u32      FNV-1a 32-bit hash of the payload
// The stand-in library checks the header before it uploads (anything else fails at once
// with upgrade state 3); the device checks the whole image once it has received it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vela::wire {

constexpr size_t kFirmwareHeaderSize = 48;
constexpr size_t kFirmwareVersionWidth = 32;
constexpr uint32_t kMaxFirmwareSize = 64 * 1024 * 1024;

struct FirmwareHeader {
    std::string version;
    uint32_t payloadLength = 0;
    uint32_t payloadHash = 0;
};

uint32_t Fnv1a(const uint8_t* data, size_t length);
// True when the bytes start with a firmware header of a plausible size.
bool ParseFirmwareHeader(const uint8_t* data, size_t size, FirmwareHeader* header);
// True when the bytes are one whole, intact image; gives its version.
bool VerifyFirmwareImage(const std::vector<uint8_t>& image, std::string* version);
std::vector<uint8_t> BuildFirmwareImage(const std::string& version,
                                        const std::vector<uint8_t>& payload);

}  // namespace vela::wire
