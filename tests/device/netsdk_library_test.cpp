// The ordinal loader's failure path: a missing library or entry point fails softly with a log
// line. The loader's calls into a real library are the end-to-end tests' (the NetSDK stand-in
// loaded by ordinal against dvrsim).
#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "device/dvs_device.h"
#include "device/netsdk_library.h"
#include "platform/kernel.h"
#include "tests/common/fake_netsdk.h"
#include "tests/device/log_capture.h"

namespace vela::device {
namespace {

// Every entry point of a library that lacks them all answers 0 and names its ordinal in the
// log, without calling through a null entry.
TEST(NetSdkLibrary, EveryEntryPointWithItsOrdinalMissingAnswersZeroAndLogsIt) {
    testing::LogCapture log("every-ordinal-missing");
    auto sdk = OpenNetSdk(platform::JoinPath(platform::HostFolder(), "no-such-netsdk-library"));
    ASSERT_FALSE(sdk->IsLoaded());
    uint8_t info[kDeviceInfoSize] = {};
    uint8_t buffer[16] = {};
    uint32_t returned = 0;
    int32_t error = 0;
    const int32_t client[5] = {};
    struct Case {
        int ordinal;
        int32_t answer;
    };
    const Case cases[] = {
        {1, sdk->Init(nullptr, 0)},
        {2, sdk->Cleanup()},
        {3, sdk->GetLastError()},
        {4, sdk->SetConnectTime(6000, 1)},
        {5, sdk->Login("127.0.0.1", 80, "admin", "", info, &error, 0)},
        {7, sdk->Logout(1)},
        {8, sdk->SetMessageCallback(nullptr, 0)},
        {9, sdk->AfterLogin(1)},
        {10, sdk->UndoAfterLogin(1)},
        {11, sdk->GetConfig(1, 20, 0, buffer, sizeof(buffer), &returned, 10)},
        {12, sdk->SetConfig(1, 20, 0, buffer, sizeof(buffer), 10)},
        {15, sdk->RealPlay(1, client)},
        {16, sdk->StopRealPlay(1, nullptr)},
        {19, sdk->SetRealDataCallback(1, nullptr, 0)},
        {21, sdk->DelRealDataCallback(1, nullptr, 0)},
        {34, sdk->Upgrade(1, "digicap", 0, nullptr, 0)},
        {35, sdk->GetUpgradeState(1)},
        {37, sdk->PtzControl(1, 0, 0, 0, 4)},
        {38, sdk->PtzPreset(1, 0, 8, 1, 0, 0, 0)},
        {39, sdk->Reboot(1, 0, 10)},
    };
    ASSERT_EQ(std::size(cases), std::size(kNetSdkOrdinals));
    for (const Case& entry : cases) {
        EXPECT_EQ(entry.answer, 0) << "ordinal " << entry.ordinal;
        EXPECT_TRUE(
            log.Contains("NetSDK ordinal " + std::to_string(entry.ordinal) + " is not available"))
            << entry.ordinal;
    }
}

TEST(NetSdkLibrary, AnInstalledNetSdkReplacesTheProcessLibraryUntilRemoved) {
    vela::testing::FakeNetSdk fake;
    InstallNetSdk(&fake);
    EXPECT_EQ(&ProcessNetSdk(), &fake);
    CDvsDevice device;
    device.Connect("dvr", "10.0.0.1", 80, "admin", "", 0, "", 0);
    EXPECT_EQ(fake.CallsOf(kOrdLogin).size(), 1u);
    device.Logout();
    InstallNetSdk(nullptr);
    EXPECT_NE(&ProcessNetSdk(), &fake);
}

}  // namespace
}  // namespace vela::device
