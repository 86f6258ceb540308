// Helpers for walking the dialog template tables in tests.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "resources/control_styles.h"
#include "resources/dialog_template.h"
#include "tests/common/all_templates.h"

namespace vela::resources::testing {

using vela::testing::AllTemplates;

// The page templates' ids, stated here as the independent check of the pages' own.
constexpr int kChannelPageId = 6004;
constexpr int kServerPageId = 6012;
constexpr int kPtzPageId = 6013;
constexpr int kSensorPageId = 6014;
constexpr int kAlarmPageId = 6015;
constexpr int kPresetDialogId = 6016;
constexpr int kTourDialogId = 6017;

inline const DialogTemplate& Template(int id) {
    static const DialogTemplate kMissing = {0, 0, 0, 0, 0, 0, "", nullptr, 0};
    const DialogTemplate* dialog = vela::testing::FindAnyTemplate(id);
    return dialog != nullptr ? *dialog : kMissing;
}

inline std::vector<ControlTemplate> Controls(const DialogTemplate& dialog) {
    return std::vector<ControlTemplate>(dialog.controls, dialog.controls + dialog.controlCount);
}

inline const ControlTemplate* FindByKey(const DialogTemplate& dialog, const std::string& key) {
    for (size_t i = 0; i < dialog.controlCount; ++i) {
        if (key == dialog.controls[i].key) return &dialog.controls[i];
    }
    return nullptr;
}

inline bool IsSkinButton(const ControlTemplate& control) {
    return control.kind == ControlKind::PushButton && (control.style & kBsTypeMask) == kBsOwnerDraw;
}

}  // namespace vela::resources::testing
