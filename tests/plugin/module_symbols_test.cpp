// The shipped shared library's whole dynamic symbol table: exactly the seven entry points are
// defined there, whatever the version script or a new source file does. Read from the ELF
// file itself with the field offsets of the 64-bit format.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "platform/kernel.h"

namespace {

template <typename T>
T Field(const std::vector<char>& image, size_t offset) {
    T value{};
    if (offset + sizeof(T) <= image.size()) std::memcpy(&value, image.data() + offset, sizeof(T));
    return value;
}

// Names of the defined global and weak symbols of the dynamic symbol table.
std::set<std::string> DefinedDynamicSymbols(const std::vector<char>& image) {
    constexpr uint32_t kDynSym = 11;
    constexpr size_t kSectionHeaderSize = 64, kSymbolSize = 24;
    std::set<std::string> names;
    const auto sections = Field<uint64_t>(image, 0x28);
    const auto count = Field<uint16_t>(image, 0x3C);
    for (uint16_t i = 0; i < count; ++i) {
        const size_t header = sections + i * kSectionHeaderSize;
        if (Field<uint32_t>(image, header + 4) != kDynSym) continue;
        const auto offset = Field<uint64_t>(image, header + 0x18);
        const auto size = Field<uint64_t>(image, header + 0x20);
        const size_t strings =
            sections + Field<uint32_t>(image, header + 0x28) * kSectionHeaderSize;
        const auto stringsOffset = Field<uint64_t>(image, strings + 0x18);
        for (uint64_t symbol = offset; symbol + kSymbolSize <= offset + size;
             symbol += kSymbolSize) {
            const uint8_t binding = Field<uint8_t>(image, symbol + 4) >> 4;
            const auto section = Field<uint16_t>(image, symbol + 6);
            if (section == 0 || (binding != 1 && binding != 2)) continue;  // undefined, local
            const size_t name = stringsOffset + Field<uint32_t>(image, symbol);
            if (name < image.size()) names.insert(std::string(image.data() + name));
        }
    }
    return names;
}

TEST(ModuleSymbols, TheDynamicSymbolTableDefinesExactlyTheSevenEntryPoints) {
    const std::string path = vela::platform::JoinPath(
        vela::platform::HostFolder(), vela::platform::LibraryFileName("VelaSetupDll"));
    std::ifstream file(path, std::ios::binary);
    ASSERT_TRUE(file) << path;
    const std::vector<char> image((std::istreambuf_iterator<char>(file)),
                                  std::istreambuf_iterator<char>());
    ASSERT_GT(image.size(), 64u);
    ASSERT_EQ(std::string(image.data() + 1, 3), "ELF");
    ASSERT_EQ(image[4], 2) << "a 64-bit image";
    const std::set<std::string> expected = {
        "GetServerInfo",       "Init",        "ReadPresetInfo", "ReadPresetPlan",
        "SetMotionAlarmState", "SetupServer", "UnInit"};
    EXPECT_EQ(DefinedDynamicSymbols(image), expected);
}

}  // namespace
