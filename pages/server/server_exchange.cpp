// The server page's exchange with the records: load, store, clearing and the login
// parameters a store may change. UI thread.
#include <algorithm>
#include <cstdio>

#include "device/dvs_device.h"
#include "device/record_fields.h"
#include "pages/server/dvs_cfg_server.h"
#include "pages/server/server_controls.h"
#include "platform/bytes.h"

namespace vela::pages {

using namespace server;          // NOLINT(google-build-using-namespace): the page's own constants
using namespace device::fields;  // NOLINT(google-build-using-namespace): the records it edits

namespace {

// Record addresses keep the first octet at the lowest offset; controls pack it highest.
uint32_t ReadAddress(const uint8_t* record, size_t offset) {
    return ui::MakeIpAddress(record[offset], record[offset + 1], record[offset + 2],
                             record[offset + 3]);
}

void WriteAddress(uint8_t* record, size_t offset, uint32_t address) {
    for (int octet = 0; octet < 4; ++octet)
        record[offset + octet] = static_cast<uint8_t>(address >> (8 * (3 - octet)));
}

uint32_t AddressOf(const ui::IpAddress& control) {
    uint32_t address = 0;
    control.GetAddress(address);
    return address;
}

int CheckState(uint8_t flag) {
    return flag != 0 ? 1 : 0;
}

template <typename... Values>
std::string Format(const char* format, Values... values) {
    char text[128];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

// Record 15's count, bounded to the names the record has room for.
int DdnsTypeCount(const uint8_t* types) {
    return std::clamp(ReadI32(types, kDdnsTypeCountOffset), 0, kDdnsTypeCapacity);
}

}  // namespace

bool CDvsCfgServer::Groups(uint8_t*& system, uint8_t*& network) {
    device::CDvsDevice* device = Context().device;
    system = device ? device->GetRecordGroup(kSystemGroup) : nullptr;
    network = device ? device->GetRecordGroup(kNetworkGroup) : nullptr;
    return system && network;
}

int CDvsCfgServer::UpdateRecords(int bSave, int /*keepPreview*/) {
    if (!IsWindow()) return 0;
    uint8_t* system = nullptr;
    uint8_t* network = nullptr;
    if (!Groups(system, network)) {
        ClearFields();
        return 0;
    }
    if (bSave == 0) {
        Load(system, network);
        return 1;
    }
    if (!m_bLoaded) return 0;  // cleared fields hold nothing of the device's
    Store(system, network);
    return 1;
}

void CDvsCfgServer::Load(const uint8_t* system, const uint8_t* network) {
    const device::CDvsDevice& device = *Context().device;
    const uint8_t* info = system + kDeviceInfoOffset;
    const uint8_t* general = system + kGeneralOffset;
    const uint8_t* net = network + kNetworkOffset;
    const uint8_t* pppoe = network + kPppoeOffset;

    m_strHostName = ReadText(net, kHostNameOffset, kHostNameWidth);
    m_nTcpPort = ReadI32(net, kTcpPortOffset);
    m_nHttpPort = ReadI32(net, kHttpPortOffset);
    m_ipMask.SetAddress(ReadAddress(net, kMaskOffset));
    m_ipGateway.SetAddress(ReadAddress(net, kGatewayOffset));
    m_ipAddress.SetAddress(ReadAddress(net, kAddressOffset));

    m_strUser = device.User();
    m_strPassword = device.Password();
    m_strMac = ReadText(net, kMacOffset, kMacWidth);
    m_strDeviceName = ReadText(general, kDeviceNameOffset, kDeviceNameWidth);
    m_strSoftwareVersion = ReadText(info, kSoftwareVersionOffset, kSoftwareVersionWidth);
    m_strBuildDate = Format("%d.%d.%d  %d:%d:%d", ReadI32(info, kBuildYearOffset),
                            ReadI32(info, kBuildMonthOffset), ReadI32(info, kBuildDayOffset),
                            ReadI32(info, kBuildHourOffset), ReadI32(info, kBuildMinuteOffset),
                            ReadI32(info, kBuildSecondOffset));
    m_strSerial =
        "DX" + ReadText(info, kSerialOffset, kSerialWidth) + Format("%02d", device.ChannelCount());

    // A value outside a list leaves it without selection (and the record as it is on store).
    m_cmbVideoFormat.SetCurSel(ReadI32(general, kVideoStandardOffset));
    m_cmbDiskFull.SetCurSel(ReadI32(general, kDiskFullOffset));
    m_cmbLanguage.SetCurSel(ReadI32(general, kLanguageOffset));

    m_nUsePppoe = CheckState(ReadU8(pppoe, kPppoeEnabledOffset));
    m_ipPppoeAddress.SetAddress(ReadAddress(pppoe, kPppoeAddressOffset));
    m_nPppoePort = ReadI32(pppoe, kPppoePortOffset);
    m_strPppoeUser = ReadText(pppoe, kPppoeUserOffset, kTextWidth);
    m_strPppoePassword = ReadText(pppoe, kPppoePasswordOffset, kTextWidth);
    m_nAnonymity = CheckState(ReadU8(pppoe, kPppoeAnonymousOffset));

    LoadDdnsTypes(network);
    LoadDdnsEntry(network);

    m_bLoaded = true;
    UpdateData(false);
    SetPppoeFieldsEnabled(m_nUsePppoe);
    SetDdnsFieldsEnabled(m_nUseDdns);
}

void CDvsCfgServer::LoadDdnsTypes(const uint8_t* network) {
    const uint8_t* types = network + kDdnsTypesOffset;
    m_cmbDdnsType.ResetContent();
    const int count = DdnsTypeCount(types);
    for (int type = 0; type < count; ++type) {
        const std::string name = ReadText(
            types, kDdnsTypeNamesOffset + static_cast<size_t>(type) * kTextWidth, kTextWidth);
        m_cmbDdnsType.SetItemData(m_cmbDdnsType.AddString(name), type);
    }
    m_cmbDdnsType.SetCurSel(m_nDdnsType);
}

// The first entry of the selected type; without one the DDNS fields keep what they show.
void CDvsCfgServer::LoadDdnsEntry(const uint8_t* network) {
    if (m_nDdnsType < 0 || m_nDdnsType >= m_cmbDdnsType.GetCount()) return;
    const std::string type = m_cmbDdnsType.GetLBText(m_nDdnsType);
    for (int entry = 0; entry < kDdnsEntryCount; ++entry) {
        const uint8_t* ddns = network + kDdnsOffset + static_cast<size_t>(entry) * kDdnsEntrySize;
        if (ReadText(ddns, kDdnsTypeNameOffset, kTextWidth) != type) continue;
        m_nUseDdns = CheckState(ReadU8(ddns, kDdnsEnabledOffset));
        m_ipDdnsAddress.SetAddress(ReadAddress(ddns, kDdnsServerOffset));
        m_nDdnsPort = ReadI32(ddns, kDdnsPortOffset);
        m_strDdnsUser = ReadText(ddns, kDdnsUserOffset, kTextWidth);
        m_strDdnsPassword = ReadText(ddns, kDdnsPasswordOffset, kTextWidth);
        return;
    }
}

void CDvsCfgServer::Store(uint8_t* system, uint8_t* network) {
    // A refused number has been reported by the exchange and keeps its loaded value.
    UpdateData(true);
    uint8_t* general = system + kGeneralOffset;
    uint8_t* net = network + kNetworkOffset;
    uint8_t* pppoe = network + kPppoeOffset;

    const uint32_t address = AddressOf(m_ipAddress);
    if (address != ReadAddress(net, kAddressOffset) || m_nTcpPort != ReadI32(net, kTcpPortOffset) ||
        m_nHttpPort != ReadI32(net, kHttpPortOffset))
        m_nLoginParamsChanged = 1;

    WriteText(net, kHostNameOffset, kHostNameWidth, m_strHostName);
    if (m_nLoginParamsChanged) {
        WriteAddress(net, kAddressOffset, address);
        WriteI32(net, kTcpPortOffset, m_nTcpPort);
        WriteI32(net, kHttpPortOffset, m_nHttpPort);
    }
    WriteAddress(net, kMaskOffset, AddressOf(m_ipMask));
    WriteAddress(net, kGatewayOffset, AddressOf(m_ipGateway));
    WriteText(general, kDeviceNameOffset, kDeviceNameWidth, m_strDeviceName);
    // A list without selection (its record value was unknown) leaves that value alone.
    auto storeList = [general](const ui::ComboBox& list, size_t offset) {
        const int position = list.GetCurSel();
        if (position >= 0) WriteI32(general, offset, position);
    };
    storeList(m_cmbVideoFormat, kVideoStandardOffset);
    storeList(m_cmbDiskFull, kDiskFullOffset);
    storeList(m_cmbLanguage, kLanguageOffset);

    // Unchecking turns PPPoE off on the device; its other settings stay as they were.
    WriteU8(pppoe, kPppoeEnabledOffset, m_nUsePppoe ? 1 : 0);
    if (m_nUsePppoe) {
        WriteAddress(pppoe, kPppoeAddressOffset, AddressOf(m_ipPppoeAddress));
        WriteI32(pppoe, kPppoePortOffset, m_nPppoePort);
        WriteText(pppoe, kPppoeUserOffset, kTextWidth, m_strPppoeUser);
        WriteText(pppoe, kPppoePasswordOffset, kTextWidth, m_strPppoePassword);
        WriteU8(pppoe, kPppoeAnonymousOffset, m_nAnonymity ? 1 : 0);
    }
    StoreDdnsEntries(network);
}

// Every entry of the selected type takes the fields; unchecking only turns those entries off.
void CDvsCfgServer::StoreDdnsEntries(uint8_t* network) {
    if (m_nDdnsType < 0 || m_nDdnsType >= m_cmbDdnsType.GetCount()) return;
    // The type the fields were loaded for: while the list switches to another type, the list's
    // current text already names the new one.
    const std::string type = m_cmbDdnsType.GetLBText(m_nDdnsType);
    for (int entry = 0; entry < kDdnsEntryCount; ++entry) {
        uint8_t* ddns = network + kDdnsOffset + static_cast<size_t>(entry) * kDdnsEntrySize;
        if (ReadText(ddns, kDdnsTypeNameOffset, kTextWidth) != type) continue;
        WriteU8(ddns, kDdnsEnabledOffset, m_nUseDdns ? 1 : 0);
        if (!m_nUseDdns) continue;
        WriteText(ddns, kDdnsTypeNameOffset, kTextWidth, type);
        WriteAddress(ddns, kDdnsServerOffset, AddressOf(m_ipDdnsAddress));
        WriteI32(ddns, kDdnsPortOffset, m_nDdnsPort);
        WriteText(ddns, kDdnsUserOffset, kTextWidth, m_strDdnsUser);
        WriteText(ddns, kDdnsPasswordOffset, kTextWidth, m_strDdnsPassword);
    }
}

void CDvsCfgServer::ClearFields() {
    for (std::string* text :
         {&m_strHostName, &m_strUser, &m_strPassword, &m_strMac, &m_strDeviceName,
          &m_strSoftwareVersion, &m_strBuildDate, &m_strSerial, &m_strPppoeUser,
          &m_strPppoePassword, &m_strDdnsUser, &m_strDdnsPassword})
        text->clear();
    m_nTcpPort = m_nHttpPort = m_nPppoePort = m_nDdnsPort = -1;
    m_nUsePppoe = m_nUseDdns = m_nAnonymity = 0;
    m_bLoaded = false;
    if (!IsWindow()) return;
    for (ui::IpAddress* address :
         {&m_ipAddress, &m_ipMask, &m_ipGateway, &m_ipPppoeAddress, &m_ipDdnsAddress})
        address->ClearAddress();
    UpdateData(false);
}

void CDvsCfgServer::GetLoginParams(std::string& user, std::string& password, std::string& address,
                                   int& port) {
    user = System().GetText(GetDlgItem(id::kUser));
    password = System().GetText(GetDlgItem(id::kPassword));
    const uint32_t packed = AddressOf(m_ipAddress);
    address = Format("%d.%d.%d.%d ", static_cast<int>(packed >> 24),
                     static_cast<int>((packed >> 16) & 0xFF),
                     static_cast<int>((packed >> 8) & 0xFF), static_cast<int>(packed & 0xFF));
    port = m_nTcpPort;
}

}  // namespace vela::pages
