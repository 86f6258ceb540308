// The console's eleven buttons: the slots of its button array and the six action buttons. The
// five page buttons are rows of the page table. Each button's caption key and position key
// are in its row of the console's template. Constant tables, any thread.
#pragma once

namespace vela::console {

// The eleven buttons, in the order of the console's fields.
enum ButtonSlot : int {
    kBtnIESetup,
    kBtnTimeAdjust,
    kBtnAlarm,
    kBtnSensor,
    kBtnPtz,
    kBtnServer,
    kBtnChannel,
    kBtnSave,
    kBtnRestart,
    kBtnUpgrade,
    kBtnExit,
    kButtonCount
};

struct ActionButton {
    ButtonSlot slot;
    int id;                  // control id in the console's template
    const char* scriptName;  // `button NAME` of the console script
};

// In the order their captions are set and they are placed.
constexpr ActionButton kActionButtons[] = {
    {kBtnExit, 6011, "Exit"}, {kBtnUpgrade, 6008, "Upgrade"},       {kBtnRestart, 6010, "Restart"},
    {kBtnSave, 6009, "Save"}, {kBtnTimeAdjust, 6007, "TimeAdjust"}, {kBtnIESetup, 4004, "IESetup"},
};

}  // namespace vela::console
