// Notices a firmware upgrade that stops moving. A device may take the start of an upload and
// then neither finish nor fail it; NetSDK then never reports an end, and the console would
// wait for ever. The watchdog posts kUpgradeStalledMessage to the console when no progress
// came for the time-out.
//
// Threads: Start and Stop on the UI thread, Progress on NetSDK's thread. Lifetime: the upgrade
// relay owns the one watchdog; Stop joins its thread, so nothing is posted after it returns.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

#include "platform/window_system.h"

namespace vela::console {

class UpgradeWatchdog {
  public:
    UpgradeWatchdog() = default;
    ~UpgradeWatchdog() { Stop(); }
    UpgradeWatchdog(const UpgradeWatchdog&) = delete;
    UpgradeWatchdog& operator=(const UpgradeWatchdog&) = delete;

    // Watches one upgrade for the console, in place of any watched before.
    void Start(platform::WindowHandle console, int32_t upgrade, uint32_t stallTimeoutMs);
    // The watched upgrade moved: its time-out starts again.
    void Progress(int32_t upgrade);
    void Stop();

  private:
    using Clock = std::chrono::steady_clock;
    void Watch(platform::WindowHandle console, int32_t upgrade, Clock::duration timeout);

    std::mutex mutex_;
    std::condition_variable wake_;
    std::thread thread_;
    bool stopping_ = false;
    int32_t upgrade_ = 0;
    Clock::time_point lastProgress_;
};

}  // namespace vela::console
