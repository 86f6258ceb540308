// Files and folders, dynamic libraries, the lock and the clocks.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <thread>
#include <vector>

#include "platform/abi.h"
#include "platform/kernel.h"
#include "tests/common/temp_folder.h"

namespace vela::platform::test {

using ::vela::testing::TempFolder;
namespace {

TEST(Folders, CreateFolderAndDirectoryExistsOnlyForTheExactDirectory) {
    TempFolder root;
    std::string folder = JoinPath(root.Path(), "Chinese");
    EXPECT_FALSE(DirectoryExists(folder));
    EXPECT_TRUE(CreateFolder(folder));
    EXPECT_TRUE(DirectoryExists(folder));
    EXPECT_FALSE(CreateFolder(folder)) << "an existing folder is reported as not created";
    EXPECT_FALSE(CreateFolder(JoinPath(JoinPath(root.Path(), "no"), "parent")));
    EXPECT_FALSE(DirectoryExists(root.Write("file.ini", "x")));
    EXPECT_FALSE(DirectoryExists(""));
    EXPECT_FALSE(DirectoryExists(JoinPath(root.Path(), "Chin*")));
}

using AddFunction = int(VELA_STDCALL*)(int, int);
using NegateFunction = int(VELA_STDCALL*)(int);
using VersionFunction = int(VELA_STDCALL*)();

std::unique_ptr<Library> OpenTestLibrary() {
    return OpenLibrary(JoinPath(HostFolder(), LibraryFileName("VelaTestLib")),
                       "TestLib_GetProcAddress");
}

TEST(Libraries, EntryPointsByOrdinalOnlyAndUnknownOnesGiveNothing) {
    auto library = OpenTestLibrary();
    ASSERT_NE(library, nullptr);
    auto add = reinterpret_cast<AddFunction>(library->Ordinal(1));
    auto negate = reinterpret_cast<NegateFunction>(library->Ordinal(7));
    ASSERT_NE(add, nullptr);
    ASSERT_NE(negate, nullptr);
    EXPECT_EQ(add(40, 2), 42);
    EXPECT_EQ(negate(5), -5);
    for (int ordinal : {0, 3, 8, -1, 65536, 1 << 20}) {
        EXPECT_EQ(library->Ordinal(ordinal), nullptr) << ordinal;
    }
    EXPECT_EQ(library->Symbol("TestLib_Missing"), nullptr);
    // Entry points reached by ordinal are not exported by name.
    EXPECT_EQ(library->Symbol("TestLib_Add"), nullptr);
    auto version = reinterpret_cast<VersionFunction>(library->Symbol("TestLib_Version"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version(), 3);
    EXPECT_EQ(OpenLibrary(JoinPath(HostFolder(), LibraryFileName("VelaNoSuchLib"))), nullptr);
}

TEST(Libraries, WithoutResolverNoOrdinalsOnPosix) {
    auto library = OpenLibrary(JoinPath(HostFolder(), LibraryFileName("VelaTestLib")));
    ASSERT_NE(library, nullptr);
#if defined(_WIN32)
    EXPECT_NE(library->Ordinal(1), nullptr);
#else
    EXPECT_EQ(library->Ordinal(1), nullptr);
#endif
}

TEST(LockTest, SerialisesThreads) {
    Lock lock;
    int counter = 0;
    std::vector<std::thread> threads;
    threads.reserve(4);
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&] {
            for (int i = 0; i < 20000; ++i) {
                LockGuard hold(lock);
                // A read-modify-write in two steps: lost updates show without the lock.
                int seen = counter;
                counter = seen + 1;
            }
        });
    }
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(counter, 80000);
}

// A lock that does not re-enter would hang the thread: it runs apart, and the test fails when
// it has not finished in seconds (a bound far above any machine's run, not a measurement).
bool FinishesWithinSeconds(std::function<void()> work) {
    auto done = std::make_shared<std::promise<void>>();
    std::future<void> finished = done->get_future();
    std::thread([work = std::move(work), done] {
        work();
        done->set_value();
    }).detach();
    return finished.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
}

TEST(LockTest, ReentersOnTheSameThreadAndIsFreeAfterAsManyLeaves) {
    static Lock lock;  // outlives a thread left hanging on it
    ASSERT_TRUE(FinishesWithinSeconds([] {
        lock.Enter();
        lock.Enter();  // a critical section may be entered again by its owner
        lock.Leave();
        lock.Leave();
    })) << "entering a held lock again on its own thread blocked";
    EXPECT_TRUE(FinishesWithinSeconds([] { LockGuard other(lock); }))
        << "the lock stayed held after two leaves";
}

TEST(Clock, TickCountAdvancesAcrossASleepAndNeverGoesBack) {
    // The Windows tick count moves in steps of 10 to 16 ms: a 30 ms sleep may show as 14.
    constexpr uint32_t kSleepMs = 30;
    constexpr uint32_t kCoarsestTickStepMs = 16;
    uint32_t before = TickCount();
    SleepMs(kSleepMs);
    uint32_t elapsed = TickCount() - before;  // wrap-safe difference
    EXPECT_GE(elapsed, kSleepMs - kCoarsestTickStepMs);
    EXPECT_LT(elapsed, 60000u);
    for (int i = 0; i < 10000; ++i) {
        uint32_t now = TickCount();
        EXPECT_LT(now - before, 0x80000000u);
        before = now;
    }
}

TEST(Clock, NowIsAPlausibleLocalTime) {
    LocalTime now = Now();
    EXPECT_TRUE(now.year >= 2020 && now.year <= 2200) << now.year;
    EXPECT_TRUE(now.month >= 1 && now.month <= 12) << now.month;
    EXPECT_TRUE(now.day >= 1 && now.day <= 31) << now.day;
    EXPECT_TRUE(now.hour >= 0 && now.hour <= 23 && now.minute >= 0 && now.minute <= 59 &&
                now.second >= 0 && now.second <= 60);
    // Sakamoto's day of the week for the date must agree with the reported weekday.
    static const int kMonthOffset[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    int year = now.month < 3 ? now.year - 1 : now.year;
    int weekday =
        (year + year / 4 - year / 100 + year / 400 + kMonthOffset[now.month - 1] + now.day) % 7;
    EXPECT_EQ(now.weekday, weekday);
}

}  // namespace
}  // namespace vela::platform::test
