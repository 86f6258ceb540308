// The group box of the pages: a frame drawn in the skin's two group colours with its caption
// cut into the top edge, in the skin's group text colour. It paints itself; a page attaches
// the template's group box and configures it in its text step. UI thread only.
#pragma once

#include <string>

#include "ui/canvas.h"
#include "ui/event_window.h"

namespace vela::ui {

class CSkinGroupBox : public EventWindow {
  public:
    enum Alignment { kAlignLeft = 256, kAlignRight = 512, kAlignCentre = 768 };
    enum FrameStyle { kFrameDoubleOutward = 12, kFrameEtched = 11, kFrameSingle = 32768 };
    // A private message: the box asks its parent to repaint (with erasing).
    static constexpr int kRepaintParentMessage = 0xBC19;
    // Colours of the system's button shadow and highlight, the frame's defaults.
    static constexpr Color kDefaultPrimary = platform::Rgb(160, 160, 160);
    static constexpr Color kDefaultHighlight = platform::Rgb(255, 255, 255);
    static constexpr int kDefaultPointSize10 = 80;  // 8 points, in tenths

    CSkinGroupBox();

    // --- attributes ---
    int GetAlignment() const { return m_nAlignment; }
    int GetFrameStyle() const { return m_nFrameStyle; }
    Color GetPrimaryColor() const { return m_crPrimary; }
    Color GetHighlightColor() const { return m_crHighlight; }
    const Font& GetFont() const { return m_fntCaption; }  // height in tenths of a point
    const std::string& GetText() const { return m_strCaption; }

    // --- operations ---
    // Attaches the template's group box; its window text becomes the caption.
    bool AttachToDialogItem(Dialog& dialog, int id) override;
    // 0 selects the default of that colour; repaint invalidates without erasing.
    void SetColors(Color primary, Color highlight, bool repaint);
    void SetTextColor(Color color, bool repaint);
    // A point font from the description (height in tenths of a point); null: the default
    // "MS Sans Serif" 8 points.
    void SetFont(const Font* font);
    void SetText(const std::string& text, bool repaint);
    void SetAlignment(int alignment);  // anything else: left
    void SetFrameStyle(int style);     // anything else: etched
    void SetLineWidth(int width) { m_nLineWidth = width; }

    void Paint(Canvas& canvas);

  protected:
    bool OnPaint(Canvas& canvas) override;
    bool OnUserMessage(int message, intptr_t wparam, intptr_t lparam) override;

  private:
    Color m_crPrimary = kDefaultPrimary;
    Color m_crHighlight = kDefaultHighlight;
    int m_nLineWidth = 1;
    Color m_crText = 0;
    Font m_fntCaption;
    std::string m_strCaption;
    int m_nAlignment = kAlignLeft;
    int m_nMargin = 8;
    int m_nFrameStyle = kFrameEtched;
};

}  // namespace vela::ui
