#include "tests/preview/recording_player.h"

#include <algorithm>
#include <cstring>

using vela::testing::RecordedPlayerCall;
using vela::testing::RecordingPlayerLog;

namespace {

RecordingPlayerLog g_log = {1, 1, 0, nullptr, 0, {}};

RecordedPlayerCall* Record(int32_t kind, int32_t port) {
    if (g_log.count >= vela::testing::kRecordedCalls) return nullptr;
    RecordedPlayerCall* call = &g_log.calls[g_log.count++];
    *call = RecordedPlayerCall{kind, port, 0, 0, nullptr, {}};
    return call;
}

void KeepBytes(RecordedPlayerCall* call, const uint8_t* data, uint32_t size) {
    if (!call) return;
    call->length = size;
    if (data) std::memcpy(call->bytes, data, std::min<size_t>(size, sizeof call->bytes));
}

}  // namespace

extern "C" {

VELA_EXPORT RecordingPlayerLog* VELA_STDCALL RecordingPlayer_Log() {
    return &g_log;
}

VELA_EXPORT int32_t VELA_STDCALL HBPlayM4_OpenStream(int32_t port, const uint8_t* data,
                                                     uint32_t size, uint32_t buffer) {
    RecordedPlayerCall* call = Record(vela::testing::kCallOpenStream, port);
    KeepBytes(call, data, size);
    if (call) call->buffer = buffer;
    return g_log.openResult;
}

VELA_EXPORT int32_t VELA_STDCALL HBPlayM4_Play(int32_t port, void* window) {
    if (RecordedPlayerCall* call = Record(vela::testing::kCallPlay, port)) call->window = window;
    return g_log.playResult;
}

VELA_EXPORT int32_t VELA_STDCALL HBPlayM4_InputData(int32_t port, const uint8_t* data,
                                                    uint32_t size) {
    KeepBytes(Record(vela::testing::kCallInputData, port), data, size);
    return 1;
}

VELA_EXPORT int32_t VELA_STDCALL HBPlayM4_Stop(int32_t port) {
    Record(vela::testing::kCallStop, port);
    return 1;
}

VELA_EXPORT int32_t VELA_STDCALL HBPlayM4_CloseStream(int32_t port) {
    Record(vela::testing::kCallCloseStream, port);
    return 1;
}

VELA_EXPORT int32_t VELA_STDCALL HBPlayM4_RigisterDrawFun(int32_t port, void* callback,
                                                          uintptr_t user) {
    Record(vela::testing::kCallRegisterDraw, port);
    g_log.drawCallback = callback;
    g_log.drawUser = user;
    return 1;
}

}  // extern "C"
