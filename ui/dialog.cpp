#include "ui/dialog.h"

#include "resources/dialog_template.h"
#include "ui/data_exchange.h"
#include "ui/owner_draw_button.h"

namespace vela::ui {

using platform::Event;
using platform::EventKind;

Dialog::Dialog(int sharedTemplateId)
    : m_pTemplate(resources::FindDialogTemplate(sharedTemplateId)) {}

Dialog::~Dialog() {
    if (m_hWnd && System().IsWindow(m_hWnd)) {
        WindowHandle handle = m_hWnd;
        System().Subclass(handle, nullptr);
        m_hWnd = nullptr;
        System().DestroyWindow(handle);
    }
}

bool Dialog::Create(WindowHandle parent) {
    if (!m_pTemplate || m_hWnd) return false;
    return System().CreateModeless(*m_pTemplate, parent, this) != nullptr;
}

int Dialog::DoModal(WindowHandle parent) {
    if (!m_pTemplate || m_hWnd) return -1;
    const int result = System().RunModal(*m_pTemplate, parent, this);
    m_hWnd = nullptr;
    return result;
}

void Dialog::EndDialog(int result) {
    System().EndDialog(m_hWnd, result);
}

bool Dialog::UpdateData(bool saveAndValidate) {
    DataExchange dx(*this, saveAndValidate);
    DoDataExchange(dx);
    return !dx.Failed();
}

void Dialog::ReflectDrawItem(int id, OwnerDrawButton* button) {
    m_mapOwnerDraw[id] = button;
}

void Dialog::OnClicked(int id, Handler handler) {
    OnCommandCode(id, platform::kBnClicked, std::move(handler));
}

void Dialog::OnSelChange(int id, Handler handler) {
    OnCommandCode(id, platform::kCbnSelChange, std::move(handler));
}

void Dialog::OnEditChange(int id, Handler handler) {
    OnCommandCode(id, platform::kEnChange, handler);
    OnCommandCode(id, platform::kCbnEditChange, std::move(handler));
}

void Dialog::OnCommandCode(int id, int code, Handler handler) {
    m_arrMessageMap.push_back(
        {EventKind::Command, id, code, [handler](const Event&) { handler(); }});
}

void Dialog::OnNotify(int id, int code, NotifyHandler handler) {
    m_arrMessageMap.push_back({EventKind::Notify, id, code, std::move(handler)});
}

bool Dialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void Dialog::OnOK() {
    if (UpdateData(true)) EndDialog(platform::kIdOk);
}

void Dialog::OnCancel() {
    EndDialog(platform::kIdCancel);
}

bool Dialog::Dispatch(Event& event) {
    for (const MapEntry& entry : m_arrMessageMap) {
        if (entry.kind == event.kind && entry.id == event.controlId && entry.code == event.code) {
            // A copy: the handler may add entries or destroy this dialog's window.
            const NotifyHandler handler = entry.handler;
            handler(event);
            return true;
        }
    }
    return false;
}

bool Dialog::OnOtherEvent(Event& event) {
    switch (event.kind) {
        case EventKind::InitDialog:
            m_hWnd = event.window;
            return OnInitDialog();
        case EventKind::Command:
            if (Dispatch(event)) return true;
            if (event.controlId == platform::kIdOk && event.code == platform::kBnClicked) {
                OnOK();
                return true;
            }
            if (event.controlId == platform::kIdCancel && event.code == platform::kBnClicked) {
                OnCancel();
                return true;
            }
            return false;
        case EventKind::Notify:
            return Dispatch(event);
        case EventKind::ControlColor:
            return OnCtlColor(event.controlId, event.colors);
        case EventKind::DrawItem: {
            auto found = m_mapOwnerDraw.find(event.controlId);
            if (found == m_mapOwnerDraw.end() || !event.canvas) return false;
            found->second->DrawItem(*event.canvas, event.itemRect, event.itemState);
            return true;
        }
        case EventKind::Close:
            if (OnClose()) return true;
            OnCancel();
            return true;
        default:
            return false;
    }
}

}  // namespace vela::ui
