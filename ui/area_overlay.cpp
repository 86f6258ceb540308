#include "ui/area_overlay.h"

#include <algorithm>

namespace vela::ui {

namespace {

using platform::LockGuard;

Rect Normalised(const Rect& r) {
    return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
            std::max(r.top, r.bottom)};
}

// Bits 0..columns-1; a full word for 32 columns, where a shift by 32 would be undefined.
uint32_t ColumnMask(int columns) {
    if (columns >= kMaxGridColumns) return 0xFFFFFFFFu;
    return (uint32_t{1} << columns) - 1;
}

bool Marked(const OverlayState& s, int row, int column) {
    if (row < 0 || row >= s.rows || column < 0 || column >= s.columns) return false;
    return (s.grid[row] >> column) & 1u;
}

// (left, top) to (right, top) to (right, bottom) to (left, bottom) and back, as the drag shows.
void DrawDragFrame(Canvas& canvas, const Rect& r) {
    const Pen pen{platform::PenStyle::Dotted, 1, kDragFrame};
    canvas.DrawLine({r.left, r.top}, {r.right, r.top}, pen);
    canvas.DrawLine({r.right, r.top}, {r.right, r.bottom}, pen);
    canvas.DrawLine({r.right, r.bottom}, {r.left, r.bottom}, pen);
    canvas.DrawLine({r.left, r.bottom}, {r.left, r.top}, pen);
}

// Only the edges that border an unmarked cell or the grid's edge, so that neighbouring marked
// cells read as one region.
void DrawGridOutline(Canvas& canvas, const OverlayState& s, Color color) {
    const Pen pen{platform::PenStyle::Solid, kGridPenWidth, color};
    const int w = s.cellWidth;
    const int h = s.cellHeight;
    for (int r = 0; r < s.rows; ++r) {
        if (s.grid[r] == 0) continue;
        const int y = r * h;
        for (int c = 0; c < s.columns; ++c) {
            if (!Marked(s, r, c)) continue;
            const int x = c * w;
            if (!Marked(s, r, c - 1)) canvas.DrawLine({x + 1, y}, {x + 1, y + h}, pen);
            if (!Marked(s, r, c + 1)) canvas.DrawLine({x + w - 1, y}, {x + w - 1, y + h}, pen);
            if (!Marked(s, r - 1, c)) canvas.DrawLine({x, y + 1}, {x + w, y + 1}, pen);
            if (!Marked(s, r + 1, c)) canvas.DrawLine({x, y + h - 1}, {x + w, y + h - 1}, pen);
        }
    }
}

}  // namespace

void AreaOverlay::RecordClientRect(const Rect& client) {
    LockGuard guard(m_lock);
    if (m_state.clientRecorded) return;
    m_state.clientRect = client;
    m_state.clientRecorded = true;
}

Rect AreaOverlay::ClientRect() {
    LockGuard guard(m_lock);
    return m_state.clientRect;
}

// Called with the lock held.
Point AreaOverlay::Clamped(Point p) const {
    const Rect& c = m_state.clientRect;
    return {std::clamp(p.x, c.left, std::max(c.left, c.right)),
            std::clamp(p.y, c.top, std::max(c.top, c.bottom))};
}

void AreaOverlay::MouseDown(Point p) {
    LockGuard guard(m_lock);
    if (!m_state.rectEditing && m_state.areaMode != kAreaModeGrid) return;
    m_state.dragging = true;
    m_state.dragRect = {p.x, p.y, p.x, p.y};
    m_state.currentRect = m_state.dragRect;
}

// Called with the lock held.
void AreaOverlay::MoveCorner(Point p) {
    const Point corner = Clamped(p);
    m_state.dragRect.right = corner.x;
    m_state.dragRect.bottom = corner.y;
}

void AreaOverlay::MouseMove(Point p) {
    LockGuard guard(m_lock);
    if (!m_state.dragging) return;
    MoveCorner(p);
    m_state.currentRect = m_state.dragRect;
}

// The finished rectangle is normalised: one dragged up or to the left would otherwise keep
// left > right and neither fill nor mark anything.
void AreaOverlay::MouseUp(Point p) {
    LockGuard guard(m_lock);
    if (!m_state.dragging) return;
    MoveCorner(p);
    m_state.shownRect = Normalised(m_state.dragRect);
    m_state.currentRect = m_state.shownRect;
    m_state.dragRect = {};
    m_state.dragging = false;
    if (m_state.areaMode == kAreaModeGrid) {
        MarkCells(m_state.shownRect);
        m_state.shownRect = {};
    }
}

