// A window a player library can be told to play into, for tests of the player stand-in:
// a shown top-level window on Windows, a VelaSurface with its own pixels in the headless build.
#pragma once

#include <cstdint>
#include <memory>

namespace vela::testing {

class TestPlayWindow {
  public:
    TestPlayWindow(int32_t width, int32_t height);
    ~TestPlayWindow();
    TestPlayWindow(const TestPlayWindow&) = delete;
    TestPlayWindow& operator=(const TestPlayWindow&) = delete;

    // What HBPlayM4_Play takes (an HWND, or the VelaSurface*).
    void* Handle() const;
    // True when a draw callback's device context paints this window. Any thread.
    bool OwnsDeviceContext(void* deviceContext) const;
    // The colour shown at a client point, 0x00RRGGBB. Call when nothing paints the window.
    uint32_t PixelAt(int32_t x, int32_t y) const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace vela::testing
