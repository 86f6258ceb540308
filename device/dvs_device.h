// One device connection: the parameters of the SetupServer call that made it, the login, the
// DeviceInfo the login returned, the live configuration records that the pages edit in place
// and their snapshot as last known to the device, and the live view. UI thread only (the live
// view's stream callback runs on a NetSDK thread, see live_view.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "device/live_view.h"
#include "device/netsdk.h"

namespace vela::device {

// DeviceInfo fields this class reads.
constexpr size_t kDeviceInfoChannelsOffset = 288;
constexpr size_t kDeviceInfoExtraChannelsOffset = 324;
constexpr size_t kDeviceInfoAlarmInputsOffset = 296;
constexpr size_t kDeviceInfoAlarmOutputsOffset = 300;

constexpr size_t kDdnsServerMaxLength = 39;  // characters of the DDNS server address used

class CDvsDevice {
  public:
    // The player library for previews is loaded from playerFolder (by default the host's).
    explicit CDvsDevice(NetSdk& sdk = ProcessNetSdk(), const std::string& playerFolder = {});
    ~CDvsDevice();
    CDvsDevice(const CDvsDevice&) = delete;
    CDvsDevice& operator=(const CDvsDevice&) = delete;

    // Stores the parameters (null texts count as empty), clears the records and logs in.
    // 1 when the login gave a valid handle, else 0.
    int Connect(const char* address, const char* loginAddress, int port, const char* user,
                const char* password, int ddnsMode, const char* ddnsServer, int ddnsPort);
    // Logs in (again) and reads every record: the login handle, or a value <= 0.
    int32_t Login();
    // Replaces the login address with the DDNS answer or the host name's address: 1, or -1
    // when a host name has no address.
    int ResolveAddress();
    void ClearRecords();
    // The live records become what the device is known to hold.
    void TakeSnapshot();
    // Pointer into the live records for groups 1-4 and 6-8 (group 1 starts at DeviceInfo);
    // null for any other number.
    uint8_t* GetRecordGroup(int group);
    // Stores every record that differs from its snapshot: 1 all stored, 0 stored but a store
    // needs a reboot, -1 when something could not be stored (not logged in, a store refused, or
    // a negative channel count left edited channel records unsent). What was not stored keeps
    // its old snapshot, so the next Save sends it again.
    int SaveRecords();
    // Writes the PC's local time into record 18 and stores it at once: the store result.
    int32_t SetDeviceTime();
    // 1 when the device accepted the reboot, 0 refused or not logged in.
    int RebootDevice();
    // Takes the login parameters a Save changed; no new login.
    void SetLoginParams(const char* user, const char* password, const char* loginAddress, int port);
    // Copies the address (in full) and the ServerInfoRecord for the host: 1.
    int GetServerInfo(char* addressOut, uint8_t* record) const;
    // Stops a running preview, then ends the login.
    void Logout();

    // The live picture of a channel in the window (an HWND, or a headless play window's
    // VelaSurface*): the play handle, or -1. A running preview is replaced.
    int32_t StartPreview(int32_t channel, void* window, int32_t streamType) {
        return m_liveView.StartPreview(m_hLogin, channel, window, streamType);
    }
    void StopPreview() { m_liveView.StopPreview(); }
    const CLiveView& LiveView() const { return m_liveView; }

    // Counts from DeviceInfo at login, bounded to 0..kSlotCount.
    int ChannelCount() const { return m_nChannelCount; }
    int AlarmInputCount() const { return m_nAlarmInputCount; }
    int AlarmOutputCount() const { return m_nAlarmOutputCount; }
    int StreamType() const { return m_nStreamType; }
    int32_t LoginHandle() const { return m_hLogin; }
    const uint8_t* DeviceInfo() const { return m_arrBlock.data(); }

    const std::string& Address() const { return m_strAddress; }
    const std::string& LoginAddress() const { return m_strLoginAddress; }
    const std::string& User() const { return m_strUser; }
    const std::string& Password() const { return m_strPassword; }
    int Port() const { return m_nPort; }

  private:
    uint8_t* Live(size_t index);
    uint8_t* Snapshot(size_t index);
    void ReadRecords();
    bool Store(size_t index, int32_t channel, int slot, bool* needsReboot);
    bool DiffersFromSnapshot(size_t index);
    void CopyToSnapshot(size_t index);
    void EndLogin();

    NetSdk& m_rSdk;
    std::string m_strAddress, m_strLoginAddress, m_strUser, m_strPassword, m_strDdnsServer;
    int m_nPort = 0, m_nDdnsMode = 0, m_nDdnsPort = 0;
    int m_nChannelCount = 0;
    int m_nAlarmInputCount = 0;
    int m_nAlarmOutputCount = 0;
    bool m_bNegativeChannels = false;  // DeviceInfo's channel count was below 0
    int m_nStreamType = 0;
    int32_t m_hLogin = 0;
    std::vector<uint8_t> m_arrBlock;     // DeviceInfo, then the live records
    std::vector<uint8_t> m_arrSnapshot;  // the live records as the device holds them
    CLiveView m_liveView;
};

}  // namespace vela::device
