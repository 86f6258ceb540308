// The PTZ page on the window system of this build, over a device connection whose records
// come from a recording NetSDK fake (every byte its record's command number), then overwritten
// with known values. Record offsets are written out as the device's layout has them (group 8:
// record 21 at 0, 60 bytes a channel; record 11 at 1920), independent of the page's constants.
// The host folder (with the preset file folder) and the skin files live in a temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "device/dvs_device.h"
#include "pages/ptz/dvs_cfg_yt.h"
#include "platform/bytes.h"
#include "platform/window_system.h"
#include "tests/common/fake_netsdk.h"
#include "tests/common/temp_folder.h"
#include "ui/text_resources.h"

namespace vela::pages::ptz {

constexpr size_t kImageSize = 696496;
constexpr size_t PresetAt(int channel, int slot) {
    return 48 + (static_cast<size_t>(channel) * 128 + static_cast<size_t>(slot)) * 164;
}
constexpr size_t PlanAt(int channel, int slot) {
    return 671792 + static_cast<size_t>(channel) * 768 + static_cast<size_t>(slot) * 24;
}
constexpr size_t SpeedAt(int channel) {
    return 696368 + static_cast<size_t>(channel) * 4;
}

class PtzPageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        savedPaths = ui::g_ResourcePaths;
        ui::ResourcePaths& paths = ui::g_ResourcePaths;
        paths.hostFolder = folder.Path();
        paths.languageFolder = folder.File("skin") + platform::PathSeparator();
        paths.controlPosFile = folder.Write("skin/pos.ini", "[DvsCfgYt]\nDlgPos=0,0,900,300\n");
        paths.staticButtonTextFile = folder.Write("skin/text.ini", "");
        paths.textResFile =
            folder.Write("skin/res.ini", "[DVSInfo]\nweek0=Sun\nweek1=Mon\nweek2=Tue\nweek3=Wed\n");
        image.assign(kImageSize, 0);
    }
    void TearDown() override {
        if (page) page->DestroyWindow();
        ws().PumpMessages();
        page.reset();
        ui::g_ResourcePaths = savedPaths;
    }

    // Logs in to a device of that many channels, puts known decoder records in place, writes
    // the preset image as the page's file when asked, and makes the page.
    void Open(int channels = 4, bool withFile = false, int32_t login = 7) {
        sdk.SetDeviceCounts(channels, 0, 0, 0);
        ASSERT_EQ(device.Connect("dvr", "10.0.0.2", 34567, "admin", "", 0, "", 0), 1);
        group = device.GetRecordGroup(8);
        WriteI32(group, 1920, 3);
        const char* protocols[] = {"PELCOD", "PELCOP", "LILIN"};
        for (size_t i = 0; i < 3; ++i) WriteText(group, 1924 + 32 * i, 32, protocols[i]);
        for (int channel = 0; channel < channels; ++channel) {
            WriteText(Decoder(channel), 0, 32, "PELCOP");
            WriteI32(Decoder(channel), 32, channel + 1);
            WriteI32(Decoder(channel), 56, 9600);
        }
        if (withFile) WritePresetFile();
        page = std::make_unique<CDvsCfgYt>();
        page->SetContext({&device, login, channels, 0});
        ASSERT_TRUE(page->Create());
    }
    void WritePresetFile(const std::string& header = std::string(4, '\x08')) {
        folder.Write("DVSYTFILE/dvr.dat", header + std::string(image.begin(), image.end()));
    }
    // A preset as the file holds it.
    void PutPreset(int channel, int slot, const std::string& name, int32_t mode = 0) {
        uint8_t* preset = image.data() + PresetAt(channel, slot);
        WriteI32(preset, 0, 1);
        WriteText(preset, 4, 48, name);
        WriteI32(preset, 52, slot + 1);
        WriteI32(preset, 64, mode);
    }

    uint8_t* Decoder(int channel) { return group + 60 * static_cast<size_t>(channel); }
    const uint8_t* Image() const { return page->PresetImage().data(); }
    static platform::WindowSystem& ws() { return platform::TheWindowSystem(); }
    platform::WindowHandle Item(int id) { return page->GetDlgItem(id); }
    platform::WindowHandle PresetItem(int id) { return page->PresetDialog().GetDlgItem(id); }
    platform::WindowHandle TourItem(int id) { return page->TourDialog().GetDlgItem(id); }
    std::string Text(platform::WindowHandle window) { return ws().GetText(window); }
    std::vector<std::string> Rows(platform::WindowHandle list, int column) {
        std::vector<std::string> rows;
        for (int row = 0; row < ws().GetItemCount(list); ++row)
            rows.push_back(ws().GetItemText(list, row, column));
        return rows;
    }
    std::vector<std::string> Entries(platform::WindowHandle combo) {
        std::vector<std::string> entries;
        for (int i = 0; i < ws().GetCount(combo); ++i) entries.push_back(ws().GetLBText(combo, i));
        return entries;
    }

    testing::TempFolder folder;
    ui::ResourcePaths savedPaths;
    testing::InstalledFakeNetSdk sdk;
    device::CDvsDevice device{sdk};
    uint8_t* group = nullptr;
    std::vector<uint8_t> image;
    std::unique_ptr<CDvsCfgYt> page;
};

}  // namespace vela::pages::ptz
