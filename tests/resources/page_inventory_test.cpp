// The window styles and edit styles the pages depend on.
#include <string>

#include <gtest/gtest.h>

#include "resources/control_styles.h"
#include "resources/dialog_template.h"
#include "tests/resources/template_test_util.h"

namespace vela::resources {
namespace {

using testing::FindByKey;
using testing::kAlarmPageId;
using testing::kChannelPageId;
using testing::kPresetDialogId;
using testing::kPtzPageId;
using testing::kSensorPageId;
using testing::kServerPageId;
using testing::kTourDialogId;
using testing::Template;

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
    EXPECT_TRUE(styleOf("Serial") & kEsUpperCase);
}

}  // namespace
}  // namespace vela::resources
