// The window system: windows, dialogs from the resources/ templates, the common controls,
// message boxes, the file-open dialog, cursors and the modal loop. Two implementations exist,
// chosen at build time: win32/ (real windows) and headless/ (in-memory windows that behave like
// the Win32 controls wherever the plug-in depends on it). The ui/ widget classes are the only
// callers besides tests.
//
// Threads: everything runs on the UI thread (the host's thread that called the plug-in),
// except Post, CanvasForDeviceContext and FrameCompleted, which any thread may call.
//
// Ownership: the window system owns the windows; a WindowHandle is a borrowed name that
// becomes invalid when the window is destroyed (DestroyWindow, or the parent's destruction).
// Event sinks are owned by the caller and must outlive their window; no event reaches a sink
// after the Destroyed event of its window.
//
// Numbers follow Win32 wherever Win32 has one (notification codes, control ids, virtual keys,
// CB_ERR = -1, IPM address packing), so the win32 implementation passes them straight through.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/picture.h"

namespace vela::resources {
struct DialogTemplate;
}

namespace vela::platform {

// Opaque window name (an HWND on Windows). nullptr is no window.
struct OpaqueWindow;
using WindowHandle = OpaqueWindow*;

// ---- Numbers shared with Win32 ------------------------------------------------------------

constexpr int kIdOk = 1;          // IDOK
constexpr int kIdCancel = 2;      // IDCANCEL
constexpr int kNoSelection = -1;  // CB_ERR / LB_ERR / "no item"

// WM_COMMAND notification codes.
constexpr int kBnClicked = 0;
constexpr int kCbnSelChange = 1;
constexpr int kCbnEditChange = 5;
constexpr int kEnChange = 0x0300;
constexpr int kEnUpdate = 0x0400;
// WM_NOTIFY codes.
constexpr int kNmClick = -2;
constexpr int kLvnItemChanged = -101;
constexpr int kDtnDateTimeChange = -759;
constexpr int kIpnFieldChanged = -860;

// List-view item state bits (LVIS_*), GetNextItem flags (LVNI_*), extended styles (LVS_EX_*).
constexpr unsigned kLvisFocused = 0x0001;
constexpr unsigned kLvisSelected = 0x0002;
constexpr int kLvniSelected = 0x0002;
constexpr uint32_t kLvsExGridLines = 0x0001;
constexpr uint32_t kLvsExFullRowSelect = 0x0020;
// List-view column format (LVCFMT_*).
constexpr int kLvcfmtLeft = 0;
constexpr int kLvcfmtRight = 1;
constexpr int kLvcfmtCenter = 2;

// Owner-draw item state bits (ODS_*).
constexpr unsigned kOdsSelected = 0x0001;
constexpr unsigned kOdsDisabled = 0x0004;
constexpr unsigned kOdsFocus = 0x0010;

// Messages that may be posted.
constexpr int kWmClose = 0x0010;
constexpr int kWmUser = 0x0400;
// The dialog manager's own messages to a dialog (DM_GETDEFID, DM_SETDEFID, DM_REPOSITION)
// take kWmUser + 0..2 and reach the dialog's sink as User events: a private message to a
// dialog uses kWmUser + 3 or above.
constexpr int kDmGetDefId = kWmUser + 0;
constexpr int kFirstPrivateMessage = kWmUser + 3;

// Virtual keys the plug-in looks at.
constexpr int kVkReturn = 0x0D;
constexpr int kVkEscape = 0x1B;
constexpr int kVkF4 = 0x73;

// ---- Values --------------------------------------------------------------------------------

// SYSTEMTIME.
struct DateTime {
    int year = 2000;
    int month = 1;
    int dayOfWeek = 6;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int milliseconds = 0;
};

// What kind of window a handle names (the control's class).
enum class WindowKind {
    Dialog,
    Custom,
    Static,
    Edit,
    PushButton,  // including owner-drawn buttons
    CheckBox,
    RadioButton,
    GroupBox,
    ComboBox,
    IpAddress,
    TimePicker,
    ListView
};

enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageAnswer { Ok, Cancel, Yes, No };

enum class StandardCursor { Arrow, Wait };
struct OpaqueCursor;
using CursorHandle = OpaqueCursor*;

// ---- Events ----------------------------------------------------------------------------------

enum class EventKind {
    InitDialog,       // the dialog and its controls exist; handled = focus was set by the sink
    Command,          // WM_COMMAND: controlId, code, control (controlId 1/2 with no control: OK,
                      // Cancel, e.g. Enter and Esc in a dialog)
    Notify,           // WM_NOTIFY: controlId, code, control, item (list-view row, -1 none)
    DrawItem,         // WM_DRAWITEM to the parent of an owner-drawn button: controlId, control,
                      // canvas, itemRect, itemState (kOds* bits)
    ControlColor,     // WM_CTLCOLOR* to the parent: controlId, control, colors (out)
    EraseBackground,  // canvas covers the window; handled = erased (no default fill)
    Paint,            // canvas covers the window, clipped to the invalid region
    MouseDown,        // left button, point in the window's client coordinates
    MouseMove,
    MouseUp,
    MouseLeave,  // after TrackMouse(leave)
    MouseHover,  // after TrackMouse(hover)
    KeyDown,     // key = virtual key; in a dialog, Enter and Esc only reach PreTranslate
    SysKeyDown,
    Close,      // WM_CLOSE; unhandled: a dialog gets Command(kIdCancel), another window is
                // destroyed (DefWindowProc)
    User,       // a private message: code = message number, wparam, lparam (kWmUser and up;
                // see kFirstPrivateMessage)
    Destroyed,  // last event of the window; the handle dies after it
};

// What a ControlColor handler returns: the text colour, a transparent background, and the
// brush that paints the control's background.
struct ControlColors {
    enum class Brush { Default, Hollow, Solid };
    bool setTextColor = false;
    Color textColor = 0;
    bool transparent = false;
    Brush brush = Brush::Default;
    Color brushColor = 0;
};

struct Event {
    EventKind kind = EventKind::Command;
    WindowHandle window = nullptr;   // the window the message is addressed to
    WindowHandle control = nullptr;  // Command/Notify/DrawItem/ControlColor: the control
    int controlId = 0;
    int code = 0;
    int item = -1;
    Point point;
    int key = 0;
    intptr_t wparam = 0;
    intptr_t lparam = 0;
    Canvas* canvas = nullptr;  // Paint, EraseBackground, DrawItem
    Rect itemRect;
    unsigned itemState = 0;
    ControlColors colors;  // ControlColor: filled by the handler
};

// Receives the events of one window (a dialog, a custom child, or a subclassed control).
// UI thread only.
class EventSink {
  public:
    virtual ~EventSink() = default;
    // Sees every queued input message (mouse, keys) before it is dispatched. Called for the
    // target window's sink, then for each ancestor's sink up to the top-level window, until one
    // returns true (message swallowed), as MFC's pre-translation walks its tree.
    virtual bool PreTranslate(const Event& /*event*/) { return false; }
    // Returns true when the event is handled; false lets the default behaviour run (a
    // subclassed control's own behaviour, the default erase, Close -> Cancel, ...).
    virtual bool OnEvent(Event& event) = 0;
};

// Names avoid the Win32 A/W macros (CreateDialog, MessageBox, PostMessage, SetWindowText,
// GetWindowText, DrawText) so that the win32 implementation may include <windows.h>.

// ---- The window system -----------------------------------------------------------------------

class WindowSystem {
  public:
    virtual ~WindowSystem() = default;

