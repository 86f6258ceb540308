#include "tools/dvrsim/faults.h"

#include <cstdint>
#include <limits>
#include <sstream>

namespace vela::dvrsim {

namespace {

constexpr int kMaxDelayMs = 60000;

// "at-store N COMMAND": the command must be one the device can run when the store arrives.
bool ApplyAtStore(std::istringstream& in, Faults* faults, std::string* reason) {
    long number = 0;
    std::string command;
    const bool numbered =
        (in >> number) && number > 0 &&
        static_cast<unsigned long>(number) <= std::numeric_limits<uint32_t>::max();
    if (!numbered || !std::getline(in >> std::ws, command)) {
        *reason = "expected: at-store NUMBER COMMAND";
        return false;
    }
    command.erase(command.find_last_not_of(" \t\r\n") + 1);
    Faults scratch;
    if (command != kDropCommand && command != kRebootCommand &&
        !ApplyFaultCommand(command, &scratch, reason))
        return false;
    faults->atStore[static_cast<uint32_t>(number)] = command;
    return true;
}

}  // namespace

bool ApplyFaultCommand(const std::string& line, Faults* faults, std::string* reason) {
    std::istringstream in(line);
    std::string name;
    in >> name;
    if (name == "clear") {
        *faults = Faults();
        return true;
    }
    if (name == "at-store") return ApplyAtStore(in, faults, reason);
    long value = 0;
    if (!(in >> value)) {
        *reason = "expected: " + name + " NUMBER";
        return false;
    }
    if (name == "refuse-store") {
        faults->refuseStore.insert(static_cast<int>(value));
    } else if (name == "needs-reboot") {
        faults->needsReboot.insert(static_cast<int>(value));
    } else if (name == "drop-after" && value >= 0) {
        faults->dropAfter = static_cast<int>(value);
    } else if (name == "delay" && value >= 0 && value <= kMaxDelayMs) {
        faults->delayMs = static_cast<int>(value);
    } else if (name == "silent") {
        faults->silent = value != 0;
    } else if (name == "stall-upgrade" && value >= 0) {
        faults->stallUpgradeAfter = value;
    } else {
        *reason = "unknown fault or value: " + line;
        return false;
    }
    return true;
}

std::string DescribeFaults(const Faults& faults) {
    std::ostringstream out;
    for (int command : faults.refuseStore) out << "refuse-store " << command << "; ";
    for (int command : faults.needsReboot) out << "needs-reboot " << command << "; ";
    if (faults.dropAfter) out << "drop-after " << faults.dropAfter << "; ";
    if (faults.delayMs) out << "delay " << faults.delayMs << "; ";
    if (faults.silent) out << "silent; ";
    if (faults.stallUpgradeAfter) out << "stall-upgrade " << faults.stallUpgradeAfter << "; ";
    for (const auto& [number, command] : faults.atStore)
        out << "at-store " << number << " " << command << "; ";
    std::string text = out.str();
    return text.empty() ? "none" : text.substr(0, text.size() - 2);
}

}  // namespace vela::dvrsim
