// The BMP fuzz corpus as a regression test: every kept input runs through the fuzz target,
// and the corpus's named files load or are refused as their names say.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "ui/dib_image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

TEST(BmpCorpus, EveryInputPassesTheFuzzTargetAndLoadsAsNamed) {
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator("bmp_corpus")) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<uint8_t> bytes(std::istreambuf_iterator<char>(in), {});
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
        vela::ui::CDibImage image;
        const std::string name = entry.path().filename().string();
        const bool loaded = image.ReadMemory(bytes.data(), bytes.size());
        EXPECT_EQ(loaded, name.rfind("valid-", 0) == 0) << name << ": " << image.Reason();
        ++files;
    }
    EXPECT_GE(files, 10);
}

}  // namespace
