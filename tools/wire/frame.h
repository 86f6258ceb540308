// The dvrsim wire protocol: how the NetSDK stand-in and the simulated device talk over TCP.
//
// Every message is one frame: a 20-byte header followed by a payload, all little-endian.
//   offset 0   4 bytes  magic "VSIM"
//   offset 4   u16      command (wire/commands.h)
//   offset 6   u16      flags, 0 (reserved)
//   offset 8   u32      sequence: a request's number (> 0), echoed by its reply;
//                       0 for frames the device sends on its own (stream packets, messages)
//   offset 12  i32      status: 0 in requests; the result in replies (1 success, or an error)
//   offset 16  u32      payload length, at most kMaxPayload
//
// A peer that reads a header with a wrong magic, a non-zero flags field or a payload longer
// than kMaxPayload, or that does not receive the rest of a started frame within
// kFrameCompletionMs, drops the connection: the stream cannot be resynchronised.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vela::wire {

constexpr size_t kHeaderSize = 20;
constexpr uint32_t kMaxPayload = 128 * 1024;
constexpr uint32_t kFrameCompletionMs = 5000;

struct Frame {
    uint16_t command = 0;
    uint32_t sequence = 0;
    int32_t status = 0;
    std::vector<uint8_t> payload;
};

// A byte pipe: a TCP connection in the programs, an in-memory pipe in tests.
class ByteStream {
  public:
    virtual ~ByteStream() = default;
    // Writes the whole buffer; false when the peer is gone.
    virtual bool Write(const void* data, size_t length) = 0;
    // Waits up to timeoutMs for data and reads at most capacity bytes: the count, 0 on
    // time-out, -1 when the peer closed or the stream failed.
    virtual int Read(void* buffer, size_t capacity, uint32_t timeoutMs) = 0;
};

enum class ReadResult { kFrame, kTimeout, kClosed, kMalformed };

// Header of a frame as bytes, for a payload of the given length.
void EncodeHeader(const Frame& frame, uint8_t out[kHeaderSize]);
// Checks a received header; false for a wrong magic, flags or an oversized payload.
bool DecodeHeader(const uint8_t header[kHeaderSize], Frame* frame, uint32_t* payloadLength);

// Writes header and payload as one piece; false when the stream failed.
bool WriteFrame(ByteStream& stream, const Frame& frame);
// Waits up to firstByteTimeoutMs for a frame to begin, then reads it whole; a frame that is
// not complete completionMs after its first byte is malformed.
ReadResult ReadFrame(ByteStream& stream, Frame* frame, uint32_t firstByteTimeoutMs,
                     uint32_t completionMs = kFrameCompletionMs);

}  // namespace vela::wire
