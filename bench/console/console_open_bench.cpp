// Opening the console on a device connection to an in-process dvrsim, headless, with the
// sample English skin beside the program: the time from constructing the console to its
// window showing the Server page with all five pages made, and the INI look-ups and file
// reads that takes. Then the resident memory of one connection with its open console, and
// its growth over 100 cycles (after 30 to warm up) of connecting, opening, closing and
// disconnecting.
#include <benchmark/benchmark.h>
#include <dlfcn.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "console/dvs_cfg_dlg.h"
#include "device/dvs_device.h"
#include "device/netsdk_library.h"
#include "platform/kernel.h"
#include "platform/net.h"
#include "platform/posix/ini_reader_statistics.h"
#include "tools/dvrsim/server.h"
#include "ui/skin_values.h"
#include "ui/text_resources.h"

// Every file the process opens for reading through the C or C++ library: the skin's pictures
// (std::ifstream, which opens with fopen64 in libstdc++) and the INI files among them.
std::atomic<uint64_t> g_fileOpens{0};

namespace {
using Fopen = FILE* (*)(const char*, const char*);
FILE* CountedOpen(const char* name, const char* path, const char* mode) {
    g_fileOpens.fetch_add(1, std::memory_order_relaxed);
    return reinterpret_cast<Fopen>(dlsym(RTLD_NEXT, name))(path, mode);
}
}  // namespace

extern "C" FILE* fopen(const char* path, const char* mode) {
    return CountedOpen("fopen", path, mode);
}
extern "C" FILE* fopen64(const char* path, const char* mode) {
    return CountedOpen("fopen64", path, mode);
}

namespace {

constexpr int kCycles = 100;
constexpr int kWarmUpCycles = 30;

// Resident pages of this process from /proc, in kilobytes.
long ResidentKb() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * 4;
}

struct Rig {
    Rig() {
        vela::platform::StartSockets();
        const auto folder = std::filesystem::temp_directory_path() / "vela-bench-console";
        std::filesystem::create_directories(folder);
        vela::dvrsim::ServerOptions options;
        options.port = 0;
        options.device.statePath = (folder / "state.bin").string();
        server = std::make_unique<vela::dvrsim::Server>(options);
        std::string reason;
        started = server->Start(&reason);
        sdk = vela::device::OpenNetSdk(vela::platform::JoinPath(
            vela::platform::HostFolder(), vela::platform::LibraryFileName("NetSDK")));
        // As the plug-in's start-up does: the language folder beside the program.
        vela::ui::ResourcePaths& paths = vela::ui::g_ResourcePaths;
        vela::ui::SelectLanguageFolder(vela::platform::HostFolder(), paths);
        vela::ui::ComposeResourceFiles(paths);
        vela::ui::g_SkinSettings = vela::ui::ReadSkinSettings(paths.staticButtonTextFile);
    }
    bool Ready() const { return started && sdk && sdk->IsLoaded(); }
    std::unique_ptr<vela::device::CDvsDevice> Connect() {
        auto device = std::make_unique<vela::device::CDvsDevice>(*sdk);
        device->Connect("dvr", "127.0.0.1", server->port(), "admin", "", 0, "", 0);
        return device;
    }

    std::unique_ptr<vela::dvrsim::Server> server;
    std::unique_ptr<vela::device::LoadedNetSdk> sdk;
    bool started = false;
};

Rig& TheRig() {
    static Rig rig;
    return rig;
}

void CloseConsole(std::unique_ptr<vela::console::CDvsCfgDlg>& console) {
    console->DestroyWindow();
    vela::platform::TheWindowSystem().PumpMessages();
    console.reset();
}

void BM_ResidentOverOpenCloseCycles(benchmark::State& state) {
    Rig& rig = TheRig();
    if (!rig.Ready()) {
        state.SkipWithError("dvrsim or libNetSDK not available");
        return;
    }
    auto cycle = [&rig](long* residentOpen) {
        auto device = rig.Connect();
        auto console = std::make_unique<vela::console::CDvsCfgDlg>(device.get());
        console->Create();
        if (residentOpen) *residentOpen = ResidentKb();
        CloseConsole(console);
        device.reset();
    };
    for (auto _ : state) {
        // Warm-up cycles first: the allocator's arenas for the library's threads, the caches
        // and one-time allocations settle within a few cycles, after which nothing may grow.
        const long idle = ResidentKb();
        long open = 0;
        cycle(&open);
        for (int i = 1; i < kWarmUpCycles; ++i) cycle(nullptr);
        const long settled = ResidentKb();
        for (int i = 0; i < kCycles; ++i) cycle(nullptr);
        state.counters["resident_open_kb"] = static_cast<double>(open - idle);
        state.counters["resident_warm_up_kb"] = static_cast<double>(settled - idle);
        state.counters["resident_growth_kb"] = static_cast<double>(ResidentKb() - settled);
    }
}
BENCHMARK(BM_ResidentOverOpenCloseCycles)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_OpenConsoleWithFivePages(benchmark::State& state) {
    Rig& rig = TheRig();
    if (!rig.Ready()) {
        state.SkipWithError("dvrsim or libNetSDK not available");
        return;
    }
    auto device = rig.Connect();
    uint64_t lookups = 0, fileReads = 0, fileOpens = 0;
    for (auto _ : state) {
        const auto before = vela::platform::ReadIniReaderStatistics();
        const uint64_t opensBefore = g_fileOpens.load();
        auto console = std::make_unique<vela::console::CDvsCfgDlg>(device.get());
        console->Create();
        const auto after = vela::platform::ReadIniReaderStatistics();
        lookups = after.lookups - before.lookups;
        fileReads = after.fileReads - before.fileReads;
        fileOpens = g_fileOpens.load() - opensBefore;
        state.PauseTiming();
        CloseConsole(console);
        state.ResumeTiming();
    }
    state.counters["ini_lookups"] = static_cast<double>(lookups);
    state.counters["ini_file_reads"] = static_cast<double>(fileReads);
    state.counters["file_opens"] = static_cast<double>(fileOpens);
}
BENCHMARK(BM_OpenConsoleWithFivePages)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
