// Switches the process's diagnostic log on into a fresh file for one test and reads it back.
#pragma once

#include <string>

namespace vela::device::testing {

class LogCapture {
  public:
    explicit LogCapture(const std::string& name);
    ~LogCapture();
    // Everything written since construction.
    std::string Text() const;
    bool Contains(const std::string& line) const;

  private:
    std::string m_strFolder;
    std::string m_strLogPath;
};

}  // namespace vela::device::testing
