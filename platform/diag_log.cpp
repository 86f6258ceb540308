#include "platform/diag_log.h"

#include <cstdarg>
#include <cstring>

namespace vela::platform {

namespace {

constexpr char kSection[] = "OutputInfoToFile";
constexpr size_t kTimeStampCapacity = 16;  // "HH:MM:SS\t" and its zero
constexpr char kLineEnd[] = "\r\n";
constexpr size_t kLineEndLength = sizeof(kLineEnd) - 1;

static_assert(sizeof(CDiagLog::kWrapNotice) - 1 == 52, "the wrap notice is 52 characters");

void WriteBytes(std::FILE* file, const char* data, size_t length) {
    std::fwrite(data, 1, length, file);
    std::fflush(file);
}

}  // namespace

CDiagLog g_DiagLog;

CDiagLog::~CDiagLog() {
    CloseFile();
}

void CDiagLog::CloseFile() {
    if (m_pFile) std::fclose(m_pFile);
    m_pFile = nullptr;
}

void CDiagLog::Open(const std::string& logPath, const std::string& settingsPath) {
    LockGuard guard(m_lock);
    CloseFile();
    m_nWritten = 0;
    m_bToFile = ReadProfileInt(settingsPath, kSection, "ToFile", 0);
    m_bOverride = ReadProfileInt(settingsPath, kSection, "Override", 1);
    if (m_bToFile == 0) return;

    // Binary mode keeps CR LF as written; "r+" rather than "a" so that a wrap can move back to
    // the start. The C runtime opens files shared for reading and writing.
    m_pFile = m_bOverride != 0 ? std::fopen(logPath.c_str(), "w+b") : nullptr;
    if (!m_pFile && m_bOverride == 0) {
        m_pFile = std::fopen(logPath.c_str(), "r+b");
        if (!m_pFile) m_pFile = std::fopen(logPath.c_str(), "w+b");
    }
    if (!m_pFile) return;
    std::setvbuf(m_pFile, nullptr, _IONBF, 0);

    std::fseek(m_pFile, 0, SEEK_END);
    if (std::ftell(m_pFile) > 0) {
        WriteBytes(m_pFile, kAppendBanner, sizeof(kAppendBanner) - 1);
        long length = std::ftell(m_pFile);
        m_nWritten = length > kWrapSize ? kWrapSize : static_cast<int32_t>(length);
    }
}

bool CDiagLog::IsOpen() const {
    LockGuard guard(m_lock);
    return m_pFile != nullptr;
}

int CDiagLog::Write(const char* format, ...) {
    LockGuard guard(m_lock);
    if (!m_pFile || m_bToFile == 0) return 0;

    if (m_nWritten >= kWrapSize) {
        std::fseek(m_pFile, 0, SEEK_SET);
        WriteBytes(m_pFile, kWrapNotice, sizeof(kWrapNotice) - 1);
        m_nWritten = static_cast<int32_t>(sizeof(kWrapNotice) - 1);
    }

    // One buffer per line: time stamp, the message cut to its capacity, CR LF.
    char line[kTimeStampCapacity + kMessageCapacity + kLineEndLength + 1];
    LocalTime now = Now();
    int stamp = std::snprintf(line, kTimeStampCapacity, "%02d:%02d:%02d\t", now.hour, now.minute,
                              now.second);
    size_t length = stamp > 0 ? std::strlen(line) : 0;

    char* message = line + length;
    va_list args;
    va_start(args, format);
    int formatted = std::vsnprintf(message, kMessageCapacity + 1, format, args);
    va_end(args);
    if (formatted < 0) message[0] = '\0';
    message[kMessageCapacity] = '\0';  // some C runtimes leave a cut text unterminated
    length += std::strlen(message);

    std::memcpy(line + length, kLineEnd, kLineEndLength);
    length += kLineEndLength;
    WriteBytes(m_pFile, line, length);
    m_nWritten += static_cast<int32_t>(length);
    return 0;
}

}  // namespace vela::platform
