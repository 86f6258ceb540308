// What the pages rely on from each control, on the window system of this build.
#include <gtest/gtest.h>

#include "tests/ui/fixture.h"

namespace vela::uitest {
namespace {

using platform::kNoSelection;
using ::testing::ElementsAre;

using ComboBoxTest = UiTest;

TEST_F(ComboBoxTest, NoSelectionAndOutOfRangeAnswerMinusOne) {
    ui::ComboBox& combo = dialog->cmbList;
    EXPECT_EQ(combo.GetCount(), 3);
    EXPECT_EQ(combo.GetCurSel(), kNoSelection);
    EXPECT_EQ(combo.SetCurSel(1), 1);
    EXPECT_EQ(combo.GetWindowText(), "Two");
    // An index past the end, even just past it, clears the selection and answers CB_ERR, as
    // -1 does.
    for (int pastTheEnd : {3, 7}) {
        combo.SetCurSel(1);
        EXPECT_EQ(combo.SetCurSel(pastTheEnd), kNoSelection) << pastTheEnd;
        EXPECT_EQ(combo.GetCurSel(), kNoSelection) << pastTheEnd;
        EXPECT_EQ(combo.GetWindowText(), "") << pastTheEnd;
    }
    combo.SetCurSel(2);
    EXPECT_EQ(combo.SetCurSel(-1), kNoSelection);
    EXPECT_EQ(combo.GetCurSel(), kNoSelection);
    EXPECT_EQ(combo.GetItemData(9), kNoSelection);
    EXPECT_EQ(combo.GetLBText(9), "");
}

TEST_F(ComboBoxTest, SelectsByPrefixAndFindsExactText) {
    ui::ComboBox& combo = dialog->cmbList;
    combo.ResetContent();
    for (const char* rate : {"1200", "2400", "4800", "9600", "19200"}) combo.AddString(rate);
    EXPECT_EQ(combo.SelectString(-1, "96"), 3);
    EXPECT_EQ(combo.GetCurSel(), 3);
    // No entry begins with it: CB_ERR and the selection stays as it was.
    EXPECT_EQ(combo.SelectString(-1, "300"), kNoSelection);
    EXPECT_EQ(combo.GetCurSel(), 3);
    // The search starts after `start` and wraps to the top.
    EXPECT_EQ(combo.FindString(0, "1"), 4);
    EXPECT_EQ(combo.FindString(4, "1"), 0);
    // Exact search: the whole text, letter case ignored.
    EXPECT_EQ(combo.FindStringExact(-1, "120"), kNoSelection);
    EXPECT_EQ(combo.FindStringExact(-1, "19200"), 4);
    combo.AddString("Pelco-D");
    EXPECT_EQ(combo.FindStringExact(-1, "PELCO-d"), 5);
    EXPECT_EQ(combo.SelectString(-1, "pel"), 5);
}

TEST_F(ComboBoxTest, ItemDataFollowsItsEntry) {
    ui::ComboBox& combo = dialog->cmbList;
    for (int i = 0; i < 3; ++i) EXPECT_NE(combo.SetItemData(i, 100 + i), kNoSelection);
    EXPECT_EQ(combo.SetItemData(3, 1), kNoSelection);
    EXPECT_EQ(combo.InsertString(0, "Zero"), 0);
    EXPECT_EQ(combo.GetItemData(0), 0);
    EXPECT_EQ(combo.GetItemData(1), 100);
    EXPECT_EQ(combo.GetItemData(3), 102);
    EXPECT_EQ(combo.DeleteString(1), 3);
    EXPECT_EQ(combo.GetLBText(1), "Two");
    EXPECT_EQ(combo.GetItemData(1), 101);
}

TEST_F(ComboBoxTest, DeletingEntriesMovesOrDropsTheSelection) {
    ui::ComboBox& combo = dialog->cmbList;
    combo.SetCurSel(2);
    combo.DeleteString(0);
    EXPECT_EQ(combo.GetCurSel(), 1);
    EXPECT_EQ(combo.GetWindowText(), "Three");
    combo.ResetContent();
    EXPECT_EQ(combo.GetCount(), 0);
    EXPECT_EQ(combo.GetCurSel(), kNoSelection);
}

TEST_F(ComboBoxTest, DropDownEditFieldShowsTheSelectionAndTypedText) {
    ui::ComboBox& combo = dialog->cmbEdit;
    combo.SetCurSel(1);
    EXPECT_EQ(combo.GetWindowText(), "Beta");
    combo.SetWindowText("free text");
    EXPECT_EQ(combo.GetWindowText(), "free text");
    EXPECT_EQ(combo.GetCurSel(), 1);
    EXPECT_TRUE(dialog->EventsOf(id::kCmbEdit).empty());
    // Typing replaces the text and drops the list selection.
    ws().TypeText(combo.GetSafeHwnd(), "Gamma");
    EXPECT_EQ(combo.GetWindowText(), "Gamma");
    EXPECT_EQ(combo.GetCurSel(), kNoSelection);
    EXPECT_EQ(dialog->EventsOf(id::kCmbEdit).back(), "cmd 9011 5");
}

using EditTest = UiTest;

TEST_F(EditTest, TypingHonoursNumberOnlyUpperCaseAndLimit) {
    ws().TypeText(Item(id::kEditNumber), "12ab34");
    EXPECT_EQ(ws().GetText(Item(id::kEditNumber)), "1234");
    ui::Edit upper;
    upper.Attach(Item(id::kEditUpper));
    upper.LimitText(5);
    EXPECT_EQ(upper.GetLimitText(), 5);
    ws().TypeText(upper.GetSafeHwnd(), "serial-no");
    EXPECT_EQ(upper.GetWindowText(), "SERIA");
}

TEST_F(EditTest, SettingTextBypassesLimitAndNumberStyleButNotUpperCase) {
    ui::Edit upper;
    upper.Attach(Item(id::kEditUpper));
    upper.LimitText(3);
    upper.SetWindowText("abcdef");
    EXPECT_EQ(upper.GetWindowText(), "ABCDEF");
    ws().SetText(Item(id::kEditNumber), "12x");
    EXPECT_EQ(ws().GetText(Item(id::kEditNumber)), "12x");
    ws().SetText(Item(id::kEditPassword), "secret");
    EXPECT_EQ(ws().GetText(Item(id::kEditPassword)), "secret");
}

using ButtonTest = UiTest;

TEST_F(ButtonTest, CheckBoxClickTogglesAndNotifiesSetCheckDoesNot) {
    ui::Button& check = dialog->check;
    check.SetCheck(1);
    EXPECT_EQ(check.GetCheck(), 1);
    EXPECT_TRUE(dialog->EventsOf(id::kCheckEnable).empty());
    ws().Click(check.GetSafeHwnd());
    EXPECT_EQ(check.GetCheck(), 0);
    EXPECT_THAT(dialog->EventsOf(id::kCheckEnable), ElementsAre("cmd 9006 0"));
}

TEST_F(ButtonTest, RadioClickChecksItselfAndClearsItsGroup) {
    ws().SetCheck(Item(id::kRadioFirst), 1);
    // BM_SETCHECK touches only its own button.
    ws().SetCheck(Item(id::kRadioSecond), 1);
    EXPECT_EQ(ws().GetCheck(Item(id::kRadioFirst)), 1);
    ws().SetCheck(Item(id::kRadioSecond), 0);
    ws().Click(Item(id::kRadioSecond));
    EXPECT_EQ(ws().GetCheck(Item(id::kRadioFirst)), 0);
    EXPECT_EQ(ws().GetCheck(Item(id::kRadioSecond)), 1);
    // The check box outside the group keeps its state.
    ws().SetCheck(Item(id::kCheckEnable), 1);
    ws().Click(Item(id::kRadioFirst));
    EXPECT_EQ(ws().GetCheck(Item(id::kRadioSecond)), 0);
    EXPECT_EQ(ws().GetCheck(Item(id::kCheckEnable)), 1);
}

using IpAddressTest = UiTest;

TEST_F(IpAddressTest, BlankSetClear) {
    ui::IpAddress& ip = dialog->address;
    uint32_t value = 1;
    EXPECT_TRUE(ip.IsBlank());
    EXPECT_EQ(ip.GetAddress(value), 0);
    EXPECT_EQ(value, 0u);
    ip.SetAddress(192, 168, 1, 20);
    EXPECT_FALSE(ip.IsBlank());
    EXPECT_EQ(ip.GetAddress(value), 4);
    EXPECT_EQ(value, ui::MakeIpAddress(192, 168, 1, 20));
    EXPECT_EQ(ip.GetWindowText(), "192.168.1.20");
    ip.ClearAddress();
    EXPECT_TRUE(ip.IsBlank());
    ws().EnterAddress(ip.GetSafeHwnd(), ui::MakeIpAddress(10, 0, 0, 7));
    EXPECT_EQ(ip.GetWindowText(), "10.0.0.7");
    EXPECT_EQ(dialog->EventsOf(id::kEditAddress).back(), "cmd 9012 768");
}

using TimePickerTest = UiTest;

TEST_F(TimePickerTest, EditingHoursAndMinutesKeepsDateAndSeconds) {
    ui::TimePicker& picker = dialog->picker;
    ws().EnterTime(picker.GetSafeHwnd(), 8, 30);
    const platform::DateTime t = picker.GetTime();
    EXPECT_EQ(t.year, 2024);
    EXPECT_EQ(t.month, 2);
    EXPECT_EQ(t.day, 29);
    EXPECT_EQ(t.hour, 8);
    EXPECT_EQ(t.minute, 30);
    EXPECT_EQ(t.second, 15);
    EXPECT_EQ(picker.GetWindowText(), "08:30");
    EXPECT_EQ(dialog->EventsOf(id::kTimePicker).back(), "notify 9013 -759 -1");
}

using ListViewTest = UiTest;

TEST_F(ListViewTest, ColumnsItemsAndData) {
    ui::ListView& list = dialog->list;
    EXPECT_EQ(list.GetColumnCount(), 2);
    EXPECT_EQ(list.GetExtendedStyle() & platform::kLvsExFullRowSelect,
              platform::kLvsExFullRowSelect);
    EXPECT_EQ(list.InsertItem(5, "c"), 2);  // past the end: appended
    EXPECT_TRUE(list.SetItemText(2, 1, "3"));
    EXPECT_TRUE(list.SetItemData(2, 77));
    EXPECT_EQ(list.GetItemText(2, 0), "c");
    EXPECT_EQ(list.GetItemText(2, 1), "3");
    EXPECT_EQ(list.GetItemData(2), 77);
    EXPECT_EQ(list.InsertItem(0, "first"), 0);
    EXPECT_EQ(list.GetItemData(3), 77);
    EXPECT_EQ(list.GetItemText(1, 0), "a");
    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_EQ(list.GetItemCount(), 3);
    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(list.GetItemCount(), 0);
}

TEST_F(ListViewTest, RowClickSetsSelectionMarkAndFirstSelectedRow) {
    ui::ListView& list = dialog->list;
    EXPECT_EQ(list.GetSelectionMark(), -1);
    EXPECT_EQ(list.GetFirstSelectedItem(), -1);
    ws().ClickRow(list.GetSafeHwnd(), 1);
    EXPECT_EQ(list.GetSelectionMark(), 1);
    EXPECT_EQ(list.GetFirstSelectedItem(), 1);
    EXPECT_EQ(list.GetItemState(1, platform::kLvisSelected), platform::kLvisSelected);
    // A click where there is no row drops the selection; the mark stays.
    ws().ClickRow(list.GetSafeHwnd(), -1);
    EXPECT_EQ(list.GetFirstSelectedItem(), -1);
    EXPECT_EQ(list.GetSelectionMark(), 1);
    ws().ClickRow(list.GetSafeHwnd(), 0);
    EXPECT_EQ(list.GetSelectionMark(), 0);
    // The mark moves with its row when rows are inserted before it.
    list.InsertItem(0, "new");
    EXPECT_EQ(list.GetSelectionMark(), 1);
    EXPECT_EQ(list.GetFirstSelectedItem(), 1);
    list.DeleteAllItems();
    EXPECT_EQ(list.GetSelectionMark(), -1);
}

TEST_F(ListViewTest, SingleSelectionKeepsOneSelectedRow) {
    ui::ListView& list = dialog->list;
    list.SetItemState(0, platform::kLvisSelected, platform::kLvisSelected);
    list.SetItemState(1, platform::kLvisSelected, platform::kLvisSelected);
    EXPECT_EQ(list.GetItemState(0, platform::kLvisSelected), 0u);
    EXPECT_EQ(list.GetNextItem(-1, platform::kLvniSelected), 1);
    EXPECT_EQ(list.GetNextItem(1, platform::kLvniSelected), -1);
    // Setting a state leaves the selection mark alone.
    EXPECT_EQ(list.GetSelectionMark(), -1);
}

}  // namespace
}  // namespace vela::uitest
