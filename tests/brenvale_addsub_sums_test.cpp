// Chapter 2 of Brenvale, items ④ and ⑤: the example 6 drill, sums of two
// linear expressions and then differences of new pairs, and the page 73
// answers of problem 5. Scripted runs through replay with chosen random
// numbers, and many random instances read back and checked against the
// algebra.
#include <regex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tests/brenvale_drill_test_support.h"

namespace {

using namespace terms_testing;
using replay::Result;

std::string Item(int n) { return "2{enter}" + std::to_string(n) + "{enter}"; }

// Each sum instance erases its panel, each difference pass its own.
const std::string kSumPanel = "PsLINE 16 18 936 426 15 2 15 ";
const std::string kDifferencePanel = "PsLINE 640 18 1560 473 15 2 15 ";

// The draws of a sum: for each of the four values its size, 2 + INT(8r),
// then its sign, negative when 1 + INT(2r) is 2.
std::vector<double> SumDraws(int p, int q, int r, int s) {
    std::vector<double> out;
    for (int v : {p, q, r, s}) {
        out.push_back((std::abs(v) - 1.5) / 8);
        out.push_back(v < 0 ? 0.75 : 0.25);
    }
    return out;
}

// The draws of a difference pair: p and q with their signs, the sizes of r
// and s, then one pick that makes r (pick 2) or s (pick 1) negative.
std::vector<double> DifferenceDraws(int p, int q, int r, int s) {
    return {(std::abs(p) - 1.5) / 8, p < 0 ? 0.75 : 0.25, (std::abs(q) - 1.5) / 8,
            q < 0 ? 0.75 : 0.25,     (std::abs(r) - 1.5) / 8, (std::abs(s) - 1.5) / 8,
            r < 0 ? 0.75 : 0.25};
}

// Keys for `sums` sum instances and `differences` difference passes.
std::string DrillKeys(int sums, int differences) {
    return Item(4) + Repeat("aaaa2{enter}", sums - 1) + "aaaa1{enter}a" +
           Repeat("aaaaa2{enter}", differences - 1) + "aaaaa1{enter}a";
}

// The parts of a run: sum instances, then difference passes; the last of
// each cut at its step prompt.
struct Parts {
    std::vector<std::vector<std::string>> sums, differences;
};
Parts PartsOf(const std::vector<std::string>& log) {
    std::size_t second = log.size();
    for (std::size_t i = 0; i < log.size(); ++i)
        if (StartsWith(log[i], kDifferencePanel)) {
            second = i;
            break;
        }
    Parts p;
    p.sums = SplitAt(std::vector<std::string>(log.begin(), log.begin() + second), kSumPanel);
    p.differences = SplitAt(std::vector<std::string>(log.begin() + second, log.end()),
                            kDifferencePanel);
    for (auto* parts : {&p.sums, &p.differences}) {
        if (parts->empty()) continue;
        auto& last = parts->back();
        auto steps = IndicesOf(last, kStepBox);
        if (!steps.empty()) last.resize(steps.back());
    }
    return p;
}

class AddSubSumsTest : public ::testing::Test {
protected:
    void TearDown() override { surface::Surface::Shutdown(); }
    brenvale::Brenvale program;
};

TEST_F(AddSubSumsTest, Example6WorksTheTextbookPairs) {
    std::vector<double> rnd = SumDraws(3, -5, -2, 7);
    for (auto d : {DifferenceDraws(3, 5, -4, 2), DifferenceDraws(3, 5, 4, -2)})
        rnd.insert(rnd.end(), d.begin(), d.end());
    Result r = RunBrenvale(program, DrillKeys(1, 2), rnd);
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    Parts p = PartsOf(r.log);
    ASSERT_EQ(p.sums.size(), 1u);
    ASSERT_EQ(p.differences.size(), 2u);

    ExpectLines(p.sums[0], {
        {48, 36, "例6　次の2つの式をたしなさい。", {{0, 3}}, 0},
        {88, 91, "3a-5,-2a+7", {{0, 0}}, 0},
        {88, 151, "(3a-5)+(-2a+7)", {{1, 3}, {4, 0}, {3, 3}, {5, 0}, {1, 3}}, 1},
        {64, 211, "=3a-5-2a+7", {{0, 0}}, 2},
        {64, 271, "=3a-2a-5+7", {{0, 0}}, 3},
        {64, 331, "=a+2", {{0, 5}}, 4},
    });
    EXPECT_EQ(IndicesOf(p.sums[0], kAnyKeyBox).size(), 4u);

    ExpectLines(p.differences[0], {
        {672, 36, "左の式から右の式をひきなさい。", {{0, 7}}, 0},
        {712, 91, "3a+5,-4a+2", {{0, 0}}, 0},
        {728, 151, "(3a+5)-(-4a+2)", {{1, 3}, {4, 0}, {3, 3}, {5, 0}, {1, 3}}, 1},
        {688, 211, "=(3a+5)+(4a-2)", {{7, 0}, {1, 3}, {1, 0}, {4, 3}, {1, 0}}, 2},
        {688, 271, "=3a+5+4a-2", {{0, 0}}, 3},
        {688, 331, "=3a+4a+5-2", {{0, 0}}, 4},
        {688, 391, "=7a+3", {{0, 5}}, 5},
    });
    EXPECT_EQ(IndicesOf(p.differences[0], kAnyKeyBox).size(), 5u);
    ExpectLines(p.differences[1], {
        {712, 91, "3a+5,4a-2", {{0, 0}}},
        {688, 211, "=(3a+5)+(-4a+2)", {{7, 0}, {1, 3}, {1, 0}, {5, 3}, {1, 0}}},
        {688, 271, "=3a+5-4a+2", {{0, 0}}},
        {688, 331, "=3a-4a+5+2", {{0, 0}}},
        {688, 391, "=-a+7", {{0, 5}}},
    });
}

TEST_F(AddSubSumsTest, Example6ListsTheStepsAndPointsToProblem5) {
    Result r = RunBrenvale(program, DrillKeys(2, 1));
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    auto item = ItemLog(r.log, "PsLINE 0 0 1320 1300 15 2 15 pen=3");
    ASSERT_FALSE(item.empty());
    auto first_difference = std::find_if(item.begin(), item.end(), [](const std::string& l) {
        return StartsWith(l, kDifferencePanel);
    });
    ASSERT_NE(first_difference, item.end());
    std::vector<std::string> sum(item.begin(), first_difference);
    std::vector<std::string> rest(first_difference, item.end());
    // Each sum first erases the right of the screen, then its own panel.
    EXPECT_EQ(IndicesOf(sum, "PsLINE 464 9 1264 639 15 2 15 pen=3").size(), 2u);
    EXPECT_EQ(IndicesOf(sum, "PsLINE 16 18 936 426 15 2 15 pen=3").size(), 2u);

    // The sum's list, numbered without ③, under the last sum; one wait
    // after it before the first difference.
    ExpectLines(sum, {
        {48, 391, "①　それぞれの式に（　）をつける。", {{0, 3}}},
        {48, 441, "②　+ でつなぐ。", {{0, 3}}},
        {48, 491, "④　（　）をはずす。", {{0, 3}}},
        {48, 541, "⑤　同類項をまとめる。", {{0, 3}}},
    });
    auto sum_waits = IndicesOf(sum, kAnyKeyBox);
    ASSERT_EQ(sum_waits.size(), 9u);
    auto list = GlyphsIn(sum);
    auto heading = std::find_if(list.begin(), list.end(),
                                [](const Glyph& g) { return g.x == 48 && g.y == 391; });
    ASSERT_NE(heading, list.end());
    EXPECT_GT(heading->index, IndicesOf(sum, kStepBox).back());

    // The difference's own steps, then the pointer with no wait after it.
    ExpectLines(rest, {
        {672, 451, "②　- でつなぐ。", {{0, 3}}},
        {672, 511, "③　+ にする。", {{0, 3}}},
        {672, 561, "　 ( )の中の項は、", {{0, 3}}},
        {672, 611, "　 すべて符号を変える", {{0, 3}}},
        {44, 600, "教科書P73 問5　をしなさい。", {{0, 0}}},
    });
    auto waits = IndicesOf(rest, kAnyKeyBox);
    ASSERT_EQ(waits.size(), 6u);
    auto glyphs = GlyphsIn(rest);
    for (const auto& g : glyphs) {
        if (g.y == 611) {
            EXPECT_LT(g.index, waits.back());
        }
        if (g.y == 600) {
            EXPECT_GT(g.index, waits.back());
        }
    }
}

TEST_F(AddSubSumsTest, Example6ResultsDropOnesZerosAndLeadingPlus) {
    struct Case {
        int p, q, r, s;
        const char* result;
    };
    const Case sums[] = {
        {3, -5, -2, 7, "=a+2"}, {-3, -2, 2, -2, "=-a-4"}, {3, 5, -3, -3, "=2"},
        {3, -5, -3, 3, "=-2"},  {3, 4, -3, -4, "=0"},     {2, 4, 3, -4, "=5a"},
        {2, -3, 5, 4, "=7a+1"}, {4, 2, -5, -2, "=-a"},    {5, 3, -4, -3, "=a"},
        {-9, -9, -9, -9, "=-18a-18"},
    };
    // Right-hand expressions with exactly one negative term.
    const Case differences[] = {
        {5, 3, -2, 2, "=7a+1"},  {3, 5, 3, -2, "=7"},    {3, -9, 3, -2, "=-7"},
        {4, 2, -3, 2, "=7a"},    {3, -2, 3, -2, "=0"},   {5, 2, 4, -5, "=a+7"},
        {-5, 2, -4, 5, "=-a-3"}, {4, -8, 5, -9, "=-a+1"}, {9, 9, -9, 9, "=18a"},
        {5, 2, 2, -2, "=3a+4"},
    };
    std::vector<double> rnd;
    for (const auto& c : sums) {
        auto d = SumDraws(c.p, c.q, c.r, c.s);
        rnd.insert(rnd.end(), d.begin(), d.end());
    }
    for (const auto& c : differences) {
        auto d = DifferenceDraws(c.p, c.q, c.r, c.s);
        rnd.insert(rnd.end(), d.begin(), d.end());
    }
    Result r = RunBrenvale(program, DrillKeys(std::size(sums), std::size(differences)), rnd);
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    Parts p = PartsOf(r.log);
    ASSERT_EQ(p.sums.size(), std::size(sums));
    ASSERT_EQ(p.differences.size(), std::size(differences));
    for (std::size_t k = 0; k < std::size(sums); ++k) {
        SCOPED_TRACE(sums[k].result);
        EXPECT_EQ(LineAt(GlyphsIn(p.sums[k]), 64, 331).text, sums[k].result);
    }
    for (std::size_t k = 0; k < std::size(differences); ++k) {
        SCOPED_TRACE(differences[k].result);
        EXPECT_EQ(LineAt(GlyphsIn(p.differences[k]), 688, 391).text, differences[k].result);
    }
}

TEST_F(AddSubSumsTest, Example6ExtremeDrawsStayInRange) {
    struct Case {
        double draw;
        const char* sum[2];         // the pair, the result
        const char* difference[6];  // the pair and the working
    };
    const Case cases[] = {
        {0.99999994,
         {"-9a-9,-9a-9", "=-18a-18"},
         {"-9a-9,-9a+9", "(-9a-9)-(-9a+9)", "=(-9a-9)+(9a-9)", "=-9a-9+9a-9", "=-9a+9a-9-9",
          "=-18"}},
        {0,
         {"2a+2,2a+2", "=4a+4"},
         {"2a+2,2a-2", "(2a+2)-(2a-2)", "=(2a+2)+(-2a+2)", "=2a+2-2a+2", "=2a-2a+2+2", "=4"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.draw);
        brenvale::Brenvale fresh;
        Result r = RunBrenvale(fresh, DrillKeys(1, 1), std::vector<double>(15, c.draw));
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        Parts p = PartsOf(r.log);
        ASSERT_EQ(p.sums.size(), 1u);
        ASSERT_EQ(p.differences.size(), 1u);
        auto sum = GlyphsIn(p.sums[0]);
        EXPECT_EQ(LineAt(sum, 88, 91).text, c.sum[0]);
        EXPECT_EQ(LineAt(sum, 64, 331).text, c.sum[1]);
        auto difference = GlyphsIn(p.differences[0]);
        const std::pair<double, double> at[6] = {{712, 91},  {728, 151}, {688, 211},
                                                 {688, 271}, {688, 331}, {688, 391}};
        for (int n = 0; n < 6; ++n)
            EXPECT_EQ(LineAt(difference, at[n].first, at[n].second).text, c.difference[n]);
        surface::Surface::Shutdown();
    }
}

// ---- many instances with random clocks ----

// The letter coefficient and the constant of a result line; false (with a
// failure) when it does not read.
bool ReadResult(const std::string& line, int& coefficient, int& constant) {
    std::vector<Term> terms;
    if (!ReadTerms(line, terms)) {
        ADD_FAILURE() << line;
        return false;
    }
    coefficient = constant = 0;
    bool zero = false;
    for (const auto& t : terms) {
        if (t.letter == 'a') {
            coefficient += t.coefficient;
        } else {
            constant += t.coefficient;
            zero = zero || t.coefficient == 0;
        }
    }
    // A 0 only as the whole result; at most one term of each kind.
    EXPECT_TRUE(!zero || line == "=0") << line;
    EXPECT_LE(terms.size(), 2u) << line;
    return true;
}

struct Tally {
    std::set<int> values, coefficients, constants;
    std::set<std::string> right_signs;
    int instances = 0;
};

// "Pa+Q,Ra+S" into its four numbers.
bool ReadPair(const std::string& line, int v[4]) {
    static const std::regex form(R"(^(-?\d+)a([+-]\d+),(-?\d+)a([+-]\d+)$)");
    std::smatch m;
    if (!std::regex_match(line, m, form)) {
        ADD_FAILURE() << line;
        return false;
    }
    for (int k = 0; k < 4; ++k) v[k] = std::stoi(m[k + 1]);
    return true;
}

std::string Expression(int coefficient, int constant) {
    return Written(coefficient, "a", true) + Written(constant, "", false);
}

void CheckSum(const std::vector<std::string>& part, Tally& tally) {
    auto glyphs = GlyphsIn(part);
    const std::string pair = LineAt(glyphs, 88, 91).text;
    SCOPED_TRACE(pair);
    int v[4];
    if (!ReadPair(pair, v)) return;
    const std::string lines[5] = {pair, LineAt(glyphs, 88, 151).text, LineAt(glyphs, 64, 211).text,
                                  LineAt(glyphs, 64, 271).text, LineAt(glyphs, 64, 331).text};
    for (const auto& l : lines) ExpectWellWritten(l);
    for (int x : v) {
        EXPECT_TRUE(std::abs(x) >= 2 && std::abs(x) <= 9) << x;
        tally.values.insert(x);
    }
    EXPECT_EQ(lines[1], "(" + Expression(v[0], v[1]) + ")+(" + Expression(v[2], v[3]) + ")");
    EXPECT_EQ(lines[2], "=" + Expression(v[0], v[1]) + Written(v[2], "a", false) +
                            Written(v[3], "", false));
    EXPECT_EQ(lines[3], "=" + Written(v[0], "a", true) + Written(v[2], "a", false) +
                            Written(v[1], "", false) + Written(v[3], "", false));
    int coefficient, constant;
    if (!ReadResult(lines[4], coefficient, constant)) return;
    EXPECT_EQ(coefficient, v[0] + v[2]);
    EXPECT_EQ(constant, v[1] + v[3]);
    tally.coefficients.insert(coefficient);
    tally.constants.insert(constant);
    ++tally.instances;
}

void CheckDifference(const std::vector<std::string>& part, Tally& tally) {
    auto glyphs = GlyphsIn(part);
    const std::string pair = LineAt(glyphs, 712, 91).text;
    SCOPED_TRACE(pair);
    int v[4];
    if (!ReadPair(pair, v)) return;
    const std::string lines[6] = {pair,
                                  LineAt(glyphs, 728, 151).text,
                                  LineAt(glyphs, 688, 211).text,
                                  LineAt(glyphs, 688, 271).text,
                                  LineAt(glyphs, 688, 331).text,
                                  LineAt(glyphs, 688, 391).text};
    for (const auto& l : lines) ExpectWellWritten(l);
    for (int x : v) EXPECT_TRUE(std::abs(x) >= 2 && std::abs(x) <= 9) << x;
    // The right-hand expression has exactly one negative term.
    EXPECT_NE(v[2] < 0, v[3] < 0);
    tally.right_signs.insert(v[2] < 0 ? "-+" : "+-");
    tally.values.insert(v[0]);
    tally.values.insert(v[1]);
    EXPECT_EQ(lines[1], "(" + Expression(v[0], v[1]) + ")-(" + Expression(v[2], v[3]) + ")");
    EXPECT_EQ(lines[2], "=(" + Expression(v[0], v[1]) + ")+(" + Expression(-v[2], -v[3]) + ")");
    EXPECT_EQ(lines[3], "=" + Expression(v[0], v[1]) + Written(-v[2], "a", false) +
                            Written(-v[3], "", false));
    EXPECT_EQ(lines[4], "=" + Written(v[0], "a", true) + Written(-v[2], "a", false) +
                            Written(v[1], "", false) + Written(-v[3], "", false));
    int coefficient, constant;
    if (!ReadResult(lines[5], coefficient, constant)) return;
    EXPECT_EQ(coefficient, v[0] - v[2]);
    EXPECT_EQ(constant, v[1] - v[3]);
    // Nothing left of x 640 but the prompts: the sum stays.
    for (const auto& line : part) {
        Extent e;
        if (ExtentOf(line, e) && e.left < 640) {
            EXPECT_GE(e.top, 639) << line;
        }
        if (StartsWith(line, "PsLINE ") && line.find(" 15 2 15 ") != std::string::npos) {
            auto n = Numbers(line);
            if (n[1] < 639) {
                EXPECT_GE(n[0], 640) << line;
            }
        }
    }
    tally.coefficients.insert(coefficient);
    tally.constants.insert(constant);
    ++tally.instances;
}

// 512 sums and 512 differences: each shard runs the item twice, at random
// clocks, with 64 of each a run.
constexpr int kShards = 4;
constexpr int kRunsPerShard = 2;
constexpr int kInstancesPerRun = 64;

class Example6ManyTest : public AddSubSumsTest, public ::testing::WithParamInterface<int> {};

TEST_P(Example6ManyTest, EveryInstanceIsWrittenWellAndAddsUp) {
    Tally sums, differences;
    for (const auto& clock : ShardClocks(GetParam(), kRunsPerShard)) {
        SCOPED_TRACE("--clock " + clock);
        brenvale::Brenvale fresh;
        Result r = RunBrenvale(fresh, DrillKeys(kInstancesPerRun, kInstancesPerRun), {}, clock);
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        Parts p = PartsOf(r.log);
        ASSERT_EQ(p.sums.size(), std::size_t(kInstancesPerRun));
        ASSERT_EQ(p.differences.size(), std::size_t(kInstancesPerRun));
        for (const auto& part : p.sums) CheckSum(part, sums);
        for (const auto& part : p.differences) CheckDifference(part, differences);
        CheckNothingOutsideTheWindow(r.log);
        surface::Surface::Shutdown();
    }
    for (const Tally* t : {&sums, &differences}) {
        EXPECT_EQ(t->instances, kRunsPerShard * kInstancesPerRun);
        for (int v = 2; v <= 9; ++v) {
            EXPECT_TRUE(t->values.count(v)) << v;
            EXPECT_TRUE(t->values.count(-v)) << -v;
        }
        // The results range over both signs and cross zero.
        EXPECT_TRUE(t->coefficients.count(0));
        EXPECT_TRUE(t->constants.count(0) || t->constants.size() > 20);
    }
    EXPECT_EQ(differences.right_signs, (std::set<std::string>{"-+", "+-"}));
}

INSTANTIATE_TEST_SUITE_P(Shards, Example6ManyTest, ::testing::Range(0, kShards));

// ---- item ⑤: the page 73 answers ----

TEST_F(AddSubSumsTest, Problem5AnswersRevealEachCalculation) {
    for (int keys : {7, 8}) {
        SCOPED_TRACE(keys);
        brenvale::Brenvale fresh;
        Result r = RunBrenvale(fresh, Item(5) + Repeat("a", keys));
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        auto clears = IndicesOf(r.log, "PsLINE 0 0 1320 1300 15 2 15 pen=3");
        ASSERT_EQ(clears.size(), 1u);
        bool back = std::any_of(r.log.begin() + clears[0], r.log.end(), IsItemLineStart);
        EXPECT_EQ(back, keys == 8);
        surface::Surface::Shutdown();
    }

    Result r = RunBrenvale(program, Item(5) + Repeat("a", 8));
    auto item = ItemLog(r.log, "PsLINE 0 0 1320 1300 15 2 15 pen=3");
    ASSERT_FALSE(item.empty());
    auto waits = IndicesOf(item, kAnyKeyBox);
    ASSERT_EQ(waits.size(), 8u);
    // Problem (4) takes the place of (1) and the sum of (2), after the
    // seventh wait: only the left column below the title goes.
    auto erases = IndicesOf(item, "PsLINE 0 80 640 1380 15 2 15 pen=3");
    ASSERT_EQ(erases.size(), 1u);
    EXPECT_EQ(CountBefore(waits, erases[0]), 7u);
    std::vector<std::string> before(item.begin(), item.begin() + erases[0]);
    std::vector<std::string> after(item.begin() + erases[0], item.end());

    // A label joins its problem, whose opening blank ends where the label
    // does; each result follows its last working line in colour 5.
    const std::vector<std::pair<int, int>> label{{3, 3}, {0, 0}}, plain{{0, 0}};
    auto result = [](int working) { return std::vector<std::pair<int, int>>{{working, 0}, {0, 5}}; };
    ExpectLines(before, {
        {94, 30, "教科書P73 問5　解答", {{0, 3}}, 0},
        {40, 80, "(1)(5x+9)+(6x-1)", label, 1},
        {94, 130, "=5x+9+6x-1", plain, 1},
        {94, 180, "=5x+6x+9-1=11x+8", result(10), 1},
        {121, 240, "(5x+9)-(6x-1)", plain, 2},
        {94, 290, "=(5x+9)+(-6x+1)", plain, 2},
        {94, 340, "=5x+9-6x+1", plain, 2},
        {94, 390, "=5x-6x+9+1=-x+10", result(10), 2},
        {40, 450, "(2)(4x-2)+(x-2)", label, 3},
        {94, 500, "=4x-2+x-2", plain, 3},
        {94, 550, "=4x+x-2-2=5x-4", result(9), 3},
        {721, 30, "(4x-2)-(x-2)", plain, 4},
        {694, 80, "=(4x-2)+(-x+2)", plain, 4},
        {694, 130, "=4x-2-x+2", plain, 4},
        {694, 180, "=4x-x-2+2=3x", result(9), 4},
        {640, 240, "(3)(-3y+4)+(y-8)", label, 5},
        {694, 290, "=-3y+4+y-8", plain, 5},
        {694, 340, "=-3y+y+4-8=-2y-4", result(10), 5},
        {721, 400, "(-3y+4)-(y-8)", plain, 6},
        {694, 450, "=(-3y+4)+(-y+8)", plain, 6},
        {694, 500, "=-3y+4-y+8", plain, 6},
        {694, 550, "=-3y-y+4+8=-4y+12", result(10), 6},
    });
    ExpectLines(after, {
        {40, 130, "(4)(7x-5)+(-7x+6)", label, 0},
        {94, 180, "=7x-5-7x+6", plain, 0},
        {94, 230, "=7x-7x-5+6=1", result(10), 0},
        {121, 290, "(7x-5)-(-7x+6)", plain, 1},
        {94, 340, "=(7x-5)+(7x-6)", plain, 1},
        {94, 390, "=7x-5+7x-6", plain, 1},
        {94, 440, "=7x+7x-5-6=14x-11", result(10), 1},
    });
    // The right column stays through the erase.
    for (const auto& g : GlyphsIn(after)) EXPECT_LT(g.x, 640) << g.ch;
}

}  // namespace
