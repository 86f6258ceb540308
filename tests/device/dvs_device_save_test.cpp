// Save sends exactly the records that differ from the snapshot; time setting and reboot.
#include <gtest/gtest.h>

#include <iterator>
#include <utility>
#include <vector>

#include "device/dvs_device.h"
#include "device/records.h"
#include "platform/bytes.h"
#include "platform/kernel.h"
#include "tests/common/fake_netsdk.h"

namespace vela::device {
namespace {

using vela::testing::FakeNetSdk;
using vela::testing::NetSdkCall;
using Store = std::pair<uint32_t, int32_t>;  // command, channel

class DeviceSave : public ::testing::Test {
  protected:
    // A logged-in device whose console has opened (snapshot taken), with no calls recorded.
    void Open(int32_t channels, int32_t alarmInputs) {
        sdk.SetDeviceCounts(channels, 0, alarmInputs, 1);
        ASSERT_EQ(device.Connect("dvr", "10.0.0.2", 34567, "admin", "", 0, "", 0), 1);
        device.TakeSnapshot();
        sdk.calls.clear();
    }
    // Live bytes of a record (or of its slot), found through the page's group.
    uint8_t* Record(uint32_t command, int slot = 0) {
        const size_t index = RecordIndex(command);
        const RecordSpec& entry = kRecords[index];
        return device.GetRecordGroup(entry.group) - GroupOffset(entry.group) + kDeviceInfoSize +
               RecordOffsetAt(index) + static_cast<size_t>(slot) * entry.size;
    }
    // The next Save with every store taken, its calls alone recorded.
    int SaveAgain() {
        sdk.calls.clear();
        sdk.onStore = nullptr;
        return device.SaveRecords();
    }
    std::vector<Store> Stores() const {
        std::vector<Store> stores;
        for (const NetSdkCall& call : sdk.CallsOf(kOrdSetConfig))
            stores.emplace_back(call.command, call.channel);
        return stores;
    }

