// The PTZ page end to end: what the device is told (motion, presets), the decoder records it
// stores, and the preset file the host then reads through ReadPresetInfo and ReadPresetPlan.
#include <gmock/gmock.h>

#include <cstdlib>
#include <filesystem>

#include "tests/common/bmp_pixel.h"
#include "tests/ptz_page/ptz_console_fixture.h"
#include "tools/wire/commands.h"

namespace vela::ptz_e2e {
namespace {

using testing::BmpPixel;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

TEST_F(PtzConsoleTest, MotionButtonsStartOnPressAndStopOnReleaseWithTheChosenSpeed) {
    const std::string transcript = RunConsole(
        "page PTZ\n"
        "select CmbPtzSpeed 99\npress BtnLeft\nrelease BtnLeft\n"       // "100": speed 3
        "set CmbPtzSpeed fast\npress BtnZoomAdd\nrelease BtnZoomAdd\n"  // none chosen: 0
        "select CmbCHNO 2\nselect CmbPtzSpeed 254\npress BtnIrisReduce\nrelease BtnIrisReduce\n"
        "button Exit\n");
    EXPECT_THAT(transcript, Not(HasSubstr("error")));
    EXPECT_THAT(
        server->device().PtzLog(),
        ElementsAre("CH1 left speed 3", "CH1 left stop speed 3", "CH1 zoom+ speed 0",
                    "CH1 zoom+ stop speed 0", "CH3 iris- speed 7", "CH3 iris- stop speed 7"));
    EXPECT_EQ(server->device().Overlay(2), "CH3 iris- stop") << "the test picture's line";
}

TEST_F(PtzConsoleTest, PresetsAreSetCalledAndClearedAndReachTheHostWithHomeAndTour) {
    RunConsole("page PTZ\n" + AddPreset("Gate", "3") + AddPreset("Dock", "01") +
               AddPreset("Wall", "5", 1) +
               // refused: a second Gate, a second number 3, numbers without a slot
               AddPreset("Gate", "4") + AddPreset("Yard", "3") + AddPreset("Yard", "0") +
               AddPreset("Yard", "500") + AddPreset("Yard", "abc") +
               "row PreSetupDlg.PreList 2\nclick CallPreset\n"       // Wall, save mode: set again
               "row PreSetupDlg.PreList 0\nclick CallPreset\n"       // Gate: go to
               "select PreSetupDlg.RelayTime 4\nselect HomePos 0\n"  // Gate, back after 60 s
               "click BtnTour\nselect TourDlg.PreName 1\nselect TourDlg.RelayTime 6\nclick btnAdd\n"
               "select TourDlg.PreName 0\nclick btnAdd\n"
               "select TourDlg.Group 2\nselect TourDlg.PreName 1\nclick btnAdd\n"
               "button Save\nbutton Exit\n");
    EXPECT_THAT(server->device().PtzLog(), ElementsAre("CH1 set preset 3", "CH1 set preset 1",
                                                       "CH1 set preset 5", "CH1 go to preset 3"));

    const Presets presets = ReadPresets();
    ASSERT_EQ(presets.result, 1);
    EXPECT_EQ(presets.speed, 128);
    ASSERT_EQ(presets.records.size(), 3u) << "slot order: Dock 1, Gate 3, Wall 5";
    const PresetInfo& dock = presets.records[0];
    const PresetInfo& gate = presets.records[1];
    const PresetInfo& wall = presets.records[2];
    EXPECT_EQ(dock.name + gate.name + wall.name, "DockGateWall");
    EXPECT_EQ(dock.number * 100 + gate.number * 10 + wall.number, 135);
    EXPECT_EQ(wall.mode, 1);
    EXPECT_EQ(gate.home, 1);
    EXPECT_EQ(gate.homeTime, 60);
    EXPECT_EQ(dock.home, 0);
    // Tour 1: Gate, then Dock, 8 s each; tour 3: Gate alone, at the 5 s a shown group offers.
    EXPECT_THAT(gate.tour[0], ElementsAre(1, 8, 0));
    EXPECT_THAT(dock.tour[0], ElementsAre(1, 8, 1));
    EXPECT_THAT(gate.tour[2], ElementsAre(1, 5, 0));
    EXPECT_THAT(wall.tour[0], ElementsAre(0, 0, 0)) << "a save-mode preset is in no tour";

    const Plan plan = ReadPlan();
    EXPECT_EQ(plan.result, 1);
    EXPECT_EQ(plan.homePreset, 3);
    EXPECT_EQ(plan.homeTime, 60);
}

TEST_F(PtzConsoleTest, PlanEntriesAreReplacedCopiedAndGoWithTheirPreset) {
    RunConsole("page PTZ\n" + AddPreset("Gate", "3") + AddPreset("Pier", "7") +
               AddPreset("Dock", "5") + "click BtnScheme\n" +  // CmbPresets: 3, 7, 5 as added
               AddPlanEntry(1, 1, "8", "30") + AddPlanEntry(0, 1, "8", "30") +  // 3 replaces 7
               AddPlanEntry(0, 1, "24", "0") + AddPlanEntry(0, 1, "", "5") +    // refused
               AddPlanEntry(2, 2, "6", "0") + AddPlanEntry(0, 2, "7", "15") +
               AddPlanEntry(2, 2, "22", "45") + AddPlanEntry(1, 4, "9", "0") +
               // day 2 to Thursday: its entry goes, day 2's three come
               "select CmbWeek 2\nselect CmbCopyToWeek 4\nclick BtnWeekCopy\n"
               "select CmbCopyToWeek 2\nclick BtnWeekCopy\n"  // to itself: nothing
               "button Save\nbutton Exit\n");
    Plan plan = ReadPlan();
    ASSERT_EQ(plan.result, 1);
    EXPECT_THAT(plan.items, ElementsAre("1 08:30 3", "2 06:00 5", "2 07:15 3", "2 22:45 5",
                                        "4 06:00 5", "4 07:15 3", "4 22:45 5"));

    // Day 2 to every other day: 3 entries on each of the 7 days; then preset 5 goes.
    RunConsole(
        "page PTZ\nclick BtnScheme\nselect CmbWeek 2\nselect CmbCopyToWeek 7\n"
        "click BtnWeekCopy\nbutton Save\nbutton Exit\n");
    plan = ReadPlan();
    EXPECT_EQ(plan.items.size(), 21u);
    RunConsole("page PTZ\nrow PreSetupDlg.PreList 1\nclick DelPreset\nbutton Save\nbutton Exit\n");
    plan = ReadPlan();
    EXPECT_EQ(plan.items.size(), 7u) << "only preset 3's entries stay";
    for (const std::string& item : plan.items) EXPECT_THAT(item, ::testing::EndsWith(" 3"));
    EXPECT_EQ(server->device().PtzLog().back(), "CH1 clear preset 5");
}

TEST_F(PtzConsoleTest, DecoderRecordsKeepWhatThePageDoesNotEditByteForByte) {
    // Channel 2 holds a protocol the device does not list and a rate no entry has.
    std::vector<uint8_t> odd = Decoder(1);
    WriteText(odd.data(), 0, 32, "ACME-X");
    WriteI32(odd.data(), 32, 7);
    for (size_t i = 36; i < 56; ++i) odd[i] = static_cast<uint8_t>(0xA0 + i);
    WriteI32(odd.data(), 56, 4321);
    ASSERT_EQ(server->device().Store(kDecoderRecord, 1, odd.data(), odd.size()), wire::kOk);
    const std::vector<uint8_t> first = Decoder(0);
    std::vector<uint8_t> expected = Decoder(2);

    RunConsole(
        "page PTZ\nselect CmbCHNO 1\nexpect CmbProtocol ACME-X\nexpect CmbBaudRate 4321\n"
        "select CmbCHNO 2\nset CmbProtocol " +
        std::string(40, 'P') +
        "\n"
        "select CmbBaudRate 4\nset EditAddr 12\n"
        "select CmbCopyToCh 3\nclick BtnCopyCh\nbutton Save\nbutton Exit\n");
    EXPECT_EQ(Decoder(0), first);
    EXPECT_EQ(Decoder(1), odd) << "looking at channel 2 changed it";
    WriteText(expected.data(), 0, 32, std::string(31, 'P'));
    WriteI32(expected.data(), 32, 12);
    WriteI32(expected.data(), 56, 19200);
    EXPECT_EQ(Decoder(2), expected);
    std::vector<uint8_t> copied = Decoder(3);
    EXPECT_EQ(ReadText(copied.data(), 0, 32), std::string(31, 'P'));
    EXPECT_EQ(ReadI32(copied.data(), 32), 12);
    EXPECT_EQ(ReadI32(copied.data(), 56), 19200);

    // Channel 3 to all: channels 1, 2 and 4 take its settings and keep their own bytes 36-55.
    RunConsole(
        "page PTZ\nselect CmbCHNO 2\nselect CmbCopyToCh 4\nclick BtnCopyCh\n"
        "button Save\nbutton Exit\n");
    for (int channel : {0, 1, 3}) {
        copied = Decoder(channel);
        EXPECT_EQ(ReadI32(copied.data(), 56), 19200) << channel;
        EXPECT_EQ(ReadI32(copied.data(), 32), 12) << channel;
    }
    EXPECT_EQ(Decoder(1)[40], odd[40]);
}

TEST_F(PtzConsoleTest, ASaveThatNeverShowedThePageKeepsSpeedPlanAndHome) {
    RunConsole("page PTZ\n" + AddPreset("Gate", "3") +
               "select PreSetupDlg.RelayTime 2\nselect HomePos 0\nselect CmbPtzSpeed 199\n"
               "click BtnScheme\n" +
               AddPlanEntry(0, 3, "12", "0") + "button Save\nbutton Exit\n");
    const Presets before = ReadPresets();
    ASSERT_EQ(before.speed, 200);
    ASSERT_EQ(ReadPlan().items, std::vector<std::string>{"3 12:00 3"});

    RunConsole("page Server\nbutton Save\nbutton Exit\n");
    const Presets after = ReadPresets();
    EXPECT_EQ(after.speed, 200);
    ASSERT_EQ(after.records.size(), 1u);
    EXPECT_EQ(after.records[0].home, 1);
    EXPECT_EQ(after.records[0].homeTime, 30);
    EXPECT_EQ(ReadPlan().items, std::vector<std::string>{"3 12:00 3"});
}

TEST_F(PtzConsoleTest, APresetFileThatCannotBeReplacedStaysWhole) {
    RunConsole("page PTZ\n" + AddPreset("Gate", "3") + "button Save\nbutton Exit\n");
    ASSERT_EQ(ReadPresets().records.size(), 1u);
    const std::string old = testing::ReadWholeFile(PresetFile());

    // The new file's place beside it is taken: nothing can be written there.
    std::filesystem::create_directory(PresetFile() + ".tmp");
    const std::string transcript =
        RunConsole("page PTZ\n" + AddPreset("Dock", "4") + "button Save\nbutton Exit\n");
    std::filesystem::remove(PresetFile() + ".tmp");
    EXPECT_THAT(transcript, HasSubstr("message")) << "the device's records were saved";
    EXPECT_EQ(testing::ReadWholeFile(PresetFile()), old);
    EXPECT_EQ(ReadPresets().records.size(), 1u);
}

// Script lines that take `count` pictures a few milliseconds apart: the player paints its
// frames on its own, so one of them catches the live picture.
std::string Snapshots(const std::string& stem, int count) {
    std::string lines;
    for (int i = 0; i < count; ++i)
        lines += "snapshot " + stem + std::to_string(i) + ".bmp\nwait 3\n";
    return lines;
}

// Keeps, as stem.bmp, the first picture whose live picture shows the test picture's white bar,
// else the last one (the player paints on its own thread and may have been between frames).
void KeepPictureWithVideo(const std::string& stem, int count) {
    constexpr int kWhiteBarX = 62, kWhiteBarY = 200;  // console coordinates
    int kept = count - 1;
    for (int i = 0; i < count; ++i) {
        if (BmpPixel(stem + std::to_string(i) + ".bmp", kWhiteBarX, kWhiteBarY) != 0xFFFFFF)
            continue;
        kept = i;
        break;
    }
    for (int i = 0; i < count; ++i) {
        const std::string path = stem + std::to_string(i) + ".bmp";
        if (i == kept)
            std::filesystem::rename(path, stem + ".bmp");
        else
            std::filesystem::remove(path);
    }
}

// The three panels as the console shows them, where the caller asks for pictures.
TEST_F(PtzConsoleTest, PanelSnapshots) {
    const char* folderName = std::getenv("VELA_SNAPSHOT_DIR");
    if (!folderName) GTEST_SKIP() << "VELA_SNAPSHOT_DIR names no folder";
    constexpr int kTries = 100;
    const std::string presets = platform::JoinPath(folderName, "ptz-presets");
    const std::string tours = platform::JoinPath(folderName, "ptz-tours");
    const std::string plan = platform::JoinPath(folderName, "ptz-plan");
    const std::string transcript = RunConsole(
        "page PTZ\n" + AddPreset("Gate", "3") + AddPreset("Dock", "1") + AddPreset("Pier", "7") +
        "select PreSetupDlg.RelayTime 4\nselect HomePos 0\nwait 600\n" +
        Snapshots(presets, kTries) + "click BtnScheme\n" + AddPlanEntry(0, 1, "8", "30") +
        AddPlanEntry(2, 1, "18", "0") + AddPlanEntry(1, 6, "12", "15") + "wait 300\n" +
        Snapshots(plan, kTries) +
        "click BtnTour\nselect TourDlg.PreName 0\nclick btnAdd\nselect TourDlg.PreName 2\n"
        "select TourDlg.RelayTime 8\nclick btnAdd\nwait 300\n" +
        Snapshots(tours, kTries) + "button Exit\n");
    EXPECT_THAT(transcript, Not(HasSubstr("error")));
    for (const std::string& stem : {presets, tours, plan}) KeepPictureWithVideo(stem, kTries);
}

}  // namespace
}  // namespace vela::ptz_e2e
