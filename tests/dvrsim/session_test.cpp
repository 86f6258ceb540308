// One connection to the simulated device, driven frame by frame over an in-memory pipe:
// requests and replies, faults, bad input, and the stream a play sends.
#include <gtest/gtest.h>

#include "platform/bytes.h"
#include "session_thread.h"
#include "tests/common/temp_folder.h"
#include "tools/dvrsim/record_table.h"
#include "tools/dvrsim/stream_rate.h"
#include "tools/wire/commands.h"
#include "tools/wire/memory_stream.h"
#include "tools/wire/payload.h"
#include "tools/wire/test_picture.h"

namespace vela::dvrsim {
namespace {

using testing::SessionThread;
using testing::TempFolder;

// The device end runs a Session on its own thread; the test speaks raw frames.
class SessionFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        DeviceOptions options;
        options.statePath = folder_.File("state.bin");
        options.password = "pw";
        device_ = std::make_unique<Device>(options);
        auto pipe = wire::MakeMemoryPipe();
        client_ = std::move(pipe.first);
        session_ = std::make_unique<SessionThread>(*device_, std::move(pipe.second));
    }
    void TearDown() override { session_.reset(); }

    // Sends a request and returns its reply, skipping stream packets (kept in packets_).
    wire::ReadResult Call(uint16_t command, std::vector<uint8_t> payload, wire::Frame* reply,
                          uint32_t waitMs = 2000) {
        wire::Frame request;
        request.command = command;
        request.sequence = ++sequence_;
        request.payload = std::move(payload);
        if (!wire::WriteFrame(*client_, request)) return wire::ReadResult::kClosed;
        while (true) {
            wire::ReadResult result = wire::ReadFrame(*client_, reply, waitMs);
            if (result != wire::ReadResult::kFrame) return result;
            if (reply->sequence == request.sequence) return result;
            packets_.push_back(*reply);
        }
    }
    int32_t Status(uint16_t command, std::vector<uint8_t> payload = {}) {
        wire::Frame reply;
        EXPECT_EQ(Call(command, std::move(payload), &reply), wire::ReadResult::kFrame);
        return reply.status;
    }
    std::vector<uint8_t> LoginPayload(const std::string& password) {
        wire::PayloadWriter out;
        out.Text("admin", wire::kUserWidth).Text(password, wire::kPasswordWidth);
        return out.bytes();
    }
    std::vector<uint8_t> Ints(std::initializer_list<int32_t> values) {
        wire::PayloadWriter out;
        for (int32_t v : values) out.I32(v);
        return out.bytes();
    }
    std::vector<uint8_t> Text(const std::string& text) {
        return std::vector<uint8_t>(text.begin(), text.end());
    }

    TempFolder folder_;
    std::unique_ptr<Device> device_;
    std::unique_ptr<wire::MemoryEnd> client_;
    std::unique_ptr<SessionThread> session_;
    uint32_t sequence_ = 0;
    std::vector<wire::Frame> packets_;
};

// A good login and record round trips through a session are covered by the stand-in library
// tests; here the requests a session refuses.
TEST_F(SessionFixture, LoginGatesEverythingAndBadRequestsAreRefused) {
    EXPECT_EQ(Status(wire::kGetConfig, Ints({20, 0, 144})), wire::kErrNotLoggedIn);
    EXPECT_EQ(Status(wire::kLogin, LoginPayload("wrong")), wire::kErrBadPassword);
    EXPECT_EQ(Status(wire::kLogin, {1, 2, 3}), wire::kErrBadArgument);  // half a login
    ASSERT_EQ(Status(wire::kLogin, LoginPayload("pw")), wire::kOk);

    EXPECT_EQ(Status(wire::kSetConfig, Ints({20, 0, 1, 2})), wire::kErrBadSize);
    EXPECT_EQ(Status(wire::kGetConfig, Ints({20, 0})), wire::kErrBadArgument);
    EXPECT_EQ(Status(999), wire::kErrUnknownCommand);
    EXPECT_EQ(Status(wire::kUpgradeEnd), wire::kErrUpgradeState);
}

