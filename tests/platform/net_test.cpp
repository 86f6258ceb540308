// Address parsing and TCP exchanges over loopback.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>

#include "platform/net.h"
#include "platform/net_server.h"

namespace vela::platform::test {
namespace {

struct AddressCase {
    const char* text;
    bool valid;
    IPv4 address;
};

const AddressCase kAddressCases[] = {
    {"127.0.0.1", true, {127, 0, 0, 1}},
    {"0.0.0.0", true, {0, 0, 0, 0}},
    {"255.255.255.255", true, {255, 255, 255, 255}},  // the value inet_addr also uses for errors
    {"0xffffffff", true, {255, 255, 255, 255}},
    {"10.1", true, {10, 0, 0, 1}},  // the last part fills the remaining bytes
    {"10.1.2", true, {10, 1, 0, 2}},
    {"3232235777", true, {192, 168, 1, 1}},
    {"0x7f.1", true, {127, 0, 0, 1}},    // hexadecimal part
    {"017.0.0.1", true, {15, 0, 0, 1}},  // a leading zero means octal
    {"", false, {}},
    {"256.0.0.1", false, {}},
    {"1.2.3.4.5", false, {}},
    {"1.2.3.", false, {}},
    {"1..2.3", false, {}},
    {"localhost", false, {}},
    {"-1", false, {}},
    {"08.1.1.1", false, {}},
    {"255.255.255.255x", false, {}},
    {"255.255.255.256", false, {}},
    {" 1.2.3.4", false, {}},
    {"1.2.3.4 junk", true, {1, 2, 3, 4}},  // text after a blank is ignored
    {"255.255.255.255\tjunk", true, {255, 255, 255, 255}},
};

TEST(Addresses, ParseIPv4LikeInetAddr) {
    for (const AddressCase& c : kAddressCases) {
        IPv4 address{9, 9, 9, 9};
        EXPECT_EQ(ParseIPv4(c.text, &address), c.valid) << '"' << c.text << '"';
        if (c.valid) {
            EXPECT_EQ(address, c.address) << c.text;
        }
    }
}

const IPv4 kLoopback{127, 0, 0, 1};

// The far end of one exchange on its own thread: takes `requestSize` bytes, sends the reply
// and closes. Refusals, silence and a closed peer are the address query's tests
// (tests/device/ddns_query_test.cpp).
class Peer {
  public:
    Peer(size_t requestSize, std::string reply) : listener_(ListenLoopback(0)) {
        if (!listener_) return;
        thread_ = std::thread([this, requestSize, reply = std::move(reply)] {
            auto client = listener_->Accept(20000);
            char chunk[512];
            while (client && request_.size() < requestSize && client->WaitReadable(20000) == 1) {
                const int got = client->Receive(chunk, sizeof(chunk));
                if (got <= 0) break;
                request_.append(chunk, static_cast<size_t>(got));
            }
            if (client) client->Send(reply.data(), reply.size());
        });
    }
    ~Peer() { Request(); }
    uint16_t Port() const { return listener_ ? listener_->Port() : 0; }
    // What the peer received, once it has closed.
    const std::string& Request() {
        if (thread_.joinable()) thread_.join();
        return request_;
    }

  private:
    std::unique_ptr<TcpListener> listener_;
    std::string request_;
    std::thread thread_;
};

TEST(Tcp, RequestAndReplyThenPeerCloses) {
    StartSockets();
    Peer peer(5, "world!");
    auto socket = ConnectTcp(kLoopback, peer.Port());
    ASSERT_NE(socket, nullptr);
    ASSERT_TRUE(socket->Send("hello", 5));
    std::string reply;
    char buffer[4];  // smaller than the reply: it arrives in pieces
    while (reply.size() < 6) {
        ASSERT_EQ(socket->WaitReadable(10000), 1);
        int got = socket->Receive(buffer, sizeof(buffer));
        ASSERT_GT(got, 0);
        ASSERT_LE(got, static_cast<int>(sizeof(buffer)));
        reply.append(buffer, static_cast<size_t>(got));
    }
    EXPECT_EQ(reply, "world!");
    ASSERT_EQ(socket->WaitReadable(10000), 1);
    EXPECT_EQ(socket->Receive(buffer, sizeof(buffer)), 0) << "the peer has closed";
    EXPECT_EQ(peer.Request(), "hello");
}

TEST(Tcp, LargeSendArrivesWhole) {
    StartSockets();
    std::string payload(1 << 20, '\0');
    for (size_t i = 0; i < payload.size(); ++i) payload[i] = static_cast<char>(i * 7);
    Peer peer(payload.size(), "ok");
    auto socket = ConnectTcp(kLoopback, peer.Port());
    ASSERT_NE(socket, nullptr);
    ASSERT_TRUE(socket->Send(payload.data(), payload.size()));
    char buffer[2];
    ASSERT_EQ(socket->WaitReadable(10000), 1);
    EXPECT_GT(socket->Receive(buffer, sizeof(buffer)), 0);
    EXPECT_TRUE(peer.Request() == payload);
}

}  // namespace
}  // namespace vela::platform::test
