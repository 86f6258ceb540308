#include <windows.h>

#include "tests/platform/test_play_window.h"

namespace vela::testing {

namespace {
constexpr char kClassName[] = "VelaTestPlayWindow";

ATOM RegisterOnce() {
    static ATOM atom = [] {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kClassName;
        return RegisterClassA(&windowClass);  // no background brush: the player paints it all
    }();
    return atom;
}
}  // namespace

struct TestPlayWindow::Impl {
    HWND window = nullptr;
};

TestPlayWindow::TestPlayWindow(int32_t width, int32_t height) : impl_(std::make_unique<Impl>()) {
    RegisterOnce();
    RECT rect = {0, 0, width, height};
    AdjustWindowRect(&rect, WS_POPUP, FALSE);
    impl_->window = CreateWindowExA(0, kClassName, "play", WS_POPUP | WS_VISIBLE, 0, 0,
                                    rect.right - rect.left, rect.bottom - rect.top, nullptr,
                                    nullptr, GetModuleHandleA(nullptr), nullptr);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

TestPlayWindow::~TestPlayWindow() {
    if (impl_->window) DestroyWindow(impl_->window);
}

void* TestPlayWindow::Handle() const {
    return impl_->window;
}

bool TestPlayWindow::OwnsDeviceContext(void* deviceContext) const {
    return deviceContext && WindowFromDC(static_cast<HDC>(deviceContext)) == impl_->window;
}

uint32_t TestPlayWindow::PixelAt(int32_t x, int32_t y) const {
    HDC dc = GetDC(impl_->window);
    COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(impl_->window, dc);
    return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
}

}  // namespace vela::testing
