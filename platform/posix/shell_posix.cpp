// Linux build: URLs go to the installed observer instead of a browser (see shell.h).
#include <utility>

#include "platform/shell.h"

namespace vela::platform {

namespace {
UrlObserver& Observer() {
    static UrlObserver observer;
    return observer;
}
}  // namespace

void SetUrlObserver(UrlObserver observer) { Observer() = std::move(observer); }

bool OpenUrl(const std::string& url) {
    if (Observer()) Observer()(url);
    return true;
}

}  // namespace vela::platform
