// Loopback listener and accepted connections (Windows build). The socket library is started
// here on first use, so a program that only serves needs no set-up call.
#include <winsock2.h>
#include <ws2tcpip.h>

#include <mutex>

#include "platform/net_server.h"
#include "platform/win32/win32_socket.h"

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
        return std::make_unique<Win32Socket>(client);
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
