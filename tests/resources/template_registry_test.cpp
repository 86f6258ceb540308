#include <set>
#include <string>

#include <gtest/gtest.h>

#include "resources/dialog_template.h"
#include "tests/resources/template_test_util.h"

namespace vela::resources {
namespace {

using testing::AllTemplates;

struct Expected {
    int id;
    const char* section;
};

// Every window the plug-in creates, with the INI section that places and captions it.
constexpr Expected kExpected[] = {
    {6000, "DvsCfgDlg"},     {6003, ""},
    {6004, "DvsCfgChannel"}, {6012, "DvsCfgServer"},
    {6013, "DvsCfgYt"},      {6014, "DvsCfgSensor"},
    {6015, "DvsCfgAlarm"},   {6016, "PreSetupDlg"},
    {6017, "TourDlg"},       {9000, "TestDlg"},
};

TEST(TemplateRegistry, FindsEveryTemplateWithItsSection) {
    for (const Expected& expected : kExpected) {
        const DialogTemplate* dialog = FindDialogTemplate(expected.id);
        ASSERT_NE(dialog, nullptr) << expected.id;
        EXPECT_EQ(dialog->id, expected.id);
        EXPECT_STREQ(dialog->section, expected.section) << expected.id;
    }
    EXPECT_EQ(DialogTemplateCount(), std::size(kExpected));
}

TEST(TemplateRegistry, UnknownIdsGiveNull) {
    // Control ids of the console and neighbours of template ids are not templates.
    for (int id : {0, -1, 6001, 6018, 4004, 9001}) {
        EXPECT_EQ(FindDialogTemplate(id), nullptr) << id;
    }
}

TEST(TemplateRegistry, ListsTemplatesInIdOrderWithDistinctSections) {
    int previous = 0;
    std::set<std::string> sections;
    for (const DialogTemplate* dialog : AllTemplates()) {
        EXPECT_GT(dialog->id, previous);
        previous = dialog->id;
        if (dialog->section[0] != '\0') {
            EXPECT_TRUE(sections.insert(dialog->section).second) << dialog->section;
        }
    }
    EXPECT_THROW(DialogTemplateAt(DialogTemplateCount()), std::out_of_range);
}

TEST(TemplateRegistry, FindControlByIdWithinOneTemplate) {
    const DialogTemplate& console = *FindDialogTemplate(kConsoleDialogId);
    ASSERT_NE(FindControl(console, 6011), nullptr);
    EXPECT_STREQ(FindControl(console, 6011)->key, "Exit");
    EXPECT_EQ(FindControl(console, 6004), nullptr);  // the Channel page's template, not a button
    EXPECT_EQ(FindControl(*FindDialogTemplate(kPlayWindowDialogId), 0), nullptr);
}

}  // namespace
}  // namespace vela::resources
