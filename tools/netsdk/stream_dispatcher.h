// The stream callback thread: packets received for play handles are queued here and handed to
// their callbacks one at a time, so a slow callback never stalls the receive thread.
//
// Guarantee: once RemoveCallback(play) returns, no callback for that play runs or will start.
// Called on the callback thread itself (a callback removing itself), it returns at once, the
// callback in progress being the caller.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

#include "tools/netsdk/netsdk_abi.h"

namespace vela::netsdk {

class StreamDispatcher {
  public:
    ~StreamDispatcher();  // Stop()

    // UI thread: a new play handle whose packets are held until its callback is set, so the
    // stream header sent at once by the device is not lost.
    void Open(int32_t play);
    // UI thread: registers (or replaces) the callback of a play handle.
    void SetCallback(int32_t play, StreamCallback callback, uintptr_t user);
    void RemoveCallback(int32_t play);
    // Receive threads: queues a packet; dropped for an unknown play or when the queue is full.
    void Post(int32_t play, int32_t type, uint16_t width, uint16_t height, const uint8_t* data,
              size_t length);
    // Ends the callback thread after the callback in progress; queued packets are dropped.
    void Stop();

    static constexpr size_t kMaxQueued = 512;
    static constexpr size_t kMaxHeld = 64;

  private:
    struct Target {
        StreamCallback callback;
        uintptr_t user;
    };
    struct Item {
        int32_t play;
        int32_t type;
        uint16_t width;
        uint16_t height;
        std::vector<uint8_t> data;
    };

    void Run();  // callback thread

    std::mutex mutex_;
    std::condition_variable changed_;
    std::map<int32_t, Target> targets_;
    std::deque<Item> queue_;
    std::map<int32_t, std::deque<Item>> held_;  // packets of opened plays without a callback
    int32_t running_ = 0;                       // play whose callback is in progress, 0 for none
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace vela::netsdk
