// The page table's rules: one row per page number in order, each with its own template,
// button and script name.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "console/page_table.h"
#include "resources/dialog_template.h"

namespace vela::console {
namespace {

TEST(PageTable, RowsArePagesOneToFiveEachWithItsOwnTemplateButtonAndName) {
    const resources::DialogTemplate* console =
        resources::FindDialogTemplate(resources::kConsoleDialogId);
    ASSERT_NE(console, nullptr);
    std::set<int> templates, buttonIds, slots;
    std::set<std::string> names;
    for (int number = 1; number <= kPageCount; ++number) {
        const PageRow* row = FindPageRow(number);
        ASSERT_NE(row, nullptr) << number;
        EXPECT_EQ(row->number, number);
        ASSERT_NE(row->dialog, nullptr);
        EXPECT_TRUE(templates.insert(row->dialog->id).second) << row->dialog->id;
        EXPECT_TRUE(buttonIds.insert(row->buttonId).second) << row->buttonId;
        EXPECT_TRUE(slots.insert(row->button).second) << row->button;
        EXPECT_TRUE(names.insert(row->scriptName).second) << row->scriptName;
        // Its button is a skin button of the console's top row, with keys to place and caption it.
        const resources::ControlTemplate* button = resources::FindControl(*console, row->buttonId);
        ASSERT_NE(button, nullptr) << row->buttonId;
        EXPECT_EQ(button->kind, resources::ControlKind::PushButton);
        EXPECT_NE(button->key[0], '\0');
        EXPECT_NE(button->caption[0], '\0');
    }
    for (int outside : {0, -1, 6, 100}) EXPECT_EQ(FindPageRow(outside), nullptr) << outside;
}

}  // namespace
}  // namespace vela::console
