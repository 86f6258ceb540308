// What both alarm pages do in their window initialisation, walking their templates: place
// every control by its ControlPos key, caption the labels, align them to their controls, set
// up the skin buttons and group boxes, and fill the numbered and keyed lists. The INI section
// is the template's. UI thread.
#pragma once

#include <string>
#include <vector>

#include "resources/dialog_template.h"
#include "ui/combo_box.h"
#include "ui/dialog.h"
#include "ui/skin_button.h"
#include "ui/skin_group_box.h"

namespace vela::pages::alarm {

// The id of the template's control with this key; 0 when it has none.
int ControlId(const resources::DialogTemplate& dialog, const std::string& key);

// Which side of its control a label goes to when the page aligns its labels.
enum class LabelSide { kLeft, kRight };
struct LabelRule {
    std::string label;    // the label's key
    std::string control;  // the key whose ControlPos rectangle it goes beside
    LabelSide side;
};

// Every control of the template at its key, skin buttons excepted (PlaceSkinButton sizes them
// to their pictures).
void PlaceTemplateControls(ui::Dialog& page, const resources::DialogTemplate& dialog);
// Every label's caption (its caption key in the StaticButtonText file); then, unless the
// section's "AutoAignTextMode" says otherwise, each label of `rules` beside its control.
// True when the labels were aligned.
bool ApplyLabels(ui::Dialog& page, const resources::DialogTemplate& dialog,
                 const std::vector<LabelRule>& rules);
// A "NormalBtn" skin button with the Other-button font and colours, its caption and its place.
void SetUpSkinButton(ui::Dialog& page, const resources::DialogTemplate& dialog,
                     ui::CSkinButton& button, const std::string& key);
// A group box in the skin's group colours, its caption centred in the top line.
void SetUpGroupBox(ui::Dialog& page, const resources::DialogTemplate& dialog,
                   ui::CSkinGroupBox& box, const std::string& key);
// The labels and check boxes, which the page paints transparent over its colour.
std::vector<int> PaintedLabelIds(const resources::DialogTemplate& dialog);

// Entries "1".."count" with item data 0..count-1; no selection.
void FillNumbers(ui::ComboBox& list, int count);
// Entries read from the TextRes file's keys made by `keyFormat` ("week%d") for 0..count-1,
// each with its index as item data; no selection.
void FillKeyed(ui::ComboBox& list, const char* section, const char* keyFormat, int count);
// One more entry with the text of `key` (a 100-byte lookup) and item data `value`.
void AddKeyed(ui::ComboBox& list, const char* section, const char* key, int value);

}  // namespace vela::pages::alarm
