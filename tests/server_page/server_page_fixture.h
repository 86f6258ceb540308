// The server page on the window system of this build, over a device connection whose records
// come from a recording NetSDK fake and are then overwritten with known values. Offsets are
// written out as the device's record layout has them (group 1: DeviceInfo, record 18 at 400;
// group 2: record 20 at 0, 42 at 152, 38 at 364, 15 at 2044), independent of the page's own
// constants. The skin files live in a temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "device/dvs_device.h"
#include "pages/server/dvs_cfg_server.h"
#include "pages/server/server_controls.h"
#include "platform/bytes.h"
#include "platform/window_system.h"
#include "tests/common/fake_netsdk.h"
#include "ui/message_box.h"
#include "ui/text_resources.h"

namespace vela::pages::server {

// Message boxes answered at once and remembered.
class RecordingAnswers : public ui::DialogAnswers {
  public:
    RecordingAnswers() { ui::SetDialogAnswers(this); }
    ~RecordingAnswers() override { ui::SetDialogAnswers(nullptr); }
    platform::MessageAnswer AnswerMessage(const std::string& text, const std::string&,
                                          platform::MessageButtons) override {
        messages.push_back(text);
        return platform::MessageAnswer::Ok;
    }
    std::optional<std::string> AnswerOpenFile(const std::string&) override { return {}; }
    std::vector<std::string> messages;
};

constexpr size_t kDdnsBlockSize = 5 * 336;  // record 38: five DDNS entries

inline void PutAddress(uint8_t* record, size_t offset, uint8_t a, uint8_t b, uint8_t c, uint8_t d) {
    record[offset] = a;
    record[offset + 1] = b;
    record[offset + 2] = c;
    record[offset + 3] = d;
}

class ServerPageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        savedPaths = ui::g_ResourcePaths;
        const std::string folder = ::testing::TempDir();
        ui::g_ResourcePaths.languageFolder = folder;
        ui::g_ResourcePaths.controlPosFile = folder + "ServerPageControlPos.ini";
        ui::g_ResourcePaths.staticButtonTextFile = folder + "ServerPageText.ini";
        std::ofstream(ui::g_ResourcePaths.controlPosFile, std::ios::trunc)
            << "[DvsCfgServer]\nDlgPos=0,0,500,300\nSvrIp=200,40,80,20\n"
               "StaticTipServerIP=10,10,60,14\n";
        std::ofstream(ui::g_ResourcePaths.staticButtonTextFile, std::ios::trunc)
            << "[DvsCfgServer]\nSvrIP=Address\nDiskFullStop=Stop\nDiskFullOver=Overwrite\n"
               "LanEng=English\nLanItalian=Italiano\n";

        sdk.SetDeviceCounts(4, 0, 2, 1);
        ASSERT_EQ(device.Connect("dvr", "10.0.0.2", 34567, "admin", "secret", 0, "", 0), 1);
        system = device.GetRecordGroup(1);
        network = device.GetRecordGroup(2);
        FillRecords();
        page.SetContext({&device, device.LoginHandle(), 4, 2});
        ASSERT_TRUE(page.Create());
    }
    void TearDown() override {
        page.DestroyWindow();
        ws().PumpMessages();
        std::remove(ui::g_ResourcePaths.controlPosFile.c_str());
        std::remove(ui::g_ResourcePaths.staticButtonTextFile.c_str());
        ui::g_ResourcePaths = savedPaths;
    }

    // Known values over what the fake delivered (every byte its record's command number);
    // DDNS entries 2 to 4 keep that filling, so their names have no terminator.
    void FillRecords() {
        WriteText(system, 0, 16, "V2.40");
        for (auto [offset, value] :
             {std::pair{192, 2013}, {196, 5}, {200, 31}, {208, 9}, {212, 7}, {216, 5}})
            WriteI32(system, offset, value);
        WriteText(system, 224, 16, "abc");
        WriteI32(general(), 36, 1);
        WriteText(general(), 44, 64, "Shop");
        WriteI32(general(), 116, 1);
        WriteI32(general(), 120, 3);

        WriteText(net(), 0, 64, "dvr-host");
        PutAddress(net(), 64, 192, 168, 1, 10);
        PutAddress(net(), 68, 255, 255, 255, 0);
        PutAddress(net(), 72, 192, 168, 1, 1);
        WriteI32(net(), 76, 80);
        WriteI32(net(), 80, 34567);
        WriteText(net(), 109, 35, "00:11:22:33:44:55");

        WriteU8(pppoe(), 0, 0);
        PutAddress(pppoe(), 68, 10, 1, 1, 1);
        WriteI32(pppoe(), 72, 8000);
        WriteText(pppoe(), 76, 64, "ppp");
        WriteText(pppoe(), 140, 64, "ppw");
        WriteU8(pppoe(), 204, 1);

        WriteI32(types(), 0, 2);
        WriteText(types(), 4, 64, "dyndns");
        WriteText(types(), 4 + 64, 64, "no-ip");
        FillDdns(0, "no-ip", 1, {1, 2, 3, 4}, 8245, "nu");
        FillDdns(1, "dyndns", 0, {5, 6, 7, 8}, 80, "du");
    }
    void FillDdns(int entry, const char* type, uint8_t enabled, std::vector<uint8_t> address,
                  int port, const char* user) {
        uint8_t* e = ddns(entry);
        WriteU8(e, 0, enabled);
        WriteText(e, 2, 64, type);
        PutAddress(e, 196, address[0], address[1], address[2], address[3]);
        WriteI32(e, 200, port);
        WriteText(e, 204, 64, user);
        WriteText(e, 268, 64, std::string(user) + "-pw");
    }

    uint8_t* general() { return system + 400; }
    uint8_t* net() { return network + 0; }
    uint8_t* pppoe() { return network + 152; }
    uint8_t* types() { return network + 2044; }
    uint8_t* ddns(size_t entry) { return network + 364 + entry * 336; }

    static platform::WindowSystem& ws() { return platform::TheWindowSystem(); }
    platform::WindowHandle Item(int id) { return page.GetDlgItem(id); }
    std::string Text(int id) { return ws().GetText(Item(id)); }
    bool Enabled(int id) { return ws().IsEnabled(Item(id)); }

    ui::ResourcePaths savedPaths;
    vela::testing::FakeNetSdk sdk;
    device::CDvsDevice device{sdk};
    uint8_t* system = nullptr;
    uint8_t* network = nullptr;
    CDvsCfgServer page;
};

}  // namespace vela::pages::server
