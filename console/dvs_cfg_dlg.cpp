#include "console/dvs_cfg_dlg.h"

#include "console/upgrade_relay.h"
#include "device/dvs_device.h"
#include "platform/kernel.h"
#include "platform/shell.h"
#include "resources/dialog_template.h"
#include "ui/placement.h"
#include "ui/skin_values.h"
#include "ui/text_resources.h"

namespace vela::console {

CDvsCfgDlg* g_pDvsCfgDlg = nullptr;

namespace {

constexpr char kCaptionSection[] = "DvsConfigDlg";  // StaticButtonText file
constexpr char kPositionSection[] = "DvsCfgDlg";    // ControlPos files
constexpr char kBackgroundName[] = "dvsconfigbkg";
constexpr char kWindowPositionFile[] = "ControlPos.ini";
constexpr char kBusyCursorFile[] = "hourglas.ani";
constexpr char kTopButtonBitmap[] = "mainTopBtn";
constexpr char kBottomButtonBitmap[] = "mainBottomBtn";
// The default erase of a dialog (the system's face colour) under the background picture.
constexpr platform::Color kDialogFace = platform::Rgb(240, 240, 240);

struct ButtonSpec {
    ButtonSlot slot;
    int id;
    const char* captionKey;
    bool big;  // page buttons: MainBig fonts and the top bitmap; actions: MainSmall, bottom
    const char* positionKey;
};

// Captions, fonts and bitmaps are set in this order ...
constexpr ButtonSpec kSetUpOrder[] = {
    {kBtnServer, 6001, "ButtonServer", true, "Server"},
    {kBtnChannel, 6002, "ButtonChannel", true, "Channel"},
    {kBtnPtz, 6003, "ButtonPTZ", true, "Yt"},
    {kBtnSensor, 6005, "ButtonSensor", true, "Sensor"},
    {kBtnAlarm, 6006, "ButtonAlarmSetup", true, "Alarm"},
    {kBtnExit, 6011, "ButtonExit", false, "Exit"},
    {kBtnUpgrade, 6008, "ButtonUpgrade", false, "Update"},
    {kBtnRestart, 6010, "ButtonRestart", false, "Restart"},
    {kBtnSave, 6009, "ButtonSave", false, "Save"},
    {kBtnTimeAdjust, 6007, "ButtonTimeAdjust", false, "CheckTime"},
    {kBtnIESetup, 4004, "ButtonIESetup", false, "IESetup"},
};
// ... and placed in this one.
constexpr ButtonSlot kPlaceOrder[] = {kBtnExit,       kBtnUpgrade, kBtnRestart, kBtnSave,
                                      kBtnTimeAdjust, kBtnIESetup, kBtnServer,  kBtnChannel,
                                      kBtnPtz,        kBtnSensor,  kBtnAlarm};

const ButtonSpec& SpecOf(ButtonSlot slot) {
    for (const ButtonSpec& entry : kSetUpOrder)
        if (entry.slot == slot) return entry;
    return kSetUpOrder[0];
}

// The button of each page, by page number - 1.
constexpr ButtonSlot kPageButtons[kPageCount] = {kBtnServer, kBtnChannel, kBtnPtz, kBtnSensor,
                                                 kBtnAlarm};

// Serialises the player library's draw callback against the console's window going away.
platform::Lock& DrawLock() {
    static platform::Lock* lock = new platform::Lock();
    return *lock;
}

}  // namespace

CDvsCfgDlg::CDvsCfgDlg(device::CDvsDevice* device)
    : Dialog(resources::kConsoleDialogId),
      m_ChannelPage(resources::kChannelPageId),
      m_PtzPage(resources::kPtzPageId),
      m_SensorPage(resources::kSensorPageId),
      m_AlarmPage(resources::kAlarmPageId),
      m_pDevice(device),
      m_openUrl([](const std::string& url) { platform::OpenUrl(url); }) {
    for (const ButtonSpec& entry : kSetUpOrder) {
        switch (entry.slot) {
            case kBtnServer:
                OnClicked(entry.id, [this] { OnPageButton(kServerPage); });
                break;
            case kBtnChannel:
                OnClicked(entry.id, [this] { OnPageButton(kChannelPage); });
                break;
            case kBtnPtz:
                OnClicked(entry.id, [this] { OnPageButton(kPtzPage); });
                break;
            case kBtnSensor:
                OnClicked(entry.id, [this] {
                    if (m_nAlarmInputCount > 0) OnPageButton(kSensorPage);
                });
                break;
            case kBtnAlarm:
                OnClicked(entry.id, [this] { OnPageButton(kAlarmPage); });
                break;
            case kBtnExit:
                OnClicked(entry.id, [this] { OnExit(); });
                break;
            case kBtnUpgrade:
                OnClicked(entry.id, [this] { OnUpgrade(); });
                break;
            case kBtnRestart:
                OnClicked(entry.id, [this] { OnRestart(); });
                break;
            case kBtnSave:
                OnClicked(entry.id, [this] { OnSave(); });
                break;
            case kBtnTimeAdjust:
                OnClicked(entry.id, [this] { OnTimeAdjust(); });
                break;
            case kBtnIESetup:
                OnClicked(entry.id, [this] { OnIESetup(); });
                break;
            default:
                break;
        }
    }
}

CDvsCfgDlg::~CDvsCfgDlg() {
    // A console whose window never existed (or is gone) is withdrawn here too.
    platform::LockGuard guard(DrawLock());
    if (g_pDvsCfgDlg == this) g_pDvsCfgDlg = nullptr;
}

pages::CConsolePage* CDvsCfgDlg::Page(int page) {
    switch (page) {
        case kServerPage:
            return &m_ServerPage;
        case kChannelPage:
            return &m_ChannelPage;
        case kPtzPage:
            return &m_PtzPage;
        case kSensorPage:
            return &m_SensorPage;
        case kAlarmPage:
            return &m_AlarmPage;
        default:
            return nullptr;
    }
}

bool CDvsCfgDlg::PageVisited(int page) const {
    return page >= kServerPage && page <= kAlarmPage && m_PageVisited[page - 1];
}

bool CDvsCfgDlg::OnInitDialog() {
    const ui::ResourcePaths& paths = ui::g_ResourcePaths;
    ui::LoadPageBackground(m_Background, kBackgroundName, paths.languageFolder);
    SetUpButtons();
    if (m_pDevice) {
        m_nChannelCount = m_pDevice->ChannelCount();
        m_nAlarmInputCount = m_pDevice->AlarmInputCount();
        m_hLogin = m_pDevice->LoginHandle();
    }
    PlaceWindow();
    m_UpgradeToken = RegisterUpgradeWindow(m_hWnd);
    CreatePages();

    ShowPage(kServerPage, 1);
    m_PageVisited[kServerPage - 1] = true;
    if (m_pDevice) m_pDevice->TakeSnapshot();
    ShowPage(kNoPage, 0);
    ShowPage(kServerPage, 1);

    m_hBusyCursor = System().LoadAnimatedCursor(paths.languageFolder + kBusyCursorFile);
    if (!m_hBusyCursor) m_hBusyCursor = System().GetStandardCursor(platform::StandardCursor::Wait);

    // Only a whole console reaches the draw callback: its pages exist and one is shown.
    platform::LockGuard guard(DrawLock());
    m_nCurrentPage = kServerPage;
    g_pDvsCfgDlg = this;
    return true;
}

void CDvsCfgDlg::SetUpButtons() {
    const ui::ResourcePaths& paths = ui::g_ResourcePaths;
    const ui::SkinSettings& skin = ui::g_SkinSettings;
    for (const ButtonSpec& entry : kSetUpOrder) {
        ui::CSkinButton& button = m_Buttons[entry.slot];
        button.AttachToDialogItem(*this, entry.id);
        ui::LoadButtonBitmaps(button, entry.big ? kTopButtonBitmap : kBottomButtonBitmap,
                              paths.languageFolder);
        const std::string caption = ui::ReadIniText(paths.staticButtonTextFile, kCaptionSection,
                                                    entry.captionKey, "", ui::kCaptionCapacity);
        if (entry.big) {
            button.SetTextFont(skin.mainBigButtonFontHeight, skin.mainBigButtonFontWidth,
                               skin.buttonFontName, skin.mainBigButtonTextColor,
                               skin.mainBigButtonDownTextColor, skin.buttonCharSet,
                               skin.buttonFontWeight);
        } else {
            button.SetTextFont(skin.mainSmallButtonFontHeight, skin.mainSmallButtonFontWidth,
                               skin.buttonFontName, skin.mainSmallButtonTextColor,
                               skin.mainSmallButtonDownTextColor, skin.buttonCharSet,
                               skin.buttonFontWeight);
        }
        button.SetWindowText(caption);
    }
    for (ButtonSlot slot : kPlaceOrder)
        ui::PlaceButton(m_Buttons[slot], SpecOf(slot).positionKey, kPositionSection,
                        paths.controlPosFile);
}

// Left and top from the skin folder's own ControlPos file, the size of the background.
void CDvsCfgDlg::PlaceWindow() {
    const std::string file = ui::g_ResourcePaths.languageFolder + kWindowPositionFile;
    const ui::Rect position = ui::ReadIniRect(kPositionSection, ui::kDialogPositionKey, file);
    m_rcDialog = {position.left, position.top, position.left + m_Background.Width(),
                  position.top + m_Background.Height()};
    MoveWindow(m_rcDialog, true);
}

void CDvsCfgDlg::CreatePages() {
    pages::PageContext context;
    context.device = m_pDevice;
    context.loginHandle = m_hLogin;
    context.channelCount = m_nChannelCount;
    context.alarmInputCount = m_nAlarmInputCount;
    for (int page = kServerPage; page <= kAlarmPage; ++page) {
        Page(page)->SetContext(context);
        Page(page)->Create(m_hWnd);
    }
}

void CDvsCfgDlg::ShowPage(int page, int show) {
    pages::CConsolePage* target = Page(page);
    if (!target) {
        for (int each = kServerPage; each <= kAlarmPage; ++each) {
            Page(each)->ShowWindow(show != 0);
            m_Buttons[kPageButtons[each - 1]].SetCheckState(show ? 1 : 0);
        }
        return;
    }
    target->UpdateRecords(show ? 0 : 1, show ? pages::kKeepPreview : pages::kStopPreview);
    target->ShowWindow(show != 0);
    m_Buttons[kPageButtons[page - 1]].SetCheckState(show ? 1 : 0);
}

void CDvsCfgDlg::SwitchTo(int page) {
    if (page == m_nCurrentPage) return;
    ShowPage(m_nCurrentPage, 0);
    ShowPage(page, 1);
    platform::LockGuard guard(DrawLock());
    m_nCurrentPage = page;
}

void CDvsCfgDlg::OnPageButton(int page) {
    if (page == m_nCurrentPage) return;
    m_PageVisited[page - 1] = true;
    SwitchTo(page);
}

void CDvsCfgDlg::BeginBusy() {
    System().SetCursor(m_hBusyCursor);
}

void CDvsCfgDlg::EndBusy() {
    System().SetCursor(System().GetStandardCursor(platform::StandardCursor::Arrow));
}

void CDvsCfgDlg::EnableButtons(bool enable) {
    for (ui::CSkinButton& button : m_Buttons) button.EnableWindow(enable);
}

void CDvsCfgDlg::OnExit() {
    if (m_pDevice) m_pDevice->Logout();
    PostMessage(platform::kWmClose);
}

void CDvsCfgDlg::ShowMotionAlarm(int /*channel*/, int /*state*/) {
    // The Alarm page's place holds a pending page, which has no motion display: the state
    // shows once the Alarm page is built.
}

bool CDvsCfgDlg::OnEraseBkgnd(platform::Canvas& canvas) {
    canvas.FillRect(GetClientRect(), kDialogFace);
    m_Background.Draw(canvas, 0, 0);
    return true;
}

bool CDvsCfgDlg::OnLButtonDown(platform::Point /*point*/) {
    System().BeginMoveByPress(m_hWnd);
    return true;
}

// Neither the draw callback nor an upgrade message may reach a page or a console window that
// is going away, whichever order the window system destroys them in.
void CDvsCfgDlg::Withdraw() {
    UnregisterUpgradeWindow(m_UpgradeToken);
    m_UpgradeToken = 0;
    platform::LockGuard guard(DrawLock());
    if (g_pDvsCfgDlg == this) g_pDvsCfgDlg = nullptr;
}

void CDvsCfgDlg::OnOK() {
    Withdraw();
    Dialog::OnOK();
}

void CDvsCfgDlg::OnCancel() {
    Withdraw();
    Dialog::OnCancel();
}

void CDvsCfgDlg::OnDestroy() {
    Withdraw();
    for (int page = kServerPage; page <= kAlarmPage; ++page) Page(page)->DestroyWindow();
    m_pDevice = nullptr;
}

void VELA_STDCALL CDvsCfgDlg::DrawCallback(int32_t /*port*/, void* deviceContext, uintptr_t user) {
    if (!deviceContext) return;
    platform::LockGuard guard(DrawLock());
    CDvsCfgDlg* console = g_pDvsCfgDlg;
    if (!console) return;
    if (console->m_nCurrentPage == kChannelPage || console->m_nCurrentPage == kAlarmPage)
        console->Page(console->m_nCurrentPage)->DrawHook(deviceContext, user);
}

}  // namespace vela::console
