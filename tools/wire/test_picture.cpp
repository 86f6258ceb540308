#include "tools/wire/test_picture.h"

#include <cstring>

#include "platform/bytes.h"

namespace vela::wire {

namespace {
constexpr char kHeaderMagic[4] = {'V', 'T', 'P', 'S'};
constexpr char kIFrameMagic[4] = {'V', 'T', 'P', 'I'};
constexpr char kPictureMagic[4] = {'V', 'T', 'P', '1'};
constexpr int kBoxSteps = 64;  // frames for the square to cross the picture once

// A 1 kHz tone at 8 kHz is eight samples a period: one period of A-law codes.
constexpr uint8_t kToneAlaw[8] = {0xD5, 0xA0, 0xB5, 0xA0, 0xD5, 0x20, 0x35, 0x20};
}  // namespace

Picture MakePicture(uint8_t channel, uint16_t width, uint16_t height, uint32_t frame, bool keyFrame,
                    const std::string& overlay) {
    Picture picture;
    picture.width = width;
    picture.height = height;
    picture.frame = frame;
    picture.channel = channel;
    picture.keyFrame = keyFrame;
    uint16_t side = static_cast<uint16_t>(height / 8);
    uint32_t step = frame % (2 * kBoxSteps);
    uint32_t along = step < kBoxSteps ? step : 2 * kBoxSteps - step;  // there and back
    picture.boxX = static_cast<uint16_t>((width > side ? width - side : 0) * along / kBoxSteps);
    picture.boxY = static_cast<uint16_t>((height > side ? height - side : 0) * along / kBoxSteps);
    picture.barShift = width ? static_cast<uint16_t>((frame * 2) % width) : 0;
    picture.overlay = overlay.substr(0, kOverlayWidth - 1);
    return picture;
}

std::vector<uint8_t> BuildStreamHeader(uint16_t width, uint16_t height, uint32_t fps,
                                       uint32_t channel) {
    std::vector<uint8_t> data(kStreamHeaderSize);
    std::memcpy(data.data(), kHeaderMagic, 4);
    WriteU16(data.data(), 4, width);
    WriteU16(data.data(), 6, height);
    WriteU32(data.data(), 8, fps);
    WriteU32(data.data(), 12, channel);
    return data;
}

std::vector<uint8_t> BuildVideoPacket(const Picture& picture, uint32_t timeMs) {
    size_t prefix = picture.keyFrame ? kIFramePrefix : kPFramePrefix;
    std::vector<uint8_t> data(prefix + kPictureSize);
    uint8_t* p = data.data();
    if (picture.keyFrame) {
        std::memcpy(p, kIFrameMagic, 4);
        WriteU32(p, 4, picture.frame);
        WriteU32(p, 8, timeMs);
    } else {
        WriteU32(p, 0, picture.frame);
        WriteU32(p, 4, timeMs);
    }
    uint8_t* body = p + prefix;
    std::memcpy(body, kPictureMagic, 4);
    WriteU16(body, 4, picture.width);
    WriteU16(body, 6, picture.height);
    WriteU32(body, 8, picture.frame);
    WriteU16(body, 12, picture.boxX);
    WriteU16(body, 14, picture.boxY);
    WriteU8(body, 16, picture.channel);
    WriteU8(body, 17, picture.keyFrame ? 1 : 0);
    WriteU16(body, 18, picture.barShift);
    WriteText(body, 20, kOverlayWidth, picture.overlay);
    return data;
}

std::vector<uint8_t> BuildAudioPacket(uint32_t number, uint32_t timeMs) {
    std::vector<uint8_t> data(kAudioPrefix + kAudioSamples);
    WriteU32(data.data(), 0, number);
    WriteU32(data.data(), 4, timeMs);
    for (size_t i = 0; i < kAudioSamples; ++i) data[kAudioPrefix + i] = kToneAlaw[i % 8];
    return data;
}

bool ParsePicture(const uint8_t* data, size_t size, Picture* picture) {
    if (size < kPictureSize || std::memcmp(data, kPictureMagic, 4) != 0) return false;
    picture->width = ReadU16(data, 4);
    picture->height = ReadU16(data, 6);
    picture->frame = ReadU32(data, 8);
    picture->boxX = ReadU16(data, 12);
    picture->boxY = ReadU16(data, 14);
    picture->channel = ReadU8(data, 16);
    picture->keyFrame = ReadU8(data, 17) != 0;
    picture->barShift = ReadU16(data, 18);
    picture->overlay = ReadText(data, 20, kOverlayWidth);
    return true;
}

}  // namespace vela::wire
