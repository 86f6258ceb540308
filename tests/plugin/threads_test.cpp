// The exports from several threads at the moments that matter: host threads reading presets
// while the UI thread (the test's main thread) initialises and shuts the plug-in down, and a
// player-like thread calling the console's draw callback while consoles open, switch pages and
// close. The tsan build runs them under ThreadSanitizer, which reports any state these threads
// share without a lock.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "console/dvs_cfg_dlg.h"
#include "pages/ptz/preset_file.h"
#include "platform/bytes.h"
#include "platform/kernel.h"
#include "platform/vela_surface.h"
#include "plugin/VelaSetupDll.h"
#include "tests/common/environment.h"
#include "tests/common/temp_folder.h"
#include "tests/plugin/plugin_netsdk.h"

namespace {

namespace ptz = vela::ptz;
namespace pi = vela_setup::preset_info;
namespace pl = vela_setup::plan_item;
using vela::testing::PluginNetSdk;

constexpr int kCycles = 12;   // Init/UnInit cycles the preset readers run through
constexpr int kConsoles = 4;  // consoles opened while the draw callback runs
constexpr int kChannel = 5;
constexpr int32_t kSpeed = 200;
constexpr int32_t kHomeNumber = 9;
constexpr int32_t kHomeTime = 30;
constexpr int32_t kPlayerPort = 200;

// Runs body again and again on its own thread until Stop.
class RepeatingThread {
  public:
    explicit RepeatingThread(std::function<void()> body)
        : thread_([this, body] {
              while (!stop_.load()) {
                  body();
                  ++rounds_;
              }
          }) {}
    ~RepeatingThread() { Stop(); }

    // Waits until rounds more rounds have ended; the last of them ran wholly after this call.
    void WaitForRounds(int rounds) {
        const int target = rounds_.load() + rounds;
        while (rounds_.load() < target) std::this_thread::yield();
    }
    void Stop() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
    }

  private:
    std::atomic<bool> stop_{false};
    std::atomic<int> rounds_{0};
    std::thread thread_;
};

// A preset file beside the host with one home preset and one plan on kChannel.
class PresetFile {
  public:
    explicit PresetFile(const std::string& address) {
        std::vector<uint8_t> file(ptz::kFileHeaderSize + ptz::preset_image::kSize, 0);
        std::memset(file.data(), ptz::kFileHeaderByte, ptz::kFileHeaderSize);
        uint8_t* image = file.data() + ptz::kFileHeaderSize;
        const size_t preset = ptz::preset_image::PresetOffset(kChannel, kHomeNumber - 1);
        vela::WriteI32(image, preset + ptz::preset_record::kUsed, 1);
        vela::WriteI32(image, preset + ptz::preset_record::kNumber, kHomeNumber);
        vela::WriteI32(image, preset + ptz::preset_record::kHome, 1);
        vela::WriteI32(image, preset + ptz::preset_record::kHomeTime, kHomeTime);
        const size_t plan = ptz::preset_image::PlanOffset(kChannel, 0);
        vela::WriteI32(image, plan + ptz::plan_slot::kUsed, 1);
        vela::WriteI32(image, plan + ptz::plan_slot::kPreset, kHomeNumber);
        vela::WriteI32(image, ptz::preset_image::SpeedOffset(kChannel), kSpeed);

        const std::string folder =
            vela::platform::JoinPath(vela::platform::HostFolder(), ptz::kPresetFolderName);
        vela::platform::CreateFolder(folder);
        path_ = vela::platform::JoinPath(folder, address + ptz::kPresetFileExtension);
        std::FILE* out = std::fopen(path_.c_str(), "wb");
        if (out) {
            std::fwrite(file.data(), 1, file.size(), out);
            std::fclose(out);
        }
    }
    ~PresetFile() { std::remove(path_.c_str()); }
    PresetFile(const PresetFile&) = delete;
    PresetFile& operator=(const PresetFile&) = delete;

  private:
    std::string path_;
};

// What one host thread's reads answered: 0, 1 with the file's values, or anything else.
struct Answers {
    std::atomic<int> refused{0};
    std::atomic<int> read{0};
    std::atomic<int> wrong{0};

