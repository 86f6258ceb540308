// The host's preset readers on a full preset file against reading that file from the page
// cache, which is what any reader of it must at least do.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <vector>

#include "pages/ptz/preset_file.h"
#include "platform/bytes.h"

namespace {

namespace fs = std::filesystem;
using namespace vela::ptz;  // NOLINT(google-build-using-namespace): the file's layout names

constexpr char kAddress[] = "Office";
constexpr int32_t kChannel = 5;

// A preset folder holding one file with every preset and plan slot of every channel used.
struct PresetFolder {
    PresetFolder() {
        folder = fs::temp_directory_path() / "vela-bench-presets";
        fs::create_directories(folder);
        std::vector<uint8_t> image(preset_image::kSize, 0);
        for (int channel = 0; channel < kChannelCount; ++channel) {
            for (int slot = 0; slot < kPresetsPerChannel; ++slot)
                vela::WriteI32(image.data() + preset_image::PresetOffset(channel, slot),
                               preset_record::kUsed, preset_record::kUsedValue);
            for (int slot = 0; slot < kPlanSlotsPerChannel; ++slot)
                vela::WriteI32(image.data() + preset_image::PlanOffset(channel, slot),
                               plan_slot::kUsed, plan_slot::kUsedValue);
        }
        path = PresetFilePath(folder.string(), kAddress);
        std::FILE* file = std::fopen(path.c_str(), "wb");
        const uint8_t header[kFileHeaderSize] = {8, 8, 8, 8};
        std::fwrite(header, 1, sizeof header, file);
        std::fwrite(image.data(), 1, image.size(), file);
        std::fclose(file);
    }
    ~PresetFolder() { fs::remove_all(folder); }
    fs::path folder;
    std::string path;
};

void BM_ReadPresetInfo(benchmark::State& state) {
    PresetFolder presets;
    std::vector<uint8_t> records(kPresetsPerChannel * preset_info_record::kSize);
    for (auto _ : state) {
        int32_t count = kPresetsPerChannel, speed = 0;
        benchmark::DoNotOptimize(ReadPresetInfo(presets.folder.string(), kAddress, kChannel,
                                                records.data(), &count, &speed));
    }
}

void BM_ReadPresetPlan(benchmark::State& state) {
    PresetFolder presets;
    std::vector<uint8_t> items(kPlanSlotsPerChannel * plan_item::kSize);
    for (auto _ : state) {
        int32_t count = kPlanSlotsPerChannel, home = 0, time = 0;
        benchmark::DoNotOptimize(ReadPresetPlan(presets.folder.string(), kAddress, kChannel,
                                                items.data(), &count, &home, &time));
    }
}

// The floor: the whole file read from the page cache into a buffer that exists already.
void BM_ReadFileFromCache(benchmark::State& state) {
    PresetFolder presets;
    std::vector<uint8_t> buffer(kFileHeaderSize + preset_image::kSize);
    for (auto _ : state) {
        std::FILE* file = std::fopen(presets.path.c_str(), "rb");
        benchmark::DoNotOptimize(std::fread(buffer.data(), 1, buffer.size(), file));
        std::fclose(file);
    }
}

BENCHMARK(BM_ReadPresetInfo)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadPresetPlan)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadFileFromCache)->Unit(benchmark::kMicrosecond);

}  // namespace
