// libFuzzer target for the console script: any text as a script, run modally to its end on the
// test dialog (one control of each kind) of the headless window system. What it may write is
// kept to one scratch folder: "snapshot" and "dump" lines write to one file there whatever
// path they name, and "wait" lines are left out so that a run ends at once.
// Threads: one (the UI thread).
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "resources/templates.h"
#include "ui/console_script.h"
#include "ui/dialog.h"

namespace {

namespace fs = std::filesystem;

const fs::path& ScratchFolder() {
    static const fs::path folder = [] {
        fs::path made = fs::temp_directory_path() / "vela-console-script-fuzz";
        fs::create_directories(made);
        return made;
    }();
    return folder;
}

// The script as the session reads it, line by line, with its file writes redirected.
std::string Confined(const uint8_t* data, size_t size) {
    const std::string scratch = (ScratchFolder() / "output").string();
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::string script;
    for (size_t start = 0; start <= text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(start, end - start);
        const std::string command = line.substr(0, line.find(' '));
        if (command == "snapshot" || command == "dump")
            script += command + " " + scratch + "\n";
        else if (command != "wait")
            script += line + "\n";
        start = end + 1;
    }
    return script;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string scriptPath = (ScratchFolder() / "script.txt").string();
    std::ofstream(scriptPath, std::ios::binary | std::ios::trunc) << Confined(data, size);
    vela::ui::Dialog dialog(vela::resources::kTestDialogTemplate);
    {
        vela::ui::ScriptSession session(scriptPath, (ScratchFolder() / "transcript.txt").string());
        dialog.DoModal();
    }
    return 0;
}
