// End to end: vela-host loads the real plug-in, which loads the real NetSDK stand-in and
// logs in to dvrsim on loopback, reads every record and hands back the login parameters.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/kernel.h"
#include "tests/dvrsim/test_folder.h"
#include "tools/dvrsim/server.h"

namespace vela {
namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(HostSession, SetupServerLogsInReadsTheRecordsAndReportsTheLogin) {
    testing::TestFolder folder;
    dvrsim::ServerOptions options;
    options.port = 0;
    options.device.statePath = folder.File("state.bin");
    dvrsim::Server server(options);
    std::string reason;
    ASSERT_TRUE(server.Start(&reason)) << reason;

    std::string output = folder.File("host.txt");
    std::string host = platform::JoinPath(platform::HostFolder(), "vela-host");
    std::string command = "\"" + host + "\" setup --address Office --ip 127.0.0.1 --port " +
                          std::to_string(server.port()) + " --user admin --password \"\" > \"" +
                          output + "\" 2>&1";
    std::system(command.c_str());
    std::string text = ReadAll(output);

    // The console closes without a Save (no script), so SetupServer answers 0 after a good
    // login; the login and every record read happened on the device.
    EXPECT_NE(text.find("SetupServer: 0"), std::string::npos) << text;
    EXPECT_NE(text.find("GetServerInfo: 1"), std::string::npos) << text;
    EXPECT_NE(text.find("address:       Office"), std::string::npos) << text;
    EXPECT_NE(text.find("login address: 127.0.0.1"), std::string::npos) << text;
    EXPECT_NE(text.find("port:          " + std::to_string(server.port())), std::string::npos)
        << text;
    EXPECT_NE(text.find("user:          admin"), std::string::npos) << text;
    // 17 single or whole-array records and one record-23 read per channel.
    EXPECT_EQ(server.device().readsAnswered(), 17u + 4u);
    EXPECT_EQ(server.device().storesAccepted(), 0u);
}

TEST(HostSession, AWrongPasswordLogsInNothing) {
    testing::TestFolder folder;
    dvrsim::ServerOptions options;
    options.port = 0;
    options.device.statePath = folder.File("state.bin");
    options.device.password = "right";
    dvrsim::Server server(options);
    std::string reason;
    ASSERT_TRUE(server.Start(&reason)) << reason;
    std::string output = folder.File("host.txt");
    std::string host = platform::JoinPath(platform::HostFolder(), "vela-host");
    std::string command = "\"" + host + "\" setup --address Office --ip 127.0.0.1 --port " +
                          std::to_string(server.port()) + " --user admin --password wrong > \"" +
                          output + "\" 2>&1";
    std::system(command.c_str());
    std::string text = ReadAll(output);
    EXPECT_NE(text.find("SetupServer: 0"), std::string::npos) << text;
    EXPECT_EQ(server.device().readsAnswered(), 0u);
}

}  // namespace
}  // namespace vela
