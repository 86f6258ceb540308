// The Sensor page's window: placement, captions, lists, the enabling rules and the user's
// events.
#include "pages/alarm/dvs_cfg_sensor.h"

#include <algorithm>
#include <initializer_list>

#include "pages/alarm/alarm_records.h"
#include "pages/alarm/alarm_templates.h"
#include "pages/alarm/sensor_controls.h"
#include "ui/data_exchange.h"
#include "ui/text_resources.h"

namespace vela::pages {

using namespace alarm::sensor;  // NOLINT(google-build-using-namespace): the page's keys
using alarm::kSensorTemplate;

CDvsCfgSensor::CDvsCfgSensor() : CAlarmPage(kSensorTemplate, kBackgroundName, kCopyWeekKey) {
    OnSelChange(IdOf(kInputKey), [this] { Reselect(m_nCurrentInput, m_cmbInput); });
    OnSelChange(IdOf(kCameraKey), [this] { Reselect(m_nCurrentCamera, m_cmbCamera); });
    OnClicked(IdOf(kPtzLinkEnableKey), [this] {
        m_nPtzLinkEnable = m_chkPtzLinkEnable.GetCheck() != 0 ? 1 : 0;
        EnablePtzLink(m_nPtzLinkEnable != 0);
    });
    // The other inputs take the link of the shown camera only; their other links stay.
    OnClicked(IdOf(kCopyInputKey), [this] {
        CopyToSlots(m_cmbCopyToInput.GetCurSel(), m_nInputCount, m_nCurrentInput);
    });
}

// UI thread.
bool CDvsCfgSensor::OnInitDialog() {
    using alarm::LabelSide;
    m_nInputCount = std::clamp(Context().alarmInputCount, 0, alarm::kTableSlots);
    m_nChannelCount = std::clamp(Context().channelCount, 0, alarm::kTableSlots);
    SetUpPage({{"StaticAlarmInNO", kInputKey, LabelSide::kLeft},
               {"StaticEnable", kEnableKey, LabelSide::kLeft},
               {"StaticCopyToAlarmInNO", kCopyToInputKey, LabelSide::kLeft},
               {"StaticDevType", kDeviceTypeKey, LabelSide::kLeft},
               {"StaticPtzLinkEnable", kPtzLinkEnableKey, LabelSide::kLeft},
               {"StaticCHNO", kCameraKey, LabelSide::kLeft},
               {"StaticPtzLinkType", kPtzLinkTypeKey, LabelSide::kLeft},
               {"StaticPtzLinkNO", kPtzLinkNumberKey, LabelSide::kLeft}},
              m_nChannelCount);
    alarm::SetUpSkinButton(*this, kSensorTemplate, m_btnCopyInput, kCopyInputKey);
    alarm::SetUpGroupBox(*this, kSensorTemplate, m_grpPtzLink, kPtzLinkGroupKey);
    m_cmbInput.Attach(GetDlgItem(IdOf(kInputKey)));
    m_cmbCopyToInput.Attach(GetDlgItem(IdOf(kCopyToInputKey)));
    m_cmbDeviceType.Attach(GetDlgItem(IdOf(kDeviceTypeKey)));
    m_cmbCamera.Attach(GetDlgItem(IdOf(kCameraKey)));
    m_cmbPtzLinkType.Attach(GetDlgItem(IdOf(kPtzLinkTypeKey)));
    m_chkPtzLinkEnable.Attach(GetDlgItem(IdOf(kPtzLinkEnableKey)));
    m_editPtzLinkNumber.Attach(GetDlgItem(IdOf(kPtzLinkNumberKey)));

    alarm::FillNumbers(m_cmbInput, m_nInputCount);
    alarm::FillNumbers(m_cmbCopyToInput, m_nInputCount);
    if (m_nInputCount >= 1)
        alarm::AddKeyed(m_cmbCopyToInput, kCopyListSection, kAllInputsEntry, m_nInputCount);
    alarm::FillKeyed(m_cmbDeviceType, kSensorListSection, kDeviceTypeEntry, kDeviceTypeCount);
    alarm::FillNumbers(m_cmbCamera, m_nChannelCount);
    alarm::FillKeyed(m_cmbPtzLinkType, kSensorListSection, kPtzLinkTypeEntry, kPtzLinkTypeCount);
    m_nCurrentInput = 0;
    m_linkage.SetShownDay(0);
    if (m_nChannelCount >= 1) m_nCurrentCamera = 0;
    return true;
}

// The number is bound last: a bad entry is reported and stops the exchange after the check
// boxes have been taken. Without a camera there is no link number to show or take.
void CDvsCfgSensor::DoDataExchange(ui::DataExchange& dx) {
    ui::DdxCheck(dx, IdOf(kEnableKey), m_nEnable);
    ui::DdxCheck(dx, IdOf(kPtzLinkEnableKey), m_nPtzLinkEnable);
    if (HasCamera()) ui::DdxText(dx, IdOf(kPtzLinkNumberKey), m_nPtzLinkNumber);
}

uint8_t* CDvsCfgSensor::CurrentLinkage() {
    uint8_t* record = CurrentRecord();
    return record ? record + alarm::kInputTable.linkageOffset : nullptr;
}

void CDvsCfgSensor::ApplyEnabling() {
    const bool enabled = m_nEnable != 0;
    const std::initializer_list<ui::Window*> followers = {&m_cmbDeviceType, &m_cmbCopyToInput,
                                                          &m_chkPtzLinkEnable};
    for (ui::Window* control : followers) control->EnableWindow(enabled);
    m_linkage.ApplyEnabling(enabled);
    EnablePtzLink(enabled && m_nPtzLinkEnable != 0);
}

// A device without cameras has no link to edit.
void CDvsCfgSensor::EnablePtzLink(bool enable) {
    const bool editable = enable && HasCamera();
    m_cmbCamera.EnableWindow(editable);
    m_cmbPtzLinkType.EnableWindow(editable);
    m_editPtzLinkNumber.EnableWindow(editable);
}

void CDvsCfgSensor::Reselect(int& current, const ui::ComboBox& list) {
    UpdateRecords(1, kKeepPreview);
    current = list.GetCurSel();
    UpdateRecords(0, kKeepPreview);
}

}  // namespace vela::pages
