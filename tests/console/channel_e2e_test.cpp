// The Channel page end to end: the shipped plug-in module runs a scripted console against
// dvrsim over loopback, through the NetSDK stand-in and the player stand-in, natively
// (headless) and under wine64 (the real Windows console). What the page shows after a load,
// what Save stores (read back from the simulated device at the record offsets), the copies,
// the cover dragged on the live picture, and the live streams the page asks for.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/bytes.h"
#include "platform/kernel.h"
#include "platform/net.h"
#include "tests/common/environment.h"
#include "tests/common/plugin_module.h"
#include "tests/common/temp_folder.h"
#include "tools/dvrsim/server.h"
#include "ui/console_script.h"
#include "ui/dib_image.h"

namespace vela {
namespace {

using testing::ThePlugin;

// Where the play window's picture lies in a console snapshot: the page at (14, 82) of the
// console, the play window at (8, 9) of the page (the sample skin).
constexpr int kPictureLeft = 22;
constexpr int kPictureTop = 91;
constexpr uint32_t kMagenta = 0xFF00FF;

class ChannelEndToEnd : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::StartSockets();
        ASSERT_TRUE(ThePlugin().library) << "the plug-in module beside the tests";
        dvrsim::ServerOptions options;
        options.port = 0;
        options.device.statePath = folder.File("state.bin");
        server = std::make_unique<dvrsim::Server>(options);
        std::string reason;
        ASSERT_TRUE(server->Start(&reason)) << reason;
        ASSERT_EQ(ThePlugin().init(0, 0, 0), 1);
    }
    void TearDown() override {
        ThePlugin().unInit();
        server.reset();
    }
    // SetupServer with the script; the transcript it left, which must hold no script error.
    std::string RunConsole(const std::string& script) {
        const std::string transcript = folder.File("transcript.txt");
        testing::SetEnvironment(ui::kScriptVariable, folder.Write("script.txt", script));
        testing::SetEnvironment(ui::kTranscriptVariable, transcript);
        ThePlugin().setupServer("Office", "127.0.0.1", server->port(), "admin", "", 0, "", 0);
        std::string lines = testing::ReadWholeFile(transcript);
        EXPECT_EQ(lines.find("error"), std::string::npos) << lines;
        return lines;
    }
    // A whole record as the device holds it.
    std::vector<uint8_t> Record(int command, uint32_t size) {
        std::vector<uint8_t> record;
        server->device().Read(command, -1, size, &record);
        record.resize(size);
        return record;
    }
    static const uint8_t* Titles(const std::vector<uint8_t>& record30, int ch) {
        return record30.data() + size_t{360} * ch;
    }
    static const uint8_t* Schedule(const std::vector<uint8_t>& record23, int ch) {
        return record23.data() + size_t{1360} * ch;
    }
    static size_t Period(int day, int period) { return 16 + 28 * (6 * day + period); }
    static size_t Types(int day, int period) { return 1192 + 4 * (6 * day + period); }

    testing::TempFolder folder;
    std::unique_ptr<dvrsim::Server> server;
};

// The controls of a dump, one line each, by their keys.
std::string DumpLine(const std::string& dump, const std::string& key) {
    const std::string start = "DvsCfgChannel." + key + "\t";
    const size_t at = dump.find(start);
    if (at == std::string::npos) return "";
    return dump.substr(at, dump.find('\n', at) - at);
}

