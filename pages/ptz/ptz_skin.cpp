#include "pages/ptz/ptz_skin.h"

#include "ui/placement.h"
#include "ui/skin_values.h"
#include "ui/text_resources.h"

namespace vela::pages::ptz {

namespace {

const resources::DialogTemplate& TemplateOf(const ui::Dialog& dialog) {
    return *dialog.Template();
}

}  // namespace

const char* KeyOf(const resources::DialogTemplate& dialog, int id) {
    const resources::ControlTemplate* row = resources::FindControl(dialog, id);
    return row ? row->key : "";
}

const char* CaptionKeyOf(const resources::DialogTemplate& dialog, int id) {
    const resources::ControlTemplate* row = resources::FindControl(dialog, id);
    return row ? row->caption : "";
}

void PlaceItems(ui::Dialog& dialog, const int* ids, size_t count) {
    const resources::DialogTemplate& form = TemplateOf(dialog);
    for (size_t i = 0; i < count; ++i)
        ui::PlaceDlgItem(dialog.GetSafeHwnd(), ids[i], KeyOf(form, ids[i]), form.section,
                         ui::g_ResourcePaths.controlPosFile);
}

void SetUpSkinButton(ui::Dialog& dialog, ui::CSkinButton& button, const SkinButtonRow& row) {
    const resources::DialogTemplate& form = TemplateOf(dialog);
    const ui::ResourcePaths& paths = ui::g_ResourcePaths;
    const ui::SkinSettings& skin = ui::g_SkinSettings;
    button.AttachToDialogItem(dialog, row.id);
    ui::LoadButtonBitmaps(button, row.bitmapBase, paths.languageFolder);
    ui::PlaceButton(button, KeyOf(form, row.id), form.section, paths.controlPosFile);
    button.SetTextFont(skin.otherButtonFontHeight, skin.otherButtonFontWidth, skin.buttonFontName,
                       skin.otherButtonTextColor, skin.otherButtonDownTextColor, skin.buttonCharSet,
                       skin.buttonFontWeight);
    button.SetWindowText(CaptionText(form.section, CaptionKeyOf(form, row.id)));
}

void ApplyLabels(ui::Dialog& dialog, const LabelRow* labels, size_t count) {
    const resources::DialogTemplate& form = TemplateOf(dialog);
    const std::string& positions = ui::g_ResourcePaths.controlPosFile;
    for (size_t i = 0; i < count; ++i)
        ui::PlaceDlgItem(dialog.GetSafeHwnd(), labels[i].id, KeyOf(form, labels[i].id),
                         form.section, positions);
    const bool align = ui::LabelsAligned(form.section, positions);
    for (size_t i = 0; i < count; ++i) {
        const platform::WindowHandle label = dialog.GetDlgItem(labels[i].id);
        if (align && labels[i].side == LabelSide::kLeft)
            ui::AlignLabelLeft(label, labels[i].controlKey, form.section, positions, ui::kLabelGap);
        else if (align)
            ui::AlignLabelRight(label, labels[i].controlKey, form.section, positions,
                                ui::kLabelGap);
        ui::Window::System().SetText(label,
                                     CaptionText(form.section, CaptionKeyOf(form, labels[i].id)));
    }
}

std::string CaptionText(const char* section, const std::string& key) {
    return ui::ReadIniText(ui::g_ResourcePaths.staticButtonTextFile, section, key, "",
                           ui::kCaptionCapacity);
}

std::string ListText(const std::string& key) {
    return ui::ReadIniText(ui::g_ResourcePaths.textResFile, kListTextSection, key, "",
                           ui::kListEntryCapacity);
}

std::string NumberText(int value) {
    return std::to_string(value);
}

void CreateReportColumns(ui::ListView& list, const std::string* headings, int count) {
    constexpr int kColumnsPerList = 3;
    const int width = list.GetClientRect().Width() / kColumnsPerList;
    for (int column = 0; column < count; ++column)
        list.InsertColumn(column, headings[column], platform::kLvcfmtLeft, width);
    list.SetExtendedStyle(platform::kLvsExGridLines | platform::kLvsExFullRowSelect);
}

int FindExactEntry(const ui::ComboBox& combo, const std::string& text) {
    for (int i = 0; i < combo.GetCount(); ++i)
        if (combo.GetLBText(i) == text) return i;
    return -1;
}

}  // namespace vela::pages::ptz