TEST_F(SessionFixture, StalledUpgradeTakesItsFirstBytesThenAnswersNothingOfIt) {
    ASSERT_EQ(Status(wire::kLogin, LoginPayload("pw")), wire::kOk);
    ASSERT_EQ(Status(wire::kControl, Text("stall-upgrade 100")), wire::kOk);
    ASSERT_EQ(Status(wire::kUpgradeBegin, Ints({300})), wire::kOk);
    const std::vector<uint8_t> piece(100, 7);
    EXPECT_EQ(Status(wire::kUpgradeData, piece), 100);

    wire::Frame reply;
    EXPECT_EQ(Call(wire::kUpgradeData, piece, &reply, 150), wire::ReadResult::kTimeout);
    EXPECT_EQ(Call(wire::kUpgradeEnd, {}, &reply, 150), wire::ReadResult::kTimeout);
    EXPECT_EQ(Status(wire::kGetConfig, Ints({20, 0, 144})), wire::kOk) << "other requests answered";

    ASSERT_EQ(Status(wire::kControl, Text("clear")), wire::kOk);
    EXPECT_EQ(Status(wire::kUpgradeEnd), wire::kErrNotFirmware)
        << "the withheld piece was not taken";
}

// Requests are noted in order with their answers, stores numbered apart; commands planned for a
// store number begin or end a fault in the middle of a save, or cut it there.
TEST_F(SessionFixture, RequestsAreNotedAndFaultsPlannedForAStoreStartThere) {
    ASSERT_EQ(Status(wire::kLogin, LoginPayload("pw")), wire::kOk);
    for (const char* plan :
         {"at-store 2 silent 1", "at-store 3 silent 0", "at-store 4 reboot", "at-store 6 drop"})
        ASSERT_EQ(Status(wire::kControl, Text(plan)), wire::kOk) << plan;
    const std::vector<uint8_t> pppoe(212, 0);
    auto store = [&](int32_t command, int32_t channel, const std::vector<uint8_t>& bytes) {
        wire::PayloadWriter out;
        out.I32(command).I32(channel).Bytes(bytes.data(), bytes.size());
        return out.bytes();
    };
    wire::Frame reply;
    EXPECT_EQ(Status(wire::kSetConfig, store(42, -1, pppoe)), wire::kOk);
    EXPECT_EQ(Call(wire::kSetConfig, store(42, -1, pppoe), &reply, 150),
              wire::ReadResult::kTimeout);
    EXPECT_EQ(Status(wire::kSetConfig, store(20, 0, pppoe)), wire::kErrBadSize);
    EXPECT_EQ(Status(wire::kGetConfig, Ints({20, 0, 144})), wire::kOk) << "not a store";
    EXPECT_EQ(Call(wire::kSetConfig, store(42, -1, pppoe), &reply), wire::ReadResult::kClosed);
    session_->Join(false);
    EXPECT_EQ(session_->reboots, 1);

    // After the login and the first store: the requests in order, stores numbered apart.
    const std::vector<RequestNote> notes = device_->RequestsAfter(2);
    ASSERT_EQ(notes.size(), 4u);
    const uint32_t stores[] = {2, 3, 0, 4};
    const int32_t answers[] = {kNotAnswered, wire::kErrBadSize, wire::kOk, kNotAnswered};
    for (size_t i = 0; i < notes.size(); ++i) {
        EXPECT_EQ(notes[i].number, i + 3);
        EXPECT_EQ(notes[i].request, i + 3) << "control frames are not counted";
        EXPECT_EQ(notes[i].store, stores[i]) << i;
        EXPECT_EQ(notes[i].answer, answers[i]) << i;
    }
    EXPECT_EQ(notes[1].command, 20);
    EXPECT_EQ(notes[1].channel, 0);
    EXPECT_EQ(notes[2].kind, wire::kGetConfig);
    EXPECT_EQ(device_->storeRequests(), 4u);
    EXPECT_EQ(DescribeFaults(device_->faults()), "at-store 6 drop") << "the others ran";
}

TEST_F(SessionFixture, GarbageEndsTheConnectionWithoutHarm) {
    ASSERT_EQ(Status(wire::kLogin, LoginPayload("pw")), wire::kOk);
    const char junk[] = "GET /";
    client_->Write(junk, sizeof(junk));
    wire::Frame reply;
    EXPECT_EQ(wire::ReadFrame(*client_, &reply, 2000), wire::ReadResult::kClosed);
    session_->Join(false);
    EXPECT_TRUE(session_->over);
}

