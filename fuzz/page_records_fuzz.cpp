// libFuzzer target for the five console pages loading their records from arbitrary bytes: a
// device connection whose NetSDK (the recording fake of the tests) answers every record read
// with the input's bytes, one page made on the headless window system as the console makes it,
// loaded, driven through some of its own events, and stored. No byte of DeviceInfo and the live
// records may change unless it lies in a field the page edits; those fields are listed below
// from the records' layout, independently of the pages' own constants. Anything else aborts.
//
// Input: one byte choosing the page (Server, Channel, PTZ, Sensor, Alarm), eight pairs of bytes
// each naming an event of the page's table and its argument, then the record segments,
// separated by "#REC". Segment i fills the i-th record the page reads (DeviceInfo first, so the
// device's counts come from the input too); each record array is tiled with its segment from
// its first byte; a page with more records than segments starts over at the first. Records the
// page does not read keep the fake's filling. For the PTZ page, a segment after its records is
// the body of the device's preset file (tiled over the whole image, after a good header), which
// the page reads when it is made and its panels show and edit.
//
// The skin and the host folder (where the PTZ and Sensor pages make the preset folder) lie in a
// scratch folder of this process; no preset file is written by the page, since Save is not run.
// Threads: one (the UI thread).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "device/dvs_device.h"
#include "pages/alarm/dvs_cfg_alarm.h"
#include "pages/alarm/dvs_cfg_sensor.h"
#include "pages/channel/dvs_cfg_channel.h"
#include "pages/ptz/dvs_cfg_yt.h"
#include "pages/server/dvs_cfg_server.h"
#include "platform/kernel.h"
#include "platform/window_system.h"
#include "tests/common/fake_netsdk.h"
#include "ui/text_resources.h"

namespace {

namespace fs = std::filesystem;
using vela::pages::CConsolePage;

void Require(bool condition) {
    if (!condition) std::abort();
}

vela::platform::WindowSystem& System() {
    return vela::platform::TheWindowSystem();
}

// --- What a page may write: fields of the device's records, by group ---

constexpr uint32_t kDeviceInfo = 0;  // in a page's record list: the login's DeviceInfo
constexpr size_t kDeviceInfoSize = 400;
constexpr size_t kPtzGroupSize = 1920 + 3204;  // records 21 and 11, which end the block

struct Field {
    size_t offset;
    size_t width;
};

// The bytes of DeviceInfo and the live records a page may change, marked by group and offset.
// The marks keep their storage from one input to the next.
class Writable {
  public:
    Writable(vela::device::CDvsDevice& device, std::vector<uint8_t>& marks)
        : m_device(device), m_pBase(device.GetRecordGroup(1)), m_marks(marks) {
        m_marks.assign(static_cast<size_t>(device.GetRecordGroup(8) + kPtzGroupSize - m_pBase), 0);
    }

    // The fields of the record (or record part) at `at` in the group.
    void Fields(int group, size_t at, std::initializer_list<Field> fields) {
        const size_t start = GroupStart(group) + at;
        for (const Field& field : fields) {
            Require(start + field.offset + field.width <= m_marks.size());
            std::fill_n(m_marks.begin() + static_cast<std::ptrdiff_t>(start + field.offset),
                        field.width, 1);
        }
    }
    bool Allows(size_t offset) const { return m_marks[offset] != 0; }
    size_t GroupStart(int group) const {
        return static_cast<size_t>(m_device.GetRecordGroup(group) - m_pBase);
    }
    size_t Size() const { return m_marks.size(); }
    const uint8_t* Base() const { return m_pBase; }

