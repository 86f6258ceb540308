// A live preview end to end, on the window system of this build: the device connection through
// the NetSDK stand-in against dvrsim on loopback, the player stand-in rendering dvrsim's test
// picture into a play window, and the draw hook drawing the motion grid onto every frame.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <thread>
#include <vector>

#include "device/dvs_device.h"
#include "device/netsdk_library.h"
#include "platform/bytes.h"
#include "platform/kernel.h"
#include "platform/net.h"
#include "preview/draw_hook.h"
#include "resources/dialog_template.h"
#include "tests/common/bmp_pixel.h"
#include "tests/window_system/recording_sink.h"
#include "tools/dvrsim/server.h"
#include "ui/play_wnd.h"

namespace vela {
namespace {

constexpr platform::Rect kPlayPlace{0, 0, 352, 288};
constexpr int kGridRows = 18;
constexpr int kGridColumns = 22;

using testing::BmpPixel;

// The console's part in a preview: hands each frame to the play window's grid overlay.
class GridDrawTarget : public preview::DrawTarget {
  public:
    explicit GridDrawTarget(ui::CPlayWnd& play) : m_rPlay(play) {}
    void DrawHook(void* deviceContext, uintptr_t user) override {
        m_rPlay.DrawOverlay(deviceContext, ui::kDrawGrid, this);
        if (user) draws.fetch_add(1);
    }
    std::atomic<int> draws{0};

  private:
    ui::CPlayWnd& m_rPlay;
};

class LivePreviewTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::StartSockets();
        m_statePath = std::filesystem::temp_directory_path() / "vela-live-preview.bin";
        std::filesystem::remove(m_statePath);
        dvrsim::ServerOptions options;
        options.port = 0;
        options.device.shape.channels = 4;
        options.device.statePath = m_statePath.string();
        m_pServer = std::make_unique<dvrsim::Server>(options);
        std::string reason;
        ASSERT_TRUE(m_pServer->Start(&reason)) << reason;
        m_pSdk = device::OpenNetSdk(
            platform::JoinPath(platform::HostFolder(), platform::LibraryFileName("NetSDK")));
        ASSERT_TRUE(m_pSdk->IsLoaded());
        m_pDevice = std::make_unique<device::CDvsDevice>(*m_pSdk);
        ASSERT_EQ(m_pDevice->Connect("dvr", "127.0.0.1", m_pServer->port(), "admin", "", 0, "", 0),
                  1);
        ASSERT_TRUE(m_pDevice->LiveView().PlayerLoaded());

        m_parent = wstest::Ws().CreateModeless(
            *resources::FindDialogTemplate(resources::kTestDialogId), nullptr, &m_sink);
        ASSERT_NE(m_parent, nullptr);
        ASSERT_TRUE(m_play.Create(m_parent));
        m_play.MoveWindow(kPlayPlace);
        m_play.ShowWindow(true);
        wstest::Ws().ShowWindow(m_parent, true);
        wstest::Ws().PumpMessages();
        // A motion area: a block of cells and a row across the picture.
        uint32_t rows[ui::kMaxGridRows] = {};
        for (int r = 4; r < 9; ++r) rows[r] = 0x3F0u;
        rows[14] = (1u << kGridColumns) - 1;
        m_play.SetGridSize(kGridRows, kGridColumns);
        m_play.LoadGridBits(rows, ui::kAreaModeGrid);
        preview::SetDrawTarget(&m_target);
    }
    void TearDown() override {
        if (m_pDevice) m_pDevice->StopPreview();  // the player paints no more into the window
        preview::SetDrawTarget(nullptr);
        m_play.DestroyWindow();
        if (m_parent) wstest::Ws().DestroyWindow(m_parent);
        m_pDevice.reset();
        if (m_pSdk) m_pSdk->Cleanup();
        if (m_pServer) m_pServer->Stop();
        std::error_code ignored;
        std::filesystem::remove(m_statePath, ignored);
    }
    // A snapshot repaints the play window black before it copies it; on win32 the player's
    // next frame then has to land before the copy, so the picture is taken until it shows one
    // (the white bar at the left of the test picture).
    void SnapshotLiveFrame(const std::string& path) {
        for (platform::WindowHandle child : wstest::Ws().GetChildren(m_parent))
            if (child != m_play.GetSafeHwnd()) wstest::Ws().ShowWindow(child, false);
        for (int attempt = 0; attempt < 100; ++attempt) {
            ASSERT_TRUE(wstest::Ws().Snapshot(m_play.GetSafeHwnd(), path));
            if (BmpPixel(path, 20, 150) == 0xFFFFFF) return;
            std::this_thread::sleep_for(std::chrono::milliseconds(7));
        }
        ADD_FAILURE() << "no snapshot caught a frame";
    }
    // Waits (pumping the UI thread's messages) until the player has drawn more than `count`.
    bool DrawnMoreThan(int count) {
        for (int i = 0; i < 500 && m_target.draws.load() <= count; ++i) {
            wstest::Ws().PumpMessages();
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return m_target.draws.load() > count;
    }

    std::filesystem::path m_statePath;
    std::unique_ptr<dvrsim::Server> m_pServer;
    std::unique_ptr<device::LoadedNetSdk> m_pSdk;
    std::unique_ptr<device::CDvsDevice> m_pDevice;
    wstest::RecordingSink m_sink;
    platform::WindowHandle m_parent = nullptr;
    ui::CPlayWnd m_play;
    GridDrawTarget m_target{m_play};
};

TEST_F(LivePreviewTest, FramesArriveAreDrawnOverAndStopWithThePreview) {
    ASSERT_GT(m_pDevice->StartPreview(0, m_play.PlayTarget(), 0), 0);
    ASSERT_TRUE(DrawnMoreThan(5)) << "frames from dvrsim reach the draw hook";
    EXPECT_TRUE(m_pDevice->LiveView().Packager().PlayerOpen());
    EXPECT_GT(m_pDevice->LiveView().Packager().FrameCounter(), 0u);

    // A picture of the live frame with its overlay, where the caller asks for one.
    if (const char* folder = std::getenv("VELA_SNAPSHOT_DIR"))
        SnapshotLiveFrame(platform::JoinPath(folder, "live-preview.bmp"));

    m_pDevice->StopPreview();
    const int stopped = m_target.draws.load();
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    wstest::Ws().PumpMessages();
    EXPECT_EQ(m_target.draws.load(), stopped) << "a draw after the preview stopped";
    EXPECT_EQ(m_pDevice->LiveView().PlayHandle(), 0);
}

TEST_F(LivePreviewTest, SwitchingChannelsKeepsThePictureComing) {
    for (int channel : {1, 3, 0}) {
        SCOPED_TRACE(channel);
        const int before = m_target.draws.load();
        m_pDevice->StopPreview();
        ASSERT_GT(m_pDevice->StartPreview(channel, m_play.PlayTarget(), 0), 0);
        EXPECT_TRUE(DrawnMoreThan(before + 2));
    }
}

TEST_F(LivePreviewTest, ADeviceThatGoesAwayMidPreviewStopsCleanly) {
    ASSERT_GT(m_pDevice->StartPreview(2, m_play.PlayTarget(), 0), 0);
    ASSERT_TRUE(DrawnMoreThan(2));
    m_pServer->Stop();
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    m_pDevice->StopPreview();
    const int stopped = m_target.draws.load();
    m_pDevice->Logout();
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(m_target.draws.load(), stopped);
    EXPECT_EQ(m_pDevice->LiveView().PlayHandle(), 0);
}

}  // namespace
}  // namespace vela
