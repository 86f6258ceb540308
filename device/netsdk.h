// The device network library NetSDK, imported by export ordinal. NetSdk has one method per
// ordinal the plug-in uses, with the library's own argument types; ProcessNetSdk() gives the
// library loaded from disk, and tests install a fake in its place.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/abi.h"

namespace vela::device {

constexpr size_t kDeviceInfoSize = 400;         // filled by the login
constexpr int32_t kNetSdkWaitMs = 10000;        // wait of every record read, store and reboot
constexpr int32_t kStoredNeedsReboot = -11401;  // store result: stored, effective after reboot

// Export ordinals of NetSDK.
enum NetSdkOrdinal : int {
    kOrdInit = 1,
    kOrdCleanup = 2,
    kOrdGetLastError = 3,
    kOrdSetConnectTime = 4,
    kOrdLogin = 5,
    kOrdLogout = 7,
    kOrdSetMessageCallback = 8,
    kOrdAfterLogin = 9,
    kOrdUndoAfterLogin = 10,
    kOrdGetConfig = 11,
    kOrdSetConfig = 12,
    kOrdRealPlay = 15,
    kOrdStopRealPlay = 16,
    kOrdSetRealDataCallback = 19,
    kOrdDelRealDataCallback = 21,
    kOrdUpgrade = 34,
    kOrdGetUpgradeState = 35,
    kOrdPtzControl = 37,
    kOrdPtzPreset = 38,
    kOrdReboot = 39,
};

// Every ordinal above, in ascending order (the loader resolves each once).
constexpr int kNetSdkOrdinals[] = {1,  2,  3,  4,  5,  7,  8,  9,  10, 11,
                                   12, 15, 16, 19, 21, 34, 35, 37, 38, 39};

// The frame packet the library hands to the stream callback; declared by the library's ABI
// with natural alignment (on i686: data at 4, length at 8, width/height at 52/54).
struct NetFramePacket {
    int32_t type;
    const uint8_t* data;
    int32_t length;
    uint8_t reserved[40];
    uint16_t width;
    uint16_t height;
};

// Callbacks run on NetSDK's own threads.
using DisconnectCallback = void(VELA_STDCALL*)(int32_t login, const char* ip, int32_t port,
                                               uintptr_t user);
using MessageCallback = int32_t(VELA_STDCALL*)(int32_t login, const char* data, uint32_t length,
                                               uintptr_t user);
using StreamCallback = int32_t(VELA_STDCALL*)(int32_t play, const NetFramePacket* packet,
                                              uintptr_t user);
using UpgradeCallback = void(VELA_STDCALL*)(int32_t login, int32_t upgrade, int32_t done,
                                            int32_t total, uintptr_t user);

// One method per ordinal. Handles are valid when above 0. An entry point the library lacks
// answers 0 (failure) and writes a log line.
class NetSdk {
  public:
    virtual ~NetSdk() = default;

    virtual int32_t Init(DisconnectCallback callback, uintptr_t user) = 0;  // 1
    virtual int32_t Cleanup() = 0;                                          // 2
    virtual int32_t GetLastError() = 0;                                     // 3
    virtual int32_t SetConnectTime(int32_t waitMs, int32_t tries) = 0;      // 4
    virtual int32_t Login(const char* ip, uint16_t port, const char* user,  // 5
                          const char* password, uint8_t deviceInfo[kDeviceInfoSize], int32_t* error,
                          int32_t socketType) = 0;
    virtual int32_t Logout(int32_t login) = 0;                                         // 7
    virtual int32_t SetMessageCallback(MessageCallback callback, uintptr_t user) = 0;  // 8
    virtual int32_t AfterLogin(int32_t login) = 0;                                     // 9
    virtual int32_t UndoAfterLogin(int32_t login) = 0;                                 // 10
    virtual int32_t GetConfig(int32_t login, uint32_t command, int32_t channel,        // 11
                              void* buffer, uint32_t size, uint32_t* returned, int32_t waitMs) = 0;
    virtual int32_t SetConfig(int32_t login, uint32_t command, int32_t channel,  // 12
                              const void* buffer, uint32_t size, int32_t waitMs) = 0;
    virtual int32_t RealPlay(int32_t login, const int32_t client[5]) = 0;       // 15
    virtual int32_t StopRealPlay(int32_t play, void* reserved) = 0;             // 16
    virtual int32_t SetRealDataCallback(int32_t play, StreamCallback callback,  // 19
                                        uintptr_t user) = 0;
    virtual int32_t DelRealDataCallback(int32_t play, StreamCallback callback,  // 21
                                        uintptr_t user) = 0;
    virtual int32_t Upgrade(int32_t login, const char* path, int32_t type,  // 34
                            UpgradeCallback callback, uintptr_t user) = 0;
    virtual int32_t GetUpgradeState(int32_t upgrade) = 0;                        // 35
    virtual int32_t PtzControl(int32_t login, int32_t channel, int32_t command,  // 37
                               int32_t stop, int32_t speed) = 0;
    virtual int32_t PtzPreset(int32_t login, int32_t channel, int32_t command,  // 38
                              int32_t preset, int32_t a, int32_t b, int32_t c) = 0;
    virtual int32_t Reboot(int32_t login, int32_t reserved, int32_t waitMs) = 0;  // 39
};

// The NetSDK every part of the plug-in calls: the installed one, else the library loaded from
// the host folder (or found by the system's library search) at the first call. Any thread.
NetSdk& ProcessNetSdk();

// Replaces the process NetSDK with sdk (not owned; it must outlive its installation), or
// restores the loaded library with null. For tests and hosts that bring their own.
void InstallNetSdk(NetSdk* sdk);

}  // namespace vela::device
