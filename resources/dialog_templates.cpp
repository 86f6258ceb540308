#include <array>

#include "resources/templates.h"

namespace vela::resources {
namespace {

// Kept in id order.
const std::array<const DialogTemplate*, 3> kAllTemplates = {
    &kConsoleTemplate,
    &kPlayWindowTemplate,
    &kTestDialogTemplate,
};

}  // namespace

const DialogTemplate* FindDialogTemplate(int id) {
    for (const DialogTemplate* dialog : kAllTemplates) {
        if (dialog->id == id) return dialog;
    }
    return nullptr;
}

size_t DialogTemplateCount() {
    return kAllTemplates.size();
}

const DialogTemplate& DialogTemplateAt(size_t index) {
    return *kAllTemplates.at(index);
}

const ControlTemplate* FindControl(const DialogTemplate& dialog, int controlId) {
    for (size_t i = 0; i < dialog.controlCount; ++i) {
        if (dialog.controls[i].id == controlId) return &dialog.controls[i];
    }
    return nullptr;
}

}  // namespace vela::resources
