// Raise, fit and the three lists the page builds for one stream, including the values a
// device may hold that the lists do not have.
#include <climits>
#include <vector>

#include "tests/channel_capacity/capacity_fixture.h"

namespace vela::pages::channel::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(Raise, ToTheLowestUsableMaskBit) {
    const struct {
        int stored;
        uint32_t mask;
        int expected;
    } cases[] = {{0, 0, 0},
                 {0, 0x8, 3},
                 {5, 0x8, 5},
                 {2, 0x6, 2},
                 {0, (1U << 20) | (1U << 4), 4},
                 // No bit a resolution has: nothing to raise to.
                 {0, 1U << 19, 0},
                 {3, 0x80000000U, 3},
                 // A stored index outside the table is kept.
                 {-1, 0x8, -1},
                 {19, 0x1, 19}};
    for (const auto& c : cases)
        EXPECT_EQ(RaisedResolution(c.stored, c.mask), c.expected) << c.stored << " " << c.mask;
}

struct FitCase {
    const char* name;
    int64_t budget;
    int stored;
    int storedFrameRate;
    bool ntsc;
    int maxFrameRate;
    int largest;
};

class Fit : public ::testing::TestWithParam<FitCase> {};

TEST_P(Fit, FrameRateAndLargestResolution) {
    const FitCase& c = GetParam();
    FitResult fit = FitBudget(c.budget, c.stored, c.storedFrameRate, c.ntsc);
    EXPECT_EQ(fit.maxFrameRate, c.maxFrameRate);
    EXPECT_EQ(fit.largestResolution, c.largest);
}

