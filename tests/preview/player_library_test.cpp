// The loader resolves the player's exports by name into their fixed slots, whatever the
// library in the folder exports.
#include <gtest/gtest.h>

#include <string>

#include "platform/kernel.h"
#include "preview/player_library.h"
#include "tests/preview/recording_player_access.h"

namespace vela::preview {
namespace {

TEST(PlayerLibraryTest, TheStandInFillsEverySlotButTheUnusedOne) {
    CPlayerLibrary library(platform::HostFolder());
    EXPECT_EQ(library.LibraryPath(),
              platform::JoinPath(platform::HostFolder(), platform::LibraryFileName("HBPlayM4")));
    ASSERT_EQ(library.Load(), 1);
    for (size_t slot = 0; slot < kPlayerSlotCount; ++slot)
        EXPECT_EQ(library.Functions()->slots[slot] == nullptr, slot == kUnusedPlayerSlot)
            << "slot " << slot << " " << (kPlayerExportNames[slot] ? kPlayerExportNames[slot] : "");
}

TEST(PlayerLibraryTest, ALibraryWithFewExportsLeavesTheOtherSlotsEmpty) {
    CPlayerLibrary library(testing::RecordingPlayerFolder());
    ASSERT_EQ(library.Load(), 1);
    size_t filled = 0;
    for (void* entry : library.Functions()->slots) filled += entry != nullptr;
    EXPECT_EQ(filled, 6u);
    for (PlayerSlot slot : {kSlotPlay, kSlotStop, kSlotOpenStream, kSlotInputData, kSlotCloseStream,
                            kSlotRegisterDrawFun})
        EXPECT_NE(library.Functions()->slots[slot], nullptr) << kPlayerExportNames[slot];
}

TEST(PlayerLibraryTest, AnEmptySlotAnswersZero) {
    const PlayerFunctions none;
    int window = 0;
    EXPECT_EQ(none.OpenStream(200, nullptr, 0, 20000), 0);
    EXPECT_EQ(none.Play(200, &window), 0);
    EXPECT_EQ(none.Stop(200), 0);
}

TEST(PlayerLibraryTest, FoldersWithoutTheLibraryOrTooLongLeaveTheSearchToTheSystem) {
    const std::string bare = platform::LibraryFileName("HBPlayM4");
    EXPECT_EQ(
        CPlayerLibrary(platform::JoinPath(platform::HostFolder(), "no-such-folder")).LibraryPath(),
        bare);
    EXPECT_EQ(CPlayerLibrary(std::string(300, 'a')).LibraryPath(), bare);
}

}  // namespace
}  // namespace vela::preview
