// The Sensor page: the alarm-input record with the PTZ link of the chosen camera, the copy to
// other inputs, and devices without cameras or alarm inputs (its lists and enabling rules are
// followed end to end in tests/alarm_e2e, the boxes it shares with the Alarm page there).
#include <gtest/gtest.h>

#include "pages/alarm/dvs_cfg_sensor.h"
#include "tests/alarm_pages/alarm_pages_fixture.h"
#include "ui/message_box.h"

namespace vela::pages {
namespace {

class SensorPage : public AlarmPageTest<CDvsCfgSensor> {
  protected:
    void SetUp() override { Open(4, 4, 1); }
    uint8_t* Link(int input) { return Input(input) + 8; }
};

TEST_F(SensorPage, ACameraSwitchStoresThePreviousCamerasLinkFirst) {
    page.UpdateRecords(0, kKeepPreview);
    EXPECT_EQ(Selected("CmbPtzLinkType"), 1);
    EXPECT_EQ(ws().GetText(Item("EditPtzLinkNO")), "10");
    Choose("CmbPtzLinkType", 2);
    ws().TypeText(Item("EditPtzLinkNO"), "5");
    Choose("CmbCHNO", 2);
    EXPECT_EQ(ReadI32(Link(0), PtzLink(0)), 2);
    EXPECT_EQ(ReadI32(Link(0), PtzLink(0) + 4), 5);
    EXPECT_EQ(ws().GetText(Item("EditPtzLinkNO")), "12");
    EXPECT_EQ(page.CurrentCamera(), 2);
}

TEST_F(SensorPage, AStoreWritesTheInputAndKeepsTypesTheListsLack) {
    WriteI32(Link(0), PtzLink(0), 7);
    page.UpdateRecords(0, kKeepPreview);
    EXPECT_EQ(Selected("CmbDevType"), -1) << "type 3 is not in the list";
    EXPECT_EQ(Selected("CmbPtzLinkType"), -1);
    Click("CheckPtzLinkEnable");
    Click("CheckSinging");
    ASSERT_EQ(page.UpdateRecords(1, kKeepPreview), 1);
    EXPECT_EQ(ReadI32(Input(0), 4), 3);
    EXPECT_EQ(ReadI32(Link(0), PtzLink(0)), 7);
    EXPECT_EQ(ReadU8(Link(0), kPtzEnable), 0);
    EXPECT_EQ(ReadU8(Link(0), kBuzzer), 0);
    EXPECT_EQ(ReadU32(Link(0), kRecordMask), 0xFFFF0001u);

    // A link number that is no number is reported; the last one is stored.
    std::vector<std::string> reported;
    struct Answers : ui::DialogAnswers {
        std::vector<std::string>* out;
        platform::MessageAnswer AnswerMessage(const std::string& text, const std::string&,
                                              platform::MessageButtons) override {
            out->push_back(text);
            return platform::MessageAnswer::Ok;
        }
        std::optional<std::string> AnswerOpenFile(const std::string&) override { return {}; }
    } answers;
    answers.out = &reported;
    ui::SetDialogAnswers(&answers);
    page.UpdateRecords(0, kKeepPreview);
    Click("CheckPtzLinkEnable");
    ws().TypeText(Item("EditPtzLinkNO"), "");
    Click("CheckEnable");
    page.UpdateRecords(1, kKeepPreview);
    ui::SetDialogAnswers(nullptr);
    EXPECT_EQ(reported.size(), 1u);
    EXPECT_EQ(ReadI32(Link(0), PtzLink(0) + 4), 10);
    EXPECT_EQ(ReadU8(Input(0), 0), 0) << "the store went on";
}

TEST_F(SensorPage, CopyToAllInputsChangesOnlyTheShownCamerasLinkAndDay) {
    page.UpdateRecords(0, kKeepPreview);
    Choose("CmbCHNO", 1);
    Choose("CmbPtzLinkType", 0);
    ws().EnterTime(Item("DateTimePickerStart1"), 7, 0);
    Choose("CmbCopyToAlarmInNO", 4);
    Click("BtnAlarmInCopy");
    for (int input = 1; input < 4; ++input) {
        EXPECT_EQ(ReadI32(Link(input), PtzLink(1)), 0) << input;
        EXPECT_EQ(ReadI32(Link(input), PtzLink(0)), 1) << input;
        EXPECT_EQ(ReadI32(Link(input) + Period(0, 0), 4), 7) << input;
        EXPECT_EQ(ReadI32(Link(input) + Period(1, 0), 4), 1) << input;
        EXPECT_EQ(ReadU32(Link(input), kRecordMask), 0xFFFF0001u) << input;
    }
    EXPECT_EQ(ReadI32(Link(0), PtzLink(1)), 1) << "the shown input is not stored";
}

// The week copy is the Alarm page's (one linkage piece); here only that the button is the
// Sensor page's own.
TEST_F(SensorPage, TheWeekCopyButtonCopiesTheShownPeriods) {
    page.UpdateRecords(0, kKeepPreview);
    ws().EnterTime(Item("DateTimePickerStart1"), 6, 15);
    Choose("CmbCopyToWeek", 3);
    Click("BtnWeekCopy");
    EXPECT_EQ(ReadI32(Link(0) + Period(3, 0), 4), 6);
}

class SensorPageWithoutCameras : public SensorPage {
  protected:
    void SetUp() override { Open(0, 2, 1); }
};

// Camera -1 would address bytes before the links: nothing is shown or stored for the link.
TEST_F(SensorPageWithoutCameras, HasNoLinkToShowOrStore) {
    ASSERT_EQ(page.UpdateRecords(0, kKeepPreview), 1);
    EXPECT_EQ(ws().GetText(Item("EditPtzLinkNO")), "");
    for (const char* key : {"CmbCHNO", "CmbPtzLinkType", "EditPtzLinkNO"})
        EXPECT_FALSE(Enabled(key)) << key;
    // From the unedited bytes before the links to the schedule.
    const std::vector<uint8_t> before(Link(0) + 20, Link(0) + 288);
    ASSERT_EQ(page.UpdateRecords(1, kKeepPreview), 1);
    EXPECT_EQ(std::vector<uint8_t>(Link(0) + 20, Link(0) + 288), before);
}

class SensorPageWithoutInputs : public SensorPage {
  protected:
    void SetUp() override { Open(4, 0, 1); }
};

TEST_F(SensorPageWithoutInputs, ClearsTheScheduleAndDisablesEverything) {
    EXPECT_EQ(page.UpdateRecords(0, kKeepPreview), 0);
    EXPECT_EQ(page.UpdateRecords(1, kKeepPreview), 0);
    EXPECT_EQ(Selected("CmbWeek"), -1);
    EXPECT_EQ(Time("DateTimePickerStop1"), "00:00");
    for (const char* key : {"CheckEnable", "CmbDevType", "CheckSinging", "BtnWeekCopy"})
        EXPECT_FALSE(Enabled(key)) << key;
    EXPECT_EQ(ReadU8(Input(0), 0), 1);
}

}  // namespace
}  // namespace vela::pages
