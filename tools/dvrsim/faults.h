// Faults the simulated device shows on demand (by option at start or by control command).
#pragma once

#include <set>
#include <string>

namespace vela::dvrsim {

struct Faults {
    std::set<int> refuseStore;  // stores of these records are refused, nothing is kept
    std::set<int> needsReboot;  // stores are kept and answered "takes effect after reboot"
    int dropAfter = 0;          // > 0: a connection is dropped instead of answering request N+1
    int delayMs = 0;            // every reply waits this long
    bool silent = false;        // requests are read and never answered
    // > 0: once this many firmware bytes arrived, the rest of the upload and its end are read
    // and never answered, as a device that hangs while it takes an upgrade
    long stallUpgradeAfter = 0;
};

// Applies one fault command to the faults; false (and a reason) for an unknown or malformed
// one. Commands: "refuse-store CMD", "needs-reboot CMD", "drop-after N", "delay MS",
// "silent 0|1", "stall-upgrade BYTES", "clear".
bool ApplyFaultCommand(const std::string& line, Faults* faults, std::string* reason);
std::string DescribeFaults(const Faults& faults);

}  // namespace vela::dvrsim
