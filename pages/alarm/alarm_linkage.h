// The linkage and week-schedule controls both alarm pages carry under the same keys: buzzer,
// alarm centre, alarm outputs and their switch, record channels, the shown day's six periods,
// and the copy of a day to another day or to all days. The page owns one, hands it its
// template (the controls are found by key) and calls it with the linkage block of the record
// it shows (pages/alarm/linkage_block.h). UI thread only.
//
// Lifetime: bound to the page's controls by Init; the page outlives it in use.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "pages/alarm/linkage_block.h"
#include "pages/alarm/page_setup.h"
#include "resources/dialog_template.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/dialog.h"
#include "ui/skin_button.h"
#include "ui/skin_group_box.h"
#include "ui/time_picker.h"

namespace vela::pages::alarm {

// The week-copy list's last entry stands for all seven days.
constexpr int kAllDaysEntry = kDays;

class CAlarmLinkage {
  public:
    // copyWeekKey: the page's key of its week-copy button.
    CAlarmLinkage(const resources::DialogTemplate& page, const char* copyWeekKey);

    // Ids for the page's message map.
    int TriggerId() const { return m_nTriggerId; }
    int WeekId() const { return m_nWeekId; }
    int CopyWeekId() const { return m_nCopyWeekId; }
    // Where the linkage's labels go when the page aligns its labels.
    static std::vector<LabelRule> LabelRules();

    // The page's init: binds the controls, sets up the button and group boxes, fills the week
    // lists, "HH:mm" on the pickers, and disables every record and output box (only the
    // device's own ever get enabled). Counts are bounded here.
    void Init(ui::Dialog& page, int channelCount, int outputCount);

    int ShownDay() const { return m_nShownDay; }
    void SetShownDay(int day) { m_nShownDay = day; }
    // The day entry chosen in the week list (-1: none).
    int ChosenDay() const { return m_cmbWeek.GetCurSel(); }
    int Trigger() const { return m_nTrigger; }

    // Record to controls: flags, output and record boxes, the shown day, its week entry.
    void Show(const uint8_t* linkage);
    // Controls to record: flags, masks, record enable and the shown day's periods.
    void Store(uint8_t* linkage);
    // The shown day's six periods, each way.
    void ShowDay(const uint8_t* linkage);
    void StoreDay(uint8_t* linkage, int day);
    // The week-copy button: the displayed periods into the chosen day or into every day.
    // Nothing without a chosen entry or for the shown day itself.
    void CopyWeek(uint8_t* linkage);

    // The controls that follow the record's enable; the outputs also need the trigger.
    void ApplyEnabling(bool recordEnabled);
    // The trigger box was clicked: the outputs follow its new state.
    void OnTriggerClicked();
    // No record to show: the trigger cleared; with `schedule` also no day selected and every
    // picker at 00:00.
    void Clear(bool schedule);

  private:
    void EnableOutputs(bool enable);

    int m_nTriggerId, m_nWeekId, m_nCopyWeekId, m_nCopyToWeekId;
    int m_nChannelBoxes = 0;  // record boxes the device has channels for
    int m_nOutputCount = 0;   // the device's alarm outputs, 0..32
    int m_nShownDay = -1;
    int m_nTrigger = 0;
    const resources::DialogTemplate& m_rTemplate;
    const char* m_pCopyWeekKey;

    ui::Button m_chkBuzzer, m_chkCentre, m_chkTrigger;
    std::array<ui::Button, kOutputBoxes> m_arrOutputs;
    std::array<ui::Button, kRecordBoxes> m_arrRecords;
    std::array<ui::Button, kPeriodsPerDay> m_arrPeriods;
    std::array<ui::TimePicker, kPeriodsPerDay> m_arrStart, m_arrStop;
    ui::ComboBox m_cmbWeek, m_cmbCopyToWeek;
    ui::CSkinButton m_btnCopyWeek;
    ui::CSkinGroupBox m_grpPolicy, m_grpRecord, m_grpSchedule;
};

}  // namespace vela::pages::alarm
