#include "tools/dvrsim/default_records.h"

#include <algorithm>
#include <string>

#include "platform/bytes.h"
#include "tools/dvrsim/record_table.h"

namespace vela::dvrsim {

namespace {

using Block = std::vector<uint8_t>;

void WriteIp(uint8_t* block, size_t offset, uint8_t a, uint8_t b, uint8_t c, uint8_t d) {
    block[offset] = a;
    block[offset + 1] = b;
    block[offset + 2] = c;
    block[offset + 3] = d;
}

int Channels(const DeviceShape& shape) {
    return std::clamp(shape.channels, 0, kMaxChannels);
}

// --- Device information ---
constexpr size_t kInfoBuildDate = 192;  // year, month, day; hour, minute, second at 208
constexpr size_t kInfoBuildTime = 208;
constexpr size_t kInfoSerial = 224;
constexpr size_t kInfoSerialWidth = 64;
constexpr size_t kInfoHardware = 64;

// --- Encoding (record 68): 88 bytes a channel, main block then sub block ---
constexpr size_t kEncodingEntry = 88;
constexpr size_t kEncodingSub = 44;
constexpr int kResolutionD1 = 0;
constexpr int kResolutionCif = 3;
constexpr int32_t kPixelsD1 = 405504;
constexpr int32_t kPixelsCif = 101376;
constexpr int32_t kFullRate = 25;
constexpr int32_t kSubRate = 12;

void WriteEncodingBlock(uint8_t* block, int resolution, int quality, int fps, int bitrate,
                        int interval, bool audio) {
    WriteI32(block, 0, 1);
    WriteI32(block, 4, resolution);
    WriteI32(block, 8, 0);  // the stored bit rate (1: the bit rate follows the quality)
    WriteI32(block, 12, quality);
    WriteI32(block, 16, fps);
    WriteI32(block, 20, bitrate);
    WriteI32(block, 24, interval);
    WriteU8(block, 40, 1);
    WriteU8(block, 41, audio ? 1 : 0);
}

// --- Alarm linkage: 1552 bytes at the end of every alarm record ---
constexpr size_t kLinkRecordMask = 0;
constexpr size_t kLinkOutputMask = 16;
constexpr size_t kLinkSchedule = 288;
constexpr size_t kPeriodSize = 28;
constexpr size_t kLinkRecordEnable = 1464;
constexpr size_t kLinkOutputEnable = 1467;
constexpr size_t kLinkBuzzer = 1472;

// Armed all day every day in the first period; recording the alarm's own channels.
void WriteLinkage(uint8_t* link, uint32_t recordMask, bool driveOutput, bool buzzer) {
    WriteU32(link, kLinkRecordMask, recordMask);
    WriteU32(link, kLinkOutputMask, driveOutput ? 1 : 0);
    for (size_t day = 0; day < 7; ++day) {
        uint8_t* period = link + kLinkSchedule + kPeriodSize * (6 * day);
        WriteI32(period, 0, 1);
        WriteI32(period, 16, 23);
        WriteI32(period, 20, 59);
        WriteI32(period, 24, 59);
    }
    WriteU8(link, kLinkRecordEnable, recordMask ? 1 : 0);
    WriteU8(link, kLinkOutputEnable, driveOutput ? 1 : 0);
    WriteU8(link, kLinkBuzzer, buzzer ? 1 : 0);
}

Block System() {
    Block b(192);
    WriteI32(b.data(), 36, 1);  // overwrite when the disk is full
    WriteText(b.data(), kSystemNameOffset, 64, "DVS-Office");
    WriteI32(b.data(), 116, 0);  // PAL
    WriteI32(b.data(), 120, 0);  // English menus
    WriteI32(b.data(), 124, 0);  // YYYY-MM-DD
    return b;
}

Block Network(const DeviceShape& shape) {
    Block b(144);
    WriteText(b.data(), 0, 64, "dvs-office");
    // The address and ports it is really reached at, so that a client that takes the login
    // parameters from this record after a save (and the web page link) finds the device.
    WriteIp(b.data(), 64, 127, 0, 0, 1);
    WriteIp(b.data(), 68, 255, 0, 0, 0);
    WriteIp(b.data(), 72, 127, 0, 0, 1);
    WriteI32(b.data(), kNetworkHttpPortOffset, shape.httpPort);
    WriteI32(b.data(), kNetworkTcpPortOffset, shape.tcpPort);
    WriteText(b.data(), 109, 35, "00:12:31:4a:08:6c");
    return b;
}

// Two settings no client page edits: time synchronisation off, time zone in hours east of UTC.
Block NetworkExtra() {
    Block b(8);
    WriteI32(b.data(), 0, 0);
    WriteI32(b.data(), 4, 8);
    return b;
}

Block Pppoe() {
    Block b(212);
    WriteI32(b.data(), 72, 0);
    return b;
}

const char* const kDdnsTypes[] = {"DynDNS", "No-IP", "3322", "Oray", "VelaDDNS"};
constexpr size_t kDdnsTypeCount = 5;

Block DdnsTypes() {
    Block b(324);
    WriteI32(b.data(), 0, static_cast<int32_t>(kDdnsTypeCount));
    for (size_t i = 0; i < kDdnsTypeCount; ++i) WriteText(b.data(), 4 + 64 * i, 64, kDdnsTypes[i]);
    return b;
}

Block DdnsEntries() {
    constexpr size_t kEntry = 336;
    Block b(1680);
    for (size_t n = 0; n < kDdnsTypeCount; ++n) {
        uint8_t* entry = b.data() + kEntry * n;
        WriteText(entry, 2, 64, kDdnsTypes[n]);
        WriteIp(entry, 196, 203, 0, 113, static_cast<uint8_t>(10 + n));
        WriteI32(entry, 200, n == kDdnsTypeCount - 1 ? 30000 : 80);
    }
    return b;
}

Block StreamKind() {
    Block b(57);
    b[0] = 1;  // previews use the sub stream, and sub streams count against the capacity
    return b;
}

Block Encoding(const DeviceShape& shape) {
    Block b(2816);
    for (int ch = 0; ch < Channels(shape); ++ch) {
        uint8_t* entry = b.data() + kEncodingEntry * ch;
        WriteEncodingBlock(entry, kResolutionD1, 4, kFullRate, 1536, 4, true);
        // 200 kbit/s: the medium-quality CIF rate at 12 frames a second, as a client offers it.
        WriteEncodingBlock(entry + kEncodingSub, kResolutionCif, 3, kSubRate, 200, 4, false);
    }
    return b;
}

// The capacity fits every channel at D1 main stream and a CIF sub stream, both at full rate.
// A channel's main stream may use its whole share: the sub streams count against the capacity
// (record 9), so a main stream at D1 and full rate needs room for its sub stream beside it.
Block Capability(const DeviceShape& shape) {
    Block b(3028);
    int channels = Channels(shape);
    int32_t perChannel = (kPixelsD1 + kPixelsCif) * kFullRate;
    WriteI32(b.data(), 0, perChannel * channels);
    WriteI32(b.data(), 4, 0);
    constexpr uint32_t kMainMask = 0x1F;  // D1, HD1, 2CIF, CIF, QCIF
    constexpr uint32_t kSubMask = 0x18;   // CIF, QCIF
    for (int ch = 0; ch < channels; ++ch) {
        WriteI32(b.data(), 8 + 4 * ch, perChannel);
        WriteU32(b.data(), 136 + 4 * ch, kMainMask);
        WriteU32(b.data(), 264 + 4 * ch, kSubMask);
        WriteU32(b.data(), 596 + 4 * (19 * ch + kResolutionD1), kSubMask);
    }
    WriteU32(b.data(), 408, kMainMask);
    WriteI32(b.data(), 592, 4096 * channels);
    return b;
}

// Positions in 1/8192 of the picture that a client showing a 352 x 288 picture reads and
// writes back unchanged.
Block Titles(const DeviceShape& shape) {
    constexpr size_t kEntry = 360;
    Block b(11520);
    for (int ch = 0; ch < Channels(shape); ++ch) {
        uint8_t* entry = b.data() + kEntry * ch;
        WriteI32(entry, 8, 2048);  // cover area, off
        WriteI32(entry, 12, 2048);
        WriteI32(entry, 16, 4096);
        WriteI32(entry, 20, 4096);
        WriteI32(entry, 232, 418);  // channel name bottom left
        WriteI32(entry, 236, 7395);
        WriteU8(entry, 249, 1);
        WriteI32(entry, 260, 418);  // time top left
        WriteI32(entry, 264, 341);
        WriteU8(entry, 277, 1);
        WriteText(entry, 280, 64, "CAM " + std::to_string(ch + 1));
    }
    return b;
}

// Continuous recording all day (to 23:59), every day, with 5 s of pre-record.
Block RecordSchedule(const DeviceShape& shape) {
    constexpr size_t kEntry = 1360;
    Block b(kEntry * kSlots);
    for (int ch = 0; ch < Channels(shape); ++ch) {
        uint8_t* entry = b.data() + kEntry * ch;
        WriteI32(entry, 0, 5);
        for (size_t day = 0; day < 7; ++day) {
            uint8_t* period = entry + 16 + kPeriodSize * (6 * day);
            WriteI32(period, 0, 1);
            WriteI32(period, 16, 23);
            WriteI32(period, 20, 59);
            WriteI32(entry, 1192 + 4 * (6 * day), 1);  // Normal
        }
    }
    return b;
}

Block Motion(const DeviceShape& shape) {
    constexpr size_t kEntry = 1688;
    constexpr int kRows = 18;
    constexpr uint32_t kAllColumns = (1u << 22) - 1;
    Block b(kEntry * kSlots);
    for (int ch = 0; ch < Channels(shape); ++ch) {
        uint8_t* entry = b.data() + kEntry * ch;
        WriteU8(entry, 0, 1);
        WriteI32(entry, 4, 3);
        for (int row = 0; row < kRows; ++row) WriteU32(entry, 8 + 4 * row, kAllColumns);
        WriteLinkage(entry + 136, 1u << ch, false, true);
    }
    return b;
}

Block LevelAlarm(const DeviceShape& shape) {
    constexpr size_t kEntry = 1560;
    Block b(kEntry * kSlots);
    for (int ch = 0; ch < Channels(shape); ++ch) {
        uint8_t* entry = b.data() + kEntry * ch;
        WriteI32(entry, 4, 3);
        WriteLinkage(entry + 8, 1u << ch, false, true);
    }
    return b;
}

Block PlainAlarm(const DeviceShape& shape) {
    constexpr size_t kEntry = 1556;
    Block b(kEntry * kSlots);
    for (int ch = 0; ch < Channels(shape); ++ch) {
        WriteLinkage(b.data() + kEntry * ch + 4, 1u << ch, false, true);
    }
    return b;
}

Block AlarmInputs(const DeviceShape& shape) {
    constexpr size_t kEntry = 1560;
    Block b(kEntry * kSlots);
    int inputs = std::clamp(shape.alarmInputs, 0, kMaxAlarmInputs);
    uint32_t allChannels = Channels(shape) >= 32 ? 0xFFFFFFFFu : (1u << Channels(shape)) - 1;
    for (int in = 0; in < inputs; ++in) {
        uint8_t* entry = b.data() + kEntry * in;
        WriteU8(entry, 0, 1);
        WriteI32(entry, 4, 0);  // normally open contact
        WriteLinkage(entry + 8, allChannels, shape.alarmOutputs > 0, true);
    }
    return b;
}

Block MotionGrid() {
    Block b(8);
    WriteI32(b.data(), 0, 18);
    WriteI32(b.data(), 4, 22);
    return b;
}

Block PtzDecoders(const DeviceShape& shape) {
    constexpr size_t kEntry = 60;
    Block b(kEntry * kSlots);
    for (int ch = 0; ch < Channels(shape); ++ch) {
        uint8_t* entry = b.data() + kEntry * ch;
        WriteText(entry, 0, 32, "PELCOD");
        WriteI32(entry, 32, ch + 1);
        WriteI32(entry, 36, 8);  // data bits
        WriteI32(entry, 40, 1);  // stop bits
        WriteI32(entry, 56, 9600);
    }
    return b;
}

Block PtzProtocols() {
    static const char* const kNames[] = {"PELCOD", "PELCOP", "SAMSUNG", "LILIN",   "YAAN",
                                         "B01",    "HY",     "DSCP",    "KALATEL", "PANASONIC"};
    Block b(3204);
    int count = static_cast<int>(sizeof(kNames) / sizeof(kNames[0]));
    WriteI32(b.data(), 0, count);
    for (int i = 0; i < count; ++i) WriteText(b.data(), 4 + 32 * i, 32, kNames[i]);
    return b;
}

}  // namespace

std::vector<uint8_t> BuildDeviceInfo(const DeviceShape& shape, const std::string& version) {
    Block b(400);
    WriteText(b.data(), kInfoVersionOffset, kInfoVersionWidth, version);
    WriteText(b.data(), kInfoHardware, 64, "DVS-HB04 rev.B");
    const int32_t date[3] = {2013, 5, 31};
    const int32_t time[3] = {9, 7, 5};
    for (size_t i = 0; i < 3; ++i) {
        WriteI32(b.data(), kInfoBuildDate + 4 * i, date[i]);
        WriteI32(b.data(), kInfoBuildTime + 4 * i, time[i]);
    }
    WriteText(b.data(), kInfoSerial, kInfoSerialWidth, "HB1305310417");
    WriteI32(b.data(), kInfoChannelsOffset, shape.channels);
    WriteI32(b.data(), kInfoAlarmInputsOffset, shape.alarmInputs);
    WriteI32(b.data(), kInfoAlarmOutputsOffset, shape.alarmOutputs);
    WriteI32(b.data(), kInfoExtraChannelsOffset, 0);
    return b;
}

std::vector<uint8_t> BuildDefaultRecord(int command, const DeviceShape& shape) {
    switch (command) {
        case kRecSystem:
            return System();
        case kRecNetwork:
            return Network(shape);
        case kRecNetworkExtra:
            return NetworkExtra();
        case kRecPppoe:
            return Pppoe();
        case kRecDdnsEntries:
            return DdnsEntries();
        case kRecDdnsTypes:
            return DdnsTypes();
        case kRecStreamKind:
            return StreamKind();
        case kRecEncoding:
            return Encoding(shape);
        case kRecCapability:
            return Capability(shape);
        case kRecTitles:
            return Titles(shape);
        case kRecRecordSchedule:
            return RecordSchedule(shape);
        case kRecMotion:
            return Motion(shape);
        case kRecLevelAlarm:
            return LevelAlarm(shape);
        case kRecPlainAlarm:
            return PlainAlarm(shape);
        case kRecAlarmInput:
            return AlarmInputs(shape);
        case kRecMotionGrid:
            return MotionGrid();
        case kRecPtzDecoder:
            return PtzDecoders(shape);
        case kRecPtzProtocols:
            return PtzProtocols();
        default:
            return {};
    }
}

}  // namespace vela::dvrsim
