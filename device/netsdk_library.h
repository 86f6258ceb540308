// NetSdk over the real library, each entry point resolved by ordinal once at load. A missing
// library or entry point makes its calls fail softly: they answer 0 and write a log line.
#pragma once

#include <memory>
#include <string>

#include "device/netsdk.h"
#include "platform/kernel.h"

namespace vela::device {

class LoadedNetSdk : public NetSdk {
  public:
    // library may be null: then every call fails softly.
    explicit LoadedNetSdk(std::unique_ptr<platform::Library> library);
    ~LoadedNetSdk() override;

    bool IsLoaded() const { return m_pLibrary != nullptr; }
    bool HasOrdinal(int ordinal) const;

    int32_t Init(DisconnectCallback callback, uintptr_t user) override;
    int32_t Cleanup() override;
    int32_t GetLastError() override;
    int32_t SetConnectTime(int32_t waitMs, int32_t tries) override;
    int32_t Login(const char* ip, uint16_t port, const char* user, const char* password,
                  uint8_t deviceInfo[kDeviceInfoSize], int32_t* error, int32_t socketType) override;
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

  private:
    static constexpr int kMaxOrdinal = 39;
    // The entry point as the given function type, or null (logged) when it is missing.
    template <typename Function>
    Function Entry(int ordinal) const;

    std::unique_ptr<platform::Library> m_pLibrary;
    void* m_arrEntries[kMaxOrdinal + 1] = {};
};

// Opens the library at path (a file name or a full path).
std::unique_ptr<LoadedNetSdk> OpenNetSdk(const std::string& path);
// Opens NetSDK from the host folder, else by the system's library search; logs a failure.
std::unique_ptr<LoadedNetSdk> OpenProcessLibrary();

}  // namespace vela::device
