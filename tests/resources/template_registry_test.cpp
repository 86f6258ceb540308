// The templates of the plug-in as a set: each id names one window, each window its own INI
// section, and the shared look-up knows exactly the shared templates. Control ids within a
// template are template_rules_test's.
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "resources/dialog_template.h"
#include "tests/resources/template_test_util.h"

namespace vela::resources {
namespace {

using testing::AllTemplates;

TEST(TemplateRegistry, IdsAndSectionsAreDistinct) {
    std::set<int> ids;
    std::set<std::string> sections;
    for (const DialogTemplate* dialog : AllTemplates()) {
        SCOPED_TRACE(dialog->id);
        EXPECT_TRUE(ids.insert(dialog->id).second);
        // Only the play window, which the skin never places, goes without a section.
        if (dialog->id != kPlayWindowDialogId) {
            EXPECT_NE(dialog->section[0], '\0');
            EXPECT_TRUE(sections.insert(dialog->section).second) << dialog->section;
        }
    }
    EXPECT_EQ(ids.size(), 10u) << "the console, the play window, five pages, two panels, test";
}

TEST(TemplateRegistry, TheSharedLookUpFindsOnlyTheSharedTemplates) {
    for (const DialogTemplate* dialog : AllTemplates()) {
        const bool shared = dialog->id == kConsoleDialogId || dialog->id == kPlayWindowDialogId ||
                            dialog->id == kTestDialogId;
        EXPECT_EQ(FindDialogTemplate(dialog->id), shared ? dialog : nullptr) << dialog->id;
    }
    for (int id : {0, -1, 6001, 6018, 4004, 9001}) EXPECT_EQ(FindDialogTemplate(id), nullptr);
    EXPECT_THROW(DialogTemplateAt(DialogTemplateCount()), std::out_of_range);
}

}  // namespace
}  // namespace vela::resources
