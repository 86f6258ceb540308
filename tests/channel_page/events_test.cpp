// The page's own behaviour: copies to channels and days, the check boxes that enable fields,
// the preview following channel and stream, and a console without a device connection.
#include <gtest/gtest.h>

#include "tests/channel_page/channel_page_fixture.h"

namespace vela::pages::channel {
namespace {

using EventsTest = ChannelPageTest;

TEST_F(EventsTest, CopyToAllChannelsWritesTheOthersAndLeavesEveryName) {
    Open();
    ws().ChooseEntry(Item(id::kChannel), 2);
    ws().TypeText(Item(id::kName), "Yard");
    ws().ChooseEntry(Item(id::kPreRecord), 9);
    ws().Click(Item(kPeriods[0].motion));
    ws().ChooseEntry(Item(id::kCopyToChannel), kChannels);
    ws().Click(Item(id::kCopyChannelButton));
    for (int ch : {0, 1, 3}) {
        SCOPED_TRACE(ch);
        EXPECT_EQ(ReadI32(Schedule(ch), 0), 9);
        EXPECT_EQ(ReadU32(Schedule(ch), Types(0, 0)), 5u);
        EXPECT_EQ(ReadText(Titles(ch), 280, 64), "CAM " + std::to_string(ch + 1));
    }
    EXPECT_EQ(ReadI32(Schedule(2), 0), 5) << "the shown channel is stored by the next store";
    EXPECT_EQ(page.SelectedChannel(), 2);
    EXPECT_EQ(Text(id::kName), "Yard");

    // One channel, or the shown one itself.
    ws().ChooseEntry(Item(id::kPreRecord), 3);
    ws().ChooseEntry(Item(id::kCopyToChannel), 1);
    ws().Click(Item(id::kCopyChannelButton));
    ws().ChooseEntry(Item(id::kCopyToChannel), 2);
    ws().Click(Item(id::kCopyChannelButton));
    EXPECT_EQ(ReadI32(Schedule(1), 0), 3);
    EXPECT_EQ(ReadI32(Schedule(0), 0), 9);
    EXPECT_EQ(ReadI32(Schedule(2), 0), 5);
}

TEST_F(EventsTest, CopyToDaysWritesTheShownPeriodsAndNothingWithoutATarget) {
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

    ws().ChooseEntry(Item(id::kCopyToDay), 7);  // every day, the shown one too
    ws().Click(Item(id::kCopyDayButton));
    for (int day = 0; day < 7; ++day) {
        EXPECT_EQ(ReadI32(Schedule(0), Period(day, 2) + 8), 15) << day;
        EXPECT_EQ(ReadI32(Schedule(0), Period(day, 0) + 16), 23) << day;
    }
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

TEST_F(EventsTest, TitleCheckBoxesEnableTheirFields) {
    Open();
    ws().Click(Item(id::kTimeTitle));
    for (int field : kTimeTitleFields) EXPECT_FALSE(Enabled(field)) << field;
    EXPECT_TRUE(Enabled(id::kNameX));
    ws().Click(Item(id::kNameTitle));
    for (int field : kNameTitleFields) EXPECT_FALSE(Enabled(field)) << field;
}

TEST_F(EventsTest, ThePreviewFollowsChannelAndStreamAndStopsWithAPageSwitch) {
    Open();
    ws().Click(Item(id::kSubStream));
    ws().ChooseEntry(Item(id::kDay), 2);  // same channel and stream: the preview runs on
    ws().ChooseEntry(Item(id::kChannel), 3);
    std::vector<std::string> plays;
    for (const vela::testing::NetSdkCall& call : sdk.CallsOf(15)) plays.push_back(call.trace);
    EXPECT_EQ(plays,
              (std::vector<std::string>{"RealPlay(7,0,0)", "RealPlay(7,0,1)", "RealPlay(7,3,1)"}));
    EXPECT_EQ(page.PreviewChannel(), 3);
    EXPECT_EQ(page.PreviewStream(), 1);

    const size_t stops = sdk.CallsOf(16).size();
    page.UpdateRecords(1, kStopPreview);
    EXPECT_EQ(sdk.CallsOf(16).size(), stops + 1);
    EXPECT_EQ(page.PreviewHandle(), 0);
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
