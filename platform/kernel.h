// Kernel services: the plug-in's only way to the operating system besides sockets, the shell
// and the window system. Implemented in posix/ and win32/.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace vela::platform {

// Path separator of this platform; paths are composed with it ("%s\SysPara.ini" on Windows).
char PathSeparator();
std::string JoinPath(const std::string& folder, const std::string& name);

// --- INI files, with the behaviour of GetPrivateProfileStringA / GetPrivateProfileIntA ---
// Windows calls the system functions; POSIX has its own reader that behaves the same:
// case-insensitive sections and keys, blanks around keys and values trimmed, one pair of
// surrounding quotes removed, the first matching section and key win, a value cut to
// capacity - 1 bytes, a missing file or key giving the default.
std::string ReadProfileString(const std::string& file, const std::string& section,
                              const std::string& key, const std::string& fallback, size_t capacity);
int ReadProfileInt(const std::string& file, const std::string& section, const std::string& key,
                   int fallback);

// --- Files and folders ---
// Folder of the running executable (the host program, not the plug-in), no trailing separator.
// An executable path without any separator gives the empty text.
std::string HostFolder();
// True when the exact path names an existing directory (a find-first look-up on Windows).
bool DirectoryExists(const std::string& path);
// True when the exact path names an existing file that is not a directory (a plain file
// search on Windows, no wildcards).
bool FileExists(const std::string& path);
// Creates one directory; an existing one or a failure is reported as false, never thrown.
bool CreateFolder(const std::string& path);

// --- Dynamic libraries ---
class Library {
  public:
    virtual ~Library() = default;
    virtual void* Symbol(const char* name) const = 0;
    // Entry point by export ordinal. POSIX libraries have no ordinals: there the library's
    // exported resolver function (named at Open) maps the ordinal to the entry point.
    virtual void* Ordinal(int ordinal) const = 0;
};
// Opens a library by file name or path (null when it cannot be loaded). ordinalResolver names
// the POSIX resolver export, e.g. "NetSDK_GetProcAddress"; Windows ignores it.
std::unique_ptr<Library> OpenLibrary(const std::string& path,
                                     const char* ordinalResolver = nullptr);
// Library file name for a base name: "NetSDK" -> "NetSDK.dll" or "libNetSDK.so".
std::string LibraryFileName(const std::string& base);

// --- Lock (a critical section) ---
class Lock {
  public:
    Lock();
    ~Lock();
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;
    void Enter();
    void Leave();

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

class LockGuard {
  public:
    explicit LockGuard(Lock& lock) : lock_(lock) { lock_.Enter(); }
    ~LockGuard() { lock_.Leave(); }
    LockGuard(const LockGuard&) = delete;
    LockGuard& operator=(const LockGuard&) = delete;

  private:
    Lock& lock_;
};

// --- Time ---
uint32_t TickCount();  // milliseconds since an arbitrary start, wrapping at 2^32

struct LocalTime {
    int year;     // full year
    int month;    // 1-12
    int day;      // 1-31
    int weekday;  // 0 = Sunday
    int hour, minute, second;
};
LocalTime Now();

void SleepMs(uint32_t ms);

}  // namespace vela::platform
