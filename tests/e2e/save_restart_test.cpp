// End to end: records changed through the device connection's Save, with the real NetSDK
// stand-in loaded by ordinal, are what a restarted dvrsim (same state file) serves.
#include <gtest/gtest.h>

#include <memory>

#include "device/dvs_device.h"
#include "device/netsdk_library.h"
#include "platform/bytes.h"
#include "platform/kernel.h"
#include "platform/net.h"
#include "tests/common/temp_folder.h"
#include "tools/dvrsim/server.h"

namespace vela {
namespace {

// Offsets inside the record groups the device connection hands out.
constexpr size_t kWebPort = 76;                          // group 2, record 20
constexpr size_t kDeviceName = 400 + 44;                 // group 1, record 18
constexpr size_t kChannelName = 2 * 360 + 280;           // group 4, record 30, channel 2
constexpr size_t kMotionLevel = 1 * 1688 + 4;            // group 7, record 24, channel 1
constexpr size_t kAlarmInputEnable = 153728 + 3 * 1560;  // group 7, record 27, input 3
constexpr size_t kPtzAddress = 3 * 60 + 32;              // group 8, record 21, channel 3

class SaveAcrossRestart : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::StartSockets();
        sdk_ = device::OpenNetSdk(
            platform::JoinPath(platform::HostFolder(), platform::LibraryFileName("NetSDK")));
        ASSERT_TRUE(sdk_->IsLoaded());
    }
    void TearDown() override {
        if (sdk_) sdk_->Cleanup();
    }
    std::unique_ptr<dvrsim::Server> StartDevice() {
        dvrsim::ServerOptions options;
        options.port = 0;
        options.device.statePath = folder_.File("state.bin");
        auto server = std::make_unique<dvrsim::Server>(options);
        std::string reason;
        EXPECT_TRUE(server->Start(&reason)) << reason;
        return server;
    }
    std::unique_ptr<device::CDvsDevice> Connect(uint16_t port) {
        auto connection = std::make_unique<device::CDvsDevice>(*sdk_);
        connection->Connect("dvr", "127.0.0.1", port, "admin", "", 0, "", 0);
        return connection;
    }

    testing::TempFolder folder_;
    std::unique_ptr<device::LoadedNetSdk> sdk_;
};

TEST_F(SaveAcrossRestart, SavedRecordsSurviveARestartOfTheDevice) {
    auto server = StartDevice();
    {
        auto connection = Connect(server->port());
        ASSERT_GT(connection->LoginHandle(), 0);
        connection->TakeSnapshot();
        WriteI32(connection->GetRecordGroup(2), kWebPort, 8080);
        WriteText(connection->GetRecordGroup(1), kDeviceName, 64, "Warehouse");
        WriteText(connection->GetRecordGroup(4), kChannelName, 64, "Loading bay");
        WriteI32(connection->GetRecordGroup(7), kMotionLevel, 6);
        WriteU8(connection->GetRecordGroup(7), kAlarmInputEnable, 0);
        WriteI32(connection->GetRecordGroup(8), kPtzAddress, 17);
        EXPECT_EQ(connection->SaveRecords(), 1);
        connection->Logout();
    }
    server.reset();  // the device goes away; its state file stays

    server = StartDevice();
    auto connection = Connect(server->port());
    ASSERT_GT(connection->LoginHandle(), 0);
    EXPECT_EQ(ReadI32(connection->GetRecordGroup(2), kWebPort), 8080);
    EXPECT_EQ(ReadText(connection->GetRecordGroup(1), kDeviceName, 64), "Warehouse");
    EXPECT_EQ(ReadText(connection->GetRecordGroup(4), kChannelName, 64), "Loading bay");
    EXPECT_EQ(ReadI32(connection->GetRecordGroup(7), kMotionLevel), 6);
    EXPECT_EQ(ReadU8(connection->GetRecordGroup(7), kAlarmInputEnable), 0);
    EXPECT_EQ(ReadI32(connection->GetRecordGroup(8), kPtzAddress), 17);
    // Untouched neighbours keep their factory values.
    EXPECT_EQ(ReadText(connection->GetRecordGroup(4), kChannelName - 360, 64), "CAM 2");
    EXPECT_EQ(ReadI32(connection->GetRecordGroup(7), kMotionLevel - 1688), 3);
}

}  // namespace
}  // namespace vela
