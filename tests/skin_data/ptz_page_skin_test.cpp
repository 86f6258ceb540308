// The PTZ page and its preset and tour panels in the shipped skin: every control has its own
// place inside its window (skin buttons at their bitmap's size), the panels and the plan
// controls lie inside the panel frame, and every label's caption fits it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/ptz/ptz_templates.h"
#include "tests/skin_data/shipped_skin.h"
#include "ui/placement.h"

namespace vela::test {
namespace {

constexpr int kFrameId = 6078;
constexpr int kFrameCaptionHeight = 16;

// Where the window puts the control; a direction button at its own bitmap's size.
ui::Rect ShownIn(const resources::DialogTemplate& dialog,
                 const resources::ControlTemplate& control) {
    const std::string key = control.key;
    const bool direction =
        key == "BtnUp" || key == "BtnDown" || key == "BtnLeft" || key == "BtnRight";
    ui::CDibImage bitmap;
    EXPECT_TRUE(LoadPicture(bitmap, direction ? "DirectionBtnUP.bmp" : "NormalBtnUP.bmp"));
    return Shown(dialog.section, control, &bitmap);
}

void ExpectTidy(const resources::DialogTemplate& dialog, const ui::Rect& area,
                const ui::Rect* frame) {
    std::vector<Placed> placed;
    for (size_t i = 0; i < dialog.controlCount; ++i) {
        const resources::ControlTemplate& control = dialog.controls[i];
        SCOPED_TRACE(control.key);
        const ui::Rect rect = ShownIn(dialog, control);
        ExpectPlacedInside(dialog.section, control, rect, area);
        if (control.id == kFrameId) continue;
        // Below the frame's caption and right of its left edge: a plan control.
        const bool planControl = frame && rect.left >= frame->left && rect.top >= frame->top;
        if (planControl) {
            EXPECT_TRUE(Inside(rect, *frame));
        }
        placed.push_back({control.key, rect});
        if (control.kind == resources::ControlKind::Static && control.caption[0] != '\0')
            ExpectCaptionFits(dialog.section, control.caption, rect);
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
        ExpectTidy(page, WindowArea(page.section, "setytbkg.bmp"), &inside);
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
        ExpectTidy(*panel.dialog,
                   WindowArea(panel.dialog->section, std::string(panel.background) + ".bmp"),
                   nullptr);
    }
}

}  // namespace
}  // namespace vela::test
