// The stand-in library's logic against a simulated device over an in-memory connection:
// replies, errors and time-outs, lost connections, streams and the callback guarantee,
// firmware upgrade progress.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <thread>

#include "platform/bytes.h"
#include "platform/kernel.h"
#include "tests/common/temp_folder.h"
#include "tests/dvrsim/session_thread.h"
#include "tools/netsdk/library.h"
#include "tools/wire/commands.h"
#include "tools/wire/firmware_image.h"
#include "tools/wire/memory_stream.h"

namespace vela::netsdk {
namespace {

using testing::TempFolder;

// Polls a condition for up to two seconds (a bound, not a speed check).
template <typename Condition>
bool Eventually(Condition condition) {
    for (int i = 0; i < 200 && !condition(); ++i) platform::SleepMs(10);
    return condition();
}

class LibraryFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        dvrsim::DeviceOptions options;
        options.statePath = folder_.File("state.bin");
        device_ = std::make_unique<dvrsim::Device>(options);
        auto pipe = wire::MakeMemoryPipe();
        session_ = std::make_unique<testing::SessionThread>(*device_, std::move(pipe.second));
        int32_t error = -1;
        login_ =
            sdk().LoginOver(std::move(pipe.first), "127.0.0.1", 34567, "admin", "", info_, &error);
        ASSERT_GT(login_, 0);
        EXPECT_EQ(error, 0);
    }
    void TearDown() override {
        sdk().Cleanup();
        session_.reset();
    }
    Library& sdk() { return Library::Instance(); }
    void Fault(const std::string& line) {
        std::string reason;
        ASSERT_TRUE(device_->ApplyFault(line, &reason)) << reason;
    }

    TempFolder folder_;
    std::unique_ptr<dvrsim::Device> device_;
    std::unique_ptr<testing::SessionThread> session_;
    int32_t login_ = 0;
    uint8_t info_[kDeviceInfoSize] = {};
};

TEST_F(LibraryFixture, LoginFillsTheDeviceInformation) {
    EXPECT_EQ(ReadI32(info_, 288), 4);
    EXPECT_EQ(sdk().SetupAlarmChannel(login_), 1);
    EXPECT_EQ(sdk().CloseAlarmChannel(login_), 1);
    EXPECT_EQ(sdk().SetupAlarmChannel(login_ + 100), 0);
    EXPECT_EQ(sdk().LastError(), wire::kErrBadHandle);
}

TEST_F(LibraryFixture, RecordsReadAndStoreWithTheirResults) {
    uint8_t network[144];
    uint32_t returned = 0;
    ASSERT_EQ(sdk().GetConfig(login_, 20, 0, network, sizeof(network), &returned, 10000), 1);
    EXPECT_EQ(returned, 144u);
    WriteI32(network, 76, 8080);
    EXPECT_EQ(sdk().SetConfig(login_, 20, 0, network, sizeof(network), 10000), 1);

    // Too small a buffer is refused and says nothing was returned.
    uint8_t slots[1688];
    returned = 99;
    EXPECT_EQ(sdk().GetConfig(login_, 24, -1, slots, sizeof(slots), &returned, 10000), 0);
    EXPECT_EQ(returned, 0u);
    EXPECT_EQ(sdk().LastError(), wire::kErrBadSize);

    Fault("needs-reboot 20");
    EXPECT_EQ(sdk().SetConfig(login_, 20, 0, network, sizeof(network), 10000), wire::kNeedsReboot);
    Fault("refuse-store 20");
    EXPECT_EQ(sdk().SetConfig(login_, 20, 0, network, sizeof(network), 10000), 0);
    EXPECT_EQ(sdk().LastError(), wire::kErrStoreRefused);
}

