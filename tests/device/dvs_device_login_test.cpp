// Login, the record reads that follow it, logout and the host's copy of the parameters.
#include <gtest/gtest.h>

#include <climits>
#include <tuple>
#include <vector>

#include "device/dvs_device.h"
#include "device/server_info_record.h"
#include "platform/bytes.h"
#include "tests/common/fake_netsdk.h"
#include "tests/device/log_capture.h"

namespace vela::device {
namespace {

using vela::testing::FakeNetSdk;
using vela::testing::NetSdkCall;
using Read = std::tuple<uint32_t, int32_t, uint32_t>;  // command, channel, size

std::vector<Read> ReadsOf(const FakeNetSdk& sdk) {
    std::vector<Read> reads;
    for (const NetSdkCall& call : sdk.CallsOf(kOrdGetConfig))
        reads.emplace_back(call.command, call.channel, call.size);
    return reads;
}

int ConnectPlain(CDvsDevice& device) {
    return device.Connect("dvr-1", "10.0.0.2", 34567, "admin", "secret", 0, "", 0);
}

TEST(DeviceLogin, LogsInThenReadsEveryRecordInOrderWithItsChannelAndSize) {
    FakeNetSdk sdk;
    sdk.SetDeviceCounts(2, 1, 4, 2);
    CDvsDevice device(sdk);
    ASSERT_EQ(ConnectPlain(device), 1);

    const std::vector<Read> expected = {
        {18, 0, 192},    {20, 0, 144},    {43, 0, 8},     {42, -1, 212},   {38, -1, 1680},
        {15, -1, 324},   {9, 0, 57},      {68, -1, 2816}, {10, -1, 3028},  {30, -1, 11520},
        {23, 0, 1360},   {23, 1, 1360},   {23, 2, 1360},  {24, -1, 54016}, {25, -1, 49920},
        {26, -1, 49792}, {27, -1, 49920}, {13, 0, 8},     {21, -1, 1920},  {11, 0, 3204},
    };
    EXPECT_EQ(ReadsOf(sdk), expected);
    for (const NetSdkCall& call : sdk.CallsOf(kOrdGetConfig)) {
        EXPECT_EQ(call.handle, 7);
        EXPECT_EQ(call.waitMs, 10000);
    }

    const std::vector<int> ordinals = sdk.Ordinals();
    ASSERT_GE(ordinals.size(), 3u);
    EXPECT_EQ(ordinals[0], kOrdLogin);
    EXPECT_EQ(ordinals[1], kOrdAfterLogin);
    EXPECT_EQ(sdk.CallsOf(kOrdAfterLogin)[0].handle, 7);

    EXPECT_EQ(device.LoginHandle(), 7);
    EXPECT_EQ(device.ChannelCount(), 3);
    EXPECT_EQ(device.AlarmInputCount(), 4);
    EXPECT_EQ(device.AlarmOutputCount(), 2);
    EXPECT_EQ(device.StreamType(), 9);  // the fake fills record 9 with its command number
}

TEST(DeviceLogin, PassesTheLoginArgumentsWithThePortCutToSixteenBits) {
    FakeNetSdk sdk;
    CDvsDevice device(sdk);
    device.Connect("dvr-1", "10.0.0.9", 0x18235, "root", "pw", 0, "", 0);
    EXPECT_EQ(sdk.CallsOf(kOrdLogin).at(0).text, "10.0.0.9");
    EXPECT_EQ(sdk.loginPort, 0x8235);
    EXPECT_EQ(sdk.loginUser, "root");
    EXPECT_EQ(sdk.loginPassword, "pw");
    EXPECT_EQ(sdk.loginErrorPreset, 0);
    EXPECT_EQ(sdk.loginSocketType, 0);
}

TEST(DeviceLogin, ARefusedLoginReadsNothingAndLogsTheLastError) {
    testing::LogCapture log("refused-login");
    FakeNetSdk sdk;
    sdk.loginHandle = 0;
    sdk.lastError = 42;
    sdk.SetDeviceCounts(4, 0, 1, 1);
    CDvsDevice device(sdk);
    EXPECT_EQ(ConnectPlain(device), 0);
    EXPECT_TRUE(sdk.CallsOf(kOrdGetConfig).empty());
    EXPECT_TRUE(sdk.CallsOf(kOrdAfterLogin).empty());
    EXPECT_EQ(device.LoginHandle(), 0);
    EXPECT_EQ(device.ChannelCount(), 0);
    EXPECT_TRUE(log.Contains("H264_DVR_Login() Fail, Error Code : 42")) << log.Text();

    sdk.loginHandle = -3;
    EXPECT_EQ(device.Login(), -3);
    EXPECT_EQ(device.LoginHandle(), 0);
    // Nothing to log out from.
    device.Logout();
    EXPECT_TRUE(sdk.CallsOf(kOrdLogout).empty());
}

TEST(DeviceLogin, RecordFifteenIsReadOnlyAfterAWholeRecord38) {
    struct Case {
        int32_t result;
        uint32_t returned;
        bool reads15;
    };
    for (const Case& c :
         {Case{1, 1680, true}, Case{1, 1000, false}, Case{0, 1680, false}, Case{1, 5000, false}}) {
        FakeNetSdk sdk;
        sdk.onRead = [&](uint32_t command, int32_t, uint8_t*, uint32_t size, uint32_t* returned) {
            *returned = command == 38 ? c.returned : size;
            return command == 38 ? c.result : 1;
        };
        CDvsDevice device(sdk);
        ConnectPlain(device);
        EXPECT_EQ(sdk.CallsFor(kOrdGetConfig, 15).size(), c.reads15 ? 1u : 0u)
            << c.result << " " << c.returned;
    }
}

TEST(DeviceLogin, ChannelRecordReadsStopAtTheFirstFailedShortSlot) {
    struct Case {
        uint32_t returnedBySlot2;
        size_t reads;
    };
    // A failed read that still returned the whole slot does not stop the reads.
    for (const Case& c : {Case{0, 3}, Case{100, 3}, Case{1360, 6}}) {
        FakeNetSdk sdk;
        sdk.SetDeviceCounts(6, 0, 0, 0);
        sdk.onRead = [&](uint32_t command, int32_t channel, uint8_t*, uint32_t size,
                         uint32_t* returned) {
            const bool fail = command == 23 && channel == 2;
            *returned = fail ? c.returnedBySlot2 : size;
            return fail ? 0 : 1;
        };
        CDvsDevice device(sdk);
        ConnectPlain(device);
        EXPECT_EQ(sdk.CallsFor(kOrdGetConfig, 23).size(), c.reads) << c.returnedBySlot2;
        EXPECT_EQ(sdk.CallsFor(kOrdGetConfig, 24).size(), 1u);
    }
}

TEST(DeviceLogin, CountsFromDeviceInfoAreBoundedToThirtyTwoSlots) {
    struct Case {
        int32_t channels, extra, inputs, outputs;
        int channelCount, inputCount, outputCount;
    };
    for (const Case& c :
         {Case{20, 20, 40, 33, 32, 32, 32}, Case{INT_MAX, INT_MAX, 0, 0, 32, 0, 0},
          Case{INT_MIN, -1, INT_MIN, INT_MAX, 0, 0, 32}, Case{32, 0, 32, 32, 32, 32, 32}}) {
        FakeNetSdk sdk;
        sdk.SetDeviceCounts(c.channels, c.extra, c.inputs, c.outputs);
        CDvsDevice device(sdk);
        ConnectPlain(device);
        EXPECT_EQ(device.ChannelCount(), c.channelCount) << c.channels << "+" << c.extra;
        EXPECT_EQ(device.AlarmInputCount(), c.inputCount);
        EXPECT_EQ(device.AlarmOutputCount(), c.outputCount);
        EXPECT_EQ(sdk.CallsFor(kOrdGetConfig, 23).size(), static_cast<size_t>(c.channelCount));
        for (const NetSdkCall& call : sdk.CallsFor(kOrdGetConfig, 23)) {
            EXPECT_GE(call.channel, 0);
            EXPECT_LT(call.channel, 32);
        }
    }
}

TEST(DeviceLogin, LoginAgainAndLogoutEndTheOldLoginWithTenThenSeven) {
    FakeNetSdk sdk;
    CDvsDevice device(sdk);
    ConnectPlain(device);
    sdk.calls.clear();
    sdk.loginHandle = 12;
    EXPECT_EQ(device.Login(), 12);
    ASSERT_GE(sdk.calls.size(), 3u);
    EXPECT_EQ(sdk.calls[0].ordinal, kOrdUndoAfterLogin);
    EXPECT_EQ(sdk.calls[0].handle, 7);
    EXPECT_EQ(sdk.calls[1].ordinal, kOrdLogout);
    EXPECT_EQ(sdk.calls[1].handle, 7);
    EXPECT_EQ(sdk.calls[2].ordinal, kOrdLogin);

    sdk.calls.clear();
    device.Logout();
    EXPECT_EQ(sdk.Ordinals(), (std::vector<int>{kOrdUndoAfterLogin, kOrdLogout}));
    EXPECT_EQ(sdk.calls[1].handle, 12);
    EXPECT_EQ(device.LoginHandle(), 0);
    device.Logout();
    EXPECT_EQ(sdk.calls.size(), 2u);
}

TEST(DeviceServerInfo, CutsEachTextToItsFieldAndNeverWritesPastTheRecord) {
    FakeNetSdk sdk;
    sdk.loginHandle = 0;  // the host still learns the attempted parameters
    CDvsDevice device(sdk);
    const std::string address(40, 'a');
    const std::string loginAddress(60, 'b');
    const std::string user(32, 'u');
    const std::string password(40, 'p');
    device.Connect(address.c_str(), loginAddress.c_str(), 0x12345, user.c_str(), password.c_str(),
                   0, "", 0);

    std::vector<uint8_t> record(kServerInfoRecordSize + 16, 0xCC);
    char addressOut[64];
    EXPECT_EQ(device.GetServerInfo(addressOut, record.data()), 1);
    EXPECT_EQ(std::string(addressOut), address);
    EXPECT_EQ(ReadText(record.data(), 0, 32), address.substr(0, 31));
    EXPECT_EQ(ReadText(record.data(), 32, 48), loginAddress.substr(0, 47));
    EXPECT_EQ(ReadU16(record.data(), 80), 0x2345);
    EXPECT_EQ(ReadText(record.data(), 82, 32), user.substr(0, 31));
    EXPECT_EQ(ReadText(record.data(), 114, 32), password.substr(0, 31));
    EXPECT_EQ(record[145], 0);
    for (size_t i = kServerInfoRecordSize; i < record.size(); ++i) ASSERT_EQ(record[i], 0xCC);
}

TEST(DeviceServerInfo, ReportsTheLoginParametersASaveChanged) {
    FakeNetSdk sdk;
    CDvsDevice device(sdk);
    ConnectPlain(device);
    device.SetLoginParams("operator", "new-pw", "192.168.1.50", 8000);
    std::vector<uint8_t> record(kServerInfoRecordSize, 0);
    char addressOut[32];
    device.GetServerInfo(addressOut, record.data());
    EXPECT_STREQ(addressOut, "dvr-1");
    EXPECT_EQ(ReadText(record.data(), 32, 48), "192.168.1.50");
    EXPECT_EQ(ReadU16(record.data(), 80), 8000);
    EXPECT_EQ(ReadText(record.data(), 82, 32), "operator");
    EXPECT_EQ(ReadText(record.data(), 114, 32), "new-pw");
    EXPECT_EQ(sdk.CallsOf(kOrdLogin).size(), 1u);  // no new login
}

}  // namespace
}  // namespace vela::device
