// The console's fifth page: the per-channel alarms. For the chosen channel and alarm type
// (0 motion detection with its area grid on the live picture, 1 with a sensitivity, 2 plain)
// it edits the enable, the sensitivity, the area and the linkage with its week schedule, and
// copies them to another channel or to all. It edits the device connection's records in
// place; nothing reaches the device until the console saves.
//
// Threads: the UI thread, except DrawHook (the player's thread, under the console's draw
// lock) and ShowMotionAlarm (a host thread, under the same lock). Both reach only the play
// window's overlay, which locks itself, and the shown channel, which is atomic.
//
// Lifetime: owned by the console; its live view stops before its window (and the play window
// the player renders into) goes away.
#pragma once

#include <atomic>
#include <cstdint>

#include "pages/alarm/alarm_page.h"
#include "ui/combo_box.h"
#include "ui/play_wnd.h"
#include "ui/skin_button.h"

namespace vela::pages {

class CDvsCfgAlarm : public alarm::CAlarmPage {
  public:
    // Alarm types, the positions of the type list.
    enum AlarmType { kMotion = 0, kLevel = 1, kPlain = 2, kAlarmTypeCount = 3 };

    CDvsCfgAlarm();

    // bSave 0 shows the current channel's record of the current type and starts (or keeps)
    // its live view; 1 stores the controls into it, kStopPreview also stopping the live view.
    // 0 without a device connection or a channel to show.
    int UpdateRecords(int bSave, int keepPreview) override;
    void DrawHook(void* deviceContext, uintptr_t user) override;
    // The host's motion alarm for a channel: state 1 flashes the area while that channel is
    // shown, any other state stops the flash; other channels change nothing.
    void ShowMotionAlarm(int channel, int state) override;

    int CurrentChannel() const { return m_nCurrentChannel; }
    int AlarmType() const { return m_nAlarmType; }
    ui::CPlayWnd& PlayWindow() { return m_playWnd; }

  protected:
    bool OnInitDialog() override;
    void OnDestroy() override;
    uint8_t* CurrentLinkage() override { return CurrentRecord().linkage; }
    void ApplyEnabling() override;

  private:
    struct Record {
        uint8_t* bytes;
        uint8_t* linkage;
    };
    // The current channel's record of the current type; null bytes when there is none.
    Record CurrentRecord();
    void ShowPreview();
    void StopPreview();
    void Show(const Record& record);
    void ShowArea(const uint8_t* motion);
    void Store(const Record& record);
    void StoreArea(uint8_t* motion);
    // The device's grid size, or false when it cannot be shown (a count of 0 or less).
    bool GridSize(int& rows, int& columns);
    void OnTypeChanged();

    int m_nChannelCount = 0;  // N, 0..32
    int m_nCurrentChannel = -1;
    int m_nAlarmType = kMotion;
    int32_t m_hPreview = 0;  // > 0 while this page's live view runs
    int m_nPreviewChannel = -1;
    // The channel whose record and picture show, -1 while none does; what a motion alarm from
    // the host is compared with.
    std::atomic<int> m_nShownChannel{-1};

    ui::CPlayWnd m_playWnd;
    ui::ComboBox m_cmbChannel, m_cmbAlarmType, m_cmbSensitivity, m_cmbCopyToChannel;
    ui::CSkinButton m_btnCopyChannel, m_btnAll, m_btnClear;
};

}  // namespace vela::pages
