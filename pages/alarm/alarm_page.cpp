#include "pages/alarm/alarm_page.h"

#include "device/dvs_device.h"
#include "ui/text_resources.h"

namespace vela::pages::alarm {

namespace {
constexpr char kEnableKey[] = "CheckEnable";
}  // namespace

CAlarmPage::CAlarmPage(const resources::DialogTemplate& dialog, const char* backgroundName,
                       const char* copyWeekKey)
    : CConsolePage(dialog),
      m_linkage(dialog, copyWeekKey),
      m_pBackgroundName(backgroundName),
      m_skinPage(PaintedLabelIds(dialog)) {
    // A day switch stores the edits of the day shown so far first.
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
    OnClicked(m_linkage.CopyWeekId(), [this] {
        if (uint8_t* linkage = CurrentLinkage()) m_linkage.CopyWeek(linkage);
    });
}

void CAlarmPage::SetUpPage(std::vector<LabelRule> ownLabels, int channelCount) {
    const ui::ResourcePaths& paths = ui::g_ResourcePaths;
    const resources::DialogTemplate& dialog = *Template();
    ui::LoadPageBackground(m_dibBackground, m_pBackgroundName, paths.languageFolder);
    ui::PlaceDialog(m_hWnd, ui::kDialogPositionKey, m_dibBackground, dialog.section,
                    paths.controlPosFile);
    PlaceTemplateControls(*this, dialog);
    for (LabelRule& rule : CAlarmLinkage::LabelRules()) ownLabels.push_back(rule);
    m_bAlignLabels = ApplyLabels(*this, dialog, ownLabels);
    m_chkEnable.Attach(GetDlgItem(IdOf(kEnableKey)));
    const device::CDvsDevice* device = Context().device;
    m_linkage.Init(*this, channelCount, device ? device->AlarmOutputCount() : 0);
}

void CAlarmPage::CopyToSlots(int target, int count, int& current) {
    if (target < 0 || target > count || target == current) return;
    const int shown = current;
    for (int slot = 0; slot < count; ++slot) {
        if (slot == shown || (target != count && slot != target)) continue;
        current = slot;
        UpdateRecords(1, kKeepPreview);
    }
    current = shown;
}

bool CAlarmPage::OnCtlColor(int id, platform::ControlColors& colors) {
    return m_skinPage.ControlColors(id, colors);
}

bool CAlarmPage::OnEraseBkgnd(platform::Canvas& canvas) {
    return m_skinPage.EraseBackground(m_hWnd, canvas);
}

}  // namespace vela::pages::alarm
