// End to end over loopback: the plug-in's exports and manager with the real NetSDK stand-in
// (loaded from this program's folder, as the plug-in loads it) against dvrsim's server.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/bytes.h"
#include "plugin/VelaSetupDll.h"
#include "plugin/vela_dvs_manager.h"
#include "tests/common/temp_folder.h"
#include "tools/dvrsim/server.h"

namespace {

namespace si = vela_setup::server_info;

class LoopbackTest : public ::testing::Test {
  protected:
    void SetUp() override {
        vela::dvrsim::ServerOptions options;
        options.port = 0;
        options.device.statePath = folder.File("state.bin");
        options.device.password = "1234";
        options.device.shape.channels = 8;
        server = std::make_unique<vela::dvrsim::Server>(options);
        std::string reason;
        ASSERT_TRUE(server->Start(&reason)) << reason;
        ASSERT_EQ(Init(0, 0, 0), 1);
    }
    void TearDown() override {
        UnInit();
        server.reset();
    }
    int32_t Setup(const char* password) {
        return SetupServer("Office", "127.0.0.1", server->port(), "admin", password, 0, "", 0);
    }
    const vela::device::CDvsDevice* Device() const {
        return vela::plugin::g_pDVSManager ? vela::plugin::g_pDVSManager->Device() : nullptr;
    }

    vela::testing::TempFolder folder;
    std::unique_ptr<vela::dvrsim::Server> server;
};

TEST_F(LoopbackTest, LoginReadsTheDeviceAndASecondSetupServerLogsInAfresh) {
    EXPECT_EQ(Setup("1234"), 0) << "logged in; the console was closed without Save";
    ASSERT_NE(Device(), nullptr);
    const int32_t first = Device()->LoginHandle();
    EXPECT_GT(first, 0);
    EXPECT_EQ(Device()->ChannelCount(), 8);
    char address[64] = {};
    uint8_t record[si::kSize] = {};
    ASSERT_EQ(GetServerInfo(address, record), 1);
    EXPECT_STREQ(address, "Office");
    EXPECT_EQ(vela::ReadU16(record, si::kPort), server->port());

    ASSERT_EQ(Setup("1234"), 0);
    EXPECT_GT(Device()->LoginHandle(), 0);
    EXPECT_NE(Device()->LoginHandle(), first);
}

}  // namespace
