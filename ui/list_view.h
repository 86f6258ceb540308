// A list view in report style (CListCtrl). Rows and columns are 0-based; -1 means none.
// UI thread only.
#pragma once

#include "ui/window.h"

namespace vela::ui {

class ListView : public Window {
  public:
    // Attributes.
    int GetItemCount() const { return System().GetItemCount(m_hWnd); }
    int GetColumnCount() const { return System().GetColumnCount(m_hWnd); }
    std::string GetItemText(int item, int subItem) const {
        return System().GetItemText(m_hWnd, item, subItem);
    }
    intptr_t GetItemData(int item) const { return System().GetListItemData(m_hWnd, item); }
    unsigned GetItemState(int item, unsigned mask) const {
        return System().GetItemState(m_hWnd, item, mask);
    }
    uint32_t GetExtendedStyle() const { return System().GetExtendedStyle(m_hWnd); }
    // The row most recently clicked (the start of a multiple selection).
    int GetSelectionMark() const { return System().GetSelectionMark(m_hWnd); }
    int GetNextItem(int start, int flags) const {
        return System().GetNextItem(m_hWnd, start, flags);
    }
    // MFC's GetFirstSelectedItemPosition/GetNextSelectedItem pair, as a row number.
    int GetFirstSelectedItem() const { return GetNextItem(-1, platform::kLvniSelected); }

    // Operations.
    int InsertColumn(int index, const std::string& heading, int format = platform::kLvcfmtLeft,
                     int width = -1) {
        return System().InsertColumn(m_hWnd, index, heading, format, width);
    }
    uint32_t SetExtendedStyle(uint32_t style) { return System().SetExtendedStyle(m_hWnd, style); }
    int InsertItem(int index, const std::string& text) {
        return System().InsertItem(m_hWnd, index, text);
    }
    bool SetItemText(int item, int subItem, const std::string& text) {
        return System().SetItemText(m_hWnd, item, subItem, text);
    }
    bool SetItemData(int item, intptr_t data) {
        return System().SetListItemData(m_hWnd, item, data);
    }
    bool SetItemState(int item, unsigned state, unsigned mask) {
        return System().SetItemState(m_hWnd, item, state, mask);
    }
    int SetSelectionMark(int item) { return System().SetSelectionMark(m_hWnd, item); }
    bool DeleteItem(int item) { return System().DeleteItem(m_hWnd, item); }
    bool DeleteAllItems() { return System().DeleteAllItems(m_hWnd); }
};

}  // namespace vela::ui
