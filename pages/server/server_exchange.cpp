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
    if (!m_loaded) return 0;  // cleared fields hold nothing of the device's
    Store(system, network);
    return 1;
}

void CDvsCfgServer::Load(const uint8_t* system, const uint8_t* network) {
    const device::CDvsDevice& device = *Context().device;
    const uint8_t* info = system + kDeviceInfoOffset;
    const uint8_t* general = system + kGeneralOffset;
    const uint8_t* net = network + kNetworkOffset;
    const uint8_t* pppoe = network + kPppoeOffset;

    m_hostName = ReadText(net, kHostNameOffset, kHostNameWidth);
    m_tcpPort = ReadI32(net, kTcpPortOffset);
    m_httpPort = ReadI32(net, kHttpPortOffset);
    m_mask.SetAddress(ReadAddress(net, kMaskOffset));
    m_gateway.SetAddress(ReadAddress(net, kGatewayOffset));
    m_address.SetAddress(ReadAddress(net, kAddressOffset));

    m_user = device.User();
    m_password = device.Password();
    m_mac = ReadText(net, kMacOffset, kMacWidth);
    m_deviceName = ReadText(general, kDeviceNameOffset, kDeviceNameWidth);
    m_softwareVersion = ReadText(info, kSoftwareVersionOffset, kSoftwareVersionWidth);
    m_buildDate = Format("%d.%d.%d  %d:%d:%d", ReadI32(info, kBuildYearOffset),
                         ReadI32(info, kBuildMonthOffset), ReadI32(info, kBuildDayOffset),
                         ReadI32(info, kBuildHourOffset), ReadI32(info, kBuildMinuteOffset),
                         ReadI32(info, kBuildSecondOffset));
    m_serial =
        "DX" + ReadText(info, kSerialOffset, kSerialWidth) + Format("%02d", device.ChannelCount());

    // A value outside a list leaves it without selection (and the record as it is on store).
    m_videoFormat.SetCurSel(ReadI32(general, kVideoStandardOffset));
    m_diskFull.SetCurSel(ReadI32(general, kDiskFullOffset));
    m_language.SetCurSel(ReadI32(general, kLanguageOffset));

    m_usePppoe = CheckState(ReadU8(pppoe, kPppoeEnabledOffset));
    m_pppoeAddress.SetAddress(ReadAddress(pppoe, kPppoeAddressOffset));
    m_pppoePort = ReadI32(pppoe, kPppoePortOffset);
    m_pppoeUser = ReadText(pppoe, kPppoeUserOffset, kTextWidth);
    m_pppoePassword = ReadText(pppoe, kPppoePasswordOffset, kTextWidth);
    m_anonymity = CheckState(ReadU8(pppoe, kPppoeAnonymousOffset));

    LoadDdnsTypes(network);
    LoadDdnsEntry(network);

    m_loaded = true;
    UpdateData(false);
    SetPppoeFieldsEnabled(m_usePppoe);
    SetDdnsFieldsEnabled(m_useDdns);
}

void CDvsCfgServer::LoadDdnsTypes(const uint8_t* network) {
    const uint8_t* types = network + kDdnsTypesOffset;
    m_ddnsTypeList.ResetContent();
    const int count = DdnsTypeCount(types);
    for (int type = 0; type < count; ++type) {
        const std::string name = ReadText(
            types, kDdnsTypeNamesOffset + static_cast<size_t>(type) * kTextWidth, kTextWidth);
        m_ddnsTypeList.SetItemData(m_ddnsTypeList.AddString(name), type);
    }
    m_ddnsTypeList.SetCurSel(m_ddnsType);
}

// The first entry of the selected type; without one the DDNS fields keep what they show.
void CDvsCfgServer::LoadDdnsEntry(const uint8_t* network) {
    if (m_ddnsType < 0 || m_ddnsType >= m_ddnsTypeList.GetCount()) return;
    const std::string type = m_ddnsTypeList.GetLBText(m_ddnsType);
    for (int entry = 0; entry < kDdnsEntryCount; ++entry) {
        const uint8_t* ddns = network + kDdnsOffset + static_cast<size_t>(entry) * kDdnsEntrySize;
        if (ReadText(ddns, kDdnsTypeNameOffset, kTextWidth) != type) continue;
        m_useDdns = CheckState(ReadU8(ddns, kDdnsEnabledOffset));
        m_ddnsAddress.SetAddress(ReadAddress(ddns, kDdnsServerOffset));
        m_ddnsPort = ReadI32(ddns, kDdnsPortOffset);
        m_ddnsUser = ReadText(ddns, kDdnsUserOffset, kTextWidth);
        m_ddnsPassword = ReadText(ddns, kDdnsPasswordOffset, kTextWidth);
        return;
    }
}

