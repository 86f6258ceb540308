#include "pages/ptz/plan_panel.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "pages/ptz/ptz_controls.h"
#include "ui/skin_values.h"
#include "ui/text_resources.h"

namespace vela::pages::ptz {

namespace {

namespace plan = ::vela::ptz::plan_slot;
constexpr int kPlanSlots = ::vela::ptz::kPlanSlotsPerChannel;
constexpr char kDayKey[] = "week%d";
constexpr const char* kColumnKeys[] = {"Litsinfo1", "Litsinfo2", "Litsinfo3"};
constexpr int kPresetColumn = 2;

std::string DayKey(int day) {
    char key[16];
    std::snprintf(key, sizeof key, kDayKey, day);
    return key;
}

std::string TimeText(int32_t hour, int32_t minute) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d", hour, minute);
    return text;
}

// The value of a combo's current text, read leniently; false when empty or outside 0..limit-1.
bool ReadTimeField(const ui::ComboBox& combo, int limit, int32_t& value) {
    const std::string text = combo.GetWindowText();
    if (text.empty()) return false;
    value = ui::ParseLenientInt(text.c_str());
    return value >= 0 && value < limit;
}

}  // namespace

void CPlanPanel::Bind(ui::DataExchange& dx) {
    ui::DdxControl(dx, id::kPlanPresets, m_cmbPresets);
    ui::DdxControl(dx, id::kPlanWeek, m_cmbWeek);
    ui::DdxControl(dx, id::kPlanHour, m_cmbHour);
    ui::DdxControl(dx, id::kPlanMinute, m_cmbMinute);
    ui::DdxControl(dx, id::kPlanCopyToWeek, m_cmbCopyToWeek);
    ui::DdxControl(dx, id::kPlanList, m_listPlan);
}

void CPlanPanel::FillLists() {
    for (int day = 0; day <= kAllOtherDays; ++day) {
        const std::string text = ListText(DayKey(day));
        if (day < kDaysPerWeek) m_cmbWeek.SetItemData(m_cmbWeek.AddString(text), day);
        m_cmbCopyToWeek.SetItemData(m_cmbCopyToWeek.AddString(text), day);
    }
    m_cmbWeek.SetCurSel(0);
    m_cmbCopyToWeek.SetCurSel(-1);
    for (int hour = 0; hour < kHoursPerDay; ++hour)
        m_cmbHour.SetItemData(m_cmbHour.AddString(NumberText(hour)), hour);
    m_cmbHour.SetCurSel(0);
    for (int minute = 0; minute < kMinutesPerHour; ++minute)
        m_cmbMinute.SetItemData(m_cmbMinute.AddString(NumberText(minute)), minute);
    m_cmbMinute.SetCurSel(0);
    for (int number = kFirstPreset; number <= kLastPreset; ++number)
        m_cmbPresets.SetItemData(m_cmbPresets.AddString(NumberText(number)), number - 1);
    m_cmbPresets.SetCurSel(0);
}

void CPlanPanel::CreateColumns() {
    std::string headings[std::size(kColumnKeys)];
    for (size_t i = 0; i < std::size(kColumnKeys); ++i)
        headings[i] = ui::ReadIniText(ui::g_ResourcePaths.textResFile, kListTextSection,
                                      kColumnKeys[i], "", ui::kColumnHeadingCapacity);
    CreateReportColumns(m_listPlan, headings, static_cast<int>(std::size(kColumnKeys)));
}

void CPlanPanel::ShowControls(bool show) {
    for (ui::Window* control : std::initializer_list<ui::Window*>{
             &m_cmbPresets, &m_cmbWeek, &m_cmbHour, &m_cmbMinute, &m_cmbCopyToWeek, &m_listPlan})
        control->ShowWindow(show);
}

void CPlanPanel::FillPresets(const PresetTable& presets) {
    m_cmbPresets.ResetContent();
    if (!presets.IsValid()) return;
    for (int slot = 0; slot < kLastPreset; ++slot)
        if (presets.IsUsed(slot) && presets.Mode(slot) != kModeSave)
            m_cmbPresets.AddString(NumberText(presets.Number(slot)));
}

