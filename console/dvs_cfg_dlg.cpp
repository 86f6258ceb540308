#include "console/dvs_cfg_dlg.h"

#include "device/dvs_device.h"
#include "platform/kernel.h"
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

// A button's caption key and position key, from its row of the console's template.
const resources::ControlTemplate& ButtonRow(int id) {
    static const resources::ControlTemplate kMissing{};
    const resources::ControlTemplate* row =
        resources::FindControl(*resources::FindDialogTemplate(resources::kConsoleDialogId), id);
    return row ? *row : kMissing;
}

}  // namespace

CDvsCfgDlg::CDvsCfgDlg(device::CDvsDevice* device)
    : Dialog(resources::kConsoleDialogId), m_pDevice(device) {
    for (const PageRow& row : kPageTable) {
        m_arrPages[row.number - 1] = MakePage(row);
        OnClicked(row.buttonId, [this, &row] {
            if (!row.needsAlarmInputs || m_nAlarmInputCount > 0) OnPageButton(row.number);
        });
    }
    for (const ActionButton& action : kActionButtons) {
        switch (action.slot) {
            case kBtnExit:
                OnClicked(action.id, [this] { OnExit(); });
                break;
            case kBtnUpgrade:
                OnClicked(action.id, [this] { m_maintenance.OnUpgrade(); });
                break;
            case kBtnRestart:
                OnClicked(action.id, [this] { m_maintenance.OnRestart(); });
                break;
            case kBtnSave:
                OnClicked(action.id, [this] { m_maintenance.OnSave(); });
                break;
            case kBtnTimeAdjust:
                OnClicked(action.id, [this] { m_maintenance.OnTimeAdjust(); });
                break;
            case kBtnIESetup:
                OnClicked(action.id, [this] { m_maintenance.OnIESetup(); });
                break;
            default:
                break;
        }
    }
}

CDvsCfgDlg::~CDvsCfgDlg() {
    // A console whose window never existed (or is gone) is withdrawn here too.
    Withdraw();
}

pages::CConsolePage* CDvsCfgDlg::Page(int page) {
    return FindPageRow(page) ? m_arrPages[page - 1].get() : nullptr;
}

pages::CDvsCfgServer& CDvsCfgDlg::ServerPage() {
    return static_cast<pages::CDvsCfgServer&>(*m_arrPages[kServerPage - 1]);
}

bool CDvsCfgDlg::PageVisited(int page) const {
    return FindPageRow(page) && m_arrPageVisited[page - 1];
}

bool CDvsCfgDlg::OnInitDialog() {
    const ui::ResourcePaths& paths = ui::g_ResourcePaths;
    ui::LoadPageBackground(m_dibBackground, kBackgroundName, paths.languageFolder);
    SetUpButtons();
    if (m_pDevice) {
        m_nChannelCount = m_pDevice->ChannelCount();
        m_nAlarmInputCount = m_pDevice->AlarmInputCount();
        m_hLogin = m_pDevice->LoginHandle();
    }
    PlaceWindow();
    m_maintenance.Attach();
    CreatePages();

    ShowPage(kServerPage, 1);
    m_arrPageVisited[kServerPage - 1] = true;
    if (m_pDevice) m_pDevice->TakeSnapshot();
    ShowPage(kNoPage, 0);
    ShowPage(kServerPage, 1);

    m_hBusyCursor = System().LoadAnimatedCursor(paths.languageFolder + kBusyCursorFile);
    if (!m_hBusyCursor) m_hBusyCursor = System().GetStandardCursor(platform::StandardCursor::Wait);

    // Only a whole console reaches the draw callback: its pages exist and one is shown.
    {
        preview::DrawLockGuard guard;
        m_nCurrentPage = kServerPage;
        g_pDvsCfgDlg = this;
    }
    preview::SetDrawTarget(this);
    return true;
}

// Captions, fonts and bitmaps: the page buttons (MainBig fonts, top bitmap), then the actions
// (MainSmall, bottom); placed the other way round, actions first.
void CDvsCfgDlg::SetUpButtons() {
    for (const PageRow& row : kPageTable) SetUpButton(row.button, row.buttonId, true);
    for (const ActionButton& action : kActionButtons) SetUpButton(action.slot, action.id, false);
    const std::string& positions = ui::g_ResourcePaths.controlPosFile;
    for (const ActionButton& action : kActionButtons)
        ui::PlaceButton(m_arrButtons[action.slot], ButtonRow(action.id).key, kPositionSection,
                        positions);
    for (const PageRow& row : kPageTable)
        ui::PlaceButton(m_arrButtons[row.button], ButtonRow(row.buttonId).key, kPositionSection,
                        positions);
}

