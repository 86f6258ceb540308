// A connected socket over a POSIX descriptor, shared by the client connections and the
// connections the loopback listener accepts. Private to platform/posix.
#pragma once

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "platform/net.h"

namespace vela::platform {

// Each socket is used by one thread at a time: the one that owns it.
class PosixSocket : public TcpSocket {
  public:
    explicit PosixSocket(int fd) : fd_(fd) {}
    ~PosixSocket() override { close(fd_); }
    PosixSocket(const PosixSocket&) = delete;
    PosixSocket& operator=(const PosixSocket&) = delete;

    bool Send(const void* data, size_t length) override {
        const auto* bytes = static_cast<const char*>(data);
        while (length > 0) {
            ssize_t sent = send(fd_, bytes, length, MSG_NOSIGNAL);
            if (sent <= 0) return false;
            bytes += sent;
            length -= static_cast<size_t>(sent);
        }
        return true;
    }

    int WaitReadable(uint32_t timeoutMs) override {
        pollfd entry{fd_, POLLIN, 0};
        int ready = poll(&entry, 1, static_cast<int>(timeoutMs));
        return ready < 0 ? -1 : (ready == 0 ? 0 : 1);
    }

    int Receive(void* buffer, size_t capacity) override {
        ssize_t got = recv(fd_, buffer, capacity, 0);
        return got < 0 ? -1 : static_cast<int>(got);
    }

  private:
    int fd_;
};

}  // namespace vela::platform
