#include "tools/dvrsim/options.h"

#include <cstdlib>

namespace vela::dvrsim {

const char* const kUsage =
    "usage: dvrsim [--port N] [--http-port N] [--state FILE] [--channels N] [--alarm-in N]\n"
    "              [--alarm-out N] [--user U] [--password P] [--reboot-ms N]\n"
    "              [--refuse-store CMD] [--needs-reboot CMD] [--drop-after N]\n"
    "              [--delay-ms N] [--silent] [--stall-upgrade BYTES]\n"
    "       dvrsim --make-firmware FILE VERSION   (writes a firmware image it accepts)\n"
    "Simulates one DVR on 127.0.0.1. Defaults: port 34567, 4 channels, 4 alarm inputs,\n"
    "1 alarm output, user admin, empty password, state file dvrsim-state.bin.\n";

namespace {

bool ToInt(const std::string& text, long low, long high, long* value) {
    char* end = nullptr;
    long parsed = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || parsed < low || parsed > high) return false;
    *value = parsed;
    return true;
}

}  // namespace

bool ParseOptions(int argc, const char* const* argv, ServerOptions* options, std::string* error) {
    DeviceOptions& device = options->device;
    for (int i = 0; i < argc; ++i) {
        std::string name = argv[i];
        if (name == "--silent") {
            device.faults.silent = true;
            continue;
        }
        if (i + 1 >= argc) {
            *error = "missing value after " + name;
            return false;
        }
        std::string text = argv[++i];
        long value = 0;
        auto number = [&](long low, long high) {
            if (ToInt(text, low, high, &value)) return true;
            *error = "bad value for " + name;
            error->append(": ").append(text);
            return false;
        };
        if (name == "--port") {
            if (!number(0, 65535)) return false;
            options->port = static_cast<uint16_t>(value);
        } else if (name == "--http-port") {
            if (!number(0, 65535)) return false;
            options->httpPort = static_cast<int>(value);
        } else if (name == "--state") {
            device.statePath = text;
        } else if (name == "--channels") {
            if (!number(0, kMaxChannels)) return false;
            device.shape.channels = static_cast<int>(value);
        } else if (name == "--alarm-in") {
            if (!number(0, kMaxAlarmInputs)) return false;
            device.shape.alarmInputs = static_cast<int>(value);
        } else if (name == "--alarm-out") {
            if (!number(0, kMaxAlarmOutputs)) return false;
            device.shape.alarmOutputs = static_cast<int>(value);
        } else if (name == "--user") {
            device.user = text;
        } else if (name == "--password") {
            device.password = text;
        } else if (name == "--reboot-ms") {
            if (!number(0, 60000)) return false;
            options->rebootMs = static_cast<uint32_t>(value);
        } else if (name == "--refuse-store" || name == "--needs-reboot" || name == "--drop-after" ||
                   name == "--delay-ms" || name == "--stall-upgrade") {
            std::string command = name == "--delay-ms" ? "delay" : name.substr(2);
            std::string reason;
            command.append(" ").append(text);
            if (!ApplyFaultCommand(command, &device.faults, &reason)) {
                *error = reason;
                return false;
            }
        } else {
            *error = "unknown option " + name;
            return false;
        }
    }
    return true;
}

}  // namespace vela::dvrsim
