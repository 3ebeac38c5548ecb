// The sub-menus of chapters 3 to 6: their item lines, choices out of range,
// fractional choices, "終了", and one walk through every item of all six
// chapters.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/tessarin_test_support.h"
#include "tools/walk.h"

namespace {

using namespace tessarin_testing;
using replay::Result;

struct ChapterCase {
    const char* key;
    const char* item_line;
    const char* last;  // the item that returns to the main menu
};
const ChapterCase kChapters[] = {
    {"3", "①例４　②練習　③問６　④問７　⑤終了", "5"},
    {"4", "①,②解答　　　③終了", "3"},
    {"5", "①1～3　②4,5　③6,7　④8　⑤9　⑥10　⑦11　⑧終了", "8"},
    {"6", "①1～3　②4　③5　④6　⑤7,8　⑥９　⑦１０　　　⑧終了", "8"},
};

TEST(TessarinLaterChapters, OpenOnTheirItemLinesAndChapterThreeOnItsGoals) {
    for (const auto& c : kChapters) {
        SCOPED_TRACE(c.key);
        tessarin::Tessarin program;
        Result r = RunTessarin(program, std::string(c.key) + "{enter}");
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        auto paints = IndicesOf(r.log, kWindowPaint);
        ASSERT_EQ(paints.size(), 2u);
        auto lines = ItemLines(std::vector<std::string>(r.log.begin() + long(paints[1]), r.log.end()));
        ASSERT_EQ(lines.size(), 1u);
        ExpectItemLine(lines[0], c.item_line);
        std::string goals;
        for (const auto& d : TextsIn(r.log, paints[1]))
            if (d.y < 600) goals += d.text;
        if (std::string(c.key) == "3") {
            auto texts = TextsIn(r.log, paints[1]);
            ASSERT_FALSE(texts.empty());
            EXPECT_EQ(texts[0].x, 44);
            EXPECT_EQ(texts[0].y, 240);
            EXPECT_EQ(texts[0].colour, 3);
            EXPECT_EQ(WithoutBlanks(goals), "<めあて>等式や不等式が表す数量の関係を読みとろう。");
            for (const auto& d : texts)
                if (d.y == 305) {
                    EXPECT_EQ(d.x, 76);
                    EXPECT_EQ(d.colour, 0);
                    break;
                }
        } else {
            EXPECT_EQ(goals, "");
        }
    }
}

TEST(TessarinLaterChapters, ChoicesOutOfRangeRedrawOnlyTheStrip) {
    for (const auto& c : kChapters) {
        for (const char* choice : {"0", "9", "-1", ""}) {
            SCOPED_TRACE(std::string(c.key) + " then '" + choice + "'");
            tessarin::Tessarin program;
            // After the first item's screen, so that there is something to keep.
            Result r = RunTessarin(program, std::string(c.key) + "{enter}2{enter}" +
                                                (std::string(c.key) == "3" ? "x1{enter}x1{enter}"
                                                 : std::string(c.key) == "5" ? "x"
                                                                              : "") +
                                                choice + "{enter}");
            ASSERT_EQ(r.kind, Result::kKeysUsedUp);
            auto strips = IndicesOf(r.log, kBottomStrip);
            ASSERT_EQ(strips.size(), 2u);
            ExpectNothingAboveThePromptStrip(r.log, strips[1] + 1);
            auto lines = ItemLines(std::vector<std::string>(r.log.begin() + long(strips[1]), r.log.end()));
            ASSERT_EQ(lines.size(), 1u);
            ExpectItemLine(lines[0], c.item_line);
        }
    }
}

TEST(TessarinLaterChapters, FiveHalvesOpenItemTwo) {
    // What item 2 of each chapter draws first after its clear.
    struct Case {
        const char* key;
        std::string clear;
        const char* first;
    } cases[] = {
        {"3", "PsLINE 0 0 1600 320 15 2 15 pen=3", "練"},
        {"4", kWindowPaint, "P"},
        {"5", kWindowPaint, "学"},
        {"6", kWindowPaint, "学"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        tessarin::Tessarin program;
        Result whole = RunTessarin(program, std::string(c.key) + "{enter}2{enter}");
        tessarin::Tessarin again;
        Result half = RunTessarin(again, std::string(c.key) + "{enter}5/2{enter}");
        ASSERT_EQ(half.kind, Result::kKeysUsedUp);
        auto strips = IndicesOf(half.log, kBottomStrip);
        ASSERT_FALSE(strips.empty());
        std::vector<std::string> a(whole.log.begin() + long(IndicesOf(whole.log, kBottomStrip)[0]),
                                   whole.log.end());
        std::vector<std::string> b(half.log.begin() + long(strips[0]), half.log.end());
        EXPECT_EQ(a, b);
        auto clears = IndicesOf(b, c.clear);
        ASSERT_FALSE(clears.empty());
        auto texts = TextsIn(b, clears[0]);
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(texts[0].text, c.first);
    }
}

TEST(TessarinLaterChapters, TheLastItemReturnsToTheMainMenu) {
    for (const auto& c : kChapters) {
        SCOPED_TRACE(c.key);
        tessarin::Tessarin program;
        Result r = RunTessarin(program, std::string(c.key) + "{enter}" + c.last + "{enter}");
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        auto panels = IndicesOf(r.log, kMenuPanel);
        ASSERT_EQ(panels.size(), 2u);
        EXPECT_EQ(r.log[panels[1] - 1], kWindowPaint);
        EXPECT_EQ(r.log[panels[1] - 2], "PsLINE 0 54 1440 900 15 2 15 pen=3");
    }
}

TEST(TessarinLaterChapters, WalkThroughEveryItemOfEveryChapter) {
    // Each chapter's items in turn, one instance of each drill, then its last
    // item; the main menu's blank line 7 is no chapter.
    replay::WalkResult walk = WalkToTheEnd("tessarin");
    EXPECT_EQ(walk.menu_returns, 6);
    const int items[] = {7, 7, std::stoi(kChapters[0].last), std::stoi(kChapters[1].last),
                         std::stoi(kChapters[2].last), std::stoi(kChapters[3].last)};
    std::vector<std::pair<int, int>> every;
    for (int c = 1; c <= 6; ++c)
        for (int i = 1; i <= items[c - 1]; ++i) every.emplace_back(c, i);
    EXPECT_EQ(walk.opened, every);

    tessarin::Tessarin program;
    Result r = RunTessarin(program, walk.keys);
    EXPECT_EQ(r.kind, Result::kEnded);
    EXPECT_FALSE(r.error_report.has_value());
    EXPECT_EQ(r.keys_left, 0u);
    auto panels = IndicesOf(r.log, kMenuPanel);
    ASSERT_EQ(panels.size(), 7u);
    // The key waits of each chapter, item by item.
    const std::size_t waits[] = {8 + 0 + 15 + 1 + 12 + 3, 8 + 11 + 6 + 1 + 10 + 7, 9 + 2 + 4 + 4,
                                 1, 2 + 1 + 1 + 1 + 2, 2 + 1 + 1};
    for (std::size_t k = 0; k < 6; ++k) {
        std::vector<std::string> part(r.log.begin() + long(panels[k]),
                                      r.log.begin() + long(panels[k + 1]));
        EXPECT_EQ(CountOf(part, kAnyKeyBox), waits[k]) << "chapter " << k + 1;
    }
    // The replay tool itself ends with status 0 on the same keys.
    auto ran = RunCommand(std::string(REPLAY_BIN) + " tessarin --keys '" + walk.keys + "'");
    EXPECT_EQ(ran.status, 0) << ran.out;
}

}  // namespace
