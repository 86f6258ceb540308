#include "tests/ui/test_dialog.h"

namespace vela::uitest {

TestDialog::TestDialog() : Dialog(resources::kTestDialogId) {
    OnClicked(id::kBtnPush, [this] {
        ++pushCount;
        if (destroyOnPush) {
            DestroyWindow();
            return;
        }
        if (pushAction) {
            pushAction();
            return;
        }
        ui::ShowMessage(GetSafeHwnd(), "Pushed", "Test", platform::MessageButtons::OkCancel);
    });
    OnClicked(id::kBtnSkin, [this] {
        const auto path = ui::AskOpenFile(GetSafeHwnd(), "Firmware (*.bin)|*.bin||");
        if (path) SetWindowText(*path);
    });
    OnClicked(id::kCheckEnable, [this] {
        System().EnableWindow(GetDlgItem(id::kEditPassword), check.GetCheck() == 0);
    });
    OnClicked(id::kRadioSecond,
              [this] { System().ShowWindow(GetDlgItem(id::kStaticName), false); });
}

bool TestDialog::OnEvent(platform::Event& event) {
    if (event.kind == platform::EventKind::Command && event.control) {
        events.push_back("cmd " + std::to_string(event.controlId) + " " +
                         std::to_string(event.code));
    } else if (event.kind == platform::EventKind::Notify) {
        events.push_back("notify " + std::to_string(event.controlId) + " " +
                         std::to_string(event.code) + " " + std::to_string(event.item));
    }
    return Dialog::OnEvent(event);
}

std::vector<std::string> TestDialog::EventsOf(int controlId) const {
    std::vector<std::string> matching;
    const std::string id = " " + std::to_string(controlId) + " ";
    for (const std::string& e : events) {
        if (e.find(id) != std::string::npos) matching.push_back(e);
    }
    return matching;
}

bool TestDialog::OnInitDialog() {
    Dialog::OnInitDialog();
    for (const char* entry : {"One", "Two", "Three"}) cmbList.AddString(entry);
    for (const char* entry : {"Alpha", "Beta"}) cmbEdit.AddString(entry);
    list.InsertColumn(0, "Name", platform::kLvcfmtLeft, 50);
    list.InsertColumn(1, "Value", platform::kLvcfmtLeft, 50);
    list.SetExtendedStyle(platform::kLvsExFullRowSelect | platform::kLvsExGridLines);
    list.InsertItem(0, "a");
    list.SetItemText(0, 1, "1");
    list.InsertItem(1, "b");
    list.SetItemText(1, 1, "2");
    picker.SetFormat("HH:mm");
    platform::DateTime t;
    t.year = 2024;
    t.month = 2;
    t.day = 29;
    t.dayOfWeek = 4;
    t.hour = 6;
    t.minute = 0;
    t.second = 15;
    picker.SetTime(t);
    events.clear();
    return true;
}

void TestDialog::DoDataExchange(ui::DataExchange& dx) {
    ui::DdxControl(dx, id::kEditNumber, editNumber);
    ui::DdxControl(dx, id::kCmbList, cmbList);
    ui::DdxControl(dx, id::kCmbEdit, cmbEdit);
    ui::DdxControl(dx, id::kEditAddress, address);
    ui::DdxControl(dx, id::kTimePicker, picker);
    ui::DdxControl(dx, id::kListItems, list);
    ui::DdxControl(dx, id::kCheckEnable, check);
    ui::DdxControl(dx, id::kBtnSkin, skin);
    ui::DdxControl(dx, id::kPlayWnd, surface);
    ui::DdxText(dx, id::kEditNumber, number);
    ui::DdxText(dx, id::kEditUpper, upper);
    ui::DdxCheck(dx, id::kCheckEnable, checked);
    ui::DdxCBIndex(dx, id::kCmbList, listIndex);
}

bool TestDialog::PreTranslateMessage(const platform::Event& event) {
    if (event.kind != platform::EventKind::KeyDown) return false;
    preTranslated.push_back(std::to_string(System().GetDlgCtrlID(event.window)) + " key " +
                            std::to_string(event.key));
    return swallowKeys;
}

bool TestDialog::OnCtlColor(int id, platform::ControlColors& colors) {
    colourRequests.push_back(id);
    if (id != id::kStaticName) return false;
    colors.setTextColor = true;
    colors.textColor = platform::Rgb(200, 0, 0);
    colors.transparent = true;
    colors.brush = platform::ControlColors::Brush::Hollow;
    return true;
}

}  // namespace vela::uitest
