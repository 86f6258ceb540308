// The server page's controls: ids, and the keys that place and caption each one. Section
// "DvsCfgServer" of the ControlPos file places them, the same section of the StaticButtonText
// file gives the label captions and the fixed list entries.
#pragma once

#include <iterator>

namespace vela::pages::server {

constexpr char kSection[] = "DvsCfgServer";
constexpr char kBackgroundName[] = "setserverbkg";

namespace id {
constexpr int kHostName = 4006;
constexpr int kAddress = 4064;
constexpr int kTcpPort = 4008;
constexpr int kMask = 4065;
constexpr int kGateway = 4066;
constexpr int kDns = 4067;  // placed by key only: the page has no such control
constexpr int kSoftwareVersion = 1015;
constexpr int kHardwareVersion = 1017;  // placed by key only
constexpr int kBuildDate = 4013;
constexpr int kSerial = 4014;
constexpr int kUsePppoe = 4027;
constexpr int kPppoeAddress = 4068;
constexpr int kPppoePort = 4032;
constexpr int kPppoeUser = 4033;
constexpr int kPppoePassword = 4034;
constexpr int kAnonymity = 4029;
constexpr int kUser = 4015;
constexpr int kPassword = 4016;
constexpr int kHttpPort = 1029;
constexpr int kMac = 4018;
constexpr int kDeviceName = 4019;
constexpr int kVideoFormat = 4023;
constexpr int kDiskFull = 4024;
constexpr int kDateFormat = 4025;  // placed by key only
constexpr int kLanguage = 4026;
constexpr int kUseDdns = 4028;
constexpr int kDdnsType = 4030;
constexpr int kDdnsAddress = 4069;
constexpr int kDdnsPort = 4036;
constexpr int kDdnsUser = 4037;
constexpr int kDdnsPassword = 4038;
}  // namespace id

struct ControlEntry {
    const char* key;  // ControlPos key of the control
    int id;
    int labelId;  // 0: a key placed for a control the page does not have, without label
    const char* labelKey;
    const char* captionKey;  // StaticButtonText key of the label's text
};

// In placement order.
constexpr ControlEntry kControls[] = {
    {"SvrName", id::kHostName, 6016, "StaticTipServerName", "SvrName"},
    {"SvrIp", id::kAddress, 6017, "StaticTipServerIP", "SvrIP"},
    {"TcpPort", id::kTcpPort, 4041, "StaticTipServerPort", "TcpPort"},
    {"Submask", id::kMask, 4042, "StaticTipSubmask", "Submask"},
    {"Gateway", id::kGateway, 4043, "StaticTipGateway", "Gateway"},
    {"Dns", id::kDns, 0, "", ""},
    {"SoftwareVer", id::kSoftwareVersion, 6033, "StaticTipSoftwareVer", "SoftwareVer"},
    {"HardwareVer", id::kHardwareVersion, 0, "", ""},
    {"BuildDate", id::kBuildDate, 4046, "StaticTipBuildDate", "BuildDate"},
    {"Serial", id::kSerial, 4047, "StaticTipSerial", "Serial"},
    {"UsePPPOE", id::kUsePppoe, 6022, "StaticTipUsePPPOE", "UsePPPOE"},
    {"PPPOEIP", id::kPppoeAddress, 6025, "StaticTipPPPOEIP", "PPPOEIP"},
    {"PPPOEPort", id::kPppoePort, 4048, "StaticTipPPPOEPort", "PPPOEPort"},
    {"PPPOEUserName", id::kPppoeUser, 4049, "StaticTipPPPOEUserName", "PPPOEUserName"},
    {"PPPOEUserPwd", id::kPppoePassword, 6024, "StaticTipPPPOEUserPwd", "PPPOEUserPwd"},
    {"Anonymity", id::kAnonymity, 4063, "StaticTipAnonymity", "Anonymity"},
    {"UserName", id::kUser, 6027, "StaticTipUserName", "UserName"},
    {"UserPwd", id::kPassword, 6028, "StaticTipUserPwd", "UserPwd"},
    {"HttpPort", id::kHttpPort, 6042, "StaticTipHttpPort", "HttpPort"},
    {"Mac", id::kMac, 4061, "StaticTipMac", "Mac"},
    {"DevName", id::kDeviceName, 4060, "StaticTipDevName", "DevName"},
    {"VideoFormat", id::kVideoFormat, 4059, "StaticTipVideoFormat", "VideoFormat"},
    {"DiskFull", id::kDiskFull, 4058, "StaticTipDiskFull", "DiskFull"},
    {"DateFormat", id::kDateFormat, 0, "", ""},
    {"Language", id::kLanguage, 4056, "StaticTipLanguage", "Language"},
    {"UseDDNS", id::kUseDdns, 4062, "StaticTipUseDDNS", "UseDDNS"},
    {"DDNSType", id::kDdnsType, 4055, "StaticTipDDNSType", "DDNSType"},
    {"DDNSIP", id::kDdnsAddress, 4054, "StaticTipDDNSIP", "DDNSIP"},
    {"DDNSPort", id::kDdnsPort, 4053, "StaticTipDDNSPort", "DDNSPort"},
    {"DDNSUserName", id::kDdnsUser, 4052, "StaticTipDDNSUserName", "DDNSUserName"},
    {"DDNSUserPwd", id::kDdnsPassword, 4051, "StaticTipDDNSUserPwd", "DDNSUserPwd"},
};
constexpr size_t kControlCount = std::size(kControls);

// List entries: the list position is the value stored.
constexpr const char* kVideoStandards[] = {"PAL", "NTSC"};
constexpr const char* kDiskFullKeys[] = {"DiskFullStop", "DiskFullOver"};
constexpr const char* kLanguageKeys[] = {
    "LanEng",      "LanSimpChinese", "LanTradChinese", "LanItalian", "LanSpanish",
    "LanJapanese", "LanRussian",     "LanFrench",      "LanGerman",
};

// Enabled with their check box.
constexpr int kPppoeFields[] = {id::kPppoeAddress, id::kPppoePort, id::kPppoeUser,
                                id::kPppoePassword, id::kAnonymity};
constexpr int kDdnsFields[] = {id::kDdnsType, id::kDdnsAddress, id::kDdnsPort, id::kDdnsUser,
                               id::kDdnsPassword};
// Shown but never edited.
constexpr int kReadOnlyFields[] = {id::kUser, id::kPassword, id::kMac, id::kSoftwareVersion,
                                   id::kBuildDate};

}  // namespace vela::pages::server
