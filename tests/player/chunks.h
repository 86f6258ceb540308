// Container chunks as a host packages them, for the player stand-in's tests.
#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/bytes.h"
#include "tools/wire/test_picture.h"

namespace vela::testing {

inline std::vector<uint8_t> Chunk(int32_t type, const std::vector<uint8_t>& payload,
                                  uint32_t counter = 1) {
    std::vector<uint8_t> chunk;
    if (type == 0) chunk = {'H', 'B', 'M', '4', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    size_t at = chunk.size();
    chunk.resize(at + 48);
    uint8_t* h = chunk.data() + at;
    std::memcpy(h, "HALCYONIXDVR", 12);
    WriteI32(h, 12, type);
    WriteU32(h, 16, 420);
    WriteU32(h, 20, static_cast<uint32_t>(payload.size()));
    WriteU32(h, 24, 352);
    WriteU32(h, 28, 288);
    WriteU32(h, 32, counter);
    WriteU32(h, 40, type == 0 ? 0 : 12345);
    chunk.insert(chunk.end(), payload.begin(), payload.end());
    return chunk;
}

inline std::vector<uint8_t> StartChunk() {
    return Chunk(0, wire::BuildStreamHeader(352, 288, 25, 0));
}

// A video frame: the picture after the packet prefix, with padding as a device sends it.
inline std::vector<uint8_t> VideoChunk(uint32_t frame, size_t padding = 0) {
    wire::Picture picture = wire::MakePicture(0, 352, 288, frame, frame == 0, "CH1");
    std::vector<uint8_t> packet = wire::BuildVideoPacket(picture, 0);
    size_t prefix = picture.keyFrame ? wire::kIFramePrefix : wire::kPFramePrefix;
    std::vector<uint8_t> payload(packet.begin() + static_cast<long>(prefix), packet.end());
    payload.resize(payload.size() + padding, 0);
    return Chunk(picture.keyFrame ? 1 : 2, payload, frame + 1);
}

inline std::vector<uint8_t> AudioChunk() {
    std::vector<uint8_t> payload(20 + 160, 0xD5);
    std::memcpy(payload.data(), "alaw", 4);
    WriteU16(payload.data(), 4, 1);
    WriteU32(payload.data(), 6, 8000);
    WriteU16(payload.data(), 10, 16000);
    WriteU16(payload.data(), 12, 16);
    WriteU16(payload.data(), 14, 0);
    WriteU16(payload.data(), 16, 0);
    WriteU16(payload.data(), 18, 20);
    return Chunk(5, payload);
}

}  // namespace vela::testing
