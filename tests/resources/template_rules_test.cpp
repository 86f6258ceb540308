// Rules every template obeys, checked on each of them: unique ids and keys, styles that fit
// the control kind, and a layout in which no two controls cover each other.
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "resources/control_styles.h"
#include "resources/dialog_template.h"
#include "tests/resources/template_test_util.h"

namespace vela::resources {
namespace {

using testing::Controls;

constexpr uint32_t kLowWord = 0xFFFF;  // class-specific style bits

// The class-specific style bits a control of this kind may carry, given its type bits.
bool ClassBitsFitKind(const ControlTemplate& c) {
    const uint32_t bits = c.style & kLowWord;
    switch (c.kind) {
        case ControlKind::Static:
            return (bits & ~(kSsTypeMask | kSsNotify)) == 0 && (bits & kSsTypeMask) <= kSsRight;
        case ControlKind::Edit: {
            constexpr uint32_t kEditBits = kEsCenter | kEsRight | kEsMultiLine | kEsUpperCase |
                                           kEsLowerCase | kEsPassword | kEsAutoVScroll |
                                           kEsAutoHScroll | kEsReadOnly | kEsNumber;
            const bool bothCases = (bits & kEsUpperCase) && (bits & kEsLowerCase);
            return (bits & ~kEditBits) == 0 && !bothCases;
        }
        case ControlKind::PushButton:
            return bits == kBsPushButton || bits == kBsDefPushButton || bits == kBsOwnerDraw;
        case ControlKind::CheckBox:
            return bits == kBsAutoCheckBox;
        case ControlKind::RadioButton:
            return bits == kBsAutoRadioButton;
        case ControlKind::GroupBox:
            return bits == kBsGroupBox && (c.style & kWsTabStop) == 0;
        case ControlKind::ComboBox: {
            const uint32_t type = bits & kCbsTypeMask;
            return (type == kCbsDropDown || type == kCbsDropDownList) &&
                   (bits & ~(kCbsTypeMask | kCbsAutoHScroll)) == 0 && (c.style & kWsVScroll);
        }
        case ControlKind::ListView:
            return (bits & kLvsTypeMask) == kLvsReport &&
                   (bits & ~(kLvsReport | kLvsSingleSel | kLvsShowSelAlways | kLvsNoSortHeader)) ==
                       0;
        case ControlKind::TimePicker:
            return bits == kDtsTimeFormat;
        case ControlKind::IpAddress:
        case ControlKind::Custom:
            return bits == 0;
    }
    return false;
}

bool Overlap(const ControlTemplate& a, const ControlTemplate& b) {
    return a.x < b.x + b.cx && b.x < a.x + a.cx && a.y < b.y + ControlWindowHeight(b) &&
           b.y < a.y + ControlWindowHeight(a);
}

bool Inside(const ControlTemplate& inner, const ControlTemplate& outer) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.cx <= outer.x + outer.cx &&
           inner.y + ControlWindowHeight(inner) <= outer.y + outer.cy;
}

std::string Name(const ControlTemplate& c) {
    return std::to_string(c.id) + " " + c.key;
}

class EveryTemplate : public ::testing::TestWithParam<const DialogTemplate*> {
  protected:
    const DialogTemplate& dialog() const { return *GetParam(); }
};

TEST_P(EveryTemplate, IdsKeysAndCaptionsAreUnique) {
    std::set<int> ids;
    std::set<std::string> keys;
    std::set<std::string> captions;
    for (const ControlTemplate& c : Controls(dialog())) {
        EXPECT_GT(c.id, 0) << Name(c);
        EXPECT_TRUE(ids.insert(c.id).second) << "duplicate id " << Name(c);
        if (c.key[0] != '\0') {
            EXPECT_TRUE(keys.insert(c.key).second) << "duplicate key " << c.key;
        }
        if (c.caption[0] != '\0') {
            EXPECT_TRUE(captions.insert(c.caption).second) << "duplicate caption " << c.caption;
        }
    }
}

TEST_P(EveryTemplate, StylesFitTheControlKind) {
    for (const ControlTemplate& c : Controls(dialog())) {
        EXPECT_TRUE(ClassBitsFitKind(c)) << Name(c) << " style " << std::hex << c.style;
        EXPECT_EQ(c.style & (kWsChild | kWsVisible | kWsPopup), kWsChild | kWsVisible) << Name(c);
        EXPECT_NE(c.style & kWsCaption, kWsCaption) << Name(c);
        EXPECT_EQ(c.style & kWsSysMenu, 0u) << Name(c);
    }
}

TEST_P(EveryTemplate, RadioButtonsFormClosedGroups) {
    // An auto radio button switches off the other radios of its group: the controls from one
    // with WS_GROUP up to the next one. A group that holds radios starts with a radio and holds
    // nothing but radios and labels, or arrow keys and checking would reach other controls.
    const auto controls = Controls(dialog());
    for (size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].kind != ControlKind::RadioButton) continue;
        size_t start = i;
        while (start > 0 && (controls[start].style & kWsGroup) == 0) --start;
        EXPECT_EQ(controls[start].kind, ControlKind::RadioButton) << Name(controls[i]);
        EXPECT_TRUE(controls[start].style & kWsGroup) << Name(controls[start]);
        for (size_t j = start + 1; j < controls.size() && !(controls[j].style & kWsGroup); ++j) {
            const bool fits = controls[j].kind == ControlKind::RadioButton ||
                              controls[j].kind == ControlKind::Static;
            EXPECT_TRUE(fits) << Name(controls[j]) << " is in the group of " << Name(controls[i]);
        }
    }
}

