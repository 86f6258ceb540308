// The shipped module itself, loaded from this program's folder as a host loads it: the seven
// entry points by their undecorated names, nothing else visible, and the lifecycle rules.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/kernel.h"
#include "plugin/VelaSetupDll.h"

namespace {

class ModuleTest : public ::testing::Test {
  protected:
    // Loaded once and never unloaded, as a host keeps it: the plug-in keeps NetSDK loaded for
    // the life of the process, so unloading the module would strand that library.
    static vela::platform::Library* Module() {
        static vela::platform::Library* const module =
            vela::platform::OpenLibrary(
                vela::platform::JoinPath(vela::platform::HostFolder(),
                                         vela::platform::LibraryFileName("VelaSetupDll")))
                .release();
        return module;
    }

    void SetUp() override {
        module = Module();
        ASSERT_NE(module, nullptr);
        init = reinterpret_cast<vela_setup::InitFn>(module->Symbol("Init"));
        unInit = reinterpret_cast<vela_setup::UnInitFn>(module->Symbol("UnInit"));
        setupServer = reinterpret_cast<vela_setup::SetupServerFn>(module->Symbol("SetupServer"));
        getServerInfo =
            reinterpret_cast<vela_setup::GetServerInfoFn>(module->Symbol("GetServerInfo"));
        readPresetInfo =
            reinterpret_cast<vela_setup::ReadPresetInfoFn>(module->Symbol("ReadPresetInfo"));
        readPresetPlan =
            reinterpret_cast<vela_setup::ReadPresetPlanFn>(module->Symbol("ReadPresetPlan"));
        setMotionAlarmState = reinterpret_cast<vela_setup::SetMotionAlarmStateFn>(
            module->Symbol("SetMotionAlarmState"));
        ASSERT_TRUE(init && unInit && setupServer && getServerInfo && readPresetInfo &&
                    readPresetPlan && setMotionAlarmState);
    }
    void TearDown() override {
        if (unInit) {
            while (unInit() == 1) {
            }
        }
    }

    vela::platform::Library* module = nullptr;
    vela_setup::InitFn init = nullptr;
    vela_setup::UnInitFn unInit = nullptr;
    vela_setup::SetupServerFn setupServer = nullptr;
    vela_setup::GetServerInfoFn getServerInfo = nullptr;
    vela_setup::ReadPresetInfoFn readPresetInfo = nullptr;
    vela_setup::ReadPresetPlanFn readPresetPlan = nullptr;
    vela_setup::SetMotionAlarmStateFn setMotionAlarmState = nullptr;
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
    EXPECT_EQ(unInit(), 0);
    EXPECT_EQ(readPresetPlan("x", 0, items, &count, &home, &homeTime), 0);

    ASSERT_EQ(init(0, 0, 0), 1);
    EXPECT_EQ(init(0, 0, 0), 1);
    EXPECT_EQ(getServerInfo(address, record), 0) << "no SetupServer yet";
    EXPECT_EQ(readPresetInfo("no such device", 32, records.data(), &count, &speed), 0);
    EXPECT_EQ(setMotionAlarmState(0, 0, 1), 0);
    EXPECT_EQ(unInit(), 1);
    EXPECT_EQ(unInit(), 0);
    ASSERT_EQ(init(0, 0, 0), 1) << "a new cycle after UnInit";
}

}  // namespace
