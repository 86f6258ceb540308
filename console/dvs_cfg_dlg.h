// The configuration console: the modal, skinned window that SetupServer shows for one logged-in
// device. Five page buttons along the top switch between the settings pages (modeless child
// dialogs it owns), six action buttons along the bottom save, restart, upgrade, set the clock,
// open the device's web page and exit. UI thread, except DrawHook.
//
// Lifetime: made by the manager for one SetupServer and run modally; the device connection is
// borrowed and outlives it. Once its window has made its pages and shows the Server page, the
// console is published as g_pDvsCfgDlg and as the draw target under the draw lock; when it
// closes (and at the latest when its window or the object goes away) it withdraws itself from
// the draw hook and from the upgrade relay, both under their locks, and stops the device's
// preview before any page window (and the play window the player paints into) is destroyed.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "console/console_buttons.h"
#include "console/maintenance_actions.h"
#include "console/page_table.h"
#include "pages/server/dvs_cfg_server.h"
#include "platform/abi.h"
#include "preview/draw_hook.h"
#include "ui/dialog.h"
#include "ui/dib_image.h"
#include "ui/skin_button.h"

namespace vela::device {
class CDvsDevice;
}

namespace vela::console {

class CDvsCfgDlg : public ui::Dialog, public preview::DrawTarget {
  public:
    explicit CDvsCfgDlg(device::CDvsDevice* device);
    ~CDvsCfgDlg() override;

    // --- page switching ---
    // Pages 1-5: exchange the page's records (store when hiding, load when showing), show or
    // hide it and hold its button down or release it. Any other number: every page window and
    // button, without exchanging records.
    void ShowPage(int page, int show);
    void SwitchTo(int page);
    // What a page button does: mark the page visited and switch to it, unless it is shown.
    void OnPageButton(int page);

    // --- actions ---
    void BeginBusy();
    void EndBusy();
    void EnableButtons(bool enable);
    void OnExit();
    // The host's motion-alarm state for a channel, for the Alarm page to show. A host thread,
    // under the draw lock (so the console cannot withdraw meanwhile).
    void ShowMotionAlarm(int channel, int state);

    // --- attributes ---
    int CurrentPage() const { return m_nCurrentPage; }
    bool PageVisited(int page) const;
    bool SettingsSaved() const { return m_maintenance.SettingsSaved(); }
    CMaintenanceActions& Maintenance() { return m_maintenance; }
    device::CDvsDevice* Device() const { return m_pDevice; }
    ui::CSkinButton& Button(ButtonSlot slot) { return m_arrButtons[slot]; }
    // The page of a page number, null for any other number.
    pages::CConsolePage* Page(int page);
    // Page 1 is the Server page (the page table's first row).
    pages::CDvsCfgServer& ServerPage();
    int32_t LoginHandle() const { return m_hLogin; }

    // A displayed frame (player thread, under the draw lock): forwarded to the shown page when
    // its row of the page table says it draws an overlay.
    void DrawHook(void* deviceContext, uintptr_t user) override;

  protected:
    bool OnInitDialog() override;
    bool OnEraseBkgnd(platform::Canvas& canvas) override;
    bool OnLButtonDown(platform::Point point) override;
    bool OnUserMessage(int message, intptr_t wparam, intptr_t lparam) override;
    void OnOK() override;
    void OnCancel() override;
    void OnDestroy() override;

  private:
    // Leaves the draw hook and the upgrade relay; on closing, and again (for windows
    // destroyed any other way) when the window goes away.
    void Withdraw();
    void SetUpButtons();
    void SetUpButton(ButtonSlot slot, int id, bool pageButton);
    void PlaceWindow();
    void CreatePages();

    std::array<ui::CSkinButton, kButtonCount> m_arrButtons;
    std::array<std::unique_ptr<pages::CConsolePage>, kPageCount> m_arrPages;  // by number - 1
    ui::CDibImage m_dibBackground;
    device::CDvsDevice* m_pDevice;  // borrowed; cleared when the window goes away
    int m_nChannelCount = 0;
    int m_nAlarmInputCount = 0;
    platform::Rect m_rcDialog;
    int m_nCurrentPage = kNoPage;  // written under the draw lock, which the callback reads it in
    int32_t m_hLogin = 0;
    std::array<bool, kPageCount> m_arrPageVisited{};
    platform::CursorHandle m_hBusyCursor = nullptr;
    CMaintenanceActions m_maintenance{*this};
};

// The open console, or null while none is open. Set and cleared only under the console's draw
// lock, on the UI thread; the draw callback reads it under that lock.
extern CDvsCfgDlg* g_pDvsCfgDlg;

}  // namespace vela::console
