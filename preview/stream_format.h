// The player's container stream: a 16-byte stream header once, then a 48-byte frame header
// before every frame; audio payloads start with a 20-byte descriptor. Integers little-endian.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vela::preview {

constexpr int32_t kPreviewPort = 200;                 // the player port every preview plays on
constexpr uint32_t kPlayerStreamBufferBytes = 20000;  // source buffer asked of OpenStream

constexpr size_t kStreamHeaderSize = 16;
constexpr char kStreamMagic[] = "HBM4";  // offset 0, 4 bytes; the rest of the header is zero

constexpr size_t kFrameHeaderSize = 48;
constexpr char kFrameMagic[] = "HALCYONIXDVR";  // offset 0, 12 bytes
constexpr size_t kFrameMagicSize = 12;
constexpr size_t kFrameTypeOffset = 12;
constexpr size_t kFrameFormatOffset = 16;
constexpr size_t kFrameLengthOffset = 20;
constexpr size_t kFrameFirstDimensionOffset = 24;
constexpr size_t kFrameSecondDimensionOffset = 28;
constexpr size_t kFrameCounterOffset = 32;
constexpr size_t kFrameTickOffset = 40;
constexpr int32_t kFrameFormat = 420;

// Frame types of the container.
enum FrameType : int32_t {
    kFrameStreamStart = 0,
    kFrameKey = 1,    // from packet type 1
    kFrameDelta = 2,  // from packet types 2 to 5
    kFrameAudio = 5,  // from packet type 10
};

constexpr size_t kAudioDescriptorSize = 20;

// Packet types of the device's stream and the bytes of each that precede the payload.
constexpr int32_t kPacketHeader = 0;
constexpr int32_t kPacketKey = 1;
constexpr int32_t kPacketDeltaFirst = 2;
constexpr int32_t kPacketDeltaLast = 5;
constexpr int32_t kPacketAudio = 10;
constexpr size_t kKeyPacketSkip = 16;
constexpr size_t kOtherPacketSkip = 8;

// The stream start used when the first packet of a stream is not a header.
constexpr uint8_t kSubstituteStart[] = {0x00, 0x00, 0x00, 0x01, 0x0E, 0x0E};

// Writes the 48-byte frame header into out.
void WriteFrameHeader(uint8_t* out, int32_t type, uint32_t payloadLength, uint16_t first,
                      uint16_t second, uint32_t counter, uint32_t tick);
// Writes the 20-byte audio descriptor (a-law, 8000 Hz) into out.
void WriteAudioDescriptor(uint8_t* out);

}  // namespace vela::preview
