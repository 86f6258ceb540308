// The scripted console: while a ScriptSession lives, every modal loop runs the next lines of
// the script instead of waiting for a person, message boxes and file dialogs take their answers
// from it, and each of them, each opened URL and each script error becomes one transcript line
// (also written to the diagnostic log).
//
// Script: one command a line; blank lines and lines starting with '#' are skipped. The
// commands are a table: the generic ones are built in, the console adds its own (AddCommand).
// UI thread only. Lifetime: install one session around the modal console; its destructor
// removes the hooks.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/window_system.h"
#include "ui/message_box.h"

namespace vela::ui {

constexpr char kScriptVariable[] = "VELA_CONSOLE_SCRIPT";
constexpr char kTranscriptVariable[] = "VELA_CONSOLE_TRANSCRIPT";

class ScriptSession : public DialogAnswers {
  public:
    // A command gets the text after its name and returns the reason it failed ("" when done).
    using Command = std::function<std::string(ScriptSession&, const std::string& arguments)>;
    // The dialogs whose controls the commands may name, looked up in this order.
    using Scope = std::function<std::vector<platform::WindowHandle>()>;

    // scriptPath empty: no commands (the console closes as Esc would close it);
    // transcriptPath empty: no transcript file.
    ScriptSession(const std::string& scriptPath, const std::string& transcriptPath);
    ~ScriptSession() override;
    ScriptSession(const ScriptSession&) = delete;
    ScriptSession& operator=(const ScriptSession&) = delete;

    // The session the environment asks for, or null when it names neither file.
    static std::unique_ptr<ScriptSession> FromEnvironment();

    void AddCommand(const std::string& name, Command command);
    void SetScope(Scope scope) { m_fnScope = std::move(scope); }

    // For commands: the innermost modal dialog, the outermost one, the control named KEY or
    // Section.Key in the scope (null when none).
    platform::WindowHandle ModalDialog() const;
    platform::WindowHandle OutermostDialog() const;
    platform::WindowHandle FindControl(const std::string& name) const;
    std::vector<platform::WindowHandle> ScopeDialogs() const;

    // One tab-separated transcript line (fields are cleaned of tabs and line breaks).
    void Transcript(const std::vector<std::string>& fields);

    bool Stopped() const { return m_bStopped; }

    platform::MessageAnswer AnswerMessage(const std::string& text, const std::string& caption,
                                          platform::MessageButtons buttons) override;
    std::optional<std::string> AnswerOpenFile(const std::string& filter) override;

  private:
    struct Line {
        int number;
        std::string text;
    };
    void RunModalLoop(platform::WindowHandle dialog);
    void RunLine(const Line& line);
    void AddGenericCommands();

    std::vector<Line> m_arrLines;
    size_t m_nNext = 0;
    bool m_bStopped = false;
    std::map<std::string, Command> m_mapCommands;
    std::vector<platform::WindowHandle> m_arrModalStack;
    Scope m_fnScope;
    std::deque<std::string> m_dqReplies;
    std::deque<std::string> m_dqFiles;
    std::string m_strTranscriptPath;
};

}  // namespace vela::ui
