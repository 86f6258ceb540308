// The console's fourth page: the alarm inputs. For the chosen input it edits the enable, the
// contact type, the linkage with its week schedule and the PTZ action of one chosen camera,
// and copies them to another input or to all. It edits the device connection's records in
// place; nothing reaches the device until the console saves. UI thread only.
//
// Lifetime: owned by the console; the console opens it only on a device with alarm inputs.
#pragma once

#include <cstdint>

#include "pages/alarm/alarm_page.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/skin_button.h"
#include "ui/skin_group_box.h"

namespace vela::pages {

class CDvsCfgSensor : public alarm::CAlarmPage {
  public:
    CDvsCfgSensor();

    // bSave 0 shows the current input's record, 1 stores the controls into it (keepPreview
    // does not apply: the page has no picture). 0, with every linked control disabled, without
    // a device connection or an input to show.
    int UpdateRecords(int bSave, int keepPreview) override;

    int CurrentInput() const { return m_nCurrentInput; }
    int CurrentCamera() const { return m_nCurrentCamera; }

  protected:
    bool OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    uint8_t* CurrentLinkage() override;
    void ApplyEnabling() override;

  private:
    // The current input's record; null when there is none.
    uint8_t* CurrentRecord();
    bool HasCamera() const { return m_nCurrentCamera >= 0 && m_nCurrentCamera < m_nChannelCount; }
    void Show(const uint8_t* record);
    void ShowPtzLink(const uint8_t* linkage);
    void Store(uint8_t* record);
    void StorePtzLink(uint8_t* linkage);
    void ClearFields();
    void EnablePtzLink(bool enable);
    // Store the shown record, take the list's new choice, show the record again.
    void Reselect(int& current, const ui::ComboBox& list);

    int m_nInputCount = 0;    // M, 0..32
    int m_nChannelCount = 0;  // N, 0..32
    int m_nCurrentInput = -1;
    int m_nCurrentCamera = -1;
    // Values bound to CheckPtzLinkEnable and EditPtzLinkNO.
    int m_nPtzLinkEnable = 0;
    int m_nPtzLinkNumber = 0;

    ui::ComboBox m_cmbInput, m_cmbCopyToInput, m_cmbDeviceType, m_cmbCamera, m_cmbPtzLinkType;
    ui::Button m_chkPtzLinkEnable;
    ui::Window m_editPtzLinkNumber;
    ui::CSkinButton m_btnCopyInput;
    ui::CSkinGroupBox m_grpPtzLink;
};

}  // namespace vela::pages
