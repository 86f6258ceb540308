#include "tests/common/fake_netsdk.h"

#include <cstring>

#include "platform/bytes.h"

namespace vela::testing {

using namespace vela::device;

namespace {

std::string Args(std::initializer_list<int64_t> values) {
    std::string text = "(";
    for (int64_t value : values) text += (text.size() > 1 ? "," : "") + std::to_string(value);
    return text + ")";
}

}  // namespace

NetSdkCall& FakeNetSdk::Record(int ordinal, int32_t handle, std::string trace) {
    NetSdkCall call;
    call.ordinal = ordinal;
    call.handle = handle;
    call.trace = std::move(trace);
    calls.push_back(call);
    return calls.back();
}

std::vector<NetSdkCall> FakeNetSdk::CallsOf(int ordinal) const {
    std::vector<NetSdkCall> result;
    for (const NetSdkCall& call : calls)
        if (call.ordinal == ordinal) result.push_back(call);
    return result;
}

std::vector<NetSdkCall> FakeNetSdk::CallsFor(int ordinal, uint32_t command) const {
    std::vector<NetSdkCall> result;
    for (const NetSdkCall& call : CallsOf(ordinal))
        if (call.command == command) result.push_back(call);
    return result;
}

std::vector<uint32_t> FakeNetSdk::Commands(int ordinal) const {
    std::vector<uint32_t> result;
    for (const NetSdkCall& call : CallsOf(ordinal)) result.push_back(call.command);
    return result;
}

std::vector<int> FakeNetSdk::Ordinals() const {
    std::vector<int> result;
    for (const NetSdkCall& call : calls) result.push_back(call.ordinal);
    return result;
}

std::vector<std::string> FakeNetSdk::Trace() const {
    std::vector<std::string> result;
    for (const NetSdkCall& call : calls) result.push_back(call.trace);
    return result;
}

size_t FakeNetSdk::Count(const std::string& trace) const {
    size_t n = 0;
    for (const NetSdkCall& call : calls) n += call.trace == trace;
    return n;
}

int FakeNetSdk::IndexOf(const std::string& prefix) const {
    for (size_t i = 0; i < calls.size(); ++i)
        if (calls[i].trace.rfind(prefix, 0) == 0) return static_cast<int>(i);
    return -1;
}

void FakeNetSdk::SetDeviceCounts(int32_t channels, int32_t extraChannels, int32_t alarmInputs,
                                 int32_t alarmOutputs) {
    WriteI32(deviceInfo, 288, channels);
    WriteI32(deviceInfo, 324, extraChannels);
    WriteI32(deviceInfo, 296, alarmInputs);
    WriteI32(deviceInfo, 300, alarmOutputs);
}

int32_t FakeNetSdk::Init(DisconnectCallback callback, uintptr_t user) {
    Record(kOrdInit, 0, "Init");
    disconnectCallback = callback;
    disconnectUser = user;
    return 1;
}

int32_t FakeNetSdk::Cleanup() {
    Record(kOrdCleanup, 0, "Cleanup");
    return 1;
}

int32_t FakeNetSdk::GetLastError() {
    Record(kOrdGetLastError, 0, "GetLastError");
    return lastError;
}

int32_t FakeNetSdk::SetConnectTime(int32_t waitMs, int32_t tries) {
    Record(kOrdSetConnectTime, 0, "SetConnectTime" + Args({waitMs, tries})).waitMs = waitMs;
    return 1;
}

int32_t FakeNetSdk::Login(const char* ip, uint16_t port, const char* user, const char* password,
                          uint8_t deviceInfoOut[kDeviceInfoSize], int32_t* error,
                          int32_t socketType) {
    Record(
        kOrdLogin, 0,
        std::string("Login(") + ip + "," + std::to_string(port) + "," + user + "," + password + ")")
        .text = ip;
    loginPort = port;
    loginUser = user;
    loginPassword = password;
    loginErrorPreset = *error;
    loginSocketType = socketType;
    std::memcpy(deviceInfoOut, deviceInfo, kDeviceInfoSize);
    if (loginHandle <= 0 || (!acceptedPassword.empty() && acceptedPassword != password)) {
        *error = lastError;
        return loginHandle <= 0 ? loginHandle : 0;
    }
    const int32_t handle = loginHandle;
    loginHandle += loginStep;
    return handle;
}

int32_t FakeNetSdk::Logout(int32_t login) {
    Record(kOrdLogout, login, "Logout" + Args({login}));
    return 1;
}

int32_t FakeNetSdk::SetMessageCallback(MessageCallback callback, uintptr_t user) {
    Record(kOrdSetMessageCallback, 0, "SetMessageCallback");
    messageCallback = callback;
    messageUser = user;
    return 1;
}

int32_t FakeNetSdk::AfterLogin(int32_t login) {
    Record(kOrdAfterLogin, login, "AfterLogin" + Args({login}));
    return 1;
}

int32_t FakeNetSdk::UndoAfterLogin(int32_t login) {
    Record(kOrdUndoAfterLogin, login, "UndoAfterLogin" + Args({login}));
    return 1;
}

int32_t FakeNetSdk::GetConfig(int32_t login, uint32_t command, int32_t channel, void* buffer,
                              uint32_t size, uint32_t* returned, int32_t waitMs) {
    NetSdkCall& call = Record(kOrdGetConfig, login, "GetConfig" + Args({command, channel}));
    call.command = command;
    call.channel = channel;
    call.size = size;
    call.waitMs = waitMs;
    auto* bytes = static_cast<uint8_t*>(buffer);
    if (onRead) return onRead(command, channel, bytes, size, returned);
    std::memset(bytes, static_cast<int>(command), size);
    *returned = size;
    return 1;
}

int32_t FakeNetSdk::SetConfig(int32_t login, uint32_t command, int32_t channel, const void* buffer,
                              uint32_t size, int32_t waitMs) {
    NetSdkCall& call = Record(kOrdSetConfig, login, "SetConfig" + Args({command, channel}));
    call.command = command;
    call.channel = channel;
    call.size = size;
    call.waitMs = waitMs;
    const auto* bytes = static_cast<const uint8_t*>(buffer);
    call.stored.assign(bytes, bytes + size);
    return onStore ? onStore(command, channel) : 1;
}

int32_t FakeNetSdk::RealPlay(int32_t login, const int32_t client[5]) {
    Record(kOrdRealPlay, login, "RealPlay" + Args({login, client[0], client[1]})).channel =
        client[0];
    const int32_t play = playHandle;
    if (play > 0) playHandle += playStep;
    return play;
}

int32_t FakeNetSdk::StopRealPlay(int32_t play, void*) {
    Record(kOrdStopRealPlay, play, "StopRealPlay" + Args({play}));
    return 1;
}

int32_t FakeNetSdk::SetRealDataCallback(int32_t play, StreamCallback callback, uintptr_t user) {
    Record(kOrdSetRealDataCallback, play, "SetRealDataCallback" + Args({play}));
    if (dataCallbackResult == 0) return 0;
    streamCallback = callback;
    streamUser = user;
    streamPlay = play;
    return dataCallbackResult;
}

int32_t FakeNetSdk::DelRealDataCallback(int32_t play, StreamCallback, uintptr_t) {
    Record(kOrdDelRealDataCallback, play, "DelRealDataCallback" + Args({play}));
    if (play == streamPlay) streamCallback = nullptr;
    return 1;
}

int32_t FakeNetSdk::Upgrade(int32_t login, const char* path, int32_t, UpgradeCallback, uintptr_t) {
    Record(kOrdUpgrade, login, std::string("Upgrade(") + path + ")").text = path;
    return 1;
}

int32_t FakeNetSdk::GetUpgradeState(int32_t upgrade) {
    Record(kOrdGetUpgradeState, upgrade, "GetUpgradeState" + Args({upgrade}));
    return 1;
}

int32_t FakeNetSdk::PtzControl(int32_t login, int32_t channel, int32_t command, int32_t stop,
                               int32_t speed) {
    NetSdkCall& call =
        Record(kOrdPtzControl, login, "PtzControl" + Args({channel, command, stop, speed}));
    call.channel = channel;
    call.command = static_cast<uint32_t>(command);
    return 1;
}

int32_t FakeNetSdk::PtzPreset(int32_t login, int32_t channel, int32_t command, int32_t preset,
                              int32_t a, int32_t b, int32_t c) {
    NetSdkCall& call =
        Record(kOrdPtzPreset, login, "PtzPreset" + Args({channel, command, preset, a, b, c}));
    call.channel = channel;
    call.command = static_cast<uint32_t>(command);
    return 1;
}

int32_t FakeNetSdk::Reboot(int32_t login, int32_t, int32_t waitMs) {
    Record(kOrdReboot, login, "Reboot" + Args({login})).waitMs = waitMs;
    return rebootResult;
}

}  // namespace vela::testing
