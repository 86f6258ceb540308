// The Sensor page's window: placement, captions, lists, the enabling rules and the user's
// events.
#include "pages/alarm/dvs_cfg_sensor.h"

#include <algorithm>
#include <initializer_list>

#include "device/dvs_device.h"
#include "pages/alarm/alarm_records.h"
#include "pages/alarm/alarm_templates.h"
#include "pages/alarm/sensor_controls.h"
#include "ui/data_exchange.h"
#include "ui/text_resources.h"

namespace vela::pages {

using namespace alarm::sensor;  // NOLINT(google-build-using-namespace): the page's keys
using alarm::ControlId;
using alarm::kSensorTemplate;

namespace {

std::vector<alarm::LabelRule> LabelRules() {
    using alarm::LabelSide;
    std::vector<alarm::LabelRule> rules = {
        {"StaticAlarmInNO", kInputKey, LabelSide::kLeft},
        {"StaticEnable", kEnableKey, LabelSide::kLeft},
        {"StaticCopyToAlarmInNO", kCopyToInputKey, LabelSide::kLeft},
        {"StaticDevType", kDeviceTypeKey, LabelSide::kLeft},
        {"StaticPtzLinkEnable", kPtzLinkEnableKey, LabelSide::kLeft},
        {"StaticCHNO", kCameraKey, LabelSide::kLeft},
        {"StaticPtzLinkType", kPtzLinkTypeKey, LabelSide::kLeft},
        {"StaticPtzLinkNO", kPtzLinkNumberKey, LabelSide::kLeft},
    };
    for (alarm::LabelRule& rule : alarm::CAlarmLinkage::LabelRules()) rules.push_back(rule);
    return rules;
}

int IdOf(const char* key) {
    return ControlId(kSensorTemplate, key);
}

}  // namespace

CDvsCfgSensor::CDvsCfgSensor()
    : CConsolePage(kSensorTemplate),
      m_linkage(kSensorTemplate, kCopyWeekKey),
      m_skinPage(alarm::PaintedLabelIds(kSensorTemplate)) {
    OnSelChange(IdOf(kInputKey), [this] { Reselect(m_nCurrentInput, m_cmbInput); });
    OnSelChange(IdOf(kCameraKey), [this] { Reselect(m_nCurrentCamera, m_cmbCamera); });
    OnSelChange(m_linkage.WeekId(), [this] {
        UpdateRecords(1, kKeepPreview);
        m_linkage.SetShownDay(m_linkage.ChosenDay());
        UpdateRecords(0, kKeepPreview);
    });
    OnClicked(IdOf(kEnableKey), [this] {
        m_nEnable = m_chkEnable.GetCheck() != 0 ? 1 : 0;
        ApplyEnabling();
    });
    OnClicked(m_linkage.TriggerId(), [this] { m_linkage.OnTriggerClicked(); });
    OnClicked(IdOf(kPtzLinkEnableKey), [this] {
        m_nPtzLinkEnable = m_chkPtzLinkEnable.GetCheck() != 0 ? 1 : 0;
        EnablePtzLink(m_nPtzLinkEnable != 0);
    });
    OnClicked(IdOf(kCopyInputKey), [this] { CopyToInputs(); });
    OnClicked(m_linkage.CopyWeekId(), [this] {
        if (uint8_t* record = CurrentRecord())
            m_linkage.CopyWeek(record + alarm::kInputTable.linkageOffset);
    });
}

// UI thread.
bool CDvsCfgSensor::OnInitDialog() {
    const ui::ResourcePaths& paths = ui::g_ResourcePaths;
    ui::LoadPageBackground(m_dibBackground, kBackgroundName, paths.languageFolder);
    ui::PlaceDialog(m_hWnd, ui::kDialogPositionKey, m_dibBackground, kSensorTemplate.section,
                    paths.controlPosFile);
    alarm::SetUpSkinButton(*this, kSensorTemplate, m_btnCopyInput, kCopyInputKey);
    alarm::PlaceTemplateControls(*this, kSensorTemplate);
    m_bAlignLabels = alarm::ApplyLabels(*this, kSensorTemplate, LabelRules());
    alarm::SetUpGroupBox(*this, kSensorTemplate, m_grpPtzLink, kPtzLinkGroupKey);

    m_cmbInput.Attach(GetDlgItem(IdOf(kInputKey)));
    m_cmbCopyToInput.Attach(GetDlgItem(IdOf(kCopyToInputKey)));
    m_cmbDeviceType.Attach(GetDlgItem(IdOf(kDeviceTypeKey)));
    m_cmbCamera.Attach(GetDlgItem(IdOf(kCameraKey)));
    m_cmbPtzLinkType.Attach(GetDlgItem(IdOf(kPtzLinkTypeKey)));
    m_chkEnable.Attach(GetDlgItem(IdOf(kEnableKey)));
    m_chkPtzLinkEnable.Attach(GetDlgItem(IdOf(kPtzLinkEnableKey)));
    m_editPtzLinkNumber.Attach(GetDlgItem(IdOf(kPtzLinkNumberKey)));

    const device::CDvsDevice* device = Context().device;
    m_nInputCount = std::clamp(Context().alarmInputCount, 0, alarm::kTableSlots);
    m_nChannelCount = std::clamp(Context().channelCount, 0, alarm::kTableSlots);
    m_linkage.Init(*this, m_nChannelCount, device ? device->AlarmOutputCount() : 0);

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

bool CDvsCfgSensor::OnCtlColor(int id, platform::ControlColors& colors) {
    return m_skinPage.ControlColors(id, colors);
}

bool CDvsCfgSensor::OnEraseBkgnd(platform::Canvas& canvas) {
    return m_skinPage.EraseBackground(m_hWnd, canvas);
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
