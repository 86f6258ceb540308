// The Channel page's exchange with the records: load and store of the selected channel, the
// preview that follows it, titles, cover, date format and pre-record time, and blanking.
// UI thread.
#include "device/dvs_device.h"
#include "pages/channel/channel_records.h"
#include "pages/channel/channel_units.h"
#include "pages/channel/dvs_cfg_channel.h"
#include "platform/bytes.h"

namespace vela::pages {

using namespace channel;  // NOLINT(google-build-using-namespace): the page's own constants

namespace {

void StoreScaled(uint8_t* record, size_t offset, int pixels, int pictureSize) {
    if (const std::optional<int32_t> value = ToDeviceUnits(pixels, pictureSize))
        WriteI32(record, offset, *value);
}

// The list position of a stored value, or none when the list has no such position.
int PositionIn(const ui::ComboBox& list, int32_t value) {
    return value >= 0 && value < list.GetCount() ? value : kNoSelection;
}

// A cover edge still on the pixel the record puts it at keeps the record's value: a pixel spans
// more than one 1/8192 of the picture, so scaling it back (truncated) would move the edge up or
// left by a pixel at every Save that only looked, and send the record each time.
void StoreCoverEdge(uint8_t* titles, size_t offset, int pixels, int pictureSize) {
    if (ToPixels(ReadI32(titles, offset), pictureSize) == pixels) return;
    StoreScaled(titles, offset, pixels, pictureSize);
}

// A list without selection leaves the field as the device sent it.
void StoreListPosition(const ui::ComboBox& list, uint8_t* record, size_t offset) {
    const int position = list.GetCurSel();
    if (position >= 0) WriteI32(record, offset, position);
}

}  // namespace

bool CDvsCfgChannel::GetRecords(Records& records) const {
    device::CDvsDevice* device = Context().device;
    if (!device) return false;
    uint8_t* system = device->GetRecordGroup(kSystemGroup);
    uint8_t* encoding = device->GetRecordGroup(kEncodingGroup);
    records.titles = device->GetRecordGroup(kTitleGroup);
    records.schedule = device->GetRecordGroup(kScheduleGroup);
    if (!system || !encoding || !records.titles || !records.schedule) return false;
    records.deviceInfo = system;
    records.general = system + kGeneralRecordOffset;
    records.encoding = encoding + kEncodingRecordOffset;
    records.capability = encoding + kCapabilityRecordOffset;
    return true;
}

int CDvsCfgChannel::UpdateRecords(int bSave, int keepPreview) {
    if (!IsWindow()) return 0;
    if (bSave != 0 && keepPreview == kStopPreview) StopPreview();
    Records records;
    if (!GetRecords(records) || m_nChannel < 0 || m_nChannel >= m_nChannelCount) {
        Blank();
        return 0;
    }
    if (bSave == 0) {
        Load(records);
        return 1;
    }
    if (!m_bLoaded) return 0;  // a blanked page holds nothing of the device's
    // A refused number has been reported by the exchange and keeps its loaded value.
    UpdateData(true);
    Store(records, m_nChannel);
    return 1;
}

void CDvsCfgChannel::Load(const Records& records) {
    const uint8_t* titles = records.titles + kTitleEntrySize * static_cast<size_t>(m_nChannel);
    const uint8_t* schedule =
        records.schedule + kScheduleEntrySize * static_cast<size_t>(m_nChannel);
    m_cmbChannel.SetCurSel(m_nChannel);
    m_cmbDay.SetCurSel(m_nDay);
    m_strName = ReadText(titles, kNameOffset, kNameWidth);
    FollowPreview();
    LoadEncoding(records);
    LoadTitles(titles);
    m_cmbDateFormat.SetCurSel(
        PositionIn(m_cmbDateFormat, ReadI32(records.general, kDateFormatOffset)));
    LoadCover(titles);
    m_cmbPreRecord.SetCurSel(PositionIn(m_cmbPreRecord, ReadI32(schedule, kPreRecordOffset)));
    LoadSchedule(schedule);
    m_bLoaded = true;
    UpdateData(false);
    EnableVideoFields(m_nVideo != 0);
    EnableTitleFields();
}

// The values taken from the controls into `channel` (the selected one, or a copy's target):
// every field the page shows, the name only when this is no copy, the selected day's schedule.
void CDvsCfgChannel::Store(const Records& records, int channel) {
    uint8_t* titles = records.titles + kTitleEntrySize * static_cast<size_t>(channel);
    uint8_t* schedule = records.schedule + kScheduleEntrySize * static_cast<size_t>(channel);
    if (!m_bCopying && ReadText(titles, kNameOffset, kNameWidth) != m_strName)
        WriteText(titles, kNameOffset, kNameWidth, m_strName);
    StoreEncoding(records, channel);
    StoreTitles(titles);
    StoreListPosition(m_cmbDateFormat, records.general, kDateFormatOffset);
    StoreCover(titles);
    StoreListPosition(m_cmbPreRecord, schedule, kPreRecordOffset);
    StoreSchedule(records.schedule, channel, m_nDay);
}

void CDvsCfgChannel::LoadTitles(const uint8_t* titles) {
    m_nTimeTitle = ReadU8(titles, kTimeTitleShownOffset) != 0 ? 1 : 0;
    m_nNameTitle = ReadU8(titles, kNameTitleShownOffset) != 0 ? 1 : 0;
    m_nTimeX = TitleToPixels(ReadI32(titles, kTimeTitleXOffset), m_nPictureWidth);
    m_nTimeY = TitleToPixels(ReadI32(titles, kTimeTitleYOffset), m_nPictureHeight);
    m_nNameX = TitleToPixels(ReadI32(titles, kNameTitleXOffset), m_nPictureWidth);
    m_nNameY = TitleToPixels(ReadI32(titles, kNameTitleYOffset), m_nPictureHeight);
}

// The positions of a title that is off stay as they are.
void CDvsCfgChannel::StoreTitles(uint8_t* titles) const {
    StoreFlag(titles, kTimeTitleShownOffset, m_nTimeTitle != 0);
    StoreFlag(titles, kNameTitleShownOffset, m_nNameTitle != 0);
    if (m_nTimeTitle) {
        StoreScaled(titles, kTimeTitleXOffset, m_nTimeX, m_nPictureWidth);
        StoreScaled(titles, kTimeTitleYOffset, m_nTimeY, m_nPictureHeight);
    }
    if (m_nNameTitle) {
        StoreScaled(titles, kNameTitleXOffset, m_nNameX, m_nPictureWidth);
        StoreScaled(titles, kNameTitleYOffset, m_nNameY, m_nPictureHeight);
    }
}

void CDvsCfgChannel::LoadCover(const uint8_t* titles) {
    m_nCover = ReadU8(titles, kCoverOnOffset) == 1 || ReadU8(titles, kCoverOnCopyOffset) == 1;
    const ui::Rect area{ToPixels(ReadI32(titles, kCoverLeftOffset), m_nPictureWidth),
                        ToPixels(ReadI32(titles, kCoverTopOffset), m_nPictureHeight),
                        ToPixels(ReadI32(titles, kCoverRightOffset), m_nPictureWidth),
                        ToPixels(ReadI32(titles, kCoverBottomOffset), m_nPictureHeight)};
    m_wndPlay.EnableRectEdit(m_nCover != 0, false);
    m_wndPlay.SetAreaRect(area);
}

// Both cover bytes follow the check box once it differs from what they meant.
void CDvsCfgChannel::StoreCover(uint8_t* titles) {
    ui::Rect area;
    m_wndPlay.GetAreaRect(area);
    const bool wasOn =
        ReadU8(titles, kCoverOnOffset) == 1 || ReadU8(titles, kCoverOnCopyOffset) == 1;
    if (wasOn != (m_nCover != 0)) {
        WriteU8(titles, kCoverOnOffset, m_nCover ? 1 : 0);
        WriteU8(titles, kCoverOnCopyOffset, m_nCover ? 1 : 0);
    }
    StoreCoverEdge(titles, kCoverLeftOffset, area.left, m_nPictureWidth);
    StoreCoverEdge(titles, kCoverTopOffset, area.top, m_nPictureHeight);
    StoreCoverEdge(titles, kCoverRightOffset, area.right, m_nPictureWidth);
    StoreCoverEdge(titles, kCoverBottomOffset, area.bottom, m_nPictureHeight);
}

// The preview shows the selected channel and stream; a start that fails leaves none.
void CDvsCfgChannel::FollowPreview() {
    device::CDvsDevice* device = Context().device;
    const bool running = m_nPreviewHandle > 0;
    if (running && m_nPreviewChannel == m_nChannel && m_nPreviewStream == m_nStream) return;
    if (running) StopPreview();
    const int32_t handle = device->StartPreview(m_nChannel, m_wndPlay.PlayTarget(), m_nStream);
    if (handle <= 0) return;
    m_nPreviewHandle = handle;
    m_nPreviewChannel = m_nChannel;
    m_nPreviewStream = m_nStream;
}

void CDvsCfgChannel::StopPreview() {
    if (m_nPreviewHandle <= 0) return;
    if (Context().device) Context().device->StopPreview();
    m_nPreviewHandle = 0;
    m_nPreviewChannel = m_nPreviewStream = 0;
}

// Nothing of a device shows, and nothing is stored until a load fills the page again.
void CDvsCfgChannel::Blank() {
    m_strName.clear();
    m_nVideo = m_nAudio = m_nTimeTitle = m_nNameTitle = m_nCover = 0;
    m_nTimeX = m_nTimeY = m_nNameX = m_nNameY = -1;
    m_nChannel = -1;
    m_bLoaded = false;
    for (ui::ComboBox* list : {&m_cmbChannel, &m_cmbCopyToChannel, &m_cmbFrameRate, &m_cmbQuality,
                               &m_cmbInterval, &m_cmbResolution, &m_cmbBitRateControl,
                               &m_cmbDateFormat, &m_cmbDay, &m_cmbCopyToDay, &m_cmbPreRecord})
        list->SetCurSel(kNoSelection);
    for (int row = 0; row < kPeriodRows; ++row) {
        for (ui::TimePicker* picker : {&m_arrStart[row], &m_arrStop[row]}) {
            platform::DateTime time = picker->GetTime();
            time.hour = time.minute = 0;
            picker->SetTime(time);
        }
    }
    m_wndPlay.EnableRectEdit(false, false);
    UpdateData(false);
}

}  // namespace vela::pages
