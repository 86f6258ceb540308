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
    int LoginParamsChanged() const { return m_nLoginParamsChanged; }
    // The login the console should use after such a store: the user and password shown, the
    // address shown as "a.b.c.d " (trailing blank: the longest address needs 17 bytes with a
    // terminating zero) and the TCP port.
    void GetLoginParams(std::string& user, std::string& password, std::string& address, int& port);
    // Blanks every field (ports show -1, addresses cleared, check boxes cleared).
    void ClearFields();

    // Store the state and enable or disable the PPPoE / DDNS fields.
    void SetPppoeFieldsEnabled(int state);
    void SetDdnsFieldsEnabled(int state);

    int SelectedDdnsType() const { return m_nDdnsType; }

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
    std::string m_strHostName, m_strUser, m_strPassword, m_strMac, m_strDeviceName;
    std::string m_strSoftwareVersion, m_strBuildDate, m_strSerial;
    std::string m_strPppoeUser, m_strPppoePassword, m_strDdnsUser, m_strDdnsPassword;
    int m_nTcpPort = 0, m_nHttpPort = 0, m_nPppoePort = 0, m_nDdnsPort = 0;
    int m_nUsePppoe = 0, m_nUseDdns = 0, m_nAnonymity = 0;

    int m_nDdnsType = -1;  // selected DDNS type, a position of the "DDNSType" list
    int m_nLoginParamsChanged = 0;
    // Set by a load, cleared by ClearFields: blanked fields are never stored into the records.
    bool m_bLoaded = false;
    bool m_bAlignLabels = false;
    ui::CDibImage m_dibBackground;
    ui::PageSkin m_skinPage;

    ui::IpAddress m_ipAddress, m_ipMask, m_ipGateway, m_ipPppoeAddress, m_ipDdnsAddress;
    ui::ComboBox m_cmbVideoFormat, m_cmbDiskFull, m_cmbLanguage, m_cmbDdnsType;
    ui::Button m_chkUsePppoe, m_chkUseDdns, m_chkAnonymity;
};

}  // namespace vela::pages
