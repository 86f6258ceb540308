// The Channel page's user events: channel, stream and day switches, the lists whose choice
// changes what the others offer, the check boxes that enable fields, and the copy to other
// channels. UI thread.
#include "pages/channel/dvs_cfg_channel.h"

namespace vela::pages {

using namespace channel;  // NOLINT(google-build-using-namespace): the page's own constants

// The shown values are stored before `selected` becomes `next` and the page shows it. The
// new position is read before the store: storing a page that has to blank itself clears the
// lists.
void CDvsCfgChannel::ShowOther(int& selected, int next, int keepPreview) {
    UpdateRecords(1, keepPreview);
    selected = next;
    UpdateRecords(0, kKeepPreview);
}

void CDvsCfgChannel::OnStreamClicked(int stream) {
    ShowOther(m_nStream, stream, kKeepPreview);
    EnableVideoFields(m_nVideo != 0);
}

// Resolution, bit-rate control, quality, frame rate and interval change what the capacity
// leaves for the others: the lists are built again from the stored choice.
void CDvsCfgChannel::StoreAndLoad() {
    UpdateRecords(1, kKeepPreview);
    UpdateRecords(0, kKeepPreview);
}

// Without video the stream sends no sound either.
void CDvsCfgChannel::OnVideoClicked() {
    m_nVideo = m_chkVideo.GetCheck();
    EnableVideoFields(m_nVideo != 0);
    if (m_nVideo != 0) return;
    m_nAudio = 0;
    m_chkAudio.SetCheck(0);
}

void CDvsCfgChannel::EnableVideoFields(bool videoOn) {
    EnableAll(kVideoFields, std::size(kVideoFields), videoOn);
}

void CDvsCfgChannel::EnableTitleFields() {
    EnableAll(kTimeTitleFields, std::size(kTimeTitleFields), m_chkTimeTitle.GetCheck() != 0);
    EnableAll(kNameTitleFields, std::size(kNameTitleFields), m_chkNameTitle.GetCheck() != 0);
}

void CDvsCfgChannel::EnableAll(const int* ids, size_t count, bool enable) {
    for (size_t i = 0; i < count; ++i) System().EnableWindow(GetDlgItem(ids[i]), enable);
}

// The shown settings, except the channel name, into one other channel or every other one
// (the last entry of "CopyToCH"), with the selected day's schedule; the shown channel stays
// and nothing is loaded.
void CDvsCfgChannel::OnCopyToChannel() {
    Records records;
    if (!m_bLoaded || !GetRecords(records)) return;
    const int target = m_cmbCopyToChannel.GetCurSel();
    if (target < 0 || target == m_nChannel || target > m_nChannelCount) return;
    UpdateData(true);
    m_bCopying = true;
    for (int channel = 0; channel < m_nChannelCount; ++channel)
        if (channel != m_nChannel && (target == m_nChannelCount || channel == target))
            Store(records, channel);
    m_bCopying = false;
}

}  // namespace vela::pages
