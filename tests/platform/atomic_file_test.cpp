// The atomic file writer on this build's platform (natively and under wine): the old contents
// survive every failure before the replacement, and nothing is left beside the file.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/atomic_file.h"
#include "tests/common/temp_folder.h"

#if !defined(_WIN32)
#include <sys/resource.h>

#include <csignal>
#endif

namespace vela::platform {
namespace {

using testing::ReadWholeFile;
using testing::TempFolder;

class AtomicFileTest : public ::testing::Test {
  protected:
    void SetUp() override { target = folder.Write("presets.dat", "old contents"); }
    bool TemporaryLeft() const { return std::filesystem::exists(target + ".tmp"); }

    TempFolder folder;
    std::string target;
};

TEST_F(AtomicFileTest, CommitReplacesTheWholeFile) {
    AtomicFileWriter file(target);
    ASSERT_TRUE(file.IsOpen());
    EXPECT_TRUE(file.Write("new ", 4));
    EXPECT_TRUE(file.Write("contents", 8));
    EXPECT_EQ(ReadWholeFile(target), "old contents") << "nothing replaced before the commit";
    EXPECT_TRUE(file.Commit());
    EXPECT_EQ(ReadWholeFile(target), "new contents");
    EXPECT_FALSE(TemporaryLeft());
}

TEST_F(AtomicFileTest, AWriterAbandonedAfterWritingLeavesTheOldFileWhole) {
    {
        AtomicFileWriter file(target);
        ASSERT_TRUE(file.Write("half of the new", 15));
        ASSERT_TRUE(TemporaryLeft());
    }  // gone between writing and replacing, as a failing caller leaves it
    EXPECT_EQ(ReadWholeFile(target), "old contents");
    EXPECT_FALSE(TemporaryLeft());
}

#if !defined(_WIN32)
// The file size limit makes a write fail part-way, as a full disk would.
TEST_F(AtomicFileTest, AWriteThatFailsPartWayKeepsTheOldFile) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string data(4000, 'n');
    bool wrote = true, committed = true;
    {
        AtomicFileWriter file(target);
        wrote = file.Write(data.data(), data.size());
        committed = file.Commit();
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_FALSE(wrote);
    EXPECT_FALSE(committed);
    EXPECT_EQ(ReadWholeFile(target), "old contents");
    EXPECT_FALSE(TemporaryLeft());
}
#endif

}  // namespace
}  // namespace vela::platform
