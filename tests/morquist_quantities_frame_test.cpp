// Chapter 3 of Morquist, its frame: the goal screen, the sub-menu's item line,
// the range test and the jump to each item, and the way back to the main
// menu.
#include <string>
#include <vector>

#include "tests/morquist_quantities_test_support.h"

namespace {

using namespace quantities_testing;
using replay::Result;
using testing_support::ParseText;

const std::string kMainMenuPanel = "PsLINE 22 10 1342 610 15 2 10 pen=3";

class QuantitiesFrameTest : public ::testing::Test {
protected:
    void TearDown() override { surface::Surface::Shutdown(); }
    morquist::Morquist program;
};

// The item line that starts at log line `at`, one character every 16 units.
std::string ItemLineAt(const std::vector<std::string>& log, std::size_t at) {
    std::string s;
    for (double x = 16; at < log.size() && StartsWith(log[at], "PsSYMBOL40 "); ++at, x += 16) {
        auto n = Numbers(log[at].substr(0, log[at].find('"')));
        if (n.size() < 2 || n[0] != x || n[1] != 666) break;
        s += ParseText(log[at]).text;
    }
    return s;
}
TEST_F(QuantitiesFrameTest, OpensWithTwoNumberedGoalsAndTheItemLine) {
    Result r = RunMorquist(program, "3{enter}");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    std::size_t line = NextItemLine(r.log, 0);
    ASSERT_NE(line, std::string::npos);
    // The chapter starts on the window the main menu painted over.
    auto painted = IndicesOf(r.log, "PsLINE 0 0 1760 1800 15 2 15 pen=3", 0, line);
    ASSERT_EQ(painted.size(), 2u);
    auto glyphs = GlyphsIn(std::vector<std::string>(r.log.begin() + painted[1], r.log.begin() + line));
    struct Want {
        double x, y;
        const char* text;
        int colour;
    };
    const Want rows[] = {
        {44, 240, "<めあて>", 3},
        {76, 305, "1 代金や速さ、割合に関する数量を式に表そう。", 0},
        {76, 370, "2 文字式がどんな数量を表しているか考えよう。", 0},
    };
    for (const auto& w : rows) {
        SCOPED_TRACE(w.text);
        Line l = LineAt(glyphs, w.x, w.y);
        EXPECT_EQ(l.text, w.text);
        EXPECT_EQ(l.colour, w.colour);
    }
    // The menu drawer writes every character in full width.
    EXPECT_EQ(ItemLineAt(r.log, line),
              "①例４代金　②問７　③例５速さ　④問８　⑤割合　⑥例６　⑦例７意味　⑧問１１　⑨練習問題　⑩終了");
    // The goals stay in view: no wait between them and the item line.
    EXPECT_TRUE(IndicesOf(r.log, kAnyKeyBox).empty());
}

TEST_F(QuantitiesFrameTest, ChoiceOutOfRangeAsksAgainOnTheSameScreen) {
    Result r = RunMorquist(program, "3{enter}0{enter}11{enter}-1{enter}");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    std::vector<std::size_t> lines;
    for (std::size_t i = 0; i < r.log.size(); ++i)
        if (IsItemLineStart(r.log[i])) lines.push_back(i);
    ASSERT_EQ(lines.size(), 4u);
    // Between the first item line and the last, only the bottom strip and
    // the answer field are painted over, and the goals are not drawn again.
    for (std::size_t i = lines[0]; i < r.log.size(); ++i) {
        if (!StartsWith(r.log[i], "PsLINE ")) continue;
        auto n = Numbers(r.log[i]);
        EXPECT_GE(n[1], 639) << r.log[i];
    }
    EXPECT_EQ(IndicesOf(r.log, kMainMenuPanel).size(), 1u);
}

TEST_F(QuantitiesFrameTest, TenGoesBackToTheMainMenu) {
    Result r = RunMorquist(program, "3{enter}10{enter}");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    auto panels = IndicesOf(r.log, kMainMenuPanel);
    ASSERT_EQ(panels.size(), 2u);
    EXPECT_GT(panels[1], NextItemLine(r.log, 0));
}

TEST_F(QuantitiesFrameTest, EachChoiceOpensItsItem) {
    // The typed value cut to a whole number picks the item.
    struct Case {
        const char* typed;
        double x, y;
        const char* first_line;  // how the item's first line begins
    };
    const Case cases[] = {
        {"1", 40, 30, "例1 5000円出して、1個x円のケーキを6個買ったときの"},
        {"2", 121, 30, "教科書P62 問7 解答"},
        {"3", 40, 30, "例5①　時速"},
        {"4", 121, 30, "教科書P62 問8 解答"},
        {"5", 40, 30, "Q 10円は100円の"},
        {"6", 30, 30, "例6 ある学校の中庭の面積は"},
        {"7", 40, 30, "例7 ある博物館の入館料は、"},
        {"8", 121, 30, "教科書P64 問11 解答"},
        {"9", 121, 30, "教科書P64 練習問題 解答"},
        {"2.5", 121, 30, "教科書P62 問7 解答"},
        {"8/2", 121, 30, "教科書P62 問8 解答"},
        {"9.9", 121, 30, "教科書P64 練習問題 解答"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        Result r = RunMorquist(program, "3{enter}" + std::string(c.typed) + "{enter}");
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        std::size_t line = NextItemLine(r.log, 0);
        auto glyphs = GlyphsIn(std::vector<std::string>(r.log.begin() + line, r.log.end()));
        EXPECT_TRUE(StartsWith(LineAt(glyphs, c.x, c.y).text, c.first_line))
            << LineAt(glyphs, c.x, c.y).text;
        surface::Surface::Shutdown();
    }
}

}  // namespace
