// The play window's area overlay: the motion grid or the cover rectangle that the user drags
// over the live picture, and its drawing onto each displayed frame.
//
// Threads: the mouse and page operations run on the UI thread; Draw runs on the player
// library's thread for every frame. Every operation takes the lock; Draw copies the state under
// it (fixed arrays, no allocation) and draws from the copy, so a frame never sees a half-made
// change.
#pragma once

#include <cstdint>

#include "platform/kernel.h"
#include "ui/canvas.h"
#include "ui/rect.h"

namespace vela::ui {

// One u32 word per grid row, one bit per column: a grid has at most 32 rows and 32 columns.
constexpr int kMaxGridRows = 32;
constexpr int kMaxGridColumns = 32;
// Cell sizes are cut from this span, so the grid covers at most 352 x 288 pixels.
constexpr int kGridSpanWidth = 352;
constexpr int kGridSpanHeight = 288;
// Area mode 0 edits the grid; any other value is rectangle mode.
constexpr int kAreaModeGrid = 0;
constexpr int kAreaModeRectangle = -1;
// DrawOverlay modes.
constexpr int kDrawRectangle = 1;
constexpr int kDrawGrid = 2;
// A motion-alarm flash lasts this many drawn frames; within each ten, six are red.
constexpr int kFlashFrames = 200;
constexpr int kFlashCycle = 10;
constexpr int kFlashRedFrames = 6;

// COLORREF values of the overlay.
constexpr Color kCoverFill = platform::Rgb(255, 0, 255);    // magenta
constexpr Color kGridOutline = platform::Rgb(255, 255, 0);  // yellow
constexpr Color kGridAlarm = platform::Rgb(255, 0, 0);      // red
constexpr Color kDragFrame = platform::Rgb(192, 192, 192);  // grey
constexpr int kGridPenWidth = 2;

struct OverlayState {
    bool rectEditing = false;
    bool dragging = false;
    Rect currentRect;
    Rect dragRect;  // anchor (left, top), moving corner (right, bottom)
    Rect clientRect;
    bool clientRecorded = false;
    Rect shownRect;
    bool flash = false;
    int flashCounter = 0;
    uint32_t grid[kMaxGridRows] = {};
    int areaMode = kAreaModeRectangle;
    int rows = 18;
    int columns = 22;
    int cellWidth = 16;
    int cellHeight = 16;
};

class AreaOverlay {
  public:
    // -- UI thread --
    // The first call fixes the rectangle that bounds dragging and that paint fills.
    void RecordClientRect(const Rect& client);
    Rect ClientRect();
    void MouseDown(Point point);
    void MouseMove(Point point);
    void MouseUp(Point point);

    Rect GetAreaRect();
    void SetAreaRect(const Rect& rect);
    void EnableRectEdit(bool enable, bool clear);
    void SetGridSize(int rows, int columns);
    void SetAreaMode(int mode);
    // Copies as many words as the grid has rows; the other words keep their values.
    void LoadGridBits(const uint32_t* rowWords, int mode);
    void StoreGridBits(uint32_t* rowWords);
    void FillGrid(bool all);
    void SetAlarmFlash(bool on);

    // A consistent copy of the whole state (tests, and Draw).
    OverlayState State();

    // -- Player library's thread --
    // Draws mode kDrawRectangle or kDrawGrid onto the frame; other modes draw nothing.
    void Draw(Canvas& canvas, int mode);

  private:
    Point Clamped(Point point) const;
    void MoveCorner(Point point);
    void MarkCells(const Rect& area);

    platform::Lock m_lock;
    OverlayState m_state;
};

}  // namespace vela::ui