INSTANTIATE_TEST_SUITE_P(
    Budgets, Fit,
    ::testing::Values(FitCase{"FullRateAtResolution0", int64_t{25} * 405504, 0, 25, false, 25, 0},
                      FitCase{"OtherResolutionLiftsTheLargest", int64_t{25} * 405504, 3, 25, false,
                              25, 18},
                      FitCase{"BudgetLimitsTheRate", int64_t{10} * 405504, 0, 25, false, 10, 0},
                      FitCase{"NtscCapsAtThirty", int64_t{100} * 405504, 0, 25, true, 30, 0},
                      FitCase{"TiesKeepTheLowerIndex", 202752, 2, 25, false, 1, 1},
                      FitCase{"NoBudgetKeepsTheStoredRate", 0, 3, 12, false, 12, 3},
                      FitCase{"NoBudgetBoundsAHugeStoredRate", -5, 3, INT_MAX, false, 25, 3},
                      FitCase{"NoBudgetBoundsANegativeRate", -5, 3, -4, false, 0, 3},
                      // The stored resolution does not fit: what fits on its own is offered.
                      FitCase{"TooLargeOffersWhatFits", 100000, 0, 25, false, 0, 6},
                      FitCase{"NothingFits", 10000, 0, 25, false, 0, kNoSelection},
                      FitCase{"StoredOutsideTheTable", 10'000'000, 19, 25, false, 0, 18},
                      FitCase{"HugeBudget", INT64_MAX, 0, 25, false, 25, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FrameRates, OneToTheMaximumSelectingTheStoredOrTheMaximum) {
    FitResult fit{5, 0};
    EXPECT_THAT(FrameRateList(fit, 3).entries, ElementsAre(1, 2, 3, 4, 5));
    EXPECT_EQ(FrameRateList(fit, 3).selected, 2);
    EXPECT_EQ(FrameRateList(fit, 25).selected, 4);
    EXPECT_EQ(FrameRateList(fit, 0).selected, kNoSelection);
    EXPECT_THAT(FrameRateList(FitResult{0, 0}, 25).entries, IsEmpty());
    EXPECT_EQ(FrameRateList(FitResult{0, 0}, 25).selected, kNoSelection);
}

TEST(Resolutions, AtMostTheLargestAndInTheMask) {
    FitResult fit{25, 0};  // 405504 pixels: entries 0 to 9
    ListChoice all = ResolutionList(fit, kAllResolutions, 0, false);
    EXPECT_THAT(all.entries, ElementsAre(0, 1, 2, 3, 4, 5, 6, 7, 8, 9));
    ListChoice masked = ResolutionList(fit, 0x8 | 0x20 | (1U << 12), 5, false);
    EXPECT_THAT(masked.entries, ElementsAre(3, 5));
    EXPECT_EQ(masked.selected, 1);
    EXPECT_EQ(ResolutionList(fit, 0x8, 5, false).selected, kNoSelection);
    EXPECT_THAT(ResolutionList(FitResult{0, kNoSelection}, kAllResolutions, 0, false).entries,
                IsEmpty());
}

class BitRates : public CapacityTest {
  protected:
    BitRateChoice Build(const StreamFields& fields, bool hasLimit, int64_t limit) {
        SetStream(0, Stream::kMain, fields);
        StreamBudget budget;
        budget.hasBitRateLimit = hasLimit;
        budget.bitRateLimit = limit;
        return BitRateList(StreamBlock(encoding.data(), 0, Stream::kMain), ntsc, budget);
    }
};

TEST_F(BitRates, ScaledByTheFramesOfAnInterval) {
    // f = 12, G = 4, PAL: D = 109, N = 57.
    BitRateChoice choice = Build(At(3, 12).Interval(4).BitRate(384), false, 0);
    EXPECT_THAT(choice.list.entries, ElementsAre(33, 100, 200, 267, 401, 535));
    EXPECT_EQ(choice.list.selected, 4);  // 401, the first entry at least 384
    EXPECT_TRUE(choice.enabled);
}

TEST_F(BitRates, StoredRateAboveTheStandardCountsAsFullRate) {
    ntsc = true;
    EXPECT_THAT(Build(At(3, 60).Interval(4), false, 0).list.entries,
                ElementsAre(64, 192, 384, 512, 768, 1024));
}

struct LimitCase {
    const char* name;
    int64_t limit;
    int control;
    int quality;
    int storedRate;
    std::vector<int> entries;
    int selected;
};

class BitRateLimit : public BitRates, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(BitRateLimit, HidesLargerEntriesAndSelectsWithinIt) {
    const LimitCase& c = GetParam();
    BitRateChoice choice =
        Build(At(0, 25).BitRate(c.storedRate, c.control, c.quality), true, c.limit);
    EXPECT_EQ(choice.list.entries, c.entries);
    EXPECT_EQ(choice.list.selected, c.selected);
    EXPECT_EQ(choice.enabled, c.control != 1);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, BitRateLimit,
    ::testing::Values(
        LimitCase{"NoExactEntryTakesTheLast", 1000, 0, 1, 1536, {512, 768}, 1},
        LimitCase{"ExactEntryAtTheLimit", 1024, 0, 1, 1536, {512, 768, 1024}, 2},
        LimitCase{"StoredBelowTheLimit", 4096, 0, 1, 700, {512, 768, 1024, 1536, 2048, 3072}, 1},
        LimitCase{
            "QualityRateWithinTheLimit", 4096, 1, 3, 0, {512, 768, 1024, 1536, 2048, 3072}, 2},
        LimitCase{"QualityRateAboveTheLimit", 1000, 1, 6, 0, {512, 768}, 1},
        LimitCase{"NegativeLimitLeavesNothing", -1, 0, 1, 512, {}, kNoSelection},
        LimitCase{"QualityOutsideTheList",
                  4096,
                  1,
                  7,
                  0,
                  {512, 768, 1024, 1536, 2048, 3072},
                  kNoSelection},
        LimitCase{"QualityZero", 4096, 1, 0, 0, {512, 768, 1024, 1536, 2048, 3072}, kNoSelection}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BitRates, QualityRateWithoutLimitIsSelected) {
    BitRateChoice choice = Build(At(3, 12).Interval(4).BitRate(0, 1, 5), false, 0);
    EXPECT_EQ(choice.list.selected, 4);  // 401
    EXPECT_FALSE(choice.enabled);
}

TEST_F(BitRates, ValuesOutsideTheTablesGiveNoEntries) {
    EXPECT_THAT(Build(At(19, 25), false, 0).list.entries, IsEmpty());
    EXPECT_THAT(Build(At(-1, 25), false, 0).list.entries, IsEmpty());
    BitRateChoice negativeInterval = Build(At(0, 25).Interval(-1), false, 0);
    EXPECT_THAT(negativeInterval.list.entries, IsEmpty());
    EXPECT_EQ(negativeInterval.list.selected, kNoSelection);
    EXPECT_THAT(Build(At(0, 25).Interval(INT32_MIN), false, 0).list.entries, IsEmpty());
}

TEST_F(BitRates, HugeIntervalStaysInSixtyFourBits) {
    EXPECT_THAT(Build(At(0, 25).Interval(INT32_MAX), false, 0).list.entries,
                ElementsAre(512, 768, 1024, 1536, 2048, 3072));
}

class EncodingOptionsBuild : public CapacityTest {
  protected:
    void SetUp() override {
        SetTotalPower(int64_t{25} * 405504);
        SetTotalBitRate(8192);
        SetMainMask(0, kAllResolutions);
        SetStream(0, Stream::kMain, At(0, 25).BitRate(1024));
        SetStream(0, Stream::kSub, At(4, 25).Off());
    }
};

TEST_F(EncodingOptionsBuild, ZeroMainMaskUsesTheDefaultAndRaisesNothing) {
    SetMainMask(0, 0);
    SetDefaultMask(0x8 | 0x10);
    EncodingOptions options = BuildEncodingOptions(Records(), 0, Stream::kMain);
    EXPECT_THAT(options.resolutions.entries, ElementsAre(3, 4));
    EXPECT_EQ(options.resolutions.selected, kNoSelection);
    EXPECT_EQ(StoredResolution(0, Stream::kMain), 0);
}

TEST_F(EncodingOptionsBuild, ResolutionThatDoesNotFitOffersWhatFits) {
    SetTotalPower(100000);
    EncodingOptions options = BuildEncodingOptions(Records(), 0, Stream::kMain);
    EXPECT_THAT(options.frameRates.entries, IsEmpty());
    EXPECT_THAT(options.resolutions.entries, ElementsAre(4, 6, 8, 9));
    EXPECT_EQ(options.resolutions.selected, kNoSelection);
    EXPECT_EQ(StoredResolution(0, Stream::kMain), 0);
}

TEST_F(EncodingOptionsBuild, IndicesOutsideTheTablesSelectNothingAndAreKept) {
    SetStream(0, Stream::kMain, At(40, 25).BitRate(1024, 1, 9).Interval(99));
    EncodingOptions options = BuildEncodingOptions(Records(), 0, Stream::kMain);
    EXPECT_EQ(options.resolutions.selected, kNoSelection);
    EXPECT_EQ(options.bitRates.list.selected, kNoSelection);
    EXPECT_EQ(options.quality, kNoSelection);
    EXPECT_EQ(options.interval, kNoSelection);
    EXPECT_EQ(StoredResolution(0, Stream::kMain), 40);
}

TEST_F(EncodingOptionsBuild, ChannelOutsideTheRecordsGivesEmptyLists) {
    const auto before = encoding;
    for (int channel : {-1, 32}) {
        EncodingOptions options = BuildEncodingOptions(Records(), channel, Stream::kSub);
        EXPECT_THAT(options.frameRates.entries, IsEmpty());
        EXPECT_THAT(options.resolutions.entries, IsEmpty());
        EXPECT_THAT(options.bitRates.list.entries, IsEmpty());
    }
    EXPECT_EQ(encoding, before);
}

}  // namespace
}  // namespace vela::pages::channel::testing
