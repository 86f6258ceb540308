#include "preview/stream_format.h"

#include <cstring>

#include "platform/bytes.h"

namespace vela::preview {

using vela::WriteU16;
using vela::WriteU32;

void WriteFrameHeader(uint8_t* out, int32_t type, uint32_t payloadLength, uint16_t first,
                      uint16_t second, uint32_t counter, uint32_t tick) {
    std::memset(out, 0, kFrameHeaderSize);
    std::memcpy(out, kFrameMagic, kFrameMagicSize);
    WriteU32(out, kFrameTypeOffset, static_cast<uint32_t>(type));
    WriteU32(out, kFrameFormatOffset, kFrameFormat);
    WriteU32(out, kFrameLengthOffset, payloadLength);
    WriteU32(out, kFrameFirstDimensionOffset, first);
    WriteU32(out, kFrameSecondDimensionOffset, second);
    WriteU32(out, kFrameCounterOffset, counter);
    WriteU32(out, kFrameTickOffset, tick);
}

void WriteAudioDescriptor(uint8_t* out) {
    const uint8_t format[4] = {'a', 'l', 'a', 'w'};
    std::memcpy(out, format, sizeof format);
    WriteU16(out, 4, 1);       // channels
    WriteU32(out, 6, 8000);    // samples per second
    WriteU16(out, 10, 16000);  // bytes per second of the decoded audio
    WriteU16(out, 12, 16);     // bits per decoded sample
    WriteU16(out, 14, 0);
    WriteU16(out, 16, 0);
    WriteU16(out, 18, 20);  // milliseconds per packet
}

}  // namespace vela::preview
