// A play window is a real window: the frame is stretched into its client area through GDI
// with a device context taken for this one frame, then released after the draw callback.
#include <windows.h>

#include "platform/frame_present.h"

namespace vela::platform {

bool PresentFrame(void* target, const PixelFrame& frame, const std::function<void(void*)>& drawn) {
    HWND window = static_cast<HWND>(target);
    if (!window || !IsWindow(window) || !frame.pixels || frame.width <= 0 || frame.height <= 0) {
        return false;
    }
    RECT client;
    if (!GetClientRect(window, &client) || client.right <= 0 || client.bottom <= 0) return false;
    HDC dc = GetDC(window);
    if (!dc) return false;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = frame.width;
    info.bmiHeader.biHeight = -frame.height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, 0, 0, client.right, client.bottom, 0, 0, frame.width, frame.height,
                  frame.pixels, &info, DIB_RGB_COLORS, SRCCOPY);
    drawn(dc);
    ReleaseDC(window, dc);
    return true;
}

}  // namespace vela::platform
