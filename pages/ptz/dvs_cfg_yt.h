// The PTZ page (template 6013, section "DvsCfgYt"): the decoder settings of each channel
// (protocol, baud rate, address) in the device's records, the camera driven live with
// press-and-hold motion buttons beside the channel's live picture, and a framed area with
// three exchangeable panels: the auto preset plan (on the page), the preset dialog and the
// tour dialog. It owns the PresetImage, the host-side table of presets, tours, plans and PTZ
// speeds of every channel of the device, loaded from the device's preset file when the window
// is made and written back by the console's Save (SavePresetData).
//
// Threads: UI thread only. NetSDK and the player call nothing here; the live picture runs in
// the play window, which the console stops before any page window goes away.
//
// Lifetime: made by the console with no parent, its window a child of the console; the panels
// are child dialogs it owns. The device connection is borrowed through the page context.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "pages/common/console_page.h"
#include "pages/ptz/plan_panel.h"
#include "pages/ptz/preset_dialog.h"
#include "pages/ptz/preset_table.h"
#include "pages/ptz/ptz_controls.h"
#include "pages/ptz/tour_dialog.h"
#include "ui/combo_box.h"
#include "ui/dib_image.h"
#include "ui/placement.h"
#include "ui/play_wnd.h"
#include "ui/skin_button.h"
#include "ui/skin_group_box.h"

namespace vela::pages {

class CDvsCfgYt : public CConsolePage, public ptz::PtzPanelHost {
  public:
    CDvsCfgYt();
    ~CDvsCfgYt() override;

    // bSave 0 shows the selected channel (and starts its live picture), 1 stores the decoder
    // controls into its record (keepPreview kStopPreview also stops the live picture); both
    // then exchange the preset and tour panels. 0, with the page cleared, when there is no
    // device connection, no channel or no record group.
    int UpdateRecords(int bSave, int keepPreview) override;

    // The console's Save, after the pages stored and before the records are sent: the panels,
    // the speed and the plan go into the PresetImage, which is written to the preset file.
    void SavePresetData();
    // 1 when a preset file with a valid header was read into the PresetImage (else it is
    // empty); the page's window initialisation loads it.
    int LoadPresetFile(const std::string& address);
    // 1 when the file now holds the PresetImage; 0 (the old file kept, a log line written)
    // when it could not be written whole.
    int SavePresetFile();

    // PtzPanelHost: what the panels ask of the page.
    ptz::PresetTable Presets() override;
    // kRequestGoTo, kRequestSet or kRequestClear for a preset of the selected channel
    // (NetSDK ordinal 38 commands 19, 17, 18); any other request sends nothing.
    void SendPresetCommand(int request, int number) override;
    void SyncPlanPreset(const std::string& numberText, int request) override;
    void RemovePlanByPreset(const std::string& numberText) override;
    void SyncTourPresetName(const std::string& name, int request) override;

    // --- attributes ---
    int SelectedChannel() const { return m_nChannel; }
    int CurrentPanel() const { return m_nPanel; }
    const std::vector<uint8_t>& PresetImage() const { return m_arrPresetImage; }
    std::string PresetFilePath() const;
    ptz::CPreSetupDlg& PresetDialog() { return m_dlgPreset; }
    ptz::CTourDlg& TourDialog() { return m_dlgTour; }
    ptz::CPlanPanel& Plan() { return m_plan; }
    ui::CPlayWnd& PlayWindow() { return m_wndPlay; }

  protected:
    bool OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    bool PreTranslateMessage(const platform::Event& event) override;
    bool OnCtlColor(int id, platform::ControlColors& colors) override;
    bool OnEraseBkgnd(platform::Canvas& canvas) override;
    void OnDestroy() override;

  private:
    // Window initialisation.
    void SetUpButtons();
    void ApplyTexts();
    void SetUpPanelFrame();
    void FillLists();
    void CreatePanels();

    // Records (ptz_exchange.cpp).
    uint8_t* RecordGroup() const;
    void Load(uint8_t* group);
    void Store(uint8_t* group, int keepPreview);
    void LoadProtocol(const uint8_t* group, const uint8_t* decoder);
    void LoadBaudRate(const uint8_t* decoder);
    void ShowLivePicture();
    void StopLivePicture();
    void ClearPage();
    void OnChannelChange();
    void OnCopyToChannel();

    // Panels and the plan.
    void ShowPanel(int panel);
    void SetPanelShown(int panel, bool show);
    void SelectPanel(int panel);
    void SetPlanLabelsShown(bool show);
    uint8_t* PlanSlots();
    void StorePlan();
    void SendMotion(int controlId, bool stop);

    int m_nChannel = -1;       // the selected channel, 0-based; -1 until the list is filled
    int m_nChannelCount = 0;   // of the console, 0..32
    std::string m_strAddress;  // the device's address text: names the preset file
    int32_t m_hLiveView = 0;   // 0 or below: no live picture runs
    int m_nLiveChannel = -1;
    int m_nPanel = ptz::kNoPanel;
    bool m_bPresetPanelVisited = false;
    bool m_bTourPanelVisited = false;
    // Set by the first show: until then the controls hold nothing of a channel.
    bool m_bShown = false;
    std::string m_strPlanCaption, m_strPresetCaption, m_strTourCaption;
    std::string m_strPresetFolder;
    std::vector<uint8_t> m_arrPresetImage;

    ui::CDibImage m_dibBackground;
    ui::PageSkin m_skinPage;
    std::array<ui::CSkinButton, ptz::kPtzButtonCount> m_arrButtons;
    ui::CSkinGroupBox m_groupPanel;
    ui::ComboBox m_cmbChannel, m_cmbProtocol, m_cmbBaudRate, m_cmbCopyTo, m_cmbSpeed;
    ui::Window m_editAddress;
    ptz::CPlanPanel m_plan;
    ui::CPlayWnd m_wndPlay;
    ptz::CPreSetupDlg m_dlgPreset{*this};
    ptz::CTourDlg m_dlgTour{*this};
};

}  // namespace vela::pages
