// Loopback listener and accepted connections (Windows build). The socket library is started
// here on first use, so a program that only serves needs no set-up call.
#include <winsock2.h>
#include <ws2tcpip.h>

#include <mutex>

#include "platform/net_server.h"

namespace vela::platform {

namespace {

constexpr DWORD kSendTimeoutMs = 5000;

void StartWinsockOnce() {
    static std::once_flag started;
    std::call_once(started, [] {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
    });
}

class AcceptedSocket : public TcpSocket {
  public:
    explicit AcceptedSocket(SOCKET handle) : handle_(handle) {}
    ~AcceptedSocket() override { closesocket(handle_); }

    bool Send(const void* data, size_t length) override {
        const auto* bytes = static_cast<const char*>(data);
        while (length > 0) {
            int chunk = length > 0x40000000 ? 0x40000000 : static_cast<int>(length);
            int sent = send(handle_, bytes, chunk, 0);
            if (sent <= 0) return false;
            bytes += sent;
            length -= static_cast<size_t>(sent);
        }
        return true;
    }

    int WaitReadable(uint32_t timeoutMs) override {
        WSAPOLLFD entry{handle_, POLLRDNORM, 0};
        int ready = WSAPoll(&entry, 1, static_cast<INT>(timeoutMs));
        return ready < 0 ? -1 : (ready == 0 ? 0 : 1);
    }

    int Receive(void* buffer, size_t capacity) override {
        int chunk = capacity > 0x40000000 ? 0x40000000 : static_cast<int>(capacity);
        int got = recv(handle_, static_cast<char*>(buffer), chunk, 0);
        return got < 0 ? -1 : got;
    }

  private:
    SOCKET handle_;
};

class WinListener : public TcpListener {
  public:
    WinListener(SOCKET handle, uint16_t port) : handle_(handle), port_(port) {}
    ~WinListener() override { closesocket(handle_); }
    uint16_t Port() const override { return port_; }

    std::unique_ptr<TcpSocket> Accept(uint32_t timeoutMs) override {
        WSAPOLLFD entry{handle_, POLLRDNORM, 0};
        if (WSAPoll(&entry, 1, static_cast<INT>(timeoutMs)) <= 0) return nullptr;
        SOCKET client = accept(handle_, nullptr, nullptr);
        if (client == INVALID_SOCKET) return nullptr;
        BOOL on = TRUE;  // replies are small and latency matters more than packing
        setsockopt(client, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&on),
                   sizeof(on));
        // A client that stops reading must not hold a serving thread forever.
        DWORD limit = kSendTimeoutMs;
        setsockopt(client, SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&limit),
                   sizeof(limit));
        return std::make_unique<AcceptedSocket>(client);
    }

  private:
    SOCKET handle_;
    uint16_t port_;
};

}  // namespace

std::unique_ptr<TcpListener> ListenLoopback(uint16_t port) {
    StartWinsockOnce();
    SOCKET handle = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (handle == INVALID_SOCKET) return nullptr;
    // Without exclusive use another program could bind the same port beside us.
    BOOL on = TRUE;
    setsockopt(handle, SOL_SOCKET, SO_EXCLUSIVEADDRUSE, reinterpret_cast<const char*>(&on),
               sizeof(on));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int length = sizeof(address);
    if (bind(handle, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
        listen(handle, 16) != 0 ||
        getsockname(handle, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        closesocket(handle);
        return nullptr;
    }
    return std::make_unique<WinListener>(handle, ntohs(address.sin_port));
}

}  // namespace vela::platform
