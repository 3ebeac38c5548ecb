// Chapter 4 of Brenvale, items ⑥, ⑧ and ⑪: the worked answers of page 75,
// questions 3 and 4, and the wrong division with its struck-out digits. The
// rows are read back from the log as the formula printer draws them.
#include <algorithm>
#include <string>
#include <vector>

#include "tests/brenvale_muldiv2_test_support.h"

namespace {

using namespace muldiv2_testing;
using replay::Result;

const std::string kItemClear = "PsLINE 0 0 1320 1300 15 2 15 pen=3";

std::string Item(int n) { return "4{enter}" + std::to_string(n) + "{enter}"; }

class MulDivAnswersTest : public ::testing::Test {
protected:
    void TearDown() override { surface::Surface::Shutdown(); }
    brenvale::Brenvale program;
};

// ---- item ⑥ ----

const std::vector<Row> kP75Problem3 = {
    {3, 94, 30, "教科書P75 問3　解答"},
    {3, 40, 90, "(1)"},
    {0, 121, 90, "7(5x+3)"},
    {0, 94, 140, "=7*5x+7*3"},
    {5, 94, 190, "=35x+21"},
    {3, 40, 250, "(2)"},
    {0, 121, 250, "(2x-9)*10"},
    {0, 94, 300, "=2x*10+(-9)*10"},
    {5, 94, 350, "=20x-90"},
    {3, 40, 410, "(3)"},
    {0, 121, 410, "-2(6x+4)"},
    {0, 94, 460, "=(-2)*6x+(-2)*4"},
    {5, 94, 510, "=-12x-8"},
    {3, 600, 30, "(4)"},
    {0, 681, 30, "(4x-1)*(-8)"},
    {0, 654, 80, "=4x*(-8)+(-1)*(-8)"},
    {5, 654, 130, "=-32x+8"},
    {3, 600, 190, "(5)"},
    {0, 681, 190, "15(ﾀ2/5ﾀx-10)"},
    {0, 654, 260, "=15*ﾀ2/5ﾀx+15*(-10)"},
    {0, 654, 310, "=3*2x-150"},
    {5, 654, 360, "=6x-150"},
    {3, 600, 420, "(6)"},
    {0, 681, 420, "(-x+ﾀ2/3ﾀ)*ﾀ1/2ﾀ"},
    {0, 654, 490, "=-x*ﾀ1/2ﾀ+ﾀ2/3ﾀ*ﾀ1/2ﾀ"},
    {0, 654, 560, "=-ﾀ1/2ﾀx+ﾀ1/3ﾀ*ﾀ1/1ﾀ"},
    {5, kPen, 560, "=-ﾀ1/2ﾀx+ﾀ1/3ﾀ"},
};

TEST_F(MulDivAnswersTest, P75Problem3ShowsTheHeadingThenAllSixAnswersAfterOneKey) {
    Result r = RunBrenvale(program, Item(6) + "a");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    auto clears = IndicesOf(r.log, kItemClear);
    ASSERT_EQ(clears.size(), 1u);
    auto at = ExpectScreen(r.log, clears[0], kP75Problem3, {1});
    ASSERT_EQ(at.front(), clears[0] + 1);
    std::size_t end = NextItemLine(r.log, clears[0]);
    // The sub-menu asks at once: nothing drawn between the result and it.
    EXPECT_EQ(at.back() + Rendered({kP75Problem3.back()}).front().size(), end);
}

TEST_F(MulDivAnswersTest, P75Problem3BeforeTheKeyOnlyTheHeadingStands) {
    Result r = RunBrenvale(program, Item(6));
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    auto clears = IndicesOf(r.log, kItemClear);
    ASSERT_EQ(clears.size(), 1u);
    FindRows(r.log, {kP75Problem3.front()}, clears[0]);
    auto glyphs = GlyphsIn(std::vector<std::string>(r.log.begin() + clears[0], r.log.end()));
    EXPECT_EQ(LineAt(glyphs, 40, 90).colour, -1);
    EXPECT_EQ(LineAt(glyphs, 600, 30).colour, -1);
}

// ---- item ⑧ ----

const std::vector<Row> kP75Problem4 = {
    {3, 40, 30, "問4　解答"},
    {3, 40, 90, "(1)"},
    {0, 121, 90, "(4x+8)/2"},
    {0, 94, 160, "=ﾀ4x/2ﾀ+ﾀ8/2ﾀ"},
    {5, kPen, 160, "=2x+4"},
    {3, 40, 220, "(2)"},
    {0, 121, 220, "(6x-15)/(-3)"},
    {0, 94, 290, "=ﾀ6x/-3ﾀ+ﾀ-15/-3ﾀ"},
    {5, kPen, 290, "=-2x+5"},
    {3, 40, 360, "(3)"},
    {0, 121, 360, "(-ﾀ3/2ﾀx+4)/4"},
    {0, 94, 430, "=(-ﾀ3/2ﾀx+4)*ﾀ1/4ﾀ"},
    {0, 94, 500, "=-ﾀ3/2ﾀx*ﾀ1/4ﾀ+4*ﾀ1/4ﾀ"},
    {5, 94, 570, "=-ﾀ3/8ﾀx+1"},
    {3, 600, 30, "(4)"},
    {0, 681, 30, "(27x-9)/ﾀ3/4ﾀ"},
    {0, 654, 100, "=(27x-9)*ﾀ4/3ﾀ"},
    {0, 654, 170, "=27x*ﾀ4/3ﾀ-9*ﾀ4/3ﾀ"},
    {0, 654, 240, "=9x*4-3*4"},
    {5, kPen, 240, "=36x-12"},
    {3, 600, 300, "(5)"},
    {0, 681, 300, "(-12x+8)/(-ﾀ8/3ﾀ)"},
    {0, 654, 370, "=(-12x+8)*(-ﾀ3/8ﾀ)"},
    {0, 654, 440, "=-12x*(-ﾀ3/8ﾀ)+8*(-ﾀ3/8ﾀ)"},
    {0, 654, 510, "=3x*ﾀ3/2ﾀ-3"},
    {5, kPen, 510, "=ﾀ9/2ﾀx-3"},
    {3, 40, 90, "(6)"},
    {0, 121, 90, "(8x-ﾀ2/3ﾀ)/(-2)"},
    {0, 94, 160, "=(8x-ﾀ2/3ﾀ)*(-ﾀ1/2ﾀ)"},
    {0, 94, 230, "=8x*(-ﾀ1/2ﾀ)-ﾀ2/3ﾀ*(-ﾀ1/2ﾀ)"},
    {0, 94, 300, "=-8x*ﾀ1/2ﾀ+ﾀ2/3ﾀ*ﾀ1/2ﾀ"},
    {5, 94, 370, "=-4x+ﾀ1/3ﾀ"},
};

TEST_F(MulDivAnswersTest, P75Problem4RevealsPartByPartAndClearsTheLeftColumnBeforePart6) {
    Result r = RunBrenvale(program, Item(8) + "aaaaaa");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    auto clears = IndicesOf(r.log, kItemClear);
    ASSERT_EQ(clears.size(), 1u);
    // One wait after the heading and after each of parts (1) to (5).
    auto at = ExpectScreen(r.log, clears[0], kP75Problem4, {1, 5, 9, 14, 20, 26});
    // The left column below the heading is cleared between parts (5) and
    // (6), and only there.
    auto partial = IndicesOf(r.log, "PsLINE 0 90 600 1390 15 2 15 pen=3", clears[0]);
    ASSERT_EQ(partial.size(), 1u);
    EXPECT_GT(partial[0], at[25]);
    EXPECT_LT(partial[0], at[26]);
}

TEST_F(MulDivAnswersTest, P75Problem4WaitsForEveryKey) {
    // Five keys: part (6) has not come yet.
    Result r = RunBrenvale(program, Item(8) + "aaaaa");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    EXPECT_TRUE(IndicesOf(r.log, "PsLINE 0 90 600 1390 15 2 15 pen=3").empty());
    EXPECT_EQ(NextItemLine(r.log, IndicesOf(r.log, kItemClear)[0]), r.log.size());
}

// ---- item ⑪ ----

std::vector<Row> MistakeRows() {
    std::vector<Row> rows = {
        {3, 40, 30, "どこが誤り！正しい計算は？"},
        {0, 121, 100, "(10x+5)/5"},
        {0, 94, 170, "=ﾀ10x+5/5ﾀ"},
        {0, 94, 170, "=ﾀｹｹx+5/ｹﾀ"},
        {0, kPen, 170, "=2x+5"},
        {5, 94, 230, "10xしか5でわっていない。"},
        {0, 121, 300, "(10x+5)/5"},
        {0, 94, 370, "=ﾀ10x/5ﾀ+ﾀ5/5ﾀ"},
        {5, kPen, 370, "=2x+1"},
    };
    // Drawn at pen width 5; the struck copy's strokes in colour 7.
    for (auto& row : rows) row.pen = 5;
    rows[3].mark = 7;
    return rows;
}

TEST_F(MulDivAnswersTest, MistakeShowsTheWrongWorkingTheReasonAndTheRightOne) {
    Result r = RunBrenvale(program, Item(11) + "aa");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    auto clears = IndicesOf(r.log, kItemClear);
    ASSERT_EQ(clears.size(), 1u);
    auto rows = MistakeRows();
    ExpectScreen(r.log, clears[0], rows, {5, 6});
    // The struck copy is exactly as long as the fraction it covers, so the
    // wrong result continues where the fraction ended.
    std::vector<double> ends;
    Rendered(rows, &ends);
    EXPECT_EQ(ends[2], ends[3]);
}

TEST_F(MulDivAnswersTest, MistakeStrikesExactlyTheCancelledDigits) {
    Result r = RunBrenvale(program, Item(11) + "aa");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    std::size_t from = IndicesOf(r.log, kItemClear)[0];
    // The digits of the fraction's first drawing (numerator "10x+5", then
    // denominator "5"): fraction glyphs, magnified 4 by 2, at y 160 and 198.
    struct Digit {
        std::string ch;
        double x, y;
    };
    std::vector<Digit> digits;
    std::vector<std::string> strokes;
    for (std::size_t i = from; i < r.log.size(); ++i) {
        const std::string& line = r.log[i];
        if (StartsWith(line, "PsSYMBOL40 ") && line.find("\" 4 2 0 ") != std::string::npos) {
            auto d = testing_support::ParseText(line);
            if (digits.size() < 4) digits.push_back({d.text, d.x, d.y});
        }
        if (StartsWith(line, "PsLINE ") && line.find(" 7 0 0 pen=") != std::string::npos)
            strokes.push_back(line);
    }
    ASSERT_GE(digits.size(), 4u);
    auto find = [&](const std::string& ch, bool numerator) {
        for (const auto& d : digits)
            if (d.ch == ch && (numerator ? d.y < 180 : d.y > 180)) return d;
        return Digit{"", -1, -1};
    };
    // Each stroke runs from 4 right and below the digit's place to 32 right
    // and 24 below it, in colour 7 and 5 wide.
    auto stroke = [](const Digit& d) {
        auto n = [](double v) { return std::to_string(int(v)); };
        return "PsLINE " + n(d.x + 4) + " " + n(d.y + 4) + " " + n(d.x + 32) + " " +
               n(d.y + 24) + " 7 0 0 pen=5";
    };
    Digit one = find("1", true), zero = find("0", true), five = find("5", false);
    ASSERT_EQ(one.x, 126);
    ASSERT_EQ(zero.x, one.x + 32);
    std::vector<std::string> want = {stroke(one), stroke(zero), stroke(five)};
    std::sort(want.begin(), want.end());
    std::sort(strokes.begin(), strokes.end());
    EXPECT_EQ(strokes, want);
}

TEST_F(MulDivAnswersTest, MistakeLeavesThePenWidthAndStrokeColourForTheNextScreens) {
    // Item ⑥ next: its clear is drawn 5 wide; then the practice boxes.
    Result r = RunBrenvale(program, Item(11) + "aa" + "6{enter}a" + "12{enter}5{enter}1{enter}");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    EXPECT_EQ(IndicesOf(r.log, "PsLINE 0 0 1320 1300 15 2 15 pen=5").size(), 1u);
    EXPECT_EQ(IndicesOf(r.log, "PsLINE 40 30 436 76 3 2 13 pen=5").size(), 1u);
    EXPECT_EQ(IndicesOf(r.log, "PsLINE 456 30 500 74 4 2 3 pen=5").size(), 1u);
    EXPECT_EQ(program.CCC2, 4);
}

}  // namespace
