// The budget, resolution mask and bit-rate limit of one stream.
#include "tests/channel_capacity/capacity_fixture.h"

namespace vela::pages::channel::testing {
namespace {

class StreamBudgets : public CapacityTest {
  protected:
    void SetUp() override {
        channelCount = 2;
        SetTotalPower(20'000'000);
        SetTotalBitRate(4096);
        SetStream(1, Stream::kMain, At(3, 25).BitRate(1024));  // 2534400
        SetStream(1, Stream::kSub, At(4, 25));                 // 633600
        SetStream(0, Stream::kMain, At(0, 10).BitRate(2048));  // 4055040
        SetStream(0, Stream::kSub, At(4, 10));                 // 253440
    }
    StreamBudget Budget(Stream stream) { return EncodingCapacity(Records()).Budget(0, stream); }

    static constexpr int64_t kLeftByChannel1 = 20'000'000 - 2534400 - 633600;
};

TEST_F(StreamBudgets, MainStreamHasTheRemainingPowerAndBitRate) {
    StreamBudget budget = Budget(Stream::kMain);
    EXPECT_EQ(budget.power, kLeftByChannel1);
    EXPECT_TRUE(budget.hasBitRateLimit);
    EXPECT_EQ(budget.bitRateLimit, 4096 - 1024);
}

TEST_F(StreamBudgets, MainStreamLimitOnlyLowers) {
    SetMainLimit(0, 1000);
    EXPECT_EQ(Budget(Stream::kMain).power, 1000);
    SetMainLimit(0, 90'000'000);
    EXPECT_EQ(Budget(Stream::kMain).power, kLeftByChannel1);
}

TEST_F(StreamBudgets, SubStreamCountsAgainstTheMainOnlyWithTheBudgetFlag) {
    subStreamBudget = true;
    EXPECT_EQ(Budget(Stream::kMain).power, kLeftByChannel1 - 253440);
    SetStream(0, Stream::kSub, At(4, 10).Off());
    EXPECT_EQ(Budget(Stream::kMain).power, kLeftByChannel1);
}

TEST_F(StreamBudgets, MainMaskFallsBackToTheDefault) {
    SetDefaultMask(0x55);
    EXPECT_EQ(Budget(Stream::kMain).mask, 0x55U);
    SetMainMask(0, 0x3);
    EXPECT_EQ(Budget(Stream::kMain).mask, 0x3U);
}

TEST_F(StreamBudgets, SubStreamHasWhatTheMainLeavesAndNoBitRateLimit) {
    StreamBudget budget = Budget(Stream::kSub);
    EXPECT_EQ(budget.power, kLeftByChannel1 - 4055040);
    EXPECT_FALSE(budget.hasBitRateLimit);
    SetStream(0, Stream::kMain, At(0, 10).Off());
    EXPECT_EQ(Budget(Stream::kSub).power, kLeftByChannel1);
}

struct SubMaskCase {
    const char* name;
    uint32_t subMask;
    uint32_t defaultMask;
    uint32_t byMain;
    int mainResolution;
    uint32_t expected;
};

class SubStreamMask : public StreamBudgets, public ::testing::WithParamInterface<SubMaskCase> {};

TEST_P(SubStreamMask, CombinesChannelRecordAndTableMasks) {
    const SubMaskCase& c = GetParam();
    SetSubMask(0, c.subMask);
    SetDefaultMask(c.defaultMask);
    SetStream(0, Stream::kMain, At(c.mainResolution, 10));
    if (c.mainResolution >= 0 && c.mainResolution < 19)
        SetSubMaskByMain(0, c.mainResolution, c.byMain);
    EXPECT_EQ(Budget(Stream::kSub).mask, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Masks, SubStreamMask,
    ::testing::Values(SubMaskCase{"TableRowOnly", kAllResolutions, 0, 0, 0, 27},
                      SubMaskCase{"DefaultWhenZero", 0, 0x3, 0, 0, 0x3},
                      SubMaskCase{"ByMainRestricts", kAllResolutions, 0, 0x2, 0, 0x2},
                      SubMaskCase{"ByMainOfOtherRow", kAllResolutions, 0, 0x10, 4, 0x10},
                      SubMaskCase{"TableRowOfResolution5", kAllResolutions, 0, 0, 5, 96},
                      SubMaskCase{"MainOutsideTheTable", kAllResolutions, 0, 0, 19, 0},
                      SubMaskCase{"MainNegative", kAllResolutions, 0, 0, -1, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StreamBudgets, ShareLimitsEachKindToAnEqualPartOfWhatTheOtherLeaves) {
    SetShareFlag(1);
    subStreamBudget = true;
    const int64_t usedMain = 2534400 + 4055040;
    const int64_t usedSub = 633600 + 253440;
    EXPECT_EQ(Budget(Stream::kMain).power,
              std::min(kLeftByChannel1 - 253440, (20'000'000 - usedSub) / 2));
    EXPECT_EQ(Budget(Stream::kSub).power, (20'000'000 - usedMain) / 2);
}

TEST_F(StreamBudgets, ShareWithoutChannelsSetsNoShareLimit) {
    SetShareFlag(1);
    channelCount = 0;
    EXPECT_EQ(Budget(Stream::kMain).power, 20'000'000);
    EXPECT_EQ(Budget(Stream::kSub).power, 20'000'000 - 4055040);
}

TEST_F(StreamBudgets, ChannelOutsideTheRecordsHasNoBudget) {
    EncodingCapacity capacity(Records());
    for (int channel : {-1, 32, INT32_MAX}) {
        StreamBudget budget = capacity.Budget(channel, Stream::kMain);
        EXPECT_EQ(budget.power, 0);
        EXPECT_EQ(budget.mask, 0U);
    }
}

}  // namespace
}  // namespace vela::pages::channel::testing
