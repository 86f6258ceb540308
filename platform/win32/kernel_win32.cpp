// Windows kernel services: thin calls of the system functions kernel.h names.
#include <windows.h>

#include "platform/kernel.h"

namespace vela::platform {

char PathSeparator() {
    return '\\';
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    return folder + PathSeparator() + name;
}

std::string ReadProfileString(const std::string& file, const std::string& section,
                              const std::string& key, const std::string& fallback,
                              size_t capacity) {
    if (capacity == 0) return std::string();
    std::string buffer(capacity, '\0');
    DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(),
                                            &buffer[0], static_cast<DWORD>(capacity), file.c_str());
    buffer.resize(length < capacity ? length : capacity - 1);
    return buffer;
}

int ReadProfileInt(const std::string& file, const std::string& section, const std::string& key,
                   int fallback) {
    return static_cast<int>(
        GetPrivateProfileIntA(section.c_str(), key.c_str(), fallback, file.c_str()));
}

std::string HostFolder() {
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string full(path, length < MAX_PATH ? length : MAX_PATH - 1);
    size_t cut = full.rfind('\\');
    return cut == std::string::npos ? std::string() : full.substr(0, cut);
}

namespace {

// Find-first takes wildcards; only the exact name counts here.
bool FindExact(const std::string& path, DWORD* attributes) {
    if (path.empty() || path.find_first_of("*?") != std::string::npos) return false;
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    *attributes = found.dwFileAttributes;
    return true;
}

}  // namespace

bool DirectoryExists(const std::string& path) {
    DWORD attributes = 0;
    return FindExact(path, &attributes) && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool FileExists(const std::string& path) {
    DWORD attributes = 0;
    return FindExact(path, &attributes) && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool CreateFolder(const std::string& path) {
    return CreateDirectoryA(path.c_str(), nullptr) != 0;
}

namespace {

// Export ordinals are 16-bit; a larger number would be taken for a name pointer.
constexpr int kMaxOrdinal = 0xFFFF;

class Win32Library : public Library {
  public:
    explicit Win32Library(HMODULE module) : module_(module) {}
    ~Win32Library() override { FreeLibrary(module_); }
    void* Symbol(const char* name) const override {
        return reinterpret_cast<void*>(GetProcAddress(module_, name));
    }
    void* Ordinal(int ordinal) const override {
        if (ordinal <= 0 || ordinal > kMaxOrdinal) return nullptr;
        return reinterpret_cast<void*>(
            GetProcAddress(module_, MAKEINTRESOURCEA(static_cast<WORD>(ordinal))));
    }

  private:
    HMODULE module_;
};

}  // namespace

std::unique_ptr<Library> OpenLibrary(const std::string& path, const char* /*ordinalResolver*/) {
    HMODULE module = LoadLibraryA(path.c_str());
    if (!module) return nullptr;
    return std::make_unique<Win32Library>(module);
}

std::string LibraryFileName(const std::string& base) {
    return base + ".dll";
}

struct Lock::Impl {
    CRITICAL_SECTION section;
};
Lock::Lock() : impl_(std::make_unique<Impl>()) {
    InitializeCriticalSection(&impl_->section);
}
Lock::~Lock() {
    DeleteCriticalSection(&impl_->section);
}
void Lock::Enter() {
    EnterCriticalSection(&impl_->section);
}
void Lock::Leave() {
    LeaveCriticalSection(&impl_->section);
}

uint32_t TickCount() {
    return GetTickCount();
}

LocalTime Now() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return LocalTime{now.wYear, now.wMonth,  now.wDay,   now.wDayOfWeek,
                     now.wHour, now.wMinute, now.wSecond};
}

void SleepMs(uint32_t ms) {
    Sleep(ms);
}

}  // namespace vela::platform
