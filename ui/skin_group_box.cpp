#include "ui/skin_group_box.h"

#include "ui/dialog.h"

namespace vela::ui {
namespace {

constexpr int kPointsToTenths = 720;  // tenths of a point per inch

Font DefaultFont() {
    Font font;
    font.face = "MS Sans Serif";
    font.height = CSkinGroupBox::kDefaultPointSize10;
    font.weight = 400;
    font.charset = 1;
    return font;
}

// One frame rectangle, drawn from the caption's start round to its end so that the caption
// sits in a gap of the top line.
void DrawFramePath(Canvas& canvas, const Pen& pen, int left, int top, int right, int bottom,
                   int gapStart, int gapEnd) {
    canvas.DrawLine({gapStart, top}, {left, top}, pen);
    canvas.DrawLine({left, top}, {left, bottom}, pen);
    canvas.DrawLine({left, bottom}, {right, bottom}, pen);
    canvas.DrawLine({right, bottom}, {right, top}, pen);
    canvas.DrawLine({right, top}, {gapEnd, top}, pen);
}

}  // namespace

CSkinGroupBox::CSkinGroupBox() : m_fntCaption(DefaultFont()) {}

bool CSkinGroupBox::AttachToDialogItem(Dialog& dialog, int id) {
    m_hWnd = dialog.GetDlgItem(id);
    if (!m_hWnd) return false;
    m_strCaption = System().GetText(m_hWnd);
    System().Subclass(m_hWnd, this);
    return true;
}

void CSkinGroupBox::SetColors(Color primary, Color highlight, bool repaint) {
    m_crPrimary = primary ? primary : kDefaultPrimary;
    m_crHighlight = highlight ? highlight : kDefaultHighlight;
    if (repaint && m_hWnd) System().Invalidate(m_hWnd, false);
}

void CSkinGroupBox::SetTextColor(Color color, bool repaint) {
    m_crText = color;
    if (repaint && m_hWnd) System().Invalidate(m_hWnd, true);
}

void CSkinGroupBox::SetFont(const Font* font) {
    m_fntCaption = font ? *font : DefaultFont();
}

void CSkinGroupBox::SetText(const std::string& text, bool repaint) {
    m_strCaption = text;
    if (!m_hWnd) return;
    System().SetText(m_hWnd, text);
    if (repaint) System().Invalidate(m_hWnd, true);
}

void CSkinGroupBox::SetAlignment(int alignment) {
    const bool known =
        alignment == kAlignLeft || alignment == kAlignRight || alignment == kAlignCentre;
    m_nAlignment = known ? alignment : kAlignLeft;
}

void CSkinGroupBox::SetFrameStyle(int style) {
    const bool known =
        style == kFrameSingle || style == kFrameEtched || style == kFrameDoubleOutward;
    m_nFrameStyle = known ? style : kFrameEtched;
}

void CSkinGroupBox::Paint(Canvas& canvas) {
    // The frame follows the box's current client area, so a box placed after it was attached
    // is framed where it now stands.
    const platform::Rect frame = m_hWnd ? System().GetClientRect(m_hWnd) : platform::Rect{};
    const bool enabled = m_hWnd ? System().IsEnabled(m_hWnd) : true;

    Font font = m_fntCaption;
    font.height =
        -((m_fntCaption.height * canvas.PixelsPerInchY() + kPointsToTenths / 2) / kPointsToTenths);
    const std::string text = " " + m_strCaption + " ";
    const platform::Size extent = canvas.MeasureText(text, font, platform::kTextMnemonic);

    const int top = frame.top + extent.cy / 2 - 1;
    int captionX = frame.left + m_nMargin;
    if (m_nAlignment == kAlignRight) captionX = frame.right - m_nMargin - extent.cx;
    if (m_nAlignment == kAlignCentre) captionX = frame.left + (frame.Width() - extent.cx) / 2;
    const bool caption = !m_strCaption.empty();

    const int w = m_nLineWidth;
    const Pen primary{platform::PenStyle::Solid, w, enabled ? m_crPrimary : kDefaultPrimary};
    const Pen highlight{platform::PenStyle::Solid, w, enabled ? m_crHighlight : kDefaultHighlight};
    // Without a caption the top line is drawn whole.
    auto path = [&](const Pen& pen, int left, int lineTop, int right, int bottom) {
        DrawFramePath(canvas, pen, left, lineTop, right, bottom, caption ? captionX : left,
                      caption ? captionX + extent.cx : left);
    };
    const int left = frame.left, right = frame.right - 1, bottom = frame.bottom - 1;
    switch (m_nFrameStyle) {
        case kFrameSingle:
            path(primary, left, top, right, bottom);
            break;
        case kFrameDoubleOutward:
            path(primary, left, top, right, bottom);
            path(highlight, left - w, top - w, right + w, bottom + w);
            break;
        default:  // etched
            path(primary, left, top, right - w, bottom - w);
            path(highlight, left + w, top + w, right, bottom);
            break;
    }

    if (caption) {
        unsigned flags = platform::kTextMnemonic;
        if (!enabled) flags |= platform::kTextEmbossed;
        canvas.DrawString({captionX, top - extent.cy / 2}, text, font, m_crText, flags);
    }
}

bool CSkinGroupBox::OnPaint(Canvas& canvas) {
    Paint(canvas);
    return true;
}

bool CSkinGroupBox::OnUserMessage(int message, intptr_t, intptr_t) {
    if (message != kRepaintParentMessage) return false;
    System().Invalidate(System().GetParent(m_hWnd), true);
    return true;
}

}  // namespace vela::ui
