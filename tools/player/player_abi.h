// The binary interface of the player stand-in HBPlayM4 as a host sees it: undecorated C names,
// __stdcall on Windows. A port is one stream with its display; the window given to Play is an
// HWND on Windows and a VelaSurface* in the headless build, and the draw callback gets the
// device context of the frame just painted (an HDC, or that same VelaSurface*).
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/abi.h"

namespace vela::player {

// Ports 0 .. kPortCount - 1.
constexpr int32_t kPortCount = 500;

// Called on the port's display thread after each displayed frame.
using DrawCallback = void(VELA_STDCALL*)(int32_t port, void* deviceContext, uintptr_t user);

// Every name the library exports, in the order hosts resolve them.
constexpr const char* kExportNames[] = {
    "HBPlayM4_OpenFile",
    "HBPlayM4_CloseFile",
    "HBPlayM4_Play",
    "HBPlayM4_Stop",
    "HBPlayM4_Pause",
    "HBPlayM4_Fast",
    "HBPlayM4_Slow",
    "HBPlayM4_OneByOne",
    "HBPlayM4_SetPlayPos",
    "HBPlayM4_GetPlayPos",
    "HBPlayM4_SetFileEndMsg",
    "HBPlayM4_SetVolume",
    "HBPlayM4_StopSound",
    "HBPlayM4_PlaySound",
    "HBPlayM4_OpenStream",
    "HBPlayM4_InputData",
    "HBPlayM4_CloseStream",
    "HBPlayM4_GetCaps",
    "HBPlayM4_GetFileTime",
    "HBPlayM4_GetPlayedTime",
    "HBPlayM4_GetPlayedFrames",
    "HBPlayM4_GetSdkVersion",
    "HBPlayM4_GetCapsEx",
    "HBPlayM4_GetLastError",
    "HBPlayM4_GetVolume",
    "HBPlayM4_SetColor",
    "HBPlayM4_GetColor",
    "HBPlayM4_InitDDraw",
    "HBPlayM4_RealeseDDraw",
    "HBPlayM4_SetTimerType",
    "HBPlayM4_GetTimerType",
    "HBPlayM4_SetStreamOpenMode",
    "HBPlayM4_SetDisplayBuf",
    "HBPlayM4_ResetBuffer",
    "HBPlayM4_SetDisplayType",
    "HBPlayM4_RigisterDrawFun",
    "HBPlayM4_ThrowBFrameNum",
    "HBPlayM4_ReleaseDDrawDevice",
    "HBPlayM4_GetPictureSize",
    "HBPlayM4_GetDDrawDeviceTotalNums",
    "HBPlayM4_SetDDrawDevice",
    "HBPlayM4_SetDisplayRegion",
    "HBPlayM4_InitDDrawDevice",
    "HBPlayM4_SetFileRefCallBack",
    "HBPlayM4_OneByOneBack",
    "HBPlayM4_RefreshPlay",
    "HBPlayM4_GetPlayedTimeEx",
    "HBPlayM4_SetPlayedTimeEx",
    "HBPlayM4_GetSourceBufferRemain",
    "HBPlayM4_SetDisplayCallBack",
    "HBPlayM4_ConvertToBmpFile",
};
constexpr size_t kExportCount = sizeof(kExportNames) / sizeof(kExportNames[0]);

}  // namespace vela::player

// Windows exports the names through HBPlayM4.def; POSIX by visibility.
#if defined(_WIN32)
#define HBPLAY_API
#else
#define HBPLAY_API VELA_EXPORT
#endif

// The entry points that work; every other exported name answers 0 (not supported here).
// Results are non-zero for success. Any thread may call them.
extern "C" {
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_OpenStream(int32_t port, const uint8_t* data,
                                                    uint32_t size, uint32_t bufferSize);
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_Play(int32_t port, void* window);
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_InputData(int32_t port, const uint8_t* data,
                                                   uint32_t size);
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_Stop(int32_t port);
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_CloseStream(int32_t port);
HBPLAY_API int32_t VELA_STDCALL HBPlayM4_RigisterDrawFun(int32_t port,
                                                         vela::player::DrawCallback callback,
                                                         uintptr_t user);
}
