#include "tests/platform/test_folder.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>

#include "platform/kernel.h"

namespace vela::platform::test {

namespace fs = std::filesystem;

TestFolder::TestFolder() {
    // Test programs may run side by side: the name carries a random part.
    std::random_device seed;
    auto clock = std::chrono::steady_clock::now().time_since_epoch().count();
    fs::path folder = fs::temp_directory_path() /
                      ("vela-platform-" + std::to_string(seed()) + "-" + std::to_string(clock));
    fs::create_directories(folder);
    path_ = fs::absolute(folder).make_preferred().string();
}

TestFolder::~TestFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

std::string TestFolder::File(const std::string& name) const {
    return JoinPath(path_, name);
}

std::string TestFolder::Write(const std::string& name, std::string_view bytes) const {
    std::string path = File(name);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
    return path;
}

}  // namespace vela::platform::test
