// Opens a URL with the system's "open" action. The Linux build starts no browser: it hands the
// URL to the observer that the scripted console installs (its transcript), and reports success.
#pragma once

#include <functional>
#include <string>

namespace vela::platform {

bool OpenUrl(const std::string& url);

// Linux build only: who hears about opened URLs. Windows ignores it.
using UrlObserver = std::function<void(const std::string& url)>;
void SetUrlObserver(UrlObserver observer);

}  // namespace vela::platform
