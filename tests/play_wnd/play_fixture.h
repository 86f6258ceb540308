// A play window placed in the test dialog (template 9000), made fresh for each test.
#pragma once

#include <gtest/gtest.h>

#include "resources/dialog_template.h"
#include "tests/window_system/recording_sink.h"
#include "ui/play_wnd.h"

namespace vela::ui {

class PlayWndFixture : public ::testing::Test {
  protected:
    explicit PlayWndFixture(const Rect& place) : m_place(place) {}
    void SetUp() override {
        parent = wstest::Ws().CreateModeless(
            *resources::FindDialogTemplate(resources::kTestDialogId), nullptr, &parentSink);
        ASSERT_NE(parent, nullptr);
        ASSERT_TRUE(play.Create(parent));
        play.MoveWindow(m_place);
        play.ShowWindow(true);
        wstest::Ws().ShowWindow(parent, true);
        wstest::Ws().PumpMessages();
    }
    void TearDown() override {
        play.DestroyWindow();
        wstest::Ws().DestroyWindow(parent);
        wstest::Ws().PumpMessages();
    }

    wstest::RecordingSink parentSink;
    platform::WindowHandle parent = nullptr;
    CPlayWnd play;

  private:
    Rect m_place;
};

}  // namespace vela::ui
