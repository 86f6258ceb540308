// The win32 window system: real dialogs built from the resources/ tables as in-memory
// templates, the system's common controls, GDI painting, and a modal loop of our own that
// pre-translates every queued input message and runs the modal hook from inside the loop.
// Internal to platform/win32. UI thread only, except Post, CanvasForDeviceContext and
// FrameCompleted.
#pragma once

#include <windows.h>

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "platform/window_system.h"

namespace vela::platform::win32 {

// Private messages of the window system (above the range the plug-in posts).
constexpr UINT kRunModalHookMessage = WM_APP + 0x3F00;

// The class of the plug-in's own child windows (CreateChild, and Custom template items).
constexpr char kCustomClassName[] = "VelaWindow";

// What the window system keeps for a window it created or subclassed.
struct WindowRecord {
    EventSink* sink = nullptr;
    const resources::DialogTemplate* dialogTemplate = nullptr;  // dialogs only
    WNDPROC originalProc = nullptr;  // subclassed system controls: their own procedure
    bool modal = false;
    bool ended = false;
    int endCode = 0;
    HWND disabledOwner = nullptr;  // a modal dialog's owner, enabled again when it ends
};

// What the dialog procedure receives with WM_INITDIALOG.
struct DialogCreateInfo {
    EventSink* sink = nullptr;
    const resources::DialogTemplate* dialogTemplate = nullptr;
    bool modal = false;
};

inline HWND ToHwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}
inline WindowHandle ToHandle(HWND hwnd) {
    return reinterpret_cast<WindowHandle>(hwnd);
}

class Win32WindowSystem : public WindowSystem {
  public:
    Win32WindowSystem();
    ~Win32WindowSystem() override;

    WindowHandle CreateModeless(const resources::DialogTemplate& dialog, WindowHandle parent,
                                EventSink* sink) override;
    int RunModal(const resources::DialogTemplate& dialog, WindowHandle parent,
                 EventSink* sink) override;
    void EndDialog(WindowHandle dialog, int result) override;
    WindowHandle CreateChild(WindowHandle parent, int id, const Rect& rect,
                             EventSink* sink) override;
    void Subclass(WindowHandle window, EventSink* sink) override;
    void DestroyWindow(WindowHandle window) override;
    bool IsWindow(WindowHandle window) override;

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
    Point GetCursorPos() override;
    void BeginMoveByPress(WindowHandle window) override;

    CursorHandle LoadAnimatedCursor(const std::string& path) override;
    CursorHandle GetStandardCursor(StandardCursor which) override;
    void SetCursor(CursorHandle cursor) override;

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
    void* PlayTarget(WindowHandle window) override { return window; }
    // The player paints the window itself; the snapshot reads what the screen shows. Counted
    // per window, so that a snapshot can wait for frames painted after its own repaint.
    void FrameCompleted(void* deviceContext) override;
    bool Snapshot(WindowHandle window, const std::string& path) override;
    Font SystemFont() override;
    std::unique_ptr<PictureBitmap> LoadPicture(const std::string& path) override;
    void SetModalHook(ModalHook hook) override { m_modalHook = std::move(hook); }

    // -- For the window procedures (win32_window_procs.cpp) --
    WindowRecord* Record(HWND hwnd);
    WindowRecord& AddRecord(HWND hwnd);
    void DropRecord(HWND hwnd);
    // Runs the modal hook for a dialog whose loop posted kRunModalHookMessage.
    void RunModalHook(HWND dialog);
    // Sends WM_COMMAND IDOK/IDCANCEL to a dialog as the dialog manager does for Enter and Esc.
    static void SendDialogCommand(HWND dialog, int id);

  private:
    // Pre-translation and dispatch of one queued message (win32_modal.cpp). False: the
    // message was swallowed by a sink or the dialog manager.
    bool PreTranslate(const MSG& msg);
    void DispatchQueued(MSG& msg);
    // Delivers everything queued now, painting included.
    void DrainQueue();
    // Waits (a short while at most) until every shown play window in the window's tree has
    // had two more frames completed: the first may have started before a repaint.
    void AwaitPlayerFrames(HWND window);

    std::unordered_map<HWND, WindowRecord> m_records;
    ModalHook m_modalHook;
    bool m_buttonDown = false;             // between a person's SendMouse down and up
    std::vector<HCURSOR> m_loadedCursors;  // destroyed with the window system
    // Frames completed per play window: written on the player's thread, read by snapshots.
    std::mutex m_frameLock;
    std::condition_variable m_frameCompleted;
    std::unordered_map<HWND, uint64_t> m_framesCompleted;
};

// The module holding the window system (the plug-in's DLL, or a test program): dialogs and
// the plug-in's window class belong to it.
HINSTANCE ModuleOfWindowSystem();
// A page made for a parent is a pop-up when it has none; a modal dialog always is.
uint32_t TopLevelStyleOf(uint32_t style);

// The window system as the window procedures reach it.
Win32WindowSystem& System();

// Registers the plug-in's window class and initialises the common controls (once).
void RegisterWindowClasses();
// The procedures of dialogs, custom windows and subclassed controls (win32_window_procs.cpp).
INT_PTR CALLBACK DialogProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT CALLBACK CustomWindowProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT CALLBACK SubclassProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
// The Event of a queued input message (mouse, keys), for pre-translation. False for others.
bool InputEvent(const MSG& msg, Event& event);

}  // namespace vela::platform::win32
