// One logged-in device connection of the stand-in library: numbered requests with replies,
// and a receive thread that matches replies and passes on what the device sends by itself.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tools/wire/frame.h"

namespace vela::netsdk {

struct ConnectionSinks {
    // Receive thread: a stream packet (play id, packet type, width, height, data).
    std::function<void(int32_t, int32_t, uint16_t, uint16_t, const uint8_t*, size_t)> packet;
    // Receive thread: a text the device reports.
    std::function<void(const std::string&)> message;
    // Receive thread, once: the device closed or broke the connection (not called by Close).
    std::function<void()> lost;
};

// Lifetime: held by shared pointers; the receive thread holds one too, so the object outlives
// its loop even when the last outside holder lets go from inside a sink.
class Connection : public std::enable_shared_from_this<Connection> {
  public:
    Connection(std::unique_ptr<wire::ByteStream> stream, ConnectionSinks sinks);
    ~Connection();

    void Start();  // must be held by a shared pointer
    // Sends a request and waits up to waitMs for its reply: the reply's status (and payload),
    // or kErrTimeout / kErrConnectionLost. Any thread.
    int32_t Request(uint16_t command, const std::vector<uint8_t>& payload, uint32_t waitMs,
                    std::vector<uint8_t>* reply = nullptr);
    // Ends the receive thread; no sink is called once this returns. Not from a sink.
    void Close();
    bool alive() const { return alive_; }

  private:
    struct Pending {
        bool answered = false;
        int32_t status = 0;
        std::vector<uint8_t> payload;
    };

    void ReceiveLoop();  // receive thread
    void Deliver(wire::Frame& frame);

    std::unique_ptr<wire::ByteStream> stream_;
    ConnectionSinks sinks_;
    std::thread receiver_;
    std::atomic<bool> closing_{false};
    std::atomic<bool> alive_{true};
    std::mutex writeMutex_;
    std::mutex mutex_;  // guards the fields below
    std::condition_variable answered_;
    uint32_t nextSequence_ = 1;
    std::map<uint32_t, Pending*> pending_;
};

}  // namespace vela::netsdk
