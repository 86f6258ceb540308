// The binary interface of the NetSDK stand-in as the plug-in sees it: callback types and the
// frame packet handed to the stream callback. Everything is __stdcall on Windows.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/abi.h"

namespace vela::netsdk {

// Natural alignment on purpose: this is the packet layout the plug-in reads, so the fields
// move with the pointer size (width at 52 on 32-bit, at 60 on 64-bit).
struct NetFramePacket {
    int32_t type;
    const uint8_t* data;
    int32_t length;
    uint8_t reserved[40];
    uint16_t width;
    uint16_t height;
};
static_assert(offsetof(NetFramePacket, data) == sizeof(void*), "packet data pointer");
static_assert(offsetof(NetFramePacket, width) == (sizeof(void*) == 8 ? 60 : 52), "packet width");
static_assert(offsetof(NetFramePacket, height) == (sizeof(void*) == 8 ? 62 : 54), "packet height");

using DisconnectCallback = void(VELA_STDCALL*)(int32_t login, const char* ip, int32_t port,
                                               uintptr_t user);
using MessageCallback = int32_t(VELA_STDCALL*)(int32_t login, const char* data, uint32_t length,
                                               uintptr_t user);
using StreamCallback = int32_t(VELA_STDCALL*)(int32_t play, const NetFramePacket* packet,
                                              uintptr_t user);
using UpgradeCallback = void(VELA_STDCALL*)(int32_t login, int32_t upgrade, int32_t done,
                                            int32_t total, uintptr_t user);

constexpr int32_t kDeviceInfoSize = 400;
constexpr int32_t kClientRecordInts = 5;  // channel, stream type, 0, 0, 0

// Upgrade states (ordinal 35).
constexpr int32_t kUpgradeDone = 1;
constexpr int32_t kUpgradeRunning = 2;
constexpr int32_t kUpgradeFailed = 3;

}  // namespace vela::netsdk
