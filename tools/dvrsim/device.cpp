#include "tools/dvrsim/device.h"

#include <algorithm>
#include <cstring>
#include <ctime>
#include <sstream>

#include "platform/bytes.h"
#include "tools/dvrsim/default_records.h"
#include "tools/dvrsim/record_table.h"
#include "tools/wire/commands.h"
#include "tools/wire/firmware_image.h"

namespace vela::dvrsim {

namespace {

constexpr int kPresetSet = 17;
constexpr int kPresetClear = 18;
constexpr int kPresetGoTo = 19;
constexpr int kMaxPreset = 128;

const char* MotionName(int command) {
    switch (command) {
        case 0:
            return "up";
        case 1:
            return "down";
        case 2:
            return "left";
        case 3:
            return "right";
        case 8:
            return "zoom-";
        case 9:
            return "zoom+";
        case 10:
            return "focus+";
        case 11:
            return "focus-";
        case 12:
            return "iris+";
        case 13:
            return "iris-";
        default:
            return nullptr;
    }
}

}  // namespace

Device::Device(DeviceOptions options) : options_(std::move(options)) {
    options_.shape.channels = std::clamp(options_.shape.channels, 0, kMaxChannels);
    options_.shape.alarmInputs = std::clamp(options_.shape.alarmInputs, 0, kMaxAlarmInputs);
    options_.shape.alarmOutputs = std::clamp(options_.shape.alarmOutputs, 0, kMaxAlarmOutputs);
    for (int ch = 0; ch < kMaxChannels; ++ch) overlay_[ch] = "CH" + std::to_string(ch + 1);
}

bool Device::Load() {
    std::lock_guard<std::mutex> lock(mutex_);
    DeviceState state;
    bool ok = LoadStateFile(options_.statePath, &state);
    stored_ = DeviceState();
    records_.clear();
    if (!ok) return false;
    for (const auto& [key, bytes] : state.entries) {
        if (key == kFirmwareKey) {
            version_ = std::string(bytes.begin(), bytes.end()).substr(0, 63);
            stored_.entries[key] = bytes;
            continue;
        }
        const RecordSpec* entry = FindRecord(static_cast<int>(key));
        if (!entry || bytes.size() != WholeSize(*entry)) continue;  // not ours: skipped
        records_[entry->command] = bytes;
        stored_.entries[key] = bytes;
    }
    return true;
}

int32_t Device::CheckLogin(const std::string& user, const std::string& password) const {
    if (user != options_.user) return wire::kErrBadUser;
    if (password != options_.password) return wire::kErrBadPassword;
    return wire::kOk;
}

std::vector<uint8_t> Device::DeviceInfo() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return BuildDeviceInfo(options_.shape, version_);
}

const std::vector<uint8_t>& Device::Record(int command) {
    auto found = records_.find(command);
    if (found != records_.end()) return found->second;
    return records_[command] = BuildDefaultRecord(command, options_.shape);
}

int Device::SlotBoundOf(int command) const {
    const RecordSpec* entry = FindRecord(command);
    if (!entry) return 0;
    switch (entry->slots) {
        case SlotBound::kChannels:
            return options_.shape.channels;
        case SlotBound::kAlarmInputs:
            return options_.shape.alarmInputs;
        case SlotBound::kSingle:
            return 1;
    }
    return 0;
}

void Device::FillClock(std::vector<uint8_t>* system) const {
    std::time_t now = std::time(nullptr) + static_cast<std::time_t>(clockOffsetSeconds_);
    std::tm local = *std::localtime(&now);
    const int32_t fields[kSystemTimeFields] = {
        local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, 0,
        local.tm_hour,        local.tm_min,     local.tm_sec,  0};
    for (size_t i = 0; i < kSystemTimeFields; ++i) WriteI32(system->data(), 4 * i, fields[i]);
}

void Device::TakeClock(const uint8_t* system) {
    std::tm wanted{};
    wanted.tm_year = ReadI32(system, 0) - 1900;
    wanted.tm_mon = ReadI32(system, 4) - 1;
    wanted.tm_mday = ReadI32(system, 8);
    wanted.tm_hour = ReadI32(system, 16);
    wanted.tm_min = ReadI32(system, 20);
    wanted.tm_sec = ReadI32(system, 24);
    wanted.tm_isdst = -1;
    bool plausible = wanted.tm_year > 70 && wanted.tm_year < 200 && wanted.tm_mon >= 0 &&
                     wanted.tm_mon < 12 && wanted.tm_mday >= 1 && wanted.tm_mday <= 31;
    if (!plausible) return;  // a store of other fields with a blank clock keeps the clock
    std::time_t target = std::mktime(&wanted);
    if (target != static_cast<std::time_t>(-1)) {
        clockOffsetSeconds_ = static_cast<long long>(target - std::time(nullptr));
    }
}

