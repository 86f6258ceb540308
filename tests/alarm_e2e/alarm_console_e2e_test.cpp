// End to end: the shipped plug-in module, loaded by path as a host loads it, runs the Alarm
// and Sensor pages from console scripts against dvrsim over loopback, through the real NetSDK
// and player stand-ins; what a Save stores is read back from the simulated device. The same
// source runs natively (headless console) and under wine64 (the real Windows console).
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/bytes.h"
#include "platform/kernel.h"
#include "platform/net.h"
#include "tests/common/bmp_pixel.h"
#include "tests/common/environment.h"
#include "tests/common/plugin_module.h"
#include "tests/common/temp_folder.h"
#include "tools/dvrsim/server.h"
#include "ui/console_script.h"

namespace vela {
namespace {

using testing::BmpPixel;
using testing::ThePlugin;

// Record layouts as the device has them: the motion record (24) keeps its area words at 8 and
// its linkage at 136; the alarm-input record (27) its linkage at 8.
constexpr size_t kMotionSize = 1688, kInputSize = 1560;
constexpr size_t kArea = 8, kMotionLinkage = 136, kInputLinkage = 8;
constexpr size_t kRecordMask = 0, kOutputMask = 16, kOutputEnable = 1467, kCentre = 1471;
constexpr size_t Period(int day, int period) {
    return 288 + 28 * static_cast<size_t>(6 * day + period);
}
// In a console snapshot: the play window's top left (the page at 14,82, the window at 10,9 of
// it); the grid has 16-pixel cells.
constexpr int kPlayLeft = 24, kPlayTop = 91;
constexpr uint32_t kRed = 0xFF0000, kYellow = 0xFFFF00;

class AlarmConsoleEndToEnd : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::StartSockets();
        ASSERT_TRUE(ThePlugin().library) << "the plug-in module beside the tests";
        ASSERT_TRUE(ThePlugin().Complete());
    }
    void TearDown() override {
        ThePlugin().unInit();
        server.reset();
    }
    void StartDevice(int channels = 4) {
        dvrsim::ServerOptions options;
        options.port = 0;
        options.device.statePath = folder.File("state.bin");
        options.device.shape.channels = channels;
        server = std::make_unique<dvrsim::Server>(options);
        std::string reason;
        ASSERT_TRUE(server->Start(&reason)) << reason;
        ASSERT_EQ(ThePlugin().init(0, 0, 0), 1);
    }
    // SetupServer with the script; the transcript it left, which must hold no error.
    // "@NAME" in the script stands for the file NAME in the test folder.
    std::string RunConsole(std::string script) {
        for (size_t at = script.find('@'); at != std::string::npos; at = script.find('@', at)) {
            const size_t end = script.find_first_of(" \n", at);
            const std::string path = folder.File(script.substr(at + 1, end - at - 1));
            script.replace(at, end - at, path);
            at += path.size();
        }
        const std::string transcript = folder.File("transcript.txt");
        testing::SetEnvironment(ui::kScriptVariable, folder.Write("script.txt", script));
        testing::SetEnvironment(ui::kTranscriptVariable, transcript);
        ThePlugin().setupServer("Office", "127.0.0.1", server->port(), "admin", "", 0, "", 0);
        std::string lines = testing::ReadWholeFile(transcript);
        EXPECT_EQ(lines.find("error"), std::string::npos) << lines;
        return lines;
    }
    std::vector<uint8_t> Slot(int command, int slot, size_t size) {
        std::vector<uint8_t> record;
        server->device().Read(command, slot, static_cast<uint32_t>(size), &record);
        record.resize(size);
        return record;
    }
    std::vector<uint8_t> Motion(int channel) { return Slot(24, channel, kMotionSize); }
    std::vector<uint8_t> Input(int input) { return Slot(27, input, kInputSize); }
    // The dump line of a control, "" when the dump has none.
    std::string DumpLine(const std::string& dump, const std::string& key) {
        const std::string text = testing::ReadWholeFile(folder.File(dump));
        const size_t at = text.find(key + "\t");
        return at == std::string::npos ? "" : text.substr(at, text.find('\n', at) - at);
    }
    // Script lines that take `count` snapshots a few milliseconds apart: on Windows a snapshot
    // repaints the play window black, so only some catch a frame.
    std::string Snapshots(const std::string& name, int count) {
        std::string lines;
        for (int i = 0; i < count; ++i)
            lines += "snapshot @" + SnapshotName(name, i) + "\nwait 7\n";
        return lines;
    }
    static std::string SnapshotName(const std::string& name, int i) {
        return name + "-" + std::to_string(i) + ".bmp";
    }
    // The grid outline's colour at a point of the snapshots that caught a live frame (the
    // outline is drawn onto every frame; a play window without one is black).
    std::vector<uint32_t> OutlineColours(const std::string& name, int count, int x, int y) {
        std::vector<uint32_t> colours;
        for (int i = 0; i < count; ++i) {
            const uint32_t colour =
                BmpPixel(folder.File(SnapshotName(name, i)), kPlayLeft + x, kPlayTop + y);
            if (colour != 0) colours.push_back(colour);
        }
        return colours;
    }

