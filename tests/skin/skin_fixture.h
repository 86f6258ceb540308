// A test dialog (template 9000) with a skin folder of its own: a ControlPos file and button
// pictures in a temporary folder. The same source runs on both window systems.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/kernel.h"
#include "platform/window_system.h"
#include "resources/dialog_template.h"
#include "tests/common/temp_folder.h"
#include "tests/skin/bmp_builder.h"
#include "ui/dialog.h"
#include "ui/placement.h"

namespace vela::test {

constexpr int kLabelId = 9001;
constexpr int kEditId = 9002;
constexpr int kCheckId = 9006;
constexpr int kGroupId = 9007;
constexpr int kSkinButtonId = 9015;
constexpr char kSection[] = "TestDlg";

// The test dialog as a page: it counts its erases and, once given a skin, paints with it.
class SkinTestPage : public ui::Dialog {
  public:
    SkinTestPage() : Dialog(resources::kTestDialogId) {}
    void SetSkin(const ui::PageSkin* skin) { m_skin = skin; }
    int erases = 0;

  protected:
    bool OnEraseBkgnd(platform::Canvas& canvas) override {
        ++erases;
        return m_skin && m_skin->EraseBackground(m_hWnd, canvas);
    }
    bool OnCtlColor(int id, platform::ControlColors& colors) override {
        return m_skin && m_skin->ControlColors(id, colors);
    }

  private:
    const ui::PageSkin* m_skin = nullptr;
};

class SkinDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dialog.Create());
        page = dialog.GetSafeHwnd();
        ASSERT_NE(page, nullptr);
    }

    static platform::WindowSystem& ws() { return platform::TheWindowSystem(); }
    platform::WindowHandle Item(int id) { return ws().GetDlgItem(page, id); }

    void WriteControlPos(const std::string& body) {
        temp.Write("SkinTestControlPos.ini", "[" + std::string(kSection) + "]\n" + body);
    }
    void WritePicture(const std::string& name, int width, int height, uint32_t colour) {
        const std::vector<uint8_t> bytes = SolidBmp24(width, height, colour);
        temp.Write(name, std::string(bytes.begin(), bytes.end()));
    }
    // A control's window rectangle in the dialog's client coordinates.
    platform::Rect PlacedRect(platform::WindowHandle control) {
        const platform::Rect screen = ws().GetWindowRect(control);
        const platform::Point topLeft = ws().ScreenToClient(page, {screen.left, screen.top});
        return {topLeft.x, topLeft.y, topLeft.x + screen.Width(), topLeft.y + screen.Height()};
    }

    vela::testing::TempFolder temp;
    const std::string folder = temp.Path() + platform::PathSeparator();
    const std::string controlPos = temp.File("SkinTestControlPos.ini");
    SkinTestPage dialog;
    platform::WindowHandle page = nullptr;
};

}  // namespace vela::test
