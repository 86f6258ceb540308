// One simulated device of the soak: dvrsim in this process on a loopback port with a state file
// of its own, known to the plug-in by an address text of its own (so its preset file is its
// own too), and consoles run on it through the plug-in module loaded by path.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "tests/common/temp_folder.h"
#include "tools/dvrsim/server.h"

namespace vela::soak {

// The answers of ReadPresetInfo and ReadPresetPlan for one channel, as they came.
struct PresetReadback {
    int32_t result = 0, count = 0, speed = 0;
    std::vector<uint8_t> records;  // count records of vela_setup::preset_info
    int32_t planResult = 0, planCount = 0, home = 0, homeTime = 0;
    std::vector<uint8_t> items;  // planCount items of vela_setup::plan_item
    bool operator==(const PresetReadback& other) const {
        return result == other.result && count == other.count && speed == other.speed &&
               records == other.records && planResult == other.planResult &&
               planCount == other.planCount && home == other.home && homeTime == other.homeTime &&
               items == other.items;
    }
};

// How long a reboot keeps the device away: short, so that a soak round does not idle.
constexpr uint32_t kRebootMs = 300;

class SoakDevice {
  public:
    // name: the address text, made unique to this run.
    SoakDevice(const testing::TempFolder& folder, const std::string& name, int channels,
               int alarmInputs);
    ~SoakDevice();  // removes the device's preset file

    bool Start(std::string* reason);
    // Runs a console on the device with the script; the transcript it left.
    std::string RunConsole(const std::string& script);
    // A fault or server command; false when dvrsim refused it.
    bool Control(const std::string& command);

    dvrsim::Device& device() { return server_->device(); }
    const std::string& address() const { return address_; }
    // Every record a Save may store, as the device holds it now (arrays whole), by command,
    // without the clock fields and the device's own port.
    std::map<int, std::vector<uint8_t>> StorableRecords();
    // The same records as the device's state file holds them: what a restarted dvrsim would
    // answer. Empty when the file cannot be loaded.
    std::map<int, std::vector<uint8_t>> StateFileRecords() const;
    // What the plug-in's preset readers answer for a channel of this device.
    PresetReadback ReadPresets(int channel) const;

  private:
    std::string PresetFile() const;

    const testing::TempFolder& folder_;
    std::string address_;
    int channels_;
    int alarmInputs_;
    dvrsim::ServerOptions options_;
    std::unique_ptr<dvrsim::Server> server_;
};

}  // namespace vela::soak
