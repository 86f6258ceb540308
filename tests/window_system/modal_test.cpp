// The modal loop: the parent's top-level window is disabled while it runs, the hook runs once
// from inside the loop, and EndDialog's code comes back. The hook inside a nested loop is the
// console script's (tests/ui/script_test.cpp).
#include <gtest/gtest.h>

#include "resources/dialog_template.h"
#include "tests/window_system/recording_sink.h"

namespace vela::wstest {
namespace {

using platform::EventKind;

const resources::DialogTemplate& TestTemplate() {
    return *resources::FindDialogTemplate(resources::kTestDialogId);
}

class ModalLoopTest : public ::testing::Test {
  protected:
    void TearDown() override {
        Ws().SetModalHook(nullptr);
        if (Ws().IsWindow(owner)) Ws().DestroyWindow(owner);
        Ws().PumpMessages();
    }
    RecordingSink ownerSink;
    platform::WindowHandle owner = nullptr;
};

TEST_F(ModalLoopTest, HookRunsOnceInsideTheLoopAndEndDialogCodeReturns) {
    owner = Ws().CreateModeless(TestTemplate(), nullptr, &ownerSink);
    ASSERT_NE(owner, nullptr);
    RecordingSink outer, inner;
    int hookCalls = 0;
    int innerResult = 0;
    platform::WindowHandle seen = nullptr;
    // The inner dialog ends itself while initialising: no loop, no hook.
    inner.handler = [&](platform::Event& e) {
        if (e.kind == EventKind::InitDialog) Ws().EndDialog(e.window, 77);
        return false;
    };
    Ws().SetModalHook([&](platform::WindowHandle dialog) {
        ++hookCalls;
        seen = dialog;
        EXPECT_TRUE(Ws().IsVisible(dialog));
        EXPECT_FALSE(Ws().IsEnabled(owner));
        innerResult = Ws().RunModal(TestTemplate(), dialog, &inner);
        Ws().EndDialog(dialog, 5);
    });
    const int result = Ws().RunModal(TestTemplate(), owner, &outer);
    EXPECT_EQ(result, 5);
    EXPECT_EQ(innerResult, 77);
    EXPECT_EQ(hookCalls, 1);
    EXPECT_FALSE(Ws().IsWindow(seen));
    EXPECT_TRUE(Ws().IsEnabled(owner));
    EXPECT_EQ(outer.log.front(), "init");
    EXPECT_EQ(outer.log.back(), "destroyed");
}

// Given a control as its parent, the loop disables the control's top-level window (the
// dialog's owner), not the control, and enables it again afterwards.
TEST_F(ModalLoopTest, TheParentsTopLevelWindowIsDisabled) {
    owner = Ws().CreateModeless(TestTemplate(), nullptr, &ownerSink);
    ASSERT_NE(owner, nullptr);
    platform::WindowHandle control = Ws().GetDlgItem(owner, 9002);
    ASSERT_NE(control, nullptr);
    bool ownerEnabled = true;
    bool controlEnabled = false;
    Ws().SetModalHook([&](platform::WindowHandle dialog) {
        ownerEnabled = Ws().IsEnabled(owner);
        controlEnabled = Ws().IsEnabled(control);
        Ws().EndDialog(dialog, 3);
    });
    RecordingSink sink;
    EXPECT_EQ(Ws().RunModal(TestTemplate(), control, &sink), 3);
    EXPECT_FALSE(ownerEnabled);
    EXPECT_TRUE(controlEnabled);
    EXPECT_TRUE(Ws().IsEnabled(owner));
}

TEST_F(ModalLoopTest, EnterAndEscapeInsideTheLoopGiveOkAndCancel) {
    RecordingSink sink;
    std::vector<int> ids;
    std::vector<platform::WindowHandle> controls;
    sink.handler = [&](platform::Event& e) {
        if (e.kind == EventKind::Command && e.controlId <= platform::kIdCancel) {
            ids.push_back(e.controlId);
            controls.push_back(e.control);
        }
        return false;
    };
    Ws().SetModalHook([&](platform::WindowHandle dialog) {
        Ws().SendKey(Ws().GetDlgItem(dialog, 9002), EventKind::KeyDown, platform::kVkReturn);
        Ws().SendKey(Ws().GetDlgItem(dialog, 9002), EventKind::KeyDown, platform::kVkEscape);
        Ws().EndDialog(dialog, 9);
    });
    EXPECT_EQ(Ws().RunModal(TestTemplate(), nullptr, &sink), 9);
    EXPECT_EQ(ids, (std::vector<int>{platform::kIdOk, platform::kIdCancel}));
    // The dialog has no OK or Cancel button: the commands come without a control.
    EXPECT_EQ(controls, (std::vector<platform::WindowHandle>{nullptr, nullptr}));
}

}  // namespace
}  // namespace vela::wstest
