#include "ui/skin_group_box.h"

#include <gtest/gtest.h>

#include "tests/skin/skin_fixture.h"
#include "ui/recording_canvas.h"

namespace vela::ui {
namespace {

using test::kGroupId;

constexpr Color kPrimary = platform::Rgb(1, 2, 3), kHighlight = platform::Rgb(4, 5, 6);
constexpr Color kCaption = platform::Rgb(7, 8, 9);

struct Line {
    platform::Point from, to;
    Color color;
    int width;
    bool operator==(const Line& o) const {
        return from == o.from && to == o.to && color == o.color && width == o.width;
    }
};

class SkinGroupBoxTest : public test::SkinDialogTest {
  protected:
    void SetUp() override {
        SkinDialogTest::SetUp();
        ws().MoveWindow(Item(kGroupId), {10, 60, 110, 110}, false);  // client 100 x 50
        ASSERT_TRUE(box.AttachToDialogItem(dialog, kGroupId));
        box.SetColors(kPrimary, kHighlight, false);
        box.SetTextColor(kCaption, false);
    }
    std::vector<DrawCall> Paint() {
        RecordingCanvas canvas;
        box.Paint(canvas);
        return canvas.Calls();
    }
    static std::vector<Line> Lines(const std::vector<DrawCall>& calls) {
        std::vector<Line> lines;
        for (const DrawCall& call : calls)
            if (call.kind == DrawCall::Kind::Line)
                lines.push_back({call.from, call.to, call.pen.color, call.pen.width});
        return lines;
    }
    static const DrawCall* Text(const std::vector<DrawCall>& calls) {
        for (const DrawCall& call : calls)
            if (call.kind == DrawCall::Kind::Text) return &call;
        return nullptr;
    }

    CSkinGroupBox box;
};

// Caption " Group " is 7 cells of 6 x 13: 42 wide; the top line lies at 13 / 2 - 1 = 5.
TEST_F(SkinGroupBoxTest, SingleFrameLeavesAGapForALeftCaption) {
    box.SetFrameStyle(CSkinGroupBox::kFrameSingle);
    const auto calls = Paint();
    const std::vector<Line> expected = {
        {{8, 5}, {0, 5}, kPrimary, 1},    {{0, 5}, {0, 49}, kPrimary, 1},
        {{0, 49}, {99, 49}, kPrimary, 1}, {{99, 49}, {99, 5}, kPrimary, 1},
        {{99, 5}, {50, 5}, kPrimary, 1},
    };
    EXPECT_EQ(Lines(calls), expected);
    const DrawCall* text = Text(calls);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text, " Group ");
    EXPECT_EQ(text->from, (platform::Point{8, 5 - 6}));
    EXPECT_EQ(text->color, kCaption);
    EXPECT_EQ(text->flags, static_cast<unsigned>(platform::kTextMnemonic));
    EXPECT_EQ(text->font.face, "MS Sans Serif");
    EXPECT_EQ(text->font.height, -11) << "8 points at 96 pixels per inch";
}

TEST_F(SkinGroupBoxTest, AlignmentPlacesTheGapAndUnknownValuesFallBackToLeft) {
    box.SetFrameStyle(CSkinGroupBox::kFrameSingle);
    box.SetAlignment(CSkinGroupBox::kAlignRight);
    auto lines = Lines(Paint());
    EXPECT_EQ(lines.front().from.x, 100 - 8 - 42);
    EXPECT_EQ(lines.back().to.x, 100 - 8);
    box.SetAlignment(CSkinGroupBox::kAlignCentre);
    lines = Lines(Paint());
    EXPECT_EQ(lines.front().from.x, (100 - 42) / 2);
    box.SetAlignment(1);
    EXPECT_EQ(box.GetAlignment(), CSkinGroupBox::kAlignLeft);
    EXPECT_EQ(Lines(Paint()).front().from.x, 8);
}

TEST_F(SkinGroupBoxTest, EtchedFrameIsTwoRectanglesOneLineWidthApart) {
    box.SetLineWidth(2);
    EXPECT_EQ(box.GetFrameStyle(), CSkinGroupBox::kFrameEtched) << "the initial style";
    const auto lines = Lines(Paint());
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[2], (Line{{0, 47}, {97, 47}, kPrimary, 2}));
    EXPECT_EQ(lines[7], (Line{{2, 49}, {99, 49}, kHighlight, 2}));
    EXPECT_EQ(lines[6], (Line{{2, 7}, {2, 49}, kHighlight, 2}));
}

TEST_F(SkinGroupBoxTest, DoubleFrameDrawsItsHighlightOutside) {
    box.SetFrameStyle(CSkinGroupBox::kFrameDoubleOutward);
    const auto lines = Lines(Paint());
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[1], (Line{{0, 5}, {0, 49}, kPrimary, 1}));
    EXPECT_EQ(lines[6], (Line{{-1, 4}, {-1, 50}, kHighlight, 1}));
    box.SetFrameStyle(99);
    EXPECT_EQ(box.GetFrameStyle(), CSkinGroupBox::kFrameEtched);
}

TEST_F(SkinGroupBoxTest, DisabledBoxAndZeroColoursFallBackToTheSystemColours) {
    ws().EnableWindow(Item(kGroupId), false);
    const auto calls = Paint();
    for (const Line& line : Lines(calls))
        EXPECT_TRUE(line.color == CSkinGroupBox::kDefaultPrimary ||
                    line.color == CSkinGroupBox::kDefaultHighlight);
    const DrawCall* text = Text(calls);
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->flags & platform::kTextEmbossed);

    box.SetColors(0, 0, true);
    EXPECT_EQ(box.GetPrimaryColor(), CSkinGroupBox::kDefaultPrimary);
    EXPECT_EQ(box.GetHighlightColor(), CSkinGroupBox::kDefaultHighlight);
}

TEST_F(SkinGroupBoxTest, EmptyCaptionDrawsAWholeTopLineAndTheFrameFollowsAMove) {
    box.SetFrameStyle(CSkinGroupBox::kFrameSingle);
    box.SetText("", true);
    EXPECT_EQ(ws().GetText(Item(kGroupId)), "");
    const auto calls = Paint();
    EXPECT_EQ(Text(calls), nullptr);
    EXPECT_EQ(Lines(calls).back(), (Line{{99, 5}, {0, 5}, kPrimary, 1}));

    ws().MoveWindow(Item(kGroupId), {0, 0, 60, 30}, false);
    EXPECT_EQ(Lines(Paint())[2], (Line{{0, 29}, {59, 29}, kPrimary, 1}));
}

TEST_F(SkinGroupBoxTest, FontIsAPointFontOfTheGivenDescription) {
    Font font;
    font.face = "System";
    font.height = 100;
    font.weight = 700;
    box.SetFont(&font);
    box.SetText("Record", false);
    const auto calls = Paint();
    const DrawCall* text = Text(calls);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->font.face, "System");
    EXPECT_EQ(text->font.height, -13) << "10 points at 96 pixels per inch";
    EXPECT_EQ(text->font.weight, 700);
}

TEST_F(SkinGroupBoxTest, PrivateMessageRepaintsTheParent) {
    ws().ShowWindow(page, true);
    ws().UpdateWindow(page);
    const int before = dialog.erases;
    ws().Post(Item(kGroupId), CSkinGroupBox::kRepaintParentMessage, 0, 0);
    ws().PumpMessages();
    ws().UpdateWindow(page);
    EXPECT_GT(dialog.erases, before);
}

}  // namespace
}  // namespace vela::ui
