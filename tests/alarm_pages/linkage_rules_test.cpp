// The output bits a store writes for outputs that have no box or that the device lacks, and
// the low 16 bits of a period's fields.
#include <gtest/gtest.h>

#include "pages/alarm/linkage_block.h"

namespace vela::pages::alarm {
namespace {

TEST(LinkageRules, OutputsKeepOnlyTheBitsOfOutputsTheDeviceHas) {
    EXPECT_EQ(StoredOutputMask(0xFFFFFFFFu, 0x1u, 4), 0x1u);
    EXPECT_EQ(StoredOutputMask(0xFFFFFFFFu, 0x2u, 8), 0xC2u) << "outputs 7 and 8 have no box";
    EXPECT_EQ(StoredOutputMask(0xFFFFFFFFu, 0x3Fu, 0), 0u);
    EXPECT_EQ(StoredOutputMask(0xFFFFFFFFu, 0, 40), 0xFFFFFFC0u) << "counts are bounded";
}

// Only the low 16 bits of a period's fields count, so a negative hour reads as a large one
// (the page's bounds on the shown time are in alarm_page_test.cpp).
TEST(LinkageRules, PeriodFieldsCountTheirLow16Bits) {
    const auto shown = [](int32_t hour, int32_t minute) {
        const ClockTime t = PeriodShownTime(hour, minute);
        return t.hour * 100 + t.minute;
    };
    EXPECT_EQ(shown(-1, 0), 2359);
    EXPECT_EQ(shown(0x10005, 0x1001E), 530);
}

}  // namespace
}  // namespace vela::pages::alarm
