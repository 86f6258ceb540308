// The area overlay on its own: cells marked by drags, the outline and rectangle drawn per
// frame, the motion flash, and the consistency of a frame drawn while the state changes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "ui/area_overlay.h"
#include "ui/recording_canvas.h"

namespace vela::ui {
namespace {

using Kind = DrawCall::Kind;

struct Line {
    Point from, to;
    bool operator==(const Line& o) const { return from == o.from && to == o.to; }
};

class AreaOverlayTest : public ::testing::Test {
  protected:
    void SetUp() override { overlay.RecordClientRect({0, 0, 352, 288}); }
    void Drag(Point from, Point to) {
        overlay.MouseDown(from);
        overlay.MouseMove(to);
        overlay.MouseUp(to);
    }
    void GridMode() {
        const uint32_t none[kMaxGridRows] = {};
        overlay.LoadGridBits(none, kAreaModeGrid);
    }
    std::vector<uint32_t> Words() {
        const OverlayState s = overlay.State();
        return {s.grid, s.grid + kMaxGridRows};
    }
    std::vector<uint32_t> Expected(std::initializer_list<uint32_t> first) {
        std::vector<uint32_t> words(first);
        words.resize(kMaxGridRows, 0);
        return words;
    }
    std::vector<Line> Lines(int mode) {
        canvas.Clear();
        overlay.Draw(canvas, mode);
        std::vector<Line> lines;
        for (const DrawCall& c : canvas.Calls()) {
            if (c.kind == Kind::Line) lines.push_back({c.from, c.to});
        }
        return lines;
    }
    Color OutlineColour() {
        canvas.Clear();
        overlay.Draw(canvas, kDrawGrid);
        return canvas.Calls().empty() ? 0 : canvas.Calls().front().pen.color;
    }

