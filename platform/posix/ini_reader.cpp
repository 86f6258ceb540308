// POSIX private-profile reading: ReadProfileString / ReadProfileInt of kernel.h.
// A console opening reads hundreds of keys, so each file is parsed once and kept until the
// system reports a change of it (inotify); where it cannot watch a file, until its size, time
// stamps or identity change. Callable from any thread.
#include <sys/stat.h>
#include <time.h>

#include <atomic>
#include <cstdio>
#include <map>
#include <memory>
#include <mutex>

#include "platform/kernel.h"
#include "platform/posix/file_change_watch.h"
#include "platform/posix/ini_document.h"
#include "platform/posix/ini_reader_statistics.h"

namespace vela::platform {

namespace {

// Distinct INI paths of one process are few; beyond this the cache starts afresh.
constexpr size_t kMaxCachedFiles = 64;
// File systems stamp modification times with a coarse clock (a few milliseconds, or whole
// seconds): a file modified this recently may change again without a new stamp.
constexpr int64_t kSettledNs = 2'000'000'000;

struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    int64_t modifiedNs = 0;
    int64_t changedNs = 0;  // status change: moves on every write, and cannot be set back
    bool operator==(const FileStamp& other) const {
        return device == other.device && inode == other.inode && size == other.size &&
               modifiedNs == other.modifiedNs && changedNs == other.changedNs;
    }
};

struct CachedFile {
    FileStamp stamp;
    bool settled = false;  // stamp old enough to prove the content unchanged
    bool watched = false;  // no change reported since the read: the parse is current
    std::string bytes;
    std::shared_ptr<const ini::Document> document;
};

int64_t Nanoseconds(const timespec& time) {
    return static_cast<int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

bool StatFile(const std::string& path, FileStamp* stamp) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    *stamp = FileStamp{info.st_dev, info.st_ino, info.st_size, Nanoseconds(info.st_mtim),
                       Nanoseconds(info.st_ctim)};
    return true;
}

std::atomic<uint64_t> g_lookups{0};
std::atomic<uint64_t> g_fileReads{0};

bool ReadWholeFile(const std::string& path, std::string* bytes) {
    g_fileReads.fetch_add(1, std::memory_order_relaxed);
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    bytes->clear();
    char chunk[16384];
    size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof(chunk), file)) > 0) bytes->append(chunk, got);
    bool ok = std::ferror(file) == 0;
    std::fclose(file);
    return ok;
}

std::mutex& CacheMutex() {
    static std::mutex mutex;
    return mutex;
}
std::map<std::string, CachedFile>& Cache() {
    static std::map<std::string, CachedFile> cache;
    return cache;
}
FileChangeWatch& Watcher() {
    static FileChangeWatch watcher;
    return watcher;
}

// The parsed file, or null when it cannot be read. Runs on any thread.
std::shared_ptr<const ini::Document> OpenDocument(const std::string& path) {
    std::lock_guard<std::mutex> hold(CacheMutex());
    auto& cache = Cache();
    Watcher().Collect([&cache](const std::string& changed) {
        if (auto entry = cache.find(changed); entry != cache.end()) entry->second.watched = false;
    });
    auto found = cache.find(path);
    if (found != cache.end() && found->second.watched) return found->second.document;
    if (found == cache.end() && cache.size() >= kMaxCachedFiles) {
        cache.clear();
        Watcher().Clear();
    }
    // Watched before the stat and the read, so that a change during them is reported.
    const bool watched = Watcher().Watch(path);
    FileStamp stamp;
    if (!StatFile(path, &stamp)) {
        cache.erase(path);
        return nullptr;
    }
    if (found != cache.end() && found->second.settled && found->second.stamp == stamp) {
        found->second.watched = watched;
        return found->second.document;
    }
    std::string bytes;
    if (!ReadWholeFile(path, &bytes)) {
        cache.erase(path);
        return nullptr;
    }
    if (found == cache.end()) found = cache.emplace(path, CachedFile{}).first;
    CachedFile& entry = found->second;
    // A recently modified file is read again at each look-up but parsed only when its bytes
    // differ from the last parse.
    if (!entry.document || entry.bytes != bytes) {
        entry.document =
            std::make_shared<const ini::Document>(ini::Document::Parse(bytes.data(), bytes.size()));
        entry.bytes = std::move(bytes);
    }
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    entry.stamp = stamp;
    entry.watched = watched;
    int64_t latest = stamp.modifiedNs > stamp.changedNs ? stamp.modifiedNs : stamp.changedNs;
    entry.settled = Nanoseconds(now) - latest > kSettledNs;
    return entry.document;
}

}  // namespace

std::string ReadProfileString(const std::string& file, const std::string& section,
                              const std::string& key, const std::string& fallback,
                              size_t capacity) {
    g_lookups.fetch_add(1, std::memory_order_relaxed);
    std::shared_ptr<const ini::Document> document = OpenDocument(file);
    if (!document) return ini::ResolveMissingFile(fallback, capacity);
    return ini::ResolveString(*document, section, key, fallback, capacity);
}

int ReadProfileInt(const std::string& file, const std::string& section, const std::string& key,
                   int fallback) {
    std::string text = ReadProfileString(file, section, key, std::string(), ini::kIntTextCapacity);
    return ini::ConvertProfileInt(text, fallback);
}

IniReaderStatistics ReadIniReaderStatistics() {
    return IniReaderStatistics{g_lookups.load(std::memory_order_relaxed),
                               g_fileReads.load(std::memory_order_relaxed)};
}

}  // namespace vela::platform
