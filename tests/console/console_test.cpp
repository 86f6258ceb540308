// The console on the window system of this build (headless natively, win32 under wine), driven
// by console scripts against a device connection over a recording NetSDK: page switching, the
// maintenance actions and their messages, and the upgrade callback from another thread.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <thread>

#include "console/console_commands.h"
#include "console/dvs_cfg_dlg.h"
#include "console/upgrade_relay.h"
#include "device/dvs_device.h"
#include "platform/bytes.h"
#include "platform/kernel.h"
#include "tests/common/fake_netsdk.h"
#include "tests/common/temp_folder.h"
#include "ui/console_script.h"
#include "ui/text_resources.h"

namespace vela::console {
namespace {

using vela::testing::FakeNetSdk;
using vela::testing::NetSdkCall;

constexpr size_t kWebPort = 76;  // record 20

const char kTextRes[] =
    "[DVSInfo]\npt1=Saved\npt3=Not saved\n"
    "RebootFai=Reboot refused\nSetTimeFail=Clock refused\n"
    "[DvsState]\nMessageBoxTip1=Restart the device?\nUpdateSucc=Upgraded\nUpdateFail=Upgrade "
    "failed\n";

// Upgrades that keep running until the test reports their end through the callback.
class UpgradingNetSdk : public FakeNetSdk {
  public:
    int32_t Upgrade(int32_t login, const char* path, int32_t type, device::UpgradeCallback cb,
                    uintptr_t user) override {
        callback = cb;
        callbackUser = user;
        return FakeNetSdk::Upgrade(login, path, type, cb, user);
    }
    int32_t GetUpgradeState(int32_t upgrade) override {
        FakeNetSdk::GetUpgradeState(upgrade);
        return upgradeState;
    }
    // The library's own thread reports progress.
    void ReportFromThread(int32_t done, int32_t total) {
        std::thread([this, done, total] { callback(7, 1, done, total, callbackUser); }).join();
    }

    int32_t upgradeState = 2;
    device::UpgradeCallback callback = nullptr;
    uintptr_t callbackUser = 0;
};

class ConsoleTest : public ::testing::Test {
  protected:
    void SetUp() override {
        savedPaths = ui::g_ResourcePaths;
        ui::ResourcePaths& paths = ui::g_ResourcePaths;
        paths.languageFolder = folder.Path() + platform::PathSeparator();
        paths.textResFile = folder.Write("VelaSetupDllTextRes.ini", kTextRes);
        paths.controlPosFile = folder.File("VelaSetupDllControlPos.ini");
        paths.staticButtonTextFile = folder.File("VelaSetupDllStaticButtonText.ini");
        device::InstallNetSdk(&sdk);
    }
    void TearDown() override {
        device.reset();
        device::InstallNetSdk(nullptr);
        ui::g_ResourcePaths = savedPaths;
    }
    void Connect(int alarmInputs = 4) {
        sdk.SetDeviceCounts(4, 0, alarmInputs, 1);
        device = std::make_unique<device::CDvsDevice>(sdk);
        ASSERT_EQ(device->Connect("dvr", "10.0.0.5", 34567, "admin", "pw", 0, "", 0), 1);
        sdk.calls.clear();
    }
    // Runs a console on the device with the script; returns the transcript.
    std::string Run(const std::string& script) {
        const std::string scriptPath = folder.Write("script.txt", script);
        const std::string transcript = folder.File("transcript.txt");
        console = std::make_unique<CDvsCfgDlg>(device.get());
        EXPECT_EQ(g_pDvsCfgDlg, nullptr) << "published only once its window and pages exist";
        {
            ui::ScriptSession session(scriptPath, transcript);
            AddConsoleCommands(session, *console);
            session.AddCommand("finish-upgrade", [this](ui::ScriptSession&, const std::string&) {
                sdk.ReportFromThread(5, 9);  // progress only
                sdk.ReportFromThread(9, 9);
                return std::string();
            });
            session.AddCommand("note-published", [this](ui::ScriptSession&, const std::string&) {
                published = g_pDvsCfgDlg;
                publishedPage = published ? published->CurrentPage() : kNoPage;
                return std::string();
            });
            // "progress N MS": N progress reports from the library's thread, MS apart, each
            // followed by the posted messages as a waiting script takes them.
            session.AddCommand("progress", [this](ui::ScriptSession& s, const std::string& args) {
                int reports = 0, gapMs = 0;
                std::istringstream(args) >> reports >> gapMs;
                for (int i = 0; i < reports; ++i) {
                    sdk.ReportFromThread(i + 1, 1000);
                    platform::SleepMs(static_cast<uint32_t>(gapMs));
                    platform::TheWindowSystem().PumpMessages();
                }
                return std::string();
            });
            console->DoModal();
        }
        EXPECT_EQ(g_pDvsCfgDlg, nullptr) << "the closed console withdrew itself";
        return testing::ReadWholeFile(transcript);
    }
    const uint8_t* Record20() { return device->GetRecordGroup(2); }

