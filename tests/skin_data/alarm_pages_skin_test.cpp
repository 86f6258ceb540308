// The Alarm and Sensor pages in the shipped skin: every control, label and group box has a
// place inside the page, nothing but a group box's contents overlaps, and every caption and
// list entry fits where it is shown (measured in the headless window system's 6-pixel font
// cell).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/alarm/alarm_templates.h"
#include "tests/skin_data/shipped_skin.h"

namespace vela::test {
namespace {

struct List {
    const char* key;
    const char* section;  // of the TextRes file
    std::vector<std::string> entries;
};

std::vector<std::string> Keys(const char* format, int count) {
    std::vector<std::string> keys;
    keys.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) keys.push_back(format + std::to_string(i));
    return keys;
}

struct PageSkin {
    const resources::DialogTemplate* dialog;
    const char* background;
    std::vector<List> lists;
};

class AlarmPagesSkinTest : public ::testing::TestWithParam<PageSkin> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(LoadPicture(background, GetParam().background));
        ASSERT_TRUE(LoadPicture(button, "NormalBtnUP.bmp"));
        page = {0, 0, background.Width(), background.Height()};
    }
    const char* Section() const { return GetParam().dialog->section; }

    ui::CDibImage background, button;
    ui::Rect page;
};

TEST_P(AlarmPagesSkinTest, EveryControlHasItsOwnPlaceInsideThePage) {
    const resources::DialogTemplate& dialog = *GetParam().dialog;
    std::vector<Placed> controls, groups;
    for (size_t i = 0; i < dialog.controlCount; ++i) {
        const resources::ControlTemplate& control = dialog.controls[i];
        SCOPED_TRACE(control.key);
        const ui::Rect rect = Shown(Section(), control, &button);
        ExpectPlacedInside(Section(), control, rect, page);
        (control.kind == resources::ControlKind::GroupBox ? groups : controls)
            .push_back({control.key, rect});
    }
    if (std::string(Section()) == "DvsCfgAlarm") {
        const ui::Rect play = ui::ReadIniRect(Section(), "PlayWnd", ControlPosFile());
        EXPECT_EQ(play.Width(), 352) << "the grid's whole span";
        EXPECT_EQ(play.Height(), 288);
        controls.push_back({"PlayWnd", play});
    }
    EXPECT_TRUE(NoOverlaps(controls));
    EXPECT_TRUE(NoOverlaps(groups));
}

TEST_P(AlarmPagesSkinTest, EveryCaptionFitsItsLabelOrButton) {
    const resources::DialogTemplate& dialog = *GetParam().dialog;
    for (size_t i = 0; i < dialog.controlCount; ++i) {
        const resources::ControlTemplate& control = dialog.controls[i];
        if (*control.caption)
            ExpectCaptionFits(Section(), control.caption, Shown(Section(), control, &button));
    }
}

TEST_P(AlarmPagesSkinTest, ListEntriesHaveTextsThatFitTheirLists) {
    for (const List& list : GetParam().lists) {
        const ui::Rect rect = ui::ReadIniRect(Section(), list.key, ControlPosFile());
        EXPECT_GE(rect.Height(), 120) << list.key << ": the dropped list shows its entries";
        for (const std::string& entry : list.entries)
            ExpectEntryFits(Lookup(TextResFile(), list.section, entry), rect);
    }
}

const List kWeekLists[] = {{"CmbWeek", "DVSInfo", Keys("week", 7)},
                           {"CmbCopyToWeek", "DVSInfo", Keys("week", 8)}};

INSTANTIATE_TEST_SUITE_P(
    Pages, AlarmPagesSkinTest,
    ::testing::Values(PageSkin{&pages::alarm::kAlarmTemplate,
                               "setAlarmbkg.bmp",
                               {kWeekLists[0],
                                kWeekLists[1],
                                {"CmbAlarmType", "DVSInfo", Keys("AlarmType", 3)},
                                {"CmbSensitivity", "DVSInfo", Keys("AlarmSensitive", 6)},
                                {"CmbCopyToCh", "DVSInfo", {"AlarmDlgCmbCopyOtherAll"}}}},
                      PageSkin{&pages::alarm::kSensorTemplate,
                               "setSensorbkg.bmp",
                               {kWeekLists[0],
                                kWeekLists[1],
                                {"CmbDevType", "SensorInfo", Keys("Type", 2)},
                                {"CmbPtzLinkType", "SensorInfo", Keys("ptzlink", 3)},
                                {"CmbCopyToAlarmInNO", "DVSInfo", {"SensorDlgCmbCopyOtherAll"}}}}),
    [](const ::testing::TestParamInfo<PageSkin>& info) {
        return std::string(info.param.dialog->section);
    });

}  // namespace
}  // namespace vela::test
