// End to end: vela-host loads the real plug-in, which loads the real NetSDK stand-in and
// logs in to dvrsim on loopback, reads every record and hands back the login parameters.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "platform/kernel.h"
#include "tests/common/temp_folder.h"
#include "tools/dvrsim/server.h"

namespace vela {
namespace {

// The child's own leak check is off: under the sanitizers the runtime's type cache, filled
// inside the loaded plug-in, is reported as a leak at exit and the exit drops the output.
const char* const kChildEnvironment = "ASAN_OPTIONS=detect_leaks=0 ";

// Runs vela-host setup against the device and returns what it printed; `environment` and
// `options` go before and after the command's own.
std::string RunHostSetup(const testing::TempFolder& folder, uint16_t port,
                         const std::string& password, const std::string& environment = "",
                         const std::string& options = "") {
    std::string output = folder.File("host.txt");
    std::string host = platform::JoinPath(platform::HostFolder(), "vela-host");
    std::string command = std::string(kChildEnvironment) + environment + "\"" + host +
                          "\" setup --address Office --ip 127.0.0.1 --port " +
                          std::to_string(port) + " --user admin --password \"" + password + "\" " +
                          options + " > \"" + output + "\" 2>&1";
    std::system(command.c_str());
    return testing::ReadWholeFile(output);
}

std::unique_ptr<dvrsim::Server> StartDevice(const testing::TempFolder& folder,
                                            const std::string& password) {
    dvrsim::ServerOptions options;
    options.port = 0;
    options.device.statePath = folder.File("state.bin");
    options.device.password = password;
    auto server = std::make_unique<dvrsim::Server>(options);
    std::string reason;
    EXPECT_TRUE(server->Start(&reason)) << reason;
    return server;
}

TEST(HostSession, SetupServerLogsInReadsTheRecordsAndReportsTheLogin) {
    testing::TempFolder folder;
    auto server = StartDevice(folder, "");
    std::string text = RunHostSetup(folder, server->port(), "");

    // The console closes without a Save (no script), so SetupServer answers 0 after a good
    // login; the login and every record read happened on the device.
    EXPECT_NE(text.find("SetupServer: 0"), std::string::npos) << text;
    EXPECT_NE(text.find("GetServerInfo: 1"), std::string::npos) << text;
    EXPECT_NE(text.find("login address: 127.0.0.1"), std::string::npos) << text;
    EXPECT_NE(text.find("port:          " + std::to_string(server->port())), std::string::npos)
        << text;
    // 17 single or whole-array records and one record-23 read per channel.
    EXPECT_EQ(server->device().readsAnswered(), 17u + 4u);
    EXPECT_EQ(server->device().storesAccepted(), 0u);
}

// The host's alarm feed calls SetMotionAlarmState from its own thread while the console is
// open; what is still due when the console closes is dropped. The feed repeats the alarm, as
// a camera's feed does, so that one report lands while the console is open however long the
// login and the opening take on a slow (sanitized, emulated) build.
TEST(HostSession, AMotionAlarmFeedReachesTheOpenConsole) {
    testing::TempFolder folder;
    auto server = StartDevice(folder, "");
    const std::string script = folder.Write("alarm.script", "page Alarm\nwait 6000\n");
    std::string text =
        RunHostSetup(folder, server->port(), "", "VELA_CONSOLE_SCRIPT=" + script + " ",
                     "--motion-alarm 0:1@1000,0:1@2500,0:1@4500,0:0@600000");
    EXPECT_NE(text.find(" ms: 1\n"), std::string::npos) << "an alarm reached the console: " << text;
    EXPECT_EQ(text.find("600000 ms"), std::string::npos) << text;
    EXPECT_NE(RunHostSetup(folder, server->port(), "", "", "--motion-alarm 0:1").find("CHANNEL"),
              std::string::npos);
}

}  // namespace
}  // namespace vela
