// A device connection through the NetSDK stand-in, loaded by the ordinal loader, against the
// simulated device on loopback: what Save stores is what the next login reads.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "device/dvs_device.h"
#include "device/netsdk_library.h"
#include "device/records.h"
#include "platform/bytes.h"
#include "platform/kernel.h"
#include "platform/net.h"
#include "tools/dvrsim/server.h"

namespace vela::device {
namespace {

constexpr size_t kWebPortOffset = 76;  // in record 20

class DeviceAgainstDvrsim : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::StartSockets();
        const auto folder = std::filesystem::temp_directory_path() / "vela-device-dvrsim";
        std::filesystem::create_directories(folder);
        m_StatePath =
            folder /
            (std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".bin");
        std::filesystem::remove(m_StatePath);

        dvrsim::ServerOptions options;
        options.port = 0;
        options.device.shape.channels = 6;
        options.device.shape.alarmInputs = 3;
        options.device.password = "pw";
        options.device.statePath = m_StatePath.string();
        m_pServer = std::make_unique<dvrsim::Server>(options);
        std::string reason;
        ASSERT_TRUE(m_pServer->Start(&reason)) << reason;

        m_pSdk = OpenNetSdk(
            platform::JoinPath(platform::HostFolder(), platform::LibraryFileName("NetSDK")));
        ASSERT_TRUE(m_pSdk->IsLoaded());
        m_pSdk->SetConnectTime(6000, 1);
    }
    void TearDown() override {
        if (m_pSdk) m_pSdk->Cleanup();
        if (m_pServer) m_pServer->Stop();
        std::error_code ignored;
        std::filesystem::remove(m_StatePath, ignored);
    }
    std::unique_ptr<CDvsDevice> Connect(const char* password = "pw") {
        auto device = std::make_unique<CDvsDevice>(*m_pSdk);
        device->Connect("dvr", "127.0.0.1", m_pServer->port(), "admin", password, 0, "", 0);
        return device;
    }
    void Fault(const std::string& line) {
        bool ok = false;
        m_pServer->Control(line, &ok);
        ASSERT_TRUE(ok) << line;
    }
    uint32_t Stores() { return m_pServer->device().storesAccepted(); }

    std::filesystem::path m_StatePath;
    std::unique_ptr<dvrsim::Server> m_pServer;
    std::unique_ptr<LoadedNetSdk> m_pSdk;
};

TEST_F(DeviceAgainstDvrsim, LoginReadsTheDeviceShapeAndAnUneditedSaveStoresNothing) {
    auto device = Connect();
    ASSERT_GT(device->LoginHandle(), 0);
    EXPECT_EQ(device->ChannelCount(), 6);
    EXPECT_EQ(device->AlarmInputCount(), 3);
    EXPECT_EQ(device->AlarmOutputCount(), 1);
    device->TakeSnapshot();
    const uint32_t before = Stores();
    EXPECT_EQ(device->SaveRecords(), 1);
    EXPECT_EQ(Stores(), before);

    EXPECT_EQ(Connect("wrong")->LoginHandle(), 0);
}

TEST_F(DeviceAgainstDvrsim, RefusedAndRebootStoresFollowTheSnapshotRules) {
    auto device = Connect();
    ASSERT_GT(device->LoginHandle(), 0);
    device->TakeSnapshot();
    Fault("refuse-store 20");
    Fault("needs-reboot 38");
    WriteI32(device->GetRecordGroup(2), kWebPortOffset, 8081);
    device->GetRecordGroup(2)[364 + 10] ^= 1;  // record 38
    EXPECT_EQ(device->SaveRecords(), 0);

    Fault("clear");
    const uint32_t before = Stores();
    EXPECT_EQ(device->SaveRecords(), 1);  // only the refused record 20 goes again
    EXPECT_EQ(Stores(), before + 1);
}

}  // namespace
}  // namespace vela::device
