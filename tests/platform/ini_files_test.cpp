// INI files that change between look-ups, files of arbitrary bytes, and concurrent readers.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "platform/kernel.h"
#include "tests/common/temp_folder.h"

namespace vela::platform::test {

using ::vela::testing::TempFolder;
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

std::string Read(const std::string& path, const char* key) {
    return ReadProfileString(path, "s", key, "dflt", 260);
}

TEST(IniFileChanges, EveryRewriteIsSeenAtTheNextLookup) {
    TempFolder folder;
    std::string path = folder.Write("change.ini", "[s]\nk=1\n");
    EXPECT_EQ(Read(path, "k"), "1");
    // Same size, written straight after: same second, quite possibly the same time stamp.
    folder.Write("change.ini", "[s]\nk=2\n");
    EXPECT_EQ(Read(path, "k"), "2");
    folder.Write("change.ini", "[s]\nk=3\n");
    EXPECT_EQ(ReadProfileInt(path, "s", "k", 0), 3);
    folder.Write("change.ini", "[s]\nkey=longer value\n");
    EXPECT_EQ(Read(path, "key"), "longer value");
    EXPECT_EQ(Read(path, "k"), "dflt");
    folder.Write("change.ini", "");
    EXPECT_EQ(Read(path, "key"), "dflt");
    // A rewrite keeping size and modification time.
    folder.Write("change.ini", "[s]\nk=4\n");
    auto stamp = fs::last_write_time(path);
    EXPECT_EQ(Read(path, "k"), "4");
    folder.Write("change.ini", "[s]\nk=5\n");
    fs::last_write_time(path, stamp);
    EXPECT_EQ(Read(path, "k"), "5");
}

TEST(IniFileChanges, VanishedAndRecreatedFile) {
    TempFolder folder;
    std::string path = folder.Write("gone.ini", "[s]\nk=1\n");
    EXPECT_EQ(Read(path, "k"), "1");
    std::remove(path.c_str());
    EXPECT_EQ(Read(path, "k"), "dflt");
    folder.Write("gone.ini", "[s]\nk=5\n");
    EXPECT_EQ(Read(path, "k"), "5");
}

TEST(IniFileChanges, AFileReplacedByRenamingAnotherOverItIsSeen) {
    TempFolder folder;
    std::string path = folder.Write("saved.ini", "[s]\nk=old\n");
    EXPECT_EQ(Read(path, "k"), "old");
    // As editors and installers save: a new file beside it, renamed over it.
    fs::rename(folder.Write("saved.ini.new", "[s]\nk=new\n"), path);
    EXPECT_EQ(Read(path, "k"), "new");
    fs::rename(folder.Write("other.tmp", "[s]\nk=newer\n"), path);
    EXPECT_EQ(Read(path, "k"), "newer");
}

TEST(IniFileChanges, FilesAreKeptApartAndAFolderIsNoFile) {
    TempFolder folder;
    std::string first = folder.Write("a.ini", "[s]\nk=a\n");
    std::string second = folder.Write("b.ini", "[s]\nk=b\n");
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(Read(first, "k"), "a");
        EXPECT_EQ(Read(second, "k"), "b");
    }
    EXPECT_EQ(ReadProfileString(folder.Path(), "s", "k", "dflt", 260), "dflt");
}

// Looks every key of interest up; only the absence of a crash and of an over-long
// answer is checked, the content of such files being meaningless.
void LookUpEverywhere(const std::string& path) {
    const char* names[] = {"", "s", "k", "a", "[", "=", "\"", "system", "Language"};
    for (const char* section : names) {
        for (const char* key : names) {
            for (size_t capacity : {size_t{1}, size_t{2}, size_t{64}}) {
                EXPECT_LT(ReadProfileString(path, section, key, "d", capacity).size(), capacity);
            }
            ReadProfileInt(path, section, key, 1);
        }
    }
}

TEST(IniOddFiles, RandomBytes) {
    TempFolder folder;
    std::mt19937 random(20261206);
    // Random bytes drawn from a small alphabet full of INI syntax, and from all bytes.
    const std::string syntax = "[]=\"' \t\r\n\x1a\0skaSKA;"s;
    for (int file = 0; file < 16; ++file) {
        std::string bytes(1 + random() % 600, '\0');
        for (char& c : bytes) {
            c = file % 2 ? static_cast<char>(random()) : syntax[random() % syntax.size()];
        }
        LookUpEverywhere(folder.Write("random.ini", bytes));
    }
}

TEST(IniOddFiles, CorpusOfParserInputs) {
    int files = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(VELA_INI_CORPUS_DIR))) {
        if (!entry.is_regular_file()) continue;
        SCOPED_TRACE(entry.path().string());
        LookUpEverywhere(fs::absolute(entry.path()).make_preferred().string());
        ++files;
    }
    EXPECT_GT(files, 0);
}

TEST(IniThreads, ConcurrentReadersWhileTheFileChanges) {
    TempFolder folder;
    std::string path = folder.Write("shared.ini", "[s]\nk=1\n");
    std::vector<std::thread> readers;
    readers.reserve(4);
    for (int t = 0; t < 4; ++t) {
        readers.emplace_back([&path] {
            for (int i = 0; i < 200; ++i) {
                std::string value = Read(path, "k");
                // A reader sees one of the written versions, or an empty or missing value
                // while the file is being rewritten; never anything else.
                EXPECT_TRUE(value == "1" || value == "2" || value == "dflt" || value.empty())
                    << value;
            }
        });
    }
    for (int i = 0; i < 50; ++i) folder.Write("shared.ini", i % 2 ? "[s]\nk=1\n" : "[s]\nk=2\n");
    for (auto& reader : readers) reader.join();
}

}  // namespace
}  // namespace vela::platform::test
