// The shipped module itself, loaded from this program's folder as a host loads it: the seven
// entry points by their undecorated names, nothing else visible, and the lifecycle rules.
#include <gtest/gtest.h>

#include <vector>

#include "tests/common/plugin_module.h"

namespace {

using vela::testing::ThePlugin;

class ModuleTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(ThePlugin().library, nullptr);
        ASSERT_TRUE(ThePlugin().Complete());
    }
    void TearDown() override {
        if (ThePlugin().unInit) {
            while (ThePlugin().unInit() == 1) {
            }
        }
    }

    vela::platform::Library* module = ThePlugin().library;
    const vela::testing::PluginModule& p = ThePlugin();
};

TEST_F(ModuleTest, OnlyTheSevenEntryPointsAreVisible) {
    EXPECT_EQ(module->Symbol("_ZN4vela8platform9g_DiagLogE"), nullptr);
    EXPECT_EQ(module->Symbol("Init@12"), nullptr);
    EXPECT_EQ(module->Symbol("_Init@12"), nullptr);
}

TEST_F(ModuleTest, LifecycleThroughTheLoadedModule) {
    char address[64] = {};
    uint8_t record[vela_setup::server_info::kSize] = {};
    std::vector<uint8_t> records(vela_setup::preset_info::kSize * 128);
    uint8_t items[vela_setup::plan_item::kSize * 32] = {};
    int32_t count = 1, speed = 0, home = 0, homeTime = 0;

    // Before Init every export answers 0 (each one is checked in the exports test).
    EXPECT_EQ(p.unInit(), 0);
    EXPECT_EQ(p.readPresetPlan("x", 0, items, &count, &home, &homeTime), 0);

    ASSERT_EQ(p.init(0, 0, 0), 1);
    EXPECT_EQ(p.init(0, 0, 0), 1);
    EXPECT_EQ(p.getServerInfo(address, record), 0) << "no SetupServer yet";
    EXPECT_EQ(p.readPresetInfo("no such device", 32, records.data(), &count, &speed), 0);
    EXPECT_EQ(p.setMotionAlarmState(0, 0, 1), 0);
    EXPECT_EQ(p.unInit(), 1);
    EXPECT_EQ(p.unInit(), 0);
    ASSERT_EQ(p.init(0, 0, 0), 1) << "a new cycle after UnInit";
}

}  // namespace
