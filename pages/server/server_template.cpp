// The Server page: network identity, ports, system facts and settings, PPPoE and DDNS.
// Each control has its label to the left; the skin re-places both.
#include <iterator>

#include "resources/template_styles.h"
#include "resources/templates.h"

namespace vela::resources {
namespace {

// Labels carry their own position key and the caption key of the text file.
const ControlTemplate kControls[] = {
    {6016, ControlKind::Static, kLabel, 4, 8, 56, 8, "StaticTipServerName", "SvrName", ""},
    {4006, ControlKind::Edit, kEdit, 64, 6, 80, 12, "SvrName", "", ""},
    {6017, ControlKind::Static, kLabel, 4, 24, 56, 8, "StaticTipServerIP", "SvrIP", ""},
    {4064, ControlKind::IpAddress, kIpAddress, 64, 22, 80, 12, "SvrIp", "", ""},
    {4042, ControlKind::Static, kLabel, 4, 40, 56, 8, "StaticTipSubmask", "Submask", ""},
    {4065, ControlKind::IpAddress, kIpAddress, 64, 38, 80, 12, "Submask", "", ""},
    {4043, ControlKind::Static, kLabel, 4, 56, 56, 8, "StaticTipGateway", "Gateway", ""},
    {4066, ControlKind::IpAddress, kIpAddress, 64, 54, 80, 12, "Gateway", "", ""},
    {4041, ControlKind::Static, kLabel, 4, 72, 56, 8, "StaticTipServerPort", "TcpPort", ""},
    {4008, ControlKind::Edit, kNumberEdit, 64, 70, 80, 12, "TcpPort", "", ""},
    {6042, ControlKind::Static, kLabel, 4, 88, 56, 8, "StaticTipHttpPort", "HttpPort", ""},
    {1029, ControlKind::Edit, kNumberEdit, 64, 86, 80, 12, "HttpPort", "", ""},
    {4061, ControlKind::Static, kLabel, 4, 104, 56, 8, "StaticTipMac", "Mac", ""},
    {4018, ControlKind::Edit, kDisabledEdit, 64, 102, 80, 12, "Mac", "", ""},
    {6027, ControlKind::Static, kLabel, 4, 120, 56, 8, "StaticTipUserName", "UserName", ""},
    {4015, ControlKind::Edit, kDisabledEdit, 64, 118, 80, 12, "UserName", "", ""},
    {6028, ControlKind::Static, kLabel, 4, 136, 56, 8, "StaticTipUserPwd", "UserPwd", ""},
    {4016, ControlKind::Edit, kDisabledPasswordEdit, 64, 134, 80, 12, "UserPwd", "", ""},
    {6033, ControlKind::Static, kLabel, 4, 152, 56, 8, "StaticTipSoftwareVer", "SoftwareVer", ""},
    {1015, ControlKind::Edit, kDisabledEdit, 64, 150, 80, 12, "SoftwareVer", "", ""},
    {4046, ControlKind::Static, kLabel, 150, 8, 56, 8, "StaticTipBuildDate", "BuildDate", ""},
    {4013, ControlKind::Edit, kDisabledEdit, 210, 6, 80, 12, "BuildDate", "", ""},
    {4047, ControlKind::Static, kLabel, 150, 24, 56, 8, "StaticTipSerial", "Serial", ""},
    {4014, ControlKind::Edit, kUpperEdit, 210, 22, 80, 12, "Serial", "", ""},
    {4060, ControlKind::Static, kLabel, 150, 40, 56, 8, "StaticTipDevName", "DevName", ""},
    {4019, ControlKind::Edit, kEdit, 210, 38, 80, 12, "DevName", "", ""},
    {4059, ControlKind::Static, kLabel, 150, 56, 56, 8, "StaticTipVideoFormat", "VideoFormat", ""},
    {4023, ControlKind::ComboBox, kDropList, 210, 54, 80, kComboDropHeight, "VideoFormat", "", ""},
    {4058, ControlKind::Static, kLabel, 150, 72, 56, 8, "StaticTipDiskFull", "DiskFull", ""},
    {4024, ControlKind::ComboBox, kDropList, 210, 70, 80, kComboDropHeight, "DiskFull", "", ""},
    {4056, ControlKind::Static, kLabel, 150, 88, 56, 8, "StaticTipLanguage", "Language", ""},
    {4026, ControlKind::ComboBox, kDropList, 210, 86, 80, kComboDropHeight, "Language", "", ""},
    {6022, ControlKind::Static, kLabel, 150, 104, 56, 8, "StaticTipUsePPPOE", "UsePPPOE", ""},
    {4027, ControlKind::CheckBox, kCheck, 210, 103, 10, 10, "UsePPPOE", "", ""},
    {6025, ControlKind::Static, kLabel, 150, 120, 56, 8, "StaticTipPPPOEIP", "PPPOEIP", ""},
    {4068, ControlKind::IpAddress, kIpAddress, 210, 118, 80, 12, "PPPOEIP", "", ""},
    {4048, ControlKind::Static, kLabel, 150, 136, 56, 8, "StaticTipPPPOEPort", "PPPOEPort", ""},
    {4032, ControlKind::Edit, kNumberEdit, 210, 134, 80, 12, "PPPOEPort", "", ""},
    {4049, ControlKind::Static, kLabel, 150, 152, 56, 8, "StaticTipPPPOEUserName", "PPPOEUserName",
     ""},
    {4033, ControlKind::Edit, kEdit, 210, 150, 80, 12, "PPPOEUserName", "", ""},
    {6024, ControlKind::Static, kLabel, 296, 8, 56, 8, "StaticTipPPPOEUserPwd", "PPPOEUserPwd", ""},
    {4034, ControlKind::Edit, kPasswordEdit, 356, 6, 80, 12, "PPPOEUserPwd", "", ""},
    {4063, ControlKind::Static, kLabel, 296, 24, 56, 8, "StaticTipAnonymity", "Anonymity", ""},
    {4029, ControlKind::CheckBox, kCheck, 356, 23, 10, 10, "Anonymity", "", ""},
    {4062, ControlKind::Static, kLabel, 296, 40, 56, 8, "StaticTipUseDDNS", "UseDDNS", ""},
    {4028, ControlKind::CheckBox, kCheck, 356, 39, 10, 10, "UseDDNS", "", ""},
    {4055, ControlKind::Static, kLabel, 296, 56, 56, 8, "StaticTipDDNSType", "DDNSType", ""},
    {4030, ControlKind::ComboBox, kDropList, 356, 54, 80, kComboDropHeight, "DDNSType", "", ""},
    {4054, ControlKind::Static, kLabel, 296, 72, 56, 8, "StaticTipDDNSIP", "DDNSIP", ""},
    {4069, ControlKind::IpAddress, kIpAddress, 356, 70, 80, 12, "DDNSIP", "", ""},
    {4053, ControlKind::Static, kLabel, 296, 88, 56, 8, "StaticTipDDNSPort", "DDNSPort", ""},
    {4036, ControlKind::Edit, kNumberEdit, 356, 86, 80, 12, "DDNSPort", "", ""},
    {4052, ControlKind::Static, kLabel, 296, 104, 56, 8, "StaticTipDDNSUserName", "DDNSUserName",
     ""},
    {4037, ControlKind::Edit, kEdit, 356, 102, 80, 12, "DDNSUserName", "", ""},
    {4051, ControlKind::Static, kLabel, 296, 120, 56, 8, "StaticTipDDNSUserPwd", "DDNSUserPwd", ""},
    {4038, ControlKind::Edit, kPasswordEdit, 356, 118, 80, 12, "DDNSUserPwd", "", ""},
};

}  // namespace

const DialogTemplate kServerPageTemplate = {
    kServerPageId, kChildPage, 6, 23, 440, 200, "DvsCfgServer", kControls, std::size(kControls),
};

}  // namespace vela::resources
