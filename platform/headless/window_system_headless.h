// The headless window system: in-memory windows that keep the state Win32 would keep and
// notify their parents as the Win32 controls do, a raster canvas for painting and snapshots,
// and a modal loop driven by the modal hook (the scripted console) instead of a person.
// UI thread only, except Post, CanvasForDeviceContext and FrameCompleted.
#pragma once

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <unordered_set>
#include <vector>

#include "platform/headless/headless_window.h"
#include "platform/headless/raster_canvas.h"
#include "platform/window_system.h"

namespace vela::platform::headless {

class HeadlessWindowSystem : public WindowSystem {
  public:
    HeadlessWindowSystem();
    ~HeadlessWindowSystem() override;

    WindowHandle CreateModeless(const resources::DialogTemplate& dialog, WindowHandle parent,
                                EventSink* sink) override;
    int RunModal(const resources::DialogTemplate& dialog, WindowHandle parent,
                 EventSink* sink) override;
    void EndDialog(WindowHandle dialog, int result) override;
    WindowHandle CreateChild(WindowHandle parent, int id, const Rect& rect,
                             EventSink* sink) override;
    void Subclass(WindowHandle window, EventSink* sink) override;
    void DestroyWindow(WindowHandle window) override;
    bool IsWindow(WindowHandle window) override { return Find(window) != nullptr; }

    WindowHandle GetDlgItem(WindowHandle parent, int id) override;
    int GetDlgCtrlID(WindowHandle window) override;
    WindowHandle GetParent(WindowHandle window) override;
    WindowKind GetKind(WindowHandle window) override;
    const resources::DialogTemplate* GetTemplate(WindowHandle dialog) override;
    uint32_t GetStyle(WindowHandle window) override;
    std::vector<WindowHandle> GetChildren(WindowHandle window) override;
    void MoveWindow(WindowHandle window, const Rect& rect, bool repaint) override;
    Rect GetClientRect(WindowHandle window) override;
    Rect MapDialogRect(WindowHandle dialog, const Rect& units) override;
    Rect GetWindowRect(WindowHandle window) override;
    Point ClientToScreen(WindowHandle window, Point point) override;
    Point ScreenToClient(WindowHandle window, Point point) override;
    void ShowWindow(WindowHandle window, bool show) override;
    bool IsVisible(WindowHandle window) override;
    void EnableWindow(WindowHandle window, bool enable) override;
    bool IsEnabled(WindowHandle window) override;
    void Invalidate(WindowHandle window, bool erase) override;
    void UpdateWindow(WindowHandle window) override;
    void SetText(WindowHandle window, const std::string& text) override;
    std::string GetText(WindowHandle window) override;
    void Post(WindowHandle window, int message, intptr_t wparam, intptr_t lparam) override;
    void PumpMessages() override;

    void SetCapture(WindowHandle window) override;
    void ReleaseCapture() override;
    WindowHandle GetCapture() override;
    bool TrackMouse(WindowHandle window, bool leave, bool hover, int hoverMs) override;
    Point GetCursorPos() override { return m_cursorPos; }
    // Windows do not move on a screen here.
    void BeginMoveByPress(WindowHandle) override {}

    CursorHandle LoadAnimatedCursor(const std::string& path) override;
    CursorHandle GetStandardCursor(StandardCursor which) override;
    void SetCursor(CursorHandle cursor) override { m_cursor = cursor; }

    MessageAnswer ShowMessageBox(WindowHandle owner, const std::string& text,
                                 const std::string& caption, MessageButtons buttons) override;
    std::optional<std::string> OpenFileDialog(WindowHandle owner, const std::string& filter,
                                              const std::string& initialName) override;

    void LimitText(WindowHandle edit, int limit) override;
    int GetLimitText(WindowHandle edit) override;
    void SetCheck(WindowHandle button, int state) override;
    int GetCheck(WindowHandle button) override;

    int AddString(WindowHandle combo, const std::string& text) override;
    int InsertString(WindowHandle combo, int index, const std::string& text) override;
    int DeleteString(WindowHandle combo, int index) override;
    void ResetContent(WindowHandle combo) override;
    int GetCount(WindowHandle combo) override;
    int GetCurSel(WindowHandle combo) override;
    int SetCurSel(WindowHandle combo, int index) override;
    std::string GetLBText(WindowHandle combo, int index) override;
    int SetItemData(WindowHandle combo, int index, intptr_t data) override;
    intptr_t GetItemData(WindowHandle combo, int index) override;
    int FindString(WindowHandle combo, int start, const std::string& prefix) override;
    int FindStringExact(WindowHandle combo, int start, const std::string& text) override;
    int SelectString(WindowHandle combo, int start, const std::string& prefix) override;

    void SetAddress(WindowHandle ip, uint32_t address) override;
    int GetAddress(WindowHandle ip, uint32_t* address) override;
    void ClearAddress(WindowHandle ip) override;
    bool IsBlank(WindowHandle ip) override;

    void SetFormat(WindowHandle picker, const std::string& format) override;
    void SetTime(WindowHandle picker, const DateTime& time) override;
    DateTime GetTime(WindowHandle picker) override;