    void Count(int32_t result, bool valuesRight) {
        if (result == 0) {
            ++refused;
        } else if (result == 1 && valuesRight) {
            ++read;
        } else {
            ++wrong;
        }
    }
};

int32_t ReadInfo(const std::string& address, Answers& answers) {
    std::vector<uint8_t> records(pi::kSize * pi::kMaxRecords);
    int32_t count = pi::kMaxRecords, speed = 0;
    const int32_t result =
        ReadPresetInfo(address.c_str(), kChannel, records.data(), &count, &speed);
    answers.Count(result, count == 1 && speed == kSpeed &&
                              vela::ReadI32(records.data(), pi::kNumber) == kHomeNumber);
    return result;
}

int32_t ReadPlan(const std::string& address, Answers& answers) {
    uint8_t items[pl::kSize * pl::kMaxItems] = {};
    int32_t count = pl::kMaxItems, home = -1, homeTime = -1;
    const int32_t result =
        ReadPresetPlan(address.c_str(), kChannel, items, &count, &home, &homeTime);
    answers.Count(result, count == 1 && items[pl::kPreset] == kHomeNumber && home == kHomeNumber &&
                              homeTime == kHomeTime);
    return result;
}

TEST(ExportThreadsTest, PresetReadersRunSafelyThroughInitAndUnInitCycles) {
    PluginNetSdk sdk;
    const std::string address = "threads_test_device";
    const PresetFile file(address);
    Answers info, plan;
    RepeatingThread infoReader([&] { ReadInfo(address, info); });
    RepeatingThread planReader([&] { ReadPlan(address, plan); });

    for (int cycle = 0; cycle < kCycles; ++cycle) {
        ASSERT_EQ(Init(0, 0, 0), 1);
        // A round that starts after Init has returned meets a whole plug-in.
        infoReader.WaitForRounds(2);
        planReader.WaitForRounds(2);
        ASSERT_EQ(UnInit(), 1);
        Answers afterUnInit;
        EXPECT_EQ(ReadInfo(address, afterUnInit), 0);
        EXPECT_EQ(ReadPlan(address, afterUnInit), 0);
    }
    infoReader.Stop();
    planReader.Stop();

    EXPECT_EQ(info.wrong.load(), 0);
    EXPECT_EQ(plan.wrong.load(), 0);
    EXPECT_GE(info.read.load(), kCycles);
    EXPECT_GE(plan.read.load(), kCycles);
}

// The player's thread draws and a host thread reports motion alarms while consoles open,
// switch pages and close: neither reaches a console that is going away.
TEST(ExportThreadsTest, DrawsAndMotionAlarmsRunWhileConsolesOpenSwitchPagesAndClose) {
    PluginNetSdk sdk;
    vela::testing::TempFolder folder;
    vela::testing::SetEnvironment("VELA_CONSOLE_SCRIPT",
                                  folder.Write("pages.script",
                                               "page Channel\npage Alarm\npage PTZ\npage Alarm\n"
                                               "page Server\npage Channel\n"));
    ASSERT_EQ(Init(0, 0, 0), 1);
    // Stands for a frame's device context, handed to the shown page: a surface without pixels
    // (headless) or no device context Windows knows, so the Alarm page finds nothing to draw on.
    VelaSurface frame{};
    RepeatingThread player([&frame] { vela::preview::DrawCallback(kPlayerPort, &frame, 0); });
    RepeatingThread host([] {
        SetMotionAlarmState(0, 0, 1);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    });
    player.WaitForRounds(1);
    host.WaitForRounds(1);

    for (int console = 0; console < kConsoles; ++console) {
        EXPECT_EQ(SetupServer("Office", "127.0.0.1", 34567, "admin", "right", 0, "", 0), 0);
    }
    player.Stop();
    host.Stop();
    EXPECT_EQ(sdk.Count("Login(127.0.0.1,34567,admin,right)"), static_cast<size_t>(kConsoles));
    EXPECT_EQ(UnInit(), 1);
}

}  // namespace
