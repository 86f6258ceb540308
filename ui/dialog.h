// A dialog from a template (a page's own, or a shared one of resources/), as MFC's CDialog: modal
// (DoModal) or modeless (Create, child of another window or not), OnInitDialog, a message map of
// button clicks, selection changes, edit changes and notifications, data exchange with its
// controls, control colours, owner-draw reflection to its owner-drawn buttons. UI thread only.
//
// Lifetime: destroying the object destroys its window (and the windows of its children).
#pragma once

#include <functional>
#include <map>
#include <vector>

#include "ui/event_window.h"

namespace vela::resources {
struct DialogTemplate;
}

namespace vela::ui {

class DataExchange;
class OwnerDrawButton;

class Dialog : public EventWindow {
  public:
    // A page's own template, kept beside the page; the table outlives the dialog.
    explicit Dialog(const resources::DialogTemplate& dialog) : m_pTemplate(&dialog) {}
    // One of the shared templates of resources/ (the console, the play window, test dialogs).
    explicit Dialog(int sharedTemplateId);
    ~Dialog() override;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Null when the shared id named no template.
    const resources::DialogTemplate* Template() const { return m_pTemplate; }

    // A modeless dialog; a template with the child style becomes a child of parent.
    bool Create(WindowHandle parent = nullptr);
    // Runs the dialog modally and returns the EndDialog code (-1 when it could not be made).
    int DoModal(WindowHandle parent = nullptr);
    void EndDialog(int result);
    // Exchanges every binding of DoDataExchange; false when a value was refused (it was
    // reported, the old value kept, and the bindings after it not exchanged).
    bool UpdateData(bool saveAndValidate = true);

    // Owner-drawn buttons register here to receive their draw requests.
    void ReflectDrawItem(int id, OwnerDrawButton* button);

  protected:
    // Message map entries, usually added in the constructor.
    using Handler = std::function<void()>;
    using NotifyHandler = std::function<void(const platform::Event&)>;
    void OnClicked(int id, Handler handler);     // push button, check box, radio button
    void OnSelChange(int id, Handler handler);   // combo box selection change
    void OnEditChange(int id, Handler handler);  // edit change (combo edit field too)
    void OnCommandCode(int id, int code, Handler handler);
    void OnNotify(int id, int code, NotifyHandler handler);

    virtual bool OnInitDialog();  // default: exchanges data to the controls
    virtual void DoDataExchange(DataExchange&) {}
    virtual void OnOK();      // default: UpdateData, then EndDialog(IDOK) when it succeeded
    virtual void OnCancel();  // default: EndDialog(IDCANCEL)
    // Colours of a control (WM_CTLCOLOR); true when `colors` was filled.
    virtual bool OnCtlColor(int /*id*/, platform::ControlColors& /*colors*/) { return false; }
    virtual bool OnClose() { return false; }

    bool OnOtherEvent(platform::Event& event) override;

  private:
    struct MapEntry {
        platform::EventKind kind;
        int id;
        int code;
        NotifyHandler handler;
    };
    bool Dispatch(platform::Event& event);

    const resources::DialogTemplate* m_pTemplate;
    std::vector<MapEntry> m_arrMessageMap;
    std::map<int, OwnerDrawButton*> m_mapOwnerDraw;
};

}  // namespace vela::ui
