// Look-ups in a 300-key INI file, the size of a language's StaticButtonText file: through
// the cached reader, and by reading and parsing the file for every look-up as the Windows
// functions are documented to do.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/kernel.h"
#include "platform/posix/ini_document.h"

namespace {

namespace fs = std::filesystem;

constexpr int kSections = 10;
constexpr int kKeysPerSection = 30;

struct IniFile {
    std::string path;
    std::vector<std::pair<std::string, std::string>> lookups;  // section, key
};

std::string Write300Keys(const std::string& name) {
    std::string path = (fs::temp_directory_path() / name).string();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (int s = 0; s < kSections; ++s) {
        out << "[DlgSection" << s << "]\r\n";
        for (int k = 0; k < kKeysPerSection; ++k) {
            out << "ControlName" << k << " = Caption text of control " << k << "\r\n";
        }
    }
    return path;
}

std::vector<std::pair<std::string, std::string>> AllLookups() {
    std::vector<std::pair<std::string, std::string>> lookups;
    for (int s = 0; s < kSections; ++s) {
        for (int k = 0; k < kKeysPerSection; ++k) {
            lookups.emplace_back("dlgsection" + std::to_string(s),
                                 "CONTROLNAME" + std::to_string(k));
        }
    }
    return lookups;
}

// A file whose time stamps are old enough for the cache to trust them.
const IniFile& SettledFile() {
    static const IniFile file = [] {
        IniFile made{Write300Keys("vela-bench-settled.ini"), AllLookups()};
        std::this_thread::sleep_for(std::chrono::milliseconds(2200));
        return made;
    }();
    return file;
}

void BM_CachedLookup(benchmark::State& state) {
    const IniFile& file = SettledFile();
    size_t next = 0;
    for (auto _ : state) {
        const auto& [section, key] = file.lookups[next++ % file.lookups.size()];
        benchmark::DoNotOptimize(
            vela::platform::ReadProfileString(file.path, section, key, "", 260));
    }
}
BENCHMARK(BM_CachedLookup);

// A file written moments ago: read and compared at each look-up, parsed once.
void BM_RecentlyWrittenLookup(benchmark::State& state) {
    IniFile file{Write300Keys("vela-bench-recent.ini"), AllLookups()};
    size_t next = 0;
    for (auto _ : state) {
        const auto& [section, key] = file.lookups[next++ % file.lookups.size()];
        benchmark::DoNotOptimize(
            vela::platform::ReadProfileString(file.path, section, key, "", 260));
    }
    std::remove(file.path.c_str());
}
BENCHMARK(BM_RecentlyWrittenLookup);

void BM_ReadAndParsePerLookup(benchmark::State& state) {
    const IniFile& file = SettledFile();
    size_t next = 0;
    for (auto _ : state) {
        const auto& [section, key] = file.lookups[next++ % file.lookups.size()];
        std::ifstream in(file.path, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        std::string text = bytes.str();
        auto document = vela::platform::ini::Document::Parse(text.data(), text.size());
        benchmark::DoNotOptimize(
            vela::platform::ini::ResolveString(document, section, key, "", 260));
    }
}
BENCHMARK(BM_ReadAndParsePerLookup);

// What one system call costs on this machine: a look-up that stays correct when the file
// changes between two look-ups asks the kernel once (for pending change notifications).
void BM_OneSystemCall(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(getppid());
}
BENCHMARK(BM_OneSystemCall);

}  // namespace
