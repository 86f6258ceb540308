// The player stand-in loaded by path as a host loads it, playing into a real window (win32
// under wine) or a headless surface: the same test on both window systems.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "platform/kernel.h"
#include "tests/platform/test_play_window.h"
#include "tests/player/chunks.h"
#include "tools/player/player_abi.h"

namespace vela::player {
namespace {

using OpenStreamFn = int32_t(VELA_STDCALL*)(int32_t, const uint8_t*, uint32_t, uint32_t);
using PlayFn = int32_t(VELA_STDCALL*)(int32_t, void*);
using InputFn = int32_t(VELA_STDCALL*)(int32_t, const uint8_t*, uint32_t);
using PortFn = int32_t(VELA_STDCALL*)(int32_t);
using RegisterFn = int32_t(VELA_STDCALL*)(int32_t, DrawCallback, uintptr_t);

constexpr int32_t kPort = 200;
constexpr int32_t kWidth = 320, kHeight = 240;

struct Seen {
    const testing::TestPlayWindow* window = nullptr;
    std::atomic<int> frames{0};
    std::atomic<bool> ownContext{true};
    std::atomic<bool> otherThread{true};
    std::atomic<bool> stopped{false};
    std::atomic<bool> afterStop{false};
    std::thread::id host;
};

void VELA_STDCALL OnDraw(int32_t port, void* deviceContext, uintptr_t user) {
    auto* seen = reinterpret_cast<Seen*>(user);
    if (seen->stopped) seen->afterStop = true;
    if (port != kPort || !seen->window->OwnsDeviceContext(deviceContext)) seen->ownContext = false;
    if (std::this_thread::get_id() == seen->host) seen->otherThread = false;
    platform::SleepMs(2);  // a frame still being drawn when Stop comes
    ++seen->frames;
}

class PlayerLibrary : public ::testing::Test {
  protected:
    void SetUp() override {
        library_ = platform::OpenLibrary(
            platform::JoinPath(platform::HostFolder(), platform::LibraryFileName("HBPlayM4")));
        ASSERT_NE(library_, nullptr);
    }
    template <typename Fn>
    Fn Get(const char* name) {
        return reinterpret_cast<Fn>(library_->Symbol(name));
    }
    std::unique_ptr<platform::Library> library_;
};

TEST_F(PlayerLibrary, PlaysFramesIntoTheWindowAndStopsCallingBack) {
    testing::TestPlayWindow window(kWidth, kHeight);
    Seen seen;
    seen.window = &window;
    seen.host = std::this_thread::get_id();
    auto input = Get<InputFn>("HBPlayM4_InputData");
    auto feed = [&](const std::vector<uint8_t>& chunk) {
        return input(kPort, chunk.data(), static_cast<uint32_t>(chunk.size()));
    };
    ASSERT_TRUE(Get<RegisterFn>("HBPlayM4_RigisterDrawFun")(kPort, OnDraw,
                                                            reinterpret_cast<uintptr_t>(&seen)));
    auto start = testing::StartChunk();
    ASSERT_TRUE(Get<OpenStreamFn>("HBPlayM4_OpenStream")(
        kPort, start.data(), static_cast<uint32_t>(start.size()), 20000));
    ASSERT_TRUE(Get<PlayFn>("HBPlayM4_Play")(kPort, window.Handle()));
    EXPECT_TRUE(feed(start));
    EXPECT_TRUE(feed(testing::AudioChunk()));
    for (uint32_t frame = 0; frame < 200 && seen.frames < 5; ++frame) {
        EXPECT_TRUE(feed(testing::VideoChunk(0, 1000)));
        platform::SleepMs(10);
    }
    ASSERT_TRUE(Get<PortFn>("HBPlayM4_Stop")(kPort));
    seen.stopped = true;
    for (uint32_t frame = 0; frame < 5; ++frame) feed(testing::VideoChunk(0));
    platform::SleepMs(50);

    EXPECT_GE(seen.frames, 5);
    EXPECT_TRUE(seen.ownContext);
    EXPECT_TRUE(seen.otherThread);
    EXPECT_FALSE(seen.afterStop);
    // Frame 0: bars unshifted, the square at the top left, "CH1" over the first bar.
    const uint32_t bars[8] = {0xFFFFFF, 0xFFFF00, 0x00FFFF, 0x00FF00,
                              0xFF00FF, 0xFF0000, 0x0000FF, 0x000000};
    for (int i = 1; i < 8; ++i) {
        EXPECT_EQ(window.PixelAt(kWidth * i / 8 + kWidth / 16, kHeight / 2), bars[i]) << i;
    }
    EXPECT_EQ(window.PixelAt(kWidth / 16, kHeight * 3 / 4), bars[0]);
    EXPECT_TRUE(Get<PortFn>("HBPlayM4_CloseStream")(kPort));
    EXPECT_FALSE(feed(testing::VideoChunk(0)));
}

}  // namespace
}  // namespace vela::player
