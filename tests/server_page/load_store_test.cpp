// Records to controls and back: what a load shows, where a store writes, the login
// parameters a store hands on, and records whose counts, values or texts run out of bounds.
#include <gtest/gtest.h>

#include "tests/server_page/server_page_fixture.h"

namespace vela::pages::server {
namespace {

using LoadTest = ServerPageTest;
using StoreTest = ServerPageTest;

TEST_F(LoadTest, ShowsEveryRecordField) {
    ASSERT_EQ(page.UpdateRecords(0, kKeepPreview), 1);
    EXPECT_EQ(Text(id::kHostName), "dvr-host");
    EXPECT_EQ(Text(id::kAddress), "192.168.1.10");
    EXPECT_EQ(Text(id::kMask), "255.255.255.0");
    EXPECT_EQ(Text(id::kGateway), "192.168.1.1");
    EXPECT_EQ(Text(id::kTcpPort), "34567");
    EXPECT_EQ(Text(id::kHttpPort), "80");
    EXPECT_EQ(Text(id::kUser), "admin");
    EXPECT_EQ(Text(id::kPassword), "secret");
    EXPECT_EQ(Text(id::kMac), "00:11:22:33:44:55");
    EXPECT_EQ(Text(id::kDeviceName), "Shop");
    EXPECT_EQ(Text(id::kSoftwareVersion), "V2.40");
    EXPECT_EQ(Text(id::kBuildDate), "2013.5.31  9:7:5");
    EXPECT_EQ(Text(id::kSerial), "DXABC04");  // upper-case edit, four channels
    EXPECT_EQ(Text(id::kVideoFormat), "NTSC");
    EXPECT_EQ(Text(id::kDiskFull), "Overwrite");
    EXPECT_EQ(Text(id::kLanguage), "Italiano");
    EXPECT_EQ(ws().GetCheck(Item(id::kUsePppoe)), 0);
    EXPECT_EQ(Text(id::kPppoeAddress), "10.1.1.1");
    EXPECT_EQ(Text(id::kPppoePort), "8000");
    EXPECT_EQ(Text(id::kPppoeUser), "ppp");
    EXPECT_EQ(ws().GetCheck(Item(id::kAnonymity)), 1);
    // Type 0 is "dyndns", held by entry 1.
    EXPECT_EQ(ws().GetCount(Item(id::kDdnsType)), 2);
    EXPECT_EQ(Text(id::kDdnsType), "dyndns");
    EXPECT_EQ(ws().GetCheck(Item(id::kUseDdns)), 0);
    EXPECT_EQ(Text(id::kDdnsAddress), "5.6.7.8");
    EXPECT_EQ(Text(id::kDdnsUser), "du");
    EXPECT_EQ(Text(id::kDdnsPassword), "du-pw");
    for (int field : {id::kUser, id::kPassword, id::kMac, id::kSoftwareVersion, id::kBuildDate,
                      id::kPppoeUser, id::kAnonymity, id::kDdnsType, id::kDdnsUser})
        EXPECT_FALSE(Enabled(field)) << field;
    EXPECT_TRUE(Enabled(id::kHostName));
}

// The fixed lists' entries are checked through what a load shows and a store writes.
TEST_F(LoadTest, CaptionsAndLabelAlignmentComeFromTheSkin) {
    const platform::WindowHandle label = Item(6017);
    EXPECT_EQ(ws().GetText(label), "Address");
    EXPECT_EQ(ws().GetText(Item(6016)), "");  // absent caption key: no caption
    const platform::Rect screen = ws().GetWindowRect(label);
    const platform::Point topLeft =
        ws().ScreenToClient(page.GetSafeHwnd(), {screen.left, screen.top});
    EXPECT_EQ(topLeft.x, 200 - 60 - 5);  // left of "SvrIp" at 200,40 with the gap
    EXPECT_EQ(topLeft.y, 42);
}

TEST_F(StoreTest, WritesEditsAtTheirOffsetsAndKeepsUnchangedLoginFields) {
    page.UpdateRecords(0, kKeepPreview);
    ws().TypeText(Item(id::kHostName), std::string(70, 'h'));
    ws().EnterAddress(Item(id::kMask), ui::MakeIpAddress(255, 255, 0, 0));
    ws().TypeText(Item(id::kDeviceName), "Lobby");
    ws().ChooseEntry(Item(id::kVideoFormat), 0);
    ws().ChooseEntry(Item(id::kLanguage), 8);
    ASSERT_EQ(page.UpdateRecords(1, kKeepPreview), 1);

    EXPECT_EQ(ReadText(net(), 0, 64), std::string(63, 'h'));
    EXPECT_EQ(net()[68 + 2], 0);
    EXPECT_EQ(ReadText(general(), 44, 64), "Lobby");
    EXPECT_EQ(ReadI32(general(), 116), 0);
    EXPECT_EQ(ReadI32(general(), 120), 8);
    EXPECT_EQ(ReadI32(general(), 36), 1);
    // Only the mask changed: the login parameters did not.
    EXPECT_EQ(page.LoginParamsChanged(), 0);
    // Values the page only shows never reach a record.
    EXPECT_EQ(ReadText(system, 224, 64), "abc");
}

TEST_F(StoreTest, PortOrAddressChangeWritesAllThreeAndSetsTheLoginParameters) {
    page.UpdateRecords(0, kKeepPreview);
    ws().TypeText(Item(id::kHttpPort), "8080");
    page.UpdateRecords(1, kKeepPreview);
    EXPECT_EQ(page.LoginParamsChanged(), 1);
    EXPECT_EQ(ReadI32(net(), 76), 8080);
    EXPECT_EQ(ReadI32(net(), 80), 34567);

    ws().EnterAddress(Item(id::kAddress), ui::MakeIpAddress(255, 255, 255, 255));
    ws().TypeText(Item(id::kTcpPort), "5000");
    page.UpdateRecords(1, kKeepPreview);
    EXPECT_EQ(ReadU32(net(), 64), 0xFFFFFFFFu);
    std::string user, password, address;
    int port = 0;
    page.GetLoginParams(user, password, address, port);
    EXPECT_EQ(user, "admin");
    EXPECT_EQ(password, "secret");
    EXPECT_EQ(address, "255.255.255.255 ");
    EXPECT_EQ(port, 5000);

    // Once set, the flag stays for every later store.
    page.UpdateRecords(0, kKeepPreview);
    page.UpdateRecords(1, kKeepPreview);
    EXPECT_EQ(page.LoginParamsChanged(), 1);
}

TEST_F(StoreTest, TextThatIsNotANumberIsReportedAndTheLoadedPortStays) {
    RecordingAnswers answers;
    page.UpdateRecords(0, kKeepPreview);
    ws().SetText(Item(id::kTcpPort), "12x");
    ws().TypeText(Item(id::kHostName), "renamed");
    EXPECT_EQ(page.UpdateRecords(1, kKeepPreview), 1);
    EXPECT_EQ(answers.messages, std::vector<std::string>{"Please enter an integer."});
    EXPECT_EQ(ReadI32(net(), 80), 34567);
    EXPECT_EQ(page.LoginParamsChanged(), 0);
    EXPECT_EQ(ReadText(net(), 0, 64), "renamed");
}

TEST_F(LoadTest, OutOfRangeCountsValuesAndUnterminatedTextsAreBounded) {
    WriteI32(types(), 0, 99);
    WriteI32(general(), 120, 12);
    std::fill_n(net() + 109, 35, 'M');
    std::fill_n(general() + 44, 64, 'N');
    page.UpdateRecords(0, kKeepPreview);
    EXPECT_EQ(ws().GetCount(Item(id::kDdnsType)), 5);
    EXPECT_EQ(Text(id::kMac), std::string(35, 'M'));
    EXPECT_EQ(Text(id::kDeviceName), std::string(64, 'N'));
    EXPECT_EQ(ws().GetCurSel(Item(id::kLanguage)), -1);

    // An unknown value stays as it was; the over-long name is cut to its field.
    page.UpdateRecords(1, kKeepPreview);
    EXPECT_EQ(ReadI32(general(), 120), 12);
    EXPECT_EQ(ReadText(general(), 44, 64), std::string(63, 'N'));

    WriteI32(types(), 0, -3);
    page.UpdateRecords(0, kKeepPreview);
    EXPECT_EQ(ws().GetCount(Item(id::kDdnsType)), 0);
}

}  // namespace
}  // namespace vela::pages::server
