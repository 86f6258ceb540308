#include "tools/player/container.h"

#include <cstring>

#include "platform/bytes.h"
#include "tools/wire/test_picture.h"

namespace vela::player {

namespace {

constexpr char kStreamMagic[4] = {'H', 'B', 'M', '4'};
constexpr char kFrameMagic[12] = {'H', 'A', 'L', 'C', 'Y', 'O', 'N', 'I', 'X', 'D', 'V', 'R'};
constexpr uint8_t kSubstituteStart[kSubstituteStartSize] = {0, 0, 0, 1, 0x0E, 0x0E};
constexpr char kDeviceStartMagic[4] = {'V', 'T', 'P', 'S'};

constexpr size_t kTypeOffset = 12;
constexpr size_t kConstantOffset = 16;
constexpr uint32_t kConstant = 420;
constexpr size_t kLengthOffset = 20;
constexpr size_t kWidthOffset = 24;
constexpr size_t kHeightOffset = 28;
constexpr size_t kCounterOffset = 32;
constexpr size_t kReserved1Offset = 36;
constexpr size_t kTickOffset = 40;
constexpr size_t kReserved2Offset = 44;
constexpr uint32_t kMaxDimension = 0xFFFF;

// The audio descriptor: "alaw", then 16-bit 1, 32-bit 8000, 16-bit 16000, 16, 0, 0, 20.
constexpr char kAudioMagic[4] = {'a', 'l', 'a', 'w'};
struct DescriptorField {
    size_t offset;
    size_t width;
    uint32_t value;
};
constexpr DescriptorField kAudioFields[] = {
    {4, 2, 1}, {6, 4, 8000}, {10, 2, 16000}, {12, 2, 16}, {14, 2, 0}, {16, 2, 0}, {18, 2, 20},
};

bool ZeroBytes(const uint8_t* data, size_t from, size_t to) {
    for (size_t i = from; i < to; ++i) {
        if (data[i] != 0) return false;
    }
    return true;
}

bool ValidPayload(int32_t type, const uint8_t* payload, uint32_t size) {
    switch (type) {
        case kFrameStreamStart:
            if (size == kSubstituteStartSize) {
                return std::memcmp(payload, kSubstituteStart, size) == 0;
            }
            return size == wire::kStreamHeaderSize &&
                   std::memcmp(payload, kDeviceStartMagic, sizeof(kDeviceStartMagic)) == 0;
        case kFrameI:
        case kFrameP: {
            wire::Picture picture;
            return wire::ParsePicture(payload, size, &picture);
        }
        case kFrameAudio:
            if (size < kAudioDescriptorSize ||
                std::memcmp(payload, kAudioMagic, sizeof(kAudioMagic)) != 0) {
                return false;
            }
            for (const DescriptorField& field : kAudioFields) {
                uint32_t value = field.width == 2 ? ReadU16(payload, field.offset)
                                                  : ReadU32(payload, field.offset);
                if (value != field.value) return false;
            }
            return true;
        default:
            return false;
    }
}

}  // namespace

ChunkError ParseChunk(const uint8_t* data, size_t size, ContainerFrame* frame) {
    if (!data) return ChunkError::kTruncated;
    size_t at = 0;
    bool streamHeader =
        size >= sizeof(kStreamMagic) && std::memcmp(data, kStreamMagic, sizeof(kStreamMagic)) == 0;
    if (streamHeader) {
        if (size < kStreamHeaderSize) return ChunkError::kTruncated;
        if (!ZeroBytes(data, sizeof(kStreamMagic), kStreamHeaderSize)) {
            return ChunkError::kBadStreamHeader;
        }
        at = kStreamHeaderSize;
    }
    if (size - at < kFrameHeaderSize) return ChunkError::kTruncated;
    const uint8_t* header = data + at;
    if (std::memcmp(header, kFrameMagic, sizeof(kFrameMagic)) != 0) return ChunkError::kBadMagic;
    int32_t type = ReadI32(header, kTypeOffset);
    if (type != kFrameStreamStart && type != kFrameI && type != kFrameP && type != kFrameAudio) {
        return ChunkError::kBadType;
    }
    if (streamHeader && type != kFrameStreamStart) return ChunkError::kBadStreamHeader;
    uint32_t width = ReadU32(header, kWidthOffset);
    uint32_t height = ReadU32(header, kHeightOffset);
    if (ReadU32(header, kConstantOffset) != kConstant || width > kMaxDimension ||
        height > kMaxDimension || ReadI32(header, kCounterOffset) < 0 ||
        ReadU32(header, kReserved1Offset) != 0 || ReadU32(header, kReserved2Offset) != 0) {
        return ChunkError::kBadField;
    }
    uint32_t length = ReadU32(header, kLengthOffset);
    size_t rest = size - at - kFrameHeaderSize;
    if (length > kMaxFramePayload || length != rest) return ChunkError::kBadLength;
    const uint8_t* payload = header + kFrameHeaderSize;
    if (!ValidPayload(type, payload, length)) return ChunkError::kBadPayload;

    frame->streamHeader = streamHeader;
    frame->type = type;
    frame->width = static_cast<uint16_t>(width);
    frame->height = static_cast<uint16_t>(height);
    frame->counter = ReadU32(header, kCounterOffset);
    frame->tick = ReadU32(header, kTickOffset);
    frame->payload = payload;
    frame->payloadSize = length;
    return ChunkError::kNone;
}

}  // namespace vela::player
