// The frame layer and the shared formats: round trips through an in-memory pipe, and every
// kind of broken input a peer can send.
#include <gtest/gtest.h>

#include "platform/bytes.h"
#include "tools/wire/firmware_image.h"
#include "tools/wire/frame.h"
#include "tools/wire/memory_stream.h"
#include "tools/wire/payload.h"

namespace vela::wire {
namespace {

Frame MakeFrame(uint16_t command, uint32_t sequence, int32_t status, size_t payloadSize) {
    Frame frame;
    frame.command = command;
    frame.sequence = sequence;
    frame.status = status;
    for (size_t i = 0; i < payloadSize; ++i) frame.payload.push_back(static_cast<uint8_t>(i * 7));
    return frame;
}

TEST(WireFrame, RoundTripsHeaderFieldsAndPayloadsUpToTheLimit) {
    auto [a, b] = MakeMemoryPipe();
    for (size_t size : {size_t{0}, size_t{57}, size_t{kMaxPayload}}) {
        Frame sent = MakeFrame(4, 77, -11401, size);
        ASSERT_TRUE(WriteFrame(*a, sent));
        Frame got;
        ASSERT_EQ(ReadFrame(*b, &got, 1000), ReadResult::kFrame) << size;
        EXPECT_EQ(got.command, 4);
        EXPECT_EQ(got.sequence, 77u);
        EXPECT_EQ(got.status, -11401);
        EXPECT_EQ(got.payload, sent.payload);
    }
    EXPECT_FALSE(WriteFrame(*a, MakeFrame(4, 1, 0, kMaxPayload + 1)));
}

TEST(WireFrame, BrokenInputIsReportedNotTrusted) {
    uint8_t header[kHeaderSize];
    EncodeHeader(MakeFrame(3, 9, 0, 12), header);
    std::vector<uint8_t> wrongMagic(header, header + kHeaderSize);
    wrongMagic[0] = 'X';
    std::vector<uint8_t> hugeLength(header, header + kHeaderSize);
    WriteU32(hugeLength.data(), 16, 0xFFFFFFF0u);  // never allocated
    std::vector<uint8_t> halfFrame(header, header + kHeaderSize);
    halfFrame.insert(halfFrame.end(), {'a', 'b', 'c'});
    const struct {
        const char* what;
        std::vector<uint8_t> bytes;
        bool thenClose;
    } cases[] = {{"wrong magic", wrongMagic, false},
                 {"length beyond the limit", hugeLength, false},
                 {"half a frame, then silence", halfFrame, false},
                 {"half a header, then the peer closes", {header, header + 7}, true}};
    for (const auto& bad : cases) {
        auto [a, b] = MakeMemoryPipe();
        a->Write(bad.bytes.data(), bad.bytes.size());
        if (bad.thenClose) a->Close();
        Frame got;
        EXPECT_EQ(ReadFrame(*b, &got, 100, 200), ReadResult::kMalformed) << bad.what;
    }
    auto [a, b] = MakeMemoryPipe();  // nothing at all: time-out, then closed
    Frame got;
    EXPECT_EQ(ReadFrame(*b, &got, 20), ReadResult::kTimeout);
    a->Close();
    EXPECT_EQ(ReadFrame(*b, &got, 20), ReadResult::kClosed);
}

TEST(WirePayload, ShortPayloadReadsZeroAndIsFlagged) {
    PayloadWriter out;
    out.I32(-5).U16(700).Text("admin", 8);
    PayloadReader in(out.bytes());
    EXPECT_EQ(in.I32(), -5);
    EXPECT_EQ(in.U16(), 700);
    EXPECT_EQ(in.Text(8), "admin");
    EXPECT_TRUE(in.ok());
    EXPECT_EQ(in.I32(), 0);
    EXPECT_FALSE(in.ok());
    EXPECT_EQ(in.Text(64), "");
}

TEST(FirmwareImage, AcceptsOnlyWholeIntactImages) {
    std::vector<uint8_t> payload(5000, 0x5A);
    std::vector<uint8_t> image = BuildFirmwareImage("V3.5.0 build 140102", payload);
    std::string version;
    ASSERT_TRUE(VerifyFirmwareImage(image, &version));
    EXPECT_EQ(version, "V3.5.0 build 140102");

    std::vector<uint8_t> truncated(image.begin(), image.end() - 1);
    EXPECT_FALSE(VerifyFirmwareImage(truncated, &version));
    std::vector<uint8_t> text = {'h', 'e', 'l', 'l', 'o'};
    FirmwareHeader header;
    EXPECT_FALSE(ParseFirmwareHeader(text.data(), text.size(), &header));
}

}  // namespace
}  // namespace vela::wire
