#include "device/netsdk_library.h"

#include "platform/diag_log.h"

namespace vela::device {

using platform::g_DiagLog;

namespace {

// The library's entry points, in its own calling convention.
using InitFn = int32_t(VELA_STDCALL*)(DisconnectCallback, uintptr_t);
using VoidFn = int32_t(VELA_STDCALL*)();
using ConnectTimeFn = int32_t(VELA_STDCALL*)(int32_t, int32_t);
using LoginFn = int32_t(VELA_STDCALL*)(const char*, uint16_t, const char*, const char*, uint8_t*,
                                       int32_t*, int32_t);
using HandleFn = int32_t(VELA_STDCALL*)(int32_t);
using MessageFn = int32_t(VELA_STDCALL*)(MessageCallback, uintptr_t);
using GetConfigFn = int32_t(VELA_STDCALL*)(int32_t, uint32_t, int32_t, void*, uint32_t, uint32_t*,
                                           int32_t);
using SetConfigFn = int32_t(VELA_STDCALL*)(int32_t, uint32_t, int32_t, const void*, uint32_t,
                                           int32_t);
using RealPlayFn = int32_t(VELA_STDCALL*)(int32_t, const int32_t*);
using StopRealPlayFn = int32_t(VELA_STDCALL*)(int32_t, void*);
using DataCallbackFn = int32_t(VELA_STDCALL*)(int32_t, StreamCallback, uintptr_t);
using UpgradeFn = int32_t(VELA_STDCALL*)(int32_t, const char*, int32_t, UpgradeCallback, uintptr_t);
using PtzControlFn = int32_t(VELA_STDCALL*)(int32_t, int32_t, int32_t, int32_t, int32_t);
using PtzPresetFn = int32_t(VELA_STDCALL*)(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t,
                                           int32_t);
using RebootFn = int32_t(VELA_STDCALL*)(int32_t, int32_t, int32_t);

constexpr char kResolverName[] = "NetSDK_GetProcAddress";
constexpr char kLibraryBaseName[] = "NetSDK";

}  // namespace

LoadedNetSdk::LoadedNetSdk(std::unique_ptr<platform::Library> library)
    : m_pLibrary(std::move(library)) {
    if (!m_pLibrary) return;
    for (int ordinal : kNetSdkOrdinals) m_arrEntries[ordinal] = m_pLibrary->Ordinal(ordinal);
}

// The entry points stay valid until the library is released here.
LoadedNetSdk::~LoadedNetSdk() = default;

bool LoadedNetSdk::HasOrdinal(int ordinal) const {
    return ordinal > 0 && ordinal <= kMaxOrdinal && m_arrEntries[ordinal] != nullptr;
}

template <typename Function>
Function LoadedNetSdk::Entry(int ordinal) const {
    if (!HasOrdinal(ordinal)) {
        g_DiagLog.Write("NetSDK ordinal %d is not available", ordinal);
        return nullptr;
    }
    return reinterpret_cast<Function>(m_arrEntries[ordinal]);
}

int32_t LoadedNetSdk::Init(DisconnectCallback callback, uintptr_t user) {
    auto fn = Entry<InitFn>(kOrdInit);
    return fn ? fn(callback, user) : 0;
}

int32_t LoadedNetSdk::Cleanup() {
    auto fn = Entry<VoidFn>(kOrdCleanup);
    return fn ? fn() : 0;
}

int32_t LoadedNetSdk::GetLastError() {
    auto fn = Entry<VoidFn>(kOrdGetLastError);
    return fn ? fn() : 0;
}

int32_t LoadedNetSdk::SetConnectTime(int32_t waitMs, int32_t tries) {
    auto fn = Entry<ConnectTimeFn>(kOrdSetConnectTime);
    return fn ? fn(waitMs, tries) : 0;
}

int32_t LoadedNetSdk::Login(const char* ip, uint16_t port, const char* user, const char* password,
                            uint8_t deviceInfo[kDeviceInfoSize], int32_t* error,
                            int32_t socketType) {
    auto fn = Entry<LoginFn>(kOrdLogin);
    return fn ? fn(ip, port, user, password, deviceInfo, error, socketType) : 0;
}

int32_t LoadedNetSdk::Logout(int32_t login) {
    auto fn = Entry<HandleFn>(kOrdLogout);
    return fn ? fn(login) : 0;
}

int32_t LoadedNetSdk::SetMessageCallback(MessageCallback callback, uintptr_t user) {
    auto fn = Entry<MessageFn>(kOrdSetMessageCallback);
    return fn ? fn(callback, user) : 0;
}

int32_t LoadedNetSdk::AfterLogin(int32_t login) {
    auto fn = Entry<HandleFn>(kOrdAfterLogin);
    return fn ? fn(login) : 0;
}

int32_t LoadedNetSdk::UndoAfterLogin(int32_t login) {
    auto fn = Entry<HandleFn>(kOrdUndoAfterLogin);
    return fn ? fn(login) : 0;
}

int32_t LoadedNetSdk::GetConfig(int32_t login, uint32_t command, int32_t channel, void* buffer,
                                uint32_t size, uint32_t* returned, int32_t waitMs) {
    auto fn = Entry<GetConfigFn>(kOrdGetConfig);
    return fn ? fn(login, command, channel, buffer, size, returned, waitMs) : 0;
}

int32_t LoadedNetSdk::SetConfig(int32_t login, uint32_t command, int32_t channel,
                                const void* buffer, uint32_t size, int32_t waitMs) {
    auto fn = Entry<SetConfigFn>(kOrdSetConfig);
    return fn ? fn(login, command, channel, buffer, size, waitMs) : 0;
}

int32_t LoadedNetSdk::RealPlay(int32_t login, const int32_t client[5]) {
    auto fn = Entry<RealPlayFn>(kOrdRealPlay);
    return fn ? fn(login, client) : 0;
}

int32_t LoadedNetSdk::StopRealPlay(int32_t play, void* reserved) {
    auto fn = Entry<StopRealPlayFn>(kOrdStopRealPlay);
    return fn ? fn(play, reserved) : 0;
}

int32_t LoadedNetSdk::SetRealDataCallback(int32_t play, StreamCallback callback, uintptr_t user) {
    auto fn = Entry<DataCallbackFn>(kOrdSetRealDataCallback);
    return fn ? fn(play, callback, user) : 0;
}

int32_t LoadedNetSdk::DelRealDataCallback(int32_t play, StreamCallback callback, uintptr_t user) {
    auto fn = Entry<DataCallbackFn>(kOrdDelRealDataCallback);
    return fn ? fn(play, callback, user) : 0;
}

int32_t LoadedNetSdk::Upgrade(int32_t login, const char* path, int32_t type,
                              UpgradeCallback callback, uintptr_t user) {
    auto fn = Entry<UpgradeFn>(kOrdUpgrade);
    return fn ? fn(login, path, type, callback, user) : 0;
}

int32_t LoadedNetSdk::GetUpgradeState(int32_t upgrade) {
    auto fn = Entry<HandleFn>(kOrdGetUpgradeState);
    return fn ? fn(upgrade) : 0;
}

int32_t LoadedNetSdk::PtzControl(int32_t login, int32_t channel, int32_t command, int32_t stop,
                                 int32_t speed) {
    auto fn = Entry<PtzControlFn>(kOrdPtzControl);
    return fn ? fn(login, channel, command, stop, speed) : 0;
}

int32_t LoadedNetSdk::PtzPreset(int32_t login, int32_t channel, int32_t command, int32_t preset,
                                int32_t a, int32_t b, int32_t c) {
    auto fn = Entry<PtzPresetFn>(kOrdPtzPreset);
    return fn ? fn(login, channel, command, preset, a, b, c) : 0;
}

int32_t LoadedNetSdk::Reboot(int32_t login, int32_t reserved, int32_t waitMs) {
    auto fn = Entry<RebootFn>(kOrdReboot);
    return fn ? fn(login, reserved, waitMs) : 0;
}

std::unique_ptr<LoadedNetSdk> OpenNetSdk(const std::string& path) {
    return std::make_unique<LoadedNetSdk>(platform::OpenLibrary(path, kResolverName));
}

std::unique_ptr<LoadedNetSdk> OpenProcessLibrary() {
    const std::string fileName = platform::LibraryFileName(kLibraryBaseName);
    const std::string hostFolder = platform::HostFolder();
    std::unique_ptr<platform::Library> library;
    if (!hostFolder.empty())
        library = platform::OpenLibrary(platform::JoinPath(hostFolder, fileName), kResolverName);
    if (!library) library = platform::OpenLibrary(fileName, kResolverName);
    if (!library) g_DiagLog.Write("NetSDK library %s could not be loaded", fileName.c_str());
    return std::make_unique<LoadedNetSdk>(std::move(library));
}

}  // namespace vela::device