TEST_F(LibraryFixture, AnUnansweredRequestTimesOutAndALateReplyIsIgnored) {
    Fault("delay 300");
    uint8_t kind[57];
    uint32_t returned = 0;
    EXPECT_EQ(sdk().GetConfig(login_, 9, 0, kind, sizeof(kind), &returned, 50), 0);
    EXPECT_EQ(sdk().LastError(), wire::kErrTimeout);
    Fault("delay 0");
    EXPECT_EQ(sdk().GetConfig(login_, 9, 0, kind, sizeof(kind), &returned, 2000), 1);
    EXPECT_EQ(kind[0], 1);

    Fault("silent 1");
    EXPECT_EQ(sdk().GetConfig(login_, 9, 0, kind, sizeof(kind), &returned, 50), 0);
    EXPECT_EQ(sdk().LastError(), wire::kErrTimeout);
}

std::atomic<int> g_disconnects{0};
void VELA_STDCALL CountDisconnect(int32_t, const char*, int32_t, uintptr_t) {
    ++g_disconnects;
}

TEST_F(LibraryFixture, ADroppedConnectionFailsLaterCallsAndIsReported) {
    sdk().Init(&CountDisconnect, 0);
    g_disconnects = 0;
    Fault("drop-after 1");  // the login was the first request
    uint8_t kind[57];
    uint32_t returned = 0;
    EXPECT_EQ(sdk().GetConfig(login_, 9, 0, kind, sizeof(kind), &returned, 2000), 0);
    EXPECT_EQ(sdk().LastError(), wire::kErrConnectionLost);
    EXPECT_TRUE(Eventually([] { return g_disconnects == 1; }));
    EXPECT_EQ(sdk().PtzControl(login_, 0, 0, 0, 3), 0);
    EXPECT_EQ(sdk().Logout(login_), 1);
}

struct StreamLog {
    std::atomic<int> packets{0};
    std::atomic<int> inside{0};
    std::atomic<int> firstType{-1};
    std::atomic<int> width{0};
    std::atomic<bool> slow{false};
};

int32_t VELA_STDCALL RecordPacket(int32_t, const NetFramePacket* packet, uintptr_t user) {
    auto* log = reinterpret_cast<StreamLog*>(user);
    ++log->inside;
    if (log->packets++ == 0) log->firstType = packet->type;
    log->width = packet->width;
    if (log->slow) std::this_thread::sleep_for(std::chrono::milliseconds(30));
    --log->inside;
    return 1;
}

TEST_F(LibraryFixture, StreamPacketsReachTheCallbackUntilItIsRemoved) {
    const int32_t client[5] = {0, 0, 0, 0, 0};
    int32_t play = sdk().RealPlay(login_, client);
    ASSERT_GT(play, 0);
    StreamLog log;
    log.slow = true;
    ASSERT_EQ(sdk().SetDataCallback(play, &RecordPacket, reinterpret_cast<uintptr_t>(&log)), 1);
    ASSERT_TRUE(Eventually([&] { return log.packets >= 4; }));
    EXPECT_EQ(log.firstType, 0);
    EXPECT_EQ(log.width, 704);

    // Removed while a (slow) callback may be running: once it returns, nothing runs or starts.
    ASSERT_TRUE(Eventually([&] { return log.inside == 1; }));
    sdk().DelDataCallback(play, &RecordPacket, reinterpret_cast<uintptr_t>(&log));
    EXPECT_EQ(log.inside, 0);
    int seen = log.packets;
    platform::SleepMs(150);
    EXPECT_EQ(log.packets, seen);
    EXPECT_EQ(sdk().StopRealPlay(play), 1);
    EXPECT_EQ(sdk().StopRealPlay(play), 0);

    const int32_t badChannel[5] = {9, 0, 0, 0, 0};
    EXPECT_EQ(sdk().RealPlay(login_, badChannel), 0);
    EXPECT_EQ(sdk().LastError(), wire::kErrBadChannel);
}

std::string WriteImage(const TempFolder& folder, const char* name, std::vector<uint8_t> image) {
    const std::string path = folder.File(name);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(image.data()), static_cast<long>(image.size()));
    return path;
}

