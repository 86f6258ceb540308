// A player library for tests: exports only the six entry points the plug-in plays a preview
// with, records every call (with the first bytes of each chunk) in a plain block the test
// reads through RecordingPlayer_Log, and answers what the test sets there. Built as
// HBPlayM4 in a folder of its own, so the plug-in's loader finds it by path.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/abi.h"

namespace vela::testing {

constexpr size_t kRecordedCalls = 256;
constexpr size_t kRecordedBytes = 160;  // enough for a stream header, a frame header and more

enum RecordedCallKind : int32_t {
    kCallOpenStream = 1,
    kCallPlay,
    kCallInputData,
    kCallStop,
    kCallCloseStream,
    kCallRegisterDraw,
};

struct RecordedPlayerCall {
    int32_t kind;
    int32_t port;
    uint32_t length;  // chunk length (OpenStream, InputData)
    uint32_t buffer;  // OpenStream's buffer size
    void* window;     // Play's window
    uint8_t bytes[kRecordedBytes];
};

// Plain data only: the test and the library may have separate heaps (a static runtime).
struct RecordingPlayerLog {
    int32_t openResult;
    int32_t playResult;
    uint32_t count;  // calls recorded, at most kRecordedCalls
    void* drawCallback;
    uintptr_t drawUser;
    RecordedPlayerCall calls[kRecordedCalls];
};

using RecordingPlayerLogFn = RecordingPlayerLog*(VELA_STDCALL*)();
constexpr char kRecordingPlayerLogExport[] = "RecordingPlayer_Log";
constexpr char kRecordingPlayerFolder[] = "recording_player";

}  // namespace vela::testing