    testing::TempFolder folder;
    ui::ResourcePaths savedPaths;
    UpgradingNetSdk sdk;
    std::unique_ptr<device::CDvsDevice> device;
    std::unique_ptr<CDvsCfgDlg> console;
    CDvsCfgDlg* published = nullptr;  // g_pDvsCfgDlg at the script's note-published
    int publishedPage = kNoPage;
};

TEST_F(ConsoleTest, TheOpenConsoleIsPublishedAndItsPageButtonsSwitchStoreOnLeaving) {
    Connect(0);
    const int32_t oldPort = ReadI32(Record20(), kWebPort);
    // Sensor does nothing without alarm inputs; Server is shown, so pressing it neither stores
    // nor reloads (the typed value stays, the record keeps its old port).
    const std::string transcript =
        Run("note-published\npage Sensor\nset HttpPort 8080\npage Server\n"
            "expect HttpPort 8080\npage Channel\n");
    EXPECT_EQ(transcript.find("error"), std::string::npos) << transcript;
    EXPECT_EQ(published, console.get()) << "the open console is published";
    EXPECT_EQ(publishedPage, kServerPage) << "with its shown page";
    EXPECT_EQ(console->CurrentPage(), kChannelPage);
    EXPECT_FALSE(console->PageVisited(kSensorPage));
    EXPECT_TRUE(console->PageVisited(kChannelPage));
    EXPECT_NE(oldPort, 8080);
    EXPECT_EQ(ReadI32(Record20(), kWebPort), 8080) << "leaving the Server page stored it";
    EXPECT_TRUE(sdk.CallsOf(device::kOrdSetConfig).empty()) << "nothing saved";
    EXPECT_TRUE(sdk.CallsOf(device::kOrdLogout).empty()) << "the script's end closes as Esc";

    Connect(2);
    Run("page Sensor\nbutton Exit\n");
    EXPECT_EQ(console->CurrentPage(), kSensorPage);
    EXPECT_EQ(sdk.CallsOf(device::kOrdLogout).size(), 1u) << "Exit logs out";
}

// The play windows go with the console, so their preview must not outlive it; the login does
// when the console is closed with Esc (the script's end), and Exit ends both.
TEST_F(ConsoleTest, ClosingTheConsoleStopsThePreviewAndOnlyExitEndsTheLogin) {
    for (bool exit : {false, true}) {
        SCOPED_TRACE(exit ? "Exit" : "Esc");
        Connect();
        ASSERT_GT(device->StartPreview(0, nullptr, 0), 0);
        Run(exit ? "button Exit\n" : "");
        EXPECT_EQ(device->LiveView().PlayHandle(), 0);
        EXPECT_EQ(sdk.CallsOf(device::kOrdStopRealPlay).size(), 1u);
        EXPECT_EQ(sdk.CallsOf(device::kOrdLogout).size(), exit ? 1u : 0u);
    }
}

TEST_F(ConsoleTest, ARefusedStoreIsSentAgainByTheNextSave) {
    Connect();
    int refusals = 1;
    sdk.onStore = [&refusals](uint32_t command, int32_t) {
        return command == 20 && refusals-- > 0 ? 0 : 1;
    };
    const std::string transcript =
        Run("set HttpPort 8080\nbutton Save\nbutton Save\nbutton Save\n");
    const std::vector<NetSdkCall> stores = sdk.CallsFor(device::kOrdSetConfig, 20);
    ASSERT_EQ(stores.size(), 2u) << "refused once, sent again, then nothing left to send";
    EXPECT_LT(transcript.find("\tNot saved\t"), transcript.find("\tSaved\t")) << transcript;
    EXPECT_EQ(ReadI32(stores[1].stored.data(), kWebPort), 8080);
}

TEST_F(ConsoleTest, UpgradeChecksThePathLengthAndReportsTheEndFromTheLibraryThread) {
    Connect();
    const std::string path99 = "/" + std::string(98, 'f');
    const std::string path100 = "/" + std::string(99, 'f');
    std::string transcript = Run("page Channel\nfile " + path100 + "\nbutton Upgrade\n");
    EXPECT_NE(transcript.find(std::string("file\t") + kUpgradeFilter + "\t" + path100),
              std::string::npos)
        << transcript;
    EXPECT_NE(transcript.find("message\t\tFile Path too long \tok\tok\n"), std::string::npos);
    EXPECT_TRUE(sdk.CallsOf(device::kOrdUpgrade).empty());
    EXPECT_EQ(console->CurrentPage(), kServerPage) << "Upgrade shows the Server page";

    // Still running after two state queries: no message until the callback reports the end.
    transcript = Run("file " + path99 + "\nbutton Upgrade\nfinish-upgrade\n");
    ASSERT_EQ(sdk.CallsOf(device::kOrdUpgrade).size(), 1u);
    EXPECT_EQ(sdk.CallsOf(device::kOrdUpgrade)[0].text, path99);
    EXPECT_EQ(sdk.CallsOf(device::kOrdGetUpgradeState).size(), 2u);
    EXPECT_EQ(transcript.find("Upgraded"), transcript.rfind("Upgraded")) << transcript;
    EXPECT_NE(transcript.find("message\t\tUpgraded\tok\tok\n"), std::string::npos) << transcript;

    // A late report for a console that is gone reaches nothing.
    sdk.ReportFromThread(9, 9);
    platform::TheWindowSystem().PumpMessages();

    sdk.upgradeState = 3;
    transcript = Run("file " + path99 + "\nbutton Upgrade\n");
    EXPECT_NE(transcript.find("message\t\tUpgrade failed\tok\tok\n"), std::string::npos)
        << transcript;
}

// The library may never report an upgrade's end; the console gives up after the stall
// time-out without progress, reports a failure and stays usable.
class ConsoleStallTest : public ConsoleTest {
  protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        Connect();
    }
    void TearDown() override {
        SetUpgradeStallTimeout(kUpgradeStallTimeoutMs);
        ConsoleTest::TearDown();
    }
    const std::string firmware = "/" + std::string(20, 'f');
    const std::string failed = "message\t\tUpgrade failed\tok\tok\n";
    const std::string upgraded = "message\t\tUpgraded\tok\tok\n";
};

TEST_F(ConsoleStallTest, UpgradeWithoutProgressFailsAfterTheTimeOutAndItsLateEndIsIgnored) {
    SetUpgradeStallTimeout(50);
    const std::string transcript = Run("file " + firmware +
                                       "\nbutton Upgrade\nwait 1000\nfinish-upgrade\n"
                                       "set HttpPort 8080\nexpect HttpPort 8080\n");
    EXPECT_NE(transcript.find(failed), std::string::npos) << transcript;
    EXPECT_EQ(transcript.find(failed), transcript.rfind(failed)) << "reported once";
    EXPECT_EQ(transcript.find("Upgraded"), std::string::npos) << transcript;
    EXPECT_EQ(transcript.find("error"), std::string::npos) << "the console stays usable";
}

TEST_F(ConsoleStallTest, ProgressRestartsTheTimeOut) {
    SetUpgradeStallTimeout(1000);
    // Two and a half time-outs pass, but never one without progress.
    const std::string transcript =
        Run("file " + firmware + "\nbutton Upgrade\nprogress 25 100\nfinish-upgrade\n");
    EXPECT_EQ(transcript.find("failed"), std::string::npos) << transcript;
    EXPECT_NE(transcript.find(upgraded), std::string::npos) << transcript;
}

TEST_F(ConsoleStallTest,
       TheNextUpgradeIsBelievedAlthoughItsHandleComesAgainAndItsEndStopsTheTimeOut) {
    SetUpgradeStallTimeout(50);
    const std::string transcript = Run("file " + firmware + "\nbutton Upgrade\nwait 1000\nfile " +
                                       firmware + "\nbutton Upgrade\nfinish-upgrade\nwait 500\n");
    ASSERT_NE(transcript.find(failed), std::string::npos) << transcript;
    EXPECT_GT(transcript.find(upgraded), transcript.find(failed)) << transcript;
    EXPECT_EQ(transcript.find(failed), transcript.rfind(failed)) << "the ended one did not stall";
}

TEST_F(ConsoleTest, ConfirmationsUseTheirBuiltInTextsAndCancelDoesNothing) {
    Connect();
    std::string transcript = Run("button TimeAdjust\nreply ok\nbutton TimeAdjust\n");
    EXPECT_NE(transcript.find("message\t\tAdjust time\tokcancel\tcancel\n"), std::string::npos)
        << transcript;
    ASSERT_EQ(sdk.CallsFor(device::kOrdSetConfig, 18).size(), 1u);
    EXPECT_NE(transcript.find("message\t\tSuccessfully!\tok\tok\n"), std::string::npos);

    sdk.rebootResult = 0;
    transcript = Run("page Channel\nreply ok\nbutton Restart\n");
    EXPECT_EQ(console->CurrentPage(), kServerPage);
    EXPECT_TRUE(console->PageVisited(kServerPage));
    EXPECT_NE(transcript.find("message\t\tReboot refused\tok\tok\n"), std::string::npos)
        << transcript;
}

}  // namespace
}  // namespace vela::console