TEST_F(ChannelEndToEnd, ALoadShowsTheListsTheCapacityLeavesAndLookingStoresNothing) {
    const std::string dump = folder.File("dump.txt");
    RunConsole("page Channel\ndump " + dump +
               "\ncheck SubStream 1\nselect RecWeek 3\nselect CHNO 2\npage Server\n"
               "button Save\n");
    const std::string lines = testing::ReadWholeFile(dump);
    const char* expected[] = {
        "DvsCfgChannel.CHNO\tkind=combo\tenabled=1\tvisible=1\ttext=1\tsel=0\titems=1|2|3|4",
        "DvsCfgChannel.CopyToCH\tkind=combo\tenabled=1\tvisible=1\ttext=\tsel=-1\t"
        "items=1|2|3|4|All channels",
        "DvsCfgChannel.MainStream\tkind=radio\tenabled=1\tvisible=1\ttext=\tchecked=1",
        "DvsCfgChannel.FPS\tkind=combo\tenabled=1\tvisible=1\ttext=25\tsel=24\titems=1|2|3|4|5|"
        "6|7|8|9|10|11|12|13|14|15|16|17|18|19|20|21|22|23|24|25",
        "DvsCfgChannel.Quality\tkind=combo\tenabled=1\tvisible=1\ttext=Good\tsel=3\t"
        "items=Lowest|Low|Medium|Good|Better|Best",
        "DvsCfgChannel.Resolution\tkind=combo\tenabled=1\tvisible=1\ttext=D1\tsel=0\t"
        "items=D1|HD1|2CIF|CIF|QCIF",
        "DvsCfgChannel.StreamCtrl\tkind=combo\tenabled=1\tvisible=1\ttext=Constant\tsel=0\t"
        "items=Constant|Variable",
        "DvsCfgChannel.StreamValue\tkind=combo\tenabled=1\tvisible=1\ttext=1536\tsel=3\t"
        "items=512|768|1024|1536|2048|3072",
        "DvsCfgChannel.Video\tkind=check\tenabled=0\tvisible=1\ttext=\tchecked=1",
        "DvsCfgChannel.TimePosX\tkind=edit\tenabled=1\tvisible=1\ttext=18",
        "DvsCfgChannel.RecTimeStop1\tkind=time\tenabled=1\tvisible=1\ttext=23:59",
        "DvsCfgChannel.PlayWnd\tkind=window\tenabled=1\tvisible=1\ttext=",
    };
    for (const char* line : expected) {
        const std::string text = line;
        EXPECT_EQ(DumpLine(lines, text.substr(14, text.find('\t') - 14)), text);
    }
    EXPECT_EQ(DumpLine(lines, "RecPreTime").find("text=5\tsel=5\titems=No pre-record|1|2|"), 56u);
    EXPECT_EQ(server->device().storesAccepted(), 0u) << "Save after only looking";
}

TEST_F(ChannelEndToEnd, SaveStoresEveryEditedFieldAtItsOffset) {
    RunConsole(
        "page Channel\nset CHName Gate\nselect Resolution 3\nselect FPS 9\nselect Quality 5\n"
        "select Interval 0\nselect StreamCtrl 1\ncheck Audio 0\nset TimePosX 177\n"
        "set TimePosY 100\ncheck TitleChName 0\nselect DateFmt 2\nselect RecPreTime 30\n"
        "set RecTimeStart2 08:30\nset RecTimeStop2 17:45\ncheck RecTypeAlarm2 1\n"
        "check RecTypeMotion2 1\nexpect StreamValue 503\nbutton Save\n");
    const std::vector<uint8_t> encoding = Record(68, 2816);
    const uint8_t* main = encoding.data();
    EXPECT_EQ(ReadI32(main, 4), 3);   // CIF
    EXPECT_EQ(ReadI32(main, 8), 1);   // the bit rate follows the quality
    EXPECT_EQ(ReadI32(main, 12), 6);  // quality
    EXPECT_EQ(ReadI32(main, 16), 10);
    EXPECT_EQ(ReadI32(main, 20), 503);  // 1024 at 10 of 25 frames, interval 2: 29 × 1024 ÷ 59
    EXPECT_EQ(ReadI32(main, 24), 2);
    EXPECT_EQ(ReadU8(main, 40), 1);
    EXPECT_EQ(ReadU8(main, 41), 0);
    EXPECT_EQ(ReadI32(main, 0), 1) << "bytes the page does not edit stay";
    EXPECT_EQ(ReadI32(encoding.data() + 88, 4), 0) << "channel 2 untouched";

    const std::vector<uint8_t> titles = Record(30, 11520);
    EXPECT_EQ(ReadText(Titles(titles, 0), 280, 64), "Gate");
    EXPECT_EQ(ReadI32(Titles(titles, 0), 260), 4119);
    EXPECT_EQ(ReadI32(Titles(titles, 0), 264), 2844);  // 100 × 8192 ÷ 288
    EXPECT_EQ(ReadU8(Titles(titles, 0), 249), 0);
    EXPECT_EQ(ReadI32(Titles(titles, 0), 236), 7395);

    EXPECT_EQ(ReadI32(Record(18, 192).data(), 124), 2);

    const std::vector<uint8_t> schedule = Record(23, 1360 * 32);
    const uint8_t* first = Schedule(schedule, 0);
    EXPECT_EQ(ReadI32(first, 0), 30);
    EXPECT_EQ(ReadI32(first, Period(0, 1) + 4), 8);
    EXPECT_EQ(ReadI32(first, Period(0, 1) + 8), 30);
    EXPECT_EQ(ReadI32(first, Period(0, 1) + 16), 17);
    EXPECT_EQ(ReadI32(first, Period(0, 1) + 20), 45);
    EXPECT_EQ(ReadU32(first, Types(0, 1)), 6u);
    EXPECT_EQ(ReadI32(first, Period(1, 1) + 4), 0) << "Monday untouched";
}