    // -- Dialogs and windows --
    // Dialogs are sized from their templates' dialog units in base units of the templates'
    // font (6 x 12 pixels for 8-point "MS Shell Dlg" on the win32 build under wine).
    // A modeless dialog from a template, hidden or shown as its style says; InitDialog reaches
    // the sink before this returns. parent null: a top-level pop-up. Null on failure.
    virtual WindowHandle CreateModeless(const resources::DialogTemplate& dialog,
                                        WindowHandle parent, EventSink* sink) = 0;
    // A modal dialog: disables the parent's top-level window (the owner; the parent itself
    // when it is top-level), creates the dialog (InitDialog), runs the modal loop until
    // EndDialog, destroys the dialog and returns the EndDialog code (-1 on failure). The loop
    // pre-translates every queued input message (EventSink::PreTranslate). When a modal hook is
    // installed, every modal loop calls it once, after InitDialog and showing, from inside the
    // loop (so a nested modal dialog's hook runs inside the outer one's); when the hook returns
    // with the dialog still open, the dialog gets Command(kIdCancel) as Esc would give it. The
    // headless loop without a hook closes at once the same way.
    virtual int RunModal(const resources::DialogTemplate& dialog, WindowHandle parent,
                         EventSink* sink) = 0;
    // Hides the dialog at once; a modal loop then returns the result.
    virtual void EndDialog(WindowHandle dialog, int result) = 0;
    // A child window of the plug-in's own class (no template), hidden until shown.
    virtual WindowHandle CreateChild(WindowHandle parent, int id, const Rect& rect,
                                     EventSink* sink) = 0;
    // Attaches a sink to a control created from a template (MFC subclassing): the sink sees
    // the control's events first and returns false for the control's own behaviour.
    virtual void Subclass(WindowHandle window, EventSink* sink) = 0;
    // Destroys the window and its children; each child (depth first), then the window, gets
    // Destroyed, as WM_NCDESTROY arrives.
    virtual void DestroyWindow(WindowHandle window) = 0;
    virtual bool IsWindow(WindowHandle window) = 0;

