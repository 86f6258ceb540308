// Records to controls and back: label placement, a cover between pixels, and record values that
// lie outside what the controls can show (what a load shows, where a store writes, the title
// positions and a save after only looking are followed end to end in
// tests/console/channel_e2e_test.cpp).
#include <gtest/gtest.h>

#include "tests/channel_page/channel_page_fixture.h"

namespace vela::pages::channel {
namespace {

using LoadTest = ChannelPageTest;
using StoreTest = ChannelPageTest;

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

// A cover stored from a drag lies between pixels (4 pixels of 352 are 93.09 units): loaded as
// 3 and scaled back it would become 69, creeping a pixel up and left at every Save.
TEST_F(StoreTest, ACoverBetweenPixelsStaysWhereItIsThroughSaves) {
    for (auto [offset, value] : {std::pair{8, 93}, {12, 1052}, {16, 8191}, {20, 29}})
        WriteI32(Titles(1), offset, value);
    const std::vector<uint8_t> before = AllRecords();
    Open();
    ws().ChooseEntry(Item(id::kChannel), 1);
    ASSERT_EQ(page.UpdateRecords(1, kKeepPreview), 1);
    ASSERT_EQ(page.UpdateRecords(0, kKeepPreview), 1);
    ASSERT_EQ(page.UpdateRecords(1, kKeepPreview), 1);
    EXPECT_EQ(AllRecords(), before);
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
