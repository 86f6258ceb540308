// The headless play window's surface: the live frame in snapshots, while the player paints it,
// and surfaces no canvas can be made for.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <thread>

#include "platform/kernel.h"

#include "platform/vela_surface.h"
#include "tests/play_wnd/play_fixture.h"

namespace vela::ui {
namespace {

using wstest::Ws;

constexpr Rect kPlace{0, 0, 352, 288};
constexpr uint32_t kFramePixel = 0x204060;

class PlaySurfaceTest : public PlayWndFixture {
  protected:
    PlaySurfaceTest() : PlayWndFixture(kPlace) {}
    void SetUp() override {
        PlayWndFixture::SetUp();
        surface = static_cast<VelaSurface*>(play.PlayTarget());
        ASSERT_NE(surface, nullptr);
    }
    // What the player does for one frame: paint the picture, then call the draw hook.
    void Frame(int mode) {
        for (int i = 0; i < surface->width * surface->height; ++i) surface->pixels[i] = kFramePixel;
        play.DrawOverlay(surface, mode, this);
    }

    VelaSurface* surface = nullptr;
};

TEST_F(PlaySurfaceTest, TheSnapshotShowsTheLastCompleteFrame) {
    play.SetAreaRect({});
    const std::string path = wstest::TempFile("play_surface.bmp");
    const platform::Point inside{kPlace.left + 100, kPlace.top + 100};
    Frame(kDrawGrid);
    // The player paints the next frame; until it is complete the snapshot keeps the last.
    for (int i = 0; i < surface->width * surface->height; ++i) surface->pixels[i] = 0x0000FF;
    std::remove(path.c_str());
    ASSERT_TRUE(Ws().Snapshot(parent, path));
    wstest::Bmp bmp;
    ASSERT_TRUE(wstest::ReadBmp(path, bmp));
    EXPECT_EQ(bmp.At(inside.x, inside.y), platform::Rgb(0x20, 0x40, 0x60));
}

// The player keeps painting, each frame in the next shade of blue. A snapshot asked for after
// frame N was complete shows frame N+1 or later: what was done to the page before it is seen.
TEST_F(PlaySurfaceTest, ASnapshotOfARunningPlayerShowsAFrameCompletedAfterItWasAsked) {
    play.SetAreaRect({});
    std::atomic<uint32_t> completed{0};
    std::atomic<bool> stop{false};
    std::thread player([&] {
        for (uint32_t shade = 1; !stop && shade < 0xFF; ++shade) {
            for (int i = 0; i < surface->width * surface->height; ++i) surface->pixels[i] = shade;
            play.DrawOverlay(surface, kDrawGrid, this);
            completed = shade;
            platform::SleepMs(20);
        }
    });
    while (completed == 0) platform::SleepMs(1);
    const std::string path = wstest::TempFile("play_surface_running.bmp");
    const uint32_t before = completed;
    const bool taken = Ws().Snapshot(parent, path);
    stop = true;
    player.join();
    ASSERT_TRUE(taken);
    wstest::Bmp bmp;
    ASSERT_TRUE(wstest::ReadBmp(path, bmp));
    EXPECT_GT(platform::BlueOf(bmp.At(kPlace.left + 100, kPlace.top + 100)),
              static_cast<int>(before));
}

TEST(PlaySurfaceCanvasTest, AnUnusableSurfaceGivesNoCanvas) {
    uint32_t pixels[4] = {};
    const VelaSurface bad[] = {
        {nullptr, 2, 2, 8},
        {pixels, 0, 2, 8},
        {pixels, 2, 2, 4},
        {pixels, 2, 2, 9},
    };
    for (const VelaSurface& s : bad) {
        VelaSurface copy = s;
        EXPECT_EQ(Ws().CanvasForDeviceContext(&copy), nullptr);
    }
    EXPECT_EQ(Ws().CanvasForDeviceContext(nullptr), nullptr);
}

}  // namespace
}  // namespace vela::ui
