// The plug-in's diagnostic log: one time-stamped text line per event, off unless the host's
// SysPara.ini switches it on, wrapping to the file's start near 5 MiB. Every layer writes to the
// one process-wide instance g_DiagLog, from any thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/kernel.h"

#if defined(__GNUC__)
#define VELA_PRINTF_FORMAT(fmt, args) __attribute__((format(printf, fmt, args)))
#else
#define VELA_PRINTF_FORMAT(fmt, args)
#endif

namespace vela::platform {

class CDiagLog {
  public:
    // Written bytes at which the next line starts over at the beginning of the file.
    static constexpr int32_t kWrapSize = 0x500000;
    // A formatted message longer than this is cut to it.
    static constexpr size_t kMessageCapacity = 4096;
    static constexpr char kWrapNotice[] =
        "***********OUT MAX LEN SEEK TO BEGIN************\r\n\r\n";
    static constexpr char kAppendBanner[] = "\r\n\r\n\r\nNEW WRITE BEGIN\r\n";

    CDiagLog() = default;
    ~CDiagLog();
    CDiagLog(const CDiagLog&) = delete;
    CDiagLog& operator=(const CDiagLog&) = delete;

    // UI thread, at start-up before any other thread writes. Reads [OutputInfoToFile] "ToFile"
    // and "Override" from settingsPath; opens logPath when logging is on. A second Open (after
    // UnInit and Init) closes the previous file first. Failures leave the log closed, silently.
    void Open(const std::string& logPath, const std::string& settingsPath);

    // Any thread. Appends "HH:MM:SS\t" + message + CR LF; always 0, callers ignore it.
    int Write(const char* format, ...) VELA_PRINTF_FORMAT(2, 3);

    // Any thread.
    bool IsOpen() const;

  private:
    void CloseFile();

    int32_t m_bToFile = 0;
    int32_t m_bOverride = 1;
    int32_t m_nWritten = 0;
    std::FILE* m_pFile = nullptr;
    mutable Lock m_lock;  // serialises Open, the wrap check, formatting and the write
};

// Lives for the whole process; UnInit does not close it.
extern CDiagLog g_DiagLog;

}  // namespace vela::platform
