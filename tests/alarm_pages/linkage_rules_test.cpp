// What a store writes into the linkage fields no control shows, and the times a period's
// fields show as.
#include <gtest/gtest.h>

#include "pages/alarm/linkage_block.h"

namespace vela::pages::alarm {
namespace {

TEST(LinkageRules, RecordChannelsBeyondTheBoxesKeepTheirBits) {
    EXPECT_EQ(StoredRecordMask(0xABCD0000u, 0x0003u), 0xABCD0003u);
    EXPECT_EQ(StoredRecordMask(0xFFFFFFFFu, 0), 0xFFFF0000u);
}

TEST(LinkageRules, OutputsKeepOnlyTheBitsOfOutputsTheDeviceHas) {
    EXPECT_EQ(StoredOutputMask(0xFFFFFFFFu, 0x1u, 4), 0x1u);
    EXPECT_EQ(StoredOutputMask(0xFFFFFFFFu, 0x2u, 8), 0xC2u) << "outputs 7 and 8 have no box";
    EXPECT_EQ(StoredOutputMask(0xFFFFFFFFu, 0x3Fu, 0), 0u);
    EXPECT_EQ(StoredOutputMask(0xFFFFFFFFu, 0, 40), 0xFFFFFFC0u) << "counts are bounded";
}

TEST(LinkageRules, PeriodFieldsShowAsTimesAPickerHolds) {
    const auto shown = [](int32_t hour, int32_t minute) {
        const ClockTime t = PeriodShownTime(hour, minute);
        return t.hour * 100 + t.minute;
    };
    EXPECT_EQ(shown(7, 30), 730);
    EXPECT_EQ(shown(24, 0), 2359);
    EXPECT_EQ(shown(-1, 0), 2359);
    EXPECT_EQ(shown(0x10005, 0x1001E), 530) << "the low 16 bits";
    EXPECT_EQ(shown(12, 75), 1259);
}

}  // namespace
}  // namespace vela::pages::alarm
