#include "ui/console_script.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/diag_log.h"
#include "platform/kernel.h"
#include "platform/shell.h"
#include "ui/control_dump.h"

namespace vela::ui {

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::WindowHandle;
using platform::WindowKind;

namespace {

constexpr int kMaxWaitMs = 600000;     // "wait": ten minutes at most
constexpr uint32_t kWaitSliceMs = 10;  // how often a waiting script takes posted messages

platform::WindowSystem& System() {
    return platform::TheWindowSystem();
}

std::string Clean(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\t' || c == '\n') {
            out += ' ';
        } else if (c != '\r') {
            out += c;
        }
    }
    return out;
}

// The first word and the rest after one blank.
std::pair<std::string, std::string> SplitWord(const std::string& text) {
    const size_t blank = text.find(' ');
    if (blank == std::string::npos) return {text, std::string()};
    return {text.substr(0, blank), text.substr(blank + 1)};
}

bool ParseInt(const std::string& text, int& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    const long number = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || number < -1000000 || number > 1000000) return false;
    value = static_cast<int>(number);
    return true;
}

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

const char* ButtonsName(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok:
            return "ok";
        case MessageButtons::OkCancel:
            return "okcancel";
        case MessageButtons::YesNo:
            return "yesno";
    }
    return "ok";
}

const char* AnswerName(MessageAnswer answer) {
    switch (answer) {
        case MessageAnswer::Ok:
            return "ok";
        case MessageAnswer::Cancel:
            return "cancel";
        case MessageAnswer::Yes:
            return "yes";
        case MessageAnswer::No:
            return "no";
    }
    return "cancel";
}

// Digits only, at most `maxDigits` of them, ending at `stop` (or the end of the text).
bool TakeNumber(const std::string& text, size_t& at, char stop, size_t maxDigits, int& value) {
    const size_t first = at;
    value = 0;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9' && at - first < maxDigits) {
        value = value * 10 + (text[at++] - '0');
    }
    if (at == first) return false;
    if (stop == '\0') return at == text.size();
    if (at >= text.size() || text[at] != stop) return false;
    ++at;
    return true;
}

bool ParseAddress(const std::string& text, uint32_t& address) {
    size_t at = 0;
    address = 0;
    for (int field = 0; field < 4; ++field) {
        int octet = 0;
        if (!TakeNumber(text, at, field < 3 ? '.' : '\0', 3, octet) || octet > 255) return false;
        address = (address << 8) | static_cast<uint32_t>(octet);
    }
    return true;
}

bool ParseTime(const std::string& text, int& hour, int& minute) {
    size_t at = 0;
    return TakeNumber(text, at, ':', 2, hour) && TakeNumber(text, at, '\0', 2, minute) &&
           hour <= 23 && minute <= 59;
}

platform::Point Centre(WindowHandle window) {
    const platform::Rect r = System().GetClientRect(window);
    return {r.Width() / 2, r.Height() / 2};
}

}  // namespace

ScriptSession::ScriptSession(const std::string& scriptPath, const std::string& transcriptPath)
    : m_strTranscriptPath(transcriptPath) {
    if (!scriptPath.empty()) {
        std::ifstream in(scriptPath);
        int number = 0;
        for (std::string text; std::getline(in, text);) {
            ++number;
            if (!text.empty() && text.back() == '\r') text.pop_back();
            if (text.empty() || text[0] == '#') continue;
            m_arrLines.push_back({number, text});
        }
    }
    if (!m_strTranscriptPath.empty())
        std::ofstream(m_strTranscriptPath, std::ios::binary | std::ios::trunc);
    AddGenericCommands();
    SetDialogAnswers(this);
    platform::SetUrlObserver([this](const std::string& url) { Transcript({"url", url}); });
    System().SetModalHook([this](WindowHandle dialog) { RunModalLoop(dialog); });
}

ScriptSession::~ScriptSession() {
    System().SetModalHook(nullptr);
    platform::SetUrlObserver(nullptr);
    SetDialogAnswers(nullptr);
}

std::unique_ptr<ScriptSession> ScriptSession::FromEnvironment() {
    const char* script = std::getenv(kScriptVariable);
    const char* transcript = std::getenv(kTranscriptVariable);
    if (!script && !transcript) return nullptr;
    return std::make_unique<ScriptSession>(script ? script : "", transcript ? transcript : "");
}

void ScriptSession::AddCommand(const std::string& name, Command command) {
    m_mapCommands[name] = std::move(command);
}

WindowHandle ScriptSession::ModalDialog() const {
    return m_arrModalStack.empty() ? nullptr : m_arrModalStack.back();
}

WindowHandle ScriptSession::OutermostDialog() const {
    return m_arrModalStack.empty() ? nullptr : m_arrModalStack.front();
}

