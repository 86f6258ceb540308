// The skin steps the PTZ page and its two panels share: placing controls by the keys of their
// template rows, setting up skin buttons (bitmaps, place, page-button font, caption), placing
// and captioning labels, reading their list texts, and the list helpers they share. UI thread
// only.
#pragma once

#include <cstddef>
#include <string>

#include "resources/dialog_template.h"
#include "ui/combo_box.h"
#include "ui/dialog.h"
#include "ui/list_view.h"
#include "ui/skin_button.h"

namespace vela::pages::ptz {

struct SkinButtonRow {
    int id;
    const char* bitmapBase;
};

enum class LabelSide { kLeft, kRight };

// A label and the ControlPos key of the control it is aligned beside.
struct LabelRow {
    int id;
    const char* controlKey;
    LabelSide side;
};

constexpr char kListTextSection[] = "DVSInfo";  // list texts of the TextRes file

// The template row's position key and caption key ("" for an id without a row).
const char* KeyOf(const resources::DialogTemplate& dialog, int id);
const char* CaptionKeyOf(const resources::DialogTemplate& dialog, int id);

// PlaceDlgItem for each id by its row's key, in the given order.
void PlaceItems(ui::Dialog& dialog, const int* ids, size_t count);
// Attaches, loads the bitmaps, places the button by its key, gives it the page-button font
// and colours and its caption from the section.
void SetUpSkinButton(ui::Dialog& dialog, ui::CSkinButton& button, const SkinButtonRow& row);
// Places each label by its own key, aligns it beside its control when the section's
// "AutoAignTextMode" asks for it, and sets its caption.
void ApplyLabels(ui::Dialog& dialog, const LabelRow* labels, size_t count);

// A caption of the StaticButtonText file (260-byte texts).
std::string CaptionText(const char* section, const std::string& key);
// A list text of the TextRes file, section "DVSInfo" (64-byte texts).
std::string ListText(const std::string& key);

// "%d".
std::string NumberText(int value);

// Report-list columns with these headings, each as wide as a third of the list, with grid
// lines and full-row selection.
void CreateReportColumns(ui::ListView& list, const std::string* headings, int count);
// The first entry whose text is exactly text (case-sensitive, unlike CB_FINDSTRINGEXACT), or -1.
int FindExactEntry(const ui::ComboBox& combo, const std::string& text);

}  // namespace vela::pages::ptz
