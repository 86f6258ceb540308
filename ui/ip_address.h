// An IP address control (CIPAddressCtrl). Addresses are packed with the first octet in the
// highest byte, as MAKEIPADDRESS does. UI thread only.
#pragma once

#include <cstdint>

#include "ui/window.h"

namespace vela::ui {

constexpr uint32_t MakeIpAddress(uint32_t a, uint32_t b, uint32_t c, uint32_t d) {
    return ((a & 0xFF) << 24) | ((b & 0xFF) << 16) | ((c & 0xFF) << 8) | (d & 0xFF);
}

class IpAddress : public Window {
  public:
    bool IsBlank() const { return System().IsBlank(m_hWnd); }
    // The number of non-blank fields; blank ones read as 0.
    int GetAddress(uint32_t& address) const { return System().GetAddress(m_hWnd, &address); }
    void SetAddress(uint32_t address) { System().SetAddress(m_hWnd, address); }
    void SetAddress(int a, int b, int c, int d) { SetAddress(MakeIpAddress(a, b, c, d)); }
    void ClearAddress() { System().ClearAddress(m_hWnd); }
};

}  // namespace vela::ui
