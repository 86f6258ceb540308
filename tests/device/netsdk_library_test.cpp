// The ordinal loader against a real library: every argument reaches the entry point, and a
// missing library or entry point fails softly with a log line.
#include <gtest/gtest.h>

#include "device/dvs_device.h"
#include "device/netsdk_library.h"
#include "platform/kernel.h"
#include "tests/device/fake_netsdk.h"
#include "tests/device/log_capture.h"

namespace vela::device {
namespace {

std::string FakeLibraryPath() {
    return platform::JoinPath(platform::HostFolder(),
                              platform::LibraryFileName("vela_fake_netsdk"));
}

using CallCount = int (*)(int);

TEST(NetSdkLibrary, ResolvesTheOrdinalsTheLibraryHas) {
    auto sdk = OpenNetSdk(FakeLibraryPath());
    ASSERT_TRUE(sdk->IsLoaded()) << FakeLibraryPath();
    for (int ordinal : {1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12}) EXPECT_TRUE(sdk->HasOrdinal(ordinal));
    for (int ordinal : {0, 15, 39, 40}) EXPECT_FALSE(sdk->HasOrdinal(ordinal));
    EXPECT_EQ(sdk->SetConnectTime(6000, 1), 1);
}

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

TEST(NetSdkLibrary, WithoutTheLibraryEveryCallFailsSoftly) {
    testing::LogCapture log("no-library");
    auto sdk = OpenNetSdk(platform::JoinPath(platform::HostFolder(), "no-such-netsdk-library"));
    EXPECT_FALSE(sdk->IsLoaded());
    EXPECT_EQ(sdk->Init(nullptr, 0), 0);
    EXPECT_EQ(sdk->Cleanup(), 0);

    CDvsDevice device(*sdk);
    EXPECT_EQ(device.Connect("dvr", "127.0.0.1", 80, "admin", "pw", 0, "", 0), 0);
    EXPECT_EQ(device.SaveRecords(), -1);
    EXPECT_EQ(device.RebootDevice(), 0);
    EXPECT_TRUE(log.Contains("NetSDK ordinal 5 is not available")) << log.Text();
    EXPECT_TRUE(log.Contains("H264_DVR_Login() Fail, Error Code : 0")) << log.Text();
}

TEST(NetSdkLibrary, AnInstalledNetSdkReplacesTheProcessLibraryUntilRemoved) {
    testing::FakeNetSdk fake;
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
