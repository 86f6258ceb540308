// Skin values of the resource INI files: position values "x,y,w,h", colour values "r,g,b",
// lenient integers, and the process-wide SkinSettings read once at Init.
#pragma once

#include <cstdint>
#include <string>

#include "ui/rect.h"

namespace vela::ui {

// A Windows colour reference: red in the lowest byte, then green, then blue.
using ColorRef = uint32_t;
constexpr ColorRef MakeColorRef(int red, int green, int blue) {
    return static_cast<ColorRef>(red) | (static_cast<ColorRef>(green) << 8) |
           (static_cast<ColorRef>(blue) << 16);
}

// Leading blanks and one sign accepted; stops at the first non-digit; no digits give 0.
// Values beyond the int range saturate. *rest (when given) receives where parsing stopped.
int ParseLenientInt(const char* text, const char** rest = nullptr);

// "x,y,w,h" -> left x, top y, right x + w, bottom y + h; missing numbers count as 0.
Rect ParsePositionValue(const std::string& text);

struct ColorValue {
    bool valid = false;  // false when a component lies outside 0..255; the colour is then 0
    ColorRef color = 0;
};
// "r,g,b"; missing numbers count as 0, so an empty text is valid black.
ColorValue ParseColorValue(const std::string& text);

// The key's position value (260-byte buffer, empty default); an absent key gives 0,0,0,0.
Rect ReadIniRect(const std::string& section, const std::string& key, const std::string& file);
// The key's colour value; the caller applies its own default when it is invalid.
ColorValue ReadIniColor(const std::string& section, const std::string& key,
                        const std::string& file);

constexpr char kSkinSettingsSection[] = "DvsConfigDlg";

struct SkinSettings {
    int buttonCharSet = 0;
    int buttonFontWeight = 400;
    std::string buttonFontName = "System";  // overwritten by the lookup, even with empty
    int mainBigButtonFontHeight = 0;
    int mainBigButtonFontWidth = 0;
    int mainSmallButtonFontHeight = 0;
    int mainSmallButtonFontWidth = 0;
    int otherButtonFontHeight = 0;
    int otherButtonFontWidth = 0;
    ColorRef mainBigButtonTextColor = 0;
    ColorRef mainSmallButtonTextColor = 0;
    ColorRef otherButtonTextColor = 0;
    ColorRef mainBigButtonDownTextColor = 0;
    ColorRef mainSmallButtonDownTextColor = 0;
    ColorRef otherButtonDownTextColor = 0;
    ColorRef staticControlTextColor = MakeColorRef(255, 0, 0);
    ColorRef interfaceBkColor = MakeColorRef(110, 150, 100);
    ColorRef groupPrimaryColor = 0;
    ColorRef groupHighlightColor = 0;
    ColorRef groupTextColor = MakeColorRef(255, 0, 0);
};

// Reads section "DvsConfigDlg" of the StaticButtonText file; UI thread, at Init.
SkinSettings ReadSkinSettings(const std::string& staticButtonTextFile);

// Filled by the root object at Init, read-only afterwards.
extern SkinSettings g_SkinSettings;

}  // namespace vela::ui
