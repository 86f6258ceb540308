// The test dialog (template 9000, one control of each kind) with a log of every command and
// notification it receives, shared by the behaviour tests of both window systems.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/window_system.h"
#include "resources/dialog_template.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/custom_window.h"
#include "ui/data_exchange.h"
#include "ui/dialog.h"
#include "ui/edit.h"
#include "ui/ip_address.h"
#include "ui/list_view.h"
#include "ui/message_box.h"
#include "ui/owner_draw_button.h"
#include "ui/static.h"
#include "ui/time_picker.h"

namespace vela::uitest {

namespace id {
constexpr int kStaticName = 9001;
constexpr int kEditNumber = 9002;
constexpr int kEditUpper = 9003;
constexpr int kEditPassword = 9004;
constexpr int kBtnPush = 9005;
constexpr int kCheckEnable = 9006;
constexpr int kGroupChoice = 9007;
constexpr int kRadioFirst = 9008;
constexpr int kRadioSecond = 9009;
constexpr int kCmbList = 9010;
constexpr int kCmbEdit = 9011;
constexpr int kEditAddress = 9012;
constexpr int kTimePicker = 9013;
constexpr int kListItems = 9014;
constexpr int kBtnSkin = 9015;
constexpr int kPlayWnd = 9016;
}  // namespace id

// Records its draw requests.
class TestSkinButton : public ui::OwnerDrawButton {
  public:
    void DrawItem(platform::Canvas& canvas, const platform::Rect& itemRect,
                  unsigned itemState) override {
        states.push_back(itemState);
        rects.push_back(itemRect);
        canvas.FillRect(itemRect, platform::Rgb(0, 0, 160));
    }
    std::vector<unsigned> states;
    std::vector<platform::Rect> rects;
};

// Records its mouse, erase and paint events; fills itself dark green.
class TestSurface : public ui::CustomWindow {
  public:
    std::vector<std::string> log;

  protected:
    bool OnLButtonDown(platform::Point p) override {
        SetCapture();
        return Note("down", p);
    }
    bool OnMouseMove(platform::Point p) override { return Note("move", p); }
    bool OnLButtonUp(platform::Point p) override {
        ui::ReleaseCapture();
        return Note("up", p);
    }
    bool OnEraseBkgnd(platform::Canvas& canvas) override {
        log.push_back("erase");
        canvas.FillRect(GetClientRect(), platform::Rgb(0, 96, 0));
        return true;
    }
    bool OnPaint(platform::Canvas& canvas) override {
        log.push_back("paint");
        canvas.DrawLine({0, 0}, {10, 10},
                        {platform::PenStyle::Solid, 1, platform::Rgb(255, 255, 0)});
        return true;
    }

  private:
    bool Note(const char* what, platform::Point p) {
        log.push_back(std::string(what) + " " + std::to_string(p.x) + "," + std::to_string(p.y));
        return true;
    }
};

class TestDialog : public ui::Dialog {
  public:
    TestDialog();

    // Every Command and Notify event, as "cmd ID CODE" / "notify ID CODE ITEM".
    std::vector<std::string> events;
    std::vector<std::string> preTranslated;  // key-downs, as "ID key CODE"
    bool swallowKeys = false;
    bool destroyOnPush = false;
    std::function<void()> pushAction;  // replaces the push button's message box when set
    int pushCount = 0;
    std::vector<int> colourRequests;

    // Data exchanged by DoDataExchange.
    int number = 0;
    std::string upper;
    int checked = 0;
    int listIndex = -1;

    ui::Edit editNumber;
    ui::ComboBox cmbList;
    ui::ComboBox cmbEdit;
    ui::IpAddress address;
    ui::TimePicker picker;
    ui::ListView list;
    ui::Button check;
    TestSkinButton skin;
    TestSurface surface;

    bool OnEvent(platform::Event& event) override;
    // Events of one control, in order.
    std::vector<std::string> EventsOf(int controlId) const;

  protected:
    bool OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    bool PreTranslateMessage(const platform::Event& event) override;
    bool OnCtlColor(int id, platform::ControlColors& colors) override;
};

// Message box and file dialog answers that record what was asked.
class RecordingAnswers : public ui::DialogAnswers {
  public:
    RecordingAnswers() { ui::SetDialogAnswers(this); }
    ~RecordingAnswers() override { ui::SetDialogAnswers(nullptr); }
    platform::MessageAnswer AnswerMessage(const std::string& text, const std::string& caption,
                                          platform::MessageButtons) override {
        messages.push_back(caption + "|" + text);
        return platform::MessageAnswer::Ok;
    }
    std::optional<std::string> AnswerOpenFile(const std::string&) override { return {}; }
    std::vector<std::string> messages;
};

}  // namespace vela::uitest
