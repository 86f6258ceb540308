// The Server page's controls, stated once: ids, kinds, styles, template rectangles, the keys
// that place them and the caption keys of the labels. Each control has its label to the left;
// the skin re-places both.
#include <iterator>

#include "pages/server/server_controls.h"
#include "resources/template_styles.h"

namespace vela::pages::server {
namespace {

// The template format and its styles.
using namespace resources;  // NOLINT(google-build-using-namespace)

// Labels carry their own position key and the caption key of the text file.
const ControlTemplate kTemplateRows[] = {
    {label::kHostName, ControlKind::Static, kLabel, 4, 8, 56, 8, "StaticTipServerName", "SvrName",
     ""},
    {id::kHostName, ControlKind::Edit, kEdit, 64, 6, 80, 12, "SvrName", "", ""},
    {label::kAddress, ControlKind::Static, kLabel, 4, 24, 56, 8, "StaticTipServerIP", "SvrIP", ""},
    {id::kAddress, ControlKind::IpAddress, kIpAddress, 64, 22, 80, 12, "SvrIp", "", ""},
    {label::kMask, ControlKind::Static, kLabel, 4, 40, 56, 8, "StaticTipSubmask", "Submask", ""},
    {id::kMask, ControlKind::IpAddress, kIpAddress, 64, 38, 80, 12, "Submask", "", ""},
    {label::kGateway, ControlKind::Static, kLabel, 4, 56, 56, 8, "StaticTipGateway", "Gateway", ""},
    {id::kGateway, ControlKind::IpAddress, kIpAddress, 64, 54, 80, 12, "Gateway", "", ""},
    {label::kTcpPort, ControlKind::Static, kLabel, 4, 72, 56, 8, "StaticTipServerPort", "TcpPort",
     ""},
    {id::kTcpPort, ControlKind::Edit, kNumberEdit, 64, 70, 80, 12, "TcpPort", "", ""},
    {label::kHttpPort, ControlKind::Static, kLabel, 4, 88, 56, 8, "StaticTipHttpPort", "HttpPort",
     ""},
    {id::kHttpPort, ControlKind::Edit, kNumberEdit, 64, 86, 80, 12, "HttpPort", "", ""},
    {label::kMac, ControlKind::Static, kLabel, 4, 104, 56, 8, "StaticTipMac", "Mac", ""},
    {id::kMac, ControlKind::Edit, kDisabledEdit, 64, 102, 80, 12, "Mac", "", ""},
    {label::kUser, ControlKind::Static, kLabel, 4, 120, 56, 8, "StaticTipUserName", "UserName", ""},
    {id::kUser, ControlKind::Edit, kDisabledEdit, 64, 118, 80, 12, "UserName", "", ""},
    {label::kPassword, ControlKind::Static, kLabel, 4, 136, 56, 8, "StaticTipUserPwd", "UserPwd",
     ""},
    {id::kPassword, ControlKind::Edit, kDisabledPasswordEdit, 64, 134, 80, 12, "UserPwd", "", ""},
    {label::kSoftwareVersion, ControlKind::Static, kLabel, 4, 152, 56, 8, "StaticTipSoftwareVer",
     "SoftwareVer", ""},
    {id::kSoftwareVersion, ControlKind::Edit, kDisabledEdit, 64, 150, 80, 12, "SoftwareVer", "",
     ""},
    {label::kBuildDate, ControlKind::Static, kLabel, 150, 8, 56, 8, "StaticTipBuildDate",
     "BuildDate", ""},
    {id::kBuildDate, ControlKind::Edit, kDisabledEdit, 210, 6, 80, 12, "BuildDate", "", ""},
    {label::kSerial, ControlKind::Static, kLabel, 150, 24, 56, 8, "StaticTipSerial", "Serial", ""},
    {id::kSerial, ControlKind::Edit, kUpperEdit, 210, 22, 80, 12, "Serial", "", ""},
    {label::kDeviceName, ControlKind::Static, kLabel, 150, 40, 56, 8, "StaticTipDevName", "DevName",
     ""},
    {id::kDeviceName, ControlKind::Edit, kEdit, 210, 38, 80, 12, "DevName", "", ""},
    {label::kVideoFormat, ControlKind::Static, kLabel, 150, 56, 56, 8, "StaticTipVideoFormat",
     "VideoFormat", ""},
    {id::kVideoFormat, ControlKind::ComboBox, kDropList, 210, 54, 80, kComboDropHeight,
     "VideoFormat", "", ""},
    {label::kDiskFull, ControlKind::Static, kLabel, 150, 72, 56, 8, "StaticTipDiskFull", "DiskFull",
     ""},
    {id::kDiskFull, ControlKind::ComboBox, kDropList, 210, 70, 80, kComboDropHeight, "DiskFull", "",
     ""},
    {label::kLanguage, ControlKind::Static, kLabel, 150, 88, 56, 8, "StaticTipLanguage", "Language",
     ""},
    {id::kLanguage, ControlKind::ComboBox, kDropList, 210, 86, 80, kComboDropHeight, "Language", "",
     ""},
    {label::kUsePppoe, ControlKind::Static, kLabel, 150, 104, 56, 8, "StaticTipUsePPPOE",
     "UsePPPOE", ""},
    {id::kUsePppoe, ControlKind::CheckBox, kCheck, 210, 103, 10, 10, "UsePPPOE", "", ""},
    {label::kPppoeAddress, ControlKind::Static, kLabel, 150, 120, 56, 8, "StaticTipPPPOEIP",
     "PPPOEIP", ""},
    {id::kPppoeAddress, ControlKind::IpAddress, kIpAddress, 210, 118, 80, 12, "PPPOEIP", "", ""},
    {label::kPppoePort, ControlKind::Static, kLabel, 150, 136, 56, 8, "StaticTipPPPOEPort",
     "PPPOEPort", ""},
    {id::kPppoePort, ControlKind::Edit, kNumberEdit, 210, 134, 80, 12, "PPPOEPort", "", ""},
    {label::kPppoeUser, ControlKind::Static, kLabel, 150, 152, 56, 8, "StaticTipPPPOEUserName",
     "PPPOEUserName", ""},
    {id::kPppoeUser, ControlKind::Edit, kEdit, 210, 150, 80, 12, "PPPOEUserName", "", ""},
    {label::kPppoePassword, ControlKind::Static, kLabel, 296, 8, 56, 8, "StaticTipPPPOEUserPwd",
     "PPPOEUserPwd", ""},
    {id::kPppoePassword, ControlKind::Edit, kPasswordEdit, 356, 6, 80, 12, "PPPOEUserPwd", "", ""},
    {label::kAnonymity, ControlKind::Static, kLabel, 296, 24, 56, 8, "StaticTipAnonymity",
     "Anonymity", ""},
    {id::kAnonymity, ControlKind::CheckBox, kCheck, 356, 23, 10, 10, "Anonymity", "", ""},
    {label::kUseDdns, ControlKind::Static, kLabel, 296, 40, 56, 8, "StaticTipUseDDNS", "UseDDNS",
     ""},
    {id::kUseDdns, ControlKind::CheckBox, kCheck, 356, 39, 10, 10, "UseDDNS", "", ""},
    {label::kDdnsType, ControlKind::Static, kLabel, 296, 56, 56, 8, "StaticTipDDNSType", "DDNSType",
     ""},
    {id::kDdnsType, ControlKind::ComboBox, kDropList, 356, 54, 80, kComboDropHeight, "DDNSType", "",
     ""},
    {label::kDdnsAddress, ControlKind::Static, kLabel, 296, 72, 56, 8, "StaticTipDDNSIP", "DDNSIP",
     ""},
    {id::kDdnsAddress, ControlKind::IpAddress, kIpAddress, 356, 70, 80, 12, "DDNSIP", "", ""},
    {label::kDdnsPort, ControlKind::Static, kLabel, 296, 88, 56, 8, "StaticTipDDNSPort", "DDNSPort",
     ""},
    {id::kDdnsPort, ControlKind::Edit, kNumberEdit, 356, 86, 80, 12, "DDNSPort", "", ""},
    {label::kDdnsUser, ControlKind::Static, kLabel, 296, 104, 56, 8, "StaticTipDDNSUserName",
     "DDNSUserName", ""},
    {id::kDdnsUser, ControlKind::Edit, kEdit, 356, 102, 80, 12, "DDNSUserName", "", ""},
    {label::kDdnsPassword, ControlKind::Static, kLabel, 296, 120, 56, 8, "StaticTipDDNSUserPwd",
     "DDNSUserPwd", ""},
    {id::kDdnsPassword, ControlKind::Edit, kPasswordEdit, 356, 118, 80, 12, "DDNSUserPwd", "", ""},
};

}  // namespace

const resources::DialogTemplate kServerTemplate = {
    kServerTemplateId,        kChildPage, 6, 23, 440, 200, "DvsCfgServer", kTemplateRows,
    std::size(kTemplateRows),
};

}  // namespace vela::pages::server
