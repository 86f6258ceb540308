#include "ui/text_resources.h"

#include "platform/kernel.h"

namespace vela::ui {

namespace {

constexpr char kSystemSection[] = "system";
constexpr char kLanguageKey[] = "Language";
constexpr int kDefaultLanguageCode = 936;
constexpr char kEnglishFolder[] = "English";

struct LanguageFolder {
    int code;
    const char* folder;
};

// The codes are this system's own numbering, not code pages or locale identifiers.
constexpr LanguageFolder kLanguageFolders[] = {
    {918, "German"},   {936, "English"},   {968, "French"},   {972, "Spanish"},   {978, "Italian"},
    {988, "Portugal"}, {998, "Dutch"},     {1012, "Hebrew"},  {1032, "Greek"},    {1048, "Russian"},
    {1096, "Korea"},   {1097, "Japanese"}, {1512, "Turkish"}, {2051, "TChinese"}, {2052, "Chinese"},
};

std::string Child(const std::string& folder, const std::string& name) {
    return folder + platform::PathSeparator() + name;
}

}  // namespace

ResourcePaths g_ResourcePaths;

const char* LanguageFolderName(int languageCode) {
    for (const LanguageFolder& entry : kLanguageFolders) {
        if (entry.code == languageCode) return entry.folder;
    }
    return kEnglishFolder;
}

int SelectLanguageFolder(const std::string& hostFolder, ResourcePaths& paths) {
    paths.hostFolder = hostFolder;
    paths.systemSettingsFile = Child(hostFolder, kSysParaFileName);
    int code = platform::ReadProfileInt(paths.systemSettingsFile, kSystemSection, kLanguageKey,
                                        kDefaultLanguageCode);
    paths.languageFolder = Child(hostFolder, LanguageFolderName(code));
    if (platform::DirectoryExists(paths.languageFolder)) return 1;
    paths.languageFolder = Child(hostFolder, kEnglishFolder);
    return platform::DirectoryExists(paths.languageFolder) ? 1 : 0;
}

void ComposeResourceFiles(ResourcePaths& paths) {
    paths.languageFolder = Child(paths.languageFolder, kSkinFolderName) + platform::PathSeparator();
    paths.textResFile = paths.languageFolder + kTextResFileName;
    paths.controlPosFile = paths.languageFolder + kControlPosFileName;
    paths.staticButtonTextFile = paths.languageFolder + kStaticButtonTextFileName;
}

std::string ReadIniText(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& fallback, size_t capacity) {
    return platform::ReadProfileString(file, section, key, fallback, capacity);
}

}  // namespace vela::ui
