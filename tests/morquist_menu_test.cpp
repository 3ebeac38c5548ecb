// Morquist's main menu and the goal screens and sub-menus of its chapters 1
// and 2, run headless with scripted keys and checked on the log.
#include <string>
#include <vector>

#include "tests/morquist_test_support.h"

namespace {

using namespace morquist_testing;
using replay::Result;

class MorquistMenuTest : public ::testing::Test {
protected:
    void TearDown() override { surface::Surface::Shutdown(); }
    Result Run(const std::string& keys) { return RunMorquist(program, keys); }
    morquist::Morquist program;
};

const char* const kItems[] = {"1　数量を文字で表すこと", "2　文字式の表し方", "3　文字式と数量",
                              "4　式の値", "5　練習問題", "6　終了"};

TEST_F(MorquistMenuTest, DrawsTheMenuPanelItemsAndPrompt) {
    Result r = Run("");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    ExpectMainMenu(r.log, "Morquist", kItems);
    // Each item drawn whole at its line, in its colour.
    for (int k = 0; k < 6; ++k) {
        SCOPED_TRACE(kItems[k]);
        ExpectScript(r.log, {{k % 2 == 0 ? 13 : 15, 44, 120.0 + 60 * k, kItems[k]}});
    }
}

TEST_F(MorquistMenuTest, LastItemEndsTheProgram) {
    for (const char* keys : {"6{enter}", "12/2{enter}", "6.0{enter}", "0{enter}6{enter}"}) {
        SCOPED_TRACE(keys);
        Result r = Run(keys);
        EXPECT_EQ(r.kind, Result::kEnded);
        EXPECT_FALSE(r.error_report.has_value());
        EXPECT_TRUE(ChapterStarts(r.log).empty());
        EXPECT_EQ(r.log.back(), "PsLINE 416 640 1472 690 15 2 15 pen=3");
    }
}

TEST_F(MorquistMenuTest, OutOfRangeDrawsTheMenuAgain) {
    for (const char* keys : {"0{enter}", "7{enter}", "{enter}", "-2{enter}", "0.5{enter}",
                             "6.5{enter}"}) {
        SCOPED_TRACE(keys);
        Result r = Run(keys);
        EXPECT_EQ(r.kind, Result::kKeysUsedUp);
        EXPECT_EQ(IndicesOf(r.log, kPanel).size(), 2u);
        EXPECT_EQ(IndicesOf(r.log, "PsLINE 0 54 1440 900 15 2 15 pen=3").size(), 2u);
        EXPECT_TRUE(ChapterStarts(r.log).empty());
    }
}

struct Chapter {
    const char* number;
    const char* goal;
    double goal_x;
    const char* item_line;
    int item_count;
};

const Chapter kChapters[] = {
    {"1", "いろいろな数量を文字を使って表そう。", 76,
     "①P57導入　②問1　③例　④問２　⑤例1　⑥問３　⑦練習問題　⑧終了", 8},
    {"2", "文字式での積や商の表し方にしたがって、式を表そう。", 44,
     "①きまり積１　②きまり積２　③きまり商　④問3,4　⑤例３　⑥問5,6　⑦終了", 7},
};

// Enters the chapter, asks for 0 and for one past its last item (the screen
// stays, the prompt comes again), leaves by its last item, enters it again
// and ends the program.
TEST_F(MorquistMenuTest, EachChapterOpensOnItsGoalAndSubmenu) {
    for (const auto& c : kChapters) {
        SCOPED_TRACE(std::string("chapter ") + c.number);
        std::string keys = std::string(c.number) + "{enter}0{enter}" +
                           std::to_string(c.item_count + 1) + "{enter}" +
                           std::to_string(c.item_count) + "{enter}" + c.number + "{enter}" +
                           std::to_string(c.item_count) + "{enter}6{enter}";
        Result r = Run(keys);
        ASSERT_EQ(r.kind, Result::kEnded);
        const auto& log = r.log;
        auto starts = ChapterStarts(log);
        auto panels = IndicesOf(log, kPanel);
        ASSERT_EQ(starts.size(), 2u);
        ASSERT_EQ(panels.size(), 3u);
        for (int visit = 0; visit < 2; ++visit) {
            SCOPED_TRACE(visit);
            // Up to the main menu's clear of the lesson area, drawn before its panel.
            std::size_t start = starts[visit], end = panels[visit + 1] - 2;
            ASSERT_EQ(log[end], "PsLINE 0 54 1440 900 15 2 15 pen=3");
            std::vector<std::string> part(log.begin() + start, log.begin() + end);
            // The goal screen on the painted window, drawn at once.
            auto after_goals = ExpectScript(part, {{3, 44, 240, "<めあて>"}, {0, c.goal_x, 305, c.goal}});
            EXPECT_EQ(IndicesOf(part, "PsLINE 0 0 1760 1300 15 2 15 pen=3").size(), 0u);
            // Item line three times (0, count + 1, count); between them only
            // the strip and the prompt are drawn.
            auto lines = ItemLines(part);
            ASSERT_EQ(lines.size(), visit == 0 ? 3u : 1u);
            for (const auto& l : lines) ExpectItemLine(l, c.item_line);
            for (std::size_t i = after_goals; i < part.size(); ++i) {
                if (!StartsWith(part[i], "PsLINE ")) continue;
                auto n = Numbers(part[i]);
                EXPECT_GE(n[1], 639) << part[i];  // nothing above the prompt strip
            }
        }
    }
}

TEST_F(MorquistMenuTest, TypedValueCutToAWholeNumberChoosesTheChapter) {
    struct Case {
        const char* keys;
        int chapter;
    };
    for (const Case& c : {Case{"1{enter}", 1}, {"2{enter}", 2}, {"4/2{enter}", 2},
                          {"2.5{enter}", 2}, {"1.9{enter}", 1}, {"02{enter}", 2}}) {
        SCOPED_TRACE(c.keys);
        Result r = Run(c.keys);
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        ASSERT_EQ(ChapterStarts(r.log).size(), 1u);
        auto lines = ItemLines(r.log);
        ASSERT_EQ(lines.size(), 1u);
        ExpectItemLine(lines[0], kChapters[c.chapter - 1].item_line);
    }
}

// The goal screens called directly: what they leave for the lines after.
TEST_F(MorquistMenuTest, GoalScreensLeaveTheirRegisters) {
    auto& s = surface::Surface::Start(std::make_unique<surface::HeadlessBackend>(
        std::vector<surface::Str>{}, std::vector<std::string>{"09:00:00"}));
    s.EnableLog(true);
    program.ShowWithLettersGoals();
    EXPECT_EQ(program.XI1, 44);
    EXPECT_EQ(program.YI1, 305);
    EXPECT_EQ(program.CCC1, 0);
    EXPECT_EQ(program.XI2, program.X);
    EXPECT_GT(program.X, 76);
    program.ShowNotationGoals();
    EXPECT_EQ(program.XI1, 44);
    EXPECT_EQ(program.YI1, 305);
    EXPECT_GT(program.X, 44);
}

// Morquist's renderer has no stroke for "ｹ" in a fraction: it draws the
// character, and the fraction keeps its width.
TEST_F(MorquistMenuTest, KeInAFractionIsDrawnAsTheCharacter) {
    double stroke_end = 0;
    auto with_stroke = Reference(0, 100, 200, "ﾀｹ/2ﾀ", &stroke_end);
    auto& s = surface::Surface::Start(std::make_unique<surface::HeadlessBackend>(
        std::vector<surface::Str>{}, std::vector<std::string>{"09:00:00"}));
    s.EnableLog(true);
    surface::FE_SETDRAWWIDTH(0, 3);
    program.CCC1 = 0;
    program.X = 100;
    program.Y = 200;
    program.AA_s = "ﾀｹ/2ﾀ"_sj;
    program.DrawMessage();
    EXPECT_EQ(double(program.X), stroke_end);
    std::size_t ke = 0;
    for (const auto& line : s.log()) ke += IsText(line) && ParseText(line).text == "ｹ";
    EXPECT_EQ(ke, 1u);
    EXPECT_NE(s.log(), with_stroke);
    EXPECT_EQ(s.log().size(), with_stroke.size());
}

}  // namespace
