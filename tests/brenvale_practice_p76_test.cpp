// Brenvale's practice of page 76: the worked answers of its two sets, on
// the practice frame, read back from the log as the printer draws them.
#include <algorithm>
#include <string>
#include <vector>

#include "tests/brenvale_muldiv2_test_support.h"

namespace {

using namespace muldiv2_testing;
using replay::Result;

const std::string kWindowClear = "PsLINE 0 0 1760 1800 15 2 15 pen=3";

class PracticeP76Test : public ::testing::Test {
protected:
    void TearDown() override { surface::Surface::Shutdown(); }
    brenvale::Brenvale program;
};

// The frame: the title box and the set's number box, each text centred
// across its box.
void ExpectFrame(const std::vector<std::string>& log, std::size_t from, const std::string& number) {
    EXPECT_EQ(FindBlock(log, {"PsLINE 40 30 436 76 3 2 13 pen=3"}, from), from + 1);
    std::size_t box2 = FindBlock(log, {"PsLINE 456 30 500 74 4 2 3 pen=3"}, from);
    ASSERT_NE(box2, std::string::npos);
    auto glyphs = GlyphsIn(std::vector<std::string>(log.begin() + from, log.begin() + box2));
    ASSERT_FALSE(glyphs.empty());
    Line title = LineAt(glyphs, glyphs.front().x, 31);
    EXPECT_EQ(title.text, "P76(練習問題)");
    EXPECT_EQ(title.colour, 0);
    EXPECT_NEAR(glyphs.front().x - 40, 436 - title.end_x, 0.01);
    auto digits = GlyphsIn(std::vector<std::string>(log.begin() + box2, log.end()));
    ASSERT_FALSE(digits.empty());
    EXPECT_EQ(digits.front().ch, number);
    EXPECT_EQ(digits.front().y, 30);
    EXPECT_EQ(digits.front().colour, 13);
    EXPECT_NEAR(digits.front().x - 456, 500 - (digits.front().x + digits.front().advance), 0.01);
}

const std::vector<Row> kSet1 = {
    {3, 40, 90, "(1)"},
    {0, 127, 90, "8x*2"},
    {0, 100, 140, "=8*2*x"},
    {5, 100, 190, "=16x"},
    {3, 40, 250, "(2)"},
    {0, 127, 250, "12x*(-4)"},
    {0, 100, 300, "=12*x*(-4)"},
    {0, 100, 350, "=12*(-4)*x"},
    {5, 100, 400, "=-48x"},
    {3, 40, 460, "(3)"},
    {0, 127, 460, "-6a*(-5)"},
    {0, 100, 510, "=-6*a*(-5)"},
    {0, 100, 560, "=6*5*a"},
    {5, 100, 610, "=30a"},
    {3, 400, 90, "(4)"},
    {0, 487, 90, "6x/6"},
    {0, 460, 160, "=ﾀ6x/6ﾀ"},
    {5, 460, 210, "=x"},
    {3, 400, 270, "(5)"},
    {0, 487, 270, "18y/(-6)"},
    {0, 460, 340, "=-ﾀ18y/6ﾀ"},
    {5, 460, 390, "=-3y"},
    {3, 400, 450, "(6)"},
    {0, 487, 450, "-21x/(-7)"},
    {0, 460, 520, "=ﾀ21x/7ﾀ"},
    {5, 460, 570, "=3x"},
    {3, 800, 30, "(7)"},
    {0, 887, 30, "-27*ﾀ7/9ﾀx"},
    {0, 860, 80, "=-3*7*x"},
    {5, 860, 130, "=-21x"},
    {3, 800, 190, "(8)"},
    {0, 887, 190, "10x/ﾀ2/5ﾀ"},
    {0, 860, 260, "=10x*ﾀ5/2ﾀ"},
    {0, 860, 310, "=5x*5"},
    {5, 860, 360, "=25x"},
    {3, 800, 420, "(9)"},
    {0, 887, 420, "-ﾀ2/3ﾀx/4"},
    {0, 860, 490, "=-ﾀ2/3ﾀx*ﾀ1/4ﾀ"},
    {0, 860, 560, "=-ﾀ2/3ﾀ*ﾀ1/4ﾀ*x"},
    {5, kPen, 560, "=-ﾀ1/6ﾀx"},
};

TEST_F(PracticeP76Test, Set1DrawsItsNineAnswersInThreeColumnsWithoutAWait) {
    Result r = RunBrenvale(program, "5{enter}1{enter}");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    // The main menu's clear before the chapter, then the screen's own.
    auto clears = IndicesOf(r.log, kWindowClear);
    ASSERT_GE(clears.size(), 2u);
    std::size_t from = clears.back();
    ExpectFrame(r.log, from, "1");
    auto at = ExpectScreen(r.log, from, kSet1, {});
    EXPECT_TRUE(OutsideWindow(r.log).empty());
}

TEST_F(PracticeP76Test, Set1ChosenTwiceDrawsTheSameScreen) {
    Result r = RunBrenvale(program, "5{enter}1{enter}1{enter}");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    auto clears = IndicesOf(r.log, kWindowClear);
    ASSERT_GE(clears.size(), 3u);
    std::size_t first = clears[clears.size() - 2], second = clears.back();
    std::size_t first_end = NextItemLine(r.log, first), second_end = NextItemLine(r.log, second);
    EXPECT_TRUE(std::equal(r.log.begin() + first, r.log.begin() + first_end, r.log.begin() + second,
                           r.log.begin() + second_end));
}

const std::vector<Row> kSet2 = {
    {3, 40, 90, "(1)"},
    {0, 127, 90, "10(0.2x-1.5)"},
    {0, 100, 140, "=10*0.2x+10*(-1.5)"},
    {5, 100, 190, "=2x-15"},
    {3, 40, 250, "(2)"},
    {0, 127, 250, "(400x-300)/100"},
    {0, 100, 320, "=ﾀ400x/100ﾀ-ﾀ300/100ﾀ"},
    {5, 100, 380, "=4x-3"},
    {3, 40, 440, "(3)"},
    {0, 127, 440, "9(2-ﾀx/3ﾀ)"},
    {0, 100, 510, "=9*2+9*(-ﾀx/3ﾀ)"},
    {5, 100, 560, "=18-3x"},
    {3, 600, 30, "(4)"},
    {0, 687, 30, "ﾀ-2x+3/6ﾀ*12"},
    {0, 660, 90, "=(-2x+3)*2"},
    {5, 660, 140, "=-4x+6"},
    {3, 600, 200, "(5)"},
    {0, 687, 200, "7x+2(4-5x)"},
    {0, 660, 250, "=7x+8-10x"},
    {0, 660, 300, "=7x-10x+8"},
    {5, 660, 350, "=-3x+8"},
    {3, 600, 410, "(6)"},
    {0, 687, 410, "6(y-7)-3(4y+5)"},
    {0, 660, 460, "=6y-42-12y-15"},
    {0, 660, 510, "=6y-12y-42-15"},
    {5, 660, 560, "=-6y-57"},
    {3, 40, 90, "(7)"},
    {0, 127, 90, "3(2a-1)-6(a-1)"},
    {0, 100, 140, "=6a-3-6a+6"},
    {0, 100, 190, "=6a-6a-3+6"},
    {5, 100, 240, "=3"},
    {3, 40, 300, "(8)"},
    {0, 127, 300, "-ﾀ1/3ﾀ(6y-3)-ﾀ1/4ﾀ(4y+8)"},
    {0, 100, 370, "=-ﾀ1/3ﾀ*6y-ﾀ1/3ﾀ*(-3)"},
    {0, 100, 440, "        -ﾀ1/4ﾀ*4y-ﾀ1/4ﾀ*8"},
    {0, 100, 500, "=-2y+1-y-2"},
    {0, 100, 550, "=-2y-y+1-2"},
    {5, 100, 600, "=-3y-1"},
};

TEST_F(PracticeP76Test, Set2ShowsTwoPagesAndKeepsTheBoxesAndRightColumn) {
    Result r = RunBrenvale(program, "5{enter}2{enter}a");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    std::size_t from = IndicesOf(r.log, kWindowClear).back();
    ExpectFrame(r.log, from, "2");
    auto at = ExpectScreen(r.log, from, kSet2, {26});
    // Only the left column below the boxes is cleared for page two.
    auto partial = IndicesOf(r.log, "PsLINE 0 90 600 1890 15 2 15 pen=3", from);
    ASSERT_EQ(partial.size(), 1u);
    EXPECT_GT(partial[0], at[25]);
    EXPECT_LT(partial[0], at[26]);
    EXPECT_TRUE(OutsideWindow(r.log).empty());
    // The continued line's text starts after its eight blanks.
    auto glyphs = GlyphsIn(r.log);
    EXPECT_EQ(LineAt(glyphs, 316, 440).colour, 0);
}

TEST_F(PracticeP76Test, Set2WaitsForItsKeyBeforePageTwo) {
    Result r = RunBrenvale(program, "5{enter}2{enter}");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    EXPECT_TRUE(IndicesOf(r.log, "PsLINE 0 90 600 1890 15 2 15 pen=3").empty());
}

}  // namespace
