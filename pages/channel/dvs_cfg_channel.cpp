// The Channel page's window: placement, captions, skin buttons, the schedule's group box,
// the fixed lists, the play window and the message map. UI thread, except DrawHook.
#include "pages/channel/dvs_cfg_channel.h"

#include <algorithm>
#include <vector>

#include "device/dvs_device.h"
#include "pages/channel/channel_records.h"
#include "ui/data_exchange.h"
#include "ui/skin_values.h"
#include "ui/text_resources.h"

namespace vela::pages {

using namespace channel;  // NOLINT(google-build-using-namespace): the page's own constants

namespace {

const resources::ControlTemplate* Row(int controlId) {
    return resources::FindControl(kChannelTemplate, controlId);
}
const char* KeyOf(int controlId) {
    const resources::ControlTemplate* row = Row(controlId);
    return row ? row->key : "";
}
const char* CaptionOf(int controlId) {
    const resources::ControlTemplate* row = Row(controlId);
    return row ? row->caption : "";
}

// The inventory in placement order: the period rows follow "RecWeek", the type columns'
// labels stand above the first row.
std::vector<PlacedControl> PlacementOrder() {
    std::vector<PlacedControl> order;
    for (const PlacedControl& control : kControls) {
        order.push_back(control);
        if (control.id != id::kDay) continue;
        for (int row = 0; row < kPeriodRows; ++row) {
            const PeriodControls& period = kPeriods[row];
            const bool first = row == 0;
            order.push_back({period.start, period.startLabel, Align::kLeft});
            order.push_back({period.stop, period.stopLabel, Align::kLeft});
            order.push_back({period.normal, first ? kNormalLabel : 0, Align::kAbove});
            order.push_back({period.alarm, first ? kAlarmLabel : 0, Align::kAbove});
            order.push_back({period.motion, first ? kMotionLabel : 0, Align::kAbove});
        }
    }
    return order;
}

// The labels, check boxes, radio buttons and the preview frame take the label colours.
std::vector<int> LabelIds() {
    std::vector<int> ids{id::kPreviewFrame};
    for (const PlacedControl& control : PlacementOrder()) {
        if (control.labelId != 0) ids.push_back(control.labelId);
        const resources::ControlTemplate* row = Row(control.id);
        if (row && (row->kind == resources::ControlKind::CheckBox ||
                    row->kind == resources::ControlKind::RadioButton))
            ids.push_back(control.id);
    }
    return ids;
}

std::string Number(int value) {
    return std::to_string(value);
}

}  // namespace

CDvsCfgChannel::CDvsCfgChannel() : CConsolePage(kChannelTemplate), m_skinPage(LabelIds()) {
    OnSelChange(id::kChannel,
                [this] { ShowOther(m_nChannel, m_cmbChannel.GetCurSel(), kStopPreview); });
    OnClicked(id::kMainStream, [this] { OnStreamClicked(0); });
    OnClicked(id::kSubStream, [this] { OnStreamClicked(1); });
    OnClicked(id::kVideo, [this] { OnVideoClicked(); });
    OnClicked(id::kAudio, [this] { m_nAudio = m_chkAudio.GetCheck(); });
    OnClicked(id::kTimeTitle, [this] { EnableTitleFields(); });
    OnClicked(id::kNameTitle, [this] { EnableTitleFields(); });
    OnClicked(id::kCover, [this] { m_wndPlay.EnableRectEdit(m_chkCover.GetCheck() != 0, false); });
    OnSelChange(id::kDay, [this] { ShowOther(m_nDay, m_cmbDay.GetCurSel(), kKeepPreview); });
    for (int list :
         {id::kResolution, id::kBitRateControl, id::kQuality, id::kFrameRate, id::kInterval})
        OnSelChange(list, [this] { StoreAndLoad(); });
    OnEditChange(id::kName, [this] { m_strName = System().GetText(GetDlgItem(id::kName)); });
    OnClicked(id::kCopyChannelButton, [this] { OnCopyToChannel(); });
    OnClicked(id::kCopyDayButton, [this] { OnCopyToDay(); });
}

CDvsCfgChannel::~CDvsCfgChannel() = default;

bool CDvsCfgChannel::OnInitDialog() {
    ui::Dialog::OnInitDialog();  // binds the widgets
    const ui::ResourcePaths& paths = ui::g_ResourcePaths;
    Records records;
    const bool hasRecords = GetRecords(records);
    m_bNtsc = hasRecords && IsNtsc(records.general);
    for (int k = 0; k < kResolutionCount; ++k)
        m_arrResolutionNames[k] = ListText("Resolution" + Number(k));
    ui::LoadPageBackground(m_dibBackground, kBackgroundName, paths.languageFolder);
    ui::PlaceDialog(m_hWnd, ui::kDialogPositionKey, m_dibBackground, kSection,
                    paths.controlPosFile);
    SetUpButtons();
    PlaceControls();
    m_nChannelCount = std::clamp(Context().channelCount, 0, kCapacityChannelMax);
    m_bSubStreamBudget = Context().device && Context().device->StreamType() != 0;
    ApplyLabels();
    SetUpScheduleBox();
    FillLists();
    System().LimitText(GetDlgItem(id::kName), kNameEditLimit);
    m_nChannel = 0;
    m_nDay = 0;
    for (int row = 0; row < kPeriodRows; ++row) {
        m_arrStart[row].SetFormat(kTimeFormat);
        m_arrStop[row].SetFormat(kTimeFormat);
    }
    CreatePlayWindow();
    for (int unused : kUnusedControls) System().ShowWindow(GetDlgItem(unused), false);
    return true;
}

void CDvsCfgChannel::DoDataExchange(ui::DataExchange& dx) {
    ui::DdxControl(dx, id::kChannel, m_cmbChannel);
    ui::DdxControl(dx, id::kCopyToChannel, m_cmbCopyToChannel);
    ui::DdxControl(dx, id::kFrameRate, m_cmbFrameRate);
    ui::DdxControl(dx, id::kQuality, m_cmbQuality);
    ui::DdxControl(dx, id::kInterval, m_cmbInterval);
    ui::DdxControl(dx, id::kResolution, m_cmbResolution);
    ui::DdxControl(dx, id::kBitRateControl, m_cmbBitRateControl);
    ui::DdxControl(dx, id::kBitRate, m_cmbBitRate);
    ui::DdxControl(dx, id::kDateFormat, m_cmbDateFormat);
    ui::DdxControl(dx, id::kDay, m_cmbDay);
    ui::DdxControl(dx, id::kCopyToDay, m_cmbCopyToDay);
    ui::DdxControl(dx, id::kPreRecord, m_cmbPreRecord);
    ui::DdxControl(dx, id::kMainStream, m_radMain);
    ui::DdxControl(dx, id::kSubStream, m_radSub);
    ui::DdxControl(dx, id::kVideo, m_chkVideo);
    ui::DdxControl(dx, id::kAudio, m_chkAudio);
    ui::DdxControl(dx, id::kTimeTitle, m_chkTimeTitle);
    ui::DdxControl(dx, id::kNameTitle, m_chkNameTitle);
    ui::DdxControl(dx, id::kCover, m_chkCover);
    for (int row = 0; row < kPeriodRows; ++row) {
        ui::DdxControl(dx, kPeriods[row].start, m_arrStart[row]);
        ui::DdxControl(dx, kPeriods[row].stop, m_arrStop[row]);
        ui::DdxControl(dx, kPeriods[row].normal, m_arrNormal[row]);
        ui::DdxControl(dx, kPeriods[row].alarm, m_arrAlarm[row]);
        ui::DdxControl(dx, kPeriods[row].motion, m_arrMotion[row]);
    }

    // Check boxes first: a refused number stops the exchange, and the flags decide what the
    // store writes.
    ui::DdxText(dx, id::kName, m_strName);
    ui::DdxCheck(dx, id::kVideo, m_nVideo);
    ui::DdxCheck(dx, id::kAudio, m_nAudio);
    ui::DdxCheck(dx, id::kTimeTitle, m_nTimeTitle);
    ui::DdxCheck(dx, id::kNameTitle, m_nNameTitle);
    ui::DdxCheck(dx, id::kCover, m_nCover);
    ui::DdxText(dx, id::kTimeX, m_nTimeX);
    ui::DdxText(dx, id::kTimeY, m_nTimeY);
    ui::DdxText(dx, id::kNameX, m_nNameX);
    ui::DdxText(dx, id::kNameY, m_nNameY);
}

bool CDvsCfgChannel::OnCtlColor(int id, platform::ControlColors& colors) {
    return m_skinPage.ControlColors(id, colors);
}

bool CDvsCfgChannel::OnEraseBkgnd(platform::Canvas& canvas) {
    return m_skinPage.EraseBackground(m_hWnd, canvas);
}

// The console stops the preview before it destroys its pages; a page used on its own stops
// the one it started here, while its play window still exists.
void CDvsCfgChannel::OnDestroy() {
    StopPreview();
}

void CDvsCfgChannel::DrawHook(void* deviceContext, uintptr_t /*user*/) {
    m_wndPlay.DrawOverlay(deviceContext, ui::kDrawRectangle, this);
}

void CDvsCfgChannel::PlaceControls() {
    for (const PlacedControl& control : PlacementOrder())
        ui::PlaceDlgItem(m_hWnd, control.id, KeyOf(control.id), kSection,
                         ui::g_ResourcePaths.controlPosFile);
}

// "NormalBtn" pictures, placed by their keys, with the captions in the Other button font.
void CDvsCfgChannel::SetUpButtons() {
    const ui::ResourcePaths& paths = ui::g_ResourcePaths;
    const ui::SkinSettings& skin = ui::g_SkinSettings;
    for (size_t i = 0; i < kSkinButtonCount; ++i) {
        ui::CSkinButton& button = m_arrSkinButtons[i];
        button.AttachToDialogItem(*this, kSkinButtons[i]);
        ui::LoadButtonBitmaps(button, kButtonBitmap, paths.languageFolder);
        ui::PlaceButton(button, KeyOf(kSkinButtons[i]), kSection, paths.controlPosFile);
        button.SetTextFont(skin.otherButtonFontHeight, skin.otherButtonFontWidth,
                           skin.buttonFontName, skin.otherButtonTextColor,
                           skin.otherButtonDownTextColor, skin.buttonCharSet,
                           skin.buttonFontWeight);
        button.SetWindowText(ui::ReadIniText(paths.staticButtonTextFile, kSection,
                                             CaptionOf(kSkinButtons[i]), "", ui::kCaptionCapacity));
    }
}

// Labels go to their own keys, then beside their controls unless the skin says otherwise,
// and take their captions.
void CDvsCfgChannel::ApplyLabels() {
    const ui::ResourcePaths& paths = ui::g_ResourcePaths;
    const std::vector<PlacedControl> order = PlacementOrder();
    for (const PlacedControl& control : order)
        if (control.labelId != 0)
            ui::PlaceDlgItem(m_hWnd, control.labelId, KeyOf(control.labelId), kSection,
                             paths.controlPosFile);
    const bool align = ui::LabelsAligned(kSection, paths.controlPosFile);
    for (const PlacedControl& control : order) {
        if (control.labelId == 0) continue;
        platform::WindowHandle label = GetDlgItem(control.labelId);
        const char* key = KeyOf(control.id);
        if (align) {
            const std::string& file = paths.controlPosFile;
            if (control.align == Align::kLeft)
                ui::AlignLabelLeft(label, key, kSection, file, ui::kLabelGap);
            else if (control.align == Align::kRight)
                ui::AlignLabelRight(label, key, kSection, file, ui::kLabelGap);
            else
                ui::AlignLabelAbove(label, key, kSection, file, ui::kLabelGap);
        }
        System().SetText(
            label, ui::ReadIniText(paths.staticButtonTextFile, kSection, CaptionOf(control.labelId),
                                   "", ui::kCaptionCapacity));
    }
}

void CDvsCfgChannel::SetUpScheduleBox() {
    const ui::SkinSettings& skin = ui::g_SkinSettings;
    constexpr int kTenPoints = 100;  // tenths of a point
    m_grpSchedule.AttachToDialogItem(*this, id::kSchedule);
    platform::Font font;
    font.face = "System";
    font.height = kTenPoints;
    font.weight = skin.buttonFontWeight;
    m_grpSchedule.SetFont(&font);
    m_grpSchedule.SetFrameStyle(ui::CSkinGroupBox::kFrameSingle);
    m_grpSchedule.SetText(ui::ReadIniText(ui::g_ResourcePaths.staticButtonTextFile, kSection,
                                          CaptionOf(id::kSchedule), "", ui::kCaptionCapacity),
                          false);
    m_grpSchedule.SetLineWidth(2);
    m_grpSchedule.SetAlignment(ui::CSkinGroupBox::kAlignCentre);
    m_grpSchedule.SetColors(skin.groupPrimaryColor, skin.groupHighlightColor, false);
    m_grpSchedule.SetTextColor(skin.groupTextColor, false);
}

std::string CDvsCfgChannel::ListText(const std::string& key) const {
    return ui::ReadIniText(ui::g_ResourcePaths.textResFile, kListTextSection, key, "",
                           ui::kListEntryCapacity);
}

// The fixed lists; "Resolution", "FPS" and "StreamValue" follow the capacity at every load.
void CDvsCfgChannel::FillLists() {
    auto add = [](ui::ComboBox& list, const std::string& text, int value) {
        list.SetItemData(list.AddString(text), value);
    };
    for (int channel = 0; channel < m_nChannelCount; ++channel) {
        add(m_cmbChannel, Number(channel + 1), channel);
        add(m_cmbCopyToChannel, Number(channel + 1), channel);
    }
    add(m_cmbCopyToChannel, ListText("CmbCopyOtherAll"), m_nChannelCount);
    for (int quality = kQualityFirst; quality <= kQualityLast; ++quality)
        add(m_cmbQuality, ListText("ChannelPicq" + Number(quality)), quality);
    for (int interval = kIntervalFirst; interval <= kIntervalLast; ++interval)
        add(m_cmbInterval, Number(interval), interval);
    add(m_cmbBitRateControl, ListText("ChannelPicm1"), 0);
    add(m_cmbBitRateControl, ListText("ChannelPicm2"), 1);
    int format = 0;
    for (const char* text : kDateFormats) add(m_cmbDateFormat, text, format++);
    add(m_cmbPreRecord,
        ui::ReadIniText(ui::g_ResourcePaths.textResFile, kListTextSection, "NoPreRecord",
                        kNoPreRecordDefault, ui::kListEntryCapacity),
        0);
    for (int seconds = 1; seconds <= kPreRecordLast; ++seconds)
        add(m_cmbPreRecord, Number(seconds), seconds);
    for (int day = 0; day <= kAllDaysEntry; ++day) {
        if (day < kDayCount) add(m_cmbDay, ListText("week" + Number(day)), day);
        add(m_cmbCopyToDay, ListText("week" + Number(day)), day);
    }
}

// The picture's size is the 8192 scale of the titles and the cover.
void CDvsCfgChannel::CreatePlayWindow() {
    if (!m_wndPlay.Create(m_hWnd)) return;
    ui::PlaceControl(m_wndPlay.GetSafeHwnd(), kPlayWindowKey, kSection,
                     ui::g_ResourcePaths.controlPosFile);
    m_wndPlay.ShowWindow(true);
    const platform::Rect client = m_wndPlay.GetClientRect();
    m_nPictureWidth = client.Width();
    m_nPictureHeight = client.Height();
}

}  // namespace vela::pages
