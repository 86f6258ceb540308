// The Channel alarm page: its lists and boxes on a device's counts, the motion record with its
// grid, what a store writes and keeps, the types, the copies to channels and days, and the
// host's motion alarm drawn onto a recording canvas.
#include <gtest/gtest.h>

#include "pages/alarm/dvs_cfg_alarm.h"
#include "tests/alarm_pages/alarm_pages_fixture.h"
#include "ui/recording_canvas.h"

namespace vela::pages {
namespace {

class AlarmPage : public AlarmPageTest<CDvsCfgAlarm> {
  protected:
    void SetUp() override { Open(4, 4, 1); }
    ui::OverlayState Overlay() { return page.PlayWindow().State(); }
    // The outline colour of one drawn frame; 0 when nothing was drawn.
    platform::Color DrawFrame() {
        ui::RecordingCanvas canvas;
        page.PlayWindow().DrawOverlay(canvas, ui::kDrawGrid);
        return canvas.Calls().empty() ? 0 : canvas.Calls().front().pen.color;
    }
};

// The enabling rules and the copy lists are followed end to end in tests/alarm_e2e; here the
// boxes beyond the device's channels and outputs.
TEST_F(AlarmPage, BoxesFollowTheDevicesCounts) {
    ASSERT_EQ(page.UpdateRecords(0, kKeepPreview), 1);
    for (int n = 1; n <= 16; ++n) EXPECT_EQ(Enabled("CheckRecCh" + std::to_string(n)), n <= 4) << n;
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(Enabled("CheckAlarmOutCh" + std::to_string(n)), n == 1) << n;
}

TEST_F(AlarmPage, ShowsTheMotionRecordWithItsGridAndSchedule) {
    page.UpdateRecords(0, kKeepPreview);
    EXPECT_EQ(Checked("CheckEnable"), 1);
    EXPECT_EQ(Selected("CmbSensitivity"), 2);
    const ui::OverlayState grid = Overlay();
    EXPECT_EQ(grid.areaMode, ui::kAreaModeGrid);
    EXPECT_EQ(grid.rows, 10);
    EXPECT_EQ(grid.columns, 12);
    EXPECT_EQ(grid.grid[9], 9u);
    EXPECT_EQ(grid.grid[10], 0u) << "only the grid's rows are loaded";
    EXPECT_EQ(Checked("CheckSinging"), 1);
    EXPECT_EQ(Checked("CheckUploadCenter"), 0);
    EXPECT_EQ(Checked("CheckRecCh1"), 1);
    EXPECT_EQ(Checked("CheckRecCh2"), 0);
    EXPECT_EQ(Selected("CmbWeek"), 0);
    EXPECT_EQ(Time("DateTimePickerStop1"), "23:59");
    EXPECT_EQ(Checked("CheckSensorTime2"), 0);
}

// The sensitivity, the upload, the record channels beyond the boxes, a period's enable and hour
// and the device's seconds are followed end to end in tests/alarm_e2e.
TEST_F(AlarmPage, AStoreWritesTheControlsAndKeepsWhatNoControlShows) {
    page.UpdateRecords(0, kKeepPreview);
    Click("CheckSinging");
    ws().EnterTime(Item("DateTimePickerStart2"), 8, 30);
    ASSERT_EQ(page.UpdateRecords(1, kStopPreview), 1);

    const uint8_t* link = Motion(0) + 136;
    EXPECT_EQ(ReadU8(link, kBuzzer), 0);
    EXPECT_EQ(ReadU32(link, kOutputMask), 0x1u) << "outputs the device lacks are cleared";
    EXPECT_EQ(ReadI32(link + Period(0, 1), 8), 30);
    EXPECT_EQ(ReadI32(link + Period(1, 1), 4), 1) << "other days stay";

    // Unticking every channel leaves recording switched on.
    page.UpdateRecords(0, kKeepPreview);
    Click("CheckRecCh1");
    page.UpdateRecords(1, kKeepPreview);
    EXPECT_EQ(ReadU32(link, kRecordMask), 0xFFFF0000u);
    EXPECT_EQ(ReadU8(link, kRecordEnable), 1);
}

TEST_F(AlarmPage, ValuesTheControlsCannotShowAreBoundedAndKept) {
    WriteI32(Motion(0), 4, 9);
    uint8_t* period = Motion(0) + 136 + Period(0, 0);
    WriteI32(period, 4, 0x10005);  // only the low 16 bits count
    WriteI32(period, 8, 75);
    WriteI32(period, 16, 24);
    WriteI32(group, kGridSizeAt, 0);
    page.UpdateRecords(0, kKeepPreview);
    EXPECT_EQ(Selected("CmbSensitivity"), -1);
    EXPECT_EQ(Time("DateTimePickerStart1"), "05:59");
    EXPECT_EQ(Time("DateTimePickerStop1"), "23:59");
    EXPECT_NE(Overlay().areaMode, ui::kAreaModeGrid) << "no grid of 0 rows";
    Click("BtnAll");
    page.UpdateRecords(1, kKeepPreview);
    EXPECT_EQ(ReadI32(Motion(0), 4), 9);
    EXPECT_EQ(ReadU32(Motion(0), 8), 0u) << "the area stays";
    EXPECT_EQ(ReadI32(period, 16), 23);

    WriteI32(group, kGridSizeAt, 40);
    WriteI32(group, kGridSizeAt + 4, 40);
    page.UpdateRecords(0, kKeepPreview);
    EXPECT_EQ(Overlay().rows, 32);
    EXPECT_EQ(Overlay().columns, 32);
}

TEST_F(AlarmPage, OtherTypesHideTheGridAndKeepTheArea) {
    page.UpdateRecords(0, kKeepPreview);
    Click("BtnAll");
    Choose("CmbAlarmType", 2);
    EXPECT_EQ(ReadU32(Motion(0), 8), 0xFFFu) << "stored under the old type";
    EXPECT_NE(Overlay().areaMode, ui::kAreaModeGrid);
    EXPECT_FALSE(Enabled("CmbSensitivity"));
    EXPECT_FALSE(ws().IsVisible(Item("BtnAll")));
    EXPECT_FALSE(ws().IsVisible(Item("BtnClear")));
    Choose("CmbAlarmType", 1);
    EXPECT_TRUE(ws().IsVisible(Item("CmbSensitivity")));
    EXPECT_FALSE(ws().IsVisible(Item("BtnAll")));
    WriteU32(Motion(0), 8, 5);
    Choose("CmbAlarmType", 0);
    EXPECT_EQ(Overlay().grid[0], 5u) << "reloaded from the record";
    EXPECT_TRUE(ws().IsVisible(Item("BtnClear")));
}

TEST_F(AlarmPage, AChannelSwitchStoresTheGridRowsAndStopsTheLiveView) {
    page.UpdateRecords(0, kKeepPreview);
    Click("BtnAll");
    Choose("CmbChNO", 1);
    EXPECT_EQ(ReadU32(Motion(0), 8 + 4 * 9), 0xFFFu);
    EXPECT_EQ(ReadU32(Motion(0), 8 + 4 * 10), 10u) << "rows beyond the grid stay";
    EXPECT_EQ(page.CurrentChannel(), 1);
    EXPECT_EQ(Overlay().grid[0], 100u);
    EXPECT_EQ(sdk.CallsOf(15).size(), 2u) << "one live view per channel shown";
}

TEST_F(AlarmPage, CopyToAllChannelsStoresTheOthersWithTheShownDayOnly) {
    page.UpdateRecords(0, kKeepPreview);
    Choose("CmbSensitivity", 0);
    Click("BtnClear");
    ws().EnterTime(Item("DateTimePickerStop1"), 12, 0);
    Choose("CmbCopyToCh", 4);
    Click("BtnCopyCh");
    for (int ch = 1; ch < 4; ++ch) {
        EXPECT_EQ(ReadI32(Motion(ch), 4), 1) << ch;
        EXPECT_EQ(ReadU32(Motion(ch), 8), 0u) << ch;
        EXPECT_EQ(ReadU32(Motion(ch) + 136, kRecordMask), 0xFFFF0001u) << ch;
        EXPECT_EQ(ReadI32(Motion(ch) + 136 + Period(0, 0), 16), 12) << ch;
        EXPECT_EQ(ReadI32(Motion(ch) + 136 + Period(1, 0), 16), 23) << ch;
    }
    EXPECT_EQ(ReadI32(Motion(0), 4), 3) << "the shown channel is not stored";
    EXPECT_EQ(ReadI32(Motion(4), 4), 3) << "nor channels the device lacks";
}

TEST_F(AlarmPage, TheWeekCopyWritesTheShownPeriodsIntoTheChosenDays) {
    page.UpdateRecords(0, kKeepPreview);
    uint8_t* link = Level(0) + 8;
    Choose("CmbAlarmType", 1);
    ws().EnterTime(Item("DateTimePickerStart1"), 6, 15);
    Click("BtnCopyWeek");  // no day chosen: nothing, and no "day -1" in the PTZ links
    EXPECT_EQ(ReadI32(link, PtzLink(31)), 1);
    Choose("CmbCopyToWeek", 0);
    Click("BtnCopyWeek");
    EXPECT_EQ(ReadI32(link + Period(0, 0), 4), 0) << "the shown day itself: nothing";
    Choose("CmbCopyToWeek", 3);
    Click("BtnCopyWeek");
    EXPECT_EQ(ReadI32(link + Period(3, 0), 4), 6);
    EXPECT_EQ(ReadI32(link + Period(4, 0), 4), 4);
    Choose("CmbCopyToWeek", 7);
    Click("BtnCopyWeek");
    for (int day = 0; day < 7; ++day) EXPECT_EQ(ReadI32(link + Period(day, 0), 8), 15) << day;
    EXPECT_EQ(ReadI32(link + Period(6, 0), 12), 7);
}

TEST_F(AlarmPage, ADaySwitchStoresTheEditsIntoTheOldDayFirst) {
    page.UpdateRecords(0, kKeepPreview);
    ws().EnterTime(Item("DateTimePickerStart1"), 9, 45);
    Choose("CmbWeek", 2);
    EXPECT_EQ(ReadI32(Motion(0) + 136 + Period(0, 0), 8), 45);
    EXPECT_EQ(Time("DateTimePickerStart1"), "02:00");
}

TEST_F(AlarmPage, AMotionAlarmFlashesTheShownChannelsAreaForTwoHundredFrames) {
    page.UpdateRecords(0, kKeepPreview);
    EXPECT_EQ(DrawFrame(), ui::kGridOutline);
    page.ShowMotionAlarm(1, 1);
    EXPECT_FALSE(Overlay().flash) << "another channel";
    page.ShowMotionAlarm(0, 1);
    for (int frame = 1; frame <= 200; ++frame)
        ASSERT_EQ(DrawFrame(), frame % 10 < 6 ? ui::kGridAlarm : ui::kGridOutline) << frame;
    EXPECT_FALSE(Overlay().flash);
    EXPECT_EQ(DrawFrame(), ui::kGridOutline);
    page.ShowMotionAlarm(0, 1);
    page.ShowMotionAlarm(0, 2);
    EXPECT_EQ(DrawFrame(), ui::kGridOutline) << "any state but 1 stops it";
    // A page that has stopped its picture shows no alarm.
    page.UpdateRecords(1, kStopPreview);
    page.ShowMotionAlarm(0, 1);
    EXPECT_FALSE(Overlay().flash);
}

class AlarmPageWithoutChannels : public AlarmPage {
  protected:
    void SetUp() override { Open(0, 4, 1); }
};

TEST_F(AlarmPageWithoutChannels, ShowsAndStoresNothing) {
    EXPECT_EQ(page.UpdateRecords(0, kKeepPreview), 0);
    EXPECT_EQ(page.UpdateRecords(1, kKeepPreview), 0);
    EXPECT_EQ(ws().GetCount(Item("CmbCopyToCh")), 0);
    EXPECT_EQ(Checked("CheckEnable"), 0);
    EXPECT_FALSE(Enabled("CheckSinging"));
    EXPECT_TRUE(sdk.CallsOf(15).empty());
}

}  // namespace
}  // namespace vela::pages
