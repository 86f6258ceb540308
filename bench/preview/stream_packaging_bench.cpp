// Packaging one frame of the device's stream for the player against copying its payload,
// which is the least any packaging must do, with the heap allocations counted per frame.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

#include "preview/stream_format.h"
#include "preview/stream_packager.h"

// The counting operator new below hands out malloc'ed memory, which GCC's inlining then sees
// freed by free(): correct, but it warns.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

namespace {

std::atomic<size_t> g_allocations{0};

}  // namespace

void* operator new(size_t size) {
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, size_t) noexcept {
    std::free(p);
}

namespace {

using vela::preview::CStreamPackager;
using vela::preview::PlayerFunctions;

int32_t VELA_STDCALL Accept(int32_t, const uint8_t*, uint32_t) {
    return 1;
}
int32_t VELA_STDCALL AcceptOpen(int32_t, const uint8_t*, uint32_t, uint32_t) {
    return 1;
}
int32_t VELA_STDCALL AcceptPlay(int32_t, void*) {
    return 1;
}

// A player that takes every chunk and does nothing with it.
PlayerFunctions NullPlayer() {
    PlayerFunctions player;
    player.slots[vela::preview::kSlotOpenStream] = reinterpret_cast<void*>(&AcceptOpen);
    player.slots[vela::preview::kSlotPlay] = reinterpret_cast<void*>(&AcceptPlay);
    player.slots[vela::preview::kSlotInputData] = reinterpret_cast<void*>(&Accept);
    return player;
}

void BM_PackageKeyFrame(benchmark::State& state) {
    const auto payload = static_cast<size_t>(state.range(0));
    const std::vector<uint8_t> packet(payload + vela::preview::kKeyPacketSkip, 0x5A);
    const PlayerFunctions player = NullPlayer();
    int window = 0;
    CStreamPackager packager;
    packager.SetPlayer(&player);
    packager.SetWindow(&window);
    const uint8_t header[40] = {};
    packager.OnPacket(vela::preview::kPacketHeader, header, sizeof header, 352, 288);
    packager.OnPacket(vela::preview::kPacketKey, packet.data(), static_cast<int32_t>(packet.size()),
                      352, 288);  // the buffers grow once, here
    const size_t allocationsBefore = g_allocations.load();
    for (auto _ : state) {
        packager.OnPacket(vela::preview::kPacketKey, packet.data(),
                          static_cast<int32_t>(packet.size()), 352, 288);
        benchmark::DoNotOptimize(packager.Chunk().Data());
    }
    state.counters["allocs_per_frame"] =
        benchmark::Counter(static_cast<double>(g_allocations.load() - allocationsBefore) /
                           static_cast<double>(state.iterations()));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * payload));
}

// The floor: one copy of the payload into a buffer that already has room.
void BM_MemcpyPayload(benchmark::State& state) {
    const auto payload = static_cast<size_t>(state.range(0));
    const std::vector<uint8_t> source(payload, 0x5A);
    std::vector<uint8_t> target(payload + vela::preview::kFrameHeaderSize);
    for (auto _ : state) {
        std::memcpy(target.data() + vela::preview::kFrameHeaderSize, source.data(), payload);
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * payload));
}

BENCHMARK(BM_PackageKeyFrame)->Arg(2 << 10)->Arg(20 << 10)->Arg(200 << 10);
BENCHMARK(BM_MemcpyPayload)->Arg(2 << 10)->Arg(20 << 10)->Arg(200 << 10);

}  // namespace
