// The relation-sentence drill: the three draws of a pass, the sentence and
// its two written forms, and many random passes.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/tessarin_test_support.h"

namespace {

using namespace tessarin_testing;
using replay::Result;

const std::string kPassErase = "PsLINE 0 0 560 320 15 2 15";

// One pass as drawn: the sentence, the two forms and the word between them.
struct Pass {
    std::string sentence, first, between, second;
    int sentence_colour = -1, first_colour = -1, between_colour = -1, second_colour = -1;
};

std::vector<Pass> PassesIn(const std::vector<std::string>& log) {
    std::vector<Pass> out;
    for (const auto& part : SplitAt(log, kPassErase)) {
        auto g = GlyphsIn(part);
        Pass p;
        Line sentence = LineAt(g, 148, 100);
        Line first = LineAt(g, 148, 170);
        Line between = LineAt(g, first.end_x + 40, 170);
        Line second = LineAt(g, between.end_x + 40, 170);
        p.sentence = sentence.text;
        p.first = first.text;
        p.between = between.text;
        p.second = second.text;
        p.sentence_colour = sentence.colour;
        p.first_colour = first.colour;
        p.between_colour = between.colour;
        p.second_colour = second.colour;
        out.push_back(p);
    }
    return out;
}

// The six relations between P and Q: sentence, first form, second form.
struct Row {
    std::string sentence, first, second;
};
std::vector<Row> RowsFor(const std::string& p, const std::string& q) {
    return {
        {p + "と" + q + "は等しい", p + "=" + q, q + "=" + p},
        {p + "は" + q + "より小さい", p + "<" + q, q + ">" + p},
        {p + "は" + q + "より大きい", p + ">" + q, q + "<" + p},
        {p + "は" + q + "以下", p + "≦" + q, q + "≧" + p},
        {p + "は" + q + "以上", p + "≧" + q, q + "≦" + p},
        {p + "は" + q + "未満", p + "<" + q, q + ">" + p},
    };
}

TEST(RelationDrill, ChosenDrawsGiveTheirSentenceAndForms) {
    tessarin::Tessarin program;
    Result r = RunTessarin(program, "2{enter}4{enter}x", {0.6f, 0.4f, 0.2f});
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    EXPECT_EQ(CountOf(r.log, kItemClear), 1u);
    auto passes = PassesIn(r.log);
    ASSERT_EQ(passes.size(), 1u);
    EXPECT_EQ(passes[0].sentence, "xはbより小さい");
    EXPECT_EQ(passes[0].sentence_colour, 0);
    EXPECT_EQ(passes[0].first, "x<b");
    EXPECT_EQ(passes[0].first_colour, 5);
    EXPECT_EQ(passes[0].between, "または");
    EXPECT_EQ(passes[0].between_colour, 0);
    EXPECT_EQ(passes[0].second, "b>x");
    EXPECT_EQ(passes[0].second_colour, 5);
    auto g = GlyphsIn(r.log);
    Line heading = LineAt(g, 40, 30);
    EXPECT_EQ(heading.text, "練習　次の数量の関係を等式か不等式に表しなさい。");
    EXPECT_EQ(heading.colour, 0);
    // The forms come after the key; the step prompt after them.
    auto waits = IndicesOf(r.log, kAnyKeyBox);
    ASSERT_EQ(waits.size(), 1u);
    for (const auto& gl : g) {
        if (gl.y == 100) {
            EXPECT_LT(gl.index, waits[0]);
        }
        if (gl.y == 170) {
            EXPECT_GT(gl.index, waits[0]);
        }
    }
    EXPECT_EQ(CountOf(r.log, kStepBox), 1u);
}

TEST(RelationDrill, EachDrawPicksFromWhatIsLeft) {
    struct Case {
        float first, second, relation;
        const char* sentence;
        const char* first_form;
        const char* second_form;
    } cases[] = {
        // "y" is last in the pool: nothing moves, the second is a, b or x.
        {0.9f, 0.0f, 0.0f, "yとaは等しい", "y=a", "a=y"},
        {0.9f, 0.9f, 0.4f, "yはxより大きい", "y>x", "x<y"},
        // After "a", the second comes from b, x and y, in that order.
        {0.0f, 0.0f, 0.6f, "aはb以下", "a≦b", "b≧a"},
        {0.0f, 0.5f, 0.7f, "aはx以上", "a≧x", "x≦a"},
        {0.0f, 0.9f, 0.99f, "aはy未満", "a<y", "y>a"},
        // Rows 2 and 6 differ only in the sentence.
        {0.6f, 0.4f, 0.9f, "xはb未満", "x<b", "b>x"},
    };
    std::vector<double> draws;
    std::string keys = "2{enter}4{enter}";
    for (const auto& c : cases) {
        draws.insert(draws.end(), {c.first, c.second, c.relation});
        keys += "x{enter}";
    }
    tessarin::Tessarin program;
    Result r = RunTessarin(program, keys, draws);
    auto passes = PassesIn(r.log);
    ASSERT_EQ(passes.size(), std::size(cases) + 1);  // the last one waits for its key
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].sentence);
        EXPECT_EQ(passes[i].sentence, cases[i].sentence);
        EXPECT_EQ(passes[i].first, cases[i].first_form);
        EXPECT_EQ(passes[i].between, "または");
        EXPECT_EQ(passes[i].second, cases[i].second_form);
    }
}

