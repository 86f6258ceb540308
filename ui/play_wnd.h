// The play window: the child window a page places at its "PlayWnd" key, into which the player
// library renders one channel's live picture, with the motion grid or the cover rectangle
// drawn over every frame (ui/area_overlay.h).
//
// Threads: everything runs on the UI thread except DrawOverlay, which the player library's
// draw callback reaches on the player's thread.
//
// Lifetime: owned by its page. The page stops the live view before the window is destroyed, so
// no frame is drawn through a destroyed play window or onto its freed surface.
#pragma once

#include <cstdint>
#include <memory>

#include "ui/area_overlay.h"
#include "ui/dialog.h"

namespace vela::ui {

class CPlayWnd : public Dialog {
  public:
    CPlayWnd();
    ~CPlayWnd() override;

    // What the player library is given as the window to render into: the HWND on Windows, the
    // window's VelaSurface in the headless build. Null before the window exists.
    void* PlayTarget();

    void GetAreaRect(Rect& rect);
    void SetAreaRect(const Rect& rect);
    void EnableRectEdit(bool enable, bool clear);
    void SetGridSize(int rows, int columns);
    void SetAreaMode(int mode);
    void LoadGridBits(const uint32_t* rowWords, int mode);
    void StoreGridBits(uint32_t* rowWords);
    void FillGrid(bool all);
    void SetAlarmFlash(bool on);
    OverlayState State() { return m_overlay.State(); }

    // Player's thread: draws the overlay of `mode` (kDrawRectangle, kDrawGrid) onto the frame's
    // device context. Nothing happens without an owner.
    void DrawOverlay(void* deviceContext, int mode, const void* owner);
    // The same drawing onto a canvas of the caller's (a recording one, say). Any thread.
    void DrawOverlay(Canvas& canvas, int mode) { m_overlay.Draw(canvas, mode); }

  protected:
    bool OnLButtonDown(platform::Point point) override;
    bool OnMouseMove(platform::Point point) override;
    bool OnLButtonUp(platform::Point point) override;
    bool OnPaint(platform::Canvas& canvas) override;

  private:
    void RecordClientRect();

    AreaOverlay m_overlay;
    // Player's thread only: the canvas of the device context last drawn on, made again only
    // when the player hands over a different one.
    void* m_pFrameDc = nullptr;
    std::unique_ptr<Canvas> m_pFrameCanvas;
};

}  // namespace vela::ui
