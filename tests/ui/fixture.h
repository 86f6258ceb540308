// A modeless test dialog, created fresh for each test and destroyed after it; message boxes
// are answered (and recorded) instead of waiting for a person.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include <memory>

#include "tests/ui/test_dialog.h"

namespace vela::uitest {

class UiTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dialog = std::make_unique<TestDialog>();
        ASSERT_TRUE(dialog->Create());
    }
    void TearDown() override {
        dialog.reset();
        ws().PumpMessages();
    }
    static platform::WindowSystem& ws() { return platform::TheWindowSystem(); }
    platform::WindowHandle Item(int id) const { return dialog->GetDlgItem(id); }

    RecordingAnswers answers;
    std::unique_ptr<TestDialog> dialog;
};

}  // namespace vela::uitest
