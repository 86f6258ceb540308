// The Channel page in the shipped skin: the play window at 352 x 288, every control and label
// the page shows inside the page and clear of the others (the schedule's frame holds its own),
// and every caption and list entry fitting where it is shown (measured in the headless window
// system's 6-pixel font cell).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/channel/channel_controls.h"
#include "pages/channel/encoding_tables.h"
#include "tests/skin_data/shipped_skin.h"
#include "ui/placement.h"

namespace vela::test {
namespace {

using namespace pages::channel;  // NOLINT(google-build-using-namespace): the page's constants

ui::Rect Place(const std::string& key) {
    return ui::ReadIniRect(kSection, key, ControlPosFile());
}

bool Unused(int id) {
    return std::find(std::begin(kUnusedControls), std::end(kUnusedControls), id) !=
           std::end(kUnusedControls);
}

TEST(ChannelPageSkin, EveryShownControlHasItsOwnPlaceAndThePictureIsCif) {
    ui::CDibImage background;
    ASSERT_TRUE(LoadPicture(background, std::string(kBackgroundName) + ".bmp"));
    const ui::Rect page{0, 0, background.Width(), background.Height()};
    const ui::Rect picture = Place(kPlayWindowKey);
    EXPECT_EQ(picture.Width(), 352);
    EXPECT_EQ(picture.Height(), 288);
    const ui::Rect schedule = Place("RecSchedule");
    ui::CDibImage button;  // the skin buttons take the size of their picture
    ASSERT_TRUE(LoadPicture(button, std::string(kButtonBitmap) + "UP.bmp"));

    std::vector<Placed> outside{{kPlayWindowKey, picture}, {"RecSchedule", schedule}};
    std::vector<Placed> framed;
    const resources::DialogTemplate& dialog = kChannelTemplate;
    for (size_t i = 0; i < dialog.controlCount; ++i) {
        const resources::ControlTemplate& control = dialog.controls[i];
        if (!*control.key || Unused(control.id) || control.id == id::kSchedule) continue;
        SCOPED_TRACE(control.key);
        const ui::Rect rect = Shown(kSection, control, &button);
        ExpectPlacedInside(kSection, control, rect, page);
        (Inside(rect, schedule) ? framed : outside).push_back({control.key, rect});
    }
    EXPECT_TRUE(Inside(picture, page));
    EXPECT_GE(framed.size(), 6u * 7);  // the schedule's rows and its day and copy controls
    EXPECT_TRUE(NoOverlaps(outside));
    EXPECT_TRUE(NoOverlaps(framed));
}

TEST(ChannelPageSkin, EveryLabelAndButtonCaptionFitsIt) {
    const resources::DialogTemplate& dialog = kChannelTemplate;
    for (size_t i = 0; i < dialog.controlCount; ++i) {
        const resources::ControlTemplate& control = dialog.controls[i];
        if (control.kind == resources::ControlKind::Static && *control.caption &&
            !Unused(control.id))
            ExpectCaptionFits(kSection, control.caption, Place(control.key));
    }
    for (const char* caption : {"CopyToChBtn", "CopyToWeekBtn", "RecordScheduleGroup"})
        EXPECT_FALSE(Lookup(ButtonTextFile(), kSection, caption).empty()) << caption;
}

TEST(ChannelPageSkin, ListEntriesFitTheirLists) {
    auto fits = [](const char* list, const std::string& text) {
        SCOPED_TRACE(list);
        ExpectEntryFits(text, Place(list));
    };
    auto entry = [](const std::string& key) { return Lookup(TextResFile(), "DVSInfo", key); };
    for (int k = 0; k < kResolutionCount; ++k)
        fits("Resolution", entry("Resolution" + std::to_string(k)));
    for (int q = kQualityFirst; q <= kQualityLast; ++q)
        fits("Quality", entry("ChannelPicq" + std::to_string(q)));
    fits("StreamCtrl", entry("ChannelPicm1"));
    fits("StreamCtrl", entry("ChannelPicm2"));
    for (int day = 0; day <= kAllDaysEntry; ++day) {
        if (day < kAllDaysEntry) fits("RecWeek", entry("week" + std::to_string(day)));
        fits("CopyToWeek", entry("week" + std::to_string(day)));
    }
    fits("CopyToCH", entry("CmbCopyOtherAll"));
    fits("RecPreTime", entry("NoPreRecord"));
    for (const char* format : kDateFormats) fits("DateFmt", format);
}

}  // namespace
}  // namespace vela::test
