#include "device/dvs_device.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "device/ddns_query.h"
#include "device/records.h"
#include "device/server_info_record.h"
#include "platform/bytes.h"
#include "platform/diag_log.h"
#include "platform/kernel.h"
#include "platform/net.h"

namespace vela::device {

using platform::g_DiagLog;

namespace {

constexpr int32_t kChannelZero = 0;
constexpr int32_t kAllChannels = -1;
constexpr int32_t kTimeStoreChannel = -1;
constexpr uint32_t kRebootAcceptedMask = 0xFF;

std::string TextOrEmpty(const char* text) {
    return text ? std::string(text) : std::string();
}

// A count from DeviceInfo as a loop bound over the 32 slots.
int BoundToSlots(int64_t count) {
    return static_cast<int>(std::clamp<int64_t>(count, 0, kSlotCount));
}

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

int32_t ChannelFor(ReadRule rule) {
    return rule == ReadRule::kChannelZero ? kChannelZero : kAllChannels;
}

int32_t ChannelFor(StoreRule rule) {
    return rule == StoreRule::kChannelZero ? kChannelZero : kAllChannels;
}

bool IsChannelArray(const RecordSpec& record) {
    return record.store == StoreRule::kEachChannelSlot;
}

}  // namespace

CDvsDevice::CDvsDevice(NetSdk& sdk, const std::string& playerFolder)
    : m_rSdk(sdk),
      m_arrBlock(kDeviceInfoSize + kRecordBlockSize),
      m_arrSnapshot(kRecordBlockSize),
      m_liveView(sdk, playerFolder.empty() ? platform::HostFolder() : playerFolder,
                 reinterpret_cast<uintptr_t>(this)) {}

CDvsDevice::~CDvsDevice() {
    Logout();
}

uint8_t* CDvsDevice::Live(size_t index) {
    return m_arrBlock.data() + kDeviceInfoSize + RecordOffsetAt(index);
}

uint8_t* CDvsDevice::Snapshot(size_t index) {
    return m_arrSnapshot.data() + RecordOffsetAt(index);
}

int CDvsDevice::Connect(const char* address, const char* loginAddress, int port, const char* user,
                        const char* password, int ddnsMode, const char* ddnsServer, int ddnsPort) {
    m_strAddress = TextOrEmpty(address);
    m_strLoginAddress = TextOrEmpty(loginAddress);
    m_nPort = port;
    m_strUser = TextOrEmpty(user);
    m_strPassword = TextOrEmpty(password);
    m_nDdnsMode = ddnsMode;
    m_strDdnsServer = TextOrEmpty(ddnsServer);
    m_nDdnsPort = ddnsPort;
    ClearRecords();
    return Login() > 0 ? 1 : 0;
}

void CDvsDevice::EndLogin() {
    if (m_hLogin <= 0) return;
    m_rSdk.UndoAfterLogin(m_hLogin);
    m_rSdk.Logout(m_hLogin);
    m_hLogin = 0;
}

int32_t CDvsDevice::Login() {
    EndLogin();
    if (ResolveAddress() == -1) {
        g_DiagLog.Write("ConnectServerinfo: IP Address error!");
        return 0;
    }

    int32_t error = 0;
    const int32_t handle =
        m_rSdk.Login(m_strLoginAddress.c_str(), static_cast<uint16_t>(m_nPort), m_strUser.c_str(),
                     m_strPassword.c_str(), m_arrBlock.data(), &error, 0);
    if (handle <= 0) {
        g_DiagLog.Write("H264_DVR_Login() Fail, Error Code : %d", m_rSdk.GetLastError());
        return handle;
    }
    m_hLogin = handle;

    const uint8_t* info = m_arrBlock.data();
    const int64_t channels = static_cast<int64_t>(ReadI32(info, kDeviceInfoChannelsOffset)) +
                             ReadI32(info, kDeviceInfoExtraChannelsOffset);
    m_bNegativeChannels = channels < 0;
    m_nChannelCount = BoundToSlots(channels);
    m_nAlarmInputCount = BoundToSlots(ReadI32(info, kDeviceInfoAlarmInputsOffset));
    m_nAlarmOutputCount = BoundToSlots(ReadI32(info, kDeviceInfoAlarmOutputsOffset));

    m_rSdk.AfterLogin(m_hLogin);
    ReadRecords();
    m_nStreamType = ReadU8(Live(RecordIndex(kStreamTypeRecord)), 0);
    return m_hLogin;
}

// Failed reads leave their record zero; only record 23 stops early.
void CDvsDevice::ReadRecords() {
    bool fullRecord38 = false;
    for (size_t i = 0; i < kRecordCount; ++i) {
        const RecordSpec& record = kRecords[i];
        uint8_t* live = Live(i);
        uint32_t returned = 0;
        switch (record.read) {
            case ReadRule::kChannelZero:
            case ReadRule::kAllChannels:
            case ReadRule::kAfterFullRecord38: {
                if (record.read == ReadRule::kAfterFullRecord38 && !fullRecord38) break;
                const int32_t ok =
                    m_rSdk.GetConfig(m_hLogin, record.command, ChannelFor(record.read), live,
                                     record.size, &returned, kNetSdkWaitMs);
                if (record.command == kRecordCommand38)
                    fullRecord38 = ok != 0 && returned == record.size;
                break;
            }
            case ReadRule::kWholeArray:
                m_rSdk.GetConfig(m_hLogin, record.command, kAllChannels, live,
                                 static_cast<uint32_t>(RecordBytes(record)), &returned,
                                 kNetSdkWaitMs);
                break;
            case ReadRule::kEachChannelSlot:
                for (int slot = 0; slot < m_nChannelCount; ++slot) {
                    returned = 0;
                    const int32_t ok =
                        m_rSdk.GetConfig(m_hLogin, record.command, slot,
                                         live + static_cast<size_t>(slot) * record.size,
                                         record.size, &returned, kNetSdkWaitMs);
                    if (ok == 0 && returned != record.size) break;
                }
                break;
        }
    }
}

int CDvsDevice::ResolveAddress() {
    if (m_nDdnsMode <= 0 || m_strDdnsServer.empty()) return 1;
    const std::string server = m_strDdnsServer.substr(0, kDdnsServerMaxLength);

    std::string answer;
    if (GetDeviceIPByDomain(m_strLoginAddress.c_str(), server.c_str(), m_nDdnsPort, &answer)) {
        g_DiagLog.Write("GetDeviceIPByDomain(),IP Address Is %s", answer.c_str());
        m_strLoginAddress = answer;
        return 1;
    }
    if (m_strLoginAddress.empty() || !IsAsciiLetter(m_strLoginAddress[0])) return 1;

    platform::IPv4 address{};
    if (!platform::LookupHostIPv4(m_strLoginAddress, &address)) return -1;
    char text[16];
    std::snprintf(text, sizeof(text), "%d.%d.%d.%d", address[0], address[1], address[2],
                  address[3]);
    g_DiagLog.Write("gethostbyname(),IP Address Is %s", text);
    m_strLoginAddress = text;
    return 1;
}

void CDvsDevice::ClearRecords() {
    std::fill(m_arrBlock.begin(), m_arrBlock.end(), 0);
    std::fill(m_arrSnapshot.begin(), m_arrSnapshot.end(), 0);
}

void CDvsDevice::TakeSnapshot() {
    std::memcpy(m_arrSnapshot.data(), m_arrBlock.data() + kDeviceInfoSize, kRecordBlockSize);
}

uint8_t* CDvsDevice::GetRecordGroup(int group) {
    return GroupExists(group) ? m_arrBlock.data() + GroupOffset(group) : nullptr;
}

// One store of a record, or of one slot of an array (slot >= 0, also the channel argument).
bool CDvsDevice::Store(size_t index, int32_t channel, int slot, bool* needsReboot) {
    const RecordSpec& record = kRecords[index];
    const uint8_t* source = Live(index) + (slot >= 0 ? static_cast<size_t>(slot) * record.size : 0);
    const int32_t result =
        m_rSdk.SetConfig(m_hLogin, record.command, channel, source, record.size, kNetSdkWaitMs);
    if (result == kStoredNeedsReboot) *needsReboot = true;
    return result != 0;
}

bool CDvsDevice::DiffersFromSnapshot(size_t index) {
    return std::memcmp(Live(index), Snapshot(index), RecordBytes(kRecords[index])) != 0;
}

void CDvsDevice::CopyToSnapshot(size_t index) {
    std::memcpy(Snapshot(index), Live(index), RecordBytes(kRecords[index]));
}

// A refused store leaves its snapshot old, so the next Save sends it again.
int CDvsDevice::SaveRecords() {
    if (m_hLogin <= 0) return -1;
    bool needsReboot = false;
    bool anyRefused = false;

    for (size_t i = 0; i < kRecordCount; ++i) {
        const RecordSpec& record = kRecords[i];
        if (record.slots != 1 || record.store == StoreRule::kNotStored) continue;
        if (!DiffersFromSnapshot(i)) continue;
        if (Store(i, ChannelFor(record.store), -1, &needsReboot))
            CopyToSnapshot(i);
        else
            anyRefused = true;
    }

    bool marked[kRecordCount] = {};
    bool accepted[kRecordCount] = {};
    for (size_t i = 0; i < kRecordCount; ++i)
        marked[i] = accepted[i] = IsChannelArray(kRecords[i]) && DiffersFromSnapshot(i);

    // Alarm-input array: snapshot only when every slot was taken, so no refused slot is lost.
    for (size_t i = 0; i < kRecordCount; ++i) {
        if (kRecords[i].store != StoreRule::kEachAlarmInputSlot || m_nAlarmInputCount == 0 ||
            !DiffersFromSnapshot(i))
            continue;
        bool allTaken = true;
        for (int slot = 0; slot < m_nAlarmInputCount; ++slot)
            allTaken = Store(i, slot, slot, &needsReboot) && allTaken;
        if (allTaken) CopyToSnapshot(i);
        anyRefused = anyRefused || !allTaken;
    }

    for (int channel = 0; channel < m_nChannelCount; ++channel)
        for (size_t i = 0; i < kRecordCount; ++i)
            if (marked[i] && !Store(i, channel, channel, &needsReboot)) {
                accepted[i] = false;
                anyRefused = true;
            }

    // With a negative channel count no channel slot could be sent: keep those edits pending.
    bool unsentEdits = false;
    for (size_t i = 0; i < kRecordCount; ++i) {
        if (!marked[i]) continue;
        if (m_bNegativeChannels)
            unsentEdits = true;
        else if (accepted[i])
            CopyToSnapshot(i);
    }
    // A reboot the device asked for is offered even when another store was refused: that one
    // stays pending and goes again with the next Save.
    if (needsReboot && !unsentEdits) return 0;
    return unsentEdits || anyRefused ? -1 : 1;
}

int32_t CDvsDevice::SetDeviceTime() {
    if (m_hLogin <= 0) return 0;
    const size_t index = RecordIndex(kTimeRecord);
    uint8_t* record = Live(index);
    const platform::LocalTime now = platform::Now();
    const int32_t fields[] = {now.year, now.month, now.day, 0, now.hour, now.minute, now.second, 0};
    for (size_t f = 0; f < sizeof(fields) / sizeof(fields[0]); ++f)
        WriteI32(record, f * sizeof(int32_t), fields[f]);
    return m_rSdk.SetConfig(m_hLogin, kTimeRecord, kTimeStoreChannel, record, kRecords[index].size,
                            kNetSdkWaitMs);
}

int CDvsDevice::RebootDevice() {
    if (m_hLogin <= 0) return 0;
    const uint32_t result = static_cast<uint32_t>(m_rSdk.Reboot(m_hLogin, 0, kNetSdkWaitMs));
    return (result & kRebootAcceptedMask) != 0 ? 1 : 0;
}

void CDvsDevice::SetLoginParams(const char* user, const char* password, const char* loginAddress,
                                int port) {
    m_strUser = TextOrEmpty(user);
    m_strPassword = TextOrEmpty(password);
    m_strLoginAddress = TextOrEmpty(loginAddress);
    m_nPort = port;
}

int CDvsDevice::GetServerInfo(char* addressOut, uint8_t* record) const {
    if (addressOut) std::memcpy(addressOut, m_strAddress.c_str(), m_strAddress.size() + 1);
    if (record) {
        WriteText(record, kServerInfoAddressOffset, kServerInfoAddressWidth, m_strAddress);
        WriteText(record, kServerInfoLoginAddressOffset, kServerInfoLoginAddressWidth,
                  m_strLoginAddress);
        WriteU16(record, kServerInfoPortOffset, static_cast<uint16_t>(m_nPort));
        WriteText(record, kServerInfoUserOffset, kServerInfoUserWidth, m_strUser);
        WriteText(record, kServerInfoPasswordOffset, kServerInfoPasswordWidth, m_strPassword);
    }
    return 1;
}

void CDvsDevice::Logout() {
    m_liveView.StopPreview();
    EndLogin();
}

}  // namespace vela::device