  private:
    vela::device::CDvsDevice& m_device;
    const uint8_t* m_pBase;
    std::vector<uint8_t>& m_marks;
};

struct Counts {
    int channels;
    int inputs;
};

// Record 18 (group 1 at 400): disk full, device name, video standard, language. Record 20
// (group 2 at 0): host name, address, mask, gateway, HTTP and TCP port. Record 42 (at 152):
// PPPoE on, address, port, user, password, anonymous. Record 38 (at 364): five DDNS entries of
// 336 bytes: on, type name, server, port, user, password.
void ServerFields(Writable& writable, Counts) {
    writable.Fields(1, 400, {{36, 4}, {44, 64}, {116, 4}, {120, 4}});
    writable.Fields(2, 0, {{0, 64}, {64, 4}, {68, 4}, {72, 4}, {76, 4}, {80, 4}});
    writable.Fields(2, 152, {{0, 1}, {68, 4}, {72, 4}, {76, 64}, {140, 64}, {204, 1}});
    for (size_t entry = 0; entry < 5; ++entry)
        writable.Fields(2, 364 + 336 * entry,
                        {{0, 1}, {2, 64}, {196, 4}, {200, 4}, {204, 64}, {268, 64}});
}

// Record 18: date format. Per channel: record 68 (group 3 at 60, 88 bytes) main and sub block:
// resolution, bit-rate control, quality, frame rate, bit rate, interval, video and audio on;
// record 30 (group 4, 360 bytes): cover area and its two flags, both titles' positions and
// flags, the name; record 23 (group 6, 1360 bytes): pre-record, each period's start and stop
// hour and minute, the 42 type masks.
void ChannelFields(Writable& writable, Counts counts) {
    writable.Fields(1, 400, {{124, 4}});
    for (size_t channel = 0; channel < static_cast<size_t>(counts.channels); ++channel) {
        for (size_t block : {0, 44})
            writable.Fields(3, 60 + 88 * channel + block, {{4, 24}, {40, 2}});
        writable.Fields(4, 360 * channel,
                        {{8, 16}, {24, 2}, {232, 8}, {249, 1}, {260, 8}, {277, 1}, {280, 64}});
        writable.Fields(6, 1360 * channel, {{0, 4}, {1192, 168}});
        for (size_t period = 0; period < 42; ++period)
            writable.Fields(6, 1360 * channel + 16 + 28 * period, {{4, 8}, {16, 8}});
    }
}

// Record 21 (group 8, 60 bytes a channel): protocol name, decoder address, baud rate.
void PtzFields(Writable& writable, Counts counts) {
    for (size_t channel = 0; channel < static_cast<size_t>(counts.channels); ++channel)
        writable.Fields(8, 60 * channel, {{0, 32}, {32, 4}, {56, 4}});
}

// The linkage block (group 7 at `at`): record and output masks, each period's enable and
// start and end hour and minute (never its seconds), record enable, output enable, alarm centre,
// buzzer; the Sensor page also the PTZ link enable and the links of the cameras the device has.
void LinkageFields(Writable& writable, size_t at, int cameras) {
    writable.Fields(7, at, {{0, 4}, {16, 4}, {1464, 1}, {1467, 1}, {1471, 1}, {1472, 1}});
    for (size_t period = 0; period < 42; ++period)
        writable.Fields(7, at + 288 + 28 * period, {{0, 12}, {16, 8}});
    if (cameras < 0) return;
    writable.Fields(7, at, {{1468, 1}});
    for (size_t camera = 0; camera < static_cast<size_t>(cameras); ++camera)
        writable.Fields(7, at + 32 + 8 * camera, {{0, 8}});
}

// Record 27 (group 7 at 153728, 1560 bytes an alarm input): enable, device type, linkage at 8.
void SensorFields(Writable& writable, Counts counts) {
    for (size_t input = 0; input < static_cast<size_t>(counts.inputs); ++input) {
        writable.Fields(7, 153728 + 1560 * input, {{0, 1}, {4, 4}});
        LinkageFields(writable, 153728 + 1560 * input + 8, counts.channels);
    }
}

// Per channel in group 7: record 24 (at 0, 1688 bytes): enable, level, the 32 area words,
// linkage at 136; record 25 (at 54016, 1560): enable, level, linkage at 8; record 26 (at
// 103936, 1556): enable, linkage at 4.
void AlarmFields(Writable& writable, Counts counts) {
    constexpr int kNoPtzLinks = -1;
    for (size_t channel = 0; channel < static_cast<size_t>(counts.channels); ++channel) {
        writable.Fields(7, 1688 * channel, {{0, 1}, {4, 4}, {8, 128}});
        LinkageFields(writable, 1688 * channel + 136, kNoPtzLinks);
        writable.Fields(7, 54016 + 1560 * channel, {{0, 1}, {4, 4}});
        LinkageFields(writable, 54016 + 1560 * channel + 8, kNoPtzLinks);
        writable.Fields(7, 103936 + 1556 * channel, {{0, 1}});
        LinkageFields(writable, 103936 + 1556 * channel + 4, kNoPtzLinks);
    }
}

// --- The pages, their records and their events ---

enum class Action {
    kChoose,      // a list entry: the argument modulo the entries
    kClick,       // a button or check box
    kTime,        // a picker's hour and minute
    kType,        // typed text: a number, or a run of one letter
    kAddress,     // an IP address control
    kRow,         // a row of a list view: the argument modulo the rows
    kSwitchAway,  // the console leaves the page and comes back
};

struct Event {
    Action action;
    int id;
};

struct PageKind {
    std::unique_ptr<CConsolePage> (*make)();
    std::vector<uint32_t> records;  // the segments' order
    void (*writable)(Writable&, Counts);
    std::vector<Event> events;
    bool readsPresetFile = false;
};

template <typename Page>
std::unique_ptr<CConsolePage> Make() {
    return std::make_unique<Page>();
}

using A = Action;

// Control ids of the pages' dialog templates.
const PageKind kPages[] = {
    {Make<vela::pages::CDvsCfgServer>,
     {kDeviceInfo, 18, 20, 43, 42, 38, 15},
     ServerFields,
     {{A::kChoose, 4030},
      {A::kClick, 4027},
      {A::kClick, 4028},
      {A::kClick, 4029},
      {A::kChoose, 4023},
      {A::kChoose, 4024},
      {A::kChoose, 4026},
      {A::kAddress, 4064},
      {A::kType, 1029},
      {A::kType, 4006},
      {A::kType, 4037},
      {A::kSwitchAway, 0}}},
    {Make<vela::pages::CDvsCfgChannel>,
     {kDeviceInfo, 18, 9, 68, 10, 30, 23},
     ChannelFields,
     {{A::kChoose, 4123}, {A::kClick, 4077},  {A::kClick, 4078},  {A::kClick, 6146},
      {A::kClick, 6147},  {A::kClick, 4149},  {A::kClick, 4150},  {A::kClick, 4163},
      {A::kChoose, 8080}, {A::kChoose, 1083}, {A::kChoose, 4142}, {A::kChoose, 4075},
      {A::kChoose, 4138}, {A::kChoose, 4076}, {A::kChoose, 4274}, {A::kChoose, 4133},
      {A::kClick, 1065},  {A::kChoose, 1064}, {A::kClick, 8069},  {A::kChoose, 8086},
      {A::kChoose, 4025}, {A::kTime, 8053},   {A::kClick, 1093},  {A::kType, 4131},
      {A::kType, 4099},   {A::kSwitchAway, 0}}},
    {Make<vela::pages::CDvsCfgYt>,
     {kDeviceInfo, 21, 11},
     PtzFields,
     {{A::kChoose, 4123}, {A::kChoose, 4174}, {A::kType, 4174},   {A::kChoose, 4073},
      {A::kType, 4073},   {A::kType, 4177},   {A::kChoose, 4074}, {A::kClick, 4119},
      {A::kClick, 8093},  {A::kClick, 8092},  {A::kClick, 8094},  {A::kChoose, 4182},
      {A::kChoose, 1029}, {A::kChoose, 1030}, {A::kRow, 1070},    {A::kClick, 1089},
      {A::kClick, 1071},  {A::kChoose, 1032}, {A::kClick, 1090},  {A::kSwitchAway, 0}},
     true},
    {Make<vela::pages::CDvsCfgSensor>,
     {kDeviceInfo, 27},
     SensorFields,
     {{A::kChoose, 4185}, {A::kClick, 8043},  {A::kChoose, 4255}, {A::kClick, 4261},
      {A::kChoose, 4187}, {A::kClick, 4265},  {A::kChoose, 4266}, {A::kChoose, 4268},
      {A::kType, 4267},   {A::kClick, 4079},  {A::kClick, 4122},  {A::kClick, 4124},
      {A::kClick, 4081},  {A::kChoose, 8094}, {A::kChoose, 8095}, {A::kClick, 8076},
      {A::kClick, 6142},  {A::kTime, 8053},   {A::kTime, 8054},   {A::kSwitchAway, 0}}},
    {Make<vela::pages::CDvsCfgAlarm>,
     {kDeviceInfo, 24, 25, 26, 13},
     AlarmFields,
     {{A::kChoose, 4070},
      {A::kChoose, 8066},
      {A::kChoose, 4071},
      {A::kClick, 8043},
      {A::kChoose, 4120},
      {A::kClick, 4072},
      {A::kClick, 4262},
      {A::kClick, 8010},
      {A::kClick, 4079},
      {A::kClick, 4122},
      {A::kClick, 4124},
      {A::kClick, 8024},
      {A::kChoose, 8094},
      {A::kChoose, 8095},
      {A::kClick, 8069},
      {A::kClick, 6143},
      {A::kTime, 8053},
      {A::kTime, 8054},
      {A::kSwitchAway, 0}}},
};
constexpr size_t kPageCount = std::size(kPages);
constexpr size_t kEventPairs = 8;
constexpr size_t kHeaderSize = 1 + 2 * kEventPairs;
constexpr std::string_view kSeparator = "#REC";

// --- Scratch folder, skin and input ---

// A folder of this process's own, removed when the process ends normally.
class Scratch {
  public:
    Scratch()
        : m_path(fs::temp_directory_path() /
                 ("vela-page-records-fuzz-" + std::to_string(std::random_device{}()))) {
        fs::create_directories(m_path);
    }
    ~Scratch() {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
    const fs::path& Path() const { return m_path; }

  private:
    fs::path m_path;
};

const fs::path& ScratchFolder() {
    static const Scratch folder;
    return folder.Path();
}

std::string WriteScratch(const std::string& name, const std::string& text) {
    const fs::path path = ScratchFolder() / name;
    std::ofstream(path, std::ios::trunc) << text;
    return path.string();
}

// A skin that places the play windows, whose size the Channel page scales positions to (a
// quarter of the picture the device positions are meant for, so each input allocates little).
void UseScratchSkin() {
    vela::ui::ResourcePaths& paths = vela::ui::g_ResourcePaths;
    paths.hostFolder = ScratchFolder().string();
    paths.languageFolder = ScratchFolder().string() + vela::platform::PathSeparator();
    paths.controlPosFile =
        WriteScratch("ControlPos.ini",
                     "[DvsCfgChannel]\nPlayWnd=4,4,176,144\n[DvsCfgYt]\nPlayWnd=4,4,176,144\n"
                     "[DvsCfgAlarm]\nPlayWnd=4,4,176,144\n");
    paths.staticButtonTextFile = WriteScratch("StaticButtonText.ini", "");
    paths.textResFile = WriteScratch(
        "TextRes.ini",
        "[DVSInfo]\nweek0=Sun\nweek7=All\nCmbCopyOtherAll=All\nYTDlgCmbCopyOtherAll=All\n"
        "AlarmDlgCmbCopyOtherAll=All\nSensorDlgCmbCopyOtherAll=All\n");
}

std::vector<std::string_view> Segments(std::string_view records) {
    std::vector<std::string_view> segments;
    while (true) {
        const size_t end = records.find(kSeparator);
        segments.push_back(records.substr(0, end));
        if (end == std::string_view::npos) return segments;
        records.remove_prefix(end + kSeparator.size());
    }
}

// The segment repeated over `size` bytes, as if the array it fills began `phase` bytes earlier.
// One period is copied, then the filled part doubled (it stays a whole number of periods).
void Tile(std::string_view segment, uint8_t* out, size_t size, size_t phase) {
    if (segment.empty()) {
        std::memset(out, 0, size);
        return;
    }
    const size_t period = segment.size();
    const size_t start = phase % period;
    const size_t head = std::min(size, period - start);
    std::memcpy(out, segment.data() + start, head);
    std::memcpy(out + head, segment.data(), std::min(size, period) - head);
    for (size_t filled = std::min(size, period); filled < size;) {
        const size_t more = std::min(filled, size - filled);
        std::memcpy(out + filled, out, more);
        filled += more;
    }
}

// The argument as text: a number for arguments below 128, else a run of one letter.
std::string TypedText(uint8_t argument) {
    constexpr uint8_t kNumbers = 128;
    if (argument < kNumbers) return std::to_string(argument * 613 - 9000);
    return std::string(argument - kNumbers, static_cast<char>('A' + argument % 26));
}

void RunEvent(CConsolePage& page, const Event& event, uint8_t argument) {
    vela::platform::WindowSystem& ws = System();
    const vela::platform::WindowHandle control = page.GetDlgItem(event.id);
    switch (event.action) {
        case Action::kChoose:
            if (const int count = ws.GetCount(control); count > 0)
                ws.ChooseEntry(control, argument % count);
            break;
        case Action::kClick:
            ws.Click(control);
            break;
        case Action::kTime:
            ws.EnterTime(control, argument % 24, argument * 7 % 60);
            break;
        case Action::kType:
            ws.TypeText(control, TypedText(argument));
            break;
        case Action::kAddress:
            ws.EnterAddress(control, 0xC0A80000u | argument);
            break;
        case Action::kRow:
            if (const int rows = ws.GetItemCount(control); rows > 0)
                ws.ClickRow(control, argument % rows);
            break;
        case Action::kSwitchAway:
            page.UpdateRecords(1, vela::pages::kStopPreview);
            page.UpdateRecords(0, vela::pages::kKeepPreview);
            break;
    }
}

// The preset file the PTZ page reads for the device "dvr": none without a segment, else a good
// header and the segment tiled over the whole image, its period starting where the presets do.
void WritePresetFile(const std::string_view* segment) {
    constexpr size_t kHeader = 4;
    constexpr size_t kImage = 696496;
    constexpr size_t kFirstPreset = 48;
    const fs::path folder = ScratchFolder() / "DVSYTFILE";
    const fs::path path = folder / "dvr.dat";
    if (!segment) {
        fs::remove(path);
        return;
    }
    fs::create_directories(folder);
    static std::vector<uint8_t> file(kHeader + kImage);
    std::memset(file.data(), 8, kHeader);
    const size_t period = segment->empty() ? 1 : segment->size();
    Tile(*segment, file.data() + kHeader, kImage, (period - kFirstPreset % period) % period);
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(file.data()),
               static_cast<std::streamsize>(file.size()));
}

void ReportChange(const std::vector<uint8_t>& before, const Writable& writable, size_t offset) {
    int group = 1;
    for (int later : {2, 3, 4, 6, 7, 8})
        if (writable.GroupStart(later) <= offset) group = later;
    std::fprintf(stderr, "group %d byte %zu changed: %u -> %u\n", group,
                 offset - writable.GroupStart(group), before[offset], writable.Base()[offset]);
}

// Every changed byte must lie in a field the page edits. Compared a chunk at a time: a page
// changes few of them.
void CheckChanges(const std::vector<uint8_t>& before, const Writable& writable) {
    constexpr size_t kChunk = 256;
    const uint8_t* after = writable.Base();
    for (size_t chunk = 0; chunk < before.size(); chunk += kChunk) {
        const size_t end = std::min(before.size(), chunk + kChunk);
        if (std::memcmp(before.data() + chunk, after + chunk, end - chunk) == 0) continue;
        for (size_t i = chunk; i < end; ++i) {
            if (before[i] == after[i] || writable.Allows(i)) continue;
            ReportChange(before, writable, i);
            std::abort();
        }
    }
}

// The device connection and its NetSDK fake, made once: each input logs in again, which
// clears the records and reads them anew. The buffers keep their storage too, so that an input
// costs no fresh pages.
struct Rig {
    vela::testing::InstalledFakeNetSdk sdk;
    vela::device::CDvsDevice device{sdk, ScratchFolder().string()};
    std::vector<uint8_t> marks, before;
};

Rig& TheRig() {
    static Rig rig;
    return rig;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < kHeaderSize) return 0;
    static const bool skin = (UseScratchSkin(), true);
    (void)skin;
    const PageKind& kind = kPages[data[0] % kPageCount];
    const std::vector<std::string_view> segments =
        Segments({reinterpret_cast<const char*>(data + kHeaderSize), size - kHeaderSize});
    auto segmentOf = [&](uint32_t command) -> const std::string_view* {
        const auto found = std::find(kind.records.begin(), kind.records.end(), command);
        if (found == kind.records.end()) return nullptr;
        return &segments[static_cast<size_t>(found - kind.records.begin()) % segments.size()];
    };

