// The fixed tables: pixel counts per video standard, the sub-stream masks and the bit rates,
// and the zero that an index from outside the table reads as.
#include <gtest/gtest.h>

#include <climits>

#include "pages/channel/encoding_tables.h"

namespace vela::pages::channel {
namespace {

struct ResolutionRow {
    int index;
    int64_t pal;
    int64_t ntsc;
    uint32_t subMask;
};

class ResolutionTable : public ::testing::TestWithParam<ResolutionRow> {};

TEST_P(ResolutionTable, PixelsFollowTheStandardAndMasksTheMainResolution) {
    const ResolutionRow& row = GetParam();
    EXPECT_EQ(ResolutionPixels(row.index, false), row.pal);
    EXPECT_EQ(ResolutionPixels(row.index, true), row.ntsc);
    EXPECT_EQ(SubMaskForMainResolution(row.index), row.subMask);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ResolutionTable,
    ::testing::Values(ResolutionRow{0, 405504, 337920, 27}, ResolutionRow{1, 202752, 168960, 26},
                      ResolutionRow{3, 101376, 84480, 24}, ResolutionRow{4, 25344, 21120, 16},
                      ResolutionRow{5, 307200, 307200, 96}, ResolutionRow{9, 46080, 46080, 512},
                      ResolutionRow{15, 2304000, 2304000, 27},
                      ResolutionRow{18, 5271552, 5271552, 27},
                      // Indices a device may hold that the table does not have.
                      ResolutionRow{-1, 0, 0, 0}, ResolutionRow{19, 0, 0, 0},
                      ResolutionRow{INT_MAX, 0, 0, 0}, ResolutionRow{INT_MIN, 0, 0, 0}));

struct BitRateCell {
    int resolution;
    int quality;
    int64_t kbits;
};

class BitRateTable : public ::testing::TestWithParam<BitRateCell> {};

TEST_P(BitRateTable, ColumnQualityMinusOne) {
    const BitRateCell& cell = GetParam();
    EXPECT_EQ(TableBitRate(cell.resolution, cell.quality), cell.kbits);
}

INSTANTIATE_TEST_SUITE_P(Cells, BitRateTable,
                         ::testing::Values(BitRateCell{0, 1, 512}, BitRateCell{0, 6, 3072},
                                           BitRateCell{3, 2, 192}, BitRateCell{15, 1, 1177},
                                           BitRateCell{15, 5, 7065}, BitRateCell{18, 6, 10240},
                                           BitRateCell{0, 0, 0}, BitRateCell{0, 7, 0},
                                           BitRateCell{19, 1, 0}, BitRateCell{-1, 3, 0}));

}  // namespace
}  // namespace vela::pages::channel
