// The diagnostic log on real files: switching, append banner, line format, the 4096-character
// cut, the wrap near 5 MiB and whole lines from concurrent writers.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "platform/diag_log.h"
#include "tests/common/temp_folder.h"

namespace {

using vela::platform::CDiagLog;
using vela::testing::ReadWholeFile;
using vela::testing::TempFolder;

constexpr size_t kStampLength = 9;  // "HH:MM:SS\t"
const std::string kBanner = "\r\n\r\n\r\nNEW WRITE BEGIN\r\n";

class DiagLogTest : public ::testing::Test {
  protected:
    void OpenWith(const std::string& settings) {
        log.Open(logPath, folder.Write("SysPara.ini", settings));
    }
    // The lines of the file without their time stamps; each must have one.
    std::vector<std::string> Messages() {
        std::vector<std::string> messages;
        std::string text = ReadWholeFile(logPath);
        const std::regex stamp("^[0-2][0-9]:[0-5][0-9]:[0-5][0-9]\t");
        size_t start = 0;
        for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
            std::string line = text.substr(start, end - start);
            EXPECT_TRUE(std::regex_search(line, stamp)) << line;
            messages.push_back(line.size() >= kStampLength ? line.substr(kStampLength) : line);
        }
        EXPECT_EQ(start, text.size()) << "the file ends with a whole line";
        return messages;
    }

    TempFolder folder;
    std::string logPath = folder.File("VelaSetupDll.txt");
    CDiagLog log;
};

TEST_F(DiagLogTest, OffWithoutToFileAndCreatesNoFile) {
    for (const char* settings :
         {"", "[OutputInfoToFile]\r\nToFile=0\r\n", "[OutputInfoToFile]\r\nOverride=1\r\n"}) {
        OpenWith(settings);
        log.Write("hello %d", 1);
        EXPECT_FALSE(log.IsOpen());
        EXPECT_FALSE(std::filesystem::exists(logPath)) << settings;
    }
}

TEST_F(DiagLogTest, WritesTimeStampedLinesWithCrLf) {
    OpenWith("[OutputInfoToFile]\r\nToFile=1\r\n");
    log.Write("CVelaDVSManager::InitServer() Result: %d\n", 1);
    log.Write("H264_DVR_Login() Fail, Error Code : %d", -11300);
    std::vector<std::string> expected = {"CVelaDVSManager::InitServer() Result: 1\n",
                                         "H264_DVR_Login() Fail, Error Code : -11300"};
    EXPECT_EQ(Messages(), expected);
    // Reopening follows the new settings: switched off, the file keeps what it had.
    OpenWith("[OutputInfoToFile]\r\nToFile=0\r\n");
    log.Write("two");
    EXPECT_FALSE(log.IsOpen());
    EXPECT_EQ(Messages(), expected);
}

TEST_F(DiagLogTest, OverrideTruncatesAndAppendPutsTheBannerAfterOldText) {
    const std::string append = "[OutputInfoToFile]\r\nToFile=1\r\nOverride=0\r\n";
    const struct {
        const char* old;  // null: no file yet
        std::string settings, head;
    } cases[] = {{"old text\r\n", "[OutputInfoToFile]\r\nToFile=1\r\n", ""},
                 {nullptr, append, ""},
                 {"old text\r\n", append, "old text\r\n" + kBanner}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.settings + (c.old ? " over old text" : " without a file"));
        OpenWith("");  // closed, so the file can go
        std::remove(logPath.c_str());
        if (c.old) folder.Write("VelaSetupDll.txt", c.old);
        OpenWith(c.settings);
        log.Write("new");
        const std::string text = ReadWholeFile(logPath);
        ASSERT_EQ(text.substr(0, c.head.size()), c.head);
        EXPECT_EQ(text.substr(c.head.size() + kStampLength), "new\r\n");
    }
}