    Rig& rig = TheRig();
    rig.sdk.calls.clear();
    Tile(*segmentOf(kDeviceInfo), rig.sdk.deviceInfo, kDeviceInfoSize, 0);
    rig.sdk.onRead = [&](uint32_t command, int32_t channel, uint8_t* buffer, uint32_t bytes,
                         uint32_t* returned) {
        const std::string_view* segment = segmentOf(command);
        if (segment)
            Tile(*segment, buffer, bytes, channel > 0 ? size_t{bytes} * channel : 0);
        else
            std::memset(buffer, static_cast<int>(command), bytes);
        *returned = bytes;
        return 1;
    };
    vela::device::CDvsDevice& device = rig.device;
    Require(device.Connect("dvr", "10.0.0.2", 34567, "admin", "", 0, "", 0) == 1);
    rig.sdk.onRead = nullptr;

    Writable writable(device, rig.marks);
    kind.writable(writable, {device.ChannelCount(), device.AlarmInputCount()});
    rig.before.assign(writable.Base(), writable.Base() + writable.Size());

    if (kind.readsPresetFile) {
        const size_t file = kind.records.size();
        WritePresetFile(file < segments.size() ? &segments[file] : nullptr);
    }
    std::unique_ptr<CConsolePage> page = kind.make();
    page->SetContext(
        {&device, device.LoginHandle(), device.ChannelCount(), device.AlarmInputCount()});
    Require(page->Create());
    page->UpdateRecords(0, vela::pages::kKeepPreview);
    for (size_t pair = 0; pair < kEventPairs; ++pair) {
        const uint8_t* bytes = data + 1 + 2 * pair;
        RunEvent(*page, kind.events[bytes[0] % kind.events.size()], bytes[1]);
    }
    page->UpdateRecords(1, vela::pages::kStopPreview);
    CheckChanges(rig.before, writable);

    page->DestroyWindow();
    System().PumpMessages();
    return 0;
}