TEST_P(EveryTemplate, ControlsLieInsideTheDialog) {
    for (const ControlTemplate& c : Controls(dialog())) {
        EXPECT_GT(c.cx, 0) << Name(c);
        EXPECT_GT(c.cy, 0) << Name(c);
        EXPECT_GE(c.x, 0) << Name(c);
        EXPECT_GE(c.y, 0) << Name(c);
        EXPECT_LE(c.x + c.cx, dialog().cx) << Name(c);
        EXPECT_LE(c.y + ControlWindowHeight(c), dialog().cy) << Name(c);
    }
}

TEST_P(EveryTemplate, NoTwoControlsOverlap) {
    // A group box frames other controls: what touches its frame must lie wholly inside it.
    const auto controls = Controls(dialog());
    for (size_t i = 0; i < controls.size(); ++i) {
        for (size_t j = i + 1; j < controls.size(); ++j) {
            const ControlTemplate& a = controls[i];
            const ControlTemplate& b = controls[j];
            if (!Overlap(a, b)) continue;
            const bool aFrame = a.kind == ControlKind::GroupBox;
            const bool bFrame = b.kind == ControlKind::GroupBox;
            const bool framed =
                (aFrame && !bFrame && Inside(b, a)) || (bFrame && !aFrame && Inside(a, b));
            EXPECT_TRUE(framed) << Name(a) << " overlaps " << Name(b);
        }
    }
}

TEST_P(EveryTemplate, LabelsAndButtonsHaveCaptionKeys) {
    // A page sets every label and skin button text from its caption key; without one the
    // control would stay blank. Frames under the play window carry no text.
    if (dialog().id == kTestDialogId) return;
    for (const ControlTemplate& c : Controls(dialog())) {
        const bool placeholder = c.kind == ControlKind::Static && c.cy > 8;
        if (placeholder) {
            EXPECT_STREQ(c.caption, "") << Name(c);
            continue;
        }
        EXPECT_NE(c.key[0], '\0') << Name(c);
        const bool captioned = c.kind == ControlKind::Static || c.kind == ControlKind::GroupBox ||
                               testing::IsSkinButton(c);
        EXPECT_EQ(c.caption[0] != '\0', captioned) << Name(c);
    }
}

std::string TemplateName(const ::testing::TestParamInfo<const DialogTemplate*>& info) {
    return "Template" + std::to_string(info.param->id);
}

INSTANTIATE_TEST_SUITE_P(Resources, EveryTemplate, ::testing::ValuesIn(testing::AllTemplates()),
                         TemplateName);

}  // namespace
}  // namespace vela::resources
