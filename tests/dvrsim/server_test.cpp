// The dvrsim program around the device: its options, its status page and its control
// commands, on loopback.
#include <gtest/gtest.h>

#include <memory>
#include <thread>

#include "platform/net.h"
#include "tests/common/temp_folder.h"
#include "tools/dvrsim/options.h"
#include "tools/dvrsim/server.h"

namespace vela::dvrsim {
namespace {

using testing::TempFolder;

std::unique_ptr<Server> StartServer(const TempFolder& folder) {
    ServerOptions options;
    options.port = 0;
    options.device.statePath = folder.File("state.bin");
    auto server = std::make_unique<Server>(options);
    std::string reason;
    EXPECT_TRUE(server->Start(&reason)) << reason;
    return server;
}

bool Parse(std::vector<const char*> args, ServerOptions* options, std::string* error) {
    return ParseOptions(static_cast<int>(args.size()), args.data(), options, error);
}

TEST(DvrsimOptions, EachKindOfValueAndRefusals) {
    ServerOptions options;
    std::string error;
    // A number, a text, a record set and a flag.
    ASSERT_TRUE(Parse({"--channels", "16", "--password", "pw", "--refuse-store", "20",
                       "--drop-after", "3", "--silent", "--stall-upgrade", "65536"},
                      &options, &error))
        << error;
    EXPECT_EQ(options.device.shape.channels, 16);
    EXPECT_EQ(options.device.password, "pw");
    EXPECT_EQ(options.device.faults.refuseStore.count(20), 1u);
    EXPECT_EQ(options.device.faults.dropAfter, 3);
    EXPECT_TRUE(options.device.faults.silent);
    EXPECT_EQ(options.device.faults.stallUpgradeAfter, 65536);

    for (auto bad : std::vector<std::vector<const char*>>{
             {"--channels", "33"}, {"--port"}, {"--bogus", "1"}, {"--alarm-out", "x"}}) {
        ServerOptions ignored;
        EXPECT_FALSE(Parse(bad, &ignored, &error)) << bad[0];
        EXPECT_FALSE(error.empty());
    }
}

TEST(DvrsimServer, ServesAStatusPageAndObeysControlCommands) {
    TempFolder folder;
    auto started = StartServer(folder);
    Server& server = *started;
    ASSERT_NE(server.httpPort(), 0);

    platform::StartSockets();
    auto socket = platform::ConnectTcp({127, 0, 0, 1}, server.httpPort());
    ASSERT_TRUE(socket);
    const char request[] = "GET / HTTP/1.0\r\n\r\n";
    ASSERT_TRUE(socket->Send(request, sizeof(request) - 1));
    std::string page;
    char buffer[1024];
    while (socket->WaitReadable(2000) == 1) {
        int got = socket->Receive(buffer, sizeof(buffer));
        if (got <= 0) break;
        page.append(buffer, static_cast<size_t>(got));
    }
    EXPECT_EQ(page.rfind("HTTP/1.0 200 OK", 0), 0u) << page;
    EXPECT_NE(page.find("firmware: V3.4.2"), std::string::npos) << page;
    EXPECT_NE(page.find("channels: 4"), std::string::npos);

    bool ok = false;
    EXPECT_NE(server.Control("status", &ok).find("faults: none"), std::string::npos);
    EXPECT_TRUE(ok);
    server.Control("delay 99999999", &ok);
    EXPECT_FALSE(ok);
    server.Control("refuse-store 20", &ok);
    EXPECT_TRUE(ok);
    EXPECT_NE(server.Control("status", &ok).find("refuse-store 20"), std::string::npos);
    for (const char* bad : {"at-store 0 drop", "at-store 3", "at-store 3 bogus 1",
                            "at-store 3 delay 99999999", "at-store x reboot"}) {
        server.Control(bad, &ok);
        EXPECT_FALSE(ok) << bad;
    }
    server.Control("at-store 3 silent 1 ", &ok);
    EXPECT_TRUE(ok);
    EXPECT_NE(server.Control("status", &ok).find("refuse-store 20; at-store 3 silent 1"),
              std::string::npos);

    std::thread waiter([&server] { server.WaitForQuit(); });
    server.Control("quit", &ok);
    waiter.join();
    EXPECT_TRUE(ok);
}

TEST(DvrsimServer, ATakenPortIsReported) {
    TempFolder folder;
    auto first = StartServer(folder);
    ServerOptions options;
    options.port = first->port();
    options.device.statePath = folder.File("state.bin");
    Server second(options);
    std::string reason;
    EXPECT_FALSE(second.Start(&reason));
    EXPECT_NE(reason.find(std::to_string(first->port())), std::string::npos);
}

}  // namespace
}  // namespace vela::dvrsim
