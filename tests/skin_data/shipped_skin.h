// The shipped English skin folder beside the test program (the build lays it there) and the
// geometry the layout checks share.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/kernel.h"
#include "resources/dialog_template.h"
#include "ui/dib_image.h"
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

}  // namespace vela::test
