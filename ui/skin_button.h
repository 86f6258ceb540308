// The one push button of the console and the pages: an owner-drawn button showing a skin
// picture, with its caption centred over it in a configurable font and colour. It repaints
// when the pointer enters or leaves it, and its owner can hold it in the pressed look (the
// console marks the page shown that way).
//
// The button's window comes from its page's template (owner-drawn style) and is attached with
// AttachToDialogItem; the pictures are owned by the button. UI thread only.
#pragma once

#include <array>
#include <string>

#include "ui/canvas.h"
#include "ui/dib_image.h"
#include "ui/owner_draw_button.h"

namespace vela::ui {

class CSkinButton : public OwnerDrawButton {
  public:
    enum CheckState { kCheckNone = -1, kCheckUp = 0, kCheckDown = 1 };

    CSkinButton() = default;
    CSkinButton(const CSkinButton&) = delete;
    CSkinButton& operator=(const CSkinButton&) = delete;

    // --- attributes ---
    bool HasNormalImage() const { return !Image(kNormal).IsEmpty(); }
    const CDibImage& NormalImage() const { return Image(kNormal); }
    int GetCheckState() const { return m_nCheckState; }
    bool IsHovering() const { return m_bHovering; }
    bool IsTracking() const { return m_bTracking; }
    bool HasCustomFont() const { return m_bCustomFont; }

    // --- operations ---
    void SetTextFont(int height, int width, const std::string& faceName, Color textColor,
                     Color pressedTextColor, int charSet, int weight);
    // Frees every picture, then loads the given files (empty = not given). False at once when
    // the normal picture fails; otherwise false when any given file failed.
    bool LoadBitmaps(const std::string& normal, const std::string& pressed,
                     const std::string& disabled = "", const std::string& spare = "");
    // With a normal picture: moves the button to (x, y) at that picture's size, no repaint.
    void SizeToBitmap(int x, int y);
    void SetCheckState(int state);
    void FreeBitmaps();
    void SetDrawCaption(bool draw) { m_bDrawCaption = draw; }

    // The owner-draw request: the button's whole picture and caption for this item state
    // (platform::kOdsSelected, kOdsDisabled bits).
    void DrawItem(Canvas& canvas, const platform::Rect& itemRect, unsigned itemState) override;

  protected:
    bool OnMouseMove(platform::Point point) override;
    bool OnMouseHover(platform::Point point) override;
    bool OnMouseLeave() override;

  private:
    enum Slot { kNormal, kPressed, kSpare, kDisabled, kSlotCount };

    const CDibImage& Image(Slot slot) const { return m_arrImages[slot]; }
    const CDibImage* ChooseImage(const platform::Rect& itemRect, unsigned itemState) const;
    void DrawCaption(Canvas& canvas, const platform::Rect& itemRect, unsigned itemState,
                     bool pressedImageDrawn);

    bool m_bHovering = false;
    bool m_bTracking = false;
    std::array<CDibImage, kSlotCount> m_arrImages;
    int m_nCheckState = kCheckNone;
    bool m_bDrawCaption = true;
    bool m_bCustomFont = false;
    int m_nFontHeight = 0;
    int m_nFontWidth = 0;
    int m_nFontWeight = 0;
    Color m_crText = 0;
    Color m_crPressedText = 0;
    std::string m_strFaceName;
    int m_nCharSet = 1;
};

}  // namespace vela::ui