void CPlanPanel::Load(const uint8_t* planSlots) {
    m_arrEntries.clear();
    m_listPlan.DeleteAllItems();
    int32_t largest = 0;
    for (int i = 0; planSlots && i < kPlanSlots; ++i) {
        const uint8_t* slot = planSlots + static_cast<size_t>(i) * plan::kSize;
        if (ReadI32(slot, plan::kUsed) != plan::kUsedValue) continue;
        PlanEntry entry;
        entry.sequence = ReadI32(slot, plan::kSequence);
        entry.day = ReadI32(slot, plan::kDay);
        entry.hour = ReadI32(slot, plan::kHour);
        entry.minute = ReadI32(slot, plan::kMinute);
        entry.preset = ReadI32(slot, plan::kPreset);
        largest = std::max(largest, entry.sequence);
        Append(entry);
    }
    m_nSequence = std::max<int32_t>(largest, 1);
}

void CPlanPanel::Store(uint8_t* planSlots) const {
    if (!planSlots) return;
    for (int i = 0; i < kPlanSlots; ++i)
        WriteI32(planSlots + static_cast<size_t>(i) * plan::kSize, plan::kUsed, 0);
    const size_t stored = std::min<size_t>(m_arrEntries.size(), kPlanSlots);
    for (size_t i = 0; i < stored; ++i) {
        const PlanEntry& entry = m_arrEntries[i];
        uint8_t* slot = planSlots + i * plan::kSize;
        WriteI32(slot, plan::kUsed, entry.used);
        WriteI32(slot, plan::kSequence, entry.sequence);
        WriteI32(slot, plan::kDay, entry.day);
        WriteI32(slot, plan::kHour, entry.hour);
        WriteI32(slot, plan::kMinute, entry.minute);
        WriteI32(slot, plan::kPreset, entry.preset);
    }
}

// A discarded entry leaves no trace but the sequence number it took.
bool CPlanPanel::Add() {
    const int chosen = m_cmbPresets.GetCurSel();
    if (chosen < 0) return false;
    PlanEntry entry;
    entry.preset = ui::ParseLenientInt(m_cmbPresets.GetLBText(chosen).c_str());
    entry.sequence = m_nSequence++;
    entry.day = m_cmbWeek.GetCurSel();
    if (entry.day < 0) return false;
    if (!ReadTimeField(m_cmbHour, kHoursPerDay, entry.hour) ||
        !ReadTimeField(m_cmbMinute, kMinutesPerHour, entry.minute))
        return false;
    const int same = FindTime(entry.day, entry.hour, entry.minute);
    if (same >= 0) RemoveEntry(static_cast<size_t>(same));
    Append(entry);
    return true;
}

bool CPlanPanel::Delete() {
    const int row = m_listPlan.GetSelectionMark();
    if (row < 0 || row >= m_listPlan.GetItemCount()) return false;
    const intptr_t key = m_listPlan.GetItemData(row);
    m_listPlan.DeleteItem(row);
    const auto found = std::find_if(m_arrEntries.begin(), m_arrEntries.end(),
                                    [key](const PlanEntry& entry) { return entry.key == key; });
    if (found != m_arrEntries.end()) m_arrEntries.erase(found);
    return true;
}

// To one day: that day's timetable becomes the source day's. To all other days: every day's
// timetable becomes the source day's.
bool CPlanPanel::CopyDay() {
    const int target = m_cmbCopyToWeek.GetCurSel();
    const int source = m_cmbWeek.GetCurSel();
    if (target < 0 || source < 0 || source == target) return false;
    bool changed = false;
    if (target == kAllOtherDays) {
        changed = RemoveDays(source, true);
        const size_t sources = m_arrEntries.size();
        for (size_t i = 0; i < sources; ++i) {
            const PlanEntry original = m_arrEntries[i];
            for (int day = 0; day < kDaysPerWeek; ++day)
                if (day != source) AppendCopy(original, day);
            changed = true;
        }
        return changed;
    }
    changed = RemoveDays(target, false);
    const size_t kept = m_arrEntries.size();
    for (size_t i = 0; i < kept; ++i) {
        if (m_arrEntries[i].day != source) continue;
        const PlanEntry original = m_arrEntries[i];
        AppendCopy(original, target);
        changed = true;
    }
    return changed;
}

