#include "tools/wire/firmware_image.h"

#include <cstring>

#include "platform/bytes.h"

namespace vela::wire {

namespace {
constexpr char kMagic[8] = {'V', 'E', 'L', 'A', 'F', 'W', '0', '1'};
constexpr size_t kVersionOffset = 8;
constexpr size_t kLengthOffset = 40;
constexpr size_t kHashOffset = 44;
}  // namespace

uint32_t Fnv1a(const uint8_t* data, size_t length) {
    uint32_t hash = 2166136261u;
    for (size_t i = 0; i < length; ++i) {
        hash ^= data[i];
        hash *= 16777619u;
    }
    return hash;
}

bool ParseFirmwareHeader(const uint8_t* data, size_t size, FirmwareHeader* header) {
    if (size < kFirmwareHeaderSize || std::memcmp(data, kMagic, sizeof(kMagic)) != 0) return false;
    header->version = ReadText(data, kVersionOffset, kFirmwareVersionWidth);
    header->payloadLength = ReadU32(data, kLengthOffset);
    header->payloadHash = ReadU32(data, kHashOffset);
    return header->payloadLength <= kMaxFirmwareSize - kFirmwareHeaderSize;
}

bool VerifyFirmwareImage(const std::vector<uint8_t>& image, std::string* version) {
    FirmwareHeader header;
    if (!ParseFirmwareHeader(image.data(), image.size(), &header)) return false;
    if (image.size() != kFirmwareHeaderSize + header.payloadLength) return false;
    if (Fnv1a(image.data() + kFirmwareHeaderSize, header.payloadLength) != header.payloadHash) {
        return false;
    }
    *version = header.version;
    return true;
}

std::vector<uint8_t> BuildFirmwareImage(const std::string& version,
                                        const std::vector<uint8_t>& payload) {
    std::vector<uint8_t> image(kFirmwareHeaderSize + payload.size());
    std::memcpy(image.data(), kMagic, sizeof(kMagic));
    WriteText(image.data(), kVersionOffset, kFirmwareVersionWidth, version);
    WriteU32(image.data(), kLengthOffset, static_cast<uint32_t>(payload.size()));
    WriteU32(image.data(), kHashOffset, Fnv1a(payload.data(), payload.size()));
    if (!payload.empty()) {
        std::memcpy(image.data() + kFirmwareHeaderSize, payload.data(), payload.size());
    }
    return image;
}

}  // namespace vela::wire
