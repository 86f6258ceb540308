// Text resources: the language folder beside the host program, the three resource INI files
// in it, and the one text lookup every page uses. The paths are fixed once at Init.
#pragma once

#include <cstddef>
#include <string>

namespace vela::ui {

// Buffer capacities of text lookups, terminating zero included; a longer value is cut to
// capacity - 1 bytes.
constexpr size_t kCaptionCapacity = 260;       // control captions, every StaticButtonText key
constexpr size_t kMessageCapacity = 100;       // messages, prompts, alarm/sensor copy entries
constexpr size_t kListEntryCapacity = 64;      // combo-box list entries
constexpr size_t kColumnHeadingCapacity = 20;  // list-view column headings

constexpr char kSysParaFileName[] = "SysPara.ini";
constexpr char kSkinFolderName[] = "dvsconfig";
constexpr char kTextResFileName[] = "VelaSetupDllTextRes.ini";
constexpr char kControlPosFileName[] = "VelaSetupDllControlPos.ini";
constexpr char kStaticButtonTextFileName[] = "VelaSetupDllStaticButtonText.ini";

struct ResourcePaths {
    std::string hostFolder;          // no trailing separator
    std::string systemSettingsFile;  // host folder + SysPara.ini
    std::string languageFolder;      // ends in the separator once the skin tail is added
    std::string textResFile;
    std::string controlPosFile;
    std::string staticButtonTextFile;
};

// Filled by the root object at Init on the UI thread, read-only afterwards.
extern ResourcePaths g_ResourcePaths;

// Folder name (without separator) for a language code of SysPara.ini [system] "Language";
// codes not in the table give "English".
const char* LanguageFolderName(int languageCode);

// Fills paths' host folder, settings file and language folder (still without the skin tail).
// 1 when the chosen or the English folder exists, 0 when neither does; English stays selected
// whenever the chosen folder is missing.
int SelectLanguageFolder(const std::string& hostFolder, ResourcePaths& paths);

// Appends the skin folder tail to the language folder and forms the three resource files,
// whatever SelectLanguageFolder found.
void ComposeResourceFiles(ResourcePaths& paths);

// GetPrivateProfileStringA with a buffer of `capacity` bytes.
std::string ReadIniText(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& fallback, size_t capacity);

}  // namespace vela::ui
