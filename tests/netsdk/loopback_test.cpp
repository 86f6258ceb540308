// The built library file, loaded by ordinal as the plug-in loads it, against dvrsim's server
// on loopback: exports, login failures with their error code, reboot and coming back.
#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <vector>

#include "platform/abi.h"
#include "platform/kernel.h"
#include "tests/common/temp_folder.h"
#include "tools/dvrsim/server.h"
#include "tools/wire/commands.h"

namespace vela {
namespace {

using LoginFn = int32_t(VELA_STDCALL*)(const char*, uint16_t, const char*, const char*, uint8_t*,
                                       int32_t*, int32_t);
using HandleFn = int32_t(VELA_STDCALL*)(int32_t);
using VoidFn = int32_t(VELA_STDCALL*)();
using GetConfigFn = int32_t(VELA_STDCALL*)(int32_t, uint32_t, int32_t, void*, uint32_t, uint32_t*,
                                           int32_t);
using RebootFn = int32_t(VELA_STDCALL*)(int32_t, int32_t, int32_t);
using MessageCallbackFn = int32_t(VELA_STDCALL*)(int32_t, const char*, uint32_t, uintptr_t);
using SetMessageCallbackFn = int32_t(VELA_STDCALL*)(MessageCallbackFn, uintptr_t);

std::mutex g_messagesMutex;
std::vector<std::string> g_messages;
int32_t VELA_STDCALL KeepMessage(int32_t, const char* data, uint32_t length, uintptr_t) {
    std::lock_guard<std::mutex> lock(g_messagesMutex);
    g_messages.emplace_back(data, length);
    return 0;
}

class LoopbackFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        library_ = platform::OpenLibrary(
            platform::JoinPath(platform::HostFolder(), platform::LibraryFileName("NetSDK")),
            "NetSDK_GetProcAddress");
        ASSERT_TRUE(library_);
        dvrsim::ServerOptions options;
        options.port = 0;
        options.rebootMs = 300;
        options.device.statePath = folder_.File("state.bin");
        options.device.password = "1234";
        server_ = std::make_unique<dvrsim::Server>(options);
        std::string reason;
        ASSERT_TRUE(server_->Start(&reason)) << reason;
        login_ = reinterpret_cast<LoginFn>(library_->Ordinal(5));
        lastError_ = reinterpret_cast<VoidFn>(library_->Ordinal(3));
        ASSERT_TRUE(login_ && lastError_);
    }
    void TearDown() override {
        if (library_) reinterpret_cast<VoidFn>(library_->Ordinal(2))();
        server_.reset();
    }
    int32_t Login(const char* password) {
        int32_t error = 0;
        return login_("127.0.0.1", server_->port(), "admin", password, info_, &error, 0);
    }

    testing::TempFolder folder_;
    std::unique_ptr<platform::Library> library_;
    std::unique_ptr<dvrsim::Server> server_;
    LoginFn login_ = nullptr;
    VoidFn lastError_ = nullptr;
    uint8_t info_[400] = {};
};

TEST_F(LoopbackFixture, ExportsExactlyTheOrdinalsOfTheInterface) {
    for (int ordinal : {1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 15, 16, 19, 21, 34, 35, 37, 38, 39}) {
        EXPECT_NE(library_->Ordinal(ordinal), nullptr) << ordinal;
    }
    for (int ordinal : {0, 6, 13, 14, 17, 18, 20, 36, 40}) {
        EXPECT_EQ(library_->Ordinal(ordinal), nullptr) << ordinal;
    }
}

TEST_F(LoopbackFixture, WrongPasswordFailsWithAnErrorCode) {
    EXPECT_LE(Login("12345"), 0);
    EXPECT_EQ(lastError_(), wire::kErrBadPassword);
    uint16_t closedPort = server_->port();
    server_.reset();
    int32_t error = 0;
    EXPECT_LE(login_("127.0.0.1", closedPort, "admin", "1234", info_, &error, 0), 0);
    EXPECT_EQ(error, wire::kErrConnect);
}

TEST_F(LoopbackFixture, RebootDropsTheLoginAndTheDeviceComesBack) {
    reinterpret_cast<SetMessageCallbackFn>(library_->Ordinal(8))(&KeepMessage, 0);
    int32_t watcher = Login("1234");  // another client of the same device
    int32_t login = Login("1234");
    ASSERT_GT(login, 0);
    auto reboot = reinterpret_cast<RebootFn>(library_->Ordinal(39));
    auto getConfig = reinterpret_cast<GetConfigFn>(library_->Ordinal(11));
    EXPECT_EQ(reboot(login, 0, 10000) & 0xFF, 1);
    uint8_t network[144];
    uint32_t returned = 0;
    bool dropped = false;
    for (int i = 0; i < 100 && !dropped; ++i) {
        dropped = getConfig(login, 20, 0, network, 144, &returned, 1000) == 0;
        if (!dropped) platform::SleepMs(10);
    }
    EXPECT_TRUE(dropped);
    for (int i = 0; i < 200; ++i) {  // the other client is told why it is dropped
        std::lock_guard<std::mutex> lock(g_messagesMutex);
        if (!g_messages.empty()) break;
        platform::SleepMs(10);
    }
    {
        std::lock_guard<std::mutex> lock(g_messagesMutex);
        EXPECT_EQ(g_messages, std::vector<std::string>{"reboot"});
    }
    reinterpret_cast<HandleFn>(library_->Ordinal(7))(watcher);
    EXPECT_EQ(reinterpret_cast<HandleFn>(library_->Ordinal(7))(login), 1);
    int32_t again = 0;
    for (int i = 0; i < 200 && again <= 0; ++i) {
        again = Login("1234");
        if (again <= 0) platform::SleepMs(10);
    }
    ASSERT_GT(again, 0);
    EXPECT_EQ(getConfig(again, 20, 0, network, 144, &returned, 1000), 1);
}

}  // namespace
}  // namespace vela
