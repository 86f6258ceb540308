// The preset panel's exchange with the channel's preset table, and its Add, Delete and Call.
// Every refusal is silent.
#include "pages/ptz/preset_dialog.h"
#include "pages/ptz/ptz_skin.h"
#include "ui/skin_values.h"

namespace vela::pages::ptz {

using namespace preset_dialog;  // NOLINT(google-build-using-namespace): the panel's own ids

namespace {

const char* ModeText(int32_t mode) {
    return mode == kModeSave ? kSaveText : kCallText;
}

// A preset number as a row or the number field shows it; 0 (no slot) for anything else.
int ReadPresetNumber(const std::string& text) {
    const int number = ui::ParseLenientInt(text.c_str());
    return IsPresetNumber(number) ? number : 0;
}

// The shown name of a preset: what fits its 48-byte field.
std::string CutName(const std::string& name) {
    return name.substr(0, kPresetNameLength);
}

}  // namespace

int CPreSetupDlg::ExchangePresets(int bSave) {
    if (!IsWindow()) return 0;
    const PresetTable presets = m_rHost.Presets();
    if (bSave) {
        if (!presets.IsValid()) return 0;
        Store(presets);
        return 1;
    }
    Show(presets);
    UpdateHomeEnabling();
    return presets.IsValid() ? 1 : 0;
}

void CPreSetupDlg::Show(const PresetTable& presets) {
    m_cmbNumber.SetCurSel(-1);
    m_editName.SetWindowText("");
    m_cmbHomePos.ResetContent();
    m_cmbHomePos.SetWindowText("");
    m_cmbRelayTime.SetCurSel(0);
    m_listPresets.DeleteAllItems();
    if (!presets.IsValid()) return;
    for (int slot = 0; slot < kLastPreset; ++slot) {
        if (!presets.IsUsed(slot)) continue;
        const std::string name = presets.Name(slot);
        AddRow(name, presets.Number(slot), presets.Mode(slot));
        m_cmbHomePos.AddString(name);
        if (presets.Home(slot) == 0) continue;
        const int time = FindExactEntry(m_cmbRelayTime, NumberText(presets.HomeTime(slot)));
        m_cmbRelayTime.SetCurSel(time < 0 ? 0 : time);
        const int home = FindExactEntry(m_cmbHomePos, name);
        m_cmbHomePos.SetCurSel(home);
    }
}

// At most one home position: the first used slot with the chosen name, none when RelayTime
// shows its first entry.
void CPreSetupDlg::Store(const PresetTable& presets) {
    const std::string homeName = m_cmbHomePos.GetWindowText();
    const std::string returnTime = m_cmbRelayTime.GetWindowText();
    bool done = m_cmbRelayTime.GetCurSel() < 1;
    for (int slot = 0; slot < kLastPreset; ++slot) {
        if (!presets.IsUsed(slot)) continue;
        uint8_t* record = presets.Record(slot);
        WriteI32(record, preset_fields::kHome, 0);
        WriteI32(record, preset_fields::kHomeTime, 0);
        if (done || presets.Name(slot) != homeName) continue;
        WriteI32(record, preset_fields::kHome, 1);
        WriteI32(record, preset_fields::kHomeTime, ui::ParseLenientInt(returnTime.c_str()));
        done = true;
    }
}

void CPreSetupDlg::AddRow(const std::string& name, int number, int32_t mode) {
    const int row = m_listPresets.InsertItem(m_listPresets.GetItemCount(), name);
    m_listPresets.SetItemText(row, kNumberColumn, NumberText(number));
    m_listPresets.SetItemText(row, kModeColumn, ModeText(mode));
    m_listPresets.SetItemData(row, mode < 0 ? kModeCall : mode);
}

void CPreSetupDlg::OnRowClick() {
    const int row = m_listPresets.GetFirstSelectedItem();
    if (row < 0) {
        m_editName.SetWindowText("");
        m_cmbNumber.SetCurSel(-1);
        return;
    }
    m_editName.SetWindowText(m_listPresets.GetItemText(row, kNameColumn));
    m_cmbNumber.SetWindowText(m_listPresets.GetItemText(row, kNumberColumn));
    m_cmbMode.SetCurSel(static_cast<int>(m_listPresets.GetItemData(row)));
}

// The name is cut to its field first, so that every later exact match (duplicates, the home
// position, the tour list) sees the name the table holds.
void CPreSetupDlg::OnAdd() {
    const std::string name = CutName(m_editName.GetWindowText());
    const std::string numberText = m_cmbNumber.GetWindowText();
    const PresetTable presets = m_rHost.Presets();
    if (name.empty() || numberText.empty() || !presets.IsValid()) return;
    const int number = ReadPresetNumber(numberText);
    if (number == 0 || presets.FindName(name) >= 0 || presets.HasNumber(number) ||
        presets.IsUsed(number - 1))
        return;

    const int32_t mode = m_cmbMode.GetCurSel() == kModeSave ? kModeSave : kModeCall;
    AddRow(name, number, mode);
    if (FindExactEntry(m_cmbHomePos, name) < 0) m_cmbHomePos.AddString(name);
    uint8_t* record = presets.Record(number - 1);
    WriteI32(record, preset_fields::kUsed, preset_fields::kUsedValue);
    WriteI32(record, preset_fields::kNumber, number);
    WriteText(record, preset_fields::kName, preset_fields::kNameWidth, name);
    WriteI32(record, preset_fields::kMode, mode);
    if (mode == kModeSave) return;
    m_rHost.SendPresetCommand(kRequestSet, number);
    m_rHost.SyncPlanPreset(NumberText(number), kRequestSet);
    m_rHost.SyncTourPresetName(name, kRequestSet);
}

void CPreSetupDlg::OnDelete() {
    const int row = m_listPresets.GetFirstSelectedItem();
    if (row < 0) return;
    const std::string name = m_listPresets.GetItemText(row, kNameColumn);
    const std::string numberText = m_listPresets.GetItemText(row, kNumberColumn);
    m_listPresets.DeleteItem(row);
    const int home = FindExactEntry(m_cmbHomePos, name);
    if (home >= 0) m_cmbHomePos.DeleteString(home);

    const PresetTable presets = m_rHost.Presets();
    const int number = ReadPresetNumber(numberText);
    if (!presets.IsValid() || number == 0) return;
    WriteI32(presets.Record(number - 1), preset_fields::kUsed, 0);
    m_rHost.SendPresetCommand(kRequestClear, number);
    m_rHost.SyncPlanPreset(numberText, kRequestClear);
    m_rHost.SyncTourPresetName(name, kRequestClear);
    m_rHost.RemovePlanByPreset(numberText);
}

// A call-mode preset is gone to; a save-mode one is set again at the camera's position.
void CPreSetupDlg::OnCall() {
    const int row = m_listPresets.GetFirstSelectedItem();
    const PresetTable presets = m_rHost.Presets();
    if (row < 0 || !presets.IsValid()) return;
    const int slot = presets.FindName(m_listPresets.GetItemText(row, kNameColumn));
    const int number = ReadPresetNumber(m_listPresets.GetItemText(row, kNumberColumn));
    if (slot < 0 || number == 0) return;
    m_rHost.SendPresetCommand(presets.Mode(slot) == kModeCall ? kRequestGoTo : kRequestSet, number);
}

}  // namespace vela::pages::ptz
