// Every template of the plug-in becomes a dialog whose controls are the table's rows: same ids,
// order, kinds, visibility and enabled state, each a child of the dialog.
#include <gtest/gtest.h>

#include <iterator>

#include "resources/control_styles.h"
#include "resources/dialog_template.h"
#include "tests/common/all_templates.h"
#include "tests/window_system/recording_sink.h"

namespace vela::wstest {
namespace {

using platform::WindowKind;
using resources::ControlKind;

// The window kind of each control kind, in ControlKind's order.
WindowKind Expected(ControlKind kind) {
    constexpr WindowKind kKinds[] = {
        WindowKind::Static,   WindowKind::Edit,        WindowKind::PushButton,
        WindowKind::CheckBox, WindowKind::RadioButton, WindowKind::GroupBox,
        WindowKind::ComboBox, WindowKind::IpAddress,   WindowKind::TimePicker,
        WindowKind::ListView, WindowKind::Custom};
    static_assert(std::size(kKinds) == static_cast<size_t>(ControlKind::Custom) + 1);
    return kKinds[static_cast<size_t>(kind)];
}

TEST(TemplateTest, EveryTemplateBuildsItsControlsInTableOrder) {
    ASSERT_FALSE(testing::AllTemplates().empty());
    for (const resources::DialogTemplate* each : testing::AllTemplates()) {
        const resources::DialogTemplate& tmpl = *each;
        SCOPED_TRACE("template " + std::to_string(tmpl.id));
        RecordingSink sink;
        platform::WindowHandle dialog = Ws().CreateModeless(tmpl, nullptr, &sink);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(Ws().GetKind(dialog), WindowKind::Dialog);
        EXPECT_EQ(Ws().GetTemplate(dialog), &tmpl);
        ASSERT_FALSE(sink.log.empty());
        EXPECT_EQ(sink.log.front(), "init");

        const std::vector<platform::WindowHandle> children = Ws().GetChildren(dialog);
        ASSERT_EQ(children.size(), tmpl.controlCount);
        for (size_t i = 0; i < tmpl.controlCount; ++i) {
            const resources::ControlTemplate& control = tmpl.controls[i];
            SCOPED_TRACE("control " + std::to_string(control.id));
            platform::WindowHandle item = Ws().GetDlgItem(dialog, control.id);
            EXPECT_EQ(item, children[i]);
            EXPECT_EQ(Ws().GetDlgCtrlID(item), control.id);
            EXPECT_EQ(Ws().GetParent(item), dialog);
            EXPECT_EQ(Ws().GetKind(item), Expected(control.kind));
            EXPECT_EQ(Ws().IsVisible(item), (control.style & resources::kWsVisible) != 0);
            EXPECT_EQ(Ws().IsEnabled(item), (control.style & resources::kWsDisabled) == 0);
        }
        Ws().DestroyWindow(dialog);
        EXPECT_FALSE(Ws().IsWindow(dialog));
        EXPECT_EQ(sink.log.back(), "destroyed");
    }
}

TEST(TemplateTest, ChildPageWithoutParentIsTopLevelAndWithParentIsItsChild) {
    const resources::DialogTemplate* page = testing::FindAnyTemplate(6012);
    const resources::DialogTemplate* host = resources::FindDialogTemplate(resources::kTestDialogId);
    ASSERT_TRUE(page && host);
    RecordingSink hostSink, pageSink, loneSink;
    platform::WindowHandle parent = Ws().CreateModeless(*host, nullptr, &hostSink);
    ASSERT_NE(parent, nullptr);
    EXPECT_EQ(Ws().GetParent(parent), nullptr);
    platform::WindowHandle child = Ws().CreateModeless(*page, parent, &pageSink);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(Ws().GetParent(child), parent);
    platform::WindowHandle lone = Ws().CreateModeless(*page, nullptr, &loneSink);
    ASSERT_NE(lone, nullptr);
    EXPECT_EQ(Ws().GetParent(lone), nullptr);
    Ws().DestroyWindow(lone);
    // The child page goes with its parent.
    Ws().DestroyWindow(parent);
    EXPECT_FALSE(Ws().IsWindow(child));
    EXPECT_EQ(pageSink.log.back(), "destroyed");
}

// The dialog manager sizes a dialog from its template in the dialog's own base units.
TEST(TemplateTest, DialogClientSizeIsTheTemplateSizeInTheDialogsOwnUnits) {
    for (const resources::DialogTemplate* each : testing::AllTemplates()) {
        const resources::DialogTemplate& tmpl = *each;
        SCOPED_TRACE("template " + std::to_string(tmpl.id) + " " + std::to_string(tmpl.cx) + "x" +
                     std::to_string(tmpl.cy));
        ASSERT_NE(tmpl.style & resources::kDsSetFont, 0u);
        RecordingSink sink;
        platform::WindowHandle dialog = Ws().CreateModeless(tmpl, nullptr, &sink);
        ASSERT_NE(dialog, nullptr);
        const platform::Rect client = Ws().GetClientRect(dialog);
        const platform::Rect expected = Ws().MapDialogRect(dialog, {0, 0, tmpl.cx, tmpl.cy});
        EXPECT_EQ(client.Width(), expected.Width());
        EXPECT_EQ(client.Height(), expected.Height());
        Ws().DestroyWindow(dialog);
    }
}

// The headless window system lays dialogs out with 6 x 12 base units, the units of the
// templates' 8-point "MS Shell Dlg" at 96 dots per inch, so that both window systems give the
// same pixels, snapshots and skin positions. Under wine that holds only with the fonts it maps
// the face to (Debian's fonts-liberation, installed by scripts/setup.sh); without them this
// fails first and says why the other layout tests do.
TEST(TemplateTest, DialogBaseUnitsAreSixByTwelve) {
    RecordingSink sink;
    platform::WindowHandle dialog =
        Ws().CreateModeless(resources::DialogTemplateAt(0), nullptr, &sink);
    ASSERT_NE(dialog, nullptr);
    const platform::Rect base = Ws().MapDialogRect(dialog, {0, 0, 4, 8});
    EXPECT_EQ(base.Width(), 6) << "the dialog font's average character width";
    EXPECT_EQ(base.Height(), 12) << "the dialog font's character height";
    const platform::Rect big = Ws().MapDialogRect(dialog, {1, 1, 241, 181});
    EXPECT_EQ(big.left, 2);  // (1 * 6 + 2) / 4
    EXPECT_EQ(big.top, 2);   // (1 * 12 + 4) / 8
    EXPECT_EQ(big.right, 362);
    EXPECT_EQ(big.bottom, 272);
    Ws().DestroyWindow(dialog);
}

}  // namespace
}  // namespace vela::wstest
