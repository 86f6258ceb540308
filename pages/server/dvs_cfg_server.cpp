// The server page's window: placement, captions, fixed lists, enabling and user events.
#include "pages/server/dvs_cfg_server.h"

#include "pages/server/server_controls.h"
#include "ui/data_exchange.h"
#include "ui/text_resources.h"

namespace vela::pages {

using namespace server;  // NOLINT(google-build-using-namespace): the page's own constants

namespace {

// The template row's key and caption key; "" for an id without a row.
const char* KeyOf(int controlId) {
    const resources::ControlTemplate* row = resources::FindControl(kServerTemplate, controlId);
    return row ? row->key : "";
}
const char* CaptionOf(int controlId) {
    const resources::ControlTemplate* row = resources::FindControl(kServerTemplate, controlId);
    return row ? row->caption : "";
}
const char* PlacementKey(const PlacedControl& control) {
    return control.extraKey ? control.extraKey : KeyOf(control.id);
}

std::vector<int> LabelIds() {
    std::vector<int> ids;
    for (const PlacedControl& control : kControls)
        if (control.labelId != 0) ids.push_back(control.labelId);
    ids.insert(ids.end(), {id::kUsePppoe, id::kAnonymity, id::kUseDdns});
    return ids;
}

}  // namespace

CDvsCfgServer::CDvsCfgServer() : CConsolePage(kServerTemplate), m_skinPage(LabelIds()) {
    OnClicked(id::kUsePppoe, [this] { SetPppoeFieldsEnabled(m_chkUsePppoe.GetCheck()); });
    OnClicked(id::kUseDdns, [this] { SetDdnsFieldsEnabled(m_chkUseDdns.GetCheck()); });
    OnClicked(id::kAnonymity, [this] { UpdateData(true); });
    OnSelChange(id::kDdnsType, [this] { OnDdnsTypeChanged(); });
}

// UI thread.
bool CDvsCfgServer::OnInitDialog() {
    ui::Dialog::OnInitDialog();  // binds the widgets
    const ui::ResourcePaths& paths = ui::g_ResourcePaths;
    ui::LoadPageBackground(m_dibBackground, kBackgroundName, paths.languageFolder);
    ui::PlaceDialog(m_hWnd, ui::kDialogPositionKey, m_dibBackground, kSection,
                    paths.controlPosFile);
    PlaceControls();
    ApplyLabels();
    FillLists();
    m_nDdnsType = 0;
    for (int field : kReadOnlyFields) System().EnableWindow(GetDlgItem(field), false);
    return true;
}

void CDvsCfgServer::DoDataExchange(ui::DataExchange& dx) {
    ui::DdxControl(dx, id::kAddress, m_ipAddress);
    ui::DdxControl(dx, id::kMask, m_ipMask);
    ui::DdxControl(dx, id::kGateway, m_ipGateway);
    ui::DdxControl(dx, id::kPppoeAddress, m_ipPppoeAddress);
    ui::DdxControl(dx, id::kDdnsAddress, m_ipDdnsAddress);
    ui::DdxControl(dx, id::kVideoFormat, m_cmbVideoFormat);
    ui::DdxControl(dx, id::kDiskFull, m_cmbDiskFull);
    ui::DdxControl(dx, id::kLanguage, m_cmbLanguage);
    ui::DdxControl(dx, id::kDdnsType, m_cmbDdnsType);
    ui::DdxControl(dx, id::kUsePppoe, m_chkUsePppoe);
    ui::DdxControl(dx, id::kUseDdns, m_chkUseDdns);
    ui::DdxControl(dx, id::kAnonymity, m_chkAnonymity);

    ui::DdxText(dx, id::kHostName, m_strHostName);
    ui::DdxText(dx, id::kTcpPort, m_nTcpPort);
    ui::DdxText(dx, id::kSoftwareVersion, m_strSoftwareVersion);
    ui::DdxText(dx, id::kBuildDate, m_strBuildDate);
    ui::DdxText(dx, id::kSerial, m_strSerial);
    ui::DdxCheck(dx, id::kUsePppoe, m_nUsePppoe);
    ui::DdxText(dx, id::kPppoePort, m_nPppoePort);
    ui::DdxText(dx, id::kPppoeUser, m_strPppoeUser);
    ui::DdxText(dx, id::kPppoePassword, m_strPppoePassword);
    ui::DdxCheck(dx, id::kAnonymity, m_nAnonymity);
    ui::DdxText(dx, id::kUser, m_strUser);
    ui::DdxText(dx, id::kPassword, m_strPassword);
    ui::DdxText(dx, id::kHttpPort, m_nHttpPort);
    ui::DdxText(dx, id::kMac, m_strMac);
    ui::DdxText(dx, id::kDeviceName, m_strDeviceName);
    ui::DdxCheck(dx, id::kUseDdns, m_nUseDdns);
    ui::DdxText(dx, id::kDdnsPort, m_nDdnsPort);
    ui::DdxText(dx, id::kDdnsUser, m_strDdnsUser);
    ui::DdxText(dx, id::kDdnsPassword, m_strDdnsPassword);
}

bool CDvsCfgServer::OnCtlColor(int id, platform::ControlColors& colors) {
    return m_skinPage.ControlColors(id, colors);
}

bool CDvsCfgServer::OnEraseBkgnd(platform::Canvas& canvas) {
    return m_skinPage.EraseBackground(m_hWnd, canvas);
}

void CDvsCfgServer::PlaceControls() {
    for (const PlacedControl& control : kControls)
        ui::PlaceDlgItem(m_hWnd, control.id, PlacementKey(control), kSection,
                         ui::g_ResourcePaths.controlPosFile);
}

// Labels go to their own keys, then beside their controls unless the skin says otherwise,
// and take their captions.
void CDvsCfgServer::ApplyLabels() {
    const ui::ResourcePaths& paths = ui::g_ResourcePaths;
    for (const PlacedControl& control : kControls)
        if (control.labelId != 0)
            ui::PlaceDlgItem(m_hWnd, control.labelId, KeyOf(control.labelId), kSection,
                             paths.controlPosFile);
    m_bAlignLabels = ui::LabelsAligned(kSection, paths.controlPosFile);
    for (const PlacedControl& control : kControls) {
        if (control.labelId == 0) continue;
        platform::WindowHandle label = GetDlgItem(control.labelId);
        if (m_bAlignLabels)
            ui::AlignLabelLeft(label, PlacementKey(control), kSection, paths.controlPosFile,
                               ui::kLabelGap);
        System().SetText(
            label, ui::ReadIniText(paths.staticButtonTextFile, kSection, CaptionOf(control.labelId),
                                   "", ui::kCaptionCapacity));
    }
}

// The fixed lists; the DDNS types come from the device at every load.
void CDvsCfgServer::FillLists() {
    const std::string& texts = ui::g_ResourcePaths.staticButtonTextFile;
    auto add = [](ui::ComboBox& list, int value, const std::string& text) {
        list.SetItemData(list.AddString(text), value);
    };
    int value = 0;
    for (const char* standard : kVideoStandards) add(m_cmbVideoFormat, value++, standard);
    value = 0;
    for (const char* key : kDiskFullKeys)
        add(m_cmbDiskFull, value++,
            ui::ReadIniText(texts, kSection, key, "", ui::kCaptionCapacity));
    value = 0;
    for (const char* key : kLanguageKeys)
        add(m_cmbLanguage, value++,
            ui::ReadIniText(texts, kSection, key, "", ui::kCaptionCapacity));
}

void CDvsCfgServer::SetPppoeFieldsEnabled(int state) {
    m_nUsePppoe = state;
    for (int field : kPppoeFields) System().EnableWindow(GetDlgItem(field), state != 0);
}

void CDvsCfgServer::SetDdnsFieldsEnabled(int state) {
    m_nUseDdns = state;
    for (int field : kDdnsFields) System().EnableWindow(GetDlgItem(field), state != 0);
}

// The fields edited for the old type go into its entry before the new type's entry is shown.
void CDvsCfgServer::OnDdnsTypeChanged() {
    UpdateRecords(1, kKeepPreview);
    m_nDdnsType = m_cmbDdnsType.GetCurSel();
    UpdateRecords(0, kKeepPreview);
}

}  // namespace vela::pages
