// The price-relation drill: the order of its draws, the pencils of the
// single-precision factor, the two drills' screens, and many random
// instances of each.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>
#include <vector>

#include "tests/tessarin_test_support.h"

namespace {

using namespace tessarin_testing;
using replay::Result;

const std::string kFirstBand = "PsLINE 0 0 1600 320 15 2 15 pen=3";
const std::string kSecondBand = "PsLINE 0 280 1600 600 15 2 15 pen=3";
const char* const kClosing = "教科書P79問6,P80問7 をしなさい。";

// Pencils for each count of notebooks: INT(1.8 x notebooks) with 1.8 held
// just under 1.8.
const std::map<int, int> kPencils = {{5, 8}, {6, 10}, {7, 12}, {8, 14}, {9, 16}, {10, 17}};

struct Instance {
    std::string title, premise, question, expression, meaning;
    int meaning_colour = -1;
};

std::vector<Instance> InstancesIn(const std::vector<std::string>& log, const std::string& band,
                                  double top) {
    std::vector<Instance> out;
    for (const auto& part : SplitAt(log, band)) {
        auto g = GlyphsIn(part);
        Instance in;
        in.title = LineAt(g, 40, top).text;
        in.premise = LineAt(g, 148, top).text;
        in.question = LineAt(g, 148, top + 50).text;
        const bool first = top == 30;
        in.expression = LineAt(g, 148, top + (first ? 110 : 120)).text;
        Line meaning = LineAt(g, 148, top + (first ? 180 : 190));
        in.meaning = meaning.text;
        in.meaning_colour = meaning.colour;
        out.push_back(in);
    }
    return out;
}

TEST(PriceDrill, ChosenDrawsGiveOneExactInstanceOfEachDrill) {
    tessarin::Tessarin program;
    // Notebooks 5 and 8, 1000 yen, x/y, row 2 ("<"), the inequality first;
    // then notebooks 9 and 10, 2000 yen, a/b, row 5 ("≧"), "=" first.
    Result r = RunTessarin(program, "3{enter}2{enter}x1{enter}x1{enter}",
                           {0.0f, 0.5f, 0.0f, 0.9f, 0.2f, 0.9f, 0.99f, 0.99f, 0.99f, 0.0f, 0.99f,
                            0.1f});
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    EXPECT_EQ(CountOf(r.log, kItemClear), 1u);
    auto first = InstancesIn(r.log, kFirstBand, 30);
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first[0].title, "練習①");
    EXPECT_EQ(first[0].premise, "鉛筆1本の値段がx円、ノート1冊の値段がy円のとき、");
    EXPECT_EQ(first[0].question, "次の式はどんなことを表していますか。");
    EXPECT_EQ(first[0].expression, "8x<5y");
    EXPECT_EQ(first[0].meaning, "鉛筆8本の代金は、ノート5冊の代金より安い。");
    EXPECT_EQ(first[0].meaning_colour, 5);
    auto second = InstancesIn(r.log, kSecondBand, 280);
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(second[0].title, "練習②");
    EXPECT_EQ(second[0].premise, "鉛筆1本の値段がa円、ノート1冊の値段がb円のとき、");
    EXPECT_EQ(second[0].expression, "17a+10b≧2000");
    EXPECT_EQ(second[0].meaning, "鉛筆17本とノート10冊の代金は、2000円以上である。");
    EXPECT_EQ(second[0].meaning_colour, 5);
    // The closing line under the second drill, then the sub-menu at once.
    auto closing = FindBlock(r.log, Reference(7, 40, 540, kClosing));
    ASSERT_NE(closing, std::string::npos);
    EXPECT_EQ(ItemLines(std::vector<std::string>(r.log.begin() + long(closing), r.log.end())).size(),
              1u);
    EXPECT_EQ(CountOf(r.log, kAnyKeyBox), 2u);
    EXPECT_EQ(CountOf(r.log, kStepBox), 2u);
}

TEST(PriceDrill, EqualsInEachDrillTakesItsOwnPhrase) {
    tessarin::Tessarin program;
    // Notebooks 7 and 6 with 2000 yen, "=" in both drills: in the first
    // slot, then in the second.
    Result r = RunTessarin(program, "3{enter}2{enter}x1{enter}x1{enter}",
                           {0.4f, 0.0f, 0.5f, 0.0f, 0.0f, 0.0f, 0.4f, 0.0f, 0.5f, 0.5f, 0.3f,
                            0.6f});
    auto first = InstancesIn(r.log, kFirstBand, 30);
    auto second = InstancesIn(r.log, kSecondBand, 280);
    ASSERT_EQ(first.size(), 1u);
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(first[0].expression, "12a=7b");
    EXPECT_EQ(first[0].meaning, "鉛筆12本の代金は、ノート7冊の代金と等しい。");
    EXPECT_EQ(second[0].expression, "10x+6y=2000");
    EXPECT_EQ(second[0].meaning, "鉛筆10本とノート6冊の代金は、2000円になる。");
}

