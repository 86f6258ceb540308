// The Channel page on the window system of this build, over a device connection whose records
// come from a recording NetSDK fake (every byte its record's command number) and are then
// overwritten with a plausible four-channel D1 device. Offsets are written out as the records
// have them (group 1: DeviceInfo, record 18 at 400; group 3: record 68 at 60, record 10 at
// 2876; group 4: record 30; group 6: record 23), independent of the page's constants. The
// skin files live in a temporary folder; the play window is 352 x 288.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "device/dvs_device.h"
#include "device/records.h"
#include "pages/channel/channel_controls.h"
#include "pages/channel/dvs_cfg_channel.h"
#include "platform/bytes.h"
#include "platform/window_system.h"
#include "tests/common/fake_netsdk.h"
#include "tests/common/temp_folder.h"
#include "ui/text_resources.h"

namespace vela::pages::channel {

constexpr int kChannels = 4;
constexpr int32_t kD1 = 405504;
constexpr int32_t kCif = 101376;

class ChannelPageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        savedPaths = ui::g_ResourcePaths;
        ui::g_ResourcePaths.languageFolder = folder.Path() + platform::PathSeparator();
        ui::g_ResourcePaths.controlPosFile = folder.Write(
            "pos.ini",
            "[DvsCfgChannel]\nDlgPos=0,0,980,320\nPlayWnd=4,4,352,288\nCHNO=500,10,100,200\n"
            "StaticChNO=0,0,40,16\nRecTypeNormal1=800,120,16,16\nStaticRecTypeNormal=0,0,36,16\n");
        ui::g_ResourcePaths.staticButtonTextFile =
            folder.Write("text.ini", "[DvsCfgChannel]\nStaticChNO=Channel\nCopyToChBtn=Copy\n");
        ui::g_ResourcePaths.textResFile = folder.Write(
            "res.ini",
            "[DVSInfo]\nResolution0=D1\nResolution3=CIF\nCmbCopyOtherAll=All\nweek0=Sun\n"
            "ChannelPicq4=Good\n");

        sdk.SetDeviceCounts(kChannels, 0, 2, 1);
        ASSERT_EQ(device.Connect("dvr", "10.0.0.2", 34567, "admin", "", 0, "", 0), 1);
        for (int channel = 0; channel < kChannels; ++channel) FillChannel(channel);
        FillDevice();
    }
    void TearDown() override {
        page.DestroyWindow();
        ws().PumpMessages();
        ui::g_ResourcePaths = savedPaths;
    }
    // Creates the page for the console's channel count and loads channel 0's main stream.
    void Open(int channelCount = kChannels) {
        page.SetContext({&device, device.LoginHandle(), channelCount, 2});
        ASSERT_TRUE(page.Create());
        ASSERT_EQ(page.UpdateRecords(0, kKeepPreview), 1);
    }

    void FillDevice() {
        WriteI32(general(), 116, 0);  // PAL
        WriteI32(general(), 124, 1);  // MM-DD-YYYY
        const int32_t perChannel = (kD1 + kCif) * 25;
        std::memset(capability(), 0, 3028);
        WriteI32(capability(), 0, perChannel * kChannels);
        for (int ch = 0; ch < kChannels; ++ch) {
            WriteI32(capability(), 8 + 4 * ch, perChannel);
            WriteU32(capability(), 136 + 4 * ch, 0x1F);
            WriteU32(capability(), 264 + 4 * ch, 0x18);
        }
        WriteU32(capability(), 408, 0x1F);
        WriteI32(capability(), 592, 4096 * kChannels);
    }
    // Values a 352 x 288 picture shows and stores back unchanged; bytes the page does not
    // edit keep the fake's filling.
    void FillChannel(int ch) {
        for (int stream = 0; stream < 2; ++stream) {
            uint8_t* block = Block(ch, stream);
            const bool main = stream == 0;
            WriteI32(block, 4, main ? 0 : 3);
            WriteI32(block, 8, 0);
            WriteI32(block, 12, main ? 4 : 3);
            WriteI32(block, 16, main ? 25 : 12);
            WriteI32(block, 20, main ? 1536 : 200);
            WriteI32(block, 24, 4);
            WriteU8(block, 40, 1);
            WriteU8(block, 41, main ? 1 : 0);
        }
        uint8_t* t = Titles(ch);
        for (auto [offset, value] : {std::pair{8, 2048},
                                     {12, 2048},
                                     {16, 4096},
                                     {20, 4096},
                                     {232, 418},
                                     {236, 7395},
                                     {260, 418},
                                     {264, 341}})
            WriteI32(t, offset, value);
        WriteU8(t, 24, 0);
        WriteU8(t, 25, 0);
        WriteU8(t, 249, 1);
        WriteU8(t, 277, 1);
        WriteText(t, 280, 64, "CAM " + std::to_string(ch + 1));
        uint8_t* s = Schedule(ch);
        std::memset(s, 0, 1360);
        WriteI32(s, 0, 5);
        for (int day = 0; day < 7; ++day) {
            WriteI32(s, Period(day, 0) + 16, 23);
            WriteI32(s, Period(day, 0) + 20, 59);
            WriteI32(s, 1192 + 4 * (6 * day), 1);
        }
    }

    uint8_t* info() { return device.GetRecordGroup(1); }
    uint8_t* general() { return info() + 400; }
    uint8_t* encoding() { return device.GetRecordGroup(3) + 60; }
    uint8_t* capability() { return device.GetRecordGroup(3) + 2876; }
    uint8_t* Block(int ch, int stream) { return encoding() + 88 * ch + 44 * stream; }
    uint8_t* Titles(int ch) { return device.GetRecordGroup(4) + 360 * ch; }
    uint8_t* Schedule(int ch) { return device.GetRecordGroup(6) + 1360 * ch; }
    static size_t Period(int day, int period) { return 16 + 28 * (6 * day + period); }
    static size_t Types(int day, int period) { return 1192 + 4 * (6 * day + period); }
    // DeviceInfo and every live record.
    std::vector<uint8_t> AllRecords() {
        return {info(), info() + device::kDeviceInfoSize + device::kRecordBlockSize};
    }

    static platform::WindowSystem& ws() { return platform::TheWindowSystem(); }
    platform::WindowHandle Item(int id) { return page.GetDlgItem(id); }
    std::string Text(int id) { return ws().GetText(Item(id)); }
    int Selection(int id) { return ws().GetCurSel(Item(id)); }
    bool Enabled(int id) { return ws().IsEnabled(Item(id)); }

    ui::ResourcePaths savedPaths;
    vela::testing::TempFolder folder;
    vela::testing::FakeNetSdk sdk;
    device::CDvsDevice device{sdk};
    CDvsCfgChannel page;
};

}  // namespace vela::pages::channel
