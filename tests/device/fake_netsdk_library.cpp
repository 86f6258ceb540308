// A small NetSDK library for the loader tests: the login, record and session entry points,
// answering from their arguments so that a test sees each argument arrive. Ordinals 15 and up
// are left out on purpose: calls to them must fail softly.
#include <atomic>
#include <cstdint>
#include <cstring>

#include "platform/abi.h"
#include "platform/bytes.h"

namespace {

constexpr int kMaxOrdinal = 39;
std::atomic<int> g_Calls[kMaxOrdinal + 1];
int32_t g_LastError = 0;

void Count(int ordinal) {
    ++g_Calls[ordinal];
}

}  // namespace

extern "C" {

int32_t VELA_STDCALL FakeInit(void*, uintptr_t) {
    return Count(1), 1;
}
int32_t VELA_STDCALL FakeCleanup() {
    return Count(2), 1;
}
int32_t VELA_STDCALL FakeGetLastError() {
    return Count(3), g_LastError;
}
int32_t VELA_STDCALL FakeSetConnectTime(int32_t waitMs, int32_t tries) {
    Count(4);
    return waitMs == 6000 && tries == 1 ? 1 : 0;
}

// Accepts admin/pw and answers with the port as handle; DeviceInfo reports 2 + 1 channels and
// one alarm input.
int32_t VELA_STDCALL FakeLogin(const char* ip, uint16_t port, const char* user,
                               const char* password, uint8_t* deviceInfo, int32_t* error,
                               int32_t socketType) {
    Count(5);
    if (std::strcmp(user, "admin") != 0 || std::strcmp(password, "pw") != 0 || socketType != 0 ||
        *error != 0 || std::strcmp(ip, "127.0.0.1") != 0) {
        g_LastError = 0x1234;
        *error = g_LastError;
        return 0;
    }
    vela::WriteI32(deviceInfo, 288, 2);
    vela::WriteI32(deviceInfo, 324, 1);
    vela::WriteI32(deviceInfo, 296, 1);
    return port;
}

int32_t VELA_STDCALL FakeLogout(int32_t login) {
    return Count(7), login > 0;
}
int32_t VELA_STDCALL FakeSetMessageCallback(void*, uintptr_t) {
    return Count(8), 1;
}
int32_t VELA_STDCALL FakeAfterLogin(int32_t login) {
    return Count(9), login > 0;
}
int32_t VELA_STDCALL FakeUndoAfterLogin(int32_t login) {
    return Count(10), login > 0;
}

// Fills the buffer with the low byte of command + channel.
int32_t VELA_STDCALL FakeGetConfig(int32_t login, uint32_t command, int32_t channel, void* buffer,
                                   uint32_t size, uint32_t* returned, int32_t waitMs) {
    Count(11);
    if (login <= 0 || waitMs != 10000) return 0;
    std::memset(buffer, static_cast<int>(command + static_cast<uint32_t>(channel)), size);
    *returned = size;
    return 1;
}

// Record 38 stored whole with channel -1 needs a reboot; everything else is taken.
int32_t VELA_STDCALL FakeSetConfig(int32_t login, uint32_t command, int32_t channel, const void*,
                                   uint32_t size, int32_t waitMs) {
    Count(12);
    if (login <= 0 || waitMs != 10000) return 0;
    return command == 38 && channel == -1 && size == 1680 ? -11401 : 1;
}

VELA_EXPORT int FakeNetSdk_Calls(int ordinal) {
    return ordinal >= 0 && ordinal <= kMaxOrdinal ? g_Calls[ordinal].load() : -1;
}

#if !defined(_WIN32)
VELA_EXPORT void* NetSDK_GetProcAddress(int ordinal) {
    void* const entries[] = {nullptr,
                             reinterpret_cast<void*>(&FakeInit),
                             reinterpret_cast<void*>(&FakeCleanup),
                             reinterpret_cast<void*>(&FakeGetLastError),
                             reinterpret_cast<void*>(&FakeSetConnectTime),
                             reinterpret_cast<void*>(&FakeLogin),
                             nullptr,
                             reinterpret_cast<void*>(&FakeLogout),
                             reinterpret_cast<void*>(&FakeSetMessageCallback),
                             reinterpret_cast<void*>(&FakeAfterLogin),
                             reinterpret_cast<void*>(&FakeUndoAfterLogin),
                             reinterpret_cast<void*>(&FakeGetConfig),
                             reinterpret_cast<void*>(&FakeSetConfig)};
    constexpr int kEntries = static_cast<int>(sizeof(entries) / sizeof(entries[0]));
    return ordinal >= 0 && ordinal < kEntries ? entries[ordinal] : nullptr;
}
#endif

}  // extern "C"
