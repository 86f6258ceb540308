// One frame of the motion grid overlay, as the player's thread draws it: an 18 x 22 grid with
// every cell marked, drawn onto a 352 x 288 surface through the raster canvas. Goal: under
// 50 microseconds a frame.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "platform/vela_surface.h"
#include "platform/window_system.h"
#include "ui/area_overlay.h"

namespace {

void BM_GridOverlayAllMarked(benchmark::State& state) {
    std::vector<uint32_t> pixels(352 * 288, 0);
    VelaSurface surface{pixels.data(), 352, 288, 352 * 4};
    std::unique_ptr<vela::platform::Canvas> canvas =
        vela::platform::TheWindowSystem().CanvasForDeviceContext(&surface);
    vela::ui::AreaOverlay overlay;
    overlay.RecordClientRect({0, 0, 352, 288});
    overlay.SetGridSize(18, 22);
    overlay.SetAreaMode(vela::ui::kAreaModeGrid);
    overlay.FillGrid(true);
    for (auto _ : state) {
        overlay.Draw(*canvas, vela::ui::kDrawGrid);
        benchmark::DoNotOptimize(pixels.data());
    }
}
BENCHMARK(BM_GridOverlayAllMarked)->Unit(benchmark::kMicrosecond);

}  // namespace
