// A TCP connection as a ByteStream. Reads go through a buffer: a frame is read in several
// small pieces (its first byte, the rest of its header, its payload), and each system call
// costs far more than copying what one receive brought in. One reading thread at a time;
// writing may happen on another thread.
#pragma once

#include <algorithm>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "platform/net.h"
#include "tools/wire/frame.h"

namespace vela::wire {

class SocketStream : public ByteStream {
  public:
    explicit SocketStream(std::unique_ptr<platform::TcpSocket> socket)
        : socket_(std::move(socket)), buffer_(kBufferSize) {}
    bool Write(const void* data, size_t length) override { return socket_->Send(data, length); }
    int Read(void* buffer, size_t capacity, uint32_t timeoutMs) override {
        if (begin_ == end_) {
            const int ready = socket_->WaitReadable(timeoutMs);
            if (ready <= 0) return ready;
            // A read as large as the buffer goes straight to the caller.
            if (capacity >= buffer_.size()) return Received(socket_->Receive(buffer, capacity));
            const int got = Received(socket_->Receive(buffer_.data(), buffer_.size()));
            if (got < 0) return got;
            begin_ = 0;
            end_ = static_cast<size_t>(got);
        }
        const size_t count = std::min(capacity, end_ - begin_);
        std::memcpy(buffer, buffer_.data() + begin_, count);
        begin_ += count;
        return static_cast<int>(count);
    }

  private:
    static constexpr size_t kBufferSize = 65536;
    static int Received(int got) { return got > 0 ? got : -1; }  // 0: the peer closed

    std::unique_ptr<platform::TcpSocket> socket_;
    std::vector<uint8_t> buffer_;
    size_t begin_ = 0;  // unread bytes of buffer_ are [begin_, end_)
    size_t end_ = 0;
};

}  // namespace vela::wire
