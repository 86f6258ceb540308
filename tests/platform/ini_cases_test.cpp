// The private-profile rules as one table of cases. The Linux build checks its own INI reader
// against it; the Windows build runs the same table against GetPrivateProfileStringA and
// GetPrivateProfileIntA, which keeps the table honest.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

#include "platform/kernel.h"
#include "tests/common/temp_folder.h"

namespace vela::platform::test {

using ::vela::testing::TempFolder;
namespace {

using namespace std::string_view_literals;

// A case without file text looks into a file that does not exist.
constexpr std::string_view kNoFile = "<no file>"sv;
// A value line far longer than any capacity, followed by the key looked up.
const std::string kLongLineFile = "[s]\nk=" + std::string(520, 'a') + "\nj=x\n";

// Files as an editor saves them in UTF-16: the mark, then each code unit in the byte order.
std::string Utf16(std::u16string_view text, bool bigEndian = false, bool mark = true) {
    std::u16string units = mark ? u"\xFEFF" : u"";
    units += text;
    std::string bytes;
    for (char16_t unit : units) {
        char low = static_cast<char>(unit & 0xFF), high = static_cast<char>(unit >> 8);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}
const std::string kUtf16Le = Utf16(u"[System]\r\nLanguage = \"2052\"\r\nlog=1\r\n");
const std::string kUtf16Be = Utf16(u"[System]\r\nLanguage = \"2052\"\r\nlog=1\r\n", true);
const std::string kUtf16NoMark = Utf16(u"[s]\nk=v\n", false, false);
const std::string kUtf16MarkOnly = Utf16(u"");
const std::string kUtf16Latin = Utf16(u"[s]\nk=caf\u00E9\n");
const std::string kUtf16Pair = Utf16(u"[s]\nk=a\U0001F600b\n");
const std::string kUtf16LoneHigh = Utf16(
    u"[s]\nk=a\xD83D"
    u"b\n");
const std::string kUtf16LoneLow = Utf16(
    u"[s]\nk=a\xDE00"
    u"b\n");
const std::string kUtf16HighAtEnd = Utf16(u"[s]\nk=a\xD83D");
const std::string kUtf16BeLoneLow = Utf16(
    u"[s]\nk=a\xDE00"
    u"b\n",
    true);
const std::string kUtf16OddEnd = Utf16(u"[s]\nk=vw") + "x";
const std::string kUtf16BeOddEnd = Utf16(u"[s]\nk=vw", true) + "x";
const std::string kUtf16ZeroUnit = Utf16(std::u16string(u"[s]\nk=a") + u'\0' + u"b\nj=x\n");
const std::string kUtf16SecondMark = Utf16(u"\xFEFF[s]\nk=v\n");
const std::string kUtf16InUtf8Mark = "\xEF\xBB\xBF" + Utf16(u"[s]\nk=v\n");
const std::string kUtf16LeNumber = Utf16(u"[s]\r\nk=-42\r\n");
const std::string kUtf16BeNumber = Utf16(u"[s]\r\nk=0x10\r\n", true);

struct TextCase {
    const char* name;
    std::string_view file;
    const char* section;
    const char* key;
    const char* fallback;
    size_t capacity;
    std::string_view expected;
    const char* windowsExpected = nullptr;  // where the system function differs
};

void PrintTo(const TextCase& c, std::ostream* out) {
    *out << c.name;
}

const TextCase kTextCases[] = {
    // Names
    {"SectionAndKeyIgnoreCase", "[System]\nLanguage=2052\n", "SYSTEM", "language", "d", 260,
     "2052"},
    {"QueryNamesTrimmed", "[s]\nk=v\n", "  s ", " k  ", "d", 260, "v"},
    {"KeyWithInnerBlanks", "[s]\nmy key = v\n", "S", "MY KEY", "d", 260, "v"},
    {"SectionNameTrimmedInside", "[ \ts ]\nk=v\n", "s", "k", "d", 260, "v"},
    {"SectionNameKeepsInnerBlanks", "[my  s]\nk=v\n", "my s", "k", "d", 260, "d"},
    {"SectionNameRunsToLastBracket", "[a]b] tail\nk=v\n", "a]b", "k", "d", 260, "v"},
    {"BracketLineWithoutCloseIsKey", "[s]\n[open=1\n", "s", "[open", "d", 260, "1"},
    {"KeysBeforeFirstSectionUnderEmptyName", "top=1\n[s]\nk=v\n", "", "top", "d", 260, "1"},
    {"SemicolonLineIsKey", "[s]\n;note=x\n", "s", ";note", "d", 260, "x"},
    {"EmptyKeyNameFindsLineStartingWithEquals", "[s]\n=v\nk=w\n", "s", "", "d", 260, "v"},
    {"EmptyKeyNameWithoutSuchLine", "[s]\nk=w\n", "s", "", "d", 260, "d"},
    // Blanks
    {"LineAndValueTrimmed", "  [s]  \n   key   =   some value \t \n", "s", "key", "d", 260,
     "some value"},
    {"EndOfFileMarkIsBlank", "[s]\nk=v\x1a\n", "s", "k", "d", 260, "v"},
    {"NoNewlineAtEnd", "[s]\nk=v", "s", "k", "d", 260, "v"},
    {"EqualsInsideValue", "[s]\nk=a=b\n", "s", "k", "d", 260, "a=b"},
    // Quotes
    {"DoubleQuotesRemoved", "[s]\nk=\"abc\"\n", "s", "k", "d", 260, "abc"},
    {"SingleQuotesRemoved", "[s]\nk='abc'\n", "s", "k", "d", 260, "abc"},
    {"QuotedBlanksKept", "[s]\nk=  \"  pad  \"  \n", "s", "k", "d", 260, "  pad  "},
    {"UnmatchedQuotesKept", "[s]\nk=\"abc'\n", "s", "k", "d", 260, "\"abc'"},
    {"OpeningQuoteOnlyKept", "[s]\nk=\"abc\n", "s", "k", "d", 260, "\"abc"},
    {"SingleQuoteCharacterKept", "[s]\nk=\"\n", "s", "k", "d", 260, "\""},
    {"EmptyQuotesGiveEmpty", "[s]\nk=\"\"\n", "s", "k", "d", 260, ""},
    {"OnlyOnePairRemoved", "[s]\nk=\"\"x\"\"\n", "s", "k", "d", 260, "\"x\""},
    {"InnerQuotesKept", "[s]\nk=a\"b\"\n", "s", "k", "d", 260, "a\"b\""},
    // First wins
    {"FirstKeyWins", "[s]\nk=first\nK=second\n", "s", "k", "d", 260, "first"},
    {"FirstSectionWins", "[s]\nk=first\n[S]\nk=second\n", "s", "k", "d", 260, "first"},
    {"KeyOnlyInRepeatedSectionNotFound", "[s]\nk=v\n[s]\nonly2=x\n", "s", "only2", "d", 260, "d"},
    // Values and defaults
    {"KeyWithoutEqualsGivesDefault", "[s]\nnoeq\n", "s", "noeq", "d", 260, "d"},
    {"EmptyValueIsEmpty", "[s]\nk=\n", "s", "k", "d", 260, ""},
    {"MissingSectionGivesDefault", "[s]\nk=v\n", "t", "k", "dflt", 260, "dflt"},
    {"EmptyFileGivesDefault", "", "s", "k", "dflt", 260, "dflt"},
    {"DefaultTrailingSpacesRemoved", "[s]\n", "s", "k", "dflt   ", 260, "dflt"},
    {"DefaultTrailingTabKept", "[s]\n", "s", "k", "dflt\t", 260, "dflt\t"},
    {"DefaultOfSpacesKeepsOne", "[s]\n", "s", "k", "   ", 260, " "},
    {"DefaultQuotesRemoved", "[s]\n", "s", "k", "\"q\"  ", 260, "q"},
    {"DefaultCut", "[s]\n", "s", "k", "default", 4, "def"},
    {"MissingFileGivesDefault", kNoFile, "s", "k", "dflt  ", 260, "dflt"},
    {"MissingFileDefaultQuotesRemoved", kNoFile, "s", "k", "\"q\"", 260, "q"},
    {"MissingFileDefaultCut", kNoFile, "s", "k", "default", 4, "def"},
    // Capacity
    {"ValueCutToCapacityLessOne", "[s]\nk=abcdef\n", "s", "k", "d", 4, "abc"},
    {"ValueFitsExactly", "[s]\nk=abcdef\n", "s", "k", "d", 7, "abcdef"},
    {"CapacityOneGivesEmpty", "[s]\nk=abcdef\n", "s", "k", "d", 1, ""},
    {"CapacityZeroGivesEmpty", "[s]\nk=abcdef\n", "s", "k", "d", 0, ""},
    {"QuotedValueCut", "[s]\nk=\"abcdef\"\n", "s", "k", "d", 4, "abc"},
    // The Windows function (as wine implements it) loses the last character of a quoted
    // value that fits exactly; this reader keeps it.
    {"QuotedValueFitsExactly", "[s]\nk=\"abcdef\"\n", "s", "k", "d", 7, "abcdef", "abcde"},
    {"QuotedValueFitsWithRoomToSpare", "[s]\nk=\"abcdef\"\n", "s", "k", "d", 8, "abcdef"},
    // Line ends and odd bytes
    {"CrLf", "[s]\r\nk=v\r\nj=w\r\n", "s", "j", "d", 260, "w"},
    {"CrOnlyLines", "[s]\rk=v\rj=w\r", "s", "j", "d", 260, "w"},
    {"LoneCrEndsLine", "[s]\nk=a\rb=c\n", "s", "k", "d", 260, "a"},
    {"LoneCrStartsLine", "[s]\nk=a\rb=c\n", "s", "b", "d", 260, "c"},
    {"VerticalTabAndFormFeedAreBlanks", "[s]\nk=v\v\f\n", "s", "k", "d", 260, "v"},
    {"NoBreakSpaceIsNoBlank", "[s]\nk=\xA0v\n", "s", "k", "d", 260, "\xA0v"},
    {"ZeroByteEndsKeyName", "[s]\nab\0cd=x\n"sv, "s", "ab", "d", 260, "x"},
    {"ZeroByteEndsSectionName", "[s\0x]\nk=v\n"sv, "s", "k", "d", 260, "v"},
    {"Utf8MarkSkipped", "\xEF\xBB\xBF[s]\nk=v\n", "s", "k", "d", 260, "v"},
    {"ZeroByteEndsValue", "[s]\nk=ab\0cd\nj=x\n"sv, "s", "k", "d", 260, "ab"},
    {"ZeroByteLineDoesNotHideNext", "[s]\nk=ab\0cd\nj=x\n"sv, "s", "j", "d", 260, "x"},
    {"LongLine", kLongLineFile, "s", "j", "d", 260, "x"},
    {"Latin1BytesKept", "[s]\nk=caf\xE9\n", "s", "k", "d", 260, "caf\xE9"},
    {"CaseFoldingIsAsciiOnly", "[\xC9t\xC9]\nk=v\n", "\xE9t\xE9", "k", "d", 260, "d"},
    // UTF-16, recognised by its mark; the same rules apply to its text
    {"Utf16LittleEndian", kUtf16Le, "system", "LANGUAGE", "d", 260, "2052"},
    {"Utf16LittleEndianLastLine", kUtf16Le, "system", "log", "d", 260, "1"},
    {"Utf16BigEndian", kUtf16Be, "system", "LANGUAGE", "d", 260, "2052"},
    {"Utf16WithoutMarkIsBytes", kUtf16NoMark, "s", "k", "d", 260, "d"},
    {"Utf16MarkOnly", kUtf16MarkOnly, "s", "k", "d", 260, "d"},
    {"Utf16SecondMarkIsText", kUtf16SecondMark, "s", "k", "d", 260, "d"},
    {"Utf16InsideUtf8MarkIsBytes", kUtf16InUtf8Mark, "s", "k", "d", 260, "d"},
    {"Utf16ZeroUnitEndsValue", kUtf16ZeroUnit, "s", "k", "d", 260, "a"},
    {"Utf16ZeroUnitDoesNotHideNext", kUtf16ZeroUnit, "s", "j", "d", 260, "x"},
    // Other characters arrive in the encoding of text: UTF-8 here, the code page on Windows
    // (1252 under wine), where a character without a code gives '?'.
    {"Utf16Latin", kUtf16Latin, "s", "k", "d", 260, "caf\xC3\xA9", "caf\xE9"},
    {"Utf16SurrogatePair", kUtf16Pair, "s", "k", "d", 260,
     "a\xF0\x9F\x98\x80"
     "b",
     "a??b"},
    {"Utf16LoneHighSurrogate", kUtf16LoneHigh, "s", "k", "d", 260, "a?b"},
    {"Utf16LoneLowSurrogate", kUtf16LoneLow, "s", "k", "d", 260, "a?b"},
    {"Utf16HighSurrogateAtEnd", kUtf16HighAtEnd, "s", "k", "d", 260, "a?"},
    {"Utf16BigEndianLoneLowSurrogate", kUtf16BeLoneLow, "s", "k", "d", 260, "a?b"},
    // An odd last byte is no character: this reader stops before it, the Windows function (as
    // wine implements it) makes one of it with a byte from beyond the file's end.
    {"Utf16OddByteCount", kUtf16OddEnd, "s", "k", "d", 260, "vw", "vwx"},
    {"Utf16BigEndianOddByteCount", kUtf16BeOddEnd, "s", "k", "d", 260, "vw", "vwx"},
};

struct IntCase {
    const char* name;
    std::string_view file;
    const char* key;  // in section "s"
    int fallback;
    int expected;
};

void PrintTo(const IntCase& c, std::ostream* out) {
    *out << c.name;
}

const IntCase kIntCases[] = {
    {"NegativeWithTrailingText", "[s]\nk=-12abc\n", "k", 7, -12},
    {"Plus", "[s]\nk=+7\n", "k", 9, 7},
    {"NoDigitsGivesZero", "[s]\nk=abc\n", "k", 7, 0},
    {"EmptyValueGivesDefault", "[s]\nk=\n", "k", 7, 7},
    {"EmptyQuotesGiveDefault", "[s]\nk=\"\"\n", "k", 7, 7},
    {"KeyWithoutEqualsGivesDefault", "[s]\nk\n", "k", 7, 7},
    {"MissingFileGivesDefault", kNoFile, "k", 7, 7},
    {"HexLowerPrefix", "[s]\nk=0x1F\n", "k", 7, 31},
    {"HexUpperPrefixStopsAtX", "[s]\nk=0X1F\n", "k", 7, 0},
    {"LeadingZeroStaysDecimal", "[s]\nk=010\n", "k", 7, 10},
    {"BinaryPrefix", "[s]\nk=0b101\n", "k", 7, 5},
    {"OctalPrefix", "[s]\nk=0o17\n", "k", 7, 15},
    {"NegativeHex", "[s]\nk=-0x10\n", "k", 7, -16},
    {"OverflowWraps", "[s]\nk=99999999999\n", "k", 7, 1215752191},
    {"AllOnesIsMinusOne", "[s]\nk=4294967295\n", "k", 7, -1},
    {"QuotedWithBlanks", "[s]\nk=\"  12\"\n", "k", 7, 12},
    {"ValueReadThroughThirtyByteBuffer", "[s]\nk=0000000000000000000000000000123\n", "k", 7, 1},
    {"CaseInsensitiveKey", "[S]\nKEY=5\n", "key", 7, 5},
    {"Utf16LittleEndian", kUtf16LeNumber, "k", 7, -42},
    {"Utf16BigEndian", kUtf16BeNumber, "k", 7, 16},
};

std::string PrepareFile(const TempFolder& folder, std::string_view text) {
    if (text == kNoFile) return folder.File("absent.ini");
    return folder.Write("case.ini", text);
}

class IniTextCase : public ::testing::TestWithParam<TextCase> {};

TEST_P(IniTextCase, GivesExpectedText) {
    const TextCase& c = GetParam();
    TempFolder folder;
    std::string path = PrepareFile(folder, c.file);
    std::string expected(c.expected);
#if defined(_WIN32)
    if (c.windowsExpected) expected = c.windowsExpected;
#endif
    EXPECT_EQ(ReadProfileString(path, c.section, c.key, c.fallback, c.capacity), expected);
}

INSTANTIATE_TEST_SUITE_P(Ini, IniTextCase, ::testing::ValuesIn(kTextCases),
                         [](const auto& info) { return std::string(info.param.name); });

class IniIntCase : public ::testing::TestWithParam<IntCase> {};

TEST_P(IniIntCase, GivesExpectedNumber) {
    const IntCase& c = GetParam();
    TempFolder folder;
    std::string path = PrepareFile(folder, c.file);
    EXPECT_EQ(ReadProfileInt(path, "s", c.key, c.fallback), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Ini, IniIntCase, ::testing::ValuesIn(kIntCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vela::platform::test
