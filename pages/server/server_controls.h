// The server page's control ids and its placement order. Section "DvsCfgServer" of the
// ControlPos file places the controls, the same section of the StaticButtonText file gives the
// label captions and the fixed list entries; the keys of both are in the template's rows.
#pragma once

#include <iterator>

#include "resources/dialog_template.h"

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

namespace label {  // the label to the left of each control
constexpr int kHostName = 6016;
constexpr int kAddress = 6017;
constexpr int kTcpPort = 4041;
constexpr int kMask = 4042;
constexpr int kGateway = 4043;
constexpr int kSoftwareVersion = 6033;
constexpr int kBuildDate = 4046;
constexpr int kSerial = 4047;
constexpr int kUsePppoe = 6022;
constexpr int kPppoeAddress = 6025;
constexpr int kPppoePort = 4048;
constexpr int kPppoeUser = 4049;
constexpr int kPppoePassword = 6024;
constexpr int kAnonymity = 4063;
constexpr int kUser = 6027;
constexpr int kPassword = 6028;
constexpr int kHttpPort = 6042;
constexpr int kMac = 4061;
constexpr int kDeviceName = 4060;
constexpr int kVideoFormat = 4059;
constexpr int kDiskFull = 4058;
constexpr int kLanguage = 4056;
constexpr int kUseDdns = 4062;
constexpr int kDdnsType = 4055;
constexpr int kDdnsAddress = 4054;
constexpr int kDdnsPort = 4053;
constexpr int kDdnsUser = 4052;
constexpr int kDdnsPassword = 4051;
}  // namespace label

// The page's template, built from the rows of server_template.cpp: keys and captions are
// stated there only.
constexpr int kServerTemplateId = 6012;
extern const resources::DialogTemplate kServerTemplate;

struct PlacedControl {
    int id;
    int labelId;           // 0: no label
    const char* extraKey;  // a key placed for an id the page has no control for, else null
};

// In placement order; each control's and label's key comes from its template row.
constexpr PlacedControl kControls[] = {
    {id::kHostName, label::kHostName, nullptr},
    {id::kAddress, label::kAddress, nullptr},
    {id::kTcpPort, label::kTcpPort, nullptr},
    {id::kMask, label::kMask, nullptr},
    {id::kGateway, label::kGateway, nullptr},
    {id::kDns, 0, "Dns"},
    {id::kSoftwareVersion, label::kSoftwareVersion, nullptr},
    {id::kHardwareVersion, 0, "HardwareVer"},
    {id::kBuildDate, label::kBuildDate, nullptr},
    {id::kSerial, label::kSerial, nullptr},
    {id::kUsePppoe, label::kUsePppoe, nullptr},
    {id::kPppoeAddress, label::kPppoeAddress, nullptr},
    {id::kPppoePort, label::kPppoePort, nullptr},
    {id::kPppoeUser, label::kPppoeUser, nullptr},
    {id::kPppoePassword, label::kPppoePassword, nullptr},
    {id::kAnonymity, label::kAnonymity, nullptr},
    {id::kUser, label::kUser, nullptr},
    {id::kPassword, label::kPassword, nullptr},
    {id::kHttpPort, label::kHttpPort, nullptr},
    {id::kMac, label::kMac, nullptr},
    {id::kDeviceName, label::kDeviceName, nullptr},
    {id::kVideoFormat, label::kVideoFormat, nullptr},
    {id::kDiskFull, label::kDiskFull, nullptr},
    {id::kDateFormat, 0, "DateFormat"},
    {id::kLanguage, label::kLanguage, nullptr},
    {id::kUseDdns, label::kUseDdns, nullptr},
    {id::kDdnsType, label::kDdnsType, nullptr},
    {id::kDdnsAddress, label::kDdnsAddress, nullptr},
    {id::kDdnsPort, label::kDdnsPort, nullptr},
    {id::kDdnsUser, label::kDdnsUser, nullptr},
    {id::kDdnsPassword, label::kDdnsPassword, nullptr},
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
