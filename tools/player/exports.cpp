// The exported entry points: the six a host plays a live stream with, on the ports of
// port.h, and the rest of the names hosts resolve, which answer 0.
#include <cstdint>

#include "tools/player/player_abi.h"
#include "tools/player/port.h"

using vela::player::Port;
using vela::player::PortAt;

extern "C" {

// bufferSize is the host's wish for a source buffer; the port's queue has its own bound.
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_OpenStream(int32_t port, const uint8_t* data,
                                                    uint32_t size, uint32_t bufferSize) {
    Port* p = PortAt(port);
    return p && p->Open(data, size) ? 1 : 0;
}
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_Play(int32_t port, void* window) {
    Port* p = PortAt(port);
    return p && p->Play(window) ? 1 : 0;
}
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_InputData(int32_t port, const uint8_t* data,
                                                   uint32_t size) {
    Port* p = PortAt(port);
    return p && p->Input(data, size) ? 1 : 0;
}
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_Stop(int32_t port) {
    Port* p = PortAt(port);
    return p && p->Stop() ? 1 : 0;
}
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_CloseStream(int32_t port) {
    Port* p = PortAt(port);
    return p && p->Close() ? 1 : 0;
}
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_RigisterDrawFun(int32_t port,
                                                         vela::player::DrawCallback callback,
                                                         uintptr_t user) {
    Port* p = PortAt(port);
    if (!p) return 0;
    p->SetDrawCallback(callback, user);
    return 1;
}

// The other names take a port and do nothing here; hosts of this stand-in do not call them.
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_OpenFile(int32_t) {
    return 0;
}  // not supported by this stand-in
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_CloseFile(int32_t) {
    return 0;
}  // not supported by this stand-in
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_Pause(int32_t) {
    return 0;
}  // not supported by this stand-in
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_Fast(int32_t) {
    return 0;
}  // not supported by this stand-in
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_Slow(int32_t) {
    return 0;
}  // not supported by this stand-in
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_OneByOne(int32_t) {
    return 0;
}  // not supported by this stand-in
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_SetPlayPos(int32_t) {
    return 0;
}  // not supported by this stand-in
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_GetPlayPos(int32_t) {
    return 0;
}  // not supported by this stand-in
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_SetFileEndMsg(int32_t) {
    return 0;
}  // not supported by this stand-in
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_SetVolume(int32_t) {
    return 0;
}  // not supported by this stand-in
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_StopSound(int32_t) {
    return 0;
}  // not supported by this stand-in
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_PlaySound(int32_t) {
    return 0;
}  // not supported by this stand-in
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_GetCaps(int32_t) {
    return 0;
}  // not supported by this stand-in
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_GetFileTime(int32_t) {
    return 0;
}  // not supported by this stand-in
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_GetPlayedTime(int32_t) {
    return 0;
}  // not supported by this stand-in
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_GetPlayedFrames(int32_t) {
    return 0;
}  // not supported by this stand-in
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_GetSdkVersion(int32_t) {
    return 0;
}  // not supported by this stand-in
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_GetCapsEx(int32_t) {
    return 0;
}  // not supported by this stand-in
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_GetLastError(int32_t) {
    return 0;
}  // not supported by this stand-in
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_GetVolume(int32_t) {
    return 0;
}  // not supported by this stand-in
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_SetColor(int32_t) {
    return 0;
}  // not supported by this stand-in
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_GetColor(int32_t) {
    return 0;
}  // not supported by this stand-in
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_InitDDraw(int32_t) {
    return 0;
}  // not supported by this stand-in
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_RealeseDDraw(int32_t) {
    return 0;
}  // not supported by this stand-in
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_SetTimerType(int32_t) {
    return 0;
}  // not supported by this stand-in
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_GetTimerType(int32_t) {
    return 0;
}  // not supported by this stand-in
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_SetStreamOpenMode(int32_t) {
    return 0;
}  // not supported by this stand-in
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_SetDisplayBuf(int32_t) {
    return 0;
}  // not supported by this stand-in
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_ResetBuffer(int32_t) {
    return 0;
}  // not supported by this stand-in
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_SetDisplayType(int32_t) {
    return 0;
}  // not supported by this stand-in
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_ThrowBFrameNum(int32_t) {
    return 0;
}  // not supported by this stand-in
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_ReleaseDDrawDevice(int32_t) {
    return 0;
}  // not supported by this stand-in
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_GetPictureSize(int32_t) {
    return 0;
}  // not supported by this stand-in
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_GetDDrawDeviceTotalNums(int32_t) {
    return 0;
}  // not supported by this stand-in
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_SetDDrawDevice(int32_t) {
    return 0;
}  // not supported by this stand-in
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_SetDisplayRegion(int32_t) {
    return 0;
}  // not supported by this stand-in
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_InitDDrawDevice(int32_t) {
    return 0;
}  // not supported by this stand-in
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_SetFileRefCallBack(int32_t) {
    return 0;
}  // not supported by this stand-in
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_OneByOneBack(int32_t) {
    return 0;
}  // not supported by this stand-in
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_RefreshPlay(int32_t) {
    return 0;
}  // not supported by this stand-in
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_GetPlayedTimeEx(int32_t) {
    return 0;
}  // not supported by this stand-in
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_SetPlayedTimeEx(int32_t) {
    return 0;
}  // not supported by this stand-in
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_GetSourceBufferRemain(int32_t) {
    return 0;
}  // not supported by this stand-in
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_SetDisplayCallBack(int32_t) {
    return 0;
}  // not supported by this stand-in
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_ConvertToBmpFile(int32_t) {
    return 0;
}  // not supported by this stand-in

}  // extern "C"
