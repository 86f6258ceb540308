// Each template holds exactly the controls its window works with: counts per kind, the ids
// that key lookups and message handlers use, and the style each control needs.
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "resources/control_styles.h"
#include "resources/dialog_template.h"
#include "tests/resources/template_test_util.h"

namespace vela::resources {
namespace {

using testing::CountIf;
using testing::CountKind;
using testing::FindByKey;
using testing::IsDropDownList;
using testing::IsDropDownWithEdit;
using testing::IsSkinButton;
using testing::kAlarmPageId;
using testing::kChannelPageId;
using testing::kPresetDialogId;
using testing::kPtzPageId;
using testing::kSensorPageId;
using testing::kServerPageId;
using testing::kTourDialogId;
using testing::Template;

struct KindCounts {
    size_t labels, edits, dropLists, dropDowns, checks, radios, skinButtons, groups, ipAddresses,
        timePickers, lists, total;
};

void ExpectCounts(int id, const KindCounts& want) {
    const DialogTemplate& d = Template(id);
    SCOPED_TRACE("template " + std::to_string(id));
    EXPECT_EQ(CountKind(d, ControlKind::Static), want.labels);
    EXPECT_EQ(CountKind(d, ControlKind::Edit), want.edits);
    EXPECT_EQ(CountIf(d, IsDropDownList), want.dropLists);
    EXPECT_EQ(CountIf(d, IsDropDownWithEdit), want.dropDowns);
    EXPECT_EQ(CountKind(d, ControlKind::CheckBox), want.checks);
    EXPECT_EQ(CountKind(d, ControlKind::RadioButton), want.radios);
    EXPECT_EQ(CountIf(d, IsSkinButton), want.skinButtons);
    EXPECT_EQ(CountKind(d, ControlKind::GroupBox), want.groups);
    EXPECT_EQ(CountKind(d, ControlKind::IpAddress), want.ipAddresses);
    EXPECT_EQ(CountKind(d, ControlKind::TimePicker), want.timePickers);
    EXPECT_EQ(CountKind(d, ControlKind::ListView), want.lists);
    EXPECT_EQ(CountKind(d, ControlKind::Custom), 0u);
    EXPECT_EQ(d.controlCount, want.total);
}

std::set<int> Ids(const DialogTemplate& dialog) {
    std::set<int> ids;
    for (size_t i = 0; i < dialog.controlCount; ++i) ids.insert(dialog.controls[i].id);
    return ids;
}

TEST(ConsoleTemplate, IsACaptionlessPopupOfElevenSkinButtons) {
    const DialogTemplate& console = Template(kConsoleDialogId);
    EXPECT_TRUE(console.style & kWsPopup);
    EXPECT_EQ(console.style & (kWsChild | kWsCaption), 0u);
    const std::set<int> want = {4004, 6001, 6002, 6003, 6005, 6006, 6007, 6008, 6009, 6010, 6011};
    EXPECT_EQ(Ids(console), want);
    EXPECT_EQ(CountIf(console, IsSkinButton), 11u);
}

TEST(WindowStyles, PagesAndPanelsAreHiddenChildrenAndThePlayWindowIsEmpty) {
    for (int id : {kChannelPageId, kServerPageId, kPtzPageId, kSensorPageId, kAlarmPageId,
                   kPresetDialogId, kTourDialogId, kPlayWindowDialogId}) {
        const DialogTemplate& d = Template(id);
        EXPECT_TRUE(d.style & kWsChild) << id;
        EXPECT_EQ(d.style & (kWsPopup | kWsVisible | kWsCaption), 0u) << id;
    }
    EXPECT_EQ(Template(kPlayWindowDialogId).controlCount, 0u);
    // The panels sit inside the PTZ page's panel frame.
    const ControlTemplate* frame = FindByKey(Template(kPtzPageId), "GroupAutoPresetPlan");
    ASSERT_NE(frame, nullptr);
    for (int id : {kPresetDialogId, kTourDialogId}) {
        const DialogTemplate& panel = Template(id);
        EXPECT_GE(panel.x, frame->x);
        EXPECT_GE(panel.y, frame->y);
        EXPECT_LE(panel.x + panel.cx, frame->x + frame->cx);
        EXPECT_LE(panel.y + panel.cy, frame->y + frame->cy);
    }
}

TEST(PageInventories, KindCountsMatchEachWindow) {
    //            lbl ed  lst dd chk rad btn grp ip tp lv total
    ExpectCounts(kServerPageId, {28, 16, 4, 0, 3, 0, 0, 0, 5, 0, 0, 56});
    ExpectCounts(kChannelPageId, {44, 5, 12, 0, 27, 2, 3, 1, 0, 12, 0, 106});
    ExpectCounts(kPtzPageId, {12, 1, 3, 7, 0, 0, 17, 1, 0, 0, 1, 42});
    ExpectCounts(kSensorPageId, {47, 1, 7, 0, 33, 0, 2, 4, 0, 12, 0, 106});
    ExpectCounts(kAlarmPageId, {44, 0, 6, 0, 32, 0, 4, 3, 0, 12, 0, 101});
    ExpectCounts(kPresetDialogId, {6, 1, 0, 4, 0, 0, 3, 0, 0, 0, 1, 15});
    ExpectCounts(kTourDialogId, {3, 0, 0, 3, 0, 0, 2, 0, 0, 0, 1, 9});
}

TEST(ServerPage, EditStylesFollowWhatEachFieldAccepts) {
    const DialogTemplate& page = Template(kServerPageId);
    const auto styleOf = [&page](const char* key) {
        const ControlTemplate* c = FindByKey(page, key);
        return c != nullptr ? c->style : 0u;
    };
    for (const char* key : {"TcpPort", "HttpPort", "PPPOEPort", "DDNSPort"}) {
        EXPECT_TRUE(styleOf(key) & kEsNumber) << key;
    }
    for (const char* key : {"PPPOEUserPwd", "DDNSUserPwd", "UserPwd"}) {
        EXPECT_TRUE(styleOf(key) & kEsPassword) << key;
    }
    for (const char* key : {"SoftwareVer", "BuildDate", "UserName", "UserPwd", "Mac"}) {
        EXPECT_TRUE(styleOf(key) & kWsDisabled) << key;
    }
    EXPECT_TRUE(styleOf("Serial") & kEsUpperCase);
    // Placement keys without a control on this page must not get one.
    for (int id : {4067, 1017, 4025}) EXPECT_EQ(FindControl(page, id), nullptr) << id;
    // The address label's caption key is spelt differently from the control's position key.
    const ControlTemplate* label = FindControl(page, 6017);
    ASSERT_NE(label, nullptr);
    EXPECT_STREQ(label->key, "StaticTipServerIP");
    EXPECT_STREQ(label->caption, "SvrIP");
}

TEST(PtzPage, PanelButtonsTakeCaptionAndPositionFromDifferentKeys) {
    const DialogTemplate& page = Template(kPtzPageId);
    const ControlTemplate* plan = FindControl(page, 8093);
    const ControlTemplate* tour = FindControl(page, 8094);
    ASSERT_NE(plan, nullptr);
    ASSERT_NE(tour, nullptr);
    EXPECT_STREQ(plan->key, "BtnScheme");
    EXPECT_STREQ(plan->caption, "BtnSchedule");
    EXPECT_STREQ(tour->key, "BtnTour");
    EXPECT_STREQ(tour->caption, "BtnCurise");
    // Combos whose typed text counts have an edit field; the plan's choosers are lists.
    for (const char* key : {"CmbCHNO", "CmbPtzSpeed", "CmbMinute"}) {
        const ControlTemplate* c = FindByKey(page, key);
        ASSERT_NE(c, nullptr) << key;
        EXPECT_TRUE(IsDropDownWithEdit(*c)) << key;
    }
    for (const char* key : {"CmbPresets", "CmbCopyToWeek"}) {
        const ControlTemplate* c = FindByKey(page, key);
        ASSERT_NE(c, nullptr) << key;
        EXPECT_TRUE(IsDropDownList(*c)) << key;
    }
}

TEST(PageInventories, ColourListIdsThatExistAreLabels) {
    // The pages paint these ids as labels; each one present in a template must be a static.
    const std::pair<int, std::set<int>> lists[] = {
        {kPtzPageId, {4121, 4173, 4175, 4176, 4180, 4181, 6079, 6080, 6081, 6082, 6083}},
        {kPresetDialogId, {6084, 6085, 4275, 6086, 6087, 6088}},
        {kTourDialogId, {6090, 6091, 6092}},
        {kChannelPageId, {4121, 4130, 4132, 4134, 6046, 8006}},
    };
    for (const auto& [id, labels] : lists) {
        for (int labelId : labels) {
            const ControlTemplate* c = FindControl(Template(id), labelId);
            ASSERT_NE(c, nullptr) << id << "/" << labelId;
            EXPECT_EQ(c->kind, ControlKind::Static) << id << "/" << labelId;
        }
    }
}

// Linkage and schedule controls: the same keys on both alarm pages, with per-page ids.
struct LinkageIds {
    int page;
    int firstRecCh;
    int firstSensorTime;
    const char* weekCopyKey;
    int weekCopyId;
};

TEST(AlarmPages, LinkageControlsHaveTheirKeysAndIds) {
    for (const LinkageIds& page : {LinkageIds{kAlarmPageId, 8024, 6143, "BtnCopyWeek", 8069},
                                   LinkageIds{kSensorPageId, 4081, 6142, "BtnWeekCopy", 8076}}) {
        const DialogTemplate& d = Template(page.page);
        SCOPED_TRACE("template " + std::to_string(page.page));
        const auto expectKey = [&d](int id, const std::string& key, ControlKind kind) {
            const ControlTemplate* c = FindControl(d, id);
            ASSERT_NE(c, nullptr) << key;
            EXPECT_EQ(c->key, key);
            EXPECT_EQ(c->kind, kind) << key;
        };
        expectKey(4122, "CheckTriggerAlarmOut", ControlKind::CheckBox);
        expectKey(page.weekCopyId, page.weekCopyKey, ControlKind::PushButton);
        for (int n = 1; n <= 6; ++n) {
            const std::string suffix = std::to_string(n);
            expectKey(page.firstSensorTime + n - 1, "CheckSensorTime" + suffix,
                      ControlKind::CheckBox);
            expectKey(8051 + 2 * n, "DateTimePickerStart" + suffix, ControlKind::TimePicker);
            expectKey(8052 + 2 * n, "DateTimePickerStop" + suffix, ControlKind::TimePicker);
        }
        for (int n = 1; n <= 16; ++n) {
            expectKey(page.firstRecCh + n - 1, "CheckRecCh" + std::to_string(n),
                      ControlKind::CheckBox);
        }
    }
}

TEST(TestDialog, HasOneControlOfEachKind) {
    const DialogTemplate& d = Template(kTestDialogId);
    for (ControlKind kind :
         {ControlKind::Static, ControlKind::Edit, ControlKind::PushButton, ControlKind::CheckBox,
          ControlKind::GroupBox, ControlKind::ComboBox, ControlKind::IpAddress,
          ControlKind::TimePicker, ControlKind::ListView, ControlKind::Custom}) {
        EXPECT_GE(CountKind(d, kind), 1u) << static_cast<int>(kind);
    }
    EXPECT_EQ(CountKind(d, ControlKind::RadioButton), 2u);
    EXPECT_EQ(CountIf(d, IsDropDownList), 1u);
    EXPECT_EQ(CountIf(d, IsDropDownWithEdit), 1u);
    EXPECT_EQ(CountIf(d, IsSkinButton), 1u);
    EXPECT_TRUE(d.style & kWsPopup);
}

}  // namespace
}  // namespace vela::resources
