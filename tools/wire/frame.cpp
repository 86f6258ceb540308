#include "tools/wire/frame.h"

#include <cstring>

#include "platform/bytes.h"
#include "platform/kernel.h"

namespace vela::wire {

namespace {

constexpr uint8_t kMagic[4] = {'V', 'S', 'I', 'M'};
constexpr size_t kCommandOffset = 4;
constexpr size_t kFlagsOffset = 6;
constexpr size_t kSequenceOffset = 8;
constexpr size_t kStatusOffset = 12;
constexpr size_t kLengthOffset = 16;

// Reads exactly length bytes that must arrive within limitMs of the tick count started.
bool ReadExactly(ByteStream& stream, uint8_t* buffer, size_t length, uint32_t started,
                 uint32_t limitMs) {
    size_t got = 0;
    while (got < length) {
        uint32_t spent = platform::TickCount() - started;
        if (spent >= limitMs) return false;
        int n = stream.Read(buffer + got, length - got, limitMs - spent);
        if (n < 0) return false;
        got += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

void EncodeHeader(const Frame& frame, uint8_t out[kHeaderSize]) {
    std::memcpy(out, kMagic, sizeof(kMagic));
    WriteU16(out, kCommandOffset, frame.command);
    WriteU16(out, kFlagsOffset, 0);
    WriteU32(out, kSequenceOffset, frame.sequence);
    WriteI32(out, kStatusOffset, frame.status);
    WriteU32(out, kLengthOffset, static_cast<uint32_t>(frame.payload.size()));
}

bool DecodeHeader(const uint8_t header[kHeaderSize], Frame* frame, uint32_t* payloadLength) {
    if (std::memcmp(header, kMagic, sizeof(kMagic)) != 0) return false;
    if (ReadU16(header, kFlagsOffset) != 0) return false;
    uint32_t length = ReadU32(header, kLengthOffset);
    if (length > kMaxPayload) return false;
    frame->command = ReadU16(header, kCommandOffset);
    frame->sequence = ReadU32(header, kSequenceOffset);
    frame->status = ReadI32(header, kStatusOffset);
    *payloadLength = length;
    return true;
}

bool WriteFrame(ByteStream& stream, const Frame& frame) {
    if (frame.payload.size() > kMaxPayload) return false;
    std::vector<uint8_t> bytes(kHeaderSize + frame.payload.size());
    EncodeHeader(frame, bytes.data());
    if (!frame.payload.empty()) {
        std::memcpy(bytes.data() + kHeaderSize, frame.payload.data(), frame.payload.size());
    }
    return stream.Write(bytes.data(), bytes.size());
}

ReadResult ReadFrame(ByteStream& stream, Frame* frame, uint32_t firstByteTimeoutMs,
                     uint32_t completionMs) {
    uint8_t header[kHeaderSize];
    int first = stream.Read(header, 1, firstByteTimeoutMs);
    if (first < 0) return ReadResult::kClosed;
    if (first == 0) return ReadResult::kTimeout;
    uint32_t started = platform::TickCount();
    // The magic is checked as soon as it is in, so a stray text is refused at once.
    if (!ReadExactly(stream, header + 1, sizeof(kMagic) - 1, started, completionMs) ||
        std::memcmp(header, kMagic, sizeof(kMagic)) != 0 ||
        !ReadExactly(stream, header + sizeof(kMagic), kHeaderSize - sizeof(kMagic), started,
                     completionMs)) {
        return ReadResult::kMalformed;
    }
    uint32_t length = 0;
    if (!DecodeHeader(header, frame, &length)) return ReadResult::kMalformed;
    frame->payload.resize(length);
    if (!ReadExactly(stream, frame->payload.data(), length, started, completionMs)) {
        return ReadResult::kMalformed;
    }
    return ReadResult::kFrame;
}

}  // namespace vela::wire