struct UpgradeLog {
    std::atomic<int> calls{0};
    std::atomic<int> lastDone{0};
    std::atomic<int> total{0};
    std::atomic<bool> decreasing{false};
};

void VELA_STDCALL RecordProgress(int32_t, int32_t, int32_t done, int32_t total, uintptr_t user) {
    auto* log = reinterpret_cast<UpgradeLog*>(user);
    if (done < log->lastDone) log->decreasing = true;
    log->lastDone = done;
    log->total = total;
    ++log->calls;
}

TEST_F(LibraryFixture, UpgradeReportsProgressToCompletion) {
    std::vector<uint8_t> image =
        wire::BuildFirmwareImage("V3.5.0 build 140102", std::vector<uint8_t>(100000, 7));
    const std::string path = WriteImage(folder_, "digicap.dav", image);
    UpgradeLog log;
    int32_t upgrade =
        sdk().Upgrade(login_, path.c_str(), 0, &RecordProgress, reinterpret_cast<uintptr_t>(&log));
    ASSERT_GT(upgrade, 0);
    ASSERT_TRUE(Eventually([&] { return sdk().UpgradeState(upgrade) != kUpgradeRunning; }));
    EXPECT_EQ(sdk().UpgradeState(upgrade), kUpgradeDone);
    EXPECT_GE(log.calls, 4);  // four pieces
    EXPECT_FALSE(log.decreasing);
    EXPECT_EQ(log.lastDone, static_cast<int>(image.size()));
    EXPECT_EQ(log.total, static_cast<int>(image.size()));
    EXPECT_EQ(device_->Version(), "V3.5.0 build 140102");
}

TEST_F(LibraryFixture, UpgradeFailsForAFileThatIsNotFirmware) {
    std::string path = folder_.File("notes.txt");
    std::ofstream(path) << "not a firmware image, just a text file of some length";
    UpgradeLog log;
    int32_t upgrade =
        sdk().Upgrade(login_, path.c_str(), 0, &RecordProgress, reinterpret_cast<uintptr_t>(&log));
    ASSERT_GT(upgrade, 0);
    EXPECT_EQ(sdk().UpgradeState(upgrade), kUpgradeFailed);  // at once
    EXPECT_EQ(sdk().LastError(), wire::kErrNotFirmware);
    EXPECT_EQ(sdk().UpgradeState(
                  sdk().Upgrade(login_, folder_.File("missing").c_str(), 0, &RecordProgress, 0)),
              kUpgradeFailed);

    // A damaged image uploads, is refused by the device, and never reports completion.
    std::vector<uint8_t> image = wire::BuildFirmwareImage("V9", std::vector<uint8_t>(50000, 1));
    image.back() ^= 0x55;
    const std::string damaged = WriteImage(folder_, "damaged.dav", image);
    upgrade = sdk().Upgrade(login_, damaged.c_str(), 0, &RecordProgress,
                            reinterpret_cast<uintptr_t>(&log));
    ASSERT_TRUE(Eventually([&] { return sdk().UpgradeState(upgrade) != kUpgradeRunning; }));
    EXPECT_EQ(sdk().UpgradeState(upgrade), kUpgradeFailed);
    EXPECT_LT(log.lastDone, log.total);
    EXPECT_EQ(device_->Version(), dvrsim::kFactoryVersion);
}

TEST_F(LibraryFixture, PtzCommandsReachThePicture) {
    EXPECT_EQ(sdk().PtzControl(login_, 1, 2, 0, 5), 1);
    EXPECT_EQ(device_->Overlay(1), "CH2 left speed 5");
    EXPECT_EQ(sdk().PtzPreset(login_, 1, 17, 12, 2, 3, 0), 1);
    EXPECT_EQ(device_->Overlay(1), "CH2 set preset 12");
    EXPECT_EQ(sdk().PtzControl(login_, 7, 0, 0, 1), 0);
}

}  // namespace
}  // namespace vela::netsdk
