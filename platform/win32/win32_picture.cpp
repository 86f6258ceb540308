// Pictures through the system's loader: LoadImage makes a DIB section straight from the file,
// GetDIBits reads its rows back with a client device context of the desktop window. UI thread.
#include <cstring>
#include <vector>

#include "platform/win32/window_system_win32.h"

namespace vela::platform::win32 {

namespace {

constexpr int kMaxColours = 256;

class Win32Picture : public PictureBitmap {
  public:
    Win32Picture(HBITMAP bitmap, const BITMAP& info) : m_bitmap(bitmap), m_info(info) {}
    ~Win32Picture() override { ::DeleteObject(m_bitmap); }
    Win32Picture(const Win32Picture&) = delete;
    Win32Picture& operator=(const Win32Picture&) = delete;

    int Width() const override { return m_info.bmWidth; }
    int Height() const override { return m_info.bmHeight; }
    int Planes() const override { return m_info.bmPlanes; }
    int BitsPerPixel() const override { return m_info.bmBitsPixel; }

    int ReadRows(int bitCount, uint8_t* colourTable, uint8_t* rows) const override {
        std::vector<uint8_t> block(sizeof(BITMAPINFOHEADER) + kMaxColours * sizeof(RGBQUAD), 0);
        auto* info = reinterpret_cast<BITMAPINFO*>(block.data());
        info->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info->bmiHeader.biWidth = m_info.bmWidth;
        info->bmiHeader.biHeight = m_info.bmHeight;  // bottom-up
        info->bmiHeader.biPlanes = 1;
        info->bmiHeader.biBitCount = static_cast<WORD>(bitCount);
        info->bmiHeader.biCompression = BI_RGB;
        HWND desktop = ::GetDesktopWindow();
        HDC dc = ::GetDC(desktop);
        if (!dc) return 0;
        const int got = ::GetDIBits(dc, m_bitmap, 0, static_cast<UINT>(m_info.bmHeight), rows, info,
                                    DIB_RGB_COLORS);
        ::ReleaseDC(desktop, dc);
        if (colourTable && bitCount <= 8)
            std::memcpy(colourTable, info->bmiColors, sizeof(RGBQUAD) << bitCount);
        return got;
    }

  private:
    HBITMAP m_bitmap;
    BITMAP m_info;
};

}  // namespace

std::unique_ptr<PictureBitmap> Win32WindowSystem::LoadPicture(const std::string& path) {
    HANDLE image = ::LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0,
                                LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    if (!image) return nullptr;
    auto* bitmap = static_cast<HBITMAP>(image);
    BITMAP info{};
    if (::GetObjectA(bitmap, sizeof info, &info) != sizeof info || info.bmWidth <= 0 ||
        info.bmHeight <= 0) {
        ::DeleteObject(bitmap);
        return nullptr;
    }
    return std::make_unique<Win32Picture>(bitmap, info);
}

}  // namespace vela::platform::win32
