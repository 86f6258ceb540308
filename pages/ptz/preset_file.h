// The per-device preset file on the host computer: a 4-byte header and the PresetImage of
// presets, tours, plans and PTZ speeds for 32 channels. One layout shared by the PTZ page's
// reader and writer and by the host's two readers (ReadPresetInfo, ReadPresetPlan).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vela::ptz {

constexpr int kChannelCount = 32;
constexpr int kPresetsPerChannel = 128;
constexpr int kPlanSlotsPerChannel = 32;
constexpr int kTourGroupCount = 8;

// --- File: header, then the image ---
constexpr char kPresetFolderName[] = "DVSYTFILE";
constexpr char kPresetFileExtension[] = ".dat";
constexpr size_t kFileHeaderSize = 4;
constexpr uint8_t kFileHeaderByte = 8;  // every header byte

// --- TourSlot, 12 bytes, one per tour group inside a PresetRecord ---
namespace tour_slot {
constexpr size_t kSize = 12;
constexpr size_t kMember = 0;    // not 0 = the preset belongs to the group's tour
constexpr size_t kStayTime = 4;  // seconds
constexpr size_t kOrder = 8;     // 0-based place in the group's tour list
}  // namespace tour_slot

// --- PresetRecord, 164 bytes; slot k holds preset number k + 1 ---
namespace preset_record {
constexpr size_t kSize = 164;
constexpr size_t kUsed = 0;  // 1 = the slot holds a preset
constexpr size_t kName = 4;
constexpr size_t kNameWidth = 48;
constexpr size_t kNumber = 52;
constexpr size_t kHome = 56;      // not 0 = the channel's home position
constexpr size_t kHomeTime = 60;  // seconds without PTZ action before returning home
constexpr size_t kMode = 64;      // PresetMode: 0 call, 1 save
constexpr size_t kTourSlots = 68;
constexpr int32_t kUsedValue = 1;
}  // namespace preset_record

// --- PlanSlot, 24 bytes ---
namespace plan_slot {
constexpr size_t kSize = 24;
constexpr size_t kUsed = 0;  // 1 = in use
constexpr size_t kSequence = 4;
constexpr size_t kDay = 8;
constexpr size_t kHour = 12;
constexpr size_t kMinute = 16;
constexpr size_t kPreset = 20;
constexpr int32_t kUsedValue = 1;
}  // namespace plan_slot

// --- PresetImage, 696,496 bytes ---
namespace preset_image {
constexpr size_t kAddress = 0;  // the device's address text, written by the page, read by none
constexpr size_t kAddressWidth = 48;
constexpr size_t kPresetTables = 48;
constexpr size_t kPresetTableSize = kPresetsPerChannel * preset_record::kSize;
constexpr size_t kPlanTables = kPresetTables + kChannelCount * kPresetTableSize;
constexpr size_t kPlanTableSize = kPlanSlotsPerChannel * plan_slot::kSize;
constexpr size_t kSpeeds = kPlanTables + kChannelCount * kPlanTableSize;
constexpr size_t kSpeedSize = 4;
constexpr size_t kSize = kSpeeds + kChannelCount * kSpeedSize;

static_assert(kPlanTables == 671792 && kSpeeds == 696368 && kSize == 696496,
              "the preset file layout is shared with hosts and older files");

constexpr size_t PresetOffset(int channel, int slot) {
    return kPresetTables + static_cast<size_t>(channel) * kPresetTableSize +
           static_cast<size_t>(slot) * preset_record::kSize;
}
constexpr size_t PlanOffset(int channel, int slot) {
    return kPlanTables + static_cast<size_t>(channel) * kPlanTableSize +
           static_cast<size_t>(slot) * plan_slot::kSize;
}
constexpr size_t SpeedOffset(int channel) {
    return kSpeeds + static_cast<size_t>(channel) * kSpeedSize;
}
}  // namespace preset_image

// --- Records handed to the host ---
namespace preset_info_record {  // a PresetRecord without its used flag
constexpr size_t kSize = 160;
constexpr size_t kName = 0;  // zero-padded
constexpr size_t kNameWidth = 48;
constexpr size_t kNumber = 48;
constexpr size_t kHome = 52;
constexpr size_t kHomeTime = 56;
constexpr size_t kMode = 60;
constexpr size_t kTourSlots = 64;
}  // namespace preset_info_record

namespace plan_item {  // one unsigned byte each: the low byte of the slot's field
constexpr size_t kSize = 4;
constexpr size_t kPreset = 0;
constexpr size_t kDay = 1;
constexpr size_t kHour = 2;
constexpr size_t kMinute = 3;
}  // namespace plan_item

// The speed reported to the host is never below this (a stored 0 means "never stored").
constexpr int32_t kMinimumReportedSpeed = 128;

// hostFolder + separator + "DVSYTFILE": the same folder for the page and the host's readers.
std::string PresetFolderPath(const std::string& hostFolder);

// True when the address text can name a file inside the preset folder: no path separator,
// drive colon or control character, and not a Windows device name (CON, NUL, COM1, ...),
// which would open the device instead of a file. Every other text is kept as it is, so the
// files of existing devices keep their names.
bool IsPresetFileAddress(const std::string& address);

// presetFolder + separator + address + ".dat"; the address text is used unchanged. Empty when
// the address is refused by IsPresetFileAddress.
std::string PresetFilePath(const std::string& presetFolder, const std::string& address);

// Reads the file into image (resized to the image size and zeroed first); a shorter file
// leaves the tail zero. False when the file cannot be opened or the header is not 8,8,8,8.
bool ReadPresetImage(const std::string& path, std::vector<uint8_t>& image);

// The host's readers. Any thread; each reads the file privately. Result 1 or 0.
// records: room for 128 PresetInfoRecords; items: room for 32 PlanItems. A channel outside
// 0..31 or a missing output pointer is refused with 0 before anything is written.
int ReadPresetInfo(const std::string& presetFolder, const char* address, int32_t channel,
                   uint8_t* records, int32_t* count, int32_t* speed);
int ReadPresetPlan(const std::string& presetFolder, const char* address, int32_t channel,
                   uint8_t* items, int32_t* count, int32_t* homePreset, int32_t* homeTime);

}  // namespace vela::ptz
