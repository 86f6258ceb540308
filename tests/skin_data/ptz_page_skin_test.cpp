// The PTZ page and its preset and tour panels in the shipped skin: every control has its own
// place inside its window (skin buttons at their bitmap's size), the panels and the plan
// controls lie inside the panel frame, and every label's caption fits it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "pages/ptz/ptz_templates.h"
#include "tests/skin_data/shipped_skin.h"
#include "ui/placement.h"

namespace vela::test {
namespace {

constexpr int kFontCellWidth = 6;
constexpr int kTextInset = 2;
constexpr int kFrameId = 6078;
constexpr int kFrameCaptionHeight = 16;

bool IsSkinButton(const resources::ControlTemplate& control) {
    return control.kind == resources::ControlKind::PushButton;
}

// Where the window puts the control: its key's rectangle, a drop-down counted by its closed
// field, a skin button at the size of its bitmap.
ui::Rect Shown(const resources::DialogTemplate& dialog, const resources::ControlTemplate& control) {
    ui::Rect rect = ui::ReadIniRect(dialog.section, control.key, ControlPosFile());
    if (control.kind == resources::ControlKind::ComboBox)
        rect.bottom = rect.top + std::min(rect.Height(), kComboFieldPixels);
    if (IsSkinButton(control)) {
        const std::string key = control.key;
        const bool direction =
            key == "BtnUp" || key == "BtnDown" || key == "BtnLeft" || key == "BtnRight";
        ui::CDibImage bitmap;
        EXPECT_TRUE(LoadPicture(bitmap, direction ? "DirectionBtnUP.bmp" : "NormalBtnUP.bmp"));
        rect.right = rect.left + bitmap.Width();
        rect.bottom = rect.top + bitmap.Height();
    }
    return rect;
}

// The window's own area: its "DlgPos" size, or its background's.
ui::Rect Area(const resources::DialogTemplate& dialog, const char* background) {
    ui::CDibImage picture;
    EXPECT_TRUE(LoadPicture(picture, std::string(background) + ".bmp"));
    ui::Rect place = ui::ReadIniRect(dialog.section, ui::kDialogPositionKey, ControlPosFile());
    return {0, 0, place.Width() >= 1 ? place.Width() : picture.Width(),
            place.Height() >= 1 ? place.Height() : picture.Height()};
}

void ExpectTidy(const resources::DialogTemplate& dialog, const ui::Rect& area,
                const ui::Rect* frame) {
    std::vector<Placed> placed;
    for (size_t i = 0; i < dialog.controlCount; ++i) {
        const resources::ControlTemplate& control = dialog.controls[i];
        SCOPED_TRACE(control.key);
        ASSERT_FALSE(Lookup(ControlPosFile(), dialog.section, control.key).empty());
        const ui::Rect rect = Shown(dialog, control);
        EXPECT_GE(rect.Width(), 1);
        EXPECT_TRUE(Inside(rect, area));
        if (control.id == kFrameId) continue;
        // Below the frame's caption and right of its left edge: a plan control.
        const bool planControl = frame && rect.left >= frame->left && rect.top >= frame->top;
        if (planControl) EXPECT_TRUE(Inside(rect, *frame));
        placed.push_back({control.key, rect});
        if (control.kind != resources::ControlKind::Static || control.caption[0] == '\0') continue;
        const std::string caption = Lookup(ButtonTextFile(), dialog.section, control.caption);
        EXPECT_FALSE(caption.empty());
        EXPECT_LE(kTextInset + static_cast<int>(caption.size()) * kFontCellWidth, rect.Width());
    }
    EXPECT_TRUE(NoOverlaps(placed));
}

TEST(PtzPageSkinTest, ThePageAndBothPanelsAreTidy) {
    const resources::DialogTemplate& page = pages::ptz::kPtzTemplate;
    const ui::Rect frame = ui::ReadIniRect(page.section, "GroupAutoPresetPlan", ControlPosFile());
    ui::Rect inside = frame;
    inside.top += kFrameCaptionHeight;
    {
        SCOPED_TRACE("DvsCfgYt");
        ExpectTidy(page, Area(page, "setytbkg"), &inside);
    }
    const struct {
        const resources::DialogTemplate* dialog;
        const char* background;
    } panels[] = {{&pages::ptz::kPresetDialogTemplate, "PreSetup"},
                  {&pages::ptz::kTourDialogTemplate, "Tour"}};
    for (const auto& panel : panels) {
        SCOPED_TRACE(panel.dialog->section);
        EXPECT_TRUE(
            Inside(ui::ReadIniRect(panel.dialog->section, ui::kDialogPositionKey, ControlPosFile()),
                   inside));
        ExpectTidy(*panel.dialog, Area(*panel.dialog, panel.background), nullptr);
    }
}

}  // namespace
}  // namespace vela::test
