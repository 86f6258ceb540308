// Login and the read of every configuration record, as a device connection does it, through
// the built NetSDK stand-in (by ordinal) against dvrsim on loopback.
#include <benchmark/benchmark.h>

#include <atomic>
#include <filesystem>
#include <memory>
#include <thread>
#include <vector>

#include "platform/abi.h"
#include "platform/bytes.h"
#include "platform/kernel.h"
#include "platform/net.h"
#include "platform/net_server.h"
#include "tools/dvrsim/server.h"

namespace {

using LoginFn = int32_t(VELA_STDCALL*)(const char*, uint16_t, const char*, const char*, uint8_t*,
                                       int32_t*, int32_t);
using HandleFn = int32_t(VELA_STDCALL*)(int32_t);
using GetConfigFn = int32_t(VELA_STDCALL*)(int32_t, uint32_t, int32_t, void*, uint32_t, uint32_t*,
                                           int32_t);

struct Read {
    uint32_t command;
    int32_t channel;
    uint32_t size;
};
// The reads of a login of a four-channel device, in the device connection's order.
const Read kReads[] = {{18, 0, 192},    {20, 0, 144},    {43, 0, 8},      {42, -1, 212},
                       {38, -1, 1680},  {15, -1, 324},   {9, 0, 57},      {68, -1, 2816},
                       {10, -1, 3028},  {30, -1, 11520}, {23, 0, 1360},   {23, 1, 1360},
                       {23, 2, 1360},   {23, 3, 1360},   {24, -1, 54016}, {25, -1, 49920},
                       {26, -1, 49792}, {27, -1, 49920}, {13, 0, 8},      {21, -1, 1920},
                       {11, 0, 3204}};

bool ReceiveAll(vela::platform::TcpSocket& socket, uint8_t* buffer, size_t size) {
    for (size_t have = 0; have < size;) {
        const int got = socket.Receive(buffer + have, size - have);
        if (got <= 0) return false;
        have += static_cast<size_t>(got);
    }
    return true;
}

void BM_LoginAndReadEveryRecord(benchmark::State& state) {
    auto library = vela::platform::OpenLibrary(
        vela::platform::JoinPath(vela::platform::HostFolder(),
                                 vela::platform::LibraryFileName("NetSDK")),
        "NetSDK_GetProcAddress");
    if (!library) {
        state.SkipWithError("libNetSDK not found beside the benchmark");
        return;
    }
    auto login = reinterpret_cast<LoginFn>(library->Ordinal(5));
    auto logout = reinterpret_cast<HandleFn>(library->Ordinal(7));
    auto getConfig = reinterpret_cast<GetConfigFn>(library->Ordinal(11));

    auto folder = std::filesystem::temp_directory_path() / "vela-bench-netsdk";
    std::filesystem::create_directories(folder);
    vela::dvrsim::ServerOptions options;
    options.port = 0;
    options.device.statePath = (folder / "state.bin").string();
    vela::dvrsim::Server server(options);
    std::string reason;
    if (!server.Start(&reason)) {
        state.SkipWithError(reason.c_str());
        return;
    }
    std::vector<uint8_t> buffer(54016);
    uint8_t info[400];
    for (auto _ : state) {
        int32_t error = 0;
        int32_t handle = login("127.0.0.1", server.port(), "admin", "", info, &error, 0);
        if (handle <= 0) {
            state.SkipWithError("login failed");
            break;
        }
        for (const Read& read : kReads) {
            uint32_t returned = 0;
            getConfig(handle, read.command, read.channel, buffer.data(), read.size, &returned,
                      10000);
            benchmark::DoNotOptimize(returned);
        }
        state.PauseTiming();
        logout(handle);
        state.ResumeTiming();
    }
    reinterpret_cast<int32_t(VELA_STDCALL*)()>(library->Ordinal(2))();
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_LoginAndReadEveryRecord)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor: a loopback connection and one request and reply for each request of the login
// above, answered by a thread that sends back as many bytes as the device's answer holds (the
// login's DeviceInfo, then each record), so that the floor carries the same bytes.
void BM_LoopbackRoundTrips(benchmark::State& state) {
    constexpr size_t kLoginReply = 400;
    constexpr size_t kRequest = 64;
    auto listener = vela::platform::ListenLoopback(0);
    if (!listener) {
        state.SkipWithError("no loopback listener");
        return;
    }
    std::atomic<bool> done{false};
    std::thread echo([&] {
        std::vector<uint8_t> reply(54016);
        while (!done.load()) {
            auto peer = listener->Accept(100);
            if (!peer) continue;
            uint8_t request[kRequest];
            while (ReceiveAll(*peer, request, sizeof request))
                peer->Send(reply.data(), vela::ReadU32(request, 0));
        }
    });
    vela::platform::IPv4 loopback{};
    vela::platform::ParseIPv4("127.0.0.1", &loopback);
    std::vector<uint8_t> reply(54016);
    for (auto _ : state) {
        auto socket = vela::platform::ConnectTcp(loopback, listener->Port());
        if (!socket) {
            state.SkipWithError("connect failed");
            break;
        }
        auto roundTrip = [&](uint32_t size) {
            uint8_t request[kRequest] = {};
            vela::WriteU32(request, 0, size);
            socket->Send(request, sizeof request);
            ReceiveAll(*socket, reply.data(), size);
        };
        roundTrip(kLoginReply);
        for (const Read& read : kReads) roundTrip(read.size);
    }
    done = true;
    echo.join();
}
BENCHMARK(BM_LoopbackRoundTrips)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
