// The container stream as the player receives it: byte-exact headers, the substitute start,
// the key-frame counter and the dropping rules, through the real loader and a recording player.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/bytes.h"
#include "platform/kernel.h"
#include "preview/growable_buffer.h"
#include "preview/stream_format.h"
#include "preview/stream_packager.h"
#include "tests/preview/recording_player_access.h"

namespace vela::preview {
namespace {

using testing::kCallCloseStream;
using testing::kCallInputData;
using testing::kCallOpenStream;
using testing::kCallPlay;
using testing::RecordedPlayerCall;

constexpr uint16_t kWidth = 352;
constexpr uint16_t kHeight = 288;

// A packet of the type: skip bytes of 0xEE, then the payload bytes 1, 2, 3, ...
std::vector<uint8_t> Packet(size_t skip, size_t payload) {
    std::vector<uint8_t> bytes(skip, 0xEE);
    for (size_t i = 0; i < payload; ++i) bytes.push_back(static_cast<uint8_t>(i + 1));
    return bytes;
}

class StreamPackagerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_packager.SetPlayer(m_player.Functions());
        m_packager.SetWindow(&m_window);
    }
    void Send(int32_t type, const std::vector<uint8_t>& bytes) {
        m_packager.OnPacket(type, bytes.data(), static_cast<int32_t>(bytes.size()), kWidth,
                            kHeight);
    }
    void StartStream() { Send(kPacketHeader, Packet(0, 40)); }
    std::vector<const RecordedPlayerCall*> Inputs() const { return m_player.Calls(kCallInputData); }

    testing::RecordingPlayer m_player;
    CStreamPackager m_packager;
    int m_window = 0;
};

// One packet as NetSDK may hand it over, named for the trace.
struct PacketCase {
    const char* name;
    int32_t type;
    const uint8_t* data;
    int32_t length;
};

// Checks the 48-byte frame header at bytes.
void ExpectFrameHeader(const uint8_t* bytes, int32_t type, uint32_t length, uint32_t counter) {
    EXPECT_EQ(std::memcmp(bytes, "HALCYONIXDVR", 12), 0);
    EXPECT_EQ(ReadI32(bytes, kFrameTypeOffset), type);
    EXPECT_EQ(ReadI32(bytes, kFrameFormatOffset), 420);
    EXPECT_EQ(ReadU32(bytes, kFrameLengthOffset), length);
    EXPECT_EQ(ReadU32(bytes, kFrameFirstDimensionOffset), kWidth);
    EXPECT_EQ(ReadU32(bytes, kFrameSecondDimensionOffset), kHeight);
    EXPECT_EQ(ReadU32(bytes, kFrameCounterOffset), counter);
    EXPECT_EQ(ReadU32(bytes, 36), 0u);
    EXPECT_EQ(ReadU32(bytes, 44), 0u);
}

TEST_F(StreamPackagerTest, HeaderPacketOpensAndPlaysThePlayerWithTheStreamStart) {
    StartStream();
    ASSERT_EQ(m_player.Kinds(),
              (std::vector<testing::RecordedCallKind>{kCallOpenStream, kCallPlay, kCallInputData}));
    const RecordedPlayerCall& open = *m_player.Calls(kCallOpenStream)[0];
    EXPECT_EQ(open.port, 200);
    EXPECT_EQ(open.buffer, 20000u);
    EXPECT_EQ(open.length, 16u + 48u + 40u);
    const uint8_t streamHeader[16] = {'H', 'B', 'M', '4'};
    EXPECT_EQ(std::memcmp(open.bytes, streamHeader, 16), 0);
    ExpectFrameHeader(open.bytes + 16, kFrameStreamStart, 40, 0);
    EXPECT_EQ(ReadU32(open.bytes + 16, kFrameTickOffset), 0u);
    EXPECT_EQ(std::memcmp(open.bytes + 64, Packet(0, 40).data(), 40), 0);
    EXPECT_EQ(m_player.Calls(kCallPlay)[0]->window, &m_window);
    EXPECT_EQ(Inputs()[0]->length, open.length);
    EXPECT_TRUE(m_packager.PlayerOpen());
}

