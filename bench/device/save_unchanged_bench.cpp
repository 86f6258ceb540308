// Save with nothing edited: the device connection compares every record with its snapshot and
// stores nothing, against one memcmp of the record blocks, the least such a check can cost.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "device/dvs_device.h"
#include "device/records.h"
#include "tests/common/fake_netsdk.h"

namespace {

void BM_SaveWithoutEdits(benchmark::State& state) {
    vela::testing::FakeNetSdk sdk;
    sdk.SetDeviceCounts(32, 0, 16, 4);
    vela::device::CDvsDevice device(sdk);
    device.Connect("dvr", "127.0.0.1", 34567, "admin", "", 0, "", 0);
    device.TakeSnapshot();
    for (auto _ : state) {
        benchmark::DoNotOptimize(device.SaveRecords());
        sdk.calls.clear();
    }
}

void BM_MemcmpRecordBlocks(benchmark::State& state) {
    const std::vector<uint8_t> live(vela::device::kRecordBlockSize, 0x11);
    const std::vector<uint8_t> snapshot(live);
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::memcmp(live.data(), snapshot.data(), live.size()));
        benchmark::ClobberMemory();
    }
}

BENCHMARK(BM_SaveWithoutEdits)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MemcmpRecordBlocks)->Unit(benchmark::kMicrosecond);

}  // namespace
