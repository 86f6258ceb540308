#include "console/upgrade_relay.h"

#include <atomic>

#include "console/upgrade_watchdog.h"
#include "platform/kernel.h"

namespace vela::console {

namespace {

struct Registry {
    platform::Lock lock;
    platform::WindowHandle window = nullptr;  // the registered console, or null
    uintptr_t token = 0;                      // its token; 0 names no console
    uintptr_t lastToken = 0;
    UpgradeWatchdog watchdog;  // watches the registered console's upgrade
};

std::atomic<uint32_t> g_stallTimeoutMs{kUpgradeStallTimeoutMs};

// Lives for the whole process, so a callback after the last console finds it intact.
Registry& TheRegistry() {
    static Registry* registry = new Registry();
    return *registry;
}

}  // namespace

uintptr_t RegisterUpgradeWindow(platform::WindowHandle console) {
    Registry& r = TheRegistry();
    platform::LockGuard guard(r.lock);
    r.window = console;
    r.token = ++r.lastToken;
    return r.token;
}

void UnregisterUpgradeWindow(uintptr_t token) {
    Registry& r = TheRegistry();
    platform::LockGuard guard(r.lock);
    if (token != 0 && token == r.token) {
        r.watchdog.Stop();
        r.window = nullptr;
        r.token = 0;
    }
}

void SetUpgradeStallTimeout(uint32_t timeoutMs) {
    g_stallTimeoutMs = timeoutMs;
}

uint32_t UpgradeStallTimeout() {
    return g_stallTimeoutMs;
}

void WatchUpgrade(uintptr_t token, int32_t upgrade) {
    Registry& r = TheRegistry();
    platform::LockGuard guard(r.lock);
    if (token != 0 && token == r.token) r.watchdog.Start(r.window, upgrade, g_stallTimeoutMs);
}

void EndUpgradeWatch(uintptr_t token) {
    Registry& r = TheRegistry();
    platform::LockGuard guard(r.lock);
    if (token != 0 && token == r.token) r.watchdog.Stop();
}

void VELA_STDCALL OnUpgradeProgress(int32_t /*login*/, int32_t upgrade, int32_t done, int32_t total,
                                    uintptr_t token) {
    if (token == 0) return;
    Registry& r = TheRegistry();
    platform::LockGuard guard(r.lock);
    if (token != r.token || !r.window) return;
    r.watchdog.Progress(upgrade);
    if (done == total)
        platform::TheWindowSystem().Post(r.window, kUpgradeFinishedMessage, upgrade, 0);
}

}  // namespace vela::console
