// The host's preset and plan readers on preset files built byte by byte.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "pages/ptz/preset_file.h"
#include "platform/bytes.h"
#include "platform/kernel.h"
#include "tests/common/temp_folder.h"

namespace {

namespace ptz = vela::ptz;
namespace pr = vela::ptz::preset_record;
namespace pi = vela::ptz::preset_info_record;
namespace ps = vela::ptz::plan_slot;
namespace img = vela::ptz::preset_image;
using vela::ReadI32;
using vela::WriteI32;

constexpr uint8_t kUntouched = 0xA5;
const char kAddress[] = "Office";

class PresetFileTest : public ::testing::Test {
  protected:
    PresetFileTest() : image(img::kSize, 0) {}

    uint8_t* Preset(int channel, int slot) {
        return image.data() + img::PresetOffset(channel, slot);
    }
    uint8_t* Plan(int channel, int slot) { return image.data() + img::PlanOffset(channel, slot); }
    void AddPreset(int channel, int slot, int32_t used = 1) {
        uint8_t* p = Preset(channel, slot);
        WriteI32(p, pr::kUsed, used);
        WriteI32(p, pr::kNumber, slot + 1);
        vela::WriteText(p, pr::kName, pr::kNameWidth, "preset " + std::to_string(slot + 1));
    }
    void AddPlan(int channel, int slot, int32_t preset, int32_t day, int32_t hour, int32_t minute,
                 int32_t used = 1) {
        uint8_t* p = Plan(channel, slot);
        WriteI32(p, ps::kUsed, used);
        WriteI32(p, ps::kSequence, slot);
        WriteI32(p, ps::kDay, day);
        WriteI32(p, ps::kHour, hour);
        WriteI32(p, ps::kMinute, minute);
        WriteI32(p, ps::kPreset, preset);
    }
    // Writes header + the first `length` bytes of the image (all of it by default) as the file
    // of kAddress, or at `relative` below the scratch folder.
    void Save(const std::vector<uint8_t>& header = {8, 8, 8, 8}, size_t length = img::kSize,
              std::string relative = "") {
        std::string bytes(header.begin(), header.end());
        bytes.append(reinterpret_cast<const char*>(image.data()), length);
        if (relative.empty())
            relative = std::string(ptz::kPresetFolderName) + "/" + kAddress + ".dat";
        folder.Write(relative, bytes);
    }
    // The preset folder inside the scratch folder, so that an address which climbs out of it
    // finds a file it could have read.
    std::string PresetFolder() const { return folder.File(ptz::kPresetFolderName); }

    // The readers with the fixture's outputs, counts as they stand.
    int Info(int32_t channel, const char* address = kAddress) {
        return ptz::ReadPresetInfo(PresetFolder(), address, channel, records.data(), &count,
                                   &speed);
    }
    int PlanItems(int32_t channel, const char* address = kAddress) {
        return ptz::ReadPresetPlan(PresetFolder(), address, channel, items.data(), &count,
                                   &homePreset, &homeTime);
    }
    // The readers with the host's full room.
    int ReadInfo(int32_t channel, const char* address = kAddress) {
        count = 128;
        return Info(channel, address);
    }
    int ReadPlan(int32_t channel, const char* address = kAddress) {
        count = 32;
        return PlanItems(channel, address);
    }
    const uint8_t* Record(int i) const { return records.data() + i * pi::kSize; }
    const uint8_t* Item(int i) const { return items.data() + i * ptz::plan_item::kSize; }

