// Control placement from the ControlPos file and the skin painting every page shares: the
// page background fill and the label colours. Every page calls these in its window
// initialisation and its erase/colour handlers, so pages hold no copy of this logic.
//
// Each placement operation takes the INI section and the ControlPos file last and returns the
// rectangle it used (parent client coordinates), which the page may keep. UI thread only.
#pragma once

#include <string>
#include <vector>

#include "platform/window_system.h"
#include "ui/canvas.h"
#include "ui/rect.h"

namespace vela::ui {

class CDibImage;
class CSkinButton;

constexpr char kDialogPositionKey[] = "DlgPos";
constexpr char kAutoAlignKey[] = "AutoAignTextMode";
constexpr int kLabelGap = 5;  // every page aligns its labels 5 pixels from their controls

// Button image states, and the file suffix each one names.
enum ButtonImageState { kButtonUp = 0, kButtonDown = 1, kButtonHover = 2, kButtonDisabled = 3 };

// Moves a control to its key's position; a w or h below 1 keeps the control's client size.
Rect PlaceControl(platform::WindowHandle control, const std::string& key,
                  const std::string& section, const std::string& file);
// The same for the page's child with that id; nothing moves when the page has no such child.
Rect PlaceDlgItem(platform::WindowHandle page, int controlId, const std::string& key,
                  const std::string& section, const std::string& file);
// Moves the page; a w or h below 1 takes the background picture's size (0 without one).
Rect PlaceDialog(platform::WindowHandle page, const std::string& key, const CDibImage& background,
                 const std::string& section, const std::string& file);
// Moves a skin button to x, y of its key, sized to its normal image; without one the button
// stays where it is.
Rect PlaceButton(CSkinButton& button, const std::string& key, const std::string& section,
                 const std::string& file);

// languageFolder ends with the separator. The path stays with the image, loaded or not.
bool LoadPageBackground(CDibImage& image, const std::string& name,
                        const std::string& languageFolder);
// The normal ("UP") and pressed ("DN") images of base.
bool LoadButtonBitmaps(CSkinButton& button, const std::string& base,
                       const std::string& languageFolder);
// folder + base + "UP.bmp" / "DN.bmp" / "MO.bmp" / "DIS.bmp", any other state ".bmp".
std::string ButtonBitmapPath(const std::string& base, int state, const std::string& folder);

// True when the section's "AutoAignTextMode" is below 1 (absent, empty or not a number
// included): the page then aligns its labels to their controls.
bool LabelsAligned(const std::string& section, const std::string& file);

// Re-place a label beside the rectangle the control's key gives (not the control's window).
// The label keeps its client width; its height becomes the larger of its client height and
// the control's.
Rect AlignLabelLeft(platform::WindowHandle label, const std::string& controlKey,
                    const std::string& section, const std::string& file, int gap);
Rect AlignLabelRight(platform::WindowHandle label, const std::string& controlKey,
                     const std::string& section, const std::string& file, int gap);
Rect AlignLabelAbove(platform::WindowHandle label, const std::string& controlKey,
                     const std::string& section, const std::string& file, int gap);

// The page painting every page shares; a page calls it from its erase-background and
// control-colour handlers. The background is filled with "InterfaceBKColor" (the background
// picture only gives pages their size); the labels named by labelIds (check boxes included)
// get "StaticControlTextColor" over a transparent, hollow background, so the page colour shows
// behind them; other controls keep their default colours.
class PageSkin {
  public:
    PageSkin() = default;
    explicit PageSkin(std::vector<int> labelIds) : m_arrLabelIds(std::move(labelIds)) {}

    // OnEraseBkgnd: true, the page is erased.
    bool EraseBackground(platform::WindowHandle page, Canvas& canvas) const;
    // OnCtlColor: true when the control is one of the labels and colors was filled.
    bool ControlColors(int controlId, platform::ControlColors& colors) const;

  private:
    std::vector<int> m_arrLabelIds;
};

}  // namespace vela::ui
