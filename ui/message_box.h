// The plug-in's message boxes and file-open dialog. A scripted console installs answers
// (ScriptSession) so that nothing waits for a person; otherwise the window system shows the
// real ones. UI thread only.
#pragma once

#include <optional>
#include <string>

#include "platform/window_system.h"

namespace vela::ui {

class DialogAnswers {
  public:
    virtual ~DialogAnswers() = default;
    virtual platform::MessageAnswer AnswerMessage(const std::string& text,
                                                  const std::string& caption,
                                                  platform::MessageButtons buttons) = 0;
    virtual std::optional<std::string> AnswerOpenFile(const std::string& filter) = 0;
};

// Installs (or with null removes) the answers; the caller keeps ownership.
void SetDialogAnswers(DialogAnswers* answers);

platform::MessageAnswer ShowMessage(platform::WindowHandle owner, const std::string& text,
                                    const std::string& caption, platform::MessageButtons buttons);
// filter in MFC form "Firmware (*.bin)|*.bin||", the name the dialog starts with; nullopt
// when cancelled.
std::optional<std::string> AskOpenFile(platform::WindowHandle owner, const std::string& filter,
                                       const std::string& initialName = std::string());

}  // namespace vela::ui
