// Test peer over the operating system's own socket calls (Winsock or POSIX).
#include "tests/platform/loopback_peer.h"

#if defined(_WIN32)
#include <winsock2.h>
#include <ws2tcpip.h>
using NativeSocket = SOCKET;
using AddressLength = int;
static void CloseNative(NativeSocket s) {
    closesocket(s);
}
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
using NativeSocket = int;
using AddressLength = socklen_t;
static void CloseNative(NativeSocket s) {
    close(s);
}
#endif

#include <stdexcept>

#include "platform/net.h"

namespace vela::platform::test {

namespace {

constexpr int kGiveUpSeconds = 20;

// Listens on 127.0.0.1 at a port the system chooses; fills in the port.
NativeSocket Listen(uint16_t* port) {
    StartSockets();
    NativeSocket listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    AddressLength length = sizeof(address);
    if (bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
        listen(listener, 1) != 0 ||
        getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        CloseNative(listener);
        throw std::runtime_error("cannot listen on loopback");
    }
    *port = ntohs(address.sin_port);
    return listener;
}

}  // namespace

LoopbackPeer::LoopbackPeer(size_t requestSize, std::string reply, AfterReply after) {
    listener_ = static_cast<intptr_t>(Listen(&port_));
    thread_ = std::thread(
        [this, requestSize, reply = std::move(reply), after] { Serve(requestSize, reply, after); });
}

LoopbackPeer::~LoopbackPeer() {
    Finish();
}

void LoopbackPeer::Finish() {
    if (thread_.joinable()) thread_.join();
    if (listener_ != -1) CloseNative(static_cast<NativeSocket>(listener_));
    listener_ = -1;
}

void LoopbackPeer::Serve(size_t requestSize, const std::string& reply, AfterReply after) {
    // A client that never comes or never closes must not hang the test program.
    auto listener = static_cast<NativeSocket>(listener_);
    fd_set pending;
    FD_ZERO(&pending);
    FD_SET(listener, &pending);
    timeval wait{kGiveUpSeconds, 0};
    if (select(static_cast<int>(listener) + 1, &pending, nullptr, nullptr, &wait) != 1) return;
    NativeSocket peer = accept(listener, nullptr, nullptr);
#if defined(_WIN32)
    DWORD timeout = kGiveUpSeconds * 1000;
#else
    timeval timeout{kGiveUpSeconds, 0};
#endif
    setsockopt(peer, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout),
               sizeof(timeout));
    char chunk[512];
    while (request_.size() < requestSize) {
        int got = recv(peer, chunk, sizeof(chunk), 0);
        if (got <= 0) break;
        request_.append(chunk, static_cast<size_t>(got));
    }
    if (!reply.empty()) send(peer, reply.data(), static_cast<int>(reply.size()), 0);
    if (after == AfterReply::WaitForClient) {
        while (recv(peer, chunk, sizeof(chunk), 0) > 0) {
        }
    }
    CloseNative(peer);
}

uint16_t LoopbackPeer::ClosedPort() {
    uint16_t port = 0;
    CloseNative(Listen(&port));
    return port;
}

}  // namespace vela::platform::test
