// A connected Windows socket, shared by the client connections and the connections the
// loopback listener accepts. Private to platform/win32.
#pragma once

#include <winsock2.h>

#include <climits>

#include "platform/net.h"

namespace vela::platform {

// Each socket is used by one thread at a time: the one that owns it.
class Win32Socket : public TcpSocket {
  public:
    explicit Win32Socket(SOCKET handle) : handle_(handle) {}
    ~Win32Socket() override { closesocket(handle_); }
    Win32Socket(const Win32Socket&) = delete;
    Win32Socket& operator=(const Win32Socket&) = delete;

    bool Send(const void* data, size_t length) override {
        const auto* bytes = static_cast<const char*>(data);
        while (length > 0) {
            int chunk = length > INT_MAX ? INT_MAX : static_cast<int>(length);
            int sent = send(handle_, bytes, chunk, 0);
            if (sent <= 0) return false;
            bytes += sent;
            length -= static_cast<size_t>(sent);
        }
        return true;
    }

    // select rather than WSAPoll: the plug-in also runs on systems without WSAPoll.
    int WaitReadable(uint32_t timeoutMs) override {
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(handle_, &readable);
        timeval wait{};
        wait.tv_sec = static_cast<long>(timeoutMs / 1000);
        wait.tv_usec = static_cast<long>((timeoutMs % 1000) * 1000);
        int ready = select(0, &readable, nullptr, nullptr, &wait);
        return ready == SOCKET_ERROR ? -1 : (ready == 0 ? 0 : 1);
    }

    int Receive(void* buffer, size_t capacity) override {
        int chunk = capacity > INT_MAX ? INT_MAX : static_cast<int>(capacity);
        int got = recv(handle_, static_cast<char*>(buffer), chunk, 0);
        return got == SOCKET_ERROR ? -1 : got;
    }

  private:
    SOCKET handle_;
};

}  // namespace vela::platform
