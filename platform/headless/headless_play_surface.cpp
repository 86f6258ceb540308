// Play windows in the headless build: the VelaSurface a player library renders into, the
// canvas over a surface for the per-frame overlay, and the last complete frame in snapshots.
// A snapshot of a window whose player is running waits for a frame completed after it was
// asked for, so it shows what was just done to the page, as a person would see it a frame later.
#include <algorithm>
#include <chrono>
#include <utility>
#include <vector>

#include "platform/headless/window_system_headless.h"

namespace vela::platform::headless {

namespace {

// Bounds a surface handed back as a device context before its pixels are drawn on: a play
// window is never this big.
constexpr int32_t kMaxSurfaceSide = 8192;
// How long a snapshot waits for a running player's next frame, and how recent a surface's last
// frame must be for its player to count as running: a few frames at any preview's rate.
constexpr std::chrono::milliseconds kFrameWait{400};

bool Usable(const VelaSurface* s) {
    return s && s->pixels && s->width > 0 && s->height > 0 && s->width <= kMaxSurfaceSide &&
           s->height <= kMaxSurfaceSide && s->stride >= s->width * 4 && s->stride % 4 == 0;
}

}  // namespace

// Any thread: the surface belongs to the thread that hands it over.
std::unique_ptr<Canvas> HeadlessWindowSystem::CanvasForDeviceContext(void* deviceContext) {
    auto* surface = static_cast<VelaSurface*>(deviceContext);
    if (!Usable(surface)) return nullptr;
    return std::make_unique<RasterCanvas>(surface->pixels, surface->width, surface->height,
                                          surface->stride / 4);
}

// UI thread. The surface keeps the size of the first call: a player may already be rendering
// into it.
void* HeadlessWindowSystem::PlayTarget(WindowHandle handle) {
    HeadlessWindow* window = Find(handle);
    if (!window) return nullptr;
    if (!window->playSurface) {
        const int width = std::clamp(window->rect.Width(), 1, kMaxSurfaceSide);
        const int height = std::clamp(window->rect.Height(), 1, kMaxSurfaceSide);
        auto made = std::make_unique<PlaySurface>();
        const size_t count = static_cast<size_t>(width) * height;
        made->pixels.assign(count, 0);
        made->shown.assign(count, 0);
        made->surface = VelaSurface{made->pixels.data(), width, height, width * 4};
        std::lock_guard<std::mutex> guard(m_surfaceLock);
        m_surfaces.push_back(made.get());
        window->playSurface = std::move(made);
    }
    return &window->playSurface->surface;
}

// The player's thread, between frames: it alone touches `pixels` now.
void HeadlessWindowSystem::FrameCompleted(void* playTarget) {
    std::lock_guard<std::mutex> guard(m_surfaceLock);
    for (PlaySurface* surface : m_surfaces) {
        if (&surface->surface != playTarget) continue;
        std::copy(surface->pixels.begin(), surface->pixels.end(), surface->shown.begin());
        ++surface->framesCompleted;
        surface->lastFrameAt = std::chrono::steady_clock::now();
        m_frameCompleted.notify_all();
        return;
    }
}

// UI thread: waits, at most kFrameWait, for one more frame on each visible play window under
// `window` whose player is running. A stopped player's last frame is taken as it stands.
void HeadlessWindowSystem::AwaitPlayerFrames(HeadlessWindow* window) {
    std::vector<const PlaySurface*> playing;
    std::vector<HeadlessWindow*> pending{window};
    while (!pending.empty()) {
        HeadlessWindow* next = pending.back();
        pending.pop_back();
        if (!next->visible) continue;
        if (next->playSurface) playing.push_back(next->playSurface.get());
        pending.insert(pending.end(), next->children.begin(), next->children.end());
    }
    std::unique_lock<std::mutex> lock(m_surfaceLock);
    const auto now = std::chrono::steady_clock::now();
    std::vector<std::pair<const PlaySurface*, uint64_t>> awaited;
    for (const PlaySurface* surface : playing)
        if (surface->framesCompleted > 0 && now - surface->lastFrameAt < kFrameWait)
            awaited.emplace_back(surface, surface->framesCompleted + 1);
    if (awaited.empty()) return;
    m_frameCompleted.wait_for(lock, kFrameWait, [&] {
        for (const auto& [surface, wanted] : awaited)
            if (surface->framesCompleted < wanted) return false;
        return true;
    });
}

// UI thread, as the window is destroyed: no frame is completed on it afterwards.
void HeadlessWindowSystem::ForgetPlaySurface(const PlaySurface* surface) {
    std::lock_guard<std::mutex> guard(m_surfaceLock);
    m_surfaces.erase(std::remove(m_surfaces.begin(), m_surfaces.end(), surface), m_surfaces.end());
}

// UI thread: the last complete frame over the window's own paint, clipped to `clip`.
void HeadlessWindowSystem::DrawShownFrame(const HeadlessWindow* window, Pixmap& pixmap,
                                          Point origin, const Rect& clip) {
    std::lock_guard<std::mutex> guard(m_surfaceLock);
    const PlaySurface& s = *window->playSurface;
    if (s.framesCompleted == 0) return;
    const int right = std::min({clip.right, origin.x + s.surface.width, pixmap.width});
    const int bottom = std::min({clip.bottom, origin.y + s.surface.height, pixmap.height});
    for (int y = std::max({clip.top, origin.y, 0}); y < bottom; ++y) {
        for (int x = std::max({clip.left, origin.x, 0}); x < right; ++x) {
            pixmap.pixels[static_cast<size_t>(y) * pixmap.width + x] =
                s.shown[static_cast<size_t>(y - origin.y) * s.surface.width + (x - origin.x)];
        }
    }
}

}  // namespace vela::platform::headless
