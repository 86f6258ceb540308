// Positions between 1/8192 of the picture and pixels, and stored times as the pickers show
// them: the round trip of the page's example, a picture without size, and device values that
// would overflow 32 bits.
#include <gtest/gtest.h>

#include <climits>

#include "pages/channel/channel_units.h"
#include "pages/common/schedule_time.h"

namespace vela::pages::channel {
namespace {

TEST(ChannelUnits, PositionsScaleBetweenTheDeviceAndThePicture) {
    EXPECT_EQ(TitleToPixels(4096, 352), 177);
    EXPECT_EQ(ToDeviceUnits(177, 352), 4119);
    EXPECT_EQ(TitleToPixels(4119, 352), 177) << "4119 stays 4119";
    EXPECT_EQ(ToPixels(2048, 288), 72);
    EXPECT_EQ(ToDeviceUnits(72, 288), 2048);
    // Products beyond 32 bits: computed whole, saturated where the result would not fit.
    EXPECT_EQ(ToPixels(INT32_MAX, 352), static_cast<int>(int64_t{INT32_MAX} * 352 / 8192));
    EXPECT_EQ(ToDeviceUnits(INT_MAX, 352), INT32_MAX);
    EXPECT_EQ(ToDeviceUnits(INT_MIN, 1), INT32_MIN);
    EXPECT_EQ(TitleToPixels(INT32_MAX, INT_MAX), INT_MAX);
}

TEST(ChannelUnits, APictureWithoutSizeGivesNoDevicePosition) {
    EXPECT_FALSE(ToDeviceUnits(177, 0).has_value());
    EXPECT_FALSE(ToDeviceUnits(177, -4).has_value());
    EXPECT_EQ(ToPixels(4096, 0), 0);
    EXPECT_EQ(TitleToPixels(4096, 0), 1);
}

TEST(ChannelUnits, StoredTimesShowAsAPickerCanShowThem) {
    const struct {
        int32_t hour, minute;
        int shownHour, shownMinute;
    } cases[] = {
        {24, 0, 23, 59}, {99, -7, 23, 59}, {10, 75, 10, 59}, {-3, -1, 0, 0}, {7, 5, 7, 5},
    };
    for (const auto& c : cases) {
        const ClockTime shown = ShownTime(c.hour, c.minute);
        EXPECT_EQ(shown.hour, c.shownHour) << c.hour << ":" << c.minute;
        EXPECT_EQ(shown.minute, c.shownMinute) << c.hour << ":" << c.minute;
    }
}

}  // namespace
}  // namespace vela::pages::channel
