// Loopback listener and accepted connections (Linux build).
#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include "platform/net_server.h"
#include "platform/posix/posix_socket.h"

namespace vela::platform {

namespace {

constexpr int kSendTimeoutMs = 5000;

class PosixListener : public TcpListener {
  public:
    PosixListener(int fd, uint16_t port) : fd_(fd), port_(port) {}
    ~PosixListener() override { close(fd_); }
    uint16_t Port() const override { return port_; }

    std::unique_ptr<TcpSocket> Accept(uint32_t timeoutMs) override {
        pollfd entry{fd_, POLLIN, 0};
        if (poll(&entry, 1, static_cast<int>(timeoutMs)) <= 0) return nullptr;
        int client = accept(fd_, nullptr, nullptr);
        if (client < 0) return nullptr;
        int on = 1;  // replies are small and latency matters more than packing
        setsockopt(client, IPPROTO_TCP, TCP_NODELAY, &on, sizeof(on));
        // A client that stops reading must not hold a serving thread forever.
        timeval limit{kSendTimeoutMs / 1000, 0};
        setsockopt(client, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof(limit));
        return std::make_unique<PosixSocket>(client);
    }

  private:
    int fd_;
    uint16_t port_;
};

}  // namespace

std::unique_ptr<TcpListener> ListenLoopback(uint16_t port) {
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) return nullptr;
    int on = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof(on));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof(address);
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
        listen(fd, 16) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        close(fd);
        return nullptr;
    }
    return std::make_unique<PosixListener>(fd, ntohs(address.sin_port));
}

}  // namespace vela::platform
