// The device faults a soak round cuts a Save with, and what must follow from each: what the
// faulted Save sends and is told, which records stay pending, and what the console shows.
#pragma once

#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace vela::soak {

enum class FaultKind {
    kRefusedStores,     // the device refuses some records
    kNeedsReboot,       // some records take effect after a reboot; the user declines it
    kRefusedAndReboot,  // some records refused, one takes effect after a reboot (declined)
    kRebootAccepted,    // as above, and the user lets the console reboot the device
    kDroppedMidSave,    // the connection is closed instead of answering a store
    kLateReply,         // one store is answered after the plug-in's time-out (and kept)
    kNoReply,           // one store is never answered (nor kept)
    kRebootMidSave,     // the device reboots when a store arrives
};
constexpr FaultKind kAllFaults[] = {
    FaultKind::kRefusedStores,  FaultKind::kNeedsReboot,    FaultKind::kRefusedAndReboot,
    FaultKind::kRebootAccepted, FaultKind::kDroppedMidSave, FaultKind::kLateReply,
    FaultKind::kNoReply,        FaultKind::kRebootMidSave,
};
const char* FaultName(FaultKind kind);

// One store request: the record (command) and the channel argument, with the answer.
struct Store {
    int command = 0;
    int channel = 0;
    int32_t answer = 0;
    bool operator==(const Store& other) const {
        return command == other.command && channel == other.channel && answer == other.answer;
    }
};
std::string Describe(const std::vector<Store>& stores);

// The message boxes of a console in order, one "text|buttons|answer" each.
using Messages = std::vector<std::string>;
Messages MessagesOf(const std::string& transcript);

struct FaultPlan {
    FaultKind kind;
    std::vector<std::string> commands;  // dvrsim commands armed before the console opens
    std::string reply;                  // script line for the reboot question, if one comes
    std::vector<Store> faulted;         // what the faulted Save sends, with the device's answers
    std::set<int> pending;              // records not (wholly) taken: the next Save sends these
    bool loginLost = false;             // the console's connection is gone after the fault
    Messages messages;                  // the console's three Saves (and the reboot's answer)
};

// The texts the console shows (from the skin beside the plug-in).
struct SaveTexts {
    std::string saved, failed, askReboot, rebooted;
};

// Plans a fault for a Save that sends `sent` (all accepted without faults); the device has
// had `storesBefore` store requests. Late and missing replies need a store after the one cut,
// so a Save of one store gets refused stores instead.
FaultPlan PlanFault(FaultKind kind, const std::vector<Store>& sent, uint32_t storesBefore,
                    const SaveTexts& texts, std::mt19937& rng);

// What a Save sends when `pending` records were not taken: the stores of `sent` of those
// records, in the same order, all accepted.
std::vector<Store> PendingStores(const std::vector<Store>& sent, const std::set<int>& pending);

}  // namespace vela::soak