    // -- Window operations --
    virtual WindowHandle GetDlgItem(WindowHandle parent, int id) = 0;
    virtual int GetDlgCtrlID(WindowHandle window) = 0;
    virtual WindowHandle GetParent(WindowHandle window) = 0;
    virtual WindowKind GetKind(WindowHandle window) = 0;
    // The template a dialog was made from; null for other windows.
    virtual const resources::DialogTemplate* GetTemplate(WindowHandle dialog) = 0;
    virtual uint32_t GetStyle(WindowHandle window) = 0;
    // Children in creation (z) order.
    virtual std::vector<WindowHandle> GetChildren(WindowHandle window) = 0;
    // rect in the parent's client coordinates (screen for top-level windows).
    virtual void MoveWindow(WindowHandle window, const Rect& rect, bool repaint) = 0;
    virtual Rect GetClientRect(WindowHandle window) = 0;
    // Dialog units of the dialog's font to its pixels, rounded as the Win32 dialog manager does.
    virtual Rect MapDialogRect(WindowHandle dialog, const Rect& units) = 0;
    // In screen coordinates.
    virtual Rect GetWindowRect(WindowHandle window) = 0;
    virtual Point ClientToScreen(WindowHandle window, Point point) = 0;
    virtual Point ScreenToClient(WindowHandle window, Point point) = 0;
    virtual void ShowWindow(WindowHandle window, bool show) = 0;
    // The window's own visible style (not its ancestors').
    virtual bool IsVisible(WindowHandle window) = 0;
    virtual void EnableWindow(WindowHandle window, bool enable) = 0;
    virtual bool IsEnabled(WindowHandle window) = 0;
    virtual void Invalidate(WindowHandle window, bool erase) = 0;
    // Paints pending invalid areas now (UpdateWindow).
    virtual void UpdateWindow(WindowHandle window) = 0;
    // Window text. An edit applies its upper-case style (not its limit or number-only style)
    // and notifies kEnUpdate then kEnChange; a combo's edit field is set without notification;
    // a drop-down list combo selects the exact entry (CB_SELECTSTRING behaviour of WM_SETTEXT
    // is not used by the plug-in). Other controls: the caption.
    virtual void SetText(WindowHandle window, const std::string& text) = 0;
    // An edit's or combo's text, a drop-down list's selected entry, a button's caption; an IP
    // address "a.b.c.d" (empty when blank); a time picker "HH:mm".
    virtual std::string GetText(WindowHandle window) = 0;
    // Queues a message for the window: kWmClose arrives as Close, others (kWmUser and up) as
    // User; private messages start at kFirstPrivateMessage. The message loop (or PumpMessages)
    // delivers it. Any thread.
    virtual void Post(WindowHandle window, int message, intptr_t wparam, intptr_t lparam) = 0;
    // Delivers pending queued messages now (tests and the scripted console).
    virtual void PumpMessages() = 0;

    // -- Mouse --
    virtual void SetCapture(WindowHandle window) = 0;
    virtual void ReleaseCapture() = 0;
    virtual WindowHandle GetCapture() = 0;
    // Asks for MouseLeave and/or MouseHover events (TrackMouseEvent). True when accepted.
    virtual bool TrackMouse(WindowHandle window, bool leave, bool hover, int hoverMs) = 0;
    // Pointer position in screen coordinates.
    virtual Point GetCursorPos() = 0;
    // A press on a caption-less window's surface moves the window as a title bar would.
    // Headless: windows do not move on screen, nothing happens.
    virtual void BeginMoveByPress(WindowHandle window) = 0;

