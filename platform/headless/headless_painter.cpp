// How the headless controls look, and the painting of windows into pictures: the erase and
// paint events of dialogs and custom windows, owner-draw requests, control colours, and a
// plain rendering of each common control.
#include <algorithm>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/headless/bmp_decoder.h"
#include "platform/headless/bmp_writer.h"
#include "platform/headless/window_system_headless.h"
#include "resources/control_styles.h"

namespace vela::platform::headless {

namespace {

const Color kFace = Rgb(240, 240, 240);
const Color kWhite = Rgb(255, 255, 255);
const Color kShadow = Rgb(160, 160, 160);
const Color kDark = Rgb(64, 64, 64);
const Color kText = Rgb(0, 0, 0);
const Color kGreyText = Rgb(128, 128, 128);
const Color kSelection = Rgb(0, 120, 215);
constexpr int kCheckBoxSize = 13;
constexpr int kComboArrowWidth = 16;
constexpr int kHeaderHeight = 18;
constexpr int kRowHeight = 16;
constexpr int kCellPadding = 3;

Font ControlFont() {
    Font font;
    font.face = "MS Sans Serif";
    font.height = -11;
    return font;
}

void Sunken(Canvas& canvas, const Rect& r) {
    canvas.DrawLine({r.left, r.bottom - 1}, {r.left, r.top}, {PenStyle::Solid, 1, kShadow});
    canvas.DrawLine({r.left, r.top}, {r.right, r.top}, {PenStyle::Solid, 1, kShadow});
    canvas.DrawLine({r.left, r.bottom - 1}, {r.right, r.bottom - 1}, {PenStyle::Solid, 1, kWhite});
    canvas.DrawLine({r.right - 1, r.top}, {r.right - 1, r.bottom}, {PenStyle::Solid, 1, kWhite});
}

void Raised(Canvas& canvas, const Rect& r, bool pressed) {
    const Color light = pressed ? kDark : kWhite;
    const Color dark = pressed ? kWhite : kDark;
    canvas.DrawLine({r.left, r.bottom - 1}, {r.left, r.top}, {PenStyle::Solid, 1, light});
    canvas.DrawLine({r.left, r.top}, {r.right, r.top}, {PenStyle::Solid, 1, light});
    canvas.DrawLine({r.left, r.bottom - 1}, {r.right, r.bottom - 1}, {PenStyle::Solid, 1, dark});
    canvas.DrawLine({r.right - 1, r.top}, {r.right - 1, r.bottom}, {PenStyle::Solid, 1, dark});
}

// One line of text, vertically centred in the rectangle, starting at its left plus a margin.
void TextIn(Canvas& canvas, const Rect& r, const std::string& text, Color color, bool enabled,
            unsigned flags, bool centred) {
    const Font font = ControlFont();
    const Size size = canvas.MeasureText(text, font, flags);
    const int x = centred ? r.left + (r.Width() - size.cx) / 2 : r.left + 2;
    const int y = r.top + (r.Height() - size.cy) / 2;
    canvas.DrawString({x, y}, text, font, enabled ? color : kGreyText,
                      flags | (enabled ? 0u : static_cast<unsigned>(kTextEmbossed)));
}

}  // namespace

ControlColors HeadlessWindowSystem::AskControlColors(HeadlessWindow* control, Canvas& canvas) {
    Event event;
    event.kind = EventKind::ControlColor;
    event.control = control->Handle();
    event.controlId = control->id;
    event.canvas = &canvas;
    if (control->parent) {
        event.window = control->parent->Handle();
        if (Deliver(control->parent, event)) return event.colors;
    }
    return {};
}

void HeadlessWindowSystem::PaintControl(HeadlessWindow* w, Canvas& canvas) {
    const Rect r{0, 0, w->rect.Width(), w->rect.Height()};
    const bool enabled = w->enabled;
    switch (w->kind) {
        case WindowKind::Static:
        case WindowKind::CheckBox:
        case WindowKind::RadioButton:
        case WindowKind::GroupBox: {
            // Labels ask their parent for colours (WM_CTLCOLORSTATIC).
            const WindowHandle handle = w->Handle();
            const ControlColors colors = AskControlColors(w, canvas);
            if (!Find(handle)) return;
            if (colors.brush == ControlColors::Brush::Solid) canvas.FillRect(r, colors.brushColor);
            if (colors.brush == ControlColors::Brush::Default) canvas.FillRect(r, kFace);
            const Color text = colors.setTextColor ? colors.textColor : kText;
            if (w->kind == WindowKind::Static) {
                const bool centred = (w->style & resources::kSsTypeMask) == resources::kSsCenter;
                const Size size = canvas.MeasureText(w->text, ControlFont(), kTextMnemonic);
                const Rect line{r.left, r.top, r.right, r.top + size.cy};
                TextIn(canvas, line, w->text, text, enabled, kTextMnemonic, centred);
            } else if (w->kind == WindowKind::GroupBox) {
                canvas.FrameRect({r.left, r.top + 6, r.right, r.bottom},
                                 {PenStyle::Solid, 1, kShadow});
                const Size size = canvas.MeasureText(w->text, ControlFont(), kTextMnemonic);
                canvas.FillRect({8, 0, 8 + size.cx + 4, size.cy}, kFace);
                TextIn(canvas, {10, 0, 10 + size.cx, size.cy}, w->text, text, enabled,
                       kTextMnemonic, false);
            } else {
                const int top = (r.Height() - kCheckBoxSize) / 2;
                const Rect box{0, top, kCheckBoxSize, top + kCheckBoxSize};
                canvas.FillRect(box, enabled ? kWhite : kFace);
                canvas.FrameRect(box, {PenStyle::Solid, 1, kDark});
                if (w->check) {
                    canvas.FillRect({box.left + 3, box.top + 3, box.right - 3, box.bottom - 3},
                                    kText);
                }
                TextIn(canvas, {kCheckBoxSize + 2, r.top, r.right, r.bottom}, w->text, text,
                       enabled, kTextMnemonic, false);
            }
            return;
        }
        case WindowKind::PushButton: {
            if ((w->style & resources::kBsTypeMask) == resources::kBsOwnerDraw) {
                Event draw;
                draw.kind = EventKind::DrawItem;
                draw.control = w->Handle();
                draw.controlId = w->id;
                draw.canvas = &canvas;
                draw.itemRect = r;
                draw.itemState = (w->pressed ? kOdsSelected : 0u) | (enabled ? 0u : kOdsDisabled);
                if (w->parent) {
                    draw.window = w->parent->Handle();
                    Deliver(w->parent, draw);
                }
                return;
            }
            canvas.FillRect(r, kFace);
            Raised(canvas, r, w->pressed);
            TextIn(canvas, r, w->text, kText, enabled, kTextMnemonic, true);
            return;
        }
        case WindowKind::Edit: {
            canvas.FillRect(r, enabled ? kWhite : kFace);
            Sunken(canvas, r);
            std::string shown = w->text;
            if (w->style & resources::kEsPassword) shown.assign(shown.size(), '*');
            TextIn(canvas, r, shown, kText, true, kTextPlain, false);
            return;
        }
        case WindowKind::ComboBox: {
            const Rect field{r.left, r.top, r.right, std::min(r.bottom, r.top + 21)};
            canvas.FillRect(field, enabled ? kWhite : kFace);
            Sunken(canvas, field);
            const Rect arrow{field.right - kComboArrowWidth, field.top + 1, field.right - 1,
                             field.bottom - 1};
            canvas.FillRect(arrow, kFace);
            Raised(canvas, arrow, false);
            const int cx = (arrow.left + arrow.right) / 2;
            const int cy = (arrow.top + arrow.bottom) / 2;
            for (int i = 0; i < 4; ++i) {
                canvas.DrawLine({cx - 3 + i, cy - 2 + i}, {cx + 4 - i, cy - 2 + i},
                                {PenStyle::Solid, 1, kText});
            }
            TextIn(canvas, {field.left, field.top, arrow.left, field.bottom}, GetText(w->Handle()),
                   kText, enabled, kTextPlain, false);
            return;
        }
        case WindowKind::IpAddress: {
            canvas.FillRect(r, enabled ? kWhite : kFace);
            Sunken(canvas, r);
            for (int field = 0; field < 4; ++field) {
                const int left = r.Width() * field / 4;
                const int right = r.Width() * (field + 1) / 4;
                if (field > 0)
                    TextIn(canvas, {left - 3, r.top, left + 3, r.bottom}, ".", kText, enabled, 0,
                           true);
                if (!w->addressBlank) {
                    const unsigned octet = (w->address >> (8 * (3 - field))) & 0xFF;
                    TextIn(canvas, {left, r.top, right, r.bottom}, std::to_string(octet), kText,
                           enabled, kTextPlain, true);
                }
            }
            return;
        }
        case WindowKind::TimePicker:
            canvas.FillRect(r, enabled ? kWhite : kFace);
            Sunken(canvas, r);
            TextIn(canvas, r, GetText(w->Handle()), kText, enabled, kTextPlain, false);
            return;
        case WindowKind::ListView: {
            canvas.FillRect(r, kWhite);
            Sunken(canvas, r);
            int left = 1;
            for (const ListColumn& column : w->columns) {
                const Rect head{left, 1, left + column.width, 1 + kHeaderHeight};
                canvas.FillRect(head, kFace);
                Raised(canvas, head, false);
                TextIn(canvas, {head.left + kCellPadding, head.top, head.right, head.bottom},
                       column.heading, kText, enabled, kTextPlain, false);
                left += column.width;
            }
            int top = 1 + kHeaderHeight;
            for (const ListRow& row : w->rows) {
                const bool selected = (row.state & kLvisSelected) != 0;
                if (selected) canvas.FillRect({1, top, r.right - 1, top + kRowHeight}, kSelection);
                int cellLeft = 1;
                for (size_t c = 0; c < w->columns.size(); ++c) {
                    const std::string cell = c < row.cells.size() ? row.cells[c] : std::string();
                    const int width = w->columns[c].width;
                    TextIn(canvas,
                           {cellLeft + kCellPadding, top, cellLeft + width, top + kRowHeight}, cell,
                           selected ? kWhite : kText, true, kTextPlain, false);
                    cellLeft += width;
                }
                if (w->extendedStyle & kLvsExGridLines) {
                    canvas.DrawLine({1, top + kRowHeight - 1}, {r.right - 1, top + kRowHeight - 1},
                                    {PenStyle::Solid, 1, kShadow});
                }
                top += kRowHeight;
            }
            return;
        }
        case WindowKind::Dialog:
        case WindowKind::Custom:
            return;
    }
}

// One window's own picture: erase (when asked), then its paint (a sink's paint, or the
// control's look).
void HeadlessWindowSystem::RenderOne(HeadlessWindow* window, Canvas& canvas, bool erase) {
    const WindowHandle handle = window->Handle();
    const Rect client{0, 0, window->rect.Width(), window->rect.Height()};
    if (erase && (window->kind == WindowKind::Dialog || window->kind == WindowKind::Custom)) {
        Event event;
        event.kind = EventKind::EraseBackground;
        event.window = handle;
        event.canvas = &canvas;
        if (!Deliver(window, event) && Find(handle)) canvas.FillRect(client, kFace);
    }
    if (!Find(handle)) return;
    Event paint;
    paint.kind = EventKind::Paint;
    paint.window = handle;
    paint.canvas = &canvas;
    if (!Deliver(window, paint) && Find(handle)) PaintControl(window, canvas);
    if (Find(handle)) window->invalid = window->eraseNeeded = false;
}

void HeadlessWindowSystem::RenderTree(HeadlessWindow* window, Pixmap& pixmap, Point origin,
                                      const Rect& clip) {
    const Rect area{origin.x, origin.y, origin.x + window->rect.Width(),
                    origin.y + window->rect.Height()};
    const Rect bounded{std::max(area.left, clip.left), std::max(area.top, clip.top),
                       std::min(area.right, clip.right), std::min(area.bottom, clip.bottom)};
    if (bounded.IsEmpty()) return;
    const WindowHandle handle = window->Handle();
    RasterCanvas canvas(pixmap, origin, bounded);
    RenderOne(window, canvas, true);
    if (!Find(handle)) return;
    if (window->playSurface) DrawShownFrame(window, pixmap, origin, bounded);
    const std::vector<HeadlessWindow*> children = window->children;
    for (HeadlessWindow* child : children) {
        if (!Find(child->Handle()) || !child->visible) continue;
        RenderTree(child, pixmap, {origin.x + child->rect.left, origin.y + child->rect.top},
                   bounded);
    }
}

// The paint messages the windows would have had by now; the pixels go nowhere.
void HeadlessWindowSystem::PaintPending(HeadlessWindow* window) {
    if (!window->visible) return;
    const WindowHandle handle = window->Handle();
    if (window->invalid) {
        Pixmap scratch(std::max(window->rect.Width(), 1), std::max(window->rect.Height(), 1), 0);
        RasterCanvas canvas(scratch, {0, 0}, {0, 0, scratch.width, scratch.height});
        RenderOne(window, canvas, window->eraseNeeded);
        if (!Find(handle)) return;
    }
    const std::vector<HeadlessWindow*> children = window->children;
    for (HeadlessWindow* child : children) {
        if (Find(child->Handle())) PaintPending(child);
    }
}

bool HeadlessWindowSystem::Snapshot(WindowHandle handle, const std::string& path) {
    HeadlessWindow* window = Find(handle);
    if (!window || window->rect.Width() <= 0 || window->rect.Height() <= 0) return false;
    AwaitPlayerFrames(window);
    Pixmap pixmap(window->rect.Width(), window->rect.Height(), PixelOf(kFace));
    RenderTree(window, pixmap, {0, 0}, {0, 0, pixmap.width, pixmap.height});
    FreeDestroyed();
    return WriteBmp32(pixmap, path);
}

// The file is read whole, at most the largest picture file accepted, and decoded from memory.
std::unique_ptr<PictureBitmap> HeadlessWindowSystem::LoadPicture(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return nullptr;
    std::vector<uint8_t> bytes;
    char chunk[4096];
    while (file.read(chunk, sizeof chunk) || file.gcount() > 0) {
        const auto got = static_cast<size_t>(file.gcount());
        if (bytes.size() + got > kMaxBmpFileBytes) return nullptr;
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
    std::optional<DecodedBmp> decoded = DecodeBmp(bytes.data(), bytes.size());
    if (!decoded) return nullptr;
    return MakePicture(std::move(*decoded));
}

}  // namespace vela::platform::headless
