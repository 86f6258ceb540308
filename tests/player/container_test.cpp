#include <gtest/gtest.h>

#include <functional>

#include "tests/player/chunks.h"
#include "tools/player/container.h"
#include "tools/player/port.h"

namespace vela::player {
namespace {

using testing::AudioChunk;
using testing::Chunk;
using testing::StartChunk;
using testing::VideoChunk;

TEST(Container, AcceptsWhatHostsSend) {
    std::vector<std::vector<uint8_t>> good = {StartChunk(), Chunk(0, {0, 0, 0, 1, 0x0E, 0x0E}),
                                              VideoChunk(0), VideoChunk(1, 20000), AudioChunk()};
    for (const auto& chunk : good) {
        ContainerFrame frame;
        ASSERT_EQ(ParseChunk(chunk.data(), chunk.size(), &frame), ChunkError::kNone);
        EXPECT_EQ(frame.payload + frame.payloadSize, chunk.data() + chunk.size());
    }
}

struct Malformed {
    const char* name;
    std::function<std::vector<uint8_t>()> make;
    ChunkError error;
};

std::vector<uint8_t> Patched(std::vector<uint8_t> chunk, size_t offset, uint32_t value) {
    WriteU32(chunk.data(), offset, value);
    return chunk;
}

std::vector<uint8_t> Resized(std::vector<uint8_t> chunk, size_t size) {
    chunk.resize(size);
    return chunk;
}

std::vector<uint8_t> WithByte(std::vector<uint8_t> chunk, size_t offset, uint8_t value) {
    chunk[offset] = value;
    return chunk;
}

TEST(Container, RefusesMalformedChunksAndCountsThem) {
    const Malformed cases[] = {
        {"empty", [] { return std::vector<uint8_t>(); }, ChunkError::kTruncated},
        {"header cut", [] { return Resized(VideoChunk(1), 47); }, ChunkError::kTruncated},
        {"stream header cut", [] { return Resized(StartChunk(), 10); }, ChunkError::kTruncated},
        {"stream header not zero", [] { return Patched(StartChunk(), 8, 1); },
         ChunkError::kBadStreamHeader},
        {"stream header before video",
         [] {
             auto c = StartChunk();
             auto v = VideoChunk(1);
             c.resize(16);
             c.insert(c.end(), v.begin(), v.end());
             return c;
         },
         ChunkError::kBadStreamHeader},
        {"magic", [] { return WithByte(VideoChunk(1), 3, 'x'); }, ChunkError::kBadMagic},
        {"type 3", [] { return Patched(VideoChunk(1), 12, 3); }, ChunkError::kBadType},
        {"type negative", [] { return Patched(VideoChunk(1), 12, 0xFFFFFFFF); },
         ChunkError::kBadType},
        {"constant", [] { return Patched(VideoChunk(1), 16, 421); }, ChunkError::kBadField},
        {"width huge", [] { return Patched(VideoChunk(1), 24, 0x10000); }, ChunkError::kBadField},
        {"counter negative", [] { return Patched(VideoChunk(1), 32, 0x80000000); },
         ChunkError::kBadField},
        {"reserved", [] { return Patched(VideoChunk(1), 44, 7); }, ChunkError::kBadField},
        {"length beyond chunk", [] { return Patched(VideoChunk(1), 20, 53); },
         ChunkError::kBadLength},
        {"length huge", [] { return Patched(VideoChunk(1), 20, 0xFFFFFFF0); },
         ChunkError::kBadLength},
        {"bytes after payload", [] { return Resized(VideoChunk(1), VideoChunk(1).size() + 1); },
         ChunkError::kBadLength},
        {"not a picture", [] { return WithByte(VideoChunk(1), 48, 'X'); }, ChunkError::kBadPayload},
        {"short picture", [] { return Chunk(2, std::vector<uint8_t>(51)); },
         ChunkError::kBadPayload},
        {"start of another kind",
         [] {
             return Chunk(0, {0, 0, 0, 1, 0x0E, 0x0F});
         },
         ChunkError::kBadPayload},
        {"audio rate", [] { return Patched(AudioChunk(), 48 + 6, 16000); },
         ChunkError::kBadPayload},
        {"audio without samples", [] { return Patched(Resized(AudioChunk(), 48 + 19), 20, 19); },
         ChunkError::kBadPayload},
    };
    Port port(0);
    auto start = StartChunk();
    ASSERT_TRUE(port.Open(start.data(), static_cast<uint32_t>(start.size())));
    for (const Malformed& test : cases) {
        auto chunk = test.make();
        ContainerFrame frame;
        EXPECT_EQ(ParseChunk(chunk.data(), chunk.size(), &frame), test.error) << test.name;
        EXPECT_FALSE(port.Input(chunk.data(), static_cast<uint32_t>(chunk.size()))) << test.name;
    }
    EXPECT_EQ(port.RefusedChunks(), sizeof(cases) / sizeof(cases[0]));
    port.Close();
}

TEST(Container, FullQueueDropsTheOldestFrame) {
    Port port(0);
    auto start = StartChunk();
    ASSERT_TRUE(port.Open(start.data(), static_cast<uint32_t>(start.size())));
    for (uint32_t i = 0; i < kQueueFrames + 3; ++i) {
        auto chunk = VideoChunk(i);
        EXPECT_TRUE(port.Input(chunk.data(), static_cast<uint32_t>(chunk.size())));
    }
    EXPECT_EQ(port.DroppedFrames(), 3u);
    port.Close();
}

}  // namespace
}  // namespace vela::player
