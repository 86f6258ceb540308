// vela-host: a small host program that loads the VelaSetupDll plug-in by path and drives its
// exports from the command line, as a video client would.
//
//   vela-host [--plugin PATH] setup --address TEXT --ip TEXT --port N --user TEXT
//             --password TEXT [--ddns-mode N --ddns-server TEXT --ddns-port N]
//             [--motion-alarm CHANNEL:STATE@MS[,CHANNEL:STATE@MS...]]
//   vela-host [--plugin PATH] presets --address TEXT --channel N
//
// setup: Init, SetupServer, GetServerInfo, UnInit. Exit code 0 when SetupServer answered 1.
// --motion-alarm plays the host's alarm feed: while the console is open, a thread of the host
// calls SetMotionAlarmState(CHANNEL, 0, STATE) MS milliseconds after SetupServer was called.
// SetupServer answers 0 on a failed login and otherwise the settings-saved flag, so a login
// whose console closes without Save answers 0 too; GetServerInfo is printed either way.
// presets: Init, ReadPresetInfo, ReadPresetPlan, UnInit; exit code 0 when both read the file.
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/bytes.h"
#include "platform/kernel.h"
#include "platform/net.h"
#include "plugin/VelaSetupDll.h"

namespace {

namespace si = vela_setup::server_info;
namespace pi = vela_setup::preset_info;
namespace pl = vela_setup::plan_item;

constexpr size_t kAddressOutCapacity = 1024;  // the host's buffer for GetServerInfo's address

struct Plugin {
    std::unique_ptr<vela::platform::Library> library;
    vela_setup::InitFn init = nullptr;
    vela_setup::UnInitFn unInit = nullptr;
    vela_setup::SetupServerFn setupServer = nullptr;
    vela_setup::GetServerInfoFn getServerInfo = nullptr;
    vela_setup::ReadPresetInfoFn readPresetInfo = nullptr;
    vela_setup::ReadPresetPlanFn readPresetPlan = nullptr;
    vela_setup::SetMotionAlarmStateFn setMotionAlarmState = nullptr;
};

template <typename Fn>
bool Resolve(const vela::platform::Library& library, const char* name, Fn& out) {
    out = reinterpret_cast<Fn>(library.Symbol(name));
    if (!out) std::fprintf(stderr, "vela-host: the plug-in has no export %s\n", name);
    return out != nullptr;
}

bool LoadPlugin(const std::string& path, Plugin& plugin) {
    plugin.library = vela::platform::OpenLibrary(path);
    if (!plugin.library) {
        std::fprintf(stderr, "vela-host: cannot load %s\n", path.c_str());
        return false;
    }
    const auto& lib = *plugin.library;
    return Resolve(lib, "Init", plugin.init) && Resolve(lib, "UnInit", plugin.unInit) &&
           Resolve(lib, "SetupServer", plugin.setupServer) &&
           Resolve(lib, "GetServerInfo", plugin.getServerInfo) &&
           Resolve(lib, "ReadPresetInfo", plugin.readPresetInfo) &&
           Resolve(lib, "ReadPresetPlan", plugin.readPresetPlan) &&
           Resolve(lib, "SetMotionAlarmState", plugin.setMotionAlarmState);
}

// "--name value" pairs after the command; false on a stray word or a missing value.
bool ParseOptions(int argc, char** argv, int first, std::map<std::string, std::string>& out) {
    for (int i = first; i < argc; i += 2) {
        std::string name = argv[i];
        if (name.rfind("--", 0) != 0 || i + 1 >= argc) return false;
        out[name.substr(2)] = argv[i + 1];
    }
    return true;
}

std::string Option(const std::map<std::string, std::string>& options, const char* name,
                   const char* fallback = "") {
    auto found = options.find(name);
    return found == options.end() ? fallback : found->second;
}

// A whole decimal number; anything else is a usage error.
bool IntOption(const std::map<std::string, std::string>& options, const char* name,
               const char* fallback, int* value) {
    std::string text = Option(options, name, fallback);
    char* end = nullptr;
    long parsed = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || parsed < INT32_MIN || parsed > INT32_MAX) {
        std::fprintf(stderr, "vela-host: --%s needs a number, not \"%s\"\n", name, text.c_str());
        return false;
    }
    *value = static_cast<int>(parsed);
    return true;
}

