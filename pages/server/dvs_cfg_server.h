// The console's first page: the device's network identity, system facts and settings, PPPoE
// dial-up and DDNS. It edits the records of the device connection in place; nothing reaches
// the device until the console saves. After a save that changed the device's address or
// ports it hands the console the new login parameters. UI thread only.
#pragma once

#include <cstdint>
#include <string>

#include "pages/common/console_page.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/dib_image.h"
#include "ui/ip_address.h"
#include "ui/placement.h"

namespace vela::pages {

class CDvsCfgServer : public CConsolePage {
  public:
    CDvsCfgServer();

    // bSave 0 fills the controls from the records, 1 writes them back. 0 (after blanking every
    // field) when the console has no device connection or its records are missing; 0 without
    // writing when storing fields that ClearFields blanked and no load has filled since.
    int UpdateRecords(int bSave, int keepPreview) override;

    // 1 once any store changed the device's address, TCP port or HTTP port; never cleared.
    int LoginParamsChanged() const { return m_loginParamsChanged; }
    // The login the console should use after such a store: the user and password shown, the
    // address shown as "a.b.c.d " (trailing blank: the longest address needs 17 bytes with a
    // terminating zero) and the TCP port.
    void GetLoginParams(std::string& user, std::string& password, std::string& address, int& port);
    // Blanks every field (ports show -1, addresses cleared, check boxes cleared).
    void ClearFields();

    // Store the state and enable or disable the PPPoE / DDNS fields.
    void SetPppoeFieldsEnabled(int state);
    void SetDdnsFieldsEnabled(int state);

    int SelectedDdnsType() const { return m_ddnsType; }

  protected:
    bool OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    bool OnCtlColor(int id, platform::ControlColors& colors) override;
    bool OnEraseBkgnd(platform::Canvas& canvas) override;

  private:
    void PlaceControls();
    void ApplyLabels();
    void FillLists();
    // The two record groups, or false when the console has no device connection or records.
    bool Groups(uint8_t*& system, uint8_t*& network);
    void Load(const uint8_t* system, const uint8_t* network);
    void LoadDdnsTypes(const uint8_t* network);
    void LoadDdnsEntry(const uint8_t* network);
    void Store(uint8_t* system, uint8_t* network);
    void StoreDdnsEntries(uint8_t* network);
    void OnDdnsTypeChanged();

    // Values bound to the edits and check boxes.
    std::string m_hostName, m_user, m_password, m_mac, m_deviceName;
    std::string m_softwareVersion, m_buildDate, m_serial;
    std::string m_pppoeUser, m_pppoePassword, m_ddnsUser, m_ddnsPassword;
    int m_tcpPort = 0, m_httpPort = 0, m_pppoePort = 0, m_ddnsPort = 0;
    int m_usePppoe = 0, m_useDdns = 0, m_anonymity = 0;

    int m_ddnsType = -1;  // selected DDNS type, a position of the "DDNSType" list
    int m_loginParamsChanged = 0;
    // Set by a load, cleared by ClearFields: blanked fields are never stored into the records.
    bool m_loaded = false;
    bool m_alignLabels = false;
    ui::CDibImage m_background;
    ui::PageSkin m_skin;

    ui::IpAddress m_address, m_mask, m_gateway, m_pppoeAddress, m_ddnsAddress;
    ui::ComboBox m_videoFormat, m_diskFull, m_language, m_ddnsTypeList;
    ui::Button m_usePppoeCheck, m_useDdnsCheck, m_anonymityCheck;
};

}  // namespace vela::pages
