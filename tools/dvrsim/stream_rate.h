// How many bytes a live stream's frames take: the channel's encoding record (record 68: 88
// bytes a channel, the main stream's 44-byte block, then the sub stream's) gives the frame
// rate and the bit rate, and the video packets are padded to match, as a real encoder's
// frames would be sized. Every value from the record is bounded; a bad one gives the default.
// Pure functions: a session's thread calls them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vela::dvrsim {

constexpr size_t kEncodingChannelSize = 88;
constexpr size_t kEncodingSubOffset = 44;
// One I frame a second; an I frame weighs this many P frames.
constexpr uint32_t kIFrameWeight = 8;
// A video packet stays within one wire frame.
constexpr uint32_t kMaxVideoPacket = 120 * 1024;

struct StreamRate {
    uint32_t fps = 25;
    uint32_t kbitPerSecond = 1536;
};

StreamRate ReadStreamRate(const std::vector<uint8_t>& encoding, int channel, int streamType);

// Size of the video packet of a frame: its share of a second's bytes, never below minimum
// (the prefix and the picture) and never above kMaxVideoPacket.
uint32_t VideoPacketSize(const StreamRate& rate, bool keyFrame, uint32_t minimum);

}  // namespace vela::dvrsim