    testing::TempFolder folder;
    std::unique_ptr<dvrsim::Server> server;
};

TEST_F(AlarmConsoleEndToEnd, TheDraggedGridAndTheLinkageReachTheDeviceOnSave) {
    StartDevice();
    const std::vector<uint8_t> factory = Motion(1);
    RunConsole(
        "page Alarm\nclick BtnClear\n"
        "drag PlayWnd 10 10 40 40\n"      // rows 0-2, columns 0-2
        "drag PlayWnd 120 100 90 70\n"    // backwards: rows 4-6, columns 5-7
        "drag PlayWnd 340 280 900 900\n"  // ends outside: row 17, column 21
        "drag PlayWnd 20 20 20 20\n"      // over marked cells: nothing is taken away
        "select CmbSensitivity 5\ncheck CheckUploadCenter 1\ncheck CheckRecCh3 1\n"
        "check CheckTriggerAlarmOut 1\ncheck CheckAlarmOutCh1 1\nbutton Save\n");
    const std::vector<uint8_t> motion = Motion(0);
    for (int row = 0; row < 18; ++row) {
        const uint32_t expected = row <= 2               ? 0x7u
                                  : row >= 4 && row <= 6 ? 0xE0u
                                  : row == 17            ? 1u << 21
                                                         : 0u;
        EXPECT_EQ(ReadU32(motion.data(), kArea + 4 * static_cast<size_t>(row)), expected) << row;
    }
    EXPECT_EQ(ReadI32(motion.data(), 4), 6);
    const uint8_t* link = motion.data() + kMotionLinkage;
    EXPECT_EQ(ReadU32(link, kRecordMask), 0x5u);
    EXPECT_EQ(ReadU32(link, kOutputMask), 0x1u);
    EXPECT_EQ(ReadU8(link, kOutputEnable), 1);
    EXPECT_EQ(ReadU8(link, kCentre), 1);
    EXPECT_EQ(ReadI32(link + Period(0, 0), 24), 59) << "the device's seconds stay";
    EXPECT_EQ(Motion(1), factory) << "other channels as they were";
}

TEST_F(AlarmConsoleEndToEnd, TheEnablingRulesShowInTheDumps) {
    StartDevice();
    RunConsole(
        "page Alarm\ndump @on.txt\ncheck CheckEnable 0\ndump @off.txt\n"
        "check CheckEnable 1\nselect CmbAlarmType 2\ndump @plain.txt\n"
        "page Sensor\ncheck CheckPtzLinkEnable 1\ndump @link.txt\n"
        "check CheckPtzLinkEnable 0\ndump @nolink.txt\nbutton Exit\n");
    EXPECT_NE(DumpLine("on.txt", "DvsCfgAlarm.CheckRecCh4").find("enabled=1"), std::string::npos);
    EXPECT_NE(DumpLine("on.txt", "DvsCfgAlarm.CheckRecCh5").find("enabled=0"), std::string::npos);
    EXPECT_NE(DumpLine("on.txt", "DvsCfgAlarm.CheckAlarmOutCh1").find("enabled=0"),
              std::string::npos)
        << "the factory record drives no output";
    for (const char* key : {"CmbSensitivity", "CheckSinging", "CheckRecCh1", "CmbCopyToWeek",
                            "CheckSensorTime1", "BtnCopyCh"})
        EXPECT_NE(DumpLine("off.txt", std::string("DvsCfgAlarm.") + key).find("enabled=0"),
                  std::string::npos)
            << key;
    for (const char* key : {"DateTimePickerStart1", "BtnAll", "CmbChNO", "PlayWnd"})
        EXPECT_NE(DumpLine("off.txt", std::string("DvsCfgAlarm.") + key).find("enabled=1"),
                  std::string::npos)
            << key;
    EXPECT_NE(DumpLine("plain.txt", "DvsCfgAlarm.CmbSensitivity").find("visible=0"),
              std::string::npos);
    EXPECT_NE(DumpLine("plain.txt", "DvsCfgAlarm.BtnClear").find("visible=0"), std::string::npos);
    EXPECT_NE(DumpLine("link.txt", "DvsCfgSensor.CmbCHNO").find("enabled=1"), std::string::npos);
    EXPECT_NE(DumpLine("nolink.txt", "DvsCfgSensor.EditPtzLinkNO").find("enabled=0"),
              std::string::npos);
}

