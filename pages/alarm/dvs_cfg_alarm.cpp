// The Channel alarm page's window: placement, captions, lists, the play window, the enabling
// rules and the user's events.
#include "pages/alarm/dvs_cfg_alarm.h"

#include <algorithm>

#include "device/dvs_device.h"
#include "pages/alarm/alarm_controls.h"
#include "pages/alarm/alarm_records.h"
#include "pages/alarm/alarm_templates.h"
#include "ui/text_resources.h"

namespace vela::pages {

using namespace alarm::channel_alarm;  // NOLINT(google-build-using-namespace): the page's keys
using alarm::ControlId;
using alarm::kAlarmTemplate;

namespace {

std::vector<alarm::LabelRule> LabelRules() {
    using alarm::LabelSide;
    std::vector<alarm::LabelRule> rules = {
        {"StaticChNO", kChannelKey, LabelSide::kLeft},
        {"StaticAlarmType", kAlarmTypeKey, LabelSide::kLeft},
        {kSensitivityLabelKey, kSensitivityKey, LabelSide::kLeft},
        {"StaticCopyToCH", kCopyToChannelKey, LabelSide::kLeft},
        {"StaticEnable", kEnableKey, LabelSide::kRight},
    };
    for (alarm::LabelRule& rule : alarm::CAlarmLinkage::LabelRules()) rules.push_back(rule);
    return rules;
}

int IdOf(const char* key) {
    return ControlId(kAlarmTemplate, key);
}

}  // namespace

CDvsCfgAlarm::CDvsCfgAlarm()
    : CConsolePage(kAlarmTemplate),
      m_linkage(kAlarmTemplate, kCopyWeekKey),
      m_skinPage(alarm::PaintedLabelIds(kAlarmTemplate)) {
    OnSelChange(IdOf(kChannelKey), [this] {
        UpdateRecords(1, kStopPreview);
        m_nCurrentChannel = m_cmbChannel.GetCurSel();
        UpdateRecords(0, kKeepPreview);
    });
    OnSelChange(IdOf(kAlarmTypeKey), [this] { OnTypeChanged(); });
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
    OnClicked(IdOf(kClearKey), [this] { m_playWnd.FillGrid(false); });
    OnClicked(IdOf(kAllKey), [this] { m_playWnd.FillGrid(true); });
    OnClicked(IdOf(kCopyChannelKey), [this] { CopyToChannels(); });
    OnClicked(m_linkage.CopyWeekId(), [this] { CopyWeek(); });
}

// UI thread.
bool CDvsCfgAlarm::OnInitDialog() {
    const ui::ResourcePaths& paths = ui::g_ResourcePaths;
    const char* section = kAlarmTemplate.section;
    ui::LoadPageBackground(m_dibBackground, kBackgroundName, paths.languageFolder);
    ui::PlaceDialog(m_hWnd, ui::kDialogPositionKey, m_dibBackground, section, paths.controlPosFile);
    alarm::SetUpSkinButton(*this, kAlarmTemplate, m_btnCopyChannel, kCopyChannelKey);
    alarm::SetUpSkinButton(*this, kAlarmTemplate, m_btnAll, kAllKey);
    alarm::SetUpSkinButton(*this, kAlarmTemplate, m_btnClear, kClearKey);
    alarm::PlaceTemplateControls(*this, kAlarmTemplate);
    m_bAlignLabels = alarm::ApplyLabels(*this, kAlarmTemplate, LabelRules());

    m_cmbChannel.Attach(GetDlgItem(IdOf(kChannelKey)));
    m_cmbAlarmType.Attach(GetDlgItem(IdOf(kAlarmTypeKey)));
    m_cmbSensitivity.Attach(GetDlgItem(IdOf(kSensitivityKey)));
    m_cmbCopyToChannel.Attach(GetDlgItem(IdOf(kCopyToChannelKey)));
    m_chkEnable.Attach(GetDlgItem(IdOf(kEnableKey)));

    const device::CDvsDevice* device = Context().device;
    m_nChannelCount = std::clamp(Context().channelCount, 0, alarm::kTableSlots);
    m_linkage.Init(*this, m_nChannelCount, device ? device->AlarmOutputCount() : 0);

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
    ui::PlaceControl(m_playWnd.GetSafeHwnd(), kPlayWindowKey, section, paths.controlPosFile);
    m_playWnd.SetWindowText(kPlayWindowKey);  // its name in console scripts and dumps
    m_playWnd.ShowWindow(true);
    return true;
}

// The player must not paint into the play window once it is gone, and a host's alarm must
// find no channel shown.
void CDvsCfgAlarm::OnDestroy() {
    m_nShownChannel = -1;
    StopPreview();
}

bool CDvsCfgAlarm::OnCtlColor(int id, platform::ControlColors& colors) {
    return m_skinPage.ControlColors(id, colors);
}

bool CDvsCfgAlarm::OnEraseBkgnd(platform::Canvas& canvas) {
    return m_skinPage.EraseBackground(m_hWnd, canvas);
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
