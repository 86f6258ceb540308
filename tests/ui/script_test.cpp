// The scripted console on the test dialog: the generic commands, the dump and the transcript
// (drags on the play window are the alarm console tests').
// The expected texts are the same for both window systems, so passing on both proves their
// dumps identical.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "tests/common/temp_folder.h"
#include "tests/ui/fixture.h"
#include "ui/console_script.h"

namespace vela::uitest {
namespace {

using vela::testing::ReadWholeFile;

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

class ScriptTest : public ::testing::Test {
  protected:
    vela::testing::TempFolder folder;
    const std::string script = folder.File("script.txt"),
                      transcript = folder.File("transcript.txt"), dump = folder.File("dump.txt"),
                      snapshot = folder.File("snapshot.bmp");
};

const char kExpectedDump[] =
    "TestDlg.StaticName\tkind=static\tenabled=1\tvisible=0\ttext=Name\n"
    "TestDlg.EditNumber\tkind=edit\tenabled=1\tvisible=1\ttext=1234\n"
    "TestDlg.EditUpper\tkind=edit\tenabled=1\tvisible=1\ttext=HELLO\n"
    "TestDlg.EditPassword\tkind=edit\tenabled=0\tvisible=1\ttext=secret\n"
    "TestDlg.BtnPush\tkind=button\tenabled=1\tvisible=1\ttext=Push\n"
    "TestDlg.CheckEnable\tkind=check\tenabled=1\tvisible=1\ttext=Check\tchecked=1\n"
    "TestDlg.GroupChoice\tkind=group\tenabled=1\tvisible=1\ttext=Group\n"
    "TestDlg.RadioFirst\tkind=radio\tenabled=1\tvisible=1\ttext=First\tchecked=0\n"
    "TestDlg.RadioSecond\tkind=radio\tenabled=1\tvisible=1\ttext=Second\tchecked=1\n"
    "TestDlg.CmbList\tkind=combo\tenabled=1\tvisible=1\ttext=Two\tsel=1\titems=One|Two|Three\n"
    "TestDlg.CmbEdit\tkind=combo\tenabled=1\tvisible=1\ttext=typed\tsel=-1\titems=Alpha|Beta\n"
    "TestDlg.EditAddress\tkind=ip\tenabled=1\tvisible=1\ttext=10.0.0.7\n"
    "TestDlg.DateTimePickerStart\tkind=time\tenabled=1\tvisible=1\ttext=07:45\n"
    "TestDlg.ListItems\tkind=list\tenabled=1\tvisible=1\ttext=\tsel=1\trows=a;1|b;2\n"
    "TestDlg.BtnSkin\tkind=button\tenabled=1\tvisible=1\ttext=Skin\n"
    "TestDlg.PlayWnd\tkind=window\tenabled=1\tvisible=1\ttext=\n";

TEST_F(ScriptTest, DrivesEveryKindOfControlDumpsAndStopsAtAFailedExpectation) {
    const std::string firmware = folder.File("firmware.bin");
    WriteFile(script,
              "# every kind of control once\n"
              "set EditNumber 12ab34\n"
              "set EditUpper hello\n"
              "set EditPassword secret\n"
              "check CheckEnable 1\n"
              "check CheckEnable 1\n"
              "check RadioSecond 1\n"
              "select CmbList 1\n"
              "set CmbEdit typed\n"
              "set EditAddress 10.0.0.7\n"
              "set TestDlg.DateTimePickerStart 07:45\n"
              "\n"
              "row ListItems 1\n"
              "reply ok\n"
              "click BtnPush\n"
              "click BtnPush\n"
              "file " +
                  firmware +
                  "\n"
                  "click BtnSkin\n"
                  "expect EditNumber 1234\n"
                  "dump " +
                  dump +
                  "\n"
                  "snapshot " +
                  snapshot +
                  "\n"
                  "expect EditUpper nope\n"
                  "click BtnPush\n");
    TestDialog dialog;
    int result = 0;
    {
        ui::ScriptSession session(script, transcript);
        result = dialog.DoModal();
    }
    EXPECT_EQ(result, platform::kIdCancel);
    EXPECT_EQ(ReadWholeFile(dump), kExpectedDump);
    EXPECT_EQ(ReadWholeFile(transcript),
              "message\tTest\tPushed\tokcancel\tok\n"
              "message\tTest\tPushed\tokcancel\tcancel\n"
              "file\tFirmware (*.bin)|*.bin||\t" +
                  firmware +
                  "\n"
                  "error\t22\tEditUpper is \"HELLO\", not \"nope\"\n");
    EXPECT_EQ(dialog.pushCount, 2);  // the line after the failed expectation did not run
    const std::string picture = ReadWholeFile(snapshot);
    ASSERT_GT(picture.size(), 54u);
    EXPECT_EQ(picture.substr(0, 2), "BM");
    // A copy for the documentation, when asked for.
    if (const char* copy = std::getenv("VELA_UI_SNAPSHOT")) WriteFile(copy, picture);
}

TEST_F(ScriptTest, UnknownKeysAndCommandsAreErrorsAndTheDialogClosesAsEscape) {
    WriteFile(script, "click NoSuchKey\n");
    TestDialog dialog;
    {
        ui::ScriptSession session(script, transcript);
        EXPECT_EQ(dialog.DoModal(), platform::kIdCancel);
    }
    EXPECT_EQ(ReadWholeFile(transcript), "error\t1\tno control NoSuchKey\n");
    WriteFile(script, "set EditNumber 5\nfrobnicate\nselect CmbList 9\n");
    {
        ui::ScriptSession session(script, transcript);
        EXPECT_EQ(dialog.DoModal(), platform::kIdCancel);
    }
    EXPECT_EQ(ReadWholeFile(transcript), "error\t2\tunknown command frobnicate\n");
}

TEST_F(ScriptTest, MalformedAddressesAndTimesAreRefused) {
    TestDialog dialog;
    for (const char* line :
         {"set EditAddress 10.0.0.256", "set EditAddress 10.0.0", "set EditAddress 1.2.3.4x",
          "set DateTimePickerStart 24:00", "set DateTimePickerStart 7-30", "select CmbList 3",
          "row ListItems 2", "check CheckEnable 2", "wait -1", "wait soon", "wait 600001"}) {
        WriteFile(script, std::string(line) + "\n");
        {
            ui::ScriptSession session(script, transcript);
            dialog.DoModal();
        }
        EXPECT_EQ(ReadWholeFile(transcript).rfind("error\t1\t", 0), 0u) << line;
    }
}

TEST_F(ScriptTest, WithoutAReplyTheSafeAnswerIsGiven) {
    WriteFile(script, "click BtnPush\nclick BtnSkin\nexpect BtnPush Push\n");
    TestDialog dialog;
    {
        ui::ScriptSession session(script, transcript);
        dialog.DoModal();
    }
    EXPECT_EQ(ReadWholeFile(transcript),
              "message\tTest\tPushed\tokcancel\tcancel\n"
              "file\tFirmware (*.bin)|*.bin||\tcancel\n");
}

// A modal dialog opened by a command takes the next lines; when the script ends, each dialog
// closes as Esc would close it, the inner one first.
TEST_F(ScriptTest, ANestedModalDialogTakesTheLinesMeantForIt) {
    WriteFile(script, "click BtnPush\nset EditNumber 99\nexpect EditNumber 99\n");
    TestDialog outer;
    TestDialog inner;
    int innerResult = 0;
    outer.pushAction = [&] { innerResult = inner.DoModal(outer.GetSafeHwnd()); };
    int outerResult = 0;
    {
        ui::ScriptSession session(script, transcript);
        outerResult = outer.DoModal();
    }
    EXPECT_EQ(innerResult, platform::kIdCancel);
    EXPECT_EQ(outerResult, platform::kIdCancel);
    EXPECT_EQ(ReadWholeFile(transcript), "");
    EXPECT_TRUE(outer.EventsOf(id::kEditNumber).empty());
    EXPECT_EQ(inner.EventsOf(id::kEditNumber).back(), "cmd 9002 768");
}

}  // namespace
}  // namespace vela::uitest
