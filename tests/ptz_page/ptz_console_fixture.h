// End to end on the PTZ page: the shipped plug-in module, loaded by path as a host loads it,
// runs its console from a console script against dvrsim over loopback, through the NetSDK and
// player stand-ins. The same source runs natively (headless console) and under wine64 (the
// real Windows console). Each test names its device by its own address text, so that its
// preset file beside the test programs is its own.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "platform/bytes.h"
#include "platform/kernel.h"
#include "platform/net.h"
#include "plugin/VelaSetupDll.h"
#include "tests/common/environment.h"
#include "tests/common/plugin_module.h"
#include "tests/common/temp_folder.h"
#include "tools/dvrsim/server.h"
#include "ui/console_script.h"

namespace vela::ptz_e2e {

namespace pi = vela_setup::preset_info;
namespace pl = vela_setup::plan_item;

constexpr size_t kDecoderSize = 60;  // record 21, one per channel
constexpr uint32_t kDecoderRecord = 21;

struct PresetInfo {
    std::string name;
    int32_t number, home, homeTime, mode;
    int32_t tour[pi::kTourGroups][3];  // member, stay, order
};

struct Presets {
    int32_t result = 0, speed = 0;
    std::vector<PresetInfo> records;
};

struct Plan {
    int32_t result = 0, homePreset = 0, homeTime = 0;
    std::vector<std::string> items;  // "day hh:mm preset"
};

class PtzConsoleTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::StartSockets();
        ASSERT_TRUE(testing::ThePlugin().Complete()) << "the plug-in module beside the tests";
        address = std::string("PtzTest-") +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::remove(PresetFile().c_str());
        dvrsim::ServerOptions options;
        options.port = 0;
        options.device.statePath = folder.File("state.bin");
        server = std::make_unique<dvrsim::Server>(options);
        std::string reason;
        ASSERT_TRUE(server->Start(&reason)) << reason;
        ASSERT_EQ(testing::ThePlugin().init(0, 0, 0), 1);
    }
    void TearDown() override {
        testing::ThePlugin().unInit();
        server.reset();
        std::remove(PresetFile().c_str());
    }

    std::string PresetFile() const {
        return platform::JoinPath(platform::JoinPath(platform::HostFolder(), "DVSYTFILE"),
                                  address + ".dat");
    }
    // SetupServer with the script; the transcript it left.
    std::string RunConsole(const std::string& script) {
        const std::string transcript = folder.File("transcript.txt");
        std::remove(transcript.c_str());
        testing::SetEnvironment(ui::kScriptVariable, folder.Write("script.txt", script));
        testing::SetEnvironment(ui::kTranscriptVariable, transcript);
        testing::ThePlugin().setupServer(address.c_str(), "127.0.0.1", server->port(), "admin", "",
                                         0, "", 0);
        return testing::ReadWholeFile(transcript);
    }
    std::vector<uint8_t> Decoder(int channel) {
        std::vector<uint8_t> record;
        server->device().Read(kDecoderRecord, channel, kDecoderSize, &record);
        record.resize(kDecoderSize);
        return record;
    }

    Presets ReadPresets(int channel = 0) {
        Presets presets;
        std::vector<uint8_t> bytes(pi::kSize * pi::kMaxRecords, 0);
        int32_t count = pi::kMaxRecords;
        presets.result = testing::ThePlugin().readPresetInfo(address.c_str(), channel, bytes.data(),
                                                             &count, &presets.speed);
        for (int32_t i = 0; presets.result && i < count; ++i) {
            const uint8_t* r = bytes.data() + static_cast<size_t>(i) * pi::kSize;
            PresetInfo info{ReadText(r, pi::kName, pi::kNameWidth),
                            ReadI32(r, pi::kNumber),
                            ReadI32(r, pi::kHome),
                            ReadI32(r, pi::kHomeTime),
                            ReadI32(r, pi::kMode),
                            {}};
            for (size_t g = 0; g < pi::kTourGroups; ++g)
                for (size_t f = 0; f < 3; ++f)
                    info.tour[g][f] = ReadI32(r, pi::kTourSlots + g * pi::kTourSlotSize + f * 4);
            presets.records.push_back(info);
        }
        return presets;
    }

    Plan ReadPlan(int channel = 0) {
        Plan plan;
        std::vector<uint8_t> bytes(pl::kSize * pl::kMaxItems, 0);
        int32_t count = pl::kMaxItems;
        plan.result = testing::ThePlugin().readPresetPlan(address.c_str(), channel, bytes.data(),
                                                          &count, &plan.homePreset, &plan.homeTime);
        for (int32_t i = 0; plan.result && i < count; ++i) {
            const uint8_t* item = bytes.data() + static_cast<size_t>(i) * pl::kSize;
            char text[32];
            std::snprintf(text, sizeof text, "%u %02u:%02u %u", item[pl::kDay], item[pl::kHour],
                          item[pl::kMinute], item[pl::kPreset]);
            plan.items.emplace_back(text);
        }
        return plan;
    }

    testing::TempFolder folder;
    std::unique_ptr<dvrsim::Server> server;
    std::string address;
};

// Script lines that add a preset on the preset panel: name, number, mode entry (0 call, 1 save).
inline std::string AddPreset(const std::string& name, const std::string& number, int mode = 0) {
    return "set PreSetupDlg.PreName " + name + "\nset PreSetupDlg.PreNum " + number +
           "\nselect PreSetupDlg.CallMode " + std::to_string(mode) +
           "\nclick PreSetupDlg.AddPreset\n";
}

// Script lines that add a plan entry: preset entry, day, hour and minute texts.
inline std::string AddPlanEntry(int preset, int day, const std::string& hour,
                                const std::string& minute) {
    return "select CmbPresets " + std::to_string(preset) + "\nselect CmbWeek " +
           std::to_string(day) + "\nset CmbHour " + hour + "\nset CmbMinute " + minute +
           "\nclick BtnAddAuto\n";
}

}  // namespace vela::ptz_e2e
