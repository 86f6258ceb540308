#include "ui/placement.h"

#include <algorithm>

#include "ui/dib_image.h"
#include "ui/skin_button.h"
#include "ui/skin_values.h"
#include "ui/text_resources.h"

namespace vela::ui {
namespace {

platform::WindowSystem& Windows() {
    return platform::TheWindowSystem();
}

// The label's new place: its own client width, the taller of itself and the control.
Rect MoveLabel(platform::WindowHandle label, int left, int top, const Rect& control) {
    const platform::Rect client = Windows().GetClientRect(label);
    const int height = std::max(client.Height(), control.Height());
    const Rect placed{left, top, left + client.Width(), top + height};
    Windows().MoveWindow(label, {placed.left, placed.top, placed.right, placed.bottom}, true);
    return placed;
}

}  // namespace

Rect PlaceControl(platform::WindowHandle control, const std::string& key,
                  const std::string& section, const std::string& file) {
    Rect rect = ReadIniRect(section, key, file);
    if (!control) return rect;
    const platform::Rect client = Windows().GetClientRect(control);
    if (rect.Width() < 1) rect.right = rect.left + client.Width();
    if (rect.Height() < 1) rect.bottom = rect.top + client.Height();
    Windows().MoveWindow(control, {rect.left, rect.top, rect.right, rect.bottom}, true);
    return rect;
}

Rect PlaceDlgItem(platform::WindowHandle page, int controlId, const std::string& key,
                  const std::string& section, const std::string& file) {
    // Some pages name ids their template lacks; those simply stay unplaced.
    return PlaceControl(Windows().GetDlgItem(page, controlId), key, section, file);
}

Rect PlaceDialog(platform::WindowHandle page, const std::string& key, const CDibImage& background,
                 const std::string& section, const std::string& file) {
    Rect rect = ReadIniRect(section, key, file);
    if (rect.Width() < 1) rect.right = rect.left + background.Width();
    if (rect.Height() < 1) rect.bottom = rect.top + background.Height();
    Windows().MoveWindow(page, {rect.left, rect.top, rect.right, rect.bottom}, true);
    return rect;
}

Rect PlaceButton(CSkinButton& button, const std::string& key, const std::string& section,
                 const std::string& file) {
    Rect rect = ReadIniRect(section, key, file);
    rect.right = rect.left + button.NormalImage().Width();
    rect.bottom = rect.top + button.NormalImage().Height();
    button.SizeToBitmap(rect.left, rect.top);
    return rect;
}

bool LoadPageBackground(CDibImage& image, const std::string& name,
                        const std::string& languageFolder) {
    const std::string path = languageFolder + name + ".bmp";
    const bool loaded = image.LoadPicture(path);
    image.SetPath(path);
    return loaded;
}

bool LoadButtonBitmaps(CSkinButton& button, const std::string& base,
                       const std::string& languageFolder) {
    return button.LoadBitmaps(ButtonBitmapPath(base, kButtonUp, languageFolder),
                              ButtonBitmapPath(base, kButtonDown, languageFolder));
}

std::string ButtonBitmapPath(const std::string& base, int state, const std::string& folder) {
    const char* suffix = ".bmp";
    switch (state) {
        case kButtonUp:
            suffix = "UP.bmp";
            break;
        case kButtonDown:
            suffix = "DN.bmp";
            break;
        case kButtonHover:
            suffix = "MO.bmp";
            break;
        case kButtonDisabled:
            suffix = "DIS.bmp";
            break;
        default:
            break;
    }
    return folder + base + suffix;
}

bool LabelsAligned(const std::string& section, const std::string& file) {
    const std::string mode = ReadIniText(file, section, kAutoAlignKey, "", kCaptionCapacity);
    return ParseLenientInt(mode.c_str()) < 1;
}

Rect AlignLabelLeft(platform::WindowHandle label, const std::string& controlKey,
                    const std::string& section, const std::string& file, int gap) {
    const Rect control = ReadIniRect(section, controlKey, file);
    const int width = Windows().GetClientRect(label).Width();
    return MoveLabel(label, control.left - width - gap, control.top + 2, control);
}

Rect AlignLabelRight(platform::WindowHandle label, const std::string& controlKey,
                     const std::string& section, const std::string& file, int gap) {
    const Rect control = ReadIniRect(section, controlKey, file);
    return MoveLabel(label, control.right + gap, control.top, control);
}

Rect AlignLabelAbove(platform::WindowHandle label, const std::string& controlKey,
                     const std::string& section, const std::string& file, int gap) {
    const Rect control = ReadIniRect(section, controlKey, file);
    return MoveLabel(label, control.left, control.top - control.Height() - gap, control);
}

bool PageSkin::EraseBackground(platform::WindowHandle page, Canvas& canvas) const {
    canvas.FillRect(Windows().GetClientRect(page), g_SkinSettings.interfaceBkColor);
    return true;
}

bool PageSkin::ControlColors(int controlId, platform::ControlColors& colors) const {
    if (std::find(m_arrLabelIds.begin(), m_arrLabelIds.end(), controlId) == m_arrLabelIds.end())
        return false;
    colors.setTextColor = true;
    colors.textColor = g_SkinSettings.staticControlTextColor;
    colors.transparent = true;
    colors.brush = platform::ControlColors::Brush::Hollow;
    return true;
}

}  // namespace vela::ui
