// The PTZ page's window: placement, captions, fixed lists, the panels of the framed area and
// the motion buttons.
#include "pages/ptz/dvs_cfg_yt.h"

#include <algorithm>
#include <iterator>

#include "device/dvs_device.h"
#include "device/netsdk.h"
#include "pages/ptz/ptz_skin.h"
#include "pages/ptz/ptz_templates.h"
#include "platform/kernel.h"
#include "ui/data_exchange.h"
#include "ui/skin_values.h"
#include "ui/text_resources.h"

namespace vela::pages {

using namespace ptz;  // NOLINT(google-build-using-namespace): the page's own constants

namespace {

constexpr int kPlanButtonIds[] = {id::kPlanAdd, id::kPlanDelete, id::kPlanCopy};
constexpr int kPlanLabelIds[] = {label::kPlanPreset, label::kPlanCallTime, label::kPlanHour,
                                 label::kPlanMinute, label::kPlanCopyTo};

const MotionButton* FindMotionButton(int controlId) {
    for (const MotionButton& button : kMotionButtons)
        if (button.id == controlId) return &button;
    return nullptr;
}

}  // namespace

CDvsCfgYt::CDvsCfgYt()
    : CConsolePage(kPtzTemplate),
      m_strPresetFolder(::vela::ptz::PresetFolderPath(ui::g_ResourcePaths.hostFolder)),
      m_arrPresetImage(::vela::ptz::preset_image::kSize, 0),
      m_skinPage(std::vector<int>(std::begin(kLabelColourIds), std::end(kLabelColourIds))) {
    platform::CreateFolder(m_strPresetFolder);  // usually there already
    OnClicked(id::kAutoPre, [this] { SelectPanel(kPresetPanel); });
    OnClicked(id::kSchedule, [this] { SelectPanel(kPlanPanel); });
    OnClicked(id::kCurise, [this] { SelectPanel(kTourPanel); });
    OnClicked(id::kCopy, [this] { OnCopyToChannel(); });
    OnSelChange(id::kChannel, [this] { OnChannelChange(); });
    OnClicked(id::kPlanAdd, [this] {
        if (m_plan.Add()) StorePlan();
    });
    OnClicked(id::kPlanDelete, [this] {
        if (m_plan.Delete()) StorePlan();
    });
    OnClicked(id::kPlanCopy, [this] {
        if (m_plan.CopyDay()) StorePlan();
    });
}

CDvsCfgYt::~CDvsCfgYt() = default;

// UI thread.
bool CDvsCfgYt::OnInitDialog() {
    ui::Dialog::OnInitDialog();  // binds the widgets
    const ui::ResourcePaths& paths = ui::g_ResourcePaths;
    ui::LoadPageBackground(m_dibBackground, kPtzBackground, paths.languageFolder);
    ui::PlaceDialog(m_hWnd, ui::kDialogPositionKey, m_dibBackground, kPtzSection,
                    paths.controlPosFile);
    SetUpButtons();
    PlaceItems(*this, kPtzPlacedItems, std::size(kPtzPlacedItems));
    // The placeholder only gives the play window its place.
    System().ShowWindow(GetDlgItem(id::kPlayWnd), false);
    m_nChannelCount = std::clamp(Context().channelCount, 0, ::vela::ptz::kChannelCount);
    m_strAddress = Context().device ? Context().device->Address() : std::string();
    ApplyTexts();
    FillLists();
    m_plan.CreateColumns();
    LoadPresetFile(m_strAddress);
    CreatePanels();
    SelectPanel(kPresetPanel);
    return true;
}

void CDvsCfgYt::DoDataExchange(ui::DataExchange& dx) {
    ui::DdxControl(dx, id::kChannel, m_cmbChannel);
    ui::DdxControl(dx, id::kProtocol, m_cmbProtocol);
    ui::DdxControl(dx, id::kBaudRate, m_cmbBaudRate);
    ui::DdxControl(dx, id::kAddress, m_editAddress);
    ui::DdxControl(dx, id::kCopyTo, m_cmbCopyTo);
    ui::DdxControl(dx, id::kSpeed, m_cmbSpeed);
    m_plan.Bind(dx);
}

bool CDvsCfgYt::OnCtlColor(int id, platform::ControlColors& colors) {
    return m_skinPage.ControlColors(id, colors);
}

bool CDvsCfgYt::OnEraseBkgnd(platform::Canvas& canvas) {
    return m_skinPage.EraseBackground(m_hWnd, canvas);
}

void CDvsCfgYt::SetUpButtons() {
    for (int slot = 0; slot < kPtzButtonCount; ++slot)
        SetUpSkinButton(*this, m_arrButtons[static_cast<size_t>(slot)], kPtzButtons[slot]);
}

// Labels, the panel frame and the captions of the three panels.
void CDvsCfgYt::ApplyTexts() {
    ApplyLabels(*this, kPtzLabels, std::size(kPtzLabels));
    m_strPlanCaption = CaptionText(kPtzSection, kPlanCaptionKey);
    SetUpPanelFrame();
    m_strPresetCaption = CaptionText(kPresetCaptionSection, kPresetCaptionKey);
    m_strTourCaption = CaptionText(kTourCaptionSection, kTourCaptionKey);
}

void CDvsCfgYt::SetUpPanelFrame() {
    const ui::SkinSettings& skin = ui::g_SkinSettings;
    m_groupPanel.AttachToDialogItem(*this, id::kPanelFrame);
    ui::PlaceControl(m_groupPanel.GetSafeHwnd(), KeyOf(kPtzTemplate, id::kPanelFrame), kPtzSection,
                     ui::g_ResourcePaths.controlPosFile);
    platform::Font font;
    font.face = kFrameFontFace;
    font.height = kFrameFontHeight;
    font.weight = skin.buttonFontWeight;
    font.charset = kFrameFontCharSet;
    m_groupPanel.SetFont(&font);
    m_groupPanel.SetFrameStyle(ui::CSkinGroupBox::kFrameSingle);
    m_groupPanel.SetText(m_strPlanCaption, false);
    m_groupPanel.SetLineWidth(kFrameLineWidth);
    m_groupPanel.SetAlignment(ui::CSkinGroupBox::kAlignCentre);
    m_groupPanel.SetColors(skin.groupPrimaryColor, skin.groupHighlightColor, false);
    m_groupPanel.SetTextColor(skin.groupTextColor, false);
}

// The plan lists, the channels ("1" to "N", then "all" when there is one), the baud rates and
// the speeds; only the plan's day, hour, minute and preset lists start with a selection.
void CDvsCfgYt::FillLists() {
    m_plan.FillLists();
    for (int channel = 0; channel < m_nChannelCount; ++channel) {
        m_cmbChannel.SetItemData(m_cmbChannel.AddString(NumberText(channel + 1)), channel);
        m_cmbCopyTo.SetItemData(m_cmbCopyTo.AddString(NumberText(channel + 1)), channel);
    }
    if (m_nChannelCount >= 1) {
        m_cmbCopyTo.SetItemData(m_cmbCopyTo.AddString(ListText(kCopyToAllKey)), m_nChannelCount);
        m_nChannel = 0;
    }
    m_cmbChannel.SetCurSel(-1);
    m_cmbCopyTo.SetCurSel(-1);
    int rate = 0;
    for (const char* text : kBaudRates)
        m_cmbBaudRate.SetItemData(m_cmbBaudRate.AddString(text), rate++);
    m_cmbBaudRate.SetCurSel(-1);
    for (int speed = 1; speed <= kSpeedEntryCount; ++speed) m_cmbSpeed.AddString(NumberText(speed));
    m_cmbSpeed.SetCurSel(-1);
}

// The play window at the placeholder's key, then the two panel dialogs, hidden.
void CDvsCfgYt::CreatePanels() {
    if (m_wndPlay.Create(m_hWnd)) {
        ui::PlaceControl(m_wndPlay.GetSafeHwnd(), KeyOf(kPtzTemplate, id::kPlayWnd), kPtzSection,
                         ui::g_ResourcePaths.controlPosFile);
        m_wndPlay.ShowWindow(true);
    }
    m_dlgPreset.Create(m_hWnd);
    m_dlgTour.Create(m_hWnd);
}

// --- Panels -------------------------------------------------------------------------------

void CDvsCfgYt::SelectPanel(int panel) {
    ShowPanel(panel);
    if (panel == kPlanPanel) m_groupPanel.SetText(m_strPlanCaption, true);
    if (panel == kPresetPanel) {
        m_groupPanel.SetText(m_strPresetCaption, true);
        m_bPresetPanelVisited = true;
    }
    if (panel == kTourPanel) {
        m_groupPanel.SetText(m_strTourCaption, true);
        m_bTourPanelVisited = true;
    }
}

void CDvsCfgYt::ShowPanel(int panel) {
    if (panel == m_nPanel) return;
    SetPanelShown(m_nPanel, false);
    SetPanelShown(panel, true);
    m_nPanel = panel;
}

// Showing a dialog panel loads it from the table and hiding it stores it, so the table holds
// what a hidden panel showed.
void CDvsCfgYt::SetPanelShown(int panel, bool show) {
    switch (panel) {
        case kPlanPanel:
            m_plan.ShowControls(show);
            for (int button : kPlanButtonIds) System().ShowWindow(GetDlgItem(button), show);
            SetPlanLabelsShown(show);
            m_arrButtons[kSlotSchedule].SetCheckState(show ? 1 : 0);
            break;
        case kPresetPanel:
            m_dlgPreset.ExchangePresets(show ? 0 : 1);
            m_dlgPreset.ShowWindow(show);
            m_arrButtons[kSlotAutoPre].SetCheckState(show ? 1 : 0);
            SetPlanLabelsShown(!show);
            break;
        case kTourPanel:
            m_dlgTour.ExchangeTourGroup(show ? 0 : 1);
            m_dlgTour.ShowWindow(show);
            m_arrButtons[kSlotCurise].SetCheckState(show ? 1 : 0);
            SetPlanLabelsShown(!show);
            break;
        default:
            if (show) break;
            m_plan.ShowControls(false);
            for (int button : kPlanButtonIds) System().ShowWindow(GetDlgItem(button), false);
            m_dlgPreset.ShowWindow(false);
            m_dlgTour.ShowWindow(false);
            break;
    }
}

void CDvsCfgYt::SetPlanLabelsShown(bool show) {
    for (int label : kPlanLabelIds) System().ShowWindow(GetDlgItem(label), show);
}

// --- Motion buttons -------------------------------------------------------------------------

// Press and release of a motion button start and stop the camera; the message then goes on
// to the button. Enter, Escape, F4 and Alt combinations do nothing inside the page.
bool CDvsCfgYt::PreTranslateMessage(const platform::Event& event) {
    switch (event.kind) {
        case platform::EventKind::MouseDown:
        case platform::EventKind::MouseUp:
            if (System().GetParent(event.window) == m_hWnd)
                SendMotion(System().GetDlgCtrlID(event.window),
                           event.kind == platform::EventKind::MouseUp);
            return false;
        case platform::EventKind::SysKeyDown:
            return true;
        case platform::EventKind::KeyDown:
            return event.key == platform::kVkReturn || event.key == platform::kVkF4 ||
                   event.key == platform::kVkEscape;
        default:
            return false;
    }
}

// The speed is the chosen entry's position in steps of 32 (0 to 7); none chosen gives 0.
void CDvsCfgYt::SendMotion(int controlId, bool stop) {
    const MotionButton* button = FindMotionButton(controlId);
    if (!button || Context().loginHandle <= 0 || m_nChannel < 0) return;
    const int32_t speed = m_cmbSpeed.GetCurSel() / kSpeedEntriesPerStep;
    device::ProcessNetSdk().PtzControl(Context().loginHandle, m_nChannel, button->command,
                                       stop ? 1 : 0, speed);
}

}  // namespace vela::pages
