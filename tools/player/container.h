// The container stream a host feeds the player, one frame a chunk: an optional 16-byte stream
// header ("HBM4", twelve zero bytes) before a stream start, then a 48-byte frame header
// (little-endian) and its payload:
//   offset 0   "HALCYONIXDVR"
//   offset 12  frame type: 0 stream start, 1 I frame, 2 P frame, 5 audio
//   offset 16  420
//   offset 20  payload length (the rest of the chunk, exactly)
//   offset 24  picture width, offset 28 picture height (16-bit values)
//   offset 32  frame counter (not negative)
//   offset 36  0, offset 40 tick count in ms, offset 44 0
// Payloads: a stream start carries the device's stream header (dvrsim's "VTPS") or the
// 6-byte substitute 00 00 00 01 0E 0E; a video frame a test picture (tools/wire) and padding;
// audio a 20-byte "alaw" descriptor and the samples.
// The parser reads nothing outside the chunk it is given and refuses anything else; it keeps
// no state, so any thread may call it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vela::player {

constexpr size_t kStreamHeaderSize = 16;
constexpr size_t kFrameHeaderSize = 48;
constexpr size_t kAudioDescriptorSize = 20;
constexpr size_t kSubstituteStartSize = 6;
// A frame larger than this is not from a device the stand-in plays.
constexpr uint32_t kMaxFramePayload = 1024 * 1024;

enum FrameType : int32_t {
    kFrameStreamStart = 0,
    kFrameI = 1,
    kFrameP = 2,
    kFrameAudio = 5,
};

enum class ChunkError {
    kNone,
    kTruncated,        // shorter than its headers
    kBadStreamHeader,  // "HBM4" header malformed, or before a frame that is not a stream start
    kBadMagic,
    kBadType,
    kBadField,    // a constant, reserved or bounded field out of range
    kBadLength,   // payload length beyond the chunk, short of it, or too large
    kBadPayload,  // the payload is not what the frame type carries
};

struct ContainerFrame {
    bool streamHeader = false;
    int32_t type = 0;
    uint16_t width = 0;
    uint16_t height = 0;
    uint32_t counter = 0;
    uint32_t tick = 0;
    const uint8_t* payload = nullptr;  // inside the parsed chunk
    uint32_t payloadSize = 0;
};

// Parses one chunk; on kNone *frame describes it (pointing into data).
ChunkError ParseChunk(const uint8_t* data, size_t size, ContainerFrame* frame);

}  // namespace vela::player
