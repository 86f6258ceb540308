// The preset panel of the PTZ page (template 6016, section "PreSetupDlg"): the selected
// channel's presets, adding, deleting and calling them, and the home position the camera
// returns to after a time without PTZ action. Add and Delete change the channel's preset table
// at once and tell the device (set, clear); the home choice reaches the table when the panel
// stores (ExchangePresets(1)). UI thread only.
//
// Lifetime: a child dialog of the page, created hidden by it and destroyed with it; the host is
// the page.
#pragma once

#include <array>
#include <string>

#include "pages/ptz/panel_dialog.h"
#include "pages/ptz/preset_table.h"
#include "ui/combo_box.h"
#include "ui/list_view.h"
#include "ui/skin_button.h"

namespace vela::pages::ptz {

namespace preset_dialog {
constexpr char kBackground[] = "PreSetup";
constexpr int kList = 6015;
constexpr int kName = 6012;
constexpr int kNumber = 1033;
constexpr int kMode = 1034;
constexpr int kRelayTime = 8110;
constexpr int kHomePos = 8114;
constexpr int kAdd = 8109;
constexpr int kDelete = 8093;
constexpr int kCall = 8112;
// List columns.
constexpr int kNameColumn = 0;
constexpr int kNumberColumn = 1;
constexpr int kModeColumn = 2;
// The mode column's fixed words.
constexpr char kCallText[] = "Call";
constexpr char kSaveText[] = "Save";
// RelayTime: "RelayTime1" (no home position), then 15 to 300 seconds.
constexpr int kFirstReturnTime = 15;
constexpr int kLastReturnTime = 300;
constexpr int kReturnTimeStep = 15;
}  // namespace preset_dialog

class CPreSetupDlg : public CPanelDialog {
  public:
    explicit CPreSetupDlg(PtzPanelHost& host);

    // bSave 0 shows the channel's presets and home position, 1 stores the home choice into
    // the channel's table. 0 when no channel is selected.
    int ExchangePresets(int bSave);

  protected:
    bool OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;

  private:
    void FillLists();
    void CreateColumns();
    void UpdateHomeEnabling();
    void Show(const PresetTable& presets);
    void Store(const PresetTable& presets);
    void AddRow(const std::string& name, int number, int32_t mode);

    void OnRowClick();
    void OnAdd();
    void OnDelete();
    void OnCall();

    PtzPanelHost& m_rHost;
    ui::ListView m_listPresets;
    ui::Window m_editName;
    ui::ComboBox m_cmbNumber, m_cmbMode, m_cmbRelayTime, m_cmbHomePos;
    std::array<ui::CSkinButton, 3> m_arrButtons;
};

}  // namespace vela::pages::ptz