    // -- Cursors --
    // Null when the file is missing or not a cursor.
    virtual CursorHandle LoadAnimatedCursor(const std::string& path) = 0;
    virtual CursorHandle GetStandardCursor(StandardCursor which) = 0;
    virtual void SetCursor(CursorHandle cursor) = 0;

    // -- Message box and file dialog (the real ones; the scripted console answers in ui/) --
    virtual MessageAnswer ShowMessageBox(WindowHandle owner, const std::string& text,
                                         const std::string& caption, MessageButtons buttons) = 0;
    // filter in MFC form "Firmware (*.bin)|*.bin|All (*.*)|*.*||", the file name the dialog
    // starts with; the file must exist and the read-only box starts checked. nullopt on cancel.
    virtual std::optional<std::string> OpenFileDialog(WindowHandle owner, const std::string& filter,
                                                      const std::string& initialName) = 0;

    // -- Edit --
    virtual void LimitText(WindowHandle edit, int limit) = 0;  // 0: the system maximum
    virtual int GetLimitText(WindowHandle edit) = 0;

    // -- Button (check box, radio button) --
    virtual void SetCheck(WindowHandle button, int state) = 0;  // 0, 1
    virtual int GetCheck(WindowHandle button) = 0;

    // -- Combo box (drop-down list or drop-down with edit field) --
    // Return values as the CB_ messages: an index, or kNoSelection (CB_ERR).
    virtual int AddString(WindowHandle combo, const std::string& text) = 0;
    virtual int InsertString(WindowHandle combo, int index, const std::string& text) = 0;
    virtual int DeleteString(WindowHandle combo, int index) = 0;  // remaining count
    virtual void ResetContent(WindowHandle combo) = 0;
    virtual int GetCount(WindowHandle combo) = 0;
    virtual int GetCurSel(WindowHandle combo) = 0;
    // -1 clears the selection (and returns CB_ERR); an index out of range clears it too.
    virtual int SetCurSel(WindowHandle combo, int index) = 0;
    virtual std::string GetLBText(WindowHandle combo, int index) = 0;  // "" out of range
    virtual int SetItemData(WindowHandle combo, int index, intptr_t data) = 0;
    virtual intptr_t GetItemData(WindowHandle combo, int index) = 0;  // CB_ERR out of range
    // Case-insensitive prefix / whole-text search after `start` (-1: from the top), wrapping.
    virtual int FindString(WindowHandle combo, int start, const std::string& prefix) = 0;
    virtual int FindStringExact(WindowHandle combo, int start, const std::string& text) = 0;
    // Selects the first entry with that prefix; CB_ERR and the selection unchanged when none.
    virtual int SelectString(WindowHandle combo, int start, const std::string& prefix) = 0;

    // -- IP address control: address packed as MAKEIPADDRESS (first octet highest) --
    virtual void SetAddress(WindowHandle ip, uint32_t address) = 0;
    // Number of non-blank fields; blank fields read as 0.
    virtual int GetAddress(WindowHandle ip, uint32_t* address) = 0;
    virtual void ClearAddress(WindowHandle ip) = 0;
    virtual bool IsBlank(WindowHandle ip) = 0;

    // -- Date-time picker --
    virtual void SetFormat(WindowHandle picker, const std::string& format) = 0;  // "HH:mm"
    virtual void SetTime(WindowHandle picker, const DateTime& time) = 0;
    virtual DateTime GetTime(WindowHandle picker) = 0;

    // -- List view (report view) --
    virtual int InsertColumn(WindowHandle list, int index, const std::string& heading, int format,
                             int width) = 0;
    virtual int GetColumnCount(WindowHandle list) = 0;
    virtual uint32_t SetExtendedStyle(WindowHandle list, uint32_t style) = 0;  // the old one
    virtual uint32_t GetExtendedStyle(WindowHandle list) = 0;
    virtual int InsertItem(WindowHandle list, int index, const std::string& text) = 0;
    virtual bool SetItemText(WindowHandle list, int item, int subItem, const std::string& text) = 0;
    virtual std::string GetItemText(WindowHandle list, int item, int subItem) = 0;
    virtual bool SetListItemData(WindowHandle list, int item, intptr_t data) = 0;
    virtual intptr_t GetListItemData(WindowHandle list, int item) = 0;  // 0 out of range
    virtual int GetItemCount(WindowHandle list) = 0;
    virtual bool DeleteItem(WindowHandle list, int item) = 0;
    virtual bool DeleteAllItems(WindowHandle list) = 0;
    // State bits (kLvis*); item -1 sets them on every row. Notifies kLvnItemChanged per row
    // whose state changed.
    virtual bool SetItemState(WindowHandle list, int item, unsigned state, unsigned mask) = 0;
    virtual unsigned GetItemState(WindowHandle list, int item, unsigned mask) = 0;
    // LVM_GETNEXTITEM: the first row after `start` (-1: from the top) with the flags.
    virtual int GetNextItem(WindowHandle list, int start, int flags) = 0;
    virtual int GetSelectionMark(WindowHandle list) = 0;
    virtual int SetSelectionMark(WindowHandle list, int item) = 0;  // the old mark

