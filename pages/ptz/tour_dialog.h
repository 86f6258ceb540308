// The tour panel of the PTZ page (template 6017, section "TourDlg"): one of the eight tour
// groups of the selected channel at a time, as a list of call-mode presets with their stay
// times. The list is the user's working copy: the group's tour slots in the preset table follow
// it when the panel stores (ExchangeTourGroup(1)). Nothing of a tour is sent to the device.
// UI thread only.
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

namespace tour_dialog {
constexpr char kBackground[] = "Tour";
constexpr int kGroup = 8115;
constexpr int kPresetName = 8106;
constexpr int kStayTime = 8110;
constexpr int kList = 8108;
constexpr int kAdd = 8109;
constexpr int kDelete = 8093;
// List columns.
constexpr int kNameColumn = 0;
constexpr int kNumberColumn = 1;
constexpr int kStayColumn = 2;
// Stay times offered, in seconds; a shown group starts on the fourth ("5").
constexpr int kFirstStayTime = 2;
constexpr int kLastStayTime = 20;
constexpr int kShownStayEntry = 3;
}  // namespace tour_dialog

class CTourDlg : public CPanelDialog {
  public:
    explicit CTourDlg(PtzPanelHost& host);

    // bSave 0 shows the current group of the selected channel, 1 stores the list into the
    // group's tour slots. 0 when no channel is selected or the group is outside 0..7.
    int ExchangeTourGroup(int bSave);
    // kRequestSet appends a name to the preset names offered, kRequestClear removes it.
    void SyncPresetName(const std::string& name, int request);

    int CurrentGroup() const { return m_nGroup; }

  protected:
    bool OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;

  private:
    void FillLists();
    void Show(const PresetTable& presets);
    void Store(const PresetTable& presets);
    void AddRow(const std::string& name, int32_t number, const std::string& stay);
    void OnGroupChange();
    void OnAdd();
    void OnDelete();

    PtzPanelHost& m_rHost;
    int m_nGroup = 0;
    ui::ComboBox m_cmbGroup, m_cmbPresetName, m_cmbStayTime;
    ui::ListView m_listTour;
    std::array<ui::CSkinButton, 2> m_arrButtons;
};

}  // namespace vela::pages::ptz