    AreaOverlay overlay;
    RecordingCanvas canvas;
};

struct DragCase {
    Point from, to;
    std::vector<uint32_t> rows;
};

TEST_F(AreaOverlayTest, DragsMarkTheCellsUnderThemInEitherDirection) {
    const DragCase cases[] = {
        {{10, 10}, {40, 40}, {0x7, 0x7, 0x7}},
        {{40, 40}, {10, 10}, {0x7, 0x7, 0x7}},
        {{40, 10}, {10, 40}, {0x7, 0x7, 0x7}},
        {{16, 0}, {16, 0}, {0x2}},
    };
    for (const DragCase& c : cases) {
        overlay.FillGrid(false);
        GridMode();
        Drag(c.from, c.to);
        std::vector<uint32_t> expected = c.rows;
        expected.resize(kMaxGridRows, 0);
        EXPECT_EQ(Words(), expected) << c.from.x << "," << c.from.y;
        EXPECT_TRUE(overlay.State().shownRect.IsEmpty());
    }
}

TEST_F(AreaOverlayTest, ADragLeavingTheWindowIsClampedToTheClientRectangle) {
    AreaOverlay small;
    small.RecordClientRect({0, 0, 100, 100});
    const uint32_t none[kMaxGridRows] = {};
    small.LoadGridBits(none, kAreaModeGrid);
    small.MouseDown({90, 90});
    small.MouseMove({500, -50});
    small.MouseUp({500, -50});
    // Columns 5..6 (x 90..100), rows 0..5 (y 0..90).
    const OverlayState s = small.State();
    for (int r = 0; r < kMaxGridRows; ++r) EXPECT_EQ(s.grid[r], r <= 5 ? 0x60u : 0u) << r;
}

TEST_F(AreaOverlayTest, NoColumnBeyondTheGridIsMarked) {
    AreaOverlay wide;
    wide.RecordClientRect({0, 0, 704, 288});
    const uint32_t none[kMaxGridRows] = {};
    wide.LoadGridBits(none, kAreaModeGrid);
    wide.MouseDown({0, 0});
    wide.MouseUp({600, 10});
    EXPECT_EQ(wide.State().grid[0], 0x3FFFFFu);  // columns 0..21 of 22
}

TEST_F(AreaOverlayTest, NeighbouringMarkedCellsShareOneOutline) {
    const uint32_t rows[kMaxGridRows] = {0x3};
    overlay.LoadGridBits(rows, kAreaModeGrid);
    EXPECT_THAT(Lines(kDrawGrid),
                ::testing::UnorderedElementsAre(Line{{1, 0}, {1, 16}}, Line{{0, 1}, {16, 1}},
                                                Line{{0, 15}, {16, 15}}, Line{{31, 0}, {31, 16}},
                                                Line{{16, 1}, {32, 1}}, Line{{16, 15}, {32, 15}}));
    EXPECT_EQ(canvas.Calls().front().pen, (Pen{platform::PenStyle::Solid, 2, kGridOutline}));
}

TEST_F(AreaOverlayTest, TheGridIsDrawnOnlyInGridModeAndGridDrawing) {
    const uint32_t rows[kMaxGridRows] = {0x1};
    overlay.LoadGridBits(rows, kAreaModeRectangle);
    EXPECT_TRUE(Lines(kDrawGrid).empty());
    overlay.SetAreaMode(kAreaModeGrid);
    EXPECT_TRUE(Lines(kDrawRectangle).empty());
    EXPECT_TRUE(Lines(3).empty());
    EXPECT_EQ(Lines(kDrawGrid).size(), 4u);
}

TEST_F(AreaOverlayTest, ADragInProgressShowsTheDottedFrame) {
    GridMode();
    overlay.MouseDown({10, 20});
    overlay.MouseMove({50, 60});
    const std::vector<Line> lines = Lines(kDrawGrid);
    EXPECT_THAT(lines, ::testing::ElementsAre(Line{{10, 20}, {50, 20}}, Line{{50, 20}, {50, 60}},
                                              Line{{50, 60}, {10, 60}}, Line{{10, 60}, {10, 20}}));
    EXPECT_EQ(canvas.Calls().front().pen, (Pen{platform::PenStyle::Dotted, 1, kDragFrame}));
}

TEST_F(AreaOverlayTest, RectangleModeWithoutEditingStartsNoDragAndDrawsNothing) {
    overlay.EnableRectEdit(true, false);
    Drag({10, 10}, {30, 30});
    overlay.EnableRectEdit(false, false);
    overlay.MouseDown({50, 50});
    EXPECT_FALSE(overlay.State().dragging);
    canvas.Clear();
    overlay.Draw(canvas, kDrawRectangle);
    EXPECT_TRUE(canvas.Calls().empty());
    // Enabling again shows the last rectangle, unless it is cleared.
    overlay.EnableRectEdit(true, false);
    overlay.Draw(canvas, kDrawRectangle);
    ASSERT_EQ(canvas.Calls().size(), 1u);
    EXPECT_EQ(canvas.Calls()[0].rect, (Rect{10, 10, 30, 30}));
    EXPECT_EQ(canvas.Calls()[0].color, kCoverFill);
    overlay.EnableRectEdit(true, true);
    canvas.Clear();
    overlay.Draw(canvas, kDrawRectangle);
    EXPECT_TRUE(canvas.Calls().empty());
}

// A rectangle dragged up and to the left used to keep left > right and fill nothing.
TEST_F(AreaOverlayTest, ARectangleDraggedBackwardsIsNormalised) {
    overlay.EnableRectEdit(true, false);
    Drag({50, 40}, {10, 10});
    EXPECT_EQ(overlay.GetAreaRect(), (Rect{10, 10, 50, 40}));
    overlay.Draw(canvas, kDrawRectangle);
    ASSERT_EQ(canvas.Calls().size(), 1u);
    EXPECT_EQ(canvas.Calls()[0].rect, (Rect{10, 10, 50, 40}));
}

TEST_F(AreaOverlayTest, SetAreaRectReplacesTheRectangleAndHidesTheShownOne) {
    overlay.EnableRectEdit(true, false);
    Drag({10, 10}, {30, 30});
    overlay.SetAreaRect({1, 2, 3, 4});
    EXPECT_EQ(overlay.GetAreaRect(), (Rect{1, 2, 3, 4}));
    overlay.Draw(canvas, kDrawRectangle);
    EXPECT_TRUE(canvas.Calls().empty());
}

struct GridSizeCase {
    int rows, columns;
    int wantRows, wantColumns, wantCellWidth, wantCellHeight;
};

TEST_F(AreaOverlayTest, GridSizesOutsideTheWordGridAreRefusedOrCut) {
    const GridSizeCase cases[] = {
        {0, 22, 18, 22, 16, 16},  {18, 0, 18, 22, 16, 16}, {-4, 22, 18, 22, 16, 16},
        {18, -1, 18, 22, 16, 16}, {9, 11, 9, 11, 32, 32},  {40, 64, 32, 32, 11, 9},
        {32, 32, 32, 32, 11, 9},
    };
    for (const GridSizeCase& c : cases) {
        AreaOverlay fresh;
        fresh.SetGridSize(c.rows, c.columns);
        const OverlayState s = fresh.State();
        EXPECT_EQ(s.rows, c.wantRows) << c.rows << "x" << c.columns;
        EXPECT_EQ(s.columns, c.wantColumns) << c.rows << "x" << c.columns;
        EXPECT_EQ(s.cellWidth, c.wantCellWidth) << c.rows << "x" << c.columns;
        EXPECT_EQ(s.cellHeight, c.wantCellHeight) << c.rows << "x" << c.columns;
    }
}

// 32 columns fill a whole word; the shift by 32 it once took is undefined.
TEST_F(AreaOverlayTest, FillGridSetsEveryColumnOfEveryRow) {
    overlay.SetGridSize(32, 32);
    overlay.FillGrid(true);
    EXPECT_EQ(Words(), std::vector<uint32_t>(kMaxGridRows, 0xFFFFFFFFu));
    overlay.SetGridSize(2, 22);
    overlay.FillGrid(true);
    EXPECT_EQ(Words(), Expected({0x3FFFFF, 0x3FFFFF}));
    overlay.FillGrid(false);
    EXPECT_EQ(Words(), Expected({}));
}

TEST_F(AreaOverlayTest, AStoppedFlashEndsAtOnceAndALaterOneCountsOn) {
    const uint32_t rows[kMaxGridRows] = {0x1};
    overlay.LoadGridBits(rows, kAreaModeGrid);
    overlay.SetAlarmFlash(true);
    for (int frame = 0; frame < 5; ++frame) OutlineColour();
    overlay.SetAlarmFlash(false);
    EXPECT_EQ(OutlineColour(), kGridOutline);
    EXPECT_EQ(overlay.State().flashCounter, 5);
    overlay.SetAlarmFlash(true);
    EXPECT_EQ(OutlineColour(), kGridOutline);  // counter 6
    EXPECT_EQ(overlay.State().flashCounter, 6);
}

// Each frame is drawn from one state: a FillGrid that clears and then fills the words on the
// UI thread never shows a half-filled grid on the player's thread.
TEST_F(AreaOverlayTest, AFrameDrawnWhileTheGridChangesSeesOneWholeState) {
    GridMode();
    overlay.FillGrid(true);
    const size_t whole = Lines(kDrawGrid).size();
    std::atomic<bool> stop{false};
    std::thread ui([&] {
        for (int i = 0; i < 2000; ++i) {
            overlay.FillGrid(i % 2 == 0);
        }
        stop = true;
    });
    int frames = 0;
    std::vector<size_t> torn;
    while (!stop || frames == 0) {
        const size_t lines = Lines(kDrawGrid).size();
        if (lines != 0 && lines != whole) torn.push_back(lines);
        ++frames;
    }
    ui.join();
    EXPECT_THAT(torn, ::testing::IsEmpty());  // line counts of half-changed frames
}

}  // namespace
}  // namespace vela::ui
