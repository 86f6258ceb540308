// A drop-down list or a drop-down combo with an edit field (CComboBox). Indexes are 0-based;
// kNoSelection (CB_ERR, -1) means none. UI thread only.
#pragma once

#include "ui/window.h"

namespace vela::ui {

class ComboBox : public Window {
  public:
    // Attributes.
    int GetCount() const { return System().GetCount(m_hWnd); }
    int GetCurSel() const { return System().GetCurSel(m_hWnd); }
    std::string GetLBText(int index) const { return System().GetLBText(m_hWnd, index); }
    intptr_t GetItemData(int index) const { return System().GetItemData(m_hWnd, index); }
    int FindString(int start, const std::string& prefix) const {
        return System().FindString(m_hWnd, start, prefix);
    }
    int FindStringExact(int start, const std::string& text) const {
        return System().FindStringExact(m_hWnd, start, text);
    }

    // Operations.
    int AddString(const std::string& text) { return System().AddString(m_hWnd, text); }
    int InsertString(int index, const std::string& text) {
        return System().InsertString(m_hWnd, index, text);
    }
    int DeleteString(int index) { return System().DeleteString(m_hWnd, index); }
    void ResetContent() { System().ResetContent(m_hWnd); }
    int SetCurSel(int index) { return System().SetCurSel(m_hWnd, index); }
    int SetItemData(int index, intptr_t data) { return System().SetItemData(m_hWnd, index, data); }
    int SelectString(int start, const std::string& prefix) {
        return System().SelectString(m_hWnd, start, prefix);
    }
};

}  // namespace vela::ui