TEST(RelationDrill, OneEndsTheDrillAndAnythingElseMakesANewPass) {
    tessarin::Tessarin program;
    Result r = RunTessarin(program, "2{enter}4{enter}x{enter}x0{enter}x2/2{enter}");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    EXPECT_EQ(PassesIn(r.log).size(), 3u);
    EXPECT_EQ(CountOf(r.log, kItemClear), 1u);
    // Back on the sub-menu, the last exercise left on view.
    auto last_step = IndicesOf(r.log, kStepBox).back();
    bool item_line = false;
    for (std::size_t i = last_step; i < r.log.size(); ++i)
        if (StartsWith(r.log[i], "PsSYMBOL40 16 666 \"①\"")) item_line = true;
    EXPECT_TRUE(item_line);
    for (std::size_t i = last_step; i < r.log.size(); ++i)
        if (StartsWith(r.log[i], "PsLINE ")) {
            EXPECT_GE(Numbers(r.log[i])[1], 600) << r.log[i];
        }
}

TEST(RelationDrill, FiveHundredRandomPasses) {
    std::set<std::pair<std::string, std::string>> pairs;
    std::set<int> rows;
    std::size_t checked = 0;
    std::string keys = "2{enter}4{enter}";
    for (int i = 0; i < 100; ++i) keys += "x{enter}";
    for (const char* clock : {"09:00:00", "10:17:43", "13:05:29", "15:59:59", "23:41:08"}) {
        SCOPED_TRACE(clock);
        tessarin::Tessarin program;
        Result r = RunTessarin(program, keys, {}, clock);
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        for (const auto& l : r.log) {
            Extent e;
            if (!ExtentOf(l, e)) continue;
            EXPECT_TRUE(e.left >= 0 && e.top >= 0 && e.right <= 1440 && e.bottom <= 900) << l;
        }
        auto passes = PassesIn(r.log);
        ASSERT_EQ(passes.size(), 101u);
        passes.pop_back();  // waiting for its key
        for (const auto& p : passes) {
            SCOPED_TRACE(p.sentence);
            ASSERT_FALSE(p.sentence.empty());
            const std::string first_letter = p.sentence.substr(0, 1);
            int matched = 0;
            for (const char* q : {"a", "b", "x", "y"}) {
                auto table = RowsFor(first_letter, q);
                for (int k = 0; k < 6; ++k)
                    if (table[k].sentence == p.sentence) {
                        EXPECT_NE(first_letter, q);
                        EXPECT_EQ(p.first, table[k].first);
                        EXPECT_EQ(p.second, table[k].second);
                        pairs.insert({first_letter, q});
                        rows.insert(k + 1);
                        ++matched;
                    }
            }
            EXPECT_EQ(matched, 1);
            EXPECT_EQ(p.between, "または");
            ++checked;
        }
    }
    EXPECT_EQ(checked, 500u);
    EXPECT_EQ(pairs.size(), 12u);
    EXPECT_EQ(rows.size(), 6u);
}

}  // namespace
