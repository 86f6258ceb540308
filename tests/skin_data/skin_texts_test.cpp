// Texts and looks of the shipped skin: the messages of the maintenance actions fit their
// buffers, every colour setting is valid, captions stand out from the images they are drawn
// on, and the direction buttons' bitmaps load.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/skin_data/shipped_skin.h"
#include "ui/placement.h"

namespace vela::test {
namespace {

// Perceived brightness 0..255 of a colour reference (red in the lowest byte).
int Brightness(ui::ColorRef color) {
    const int red = color & 0xFF, green = (color >> 8) & 0xFF, blue = (color >> 16) & 0xFF;
    return (299 * red + 587 * green + 114 * blue) / 1000;
}
// The same for a picture pixel 0x00RRGGBB.
int PixelBrightness(uint32_t pixel) {
    const uint32_t red = (pixel >> 16) & 0xFF, green = (pixel >> 8) & 0xFF, blue = pixel & 0xFF;
    return static_cast<int>((299 * red + 587 * green + 114 * blue) / 1000);
}
constexpr int kReadableContrast = 100;

TEST(SkinTextsTest, MaintenanceMessagesArePresentAndFitTheirBuffer) {
    const struct {
        const char* section;
        const char* key;
    } messages[] = {{"DVSInfo", "pt1"},
                    {"DVSInfo", "pt3"},
                    {"DVSInfo", "NeedReboot"},
                    {"DVSInfo", "RebootSuc"},
                    {"DVSInfo", "RebootFai"},
                    {"DVSInfo", "SetTimeSuc"},
                    {"DVSInfo", "SetTimeFail"},
                    {"DvsState", "MessageBoxTip0"},
                    {"DvsState", "MessageBoxTip1"},
                    {"DvsState", "UpdateSucc"},
                    {"DvsState", "UpdateFail"}};
    for (const auto& message : messages) {
        SCOPED_TRACE(message.key);
        // Read with a larger buffer than the plug-in's so that a text it would cut shows.
        const std::string text = Lookup(TextResFile(), message.section, message.key);
        EXPECT_FALSE(text.empty());
        EXPECT_LT(text.size(), ui::kMessageCapacity);
    }
}

TEST(SkinTextsTest, EveryColourSettingIsGivenAndValid) {
    const char* keys[] = {"MainBigButtonTextColor",
                          "MainBigButtonDownTextColor",
                          "MainSmallButtonTextColor",
                          "MainSmallButtonDownTextColor",
                          "OtherButtonTextColor",
                          "OtherButtonDownTextColor",
                          "StaticControlTextColor",
                          "InterfaceBKColor",
                          "GroupPrimaryColor",
                          "GroupHighlightColor",
                          "GroupTextColor"};
    for (const char* key : keys) {
        SCOPED_TRACE(key);
        EXPECT_FALSE(Lookup(ButtonTextFile(), ui::kSkinSettingsSection, key).empty());
        EXPECT_TRUE(ui::ReadIniColor(ui::kSkinSettingsSection, key, ButtonTextFile()).valid);
    }
    const ui::SkinSettings skin = ui::ReadSkinSettings(ButtonTextFile());
    EXPECT_FALSE(skin.buttonFontName.empty());
    EXPECT_GE(std::abs(Brightness(skin.staticControlTextColor) - Brightness(skin.interfaceBkColor)),
              kReadableContrast);
    EXPECT_GE(std::abs(Brightness(skin.groupTextColor) - Brightness(skin.interfaceBkColor)),
              kReadableContrast);
}

TEST(SkinTextsTest, ButtonCaptionsStandOutFromTheirImages) {
    const ui::SkinSettings skin = ui::ReadSkinSettings(ButtonTextFile());
    const struct {
        const char* base;
        ui::ColorRef up, down;
    } looks[] = {
        {"mainTopBtn", skin.mainBigButtonTextColor, skin.mainBigButtonDownTextColor},
        {"mainBottomBtn", skin.mainSmallButtonTextColor, skin.mainSmallButtonDownTextColor},
        {"NormalBtn", skin.otherButtonTextColor, skin.otherButtonDownTextColor},
    };
    for (const auto& look : looks) {
        SCOPED_TRACE(look.base);
        for (int state : {ui::kButtonUp, ui::kButtonDown}) {
            ui::CDibImage image;
            ASSERT_TRUE(image.Load(ui::ButtonBitmapPath(look.base, state, SkinFolder())));
            // The caption is centred: compare with the image's middle.
            const uint32_t middle = image.PixelAt(image.Width() / 2, image.Height() / 2);
            const ui::ColorRef caption = state == ui::kButtonUp ? look.up : look.down;
            EXPECT_GE(std::abs(Brightness(caption) - PixelBrightness(middle)), kReadableContrast)
                << "state " << state;
        }
    }
}

// The page backgrounds load in the layout checks; the direction buttons' pressed look only here.
TEST(SkinTextsTest, DirectionButtonBitmapsLoad) {
    for (int state : {ui::kButtonUp, ui::kButtonDown}) {
        ui::CDibImage image;
        EXPECT_TRUE(image.Load(ui::ButtonBitmapPath("DirectionBtn", state, SkinFolder())))
            << "state " << state;
    }
}

}  // namespace
}  // namespace vela::test
