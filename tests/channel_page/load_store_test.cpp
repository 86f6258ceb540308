// Records to controls and back: what a load shows, where a store writes, a save after only
// looking, and record values that lie outside what the controls can show.
#include <gtest/gtest.h>

#include "tests/channel_page/channel_page_fixture.h"

namespace vela::pages::channel {
namespace {

using LoadTest = ChannelPageTest;
using StoreTest = ChannelPageTest;

TEST_F(LoadTest, ShowsTheSelectedChannelWithTheListsItsCapacityLeaves) {
    Open();
    EXPECT_EQ(Text(id::kName), "CAM 1");
    EXPECT_EQ(ws().GetCheck(Item(id::kMainStream)), 1);
    EXPECT_EQ(ws().GetCount(Item(id::kFrameRate)), 25);
    EXPECT_EQ(Text(id::kFrameRate), "25");
    EXPECT_EQ(Text(id::kQuality), "Good");
    EXPECT_EQ(Text(id::kInterval), "4");
    EXPECT_EQ(ws().GetCount(Item(id::kResolution)), 5);  // the mask's five, all within D1
    EXPECT_EQ(Text(id::kResolution), "D1");
    EXPECT_EQ(ws().GetLBText(Item(id::kBitRate), 5), "3072");
    EXPECT_EQ(Text(id::kBitRate), "1536");
    EXPECT_TRUE(Enabled(id::kBitRate));
    EXPECT_FALSE(Enabled(id::kVideo)) << "the main stream's video is always on";
    EXPECT_EQ(ws().GetCheck(Item(id::kAudio)), 1);
    EXPECT_EQ(Text(id::kTimeX), "18");
    EXPECT_EQ(Text(id::kTimeY), "12");
    EXPECT_EQ(Text(id::kNameY), "260");
    EXPECT_EQ(Selection(id::kDateFormat), 1);
    EXPECT_EQ(Text(id::kPreRecord), "5");
    EXPECT_EQ(Text(kPeriods[0].stop), "23:59");
    EXPECT_EQ(Text(kPeriods[1].stop), "00:00");
    EXPECT_EQ(ws().GetCheck(Item(kPeriods[0].normal)), 1);
    EXPECT_EQ(ws().GetCount(Item(id::kCopyToChannel)), kChannels + 1);
    EXPECT_EQ(ws().GetLBText(Item(id::kCopyToChannel), kChannels), "All");
    EXPECT_EQ(ws().GetCount(Item(id::kCopyToDay)), 8);
    EXPECT_EQ(ws().GetCount(Item(id::kPreRecord)), 256);
    EXPECT_EQ(ws().GetLBText(Item(id::kPreRecord), 0), "No preRec");
    EXPECT_EQ(page.PictureWidth(), 352);
    EXPECT_EQ(page.PictureHeight(), 288);
    EXPECT_FALSE(ws().IsVisible(Item(id::kCoverSetButton)));
}

// The labels go beside (or above) their controls' keys when the skin does not place them.
TEST_F(LoadTest, LabelsAreAlignedToTheirControlsAndCaptioned) {
    Open();
    auto topLeft = [&](int id) {
        const platform::Rect screen = ws().GetWindowRect(Item(id));
        return ws().ScreenToClient(page.GetSafeHwnd(), {screen.left, screen.top});
    };
    EXPECT_EQ(topLeft(4121).x, 500 - 40 - 5);
    EXPECT_EQ(topLeft(4121).y, 12);
    EXPECT_EQ(ws().GetText(Item(4121)), "Channel");
    EXPECT_EQ(topLeft(kNormalLabel).x, 800);
    EXPECT_EQ(topLeft(kNormalLabel).y, 120 - 16 - 5);
}

TEST_F(StoreTest, SaveAfterOnlyLookingChangesNoByte) {
    const std::vector<uint8_t> before = AllRecords();
    Open();
    ws().Click(Item(id::kSubStream));
    ws().ChooseEntry(Item(id::kDay), 3);
    ws().ChooseEntry(Item(id::kChannel), 2);
    ws().Click(Item(id::kMainStream));
    ASSERT_EQ(page.UpdateRecords(1, kKeepPreview), 1);
    EXPECT_EQ(AllRecords(), before);
}

TEST_F(StoreTest, WritesEachEditedFieldAtItsOffset) {
    Open();
    ws().TypeText(Item(id::kName), "Gate");
    ws().ChooseEntry(Item(id::kFrameRate), 9);
    ws().ChooseEntry(Item(id::kResolution), 3);
    ws().Click(Item(id::kAudio));
    ws().TypeText(Item(id::kTimeX), "177");
    ws().TypeText(Item(id::kNameY), "100");
    ws().Click(Item(id::kNameTitle));
    ws().ChooseEntry(Item(id::kDateFormat), 2);
    ws().ChooseEntry(Item(id::kPreRecord), 30);
    ws().EnterTime(Item(kPeriods[1].start), 8, 30);
    ws().EnterTime(Item(kPeriods[1].stop), 17, 45);
    ws().Click(Item(kPeriods[1].alarm));
    ws().Click(Item(kPeriods[1].motion));
    ASSERT_EQ(page.UpdateRecords(1, kKeepPreview), 1);

    EXPECT_EQ(ReadText(Titles(0), 280, 64), "Gate");
    EXPECT_EQ(Titles(0)[284], 0);
    EXPECT_EQ(ReadI32(Block(0, 0), 16), 10);
    EXPECT_EQ(ReadI32(Block(0, 0), 4), 3);
    EXPECT_EQ(ReadU8(Block(0, 0), 41), 0);
    EXPECT_EQ(ReadU8(Block(0, 0), 40), 1);
    EXPECT_EQ(ReadI32(Titles(0), 260), 4119);  // 177 × 8192 ÷ 352, multiplied first
    EXPECT_EQ(ReadI32(Titles(0), 264), 341);
    EXPECT_EQ(ReadU8(Titles(0), 249), 0);
    EXPECT_EQ(ReadI32(Titles(0), 236), 7395) << "a title that is off keeps its position";
    EXPECT_EQ(ReadI32(general(), 124), 2);
    EXPECT_EQ(ReadI32(Schedule(0), 0), 30);
    const size_t period = Period(0, 1);
    EXPECT_EQ(ReadI32(Schedule(0), period + 4), 8);
    EXPECT_EQ(ReadI32(Schedule(0), period + 8), 30);
    EXPECT_EQ(ReadI32(Schedule(0), period + 16), 17);
    EXPECT_EQ(ReadI32(Schedule(0), period + 20), 45);
    EXPECT_EQ(ReadU32(Schedule(0), Types(0, 1)), 6u);
    EXPECT_EQ(ReadI32(Schedule(1), period + 4), 0) << "other channels untouched";
}

TEST_F(StoreTest, TheCoverDraggedOnThePictureIsStoredInItsScale) {
    Open();
    Drag({44, 36}, {264, 216});
    EXPECT_EQ(page.PlayWindow().State().shownRect.Width(), 0) << "a drag while the cover is off";
    ws().Click(Item(id::kCover));
    Drag({264, 216}, {44, 36});  // upwards: the rectangle is normalised
    ASSERT_EQ(page.UpdateRecords(1, kKeepPreview), 1);
    EXPECT_EQ(ReadU8(Titles(0), 24), 1);
    EXPECT_EQ(ReadU8(Titles(0), 25), 1);
    EXPECT_EQ(ReadI32(Titles(0), 8), 1024);
    EXPECT_EQ(ReadI32(Titles(0), 12), 1024);
    EXPECT_EQ(ReadI32(Titles(0), 16), 6144);
    EXPECT_EQ(ReadI32(Titles(0), 20), 6144);

    // Loaded again, the cover is the stored rectangle with editing on.
    page.UpdateRecords(0, kKeepPreview);
    const ui::OverlayState state = page.PlayWindow().State();
    EXPECT_TRUE(state.rectEditing);
    EXPECT_EQ(state.currentRect.left, 44);
    EXPECT_EQ(state.currentRect.bottom, 216);
}

TEST_F(LoadTest, TitlesGainOneAtLoadAndScaleBackMultipliedFirst) {
    WriteI32(Titles(0), 260, 4096);
    WriteI32(Titles(0), 264, 4096);
    Open();
    EXPECT_EQ(Text(id::kTimeX), "177");
    EXPECT_EQ(Text(id::kTimeY), "145");
    page.UpdateRecords(1, kKeepPreview);
    EXPECT_EQ(ReadI32(Titles(0), 260), 4119);
    EXPECT_EQ(ReadI32(Titles(0), 264), 4124);
}

// A stored value no entry shows leaves its list without selection, and the store leaves the
// field as the device sent it.
TEST_F(StoreTest, ValuesOutsideTheirListsAreKept) {
    WriteI32(general(), 124, 7);
    WriteI32(Schedule(0), 0, 300);
    WriteI32(Block(0, 0), 12, 9);    // quality
    WriteI32(Block(0, 0), 24, 1);    // interval
    WriteI32(Block(0, 0), 8, 5);     // bit-rate control
    WriteI32(Block(0, 0), 16, -5);   // frame rate, with no budget left: an empty list
    WriteI32(Block(0, 0), 20, 406);  // an entry of the bit rates at that rate and interval
    WriteI32(Block(0, 1), 4, 25);    // the sub stream's resolution, outside the table
    WriteI32(capability(), 0, 0);
    WriteI32(capability(), 8, 0);
    const std::vector<uint8_t> before = AllRecords();
    Open();
    for (int list : {id::kDateFormat, id::kPreRecord, id::kQuality, id::kInterval,
                     id::kBitRateControl, id::kFrameRate})
        EXPECT_EQ(Selection(list), -1) << list;
    EXPECT_EQ(ws().GetCount(Item(id::kFrameRate)), 0);
    ws().Click(Item(id::kSubStream));
    EXPECT_EQ(Selection(id::kResolution), -1);
    EXPECT_EQ(ws().GetCount(Item(id::kBitRate)), 0);
    page.UpdateRecords(1, kKeepPreview);
    EXPECT_EQ(AllRecords(), before);
}

TEST_F(StoreTest, AnUnterminatedNameIsReadWithinItsFieldAndStoredWithAZero) {
    std::memset(Titles(0) + 280, 'A', 64);
    Open();
    EXPECT_EQ(Text(id::kName), std::string(64, 'A'));
    ws().SetText(Item(id::kName), std::string(70, 'B'));
    page.UpdateRecords(1, kKeepPreview);
    EXPECT_EQ(ReadText(Titles(0), 280, 64), std::string(63, 'B'));
    EXPECT_EQ(Titles(0)[343], 0);
    EXPECT_EQ(Titles(0)[344], 30) << "the next field keeps its byte";
}

// A picker refuses a time it cannot show and would keep the previous channel's.
TEST_F(LoadTest, ScheduleTimesShowWithinTheDayWhateverTheRecordHolds) {
    WriteI32(Schedule(0), Period(0, 1) + 4, 10);
    WriteI32(Schedule(0), Period(0, 1) + 8, 20);
    WriteI32(Schedule(1), Period(0, 0) + 16, 24);  // 24:00, the end of the day
    WriteI32(Schedule(1), Period(0, 0) + 20, 0);
    WriteI32(Schedule(1), Period(0, 1) + 4, 10);
    WriteI32(Schedule(1), Period(0, 1) + 8, 75);
    WriteI32(Schedule(1), Period(0, 2) + 4, -3);
    WriteI32(Schedule(1), Period(0, 2) + 8, -1);
    Open();
    EXPECT_EQ(Text(kPeriods[1].start), "10:20");
    ws().ChooseEntry(Item(id::kChannel), 1);
    EXPECT_EQ(Text(kPeriods[0].stop), "23:59");
    EXPECT_EQ(Text(kPeriods[1].start), "10:59");
    EXPECT_EQ(Text(kPeriods[2].start), "00:00");
    page.UpdateRecords(1, kKeepPreview);
    EXPECT_EQ(ReadI32(Schedule(1), Period(0, 0) + 16), 23);
    EXPECT_EQ(ReadI32(Schedule(1), Period(0, 0) + 20), 59);
    EXPECT_EQ(ReadI32(Schedule(1), Period(0, 1) + 8), 59);
}

TEST_F(LoadTest, TheRaiseToTheChannelsLowestResolutionIsWrittenAtLoad) {
    WriteU32(capability(), 136, 0x18);  // channel 0: CIF and QCIF only
    Open();
    EXPECT_EQ(ReadI32(Block(0, 0), 4), 3);
    EXPECT_EQ(Text(id::kResolution), "CIF");
}

TEST_F(LoadTest, MoreChannelsThanRecordSlotsAreBoundedToThem) {
    Open(40);
    EXPECT_EQ(page.ChannelCount(), device::kSlotCount);
    EXPECT_EQ(ws().GetCount(Item(id::kChannel)), device::kSlotCount);
    const std::vector<uint8_t> after(device.GetRecordGroup(7), device.GetRecordGroup(7) + 1688);
    ws().ChooseEntry(Item(id::kCopyToChannel), device::kSlotCount);  // every other channel
    ws().Click(Item(id::kCopyChannelButton));
    EXPECT_EQ(ReadI32(Schedule(31), 0), 5) << "the last slot takes the copy";
    EXPECT_EQ(std::vector<uint8_t>(device.GetRecordGroup(7), device.GetRecordGroup(7) + 1688),
              after);
}

}  // namespace
}  // namespace vela::pages::channel
