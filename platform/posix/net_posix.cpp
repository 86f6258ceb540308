// POSIX sockets (Linux build).
#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>

#include "platform/net.h"
#include "platform/posix/posix_socket.h"

namespace vela::platform {

bool ParseIPv4(const std::string& text, IPv4* out) {
    in_addr address{};
    // inet_aton accepts the same forms as inet_addr, without its 255.255.255.255 ambiguity.
    if (text.empty() || inet_aton(text.c_str(), &address) == 0) return false;
    std::memcpy(out->data(), &address.s_addr, 4);
    return true;
}

bool LookupHostIPv4(const std::string& name, IPv4* out) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* result = nullptr;
    if (getaddrinfo(name.c_str(), nullptr, &hints, &result) != 0 || !result) return false;
    const auto* address = reinterpret_cast<const sockaddr_in*>(result->ai_addr);
    std::memcpy(out->data(), &address->sin_addr.s_addr, 4);
    freeaddrinfo(result);
    return true;
}

void StartSockets() {}

std::unique_ptr<TcpSocket> ConnectTcp(const IPv4& address, uint16_t port) {
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) return nullptr;
    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_port = htons(port);
    std::memcpy(&target.sin_addr.s_addr, address.data(), 4);
    if (connect(fd, reinterpret_cast<const sockaddr*>(&target), sizeof(target)) != 0) {
        close(fd);
        return nullptr;
    }
    return std::make_unique<PosixSocket>(fd);
}

}  // namespace vela::platform
