// libFuzzer target for the player stand-in's input side: any bytes, split into chunks as a host
// might hand them over, through the container parser, the test picture parser and renderer,
// and a player port's queue. Each chunk sits in a buffer of exactly its size, so a read past
// it is caught. A parsed frame must lie inside its chunk with the length its header gives,
// and a video frame's payload must be a picture; anything else aborts.
//
// Input: records of a u16 chunk size (little-endian) and the chunk's bytes (cut to what is
// left). The first chunk opens the port, the others are its input; the port is closed at the
// end, so runs do not share state. No display thread runs (Play is never called).
// Threads: one.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "tools/player/container.h"
#include "tools/player/picture_renderer.h"
#include "tools/player/port.h"
#include "tools/wire/test_picture.h"

namespace {

using namespace vela;

// Pictures above this many pixels are parsed but not drawn, to keep runs fast.
constexpr size_t kMaxRenderedPixels = 1u << 20;

void Require(bool condition) {
    if (!condition) std::abort();
}

void DrawIfSmall(const wire::Picture& picture) {
    if (static_cast<size_t>(picture.width) * picture.height > kMaxRenderedPixels) return;
    std::vector<uint32_t> pixels;
    const bool drawn = player::RenderPicture(picture, &pixels);
    const size_t area = static_cast<size_t>(picture.width) * picture.height;
    const bool drawable = picture.width > 0 && picture.height > 0 &&
                          picture.width <= player::kMaxPictureSide &&
                          picture.height <= player::kMaxPictureSide;
    Require(drawn == drawable);
    Require(!drawn || pixels.size() == area);
}

void CheckChunk(const std::vector<uint8_t>& chunk) {
    wire::Picture picture;
    if (wire::ParsePicture(chunk.data(), chunk.size(), &picture)) {
        Require(picture.overlay.size() <= wire::kOverlayWidth);
        DrawIfSmall(picture);
    }
    player::ContainerFrame frame;
    if (player::ParseChunk(chunk.data(), chunk.size(), &frame) != player::ChunkError::kNone) return;
    const size_t headers =
        player::kFrameHeaderSize + (frame.streamHeader ? player::kStreamHeaderSize : 0);
    Require(frame.payload == chunk.data() + headers);
    Require(frame.payloadSize == chunk.size() - headers);
    Require(frame.payloadSize <= player::kMaxFramePayload);
    if (frame.type == player::kFrameI || frame.type == player::kFrameP) {
        Require(wire::ParsePicture(frame.payload, frame.payloadSize, &picture));
        DrawIfSmall(picture);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    player::Port* port = player::PortAt(0);
    size_t at = 0;
    bool first = true;
    while (at < size) {
        size_t length = data[at++];
        if (at < size) length |= static_cast<size_t>(data[at++]) << 8;
        if (length > size - at) length = size - at;
        const std::vector<uint8_t> chunk(data + at, data + at + length);
        at += length;
        CheckChunk(chunk);
        const auto chunkSize = static_cast<uint32_t>(chunk.size());
        if (first)
            port->Open(chunk.data(), chunkSize);
        else
            port->Input(chunk.data(), chunkSize);
        first = false;
    }
    port->Close();
    return 0;
}
