// The record layout pages rely on: group starts and record offsets inside each group.
#include <gtest/gtest.h>

#include "device/dvs_device.h"
#include "device/records.h"
#include "tests/common/fake_netsdk.h"

namespace vela::device {
namespace {

struct GroupMember {
    int group;
    uint32_t command;
    size_t offsetInGroup;
};

// Offsets pages use to find their records within the group they are handed.
constexpr GroupMember kGroupMembers[] = {
    {1, 18, 400},   {2, 20, 0},      {2, 43, 144},    {2, 42, 152},    {2, 38, 364}, {2, 15, 2044},
    {3, 9, 0},      {3, 68, 60},     {3, 10, 2876},   {4, 30, 0},      {6, 23, 0},   {7, 24, 0},
    {7, 25, 54016}, {7, 26, 103936}, {7, 27, 153728}, {7, 13, 203648}, {8, 21, 0},   {8, 11, 1920},
};

TEST(RecordGroups, RecordsSitAtTheirOffsetsWithinTheirGroup) {
    vela::testing::FakeNetSdk sdk;
    sdk.SetDeviceCounts(4, 0, 2, 1);
    CDvsDevice device(sdk);
    ASSERT_EQ(device.Connect("dvr", "10.0.0.2", 34567, "admin", "", 0, "", 0), 1);

    // The fake fills every record with its command number, so the first and last byte of each
    // record show where it landed.
    for (const GroupMember& member : kGroupMembers) {
        SCOPED_TRACE(::testing::Message() << "record " << member.command);
        const RecordSpec& entry = kRecords[RecordIndex(member.command)];
        uint8_t* group = device.GetRecordGroup(member.group);
        ASSERT_NE(group, nullptr);
        const size_t bytes = member.command == 23 ? entry.size * 4 : RecordBytes(entry);
        EXPECT_EQ(group[member.offsetInGroup], member.command);
        EXPECT_EQ(group[member.offsetInGroup + bytes - 1], member.command);
        EXPECT_EQ(entry.group, member.group);
    }
}

TEST(RecordGroups, GroupOneIsDeviceInfoUnknownGroupsAreNullAndClearZeroesAll) {
    vela::testing::FakeNetSdk sdk;
    sdk.SetDeviceCounts(3, 1, 0, 0);
    CDvsDevice device(sdk);
    for (int group : {-1, 0, 5, 9}) EXPECT_EQ(device.GetRecordGroup(group), nullptr);
    device.Connect("dvr", "10.0.0.2", 34567, "admin", "", 0, "", 0);
    EXPECT_EQ(device.GetRecordGroup(1), device.DeviceInfo());
    EXPECT_EQ(device.GetRecordGroup(1)[288], 3);
    EXPECT_EQ(RecordIndex(99), kRecordCount);

    device.ClearRecords();
    for (size_t i = 0; i < kDeviceInfoSize; ++i) ASSERT_EQ(device.DeviceInfo()[i], 0) << i;
    EXPECT_EQ(device.GetRecordGroup(7)[203648], 0);
}

}  // namespace
}  // namespace vela::device
