#include "pages/ptz/preset_file.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "platform/bytes.h"
#include "platform/kernel.h"

namespace vela::ptz {

namespace {

bool IsChannel(int32_t channel) {
    return channel >= 0 && channel < kChannelCount;
}

// Copies a stored PresetRecord into a host PresetInfoRecord (which the caller zeroed).
void CopyPresetInfo(const uint8_t* preset, uint8_t* info) {
    namespace pr = preset_record;
    namespace pi = preset_info_record;
    // At most 47 characters, so a stored name without a terminator still ends in a zero.
    std::string name = ReadText(preset, pr::kName, pr::kNameWidth - 1);
    WriteText(info, pi::kName, pi::kNameWidth, name);
    WriteI32(info, pi::kNumber, ReadI32(preset, pr::kNumber));
    WriteI32(info, pi::kHome, ReadI32(preset, pr::kHome));
    WriteI32(info, pi::kHomeTime, ReadI32(preset, pr::kHomeTime));
    WriteI32(info, pi::kMode, ReadI32(preset, pr::kMode));
    std::memcpy(info + pi::kTourSlots, preset + pr::kTourSlots, kTourGroupCount * tour_slot::kSize);
}

// Windows opens these names as devices, whatever the folder and the extension.
constexpr const char* kDeviceNames[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
constexpr const char* kNumberedDeviceNames[] = {"COM", "LPT"};  // followed by 1 to 9

// Windows takes a device's name from the text before the first dot, without trailing spaces.
bool IsDeviceName(const std::string& address) {
    std::string stem = address.substr(0, address.find('.'));
    stem.erase(stem.find_last_not_of(' ') + 1);
    for (char& c : stem) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const char* name : kDeviceNames) {
        if (stem == name) return true;
    }
    for (const char* prefix : kNumberedDeviceNames) {
        if (stem.size() == 4 && stem.compare(0, 3, prefix) == 0 && stem[3] >= '1' &&
            stem[3] <= '9') {
            return true;
        }
    }
    return false;
}

bool IsUnsafeCharacter(unsigned char c) {
    return c < 0x20 || c == 0x7F || c == '/' || c == '\\' || c == ':';
}

}  // namespace

std::string PresetFolderPath(const std::string& hostFolder) {
    return hostFolder + platform::PathSeparator() + kPresetFolderName;
}

bool IsPresetFileAddress(const std::string& address) {
    for (char c : address) {
        if (IsUnsafeCharacter(static_cast<unsigned char>(c))) return false;
    }
    return !IsDeviceName(address);
}

std::string PresetFilePath(const std::string& presetFolder, const std::string& address) {
    if (!IsPresetFileAddress(address)) return {};
    return presetFolder + platform::PathSeparator() + address + kPresetFileExtension;
}

bool ReadPresetImage(const std::string& path, std::vector<uint8_t>& image) {
    image.assign(preset_image::kSize, 0);
    if (path.empty()) return false;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    uint8_t header[kFileHeaderSize] = {};
    bool valid = std::fread(header, 1, sizeof(header), file) == sizeof(header);
    for (uint8_t byte : header) valid = valid && byte == kFileHeaderByte;
    if (valid) std::fread(image.data(), 1, image.size(), file);
    std::fclose(file);
    return valid;
}

int ReadPresetInfo(const std::string& presetFolder, const char* address, int32_t channel,
                   uint8_t* records, int32_t* count, int32_t* speed) {
    if (!address || !records || !count || !speed || *count <= 0 || !IsChannel(channel)) return 0;
    std::vector<uint8_t> image;
    if (!ReadPresetImage(PresetFilePath(presetFolder, address), image)) return 0;

    *count = 0;
    for (int slot = 0; slot < kPresetsPerChannel; ++slot) {
        const uint8_t* preset = image.data() + preset_image::PresetOffset(channel, slot);
        if (ReadI32(preset, preset_record::kUsed) != preset_record::kUsedValue) continue;
        uint8_t* info = records + static_cast<size_t>(*count) * preset_info_record::kSize;
        std::memset(info, 0, preset_info_record::kSize);
        CopyPresetInfo(preset, info);
        ++*count;
    }
    int32_t stored = ReadI32(image.data(), preset_image::SpeedOffset(channel));
    *speed = stored < kMinimumReportedSpeed ? kMinimumReportedSpeed : stored;
    return 1;
}

int ReadPresetPlan(const std::string& presetFolder, const char* address, int32_t channel,
                   uint8_t* items, int32_t* count, int32_t* homePreset, int32_t* homeTime) {
    if (!address || !items || !count || !homePreset || !homeTime || *count <= 0 ||
        !IsChannel(channel)) {
        return 0;
    }
    *homePreset = 0;
    *homeTime = 0;
    std::vector<uint8_t> image;
    if (!ReadPresetImage(PresetFilePath(presetFolder, address), image)) return 0;

    *count = 0;
    for (int slot = 0; slot < kPlanSlotsPerChannel; ++slot) {
        const uint8_t* plan = image.data() + preset_image::PlanOffset(channel, slot);
        if (ReadI32(plan, plan_slot::kUsed) != plan_slot::kUsedValue) continue;
        uint8_t* item = items + static_cast<size_t>(*count) * plan_item::kSize;
        WriteU8(item, plan_item::kPreset, static_cast<uint8_t>(ReadI32(plan, plan_slot::kPreset)));
        WriteU8(item, plan_item::kDay, static_cast<uint8_t>(ReadI32(plan, plan_slot::kDay)));
        WriteU8(item, plan_item::kHour, static_cast<uint8_t>(ReadI32(plan, plan_slot::kHour)));
        WriteU8(item, plan_item::kMinute, static_cast<uint8_t>(ReadI32(plan, plan_slot::kMinute)));
        ++*count;
    }
    for (int slot = 0; slot < kPresetsPerChannel; ++slot) {
        const uint8_t* preset = image.data() + preset_image::PresetOffset(channel, slot);
        if (ReadI32(preset, preset_record::kUsed) == preset_record::kUsedValue &&
            ReadI32(preset, preset_record::kHome) != 0) {
            *homePreset = ReadI32(preset, preset_record::kNumber);
            *homeTime = ReadI32(preset, preset_record::kHomeTime);
            break;
        }
    }
    return 1;
}

}  // namespace vela::ptz