TEST_F(DiagLogTest, LongMessageIsCutAt4096Characters) {
    OpenWith("[OutputInfoToFile]\r\nToFile=1\r\n");
    std::string message(5000, 'm');
    message[4095] = 'L';
    log.Write("%s", message.c_str());
    std::vector<std::string> messages = Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], message.substr(0, CDiagLog::kMessageCapacity));
}

// The log wraps at 5 MiB.
constexpr size_t kWrapBytes = 5u * 1024 * 1024;

TEST_F(DiagLogTest, WrapsToTheStartKeepingTheFileSize) {
    // An old log already at the limit: the first new line wraps.
    std::string old(kWrapBytes, 'o');
    folder.Write("VelaSetupDll.txt", old);
    OpenWith("[OutputInfoToFile]\r\nToFile=1\r\nOverride=0\r\n");
    const auto size = std::filesystem::file_size(logPath);
    EXPECT_EQ(size, old.size() + kBanner.size());

    log.Write("after wrap");
    std::string text = ReadWholeFile(logPath);
    EXPECT_EQ(text.size(), size);
    const std::string notice = CDiagLog::kWrapNotice;
    ASSERT_EQ(notice.size(), 52u);
    EXPECT_EQ(text.substr(0, notice.size()), notice);
    EXPECT_EQ(text.substr(notice.size() + kStampLength, 12), "after wrap\r\n");
    EXPECT_EQ(text[notice.size() + kStampLength + 12], 'o') << "older text stays behind";
}

TEST_F(DiagLogTest, CountedWritesWrapOnceTheLimitIsReached) {
    OpenWith("[OutputInfoToFile]\r\nToFile=1\r\n");
    const std::string message(CDiagLog::kMessageCapacity, 'x');
    const size_t lineLength = kStampLength + message.size() + 2;
    const size_t linesToLimit = (kWrapBytes + lineLength - 1) / lineLength;
    for (size_t i = 0; i < linesToLimit; ++i) log.Write("%s", message.c_str());
    const auto full = std::filesystem::file_size(logPath);
    EXPECT_EQ(full, linesToLimit * lineLength);

    log.Write("wrapped");
    EXPECT_EQ(std::filesystem::file_size(logPath), full);
    std::string head = ReadWholeFile(logPath).substr(0, 52 + kStampLength + 9);
    EXPECT_EQ(head.substr(0, 52), CDiagLog::kWrapNotice);
    EXPECT_EQ(head.substr(52 + kStampLength), "wrapped\r\n");
}

// Concurrent writers racing across the wrap: every line they wrote is in the file whole, before
// the wrap at the end of the old text or after it from the start.
TEST_F(DiagLogTest, ConcurrentWritersAcrossTheWrapLoseNoLineEnd) {
    folder.Write("VelaSetupDll.txt", std::string(kWrapBytes - 2000, 'o'));
    OpenWith("[OutputInfoToFile]\r\nToFile=1\r\nOverride=0\r\n");
    constexpr int kThreads = 4;
    constexpr int kLines = 200;
    std::vector<std::thread> writers;
    for (int t = 0; t < kThreads; ++t) {
        writers.emplace_back([this, t] {
            for (int i = 0; i < kLines; ++i) log.Write("writer %d line %d end", t, i);
        });
    }
    for (auto& writer : writers) writer.join();

    const std::string text = ReadWholeFile(logPath);
    ASSERT_EQ(text.substr(0, 52), CDiagLog::kWrapNotice);
    int whole = 0;
    for (size_t at = text.find("writer "); at != std::string::npos;
         at = text.find("writer ", at + 1)) {
        const size_t end = text.find("\r\n", at);
        ASSERT_NE(end, std::string::npos);
        int t = -1, i = -1;
        char tail[8] = {};
        const std::string line = text.substr(at, end - at);
        ASSERT_EQ(std::sscanf(line.c_str(), "writer %d line %d %7s", &t, &i, tail), 3) << line;
        EXPECT_STREQ(tail, "end") << line;
        ++whole;
    }
    EXPECT_EQ(whole, kThreads * kLines);
}

}  // namespace
