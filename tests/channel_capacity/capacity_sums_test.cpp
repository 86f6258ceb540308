// The sums over the other channels: which streams count, the 64-bit totals, the bounded
// channel count and indices from outside the tables.
#include <climits>
#include <utility>

#include "tests/channel_capacity/capacity_fixture.h"

namespace vela::pages::channel::testing {
namespace {

using CapacitySums = CapacityTest;

TEST_F(CapacitySums, RemainingPowerLeavesOutTheEditedChannelOnly) {
    channelCount = 3;
    SetTotalPower(10'000'000);
    SetStream(0, Stream::kMain, At(4, 25));  // 633600
    SetStream(0, Stream::kSub, At(8, 25));   // 512000
    SetStream(1, Stream::kMain, At(3, 25));  // 2534400
    SetStream(2, Stream::kMain, At(4, 5));   // 126720
    EncodingCapacity capacity(Records());
    EXPECT_EQ(capacity.RemainingMainPower(1), 10'000'000 - 633600 - 512000 - 126720);
    EXPECT_EQ(capacity.RemainingMainPower(0), 10'000'000 - 2534400 - 126720);
}

TEST_F(CapacitySums, SubStreamsAreUsedPowerOnlyWithTheBudgetFlag) {
    channelCount = 2;
    SetStream(0, Stream::kSub, At(4, 25));
    SetStream(1, Stream::kSub, At(4, 5));
    EXPECT_EQ(EncodingCapacity(Records()).UsedPower(Stream::kSub), 0);
    subStreamBudget = true;
    EXPECT_EQ(EncodingCapacity(Records()).UsedPower(Stream::kSub), 25344 * 30);
}

TEST_F(CapacitySums, SixtyFourStreamsAtTheLargestResolutionDoNotWrap) {
    channelCount = 32;
    subStreamBudget = true;
    for (int channel = 0; channel < 32; ++channel) {
        SetStream(channel, Stream::kMain, At(18, 30));
        SetStream(channel, Stream::kSub, At(18, 30));
    }
    SetTotalPower(INT32_MAX);
    EncodingCapacity capacity(Records());
    const int64_t stream = int64_t{5271552} * 30;
    EXPECT_EQ(capacity.UsedPower(Stream::kMain), 32 * stream);
    EXPECT_EQ(capacity.UsedPower(Stream::kSub), 32 * stream);
    EXPECT_EQ(capacity.RemainingMainPower(0), int64_t{INT32_MAX} - 62 * stream);
}

TEST_F(CapacitySums, RemainingBitRateSumsTheOtherMainStreamsInSixtyFourBits) {
    channelCount = 32;
    SetTotalBitRate(1000);
    for (int channel = 0; channel < 32; ++channel)
        SetStream(channel, Stream::kMain, At(0, 25).BitRate(INT32_MAX));
    SetStream(5, Stream::kMain, At(0, 25).Off().BitRate(INT32_MAX));
    EXPECT_EQ(EncodingCapacity(Records()).RemainingBitRate(0), 1000 - 30 * int64_t{INT32_MAX});
}

TEST_F(CapacitySums, StreamsOutsideTheTablesCountNothing) {
    const struct {
        int resolution, frameRate;
    } streams[] = {{-1, 25}, {19, 25}, {INT32_MAX, 25}, {0, -25}};
    for (const auto& stream : streams) {
        SetStream(0, Stream::kMain, At(stream.resolution, stream.frameRate));
        EXPECT_EQ(EncodingCapacity(Records()).StreamCost(0, Stream::kMain), 0)
            << stream.resolution << "@" << stream.frameRate;
    }
}

TEST_F(CapacitySums, ChannelsBeyondTheCountDoNotCount) {
    channelCount = 1;
    SetTotalPower(1'000'000);
    SetStream(1, Stream::kMain, At(0, 25));
    EXPECT_EQ(EncodingCapacity(Records()).RemainingMainPower(0), 1'000'000);
}

TEST(DeviceChannelCount, IsBoundedToTheChannelSlots) {
    const std::pair<int32_t, int> counts[] = {{0, 0},          {4, 4},  {32, 32},      {33, 32},
                                              {INT32_MAX, 32}, {-1, 0}, {INT32_MIN, 0}};
    for (const auto& [stored, bounded] : counts) {
        std::array<uint8_t, 400> deviceInfo{};
        WriteI32(deviceInfo.data(), 288, stored);
        EXPECT_EQ(CapacityChannelCount(deviceInfo.data()), bounded) << stored;
    }
}

}  // namespace
}  // namespace vela::pages::channel::testing
