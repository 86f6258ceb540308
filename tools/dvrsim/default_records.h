// The factory contents of every record: what a new device of a given shape answers before
// anything was stored. The values are those of a plausible four-channel D1 video server.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/dvrsim/device_shape.h"

namespace vela::dvrsim {

// The 400-byte device information returned by a login.
std::vector<uint8_t> BuildDeviceInfo(const DeviceShape& shape, const std::string& version);
// The whole record (all 32 slots of an array); empty for a command the device does not have.
std::vector<uint8_t> BuildDefaultRecord(int command, const DeviceShape& shape);

// Offsets the device model itself uses.
constexpr size_t kInfoVersionOffset = 0;
constexpr size_t kInfoVersionWidth = 64;
constexpr size_t kInfoChannelsOffset = 288;
constexpr size_t kInfoAlarmInputsOffset = 296;
constexpr size_t kInfoAlarmOutputsOffset = 300;
constexpr size_t kInfoExtraChannelsOffset = 324;
constexpr size_t kSystemTimeFields = 8;  // record 18 starts with the clock: 8 × int32
constexpr size_t kSystemNameOffset = 44;
constexpr size_t kNetworkHttpPortOffset = 76;
constexpr size_t kNetworkTcpPortOffset = 80;

}  // namespace vela::dvrsim