int32_t Device::Read(int command, int channel, uint32_t capacity, std::vector<uint8_t>* out) {
    std::lock_guard<std::mutex> lock(mutex_);
    const RecordSpec* entry = FindRecord(command);
    if (!entry) return wire::kErrNoSuchRecord;
    const std::vector<uint8_t>& record = Record(command);
    if (entry->slots == SlotBound::kSingle || channel == -1) {
        if (entry->slots == SlotBound::kSingle && channel != 0 && channel != -1) {
            return wire::kErrBadChannel;
        }
        if (capacity < record.size()) return wire::kErrBadSize;
        *out = record;
        if (command == kRecSystem) FillClock(out);
        ++readsAnswered_;
        return wire::kOk;
    }
    if (channel < 0 || channel >= SlotBoundOf(command)) return wire::kErrBadChannel;
    if (capacity < entry->size) return wire::kErrBadSize;
    auto begin = record.begin() + static_cast<long>(entry->size) * channel;
    out->assign(begin, begin + entry->size);
    ++readsAnswered_;
    return wire::kOk;
}

int32_t Device::Store(int command, int channel, const uint8_t* data, size_t size) {
    std::lock_guard<std::mutex> lock(mutex_);
    const RecordSpec* entry = FindRecord(command);
    if (!entry || !entry->storable) return wire::kErrNoSuchRecord;
    if (options_.faults.refuseStore.count(command)) return wire::kErrStoreRefused;
    std::vector<uint8_t> record = Record(command);
    size_t offset = 0;
    size_t expected = record.size();
    if (entry->slots == SlotBound::kSingle) {
        if (channel != 0 && channel != -1) return wire::kErrBadChannel;
    } else if (channel != -1) {
        if (channel < 0 || channel >= SlotBoundOf(command)) return wire::kErrBadChannel;
        offset = static_cast<size_t>(entry->size) * static_cast<size_t>(channel);
        expected = entry->size;
    }
    if (size != expected) return wire::kErrBadSize;
    std::memcpy(record.data() + offset, data, size);
    std::vector<uint8_t> previous = records_[command];
    records_[command] = record;
    stored_.entries[static_cast<uint32_t>(command)] = record;
    if (!Persist()) {
        records_[command] = previous;
        stored_.entries[static_cast<uint32_t>(command)] = previous;
        return wire::kErrStoreRefused;
    }
    // Only the time-setting store (channel -1) sets the clock: a configuration save (channel 0)
    // carries the time read at login, and taking it would turn the clock back.
    if (command == kRecSystem && channel == -1) TakeClock(record.data());
    ++storesAccepted_;
    return options_.faults.needsReboot.count(command) ? wire::kNeedsReboot : wire::kOk;
}

bool Device::Persist() {
    return SaveStateFile(options_.statePath, stored_);
}

int32_t Device::PtzMotion(int channel, int command, int stop, int speed) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (channel < 0 || channel >= options_.shape.channels) return wire::kErrBadChannel;
    const char* name = MotionName(command);
    if (!name) return wire::kErrBadArgument;
    std::string text = "CH" + std::to_string(channel + 1) + " " + name;
    overlay_[channel] = stop ? text + " stop" : text + " speed " + std::to_string(speed);
    LogPtz(text + (stop ? " stop" : "") + " speed " + std::to_string(speed));
    return wire::kOk;
}

int32_t Device::PtzPreset(int channel, int command, int preset) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (channel < 0 || channel >= options_.shape.channels) return wire::kErrBadChannel;
    if (preset < 1 || preset > kMaxPreset) return wire::kErrBadArgument;
    const char* verb = command == kPresetSet     ? "set"
                       : command == kPresetClear ? "clear"
                       : command == kPresetGoTo  ? "go to"
                                                 : nullptr;
    if (!verb) return wire::kErrBadArgument;
    overlay_[channel] =
        "CH" + std::to_string(channel + 1) + " " + verb + " preset " + std::to_string(preset);
    LogPtz(overlay_[channel]);
    return wire::kOk;
}

// Under the device's lock.
void Device::LogPtz(std::string line) {
    if (ptzLog_.size() == kPtzLogCapacity) ptzLog_.pop_front();
    ptzLog_.push_back(std::move(line));
}

std::vector<std::string> Device::PtzLog() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return std::vector<std::string>(ptzLog_.begin(), ptzLog_.end());
}

StreamRate Device::EncodingRate(int channel, int streamType) {
    std::lock_guard<std::mutex> lock(mutex_);
    return ReadStreamRate(Record(kRecEncoding), channel, streamType);
}

