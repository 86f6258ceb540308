// A fresh folder under the system's temporary folder, removed with everything in it at the
// end of the test. Paths are absolute and use the platform's separator, as the
// private-profile functions of Windows need.
#pragma once

#include <string>
#include <string_view>

namespace vela::platform::test {

class TestFolder {
  public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const;
    // Writes the bytes as they are (binary) and returns the file's path.
    std::string Write(const std::string& name, std::string_view bytes) const;

  private:
    std::string path_;
};

}  // namespace vela::platform::test