struct MotionAlarm {
    int channel = 0;
    int state = 0;
    int afterMs = 0;
};

// "CHANNEL:STATE@MS" items separated by commas; false on anything else.
bool ParseMotionAlarms(const std::string& text, std::vector<MotionAlarm>& out) {
    std::istringstream items(text);
    for (std::string item; std::getline(items, item, ',');) {
        MotionAlarm alarm;
        char colon = 0, at = 0;
        std::istringstream in(item);
        if (!(in >> alarm.channel >> colon >> alarm.state >> at >> alarm.afterMs) || colon != ':' ||
            at != '@' || alarm.afterMs < 0 || !(in >> std::ws).eof()) {
            std::fprintf(stderr, "vela-host: --motion-alarm needs CHANNEL:STATE@MS, not \"%s\"\n",
                         item.c_str());
            return false;
        }
        out.push_back(alarm);
    }
    return true;
}

// The host's alarm feed: its own thread reports each alarm at its time while SetupServer runs;
// alarms still due when the console has closed are dropped.
class AlarmFeed {
  public:
    AlarmFeed(const Plugin& plugin, std::vector<MotionAlarm> alarms)
        : m_alarms(std::move(alarms)), m_thread([this, &plugin] { Run(plugin); }) {}
    ~AlarmFeed() {
        {
            std::lock_guard<std::mutex> guard(m_mutex);
            m_bClosed = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }

  private:
    void Run(const Plugin& plugin) {
        const auto start = std::chrono::steady_clock::now();
        std::unique_lock<std::mutex> lock(m_mutex);
        for (const MotionAlarm& alarm : m_alarms) {
            const auto due = start + std::chrono::milliseconds(alarm.afterMs);
            if (m_wake.wait_until(lock, due, [this] { return m_bClosed; })) return;
            const int32_t result = plugin.setMotionAlarmState(alarm.channel, 0, alarm.state);
            std::printf("SetMotionAlarmState(%d, 0, %d) at %d ms: %d\n", alarm.channel, alarm.state,
                        alarm.afterMs, result);
            std::fflush(stdout);
        }
    }

    std::vector<MotionAlarm> m_alarms;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_bClosed = false;
    std::thread m_thread;  // last: it starts once the members it reads exist
};

int RunSetup(const Plugin& plugin, const std::map<std::string, std::string>& options) {
    std::string address = Option(options, "address");
    std::string ip = Option(options, "ip");
    std::string user = Option(options, "user", "admin");
    std::string password = Option(options, "password");
    std::string ddnsServer = Option(options, "ddns-server");
    int port = 0, ddnsMode = 0, ddnsPort = 0;
    if (!IntOption(options, "port", "34567", &port) ||
        !IntOption(options, "ddns-mode", "0", &ddnsMode) ||
        !IntOption(options, "ddns-port", "0", &ddnsPort)) {
        return 2;
    }
    std::vector<MotionAlarm> alarms;
    if (!ParseMotionAlarms(Option(options, "motion-alarm"), alarms)) return 2;

    int32_t result = 0;
    {
        AlarmFeed feed(plugin, alarms);
        result = plugin.setupServer(address.c_str(), ip.c_str(), port, user.c_str(),
                                    password.c_str(), ddnsMode, ddnsServer.c_str(), ddnsPort);
    }
    std::printf("SetupServer: %d\n", result);

    std::vector<char> addressOut(kAddressOutCapacity, '\0');
    uint8_t record[si::kSize] = {};
    int32_t info = plugin.getServerInfo(addressOut.data(), record);
    std::printf("GetServerInfo: %d\n", info);
    if (info) {
        std::printf("  address:       %s\n", addressOut.data());
        std::printf("  record address: %s\n",
                    vela::ReadText(record, si::kAddress, si::kAddressWidth).c_str());
        std::printf("  login address: %s\n",
                    vela::ReadText(record, si::kLoginAddress, si::kLoginAddressWidth).c_str());
        std::printf("  port:          %u\n", vela::ReadU16(record, si::kPort));
        std::printf("  user:          %s\n",
                    vela::ReadText(record, si::kUser, si::kUserWidth).c_str());
        std::printf("  password:      %s\n",
                    vela::ReadText(record, si::kPassword, si::kPasswordWidth).c_str());
    }
    return result == 1 ? 0 : 1;
}

int RunPresets(const Plugin& plugin, const std::map<std::string, std::string>& options) {
    std::string address = Option(options, "address");
    int channel = 0;
    if (!IntOption(options, "channel", "0", &channel)) return 2;

    std::vector<uint8_t> records(pi::kSize * pi::kMaxRecords, 0);
    int32_t count = pi::kMaxRecords;
    int32_t speed = 0;
    int32_t infoResult =
        plugin.readPresetInfo(address.c_str(), channel, records.data(), &count, &speed);
    std::printf("ReadPresetInfo: %d\n", infoResult);
    if (infoResult) {
        std::printf("  speed: %d\n  presets: %d\n", speed, count);
        for (int i = 0; i < count && i < pi::kMaxRecords; ++i) {
            const uint8_t* r = records.data() + i * pi::kSize;
            std::printf("  preset %d \"%s\" home=%d homeTime=%d mode=%d tours:",
                        vela::ReadI32(r, pi::kNumber),
                        vela::ReadText(r, pi::kName, pi::kNameWidth).c_str(),
                        vela::ReadI32(r, pi::kHome), vela::ReadI32(r, pi::kHomeTime),
                        vela::ReadI32(r, pi::kMode));
            for (size_t g = 0; g < pi::kTourGroups; ++g) {
                size_t slot = pi::kTourSlots + g * pi::kTourSlotSize;
                if (vela::ReadI32(r, slot) == 0) continue;
                std::printf(" %zu(stay=%d,order=%d)", g, vela::ReadI32(r, slot + 4),
                            vela::ReadI32(r, slot + 8));
            }
            std::printf("\n");
        }
    }

    std::vector<uint8_t> items(pl::kSize * pl::kMaxItems, 0);
    int32_t itemCount = pl::kMaxItems;
    int32_t homePreset = 0;
    int32_t homeTime = 0;
    int32_t planResult = plugin.readPresetPlan(address.c_str(), channel, items.data(), &itemCount,
                                               &homePreset, &homeTime);
    std::printf("ReadPresetPlan: %d\n", planResult);
    if (planResult) {
        std::printf("  home preset: %d\n  home time: %d\n  plan items: %d\n", homePreset, homeTime,
                    itemCount);
        for (int i = 0; i < itemCount && i < pl::kMaxItems; ++i) {
            const uint8_t* item = items.data() + i * pl::kSize;
            std::printf("  day %u %02u:%02u preset %u\n", item[pl::kDay], item[pl::kHour],
                        item[pl::kMinute], item[pl::kPreset]);
        }
    }
    return infoResult && planResult ? 0 : 1;
}

int Usage() {
    std::fprintf(stderr,
                 "usage: vela-host [--plugin PATH] setup --address TEXT --ip TEXT --port N "
                 "--user TEXT --password TEXT [--ddns-mode N --ddns-server IP --ddns-port N]\n"
                 "             [--motion-alarm CHANNEL:STATE@MS[,CHANNEL:STATE@MS...]]\n"
                 "       vela-host [--plugin PATH] presets --address TEXT --channel N\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    int next = 1;
    std::string pluginPath = vela::platform::JoinPath(
        vela::platform::HostFolder(), vela::platform::LibraryFileName("VelaSetupDll"));
    if (next + 1 < argc && std::string(argv[next]) == "--plugin") {
        pluginPath = argv[next + 1];
        next += 2;
    }
    if (next >= argc) return Usage();
    std::string command = argv[next];
    std::map<std::string, std::string> options;
    if ((command != "setup" && command != "presets") ||
        !ParseOptions(argc, argv, next + 1, options)) {
        return Usage();
    }

    vela::platform::StartSockets();  // the host, not the plug-in, starts the socket library
    Plugin plugin;
    if (!LoadPlugin(pluginPath, plugin)) return 2;
    if (!plugin.init(0, 0, 0)) {
        std::fprintf(stderr, "vela-host: Init failed\n");
        return 2;
    }
    int exitCode = command == "setup" ? RunSetup(plugin, options) : RunPresets(plugin, options);
    plugin.unInit();
    // Like a video client, the host keeps the plug-in loaded until the process ends: the
    // plug-in keeps NetSDK loaded for the life of the process.
    static vela::platform::Library* const keptLoaded = plugin.library.release();
    static_cast<void>(keptLoaded);
    std::fflush(stdout);
    return exitCode;
}
