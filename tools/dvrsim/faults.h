// Faults the simulated device shows on demand (by option at start or by control command).
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>

namespace vela::dvrsim {

// What "at-store" may run besides a fault command: the connection carrying the store is
// closed unanswered, or the device reboots (the store is neither kept nor answered).
constexpr char kDropCommand[] = "drop";
constexpr char kRebootCommand[] = "reboot";

struct Faults {
    std::set<int> refuseStore;  // stores of these records are refused, nothing is kept
    std::set<int> needsReboot;  // stores are kept and answered "takes effect after reboot"
    int dropAfter = 0;          // > 0: a connection is dropped instead of answering request N+1
    int delayMs = 0;            // every reply waits this long
    bool silent = false;        // requests are read and never answered
    // > 0: once this many firmware bytes arrived, the rest of the upload and its end are read
    // and never answered, as a device that hangs while it takes an upgrade
    long stallUpgradeAfter = 0;
    // By store number (the device numbers the store requests it receives from 1): a command
    // run once when that store arrives, before it is handled, so that a fault can begin or end
    // in the middle of a client's save.
    std::map<uint32_t, std::string> atStore;
};

// Applies one fault command to the faults; false (and a reason) for an unknown or malformed
// one. Commands: "refuse-store CMD", "needs-reboot CMD", "drop-after N", "delay MS",
// "silent 0|1", "stall-upgrade BYTES", "at-store N COMMAND" (COMMAND: a fault command,
// "drop" or "reboot"), "clear" (which also ends the at-store commands still to come).
bool ApplyFaultCommand(const std::string& line, Faults* faults, std::string* reason);
std::string DescribeFaults(const Faults& faults);

}  // namespace vela::dvrsim
