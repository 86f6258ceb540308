#include "preview/player_library.h"

#include <vector>

namespace vela::preview {

const char* const kPlayerExportNames[kPlayerSlotCount] = {
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
    nullptr,
    "HBPlayM4_SetDisplayCallBack",
    "HBPlayM4_ConvertToBmpFile",
};

namespace {

using OpenStreamFn = int32_t(VELA_STDCALL*)(int32_t, const uint8_t*, uint32_t, uint32_t);
using PlayFn = int32_t(VELA_STDCALL*)(int32_t, void*);
using InputDataFn = int32_t(VELA_STDCALL*)(int32_t, const uint8_t*, uint32_t);
using PortFn = int32_t(VELA_STDCALL*)(int32_t);
using RegisterDrawFn = int32_t(VELA_STDCALL*)(int32_t, PlayerDrawCallback, uintptr_t);

// Every module a connection loaded, kept until the process ends: the library is never unloaded
// while its threads may still call back. UI thread only.
std::vector<std::unique_ptr<platform::Library>>& LoadedModules() {
    static auto* modules = new std::vector<std::unique_ptr<platform::Library>>();
    return *modules;
}

template <typename Function>
Function Slot(const PlayerFunctions& table, PlayerSlot slot) {
    return reinterpret_cast<Function>(table.slots[slot]);
}

}  // namespace

int32_t PlayerFunctions::OpenStream(int32_t port, const uint8_t* data, uint32_t size,
                                    uint32_t buffer) const {
    auto fn = Slot<OpenStreamFn>(*this, kSlotOpenStream);
    return fn ? fn(port, data, size, buffer) : 0;
}

int32_t PlayerFunctions::Play(int32_t port, void* window) const {
    auto fn = Slot<PlayFn>(*this, kSlotPlay);
    return fn ? fn(port, window) : 0;
}

int32_t PlayerFunctions::InputData(int32_t port, const uint8_t* data, uint32_t size) const {
    auto fn = Slot<InputDataFn>(*this, kSlotInputData);
    return fn ? fn(port, data, size) : 0;
}

int32_t PlayerFunctions::Stop(int32_t port) const {
    auto fn = Slot<PortFn>(*this, kSlotStop);
    return fn ? fn(port) : 0;
}

int32_t PlayerFunctions::CloseStream(int32_t port) const {
    auto fn = Slot<PortFn>(*this, kSlotCloseStream);
    return fn ? fn(port) : 0;
}

int32_t PlayerFunctions::RegisterDrawFun(int32_t port, PlayerDrawCallback callback,
                                         uintptr_t user) const {
    auto fn = Slot<RegisterDrawFn>(*this, kSlotRegisterDrawFun);
    return fn ? fn(port, callback, user) : 0;
}

CPlayerLibrary::CPlayerLibrary(const std::string& folder)
    : m_strFolder(folder.substr(0, kMaxPlayerPath)) {}

CPlayerLibrary::~CPlayerLibrary() = default;

std::string CPlayerLibrary::LibraryPath() const {
    std::string name = platform::LibraryFileName(kPlayerLibraryBaseName);
    std::string inFolder = platform::JoinPath(m_strFolder, name);
    // A path too long for the system's path buffer would be cut short: search by name instead.
    if (inFolder.size() < kMaxPlayerPath && platform::FileExists(inFolder)) return inFolder;
    return name;
}

int CPlayerLibrary::Load() {
    std::unique_ptr<platform::Library> module = platform::OpenLibrary(LibraryPath());
    if (!module) return 0;
    auto table = std::make_unique<PlayerFunctions>();
    for (size_t slot = 0; slot < kPlayerSlotCount; ++slot)
        if (kPlayerExportNames[slot]) table->slots[slot] = module->Symbol(kPlayerExportNames[slot]);
    LoadedModules().push_back(std::move(module));
    m_pFunctions = std::move(table);
    return 1;
}

}  // namespace vela::preview
