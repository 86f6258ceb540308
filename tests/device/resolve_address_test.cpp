// Which address the login is given: unchanged, the DDNS answer, or the host name's address.
#include <gtest/gtest.h>

#include "device/dvs_device.h"
#include "platform/net.h"
#include "platform/net_server.h"
#include "tests/common/fake_netsdk.h"
#include "tests/device/log_capture.h"
#include "tests/device/query_server.h"

namespace vela::device {
namespace {

using vela::testing::FakeNetSdk;

class ResolveAddress : public ::testing::Test {
  protected:
    void SetUp() override { platform::StartSockets(); }

    // A loopback port nobody listens on: the query is refused at once.
    static uint16_t ClosedPort() {
        auto listener = platform::ListenLoopback(0);
        return listener ? listener->Port() : 0;
    }
    int Connect(const char* loginAddress, int ddnsMode, const char* server, int port) {
        return device.Connect("dvr", loginAddress, 34567, "admin", "", ddnsMode, server, port);
    }
    std::string LoginAddressGiven() const {
        const auto logins = sdk.CallsOf(kOrdLogin);
        return logins.empty() ? "<no login>" : logins.back().text;
    }

    FakeNetSdk sdk;
    CDvsDevice device{sdk};
};

TEST_F(ResolveAddress, WithoutDdnsAHostNameGoesToTheLoginUnresolved) {
    EXPECT_EQ(Connect("cam.example.invalid", 0, "127.0.0.1", ClosedPort()), 1);
    EXPECT_EQ(LoginAddressGiven(), "cam.example.invalid");
    EXPECT_EQ(Connect("cam.example.invalid", 1, "", ClosedPort()), 1);
    EXPECT_EQ(LoginAddressGiven(), "cam.example.invalid");
    EXPECT_EQ(Connect("cam.example.invalid", -1, "127.0.0.1", ClosedPort()), 1);
    EXPECT_EQ(LoginAddressGiven(), "cam.example.invalid");
}

TEST_F(ResolveAddress, TheDdnsAnswerBecomesTheLoginAddress) {
    testing::LogCapture log("ddns-answer");
    testing::QueryServer server({"MYJSTIP=10.0.0.7&"});
    EXPECT_EQ(Connect("cam.example", 2, "127.0.0.1", server.Port()), 1);
    EXPECT_EQ(LoginAddressGiven(), "10.0.0.7");
    EXPECT_EQ(device.LoginAddress(), "10.0.0.7");
    EXPECT_NE(server.Request().find("hostname=cam.example&"), std::string::npos);
    EXPECT_TRUE(log.Contains("GetDeviceIPByDomain(),IP Address Is 10.0.0.7")) << log.Text();
}

TEST_F(ResolveAddress, AnEmptyDdnsAnswerIsUsedAsIs) {
    testing::QueryServer server({"MYJSTIP=10.0.0.7"});
    Connect("cam.example", 1, "127.0.0.1", server.Port());
    EXPECT_EQ(LoginAddressGiven(), "");
}

TEST_F(ResolveAddress, UnansweredDdnsFallsBackToTheHostNameLookupForNamesOnly) {
    testing::LogCapture log("ddns-fallback");
    EXPECT_EQ(Connect("localhost", 1, "127.0.0.1", ClosedPort()), 1);
    EXPECT_EQ(LoginAddressGiven(), "127.0.0.1");
    EXPECT_TRUE(log.Contains("gethostbyname(),IP Address Is 127.0.0.1")) << log.Text();

    EXPECT_EQ(Connect("10.1.2.3", 1, "127.0.0.1", ClosedPort()), 1);
    EXPECT_EQ(LoginAddressGiven(), "10.1.2.3");
    EXPECT_EQ(Connect("", 1, "127.0.0.1", ClosedPort()), 1);
    EXPECT_EQ(LoginAddressGiven(), "");
}

TEST_F(ResolveAddress, AnUnknownHostNameStopsTheLogin) {
    testing::LogCapture log("unknown-host");
    EXPECT_EQ(Connect("nosuchhost.invalid", 1, "127.0.0.1", ClosedPort()), 0);
    EXPECT_TRUE(sdk.CallsOf(kOrdLogin).empty());
    EXPECT_EQ(device.LoginHandle(), 0);
    EXPECT_EQ(device.ResolveAddress(), -1);
    EXPECT_TRUE(log.Contains("ConnectServerinfo: IP Address error!")) << log.Text();
}

}  // namespace
}  // namespace vela::device
