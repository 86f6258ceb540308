#include "tests/soak/soak_device.h"

#include <algorithm>
#include <cstdio>

#include "platform/bytes.h"
#include "platform/kernel.h"
#include "plugin/VelaSetupDll.h"
#include "tests/common/environment.h"
#include "tests/common/plugin_module.h"
#include "tools/dvrsim/record_table.h"
#include "ui/console_script.h"

namespace vela::soak {

namespace {

namespace pi = vela_setup::preset_info;
namespace pl = vela_setup::plan_item;

constexpr size_t kClockBytes = 32;     // the first eight integers of record 18
constexpr size_t kTcpPortOffset = 80;  // record 20: the port the device listens on
constexpr char kPresetFolder[] = "DVSYTFILE";

// Every record a Save may store, as the device holds it (arrays whole), by command. Left out:
// the clock fields of the general settings (they read back as the device's clock) and the port
// the device listens on (its own; the soak does not edit it).
std::map<int, std::vector<uint8_t>> StorableRecordsOf(dvrsim::Device& device) {
    std::map<int, std::vector<uint8_t>> records;
    size_t count = 0;
    const dvrsim::RecordSpec* table = dvrsim::RecordTable(&count);
    for (size_t i = 0; i < count; ++i) {
        if (!table[i].storable) continue;
        std::vector<uint8_t> bytes;
        device.Read(table[i].command, -1, dvrsim::WholeSize(table[i]), &bytes);
        if (table[i].command == dvrsim::kRecSystem && bytes.size() >= kClockBytes)
            bytes.erase(bytes.begin(), bytes.begin() + kClockBytes);
        if (table[i].command == dvrsim::kRecNetwork && bytes.size() >= kTcpPortOffset + 4)
            WriteI32(bytes.data(), kTcpPortOffset, 0);
        records[table[i].command] = std::move(bytes);
    }
    return records;
}

}  // namespace

SoakDevice::SoakDevice(const testing::TempFolder& folder, const std::string& name, int channels,
                       int alarmInputs)
    : folder_(folder), address_(name), channels_(channels), alarmInputs_(alarmInputs) {}

SoakDevice::~SoakDevice() {
    server_.reset();
    std::remove(PresetFile().c_str());
}

std::string SoakDevice::PresetFile() const {
    return platform::JoinPath(platform::JoinPath(platform::HostFolder(), kPresetFolder),
                              address_ + ".dat");
}

bool SoakDevice::Start(std::string* reason) {
    std::remove(PresetFile().c_str());
    options_.port = 0;
    options_.rebootMs = kRebootMs;
    options_.device.statePath = folder_.File(address_ + ".state");
    options_.device.shape.channels = channels_;
    options_.device.shape.alarmInputs = alarmInputs_;
    server_ = std::make_unique<dvrsim::Server>(options_);
    return server_->Start(reason);
}

std::string SoakDevice::RunConsole(const std::string& script) {
    const std::string transcript = folder_.File(address_ + ".transcript");
    std::remove(transcript.c_str());
    testing::SetEnvironment(ui::kScriptVariable, folder_.Write(address_ + ".script", script));
    testing::SetEnvironment(ui::kTranscriptVariable, transcript);
    testing::ThePlugin().setupServer(address_.c_str(), "127.0.0.1", server_->port(), "admin", "", 0,
                                     "", 0);
    return testing::ReadWholeFile(transcript);
}

bool SoakDevice::Control(const std::string& command) {
    bool ok = false;
    server_->Control(command, &ok);
    return ok;
}

std::map<int, std::vector<uint8_t>> SoakDevice::StorableRecords() {
    return StorableRecordsOf(device());
}

std::map<int, std::vector<uint8_t>> SoakDevice::StateFileRecords() const {
    dvrsim::Device restarted(options_.device);
    if (!restarted.Load()) return {};
    return StorableRecordsOf(restarted);
}

PresetReadback SoakDevice::ReadPresets(int channel) const {
    PresetReadback answer;
    answer.records.assign(pi::kSize * pi::kMaxRecords, 0);
    answer.count = pi::kMaxRecords;
    answer.result = testing::ThePlugin().readPresetInfo(
        address_.c_str(), channel, answer.records.data(), &answer.count, &answer.speed);
    answer.records.resize(pi::kSize *
                          static_cast<size_t>(std::clamp(answer.count, 0, pi::kMaxRecords)));
    answer.items.assign(pl::kSize * pl::kMaxItems, 0);
    answer.planCount = pl::kMaxItems;
    answer.planResult =
        testing::ThePlugin().readPresetPlan(address_.c_str(), channel, answer.items.data(),
                                            &answer.planCount, &answer.home, &answer.homeTime);
    answer.items.resize(pl::kSize *
                        static_cast<size_t>(std::clamp(answer.planCount, 0, pl::kMaxItems)));
    return answer;
}

}  // namespace vela::soak
