// The auto preset plan of the PTZ page: a weekly timetable of preset calls for the selected
// channel, edited on the page's plan panel and kept in the channel's 32 plan slots of the
// PresetImage. The panel holds the selected channel's plan as a list of entries in insertion
// order (never sorted); each row of the plan list shows one entry and carries its key, and
// rows and entries are added and removed together. Nothing of the plan reaches the device.
// UI thread only; the controls are children of the page, bound by the page's data exchange.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "pages/ptz/preset_table.h"
#include "ui/combo_box.h"
#include "ui/data_exchange.h"
#include "ui/list_view.h"

namespace vela::pages::ptz {

constexpr int kDaysPerWeek = 7;
constexpr int kAllOtherDays = 7;  // the last copy target
constexpr int kHoursPerDay = 24;
constexpr int kMinutesPerHour = 60;

struct PlanEntry {
    int32_t used = 1;
    int32_t sequence = 0;
    int32_t day = 0;
    int32_t hour = 0;
    int32_t minute = 0;
    int32_t preset = 0;
    intptr_t key = 0;  // the item data of the entry's row
};

class CPlanPanel {
  public:
    void Bind(ui::DataExchange& dx);
    // Window initialisation: the day, hour, minute and preset lists, and the plan list's columns.
    void FillLists();
    void CreateColumns();
    void ShowControls(bool show);

    // The selected channel's call-mode presets, by number in slot order; an invalid table
    // (no channel) only empties the list.
    void FillPresets(const PresetTable& presets);
    // Rebuilds the list from the channel's plan slots (null: no channel, an empty list).
    void Load(const uint8_t* planSlots);
    // Writes the list into the 32 plan slots; entries after the 32nd are not stored.
    void Store(uint8_t* planSlots) const;

    // The user's operations; each is true when the list changed and must be stored.
    bool Add();
    bool Delete();
    bool CopyDay();
    // Removes every row that calls this preset number (its "%d" text).
    bool RemoveByPreset(const std::string& numberText);
    // kRequestSet appends the number to the preset list when missing, kRequestClear removes it.
    void SyncPreset(const std::string& numberText, int request);

    // The page is cleared: no selections and no rows (the entries stay).
    void ClearControls();

    const std::vector<PlanEntry>& Entries() const { return m_arrEntries; }
    int32_t NextSequence() const { return m_nSequence; }

  private:
    void Append(PlanEntry entry);
    void RemoveEntry(size_t index);
    // The first entry with this day and time, or -1.
    int FindTime(int32_t day, int32_t hour, int32_t minute) const;
    void AppendCopy(const PlanEntry& source, int32_t day);
    // Removes the entries whose day is (or, with keep, is not) the given day.
    bool RemoveDays(int32_t day, bool keep);
    std::string DayText(int32_t day) const;

    ui::ComboBox m_cmbPresets, m_cmbWeek, m_cmbHour, m_cmbMinute, m_cmbCopyToWeek;
    ui::ListView m_listPlan;
    std::vector<PlanEntry> m_arrEntries;
    int32_t m_nSequence = 1;  // the plan sequence counter
    intptr_t m_nNextKey = 1;
};

}  // namespace vela::pages::ptz
