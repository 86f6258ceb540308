#include "ui/skin_values.h"

#include <climits>
#include <cstdint>
#include <cstring>

#include "ui/text_resources.h"

namespace vela::ui {

namespace {

constexpr int kPositionNumbers = 4;
constexpr int kColorNumbers = 3;
constexpr int kColorComponentMax = 255;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

int Saturate(int64_t value) {
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

// Takes `count` numbers: each from the start of the remaining text, which then continues after
// the next comma (or becomes empty when there is none).
void ParseNumberList(const std::string& text, int* numbers, int count) {
    const char* remaining = text.c_str();
    for (int i = 0; i < count; ++i) {
        numbers[i] = ParseLenientInt(remaining);
        const char* comma = std::strchr(remaining, ',');
        remaining = comma ? comma + 1 : "";
    }
}

}  // namespace

SkinSettings g_SkinSettings;

int ParseLenientInt(const char* text, const char** rest) {
    const char* p = text;
    while (IsBlank(*p)) ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    int64_t value = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        if (value <= INT_MAX) value = value * 10 + (*p - '0');  // stays far inside int64
    }
    if (rest) *rest = p;
    return Saturate(negative ? -value : value);
}

Rect ParsePositionValue(const std::string& text) {
    int n[kPositionNumbers];
    ParseNumberList(text, n, kPositionNumbers);
    return Rect{n[0], n[1], Saturate(int64_t{n[0]} + n[2]), Saturate(int64_t{n[1]} + n[3])};
}

ColorValue ParseColorValue(const std::string& text) {
    int n[kColorNumbers];
    ParseNumberList(text, n, kColorNumbers);
    for (int component : n) {
        if (component < 0 || component > kColorComponentMax) return ColorValue{};
    }
    return ColorValue{true, MakeColorRef(n[0], n[1], n[2])};
}

Rect ReadIniRect(const std::string& section, const std::string& key, const std::string& file) {
    return ParsePositionValue(ReadIniText(file, section, key, "", kCaptionCapacity));
}

ColorValue ReadIniColor(const std::string& section, const std::string& key,
                        const std::string& file) {
    return ParseColorValue(ReadIniText(file, section, key, "", kCaptionCapacity));
}

SkinSettings ReadSkinSettings(const std::string& file) {
    SkinSettings s;
    auto text = [&](const char* key) {
        return ReadIniText(file, kSkinSettingsSection, key, "", kCaptionCapacity);
    };
    auto integer = [&](const char* key) { return ParseLenientInt(text(key).c_str()); };
    auto color = [&](const char* key, ColorRef& target) {
        ColorValue value = ReadIniColor(kSkinSettingsSection, key, file);
        if (value.valid) target = value.color;
    };

    s.buttonCharSet = integer("ButtonCharSet");
    std::string weight = text("ButtonFontWeight");
    s.buttonFontWeight = weight.empty() ? 400 : ParseLenientInt(weight.c_str());
    s.buttonFontName = text("ButtonFontName");
    s.mainBigButtonFontHeight = integer("MainBigButtonFontHeight");
    s.mainBigButtonFontWidth = integer("MainBigButtonFontWidth");
    s.mainSmallButtonFontHeight = integer("MainSmallButtonFontHeight");
    s.mainSmallButtonFontWidth = integer("MainSmallButtonFontWidth");
    s.otherButtonFontHeight = integer("OtherButtonFontHeight");
    s.otherButtonFontWidth = integer("OtherButtonFontWidth");
    color("MainBigButtonTextColor", s.mainBigButtonTextColor);
    color("MainSmallButtonTextColor", s.mainSmallButtonTextColor);
    color("OtherButtonTextColor", s.otherButtonTextColor);
    color("MainBigButtonDownTextColor", s.mainBigButtonDownTextColor);
    color("MainSmallButtonDownTextColor", s.mainSmallButtonDownTextColor);
    color("OtherButtonDownTextColor", s.otherButtonDownTextColor);
    color("StaticControlTextColor", s.staticControlTextColor);
    color("InterfaceBKColor", s.interfaceBkColor);
    color("GroupPrimaryColor", s.groupPrimaryColor);
    color("GroupHighlightColor", s.groupHighlightColor);
    color("GroupTextColor", s.groupTextColor);
    return s;
}

}  // namespace vela::ui
