// A NetSdk that records every call with its arguments (and as text, "SetConnectTime(6000,1)")
// and answers as each test sets it up. Installed through the device layer's hook while a
// ScopedNetSdk holds it, or passed to the device directly.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "device/netsdk.h"

namespace vela::testing {

struct NetSdkCall {
    int ordinal = 0;
    int32_t handle = 0;  // login, play or upgrade handle
    uint32_t command = 0;
    int32_t channel = 0;
    uint32_t size = 0;
    int32_t waitMs = 0;
    std::vector<uint8_t> stored;  // the bytes of a store
    std::string text;             // login address or upgrade path
    std::string trace;            // the call as text, with the arguments that tell calls apart
};

class FakeNetSdk : public device::NetSdk {
  public:
    // Default answers: login handle 7 for any password, every read fills its buffer with the
    // command number and returns its full size, every store accepted with 1.
    int32_t loginHandle = 7;
    int32_t loginStep = 0;         // added to loginHandle after each login that succeeds
    std::string acceptedPassword;  // empty: any
    int32_t lastError = 0;
    uint8_t deviceInfo[device::kDeviceInfoSize] = {};
    int32_t rebootResult = 1;
    std::function<int32_t(uint32_t command, int32_t channel, uint8_t* buffer, uint32_t size,
                          uint32_t* returned)>
        onRead;
    std::function<int32_t(uint32_t command, int32_t channel)> onStore;
    int32_t playHandle = 1;  // what RealPlay answers; playStep added after each
    int32_t playStep = 1;
    int32_t dataCallbackResult = 1;  // what SetRealDataCallback answers
    // The stream callback as last registered and not removed (null otherwise).
    device::StreamCallback streamCallback = nullptr;
    uintptr_t streamUser = 0;
    int32_t streamPlay = 0;

    std::vector<NetSdkCall> calls;
    device::DisconnectCallback disconnectCallback = nullptr;
    uintptr_t disconnectUser = 0;
    device::MessageCallback messageCallback = nullptr;
    uintptr_t messageUser = 0;
    // Login arguments as last received.
    std::string loginUser, loginPassword;
    uint16_t loginPort = 0;
    int32_t loginErrorPreset = -1;
    int32_t loginSocketType = -1;

    std::vector<NetSdkCall> CallsOf(int ordinal) const;
    std::vector<NetSdkCall> CallsFor(int ordinal, uint32_t command) const;
    // Commands of the calls of one ordinal, in order.
    std::vector<uint32_t> Commands(int ordinal) const;
    std::vector<int> Ordinals() const;
    std::vector<std::string> Trace() const;
    size_t Count(const std::string& trace) const;
    // Index of the first call whose trace starts with prefix, or -1.
    int IndexOf(const std::string& prefix) const;
    void SetDeviceCounts(int32_t channels, int32_t extraChannels, int32_t alarmInputs,
                         int32_t alarmOutputs);

    int32_t Init(device::DisconnectCallback callback, uintptr_t user) override;
    int32_t Cleanup() override;
    int32_t GetLastError() override;
    int32_t SetConnectTime(int32_t waitMs, int32_t tries) override;
    int32_t Login(const char* ip, uint16_t port, const char* user, const char* password,
                  uint8_t deviceInfoOut[device::kDeviceInfoSize], int32_t* error,
                  int32_t socketType) override;
    int32_t Logout(int32_t login) override;
    int32_t SetMessageCallback(device::MessageCallback callback, uintptr_t user) override;
    int32_t AfterLogin(int32_t login) override;
    int32_t UndoAfterLogin(int32_t login) override;
    int32_t GetConfig(int32_t login, uint32_t command, int32_t channel, void* buffer, uint32_t size,
                      uint32_t* returned, int32_t waitMs) override;
    int32_t SetConfig(int32_t login, uint32_t command, int32_t channel, const void* buffer,
                      uint32_t size, int32_t waitMs) override;
    int32_t RealPlay(int32_t login, const int32_t client[5]) override;
    int32_t StopRealPlay(int32_t play, void* reserved) override;
    int32_t SetRealDataCallback(int32_t play, device::StreamCallback callback,
                                uintptr_t user) override;
    int32_t DelRealDataCallback(int32_t play, device::StreamCallback callback,
                                uintptr_t user) override;
    int32_t Upgrade(int32_t login, const char* path, int32_t type, device::UpgradeCallback callback,
                    uintptr_t user) override;
    int32_t GetUpgradeState(int32_t upgrade) override;
    int32_t PtzControl(int32_t login, int32_t channel, int32_t command, int32_t stop,
                       int32_t speed) override;
    int32_t PtzPreset(int32_t login, int32_t channel, int32_t command, int32_t preset, int32_t a,
                      int32_t b, int32_t c) override;
    int32_t Reboot(int32_t login, int32_t reserved, int32_t waitMs) override;

  private:
    NetSdkCall& Record(int ordinal, int32_t handle, std::string trace);
};

// Installs a NetSdk through the device layer's hook for the holder's lifetime.
class ScopedNetSdk {
  public:
    explicit ScopedNetSdk(device::NetSdk* sdk) { device::InstallNetSdk(sdk); }
    ~ScopedNetSdk() { device::InstallNetSdk(nullptr); }
    ScopedNetSdk(const ScopedNetSdk&) = delete;
    ScopedNetSdk& operator=(const ScopedNetSdk&) = delete;
};

// The fake, installed for its lifetime.
class InstalledFakeNetSdk : public FakeNetSdk {
  private:
    ScopedNetSdk m_install{this};
};

}  // namespace vela::testing