TEST_F(SessionFixture, APlaySendsHeaderThenIFramePFramesAndAudio) {
    ASSERT_EQ(Status(wire::kLogin, LoginPayload("pw")), wire::kOk);
    EXPECT_EQ(Status(wire::kStartPlay, Ints({7, 9, 1})), wire::kErrBadChannel);
    ASSERT_EQ(Status(wire::kPtzPreset, Ints({1, 19, 3, 2, 3, 0})), wire::kOk);
    ASSERT_EQ(Status(wire::kStartPlay, Ints({7, 1, 1})), wire::kOk);
    std::vector<int32_t> types;
    std::vector<uint32_t> frames;
    while (types.size() < 12) {
        wire::Frame packet;
        ASSERT_EQ(wire::ReadFrame(*client_, &packet, 2000), wire::ReadResult::kFrame);
        ASSERT_EQ(packet.command, wire::kStreamPacket);
        ASSERT_EQ(packet.sequence, 0u);
        wire::PayloadReader in(packet.payload);
        EXPECT_EQ(in.I32(), 7);
        int32_t type = in.I32();
        EXPECT_EQ(in.U16(), 352);
        EXPECT_EQ(in.U16(), 288);
        types.push_back(type);
        if (type == wire::kPacketIFrame || type == wire::kPacketPFrame) {
            size_t prefix = type == wire::kPacketIFrame ? wire::kIFramePrefix : wire::kPFramePrefix;
            wire::Picture picture;
            ASSERT_TRUE(wire::ParsePicture(in.Rest() + prefix, in.RestSize() - prefix, &picture));
            EXPECT_EQ(picture.channel, 1);
            EXPECT_EQ(picture.overlay, "CH2 go to preset 3");
            frames.push_back(picture.frame);
        }
    }
    // The sub stream's 12 frames a second: 83 ms of sound after each frame.
    const std::vector<int32_t> expected = {0, 1, 10, 10, 10, 10, 2, 10, 10, 10, 10, 2};
    EXPECT_EQ(types, expected);
    EXPECT_EQ(frames, (std::vector<uint32_t>{0, 1, 2}));

    // After the stop's reply no packet of the play follows.
    wire::Frame reply;
    ASSERT_EQ(Call(wire::kStopPlay, Ints({7}), &reply), wire::ReadResult::kFrame);
    EXPECT_EQ(wire::ReadFrame(*client_, &reply, 150), wire::ReadResult::kTimeout);
}

TEST_F(SessionFixture, AStreamsBytesFollowTheStoredBitRate) {
    std::vector<uint8_t> encoding;
    ASSERT_EQ(device_->Read(kRecEncoding, 0, 4096, &encoding), wire::kOk);
    WriteI32(encoding.data(), 16, 10);   // main stream of channel 0: 10 frames a second
    WriteI32(encoding.data(), 20, 800);  // at 800 kbit/s
    ASSERT_EQ(device_->Store(kRecEncoding, 0, encoding.data(), encoding.size()), wire::kOk);
    ASSERT_EQ(Status(wire::kLogin, LoginPayload("pw")), wire::kOk);
    ASSERT_EQ(Status(wire::kStartPlay, Ints({3, 0, 0})), wire::kOk);
    std::vector<size_t> sizes;  // one second of video: the I frame and nine P frames
    while (sizes.size() < 10) {
        wire::Frame packet;
        ASSERT_EQ(wire::ReadFrame(*client_, &packet, 2000), wire::ReadResult::kFrame);
        wire::PayloadReader in(packet.payload);
        in.I32();
        int32_t type = in.I32();
        if (type == wire::kPacketIFrame || type == wire::kPacketPFrame) {
            sizes.push_back(in.RestSize() - 4);
        }
    }
    size_t total = 0;
    for (size_t size : sizes) total += size;
    EXPECT_NEAR(static_cast<double>(total), 800 * 1000 / 8, 800.0);
    EXPECT_GT(sizes[0], 5 * sizes[1]);

    // Values no encoder has fall back to 25 frames and 1536 kbit/s.
    WriteI32(encoding.data(), 16, 0);
    WriteI32(encoding.data(), 20, -5);
    StreamRate rate = ReadStreamRate(encoding, 0, 0);
    EXPECT_EQ(rate.fps, 25u);
    EXPECT_EQ(rate.kbitPerSecond, 1536u);
}

}  // namespace
}  // namespace vela::dvrsim
