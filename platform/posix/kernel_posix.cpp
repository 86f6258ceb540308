// POSIX kernel services (Linux build).
#include <dlfcn.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <climits>
#include <mutex>

#include "platform/kernel.h"

namespace vela::platform {

char PathSeparator() {
    return '/';
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    return folder + PathSeparator() + name;
}

std::string HostFolder() {
    char path[PATH_MAX] = {};
    ssize_t length = readlink("/proc/self/exe", path, sizeof(path) - 1);
    if (length <= 0) return std::string();
    std::string full(path, static_cast<size_t>(length));
    size_t cut = full.rfind('/');
    return cut == std::string::npos ? std::string() : full.substr(0, cut);
}

bool DirectoryExists(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool FileExists(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool CreateFolder(const std::string& path) {
    return mkdir(path.c_str(), 0755) == 0;
}

namespace {

class PosixLibrary : public Library {
  public:
    PosixLibrary(void* handle, const char* resolver) : handle_(handle) {
        if (resolver) resolver_ = reinterpret_cast<Resolver>(dlsym(handle_, resolver));
    }
    ~PosixLibrary() override { dlclose(handle_); }
    void* Symbol(const char* name) const override { return dlsym(handle_, name); }
    void* Ordinal(int ordinal) const override { return resolver_ ? resolver_(ordinal) : nullptr; }

  private:
    using Resolver = void* (*)(int);
    void* handle_;
    Resolver resolver_ = nullptr;
};

}  // namespace

std::unique_ptr<Library> OpenLibrary(const std::string& path, const char* ordinalResolver) {
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) return nullptr;
    return std::make_unique<PosixLibrary>(handle, ordinalResolver);
}

std::string LibraryFileName(const std::string& base) {
    return "lib" + base + ".so";
}

struct Lock::Impl {
    std::recursive_mutex mutex;  // a critical section may be re-entered by its owner
};
Lock::Lock() : impl_(std::make_unique<Impl>()) {}
Lock::~Lock() = default;
void Lock::Enter() {
    impl_->mutex.lock();
}
void Lock::Leave() {
    impl_->mutex.unlock();
}

uint32_t TickCount() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<uint32_t>(static_cast<uint64_t>(now.tv_sec) * 1000u +
                                 static_cast<uint64_t>(now.tv_nsec) / 1000000u);
}

LocalTime Now() {
    time_t seconds = time(nullptr);
    tm parts{};
    localtime_r(&seconds, &parts);
    return LocalTime{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_wday,
                     parts.tm_hour,        parts.tm_min,     parts.tm_sec};
}

void SleepMs(uint32_t ms) {
    usleep(static_cast<useconds_t>(ms) * 1000u);
}

}  // namespace vela::platform
