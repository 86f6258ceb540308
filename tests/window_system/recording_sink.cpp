#include "tests/window_system/recording_sink.h"

#include <cstdlib>

namespace vela::wstest {

using platform::EventKind;

namespace {

std::string Describe(const platform::Event& e) {
    const auto n = [](long long v) { return std::to_string(v); };
    switch (e.kind) {
        case EventKind::InitDialog:
            return "init";
        case EventKind::Command:
            return "cmd " + n(e.controlId) + " " + n(e.code);
        case EventKind::Notify:
            return "notify " + n(e.controlId) + " " + n(e.code) + " " + n(e.item);
        case EventKind::MouseDown:
            return "down " + n(e.point.x) + "," + n(e.point.y);
        case EventKind::MouseMove:
            return "move " + n(e.point.x) + "," + n(e.point.y);
        case EventKind::MouseUp:
            return "up " + n(e.point.x) + "," + n(e.point.y);
        case EventKind::KeyDown:
            return "key " + n(e.key);
        case EventKind::SysKeyDown:
            return "syskey " + n(e.key);
        case EventKind::Close:
            return "close";
        case EventKind::User:
            return "user " + n(e.code) + " " + n(e.wparam) + " " + n(e.lparam);
        case EventKind::Destroyed:
            return "destroyed";
        default:
            return {};
    }
}

}  // namespace

bool RecordingSink::PreTranslate(const platform::Event& event) {
    const std::string line = Describe(event);
    if (line.empty()) return false;
    preTranslated.push_back(line);
    return swallowInput;
}

bool RecordingSink::OnEvent(platform::Event& event) {
    const std::string line = Describe(event);
    if (!line.empty()) log.push_back(line);
    return handler ? handler(event) : false;
}

platform::WindowSystem& Ws() {
    return platform::TheWindowSystem();
}

std::string TempFile(const std::string& name) {
    const char* folder = std::getenv("TEMP");
    if (!folder) folder = std::getenv("TMPDIR");
#ifdef _WIN32
    return std::string(folder ? folder : ".") + "\\vela-ws-" + name;
#else
    return std::string(folder ? folder : "/tmp") + "/vela-ws-" + name;
#endif
}

}  // namespace vela::wstest