TEST_F(ChannelEndToEnd, CopiesReachEveryOtherChannelAndEveryDay) {
    RunConsole(
        "page Channel\nselect CHNO 2\nselect RecPreTime 9\ncheck RecTypeMotion1 1\n"
        "select CopyToCH 4\nclick BtnCopyCh\nset RecTimeStart3 06:15\nselect CopyToWeek 7\n"
        "click BtnCopyWeek\nbutton Save\n");
    const std::vector<uint8_t> schedule = Record(23, 1360 * 32);
    const std::vector<uint8_t> titles = Record(30, 11520);
    for (int ch = 0; ch < 4; ++ch) {
        SCOPED_TRACE(ch);
        EXPECT_EQ(ReadI32(Schedule(schedule, ch), 0), 9);
        EXPECT_EQ(ReadU32(Schedule(schedule, ch), Types(0, 0)), 5u);
        EXPECT_EQ(ReadText(Titles(titles, ch), 280, 64), "CAM " + std::to_string(ch + 1));
    }
    for (int day = 0; day < 7; ++day) {
        EXPECT_EQ(ReadI32(Schedule(schedule, 2), Period(day, 2) + 4), 6) << day;
        EXPECT_EQ(ReadI32(Schedule(schedule, 2), Period(day, 2) + 8), 15) << day;
        EXPECT_EQ(ReadI32(Schedule(schedule, 1), Period(day, 2) + 4), 0) << day;
    }
}

// The cover is drawn over the live picture while it is on, and stored in 1/8192 of it.
TEST_F(ChannelEndToEnd, TheCoverDraggedOnThePictureIsDrawnAndStored) {
    const std::string shot = folder.File("channel.bmp");
    RunConsole("page Channel\ncheck Cover 1\ndrag PlayWnd 44 36 264 216\nwait 300\nsnapshot " +
               shot + "\nbutton Save\n");
    const std::vector<uint8_t> titles = Record(30, 11520);
    EXPECT_EQ(ReadU8(titles.data(), 24), 1);
    EXPECT_EQ(ReadU8(titles.data(), 25), 1);
    EXPECT_EQ(ReadI32(titles.data(), 8), 1024);
    EXPECT_EQ(ReadI32(titles.data(), 12), 1024);
    EXPECT_EQ(ReadI32(titles.data(), 16), 6144);
    EXPECT_EQ(ReadI32(titles.data(), 20), 6144);

    ui::CDibImage picture;
    ASSERT_TRUE(picture.Load(shot));
    // The cover's corners and centre: wider apart than any magenta bar of the test picture.
    for (platform::Point p :
         {platform::Point{48, 40}, {260, 40}, {150, 120}, {48, 212}, {260, 212}})
        EXPECT_EQ(picture.PixelAt(kPictureLeft + p.x, kPictureTop + p.y), kMagenta)
            << p.x << "," << p.y;
    // The picture for docs/, where the caller asks for one.
    if (const char* out = std::getenv("VELA_SNAPSHOT_DIR")) {
        EXPECT_TRUE(picture.Save(platform::JoinPath(out, "console-channel.bmp")));
    }
}

TEST_F(ChannelEndToEnd, ThePreviewFollowsTheChosenChannelAndStream) {
    RunConsole(
        "page Channel\ncheck SubStream 1\nselect RecWeek 2\nselect CHNO 3\ncheck MainStream 1\n"
        "page Server\npage Channel\n");
    std::vector<std::pair<int, int>> plays;
    for (const dvrsim::Device::PlayStart& play : server->device().PlaysStarted())
        plays.emplace_back(play.channel, play.streamType);
    const std::vector<std::pair<int, int>> expected{{0, 0}, {0, 1}, {3, 1}, {3, 0}, {3, 0}};
    EXPECT_EQ(plays, expected);
}

}  // namespace
}  // namespace vela
