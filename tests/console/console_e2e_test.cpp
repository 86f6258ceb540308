// End to end: the shipped plug-in module, loaded by path as a host loads it, runs its console
// from a console script against dvrsim over loopback, through the real NetSDK stand-in. The
// same source runs natively (headless console) and under wine64 (the real Windows console).
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "platform/bytes.h"
#include "platform/kernel.h"
#include "platform/net.h"
#include "plugin/VelaSetupDll.h"
#include "tests/common/environment.h"
#include "tests/common/plugin_module.h"
#include "tests/common/temp_folder.h"
#include "tools/dvrsim/server.h"
#include "tools/wire/firmware_image.h"
#include "ui/console_script.h"
#include "ui/text_resources.h"

namespace vela {
namespace {

namespace si = vela_setup::server_info;

constexpr size_t kRecord20Size = 144;
constexpr size_t kDeviceAddress = 64;  // record 20
constexpr size_t kWebPort = 76;

using testing::SetEnvironment;
using testing::ThePlugin;

// The text the plug-in shows for a key: what the language folder beside the host holds.
std::string SkinText(const char* section, const char* key) {
    ui::ResourcePaths paths;
    ui::SelectLanguageFolder(platform::HostFolder(), paths);
    ui::ComposeResourceFiles(paths);
    return ui::ReadIniText(paths.textResFile, section, key, "", ui::kMessageCapacity);
}

std::string Message(const std::string& text, const char* buttons = "ok",
                    const char* answer = "ok") {
    return "message\t\t" + text + "\t" + buttons + "\t" + answer + "\n";
}

class ConsoleEndToEnd : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::StartSockets();
        ASSERT_TRUE(ThePlugin().library) << "the plug-in module beside the tests";
        ASSERT_TRUE(ThePlugin().init && ThePlugin().setupServer && ThePlugin().getServerInfo);
        StartDevice();
        ASSERT_EQ(ThePlugin().init(0, 0, 0), 1);
    }
    void TearDown() override {
        ThePlugin().unInit();
        server.reset();
    }
    void StartDevice() {
        dvrsim::ServerOptions options;
        options.port = 0;
        options.device.statePath = folder.File("state.bin");
        options.device.shape.alarmInputs = alarmInputs;
        server = std::make_unique<dvrsim::Server>(options);
        std::string reason;
        ASSERT_TRUE(server->Start(&reason)) << reason;
    }
    void Fault(const std::string& command) {
        bool ok = false;
        server->Control(command, &ok);
        ASSERT_TRUE(ok) << command;
    }
    // SetupServer with the script; the transcript it left.
    std::string RunConsole(const std::string& script, int32_t* result = nullptr) {
        const std::string transcript = folder.File("transcript.txt");
        SetEnvironment(ui::kScriptVariable, folder.Write("script.txt", script));
        SetEnvironment(ui::kTranscriptVariable, transcript);
        const int32_t saved =
            ThePlugin().setupServer("Office", "127.0.0.1", server->port(), "admin", "", 0, "", 0);
        if (result) *result = saved;
        return testing::ReadWholeFile(transcript);
    }
    std::vector<uint8_t> DeviceRecord20() {
        std::vector<uint8_t> record;
        server->device().Read(20, 0, kRecord20Size, &record);
        record.resize(kRecord20Size);
        return record;
    }
    // A path of exactly `length` characters in the test folder.
    std::string PathOfLength(size_t length, const std::vector<uint8_t>& content) {
        const std::string prefix = folder.File("f");
        const std::string path = prefix + std::string(length - prefix.size(), 'w');
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(content.data()),
                   static_cast<std::streamsize>(content.size()));
        return path;
    }

    testing::TempFolder folder;
    std::unique_ptr<dvrsim::Server> server;
    int alarmInputs = 4;
};

