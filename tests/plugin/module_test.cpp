// The shipped module itself, loaded from this program's folder as a host loads it: the seven
// entry points by their undecorated names and nothing else visible. Their lifecycle rules are
// the exports test's; console_e2e runs whole Init-UnInit cycles through this loaded module.
#include <gtest/gtest.h>

#include "tests/common/plugin_module.h"

namespace {

using vela::testing::ThePlugin;

TEST(ModuleTest, OnlyTheSevenEntryPointsAreVisible) {
    vela::platform::Library* module = ThePlugin().library;
    ASSERT_NE(module, nullptr);
    ASSERT_TRUE(ThePlugin().Complete());
    EXPECT_EQ(module->Symbol("_ZN4vela8platform9g_DiagLogE"), nullptr);
    EXPECT_EQ(module->Symbol("Init@12"), nullptr);
    EXPECT_EQ(module->Symbol("_Init@12"), nullptr);
}

}  // namespace
