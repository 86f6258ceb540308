// A fresh folder under the system's temporary folder for one test, removed with everything in
// it at the end. Paths are absolute and use the platform's separator, as the private-profile
// functions of Windows need. Built on std::filesystem only, so every test folder can use it.
#pragma once

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vela::testing {

class TempFolder {
  public:
    TempFolder() {
        // Test programs run side by side: the name carries a random part and a counter.
        static std::atomic<int> counter{0};
        std::random_device seed;
        auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        path_ = std::filesystem::temp_directory_path() /
                ("vela-" + std::to_string(seed()) + "-" + std::to_string(stamp) + "-" +
                 std::to_string(counter++));
        std::filesystem::create_directories(path_);
        path_ = std::filesystem::absolute(path_).make_preferred();
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string Path() const { return path_.string(); }
    // A path below the folder; RELATIVE is UTF-8 and may name sub-folders with '/'.
    std::string File(const std::string& relative) const {
        return (path_ / std::filesystem::u8path(relative)).make_preferred().string();
    }
    // Writes the bytes as they are (binary), creating the file's folders; returns its path.
    std::string Write(const std::string& relative, std::string_view bytes) const {
        std::filesystem::path file = File(relative);
        std::filesystem::create_directories(file.parent_path());
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out) throw std::runtime_error("cannot write " + file.string());
        return file.string();
    }

  private:
    std::filesystem::path path_;
};

inline std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace vela::testing
