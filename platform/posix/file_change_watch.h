// Change notification for a few files (inotify): each watched file is watched by inode, for
// writes, truncation and attribute changes, and by its name in its folder, for a file created,
// moved, renamed over or deleted there. A watch covers everything that happens to the file
// after Watch returns; a change of a folder above the file's own (a parent renamed) is not
// seen. Not thread-safe: the owner serialises every call.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace vela::platform {

class FileChangeWatch {
  public:
    FileChangeWatch();
    ~FileChangeWatch();
    FileChangeWatch(const FileChangeWatch&) = delete;
    FileChangeWatch& operator=(const FileChangeWatch&) = delete;

    // Starts watching path; false when the system cannot (no inotify, no watches left, no
    // such folder), and the caller must find changes itself.
    bool Watch(const std::string& path);
    // Reads the pending notifications and calls changed for each watched path that may have
    // changed since it was watched; a lost notification reports every path.
    void Collect(const std::function<void(const std::string& path)>& changed);
    // Stops every watch.
    void Clear();

  private:
    struct FolderEntry {
        std::string name;
        std::string path;
        bool operator==(const FolderEntry& other) const {
            return name == other.name && path == other.path;
        }
    };
    void ReportAll(const std::function<void(const std::string&)>& changed);

    int m_fd = -1;
    std::map<int, std::vector<std::string>> m_fileWatches;    // inode watch -> paths
    std::map<int, std::vector<FolderEntry>> m_folderWatches;  // folder watch -> its files
};

}  // namespace vela::platform
