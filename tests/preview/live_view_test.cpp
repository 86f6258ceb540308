// Starting and stopping the live view of a device connection: the NetSDK calls in their order,
// the log lines, the packets it takes and the player stream it closes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/dvs_device.h"
#include "device/live_view.h"
#include "preview/draw_hook.h"
#include "tests/common/fake_netsdk.h"
#include "tests/device/log_capture.h"
#include "tests/preview/recording_player_access.h"

namespace vela::device {
namespace {

namespace vt = vela::testing;
using vt::kCallInputData;

constexpr int32_t kLogin = 7;
constexpr uintptr_t kDrawUser = 0x5150;

class LiveViewTest : public ::testing::Test {
  protected:
    // Delivers a packet as NetSDK's stream thread would.
    void Deliver(int32_t play, int32_t type, const std::vector<uint8_t>& bytes) {
        ASSERT_NE(m_sdk.streamCallback, nullptr);
        NetFramePacket packet{};
        packet.type = type;
        packet.data = bytes.data();
        packet.length = static_cast<int32_t>(bytes.size());
        EXPECT_EQ(m_sdk.streamCallback(play, &packet, m_sdk.streamUser), 1);
    }
    std::vector<std::string> StreamTrace() const {
        std::vector<std::string> trace;
        for (const std::string& call : m_sdk.Trace())
            if (call.find("Real") != std::string::npos) trace.push_back(call);
        return trace;
    }

