// The page's own behaviour: a copy to a day without a target, video off on the sub stream, and
// a console without a device connection (copies to channels and days and the
// preview are followed end to end in tests/console/channel_e2e_test.cpp).
#include <gtest/gtest.h>

#include "tests/channel_page/channel_page_fixture.h"

namespace vela::pages::channel {
namespace {

using EventsTest = ChannelPageTest;

TEST_F(EventsTest, CopyToADayWritesTheShownPeriodsAndNothingWithoutATarget) {
    Open();
    ws().EnterTime(Item(kPeriods[2].start), 6, 15);
    ws().Click(Item(kPeriods[2].alarm));
    ws().Click(Item(id::kCopyDayButton));  // no day chosen
    EXPECT_EQ(ReadI32(Schedule(0), Period(6, 2) + 4), 0);
    EXPECT_EQ(ReadI32(Schedule(0), Period(0, 2) + 4), 0) << "not even the shown day";

    ws().ChooseEntry(Item(id::kCopyToDay), 4);
    ws().Click(Item(id::kCopyDayButton));
    EXPECT_EQ(ReadI32(Schedule(0), Period(4, 2) + 4), 6);
    EXPECT_EQ(ReadU32(Schedule(0), Types(4, 2)), 2u);
    EXPECT_EQ(ReadI32(Schedule(0), Period(3, 2) + 4), 0);
    EXPECT_EQ(ReadI32(Schedule(1), Period(4, 2) + 4), 0);
}

TEST_F(EventsTest, VideoOffOnTheSubStreamClearsAudioAndDisablesTheEncoding) {
    WriteU8(Block(0, 1), 41, 1);
    Open();
    ws().Click(Item(id::kSubStream));
    EXPECT_TRUE(Enabled(id::kVideo));
    EXPECT_EQ(Text(id::kResolution), "CIF");
    EXPECT_EQ(Text(id::kBitRate), "200");
    ws().Click(Item(id::kVideo));
    EXPECT_EQ(ws().GetCheck(Item(id::kAudio)), 0);
    for (int field : kVideoFields) EXPECT_FALSE(Enabled(field)) << field;
    page.UpdateRecords(1, kKeepPreview);
    EXPECT_EQ(ReadU8(Block(0, 1), 40), 0);
    EXPECT_EQ(ReadU8(Block(0, 1), 41), 0);
    EXPECT_EQ(ReadU8(Block(0, 0), 40), 1);
}

TEST_F(EventsTest, WithoutDeviceConnectionThePageIsBlankAndStoresNothing) {
    Open();
    page.SetContext({});
    EXPECT_EQ(page.UpdateRecords(0, kKeepPreview), 0);
    EXPECT_EQ(Text(id::kName), "");
    EXPECT_EQ(Text(id::kTimeX), "-1");
    EXPECT_EQ(Selection(id::kChannel), -1);
    EXPECT_EQ(Text(kPeriods[0].stop), "00:00");
    EXPECT_EQ(page.SelectedChannel(), -1);

    page.SetContext({&device, device.LoginHandle(), kChannels, 2});
    const std::vector<uint8_t> before = AllRecords();
    EXPECT_EQ(page.UpdateRecords(1, kKeepPreview), 0);
    ws().ChooseEntry(Item(id::kCopyToDay), 7);
    ws().Click(Item(id::kCopyDayButton));
    EXPECT_EQ(AllRecords(), before);
    ws().ChooseEntry(Item(id::kChannel), 1);
    EXPECT_EQ(Text(id::kName), "CAM 2");
}

}  // namespace
}  // namespace vela::pages::channel
