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

CDvsCfgServer::CDvsCfgServer() : CConsolePage(kServerTemplate), m_skin(LabelIds()) {
    OnClicked(id::kUsePppoe, [this] { SetPppoeFieldsEnabled(m_usePppoeCheck.GetCheck()); });
    OnClicked(id::kUseDdns, [this] { SetDdnsFieldsEnabled(m_useDdnsCheck.GetCheck()); });
    OnClicked(id::kAnonymity, [this] { UpdateData(true); });
    OnSelChange(id::kDdnsType, [this] { OnDdnsTypeChanged(); });
}

// UI thread.
bool CDvsCfgServer::OnInitDialog() {
    ui::Dialog::OnInitDialog();  // binds the widgets
    const ui::ResourcePaths& paths = ui::g_ResourcePaths;
    ui::LoadPageBackground(m_background, kBackgroundName, paths.languageFolder);
    ui::PlaceDialog(m_hWnd, ui::kDialogPositionKey, m_background, kSection, paths.controlPosFile);
    PlaceControls();
    ApplyLabels();
    FillLists();
    m_ddnsType = 0;
    for (int field : kReadOnlyFields) System().EnableWindow(GetDlgItem(field), false);
    return true;
}

void CDvsCfgServer::DoDataExchange(ui::DataExchange& dx) {
    ui::DdxControl(dx, id::kAddress, m_address);
    ui::DdxControl(dx, id::kMask, m_mask);
    ui::DdxControl(dx, id::kGateway, m_gateway);
    ui::DdxControl(dx, id::kPppoeAddress, m_pppoeAddress);
    ui::DdxControl(dx, id::kDdnsAddress, m_ddnsAddress);
    ui::DdxControl(dx, id::kVideoFormat, m_videoFormat);
    ui::DdxControl(dx, id::kDiskFull, m_diskFull);
    ui::DdxControl(dx, id::kLanguage, m_language);
    ui::DdxControl(dx, id::kDdnsType, m_ddnsTypeList);
    ui::DdxControl(dx, id::kUsePppoe, m_usePppoeCheck);
    ui::DdxControl(dx, id::kUseDdns, m_useDdnsCheck);
    ui::DdxControl(dx, id::kAnonymity, m_anonymityCheck);

    ui::DdxText(dx, id::kHostName, m_hostName);
    ui::DdxText(dx, id::kTcpPort, m_tcpPort);
    ui::DdxText(dx, id::kSoftwareVersion, m_softwareVersion);
    ui::DdxText(dx, id::kBuildDate, m_buildDate);
    ui::DdxText(dx, id::kSerial, m_serial);
    ui::DdxCheck(dx, id::kUsePppoe, m_usePppoe);
    ui::DdxText(dx, id::kPppoePort, m_pppoePort);
    ui::DdxText(dx, id::kPppoeUser, m_pppoeUser);
    ui::DdxText(dx, id::kPppoePassword, m_pppoePassword);
    ui::DdxCheck(dx, id::kAnonymity, m_anonymity);
    ui::DdxText(dx, id::kUser, m_user);
    ui::DdxText(dx, id::kPassword, m_password);
    ui::DdxText(dx, id::kHttpPort, m_httpPort);
    ui::DdxText(dx, id::kMac, m_mac);
    ui::DdxText(dx, id::kDeviceName, m_deviceName);
    ui::DdxCheck(dx, id::kUseDdns, m_useDdns);
    ui::DdxText(dx, id::kDdnsPort, m_ddnsPort);
    ui::DdxText(dx, id::kDdnsUser, m_ddnsUser);
    ui::DdxText(dx, id::kDdnsPassword, m_ddnsPassword);
}

bool CDvsCfgServer::OnCtlColor(int id, platform::ControlColors& colors) {
    return m_skin.ControlColors(id, colors);
}

bool CDvsCfgServer::OnEraseBkgnd(platform::Canvas& canvas) {
    return m_skin.EraseBackground(m_hWnd, canvas);
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
    m_alignLabels = ui::LabelsAligned(kSection, paths.controlPosFile);
    for (const PlacedControl& control : kControls) {
        if (control.labelId == 0) continue;
        platform::WindowHandle label = GetDlgItem(control.labelId);
        if (m_alignLabels)
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
    for (const char* standard : kVideoStandards) add(m_videoFormat, value++, standard);
    value = 0;
    for (const char* key : kDiskFullKeys)
        add(m_diskFull, value++, ui::ReadIniText(texts, kSection, key, "", ui::kCaptionCapacity));
    value = 0;
    for (const char* key : kLanguageKeys)
        add(m_language, value++, ui::ReadIniText(texts, kSection, key, "", ui::kCaptionCapacity));
}

void CDvsCfgServer::SetPppoeFieldsEnabled(int state) {
    m_usePppoe = state;
    for (int field : kPppoeFields) System().EnableWindow(GetDlgItem(field), state != 0);
}

void CDvsCfgServer::SetDdnsFieldsEnabled(int state) {
    m_useDdns = state;
    for (int field : kDdnsFields) System().EnableWindow(GetDlgItem(field), state != 0);
}

// The fields edited for the old type go into its entry before the new type's entry is shown.
void CDvsCfgServer::OnDdnsTypeChanged() {
    UpdateRecords(1, kKeepPreview);
    m_ddnsType = m_ddnsTypeList.GetCurSel();
    UpdateRecords(0, kKeepPreview);
}

}  // namespace vela::pages
