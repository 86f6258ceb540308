// A one-client address-query server on loopback for the DDNS tests.
#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/kernel.h"
#include "platform/net_server.h"

namespace vela::device::testing {

// Accepts one client, reads its request, then answers with the given pieces (a pause between
// pieces) and either closes or stays silent until the client goes away.
class QueryServer {
  public:
    explicit QueryServer(std::vector<std::string> pieces, bool holdOpen = false,
                         uint32_t acceptMs = 5000)
        : m_Listener(platform::ListenLoopback(0)) {
        if (!m_Listener) return;
        m_Thread = std::thread([this, pieces = std::move(pieces), holdOpen, acceptMs] {
            auto client = m_Listener->Accept(acceptMs);
            if (!client) return;
            m_bAccepted = true;
            ReadRequest(*client);
            for (size_t i = 0; i < pieces.size(); ++i) {
                if (i > 0) platform::SleepMs(200);
                client->Send(pieces[i].data(), pieces[i].size());
            }
            if (holdOpen) WaitForClose(*client);
        });
    }
    ~QueryServer() {
        if (m_Thread.joinable()) m_Thread.join();
    }
    uint16_t Port() const { return m_Listener ? m_Listener->Port() : 0; }
    std::string Request() {
        if (m_Thread.joinable()) m_Thread.join();
        return m_strRequest;
    }
    bool Accepted() {
        if (m_Thread.joinable()) m_Thread.join();
        return m_bAccepted;
    }

  private:
    void ReadRequest(platform::TcpSocket& client) {
        const std::string end = "&deviceid=&";
        char buffer[1024];
        while (!EndsWith(m_strRequest, end) && client.WaitReadable(2000) == 1) {
            const int got = client.Receive(buffer, sizeof(buffer));
            if (got <= 0) break;
            m_strRequest.append(buffer, static_cast<size_t>(got));
        }
    }
    static bool EndsWith(const std::string& text, const std::string& end) {
        return text.size() >= end.size() &&
               text.compare(text.size() - end.size(), end.size(), end) == 0;
    }
    static void WaitForClose(platform::TcpSocket& client) {
        char buffer[64];
        for (int i = 0; i < 100; ++i) {
            const int ready = client.WaitReadable(100);
            if (ready < 0 || (ready == 1 && client.Receive(buffer, sizeof(buffer)) <= 0)) return;
        }
    }

    std::unique_ptr<platform::TcpListener> m_Listener;
    std::thread m_Thread;
    std::string m_strRequest;
    std::atomic<bool> m_bAccepted{false};
};

}  // namespace vela::device::testing
