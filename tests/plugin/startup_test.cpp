// Start-up and shut-down of the root object in a scratch host folder: NetSDK calls and their
// order, the preset folder, the resource paths, the SkinSettings and the log lines.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/diag_log.h"
#include "plugin/vela_dvs_config.h"
#include "plugin/vela_dvs_manager.h"
#include "tests/common/temp_folder.h"
#include "tests/plugin/plugin_netsdk.h"
#include "ui/skin_values.h"
#include "ui/text_resources.h"

namespace {

using vela::testing::PluginNetSdk;
using vela::testing::ReadWholeFile;
using vela::testing::TempFolder;

const std::string kSkin = "English/dvsconfig/";

class StartupTest : public ::testing::Test {
  protected:
    ~StartupTest() override {
        root.reset();
        // Closes the process log so the scratch folder can go.
        vela::platform::g_DiagLog.Open(host.File("none.txt"), host.File("none.ini"));
    }
    void Start() { root = std::make_unique<vela::plugin::CVelaDVSConfig>(host.Path(), 1, 2, 3); }

    PluginNetSdk sdk;
    TempFolder host;
    std::unique_ptr<vela::plugin::CVelaDVSConfig> root;
};

struct ClientInitCase {
    const char* controlPos;  // null: no ControlPos file at all
    bool callsInit;
};

class ClientInitTest : public StartupTest, public ::testing::WithParamInterface<ClientInitCase> {};

TEST_P(ClientInitTest, NetSdkStartsAndStopsInOrder) {
    if (GetParam().controlPos) {
        host.Write(kSkin + "VelaSetupDllControlPos.ini", GetParam().controlPos);
    }
    Start();
    std::vector<std::string> expected = {"SetMessageCallback", "SetConnectTime(6000,1)"};
    if (GetParam().callsInit) expected.insert(expected.begin(), "Init");
    EXPECT_EQ(sdk.Trace(), expected);

    auto manager = reinterpret_cast<uintptr_t>(vela::plugin::g_pDVSManager);
    EXPECT_EQ(sdk.messageUser, manager);
    ASSERT_NE(sdk.messageCallback, nullptr);
    EXPECT_EQ(sdk.messageCallback(1, "x", 1, manager), 0) << "device messages are not taken";
    if (GetParam().callsInit) {
        EXPECT_EQ(sdk.disconnectUser, manager);
        ASSERT_NE(sdk.disconnectCallback, nullptr);
        sdk.disconnectCallback(1, "127.0.0.1", 34567, manager);
    }

    sdk.calls.clear();
    root.reset();
    EXPECT_EQ(sdk.Trace(), std::vector<std::string>{"Cleanup"});
}

INSTANTIATE_TEST_SUITE_P(
    ControlPos, ClientInitTest,
    ::testing::Values(ClientInitCase{nullptr, false},
                      ClientInitCase{"[DvsRunControl]\r\nExcu_CLIENT_Init=\r\n", false},
                      ClientInitCase{"[DvsRunControl]\r\nExcu_CLIENT_Init=1\r\n", true},
                      ClientInitCase{"[DvsRunControl]\r\nExcu_CLIENT_Init=-2\r\n", true},
                      ClientInitCase{"[OtherSection]\r\nExcu_CLIENT_Init=1\r\n", false}));

TEST_F(StartupTest, FixesResourcePathsAndKeepsOrCreatesThePresetFolder) {
    host.Write("Chinese/dvsconfig/placeholder.txt", "");
    host.Write("DVSYTFILE/Office.dat", "keep");
    host.Write("SysPara.ini", "[system]\r\nLanguage=2052\r\n");
    Start();
    const char sep = vela::platform::PathSeparator();
    const auto& paths = vela::ui::g_ResourcePaths;
    const std::string skin = host.Path() + sep + "Chinese" + sep + "dvsconfig" + sep;
    EXPECT_EQ(paths.languageFolder, skin);
    EXPECT_EQ(paths.textResFile, skin + "VelaSetupDllTextRes.ini");
    EXPECT_EQ(paths.controlPosFile, skin + "VelaSetupDllControlPos.ini");
    EXPECT_EQ(paths.staticButtonTextFile, skin + "VelaSetupDllStaticButtonText.ini");
    EXPECT_EQ(paths.systemSettingsFile, host.Path() + sep + "SysPara.ini");
    EXPECT_EQ(vela::plugin::g_pDVSManager->PresetFolder(), host.Path() + sep + "DVSYTFILE");
    EXPECT_EQ(ReadWholeFile(host.File("DVSYTFILE/Office.dat")), "keep");
}

TEST_F(StartupTest, ReadsSkinSettingsOfTheChosenLanguage) {
    host.Write(kSkin + "VelaSetupDllStaticButtonText.ini",
               "[DvsConfigDlg]\r\nButtonFontWeight=700\r\nButtonFontName=Tahoma\r\n"
               "InterfaceBKColor=1,2,3\r\n");
    Start();
    EXPECT_EQ(vela::ui::g_SkinSettings.buttonFontWeight, 700);
    EXPECT_EQ(vela::ui::g_SkinSettings.buttonFontName, "Tahoma");
    EXPECT_EQ(vela::ui::g_SkinSettings.interfaceBkColor, 0x030201u);
}

TEST_F(StartupTest, LogRecordsTheLifecycleWhenSwitchedOn) {
    host.Write("SysPara.ini", "[OutputInfoToFile]\r\nToFile=1\r\n");
    Start();
    auto* manager = vela::plugin::g_pDVSManager;
    sdk.acceptedPassword = "right";
    EXPECT_EQ(manager->InitServer("Office", "127.0.0.1", 34567, "admin", "bad", 0, "", 0), 0);
    EXPECT_EQ(manager->SetMotionAlarmState(0, 0, 1), 0);
    root.reset();

    std::string log = ReadWholeFile(host.File("VelaSetupDll.txt"));
    size_t result = log.find("\tCVelaDVSManager::InitServer() Result: 0\n\r\n");
    size_t alarm = log.find("\tSetMotionAlarmState() at VelaDvsDll !\r\n");
    size_t end = log.find("\t~CVelaDVSConfig() end\r\n");
    ASSERT_NE(result, std::string::npos) << log;
    ASSERT_NE(alarm, std::string::npos) << log;
    ASSERT_NE(end, std::string::npos) << log;
    EXPECT_LT(result, alarm);
    EXPECT_LT(alarm, end);
    EXPECT_EQ(end + std::string("\t~CVelaDVSConfig() end\r\n").size(), log.size());
    EXPECT_EQ(log.find("Is Running"), std::string::npos) << "no console is open";
}

TEST_F(StartupTest, NoSysParaMeansNoLogFile) {
    Start();
    vela::plugin::g_pDVSManager->SetMotionAlarmState(0, 0, 1);
    root.reset();
    EXPECT_FALSE(std::filesystem::exists(host.File("VelaSetupDll.txt")));
}

}  // namespace