TEST_F(ConsoleEndToEnd, TypedWebPortIsStoredAndOpensTheDevicePageWithTheNewLogin) {
    int32_t result = 0;
    const std::string transcript = RunConsole(
        "page Server\nset SvrIp 127.0.0.1\nset HttpPort 8080\nbutton Save\nbutton IESetup\n",
        &result);

    EXPECT_EQ(result, 1) << "SetupServer answers the saved flag";
    EXPECT_NE(transcript.find(Message(SkinText("DVSInfo", "pt1"))), std::string::npos)
        << transcript;
    EXPECT_NE(transcript.find("url\thttp://127.0.0.1:8080\n"), std::string::npos) << transcript;
    EXPECT_EQ(transcript.find("error"), std::string::npos) << transcript;
    EXPECT_EQ(transcript.find("yesno"), std::string::npos) << "no reboot question";

    const std::vector<uint8_t> stored = DeviceRecord20();
    EXPECT_EQ(ReadI32(stored.data(), kWebPort), 8080);
    EXPECT_EQ(ReadU8(stored.data(), kDeviceAddress), 127);
    EXPECT_EQ(ReadU8(stored.data(), kDeviceAddress + 3), 1);

    // The changed address is the login the host gets back.
    std::vector<char> address(256, '\0');
    uint8_t info[si::kSize] = {};
    ASSERT_EQ(ThePlugin().getServerInfo(address.data(), info), 1);
    EXPECT_STREQ(address.data(), "Office");
    EXPECT_EQ(ReadText(info, si::kLoginAddress, si::kLoginAddressWidth).rfind("127.0.0.1", 0), 0u);
    EXPECT_EQ(ReadText(info, si::kUser, si::kUserWidth), "admin");
}

TEST_F(ConsoleEndToEnd, AStoreThatTakesEffectAfterARebootAsksAndRebootsOnYes) {
    Fault("needs-reboot 20");
    std::string transcript = RunConsole("set HttpPort 8080\nreply no\nbutton Save\n");
    EXPECT_NE(transcript.find(Message(SkinText("DVSInfo", "NeedReboot"), "yesno", "no")),
              std::string::npos)
        << transcript;
    EXPECT_EQ(transcript.find(Message(SkinText("DVSInfo", "RebootSuc"))), std::string::npos);
    EXPECT_EQ(ReadI32(DeviceRecord20().data(), kWebPort), 8080) << "stored all the same";

    transcript = RunConsole("set HttpPort 8081\nreply yes\nbutton Save\n");
    EXPECT_NE(transcript.find(Message(SkinText("DVSInfo", "NeedReboot"), "yesno", "yes")),
              std::string::npos)
        << transcript;
    EXPECT_NE(transcript.find(Message(SkinText("DVSInfo", "RebootSuc"))), std::string::npos)
        << transcript;
    EXPECT_EQ(ReadI32(DeviceRecord20().data(), kWebPort), 8081);
}

TEST_F(ConsoleEndToEnd, ADropDuringSaveStoresNothingHalfAndTheNextSaveSendsTheEdit) {
    // The login and its reads take 22 requests; the first store is the one dropped.
    Fault("drop-after 22");
    int32_t result = 0;
    RunConsole("set HttpPort 8080\nbutton Save\nbutton Save\n", &result);
    EXPECT_EQ(result, 1);
    EXPECT_NE(ReadI32(DeviceRecord20().data(), kWebPort), 8080);

    Fault("clear");
    RunConsole("set HttpPort 8080\nbutton Save\n");
    EXPECT_EQ(ReadI32(DeviceRecord20().data(), kWebPort), 8080);
}

TEST_F(ConsoleEndToEnd, ExitWhileAnUpgradeRunsEndsTheLoginAndInstallsNothingHalf) {
    const std::string firmware = PathOfLength(
        99, wire::BuildFirmwareImage("V9.9.9 build 261206", std::vector<uint8_t>(300000, 5)));
    Fault("delay 20");  // the upload takes a while
    int32_t result = -1;
    const std::string transcript =
        RunConsole("file " + firmware + "\nbutton Upgrade\nbutton Exit\n", &result);
    EXPECT_EQ(result, 0) << "nothing saved";
    EXPECT_EQ(transcript.find(Message(SkinText("DvsState", "UpdateFail"))), std::string::npos)
        << "the upload was running when the console closed";
    // Exit's logout cuts the upload; shutting NetSDK down ends its thread, whose last report
    // (if any) finds no console.
    ThePlugin().unInit();
    EXPECT_EQ(server->device().Version(), dvrsim::kFactoryVersion);
}

}  // namespace
}  // namespace vela
