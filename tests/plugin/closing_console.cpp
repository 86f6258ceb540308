// A console that SetupServer opens in these tests closes at once, as Esc would close it: on the
// win32 window system a console without a script would wait for a person. Every console gets
// an empty script before any test runs.
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/common/environment.h"

namespace {

const bool kConsolesClose = [] {
    const std::filesystem::path script =
        std::filesystem::temp_directory_path() / "vela_closing_console.script";
    std::ofstream(script, std::ios::binary).flush();
    vela::testing::SetEnvironment("VELA_CONSOLE_SCRIPT", script.string());
    return true;
}();

}  // namespace
