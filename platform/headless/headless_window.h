// The state of one headless window: what Win32 keeps for a dialog, a custom child or a common
// control, as far as the plug-in reads or changes it. Internal to the headless window system.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/vela_surface.h"
#include "platform/window_system.h"

namespace vela::resources {
struct DialogTemplate;
}

namespace vela::platform::headless {

struct ComboEntry {
    std::string text;
    intptr_t data = 0;
};

struct ListRow {
    std::vector<std::string> cells;  // one per column; cell 0 is the item text
    intptr_t data = 0;
    unsigned state = 0;  // kLvis* bits
};

struct ListColumn {
    std::string heading;
    int format = kLvcfmtLeft;
    int width = 0;
};

// Edits accept this many characters until LimitText says otherwise (EM_GETLIMITTEXT default).
constexpr int kDefaultEditLimit = 30000;
// LimitText(0) on a single-line edit.
constexpr int kMaximumEditLimit = 0x7FFFFFFE;

// A play window's picture. The player's thread paints `pixels` through `surface` and, once a
// frame is complete, it is copied to `shown`, which the snapshot reads; `shown`,
// `framesCompleted` (none yet: nothing to show) and `lastFrameAt` are guarded by the window
// system's surface lock.
struct PlaySurface {
    std::vector<uint32_t> pixels;
    VelaSurface surface{};
    std::vector<uint32_t> shown;
    uint64_t framesCompleted = 0;
    std::chrono::steady_clock::time_point lastFrameAt;
};

struct HeadlessWindow {
    WindowKind kind = WindowKind::Custom;
    int id = 0;
    uint32_t style = 0;
    Rect rect;  // in the parent's client coordinates; screen for top-level windows
    std::string text;
    bool visible = false;
    bool enabled = true;
    HeadlessWindow* parent = nullptr;
    std::vector<HeadlessWindow*> children;  // z order
    EventSink* sink = nullptr;
    const resources::DialogTemplate* dialogTemplate = nullptr;

    // Painting.
    bool invalid = true;
    bool eraseNeeded = true;

    // Play windows: made by the first PlayTarget call.
    std::unique_ptr<PlaySurface> playSurface;

    // Dialogs.
    bool ended = false;
    int endCode = 0;

    // Buttons.
    int check = 0;
    bool pressed = false;

    // Edits (and a drop-down combo's edit field).
    int limit = kDefaultEditLimit;

    // Combo boxes.
    std::vector<ComboEntry> entries;
    int curSel = kNoSelection;

    // IP address.
    uint32_t address = 0;
    bool addressBlank = true;

    // Time picker.
    DateTime time;
    std::string format;

    // List view.
    std::vector<ListColumn> columns;
    std::vector<ListRow> rows;
    uint32_t extendedStyle = 0;
    int selectionMark = kNoSelection;

    WindowHandle Handle() { return reinterpret_cast<WindowHandle>(this); }
};

}  // namespace vela::platform::headless
