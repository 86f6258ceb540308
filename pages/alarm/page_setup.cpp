#include "pages/alarm/page_setup.h"

#include <cstdio>

#include "resources/control_styles.h"
#include "ui/placement.h"
#include "ui/skin_values.h"
#include "ui/text_resources.h"

namespace vela::pages::alarm {

namespace {

using resources::ControlKind;
using resources::ControlTemplate;

constexpr char kButtonBitmap[] = "NormalBtn";
// The group boxes' caption font: the system face at 10 points.
constexpr char kGroupFontFace[] = "System";
constexpr int kGroupFontTenths = 100;
constexpr int kGroupFontCharSet = 1;
constexpr int kGroupLineWidth = 2;

bool IsSkinButton(const ControlTemplate& row) {
    return row.kind == ControlKind::PushButton &&
           (row.style & resources::kBsTypeMask) == resources::kBsOwnerDraw;
}

const ControlTemplate* RowOfKey(const resources::DialogTemplate& dialog, const std::string& key) {
    for (size_t i = 0; i < dialog.controlCount; ++i)
        if (key == dialog.controls[i].key) return &dialog.controls[i];
    return nullptr;
}

std::string Caption(const resources::DialogTemplate& dialog, const char* captionKey) {
    return ui::ReadIniText(ui::g_ResourcePaths.staticButtonTextFile, dialog.section, captionKey, "",
                           ui::kCaptionCapacity);
}

}  // namespace

int ControlId(const resources::DialogTemplate& dialog, const std::string& key) {
    const ControlTemplate* row = RowOfKey(dialog, key);
    return row ? row->id : 0;
}

void PlaceTemplateControls(ui::Dialog& page, const resources::DialogTemplate& dialog) {
    const std::string& positions = ui::g_ResourcePaths.controlPosFile;
    for (size_t i = 0; i < dialog.controlCount; ++i) {
        const ControlTemplate& row = dialog.controls[i];
        if (!IsSkinButton(row))
            ui::PlaceDlgItem(page.GetSafeHwnd(), row.id, row.key, dialog.section, positions);
    }
}

bool ApplyLabels(ui::Dialog& page, const resources::DialogTemplate& dialog,
                 const std::vector<LabelRule>& rules) {
    for (size_t i = 0; i < dialog.controlCount; ++i) {
        const ControlTemplate& row = dialog.controls[i];
        if (row.kind == ControlKind::Static)
            ui::Window(page.GetDlgItem(row.id)).SetWindowText(Caption(dialog, row.caption));
    }
    const std::string& positions = ui::g_ResourcePaths.controlPosFile;
    if (!ui::LabelsAligned(dialog.section, positions)) return false;
    for (const LabelRule& rule : rules) {
        const platform::WindowHandle label = page.GetDlgItem(ControlId(dialog, rule.label));
        if (!label) continue;
        if (rule.side == LabelSide::kLeft)
            ui::AlignLabelLeft(label, rule.control, dialog.section, positions, ui::kLabelGap);
        else
            ui::AlignLabelRight(label, rule.control, dialog.section, positions, ui::kLabelGap);
    }
    return true;
}

void SetUpSkinButton(ui::Dialog& page, const resources::DialogTemplate& dialog,
                     ui::CSkinButton& button, const std::string& key) {
    const ControlTemplate* row = RowOfKey(dialog, key);
    if (!row || !button.AttachToDialogItem(page, row->id)) return;
    const ui::ResourcePaths& paths = ui::g_ResourcePaths;
    const ui::SkinSettings& skin = ui::g_SkinSettings;
    ui::LoadButtonBitmaps(button, kButtonBitmap, paths.languageFolder);
    ui::PlaceButton(button, key, dialog.section, paths.controlPosFile);
    button.SetTextFont(skin.otherButtonFontHeight, skin.otherButtonFontWidth, skin.buttonFontName,
                       skin.otherButtonTextColor, skin.otherButtonDownTextColor, skin.buttonCharSet,
                       skin.buttonFontWeight);
    button.SetWindowText(Caption(dialog, row->caption));
}

void SetUpGroupBox(ui::Dialog& page, const resources::DialogTemplate& dialog,
                   ui::CSkinGroupBox& box, const std::string& key) {
    const ControlTemplate* row = RowOfKey(dialog, key);
    if (!row || !box.AttachToDialogItem(page, row->id)) return;
    const ui::SkinSettings& skin = ui::g_SkinSettings;
    ui::Font font;
    font.face = kGroupFontFace;
    font.height = kGroupFontTenths;
    font.weight = skin.buttonFontWeight;
    font.charset = kGroupFontCharSet;
    box.SetFont(&font);
    box.SetFrameStyle(ui::CSkinGroupBox::kFrameSingle);
    box.SetText(Caption(dialog, row->caption), false);
    box.SetLineWidth(kGroupLineWidth);
    box.SetAlignment(ui::CSkinGroupBox::kAlignCentre);
    box.SetColors(skin.groupPrimaryColor, skin.groupHighlightColor, false);
    box.SetTextColor(skin.groupTextColor, false);
}

std::vector<int> PaintedLabelIds(const resources::DialogTemplate& dialog) {
    std::vector<int> ids;
    for (size_t i = 0; i < dialog.controlCount; ++i) {
        const ControlTemplate& row = dialog.controls[i];
        if (row.kind == ControlKind::Static || row.kind == ControlKind::CheckBox)
            ids.push_back(row.id);
    }
    return ids;
}

void FillNumbers(ui::ComboBox& list, int count) {
    for (int i = 0; i < count; ++i) list.SetItemData(list.AddString(std::to_string(i + 1)), i);
}

void FillKeyed(ui::ComboBox& list, const char* section, const char* keyFormat, int count) {
    for (int i = 0; i < count; ++i) {
        char key[64];
        std::snprintf(key, sizeof key, keyFormat, i);
        const std::string text = ui::ReadIniText(ui::g_ResourcePaths.textResFile, section, key, "",
                                                 ui::kListEntryCapacity);
        list.SetItemData(list.AddString(text), i);
    }
}

void AddKeyed(ui::ComboBox& list, const char* section, const char* key, int value) {
    const std::string text =
        ui::ReadIniText(ui::g_ResourcePaths.textResFile, section, key, "", ui::kMessageCapacity);
    list.SetItemData(list.AddString(text), value);
}

}  // namespace vela::pages::alarm
