// Morquist's chapters 4 and 5 as the main menu opens them: the goal screen,
// the two sub-menus and their way back; and one walk through every item of
// every chapter of the program.
#include <map>
#include <string>
#include <vector>

#include "tests/morquist_value_test_support.h"
#include "tools/walk.h"

namespace {

using namespace value_testing;
using replay::Result;

class MorquistValueFramesTest : public ::testing::Test {
protected:
    void TearDown() override { surface::Surface::Shutdown(); }
    morquist::Morquist program;
};

// The sub-menu line drawn by the prompt: its characters and their x.
std::vector<Drawn> ItemLine(const std::vector<std::string>& log, std::size_t from) {
    std::vector<Drawn> out;
    for (const auto& d : TextsIn(log, from))
        if (d.y == 666 && d.colour == 0) out.push_back(d);
    return out;
}

std::size_t LastIndexOf(const std::vector<std::string>& log, const std::string& head) {
    for (std::size_t i = log.size(); i-- > 0;)
        if (StartsWith(log[i], head)) return i;
    return std::string::npos;
}

TEST_F(MorquistValueFramesTest, ChapterFourOpensOnItsGoalAndItemLine) {
    Result r = RunMorquist(program, "4{enter}");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    std::size_t menu_left = LastIndexOf(r.log, "PsLINE 0 0 1760 1800 15 2 15 ");
    ASSERT_NE(menu_left, std::string::npos);
    auto glyphs = GlyphsIn(std::vector<std::string>(r.log.begin() + menu_left, r.log.end()));
    Line heading = LineAt(glyphs, 44, 240);
    EXPECT_EQ(heading.text, "<めあて>");
    EXPECT_EQ(heading.colour, 3);
    Line goal = LineAt(glyphs, 76, 305);
    EXPECT_EQ(goal.text, "代入と式の値の意味を知り、式の値を求めよう。");
    EXPECT_EQ(goal.colour, 0);

    // The goal is on the screen before the sub-menu line, which is drawn
    // full width, 16 a character: 43 characters ending at x 704.
    auto line = ItemLine(r.log, menu_left);
    ASSERT_EQ(line.size(), 43u);
    std::string text;
    for (const auto& d : line) text += d.text;
    EXPECT_EQ(text, "①Ｐ６５ひろげ　②例１　③例２　④例３　⑤例４　⑥問６　⑦例５　⑧例６　⑨問８　⑩終了");
    EXPECT_EQ(line.front().x, 16);
    EXPECT_EQ(line.back().x + 16, 704);
}

TEST_F(MorquistValueFramesTest, ChapterFiveHasNoGoalScreen) {
    Result r = RunMorquist(program, "5{enter}");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    std::size_t menu_left = LastIndexOf(r.log, "PsLINE 0 0 1760 1800 15 2 15 ");
    ASSERT_NE(menu_left, std::string::npos);
    // Nothing at all is drawn between the blank window and the item line.
    std::size_t line_start = LastIndexOf(r.log, kItemLineStart);
    ASSERT_NE(line_start, std::string::npos);
    EXPECT_EQ(line_start, menu_left + 1);
    std::string text;
    for (const auto& d : ItemLine(r.log, menu_left)) text += d.text;
    EXPECT_EQ(text, "①，②，③解答　　　④終了");
}

TEST_F(MorquistValueFramesTest, OutOfRangeAsksAgainAndTheLastItemReturnsToTheMenu) {
    struct Case {
        const char* chapter;
        const char* out_of_range;  // typed first: asked again, screen untouched
        const char* last;          // back to the main menu
    };
    const Case cases[] = {{"4", "11", "10"}, {"4", "0", "10"}, {"5", "5", "4"}, {"5", "-2", "4"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.chapter) + " " + c.out_of_range);
        std::string keys = std::string(c.chapter) + "{enter}" + c.out_of_range + "{enter}";
        Result asked = RunMorquist(program, keys);
        ASSERT_EQ(asked.kind, Result::kKeysUsedUp);
        // The item line twice, with only the prompt strip erased between.
        std::vector<std::size_t> lines;
        for (std::size_t i = 0; i < asked.log.size(); ++i)
            if (StartsWith(asked.log[i], kItemLineStart)) lines.push_back(i);
        ASSERT_EQ(lines.size(), 2u);
        for (std::size_t i = lines[0]; i < lines[1]; ++i) {
            if (!StartsWith(asked.log[i], "PsLINE ")) continue;
            auto n = Numbers(asked.log[i]);
            EXPECT_GE(n[1], 640) << asked.log[i];  // nothing above the prompt
        }
        surface::Surface::Shutdown();

        Result back = RunMorquist(program, keys + c.last + "{enter}");
        ASSERT_EQ(back.kind, Result::kKeysUsedUp);
        std::size_t prompts = 0;
        for (const auto& l : back.log) prompts += StartsWith(l, kMainMenuPrompt);
        EXPECT_EQ(prompts, 2u);
        EXPECT_GT(LastIndexOf(back.log, kMainMenuPrompt), LastIndexOf(back.log, kItemLineStart));
        surface::Surface::Shutdown();
    }
}

// ---- the walk through every item ----

TEST(MorquistWalkTest, OneRunWalksEveryItemOfEveryChapter) {
    replay::WalkResult walk = WalkToTheEnd("morquist");
    // Back on the main menu after each of the five chapters.
    EXPECT_EQ(walk.menu_returns, 5);
    // Chapters 4 and 5 offered every one of their items.
    std::map<int, std::vector<int>> items_typed;
    for (const auto& [chapter, item] : walk.opened) items_typed[chapter].push_back(item);
    std::vector<int> four(10), five(4);
    for (int k = 0; k < 10; ++k) four[k] = k + 1;
    for (int k = 0; k < 4; ++k) five[k] = k + 1;
    EXPECT_EQ(items_typed[4], four);
    EXPECT_EQ(items_typed[5], five);

    // The same keys through the replay tool end the program with status 0.
    auto ran = testing_support::RunCommand(std::string(REPLAY_BIN) + " morquist --keys '" +
                                           walk.keys + "'");
    EXPECT_EQ(ran.status, 0) << ran.out;
}

}  // namespace
