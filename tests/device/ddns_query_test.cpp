// The DDNS address query: its reply parsing, and whole exchanges with a loopback server.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "device/ddns_query.h"
#include "platform/kernel.h"
#include "platform/net.h"
#include "platform/net_server.h"
#include "tests/device/query_server.h"

namespace vela::device {
namespace {

constexpr uint32_t kShortWaitMs = 300;
const std::string kHostName = "cam7.example.net";

std::string Extract(const std::string& reply) {
    return ddns::ExtractAnswer(reply.data(), reply.size());
}

TEST(DdnsReply, TheValueRunsFromTheEqualsSignAfterTheKeyToTheNextAmpersand) {
    EXPECT_EQ(Extract("MYJSTIP=10.0.0.7&"), "10.0.0.7");
    EXPECT_EQ(Extract("HTTP junk&RET=1&MYJSTIP=192.168.0.3&MYJSTIP=1.1.1.1&"), "192.168.0.3");
    EXPECT_EQ(Extract("MYJSTIP   = 10.0.0.7 &x"), " 10.0.0.7 ");
    EXPECT_EQ(Extract("MYJSTIP=10.0.0.7"), "");
    EXPECT_EQ(Extract("MYJSTIP 10.0.0.7&"), "");
    EXPECT_EQ(Extract("=5&MYJSTIP"), "");
    EXPECT_EQ(Extract(""), "");
    // The reply is the bytes received, zero bytes included.
    EXPECT_EQ(Extract(std::string("\0\0MYJSTIP=1.2.3.4&", 18)), "1.2.3.4");
    EXPECT_EQ(Extract("MYJSTIP=" + std::string(80, '9') + "&"), std::string(63, '9'));
}

TEST(DdnsReply, OnlyTheEmptyTextOrFourNumbersUpTo255AreAccepted) {
    for (const char* good : {"", "0.0.0.0", "255.255.255.255", " 1. 2. 3. 4", "1.2.3.4 "})
        EXPECT_TRUE(ddns::IsAcceptedAnswer(good)) << "'" << good << "'";
    for (const char* bad : {"256.1.1.1", "1.2.3", "1.2.3.4.5", "1..2.3", "1 .2.3.4", "-1.2.3.4",
                            "10.0.0.7x", "9999999999999.1.1.1", "    1.   2.   3.   4", " "})
        EXPECT_FALSE(ddns::IsAcceptedAnswer(bad)) << "'" << bad << "'";
}

class DdnsQuery : public ::testing::Test {
  protected:
    void SetUp() override { platform::StartSockets(); }
    int Ask(uint16_t port, std::string* answer, const char* server = "127.0.0.1") {
        return ddns::QueryWithTimeout(kHostName.c_str(), server, port, answer, kShortWaitMs);
    }
};

TEST_F(DdnsQuery, SendsExactlyTheRequestAndReadsTheAddress) {
    testing::QueryServer server({"RET=0&MYJSTIP=10.0.0.7&PORT=80&"});
    ASSERT_NE(server.Port(), 0);
    std::string answer = "stale";
    EXPECT_EQ(Ask(server.Port(), &answer), 1);
    EXPECT_EQ(answer, "10.0.0.7");
    EXPECT_EQ(server.Request(), "GET /dyndns/getipGET?hostname=cam7.example.net&deviceid=&");
}

TEST_F(DdnsQuery, OutOfRangeOrShortAddressesAreRefused) {
    for (const char* reply : {"MYJSTIP=256.1.1.1&", "MYJSTIP=1.2.3&", "MYJSTIP=host.name&"}) {
        testing::QueryServer server({reply});
        std::string answer = "stale";
        EXPECT_EQ(Ask(server.Port(), &answer), 0) << reply;
        EXPECT_EQ(answer, "");
    }
}

TEST_F(DdnsQuery, OnlyTheFirstPieceOfTheReplyIsExamined) {
    testing::QueryServer split({"MYJSTIP=10.0", ".0.7&"});
    std::string answer = "stale";
    EXPECT_EQ(Ask(split.Port(), &answer), 1);
    EXPECT_EQ(answer, "");

    testing::QueryServer longReply({std::string(600, 'x') + "MYJSTIP=10.0.0.7&"});
    EXPECT_EQ(Ask(longReply.Port(), &answer), 1);
    EXPECT_EQ(answer, "");
}

TEST_F(DdnsQuery, AServerGivenByNameIsNeverContacted) {
    testing::QueryServer server({"MYJSTIP=10.0.0.7&"}, false, 500);
    std::string answer = "stale";
    EXPECT_EQ(Ask(server.Port(), &answer, "localhost"), 0);
    EXPECT_EQ(answer, "");
    EXPECT_EQ(ddns::QueryWithTimeout(nullptr, "127.0.0.1", server.Port(), &answer, kShortWaitMs),
              0);
    EXPECT_EQ(ddns::QueryWithTimeout("x", nullptr, server.Port(), &answer, kShortWaitMs), 0);
    EXPECT_FALSE(server.Accepted());
}

TEST_F(DdnsQuery, SilenceClosedConnectionsAndRefusalsGiveZero) {
    std::string answer = "stale";
    {
        testing::QueryServer silent({}, true);
        const uint32_t start = platform::TickCount();
        EXPECT_EQ(Ask(silent.Port(), &answer), 0);
        EXPECT_GE(platform::TickCount() - start, kShortWaitMs - 50);  // it did wait
        EXPECT_EQ(answer, "");
    }
    {
        testing::QueryServer closes({});
        EXPECT_EQ(Ask(closes.Port(), &answer), 0);
    }
    uint16_t closedPort = 0;
    {
        auto listener = platform::ListenLoopback(0);
        ASSERT_TRUE(listener);
        closedPort = listener->Port();
    }
    EXPECT_EQ(Ask(closedPort, &answer), 0);
    EXPECT_EQ(answer, "");
}

TEST_F(DdnsQuery, RandomRepliesAreHandledSafely) {
    std::mt19937 random(20261206);
    for (int round = 0; round < 12; ++round) {
        std::string reply(1 + random() % 700, '\0');
        for (char& c : reply) c = static_cast<char>(random());
        if (round % 3 == 0) reply.insert(random() % reply.size(), "MYJSTIP=");
        if (round % 4 == 0) reply.insert(random() % reply.size(), "&");
        testing::QueryServer server({reply});
        std::string answer;
        const int result = Ask(server.Port(), &answer);
        if (result == 1)
            EXPECT_TRUE(ddns::IsAcceptedAnswer(answer));
        else
            EXPECT_EQ(answer, "");
    }
}

}  // namespace
}  // namespace vela::device