    FakeNetSdk sdk;
    CDvsDevice device{sdk};
};

TEST_F(DeviceSave, NotLoggedInSendsNothingAndFails) {
    sdk.loginHandle = 0;
    device.Connect("dvr", "10.0.0.2", 34567, "admin", "", 0, "", 0);
    device.TakeSnapshot();
    sdk.calls.clear();
    Record(20)[0] ^= 1;
    EXPECT_EQ(device.SaveRecords(), -1) << "no reboot question for a device never reached";
    EXPECT_TRUE(sdk.calls.empty());
}

TEST_F(DeviceSave, SingleRecordsGoInOrderWithTheirChannelsOnlyWhenChanged) {
    Open(4, 2);
    for (uint32_t command : {30u, 68u, 38u, 42u, 43u, 20u, 18u}) Record(command)[3] ^= 0x5A;
    for (uint32_t command : {15u, 9u, 10u, 13u, 11u}) Record(command)[0] ^= 1;  // read only
    Record(20)[100] = 0x77;

    EXPECT_EQ(device.SaveRecords(), 1);
    const std::vector<Store> expected = {{18, 0},  {20, 0},  {43, 0}, {42, -1},
                                         {38, -1}, {68, -1}, {30, -1}};
    EXPECT_EQ(Stores(), expected);
    for (const NetSdkCall& call : sdk.CallsOf(kOrdSetConfig)) {
        const RecordSpec& entry = kRecords[RecordIndex(call.command)];
        EXPECT_EQ(call.size, entry.size);
        EXPECT_EQ(call.waitMs, 10000);
        EXPECT_EQ(call.handle, 7);
        EXPECT_EQ(call.stored,
                  std::vector<uint8_t>(Record(call.command), Record(call.command) + entry.size));
    }

    EXPECT_EQ(SaveAgain(), 1);
    EXPECT_TRUE(sdk.calls.empty());
}

TEST_F(DeviceSave, ARefusedStoreKeepsItsSnapshotSoTheNextSaveResendsIt) {
    Open(4, 2);
    Record(20)[0] ^= 1;
    Record(42)[0] ^= 1;
    sdk.onStore = [](uint32_t command, int32_t) { return command == 20 ? 0 : 1; };
    EXPECT_EQ(device.SaveRecords(), -1);  // a refusal is a failed Save, not a success

    EXPECT_EQ(SaveAgain(), 1);
    EXPECT_EQ(Stores(), (std::vector<Store>{{20, 0}}));
}

TEST_F(DeviceSave, OneRefusedChannelSlotKeepsTheWholeArrayPending) {
    Open(3, 2);
    Record(23, 1)[0] ^= 1;
    Record(21, 0)[0] ^= 1;
    // Channel 1's slot of record 23 is refused; record 21 is taken everywhere.
    sdk.onStore = [](uint32_t command, int32_t channel) {
        return command == 23 && channel == 1 ? 0 : 1;
    };
    EXPECT_EQ(device.SaveRecords(), -1);

    EXPECT_EQ(SaveAgain(), 1);
    EXPECT_EQ(Stores(), (std::vector<Store>{{23, 0}, {23, 1}, {23, 2}}));
    EXPECT_EQ(SaveAgain(), 1);
    EXPECT_TRUE(sdk.calls.empty());
}

TEST_F(DeviceSave, AStoreNeedingARebootCountsAsStoredAndMakesTheResultZero) {
    Open(4, 2);
    Record(38)[0] ^= 1;
    Record(24, 1)[0] ^= 1;
    sdk.onStore = [](uint32_t command, int32_t channel) {
        return command == 24 && channel == 2 ? kStoredNeedsReboot : 1;
    };
    EXPECT_EQ(device.SaveRecords(), 0);

    EXPECT_EQ(SaveAgain(), 1);
    EXPECT_TRUE(sdk.calls.empty());
}

TEST_F(DeviceSave, ChangedChannelArraysAreStoredSlotBySlotChannelByChannel) {
    Open(3, 2);
    Record(21, 2)[5] = 9;
    Record(23, 0)[0] = 9;
    Record(26, 31)[0] = 9;  // beyond the channels, yet the whole array counts as changed

    EXPECT_EQ(device.SaveRecords(), 1);
    const std::vector<Store> expected = {{23, 0}, {26, 0}, {21, 0}, {23, 1}, {26, 1},
                                         {21, 1}, {23, 2}, {26, 2}, {21, 2}};
    EXPECT_EQ(Stores(), expected);
    for (const NetSdkCall& call : sdk.CallsOf(kOrdSetConfig)) {
        const uint32_t size = kRecords[RecordIndex(call.command)].size;
        EXPECT_EQ(call.size, size);
        const uint8_t* slot = Record(call.command, call.channel);
        EXPECT_EQ(call.stored, std::vector<uint8_t>(slot, slot + size));
    }
    EXPECT_EQ(SaveAgain(), 1);
    EXPECT_TRUE(sdk.calls.empty());
}

TEST_F(DeviceSave, FortyChannelsGiveAtMostThirtyTwoSlotStores) {
    sdk.SetDeviceCounts(20, 20, 0, 0);
    ASSERT_EQ(device.Connect("dvr", "10.0.0.2", 34567, "admin", "", 0, "", 0), 1);
    device.TakeSnapshot();
    sdk.calls.clear();
    Record(23, 31)[0] ^= 1;
    Record(21, 0)[0] ^= 1;
    device.SaveRecords();
    EXPECT_EQ(sdk.CallsFor(kOrdSetConfig, 23).size(), 32u);
    EXPECT_EQ(sdk.CallsFor(kOrdSetConfig, 21).size(), 32u);
    for (const NetSdkCall& call : sdk.CallsOf(kOrdSetConfig)) EXPECT_LT(call.channel, 32);
}

TEST_F(DeviceSave, AlarmInputArrayIsStoredPerInputAndNeedsEveryStoreAccepted) {
    Open(4, 3);
    Record(27, 1)[0] ^= 1;
    EXPECT_EQ(device.SaveRecords(), 1);
    EXPECT_EQ(Stores(), (std::vector<Store>{{27, 0}, {27, 1}, {27, 2}}));

    // First input refused, last accepted: the array stays pending.
    Record(27, 0)[0] ^= 1;
    sdk.calls.clear();
    sdk.onStore = [](uint32_t, int32_t channel) { return channel == 0 ? 0 : 1; };
    EXPECT_EQ(device.SaveRecords(), -1);
    SaveAgain();
    EXPECT_EQ(Stores(), (std::vector<Store>{{27, 0}, {27, 1}, {27, 2}}));
    SaveAgain();
    EXPECT_TRUE(sdk.calls.empty());
}

// Also: without alarm inputs the alarm input array is never sent.
TEST_F(DeviceSave, NegativeChannelCountKeepsChannelEditsPendingAndFails) {
    Open(-2, 0);
    EXPECT_EQ(device.ChannelCount(), 0);
    Record(27, 0)[0] ^= 1;
    EXPECT_EQ(device.SaveRecords(), 1);
    EXPECT_TRUE(sdk.calls.empty());
    Open(-2, 1);
    Record(20)[0] ^= 1;
    EXPECT_EQ(device.SaveRecords(), 1);  // no channel record edited
    EXPECT_EQ(Stores(), (std::vector<Store>{{20, 0}}));

    sdk.calls.clear();
    Record(23, 0)[0] ^= 1;
    Record(27, 0)[0] ^= 1;
    EXPECT_EQ(device.SaveRecords(), -1);
    EXPECT_EQ(Stores(), (std::vector<Store>{{27, 0}}));
    EXPECT_EQ(SaveAgain(), -1);  // the edit is still there, still unsent
    EXPECT_TRUE(sdk.calls.empty());
}

TEST_F(DeviceSave, TimeAdjustThenSaveSendsRecord18Twice) {
    Open(2, 0);
    platform::LocalTime before = platform::Now();
    ASSERT_EQ(device.SetDeviceTime(), 1);
    platform::LocalTime after = platform::Now();
    EXPECT_EQ(device.SaveRecords(), 1);

    const std::vector<NetSdkCall> stores = sdk.CallsFor(kOrdSetConfig, 18);
    ASSERT_EQ(stores.size(), 2u);
    EXPECT_EQ(stores[0].channel, -1);
    EXPECT_EQ(stores[0].size, 192u);
    EXPECT_EQ(stores[1].channel, 0);
    const uint8_t* time = stores[0].stored.data();
    const platform::LocalTime& near = ReadI32(time, 24) == before.second ? before : after;
    const int want[] = {near.year, near.month, near.day, 0, near.hour, near.minute, near.second, 0};
    for (size_t field = 0; field < std::size(want); ++field)
        EXPECT_EQ(ReadI32(time, field * 4), want[field]) << "field " << field;
    // Everything behind the clock fields is the record as read.
    EXPECT_EQ(stores[0].stored[32], 18);
}

TEST_F(DeviceSave, TimeStoreResultIsPassedOnAndNeedsALogin) {
    Open(2, 0);
    sdk.onStore = [](uint32_t, int32_t) { return kStoredNeedsReboot; };
    EXPECT_EQ(device.SetDeviceTime(), kStoredNeedsReboot);
    sdk.onStore = [](uint32_t, int32_t) { return 0; };
    EXPECT_EQ(device.SetDeviceTime(), 0);
    device.Logout();
    sdk.calls.clear();
    EXPECT_EQ(device.SetDeviceTime(), 0);
    EXPECT_TRUE(sdk.calls.empty());
}

TEST_F(DeviceSave, RebootIsAcceptedByTheLowByteOfTheAnswer) {
    Open(2, 0);
    for (const auto& [answer, accepted] : {std::pair{1, 1}, std::pair{0x100, 0}, std::pair{0, 0},
                                           std::pair{-1, 1}, std::pair{0x1FF, 1}}) {
        sdk.rebootResult = answer;
        EXPECT_EQ(device.RebootDevice(), accepted) << answer;
    }
    const NetSdkCall call = sdk.CallsOf(kOrdReboot).back();
    EXPECT_EQ(call.handle, 7);
    EXPECT_EQ(call.waitMs, 10000);

    device.Logout();
    sdk.calls.clear();
    EXPECT_EQ(device.RebootDevice(), 0);
    EXPECT_TRUE(sdk.calls.empty());
}

}  // namespace
}  // namespace vela::device
