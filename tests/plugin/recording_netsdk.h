// A NetSdk that records every call as text ("SetConnectTime(6000,1)") and logs in only with
// the expected password. Installed through the device layer's hook for the test's lifetime.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "device/netsdk.h"

namespace vela::testing {

class RecordingNetSdk : public device::NetSdk {
  public:
    RecordingNetSdk() { device::InstallNetSdk(this); }
    ~RecordingNetSdk() override { device::InstallNetSdk(nullptr); }

    std::vector<std::string> calls;
    std::string acceptedPassword = "right";
    int32_t nextLogin = 100;
    device::DisconnectCallback disconnectCallback = nullptr;
    device::MessageCallback messageCallback = nullptr;
    uintptr_t disconnectUser = 0;
    uintptr_t messageUser = 0;

    int32_t Init(device::DisconnectCallback callback, uintptr_t user) override {
        disconnectCallback = callback;
        disconnectUser = user;
        return Record("Init", 1);
    }
    int32_t Cleanup() override { return Record("Cleanup", 1); }
    int32_t GetLastError() override { return -10000; }
    int32_t SetConnectTime(int32_t waitMs, int32_t tries) override {
        return Record(
            "SetConnectTime(" + std::to_string(waitMs) + "," + std::to_string(tries) + ")", 1);
    }
    int32_t Login(const char* ip, uint16_t port, const char* user, const char* password,
                  uint8_t deviceInfo[device::kDeviceInfoSize], int32_t* error, int32_t) override {
        std::memset(deviceInfo, 0, device::kDeviceInfoSize);
        std::string call = std::string("Login(") + ip + "," + std::to_string(port) + "," + user +
                           "," + password + ")";
        if (password != acceptedPassword) {
            if (error) *error = -11300;
            return Record(call, 0);
        }
        return Record(call, nextLogin++);
    }
    int32_t Logout(int32_t login) override {
        return Record("Logout(" + std::to_string(login) + ")", 1);
    }
    int32_t SetMessageCallback(device::MessageCallback callback, uintptr_t user) override {
        messageCallback = callback;
        messageUser = user;
        return Record("SetMessageCallback", 1);
    }
    int32_t AfterLogin(int32_t) override { return 1; }
    int32_t UndoAfterLogin(int32_t) override { return 1; }
    int32_t GetConfig(int32_t, uint32_t, int32_t, void*, uint32_t, uint32_t* returned,
                      int32_t) override {
        if (returned) *returned = 0;
        return 1;  // the record stays zero
    }
    int32_t SetConfig(int32_t, uint32_t, int32_t, const void*, uint32_t, int32_t) override {
        return 1;
    }
    int32_t RealPlay(int32_t, const int32_t*) override { return 0; }
    int32_t StopRealPlay(int32_t, void*) override { return 1; }
    int32_t SetRealDataCallback(int32_t, device::StreamCallback, uintptr_t) override { return 1; }
    int32_t DelRealDataCallback(int32_t, device::StreamCallback, uintptr_t) override { return 1; }
    int32_t Upgrade(int32_t, const char*, int32_t, device::UpgradeCallback, uintptr_t) override {
        return 0;
    }
    int32_t GetUpgradeState(int32_t) override { return 3; }
    int32_t PtzControl(int32_t, int32_t, int32_t, int32_t, int32_t) override { return 1; }
    int32_t PtzPreset(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) override {
        return 1;
    }
    int32_t Reboot(int32_t, int32_t, int32_t) override { return 1; }

    size_t Count(const std::string& call) const {
        size_t n = 0;
        for (const std::string& c : calls) n += c == call;
        return n;
    }
    // Index of the first call starting with prefix, or -1.
    int IndexOf(const std::string& prefix) const {
        for (size_t i = 0; i < calls.size(); ++i) {
            if (calls[i].rfind(prefix, 0) == 0) return static_cast<int>(i);
        }
        return -1;
    }

  private:
    int32_t Record(const std::string& call, int32_t result) {
        calls.push_back(call);
        return result;
    }
};

}  // namespace vela::testing
