// Where the fields of the system and network groups lie: the Server page edits them, the
// console reads the address and web port for IE Setup. Offsets are bytes from the start of
// each record; records sit at fixed offsets within their group. Each layout is stated here
// only; tests check it with their own literal offsets.
#pragma once

#include <cstddef>
#include <cstdint>

#include "device/netsdk.h"
#include "device/records.h"

namespace vela::device::fields {

constexpr int kSystemGroup = 1;   // DeviceInfo, then record 18
constexpr int kNetworkGroup = 2;  // records 20, 43, 42, 38, 15

// A record's offset within its group.
constexpr size_t OffsetInGroup(uint32_t command, int group) {
    return device::kDeviceInfoSize + device::RecordOffset(command) - device::GroupOffset(group);
}

// DeviceInfo (group 1 offset 0): texts run to the next field.
constexpr size_t kDeviceInfoOffset = 0;
constexpr size_t kSoftwareVersionOffset = 0;
constexpr size_t kSoftwareVersionWidth = 192;
constexpr size_t kBuildYearOffset = 192;
constexpr size_t kBuildMonthOffset = 196;
constexpr size_t kBuildDayOffset = 200;
constexpr size_t kBuildHourOffset = 208;
constexpr size_t kBuildMinuteOffset = 212;
constexpr size_t kBuildSecondOffset = 216;
constexpr size_t kSerialOffset = 224;
constexpr size_t kSerialWidth = 64;

// Record 18, general settings.
constexpr uint32_t kGeneralRecord = 18;
constexpr size_t kGeneralOffset = OffsetInGroup(kGeneralRecord, kSystemGroup);
constexpr size_t kDiskFullOffset = 36;  // 0 stop recording, 1 overwrite
constexpr size_t kDeviceNameOffset = 44;
constexpr size_t kDeviceNameWidth = 64;
constexpr size_t kVideoStandardOffset = 116;  // 0 PAL, 1 NTSC
constexpr size_t kLanguageOffset = 120;       // 0..8, the order of the language list

// Record 20, network.
constexpr uint32_t kNetworkRecord = 20;
constexpr size_t kNetworkOffset = OffsetInGroup(kNetworkRecord, kNetworkGroup);
constexpr size_t kNetworkRecordSize = 144;
constexpr size_t kHostNameOffset = 0;
constexpr size_t kHostNameWidth = 64;
constexpr size_t kAddressOffset = 64;  // four bytes, first octet lowest
constexpr size_t kMaskOffset = 68;
constexpr size_t kGatewayOffset = 72;
constexpr size_t kHttpPortOffset = 76;
constexpr size_t kTcpPortOffset = 80;
constexpr size_t kMacOffset = 109;
constexpr size_t kMacWidth = kNetworkRecordSize - kMacOffset;

// Record 42, PPPoE.
constexpr uint32_t kPppoeRecord = 42;
constexpr size_t kPppoeOffset = OffsetInGroup(kPppoeRecord, kNetworkGroup);
constexpr size_t kPppoeEnabledOffset = 0;
constexpr size_t kPppoeAddressOffset = 68;
constexpr size_t kPppoePortOffset = 72;
constexpr size_t kPppoeUserOffset = 76;
constexpr size_t kPppoePasswordOffset = 140;
constexpr size_t kPppoeAnonymousOffset = 204;

// Record 38, five DDNS entries.
constexpr uint32_t kDdnsRecord = 38;
constexpr size_t kDdnsOffset = OffsetInGroup(kDdnsRecord, kNetworkGroup);
constexpr int kDdnsEntryCount = 5;
constexpr size_t kDdnsEntrySize = 336;
constexpr size_t kDdnsEnabledOffset = 0;
constexpr size_t kDdnsTypeNameOffset = 2;
constexpr size_t kDdnsServerOffset = 196;
constexpr size_t kDdnsPortOffset = 200;
constexpr size_t kDdnsUserOffset = 204;
constexpr size_t kDdnsPasswordOffset = 268;

// Record 15, the DDNS service types the device knows.
constexpr uint32_t kDdnsTypesRecord = 15;
constexpr size_t kDdnsTypesOffset = OffsetInGroup(kDdnsTypesRecord, kNetworkGroup);
constexpr size_t kDdnsTypeCountOffset = 0;
constexpr size_t kDdnsTypeNamesOffset = 4;
constexpr int kDdnsTypeCapacity = 5;  // the record has room for five names

// Every text field of these records is 64 bytes: at most 63 characters and a zero.
constexpr size_t kTextWidth = 64;

static_assert(kGeneralOffset == 400);
static_assert(kNetworkOffset == 0 && kPppoeOffset == 152 && kDdnsOffset == 364 &&
              kDdnsTypesOffset == 2044);
static_assert(kDdnsEntryCount * kDdnsEntrySize == 1680);
static_assert(kDdnsTypeNamesOffset + kDdnsTypeCapacity * kTextWidth == 324);

}  // namespace vela::device::fields