std::string Device::Overlay(int channel) const {
    std::lock_guard<std::mutex> lock(mutex_);
    if (channel < 0 || channel >= kMaxChannels) return std::string();
    return overlay_[channel];
}

uint32_t Device::NoteRequest(RequestNote note, std::string* atStore) {
    std::lock_guard<std::mutex> lock(mutex_);
    note.number = ++requestsNoted_;
    note.store = note.kind == wire::kSetConfig ? ++storeRequests_ : 0;
    note.answer = kNotAnswered;
    if (requestLog_.size() == kRequestLogSize) requestLog_.pop_front();
    requestLog_.push_back(note);
    atStore->clear();
    auto planned = options_.faults.atStore.find(note.store);
    if (note.store && planned != options_.faults.atStore.end()) {
        *atStore = planned->second;
        options_.faults.atStore.erase(planned);
    }
    return note.number;
}

void Device::NoteAnswer(uint32_t number, int32_t answer) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (requestLog_.empty() || number < requestLog_.front().number) return;  // forgotten
    const size_t index = number - requestLog_.front().number;
    if (index < requestLog_.size()) requestLog_[index].answer = answer;
}

std::vector<RequestNote> Device::RequestsAfter(uint32_t after) const {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<RequestNote> notes;
    for (const RequestNote& note : requestLog_)
        if (note.number > after) notes.push_back(note);
    return notes;
}

uint32_t Device::requestsNoted() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return requestsNoted_;
}

uint32_t Device::storeRequests() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return storeRequests_;
}

int32_t Device::BeginUpgrade(uint32_t size) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (size == 0 || size > wire::kMaxFirmwareSize) return wire::kErrBadSize;
    upgrade_.clear();
    upgrade_.reserve(size);
    upgradeExpected_ = size;
    upgrading_ = true;
    return wire::kOk;
}

int32_t Device::UpgradeData(const uint8_t* data, size_t size) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!upgrading_) return wire::kErrUpgradeState;
    if (size > upgradeExpected_ - upgrade_.size()) {
        upgrading_ = false;
        return wire::kErrBadSize;
    }
    upgrade_.insert(upgrade_.end(), data, data + size);
    return static_cast<int32_t>(upgrade_.size());
}

int32_t Device::FinishUpgrade() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!upgrading_) return wire::kErrUpgradeState;
    upgrading_ = false;
    std::string version;
    bool whole =
        upgrade_.size() == upgradeExpected_ && wire::VerifyFirmwareImage(upgrade_, &version);
    upgrade_.clear();
    if (!whole) return wire::kErrNotFirmware;
    std::string previous = version_;
    version_ = version.substr(0, kInfoVersionWidth - 1);
    stored_.entries[kFirmwareKey].assign(version_.begin(), version_.end());
    if (!Persist()) {
        version_ = previous;
        stored_.entries[kFirmwareKey].assign(previous.begin(), previous.end());
        return wire::kErrUpgradeState;
    }
    return wire::kOk;
}

size_t Device::UpgradeReceived() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return upgrading_ ? upgrade_.size() : 0;
}

std::string Device::Version() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return version_;
}

Faults Device::faults() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return options_.faults;
}

bool Device::ApplyFault(const std::string& line, std::string* reason) {
    std::lock_guard<std::mutex> lock(mutex_);
    return ApplyFaultCommand(line, &options_.faults, reason);
}

std::string Device::Summary() const {
    std::lock_guard<std::mutex> lock(mutex_);
    std::ostringstream out;
    out << "firmware: " << version_ << "\n"
        << "channels: " << options_.shape.channels
        << ", alarm inputs: " << options_.shape.alarmInputs
        << ", alarm outputs: " << options_.shape.alarmOutputs << "\n"
        << "reads answered: " << readsAnswered_ << ", store requests: " << storeRequests_
        << ", stores accepted: " << storesAccepted_
        << ", records changed: " << stored_.entries.size() << "\n"
        << "faults: " << DescribeFaults(options_.faults) << "\n";
    for (int ch = 0; ch < options_.shape.channels; ++ch) out << "picture: " << overlay_[ch] << "\n";
    return out.str();
}

void Device::NotePlayStarted(int channel, int streamType) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (playsStarted_.size() == kPlayLogSize) playsStarted_.erase(playsStarted_.begin());
    playsStarted_.push_back({channel, streamType});
}

std::vector<Device::PlayStart> Device::PlaysStarted() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return playsStarted_;
}

uint32_t Device::readsAnswered() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return readsAnswered_;
}

uint32_t Device::storesAccepted() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return storesAccepted_;
}

}  // namespace vela::dvrsim