// A stream whose first packet is no usable header starts with 00 00 00 01 0E 0E instead.
TEST_F(StreamPackagerTest, FirstPacketThatIsNoHeaderGetsTheSubstituteStart) {
    const std::vector<uint8_t> key = Packet(16, 10);
    const PacketCase cases[] = {
        {"key frame", kPacketKey, key.data(), 26},
        {"header without data", kPacketHeader, nullptr, 40},
        {"header of negative length", kPacketHeader, key.data(), -5},
        {"empty header", kPacketHeader, key.data(), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_player.Log().count = 0;
        m_packager.Stop();
        m_packager.OnPacket(c.type, c.data, c.length, kWidth, kHeight);
        const auto opens = m_player.Calls(kCallOpenStream);
        ASSERT_EQ(opens.size(), 1u);
        EXPECT_EQ(opens[0]->length, 16u + 48u + 6u);
        ExpectFrameHeader(opens[0]->bytes + 16, kFrameStreamStart, 6,
                          m_packager.FrameCounter() - (c.type == kPacketKey));
        const uint8_t substitute[] = {0, 0, 0, 1, 0x0E, 0x0E};
        EXPECT_EQ(std::memcmp(opens[0]->bytes + 64, substitute, 6), 0);
    }
}

TEST_F(StreamPackagerTest, FramesCarryTheirPayloadAfterTheSkippedBytes) {
    StartStream();
    const uint32_t before = platform::TickCount();
    Send(kPacketKey, Packet(16, 30));
    Send(3, Packet(8, 20));
    Send(kPacketAudio, Packet(8, 12));
    const uint32_t after = platform::TickCount();
    const auto inputs = Inputs();
    ASSERT_EQ(inputs.size(), 4u);

    ExpectFrameHeader(inputs[1]->bytes, kFrameKey, 30, 1);
    const uint32_t tick = ReadU32(inputs[1]->bytes, kFrameTickOffset);
    EXPECT_GE(tick, before);
    EXPECT_LE(tick, after);
    EXPECT_EQ(std::memcmp(inputs[1]->bytes + 48, Packet(0, 30).data(), 30), 0);

    ExpectFrameHeader(inputs[2]->bytes, kFrameDelta, 20, 1);
    EXPECT_EQ(std::memcmp(inputs[2]->bytes + 48, Packet(0, 20).data(), 20), 0);

    ExpectFrameHeader(inputs[3]->bytes, kFrameAudio, 20 + 12, 1);
    const uint8_t descriptor[20] = {'a',  'l',  'a', 'w', 1, 0, 0x40, 0x1F, 0,  0,
                                    0x80, 0x3E, 16,  0,   0, 0, 0,    0,    20, 0};
    EXPECT_EQ(std::memcmp(inputs[3]->bytes + 48, descriptor, 20), 0);
    EXPECT_EQ(std::memcmp(inputs[3]->bytes + 68, Packet(0, 12).data(), 12), 0);
    EXPECT_EQ(inputs[3]->length, 48u + 32u);
}

TEST_F(StreamPackagerTest, NothingButTheStartIsFedBeforeTheFirstKeyFrame) {
    StartStream();
    for (int32_t type : {2, 3, 4, 5}) Send(type, Packet(8, 4));
    Send(kPacketAudio, Packet(8, 4));
    EXPECT_EQ(Inputs().size(), 1u);
    Send(kPacketKey, Packet(16, 4));
    Send(2, Packet(8, 4));
    EXPECT_EQ(Inputs().size(), 3u);
}

TEST_F(StreamPackagerTest, MidStreamHeadersUnknownTypesAndShortPacketsAreDropped) {
    StartStream();
    Send(kPacketKey, Packet(16, 4));
    const size_t fed = Inputs().size();
    const std::vector<uint8_t> bytes = Packet(16, 4);
    const PacketCase cases[] = {
        {"header in mid-stream", kPacketHeader, bytes.data(), 20},
        {"unknown type", 7, bytes.data(), 20},
        {"key frame shorter than 16", kPacketKey, bytes.data(), 15},
        {"delta shorter than 8", 2, bytes.data(), 7},
        {"audio shorter than 8", kPacketAudio, bytes.data(), 7},
        {"negative length", kPacketKey, bytes.data(), -1},
        {"no data", 4, nullptr, 20},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_packager.OnPacket(c.type, c.data, c.length, kWidth, kHeight);
        EXPECT_EQ(Inputs().size(), fed);
    }
    EXPECT_EQ(m_packager.FrameCounter(), 1u);
}

TEST_F(StreamPackagerTest, TheKeyFrameCountSurvivesANewStream) {
    StartStream();
    Send(kPacketKey, Packet(16, 4));
    Send(kPacketKey, Packet(16, 4));
    m_packager.Stop();
    EXPECT_EQ(m_player.Calls(testing::kCallStop).size(), 1u);
    EXPECT_EQ(m_player.Calls(kCallCloseStream).size(), 1u);
    EXPECT_FALSE(m_packager.PlayerOpen());

    StartStream();
    Send(2, Packet(8, 4));  // the new stream waits for its own key frame
    Send(kPacketKey, Packet(16, 4));
    const auto inputs = Inputs();
    ASSERT_EQ(inputs.size(), 5u);
    ExpectFrameHeader(inputs.back()->bytes, kFrameKey, 4, 3);
}

TEST_F(StreamPackagerTest, APlayerThatCannotPlayIsClosedAndFedNothing) {
    m_player.Log().playResult = 0;
    StartStream();
    Send(kPacketKey, Packet(16, 4));
    EXPECT_EQ(m_player.Kinds(), (std::vector<testing::RecordedCallKind>{kCallOpenStream, kCallPlay,
                                                                        kCallCloseStream}));
    EXPECT_FALSE(m_packager.PlayerOpen());
}

TEST_F(StreamPackagerTest, WithoutAWindowFramesArePackagedButNotFed) {
    m_packager.SetWindow(nullptr);
    StartStream();
    Send(kPacketKey, Packet(16, 4));
    EXPECT_EQ(m_player.Log().count, 0u);
    EXPECT_EQ(m_packager.FrameCounter(), 1u);
    EXPECT_EQ(m_packager.Chunk().Length(), 48u + 4u);
}

TEST_F(StreamPackagerTest, AFrameThatDoesNotFitIsNotFedAtAll) {
    StartStream();
    Send(kPacketKey, Packet(16, 4));
    const size_t fed = Inputs().size();
    // The payload is never read: the size check comes first.
    const uint8_t byte = 0;
    EXPECT_FALSE(m_packager.PackageFrame(kFrameKey, 1, kWidth, kHeight, &byte, kMaxBufferBytes));
    EXPECT_EQ(Inputs().size(), fed);
    EXPECT_EQ(m_packager.Chunk().Length(), 0u);
}

TEST(GrowableBufferTest, GrowsToTheMultipleOf1024AboveTheNeedAndZeroesIt) {
    GrowableBuffer buffer;
    const std::vector<uint8_t> bytes(1500, 0xAB);
    ASSERT_TRUE(buffer.Append(bytes.data(), 1));
    EXPECT_EQ(buffer.Capacity(), 1024u);
    ASSERT_TRUE(buffer.Append(bytes.data(), 1023));
    EXPECT_EQ(buffer.Capacity(), 1024u) << "1024 bytes fit";
    GrowableBuffer exact;
    ASSERT_TRUE(exact.Append(bytes.data(), 1024));
    EXPECT_EQ(exact.Capacity(), 2048u) << "the multiple just above the need";
    buffer.Clear();
    ASSERT_TRUE(buffer.Append(bytes.data(), 1500));
    EXPECT_EQ(buffer.Capacity(), 2048u);
    EXPECT_EQ(buffer.Data()[1500], 0);
    EXPECT_EQ(buffer.Data()[2047], 0);
}

TEST(GrowableBufferTest, AnAppendPastTheLimitLeavesTheBufferAsItWas) {
    GrowableBuffer buffer;
    const uint8_t byte = 1;
    ASSERT_TRUE(buffer.Append(&byte, 1));
    EXPECT_FALSE(buffer.Append(&byte, kMaxBufferBytes));
    EXPECT_FALSE(buffer.Append(&byte, SIZE_MAX));
    EXPECT_EQ(buffer.Length(), 1u);
}

}  // namespace
}  // namespace vela::preview
