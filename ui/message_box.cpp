#include "ui/message_box.h"

namespace vela::ui {

namespace {
DialogAnswers* g_pAnswers = nullptr;  // UI thread only
}

void SetDialogAnswers(DialogAnswers* answers) {
    g_pAnswers = answers;
}

platform::MessageAnswer ShowMessage(platform::WindowHandle owner, const std::string& text,
                                    const std::string& caption, platform::MessageButtons buttons) {
    if (g_pAnswers) return g_pAnswers->AnswerMessage(text, caption, buttons);
    return platform::TheWindowSystem().ShowMessageBox(owner, text, caption, buttons);
}

std::optional<std::string> AskOpenFile(platform::WindowHandle owner, const std::string& filter,
                                       const std::string& initialName) {
    if (g_pAnswers) return g_pAnswers->AnswerOpenFile(filter);
    return platform::TheWindowSystem().OpenFileDialog(owner, filter, initialName);
}

}  // namespace vela::ui
