// The mnemonic rule the recording canvas measures text by.
#include <gtest/gtest.h>

#include "ui/recording_canvas.h"

namespace vela::ui {
namespace {

TEST(RecordingCanvasTest, MnemonicAmpersands) {
    EXPECT_EQ(StripMnemonics("&Save"), "Save");
    EXPECT_EQ(StripMnemonics("Save && Exit"), "Save & Exit");
    EXPECT_EQ(StripMnemonics("End&"), "End");
}

}  // namespace
}  // namespace vela::ui
