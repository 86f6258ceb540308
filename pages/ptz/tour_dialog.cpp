// The tour panel: its window, its exchange with the tour slots of the channel's presets, and
// its Add and Delete. Every refusal is silent.
#include "pages/ptz/tour_dialog.h"

#include <cstdio>
#include <iterator>

#include "pages/ptz/ptz_skin.h"
#include "pages/ptz/ptz_templates.h"
#include "ui/data_exchange.h"
#include "ui/skin_values.h"
#include "ui/text_resources.h"

namespace vela::pages::ptz {

using namespace tour_dialog;  // NOLINT(google-build-using-namespace): the panel's own ids
namespace tour = ::vela::ptz::tour_slot;

namespace {

constexpr SkinButtonRow kButtons[] = {{kAdd, "NormalBtn"}, {kDelete, "NormalBtn"}};
constexpr int kPlacedItems[] = {kList, kPresetName, kStayTime, kGroup};
constexpr LabelRow kLabels[] = {
    {6090, "Group", LabelSide::kLeft},
    {6092, "RelayTime", LabelSide::kLeft},
    {6091, "PreName", LabelSide::kLeft},
};
constexpr int kLabelColourIds[] = {6090, 6091, 6092, 6093};
constexpr const char* kColumnKeys[] = {"TourListInfo0", "TourListInfo1", "TourListInfo2"};
constexpr int kGroupCount = ::vela::ptz::kTourGroupCount;

std::string GroupKey(int group) {
    char key[16];
    std::snprintf(key, sizeof key, "Group%d", group);
    return key;
}

}  // namespace

CTourDlg::CTourDlg(PtzPanelHost& host)
    : CPanelDialog(kTourDialogTemplate, kBackground,
                   std::vector<int>(std::begin(kLabelColourIds), std::end(kLabelColourIds))),
      m_rHost(host) {
    OnSelChange(kGroup, [this] { OnGroupChange(); });
    OnClicked(kAdd, [this] { OnAdd(); });
    OnClicked(kDelete, [this] { OnDelete(); });
}

// UI thread.
bool CTourDlg::OnInitDialog() {
    ui::Dialog::OnInitDialog();  // binds the widgets
    PlacePanel();
    PlaceItems(*this, kPlacedItems, std::size(kPlacedItems));
    for (size_t i = 0; i < m_arrButtons.size(); ++i)
        SetUpSkinButton(*this, m_arrButtons[i], kButtons[i]);
    FillLists();
    m_nGroup = 0;
    ApplyLabels(*this, kLabels, std::size(kLabels));
    return true;
}

void CTourDlg::DoDataExchange(ui::DataExchange& dx) {
    ui::DdxControl(dx, kGroup, m_cmbGroup);
    ui::DdxControl(dx, kPresetName, m_cmbPresetName);
    ui::DdxControl(dx, kStayTime, m_cmbStayTime);
    ui::DdxControl(dx, kList, m_listTour);
}

void CTourDlg::FillLists() {
    for (int seconds = kFirstStayTime; seconds <= kLastStayTime; ++seconds)
        m_cmbStayTime.AddString(NumberText(seconds));
    m_cmbStayTime.SetCurSel(-1);
    std::string headings[std::size(kColumnKeys)];
    for (size_t i = 0; i < std::size(kColumnKeys); ++i) headings[i] = ListText(kColumnKeys[i]);
    CreateReportColumns(m_listTour, headings, static_cast<int>(std::size(kColumnKeys)));
    for (int group = 0; group < kGroupCount; ++group)
        m_cmbGroup.AddString(ListText(GroupKey(group)));
}

int CTourDlg::ExchangeTourGroup(int bSave) {
    if (!IsWindow()) return 0;
    const PresetTable presets = m_rHost.Presets();
    if (!bSave) m_cmbPresetName.ResetContent();
    if (m_nGroup < 0 || m_nGroup >= kGroupCount || !presets.IsValid()) return 0;
    if (bSave)
        Store(presets);
    else
        Show(presets);
    return 1;
}

// Rows come in slot order; the stored order is not used for showing, so storing after a show
// renumbers the tour in slot order.
void CTourDlg::Show(const PresetTable& presets) {
    for (int slot = 0; slot < kLastPreset; ++slot)
        if (presets.IsUsed(slot) && presets.Mode(slot) != kModeSave)
            m_cmbPresetName.AddString(presets.Name(slot));
    m_cmbPresetName.SetCurSel(0);
    m_cmbStayTime.SetCurSel(kShownStayEntry);
    m_listTour.DeleteAllItems();
    for (int slot = 0; slot < kLastPreset; ++slot) {
        if (!presets.IsUsed(slot)) continue;
        const uint8_t* member = presets.TourSlot(slot, m_nGroup);
        if (ReadI32(member, tour::kMember) == 0) continue;
        AddRow(presets.Name(slot), presets.Number(slot),
               NumberText(ReadI32(member, tour::kStayTime)));
    }
    m_cmbGroup.SetCurSel(m_nGroup);
}

// A row whose preset is gone finds no preset of its name and is dropped.
void CTourDlg::Store(const PresetTable& presets) {
    for (int slot = 0; slot < kLastPreset; ++slot) {
        if (!presets.IsUsed(slot)) continue;
        uint8_t* member = presets.TourSlot(slot, m_nGroup);
        WriteI32(member, tour::kMember, 0);
        WriteI32(member, tour::kStayTime, 0);
        WriteI32(member, tour::kOrder, 0);
    }
    for (int row = 0; row < m_listTour.GetItemCount(); ++row) {
        const std::string name = m_listTour.GetItemText(row, kNameColumn);
        const int32_t stay = ui::ParseLenientInt(m_listTour.GetItemText(row, kStayColumn).c_str());
        for (int slot = 0; slot < kLastPreset; ++slot) {
            if (!presets.IsUsed(slot) || presets.Name(slot) != name) continue;
            uint8_t* member = presets.TourSlot(slot, m_nGroup);
            WriteI32(member, tour::kMember, 1);
            WriteI32(member, tour::kOrder, row);
            WriteI32(member, tour::kStayTime, stay);
        }
    }
}

void CTourDlg::SyncPresetName(const std::string& name, int request) {
    const int found = FindExactEntry(m_cmbPresetName, name);
    if (request == kRequestSet && found < 0) m_cmbPresetName.AddString(name);
    if (request == kRequestClear && found >= 0) m_cmbPresetName.DeleteString(found);
}

void CTourDlg::AddRow(const std::string& name, int32_t number, const std::string& stay) {
    const int row = m_listTour.InsertItem(m_listTour.GetItemCount(), name);
    m_listTour.SetItemText(row, kNumberColumn, NumberText(number));
    m_listTour.SetItemText(row, kStayColumn, stay);
}

void CTourDlg::OnGroupChange() {
    ExchangeTourGroup(1);
    m_nGroup = m_cmbGroup.GetCurSel();
    ExchangeTourGroup(0);
}

void CTourDlg::OnAdd() {
    const int chosen = m_cmbPresetName.GetCurSel();
    const int stay = m_cmbStayTime.GetCurSel();
    const PresetTable presets = m_rHost.Presets();
    if (chosen < 0 || stay < 0 || m_cmbGroup.GetCurSel() < 0 || !presets.IsValid()) return;
    const std::string name = m_cmbPresetName.GetLBText(chosen);
    for (int row = 0; row < m_listTour.GetItemCount(); ++row)
        if (m_listTour.GetItemText(row, kNameColumn) == name) return;
    const int slot = presets.FindName(name);
    if (slot < 0) return;
    AddRow(name, presets.Number(slot), m_cmbStayTime.GetLBText(stay));
}

void CTourDlg::OnDelete() {
    const int row = m_listTour.GetFirstSelectedItem();
    if (row >= 0) m_listTour.DeleteItem(row);
}

}  // namespace vela::pages::ptz
