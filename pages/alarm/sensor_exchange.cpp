// The Sensor page's exchange with the alarm-input records: load, store, the PTZ link of the
// chosen camera, the page without an input, and the copy to other inputs. UI thread.
#include "device/dvs_device.h"
#include "pages/alarm/alarm_records.h"
#include "pages/alarm/dvs_cfg_sensor.h"
#include "pages/alarm/sensor_controls.h"
#include "platform/bytes.h"

namespace vela::pages {

using namespace alarm;  // NOLINT(google-build-using-namespace): the records the page edits

namespace {

// The list entry of a stored index; none for an index the list does not have.
int Entry(int32_t value, int count) {
    return value >= 0 && value < count ? value : -1;
}

}  // namespace

uint8_t* CDvsCfgSensor::CurrentRecord() {
    device::CDvsDevice* device = Context().device;
    uint8_t* group = device ? device->GetRecordGroup(kAlarmGroup) : nullptr;
    if (!group || m_nCurrentInput < 0 || m_nCurrentInput >= m_nInputCount) return nullptr;
    return group + RecordOffset(kInputTable, m_nCurrentInput);
}

int CDvsCfgSensor::UpdateRecords(int bSave, int /*keepPreview*/) {
    if (!IsWindow()) return 0;
    uint8_t* record = CurrentRecord();
    if (!record) {
        ClearFields();
        return 0;
    }
    if (bSave == 0) {
        Show(record);
        return 1;
    }
    Store(record);
    return 1;
}

// Nothing to show: no day, pickers at 00:00, and nothing enabled, CheckEnable included.
void CDvsCfgSensor::ClearFields() {
    m_nEnable = 0;
    m_linkage.Clear(true);
    UpdateData(false);
    m_chkEnable.EnableWindow(false);
    ApplyEnabling();
}

void CDvsCfgSensor::Show(const uint8_t* record) {
    const uint8_t* linkage = record + kInputTable.linkageOffset;
    m_cmbInput.SetCurSel(m_nCurrentInput);
    m_cmbCamera.SetCurSel(m_nCurrentCamera);
    m_cmbDeviceType.SetCurSel(Entry(ReadI32(record, kDeviceTypeOffset), sensor::kDeviceTypeCount));
    m_nEnable = ReadU8(record, kEnableOffset) != 0 ? 1 : 0;
    m_linkage.Show(linkage);
    m_nPtzLinkEnable = ReadU8(linkage, kPtzLinkEnableOffset) != 0 ? 1 : 0;
    ShowPtzLink(linkage);
    ApplyEnabling();
    UpdateData(false);
}

void CDvsCfgSensor::ShowPtzLink(const uint8_t* linkage) {
    if (!HasCamera()) {
        m_cmbPtzLinkType.SetCurSel(-1);
        m_editPtzLinkNumber.SetWindowText("");
        return;
    }
    const uint8_t* link = linkage + PtzLinkOffset(m_nCurrentCamera);
    m_cmbPtzLinkType.SetCurSel(Entry(ReadI32(link, kPtzLinkTypeOffset), sensor::kPtzLinkTypeCount));
    m_nPtzLinkNumber = ReadI32(link, kPtzLinkNumberOffset);
}

// A refused link number has been reported by the exchange and keeps its last value; the
// store goes on with it. The enabling rules stay as they are.
void CDvsCfgSensor::Store(uint8_t* record) {
    UpdateData(true);
    uint8_t* linkage = record + kInputTable.linkageOffset;
    // Without an entry (the device's value was not one of the list's) the value stays.
    if (const int type = m_cmbDeviceType.GetCurSel(); type >= 0)
        WriteI32(record, kDeviceTypeOffset, type);
    WriteU8(record, kEnableOffset, m_nEnable ? 1 : 0);
    m_linkage.Store(linkage);
    WriteU8(linkage, kPtzLinkEnableOffset, m_nPtzLinkEnable ? 1 : 0);
    StorePtzLink(linkage);
}

void CDvsCfgSensor::StorePtzLink(uint8_t* linkage) {
    if (!HasCamera()) return;
    uint8_t* link = linkage + PtzLinkOffset(m_nCurrentCamera);
    if (const int type = m_cmbPtzLinkType.GetCurSel(); type >= 0)
        WriteI32(link, kPtzLinkTypeOffset, type);
    WriteI32(link, kPtzLinkNumberOffset, m_nPtzLinkNumber);
}

}  // namespace vela::pages
