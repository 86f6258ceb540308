// The Channel alarm page's exchange with the records: the live view of the shown channel, load
// and store of the three alarm types with the motion area, and the copies. UI thread.
#include <algorithm>
#include <array>

#include "device/dvs_device.h"
#include "pages/alarm/alarm_records.h"
#include "pages/alarm/dvs_cfg_alarm.h"
#include "platform/bytes.h"

namespace vela::pages {

using namespace alarm;  // NOLINT(google-build-using-namespace): the records the page edits

namespace {

// The table of each alarm type, by type.
constexpr const AlarmTable* kTypeTables[] = {&kMotionTable, &kLevelTable, &kPlainTable};

using AreaWords = std::array<uint32_t, kAreaWords>;

AreaWords ReadArea(const uint8_t* motion) {
    AreaWords words{};
    for (int r = 0; r < kAreaWords; ++r) words[r] = ReadU32(motion, AreaWordOffset(r));
    return words;
}

// The sensitivity entry of a level; none for a level the list does not have.
int LevelEntry(int32_t level) {
    return level >= kMinLevel && level <= kMaxLevel ? level - kMinLevel : -1;
}

}  // namespace

CDvsCfgAlarm::Record CDvsCfgAlarm::CurrentRecord() {
    device::CDvsDevice* device = Context().device;
    uint8_t* group = device ? device->GetRecordGroup(kAlarmGroup) : nullptr;
    if (!group || m_nCurrentChannel < 0 || m_nCurrentChannel >= m_nChannelCount ||
        m_nAlarmType < 0 || m_nAlarmType >= kAlarmTypeCount)
        return {nullptr, nullptr};
    const AlarmTable& table = *kTypeTables[m_nAlarmType];
    uint8_t* record = group + RecordOffset(table, m_nCurrentChannel);
    return {record, record + table.linkageOffset};
}

bool CDvsCfgAlarm::GridSize(int& rows, int& columns) {
    const uint8_t* group = Context().device->GetRecordGroup(kAlarmGroup);
    rows = ReadI32(group + kGridSizeOffset, kGridRowsOffset);
    columns = ReadI32(group + kGridSizeOffset, kGridColumnsOffset);
    return rows > 0 && columns > 0;
}

int CDvsCfgAlarm::UpdateRecords(int bSave, int keepPreview) {
    if (!IsWindow()) return 0;
    if (bSave != 0 && keepPreview == kStopPreview) {
        StopPreview();
        m_nShownChannel = -1;
    }
    const Record record = CurrentRecord();
    if (!record.bytes) {
        m_nEnable = 0;
        m_chkEnable.SetCheck(0);
        m_linkage.Clear(false);
        ApplyEnabling();
        return 0;
    }
    if (bSave == 0)
        Show(record);
    else
        Store(record);
    ApplyEnabling();
    return 1;
}

void CDvsCfgAlarm::Show(const Record& record) {
    m_cmbChannel.SetCurSel(m_nCurrentChannel);
    ShowPreview();
    m_nEnable = ReadU8(record.bytes, kEnableOffset) != 0 ? 1 : 0;
    if (m_nAlarmType == kMotion) ShowArea(record.bytes);
    if (m_nAlarmType != kMotion) m_playWnd.SetAreaMode(m_nAlarmType);  // no grid
    if (m_nAlarmType != kPlain)
        m_cmbSensitivity.SetCurSel(LevelEntry(ReadI32(record.bytes, kLevelOffset)));
    m_cmbAlarmType.SetCurSel(m_nAlarmType);
    m_linkage.Show(record.linkage);
    m_chkEnable.SetCheck(m_nEnable);
    m_nShownChannel = m_nCurrentChannel;
}

// A grid size the device reports as 0 or less leaves no grid to show or edit: the area words
// stay as they are.
void CDvsCfgAlarm::ShowArea(const uint8_t* motion) {
    int rows = 0, columns = 0;
    if (!GridSize(rows, columns)) {
        m_playWnd.SetAreaMode(ui::kAreaModeRectangle);
        return;
    }
    m_playWnd.SetGridSize(rows, columns);  // cut to the 32 x 32 the words hold
    m_playWnd.LoadGridBits(ReadArea(motion).data(), ui::kAreaModeGrid);
}

void CDvsCfgAlarm::Store(const Record& record) {
    m_nEnable = m_chkEnable.GetCheck() != 0 ? 1 : 0;
    if (m_nAlarmType == kMotion) StoreArea(record.bytes);
    WriteU8(record.bytes, kEnableOffset, m_nEnable ? 1 : 0);
    // Without an entry (the device's level was not one of the list's) the level stays.
    const int entry = m_cmbSensitivity.GetCurSel();
    if (m_nAlarmType != kPlain && entry >= 0)
        WriteI32(record.bytes, kLevelOffset, entry + kMinLevel);
    m_linkage.Store(record.linkage);
}

// The grid's rows; the words below them keep their values.
void CDvsCfgAlarm::StoreArea(uint8_t* motion) {
    int rows = 0, columns = 0;
    if (!GridSize(rows, columns)) return;
    AreaWords words = ReadArea(motion);
    m_playWnd.StoreGridBits(words.data());
    for (int r = 0; r < kAreaWords; ++r) WriteU32(motion, AreaWordOffset(r), words[r]);
}

// A live view of another channel is replaced; one of this channel keeps running.
void CDvsCfgAlarm::ShowPreview() {
    if (m_hPreview > 0 && m_nPreviewChannel == m_nCurrentChannel) return;
    StopPreview();
    device::CDvsDevice& device = *Context().device;
    m_hPreview =
        device.StartPreview(m_nCurrentChannel, m_playWnd.PlayTarget(), device.StreamType());
    if (m_hPreview > 0) m_nPreviewChannel = m_nCurrentChannel;
}

// The flash belonged to the picture that stops.
void CDvsCfgAlarm::StopPreview() {
    if (m_hPreview <= 0) return;
    if (Context().device) Context().device->StopPreview();
    m_hPreview = 0;
    m_nPreviewChannel = -1;
    m_playWnd.SetAlarmFlash(false);
}

}  // namespace vela::pages
