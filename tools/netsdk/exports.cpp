// The exported entry points. Windows: by ordinal only (NetSDK.def, NONAME), __stdcall.
// POSIX: one named export, NetSDK_GetProcAddress, maps an ordinal to its entry point; the
// entry points themselves stay hidden on both (the .def file exports them on Windows).
#include <cstdint>

#include "platform/abi.h"
#include "tools/netsdk/library.h"

using vela::netsdk::Library;
namespace abi = vela::netsdk;

extern "C" {

int32_t VELA_STDCALL VelaNet_Init(abi::DisconnectCallback cb, uintptr_t user) {
    return Library::Instance().Init(cb, user);
}
int32_t VELA_STDCALL VelaNet_Cleanup() {
    return Library::Instance().Cleanup();
}
int32_t VELA_STDCALL VelaNet_GetLastError() {
    return Library::Instance().LastError();
}
int32_t VELA_STDCALL VelaNet_SetConnectTime(int32_t waitMs, int32_t tries) {
    return Library::Instance().SetConnectTime(waitMs, tries);
}
int32_t VELA_STDCALL H264_DVR_Login(const char* ip, uint16_t port, const char* user,
                                    const char* password, uint8_t* deviceInfo, int32_t* error,
                                    int32_t socketType) {
    return Library::Instance().Login(ip, port, user, password, deviceInfo, error, socketType);
}
int32_t VELA_STDCALL VelaNet_Logout(int32_t login) {
    return Library::Instance().Logout(login);
}
int32_t VELA_STDCALL VelaNet_SetMessageCallback(abi::MessageCallback cb, uintptr_t user) {
    return Library::Instance().SetMessageCallback(cb, user);
}
int32_t VELA_STDCALL VelaNet_SetupAlarmChannel(int32_t login) {
    return Library::Instance().SetupAlarmChannel(login);
}
int32_t VELA_STDCALL VelaNet_CloseAlarmChannel(int32_t login) {
    return Library::Instance().CloseAlarmChannel(login);
}
int32_t VELA_STDCALL VelaNet_GetConfig(int32_t login, uint32_t command, int32_t channel,
                                       void* buffer, uint32_t size, uint32_t* returned,
                                       int32_t waitMs) {
    return Library::Instance().GetConfig(login, command, channel, buffer, size, returned, waitMs);
}
int32_t VELA_STDCALL VelaNet_SetConfig(int32_t login, uint32_t command, int32_t channel,
                                       const void* buffer, uint32_t size, int32_t waitMs) {
    return Library::Instance().SetConfig(login, command, channel, buffer, size, waitMs);
}
int32_t VELA_STDCALL VelaNet_RealPlay(int32_t login, const int32_t* client) {
    return Library::Instance().RealPlay(login, client);
}
int32_t VELA_STDCALL VelaNet_StopRealPlay(int32_t play, void*) {
    return Library::Instance().StopRealPlay(play);
}
int32_t VELA_STDCALL VelaNet_SetDataCallback(int32_t play, abi::StreamCallback cb, uintptr_t user) {
    return Library::Instance().SetDataCallback(play, cb, user);
}
int32_t VELA_STDCALL VelaNet_DelDataCallback(int32_t play, abi::StreamCallback cb, uintptr_t user) {
    return Library::Instance().DelDataCallback(play, cb, user);
}
int32_t VELA_STDCALL H264_DVR_Upgrade(int32_t login, const char* path, int32_t type,
                                      abi::UpgradeCallback cb, uintptr_t user) {
    return Library::Instance().Upgrade(login, path, type, cb, user);
}
int32_t VELA_STDCALL VelaNet_UpgradeState(int32_t upgrade) {
    return Library::Instance().UpgradeState(upgrade);
}
int32_t VELA_STDCALL VelaNet_PtzControl(int32_t login, int32_t channel, int32_t command,
                                        int32_t stop, int32_t speed) {
    return Library::Instance().PtzControl(login, channel, command, stop, speed);
}
int32_t VELA_STDCALL VelaNet_PtzPreset(int32_t login, int32_t channel, int32_t command,
                                       int32_t preset, int32_t a, int32_t b, int32_t c) {
    return Library::Instance().PtzPreset(login, channel, command, preset, a, b, c);
}
int32_t VELA_STDCALL VelaNet_Reboot(int32_t login, int32_t reserved, int32_t waitMs) {
    return Library::Instance().Reboot(login, reserved, waitMs);
}

#if !defined(_WIN32)
// Same table as NetSDK.def.
VELA_EXPORT void* NetSDK_GetProcAddress(int ordinal) {
    switch (ordinal) {
        case 1:
            return reinterpret_cast<void*>(&VelaNet_Init);
        case 2:
            return reinterpret_cast<void*>(&VelaNet_Cleanup);
        case 3:
            return reinterpret_cast<void*>(&VelaNet_GetLastError);
        case 4:
            return reinterpret_cast<void*>(&VelaNet_SetConnectTime);
        case 5:
            return reinterpret_cast<void*>(&H264_DVR_Login);
        case 7:
            return reinterpret_cast<void*>(&VelaNet_Logout);
        case 8:
            return reinterpret_cast<void*>(&VelaNet_SetMessageCallback);
        case 9:
            return reinterpret_cast<void*>(&VelaNet_SetupAlarmChannel);
        case 10:
            return reinterpret_cast<void*>(&VelaNet_CloseAlarmChannel);
        case 11:
            return reinterpret_cast<void*>(&VelaNet_GetConfig);
        case 12:
            return reinterpret_cast<void*>(&VelaNet_SetConfig);
        case 15:
            return reinterpret_cast<void*>(&VelaNet_RealPlay);
        case 16:
            return reinterpret_cast<void*>(&VelaNet_StopRealPlay);
        case 19:
            return reinterpret_cast<void*>(&VelaNet_SetDataCallback);
        case 21:
            return reinterpret_cast<void*>(&VelaNet_DelDataCallback);
        case 34:
            return reinterpret_cast<void*>(&H264_DVR_Upgrade);
        case 35:
            return reinterpret_cast<void*>(&VelaNet_UpgradeState);
        case 37:
            return reinterpret_cast<void*>(&VelaNet_PtzControl);
        case 38:
            return reinterpret_cast<void*>(&VelaNet_PtzPreset);
        case 39:
            return reinterpret_cast<void*>(&VelaNet_Reboot);
        default:
            return nullptr;
    }
}
#endif

}  // extern "C"
