// The PTZ page's exchange with the decoder records: show and store the selected channel, the
// live picture that follows it, clearing, the channel change and the copy to other channels.
// UI thread.
#include <algorithm>

#include "device/dvs_device.h"
#include "pages/ptz/dvs_cfg_yt.h"
#include "pages/ptz/ptz_records.h"
#include "pages/ptz/ptz_skin.h"
#include "platform/bytes.h"
#include "ui/skin_values.h"

namespace vela::pages {

using namespace ptz;  // NOLINT(google-build-using-namespace): the page's own constants

namespace {

int ProtocolCount(const uint8_t* group) {
    return std::clamp(ReadI32(group, protocols::kGroupOffset + protocols::kCount), 0,
                      protocols::kCapacity);
}

std::string ProtocolName(const uint8_t* group, int index) {
    return ReadText(group,
                    protocols::kGroupOffset + protocols::kNames +
                        static_cast<size_t>(index) * protocols::kNameWidth,
                    protocols::kNameWidth);
}

}  // namespace

uint8_t* CDvsCfgYt::RecordGroup() const {
    device::CDvsDevice* device = Context().device;
    return device ? device->GetRecordGroup(kPtzRecordGroup) : nullptr;
}

int CDvsCfgYt::UpdateRecords(int bSave, int keepPreview) {
    if (!IsWindow()) return 0;
    uint8_t* group = RecordGroup();
    if (!group || m_nChannel < 0 || m_nChannel >= m_nChannelCount) {
        ClearPage();
        return 0;
    }
    if (bSave)
        Store(group, keepPreview);
    else
        Load(group);
    m_dlgPreset.ExchangePresets(bSave);
    m_dlgTour.ExchangeTourGroup(bSave);
    return 1;
}

void CDvsCfgYt::Load(uint8_t* group) {
    const uint8_t* decoder = group + decoder::Offset(m_nChannel);
    m_cmbChannel.SetCurSel(m_nChannel);
    m_plan.FillPresets(Presets());
    m_plan.Load(PlanSlots());
    ShowLivePicture();
    LoadProtocol(group, decoder);
    m_editAddress.SetWindowText(NumberText(ReadI32(decoder, decoder::kAddress)));
    LoadBaudRate(decoder);
    int32_t speed =
        ReadI32(m_arrPresetImage.data(), ::vela::ptz::preset_image::SpeedOffset(m_nChannel));
    if (speed < 1 || speed > kSpeedEntryCount) speed = kDefaultSpeed;
    m_cmbSpeed.SetCurSel(speed - 1);
    m_bShown = true;
}

// The device's list in its order; a name the list lacks is shown as it is, so that storing
// keeps it unless the user picks another.
void CDvsCfgYt::LoadProtocol(const uint8_t* group, const uint8_t* decoder) {
    const std::string current = ReadText(decoder, decoder::kProtocol, decoder::kProtocolWidth);
    m_cmbProtocol.ResetContent();
    const int count = ProtocolCount(group);
    for (int i = 0; i < count; ++i)
        m_cmbProtocol.SetItemData(m_cmbProtocol.AddString(ProtocolName(group, i)), i);
    const int listed = FindExactEntry(m_cmbProtocol, current);
    m_cmbProtocol.SetCurSel(listed);
    if (listed < 0) m_cmbProtocol.SetWindowText(current);
}

// The entry of exactly this rate, or the record's own value in the field: never the rate
// another channel showed before.
void CDvsCfgYt::LoadBaudRate(const uint8_t* decoder) {
    const std::string rate = NumberText(ReadI32(decoder, decoder::kBaudRate));
    const int listed = FindExactEntry(m_cmbBaudRate, rate);
    m_cmbBaudRate.SetCurSel(listed);
    if (listed < 0) m_cmbBaudRate.SetWindowText(rate);
}

// What the controls show (a listed or typed protocol, the rate and address read leniently) goes
// into the selected channel's record; bytes 36 to 55 stay as the device sent them.
void CDvsCfgYt::Store(uint8_t* group, int keepPreview) {
    if (keepPreview == kStopPreview) StopLivePicture();
    uint8_t* decoder = group + decoder::Offset(m_nChannel);
    WriteText(decoder, decoder::kProtocol, decoder::kProtocolWidth, m_cmbProtocol.GetWindowText());
    WriteI32(decoder, decoder::kBaudRate,
             ui::ParseLenientInt(m_cmbBaudRate.GetWindowText().c_str()));
    WriteI32(decoder, decoder::kAddress,
             ui::ParseLenientInt(m_editAddress.GetWindowText().c_str()));
}

// The selected channel's live picture: started when none runs, replaced when another channel's
// runs; a start that fails leaves the window dark until the next show.
void CDvsCfgYt::ShowLivePicture() {
    device::CDvsDevice* device = Context().device;
    if (!device) return;
    if (m_hLiveView > 0 && m_nLiveChannel == m_nChannel) return;
    if (m_hLiveView > 0) StopLivePicture();
    const int32_t handle =
        device->StartPreview(m_nChannel, m_wndPlay.PlayTarget(), device->StreamType());
    m_hLiveView = handle;
    if (handle > 0) m_nLiveChannel = m_nChannel;
}

void CDvsCfgYt::StopLivePicture() {
    if (m_hLiveView <= 0) return;
    if (Context().device) Context().device->StopPreview();
    m_hLiveView = 0;
}

// Nothing to show: no selections, no plan rows (the plan entries stay).
void CDvsCfgYt::ClearPage() {
    for (ui::ComboBox* combo : {&m_cmbChannel, &m_cmbProtocol, &m_cmbBaudRate, &m_cmbCopyTo})
        combo->SetCurSel(-1);
    m_plan.ClearControls();
}

// The speed is not part of this exchange: only Save stores it.
void CDvsCfgYt::OnChannelChange() {
    UpdateRecords(1, kStopPreview);
    m_nChannel = m_cmbChannel.GetCurSel();
    UpdateRecords(0, kKeepPreview);
}

// The decoder controls go into the target channel's record, or every other channel's; the
// panels' home choice and shown tour go with them, matched by preset name.
void CDvsCfgYt::OnCopyToChannel() {
    const int target = m_cmbCopyTo.GetCurSel();
    if (target < 0 || target == m_nChannel || m_nChannel < 0) return;
    const int selected = m_nChannel;
    for (int channel = 0; channel < m_nChannelCount; ++channel) {
        if (channel == selected || (target < m_nChannelCount && channel != target)) continue;
        m_nChannel = channel;
        UpdateRecords(1, kKeepPreview);
    }
    m_nChannel = selected;
}

}  // namespace vela::pages