// Called with the lock held; `area` is normalised. Dragging only adds cells.
void AreaOverlay::MarkCells(const Rect& area) {
    const int firstColumn = std::max(area.left, 0) / m_state.cellWidth;
    const int lastColumn = std::min(std::max(area.right, 0) / m_state.cellWidth,
                                    std::min(m_state.columns, kMaxGridColumns) - 1);
    const int firstRow = std::max(area.top, 0) / m_state.cellHeight;
    const int lastRow = std::min(std::max(area.bottom, 0) / m_state.cellHeight,
                                 std::min(m_state.rows, kMaxGridRows) - 1);
    for (int r = firstRow; r <= lastRow; ++r) {
        for (int c = firstColumn; c <= lastColumn; ++c) m_state.grid[r] |= uint32_t{1} << c;
    }
}

Rect AreaOverlay::GetAreaRect() {
    LockGuard guard(m_lock);
    return m_state.currentRect;
}

void AreaOverlay::SetAreaRect(const Rect& rect) {
    LockGuard guard(m_lock);
    m_state.currentRect = rect;
    m_state.shownRect = {};
}

void AreaOverlay::EnableRectEdit(bool enable, bool clear) {
    LockGuard guard(m_lock);
    m_state.rectEditing = enable;
    if (clear) m_state.shownRect = {};
}

// A device may report any size: counts of 0 or less are refused, counts above 32 cut to what
// the 32-word grid holds.
void AreaOverlay::SetGridSize(int rows, int columns) {
    if (rows <= 0 || columns <= 0) return;
    LockGuard guard(m_lock);
    m_state.rows = std::min(rows, kMaxGridRows);
    m_state.columns = std::min(columns, kMaxGridColumns);
    m_state.cellWidth = kGridSpanWidth / m_state.columns;
    m_state.cellHeight = kGridSpanHeight / m_state.rows;
}

void AreaOverlay::SetAreaMode(int mode) {
    LockGuard guard(m_lock);
    m_state.areaMode = mode;
}

void AreaOverlay::LoadGridBits(const uint32_t* rowWords, int mode) {
    if (!rowWords) return;
    LockGuard guard(m_lock);
    m_state.areaMode = mode;
    std::copy(rowWords, rowWords + m_state.rows, m_state.grid);
}

void AreaOverlay::StoreGridBits(uint32_t* rowWords) {
    if (!rowWords) return;
    LockGuard guard(m_lock);
    std::copy(m_state.grid, m_state.grid + m_state.rows, rowWords);
}

void AreaOverlay::FillGrid(bool all) {
    LockGuard guard(m_lock);
    std::fill(std::begin(m_state.grid), std::end(m_state.grid), 0u);
    if (!all) return;
    std::fill(m_state.grid, m_state.grid + m_state.rows, ColumnMask(m_state.columns));
}

void AreaOverlay::SetAlarmFlash(bool on) {
    LockGuard guard(m_lock);
    m_state.flash = on;
}

OverlayState AreaOverlay::State() {
    LockGuard guard(m_lock);
    return m_state;
}

void AreaOverlay::Draw(Canvas& canvas, int mode) {
    OverlayState s;
    Color outline = kGridOutline;
    {
        LockGuard guard(m_lock);
        // The flash advances once per drawn grid frame; the last frame keeps its colour.
        if (mode == kDrawGrid && m_state.areaMode == kAreaModeGrid && m_state.flash) {
            ++m_state.flashCounter;
            if (m_state.flashCounter % kFlashCycle < kFlashRedFrames) outline = kGridAlarm;
            if (m_state.flashCounter >= kFlashFrames) {
                m_state.flash = false;
                m_state.flashCounter = 0;
            }
        }
        s = m_state;
    }
    if (mode == kDrawGrid && s.areaMode == kAreaModeGrid) {
        DrawGridOutline(canvas, s, outline);
        if (s.dragging) DrawDragFrame(canvas, s.dragRect);
    } else if (mode == kDrawRectangle && s.rectEditing) {
        if (s.dragging) DrawDragFrame(canvas, s.dragRect);
        if (!s.shownRect.IsEmpty()) canvas.FillRect(s.shownRect, kCoverFill);
    }
}

}  // namespace vela::ui
