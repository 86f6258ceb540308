#include <vector>

#include "platform/vela_surface.h"
#include "tests/platform/test_play_window.h"

namespace vela::testing {

struct TestPlayWindow::Impl {
    std::vector<uint32_t> pixels;
    VelaSurface surface{};
};

TestPlayWindow::TestPlayWindow(int32_t width, int32_t height) : impl_(std::make_unique<Impl>()) {
    impl_->pixels.assign(static_cast<size_t>(width) * height, 0x808080);
    impl_->surface = VelaSurface{impl_->pixels.data(), width, height, width * 4};
}

TestPlayWindow::~TestPlayWindow() = default;

void* TestPlayWindow::Handle() const {
    return &impl_->surface;
}

bool TestPlayWindow::OwnsDeviceContext(void* deviceContext) const {
    return deviceContext == &impl_->surface;
}

uint32_t TestPlayWindow::PixelAt(int32_t x, int32_t y) const {
    return impl_->pixels[static_cast<size_t>(y) * impl_->surface.width + x];
}

}  // namespace vela::testing
