// The play window as a window: drags by mouse with the capture, and the black paint of the
// recorded client rectangle, on the window system of this build.
#include <gtest/gtest.h>

#include <cstdio>

#include "tests/play_wnd/play_fixture.h"

namespace vela::ui {
namespace {

using platform::EventKind;
using wstest::Ws;

constexpr Rect kPlace{4, 4, 204, 164};

class PlayWndTest : public PlayWndFixture {
  protected:
    PlayWndTest() : PlayWndFixture(kPlace) {}
    void GridMode() {
        const uint32_t none[kMaxGridRows] = {};
        play.LoadGridBits(none, kAreaModeGrid);
    }
    platform::Color SnapshotAtCentre() {
        const std::string path = wstest::TempFile("play_wnd.bmp");
        std::remove(path.c_str());
        Ws().Invalidate(parent, true);
        Ws().UpdateWindow(parent);
        if (!Ws().Snapshot(parent, path)) return 0xFFFFFFFF;
        wstest::Bmp bmp;
        if (!wstest::ReadBmp(path, bmp)) return 0xFFFFFFFF;
        const platform::Point centre = Ws().ScreenToClient(
            parent, Ws().ClientToScreen(play.GetSafeHwnd(), {kPlace.Width() / 2, 20}));
        return bmp.At(centre.x, centre.y);
    }
};

TEST_F(PlayWndTest, APressHoldsTheCaptureUntilReleaseAndDragsOnlyWhileEditing) {
    Ws().SendMouse(play.GetSafeHwnd(), EventKind::MouseDown, {10, 10});
    EXPECT_EQ(Ws().GetCapture(), play.GetSafeHwnd());
    EXPECT_FALSE(play.State().dragging) << "nothing to edit";
    Ws().SendMouse(play.GetSafeHwnd(), EventKind::MouseUp, {30, 30});
    EXPECT_EQ(Ws().GetCapture(), nullptr);

    GridMode();
    Ws().SendMouse(play.GetSafeHwnd(), EventKind::MouseDown, {10, 10});
    EXPECT_EQ(Ws().GetCapture(), play.GetSafeHwnd());
    Ws().SendMouse(play.GetSafeHwnd(), EventKind::MouseMove, {40, 40});
    EXPECT_TRUE(play.State().dragging);
    Ws().SendMouse(play.GetSafeHwnd(), EventKind::MouseUp, {40, 40});
    EXPECT_EQ(Ws().GetCapture(), nullptr);
    uint32_t rows[kMaxGridRows] = {};
    play.StoreGridBits(rows);
    EXPECT_EQ(rows[0], 0x7u);
    EXPECT_EQ(rows[2], 0x7u);
    EXPECT_EQ(rows[3], 0u);
}

TEST_F(PlayWndTest, PaintFillsTheRecordedClientRectangleBlack) {
    EXPECT_NE(SnapshotAtCentre(), platform::Rgb(0, 0, 0));
    play.SetAreaRect({});
    EXPECT_EQ(play.State().clientRect, play.GetClientRect());
    EXPECT_EQ(SnapshotAtCentre(), platform::Rgb(0, 0, 0));
}

TEST_F(PlayWndTest, NoOwnerOrNoDeviceContextDrawsNothing) {
    play.FillGrid(true);
    GridMode();
    play.SetAlarmFlash(true);
    int owner = 0;
    play.DrawOverlay(play.PlayTarget(), kDrawGrid, nullptr);
    play.DrawOverlay(nullptr, kDrawGrid, &owner);
    EXPECT_EQ(play.State().flashCounter, 0);
}

}  // namespace
}  // namespace vela::ui
