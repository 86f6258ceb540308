// The console's second page: for one channel at a time the encoding of its main or sub
// stream within the device's encoding capacity, its on-screen titles, its privacy cover
// (drawn and dragged on the live picture), its weekly record schedule and pre-record time;
// settings copy to other channels and days. It edits the records of the device connection in
// place; nothing reaches the device until the console saves.
//
// Threads: UI thread, except DrawHook (the player's thread, under the console's draw lock).
// Lifetime: owns its play window; the preview it starts is stopped by a store that does not
// keep it, and when its window goes away (the console stops it even earlier, before any page
// window is destroyed, so no frame is drawn through a page being destroyed).
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "pages/channel/capacity_records.h"
#include "pages/channel/channel_controls.h"
#include "pages/channel/encoding_capacity.h"
#include "pages/common/console_page.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/dib_image.h"
#include "ui/placement.h"
#include "ui/play_wnd.h"
#include "ui/skin_button.h"
#include "ui/skin_group_box.h"
#include "ui/time_picker.h"

namespace vela::pages {

class CDvsCfgChannel : public CConsolePage {
  public:
    CDvsCfgChannel();
    ~CDvsCfgChannel() override;

    // bSave 0 fills the controls from the records of the selected channel, stream and day and
    // makes the preview follow them; 1 writes the controls back (kStopPreview also stops the
    // preview). 0 after blanking the page when the console has no device connection, the
    // records are missing or the selected channel is outside the channel count; 0 without
    // writing when storing a page that no load has filled since it was blanked.
    int UpdateRecords(int bSave, int keepPreview) override;
    // Draws the privacy cover over a displayed frame. Player thread, under the draw lock.
    void DrawHook(void* deviceContext, uintptr_t user) override;

    // --- attributes ---
    int ChannelCount() const { return m_nChannelCount; }
    int SelectedChannel() const { return m_nChannel; }
    int SelectedStream() const { return m_nStream; }
    int SelectedDay() const { return m_nDay; }
    int PreviewHandle() const { return m_nPreviewHandle; }
    int PreviewChannel() const { return m_nPreviewChannel; }
    int PreviewStream() const { return m_nPreviewStream; }
    int PictureWidth() const { return m_nPictureWidth; }
    int PictureHeight() const { return m_nPictureHeight; }
    ui::CPlayWnd& PlayWindow() { return m_wndPlay; }

  protected:
    bool OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    bool OnCtlColor(int id, platform::ControlColors& colors) override;
    bool OnEraseBkgnd(platform::Canvas& canvas) override;
    void OnDestroy() override;

  private:
    // The records the page edits, each at its own start (DeviceInfo for the system group).
    struct Records {
        uint8_t* deviceInfo = nullptr;
        uint8_t* general = nullptr;           // record 18
        uint8_t* encoding = nullptr;          // record 68
        const uint8_t* capability = nullptr;  // record 10
        uint8_t* titles = nullptr;            // record 30
        uint8_t* schedule = nullptr;          // record 23
    };

    // --- window (dvs_cfg_channel.cpp) ---
    void PlaceControls();
    void SetUpButtons();
    void ApplyLabels();
    void SetUpScheduleBox();
    void FillLists();
    void CreatePlayWindow();
    std::string ListText(const std::string& key) const;

    // --- load and store (channel_exchange.cpp) ---
    bool GetRecords(Records& records) const;
    void Load(const Records& records);
    void Store(const Records& records, int channel);
    void Blank();
    void FollowPreview();
    void StopPreview();
    void LoadTitles(const uint8_t* titles);
    void StoreTitles(uint8_t* titles) const;
    void LoadCover(const uint8_t* titles);
    void StoreCover(uint8_t* titles);

    // --- encoding (channel_encoding.cpp) ---
    channel::CapacityRecords CapacityOf(const Records& records) const;
    channel::Stream SelectedStreamKind() const;
    void LoadEncoding(const Records& records);
    void StoreEncoding(const Records& records, int channel) const;

    // --- schedule (channel_schedule.cpp) ---
    void LoadSchedule(const uint8_t* schedule);
    void StoreSchedule(uint8_t* schedule, int channel, int day) const;
    void OnCopyToDay();

    // --- handlers (channel_handlers.cpp) ---
    void ShowOther(int& selected, int next, int keepPreview);
    void OnStreamClicked(int stream);
    void OnVideoClicked();
    void OnCopyToChannel();
    void StoreAndLoad();
    void EnableVideoFields(bool videoOn);
    void EnableTitleFields();
    void EnableAll(const int* ids, size_t count, bool enable);

    // Page state.
    int m_nChannelCount = -1;
    int m_nChannel = -1;
    int m_nStream = 0;  // 0 main, 1 sub
    int m_nDay = -1;
    int m_nPreviewHandle = -1;
    int m_nPreviewChannel = -1;
    int m_nPreviewStream = -1;
    bool m_bCopying = false;  // a copy to another channel is being stored: its name stays
    bool m_bNtsc = false;
    bool m_bSubStreamBudget = false;
    int m_nPictureWidth = 0;
    int m_nPictureHeight = 0;
    // Set by a load, cleared by Blank: a blanked page holds nothing of the device's.
    bool m_bLoaded = false;

    // Values bound to the edits and check boxes.
    std::string m_strName;
    int m_nVideo = 0, m_nAudio = 0, m_nTimeTitle = 0, m_nNameTitle = 0, m_nCover = 0;
    int m_nTimeX = -1, m_nTimeY = -1, m_nNameX = -1, m_nNameY = -1;

    std::array<std::string, channel::kResolutionCount> m_arrResolutionNames;
    ui::CDibImage m_dibBackground;
    ui::PageSkin m_skinPage;
    std::array<ui::CSkinButton, channel::kSkinButtonCount> m_arrSkinButtons;
    ui::CSkinGroupBox m_grpSchedule;
    ui::CPlayWnd m_wndPlay;

    ui::ComboBox m_cmbChannel, m_cmbCopyToChannel, m_cmbFrameRate, m_cmbQuality, m_cmbInterval;
    ui::ComboBox m_cmbResolution, m_cmbBitRateControl, m_cmbBitRate, m_cmbDateFormat;
    ui::ComboBox m_cmbDay, m_cmbCopyToDay, m_cmbPreRecord;
    ui::Button m_radMain, m_radSub, m_chkVideo, m_chkAudio, m_chkTimeTitle, m_chkNameTitle;
    ui::Button m_chkCover;
    std::array<ui::TimePicker, channel::kPeriodRows> m_arrStart, m_arrStop;
    std::array<ui::Button, channel::kPeriodRows> m_arrNormal, m_arrAlarm, m_arrMotion;
};

}  // namespace vela::pages