TEST_F(AlarmConsoleEndToEnd, DayAndChannelCopiesReachTheDeviceThroughTheStoredRecords) {
    StartDevice();
    const std::vector<uint8_t> factoryInput = Input(2);
    RunConsole(
        "page Alarm\nset DateTimePickerStart2 08:15\nset DateTimePickerStop2 09:00\n"
        "check CheckSensorTime2 1\nselect CmbCopyToWeek 7\nclick BtnCopyWeek\n"
        "select CmbCopyToCh 4\nclick BtnCopyCh\n"
        "page Sensor\nselect CmbAlarmInNO 1\ncheck CheckPtzLinkEnable 1\n"
        "select CmbCHNO 2\nselect CmbPtzLinkType 1\nset EditPtzLinkNO 17\n"
        "select CmbCopyToAlarmInNO 3\nclick BtnAlarmInCopy\nbutton Save\n");
    for (int channel = 0; channel < 4; ++channel) {
        const std::vector<uint8_t> motion = Motion(channel);
        const uint8_t* period = motion.data() + kMotionLinkage + Period(channel == 0 ? 5 : 0, 1);
        EXPECT_EQ(ReadI32(period, 0), 1) << channel;
        EXPECT_EQ(ReadI32(period, 4), 8) << channel;
        EXPECT_EQ(ReadI32(period, 20), 0) << channel;
        // The copy to channels takes the shown day only.
        EXPECT_EQ(ReadI32(motion.data() + kMotionLinkage + Period(3, 1), 0), channel == 0)
            << channel;
    }
    for (int input : {1, 3}) {
        const std::vector<uint8_t> record = Input(input);
        const uint8_t* link = record.data() + kInputLinkage;
        EXPECT_EQ(ReadU8(link, 1468), 1) << input;
        EXPECT_EQ(ReadI32(link, 32 + 8 * 2), 1) << input;
        EXPECT_EQ(ReadI32(link, 32 + 8 * 2 + 4), 17) << input;
        EXPECT_EQ(ReadI32(link, 32 + 8 * 1), 0) << "other cameras' links stay";
    }
    EXPECT_EQ(Input(2), factoryInput);
}

TEST_F(AlarmConsoleEndToEnd, ASaveAfterOnlyLookingAtBothPagesStoresNothing) {
    StartDevice();
    RunConsole(
        "page Sensor\nselect CmbAlarmInNO 3\nselect CmbCHNO 1\nselect CmbWeek 4\n"
        "page Alarm\nselect CmbAlarmType 1\nselect CmbAlarmType 2\nselect CmbChNO 2\n"
        "select CmbWeek 6\nselect CmbAlarmType 0\nbutton Save\n");
    EXPECT_EQ(server->device().storesAccepted(), 0u);
}

// A 32-channel device records channels 17 to 32 on alarm too: no box shows them, and a Save
// keeps them.
TEST_F(AlarmConsoleEndToEnd, RecordChannelsBeyondTheBoxesSurviveASave) {
    StartDevice(32);
    RunConsole("page Alarm\nselect CmbChNO 20\ncheck CheckRecCh16 1\nbutton Save\n");
    EXPECT_EQ(ReadU32(Motion(20).data() + kMotionLinkage, kRecordMask), (1u << 20) | (1u << 15));
}

// The host's alarm feed on its own thread: motion on channel 1 once the script has marked the
// area (it says so by writing a dump), quiet once it asks again.
TEST_F(AlarmConsoleEndToEnd, TheHostsMotionAlarmFlashesTheMarkedAreaRedAndYellow) {
    StartDevice();
    constexpr int kShots = 12;
    std::atomic<int> answered{0};
    std::thread feed([&] {
        for (const auto& [signal, state] :
             {std::pair{"marked.txt", 1}, std::pair{"quiet.txt", 0}}) {
            // A script that stopped early never writes it: the feed gives up after a minute.
            for (int waited = 0; !std::filesystem::exists(folder.File(signal)); waited += 5) {
                if (waited > 60000) return;
                platform::SleepMs(5);
            }
            ThePlugin().setMotionAlarmState(0, 0, 0);  // another channel: nothing
            answered += ThePlugin().setMotionAlarmState(1, 0, state);
        }
    });
    // Channel 1's preview starts with the choice: the wait lets its first frames arrive.
    RunConsole(
        "page Alarm\nselect CmbChNO 1\nclick BtnClear\ndrag PlayWnd 10 10 100 60\n"
        "wait 300\n" +
        Snapshots("plain", kShots) + "dump @marked.txt\nwait 300\n" + Snapshots("flash", kShots) +
        "dump @quiet.txt\nwait 300\n" + Snapshots("quiet", kShots) + "button Exit\n");
    feed.join();
    EXPECT_EQ(answered.load(), 2) << "the console was open for both";

    // The left edge of the marked area, 2 pixels wide. A Windows snapshot repaints the play
    // window black before it copies the screen and only now and then catches a frame drawn in
    // between: the colours are checked on the frames caught (on the headless console, every
    // snapshot shows a frame completed after it was asked for).
    const std::vector<uint32_t> plain = OutlineColours("plain", kShots, 1, 30);
    const std::vector<uint32_t> flash = OutlineColours("flash", kShots, 1, 30);
    const std::vector<uint32_t> quiet = OutlineColours("quiet", kShots, 1, 30);
    EXPECT_EQ(std::count(plain.begin(), plain.end(), kYellow), plain.size());
    if (!flash.empty()) {
        EXPECT_GT(std::count(flash.begin(), flash.end(), kRed), 0);
    }
    EXPECT_EQ(std::count(quiet.begin(), quiet.end(), kYellow), quiet.size());
#if !defined(_WIN32)
    EXPECT_FALSE(plain.empty() || flash.empty() || quiet.empty());
#endif
}

}  // namespace
}  // namespace vela
