// An alarm page (Alarm or Sensor) on the window system of this build, over a device
// connection whose records come from a recording NetSDK fake (every byte its record's command
// number) and are then given known values. Offsets are written out as the device's record
// layout has them, independent of the pages' constants: group 7 holds record 24 (1688 bytes a
// channel) at 0, 25 (1560) at 54016, 26 (1556) at 103936, 27 (1560) at 153728 and 13 at
// 203648; the linkage block starts at 136, 8, 4 and 8 of their records.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "device/dvs_device.h"
#include "pages/alarm/page_setup.h"
#include "platform/bytes.h"
#include "platform/window_system.h"
#include "tests/common/fake_netsdk.h"
#include "tests/common/temp_folder.h"
#include "ui/text_resources.h"

namespace vela::pages {

constexpr size_t kMotionAt = 0, kMotionSize = 1688;
constexpr size_t kLevelAt = 54016, kLevelSize = 1560;
constexpr size_t kPlainAt = 103936, kPlainSize = 1556;
constexpr size_t kInputAt = 153728, kInputSize = 1560;
constexpr size_t kGridSizeAt = 203648;
// In the linkage block.
constexpr size_t kRecordMask = 0, kOutputMask = 16, kRecordEnable = 1464, kOutputEnable = 1467;
constexpr size_t kPtzEnable = 1468, kCentre = 1471, kBuzzer = 1472;
constexpr size_t Period(int day, int period) {
    return 288 + 28 * static_cast<size_t>(6 * day + period);
}
constexpr size_t PtzLink(int camera) {
    return 32 + 8 * static_cast<size_t>(camera);
}

constexpr char kTextRes[] =
    "[DVSInfo]\nweek0=Sun\nweek1=Mon\nweek2=Tue\nweek3=Wed\nweek4=Thu\nweek5=Fri\nweek6=Sat\n"
    "week7=All days\nAlarmType0=Motion\nAlarmType1=Blind\nAlarmType2=Loss\n"
    "AlarmSensitive0=1\nAlarmSensitive1=2\nAlarmSensitive2=3\nAlarmSensitive3=4\n"
    "AlarmSensitive4=5\nAlarmSensitive5=6\nAlarmDlgCmbCopyOtherAll=All channels\n"
    "SensorDlgCmbCopyOtherAll=All inputs\n"
    "[SensorInfo]\nType0=NO\nType1=NC\nptzlink0=None\nptzlink1=Preset\nptzlink2=Tour\n";
constexpr char kControlPos[] = "[DvsCfgAlarm]\nPlayWnd=0,0,352,288\n";

template <typename Page>
class AlarmPageTest : public ::testing::Test {
  protected:
    // A device of `channels` cameras, `inputs` alarm inputs and `outputs` alarm outputs.
    void Open(int channels, int inputs, int outputs) {
        savedPaths = ui::g_ResourcePaths;
        ui::g_ResourcePaths.languageFolder = folder.Path() + platform::PathSeparator();
        ui::g_ResourcePaths.textResFile = folder.Write("TextRes.ini", kTextRes);
        ui::g_ResourcePaths.controlPosFile = folder.Write("ControlPos.ini", kControlPos);
        ui::g_ResourcePaths.staticButtonTextFile = folder.File("StaticButtonText.ini");
        sdk.SetDeviceCounts(channels, 0, inputs, outputs);
        ASSERT_EQ(device.Connect("dvr", "10.0.0.2", 34567, "admin", "", 0, "", 0), 1);
        group = device.GetRecordGroup(7);
        WriteI32(group, kGridSizeAt, 10);
        WriteI32(group, kGridSizeAt + 4, 12);
        for (int slot = 0; slot < 32; ++slot) {
            FillRecord(group + kMotionAt + kMotionSize * slot, 136, slot);
            FillRecord(group + kLevelAt + kLevelSize * slot, 8, slot);
            FillRecord(group + kPlainAt + kPlainSize * slot, 4, slot);
            FillRecord(group + kInputAt + kInputSize * slot, 8, slot);
            for (int row = 0; row < 32; ++row)
                WriteU32(Motion(slot), 8 + 4 * row, static_cast<uint32_t>(slot * 100 + row));
        }
        page.SetContext({&device, device.LoginHandle(), device.ChannelCount(), inputs});
        ASSERT_TRUE(page.Create());
        opened = true;
    }
    void TearDown() override {
        if (!opened) return;
        page.DestroyWindow();
        ws().PumpMessages();
        ui::g_ResourcePaths = savedPaths;
    }

    // Enabled, level 3 (PTZ link: type 1, number 10 + camera); buzzer and outputs on; the
    // slot's own channel and channels 17-32 recording; period 0 of each day from day:00 to
    // 23:59, the seconds fields 7 and 9.
    static void FillRecord(uint8_t* record, size_t linkage, int slot) {
        WriteU8(record, 0, 1);
        WriteI32(record, 4, 3);
        uint8_t* link = record + linkage;
        WriteU32(link, kRecordMask, 0xFFFF0000u | (1u << (slot % 16)));
        WriteU32(link, kOutputMask, 0x3Fu);
        WriteU8(link, kRecordEnable, 1);
        WriteU8(link, kOutputEnable, 1);
        WriteU8(link, kPtzEnable, 1);
        WriteU8(link, kCentre, 0);
        WriteU8(link, kBuzzer, 1);
        for (int camera = 0; camera < 32; ++camera) {
            WriteI32(link, PtzLink(camera), 1);
            WriteI32(link, PtzLink(camera) + 4, 10 + camera);
        }
        for (int day = 0; day < 7; ++day) {
            for (int p = 0; p < 6; ++p) {
                uint8_t* period = link + Period(day, p);
                const int32_t fields[7] = {p == 0 ? 1 : 0, day, 0, 7, 23, 59, 9};
                for (int f = 0; f < 7; ++f) WriteI32(period, 4 * f, fields[f]);
            }
        }
    }

    uint8_t* Motion(int ch) { return group + kMotionAt + kMotionSize * ch; }
    uint8_t* Level(int ch) { return group + kLevelAt + kLevelSize * ch; }
    uint8_t* Input(int in) { return group + kInputAt + kInputSize * in; }

    static platform::WindowSystem& ws() { return platform::TheWindowSystem(); }
    platform::WindowHandle Item(const std::string& key) {
        return page.GetDlgItem(alarm::ControlId(*page.Template(), key));
    }
    int Checked(const std::string& key) { return ws().GetCheck(Item(key)); }
    bool Enabled(const std::string& key) { return ws().IsEnabled(Item(key)); }
    int Selected(const std::string& key) { return ws().GetCurSel(Item(key)); }
    void Choose(const std::string& key, int entry) { ws().ChooseEntry(Item(key), entry); }
    void Click(const std::string& key) { ws().Click(Item(key)); }
    std::string Time(const std::string& key) {
        const platform::DateTime t = ws().GetTime(Item(key));
        char text[8];
        std::snprintf(text, sizeof text, "%02d:%02d", t.hour, t.minute);
        return text;
    }

    testing::TempFolder folder;
    ui::ResourcePaths savedPaths;
    testing::FakeNetSdk sdk;
    device::CDvsDevice device{sdk};
    uint8_t* group = nullptr;
    bool opened = false;
    Page page;
};

}  // namespace vela::pages
