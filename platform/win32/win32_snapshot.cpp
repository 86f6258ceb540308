// Snapshots: the window's client area as it stands on the screen, children included, copied
// from the window's device context after pending painting, written as a 32-bit BMP. The frame
// and caption are the system's (drawn by the window manager, if any) and are left out. A play
// window that a player paints shows a frame painted after the snapshot's own repaint, as the
// headless snapshot shows the last complete frame.
// UI thread, except FrameCompleted (the player's thread).
#include <chrono>
#include <cstdio>
#include <utility>
#include <vector>

#include "platform/bytes.h"
#include "platform/win32/window_system_win32.h"

namespace vela::platform::win32 {

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;
constexpr int kBitsPerPixel = 32;
// Snapshots larger than this in either direction are refused (no screen is that big).
constexpr int kMaxSnapshotSide = 16384;
// How long a snapshot waits for a player's frames: a few frames at any preview's rate.
constexpr std::chrono::milliseconds kFrameWait{400};
constexpr uint64_t kFramesAfterRepaint = 2;

bool WriteBmp(const std::string& path, int width, int height, const uint8_t* bottomUpPixels) {
    const size_t pixelBytes = static_cast<size_t>(width) * static_cast<size_t>(height) * 4;
    std::vector<uint8_t> header(kFileHeaderSize + kInfoHeaderSize, 0);
    WriteU8(header.data(), 0, 'B');
    WriteU8(header.data(), 1, 'M');
    WriteU32(header.data(), 2, static_cast<uint32_t>(header.size() + pixelBytes));
    WriteU32(header.data(), 10, static_cast<uint32_t>(header.size()));
    WriteU32(header.data(), 14, kInfoHeaderSize);
    WriteI32(header.data(), 18, width);
    WriteI32(header.data(), 22, height);
    WriteU16(header.data(), 26, 1);
    WriteU16(header.data(), 28, kBitsPerPixel);
    WriteU32(header.data(), 34, static_cast<uint32_t>(pixelBytes));
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool written = std::fwrite(header.data(), 1, header.size(), file) == header.size() &&
                         std::fwrite(bottomUpPixels, 1, pixelBytes, file) == pixelBytes;
    return std::fclose(file) == 0 && written;
}

}  // namespace

bool Win32WindowSystem::Snapshot(WindowHandle window, const std::string& path) {
    HWND hwnd = ToHwnd(window);
    if (!::IsWindow(hwnd)) return false;
    ::RedrawWindow(hwnd, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    DrainQueue();
    AwaitPlayerFrames(hwnd);
    RECT bounds{};
    ::GetClientRect(hwnd, &bounds);
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    if (width <= 0 || height <= 0 || width > kMaxSnapshotSide || height > kMaxSnapshotSide) {
        return false;
    }

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up, as the file stores it
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = kBitsPerPixel;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC windowDc = ::GetDC(hwnd);
    HDC memoryDc = ::CreateCompatibleDC(windowDc);
    HBITMAP bitmap = ::CreateDIBSection(windowDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool copied = false;
    if (memoryDc && bitmap && bits) {
        HGDIOBJ old = ::SelectObject(memoryDc, bitmap);
        // A hidden window has nothing on the screen: it is asked to print itself instead.
        if (::IsWindowVisible(hwnd)) {
            copied = ::BitBlt(memoryDc, 0, 0, width, height, windowDc, 0, 0, SRCCOPY) != FALSE;
        } else {
            copied = ::PrintWindow(hwnd, memoryDc, PW_CLIENTONLY) != FALSE;
        }
        ::GdiFlush();
        ::SelectObject(memoryDc, old);
    }
    const bool written = copied && WriteBmp(path, width, height, static_cast<uint8_t*>(bits));
    if (bitmap) ::DeleteObject(bitmap);
    if (memoryDc) ::DeleteDC(memoryDc);
    ::ReleaseDC(hwnd, windowDc);
    return written;
}

void Win32WindowSystem::FrameCompleted(void* deviceContext) {
    HWND window = ::WindowFromDC(static_cast<HDC>(deviceContext));
    if (!window) return;
    std::lock_guard<std::mutex> guard(m_frameLock);
    ++m_framesCompleted[window];
    m_frameCompleted.notify_all();
}

void Win32WindowSystem::AwaitPlayerFrames(HWND window) {
    std::vector<std::pair<HWND, uint64_t>> painted;
    {
        std::lock_guard<std::mutex> guard(m_frameLock);
        painted.assign(m_framesCompleted.begin(), m_framesCompleted.end());
    }
    std::vector<std::pair<HWND, uint64_t>> awaited;
    for (const auto& [play, count] : painted)
        if ((play == window || ::IsChild(window, play)) && ::IsWindowVisible(play))
            awaited.emplace_back(play, count + kFramesAfterRepaint);
    if (awaited.empty()) return;
    std::unique_lock<std::mutex> lock(m_frameLock);
    m_frameCompleted.wait_for(lock, kFrameWait, [&] {
        for (const auto& [play, wanted] : awaited)
            if (m_framesCompleted[play] < wanted) return false;
        return true;
    });
}

}  // namespace vela::platform::win32
