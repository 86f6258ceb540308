// What kind of device dvrsim simulates: its counts and its own ports.
#pragma once

#include <cstdint>
#include <string>

namespace vela::dvrsim {

constexpr int kMaxChannels = 32;
constexpr int kMaxAlarmInputs = 32;
constexpr int kMaxAlarmOutputs = 6;

struct DeviceShape {
    int channels = 4;
    int alarmInputs = 4;
    int alarmOutputs = 1;
    uint16_t tcpPort = 34567;
    uint16_t httpPort = 80;
};

// Firmware the device reports until an upgrade installs another.
constexpr const char* kFactoryVersion = "V3.4.2 build 130531";

}  // namespace vela::dvrsim