    vt::RecordingPlayer m_player;  // loaded first, so the view finds the same module
    vt::FakeNetSdk m_sdk;
    device::testing::LogCapture m_log{"live_view"};
    CLiveView m_view{m_sdk, vt::RecordingPlayerFolder(), kDrawUser};
    int m_window = 0;
};

TEST_F(LiveViewTest, StartRegistersTheDrawHookAndStartsTheRealPlay) {
    m_sdk.playHandle = 12;
    EXPECT_EQ(m_view.StartPreview(kLogin, 3, &m_window, 1), 12);
    EXPECT_EQ(m_player.Log().drawCallback, reinterpret_cast<void*>(&preview::DrawCallback));
    EXPECT_EQ(m_player.Log().drawUser, kDrawUser);
    EXPECT_EQ(StreamTrace(),
              (std::vector<std::string>{"RealPlay(7,3,1)", "SetRealDataCallback(12)"}));
    EXPECT_TRUE(m_log.Contains("StopRealPlayEx(): lPlay is -1."));
    EXPECT_TRUE(m_log.Contains("RealPlayEx: lChan is 3,iStreamType is 1,lPlay is 12."));
    EXPECT_EQ(m_view.PlayHandle(), 12);
}

TEST_F(LiveViewTest, NoLoginMeansNoPlayButANegativeOneRegistersNothing) {
    EXPECT_EQ(m_view.StartPreview(-1, 0, &m_window, 0), -1);
    EXPECT_EQ(m_player.Log().count, 0u);
    EXPECT_EQ(m_view.StartPreview(0, 0, &m_window, 0), -1);
    EXPECT_EQ(m_player.Log().drawUser, kDrawUser) << "login 0 still registers the draw hook";
    EXPECT_TRUE(StreamTrace().empty());
}

TEST_F(LiveViewTest, ARefusedRealPlayIsLoggedWithTheMaskedError) {
    m_sdk.playHandle = 0;
    m_sdk.lastError = static_cast<int32_t>(0xF0000010u);
    EXPECT_EQ(m_view.StartPreview(kLogin, 2, &m_window, 0), -1);
    EXPECT_TRUE(m_log.Contains(
        "RealPlayEx error:error code is 16. lChan is 2,iStreamType is 0,lPlay is 0."));
    m_view.StopPreview();
    EXPECT_EQ(StreamTrace(), std::vector<std::string>{"RealPlay(7,2,0)"});
}

TEST_F(LiveViewTest, ARefusedStreamCallbackStillLeavesThePlayToStop) {
    m_sdk.playHandle = 5;
    m_sdk.dataCallbackResult = 0;
    EXPECT_EQ(m_view.StartPreview(kLogin, 0, &m_window, 0), -1);
    m_view.StopPreview();
    EXPECT_EQ(StreamTrace(),
              (std::vector<std::string>{"RealPlay(7,0,0)", "SetRealDataCallback(5)",
                                        "DelRealDataCallback(5)", "StopRealPlay(5)"}));
    EXPECT_EQ(m_view.PlayHandle(), 0);
}

TEST_F(LiveViewTest, StopRemovesTheCallbackBeforeClosingThePlayerStream) {
    ASSERT_EQ(m_view.StartPreview(kLogin, 0, &m_window, 0), 1);
    Deliver(1, 0, std::vector<uint8_t>(40, 1));
    ASSERT_TRUE(m_view.Packager().PlayerOpen());
    m_view.StopPreview();
    EXPECT_EQ(m_sdk.streamCallback, nullptr);
    EXPECT_EQ(m_player.Calls(vt::kCallStop).size(), 1u);
    EXPECT_EQ(m_player.Calls(vt::kCallCloseStream).size(), 1u);
    EXPECT_FALSE(m_view.Packager().PlayerOpen());
    EXPECT_TRUE(m_log.Contains("StopRealPlayEx(): lPlay is 1."));

    const uint32_t calls = m_player.Log().count;
    m_view.StopPreview();
    EXPECT_EQ(m_player.Log().count, calls) << "stopping again does nothing";
}

TEST_F(LiveViewTest, AChannelSwitchStopsTheOldPlayAndKeepsThePlayerStream) {
    ASSERT_EQ(m_view.StartPreview(kLogin, 0, &m_window, 0), 1);
    Deliver(1, 0, std::vector<uint8_t>(40, 1));
    ASSERT_EQ(m_view.StartPreview(kLogin, 1, &m_window, 0), 2);
    EXPECT_EQ(StreamTrace(),
              (std::vector<std::string>{"RealPlay(7,0,0)", "SetRealDataCallback(1)",
                                        "DelRealDataCallback(1)", "StopRealPlay(1)",
                                        "RealPlay(7,1,0)", "SetRealDataCallback(2)"}));
    EXPECT_TRUE(m_view.Packager().PlayerOpen());
    Deliver(2, 1, std::vector<uint8_t>(20, 2));
    EXPECT_EQ(m_player.Calls(kCallInputData).size(), 2u) << "the new play feeds the same stream";
}

TEST_F(LiveViewTest, PacketsOfAnotherPlayOrNoneAreIgnored) {
    ASSERT_EQ(m_view.StartPreview(kLogin, 0, &m_window, 0), 1);
    Deliver(9, 0, std::vector<uint8_t>(40, 1));
    EXPECT_EQ(m_sdk.streamCallback(1, nullptr, m_sdk.streamUser), 1);
    EXPECT_EQ(m_player.Calls(kCallInputData).size(), 0u);
}

TEST(DeviceLiveViewTest, LogoutAndTheEndOfTheConnectionStopTheirPreview) {
    vt::RecordingPlayer player;
    vt::FakeNetSdk sdk;
    for (bool logout : {true, false}) {
        SCOPED_TRACE(logout ? "logout" : "destruction");
        sdk.calls.clear();
        {
            CDvsDevice device(sdk, vt::RecordingPlayerFolder());
            ASSERT_EQ(device.Connect("a", "127.0.0.1", 1, "u", "p", 0, "", 0), 1);
            int window = 0;
            ASSERT_GT(device.StartPreview(0, &window, 0), 0);
            if (logout) device.Logout();
        }
        const std::vector<std::string> trace = sdk.Trace();
        const auto at = [&trace](const std::string& prefix) {
            for (size_t i = 0; i < trace.size(); ++i)
                if (trace[i].rfind(prefix, 0) == 0) return static_cast<int>(i);
            return -1;
        };
        ASSERT_GE(at("StopRealPlay"), 0);
        EXPECT_LT(at("StopRealPlay"), at("Logout")) << "the play ends before the login";
    }
}

}  // namespace
}  // namespace vela::device
