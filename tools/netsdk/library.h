// The stand-in device network library: every ordinal of the interface as a method of one
// process-wide object (exports.cpp maps the ordinals onto it). Handles are > 0 when valid.
// Threads of the library: one receive thread per login, the stream callback thread, one
// thread per running upgrade; Cleanup ends them all.
#pragma once

#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "tools/netsdk/connection.h"
#include "tools/netsdk/netsdk_abi.h"
#include "tools/netsdk/stream_dispatcher.h"

namespace vela::netsdk {

class Library {
  public:
    static Library& Instance();

    int32_t Init(DisconnectCallback callback, uintptr_t user);  // 1
    int32_t Cleanup();                                          // 2
    int32_t LastError() const { return lastError_; }            // 3
    int32_t SetConnectTime(int32_t waitMs, int32_t tries);      // 4
    int32_t Login(const char* ip, uint16_t port, const char* user, const char* password,
                  uint8_t* deviceInfo, int32_t* error, int32_t socketType);  // 5
    int32_t Logout(int32_t login);                                           // 7
    int32_t SetMessageCallback(MessageCallback callback, uintptr_t user);    // 8
    int32_t SetupAlarmChannel(int32_t login);                                // 9
    int32_t CloseAlarmChannel(int32_t login);                                // 10
    int32_t GetConfig(int32_t login, uint32_t command, int32_t channel, void* buffer, uint32_t size,
                      uint32_t* returned, int32_t waitMs);  // 11
    int32_t SetConfig(int32_t login, uint32_t command, int32_t channel, const void* buffer,
                      uint32_t size, int32_t waitMs);                                // 12
    int32_t RealPlay(int32_t login, const int32_t* client);                          // 15
    int32_t StopRealPlay(int32_t play);                                              // 16
    int32_t SetDataCallback(int32_t play, StreamCallback callback, uintptr_t user);  // 19
    int32_t DelDataCallback(int32_t play, StreamCallback callback, uintptr_t user);  // 21
    int32_t Upgrade(int32_t login, const char* path, int32_t type, UpgradeCallback callback,
                    uintptr_t user);        // 34
    int32_t UpgradeState(int32_t upgrade);  // 35
    int32_t PtzControl(int32_t login, int32_t channel, int32_t command, int32_t stop,
                       int32_t speed);  // 37
    int32_t PtzPreset(int32_t login, int32_t channel, int32_t command, int32_t preset, int32_t a,
                      int32_t b, int32_t c);                          // 38
    int32_t Reboot(int32_t login, int32_t reserved, int32_t waitMs);  // 39

    // Connects over an already open stream instead of TCP (tests); otherwise as Login.
    int32_t LoginOver(std::unique_ptr<wire::ByteStream> stream, const std::string& address,
                      uint16_t port, const char* user, const char* password, uint8_t* deviceInfo,
                      int32_t* error);

  private:
    struct Play {
        int32_t login;
        std::shared_ptr<Connection> connection;
    };
    struct UpgradeJob {
        std::atomic<int32_t> state{kUpgradeRunning};
        std::thread thread;
    };

    std::shared_ptr<Connection> Find(int32_t login);
    int32_t Fail(int32_t error);  // records the error, returns 0
    uint32_t WaitOf(int32_t waitMs) const;
    void RunUpgrade(int32_t login, int32_t upgrade, const std::shared_ptr<Connection>& connection,
                    std::vector<uint8_t> image, UpgradeCallback callback, uintptr_t user,
                    UpgradeJob* job);  // upgrade thread

    std::atomic<int32_t> lastError_{0};
    std::mutex mutex_;  // guards the fields below
    DisconnectCallback disconnect_ = nullptr;
    uintptr_t disconnectUser_ = 0;
    MessageCallback message_ = nullptr;
    uintptr_t messageUser_ = 0;
    uint32_t connectWaitMs_ = 5000;
    int32_t connectTries_ = 1;
    int32_t nextLogin_ = 1;
    int32_t nextPlay_ = 1;
    int32_t nextUpgrade_ = 1;
    std::map<int32_t, std::shared_ptr<Connection>> logins_;
    std::map<int32_t, Play> plays_;
    std::map<int32_t, std::unique_ptr<UpgradeJob>> upgrades_;
    StreamDispatcher dispatcher_;
};

}  // namespace vela::netsdk
