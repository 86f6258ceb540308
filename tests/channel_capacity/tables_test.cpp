// The fixed tables: the pixel counts of the two video standards differ, and an index from
// outside a table reads as zero. (Cells the capacity rules use are checked through them in the
// other cases of this folder.)
#include <gtest/gtest.h>

#include <climits>

#include "pages/channel/encoding_tables.h"

namespace vela::pages::channel {
namespace {

TEST(ResolutionTable, PixelsFollowTheStandard) {
    EXPECT_EQ(ResolutionPixels(0, false), 405504);
    EXPECT_EQ(ResolutionPixels(0, true), 337920);
}

TEST(EncodingTables, IndicesADeviceMayHoldOutsideTheTablesReadAsZero) {
    for (int index : {-1, 19, INT_MAX, INT_MIN}) {
        EXPECT_EQ(ResolutionPixels(index, false), 0) << index;
        EXPECT_EQ(ResolutionPixels(index, true), 0) << index;
        EXPECT_EQ(SubMaskForMainResolution(index), 0u) << index;
    }
    const struct { int resolution, quality; } cells[] = {{0, 0}, {0, 7}, {19, 1}, {-1, 3}};
    for (const auto& cell : cells)
        EXPECT_EQ(TableBitRate(cell.resolution, cell.quality), 0)
            << cell.resolution << "/" << cell.quality;
}

}  // namespace
}  // namespace vela::pages::channel
