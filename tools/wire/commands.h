// Commands of the dvrsim wire protocol (frame.h gives the framing) and the error codes both
// ends use. Payload layouts, little-endian; "text[n]" is a zero-padded n-byte field:
//
//   kLogin        request: text[64] user, text[64] password
//                 reply:   status 1 and the 400-byte device information, or an error
//   kLogout       request: empty; reply status 1, then the device closes the connection
//   kGetConfig    request: i32 record command, i32 channel, u32 buffer size
//                 reply:   status 1 and the record bytes, or an error
//   kSetConfig    request: i32 record command, i32 channel, the record bytes
//                 reply:   status 1 stored, kNeedsReboot stored (takes effect after reboot),
//                          or an error (nothing stored)
//   kStartPlay    request: i32 play id (chosen by the client), i32 channel, i32 stream type
//                 reply:   status 1; kStreamPacket frames for that id follow
//   kStopPlay     request: i32 play id; reply status 1; no packet for the id follows the reply
//   kStreamPacket device -> client, sequence 0: i32 play id, i32 packet type, u16 width,
//                 u16 height, then the packet data (test_picture.h gives the stream format)
//   kPtzMotion    request: i32 channel, i32 command, i32 stop flag, i32 speed
//   kPtzPreset    request: i32 channel, i32 command, i32 preset, i32 a, i32 b, i32 c
//   kReboot       request: empty; reply status 1, then the device drops every connection
//   kUpgradeBegin request: u32 image size; reply status 1
//   kUpgradeData  request: the next piece of the image; reply status = bytes received so far
//   kUpgradeEnd   request: empty; reply status 1 installed, or kErrNotFirmware
//   kControl      request: one text line (dvrsim/control.h); reply status 1 or 0 and a text
//   kMessage      device -> client, sequence 0: a text the device reports (e.g. "reboot")
#pragma once

#include <cstdint>

namespace vela::wire {

enum Command : uint16_t {
    kLogin = 1,
    kLogout = 2,
    kGetConfig = 3,
    kSetConfig = 4,
    kStartPlay = 5,
    kStopPlay = 6,
    kStreamPacket = 7,
    kPtzMotion = 8,
    kPtzPreset = 9,
    kReboot = 10,
    kUpgradeBegin = 11,
    kUpgradeData = 12,
    kUpgradeEnd = 13,
    kControl = 14,
    kMessage = 15,
};

constexpr int kUserWidth = 64;
constexpr int kPasswordWidth = 64;
constexpr int kDeviceInfoSize = 400;

// Results and error codes. kNeedsReboot is the one value callers act on; the rest are for
// log lines (the stand-in reports them through its last-error entry).
constexpr int32_t kOk = 1;
constexpr int32_t kNeedsReboot = -11401;
constexpr int32_t kErrBadArgument = -10002;
constexpr int32_t kErrBadHandle = -10003;
constexpr int32_t kErrConnect = -10005;
constexpr int32_t kErrTimeout = -10006;
constexpr int32_t kErrConnectionLost = -10007;
constexpr int32_t kErrBadReply = -10008;
constexpr int32_t kErrUnknownCommand = -10009;
constexpr int32_t kErrBadPassword = -11301;
constexpr int32_t kErrBadUser = -11302;
constexpr int32_t kErrNotLoggedIn = -11303;
constexpr int32_t kErrNoSuchRecord = -11402;
constexpr int32_t kErrBadSize = -11403;
constexpr int32_t kErrBadChannel = -11404;
constexpr int32_t kErrStoreRefused = -11405;
constexpr int32_t kErrNotFirmware = -11601;
constexpr int32_t kErrUpgradeState = -11602;

}  // namespace vela::wire
