#include "ui/placement.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "tests/skin/skin_fixture.h"
#include "ui/dib_image.h"
#include "ui/recording_canvas.h"
#include "ui/skin_button.h"
#include "ui/skin_values.h"

namespace vela::ui {
namespace {

using test::kEditId;
using test::kLabelId;
using test::kSection;
using test::kSkinButtonId;
using PlacementTest = test::SkinDialogTest;

TEST_F(PlacementTest, PositionWithoutSizeKeepsTheTemplateSize) {
    WriteControlPos("Name=12,30,0,0\nShort=12,30\nBlanks=10, 20 ,100,22\n");
    const platform::WindowHandle label = Item(kLabelId);
    const platform::Rect before = ws().GetClientRect(label);

    const Rect used = PlaceControl(label, "Name", kSection, controlPos);
    EXPECT_EQ(used, (Rect{12, 30, 12 + before.Width(), 30 + before.Height()}));
    EXPECT_EQ(PlacedRect(label),
              (platform::Rect{12, 30, 12 + before.Width(), 30 + before.Height()}));

    PlaceControl(label, "Blanks", kSection, controlPos);
    EXPECT_EQ(PlacedRect(label), (platform::Rect{10, 20, 110, 42}));
    EXPECT_EQ(PlaceControl(label, "Short", kSection, controlPos), (Rect{12, 30, 112, 52}))
        << "the natural size is the control's current size";
}

TEST_F(PlacementTest, AbsentKeyPutsTheControlAtOriginAndMissingIdMovesNothing) {
    WriteControlPos("Name=40,50,60,20\n");
    const platform::WindowHandle label = Item(kLabelId);
    const platform::Rect size = ws().GetClientRect(label);
    EXPECT_EQ(PlaceDlgItem(page, kLabelId, "Absent", kSection, controlPos),
              (Rect{0, 0, size.Width(), size.Height()}));
    EXPECT_EQ(PlacedRect(label).left, 0);

    const platform::Rect edit = PlacedRect(Item(kEditId));
    EXPECT_EQ(PlaceDlgItem(page, 4242, "Name", kSection, controlPos), (Rect{40, 50, 100, 70}));
    EXPECT_EQ(PlacedRect(Item(kEditId)), edit);
}

TEST_F(PlacementTest, DialogTakesItsBackgroundSizeWhenTheValueHasNone) {
    WriteControlPos("DlgPos=5,6,0,0\nFixed=1,2,30,40\n");
    WritePicture("skintestbkg.bmp", 64, 48, 0x336699);
    CDibImage background;
    ASSERT_TRUE(LoadPageBackground(background, "skintestbkg", folder));
    EXPECT_EQ(background.Path(), folder + "skintestbkg.bmp");
    EXPECT_EQ(PlaceDialog(page, kDialogPositionKey, background, kSection, controlPos),
              (Rect{5, 6, 69, 54}));
    EXPECT_EQ(ws().GetWindowRect(page).Width(), 64);
    EXPECT_EQ(PlaceDialog(page, "Fixed", background, kSection, controlPos), (Rect{1, 2, 31, 42}));

    CDibImage missing;
    EXPECT_FALSE(LoadPageBackground(missing, "no-such-background", folder));
    EXPECT_EQ(missing.Path(), folder + "no-such-background.bmp") << "the path stays anyway";
    EXPECT_EQ(PlaceDialog(page, kDialogPositionKey, missing, kSection, controlPos),
              (Rect{5, 6, 5, 6}));
}

TEST_F(PlacementTest, SkinButtonTakesItsPictureSizeOrStaysWithoutOne) {
    WriteControlPos("BtnSkin=20,25,999,999\n");
    CSkinButton button;
    ASSERT_TRUE(button.AttachToDialogItem(dialog, kSkinButtonId));
    const platform::Rect original = PlacedRect(Item(kSkinButtonId));
    PlaceButton(button, "BtnSkin", kSection, controlPos);
    EXPECT_EQ(PlacedRect(Item(kSkinButtonId)), original) << "no picture: not moved";

    WritePicture("SkinTestBtnUP.bmp", 40, 18, 0xff0000);
    WritePicture("SkinTestBtnDN.bmp", 40, 18, 0x0000ff);
    ASSERT_TRUE(LoadButtonBitmaps(button, "SkinTestBtn", folder));
    EXPECT_EQ(PlaceButton(button, "BtnSkin", kSection, controlPos), (Rect{20, 25, 60, 43}));
    EXPECT_EQ(PlacedRect(Item(kSkinButtonId)), (platform::Rect{20, 25, 60, 43}));
}

TEST_F(PlacementTest, LabelsAlignToTheRectangleOfTheControlsKey) {
    WriteControlPos("Label=0,0,60,13\nCtrl=200,40,80,20\nTall=10,100,30,8\n");
    const platform::WindowHandle label = Item(kLabelId);
    PlaceControl(label, "Label", kSection, controlPos);

    EXPECT_EQ(AlignLabelLeft(label, "Ctrl", kSection, controlPos, kLabelGap),
              (Rect{135, 42, 195, 62}));
    EXPECT_EQ(PlacedRect(label), (platform::Rect{135, 42, 195, 62}));
    EXPECT_EQ(AlignLabelRight(label, "Ctrl", kSection, controlPos, kLabelGap),
              (Rect{285, 40, 345, 60}));
    EXPECT_EQ(AlignLabelAbove(label, "Ctrl", kSection, controlPos, kLabelGap),
              (Rect{200, 15, 260, 35}));
    // The label's own height wins over a lower control.
    EXPECT_EQ(AlignLabelRight(label, "Tall", kSection, controlPos, kLabelGap).Height(), 20);
}

TEST_F(PlacementTest, AutoAlignModeBelowOneAlignsLabels) {
    for (const auto& [body, aligned] :
         std::vector<std::pair<const char*, bool>>{{"AutoAignTextMode=1\n", false},
                                                   {"AutoAignTextMode=0\n", true},
                                                   {"AutoAignTextMode=word\n", true},
                                                   {"Other=1\n", true}}) {
        WriteControlPos(body);
        EXPECT_EQ(LabelsAligned(kSection, controlPos), aligned) << body;
    }
}

TEST_F(PlacementTest, PageSkinFillsTheBackgroundAndColoursOnlyItsLabels) {
    const SkinSettings saved = g_SkinSettings;
    g_SkinSettings.interfaceBkColor = platform::Rgb(1, 2, 3);
    g_SkinSettings.staticControlTextColor = platform::Rgb(4, 5, 6);
    const PageSkin skin({kLabelId});

    RecordingCanvas canvas;
    EXPECT_TRUE(skin.EraseBackground(page, canvas));
    ASSERT_EQ(canvas.Calls().size(), 1u);
    EXPECT_EQ(canvas.Calls()[0].kind, DrawCall::Kind::Fill);
    EXPECT_EQ(canvas.Calls()[0].rect, ws().GetClientRect(page));
    EXPECT_EQ(canvas.Calls()[0].color, platform::Rgb(1, 2, 3));

    platform::ControlColors colors;
    EXPECT_TRUE(skin.ControlColors(kLabelId, colors));
    EXPECT_TRUE(colors.setTextColor);
    EXPECT_EQ(colors.textColor, platform::Rgb(4, 5, 6));
    EXPECT_TRUE(colors.transparent);
    EXPECT_EQ(colors.brush, platform::ControlColors::Brush::Hollow);

    platform::ControlColors other;
    EXPECT_FALSE(skin.ControlColors(kEditId, other));
    EXPECT_FALSE(other.setTextColor);
    g_SkinSettings = saved;
}

}  // namespace
}  // namespace vela::ui
