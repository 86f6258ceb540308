#include "tests/device/log_capture.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/diag_log.h"

namespace vela::device::testing {

LogCapture::LogCapture(const std::string& name) {
    const auto folder = std::filesystem::temp_directory_path() / ("vela-device-log-" + name);
    std::filesystem::create_directories(folder);
    m_strFolder = folder.string();
    const std::string settings = (folder / "SysPara.ini").string();
    m_strLogPath = (folder / "VelaSetupDll.txt").string();
    std::ofstream(settings) << "[OutputInfoToFile]\nToFile=1\nOverride=1\n";
    platform::g_DiagLog.Open(m_strLogPath, settings);
}

LogCapture::~LogCapture() {
    // Opening with logging off closes the file, so the folder can go.
    const std::string none = (std::filesystem::path(m_strFolder) / "none.ini").string();
    platform::g_DiagLog.Open(m_strLogPath, none);
    std::error_code ignored;
    std::filesystem::remove_all(m_strFolder, ignored);
}

std::string LogCapture::Text() const {
    std::ifstream file(m_strLogPath, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

bool LogCapture::Contains(const std::string& line) const {
    return Text().find("\t" + line + "\r\n") != std::string::npos;
}

}  // namespace vela::device::testing
