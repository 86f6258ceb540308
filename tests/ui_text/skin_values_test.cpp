// Skin value parsing and the SkinSettings conversions with their defaults.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "tests/common/temp_folder.h"
#include "ui/skin_values.h"

namespace {

using vela::testing::TempFolder;
using vela::ui::ParseColorValue;
using vela::ui::ParseLenientInt;
using vela::ui::ParsePositionValue;
using vela::ui::Rect;

TEST(LenientInt, ReadsLikeTheCRuntime) {
    EXPECT_EQ(ParseLenientInt("  \t-17xyz"), -17);
    EXPECT_EQ(ParseLenientInt("+8"), 8);
    EXPECT_EQ(ParseLenientInt("abc"), 0);
    EXPECT_EQ(ParseLenientInt("- 5"), 0);
    EXPECT_EQ(ParseLenientInt("12 34"), 12);
    EXPECT_EQ(ParseLenientInt("99999999999999999999"), INT_MAX);
    EXPECT_EQ(ParseLenientInt("-99999999999999999999"), INT_MIN);
    const char* rest = nullptr;
    ParseLenientInt(" 10,20", &rest);
    EXPECT_STREQ(rest, ",20");
}

// A full value and one without a size are the placement test's.
TEST(PositionValue, EmptyWordsAndExtraNumbers) {
    EXPECT_EQ(ParsePositionValue(""), Rect{});
    EXPECT_EQ(ParsePositionValue("abc,5,x,7"), (Rect{0, 5, 0, 12}));
    EXPECT_EQ(ParsePositionValue("1,2,3,4,5,6"), (Rect{1, 2, 4, 6}));
}

TEST(PositionValue, HugeNumbersSaturateInsteadOfOverflowing) {
    Rect r = ParsePositionValue("2147483647,2147483647,2147483647,-2147483648");
    EXPECT_EQ(r.right, INT_MAX);
    EXPECT_EQ(r.bottom, -1);
    EXPECT_EQ(ParsePositionValue("-2147483648,0,-10,0").right, INT_MIN);
}

TEST(ColorValue, RedIsTheLowestByteOutOfRangeIsInvalidAndEmptyIsBlack) {
    EXPECT_EQ(ParseColorValue("1, 2 ,3").color, 0x030201u);
    EXPECT_TRUE(ParseColorValue("255,255,255").valid);
    for (const char* text : {"300,0,0", "-1,0,0", "0,0,256"}) {
        EXPECT_FALSE(ParseColorValue(text).valid) << text;
        EXPECT_EQ(ParseColorValue(text).color, 0u) << text;
    }
    for (const char* text : {"", "0", "abc"}) {
        EXPECT_TRUE(ParseColorValue(text).valid) << text;
        EXPECT_EQ(ParseColorValue(text).color, 0u) << text;
    }
}

class SkinSettingsTest : public ::testing::Test {
  protected:
    vela::ui::SkinSettings Read(const std::string& body) {
        return vela::ui::ReadSkinSettings(folder.Write("sbt.ini", "[DvsConfigDlg]\r\n" + body));
    }
    TempFolder folder;
};

TEST_F(SkinSettingsTest, FontWeightEmptyIs400AWordIs0AndAbsentFontNameIsEmpty) {
    EXPECT_EQ(Read("ButtonFontWeight=\r\n").buttonFontWeight, 400);
    EXPECT_EQ(Read("").buttonFontWeight, 400);
    EXPECT_EQ(Read("ButtonFontWeight=abc\r\n").buttonFontWeight, 0);
    EXPECT_EQ(Read("ButtonFontWeight= 700\r\n").buttonFontWeight, 700);
    EXPECT_EQ(Read("").buttonFontName, "") << "not the system font";
    EXPECT_EQ(vela::ui::ReadSkinSettings(folder.File("missing.ini")).buttonFontName, "");
}

TEST_F(SkinSettingsTest, ColoursTakeTheirDefaultOnlyWhenInvalid) {
    auto invalid = Read(
        "StaticControlTextColor=300,0,0\r\nInterfaceBKColor=-1,0,0\r\n"
        "GroupTextColor=0,0,999\r\nOtherButtonTextColor=1,1,256\r\n");
    EXPECT_EQ(invalid.staticControlTextColor, 255u);
    EXPECT_EQ(invalid.interfaceBkColor, 6592110u);
    EXPECT_EQ(invalid.groupTextColor, 255u);
    EXPECT_EQ(invalid.otherButtonTextColor, 0u);

    auto absent = Read("");
    EXPECT_EQ(absent.staticControlTextColor, 0u);
    EXPECT_EQ(absent.interfaceBkColor, 0u);
    EXPECT_EQ(absent.groupTextColor, 0u);
}

TEST_F(SkinSettingsTest, EveryKeyReachesItsField) {
    auto s = Read(
        "ButtonCharSet=134\r\nButtonFontName=Tahoma\r\n"
        "MainBigButtonFontHeight=1\r\nMainBigButtonFontWidth=2\r\n"
        "MainSmallButtonFontHeight=3\r\nMainSmallButtonFontWidth=4\r\n"
        "OtherButtonFontHeight=5\r\nOtherButtonFontWidth=6\r\n"
        "MainBigButtonTextColor=1,0,0\r\nMainSmallButtonTextColor=2,0,0\r\n"
        "OtherButtonTextColor=3,0,0\r\nMainBigButtonDownTextColor=4,0,0\r\n"
        "MainSmallButtonDownTextColor=5,0,0\r\nOtherButtonDownTextColor=6,0,0\r\n"
        "StaticControlTextColor=7,0,0\r\nInterfaceBKColor=8,0,0\r\n"
        "GroupPrimaryColor=9,0,0\r\nGroupHighlightColor=10,0,0\r\nGroupTextColor=11,0,0\r\n");
    EXPECT_EQ(s.buttonCharSet, 134);
    EXPECT_EQ(s.buttonFontName, "Tahoma");
    EXPECT_EQ(s.mainBigButtonFontHeight, 1);
    EXPECT_EQ(s.mainBigButtonFontWidth, 2);
    EXPECT_EQ(s.mainSmallButtonFontHeight, 3);
    EXPECT_EQ(s.mainSmallButtonFontWidth, 4);
    EXPECT_EQ(s.otherButtonFontHeight, 5);
    EXPECT_EQ(s.otherButtonFontWidth, 6);
    const vela::ui::ColorRef colors[] = {s.mainBigButtonTextColor,
                                         s.mainSmallButtonTextColor,
                                         s.otherButtonTextColor,
                                         s.mainBigButtonDownTextColor,
                                         s.mainSmallButtonDownTextColor,
                                         s.otherButtonDownTextColor,
                                         s.staticControlTextColor,
                                         s.interfaceBkColor,
                                         s.groupPrimaryColor,
                                         s.groupHighlightColor,
                                         s.groupTextColor};
    for (unsigned i = 0; i < 11; ++i) EXPECT_EQ(colors[i], i + 1) << i;
}

}  // namespace
