// The Channel alarm page's window: placement, captions, lists, the play window, the enabling
// rules and the user's events.
#include "pages/alarm/dvs_cfg_alarm.h"

#include <algorithm>

#include "pages/alarm/alarm_controls.h"
#include "pages/alarm/alarm_records.h"
#include "pages/alarm/alarm_templates.h"
#include "ui/text_resources.h"

namespace vela::pages {

using namespace alarm::channel_alarm;  // NOLINT(google-build-using-namespace): the page's keys
using alarm::kAlarmTemplate;

CDvsCfgAlarm::CDvsCfgAlarm() : CAlarmPage(kAlarmTemplate, kBackgroundName, kCopyWeekKey) {
    OnSelChange(IdOf(kChannelKey), [this] {
        UpdateRecords(1, kStopPreview);
        m_nCurrentChannel = m_cmbChannel.GetCurSel();
        UpdateRecords(0, kKeepPreview);
    });
    OnSelChange(IdOf(kAlarmTypeKey), [this] { OnTypeChanged(); });
    OnClicked(IdOf(kClearKey), [this] { m_playWnd.FillGrid(false); });
    OnClicked(IdOf(kAllKey), [this] { m_playWnd.FillGrid(true); });
    OnClicked(IdOf(kCopyChannelKey), [this] {
        CopyToSlots(m_cmbCopyToChannel.GetCurSel(), m_nChannelCount, m_nCurrentChannel);
    });
}

// UI thread.
bool CDvsCfgAlarm::OnInitDialog() {
    using alarm::LabelSide;
    m_nChannelCount = std::clamp(Context().channelCount, 0, alarm::kTableSlots);
    SetUpPage({{"StaticChNO", kChannelKey, LabelSide::kLeft},
               {"StaticAlarmType", kAlarmTypeKey, LabelSide::kLeft},
               {kSensitivityLabelKey, kSensitivityKey, LabelSide::kLeft},
               {"StaticCopyToCH", kCopyToChannelKey, LabelSide::kLeft},
               {"StaticEnable", "CheckEnable", LabelSide::kRight}},
              m_nChannelCount);
    alarm::SetUpSkinButton(*this, kAlarmTemplate, m_btnCopyChannel, kCopyChannelKey);
    alarm::SetUpSkinButton(*this, kAlarmTemplate, m_btnAll, kAllKey);
    alarm::SetUpSkinButton(*this, kAlarmTemplate, m_btnClear, kClearKey);
    m_cmbChannel.Attach(GetDlgItem(IdOf(kChannelKey)));
    m_cmbAlarmType.Attach(GetDlgItem(IdOf(kAlarmTypeKey)));
    m_cmbSensitivity.Attach(GetDlgItem(IdOf(kSensitivityKey)));
    m_cmbCopyToChannel.Attach(GetDlgItem(IdOf(kCopyToChannelKey)));

    alarm::FillNumbers(m_cmbChannel, m_nChannelCount);
    alarm::FillNumbers(m_cmbCopyToChannel, m_nChannelCount);
    if (m_nChannelCount >= 1)
        alarm::AddKeyed(m_cmbCopyToChannel, kListSection, kAllChannelsEntry, m_nChannelCount);
    alarm::FillKeyed(m_cmbAlarmType, kListSection, kAlarmTypeEntry, kAlarmTypeCount);
    alarm::FillKeyed(m_cmbSensitivity, kListSection, kSensitivityEntry, kSensitivityCount);
    if (m_nChannelCount >= 1) {
        m_nCurrentChannel = 0;
        m_nAlarmType = kMotion;
        m_linkage.SetShownDay(0);
    }

    m_playWnd.Create(m_hWnd);
    ui::PlaceControl(m_playWnd.GetSafeHwnd(), resources::kPlayWindowKey, kAlarmTemplate.section,
                     ui::g_ResourcePaths.controlPosFile);
    m_playWnd.ShowWindow(true);
    return true;
}

// The player must not paint into the play window once it is gone, and a host's alarm must
// find no channel shown.
void CDvsCfgAlarm::OnDestroy() {
    m_nShownChannel = -1;
    StopPreview();
}

// Player's thread, under the console's draw lock.
void CDvsCfgAlarm::DrawHook(void* deviceContext, uintptr_t /*user*/) {
    m_playWnd.DrawOverlay(deviceContext, ui::kDrawGrid, this);
}

// A host thread, under the console's draw lock.
void CDvsCfgAlarm::ShowMotionAlarm(int channel, int state) {
    if (channel < 0 || channel != m_nShownChannel.load()) return;
    m_playWnd.SetAlarmFlash(state == 1);
}

// The sensitivity has no meaning for plain alarms; the outputs need the trigger too.
void CDvsCfgAlarm::ApplyEnabling() {
    const bool enabled = m_nEnable != 0;
    m_cmbSensitivity.EnableWindow(enabled && m_nAlarmType != kPlain);
    m_cmbCopyToChannel.EnableWindow(enabled);
    m_btnCopyChannel.EnableWindow(enabled);
    m_linkage.ApplyEnabling(enabled);
}

// The shown record is stored under the old type; the area stays in the motion record and
// shows again when motion is chosen again.
void CDvsCfgAlarm::OnTypeChanged() {
    UpdateRecords(1, kKeepPreview);
    m_nAlarmType = m_cmbAlarmType.GetCurSel();
    const bool motion = m_nAlarmType == kMotion;
    const bool level = m_nAlarmType != kPlain;
    ui::Window(GetDlgItem(IdOf(kSensitivityLabelKey))).ShowWindow(level);
    m_cmbSensitivity.ShowWindow(level);
    m_btnAll.ShowWindow(motion);
    m_btnClear.ShowWindow(motion);
    UpdateRecords(0, kKeepPreview);
}

}  // namespace vela::pages
