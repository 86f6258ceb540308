// One channel's 128 PresetRecords inside the PTZ page's PresetImage, read and written through
// the record's named offsets. A table without records stands for "no channel selected".
// UI thread only; the table borrows the image, which the page owns.
#pragma once

#include <cstdint>
#include <string>

#include "pages/ptz/preset_file.h"
#include "platform/bytes.h"

namespace vela::pages::ptz {

// Preset numbers that have a slot: slot = number - 1.
constexpr int kFirstPreset = 1;
constexpr int kLastPreset = ::vela::ptz::kPresetsPerChannel;
constexpr size_t kPresetNameLength = ::vela::ptz::preset_record::kNameWidth - 1;  // 47

// PresetMode.
constexpr int32_t kModeCall = 0;
constexpr int32_t kModeSave = 1;

// What a panel asks the page to do with a preset number (SendPresetCommand, SyncPlanPreset,
// SyncPresetName).
constexpr int kRequestGoTo = 19;
constexpr int kRequestSet = 20;
constexpr int kRequestClear = 21;

namespace preset_fields = ::vela::ptz::preset_record;

inline bool IsPresetNumber(int number) {
    return number >= kFirstPreset && number <= kLastPreset;
}

class PresetTable {
  public:
    PresetTable() = default;
    explicit PresetTable(uint8_t* records) : m_pRecords(records) {}

    bool IsValid() const { return m_pRecords != nullptr; }
    uint8_t* Record(int slot) const {
        return m_pRecords + static_cast<size_t>(slot) * preset_fields::kSize;
    }
    uint8_t* TourSlot(int slot, int group) const {
        return Record(slot) + preset_fields::kTourSlots +
               static_cast<size_t>(group) * ::vela::ptz::tour_slot::kSize;
    }

    bool IsUsed(int slot) const {
        return Field(slot, preset_fields::kUsed) == preset_fields::kUsedValue;
    }
    // At most 47 characters, so a stored name without a terminator still matches its row.
    std::string Name(int slot) const {
        return ReadText(Record(slot), preset_fields::kName, kPresetNameLength);
    }
    int32_t Number(int slot) const { return Field(slot, preset_fields::kNumber); }
    int32_t Home(int slot) const { return Field(slot, preset_fields::kHome); }
    int32_t HomeTime(int slot) const { return Field(slot, preset_fields::kHomeTime); }
    int32_t Mode(int slot) const { return Field(slot, preset_fields::kMode); }

    // The first used slot with exactly this name (case-sensitive), or -1.
    int FindName(const std::string& name) const {
        for (int slot = 0; slot < kLastPreset; ++slot)
            if (IsUsed(slot) && Name(slot) == name) return slot;
        return -1;
    }
    bool HasNumber(int32_t number) const {
        for (int slot = 0; slot < kLastPreset; ++slot)
            if (IsUsed(slot) && Number(slot) == number) return true;
        return false;
    }

  private:
    int32_t Field(int slot, size_t offset) const { return ReadI32(Record(slot), offset); }

    uint8_t* m_pRecords = nullptr;
};

// What the preset and tour panels ask of the PTZ page that holds them. UI thread only.
class PtzPanelHost {
  public:
    virtual ~PtzPanelHost() = default;
    // The selected channel's presets; invalid while no channel is selected.
    virtual PresetTable Presets() = 0;
    virtual void SendPresetCommand(int request, int number) = 0;
    virtual void SyncPlanPreset(const std::string& numberText, int request) = 0;
    virtual void RemovePlanByPreset(const std::string& numberText) = 0;
    virtual void SyncTourPresetName(const std::string& name, int request) = 0;
};

}  // namespace vela::pages::ptz