    vela::testing::TempFolder folder;
    std::vector<uint8_t> image;
    // Exactly the room the host gives, so a write past it is caught by the sanitizers.
    std::vector<uint8_t> records = std::vector<uint8_t>(pi::kSize * 128, kUntouched);
    std::vector<uint8_t> items = std::vector<uint8_t>(ptz::plan_item::kSize * 32, kUntouched);
    int32_t count = 0, speed = -1, homePreset = -1, homeTime = -1;
};

TEST_F(PresetFileTest, UsedSlotsBecomeRecordsInSlotOrder) {
    AddPreset(2, 0);
    AddPreset(2, 4);
    AddPreset(2, 9);
    AddPreset(2, 6, 2);  // not 1: empty
    AddPreset(1, 1);     // another channel
    uint8_t* p = Preset(2, 4);
    WriteI32(p, pr::kHome, 1);
    WriteI32(p, pr::kHomeTime, 60);
    WriteI32(p, pr::kMode, 1);
    for (int g = 0; g < ptz::kTourGroupCount; ++g) {
        size_t slot = pr::kTourSlots + g * ptz::tour_slot::kSize;
        WriteI32(p, slot + ptz::tour_slot::kMember, g % 2);
        WriteI32(p, slot + ptz::tour_slot::kStayTime, 2 + g);
        WriteI32(p, slot + ptz::tour_slot::kOrder, g);
    }
    Save();

    ASSERT_EQ(ReadInfo(2), 1);
    ASSERT_EQ(count, 3);
    EXPECT_EQ(ReadI32(Record(0), pi::kNumber), 1);
    EXPECT_EQ(ReadI32(Record(1), pi::kNumber), 5);
    EXPECT_EQ(ReadI32(Record(2), pi::kNumber), 10);
    EXPECT_EQ(vela::ReadText(Record(1), pi::kName, pi::kNameWidth), "preset 5");
    EXPECT_EQ(ReadI32(Record(1), pi::kHome), 1);
    EXPECT_EQ(ReadI32(Record(1), pi::kHomeTime), 60);
    EXPECT_EQ(ReadI32(Record(1), pi::kMode), 1);
    EXPECT_EQ(std::memcmp(Record(1) + pi::kTourSlots, p + pr::kTourSlots, 96), 0);
    for (size_t i = pi::kName + 9; i < pi::kNameWidth; ++i) EXPECT_EQ(Record(1)[i], 0) << i;
    EXPECT_EQ(records[3 * pi::kSize], kUntouched) << "nothing past the last record";
}

TEST_F(PresetFileTest, NameWithoutTerminatorGivesItsFirst47Characters) {
    AddPreset(0, 0);
    std::memset(Preset(0, 0) + pr::kName, 'N', pr::kNameWidth);
    Save();
    ASSERT_EQ(ReadInfo(0), 1);
    EXPECT_EQ(vela::ReadText(Record(0), pi::kName, pi::kNameWidth), std::string(47, 'N'));
    EXPECT_EQ(Record(0)[47], 0);
    EXPECT_EQ(ReadI32(Record(0), pi::kNumber), 1);
}

TEST_F(PresetFileTest, SpeedBelow128IsReportedAs128) {
    const std::pair<int32_t, int32_t> cases[] = {{127, 128}, {128, 128}, {300, 300}, {-5, 128}};
    for (const auto& [stored, reported] : cases) {
        WriteI32(image.data(), img::SpeedOffset(31), stored);
        Save();
        ASSERT_EQ(ReadInfo(31), 1);
        EXPECT_EQ(speed, reported) << stored;
        EXPECT_EQ(count, 0);
    }
}

TEST_F(PresetFileTest, EveryPresetAndPlanSlotOfAChannelFitsTheHostsRoom) {
    for (int slot = 0; slot < 128; ++slot) AddPreset(31, slot);
    for (int slot = 0; slot < 32; ++slot) AddPlan(31, slot, slot + 1, slot % 7, 1, 2);
    Save();
    ASSERT_EQ(ReadInfo(31), 1);
    EXPECT_EQ(count, 128);
    EXPECT_EQ(ReadI32(Record(127), pi::kNumber), 128);
    ASSERT_EQ(ReadPlan(31), 1);
    EXPECT_EQ(count, 32);
    EXPECT_EQ(*Item(31), 32);
}

TEST_F(PresetFileTest, WrongHeaderOrMissingFileReadsNothing) {
    AddPreset(0, 0);
    for (const auto& header :
         std::vector<std::vector<uint8_t>>{{8, 8, 8, 7}, {7, 8, 8, 8}, {8, 8}}) {
        Save(header, header.size() == 4 ? img::kSize : 0);
        EXPECT_EQ(ReadInfo(0), 0);
        EXPECT_EQ(count, 128) << "count untouched";
        EXPECT_EQ(ReadPlan(0), 0);
        EXPECT_EQ(count, 32);
        EXPECT_EQ(homePreset, 0) << "the home values are cleared before the file is read";
        EXPECT_EQ(homeTime, 0);
    }
    count = 128;
    EXPECT_EQ(Info(0, "Other"), 0);
    EXPECT_EQ(count, 128);
}

TEST_F(PresetFileTest, ShortFileReadsItsMissingTailAsZero) {
    AddPreset(0, 3);
    WriteI32(image.data(), img::SpeedOffset(0), 250);  // beyond the saved part
    Save({8, 8, 8, 8}, img::PresetOffset(0, 4));
    ASSERT_EQ(ReadInfo(0), 1);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(speed, 128);
    Save({8, 8, 8, 8}, 0);
    ASSERT_EQ(ReadInfo(0), 1);
    EXPECT_EQ(count, 0);
}

TEST_F(PresetFileTest, RefusedCallsWriteNothing) {
    AddPreset(0, 0);
    Save();
    for (int32_t channel : {-1, 32, 1000, INT32_MIN}) {
        speed = -1;
        EXPECT_EQ(ReadInfo(channel), 0) << channel;
        EXPECT_EQ(count, 128);
        EXPECT_EQ(speed, -1);
        EXPECT_EQ(ReadPlan(channel), 0);
        EXPECT_EQ(homePreset, -1);
    }
    for (int32_t entry : {0, -3}) {
        count = entry;
        EXPECT_EQ(Info(0), 0);
        EXPECT_EQ(count, entry);
        EXPECT_EQ(PlanItems(0), 0);
        EXPECT_EQ(homePreset, -1) << "count 0 leaves the home values untouched";
        EXPECT_EQ(homeTime, -1);
    }
    count = 128;
    EXPECT_EQ(ptz::ReadPresetInfo(PresetFolder(), kAddress, 0, nullptr, &count, &speed), 0);
    EXPECT_EQ(ptz::ReadPresetInfo(PresetFolder(), kAddress, 0, records.data(), nullptr, &speed), 0);
    EXPECT_EQ(ptz::ReadPresetInfo(PresetFolder(), kAddress, 0, records.data(), &count, nullptr), 0);
    EXPECT_EQ(Info(0, nullptr), 0);
    EXPECT_EQ(
        ptz::ReadPresetPlan(PresetFolder(), kAddress, 0, items.data(), &count, nullptr, &homeTime),
        0);
    EXPECT_EQ(records[0], kUntouched);
}

TEST_F(PresetFileTest, PlanItemsAreTheLowBytesOfUsedSlots) {
    AddPlan(5, 0, 3, 1, 8, 30);
    AddPlan(5, 2, 300, 6, 23, 59);  // preset number beyond a byte: its low byte
    AddPlan(5, 1, 9, 9, 9, 9, 0);   // unused
    AddPlan(4, 0, 1, 1, 1, 1);      // another channel
    Save();
    ASSERT_EQ(ReadPlan(5), 1);
    ASSERT_EQ(count, 2);
    EXPECT_EQ(std::vector<uint8_t>(Item(0), Item(0) + 4), (std::vector<uint8_t>{3, 1, 8, 30}));
    EXPECT_EQ(std::vector<uint8_t>(Item(1), Item(1) + 4), (std::vector<uint8_t>{44, 6, 23, 59}));
    EXPECT_EQ(*Item(2), kUntouched);
}

TEST_F(PresetFileTest, HomeIsTheFirstUsedPresetWithItsFlag) {
    AddPreset(0, 0);
    AddPreset(7, 1);
    AddPreset(7, 2, 0);  // flagged home but unused
    WriteI32(Preset(7, 2), pr::kHome, 1);
    AddPreset(7, 5);
    WriteI32(Preset(7, 5), pr::kHome, 1);
    WriteI32(Preset(7, 5), pr::kHomeTime, 120);
    AddPreset(7, 8);
    WriteI32(Preset(7, 8), pr::kHome, 1);
    WriteI32(Preset(7, 8), pr::kHomeTime, 30);
    Save();
    ASSERT_EQ(ReadPlan(7), 1);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(homePreset, 6);
    EXPECT_EQ(homeTime, 120);
    ASSERT_EQ(ReadPlan(0), 1);  // no home preset: zeros
    EXPECT_EQ(homePreset, 0);
    EXPECT_EQ(homeTime, 0);
}

TEST_F(PresetFileTest, AddressThatLeavesTheFolderOrNamesADeviceIsRefused) {
    AddPreset(0, 0);
    struct Case {
        std::string address;
        std::string planted;  // a file it could reach, below the scratch folder; "" for none
    };
    const std::string folder = std::string(ptz::kPresetFolderName) + "/";
    const Case cases[] = {
        {"../x", "x.dat"},
        {"..\\x", "x.dat"},
        {"..\\..\\x", "x.dat"},
        {"sub/x", folder + "sub/x.dat"},
        {"sub\\x", folder + "sub/x.dat"},
        {"C:\\x", ""},
        {"x:stream", ""},
        {"tab\tx", ""},
        {"line\nx", ""},
        {"del\x7fx", ""},
        {"CON", ""},
        {"nul", ""},
        {"Aux.backup", ""},
        {"PRN  ", ""},
        {"com1", ""},
        {"LPT9", ""},
        {"CONOUT$", ""},
    };
    for (const Case& c : cases) {
        if (!c.planted.empty()) Save({8, 8, 8, 8}, img::kSize, c.planted);
        EXPECT_FALSE(ptz::IsPresetFileAddress(c.address)) << c.address;
        EXPECT_EQ(ptz::PresetFilePath(PresetFolder(), c.address), "") << c.address;
        EXPECT_EQ(ReadInfo(0, c.address.c_str()), 0) << c.address;
        EXPECT_EQ(count, 128) << "refused before anything is written: " << c.address;
        EXPECT_EQ(ReadPlan(0, c.address.c_str()), 0) << c.address;
    }
}

TEST_F(PresetFileTest, EveryOtherAddressNamesItsFileUnchanged) {
    AddPreset(0, 0);
    struct Case {
        std::string address;
        bool readable;  // false: a name the file system here may spell or refuse differently
    };
    const Case cases[] = {
        {"Office", true},
        {"192.168.1.64", true},
        {"dvr.example.net", true},
        {"..", true},
        {".", true},
        {"my dvr", true},
        {"x..y", true},
        {"CONSOLE", true},
        {"COM10", true},
        {"COM0", true},
        {"LPT", true},
        {"NULL", true},
        {"Lager \xc3\x9c", false},
        {"a<b>|?*", false},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(ptz::IsPresetFileAddress(c.address)) << c.address;
        EXPECT_EQ(ptz::PresetFilePath(PresetFolder(), c.address),
                  PresetFolder() + vela::platform::PathSeparator() + c.address + ".dat");
        if (!c.readable) continue;
        Save({8, 8, 8, 8}, img::kSize,
             std::string(ptz::kPresetFolderName) + "/" + c.address + ".dat");
        EXPECT_EQ(ReadInfo(0, c.address.c_str()), 1) << c.address;
        EXPECT_EQ(count, 1) << c.address;
        EXPECT_EQ(ReadPlan(0, c.address.c_str()), 1) << c.address;
    }
}

}  // namespace
