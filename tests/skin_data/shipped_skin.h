// The shipped English skin folder beside the test program (the build lays it there) and the
// geometry the layout checks share.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/kernel.h"
#include "resources/dialog_template.h"
#include "ui/dib_image.h"
#include "ui/placement.h"
#include "ui/rect.h"
#include "ui/skin_values.h"
#include "ui/text_resources.h"

namespace vela::test {

inline std::string SkinFolder() {
    const std::string sep(1, platform::PathSeparator());
    return platform::HostFolder() + sep + "English" + sep + ui::kSkinFolderName + sep;
}
inline std::string ControlPosFile() {
    return SkinFolder() + ui::kControlPosFileName;
}
inline std::string ButtonTextFile() {
    return SkinFolder() + ui::kStaticButtonTextFileName;
}
inline std::string TextResFile() {
    return SkinFolder() + ui::kTextResFileName;
}

inline std::string Lookup(const std::string& file, const std::string& section,
                          const std::string& key) {
    return ui::ReadIniText(file, section, key, "", ui::kCaptionCapacity);
}

// Text in the headless window system's font cell, as the layout checks measure it.
constexpr int kFontCellWidth = 6;
constexpr int kFontCellHeight = 13;
constexpr int kTextInset = 2;     // a label's text starts this far in from its left edge
constexpr int kComboChrome = 20;  // the arrow button and the field's margins

inline int TextWidth(const std::string& text) {
    return static_cast<int>(text.size()) * kFontCellWidth;
}

// A drop-down list shows only its closed field; the rest of its height is the dropped list.
// Win32 sizes that field to the font (21 pixels for the dialog font), never beyond this.
constexpr int kComboFieldPixels = 24;

struct Placed {
    std::string key;
    ui::Rect rect;
};

inline bool Overlap(const ui::Rect& a, const ui::Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}
inline bool Inside(const ui::Rect& inner, const ui::Rect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}
inline ::testing::AssertionResult NoOverlaps(const std::vector<Placed>& placed) {
    for (size_t i = 0; i < placed.size(); ++i)
        for (size_t j = i + 1; j < placed.size(); ++j)
            if (Overlap(placed[i].rect, placed[j].rect))
                return ::testing::AssertionFailure()
                       << placed[i].key << " overlaps " << placed[j].key;
    return ::testing::AssertionSuccess();
}

// A picture of the skin folder, loaded as the plug-in loads it.
inline bool LoadPicture(ui::CDibImage& image, const std::string& fileName) {
    return image.Load(SkinFolder() + fileName) && image.Width() > 0 && image.Height() > 0;
}

// A window's own area: its "DlgPos" size where that gives one, else its background's.
inline ui::Rect WindowArea(const std::string& section, const std::string& backgroundFile) {
    ui::CDibImage picture;
    EXPECT_TRUE(LoadPicture(picture, backgroundFile)) << backgroundFile;
    const ui::Rect place = ui::ReadIniRect(section, ui::kDialogPositionKey, ControlPosFile());
    return {0, 0, place.Width() >= 1 ? place.Width() : picture.Width(),
            place.Height() >= 1 ? place.Height() : picture.Height()};
}

// Where a window shows the control: its key's rectangle, a drop-down list counted by its
// closed field, a skin button (given its picture) at the picture's size.
inline ui::Rect Shown(const std::string& section, const resources::ControlTemplate& control,
                      const ui::CDibImage* button = nullptr) {
    ui::Rect rect = ui::ReadIniRect(section, control.key, ControlPosFile());
    if (control.kind == resources::ControlKind::ComboBox)
        rect.bottom = rect.top + std::min(rect.Height(), kComboFieldPixels);
    if (button && control.kind == resources::ControlKind::PushButton)
        rect = {rect.left, rect.top, rect.left + button->Width(), rect.top + button->Height()};
    return rect;
}

// The control has a position key of its own and a rectangle of at least a pixel inside AREA.
inline void ExpectPlacedInside(const std::string& section,
                               const resources::ControlTemplate& control, const ui::Rect& rect,
                               const ui::Rect& area) {
    EXPECT_FALSE(Lookup(ControlPosFile(), section, control.key).empty());
    EXPECT_GE(rect.Width(), 1);
    EXPECT_GE(rect.Height(), 1);
    EXPECT_TRUE(Inside(rect, area))
        << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom;
}

// The caption key has a text in the skin that fits the control it is shown on.
inline void ExpectCaptionFits(const std::string& section, const std::string& captionKey,
                              const ui::Rect& rect) {
    SCOPED_TRACE(captionKey);
    const std::string caption = Lookup(ButtonTextFile(), section, captionKey);
    EXPECT_FALSE(caption.empty());
    EXPECT_LE(kTextInset + TextWidth(caption), rect.Width());
    EXPECT_GE(rect.Height(), kFontCellHeight);
}

// A list entry's text is given and fits the closed field of the list at LIST.
inline void ExpectEntryFits(const std::string& text, const ui::Rect& list) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(text.empty());
    EXPECT_LE(TextWidth(text), list.Width() - kComboChrome);
}

}  // namespace vela::test
