#include "tests/window_system/recording_sink.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "platform/bytes.h"

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

platform::Color Bmp::At(int x, int y) const {
    const size_t row = static_cast<size_t>(height - 1 - y);
    const size_t at = pixelOffset + (row * static_cast<size_t>(width) + static_cast<size_t>(x)) * 4;
    return platform::Rgb(bytes[at + 2], bytes[at + 1], bytes[at]);
}

bool ReadBmp(const std::string& path, Bmp& bmp) {
    std::ifstream in(path, std::ios::binary);
    bmp.bytes.assign(std::istreambuf_iterator<char>(in), {});
    if (bmp.bytes.size() < 54 || bmp.bytes[0] != 'B' || bmp.bytes[1] != 'M') return false;
    bmp.pixelOffset = ReadU32(bmp.bytes.data(), 10);
    bmp.width = ReadI32(bmp.bytes.data(), 18);
    bmp.height = ReadI32(bmp.bytes.data(), 22);
    bmp.bitsPerPixel = ReadU16(bmp.bytes.data(), 28);
    return bmp.width > 0 && bmp.height > 0 && bmp.bitsPerPixel == 32 &&
           bmp.pixelOffset + static_cast<size_t>(bmp.width) * static_cast<size_t>(bmp.height) * 4 <=
               bmp.bytes.size();
}

}  // namespace vela::wstest
