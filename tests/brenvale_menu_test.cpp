// Brenvale's main menu and its five chapters' goal screens and sub-menus,
// run headless with scripted keys and checked on the log and the screen.
#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "brenvale/brenvale.h"
#include "surface/headless.h"
#include "surface/surface.h"
#include "tests/harness.h"
#include "tests/lesson_log.h"
#include "tools/replay.h"

namespace {

using replay::Result;
using namespace lesson_log;

class BrenvaleMenuTest : public ::testing::Test {
protected:
    void TearDown() override { surface::Surface::Shutdown(); }
    Result Run(const std::string& keys) {
        replay::Options o;
        o.program = "brenvale";
        o.keys = keys;
        return replay::Run(o);
    }
};

const char* const kItems[] = {"1　項,係数,同類項計算", "2　一次式の加減", "3　練習問題",
                              "4　文字式と数の乗法、除法", "5　練習問題", "6　終了"};

TEST_F(BrenvaleMenuTest, DrawsTheMenuPanelItemsAndPrompt) {
    Result r = Run("");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    ExpectMainMenu(r.log, "Brenvale", kItems);

    // On the screen: the dark panel, white outside it, the cursor dot.
    auto& s = surface::Surface::Get();
    EXPECT_EQ(s.PixelAt(30, 600), surface::PaletteColor(10));
    EXPECT_EQ(s.PixelAt(1400, 300), surface::PaletteColor(15));
    EXPECT_EQ(s.PixelAt(1064, 656), surface::PaletteColor(5));
}

TEST_F(BrenvaleMenuTest, LastItemEndsTheProgram) {
    for (const char* keys : {"6{enter}", "6.0{enter}", "12/2{enter}", "06{enter}",
                             "3/0{enter}6{enter}", "/{enter}6{enter}"}) {
        SCOPED_TRACE(keys);
        Result r = Run(keys);
        EXPECT_EQ(r.kind, Result::kEnded);
        EXPECT_FALSE(r.error_report.has_value());
        EXPECT_EQ(IndicesOf(r.log, kPanel).size(), 1u);
        EXPECT_TRUE(ChapterStarts(r.log).empty());
        // The prompt line was erased before the end.
        EXPECT_EQ(r.log.back(), "PsLINE 416 640 1472 690 15 2 15 pen=3");
    }
}

TEST_F(BrenvaleMenuTest, OutOfRangeDrawsTheMenuAgain) {
    for (const char* keys : {"0{enter}", "7{enter}", "-3{enter}", "1/2{enter}", "{enter}",
                             "6.5{enter}", "0.9{enter}", "-{enter}"}) {
        SCOPED_TRACE(keys);
        Result r = Run(keys);
        EXPECT_EQ(r.kind, Result::kKeysUsedUp);
        // Drawn twice, whole, and no chapter was entered.
        EXPECT_EQ(IndicesOf(r.log, kPanel).size(), 2u);
        EXPECT_EQ(IndicesOf(r.log, "PsLINE 0 54 1440 900 15 2 15 pen=3").size(), 2u);
        EXPECT_TRUE(ChapterStarts(r.log).empty());
    }
}

struct Chapter {
    const char* number;     // keys that choose it
    const char* goals[2];   // its goal texts; none for the practice chapters
    const char* item_line;
    int item_count;
};

const Chapter kChapters[] = {
    {"1",
     {"1　項と係数の意味を知り、いえるようになろう。", "2　文字の部分が同じ項をまとめよう。"},
     "①P68　②項,係数　③問1　④例3　⑤例4　⑥終了",
     6},
    {"2",
     {"1 かっこをはずして計算できるようになろう。", "2 一次式の加法や減法ができるようになろう。"},
     "①P71ひろげよう　②例5　③問4　④例6　⑤問5　⑥説明しよう　⑦終了",
     7},
    {"3", {nullptr, nullptr}, "①,②,③解答　　　④終了", 4},
    {"4",
     {"1 文字式と数との乗除の計算ができるようになろう。", "2 かっこがある式の計算ができるようになろう。"},
     "①例1　②例2　③問２　④分配課題　⑤例3　⑥問３　⑦例÷　⑧問4　⑨例5　⑩例題１　⑪話しあって　⑫終了",
     12},
    {"5", {nullptr, nullptr}, "①,②解答　　　③終了", 3},
};

// Enters the chapter, checks its opening screen and runs its sub-menu:
// out of range twice, then its last item back to the main menu, whose last
// item ends the program.
TEST_F(BrenvaleMenuTest, EachChapterOpensOnItsGoalsAndSubmenu) {
    for (const auto& c : kChapters) {
        SCOPED_TRACE(std::string("chapter ") + c.number);
        std::string keys = std::string(c.number) + "{enter}0{enter}" +
                           std::to_string(c.item_count + 1) + "{enter}" +
                           std::to_string(c.item_count) + "{enter}6{enter}";
        Result r = Run(keys);
        ASSERT_EQ(r.kind, Result::kEnded);
        const auto& log = r.log;
        auto starts = ChapterStarts(log);
        ASSERT_EQ(starts.size(), 1u);
        auto panels = IndicesOf(log, kPanel);
        ASSERT_EQ(panels.size(), 2u);  // the menu, and again after "終了"
        std::size_t start = starts[0];
        EXPECT_LT(panels[0], start);
        EXPECT_LT(start, panels[1]);

        // The chapter draws on the painted window without a clear of its own.
        auto chapter = TextsIn(log, start, panels[1]);
        if (c.goals[0]) {
            EXPECT_TRUE(IsText(log[start + 1])) << log[start + 1];
            std::string want = std::string("<めあて>") + c.goals[0] + c.goals[1];
            ASSERT_GE(chapter.size(), 3u);
            EXPECT_EQ(Joined(chapter).substr(0, WithoutBlanks(want).size()), WithoutBlanks(want));
            EXPECT_TRUE(StartsWith(chapter[0].text, "<")) << chapter[0].text;
            EXPECT_EQ(chapter[0].x, 44);
            EXPECT_EQ(chapter[0].y, 240);
            EXPECT_EQ(chapter[0].colour, 3);
            for (int g = 0; g < 2; ++g) {
                auto first = std::find_if(chapter.begin(), chapter.end(), [&](const Drawn& d) {
                    return d.x == 76 && StartsWith(d.text, std::to_string(g + 1));
                });
                ASSERT_NE(first, chapter.end()) << "goal " << g + 1;
                EXPECT_EQ(first->y, 305 + 65 * g);
                EXPECT_EQ(first->colour, 0);
            }
        } else {
            // No goal screen: the item line comes first.
            ASSERT_FALSE(chapter.empty());
            EXPECT_EQ(chapter[0].x, 16);
            EXPECT_EQ(chapter[0].y, 666);
        }

        // The item line three times (0, count + 1, count), each erased after
        // its answer; the goal screen only once.
        auto lines = ItemLines(std::vector<std::string>(log.begin() + start, log.begin() + panels[1]));
        ASSERT_EQ(lines.size(), 3u);
        for (const auto& l : lines) ExpectItemLine(l, c.item_line);
        std::size_t strips = 0;
        for (std::size_t i = start; i < panels[1]; ++i) strips += log[i] == kBottomStrip;
        EXPECT_EQ(strips, 3u);
        EXPECT_EQ(Joined(chapter).find("<めあて>", 1), std::string::npos);
    }
}

TEST_F(BrenvaleMenuTest, TypedValueCutToAWholeNumberChoosesTheChapter) {
    struct Case {
        const char* keys;
        int chapter;
    };
    const Case cases[] = {
        {"1{enter}", 1},   {"2{enter}", 2},    {"3{enter}", 3},   {"4{enter}", 4},
        {"5{enter}", 5},   {"8/2{enter}", 4},  {"2.5{enter}", 2}, {"5.6{enter}", 5},
        {"4/2{enter}", 2}, {"1.99{enter}", 1}, {"03{enter}", 3},  {"3/0{enter}4{enter}", 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        Result r = Run(c.keys);
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        ASSERT_EQ(ChapterStarts(r.log).size(), 1u);
        auto lines = ItemLines(r.log);
        ASSERT_EQ(lines.size(), 1u);
        ExpectItemLine(lines[0], kChapters[c.chapter - 1].item_line);
    }
}

TEST_F(BrenvaleMenuTest, GoalScreenOnTheScreen) {
    Result r = Run("1{enter}");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    auto& s = surface::Surface::Get();
    // The panel is gone; the heading is drawn in colour 3 in its cell.
    EXPECT_EQ(s.PixelAt(30, 600), surface::PaletteColor(15));
    int heading = 0, goal = 0;
    for (int y = 230; y < 290; ++y)
        for (int x = 40; x < 240; ++x) heading += s.PixelAt(x, y) == surface::PaletteColor(3);
    for (int y = 300; y < 350; ++y)
        for (int x = 76; x < 800; ++x) goal += s.PixelAt(x, y) == surface::PaletteColor(0);
    EXPECT_GT(heading, 5);
    EXPECT_GT(goal, 100);
}

// The sub-menus called directly: what the protocol leaves in the registers.
class BrenvaleSubmenuTest : public ::testing::Test {
protected:
    void TearDown() override { surface::Surface::Shutdown(); }
    void Start(const std::string& keys) {
        auto& s = surface::Surface::Start(
            std::make_unique<surface::HeadlessBackend>(surface::ParseKeys(keys)));
        s.EnableLog(true);
        surface::FE_SETDRAWWIDTH(0, 3);
        b.KAIX = 1056;
        b.KAIY = 648;
    }
    brenvale::Brenvale b;
};

TEST_F(BrenvaleSubmenuTest, ChoiceIsKeptAsTypedAndTypedNumberSetTo10) {
    // 6.5 passes the range test and runs item 6, which waits for a key
    // and sets no step number of its own.
    Start("6.5{enter}");
    EXPECT_THROW(b.AddSubMenu(), surface::Stop);
    EXPECT_FLOAT_EQ(b.SENTAKU, 6.5);
    EXPECT_EQ(b.AINP, 10);
    // A refused choice is kept too.
    Start("13{enter}");
    EXPECT_THROW(b.MulDivMenu(), surface::Stop);
    EXPECT_EQ(b.SENTAKU, 13);
    EXPECT_EQ(b.AINP, 10);
    // The last item returns to the caller; 24/2 is 12.
    Start("24/2{enter}");
    b.MulDivMenu();
    EXPECT_EQ(b.SENTAKU, 12);
    EXPECT_EQ(b.AINP, 10);
}

TEST_F(BrenvaleSubmenuTest, GoalScreenLeavesItsRegisters) {
    Start("");
    b.ShowTermsGoals();
    EXPECT_EQ(b.CCC1, 0);
    EXPECT_EQ(b.XI1, 44);
    EXPECT_EQ(b.YI1, 370);
    EXPECT_EQ(b.Y, 370);
    EXPECT_EQ(b.XI2, b.X);
    EXPECT_GT(b.X, 76);
    EXPECT_EQ(b.AA_s, "");
}

}  // namespace
