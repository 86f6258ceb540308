// The Channel page's encoding fields: the lists the capacity leaves for the selected stream,
// and their store into a channel's block of record 68. UI thread.
#include <string>

#include "pages/channel/channel_records.h"
#include "pages/channel/dvs_cfg_channel.h"

namespace vela::pages {

using namespace channel;  // NOLINT(google-build-using-namespace): the page's own constants

namespace {

template <typename TextOf>
void Fill(ui::ComboBox& list, const ListChoice& choice, TextOf textOf) {
    list.ResetContent();
    for (int value : choice.entries) list.SetItemData(list.AddString(textOf(value)), value);
    list.SetCurSel(choice.selected);
}

std::string Number(int value) {
    return std::to_string(value);
}

// A list without selection leaves the field as the device sent it.
void StoreItemData(const ui::ComboBox& list, uint8_t* block, size_t offset) {
    const int position = list.GetCurSel();
    if (position >= 0) WriteI32(block, offset, static_cast<int32_t>(list.GetItemData(position)));
}

}  // namespace

CapacityRecords CDvsCfgChannel::CapacityOf(const Records& records) const {
    CapacityRecords capacity;
    capacity.encoding = records.encoding;
    capacity.capability = records.capability;
    capacity.channelCount = CapacityChannelCount(records.deviceInfo);
    capacity.ntsc = m_bNtsc;
    capacity.subStreamBudget = m_bSubStreamBudget;
    return capacity;
}

Stream CDvsCfgChannel::SelectedStreamKind() const {
    return m_nStream == 1 ? Stream::kSub : Stream::kMain;
}

// The raise to the channel's lowest resolution is written into the record here, before the
// lists are built from it.
void CDvsCfgChannel::LoadEncoding(const Records& records) {
    const Stream stream = SelectedStreamKind();
    const EncodingOptions options = BuildEncodingOptions(CapacityOf(records), m_nChannel, stream);
    const StreamBlock block(records.encoding, m_nChannel, stream);
    m_radMain.SetCheck(stream == Stream::kMain ? 1 : 0);
    m_radSub.SetCheck(stream == Stream::kSub ? 1 : 0);
    m_nVideo = block.VideoOn() ? 1 : 0;
    m_nAudio = block.AudioOn() ? 1 : 0;
    Fill(m_cmbFrameRate, options.frameRates, Number);
    m_cmbQuality.SetCurSel(options.quality);
    m_cmbInterval.SetCurSel(options.interval);
    Fill(m_cmbResolution, options.resolutions,
         [this](int resolution) { return m_arrResolutionNames[resolution]; });
    m_cmbBitRateControl.SetCurSel(options.bitRateControl);
    Fill(m_cmbBitRate, options.bitRates.list, Number);
    m_cmbBitRate.EnableWindow(options.bitRates.enabled);
    // The main stream's video is always on.
    m_chkVideo.EnableWindow(stream == Stream::kSub);
}

void CDvsCfgChannel::StoreEncoding(const Records& records, int channel) const {
    const Stream stream = SelectedStreamKind();
    uint8_t* block = records.encoding + StreamBlockOffset(channel, stream);
    StoreItemData(m_cmbFrameRate, block, kFrameRateOffset);
    StoreItemData(m_cmbQuality, block, kQualityOffset);
    StoreItemData(m_cmbInterval, block, kIntervalOffset);
    StoreItemData(m_cmbResolution, block, kResolutionOffset);
    StoreItemData(m_cmbBitRateControl, block, kBitRateControlOffset);
    StoreItemData(m_cmbBitRate, block, kBitRateOffset);
    StoreFlag(block, kAudioOnOffset, m_nAudio != 0);
    StoreFlag(block, kVideoOnOffset, stream == Stream::kMain || m_nVideo != 0);
}

}  // namespace vela::pages
