#include "console/upgrade_watchdog.h"

#include "console/upgrade_relay.h"

namespace vela::console {

void UpgradeWatchdog::Start(platform::WindowHandle console, int32_t upgrade,
                            uint32_t stallTimeoutMs) {
    Stop();
    std::lock_guard<std::mutex> hold(mutex_);
    stopping_ = false;
    upgrade_ = upgrade;
    lastProgress_ = Clock::now();
    thread_ = std::thread(&UpgradeWatchdog::Watch, this, console, upgrade,
                          std::chrono::milliseconds(stallTimeoutMs));
}

void UpgradeWatchdog::Progress(int32_t upgrade) {
    std::lock_guard<std::mutex> hold(mutex_);
    if (upgrade == upgrade_) lastProgress_ = Clock::now();
}

void UpgradeWatchdog::Stop() {
    {
        std::lock_guard<std::mutex> hold(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) thread_.join();
}

void UpgradeWatchdog::Watch(platform::WindowHandle console, int32_t upgrade,
                            Clock::duration timeout) {
    std::unique_lock<std::mutex> hold(mutex_);
    while (!stopping_) {
        const Clock::time_point deadline = lastProgress_ + timeout;
        if (Clock::now() >= deadline) {
            platform::TheWindowSystem().Post(console, kUpgradeStalledMessage, upgrade, 0);
            return;
        }
        wake_.wait_until(hold, deadline);
    }
}

}  // namespace vela::console
