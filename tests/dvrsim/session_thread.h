// The simulated device serving one in-memory connection on a thread of its own, with the
// control command wired to the device's faults; shared by the session and library tests.
#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <thread>

#include "tools/dvrsim/session.h"
#include "tools/wire/memory_stream.h"

namespace vela::testing {

class SessionThread {
  public:
    SessionThread(dvrsim::Device& device, std::shared_ptr<wire::MemoryEnd> end) {
        thread_ = std::thread([this, &device, end] {
            dvrsim::SessionHooks hooks;
            hooks.shouldEnd = [this] { return stop_.load(); };
            hooks.reboot = [this] { ++reboots; };
            hooks.control = [&device](const std::string& line, bool* ok) {
                std::string reason;
                *ok = device.ApplyFault(line, &reason);
                return reason;
            };
            dvrsim::Session(device, *end, hooks).Run();
            end->Close();
            over = true;
        });
    }
    ~SessionThread() { Join(true); }
    SessionThread(const SessionThread&) = delete;
    SessionThread& operator=(const SessionThread&) = delete;

    // Waits for the session to end; with stop set, first asks it to.
    void Join(bool stop) {
        if (stop) stop_ = true;
        if (thread_.joinable()) thread_.join();
    }

    std::atomic<int> reboots{0};
    std::atomic<bool> over{false};

  private:
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace vela::testing