std::vector<WindowHandle> ScriptSession::ScopeDialogs() const {
    if (m_fnScope) return m_fnScope();
    std::vector<WindowHandle> dialogs;
    for (auto it = m_arrModalStack.rbegin(); it != m_arrModalStack.rend(); ++it) {
        for (WindowHandle dialog : ShownDialogTree(*it)) dialogs.push_back(dialog);
    }
    return dialogs;
}

WindowHandle ScriptSession::FindControl(const std::string& name) const {
    return FindNamedControl(ScopeDialogs(), name);
}

void ScriptSession::Transcript(const std::vector<std::string>& fields) {
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i) line += (i ? "\t" : "") + Clean(fields[i]);
    if (!m_strTranscriptPath.empty()) {
        std::ofstream(m_strTranscriptPath, std::ios::binary | std::ios::app) << line << '\n';
    }
    platform::g_DiagLog.Write("%s", line.c_str());
}

// A modal dialog runs the script until the script ends, stops on an error, or the dialog is
// closed by one of its commands; a nested dialog thus takes the lines meant for it.
void ScriptSession::RunModalLoop(WindowHandle dialog) {
    m_arrModalStack.push_back(dialog);
    while (!m_bStopped && m_nNext < m_arrLines.size() && System().IsWindow(dialog) &&
           System().IsVisible(dialog)) {
        RunLine(m_arrLines[m_nNext++]);
        System().PumpMessages();
    }
    m_arrModalStack.pop_back();
}

void ScriptSession::RunLine(const Line& line) {
    const auto [name, arguments] = SplitWord(line.text);
    auto found = m_mapCommands.find(name);
    const std::string reason =
        found == m_mapCommands.end() ? "unknown command " + name : found->second(*this, arguments);
    if (reason.empty()) return;
    Transcript({"error", std::to_string(line.number), reason});
    m_bStopped = true;
}

MessageAnswer ScriptSession::AnswerMessage(const std::string& text, const std::string& caption,
                                           MessageButtons buttons) {
    // The safe choice, unless the script's next reply is one these buttons offer.
    MessageAnswer answer = buttons == MessageButtons::Ok         ? MessageAnswer::Ok
                           : buttons == MessageButtons::OkCancel ? MessageAnswer::Cancel
                                                                 : MessageAnswer::No;
    if (!m_dqReplies.empty()) {
        const std::string reply = m_dqReplies.front();
        m_dqReplies.pop_front();
        if (buttons == MessageButtons::OkCancel && (reply == "ok" || reply == "cancel")) {
            answer = reply == "ok" ? MessageAnswer::Ok : MessageAnswer::Cancel;
        } else if (buttons == MessageButtons::YesNo && (reply == "yes" || reply == "no")) {
            answer = reply == "yes" ? MessageAnswer::Yes : MessageAnswer::No;
        }
    }
    Transcript({"message", caption, text, ButtonsName(buttons), AnswerName(answer)});
    return answer;
}

std::optional<std::string> ScriptSession::AnswerOpenFile(const std::string& filter) {
    std::optional<std::string> answer;
    if (!m_dqFiles.empty()) {
        answer = m_dqFiles.front();
        m_dqFiles.pop_front();
    }
    Transcript({"file", filter, answer ? *answer : "cancel"});
    return answer;
}

