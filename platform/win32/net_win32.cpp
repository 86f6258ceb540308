// Windows Sockets: TCP client and host look-up. The socket library is started by the host
// or NetSDK; only tools and tests call StartSockets.
#include <winsock2.h>
#include <ws2tcpip.h>

#include <climits>
#include <cstring>
#include <mutex>

#include "platform/net.h"
#include "platform/win32/win32_socket.h"

namespace vela::platform {

namespace {

// inet_addr answers INADDR_NONE both for bad text and for the broadcast address: tells the
// two apart by reading the text with the same grammar (1 to 4 parts, each decimal, octal
// with a leading 0 or hexadecimal with 0x; the last part fills the remaining bytes).
bool SpellsBroadcast(const char* text) {
    uint32_t parts[4] = {};
    int count = 0;
    const char* p = text;
    for (;;) {
        if (*p < '0' || *p > '9') return false;
        uint32_t base = 10;
        if (*p == '0') {
            base = 8;
            ++p;
            if (*p == 'x' || *p == 'X') {
                base = 16;
                ++p;
            }
        }
        uint64_t value = 0;
        for (;; ++p) {
            uint32_t digit = 0;
            if (*p >= '0' && *p <= '9') {
                digit = static_cast<uint32_t>(*p - '0');
            } else if (base == 16 && *p >= 'a' && *p <= 'f') {
                digit = static_cast<uint32_t>(*p - 'a' + 10);
            } else if (base == 16 && *p >= 'A' && *p <= 'F') {
                digit = static_cast<uint32_t>(*p - 'A' + 10);
            } else {
                break;
            }
            if (digit >= base) return false;
            value = value * base + digit;
            if (value > 0xFFFFFFFFu) return false;
        }
        parts[count++] = static_cast<uint32_t>(value);
        if (*p != '.') break;
        if (count == 4) return false;
        ++p;
    }
    // Like inet_addr, stops at a blank and ignores what follows.
    if (*p != '\0' && !std::strchr(" \t\n\v\f\r", *p)) return false;
    // Leading parts are bytes; the last one must be all ones over its remaining width.
    for (int i = 0; i + 1 < count; ++i) {
        if (parts[i] != 0xFF) return false;
    }
    const uint32_t lastWidthMask[] = {0xFFFFFFFFu, 0xFFFFFFu, 0xFFFFu, 0xFFu};
    return parts[count - 1] == lastWidthMask[count - 1];
}

}  // namespace

bool ParseIPv4(const std::string& text, IPv4* out) {
    if (text.empty()) return false;
    unsigned long address = inet_addr(text.c_str());
    if (address == INADDR_NONE && !SpellsBroadcast(text.c_str())) return false;
    std::memcpy(out->data(), &address, 4);
    return true;
}

bool LookupHostIPv4(const std::string& name, IPv4* out) {
    // gethostbyname("") names the local machine; an empty name is no host here.
    if (name.empty()) return false;
    const hostent* host = gethostbyname(name.c_str());
    if (!host || host->h_addrtype != AF_INET || host->h_length != 4 || !host->h_addr_list[0]) {
        return false;
    }
    std::memcpy(out->data(), host->h_addr_list[0], 4);
    return true;
}

void StartSockets() {
    static std::once_flag started;
    std::call_once(started, [] {
        WSADATA data{};
        WSAStartup(MAKEWORD(2, 2), &data);
    });
}

std::unique_ptr<TcpSocket> ConnectTcp(const IPv4& address, uint16_t port) {
    SOCKET handle = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (handle == INVALID_SOCKET) return nullptr;
    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_port = htons(port);
    std::memcpy(&target.sin_addr.s_addr, address.data(), 4);
    if (connect(handle, reinterpret_cast<const sockaddr*>(&target), sizeof(target)) != 0) {
        closesocket(handle);
        return nullptr;
    }
    return std::make_unique<Win32Socket>(handle);
}

}  // namespace vela::platform
