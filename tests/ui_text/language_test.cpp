// Language folder selection and the text lookup with its fixed capacities.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "platform/kernel.h"
#include "tests/common/temp_folder.h"
#include "ui/text_resources.h"

namespace {

using vela::testing::TempFolder;
using vela::ui::ResourcePaths;

class LanguageTest : public ::testing::Test {
  protected:
    std::string Folder(const std::string& name) const {
        return host.Path() + vela::platform::PathSeparator() + name;
    }
    void SetLanguage(const std::string& code) {
        host.Write("SysPara.ini", "[system]\r\nLanguage=" + code + "\r\n");
    }
    void AddLanguage(const std::string& name) { host.Write(name + "/dvsconfig/x.ini", ""); }

    TempFolder host;
    ResourcePaths paths;
};

// The resource files composed under the chosen folder are the start-up test's.
TEST_F(LanguageTest, ListedCodeWithItsFolderSelectsItElseEnglish) {
    AddLanguage("English");
    AddLanguage("Chinese");
    host.Write("Korea", "not a folder");
    // 1041: a Windows locale number, not one of ours; 1096: a file, not a folder; 1097: no folder.
    for (const auto& [code, folder] : {std::pair{"", "English"},
                                       {"2052", "Chinese"},
                                       {"1041", "English"},
                                       {"1096", "English"},
                                       {"1097", "English"}}) {
        if (code[0] != '\0') SetLanguage(code);
        EXPECT_EQ(vela::ui::SelectLanguageFolder(host.Path(), paths), 1) << code;
        EXPECT_EQ(paths.languageFolder, Folder(folder)) << code;
    }
}

TEST_F(LanguageTest, MissingEnglishTooStillSelectsEnglishAndAnswersZero) {
    SetLanguage("1097");
    EXPECT_EQ(vela::ui::SelectLanguageFolder(host.Path(), paths), 0);
    EXPECT_EQ(paths.languageFolder, Folder("English"));
}

// The texts' buffers: each cuts a longer value to one byte less than its size. The lookup's
// other rules are the private-profile reader's (platform ini_cases_test).
TEST(ReadIniTextTest, EachCapacityCutsToOneLessByte) {
    using namespace vela::ui;
    TempFolder folder;
    const std::string file =
        folder.Write("TextRes.ini", "[DVSInfo]\r\nLong=" + std::string(300, 'c') +
                                        "\r\nEntry=" + std::string(70, 'e') + "\r\n");
    EXPECT_EQ(ReadIniText(file, "DVSInfo", "Long", "", kCaptionCapacity), std::string(259, 'c'));
    EXPECT_EQ(ReadIniText(file, "DVSInfo", "Long", "", kMessageCapacity), std::string(99, 'c'));
    EXPECT_EQ(ReadIniText(file, "DVSInfo", "Entry", "", kListEntryCapacity), std::string(63, 'e'));
    EXPECT_EQ(ReadIniText(file, "DVSInfo", "Long", "", kColumnHeadingCapacity),
              std::string(19, 'c'));
}

}  // namespace
