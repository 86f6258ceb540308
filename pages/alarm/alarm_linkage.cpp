#include "pages/alarm/alarm_linkage.h"

#include <algorithm>
#include <initializer_list>
#include <string>

#include "platform/bytes.h"

namespace vela::pages::alarm {

namespace {

constexpr char kListSection[] = "DVSInfo";
constexpr char kDayKey[] = "week%d";
constexpr char kTimeFormat[] = "HH:mm";

std::string Numbered(const char* key, int number) {
    return key + std::to_string(number);
}

int CheckOf(uint8_t flag) {
    return flag != 0 ? 1 : 0;
}

uint8_t FlagOf(const ui::Button& box) {
    return box.GetCheck() != 0 ? 1 : 0;
}

void ShowTime(ui::TimePicker& picker, const uint8_t* period, size_t hourField, size_t minuteField) {
    ShowScheduleTime(picker,
                     PeriodShownTime(ReadI32(period, hourField), ReadI32(period, minuteField)));
}

}  // namespace

CAlarmLinkage::CAlarmLinkage(const resources::DialogTemplate& page, const char* copyWeekKey)
    : m_nTriggerId(ControlId(page, "CheckTriggerAlarmOut")),
      m_nWeekId(ControlId(page, "CmbWeek")),
      m_nCopyWeekId(ControlId(page, copyWeekKey)),
      m_nCopyToWeekId(ControlId(page, "CmbCopyToWeek")),
      m_rTemplate(page),
      m_pCopyWeekKey(copyWeekKey) {}

std::vector<LabelRule> CAlarmLinkage::LabelRules() {
    std::vector<LabelRule> rules = {
        {"StaticSinging", "CheckSinging", LabelSide::kRight},
        {"StaticUploadCenter", "CheckUploadCenter", LabelSide::kRight},
        {"StaticTriggerAlarmOutput", "CheckTriggerAlarmOut", LabelSide::kRight},
        {"StaticWeek", "CmbWeek", LabelSide::kLeft},
        {"StaticCopyToWeek", "CmbCopyToWeek", LabelSide::kLeft},
    };
    for (int n = 1; n <= kOutputBoxes; ++n)
        rules.push_back(
            {Numbered("StaticAlarmOutputCH", n), Numbered("CheckAlarmOutCh", n), LabelSide::kLeft});
    for (int n = 1; n <= kRecordBoxes; ++n)
        rules.push_back({Numbered("StaticRecCH", n), Numbered("CheckRecCh", n), LabelSide::kLeft});
    for (int n = 1; n <= kPeriodsPerDay; ++n) {
        const std::string start = Numbered("DateTimePickerStart", n);
        rules.push_back({Numbered("StaticPeriod", n), start, LabelSide::kLeft});
        rules.push_back({Numbered("StaticScheduleLeft", n), start, LabelSide::kRight});
    }
    return rules;
}

void CAlarmLinkage::Init(ui::Dialog& page, int channelCount, int outputCount) {
    auto bind = [&](ui::Window& control, const std::string& key) {
        control.Attach(page.GetDlgItem(ControlId(m_rTemplate, key)));
    };
    bind(m_chkBuzzer, "CheckSinging");
    bind(m_chkCentre, "CheckUploadCenter");
    bind(m_chkTrigger, "CheckTriggerAlarmOut");
    bind(m_cmbWeek, "CmbWeek");
    bind(m_cmbCopyToWeek, "CmbCopyToWeek");
    for (int i = 0; i < kOutputBoxes; ++i)
        bind(m_arrOutputs[i], Numbered("CheckAlarmOutCh", i + 1));
    for (int i = 0; i < kRecordBoxes; ++i) bind(m_arrRecords[i], Numbered("CheckRecCh", i + 1));
    for (int p = 0; p < kPeriodsPerDay; ++p) {
        bind(m_arrPeriods[p], Numbered("CheckSensorTime", p + 1));
        bind(m_arrStart[p], Numbered("DateTimePickerStart", p + 1));
        bind(m_arrStop[p], Numbered("DateTimePickerStop", p + 1));
        m_arrStart[p].SetFormat(kTimeFormat);
        m_arrStop[p].SetFormat(kTimeFormat);
    }
    SetUpSkinButton(page, m_rTemplate, m_btnCopyWeek, m_pCopyWeekKey);
    SetUpGroupBox(page, m_rTemplate, m_grpPolicy, "GroupPolicy");
    SetUpGroupBox(page, m_rTemplate, m_grpRecord, "GroupRecCh");
    SetUpGroupBox(page, m_rTemplate, m_grpSchedule, "GroupSchedule");

    m_nChannelBoxes = std::clamp(channelCount, 0, kRecordBoxes);
    m_nOutputCount = std::clamp(outputCount, 0, kMaskBits);
    for (ui::Button& box : m_arrRecords) box.EnableWindow(false);
    for (ui::Button& box : m_arrOutputs) box.EnableWindow(false);
    FillKeyed(m_cmbWeek, kListSection, kDayKey, kDays);
    FillKeyed(m_cmbCopyToWeek, kListSection, kDayKey, kAllDaysEntry + 1);
}

void CAlarmLinkage::Show(const uint8_t* linkage) {
    m_nTrigger = CheckOf(ReadU8(linkage, kOutputEnableOffset));
    m_chkBuzzer.SetCheck(CheckOf(ReadU8(linkage, kBuzzerOffset)));
    m_chkCentre.SetCheck(CheckOf(ReadU8(linkage, kAlarmCentreOffset)));
    m_chkTrigger.SetCheck(m_nTrigger);
    const uint32_t outputs = ReadU32(linkage, kOutputMaskOffset);
    for (int i = 0; i < std::min(m_nOutputCount, kOutputBoxes); ++i)
        m_arrOutputs[i].SetCheck((outputs >> i) & 1u);
    // All sixteen, whatever the channel count: a store writes back what they show.
    const uint32_t records = ReadU32(linkage, kRecordMaskOffset);
    for (int i = 0; i < kRecordBoxes; ++i) m_arrRecords[i].SetCheck((records >> i) & 1u);
    ShowDay(linkage);
    m_cmbWeek.SetCurSel(m_nShownDay);
}

void CAlarmLinkage::Store(uint8_t* linkage) {
    WriteU8(linkage, kBuzzerOffset, FlagOf(m_chkBuzzer));
    WriteU8(linkage, kAlarmCentreOffset, FlagOf(m_chkCentre));
    WriteU8(linkage, kOutputEnableOffset, FlagOf(m_chkTrigger));
    uint32_t outputs = 0;
    for (int i = 0; i < std::min(m_nOutputCount, kOutputBoxes); ++i)
        if (m_arrOutputs[i].GetCheck()) outputs |= uint32_t{1} << i;
    WriteU32(linkage, kOutputMaskOffset,
             StoredOutputMask(ReadU32(linkage, kOutputMaskOffset), outputs, m_nOutputCount));
    uint32_t records = 0;
    for (int i = 0; i < kRecordBoxes; ++i)
        if (m_arrRecords[i].GetCheck()) records |= uint32_t{1} << i;
    WriteU32(linkage, kRecordMaskOffset,
             StoredRecordMask(ReadU32(linkage, kRecordMaskOffset), records));
    // Unticking every box does not switch recording off: the device's flag stays.
    if (records != 0) WriteU8(linkage, kRecordEnableOffset, 1);
    StoreDay(linkage, m_nShownDay);
}

void CAlarmLinkage::ShowDay(const uint8_t* linkage) {
    if (m_nShownDay < 0 || m_nShownDay >= kDays) return;
    for (int p = 0; p < kPeriodsPerDay; ++p) {
        const uint8_t* period = linkage + PeriodOffset(m_nShownDay, p);
        ShowTime(m_arrStart[p], period, kPeriodStartHour, kPeriodStartMinute);
        ShowTime(m_arrStop[p], period, kPeriodEndHour, kPeriodEndMinute);
        m_arrPeriods[p].SetCheck(ReadI32(period, kPeriodEnable) != 0 ? 1 : 0);
    }
}

void CAlarmLinkage::StoreDay(uint8_t* linkage, int day) {
    if (day < 0 || day >= kDays) return;
    for (int p = 0; p < kPeriodsPerDay; ++p) {
        uint8_t* period = linkage + PeriodOffset(day, p);
        StoreScheduleTime(m_arrStart[p], period, kPeriodStartHour, kPeriodStartMinute);
        StoreScheduleTime(m_arrStop[p], period, kPeriodEndHour, kPeriodEndMinute);
        WriteI32(period, kPeriodEnable, FlagOf(m_arrPeriods[p]));
    }
}

// Without a chosen entry the click is ignored: day -1 would lie inside the PTZ links.
void CAlarmLinkage::CopyWeek(uint8_t* linkage) {
    const int target = m_cmbCopyToWeek.GetCurSel();
    if (target < 0 || target > kAllDaysEntry || target == m_nShownDay) return;
    if (target != kAllDaysEntry) {
        StoreDay(linkage, target);
        return;
    }
    for (int day = 0; day < kDays; ++day) StoreDay(linkage, day);
}

void CAlarmLinkage::ApplyEnabling(bool recordEnabled) {
    const std::initializer_list<ui::Window*> flags = {
        &m_chkBuzzer, &m_chkCentre, &m_chkTrigger, &m_cmbWeek, &m_cmbCopyToWeek, &m_btnCopyWeek};
    for (ui::Window* control : flags) control->EnableWindow(recordEnabled);
    for (ui::Button& box : m_arrPeriods) box.EnableWindow(recordEnabled);
    for (int i = 0; i < m_nChannelBoxes; ++i) m_arrRecords[i].EnableWindow(recordEnabled);
    EnableOutputs(recordEnabled && m_nTrigger != 0);
}

void CAlarmLinkage::OnTriggerClicked() {
    m_nTrigger = m_chkTrigger.GetCheck() != 0 ? 1 : 0;
    EnableOutputs(m_nTrigger != 0);
}

void CAlarmLinkage::EnableOutputs(bool enable) {
    for (int i = 0; i < std::min(m_nOutputCount, kOutputBoxes); ++i)
        m_arrOutputs[i].EnableWindow(enable);
}

void CAlarmLinkage::Clear(bool schedule) {
    m_nTrigger = 0;
    m_chkTrigger.SetCheck(0);
    if (!schedule) return;
    m_cmbWeek.SetCurSel(-1);
    m_cmbCopyToWeek.SetCurSel(-1);
    for (int p = 0; p < kPeriodsPerDay; ++p) {
        for (ui::TimePicker* picker : {&m_arrStart[p], &m_arrStop[p]}) {
            platform::DateTime time = picker->GetTime();
            time.hour = 0;
            time.minute = 0;
            picker->SetTime(time);
        }
    }
}

}  // namespace vela::pages::alarm
