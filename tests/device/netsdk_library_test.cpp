// The ordinal loader against a real library: every argument reaches the entry point, and a
// missing library or entry point fails softly with a log line.
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

std::string FakeLibraryPath() {
    return platform::JoinPath(platform::HostFolder(),
                              platform::LibraryFileName("vela_fake_netsdk"));
}

using CallCount = int (*)(int);

TEST(NetSdkLibrary, ADeviceConnectionWorksThroughTheLoadedLibrary) {
    testing::LogCapture log("loaded-library");
    auto sdk = OpenNetSdk(FakeLibraryPath());
    ASSERT_TRUE(sdk->IsLoaded());
    auto library = platform::OpenLibrary(FakeLibraryPath());
    ASSERT_TRUE(library);
    auto calls = reinterpret_cast<CallCount>(library->Symbol("FakeNetSdk_Calls"));
    ASSERT_NE(calls, nullptr);
    const int readsBefore = calls(kOrdGetConfig);

    CDvsDevice device(*sdk);
    ASSERT_EQ(device.Connect("dvr", "127.0.0.1", 0x10000 + 4321, "admin", "pw", 0, "", 0), 1);
    EXPECT_EQ(device.LoginHandle(), 4321);
    EXPECT_EQ(device.ChannelCount(), 3);
    EXPECT_EQ(device.AlarmInputCount(), 1);
    // 18 reads of single records and arrays, three of record 23.
    EXPECT_EQ(calls(kOrdGetConfig) - readsBefore, 20);
    EXPECT_EQ(device.GetRecordGroup(6)[2 * 1360], 23 + 2);
    EXPECT_EQ(device.GetRecordGroup(2)[2044], static_cast<uint8_t>(15 - 1));
    EXPECT_EQ(device.StreamType(), 9);

    device.TakeSnapshot();
    device.GetRecordGroup(2)[364] ^= 1;  // record 38
    EXPECT_EQ(device.SaveRecords(), 0);  // the library asked for a reboot

    EXPECT_EQ(device.RebootDevice(), 0);  // ordinal 39 is missing
    EXPECT_TRUE(log.Contains("NetSDK ordinal 39 is not available")) << log.Text();

    device.Logout();
    EXPECT_GE(calls(kOrdLogout), 1);
}

TEST(NetSdkLibrary, ARefusedLoginReportsTheLibrarysError) {
    testing::LogCapture log("library-refusal");
    auto sdk = OpenNetSdk(FakeLibraryPath());
    CDvsDevice device(*sdk);
    EXPECT_EQ(device.Connect("dvr", "127.0.0.1", 80, "admin", "wrong", 0, "", 0), 0);
    EXPECT_TRUE(log.Contains("H264_DVR_Login() Fail, Error Code : 4660")) << log.Text();
}

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
