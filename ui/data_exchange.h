// Dialog data exchange, as MFC's DDX_ functions: each call moves one value between a member
// and a control, to the control (loading) or from it (saving). A refused value on saving is
// reported the platform's way, keeps the member's old value and stops the exchange there.
// UI thread only.
#pragma once

#include <string>

#include "platform/window_system.h"

namespace vela::ui {

class Dialog;
class Window;

// MFC's text for a field that does not hold an integer.
constexpr char kParseIntMessage[] = "Please enter an integer.";
// The caption of the plug-in's own message boxes (the module's name).
constexpr char kModuleCaption[] = "VelaSetupDll";

class DataExchange {
  public:
    DataExchange(Dialog& dialog, bool saving) : m_rDialog(dialog), m_bSaving(saving) {}
    bool Saving() const { return m_bSaving; }
    bool Failed() const { return m_bFailed; }
    Dialog& GetDialog() { return m_rDialog; }
    platform::WindowHandle Control(int id);
    // Reports a refused value and stops the remaining exchanges.
    void Fail(const std::string& message);

  private:
    Dialog& m_rDialog;
    bool m_bSaving;
    bool m_bFailed = false;
};

void DdxText(DataExchange& dx, int id, std::string& value);
// "%d" to the control; from it: blanks, an optional sign, digits, blanks, and nothing else,
// within the 32-bit range.
void DdxText(DataExchange& dx, int id, int& value);
void DdxCheck(DataExchange& dx, int id, int& value);
void DdxCBIndex(DataExchange& dx, int id, int& value);
// Binds a widget to the control the first time (DDX_Control).
void DdxControl(DataExchange& dx, int id, Window& control);

// The integer a text holds as MFC reads it; false for a text that is not one.
bool ParseDialogInteger(const std::string& text, int& value);

}  // namespace vela::ui
