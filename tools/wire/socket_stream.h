// A TCP connection as a ByteStream.
#pragma once

#include <memory>
#include <utility>

#include "platform/net.h"
#include "tools/wire/frame.h"

namespace vela::wire {

class SocketStream : public ByteStream {
  public:
    explicit SocketStream(std::unique_ptr<platform::TcpSocket> socket)
        : socket_(std::move(socket)) {}
    bool Write(const void* data, size_t length) override { return socket_->Send(data, length); }
    int Read(void* buffer, size_t capacity, uint32_t timeoutMs) override {
        int ready = socket_->WaitReadable(timeoutMs);
        if (ready <= 0) return ready;
        int got = socket_->Receive(buffer, capacity);
        return got > 0 ? got : -1;  // 0: the peer closed
    }

  private:
    std::unique_ptr<platform::TcpSocket> socket_;
};

}  // namespace vela::wire
