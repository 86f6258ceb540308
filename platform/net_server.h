// Listening TCP sockets on the loopback interface, for the simulated device and tests.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/net.h"

namespace vela::platform {

class TcpListener {
  public:
    virtual ~TcpListener() = default;
    // The port bound (useful after listening on port 0).
    virtual uint16_t Port() const = 0;
    // Waits up to timeoutMs for a client: the connection, or null on time-out or error. A send
    // on the connection fails when the client has not taken data for five seconds.
    virtual std::unique_ptr<TcpSocket> Accept(uint32_t timeoutMs) = 0;
};

// Listens on 127.0.0.1 only; port 0 picks a free port. Null when the port cannot be bound.
std::unique_ptr<TcpListener> ListenLoopback(uint16_t port);

}  // namespace vela::platform