    // -- A person's actions (the scripted console and tests). Each notifies as the person's
    // action would, synchronously. --
    // Replaces an edit's or a drop-down combo's text by typing: number-only edits drop
    // non-digits, upper-case edits convert, the text limit cuts; then an edit notifies
    // kEnUpdate and kEnChange once each, a combo kCbnEditChange (and its list selection is
    // dropped, as typing into a closed drop-down does).
    virtual void TypeText(WindowHandle control, const std::string& text) = 0;
    // Chooses entry n of a combo: the selection (and a drop-down's edit text), kCbnSelChange.
    virtual void ChooseEntry(WindowHandle combo, int index) = 0;
    // BM_CLICK: an auto check box toggles, an auto radio button checks itself and unchecks the
    // radio buttons of its group, then kBnClicked. A disabled button ignores it.
    virtual void Click(WindowHandle button) = 0;
    // Clicks row n of a list view (-1: where there is no row): selection changes with their
    // kLvnItemChanged, the row becomes focused and the selection mark, then kNmClick.
    virtual void ClickRow(WindowHandle list, int row) = 0;
    // An edited IP address ("a.b.c.d") or picker time (hour and minute; date and seconds
    // kept), then its notification (kEnChange, kDtnDateTimeChange).
    virtual void EnterAddress(WindowHandle ip, uint32_t address) = 0;
    virtual void EnterTime(WindowHandle picker, int hour, int minute) = 0;
    // A queued left-button message at a client point of the window: pre-translated, then
    // dispatched (a push button presses on down and clicks on an up inside it).
    virtual void SendMouse(WindowHandle window, EventKind kind, Point point) = 0;
    // A queued key-down (or system key-down) message to the window, pre-translated, then
    // dispatched. When the top-level window is a dialog, the dialog manager takes Enter and
    // Esc instead of dispatching them: Enter sends the dialog User(kDmGetDefId), then
    // Command(kIdOk); Esc sends Command(kIdCancel). No OnEvent sees those key-downs.
    virtual void SendKey(WindowHandle window, EventKind kind, int key) = 0;

    // -- Painting and pictures --
    // Wraps a device context handed over by the player library (an HDC on Windows; a
    // VelaSurface* in the headless build, platform/vela_surface.h). Any thread; the canvas must
    // not outlive the device context. Null for a null or unusable device context.
    virtual std::unique_ptr<Canvas> CanvasForDeviceContext(void* deviceContext) = 0;
    // -- Play windows --
    // What a player library is given as the window to render a play window into: the HWND on
    // Windows; in the headless build a VelaSurface over pixels the window keeps, sized to its
    // client area when first asked and freed with the window. UI thread.
    virtual void* PlayTarget(WindowHandle window) = 0;
    // A frame on a play target is complete (painted, overlay drawn). The headless snapshot
    // shows each play target's last complete frame; Windows shows the screen, so nothing is
    // kept there. The player's thread.
    virtual void FrameCompleted(void* playTarget) = 0;
    // Renders the window with its visible children into a 32-bit BMP file.
    virtual bool Snapshot(WindowHandle window, const std::string& path) = 0;
    // The stock system font's description (skin buttons start from it).
    virtual Font SystemFont() = 0;
    // Loads a BMP file as a device-independent section at its natural size, as the system's
    // loader reads it (every header form and compression it accepts); null when it refuses.
    virtual std::unique_ptr<PictureBitmap> LoadPicture(const std::string& path) = 0;

    // -- The scripted console --
    // Called by every modal loop once it runs (see RunModal); empty removes it.
    using ModalHook = std::function<void(WindowHandle dialog)>;
    virtual void SetModalHook(ModalHook hook) = 0;
};

// The process's window system (win32 on Windows, headless elsewhere). UI thread.
WindowSystem& TheWindowSystem();

}  // namespace vela::platform
