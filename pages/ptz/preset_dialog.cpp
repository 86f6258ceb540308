// The preset panel's window: placement, captions, fixed lists and home enabling.
#include <iterator>

#include "pages/ptz/preset_dialog.h"
#include "pages/ptz/ptz_skin.h"
#include "pages/ptz/ptz_templates.h"
#include "ui/data_exchange.h"
#include "ui/text_resources.h"

namespace vela::pages::ptz {

using namespace preset_dialog;  // NOLINT(google-build-using-namespace): the panel's own ids

namespace {

constexpr SkinButtonRow kButtons[] = {
    {kAdd, "NormalBtn"}, {kDelete, "NormalBtn"}, {kCall, "NormalBtn"}};
constexpr int kPlacedItems[] = {kList, kName, kNumber, kRelayTime, kHomePos, kMode};
constexpr LabelRow kLabels[] = {
    {6085, "PreNum", LabelSide::kLeft},     {6087, "RelayTime", LabelSide::kLeft},
    {4275, "RelayTime", LabelSide::kRight}, {6084, "PreName", LabelSide::kLeft},
    {6086, "CallMode", LabelSide::kLeft},   {6088, "HomePos", LabelSide::kLeft},
};
constexpr int kLabelColourIds[] = {6084, 6085, 4275, 6086, 6087, 6088, 6089};
constexpr const char* kModeKeys[] = {"CallMode0", "CallMode1"};
constexpr const char* kColumnKeys[] = {"PresetListInfo0", "PresetListInfo1", "PresetListInfo2"};
constexpr char kNoReturnKey[] = "RelayTime1";

}  // namespace

CPreSetupDlg::CPreSetupDlg(PtzPanelHost& host)
    : CPanelDialog(kPresetDialogTemplate, kBackground,
                   std::vector<int>(std::begin(kLabelColourIds), std::end(kLabelColourIds))),
      m_rHost(host) {
    OnNotify(kList, platform::kNmClick, [this](const platform::Event&) { OnRowClick(); });
    OnClicked(kAdd, [this] { OnAdd(); });
    OnClicked(kDelete, [this] { OnDelete(); });
    OnClicked(kCall, [this] { OnCall(); });
    OnSelChange(kRelayTime, [this] { UpdateHomeEnabling(); });
}

// UI thread.
bool CPreSetupDlg::OnInitDialog() {
    ui::Dialog::OnInitDialog();  // binds the widgets
    PlacePanel();
    for (size_t i = 0; i < m_arrButtons.size(); ++i)
        SetUpSkinButton(*this, m_arrButtons[i], kButtons[i]);
    PlaceItems(*this, kPlacedItems, std::size(kPlacedItems));
    FillLists();
    CreateColumns();
    UpdateHomeEnabling();
    ApplyLabels(*this, kLabels, std::size(kLabels));
    return true;
}

void CPreSetupDlg::DoDataExchange(ui::DataExchange& dx) {
    ui::DdxControl(dx, kList, m_listPresets);
    ui::DdxControl(dx, kName, m_editName);
    ui::DdxControl(dx, kNumber, m_cmbNumber);
    ui::DdxControl(dx, kMode, m_cmbMode);
    ui::DdxControl(dx, kRelayTime, m_cmbRelayTime);
    ui::DdxControl(dx, kHomePos, m_cmbHomePos);
}

void CPreSetupDlg::FillLists() {
    for (int number = kFirstPreset; number <= kLastPreset; ++number)
        m_cmbNumber.AddString(NumberText(number));
    m_cmbNumber.SetCurSel(-1);
    for (const char* key : kModeKeys) m_cmbMode.AddString(ListText(key));
    m_cmbMode.SetCurSel(0);
    m_cmbRelayTime.AddString(ListText(kNoReturnKey));
    for (int seconds = kFirstReturnTime; seconds <= kLastReturnTime; seconds += kReturnTimeStep)
        m_cmbRelayTime.AddString(NumberText(seconds));
    m_cmbRelayTime.SetCurSel(0);
}

void CPreSetupDlg::CreateColumns() {
    std::string headings[std::size(kColumnKeys)];
    for (size_t i = 0; i < std::size(kColumnKeys); ++i) headings[i] = ListText(kColumnKeys[i]);
    CreateReportColumns(m_listPresets, headings, static_cast<int>(std::size(kColumnKeys)));
}

// Entry 0 of RelayTime means no home position: then there is nothing to choose.
void CPreSetupDlg::UpdateHomeEnabling() {
    const bool home = m_cmbRelayTime.GetCurSel() > 0;
    m_cmbHomePos.EnableWindow(home);
    if (!home) m_cmbHomePos.SetCurSel(-1);
}

}  // namespace vela::pages::ptz