bool CPlanPanel::RemoveByPreset(const std::string& numberText) {
    bool changed = false;
    for (int row = m_listPlan.GetItemCount() - 1; row >= 0; --row) {
        if (m_listPlan.GetItemText(row, kPresetColumn) != numberText) continue;
        const intptr_t key = m_listPlan.GetItemData(row);
        m_listPlan.DeleteItem(row);
        m_arrEntries.erase(
            std::remove_if(m_arrEntries.begin(), m_arrEntries.end(),
                           [key](const PlanEntry& entry) { return entry.key == key; }),
            m_arrEntries.end());
        changed = true;
    }
    return changed;
}

void CPlanPanel::SyncPreset(const std::string& numberText, int request) {
    const int found = FindExactEntry(m_cmbPresets, numberText);
    if (request == kRequestSet && found < 0) m_cmbPresets.AddString(numberText);
    if (request == kRequestClear && found >= 0) m_cmbPresets.DeleteString(found);
}

void CPlanPanel::ClearControls() {
    for (ui::ComboBox* combo :
         {&m_cmbWeek, &m_cmbCopyToWeek, &m_cmbMinute, &m_cmbHour, &m_cmbPresets})
        combo->SetCurSel(-1);
    m_listPlan.DeleteAllItems();
}

void CPlanPanel::Append(PlanEntry entry) {
    entry.key = m_nNextKey++;
    const int row = m_listPlan.InsertItem(m_listPlan.GetItemCount(), DayText(entry.day));
    m_listPlan.SetItemText(row, 1, TimeText(entry.hour, entry.minute));
    m_listPlan.SetItemText(row, kPresetColumn, NumberText(entry.preset));
    m_listPlan.SetItemData(row, entry.key);
    m_arrEntries.push_back(entry);
}

void CPlanPanel::RemoveEntry(size_t index) {
    const intptr_t key = m_arrEntries[index].key;
    for (int row = 0; row < m_listPlan.GetItemCount(); ++row) {
        if (m_listPlan.GetItemData(row) != key) continue;
        m_listPlan.DeleteItem(row);
        break;
    }
    m_arrEntries.erase(m_arrEntries.begin() + static_cast<std::ptrdiff_t>(index));
}

int CPlanPanel::FindTime(int32_t day, int32_t hour, int32_t minute) const {
    for (size_t i = 0; i < m_arrEntries.size(); ++i) {
        const PlanEntry& entry = m_arrEntries[i];
        if (entry.day == day && entry.hour == hour && entry.minute == minute)
            return static_cast<int>(i);
    }
    return -1;
}

void CPlanPanel::AppendCopy(const PlanEntry& source, int32_t day) {
    PlanEntry copy = source;
    copy.day = day;
    copy.sequence = m_nSequence++;
    const int same = FindTime(copy.day, copy.hour, copy.minute);
    if (same >= 0) RemoveEntry(static_cast<size_t>(same));
    Append(copy);
}

bool CPlanPanel::RemoveDays(int32_t day, bool keep) {
    bool removed = false;
    for (size_t i = m_arrEntries.size(); i-- > 0;) {
        if ((m_arrEntries[i].day == day) == keep) continue;
        RemoveEntry(i);
        removed = true;
    }
    return removed;
}

// A day from the file outside the week shows no text.
std::string CPlanPanel::DayText(int32_t day) const {
    return day >= 0 && day < kDaysPerWeek ? m_cmbWeek.GetLBText(day) : std::string();
}

}  // namespace vela::pages::ptz
