// Painting through the canvas reaches the snapshot: a custom child's erase, an owner-drawn
// button's DrawItem and a label's colours, read back from the BMP file.
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "resources/dialog_template.h"
#include "tests/window_system/recording_sink.h"

namespace vela::wstest {
namespace {

using platform::EventKind;

constexpr int kBtnSkin = 9015;
constexpr int kPlayWnd = 9016;
const platform::Color kSurfaceColor = platform::Rgb(0, 96, 0);
const platform::Color kSkinColor = platform::Rgb(0, 0, 160);

// The centre of a control, in its dialog's client coordinates.
platform::Point CentreIn(platform::WindowHandle dialog, platform::WindowHandle control) {
    const platform::Rect r = Ws().GetClientRect(control);
    const platform::Point screen =
        Ws().ClientToScreen(control, {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    return Ws().ScreenToClient(dialog, screen);
}

TEST(SnapshotTest, PaintedSurfacesAppearInTheSnapshot) {
    RecordingSink sink, surfaceSink;
    sink.handler = [](platform::Event& e) {
        if (e.kind == EventKind::DrawItem && e.controlId == kBtnSkin) {
            e.canvas->FillRect(e.itemRect, kSkinColor);
            return true;
        }
        return false;
    };
    surfaceSink.handler = [](platform::Event& e) {
        if (e.kind == EventKind::EraseBackground) {
            platform::Rect all = Ws().GetClientRect(e.window);
            e.canvas->FillRect(all, kSurfaceColor);
            return true;
        }
        return e.kind == EventKind::Paint;
    };
    platform::WindowHandle dialog = Ws().CreateModeless(
        *resources::FindDialogTemplate(resources::kTestDialogId), nullptr, &sink);
    ASSERT_NE(dialog, nullptr);
    platform::WindowHandle surface = Ws().GetDlgItem(dialog, kPlayWnd);
    Ws().Subclass(surface, &surfaceSink);
    Ws().ShowWindow(dialog, true);
    Ws().PumpMessages();

    const std::string path = TempFile("snapshot.bmp");
    std::remove(path.c_str());
    ASSERT_TRUE(Ws().Snapshot(dialog, path));
    Bmp bmp;
    ASSERT_TRUE(ReadBmp(path, bmp));
    const platform::Rect client = Ws().GetClientRect(dialog);
    EXPECT_EQ(bmp.width, client.Width());
    EXPECT_EQ(bmp.height, client.Height());
    EXPECT_EQ(bmp.bitsPerPixel, 32);
    const platform::Point surfaceAt = CentreIn(dialog, surface);
    EXPECT_EQ(bmp.At(surfaceAt.x, surfaceAt.y), kSurfaceColor);
    const platform::Point skinAt = CentreIn(dialog, Ws().GetDlgItem(dialog, kBtnSkin));
    EXPECT_EQ(bmp.At(skinAt.x, skinAt.y), kSkinColor);
    std::remove(path.c_str());

    Ws().DestroyWindow(dialog);
    EXPECT_FALSE(Ws().Snapshot(dialog, path));
}

}  // namespace
}  // namespace vela::wstest
