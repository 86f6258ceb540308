#include "ui/skin_button.h"

#include <algorithm>

namespace vela::ui {
namespace {

constexpr int kHoverTimeMs = 1;

}  // namespace

void CSkinButton::SetTextFont(int height, int width, const std::string& faceName, Color textColor,
                              Color pressedTextColor, int charSet, int weight) {
    m_nFontHeight = height;
    m_nFontWidth = width;
    m_strFaceName = faceName;
    m_crText = textColor;
    m_crPressedText = pressedTextColor;
    m_nCharSet = charSet;
    m_nFontWeight = weight;
    m_bCustomFont = true;
}

bool CSkinButton::LoadBitmaps(const std::string& normal, const std::string& pressed,
                              const std::string& disabled, const std::string& spare) {
    FreeBitmaps();
    if (!m_arrImages[kNormal].LoadPicture(normal)) return false;
    bool all = true;
    if (!pressed.empty()) all = m_arrImages[kPressed].LoadPicture(pressed) && all;
    if (!disabled.empty()) all = m_arrImages[kDisabled].LoadPicture(disabled) && all;
    if (!spare.empty()) all = m_arrImages[kSpare].LoadPicture(spare) && all;
    return all;
}

void CSkinButton::FreeBitmaps() {
    for (CDibImage& image : m_arrImages) image.Clear();
}

void CSkinButton::SizeToBitmap(int x, int y) {
    if (!HasNormalImage() || !m_hWnd) return;
    const CDibImage& normal = Image(kNormal);
    System().MoveWindow(m_hWnd, {x, y, x + normal.Width(), y + normal.Height()}, false);
}

void CSkinButton::SetCheckState(int state) {
    m_nCheckState = state;
    if (m_hWnd) System().Invalidate(m_hWnd, true);
}

const CDibImage* CSkinButton::ChooseImage(const platform::Rect& itemRect,
                                          unsigned itemState) const {
    Slot slot = kNormal;
    if (itemState & platform::kOdsDisabled) {
        slot = kDisabled;
    } else if (!m_bHovering) {
        slot = m_nCheckState == kCheckDown ? kPressed : kNormal;
    } else if (itemState & platform::kOdsSelected) {
        slot = kPressed;
    } else if (m_nCheckState == kCheckDown && m_hWnd) {
        const platform::Point pointer = System().ScreenToClient(m_hWnd, System().GetCursorPos());
        if (itemRect.Contains(pointer)) slot = kPressed;
    }
    if (Image(slot).IsEmpty()) slot = kNormal;
    return Image(slot).IsEmpty() ? nullptr : &Image(slot);
}

void CSkinButton::DrawItem(Canvas& canvas, const platform::Rect& itemRect, unsigned itemState) {
    const CDibImage* image = ChooseImage(itemRect, itemState);
    if (image) {
        // One to one at the top-left corner: a larger picture is cut off, a smaller one
        // leaves the rest of the button as the parent painted it.
        const int width = std::min(image->Width(), itemRect.Width());
        const int height = std::min(image->Height(), itemRect.Height());
        image->Paint(canvas,
                     {itemRect.left, itemRect.top, itemRect.left + width, itemRect.top + height},
                     {0, 0, width, height});
    }
    DrawCaption(canvas, itemRect, itemState, image == &Image(kPressed));
}

void CSkinButton::DrawCaption(Canvas& canvas, const platform::Rect& itemRect, unsigned itemState,
                              bool pressedImageDrawn) {
    const std::string caption = m_hWnd ? System().GetText(m_hWnd) : std::string();
    if (caption.empty() || !m_bDrawCaption) return;

    // Without a custom font the button's own font and the canvas's default (black) text apply.
    Font font = System().SystemFont();
    Color color = 0;
    if (m_bCustomFont) {
        font.height = m_nFontHeight;
        font.width = m_nFontWidth;
        font.weight = m_nFontWeight;
        font.charset = m_nCharSet;
        font.face = m_strFaceName;
        font.italic = false;
        color = pressedImageDrawn ? m_crPressedText : m_crText;
    }
    unsigned flags = platform::kTextMnemonic;
    if (itemState & platform::kOdsDisabled) flags |= platform::kTextEmbossed;

    const platform::Size extent = canvas.MeasureText(caption, font, flags);
    platform::Point origin{(itemRect.left + itemRect.right) / 2 - extent.cx / 2,
                           (itemRect.top + itemRect.bottom) / 2 - extent.cy / 2};
    if (itemState & platform::kOdsSelected) {
        ++origin.x;
        ++origin.y;
    }
    canvas.DrawString(origin, caption, font, color, flags);
}

// Mouse tracking: the pointer's first move asks for leave and hover notifications; hover and
// leave repaint the button. The button's own press behaviour runs unchanged.
bool CSkinButton::OnMouseMove(platform::Point) {
    if (!m_bTracking) m_bTracking = System().TrackMouse(m_hWnd, true, true, kHoverTimeMs);
    return false;
}

bool CSkinButton::OnMouseHover(platform::Point) {
    m_bHovering = true;
    System().Invalidate(m_hWnd, true);
    return true;
}

bool CSkinButton::OnMouseLeave() {
    m_bHovering = false;
    m_bTracking = false;
    System().Invalidate(m_hWnd, false);
    return true;
}

}  // namespace vela::ui