void CDvsCfgServer::Store(uint8_t* system, uint8_t* network) {
    // A refused number has been reported by the exchange and keeps its loaded value.
    UpdateData(true);
    uint8_t* general = system + kGeneralOffset;
    uint8_t* net = network + kNetworkOffset;
    uint8_t* pppoe = network + kPppoeOffset;

    const uint32_t address = AddressOf(m_address);
    if (address != ReadAddress(net, kAddressOffset) || m_tcpPort != ReadI32(net, kTcpPortOffset) ||
        m_httpPort != ReadI32(net, kHttpPortOffset))
        m_loginParamsChanged = 1;

    WriteText(net, kHostNameOffset, kHostNameWidth, m_hostName);
    if (m_loginParamsChanged) {
        WriteAddress(net, kAddressOffset, address);
        WriteI32(net, kTcpPortOffset, m_tcpPort);
        WriteI32(net, kHttpPortOffset, m_httpPort);
    }
    WriteAddress(net, kMaskOffset, AddressOf(m_mask));
    WriteAddress(net, kGatewayOffset, AddressOf(m_gateway));
    WriteText(general, kDeviceNameOffset, kDeviceNameWidth, m_deviceName);
    // A list without selection (its record value was unknown) leaves that value alone.
    auto storeList = [general](const ui::ComboBox& list, size_t offset) {
        const int position = list.GetCurSel();
        if (position >= 0) WriteI32(general, offset, position);
    };
    storeList(m_videoFormat, kVideoStandardOffset);
    storeList(m_diskFull, kDiskFullOffset);
    storeList(m_language, kLanguageOffset);

    // Unchecking turns PPPoE off on the device; its other settings stay as they were.
    WriteU8(pppoe, kPppoeEnabledOffset, m_usePppoe ? 1 : 0);
    if (m_usePppoe) {
        WriteAddress(pppoe, kPppoeAddressOffset, AddressOf(m_pppoeAddress));
        WriteI32(pppoe, kPppoePortOffset, m_pppoePort);
        WriteText(pppoe, kPppoeUserOffset, kTextWidth, m_pppoeUser);
        WriteText(pppoe, kPppoePasswordOffset, kTextWidth, m_pppoePassword);
        WriteU8(pppoe, kPppoeAnonymousOffset, m_anonymity ? 1 : 0);
    }
    StoreDdnsEntries(network);
}

// Every entry of the selected type takes the fields; unchecking only turns those entries off.
void CDvsCfgServer::StoreDdnsEntries(uint8_t* network) {
    if (m_ddnsType < 0 || m_ddnsType >= m_ddnsTypeList.GetCount()) return;
    // The type the fields were loaded for: while the list switches to another type, the list's
    // current text already names the new one.
    const std::string type = m_ddnsTypeList.GetLBText(m_ddnsType);
    for (int entry = 0; entry < kDdnsEntryCount; ++entry) {
        uint8_t* ddns = network + kDdnsOffset + static_cast<size_t>(entry) * kDdnsEntrySize;
        if (ReadText(ddns, kDdnsTypeNameOffset, kTextWidth) != type) continue;
        WriteU8(ddns, kDdnsEnabledOffset, m_useDdns ? 1 : 0);
        if (!m_useDdns) continue;
        WriteText(ddns, kDdnsTypeNameOffset, kTextWidth, type);
        WriteAddress(ddns, kDdnsServerOffset, AddressOf(m_ddnsAddress));
        WriteI32(ddns, kDdnsPortOffset, m_ddnsPort);
        WriteText(ddns, kDdnsUserOffset, kTextWidth, m_ddnsUser);
        WriteText(ddns, kDdnsPasswordOffset, kTextWidth, m_ddnsPassword);
    }
}

void CDvsCfgServer::ClearFields() {
    for (std::string* text :
         {&m_hostName, &m_user, &m_password, &m_mac, &m_deviceName, &m_softwareVersion,
          &m_buildDate, &m_serial, &m_pppoeUser, &m_pppoePassword, &m_ddnsUser, &m_ddnsPassword})
        text->clear();
    m_tcpPort = m_httpPort = m_pppoePort = m_ddnsPort = -1;
    m_usePppoe = m_useDdns = m_anonymity = 0;
    m_loaded = false;
    if (!IsWindow()) return;
    for (ui::IpAddress* address :
         {&m_address, &m_mask, &m_gateway, &m_pppoeAddress, &m_ddnsAddress})
        address->ClearAddress();
    UpdateData(false);
}

void CDvsCfgServer::GetLoginParams(std::string& user, std::string& password, std::string& address,
                                   int& port) {
    user = System().GetText(GetDlgItem(id::kUser));
    password = System().GetText(GetDlgItem(id::kPassword));
    const uint32_t packed = AddressOf(m_address);
    address = Format("%d.%d.%d.%d ", static_cast<int>(packed >> 24),
                     static_cast<int>((packed >> 16) & 0xFF),
                     static_cast<int>((packed >> 8) & 0xFF), static_cast<int>(packed & 0xFF));
    port = m_tcpPort;
}

}  // namespace vela::pages
