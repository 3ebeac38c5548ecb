// Tessarin's main menu and the frames of its chapters 1 and 2: goal screens,
// sub-menus and the way back, run headless and checked on the log.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/tessarin_test_support.h"

namespace {

using namespace tessarin_testing;
using replay::Result;

// The texts drawn from log line `from` on, joined, blanks left out.
std::string JoinedFrom(const std::vector<std::string>& log, std::size_t from, std::size_t to) {
    std::string s;
    for (const auto& d : TextsIn(log, from, to))
        if (d.text != " ") s += d.text;
    return s;
}

TEST(TessarinMenu, DrawsHeadingEightLinesAndPrompt) {
    tessarin::Tessarin program;
    Result r = RunTessarin(program, "");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    const auto& log = r.log;
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(log[0], "PsLINE 0 54 1440 900 15 2 15 pen=3");
    EXPECT_EQ(log[1], kWindowPaint);
    EXPECT_EQ(log[2], kMenuPanel);

    auto texts = TextsIn(log);
    ASSERT_FALSE(texts.empty());
    // The heading: where it starts, its colour and its characters.
    EXPECT_EQ(texts[0].x, 264);
    EXPECT_EQ(texts[0].y, 30);
    std::string heading;
    for (const auto& d : texts)
        if (d.y < 60 && d.colour == 15) heading += d.text;
    EXPECT_EQ(heading, "＜Tessarin　メニュー＞");

    const char* lines[8] = {"1　等しい関係を表す式",    "2　大小関係を表す式",
                            "3　関係を表す式の意味",    "4　練習問題",
                            "5　P82学びをたしかめよう", "6　P84学びを身につけよう",
                            "7　",                      "8　終了"};
    for (int k = 0; k < 8; ++k) {
        SCOPED_TRACE(k + 1);
        const double y = 120 + 60 * k;
        std::string text;
        bool first = true;
        for (const auto& d : texts) {
            if (d.y != y && !(d.y < y && d.y > y - 30)) continue;  // raised formula letters
            if (first) {
                EXPECT_EQ(d.x, 44);
                first = false;
            }
            EXPECT_EQ(d.colour, k % 2 == 0 ? 13 : 15);
            text += d.text;
        }
        EXPECT_EQ(text, lines[k]);
    }
    // The prompt below the panel, in colour 0, ending before the answer field.
    std::string prompt;
    for (const auto& d : texts)
        if (d.y == 648 && d.colour == 0 && d.x < 1000) prompt += d.text;  // not the label
    EXPECT_EQ(prompt, "番号を入力して下さい。");
    for (const auto& d : texts)
        if (d.y == 648 && d.colour == 0) {
            EXPECT_EQ(d.x, 816);
            break;
        }
}

TEST(TessarinMenu, EightAndSixteenHalvesEndTheProgram) {
    for (const char* keys : {"8{enter}", "16/2{enter}", "1{enter}7{enter}8{enter}"}) {
        SCOPED_TRACE(keys);
        tessarin::Tessarin program;
        Result r = RunTessarin(program, keys);
        EXPECT_EQ(r.kind, Result::kEnded);
        EXPECT_FALSE(r.error_report.has_value());
    }
}

TEST(TessarinMenu, ChoicesOutOfRangeAndSevenDrawTheMenuAgain) {
    for (const char* keys : {"7{enter}", "9{enter}", "0{enter}", "{enter}", "-1{enter}",
                             "0.5{enter}"}) {
        SCOPED_TRACE(keys);
        tessarin::Tessarin program;
        Result r = RunTessarin(program, keys);
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        EXPECT_EQ(CountOf(r.log, kMenuPanel), 2u);
        auto again = IndicesOf(r.log, kMenuPanel)[1];
        // Drawn anew: the lesson area, then the whole window, then the panel.
        EXPECT_EQ(r.log[again - 2], "PsLINE 0 54 1440 900 15 2 15 pen=3");
        EXPECT_EQ(r.log[again - 1], kWindowPaint);
        // No chapter was opened.
        EXPECT_EQ(JoinedFrom(r.log, 0, r.log.size()).find("めあて"), std::string::npos);
    }
}

struct ChapterCase {
    const char* key;
    const char* goal;
    const char* item_line;
};

TEST(TessarinMenu, ChaptersOneAndTwoOpenOnTheirGoalsAndItemLines) {
    const ChapterCase cases[] = {
        {"1", "数量の間の関係を等式で表そう。",
         "①等式　②問１　③例１　④問２　⑤例２　⑥問３　⑦終了"},
        {"2", "数量の間の関係を不等式で表そう。",
         "①不等式　②問４　③≦≧　④練習　⑤例３　⑥問５　⑦終了"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        tessarin::Tessarin program;
        Result r = RunTessarin(program, std::string(c.key) + "{enter}");
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        // The window painted over after the menu, then nothing but the goal
        // screen and the item line.
        auto paints = IndicesOf(r.log, kWindowPaint);
        ASSERT_EQ(paints.size(), 2u);
        auto texts = TextsIn(r.log, paints[1]);
        ASSERT_GE(texts.size(), 2u);
        EXPECT_EQ(texts[0].x, 44);
        EXPECT_EQ(texts[0].y, 240);
        EXPECT_EQ(texts[0].colour, 3);
        std::string heading, goal, items;
        for (const auto& d : texts) {
            if (d.y == 240) heading += d.text;
            if (d.y == 305) {
                EXPECT_EQ(d.colour, 0);
                goal += d.text;
            }
            if (d.y == 666 && d.colour == 0) items += d.text;
        }
        EXPECT_EQ(heading, "<めあて>");
        EXPECT_EQ(goal, c.goal);
        for (const auto& d : texts)
            if (d.y == 305) {
                EXPECT_EQ(d.x, 76);
                break;
            }
        EXPECT_EQ(items, c.item_line);
    }
}

TEST(TessarinMenu, EndOfEachChapterReturnsToTheMenu) {
    for (const char* chapter : {"1", "2"}) {
        SCOPED_TRACE(chapter);
        tessarin::Tessarin program;
        Result r = RunTessarin(program, std::string(chapter) + "{enter}7{enter}");
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        EXPECT_EQ(CountOf(r.log, kMenuPanel), 2u);
        // The menu is drawn as at start-up.
        auto panels = IndicesOf(r.log, kMenuPanel);
        std::vector<std::string> first(r.log.begin(), r.log.begin() + panels[0] + 1);
        std::vector<std::string> second(r.log.begin() + panels[1] - 2,
                                        r.log.begin() + panels[1] + 1);
        EXPECT_EQ(second[0], first[0]);
        EXPECT_EQ(JoinedFrom(r.log, panels[1], r.log.size()),
                  JoinedFrom(r.log, panels[0], panels[0] + (r.log.size() - panels[1])));
    }
}

TEST(TessarinMenu, SubmenuChoiceOutOfRangeRedrawsOnlyTheStrip) {
    for (const char* keys : {"1{enter}8{enter}", "2{enter}0{enter}", "2{enter}{enter}",
                             "1{enter}-2{enter}"}) {
        SCOPED_TRACE(keys);
        tessarin::Tessarin program;
        Result r = RunTessarin(program, keys);
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        auto paints = IndicesOf(r.log, kWindowPaint);
        ASSERT_EQ(paints.size(), 2u);
        auto strips = IndicesOf(r.log, kBottomStrip, paints[1]);
        ASSERT_EQ(strips.size(), 1u);
        // After the strip: only the item line again and the answer field,
        // nothing painted above the prompt strip.
        ExpectNothingAboveThePromptStrip(r.log, strips[0] + 1);
        std::string items;
        for (const auto& d : TextsIn(r.log, strips[0]))
            if (d.y == 666 && d.colour == 0) items += d.text;
        EXPECT_EQ(items.substr(0, 3), "①");
    }
}

TEST(TessarinMenu, FractionalChoicesOpenTheirWholePart) {
    // 2.5 opens ② of chapter 1; six halves (3) open ③.
    struct Case {
        const char* keys;
        const char* first_text;
    } cases[] = {{"1{enter}2.5{enter}", "教"}, {"1{enter}6/2{enter}", "例"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        tessarin::Tessarin program;
        Result r = RunTessarin(program, c.keys);
        auto strips = IndicesOf(r.log, kBottomStrip);
        ASSERT_FALSE(strips.empty());
        auto texts = TextsIn(r.log, strips[0]);
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(texts[0].text, c.first_text);
        EXPECT_EQ(texts[0].x, 40);
        EXPECT_EQ(texts[0].y, 30);
    }
}

}  // namespace