void ScriptSession::AddGenericCommands() {
    auto control = [](ScriptSession& s, const std::string& name, WindowHandle& out) {
        out = s.FindControl(name);
        return out ? std::string() : "no control " + name;
    };

    AddCommand("set", [control](ScriptSession& s, const std::string& args) {
        const auto [key, text] = SplitWord(args);
        WindowHandle w = nullptr;
        if (std::string e = control(s, key, w); !e.empty()) return e;
        switch (System().GetKind(w)) {
            case WindowKind::Edit:
            case WindowKind::ComboBox:
                System().TypeText(w, text);
                return std::string();
            case WindowKind::IpAddress: {
                uint32_t address = 0;
                if (!ParseAddress(text, address)) return "not an address: " + text;
                System().EnterAddress(w, address);
                return std::string();
            }
            case WindowKind::TimePicker: {
                int hour = 0, minute = 0;
                if (!ParseTime(text, hour, minute)) return "not a time: " + text;
                System().EnterTime(w, hour, minute);
                return std::string();
            }
            default:
                return key + " takes no text";
        }
    });
    AddCommand("select", [control](ScriptSession& s, const std::string& args) {
        const auto words = Words(args);
        int index = 0;
        if (words.size() != 2 || !ParseInt(words[1], index)) return std::string("select KEY N");
        WindowHandle w = nullptr;
        if (std::string e = control(s, words[0], w); !e.empty()) return e;
        if (System().GetKind(w) != WindowKind::ComboBox) return words[0] + " is no combo box";
        if (index < 0 || index >= System().GetCount(w)) return "no entry " + words[1];
        System().ChooseEntry(w, index);
        return std::string();
    });
    AddCommand("check", [control](ScriptSession& s, const std::string& args) {
        const auto words = Words(args);
        if (words.size() != 2 || (words[1] != "0" && words[1] != "1")) {
            return std::string("check KEY 0|1");
        }
        WindowHandle w = nullptr;
        if (std::string e = control(s, words[0], w); !e.empty()) return e;
        const WindowKind kind = System().GetKind(w);
        if (kind != WindowKind::CheckBox && kind != WindowKind::RadioButton) {
            return words[0] + " is no check box";
        }
        if (System().GetCheck(w) != (words[1] == "1" ? 1 : 0)) System().Click(w);
        return std::string();
    });
    AddCommand("click", [control](ScriptSession& s, const std::string& args) {
        WindowHandle w = nullptr;
        if (std::string e = control(s, args, w); !e.empty()) return e;
        System().Click(w);
        return std::string();
    });
    AddCommand("row", [control](ScriptSession& s, const std::string& args) {
        const auto words = Words(args);
        int row = 0;
        if (words.size() != 2 || !ParseInt(words[1], row)) return std::string("row KEY N");
        WindowHandle w = nullptr;
        if (std::string e = control(s, words[0], w); !e.empty()) return e;
        if (System().GetKind(w) != WindowKind::ListView) return words[0] + " is no list";
        if (row < -1 || row >= System().GetItemCount(w)) return "no row " + words[1];
        System().ClickRow(w, row);
        return std::string();
    });
    AddCommand("drag", [control](ScriptSession& s, const std::string& args) {
        const auto words = Words(args);
        int v[4] = {};
        if (words.size() != 5) return std::string("drag KEY X1 Y1 X2 Y2");
        for (int i = 0; i < 4; ++i) {
            if (!ParseInt(words[static_cast<size_t>(i) + 1], v[i]))
                return "not a number: " + words[i + 1];
        }
        WindowHandle w = nullptr;
        if (std::string e = control(s, words[0], w); !e.empty()) return e;
        System().SendMouse(w, platform::EventKind::MouseDown, {v[0], v[1]});
        if (System().IsWindow(w))
            System().SendMouse(w, platform::EventKind::MouseMove, {v[2], v[3]});
        if (System().IsWindow(w)) System().SendMouse(w, platform::EventKind::MouseUp, {v[2], v[3]});
        return std::string();
    });
    for (const char* name : {"press", "release"}) {
        const auto kind = std::string(name) == "press" ? platform::EventKind::MouseDown
                                                       : platform::EventKind::MouseUp;
        AddCommand(name, [control, kind](ScriptSession& s, const std::string& args) {
            WindowHandle w = nullptr;
            if (std::string e = control(s, args, w); !e.empty()) return e;
            System().SendMouse(w, kind, Centre(w));
            return std::string();
        });
    }
    AddCommand("reply", [](ScriptSession& s, const std::string& args) {
        if (args != "ok" && args != "cancel" && args != "yes" && args != "no") {
            return std::string("reply ok|cancel|yes|no");
        }
        s.m_dqReplies.push_back(args);
        return std::string();
    });
    AddCommand("file", [](ScriptSession& s, const std::string& args) {
        if (args.empty()) return std::string("file PATH");
        s.m_dqFiles.push_back(args);
        return std::string();
    });
    AddCommand("snapshot", [](ScriptSession& s, const std::string& args) {
        if (args.empty()) return std::string("snapshot PATH");
        if (!System().Snapshot(s.OutermostDialog(), args)) return "cannot write " + args;
        return std::string();
    });
    AddCommand("dump", [](ScriptSession& s, const std::string& args) {
        if (args.empty()) return std::string("dump PATH");
        std::ofstream out(args, std::ios::binary | std::ios::trunc);
        if (!out) return "cannot write " + args;
        for (const NamedControl& c : ListNamedControls(s.ScopeDialogs()))
            out << DumpLine(c) << '\n';
        return out ? std::string() : "cannot write " + args;
    });
    // Time passes as for a person who waits: what other threads post arrives meanwhile.
    AddCommand("wait", [](ScriptSession&, const std::string& args) {
        int ms = 0;
        if (!ParseInt(args, ms) || ms < 0 || ms > kMaxWaitMs) return std::string("wait MS");
        const uint32_t start = platform::TickCount();
        for (uint32_t passed = 0; passed < static_cast<uint32_t>(ms);
             passed = platform::TickCount() - start) {
            platform::SleepMs(std::min<uint32_t>(kWaitSliceMs, static_cast<uint32_t>(ms) - passed));
            System().PumpMessages();
        }
        return std::string();
    });
    AddCommand("expect", [control](ScriptSession& s, const std::string& args) {
        const auto [key, text] = SplitWord(args);
        WindowHandle w = nullptr;
        if (std::string e = control(s, key, w); !e.empty()) return e;
        const std::string actual = System().GetText(w);
        if (actual != text) return key + " is \"" + actual + "\", not \"" + text + "\"";
        return std::string();
    });
}

}  // namespace vela::ui
