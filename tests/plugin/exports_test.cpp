// The seven exports as a host calls them, with the host folder being this program's folder
// and NetSDK replaced by a recording fake.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/bytes.h"
#include "platform/kernel.h"
#include "plugin/VelaSetupDll.h"
#include "plugin/vela_dvs_config.h"
#include "plugin/vela_dvs_manager.h"
#include "tests/plugin/plugin_netsdk.h"

namespace {

namespace si = vela_setup::server_info;
using vela::testing::PluginNetSdk;

class ExportsTest : public ::testing::Test {
  protected:
    void TearDown() override {
        while (UnInit() == 1) {
        }
    }
    int32_t Setup(const char* password, const char* address = "Office") {
        return SetupServer(address, "127.0.0.1", 34567, "admin", password, 0, "", 0);
    }

    // GetServerInfo into a record with guard bytes behind it.
    struct ServerInfo {
        int32_t result;
        std::string address;
        std::vector<uint8_t> record;
        std::string Text(size_t offset, size_t width) const {
            return vela::ReadText(record.data(), offset, width);
        }
    };
    static ServerInfo Info() {
        ServerInfo info{0, "", std::vector<uint8_t>(si::kSize + 16, kGuard)};
        char address[64] = {};
        info.result = GetServerInfo(address, info.record.data());
        info.address = address;
        return info;
    }
    static constexpr uint8_t kGuard = 0xCC;

    PluginNetSdk sdk;
};

TEST_F(ExportsTest, EveryExportBeforeInitAnswersZeroAndTouchesNothing) {
    char address[64] = "unchanged";
    uint8_t record[si::kSize] = {};
    std::vector<uint8_t> presets(vela_setup::preset_info::kSize * 128);
    uint8_t items[vela_setup::plan_item::kSize * 32] = {};
    int32_t count = 128, speed = -7, home = -7, homeTime = -7;

    EXPECT_EQ(UnInit(), 0);
    EXPECT_EQ(Setup("right"), 0);
    EXPECT_EQ(GetServerInfo(address, record), 0);
    EXPECT_EQ(ReadPresetInfo("Office", 0, presets.data(), &count, &speed), 0);
    EXPECT_EQ(ReadPresetPlan("Office", 0, items, &count, &home, &homeTime), 0);
    EXPECT_EQ(SetMotionAlarmState(0, 0, 1), 0);

    EXPECT_TRUE(sdk.calls.empty());
    EXPECT_STREQ(address, "unchanged");
    EXPECT_EQ(count, 128);
    EXPECT_EQ(speed, -7);
    EXPECT_EQ(home, -7);
}

TEST_F(ExportsTest, InitTwiceBuildsOneRootObjectAndUnInitEndsIt) {
    ASSERT_EQ(Init(1, 2, 3), 1);
    auto* root = vela::plugin::g_pDVSConfig;
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(Init(4, 5, 6), 1);
    EXPECT_EQ(vela::plugin::g_pDVSConfig, root);
    EXPECT_EQ(sdk.Count("SetConnectTime(6000,1)"), 1u);

    EXPECT_EQ(UnInit(), 1);
    EXPECT_EQ(vela::plugin::g_pDVSConfig, nullptr);
    EXPECT_EQ(vela::plugin::g_pDVSManager, nullptr);
    EXPECT_EQ(UnInit(), 0);
    EXPECT_EQ(sdk.Count("Cleanup"), 1u);

    // A new cycle repeats the whole start-up.
    ASSERT_EQ(Init(0, 0, 0), 1);
    EXPECT_EQ(sdk.Count("SetConnectTime(6000,1)"), 2u);
    EXPECT_TRUE(std::filesystem::is_directory(
        vela::platform::JoinPath(vela::platform::HostFolder(), "DVSYTFILE")));
}

TEST_F(ExportsTest, WithoutSetupServerOrConsoleTheQueriesAnswerZero) {
    ASSERT_EQ(Init(0, 0, 0), 1);
    EXPECT_EQ(Info().result, 0);
    EXPECT_EQ(SetMotionAlarmState(0, 0, 1), 0);
}

TEST_F(ExportsTest, SuccessfulLoginAnswersTheSavedFlagAndReportsTheConnection) {
    ASSERT_EQ(Init(0, 0, 0), 1);
    EXPECT_EQ(Setup("right"), 0);  // logged in; no Save was pressed
    EXPECT_EQ(sdk.Count("Login(127.0.0.1,34567,admin,right)"), 1u);

    vela::plugin::g_pDVSManager->SetSaved(1);
    EXPECT_EQ(Setup("right"), 1);
    EXPECT_EQ(Setup("right"), 1) << "the flag is never reset after Init";

    const ServerInfo info = Info();
    ASSERT_EQ(info.result, 1);
    EXPECT_EQ(info.address, "Office");
    EXPECT_EQ(info.Text(si::kAddress, si::kAddressWidth), "Office");
    EXPECT_EQ(info.Text(si::kLoginAddress, si::kLoginAddressWidth), "127.0.0.1");
    EXPECT_EQ(vela::ReadU16(info.record.data(), si::kPort), 34567);
    EXPECT_EQ(info.Text(si::kUser, si::kUserWidth), "admin");
    EXPECT_EQ(info.Text(si::kPassword, si::kPasswordWidth), "right");
}

TEST_F(ExportsTest, WrongPasswordAnswersZeroYetKeepsTheAttemptedData) {
    ASSERT_EQ(Init(0, 0, 0), 1);
    EXPECT_EQ(Setup("wrong"), 0);
    const ServerInfo info = Info();
    ASSERT_EQ(info.result, 1);
    EXPECT_EQ(info.address, "Office");
    EXPECT_EQ(info.Text(si::kPassword, si::kPasswordWidth), "wrong");
}

TEST_F(ExportsTest, SecondSetupServerLogsTheFirstConnectionOutBeforeLoggingIn) {
    ASSERT_EQ(Init(0, 0, 0), 1);
    Setup("right", "First");
    Setup("right", "Second");
    int firstLogout = sdk.IndexOf("Logout(100)");
    ASSERT_GE(firstLogout, 0);
    std::vector<int> logins;
    for (size_t i = 0; i < sdk.calls.size(); ++i) {
        if (sdk.calls[i].trace.rfind("Login(", 0) == 0) logins.push_back(static_cast<int>(i));
    }
    ASSERT_EQ(logins.size(), 2u);
    EXPECT_LT(logins[0], firstLogout);
    EXPECT_LT(firstLogout, logins[1]);

    EXPECT_EQ(Info().address, "Second");
}

TEST_F(ExportsTest, UnInitLogsOutThenShutsNetSdkDown) {
    ASSERT_EQ(Init(0, 0, 0), 1);
    Setup("right");
    sdk.calls.clear();
    ASSERT_EQ(UnInit(), 1);
    EXPECT_EQ(sdk.Trace(),
              (std::vector<std::string>{"UndoAfterLogin(100)", "Logout(100)", "Cleanup"}));
}

}  // namespace
