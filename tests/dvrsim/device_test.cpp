// The device model: record rules, factory defaults that make sense, persistence, faults,
// firmware.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "platform/bytes.h"
#include "tests/common/temp_folder.h"
#include "tools/dvrsim/default_records.h"
#include "tools/dvrsim/device.h"
#include "tools/dvrsim/record_table.h"
#include "tools/wire/commands.h"
#include "tools/wire/firmware_image.h"

namespace vela::dvrsim {
namespace {

using testing::TempFolder;

DeviceOptions Options(const TempFolder& folder) {
    DeviceOptions options;
    options.statePath = folder.File("state.bin");
    options.password = "secret";
    return options;
}

std::vector<uint8_t> ReadOk(Device& device, int command, int channel, uint32_t capacity) {
    std::vector<uint8_t> out;
    EXPECT_EQ(device.Read(command, channel, capacity, &out), wire::kOk) << command;
    return out;
}

TEST(DvrsimDevice, LoginAndReadsFollowTheRecordAndChannelRules) {
    TempFolder folder;
    Device device(Options(folder));
    EXPECT_EQ(device.CheckLogin("admin", "secret"), wire::kOk);
    EXPECT_EQ(device.CheckLogin("root", "secret"), wire::kErrBadUser);

    std::vector<uint8_t> out;
    EXPECT_EQ(ReadOk(device, kRecRecordSchedule, 3, 1360).size(), 1360u);
    EXPECT_EQ(device.Read(kRecRecordSchedule, 4, 1360, &out), wire::kErrBadChannel);
    EXPECT_EQ(device.Read(kRecNetwork, 2, 144, &out), wire::kErrBadChannel);
    EXPECT_EQ(device.Read(kRecNetwork, 0, 143, &out), wire::kErrBadSize);
    EXPECT_EQ(device.Read(99, 0, 4096, &out), wire::kErrNoSuchRecord);
}

TEST(DvrsimDevice, FactoryRecordsAreRealistic) {
    TempFolder folder;
    Device device(Options(folder));
    // The network record names the address and ports the device is really reached at.
    std::vector<uint8_t> network = ReadOk(device, kRecNetwork, 0, 144);
    EXPECT_EQ(ReadU32(network.data(), 64), 0x0100007Fu);  // 127.0.0.1, first octet first
    EXPECT_EQ(ReadI32(network.data(), 80), 34567);

    std::vector<uint8_t> protocols = ReadOk(device, kRecPtzProtocols, 0, 3204);
    std::vector<uint8_t> decoders = ReadOk(device, kRecPtzDecoder, -1, 1920);
    EXPECT_EQ(ReadText(decoders.data(), 0, 32), ReadText(protocols.data(), 4, 32));

    // Every DDNS entry names a type of the type list.
    std::vector<uint8_t> types = ReadOk(device, kRecDdnsTypes, -1, 324);
    std::vector<uint8_t> entries = ReadOk(device, kRecDdnsEntries, -1, 1680);
    ASSERT_EQ(ReadI32(types.data(), 0), 5);
    for (int n = 0; n < 5; ++n) {
        EXPECT_EQ(ReadText(entries.data(), 336 * n + 2, 64),
                  ReadText(types.data(), 4 + 64 * n, 64));
    }

    // The capability covers what the channels' default encoding uses.
    std::vector<uint8_t> capability = ReadOk(device, kRecCapability, -1, 3028);
    std::vector<uint8_t> encoding = ReadOk(device, kRecEncoding, -1, 2816);
    const int64_t pixels[19] = {405504, 202752, 202752, 101376, 25344};
    int64_t used = 0;
    for (int ch = 0; ch < 4; ++ch) {
        for (int stream = 0; stream < 2; ++stream) {
            const uint8_t* block = encoding.data() + 88 * ch + 44 * stream;
            int resolution = ReadI32(block, 4);
            ASSERT_LT(resolution, 5);
            EXPECT_TRUE(ReadU32(capability.data(), (stream ? 264 : 136) + 4 * ch) &
                        (1u << resolution));
            if (ReadU8(block, 40)) used += pixels[resolution] * ReadI32(block, 16);
        }
    }
    EXPECT_GT(used, 0);
    EXPECT_LE(used, ReadI32(capability.data(), 0));
}

TEST(DvrsimDevice, StoresAreCheckedThenPersistAcrossARestart) {
    TempFolder folder;
    std::vector<uint8_t> network;
    {
        Device device(Options(folder));
        network = ReadOk(device, kRecNetwork, 0, 144);
        WriteI32(network.data(), 76, 8080);
        EXPECT_EQ(device.Store(kRecNetwork, 0, network.data(), network.size()), wire::kOk);
        std::vector<uint8_t> slot(1360, 0x11);
        EXPECT_EQ(device.Store(kRecRecordSchedule, 2, slot.data(), slot.size()), wire::kOk);

        // Refused without a trace: wrong size, unknown record, read-only record, bad slot.
        EXPECT_EQ(device.Store(kRecNetwork, 0, network.data(), 143), wire::kErrBadSize);
        EXPECT_EQ(device.Store(99, 0, network.data(), 8), wire::kErrNoSuchRecord);
        std::vector<uint8_t> capability(3028);
        EXPECT_EQ(device.Store(kRecCapability, -1, capability.data(), 3028),
                  wire::kErrNoSuchRecord);
        EXPECT_EQ(device.Store(kRecRecordSchedule, 4, slot.data(), slot.size()),
                  wire::kErrBadChannel);
    }
    Device restarted(Options(folder));
    ASSERT_TRUE(restarted.Load());
    EXPECT_EQ(ReadOk(restarted, kRecNetwork, 0, 144), network);
    std::vector<uint8_t> slot = ReadOk(restarted, kRecRecordSchedule, 2, 1360);
    EXPECT_EQ(slot, std::vector<uint8_t>(1360, 0x11));
    EXPECT_NE(ReadOk(restarted, kRecRecordSchedule, 1, 1360), slot);  // its neighbour untouched
}

TEST(DvrsimDevice, ABrokenStateFileGivesTheFactoryState) {
    TempFolder folder;
    {
        std::ofstream out(folder.File("state.bin"), std::ios::binary);
        out << "VDSS\x01\0\0\0garbage";
    }
    Device device(Options(folder));
    EXPECT_FALSE(device.Load());
    EXPECT_EQ(ReadI32(ReadOk(device, kRecNetwork, 0, 144).data(), 76), 80);
    // The next store replaces the broken file with a good one.
    std::vector<uint8_t> pppoe(212, 0);
    EXPECT_EQ(device.Store(kRecPppoe, -1, pppoe.data(), pppoe.size()), wire::kOk);
    Device again(Options(folder));
    EXPECT_TRUE(again.Load());
}

TEST(DvrsimDevice, TimeStoredIntoTheSystemRecordMovesTheClock) {
    TempFolder folder;
    Device device(Options(folder));
    std::vector<uint8_t> system = ReadOk(device, kRecSystem, 0, 192);
    const int32_t fields[8] = {2031, 7, 14, 0, 10, 20, 30, 0};
    for (int i = 0; i < 8; ++i) WriteI32(system.data(), 4 * i, fields[i]);
    ASSERT_EQ(device.Store(kRecSystem, -1, system.data(), system.size()), wire::kOk);
    std::vector<uint8_t> now = ReadOk(device, kRecSystem, 0, 192);
    EXPECT_EQ(ReadI32(now.data(), 0), 2031);
    EXPECT_EQ(ReadI32(now.data(), 16), 10);

    // A configuration save carries the time read earlier; it does not set the clock.
    WriteI32(system.data(), 0, 2001);
    ASSERT_EQ(device.Store(kRecSystem, 0, system.data(), system.size()), wire::kOk);
    EXPECT_EQ(ReadI32(ReadOk(device, kRecSystem, 0, 192).data(), 0), 2031);
}

TEST(DvrsimDevice, StoreFaultsRefuseOrAskForAReboot) {
    TempFolder folder;
    DeviceOptions options = Options(folder);
    options.faults.refuseStore.insert(kRecNetwork);
    Device device(options);
    std::string reason;
    ASSERT_TRUE(device.ApplyFault("needs-reboot 68", &reason));

    std::vector<uint8_t> network = ReadOk(device, kRecNetwork, 0, 144);
    WriteI32(network.data(), 76, 8080);
    EXPECT_EQ(device.Store(kRecNetwork, 0, network.data(), 144), wire::kErrStoreRefused);
    EXPECT_EQ(ReadI32(ReadOk(device, kRecNetwork, 0, 144).data(), 76), 80);

    std::vector<uint8_t> encoding = ReadOk(device, kRecEncoding, -1, 2816);
    WriteI32(encoding.data(), 16, 20);
    EXPECT_EQ(device.Store(kRecEncoding, -1, encoding.data(), 2816), wire::kNeedsReboot);
    EXPECT_EQ(ReadOk(device, kRecEncoding, -1, 2816), encoding);  // kept all the same

    ASSERT_TRUE(device.ApplyFault("clear", &reason));
    EXPECT_EQ(device.Store(kRecNetwork, 0, network.data(), 144), wire::kOk);
}

// A damaged image is refused through the stand-in library's upgrade; here what the device keeps.
TEST(DvrsimDevice, FirmwareArrivesInPiecesAndItsVersionSurvivesARestart) {
    TempFolder folder;
    Device device(Options(folder));
    std::vector<uint8_t> image =
        wire::BuildFirmwareImage("V3.5.0 build 140102", std::vector<uint8_t>(70000, 3));
    ASSERT_EQ(device.BeginUpgrade(static_cast<uint32_t>(image.size())), wire::kOk);
    EXPECT_EQ(device.UpgradeData(image.data(), 40000), 40000);
    EXPECT_EQ(device.UpgradeData(image.data() + 40000, image.size() - 40000),
              static_cast<int32_t>(image.size()));
    EXPECT_EQ(device.FinishUpgrade(), wire::kOk);
    EXPECT_EQ(device.UpgradeData(image.data(), 1), wire::kErrUpgradeState);

    Device restarted(Options(folder));
    ASSERT_TRUE(restarted.Load());
    EXPECT_EQ(restarted.Version(), "V3.5.0 build 140102");
}

}  // namespace
}  // namespace vela::dvrsim
