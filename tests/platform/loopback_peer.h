// The far end of a loopback TCP exchange, for the socket tests: listens on 127.0.0.1 at a
// free port, accepts one connection on its own thread, receives a request of a known size,
// sends a reply and then either closes at once or waits for the client to close.
#pragma once

#include <cstdint>
#include <string>
#include <thread>

namespace vela::platform::test {

class LoopbackPeer {
  public:
    enum class AfterReply { Close, WaitForClient };
    LoopbackPeer(size_t requestSize, std::string reply, AfterReply after);
    ~LoopbackPeer();  // joins the thread; the client must have closed or been refused
    LoopbackPeer(const LoopbackPeer&) = delete;
    LoopbackPeer& operator=(const LoopbackPeer&) = delete;

    uint16_t Port() const { return port_; }
    // What the peer received, valid after the client has closed and Finish() returned.
    const std::string& Request() const { return request_; }
    void Finish();

    // A loopback port on which nobody listens (just released).
    static uint16_t ClosedPort();

  private:
    void Serve(size_t requestSize, const std::string& reply, AfterReply after);

    intptr_t listener_ = -1;
    uint16_t port_ = 0;
    std::string request_;
    std::thread thread_;
};

}  // namespace vela::platform::test
