#include "ui/play_wnd.h"

#include "resources/dialog_template.h"

namespace vela::ui {

namespace {
constexpr Color kBackground = platform::Rgb(0, 0, 0);
}  // namespace

CPlayWnd::CPlayWnd() : Dialog(resources::kPlayWindowDialogId) {}

CPlayWnd::~CPlayWnd() = default;

void* CPlayWnd::PlayTarget() {
    if (!m_hWnd) return nullptr;
    return System().PlayTarget(m_hWnd);
}

void CPlayWnd::RecordClientRect() {
    if (m_hWnd) m_overlay.RecordClientRect(GetClientRect());
}

void CPlayWnd::GetAreaRect(Rect& rect) {
    rect = m_overlay.GetAreaRect();
}

void CPlayWnd::SetAreaRect(const Rect& rect) {
    RecordClientRect();
    m_overlay.SetAreaRect(rect);
}

void CPlayWnd::EnableRectEdit(bool enable, bool clear) {
    m_overlay.EnableRectEdit(enable, clear);
}

void CPlayWnd::SetGridSize(int rows, int columns) {
    m_overlay.SetGridSize(rows, columns);
}

void CPlayWnd::SetAreaMode(int mode) {
    m_overlay.SetAreaMode(mode);
}

void CPlayWnd::LoadGridBits(const uint32_t* rowWords, int mode) {
    if (!rowWords) return;
    RecordClientRect();
    m_overlay.LoadGridBits(rowWords, mode);
}

void CPlayWnd::StoreGridBits(uint32_t* rowWords) {
    if (!rowWords) return;
    RecordClientRect();
    m_overlay.StoreGridBits(rowWords);
}

void CPlayWnd::FillGrid(bool all) {
    m_overlay.FillGrid(all);
}

void CPlayWnd::SetAlarmFlash(bool on) {
    m_overlay.SetAlarmFlash(on);
}

void CPlayWnd::DrawOverlay(void* deviceContext, int mode, const void* owner) {
    if (!owner || !deviceContext) return;
    if (deviceContext != m_pFrameDc || !m_pFrameCanvas) {
        m_pFrameCanvas = System().CanvasForDeviceContext(deviceContext);
        m_pFrameDc = m_pFrameCanvas ? deviceContext : nullptr;
    }
    if (!m_pFrameCanvas) return;
    m_overlay.Draw(*m_pFrameCanvas, mode);
    System().FrameCompleted(deviceContext);
}

// The capture is taken on every press so that the release reaches this window, even when the
// press starts no drag.
bool CPlayWnd::OnLButtonDown(platform::Point point) {
    SetCapture();
    m_overlay.MouseDown(point);
    return true;
}

bool CPlayWnd::OnMouseMove(platform::Point point) {
    m_overlay.MouseMove(point);
    return true;
}

bool CPlayWnd::OnLButtonUp(platform::Point point) {
    ReleaseCapture();
    m_overlay.MouseUp(point);
    return true;
}

// Before the client rectangle is recorded it is empty and nothing is filled.
bool CPlayWnd::OnPaint(platform::Canvas& canvas) {
    canvas.FillRect(m_overlay.ClientRect(), kBackground);
    return true;
}

}  // namespace vela::ui
