// Previews started and stopped while a NetSDK thread delivers frames and the player's thread
// draws them: no packet reaches a stopped preview, no draw a withdrawn target. Run under
// ThreadSanitizer by the tsan build.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

#include "device/dvs_device.h"
#include "preview/draw_hook.h"
#include "tests/common/fake_netsdk.h"
#include "tests/platform/test_play_window.h"
#include "tools/wire/test_picture.h"

namespace vela::device {
namespace {

constexpr uint16_t kWidth = 352;
constexpr uint16_t kHeight = 288;
constexpr int kKeyInterval = 5;

// Delivers test pictures on its own thread, every 2 ms, to the stream callback registered last;
// removing the callback waits for a delivery in flight, as the library guarantees.
class StreamingNetSdk : public vela::testing::FakeNetSdk {
  public:
    StreamingNetSdk() : m_thread([this] { Run(); }) {}
    ~StreamingNetSdk() override {
        m_bStop = true;
        m_thread.join();
    }
    int32_t SetRealDataCallback(int32_t play, StreamCallback callback, uintptr_t user) override {
        std::lock_guard<std::mutex> guard(m_mutex);
        m_nSent = 0;
        return FakeNetSdk::SetRealDataCallback(play, callback, user);
    }
    int32_t DelRealDataCallback(int32_t play, StreamCallback callback, uintptr_t user) override {
        std::lock_guard<std::mutex> guard(m_mutex);
        return FakeNetSdk::DelRealDataCallback(play, callback, user);
    }

  private:
    void Run() {
        while (!m_bStop) {
            {
                std::lock_guard<std::mutex> guard(m_mutex);
                if (streamCallback) Deliver();
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    }
    void Deliver() {
        const uint32_t n = m_nSent++;
        const std::vector<uint8_t> bytes =
            n == 0 ? wire::BuildStreamHeader(kWidth, kHeight, 25, 0)
                   : wire::BuildVideoPacket(
                         wire::MakePicture(0, kWidth, kHeight, n, n % kKeyInterval == 1, "CH1"),
                         n * 40);
        NetFramePacket packet{};
        packet.type = n == 0 ? wire::kPacketStreamHeader
                             : (n % kKeyInterval == 1 ? wire::kPacketIFrame : wire::kPacketPFrame);
        packet.data = bytes.data();
        packet.length = static_cast<int32_t>(bytes.size());
        packet.width = kWidth;
        packet.height = kHeight;
        streamCallback(streamPlay, &packet, streamUser);
    }

    std::mutex m_mutex;
    uint32_t m_nSent = 0;  // under m_mutex
    std::atomic<bool> m_bStop{false};
    std::thread m_thread;
};

class CountingTarget : public preview::DrawTarget {
  public:
    void DrawHook(void* deviceContext, uintptr_t user) override {
        if (deviceContext && user) draws.fetch_add(1);
    }
    std::atomic<int> draws{0};
};

bool WaitFor(const std::atomic<int>& value, int above) {
    for (int i = 0; i < 500 && value.load() <= above; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    return value.load() > above;
}

class PreviewThreadsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(m_device.Connect("dvr", "127.0.0.1", 34567, "admin", "", 0, "", 0), 1);
        ASSERT_TRUE(m_device.LiveView().PlayerLoaded());
        preview::SetDrawTarget(&m_target);
    }
    void TearDown() override {
        m_device.StopPreview();  // before the window goes
        preview::SetDrawTarget(nullptr);
    }

    StreamingNetSdk m_sdk;
    CDvsDevice m_device{m_sdk};
    testing::TestPlayWindow m_window{kWidth, kHeight};
    CountingTarget m_target;
};

TEST_F(PreviewThreadsTest, APreviewStoppedWhileFramesFlowDrawsNothingMore) {
    for (int round = 0; round < 8; ++round) {
        const int before = m_target.draws.load();
        ASSERT_GT(m_device.StartPreview(round % 4, m_window.Handle(), 0), 0);
        EXPECT_TRUE(WaitFor(m_target.draws, before)) << "round " << round;
        m_device.StopPreview();
        const int stopped = m_target.draws.load();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        EXPECT_EQ(m_target.draws.load(), stopped) << "a draw after the preview stopped";
    }
}

TEST_F(PreviewThreadsTest, AWithdrawnTargetIsNeverReachedAgain) {
    ASSERT_GT(m_device.StartPreview(0, m_window.Handle(), 0), 0);
    ASSERT_TRUE(WaitFor(m_target.draws, 0));
    {
        auto passing = std::make_unique<CountingTarget>();
        preview::SetDrawTarget(passing.get());
        ASSERT_TRUE(WaitFor(passing->draws, 0));
        preview::SetDrawTarget(nullptr);
    }  // destroyed while frames are still drawn
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    m_device.Logout();
}

}  // namespace
}  // namespace vela::device
