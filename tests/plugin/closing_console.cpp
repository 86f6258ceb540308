// A console that SetupServer opens in these tests closes at once, as Esc would close it: on the
// win32 window system a console without a script would wait for a person. Every console gets
// an empty script before any test runs.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

void SetEnvironment(const char* name, const std::string& value) {
#if defined(_WIN32)
    _putenv_s(name, value.c_str());
#else
    setenv(name, value.c_str(), 1);
#endif
}

const bool kConsolesClose = [] {
    const std::filesystem::path script =
        std::filesystem::temp_directory_path() / "vela_closing_console.script";
    std::ofstream(script, std::ios::binary).flush();
    SetEnvironment("VELA_CONSOLE_SCRIPT", script.string());
    return true;
}();

}  // namespace
