// One player port: an open stream, its queue of frames and its display thread.
//
// Threads: the public methods run on any host thread (one at a time per port, under the
// port's lock); Run is the display thread started by Play. Stop and Close join it, so once
// they return no draw callback of the port runs or starts. Called from inside the draw
// callback, they only tell the thread to end after the callback returns.
// Lifetime: ports live as long as the process (the library is never unloaded).
#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

#include "tools/player/player_abi.h"

namespace vela::player {

// Frames waiting for display; when full, the oldest is dropped rather than the host blocked.
constexpr size_t kQueueFrames = 16;

class Port {
  public:
    explicit Port(int32_t number) : number_(number) {}

    bool Open(const uint8_t* data, uint32_t size);
    bool Play(void* window);
    bool Input(const uint8_t* data, uint32_t size);
    bool Stop();
    bool Close();
    void SetDrawCallback(DrawCallback callback, uintptr_t user);

    uint32_t RefusedChunks() const;
    uint32_t DroppedFrames() const;

  private:
    void Run(uint32_t generation);  // display thread
    void EndThread(std::unique_lock<std::mutex>& lock);

    const int32_t number_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    bool open_ = false;
    bool playing_ = false;
    void* window_ = nullptr;
    DrawCallback callback_ = nullptr;
    uintptr_t user_ = 0;
    // A ring of payload copies; the buffers keep their capacity from frame to frame.
    std::vector<uint8_t> queue_[kQueueFrames];
    size_t head_ = 0;
    size_t count_ = 0;
    uint32_t generation_ = 0;  // a display thread runs while this is its own
    std::thread thread_;
    uint32_t refused_ = 0;
    uint32_t dropped_ = 0;
};

// The port with that number; null outside 0 .. kPortCount - 1.
Port* PortAt(int32_t number);

}  // namespace vela::player
