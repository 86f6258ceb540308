// Posted messages, closing, subclassing, pre-translation order, destruction order, disabled
// windows, cursors: the events a sink receives and their order.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "resources/dialog_template.h"
#include "tests/window_system/recording_sink.h"

namespace vela::wstest {
namespace {

using platform::EventKind;
using ::testing::ElementsAre;

constexpr int kEditNumber = 9002;
constexpr int kCmbEdit = 9011;

class EventTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dialog = Ws().CreateModeless(*resources::FindDialogTemplate(resources::kTestDialogId),
                                     nullptr, &sink);
        ASSERT_NE(dialog, nullptr);
        sink.log.clear();
    }
    void TearDown() override {
        if (Ws().IsWindow(dialog)) Ws().DestroyWindow(dialog);
        Ws().PumpMessages();
    }
    RecordingSink sink;
    // Sinks of controls and children: they outlive the dialog, destroyed in TearDown.
    RecordingSink editSink, childSink;
    platform::WindowHandle dialog = nullptr;
};

TEST_F(EventTest, PostedMessagesWaitForThePumpAndCloseBecomesCancel) {
    Ws().Post(dialog, platform::kWmUser + 5, 7, -9);
    Ws().Post(dialog, platform::kWmClose, 0, 0);
    EXPECT_TRUE(sink.log.empty());
    Ws().PumpMessages();
    EXPECT_THAT(sink.log, ElementsAre("user 1029 7 -9", "close", "cmd 2 0"));
    // A handled Close is the end of it.
    sink.log.clear();
    sink.handler = [](platform::Event& e) { return e.kind == EventKind::Close; };
    Ws().Post(dialog, platform::kWmClose, 0, 0);
    Ws().PumpMessages();
    EXPECT_THAT(sink.log, ElementsAre("close"));
}

TEST_F(EventTest, PreTranslationWalksFromTheControlToTheDialogAndMaySwallow) {
    platform::WindowHandle edit = Ws().GetDlgItem(dialog, kEditNumber);
    Ws().Subclass(edit, &editSink);
    Ws().SendKey(edit, EventKind::KeyDown, platform::kVkF4);
    EXPECT_THAT(editSink.preTranslated, ElementsAre("key 115"));
    EXPECT_THAT(sink.preTranslated, ElementsAre("key 115"));
    EXPECT_THAT(editSink.log, ElementsAre("key 115"));
    // Swallowed by the control's sink: the dialog's sink never sees it.
    editSink.swallowInput = true;
    Ws().SendMouse(edit, EventKind::MouseDown, {2, 3});
    EXPECT_THAT(editSink.preTranslated, ElementsAre("key 115", "down 2,3"));
    EXPECT_THAT(sink.preTranslated, ElementsAre("key 115"));
    EXPECT_THAT(editSink.log, ElementsAre("key 115"));
    // Detached, the sink hears nothing more.
    Ws().Subclass(edit, nullptr);
    Ws().SendKey(edit, EventKind::KeyDown, platform::kVkF4);
    EXPECT_EQ(editSink.log.size(), 1u);
    EXPECT_EQ(sink.preTranslated.size(), 2u);
}

TEST_F(EventTest, ChildrenAreDestroyedBeforeTheirDialogAndHearNothingAfter) {
    std::vector<std::string> order;
    editSink.handler = [&](platform::Event& e) {
        if (e.kind == EventKind::Destroyed) order.push_back("edit");
        return false;
    };
    childSink.handler = [&](platform::Event& e) {
        if (e.kind == EventKind::Destroyed) order.push_back("child");
        return false;
    };
    sink.handler = [&](platform::Event& e) {
        if (e.kind == EventKind::Destroyed) order.push_back("dialog");
        return false;
    };
    platform::WindowHandle edit = Ws().GetDlgItem(dialog, kEditNumber);
    Ws().Subclass(edit, &editSink);
    platform::WindowHandle child = Ws().CreateChild(dialog, 77, {1, 2, 30, 40}, &childSink);
    ASSERT_NE(child, nullptr);
    Ws().DestroyWindow(dialog);
    EXPECT_THAT(order, ElementsAre("edit", "child", "dialog"));
    EXPECT_FALSE(Ws().IsWindow(edit));
    EXPECT_FALSE(Ws().IsWindow(child));
    EXPECT_EQ(editSink.log.back(), "destroyed");
}

TEST_F(EventTest, DisabledWindowsGetNoInputFromAPerson) {
    platform::WindowHandle edit = Ws().GetDlgItem(dialog, kEditNumber);
    Ws().Subclass(edit, &editSink);
    Ws().EnableWindow(edit, false);
    EXPECT_FALSE(Ws().IsEnabled(edit));
    Ws().SendMouse(edit, EventKind::MouseDown, {1, 1});
    Ws().TypeText(edit, "12");
    EXPECT_TRUE(editSink.log.empty());
    EXPECT_EQ(Ws().GetText(edit), "");
    Ws().EnableWindow(edit, true);
    Ws().TypeText(Ws().GetDlgItem(dialog, kCmbEdit), "abc");
    EXPECT_THAT(sink.log, ElementsAre("cmd 9011 5"));
}

TEST_F(EventTest, EnterAndEscapeGoToTheDialogManagerNotToTheControl) {
    platform::WindowHandle edit = Ws().GetDlgItem(dialog, kEditNumber);
    Ws().Subclass(edit, &editSink);
    Ws().SendKey(edit, EventKind::KeyDown, platform::kVkReturn);
    Ws().SendKey(edit, EventKind::KeyDown, platform::kVkEscape);
    // Pre-translation sees the keys; the control never gets them as key-downs.
    EXPECT_THAT(editSink.preTranslated, ElementsAre("key 13", "key 27"));
    EXPECT_TRUE(editSink.log.empty());
    // Enter first asks the dialog for its default button (DM_GETDEFID): unanswered, it is OK.
    std::vector<std::string> commands;
    for (const std::string& line : sink.log) {
        if (line.rfind("cmd ", 0) == 0 || line.rfind("user ", 0) == 0) commands.push_back(line);
    }
    EXPECT_THAT(commands, ElementsAre("user 1024 0 0", "cmd 1 0", "cmd 2 0"));
}

TEST_F(EventTest, UnhandledCloseDestroysAPlainWindow) {
    platform::WindowHandle child = Ws().CreateChild(dialog, 77, {1, 2, 30, 40}, &childSink);
    ASSERT_NE(child, nullptr);
    Ws().Post(child, platform::kWmClose, 0, 0);
    Ws().PumpMessages();
    EXPECT_THAT(childSink.log, ElementsAre("close", "destroyed"));
    EXPECT_FALSE(Ws().IsWindow(child));
}

TEST(CursorTest, FilesThatAreNoCursorsGiveNone) {
    EXPECT_EQ(Ws().LoadAnimatedCursor(TempFile("missing.ani")), nullptr);
    const std::string text = TempFile("not-a-cursor.ani");
    std::FILE* file = std::fopen(text.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fputs("RIFF0000JUNKnot a cursor at all", file);
    std::fclose(file);
    EXPECT_EQ(Ws().LoadAnimatedCursor(text), nullptr);
    std::remove(text.c_str());
    platform::CursorHandle arrow = Ws().GetStandardCursor(platform::StandardCursor::Arrow);
    platform::CursorHandle wait = Ws().GetStandardCursor(platform::StandardCursor::Wait);
    EXPECT_NE(arrow, nullptr);
    EXPECT_NE(wait, nullptr);
    EXPECT_NE(arrow, wait);
}

}  // namespace
}  // namespace vela::wstest
