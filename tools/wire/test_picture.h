// The live stream of the simulated device: a moving test picture per channel that the
// player stand-in decodes. Each packet reaches the stream callback with a packet type,
// the data and the picture's width and height:
//
//   type 0  stream header, once at the start: "VTPS", u16 width, u16 height, u32 frames per
//           second, u32 channel (16 bytes)
//   type 1  I frame: a 16-byte prefix ("VTPI", u32 frame number, u32 time in ms, u32 0),
//           then a picture and zero padding
//   type 2  P frame: an 8-byte prefix (u32 frame number, u32 time in ms), then a picture and
//           zero padding
// The padding sizes the frames as the channel's bit rate would (dvrsim's stream_rate.h).
//   type 10 audio: an 8-byte prefix (u32 packet number, u32 time in ms), then 160 bytes of
//           8 kHz A-law samples (20 ms of a 1 kHz tone)
//
// A picture (kPictureSize bytes) describes what to draw rather than pixels:
//   offset 0   "VTP1"
//   offset 4   u16 width, u16 height
//   offset 8   u32 frame number
//   offset 12  u16 box x, u16 box y: top-left corner of a white square of side height / 8
//   offset 16  u8 channel (0-based), u8 key frame flag, u16 bar shift in pixels
//   offset 20  text[32] overlay line (the channel and the last PTZ or preset command)
// Drawn: eight vertical colour bars (white, yellow, cyan, green, magenta, red, blue, black)
// shifted right by the bar shift, the square over them, the text at the top left.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vela::wire {

enum PacketType : int32_t {
    kPacketStreamHeader = 0,
    kPacketIFrame = 1,
    kPacketPFrame = 2,
    kPacketAudio = 10,
};

constexpr size_t kStreamHeaderSize = 16;
constexpr size_t kIFramePrefix = 16;
constexpr size_t kPFramePrefix = 8;
constexpr size_t kAudioPrefix = 8;
constexpr size_t kAudioSamples = 160;
constexpr size_t kPictureSize = 52;
constexpr size_t kOverlayWidth = 32;

struct Picture {
    uint16_t width = 0;
    uint16_t height = 0;
    uint32_t frame = 0;
    uint16_t boxX = 0;
    uint16_t boxY = 0;
    uint8_t channel = 0;
    bool keyFrame = false;
    uint16_t barShift = 0;
    std::string overlay;
};

// The picture of a channel at a frame number: the square moves along a fixed path.
Picture MakePicture(uint8_t channel, uint16_t width, uint16_t height, uint32_t frame, bool keyFrame,
                    const std::string& overlay);

std::vector<uint8_t> BuildStreamHeader(uint16_t width, uint16_t height, uint32_t fps,
                                       uint32_t channel);
std::vector<uint8_t> BuildVideoPacket(const Picture& picture, uint32_t timeMs);
std::vector<uint8_t> BuildAudioPacket(uint32_t number, uint32_t timeMs);

// Parses a picture (the data after a video packet's prefix); false when it is not one.
bool ParsePicture(const uint8_t* data, size_t size, Picture* picture);

}  // namespace vela::wire
