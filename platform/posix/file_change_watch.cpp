#include "platform/posix/file_change_watch.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace vela::platform {

namespace {

// On the file's inode: anything that can change what a read returns.
constexpr uint32_t kFileEvents =
    IN_MODIFY | IN_ATTRIB | IN_CLOSE_WRITE | IN_MOVE_SELF | IN_DELETE_SELF | IN_MASK_ADD;
// On its folder: the name pointing at another inode, or the folder itself going away.
constexpr uint32_t kFolderEvents = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO |
                                   IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR | IN_MASK_ADD;
constexpr uint32_t kFolderGone = IN_DELETE_SELF | IN_MOVE_SELF | IN_IGNORED;

void SplitPath(const std::string& path, std::string& folder, std::string& name) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        folder = ".";
        name = path;
        return;
    }
    folder = slash == 0 ? "/" : path.substr(0, slash);
    name = path.substr(slash + 1);
}

template <typename List, typename Item>
void AddOnce(List& list, const Item& item) {
    if (std::find(list.begin(), list.end(), item) == list.end()) list.push_back(item);
}

}  // namespace

FileChangeWatch::FileChangeWatch() : m_fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {}

FileChangeWatch::~FileChangeWatch() {
    if (m_fd >= 0) close(m_fd);
}

bool FileChangeWatch::Watch(const std::string& path) {
    if (m_fd < 0) return false;
    std::string folder, name;
    SplitPath(path, folder, name);
    if (name.empty()) return false;
    const int folderWatch = inotify_add_watch(m_fd, folder.c_str(), kFolderEvents);
    if (folderWatch < 0) return false;
    AddOnce(m_folderWatches[folderWatch], FolderEntry{name, path});
    const int fileWatch = inotify_add_watch(m_fd, path.c_str(), kFileEvents);
    if (fileWatch < 0) return false;
    AddOnce(m_fileWatches[fileWatch], path);
    return true;
}

void FileChangeWatch::Collect(const std::function<void(const std::string&)>& changed) {
    if (m_fd < 0) return;
    alignas(inotify_event) char buffer[8192];
    for (;;) {
        const ssize_t got = read(m_fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return;  // EAGAIN: nothing more is pending
        for (ssize_t at = 0; at < got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            if (event->mask & IN_Q_OVERFLOW) {
                ReportAll(changed);
                continue;
            }
            if (auto file = m_fileWatches.find(event->wd); file != m_fileWatches.end()) {
                for (const std::string& path : file->second) changed(path);
                if (event->mask & IN_IGNORED) m_fileWatches.erase(file);
            }
            auto folder = m_folderWatches.find(event->wd);
            if (folder == m_folderWatches.end()) continue;
            const std::string name = event->len > 0 ? std::string(event->name) : std::string();
            for (const FolderEntry& entry : folder->second)
                if ((event->mask & kFolderGone) || entry.name == name) changed(entry.path);
            if (event->mask & IN_IGNORED) m_folderWatches.erase(folder);
        }
    }
}

void FileChangeWatch::ReportAll(const std::function<void(const std::string&)>& changed) {
    for (const auto& [watch, paths] : m_fileWatches)
        for (const std::string& path : paths) changed(path);
    for (const auto& [watch, entries] : m_folderWatches)
        for (const FolderEntry& entry : entries) changed(entry.path);
}

void FileChangeWatch::Clear() {
    if (m_fd >= 0) close(m_fd);
    m_fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    m_fileWatches.clear();
    m_folderWatches.clear();
}

}  // namespace vela::platform
