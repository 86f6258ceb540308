// TCP client sockets and host-name lookup. The plug-in never starts the socket library itself
// (on Windows the host or NetSDK has called WSAStartup); tools and tests call StartSockets.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace vela::platform {

using IPv4 = std::array<uint8_t, 4>;  // first octet first

// Parses a dotted address the way inet_addr does; false for anything else (host names too).
bool ParseIPv4(const std::string& text, IPv4* out);
// First IPv4 address of a host name (gethostbyname); false when there is none.
bool LookupHostIPv4(const std::string& name, IPv4* out);

// Starts the socket library for programs that own the process (tools, tests). No-op on POSIX.
void StartSockets();

class TcpSocket {
public:
    virtual ~TcpSocket() = default;
    // Blocking send of the whole buffer; false on failure.
    virtual bool Send(const void* data, size_t length) = 0;
    // 1 readable, 0 time-out, -1 error.
    virtual int WaitReadable(uint32_t timeoutMs) = 0;
    // One receive of at most capacity bytes: the count, 0 when the peer closed, -1 on error.
    virtual int Receive(void* buffer, size_t capacity) = 0;
};

// Blocking connect with the system's connect time-out; null on failure.
std::unique_ptr<TcpSocket> ConnectTcp(const IPv4& address, uint16_t port);

}  // namespace vela::platform
