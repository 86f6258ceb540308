// The dialog framework on the window system of this build: notifications and their order,
// data exchange, pre-translation, modal loops, painting requests, mouse capture, lifetime.
#include <gtest/gtest.h>

#include "tests/ui/fixture.h"

namespace vela::uitest {
namespace {

using platform::EventKind;
using ::testing::ElementsAre;

using NotificationTest = UiTest;

TEST_F(NotificationTest, EditTextChangesNotifyUpdateThenChange) {
    ws().TypeText(Item(id::kEditNumber), "42");
    EXPECT_THAT(dialog->EventsOf(id::kEditNumber), ElementsAre("cmd 9002 1024", "cmd 9002 768"));
    // Setting the text (as data exchange does) notifies the same way, even when unchanged.
    dialog->events.clear();
    ws().SetText(Item(id::kEditNumber), "42");
    EXPECT_THAT(dialog->EventsOf(id::kEditNumber), ElementsAre("cmd 9002 1024", "cmd 9002 768"));
}

TEST_F(NotificationTest, ComboNotifiesOnlyWhenThePersonChooses) {
    dialog->cmbList.SetCurSel(1);
    dialog->cmbList.SelectString(-1, "Th");
    EXPECT_TRUE(dialog->EventsOf(id::kCmbList).empty());
    ws().ChooseEntry(Item(id::kCmbList), 0);
    EXPECT_EQ(dialog->cmbList.GetCurSel(), 0);
    EXPECT_THAT(dialog->EventsOf(id::kCmbList), ElementsAre("cmd 9010 1"));
}

TEST_F(NotificationTest, RowClickNotifiesChangesBeforeTheClick) {
    ws().ClickRow(Item(id::kListItems), 0);
    dialog->events.clear();
    ws().ClickRow(Item(id::kListItems), 1);
    const auto events = dialog->EventsOf(id::kListItems);
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back(), "notify 9014 -2 1");
    const auto deselect = std::find(events.begin(), events.end(), "notify 9014 -101 0");
    const auto select = std::find(events.begin(), events.end(), "notify 9014 -101 1");
    ASSERT_NE(deselect, events.end());
    ASSERT_NE(select, events.end());
    EXPECT_LT(deselect, select);
}

using DataExchangeTest = UiTest;

TEST_F(DataExchangeTest, LoadsAndSavesEachBinding) {
    dialog->number = 554;
    dialog->upper = "dvs";
    dialog->checked = 1;
    dialog->listIndex = 2;
    ASSERT_TRUE(dialog->UpdateData(false));
    EXPECT_EQ(ws().GetText(Item(id::kEditNumber)), "554");
    EXPECT_EQ(ws().GetText(Item(id::kEditUpper)), "DVS");
    EXPECT_EQ(ws().GetCheck(Item(id::kCheckEnable)), 1);
    EXPECT_EQ(dialog->cmbList.GetCurSel(), 2);
    ws().TypeText(Item(id::kEditNumber), "8080");
    ws().ChooseEntry(Item(id::kCmbList), 0);
    ASSERT_TRUE(dialog->UpdateData(true));
    EXPECT_EQ(dialog->number, 8080);
    EXPECT_EQ(dialog->upper, "DVS");
    EXPECT_EQ(dialog->listIndex, 0);
}

TEST_F(DataExchangeTest, BadNumberIsReportedAndKeepsTheOldValue) {
    dialog->number = 37;
    dialog->upper = "before";
    ws().SetText(Item(id::kEditNumber), "12x");
    ws().SetText(Item(id::kEditUpper), "after");
    EXPECT_FALSE(dialog->UpdateData(true));
    EXPECT_EQ(dialog->number, 37);
    // The exchange stops at the refused field: later bindings keep their values too.
    EXPECT_EQ(dialog->upper, "before");
    EXPECT_THAT(answers.messages, ElementsAre("VelaSetupDll|Please enter an integer."));
}

TEST(ParseDialogIntegerTest, AcceptsWhatMfcAcceptsAndRefusesOverflow) {
    int v = 0;
    EXPECT_TRUE(ui::ParseDialogInteger(" 42 ", v));
    EXPECT_EQ(v, 42);
    EXPECT_TRUE(ui::ParseDialogInteger("-7", v));
    EXPECT_EQ(v, -7);
    EXPECT_TRUE(ui::ParseDialogInteger("+2147483647", v));
    EXPECT_EQ(v, 2147483647);
    EXPECT_TRUE(ui::ParseDialogInteger("-2147483648", v));
    EXPECT_EQ(v, -2147483647 - 1);
    for (const char* bad :
         {"", " ", "12x", "x12", "1 2", "2147483648", "99999999999999999999", "-"}) {
        v = 5;
        EXPECT_FALSE(ui::ParseDialogInteger(bad, v)) << bad;
        EXPECT_EQ(v, 5) << bad;
    }
}

using PreTranslateTest = UiTest;

TEST_F(PreTranslateTest, SwallowedEscapeKeepsTheDialogEscapeOtherwiseCancels) {
    ws().ShowWindow(dialog->GetSafeHwnd(), true);
    dialog->swallowKeys = true;
    ws().SendKey(Item(id::kEditUpper), EventKind::KeyDown, platform::kVkEscape);
    EXPECT_THAT(dialog->preTranslated, ElementsAre("9003 key 27"));
    EXPECT_TRUE(dialog->IsWindowVisible());
    dialog->swallowKeys = false;
    ws().SendKey(Item(id::kEditUpper), EventKind::KeyDown, platform::kVkEscape);
    ws().PumpMessages();
    EXPECT_FALSE(dialog->IsWindowVisible());
}

TEST_F(PreTranslateTest, PressAndReleaseOutsideTheButtonDoesNotClick) {
    platform::WindowHandle push = Item(id::kBtnPush);
    ws().SendMouse(push, EventKind::MouseDown, {3, 3});
    const platform::Rect r = ws().GetClientRect(push);
    ws().SendMouse(push, EventKind::MouseUp, {r.right + 20, r.bottom + 20});
    EXPECT_EQ(dialog->pushCount, 0);
}

using CustomWindowTest = UiTest;

TEST_F(CustomWindowTest, CaptureSendsTheDragToTheWindowThatStartedIt) {
    platform::WindowHandle surface = Item(id::kPlayWnd);
    ws().SendMouse(surface, EventKind::MouseDown, {5, 6});
    EXPECT_EQ(ws().GetCapture(), surface);
    // The pointer is over the list now, but the surface holds the capture.
    platform::WindowHandle list = Item(id::kListItems);
    const platform::Point overList = ws().ClientToScreen(list, {4, 4});
    const platform::Point inSurface = ws().ScreenToClient(surface, overList);
    ws().SendMouse(list, EventKind::MouseMove, {4, 4});
    ws().SendMouse(list, EventKind::MouseUp, {4, 4});
    const std::string at = std::to_string(inSurface.x) + "," + std::to_string(inSurface.y);
    std::vector<std::string> mouse;
    for (const std::string& entry : dialog->surface.log) {
        if (entry != "erase" && entry != "paint") mouse.push_back(entry);
    }
    EXPECT_THAT(mouse, ElementsAre("down 5,6", "move " + at, "up " + at));
    EXPECT_EQ(ws().GetCapture(), nullptr);
}

TEST_F(CustomWindowTest, InvalidateWithAndWithoutErase) {
    ws().ShowWindow(dialog->GetSafeHwnd(), true);
    ws().PumpMessages();
    TestSurface& surface = dialog->surface;
    surface.log.clear();
    surface.Invalidate(false);
    surface.UpdateWindow();
    EXPECT_THAT(surface.log, ElementsAre("paint"));
    surface.log.clear();
    surface.Invalidate(true);
    surface.UpdateWindow();
    EXPECT_THAT(surface.log, ElementsAre("erase", "paint"));
}

using PaintRequestTest = UiTest;

TEST_F(PaintRequestTest, OwnerDrawAndLabelColoursGoThroughTheDialog) {
    ws().ShowWindow(dialog->GetSafeHwnd(), true);
    ws().PumpMessages();
    TestSkinButton& skin = dialog->skin;
    ASSERT_FALSE(skin.states.empty());
    EXPECT_EQ(skin.states.back() & platform::kOdsDisabled, 0u);
    EXPECT_EQ(skin.rects.back(), ws().GetClientRect(Item(id::kBtnSkin)));
    EXPECT_NE(
        std::find(dialog->colourRequests.begin(), dialog->colourRequests.end(), id::kStaticName),
        dialog->colourRequests.end());
    ws().EnableWindow(Item(id::kBtnSkin), false);
    ws().PumpMessages();
    EXPECT_NE(skin.states.back() & platform::kOdsDisabled, 0u);
}

TEST(DialogLifetimeTest, AHandlerMayDestroyItsOwnDialog) {
    RecordingAnswers answers;
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create());
    platform::WindowHandle handle = dialog.GetSafeHwnd();
    dialog.destroyOnPush = true;
    platform::TheWindowSystem().Click(dialog.GetDlgItem(id::kBtnPush));
    platform::TheWindowSystem().PumpMessages();
    EXPECT_FALSE(platform::TheWindowSystem().IsWindow(handle));
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
    EXPECT_EQ(dialog.pushCount, 1);
}

TEST(ModalTest, HookRunsInsideTheLoopAndEnterGivesOk) {
    platform::WindowSystem& ws = platform::TheWindowSystem();
    TestDialog dialog;
    dialog.number = 5;
    int hookCalls = 0;
    ws.SetModalHook([&](platform::WindowHandle modal) {
        ++hookCalls;
        EXPECT_TRUE(ws.IsVisible(modal));
        ws.TypeText(ws.GetDlgItem(modal, id::kEditNumber), "77");
        ws.SendKey(ws.GetDlgItem(modal, id::kEditNumber), EventKind::KeyDown, platform::kVkReturn);
    });
    EXPECT_EQ(dialog.DoModal(), platform::kIdOk);
    ws.SetModalHook(nullptr);
    EXPECT_EQ(hookCalls, 1);
    EXPECT_EQ(dialog.number, 77);
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
}

}  // namespace
}  // namespace vela::uitest
