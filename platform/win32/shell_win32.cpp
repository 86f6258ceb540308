// Windows shell: URLs open with the system's "open" verb.
#include <windows.h>
// shellapi.h needs the definitions of windows.h.
#include <shellapi.h>

#include "platform/shell.h"

namespace vela::platform {

bool OpenUrl(const std::string& url) {
    HINSTANCE result = ShellExecuteA(nullptr, "open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    // ShellExecute reports success as a value above 32.
    return reinterpret_cast<INT_PTR>(result) > 32;
}

// The browser is the observer on Windows.
void SetUrlObserver(UrlObserver /*observer*/) {}

}  // namespace vela::platform