void CDvsCfgDlg::SetUpButton(ButtonSlot slot, int id, bool pageButton) {
    const ui::ResourcePaths& paths = ui::g_ResourcePaths;
    const ui::SkinSettings& skin = ui::g_SkinSettings;
    ui::CSkinButton& button = m_arrButtons[slot];
    button.AttachToDialogItem(*this, id);
    ui::LoadButtonBitmaps(button, pageButton ? kTopButtonBitmap : kBottomButtonBitmap,
                          paths.languageFolder);
    const std::string caption = ui::ReadIniText(paths.staticButtonTextFile, kCaptionSection,
                                                ButtonRow(id).caption, "", ui::kCaptionCapacity);
    if (pageButton) {
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

// Left and top from the skin folder's own ControlPos file, the size of the background.
void CDvsCfgDlg::PlaceWindow() {
    const std::string file = ui::g_ResourcePaths.languageFolder + kWindowPositionFile;
    const ui::Rect position = ui::ReadIniRect(kPositionSection, ui::kDialogPositionKey, file);
    m_rcDialog = {position.left, position.top, position.left + m_dibBackground.Width(),
                  position.top + m_dibBackground.Height()};
    MoveWindow(m_rcDialog, true);
}

void CDvsCfgDlg::CreatePages() {
    pages::PageContext context;
    context.device = m_pDevice;
    context.loginHandle = m_hLogin;
    context.channelCount = m_nChannelCount;
    context.alarmInputCount = m_nAlarmInputCount;
    for (const std::unique_ptr<pages::CConsolePage>& page : m_arrPages) {
        page->SetContext(context);
        page->Create(m_hWnd);
    }
}

void CDvsCfgDlg::ShowPage(int page, int show) {
    pages::CConsolePage* target = Page(page);
    if (!target) {
        for (const PageRow& row : kPageTable) {
            m_arrPages[row.number - 1]->ShowWindow(show != 0);
            m_arrButtons[row.button].SetCheckState(show ? 1 : 0);
        }
        return;
    }
    target->UpdateRecords(show ? 0 : 1, show ? pages::kKeepPreview : pages::kStopPreview);
    target->ShowWindow(show != 0);
    m_arrButtons[FindPageRow(page)->button].SetCheckState(show ? 1 : 0);
}

void CDvsCfgDlg::SwitchTo(int page) {
    if (page == m_nCurrentPage) return;
    ShowPage(m_nCurrentPage, 0);
    ShowPage(page, 1);
    preview::DrawLockGuard guard;
    m_nCurrentPage = page;
}

void CDvsCfgDlg::OnPageButton(int page) {
    if (page == m_nCurrentPage) return;
    if (!FindPageRow(page)) return;
    m_arrPageVisited[page - 1] = true;
    SwitchTo(page);
}

void CDvsCfgDlg::BeginBusy() {
    System().SetCursor(m_hBusyCursor);
}

void CDvsCfgDlg::EndBusy() {
    System().SetCursor(System().GetStandardCursor(platform::StandardCursor::Arrow));
}

void CDvsCfgDlg::EnableButtons(bool enable) {
    for (ui::CSkinButton& button : m_arrButtons) button.EnableWindow(enable);
}

void CDvsCfgDlg::OnExit() {
    if (m_pDevice) m_pDevice->Logout();
    PostMessage(platform::kWmClose);
}

void CDvsCfgDlg::ShowMotionAlarm(int channel, int state) {
    Page(kAlarmPage)->ShowMotionAlarm(channel, state);
}

bool CDvsCfgDlg::OnEraseBkgnd(platform::Canvas& canvas) {
    canvas.FillRect(GetClientRect(), kDialogFace);
    m_dibBackground.Draw(canvas, 0, 0);
    return true;
}

bool CDvsCfgDlg::OnUserMessage(int message, intptr_t wparam, intptr_t /*lparam*/) {
    return m_maintenance.OnUpgradeMessage(message, wparam);
}

bool CDvsCfgDlg::OnLButtonDown(platform::Point /*point*/) {
    System().BeginMoveByPress(m_hWnd);
    return true;
}

// Neither a draw nor an upgrade message may reach a page or a console window that is going
// away, whichever order the window system destroys them in; and the player must not paint into
// a play window after it is gone, so the preview stops here even when the login stays (Esc).
void CDvsCfgDlg::Withdraw() {
    m_maintenance.Detach();
    {
        preview::DrawLockGuard guard;
        if (g_pDvsCfgDlg != this) return;
        g_pDvsCfgDlg = nullptr;
    }
    preview::SetDrawTarget(nullptr);
    if (m_pDevice) m_pDevice->StopPreview();
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
    for (const std::unique_ptr<pages::CConsolePage>& page : m_arrPages) page->DestroyWindow();
    m_pDevice = nullptr;
}

void CDvsCfgDlg::DrawHook(void* deviceContext, uintptr_t user) {
    const PageRow* row = FindPageRow(m_nCurrentPage);
    if (row && row->drawsOverlay)
        Page(m_nCurrentPage)->DrawHook(deviceContext, user);
    else
        System().FrameCompleted(deviceContext);  // the picture alone is the finished frame
}

}  // namespace vela::console
