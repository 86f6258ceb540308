// A firmware upgrade that the device stalls: the console, in this process on the window system
// of this build, upgrades through the NetSDK stand-in a simulated device that takes the start
// of the upload and then answers no more of it. With a short stall time-out the console
// reports the failure, and a later upgrade of the same console goes through.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "console/console_commands.h"
#include "console/dvs_cfg_dlg.h"
#include "console/upgrade_relay.h"
#include "device/dvs_device.h"
#include "device/netsdk_library.h"
#include "platform/kernel.h"
#include "platform/net.h"
#include "tests/common/temp_folder.h"
#include "tools/dvrsim/server.h"
#include "tools/wire/firmware_image.h"
#include "ui/console_script.h"
#include "ui/text_resources.h"

namespace vela::console {
namespace {

constexpr uint32_t kShortStallMs = 300;
constexpr char kNewVersion[] = "V9.9.9 build 261207";
const char kTextRes[] = "[DvsState]\nUpdateSucc=Upgraded\nUpdateFail=Upgrade failed\n";

class UpgradeStall : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::StartSockets();
        savedPaths = ui::g_ResourcePaths;
        ui::ResourcePaths& paths = ui::g_ResourcePaths;
        paths.languageFolder = folder.Path() + platform::PathSeparator();
        paths.textResFile = folder.Write("VelaSetupDllTextRes.ini", kTextRes);
        paths.controlPosFile = folder.File("VelaSetupDllControlPos.ini");
        paths.staticButtonTextFile = folder.File("VelaSetupDllStaticButtonText.ini");

        dvrsim::ServerOptions options;
        options.port = 0;
        options.device.statePath = folder.File("device.bin");
        server = std::make_unique<dvrsim::Server>(options);
        std::string reason;
        ASSERT_TRUE(server->Start(&reason)) << reason;

        sdk = device::OpenNetSdk(
            platform::JoinPath(platform::HostFolder(), platform::LibraryFileName("NetSDK")));
        ASSERT_TRUE(sdk->IsLoaded());
        sdk->SetConnectTime(6000, 1);
        device::InstallNetSdk(sdk.get());
        connection = std::make_unique<device::CDvsDevice>(*sdk);
        ASSERT_EQ(connection->Connect("dvr", "127.0.0.1", server->port(), "admin", "", 0, "", 0),
                  1);
        SetUpgradeStallTimeout(kShortStallMs);
    }
    void TearDown() override {
        SetUpgradeStallTimeout(kUpgradeStallTimeoutMs);
        connection.reset();
        if (sdk) sdk->Cleanup();
        device::InstallNetSdk(nullptr);
        if (server) server->Stop();
        ui::g_ResourcePaths = savedPaths;
    }
    void Fault(const std::string& line) {
        bool ok = false;
        server->Control(line, &ok);
        ASSERT_TRUE(ok) << line;
    }
    std::string Firmware() {
        const auto image = wire::BuildFirmwareImage(kNewVersion, std::vector<uint8_t>(300000, 5));
        return folder.Write("digicap", std::string(image.begin(), image.end()));
    }
    // Runs the console with the script; "fault LINE" sets a fault of the device meanwhile.
    std::string Run(const std::string& script) {
        const std::string transcript = folder.File("transcript.txt");
        CDvsCfgDlg console(connection.get());
        {
            ui::ScriptSession session(folder.Write("script.txt", script), transcript);
            AddConsoleCommands(session, console);
            session.AddCommand("fault", [this](ui::ScriptSession&, const std::string& line) {
                bool ok = false;
                server->Control(line, &ok);
                return ok ? std::string() : "fault refused: " + line;
            });
            console.DoModal();
        }
        return testing::ReadWholeFile(transcript);
    }

    testing::TempFolder folder;
    ui::ResourcePaths savedPaths;
    std::unique_ptr<dvrsim::Server> server;
    std::unique_ptr<device::LoadedNetSdk> sdk;
    std::unique_ptr<device::CDvsDevice> connection;
};

TEST_F(UpgradeStall, StalledUploadFailsAfterTheTimeOutAndTheNextUpgradeGoesThrough) {
    const std::string firmware = Firmware();
    Fault("stall-upgrade 65536");  // two pieces of the upload taken, then silence
    const std::string transcript = Run("file " + firmware +
                                       "\nbutton Upgrade\nwait 2000\nfault clear\n"
                                       "file " +
                                       firmware + "\nbutton Upgrade\nwait 3000\n");
    const size_t failed = transcript.find("message\t\tUpgrade failed\tok\tok\n");
    ASSERT_NE(failed, std::string::npos) << transcript;
    EXPECT_GT(transcript.find("message\t\tUpgraded\tok\tok\n", failed), failed) << transcript;
    EXPECT_EQ(transcript.find("error"), std::string::npos) << transcript;
    EXPECT_EQ(server->device().Version(), kNewVersion);
}

}  // namespace
}  // namespace vela::console
