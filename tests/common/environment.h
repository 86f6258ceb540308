// Sets a variable of this process's environment, for the scripted consoles the tests run.
#pragma once

#include <cstdlib>
#include <string>

namespace vela::testing {

inline void SetEnvironment(const char* name, const std::string& value) {
#if defined(_WIN32)
    _putenv_s(name, value.c_str());
#else
    setenv(name, value.c_str(), 1);
#endif
}

}  // namespace vela::testing
