// VelaSetupDll: the interface a host program uses. Seven exports with undecorated names,
// __stdcall on Windows; every result is a 32-bit integer, 0 before Init. Records are byte
// blocks in little-endian order at the offsets below (no structure packing is assumed).
#pragma once

#include <stddef.h>
#include <stdint.h>

#if defined(_WIN32)
#define VELASETUP_CALL __stdcall
#else
#define VELASETUP_CALL
#endif

namespace vela_setup {

// ServerInfoRecord, filled by GetServerInfo: texts zero-terminated, cut to width - 1.
namespace server_info {
constexpr size_t kAddress = 0;
constexpr size_t kAddressWidth = 32;
constexpr size_t kLoginAddress = 32;  // after address resolution
constexpr size_t kLoginAddressWidth = 48;
constexpr size_t kPort = 80;  // unsigned 16-bit
constexpr size_t kUser = 82;
constexpr size_t kUserWidth = 32;
constexpr size_t kPassword = 114;
constexpr size_t kPasswordWidth = 32;
constexpr size_t kSize = 146;
}  // namespace server_info

// PresetInfoRecord, one per stored preset; ReadPresetInfo needs room for kMaxRecords.
namespace preset_info {
constexpr size_t kName = 0;  // zero-padded, at most 47 characters
constexpr size_t kNameWidth = 48;
constexpr size_t kNumber = 48;     // 1..128
constexpr size_t kHome = 52;       // not 0: the channel's home position
constexpr size_t kHomeTime = 56;   // seconds
constexpr size_t kMode = 60;       // 0 call, 1 save
constexpr size_t kTourSlots = 64;  // 8 groups of {member, stay seconds, order}, 12 bytes each
constexpr size_t kTourSlotSize = 12;
constexpr size_t kTourGroups = 8;
constexpr size_t kSize = 160;
constexpr int kMaxRecords = 128;
}  // namespace preset_info

// PlanItem, one per timed preset call; ReadPresetPlan needs room for kMaxItems.
namespace plan_item {
constexpr size_t kPreset = 0;  // one unsigned byte each
constexpr size_t kDay = 1;     // 0..6
constexpr size_t kHour = 2;
constexpr size_t kMinute = 3;
constexpr size_t kSize = 4;
constexpr int kMaxItems = 32;
}  // namespace plan_item

constexpr int kChannelCount = 32;  // channels 0..31 of the preset readers

using InitFn = int32_t(VELASETUP_CALL*)(int32_t a, int32_t b, int32_t c);
using UnInitFn = int32_t(VELASETUP_CALL*)();
using SetupServerFn = int32_t(VELASETUP_CALL*)(const char* address, const char* loginAddress,
                                               int32_t port, const char* user, const char* password,
                                               int32_t ddnsMode, const char* ddnsServer,
                                               int32_t ddnsPort);
using GetServerInfoFn = int32_t(VELASETUP_CALL*)(char* addressOut, uint8_t* serverInfo);
using ReadPresetInfoFn = int32_t(VELASETUP_CALL*)(const char* address, int32_t channel,
                                                  uint8_t* records, int32_t* count, int32_t* speed);
using ReadPresetPlanFn = int32_t(VELASETUP_CALL*)(const char* address, int32_t channel,
                                                  uint8_t* items, int32_t* count,
                                                  int32_t* homePreset, int32_t* homeTime);
using SetMotionAlarmStateFn = int32_t(VELASETUP_CALL*)(int32_t channel, int32_t reserved,
                                                       int32_t state);

}  // namespace vela_setup

extern "C" {
// 1; repeated calls before UnInit do nothing more. The three values are kept, never read.
int32_t VELASETUP_CALL Init(int32_t a, int32_t b, int32_t c);
// 1 when the plug-in was initialised, else 0.
int32_t VELASETUP_CALL UnInit();
// Logs in and runs the console modally: 0 on a failed login, else 1 once any console since
// Init was saved. Only the low 16 bits of port are used.
int32_t VELASETUP_CALL SetupServer(const char* address, const char* loginAddress, int32_t port,
                                   const char* user, const char* password, int32_t ddnsMode,
                                   const char* ddnsServer, int32_t ddnsPort);
// The last SetupServer's parameters (after any change a Save made): addressOut receives the
// address in full (the host's buffer must hold it), serverInfo a ServerInfoRecord. 0 before
// the first SetupServer.
int32_t VELASETUP_CALL GetServerInfo(char* addressOut, uint8_t* serverInfo);
// The stored presets of one channel (0..31) from the device's preset file. *count above 0 on
// entry; on 1 it holds the records written. *speed is never below 128.
int32_t VELASETUP_CALL ReadPresetInfo(const char* address, int32_t channel, uint8_t* records,
                                      int32_t* count, int32_t* speed);
// The timed preset calls of one channel and its home preset (0, 0 when it has none).
int32_t VELASETUP_CALL ReadPresetPlan(const char* address, int32_t channel, uint8_t* items,
                                      int32_t* count, int32_t* homePreset, int32_t* homeTime);
// Shows a channel's motion alarm state on an open console: 1 when one is open, else 0.
int32_t VELASETUP_CALL SetMotionAlarmState(int32_t channel, int32_t reserved, int32_t state);
}
