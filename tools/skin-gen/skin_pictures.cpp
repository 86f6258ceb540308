#include "tools/skin-gen/skin_pictures.h"

namespace vela::skingen {
namespace {

// Colours of the skin; the INI files repeat the page colour and the text colours.
constexpr Rgb kNavy{30, 48, 78};
constexpr Rgb kNavyLight{58, 86, 128};
constexpr Rgb kAccent{0, 120, 212};
constexpr Rgb kStrip{214, 221, 231};      // behind the page buttons
constexpr Rgb kPage{241, 244, 248};       // "InterfaceBKColor"
constexpr Rgb kPanelEdge{150, 165, 185};  // frame of the page area and of light buttons
constexpr Rgb kBandLight{206, 214, 226};
constexpr Rgb kBandDark{186, 197, 212};
constexpr Rgb kWhite{255, 255, 255};

// Console: title band, a strip with the page buttons, the page area, the band of the action
// buttons. The page sits at (14, 82) and is 972 x 306, the size of the page backgrounds.
constexpr int kConsoleWidth = 1000;
constexpr int kConsoleHeight = 452;
constexpr int kTitleHeight = 36;
constexpr int kPageLeft = 14;
constexpr int kPageTop = 82;
constexpr int kPageWidth = 972;
constexpr int kPageHeight = 306;
constexpr int kBandTop = 398;

// The preset and tour dialogs of the PTZ page fill its panel frame.
constexpr int kPtzDialogWidth = 352;
constexpr int kPtzDialogHeight = 226;

PixelImage ConsoleBackground() {
    PixelImage image(kConsoleWidth, kConsoleHeight, kStrip);
    image.VerticalGradient({0, 0, kConsoleWidth, kTitleHeight}, kNavyLight, kNavy);
    image.Fill({0, kTitleHeight, kConsoleWidth, kTitleHeight + 2}, kAccent);
    image.Text(16, 5, "Device Setup", kWhite, 2);
    const std::string subtitle = "network video recorder configuration";
    image.Text(kConsoleWidth - 16 - PixelImage::TextWidth(subtitle, 1), 13, subtitle,
               {190, 205, 226}, 1);
    image.VerticalGradient({0, kTitleHeight + 2, kConsoleWidth, kPageTop - 2}, {226, 232, 240},
                           kStrip);

    // The page area: a framed panel one pixel outside the page on every side.
    const Box panel{kPageLeft - 2, kPageTop - 2, kPageLeft + kPageWidth + 2,
                    kPageTop + kPageHeight + 2};
    image.Fill(panel, kPage);
    image.Frame(panel, kPanelEdge);
    image.Frame({panel.left + 1, panel.top + 1, panel.right - 1, panel.bottom - 1}, kWhite);

    image.VerticalGradient({0, kBandTop, kConsoleWidth, kConsoleHeight}, kBandLight, kBandDark);
    image.Fill({0, kBandTop, kConsoleWidth, kBandTop + 1}, kPanelEdge);
    image.Fill({0, kBandTop + 1, kConsoleWidth, kBandTop + 2}, kWhite);

    // The console has no window frame of its own.
    image.Frame({0, 0, kConsoleWidth, kConsoleHeight}, kNavy);
    return image;
}

PixelImage PageBackground(int width, int height) {
    PixelImage image(width, height, kPage);
    return image;
}

// A button look: a vertical gradient inside a one-pixel border with softened corners.
struct ButtonLook {
    Rgb top, bottom, border;
    Rgb topLine;  // first rows inside the border: a highlight, or the accent of a held tab
    int topLineRows;
    bool openBottom = false;  // a held tab: no bottom edge, so it runs into the page below
};

PixelImage Button(int width, int height, const ButtonLook& look, Rgb outside) {
    PixelImage image(width, height, outside);
    const Box whole{0, 0, width, height};
    image.VerticalGradient({1, 1, width - 1, height - 1}, look.top, look.bottom);
    image.Fill({1, 1, width - 1, 1 + look.topLineRows}, look.topLine);
    image.Frame(whole, look.border);
    image.RoundCorners(whole, outside);
    if (look.openBottom) image.Fill({1, height - 2, width - 1, height}, look.bottom);
    return image;
}

// Page buttons: dark tabs standing on the page area (they cover its frame line); the tab of the
// page shown is held down and takes the page colour with an accent line, so it reads as the
// open tab.
constexpr int kTopWidth = 128, kTopHeight = 30;
const ButtonLook kTopUp{{78, 106, 146}, {44, 66, 100}, {28, 44, 70}, {112, 138, 176}, 1};
const ButtonLook kTopDown{kWhite, kPage, kPanelEdge, kAccent, 3, true};

// Action buttons: light, pressed darker with an accent border.
constexpr int kBottomWidth = 112, kBottomHeight = 28;
const ButtonLook kLightUp{{252, 253, 254}, {218, 225, 234}, {122, 138, 160}, kWhite, 1};
const ButtonLook kLightDown{{190, 204, 222}, {222, 229, 238}, kAccent, {170, 186, 208}, 1};

constexpr int kNormalWidth = 88, kNormalHeight = 24;
constexpr int kDirectionSize = 32;

}  // namespace

std::vector<SkinPicture> SkinPictures() {
    auto page = [] { return PageBackground(kPageWidth, kPageHeight); };
    auto ptzDialog = [] { return PageBackground(kPtzDialogWidth, kPtzDialogHeight); };
    return {
        {"dvsconfigbkg.bmp", ConsoleBackground},
        {"setserverbkg.bmp", page},
        {"setchannelbkg.bmp", page},
        {"setytbkg.bmp", page},
        {"setAlarmbkg.bmp", page},
        {"setSensorbkg.bmp", page},
        {"PreSetup.bmp", ptzDialog},
        {"Tour.bmp", ptzDialog},
        {"mainTopBtnUP.bmp", [] { return Button(kTopWidth, kTopHeight, kTopUp, kStrip); }},
        {"mainTopBtnDN.bmp", [] { return Button(kTopWidth, kTopHeight, kTopDown, kStrip); }},
        {"mainBottomBtnUP.bmp",
         [] { return Button(kBottomWidth, kBottomHeight, kLightUp, kBandLight); }},
        {"mainBottomBtnDN.bmp",
         [] { return Button(kBottomWidth, kBottomHeight, kLightDown, kBandLight); }},
        {"NormalBtnUP.bmp", [] { return Button(kNormalWidth, kNormalHeight, kLightUp, kPage); }},
        {"NormalBtnDN.bmp", [] { return Button(kNormalWidth, kNormalHeight, kLightDown, kPage); }},
        {"DirectionBtnUP.bmp",
         [] { return Button(kDirectionSize, kDirectionSize, kLightUp, kPage); }},
        {"DirectionBtnDN.bmp",
         [] { return Button(kDirectionSize, kDirectionSize, kLightDown, kPage); }},
    };
}

}  // namespace vela::skingen
