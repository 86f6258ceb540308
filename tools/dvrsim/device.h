// The simulated device's model: login check, records with their channel rules, the clock,
// PTZ state shown in the picture, firmware upgrade, faults. Every stored record is written to
// the state file before the store is answered. Thread-safe: each connection thread, the
// HTTP thread and the control commands call it concurrently.
#pragma once

#include <cstdint>
#include <deque>
#include <limits>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "tools/dvrsim/device_shape.h"
#include "tools/dvrsim/faults.h"
#include "tools/dvrsim/state_file.h"
#include "tools/dvrsim/stream_rate.h"

namespace vela::dvrsim {

struct DeviceOptions {
    DeviceShape shape;
    std::string user = "admin";
    std::string password;
    std::string statePath = "dvrsim-state.bin";
    Faults faults;
};

constexpr size_t kPlayLogSize = 64;

// A request as the device received it over a connection, for tests to see what a client
// asked in which order and what it was told. The answer is filled in once it is handled.
constexpr int32_t kNotAnswered = std::numeric_limits<int32_t>::min();  // dropped or withheld
struct RequestNote {
    uint32_t number = 0;      // requests are numbered from 1 in the order they arrive
    uint32_t connection = 0;  // the server's number of the connection, from 1
    uint32_t request = 0;     // the request's number on its connection, from 1
    uint16_t kind = 0;        // the wire command
    uint32_t store = 0;       // store requests are numbered apart, from 1; 0 for others
    int command = 0;          // the record of a read or store
    int channel = 0;
    int32_t answer = kNotAnswered;
};
constexpr size_t kRequestLogSize = 4096;

class Device {
  public:
    explicit Device(DeviceOptions options);

    // Loads the state file. False when it exists but is unreadable or malformed: the device
    // then runs from the factory state, and the next store replaces the file.
    bool Load();

    const DeviceShape& shape() const { return options_.shape; }
    // kOk, or kErrBadUser / kErrBadPassword.
    int32_t CheckLogin(const std::string& user, const std::string& password) const;
    std::vector<uint8_t> DeviceInfo() const;

    // Reads a record (channel -1: the whole record; 0.. : one slot of an array; single
    // records take 0 or -1) into out: kOk or an error.
    int32_t Read(int command, int channel, uint32_t capacity, std::vector<uint8_t>* out);
    // Stores exactly one block (or a whole array with channel -1): kOk, kNeedsReboot, or an
    // error with nothing changed. Record 18 stored with channel -1 also sets the clock.
    int32_t Store(int command, int channel, const uint8_t* data, size_t size);

    int32_t PtzMotion(int channel, int command, int stop, int speed);
    int32_t PtzPreset(int channel, int command, int preset);
    // The overlay line of a channel's picture: its number and the last PTZ command.
    std::string Overlay(int channel) const;
    // The accepted PTZ and preset commands, oldest first (the last kPtzLogCapacity), as the
    // overlay words them, with the speed of a motion's stop too: "CH1 left stop speed 3".
    std::vector<std::string> PtzLog() const;
    static constexpr size_t kPtzLogCapacity = 256;
    // The frame and bit rate a channel's stream is encoded at (the encoding record).
    StreamRate EncodingRate(int channel, int streamType);
    // Live streams started by any connection, oldest first; the last kPlayLogSize are kept.
    struct PlayStart {
        int channel;
        int streamType;
    };
    void NotePlayStarted(int channel, int streamType);
    std::vector<PlayStart> PlaysStarted() const;

    // Notes a request as it arrives, unanswered for now, and returns its number. A store also
    // gets the next store number, and *atStore the command the faults hold for that number
    // (which then leaves them), else "".
    uint32_t NoteRequest(RequestNote note, std::string* atStore);
    void NoteAnswer(uint32_t number, int32_t answer);
    // The requests numbered above `after`, oldest first; the last kRequestLogSize are kept.
    std::vector<RequestNote> RequestsAfter(uint32_t after) const;
    uint32_t requestsNoted() const;
    uint32_t storeRequests() const;

    int32_t BeginUpgrade(uint32_t size);
    // Bytes received so far, or an error (no upgrade begun, more than announced).
    int32_t UpgradeData(const uint8_t* data, size_t size);
    // kOk when the received image is whole and intact (the new version is kept).
    int32_t FinishUpgrade();
    // Firmware bytes received by the upgrade in progress (0 when none).
    size_t UpgradeReceived() const;
    std::string Version() const;

    Faults faults() const;
    bool ApplyFault(const std::string& line, std::string* reason);

    // A few lines about the device for the status page.
    std::string Summary() const;
    uint32_t storesAccepted() const;
    uint32_t readsAnswered() const;

  private:
    void LogPtz(std::string line);
    const std::vector<uint8_t>& Record(int command);  // lazily built from the defaults
    int SlotBoundOf(int command) const;
    void FillClock(std::vector<uint8_t>* system) const;
    void TakeClock(const uint8_t* system);
    bool Persist();

    DeviceOptions options_;
    mutable std::mutex mutex_;
    DeviceState stored_;  // what the state file holds
    std::map<int, std::vector<uint8_t>> records_;
    std::string version_ = kFactoryVersion;
    long long clockOffsetSeconds_ = 0;
    std::string overlay_[kMaxChannels];
    std::deque<std::string> ptzLog_;
    std::vector<uint8_t> upgrade_;
    uint32_t upgradeExpected_ = 0;
    bool upgrading_ = false;
    uint32_t storesAccepted_ = 0;
    uint32_t readsAnswered_ = 0;
    std::vector<PlayStart> playsStarted_;
    std::deque<RequestNote> requestLog_;  // numbers run on without a gap
    uint32_t requestsNoted_ = 0;
    uint32_t storeRequests_ = 0;
};

}  // namespace vela::dvrsim