TEST(PriceDrill, OneInAnyFormMovesOnAndAnythingElseMakesAnotherInstance) {
    for (const char* one : {"1", "1.0", "2/2"}) {
        SCOPED_TRACE(one);
        tessarin::Tessarin program;
        const std::string o(one);
        Result r = RunTessarin(program, "3{enter}2{enter}x0{enter}x{enter}x3/2{enter}x" + o +
                                            "{enter}x2{enter}x" + o + "{enter}");
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        EXPECT_EQ(InstancesIn(r.log, kFirstBand, 30).size(), 4u);
        EXPECT_EQ(InstancesIn(r.log, kSecondBand, 280).size(), 2u);
        EXPECT_NE(FindBlock(r.log, Reference(7, 40, 540, kClosing)), std::string::npos);
    }
}

TEST(PriceDrill, FiveHundredRandomInstancesOfEachDrill) {
    const std::regex first_form("(\\d+)([ax])(=|<|>|≦|≧)(\\d+)([by])");
    const std::regex second_form("(\\d+)([ax])\\+(\\d+)([by])(=|<|>|≦|≧)(1000|2000)");
    const std::map<std::string, std::string> phrases = {
        {"<", "より安い。"}, {">", "より高い。"}, {"≦", "以下である。"}, {"≧", "以上である。"}};
    std::map<std::string, int> signs[2];
    int checked[2] = {0, 0};
    std::string keys = "3{enter}2{enter}";
    for (int drill = 0; drill < 2; ++drill) {
        for (int i = 0; i < 100; ++i) keys += "x{enter}";
        keys += "x1{enter}";
    }
    for (const char* clock : {"09:00:00", "10:17:43", "13:05:29", "15:59:59", "23:41:08"}) {
        SCOPED_TRACE(clock);
        tessarin::Tessarin program;
        Result r = RunTessarin(program, keys, {}, clock);
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        auto second_start = IndicesOf(r.log, kSecondBand);
        ASSERT_EQ(second_start.size(), 101u);
        // The second drill draws nothing above its band: no line, and no
        // character on a line above it.
        const std::vector<std::string> second(r.log.begin() + long(second_start[0]), r.log.end());
        for (const auto& l : LinesOf(second, "PsLINE ")) {
            auto n = Numbers(l);
            EXPECT_GE(std::min(n[1], n[3]), 280) << l;
        }
        for (const auto& g : GlyphsIn(second)) EXPECT_GE(g.y, 280) << g.ch;
        for (const auto& l : r.log) {
            Extent e;
            if (!ExtentOf(l, e)) continue;
            EXPECT_TRUE(e.left >= 0 && e.top >= 0 && e.right <= 1440 && e.bottom <= 900) << l;
        }
        EXPECT_NE(FindBlock(r.log, Reference(7, 40, 540, kClosing)), std::string::npos);
        for (int drill = 0; drill < 2; ++drill) {
            auto instances = drill == 0 ? InstancesIn(r.log, kFirstBand, 30)
                                        : InstancesIn(r.log, kSecondBand, 280);
            ASSERT_EQ(instances.size(), 101u);
            for (const auto& in : instances) {
                SCOPED_TRACE(in.expression);
                std::smatch m;
                std::string sign, pencil, notebook, pencils, notebooks;
                std::string money;
                if (drill == 0) {
                    ASSERT_TRUE(std::regex_match(in.expression, m, first_form));
                    pencils = m[1], pencil = m[2], sign = m[3], notebooks = m[4], notebook = m[5];
                } else {
                    ASSERT_TRUE(std::regex_match(in.expression, m, second_form));
                    pencils = m[1], pencil = m[2], notebooks = m[3], notebook = m[4];
                    sign = m[5], money = m[6];
                }
                const int n = std::stoi(notebooks);
                ASSERT_EQ(kPencils.count(n), 1u);
                EXPECT_EQ(std::stoi(pencils), kPencils.at(n));
                EXPECT_TRUE(drill == 0 ? n <= 9 : n >= 6);
                EXPECT_EQ(pencil == "a" ? "b" : "y", notebook);
                EXPECT_EQ(in.premise, "鉛筆1本の値段が" + pencil + "円、ノート1冊の値段が" +
                                          notebook + "円のとき、");
                const std::string phrase =
                    sign == "=" ? (drill == 0 ? "と等しい。" : "になる。") : phrases.at(sign);
                EXPECT_EQ(in.meaning, drill == 0 ? "鉛筆" + pencils + "本の代金は、ノート" +
                                                       notebooks + "冊の代金" + phrase
                                                 : "鉛筆" + pencils + "本とノート" + notebooks +
                                                       "冊の代金は、" + money + "円" + phrase);
                EXPECT_EQ(in.meaning_colour, 5);
                ++signs[drill][sign];
                ++checked[drill];
            }
        }
    }
    for (int drill = 0; drill < 2; ++drill) {
        SCOPED_TRACE(drill);
        EXPECT_EQ(checked[drill], 505);
        EXPECT_GE(signs[drill]["="], 202);
        EXPECT_LE(signs[drill]["="], 303);
        for (const char* s : {"<", ">", "≦", "≧"}) {
            EXPECT_GE(signs[drill][s], 30) << s;
            EXPECT_LE(signs[drill][s], 100) << s;
        }
    }
}

}  // namespace
