// A NetSdk that records every call with its arguments and answers as each test sets it up.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "device/netsdk.h"

namespace vela::device::testing {

struct NetSdkCall {
    int ordinal = 0;
    int32_t handle = 0;  // login, play or upgrade handle
    uint32_t command = 0;
    int32_t channel = 0;
    uint32_t size = 0;
    int32_t waitMs = 0;
    std::vector<uint8_t> stored;  // the bytes of a store
    std::string text;             // login address or upgrade path
};

class FakeNetSdk : public NetSdk {
  public:
    // Default answers: login handle 7, every read fills its buffer with the command number and
    // returns its full size, every store accepted with 1.
    int32_t loginHandle = 7;
    int32_t lastError = 0;
    uint8_t deviceInfo[kDeviceInfoSize] = {};
    int32_t rebootResult = 1;
    std::function<int32_t(uint32_t command, int32_t channel, uint8_t* buffer, uint32_t size,
                          uint32_t* returned)>
        onRead;
    std::function<int32_t(uint32_t command, int32_t channel)> onStore;

    std::vector<NetSdkCall> calls;

    // Calls of one ordinal, in order.
    std::vector<NetSdkCall> CallsOf(int ordinal) const;
    // Commands (and channels) of the reads or stores, in order.
    std::vector<uint32_t> Commands(int ordinal) const;
    std::vector<NetSdkCall> CallsFor(int ordinal, uint32_t command) const;
    std::vector<int> Ordinals() const;
    void SetDeviceCounts(int32_t channels, int32_t extraChannels, int32_t alarmInputs,
                         int32_t alarmOutputs);

    int32_t Init(DisconnectCallback callback, uintptr_t user) override;
    int32_t Cleanup() override;
    int32_t GetLastError() override;
    int32_t SetConnectTime(int32_t waitMs, int32_t tries) override;
    int32_t Login(const char* ip, uint16_t port, const char* user, const char* password,
                  uint8_t deviceInfoOut[kDeviceInfoSize], int32_t* error,
                  int32_t socketType) override;
    int32_t Logout(int32_t login) override;
    int32_t SetMessageCallback(MessageCallback callback, uintptr_t user) override;
    int32_t AfterLogin(int32_t login) override;
    int32_t UndoAfterLogin(int32_t login) override;
    int32_t GetConfig(int32_t login, uint32_t command, int32_t channel, void* buffer, uint32_t size,
                      uint32_t* returned, int32_t waitMs) override;
    int32_t SetConfig(int32_t login, uint32_t command, int32_t channel, const void* buffer,
                      uint32_t size, int32_t waitMs) override;
    int32_t RealPlay(int32_t login, const int32_t client[5]) override;
    int32_t StopRealPlay(int32_t play, void* reserved) override;
    int32_t SetRealDataCallback(int32_t play, StreamCallback callback, uintptr_t user) override;
    int32_t DelRealDataCallback(int32_t play, StreamCallback callback, uintptr_t user) override;
    int32_t Upgrade(int32_t login, const char* path, int32_t type, UpgradeCallback callback,
                    uintptr_t user) override;
    int32_t GetUpgradeState(int32_t upgrade) override;
    int32_t PtzControl(int32_t login, int32_t channel, int32_t command, int32_t stop,
                       int32_t speed) override;
    int32_t PtzPreset(int32_t login, int32_t channel, int32_t command, int32_t preset, int32_t a,
                      int32_t b, int32_t c) override;
    int32_t Reboot(int32_t login, int32_t reserved, int32_t waitMs) override;

    // Login arguments as last received.
    std::string loginUser, loginPassword;
    uint16_t loginPort = 0;
    int32_t loginErrorPreset = -1;
    int32_t loginSocketType = -1;

  private:
    NetSdkCall& Record(int ordinal, int32_t handle);
};

}  // namespace vela::device::testing
