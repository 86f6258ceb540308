// libFuzzer target for the host's two preset file readers: any bytes as the file of a device,
// read for a chosen channel. The output buffers have exactly the room the readers are told
// of, so a write past them is caught. A reader answers 1 exactly for a file with the 8,8,8,8
// header and a channel in range, and then reports at most the room's records, names that end
// inside their field and a speed of at least the minimum; a refused call writes nothing.
// Anything else aborts.
//
// Input: one byte choosing the call (channel = byte % 34 - 1, so -1 .. 32; bit 7 asks with no
// room), then the file's bytes.
// Threads: one.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "pages/ptz/preset_file.h"

namespace {

using namespace vela::ptz;

constexpr char kAddress[] = "192.168.1.64";
constexpr uint8_t kUntouched = 0xCD;
constexpr int32_t kUntouchedValue = -7;

void Require(bool condition) {
    if (!condition) std::abort();
}

// A folder of this process's own, so parallel runs do not share the file.
const std::string& PresetFolder() {
    static const std::string folder = [] {
        const auto path = std::filesystem::temp_directory_path() /
                          ("vela-preset-fuzz-" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(path);
        return path.string();
    }();
    return folder;
}

bool AllUntouched(const std::vector<uint8_t>& bytes) {
    for (uint8_t byte : bytes)
        if (byte != kUntouched) return false;
    return true;
}

void CheckInfo(int32_t channel, int32_t room, bool valid) {
    std::vector<uint8_t> records(kPresetsPerChannel * preset_info_record::kSize, kUntouched);
    int32_t count = room, speed = kUntouchedValue;
    const int result =
        ReadPresetInfo(PresetFolder(), kAddress, channel, records.data(), &count, &speed);
    Require(result == (valid ? 1 : 0));
    if (!result) {
        if (room <= 0 || channel < 0 || channel >= kChannelCount) {
            Require(count == room && speed == kUntouchedValue && AllUntouched(records));
        }
        return;
    }
    Require(count >= 0 && count <= kPresetsPerChannel && speed >= kMinimumReportedSpeed);
    for (int32_t i = 0; i < count; ++i) {
        const uint8_t* name = records.data() + i * preset_info_record::kSize;
        Require(std::memchr(name, 0, preset_info_record::kNameWidth) != nullptr);
    }
}

void CheckPlan(int32_t channel, int32_t room, bool valid) {
    std::vector<uint8_t> items(kPlanSlotsPerChannel * plan_item::kSize, kUntouched);
    int32_t count = room, home = kUntouchedValue, homeTime = kUntouchedValue;
    const int result =
        ReadPresetPlan(PresetFolder(), kAddress, channel, items.data(), &count, &home, &homeTime);
    Require(result == (valid ? 1 : 0));
    if (!result) {
        if (room <= 0 || channel < 0 || channel >= kChannelCount) {
            Require(count == room && home == kUntouchedValue && homeTime == kUntouchedValue &&
                    AllUntouched(items));
        }
        return;
    }
    Require(count >= 0 && count <= kPlanSlotsPerChannel);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const int32_t channel = data[0] % (kChannelCount + 2) - 1;
    const int32_t room = data[0] & 0x80 ? 0 : kPresetsPerChannel;
    const uint8_t* file = data + 1;
    const size_t fileSize = size - 1;
    const std::string path = PresetFilePath(PresetFolder(), kAddress);
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(file), static_cast<std::streamsize>(fileSize));

    bool header = fileSize >= kFileHeaderSize;
    for (size_t i = 0; header && i < kFileHeaderSize; ++i) header = file[i] == kFileHeaderByte;
    const bool valid = header && room > 0 && channel >= 0 && channel < kChannelCount;
    CheckInfo(channel, room, valid);
    CheckPlan(channel, room == 0 ? 0 : kPlanSlotsPerChannel, valid);
    return 0;
}