    int InsertColumn(WindowHandle list, int index, const std::string& heading, int format,
                     int width) override;
    int GetColumnCount(WindowHandle list) override;
    uint32_t SetExtendedStyle(WindowHandle list, uint32_t style) override;
    uint32_t GetExtendedStyle(WindowHandle list) override;
    int InsertItem(WindowHandle list, int index, const std::string& text) override;
    bool SetItemText(WindowHandle list, int item, int subItem, const std::string& text) override;
    std::string GetItemText(WindowHandle list, int item, int subItem) override;
    bool SetListItemData(WindowHandle list, int item, intptr_t data) override;
    intptr_t GetListItemData(WindowHandle list, int item) override;
    int GetItemCount(WindowHandle list) override;
    bool DeleteItem(WindowHandle list, int item) override;
    bool DeleteAllItems(WindowHandle list) override;
    bool SetItemState(WindowHandle list, int item, unsigned state, unsigned mask) override;
    unsigned GetItemState(WindowHandle list, int item, unsigned mask) override;
    int GetNextItem(WindowHandle list, int start, int flags) override;
    int GetSelectionMark(WindowHandle list) override;
    int SetSelectionMark(WindowHandle list, int item) override;

    void TypeText(WindowHandle control, const std::string& text) override;
    void ChooseEntry(WindowHandle combo, int index) override;
    void Click(WindowHandle button) override;
    void ClickRow(WindowHandle list, int row) override;
    void EnterAddress(WindowHandle ip, uint32_t address) override;
    void EnterTime(WindowHandle picker, int hour, int minute) override;
    void SendMouse(WindowHandle window, EventKind kind, Point point) override;
    void SendKey(WindowHandle window, EventKind kind, int key) override;

    std::unique_ptr<Canvas> CanvasForDeviceContext(void* deviceContext) override;
    void* PlayTarget(WindowHandle window) override;
    void FrameCompleted(void* playTarget) override;
    bool Snapshot(WindowHandle window, const std::string& path) override;
    Font SystemFont() override;
    std::unique_ptr<PictureBitmap> LoadPicture(const std::string& path) override;
    void SetModalHook(ModalHook hook) override { m_modalHook = std::move(hook); }

  private:
    struct Posted {
        WindowHandle window;
        int message;
        intptr_t wparam;
        intptr_t lparam;
    };

    HeadlessWindow* Find(WindowHandle handle) const;
    HeadlessWindow* FindKind(WindowHandle handle, WindowKind kind) const;
    HeadlessWindow* NewWindow(HeadlessWindow* parent);
    HeadlessWindow* BuildDialog(const resources::DialogTemplate& dialog, HeadlessWindow* parent,
                                bool child, EventSink* sink);
    void DestroyTree(HeadlessWindow* window);
    void FreeDestroyed();

    // Event delivery. Each returns whether the sink handled the event.
    bool Deliver(HeadlessWindow* window, Event& event);
    void NotifyCommand(HeadlessWindow* control, int code);
    void NotifyParent(HeadlessWindow* control, int code, int item);
    void DialogCommand(HeadlessWindow* dialog, int id);
    bool PreTranslateWalk(HeadlessWindow* target, const Event& event);
    HeadlessWindow* TopLevelOf(HeadlessWindow* window) const;

    // Controls.
    void SelectEntry(HeadlessWindow* combo, int index);
    void ChangeRowState(HeadlessWindow* list, int row, unsigned state, unsigned mask);
    void ButtonClicked(HeadlessWindow* button);
    void DefaultMouse(HeadlessWindow* window, const Event& event);

    // Painting (headless_painter.cpp).
    void RenderOne(HeadlessWindow* window, Canvas& canvas, bool erase);
    void RenderTree(HeadlessWindow* window, Pixmap& pixmap, Point origin, const Rect& clip);
    void PaintControl(HeadlessWindow* window, Canvas& canvas);
    ControlColors AskControlColors(HeadlessWindow* control, Canvas& canvas);
    void PaintPending(HeadlessWindow* window);

    // Play windows (headless_play_surface.cpp).
    void ForgetPlaySurface(const PlaySurface* surface);
    void AwaitPlayerFrames(HeadlessWindow* window);
    void DrawShownFrame(const HeadlessWindow* window, Pixmap& pixmap, Point origin,
                        const Rect& clip);

    std::vector<std::unique_ptr<HeadlessWindow>> m_windows;
    std::unordered_set<const HeadlessWindow*> m_live;
    std::vector<std::unique_ptr<HeadlessWindow>> m_destroyed;
    int m_dispatchDepth = 0;

    std::mutex m_postLock;  // guards m_posted: Post may come from any thread
    std::deque<Posted> m_posted;

    // Guards the registered play surfaces and their shown frames: the player's thread
    // completes frames while the UI thread takes snapshots.
    std::mutex m_surfaceLock;
    std::condition_variable m_frameCompleted;
    std::vector<PlaySurface*> m_surfaces;

    HeadlessWindow* m_capture = nullptr;
    HeadlessWindow* m_tracked = nullptr;
    bool m_trackLeave = false;
    bool m_trackHover = false;
    Point m_cursorPos;
    CursorHandle m_cursor = nullptr;
    std::vector<std::unique_ptr<int>> m_cursors;  // loaded cursor files; the handle is the address
    int m_standardCursors[2] = {0, 0};
    ModalHook m_modalHook;
};

}  // namespace vela::platform::headless
