// Four previews from dvrsim at their configured rates, through the NetSDK stand-in, for a
// fixed time: the plug-in's CPU time per frame (the same four streams received by a callback
// that does nothing are the floor, so dvrsim's and NetSDK's own work cancel out) and the
// growth of the process's resident memory while they run. No window: the one player port
// shows one preview, and the player's decoding is not the plug-in's work.
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <thread>
#include <vector>

#include "device/dvs_device.h"
#include "device/netsdk_library.h"
#include "platform/kernel.h"
#include "platform/net.h"
#include "tools/dvrsim/server.h"

namespace {

using vela::device::NetFramePacket;

constexpr int kChannels = 4;

double Seconds() {
    const char* text = std::getenv("VELA_BENCH_SECONDS");
    const double seconds = text ? std::atof(text) : 10.0;
    return seconds > 0 ? seconds : 10.0;
}

double CpuSeconds() {
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

// Resident pages of this process from /proc (0 where there is none), in kilobytes.
long ResidentKb() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * 4;
}

std::atomic<long> g_packets{0};

int32_t VELA_STDCALL CountPacket(int32_t, const NetFramePacket* packet, uintptr_t) {
    if (packet) g_packets.fetch_add(1, std::memory_order_relaxed);
    return 1;
}

struct Rig {
    Rig() {
        vela::platform::StartSockets();
        const auto folder = std::filesystem::temp_directory_path() / "vela-bench-preview";
        std::filesystem::create_directories(folder);
        vela::dvrsim::ServerOptions options;
        options.port = 0;
        options.device.shape.channels = kChannels;
        options.device.statePath = (folder / "state.bin").string();
        server = std::make_unique<vela::dvrsim::Server>(options);
        std::string reason;
        started = server->Start(&reason);
        sdk = vela::device::OpenNetSdk(vela::platform::JoinPath(
            vela::platform::HostFolder(), vela::platform::LibraryFileName("NetSDK")));
    }
    std::unique_ptr<vela::dvrsim::Server> server;
    std::unique_ptr<vela::device::LoadedNetSdk> sdk;
    bool started = false;
};

// Runs four streams for the time and returns the CPU seconds the process spent.
template <typename Start, typename Stop>
double RunStreams(Start start, Stop stop, double seconds) {
    const double before = CpuSeconds();
    start();
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
    stop();
    return CpuSeconds() - before;
}

void BM_FourPreviewsFromDvrsim(benchmark::State& state) {
    Rig rig;
    if (!rig.started || !rig.sdk->IsLoaded()) {
        state.SkipWithError("dvrsim or libNetSDK not available");
        return;
    }
    const double seconds = Seconds();
    for (auto _ : state) {
        // The floor: the streams alone, each packet counted and dropped.
        std::vector<int32_t> logins, plays;
        g_packets = 0;
        const double floorCpu = RunStreams(
            [&] {
                for (int channel = 0; channel < kChannels; ++channel) {
                    uint8_t info[vela::device::kDeviceInfoSize] = {};
                    int32_t error = 0;
                    const int32_t login = rig.sdk->Login("127.0.0.1", rig.server->port(), "admin",
                                                         "", info, &error, 0);
                    const int32_t client[5] = {channel, 0, 0, 0, 0};
                    const int32_t play = rig.sdk->RealPlay(login, client);
                    rig.sdk->SetRealDataCallback(play, &CountPacket, 0);
                    logins.push_back(login);
                    plays.push_back(play);
                }
                std::this_thread::sleep_for(std::chrono::seconds(1));  // as the previews do
            },
            [&] {
                for (size_t i = 0; i < plays.size(); ++i) {
                    rig.sdk->DelRealDataCallback(plays[i], &CountPacket, 0);
                    rig.sdk->StopRealPlay(plays[i], nullptr);
                    rig.sdk->Logout(logins[i]);
                }
            },
            seconds);
        const long frames = g_packets.load();

        // The plug-in: four device connections, each with its preview packaging the stream.
        std::vector<std::unique_ptr<vela::device::CDvsDevice>> devices;
        for (int channel = 0; channel < kChannels; ++channel) {
            devices.push_back(std::make_unique<vela::device::CDvsDevice>(*rig.sdk));
            devices.back()->Connect("dvr", "127.0.0.1", rig.server->port(), "admin", "", 0, "", 0);
        }
        long residentStart = 0;
        const double previewCpu = RunStreams(
            [&] {
                for (int channel = 0; channel < kChannels; ++channel)
                    devices[channel]->StartPreview(channel, nullptr, 0);
                std::this_thread::sleep_for(std::chrono::seconds(1));  // buffers have grown
                residentStart = ResidentKb();
            },
            [&] {
                state.counters["resident_growth_kb"] =
                    static_cast<double>(ResidentKb() - residentStart);
                for (auto& device : devices) device->StopPreview();
            },
            seconds);
        devices.clear();
        state.counters["frames"] = static_cast<double>(frames);
        state.counters["plugin_cpu_us_per_frame"] =
            frames > 0 ? (previewCpu - floorCpu) * 1e6 / static_cast<double>(frames) : 0;
        state.counters["floor_cpu_us_per_frame"] =
            frames > 0 ? floorCpu * 1e6 / static_cast<double>(frames) : 0;
    }
    rig.sdk->Cleanup();
}
BENCHMARK(BM_FourPreviewsFromDvrsim)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace
