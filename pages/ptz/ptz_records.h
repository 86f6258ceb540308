// The device records the PTZ page edits, in record group 8 of the device connection: the 32
// PtzDecoderRecords (command 21), then the PtzProtocolList (command 11). Offsets are bytes from
// the start of each record. Constants only, any thread.
#pragma once

#include <cstddef>
#include <cstdint>

#include "device/records.h"

namespace vela::pages::ptz {

constexpr int kPtzRecordGroup = 8;

// PtzDecoderRecord, 60 bytes per channel. Bytes 36 to 55 belong to the device: the page
// neither shows nor changes them.
namespace decoder {
constexpr uint32_t kCommand = 21;
constexpr size_t kSize = 60;
constexpr size_t kProtocol = 0;
constexpr size_t kProtocolWidth = 32;
constexpr size_t kAddress = 32;
constexpr size_t kBaudRate = 56;
constexpr size_t kGroupOffset =
    device::kDeviceInfoSize + device::RecordOffset(kCommand) - device::GroupOffset(kPtzRecordGroup);
constexpr size_t Offset(int channel) {
    return kGroupOffset + static_cast<size_t>(channel) * kSize;
}
}  // namespace decoder

// PtzProtocolList: a count, then up to 100 names of 32 bytes.
namespace protocols {
constexpr uint32_t kCommand = 11;
constexpr size_t kCount = 0;
constexpr size_t kNames = 4;
constexpr size_t kNameWidth = 32;
constexpr int kCapacity = 100;
constexpr size_t kGroupOffset =
    device::kDeviceInfoSize + device::RecordOffset(kCommand) - device::GroupOffset(kPtzRecordGroup);
}  // namespace protocols

static_assert(decoder::kGroupOffset == 0 && protocols::kGroupOffset == 32 * decoder::kSize,
              "the protocol list follows the 32 decoder records");

}  // namespace vela::pages::ptz
