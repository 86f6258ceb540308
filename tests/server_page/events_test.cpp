// The page's own behaviour: PPPoE and DDNS check boxes, the DDNS type switch, clearing, and
// a console without a device connection.
#include <gtest/gtest.h>

#include "tests/server_page/server_page_fixture.h"

namespace vela::pages::server {
namespace {

using EventsTest = ServerPageTest;

TEST_F(EventsTest, PppoeCheckBoxEnablesItsFieldsAndDecidesWhatIsStored) {
    page.UpdateRecords(0, kKeepPreview);
    ws().Click(Item(id::kUsePppoe));
    for (int field : kPppoeFields) EXPECT_TRUE(Enabled(field)) << field;
    ws().TypeText(Item(id::kPppoeUser), "dialer");
    ws().Click(Item(id::kAnonymity));  // takes every value, the store below writes them
    page.UpdateRecords(1, kKeepPreview);
    EXPECT_EQ(ReadU8(pppoe(), 0), 1);
    EXPECT_EQ(ReadText(pppoe(), 76, 64), "dialer");
    EXPECT_EQ(ReadU8(pppoe(), 204), 0);

    // Unchecked: PPPoE goes off, its settings are kept.
    ws().Click(Item(id::kUsePppoe));
    for (int field : kPppoeFields) EXPECT_FALSE(Enabled(field)) << field;
    ws().SetText(Item(id::kPppoeUser), "ignored");
    page.UpdateRecords(1, kKeepPreview);
    EXPECT_EQ(ReadU8(pppoe(), 0), 0);
    EXPECT_EQ(ReadText(pppoe(), 76, 64), "dialer");
}

TEST_F(EventsTest, SwitchingDdnsTypeStoresTheOldEntryAndShowsTheNewOne) {
    page.UpdateRecords(0, kKeepPreview);
    ws().Click(Item(id::kUseDdns));
    for (int field : kDdnsFields) EXPECT_TRUE(Enabled(field)) << field;
    ws().EnterAddress(Item(id::kDdnsAddress), ui::MakeIpAddress(9, 9, 9, 9));
    ws().TypeText(Item(id::kDdnsUser), "edited");
    ws().ChooseEntry(Item(id::kDdnsType), 1);

    EXPECT_EQ(page.SelectedDdnsType(), 1);
    // Entry 1 ("dyndns", type 0) took the fields under its own name.
    EXPECT_EQ(ReadU8(ddns(1), 0), 1);
    EXPECT_EQ(ReadText(ddns(1), 2, 64), "dyndns");
    EXPECT_EQ(ReadText(ddns(1), 204, 64), "edited");
    EXPECT_EQ(ddns(1)[196], 9);
    // Entry 0 ("no-ip", type 1) is shown and untouched.
    EXPECT_EQ(ReadText(ddns(0), 204, 64), "nu");
    EXPECT_EQ(Text(id::kDdnsType), "no-ip");
    EXPECT_EQ(Text(id::kDdnsUser), "nu");
    EXPECT_EQ(Text(id::kDdnsAddress), "1.2.3.4");
    EXPECT_EQ(Text(id::kDdnsPort), "8245");
    EXPECT_EQ(ws().GetCheck(Item(id::kUseDdns)), 1);
}

TEST_F(EventsTest, DdnsTypeWithoutEntryLoadsAndStoresNothing) {
    WriteText(types(), 4, 64, "absent");
    page.UpdateRecords(0, kKeepPreview);
    EXPECT_EQ(Text(id::kDdnsUser), "");
    ws().Click(Item(id::kUseDdns));
    ws().TypeText(Item(id::kDdnsUser), "nobody");
    const std::vector<uint8_t> before(ddns(0), ddns(0) + kDdnsBlockSize);
    page.UpdateRecords(1, kKeepPreview);
    EXPECT_EQ(std::vector<uint8_t>(ddns(0), ddns(0) + kDdnsBlockSize), before);
}

TEST_F(EventsTest, ClearedFieldsShowBlanksAndAreNeverStored) {
    page.UpdateRecords(0, kKeepPreview);
    page.ClearFields();
    for (int field : {id::kHostName, id::kUser, id::kMac, id::kSerial, id::kDdnsUser, id::kAddress,
                      id::kMask, id::kPppoeAddress})
        EXPECT_EQ(Text(field), "") << field;
    for (int field : {id::kTcpPort, id::kHttpPort, id::kPppoePort, id::kDdnsPort})
        EXPECT_EQ(Text(field), "-1") << field;
    EXPECT_EQ(ws().GetCheck(Item(id::kAnonymity)), 0);

    // A save after a restart must not send blanks and -1 ports to the device.
    const std::vector<uint8_t> before(network, network + 2044);
    EXPECT_EQ(page.UpdateRecords(1, kKeepPreview), 0);
    EXPECT_EQ(std::vector<uint8_t>(network, network + 2044), before);
    EXPECT_EQ(page.LoginParamsChanged(), 0);
    EXPECT_EQ(page.UpdateRecords(0, kKeepPreview), 1);
    EXPECT_EQ(Text(id::kHostName), "dvr-host");
}

TEST_F(EventsTest, WithoutDeviceConnectionEveryFieldIsBlanked) {
    page.UpdateRecords(0, kKeepPreview);
    page.SetContext({});
    EXPECT_EQ(page.UpdateRecords(0, kKeepPreview), 0);
    EXPECT_EQ(Text(id::kHostName), "");
    EXPECT_EQ(Text(id::kTcpPort), "-1");
    EXPECT_EQ(page.UpdateRecords(1, kKeepPreview), 0);
}

}  // namespace
}  // namespace vela::pages::server
