// Chapter 4 of Brenvale, item ⑤: the three distributive-law drills on one
// screen. The worked instances through chosen random numbers, the course of
// the item, and many instances at random clocks, each read back from the
// log and checked against the algebra.
#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/brenvale_muldiv_test_support.h"

namespace {

using namespace muldiv_testing;
using replay::Result;

// The boxes that erase one pass of each drill before it is drawn.
const std::string kFirstPass = "PsLINE 0 90 2000 1890 15 2 15 ";
const std::string kSecondPass = "PsLINE 0 290 2000 2090 15 2 15 ";
const std::string kThirdPass = "PsLINE 600 90 2600 1890 15 2 15 ";

// Keys of one pass up to its step prompt: drills ① and ② wait twice, ③
// three times.
std::string Pass(int waits, const std::string& answer) {
    return Repeat("a", waits) + answer + "{enter}";
}

std::vector<std::vector<std::string>> PassesOf(const std::vector<std::string>& log,
                                               std::size_t drill) {
    std::vector<std::vector<std::string>> out;
    for (auto& part : SplitAtAny(log, {kFirstPass, kSecondPass, kThirdPass}))
        if (part.kind == drill) out.push_back(std::move(part.lines));
    return out;
}

class DistributiveTest : public ::testing::Test {
protected:
    void TearDown() override { surface::Surface::Shutdown(); }
    brenvale::Brenvale program;
};

// Each instance's lines as written (FormulaMarkup), with their places and
// colours: found in its pass in this order, one key between each.
struct Instance {
    std::vector<double> rnd;
    std::vector<std::string> lines;
};

void ExpectInstance(const std::vector<std::string>& part, const std::vector<WrittenLine>& want) {
    auto waits = IndicesOf(part, kAnyKeyBox);
    ASSERT_EQ(waits.size(), want.size() - 1);
    auto starts = ExpectLinesInOrder(part, want);
    for (std::size_t k = 0; k < starts.size(); ++k) {
        EXPECT_EQ(CountBefore(waits, starts[k]), k) << want[k].pieces[0].second;
    }
}

TEST_F(DistributiveTest, TheWorkedInstancesReadAsTheyShould) {
    const Instance first[] = {
        // b, |a|, flag (1 negates, else a = 1 becomes -1), |c|, flag, letter.
        {{0.45, 0.4, 0.7, 0.3, 0.2, 0.1}, {"①  -3(5x+4)", "=(-3)*5x+(-3)*4", "=-15x-12"}},
        {{0.05, 0.05, 0.2, 0.65, 0.7, 0.3}, {"①  -(y-7)", "=(-1)*y+(-1)*(-7)", "=-y+7"}},
        {{0.05, 0.2, 0.2, 0.15, 0.7, 0.55}, {"①  2(a-3)", "=2*a+2*(-3)", "=2a-6"}},
        {{0.99999994, 0.99999994, 0, 0.99999994, 0, 0.99999994},
         {"①  6(9b+9)", "=6*9b+6*9", "=54b+54"}},
        {std::vector<double>(6, 0.99999994), {"①  -6(9b-9)", "=(-6)*9b+(-6)*(-9)", "=-54b+54"}},
    };
    const Instance second[] = {
        // b, |a|, flag, |c|, flag, letter.
        {{0.25, 0.3, 0.7, 0.4, 0.2, 0.1}, {"②  (3x+5)*(-4)", "=3x*(-4)+5*(-4)", "=-12x-20"}},
        {{0.05, 0.15, 0.2, 0.65, 0.7, 0.55}, {"②  (a-7)*3", "=a*3+(-7)*3", "=3a-21"}},
        {std::vector<double>(6, 0.99999994),
         {"②  (9b-9)*(-9)", "=9b*(-9)+(-9)*(-9)", "=-81b+81"}},
    };
    const Instance third[] = {
        // Four places in the table of 2, 3, 5, 7, 1, then the letter.
        {{0.1, 0.1, 0.1, 0.1, 0.1},
         {"③  ﾀ2/3ﾀ(-15x+21)", "=ﾀ2/3ﾀ*(-15x)+ﾀ2/3ﾀ*21", "=2*(-5x)+2*7", "=-10x+14"}},
        // c = 1.
        {{0.9, 0.1, 0.9, 0.1, 0.3},
         {"③  ﾀ7/2ﾀ(-2y+6)", "=ﾀ7/2ﾀ*(-2y)+ﾀ7/2ﾀ*6", "=7*(-y)+7*3", "=-7y+21"}},
        // e = 1.
        {{0.1, 0.1, 0.1, 0.9, 0.55},
         {"③  ﾀ2/3ﾀ(-15a+3)", "=ﾀ2/3ﾀ*(-15a)+ﾀ2/3ﾀ*3", "=2*(-5a)+2*1", "=-10a+2"}},
        {std::vector<double>(5, 0.99999994),
         {"③  ﾀ7/5ﾀ(-5b+15)", "=ﾀ7/5ﾀ*(-5b)+ﾀ7/5ﾀ*15", "=7*(-b)+7*3", "=-7b+21"}},
    };
    std::vector<double> rnd;
    for (const auto& c : first) rnd.insert(rnd.end(), c.rnd.begin(), c.rnd.end());
    for (const auto& c : second) rnd.insert(rnd.end(), c.rnd.begin(), c.rnd.end());
    for (const auto& c : third) rnd.insert(rnd.end(), c.rnd.begin(), c.rnd.end());
    std::string keys = Chapter4Item(5) + Repeat(Pass(2, "2"), std::size(first) - 1) + Pass(2, "1") +
           Repeat(Pass(2, "2"), std::size(second) - 1) + Pass(2, "1") + "a" +
           Repeat(Pass(3, "2"), std::size(third) - 1) + Pass(3, "1") + "a";
    Result r = RunBrenvale(program, keys, rnd);
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);

    auto passes = PassesOf(r.log, 0);
    ASSERT_EQ(passes.size(), std::size(first));
    for (std::size_t k = 0; k < std::size(first); ++k) {
        const auto& l = first[k].lines;
        SCOPED_TRACE(l[0]);
        ExpectInstance(UpToStepPrompt(passes[k]),
                       {{40, 90, {{0, l[0]}}}, {100, 145, {{0, l[1]}}}, {100, 200, {{5, l[2]}}}});
    }
    passes = PassesOf(r.log, 1);
    ASSERT_EQ(passes.size(), std::size(second));
    for (std::size_t k = 0; k < std::size(second); ++k) {
        const auto& l = second[k].lines;
        SCOPED_TRACE(l[0]);
        ExpectInstance(UpToStepPrompt(passes[k]),
                       {{40, 290, {{0, l[0]}}}, {100, 345, {{0, l[1]}}}, {100, 400, {{5, l[2]}}}});
    }
    passes = PassesOf(r.log, 2);
    ASSERT_EQ(passes.size(), std::size(third));
    for (std::size_t k = 0; k < std::size(third); ++k) {
        const auto& l = third[k].lines;
        SCOPED_TRACE(l[0]);
        ExpectInstance(UpToStepPrompt(passes[k]), {{600, 110, {{0, l[0]}}},
                                                   {660, 190, {{0, l[1]}}},
                                                   {660, 260, {{0, l[2]}}},
                                                   {660, 315, {{5, l[3]}}}});
    }
}

TEST_F(DistributiveTest, TheThreeDrillsShareOneScreen) {
    // One instance of each drill, then the closing lines.
    Result r = RunBrenvale(program, Chapter4Item(5) + Pass(2, "1") + Pass(2, "1") + "a" +
                                        Pass(3, "1") + "a");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    auto heading = GlyphsIn(r.log);
    EXPECT_EQ(LineAt(heading, 40, 30).text, "例3　次の計算をしなさい。");
    EXPECT_EQ(LineAt(heading, 40, 30).colour, 3);

    auto parts = SplitAtAny(r.log, {kFirstPass, kSecondPass, kThirdPass});
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_EQ(parts[0].kind, 0u);
    EXPECT_EQ(parts[1].kind, 1u);
    EXPECT_EQ(parts[2].kind, 2u);
    // Drill ② follows drill ①'s step prompt at once: no key, no clear.
    const auto& first = parts[0].lines;
    auto steps = IndicesOf(first, kStepBox);
    ASSERT_EQ(steps.size(), 1u);
    for (std::size_t i = steps[0] + 1; i < first.size(); ++i) {
        EXPECT_NE(first[i], kAnyKeyBox);
        EXPECT_FALSE(StartsWith(first[i], "PsLINE ") &&
                     first[i].find(" 15 2 15 ") != std::string::npos &&
                     Numbers(first[i])[1] < 639)
            << first[i];
    }
    // After drill ②'s step prompt: one key, then drill ③ on the right.
    const auto& second = parts[1].lines;
    steps = IndicesOf(second, kStepBox);
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_EQ(IndicesOf(second, kAnyKeyBox, steps[0]).size(), 1u);

    // The rule 60 below the result line and the pointer 50 below it, with
    // one key between them; then the sub-menu at once.
    const auto& third = parts[2].lines;
    steps = IndicesOf(third, kStepBox);
    ASSERT_EQ(steps.size(), 1u);
    auto closing = ExpectLinesInOrder(
        third, {{600, 375, {{5, "分配法則で（　）をはずし、約分する。"}}},
                {600, 425, {{7, "教科書P75 問3　をやろう。"}}}},
        steps[0]);
    auto waits = IndicesOf(third, kAnyKeyBox, steps[0]);
    ASSERT_EQ(waits.size(), 1u);
    EXPECT_TRUE(closing[0] < waits[0] && waits[0] < closing[1]);
    std::size_t menu = std::find_if(third.begin(), third.end(), IsItemLineStart) - third.begin();
    ASSERT_LT(menu, third.size());
    EXPECT_GT(menu, closing[1]);
    for (const auto& line : r.log) EXPECT_EQ(line.find("±"), std::string::npos) << line;
}

TEST_F(DistributiveTest, AnyValueOfOneEndsADrill) {
    // 2/2 ends drill ① and 3/3 drill ②; 0 and an empty line make new
    // instances of drill ③.
    Result r = RunBrenvale(program, Chapter4Item(5) + Pass(2, "0") + Pass(2, "2/2") +
                                        Pass(2, "") + Pass(2, "3/3") + "a" + Pass(3, "0") +
                                        Pass(3, "") + Pass(3, "4/4") + "a");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    EXPECT_EQ(PassesOf(r.log, 0).size(), 2u);
    EXPECT_EQ(PassesOf(r.log, 1).size(), 2u);
    EXPECT_EQ(PassesOf(r.log, 2).size(), 3u);
}

// ---- many instances with random clocks ----

struct Tally {
    std::map<std::string, std::set<int>> seen;
    int instances = 0;
    double widest = 0;  // right end of the left column's widest line
};

// Drill ① or ②: the problem read back, the other lines made from its
// numbers. `second`: (bx+c)×a below drill ① rather than a(bx+c).
void CheckBracketInstance(const std::vector<std::string>& part, bool second, Tally& tally) {
    const double top = second ? 290 : 90;
    auto glyphs = GlyphsIn(part);
    // After the label and its two blanks.
    const std::string problem = LineAt(glyphs, 128, top).text;
    const std::string working = LineAt(glyphs, 100, top + 55).text;
    const std::string result = LineAt(glyphs, 100, top + 110).text;
    SCOPED_TRACE(problem);
    std::smatch m;
    int a, b, c;
    std::string L;
    if (second) {
        static const std::regex form(R"(^\((\d*)([xyab])([+-]\d+)\)×\(?(-?\d+)\)?$)");
        ASSERT_TRUE(std::regex_match(problem, m, form));
        b = CoefficientValue(m[1]), L = m[2], c = std::stoi(m[3]), a = std::stoi(m[4]);
        EXPECT_EQ(problem, "(" + CoefficientText(b) + L + Signed(c) + ")×" + Factor(a));
        EXPECT_TRUE(std::abs(a) >= 2 && std::abs(a) <= 9);
        EXPECT_EQ(working, "=" + CoefficientText(b) + L + "×" + Factor(a) + "+" + Factor(c) +
                               "×" + Factor(a));
    } else {
        static const std::regex form(R"(^(-?\d*)\((\d*)([xyab])([+-]\d+)\)$)");
        ASSERT_TRUE(std::regex_match(problem, m, form));
        a = CoefficientValue(m[1]), b = CoefficientValue(m[2]), L = m[3], c = std::stoi(m[4]);
        // a is never +1.
        EXPECT_TRUE((a >= -6 && a <= -1) || (a >= 2 && a <= 6)) << a;
        EXPECT_EQ(working, "=" + Factor(a) + "×" + CoefficientText(b) + L + "+" + Factor(a) +
                               "×" + Factor(c));
    }
    EXPECT_TRUE(b >= 1 && b <= 9);
    EXPECT_TRUE(std::abs(c) >= 2 && std::abs(c) <= 9);
    // The result is the algebra of the problem.
    EXPECT_EQ(result, "=" + CoefficientText(a * b) + L + Signed(a * c));
    for (const auto& text : {problem, working, result}) EXPECT_TRUE(WrittenWell(text)) << text;

    // The label, then the lines in their colours, one key apart.
    auto waits = IndicesOf(part, kAnyKeyBox);
    ASSERT_EQ(waits.size(), 2u);
    auto label = std::find_if(glyphs.begin(), glyphs.end(),
                              [&](const Glyph& g) { return g.x == 40 && g.y == top; });
    ASSERT_NE(label, glyphs.end());
    EXPECT_EQ(label->ch, second ? "②" : "①");
    std::size_t k = 0;
    for (double x : {128, 100, 100}) {
        const double y = top + 55 * k;
        PlainLine line = ReadPlainLine(glyphs, x, y);
        EXPECT_EQ(line.colours, (std::set<int>{k == 2 ? 5 : 0})) << line.text;
        EXPECT_EQ(CountBefore(waits, line.index), k) << line.text;
        tally.widest = std::max(tally.widest, line.end_x);
        ++k;
    }
    const std::string drill = second ? "2" : "1";
    tally.seen[drill + "a"].insert(a);
    tally.seen[drill + "b"].insert(b);
    tally.seen[drill + "c"].insert(c);
    tally.seen[drill + "letter"].insert(L[0]);
    ++tally.instances;
}

// Drill ③: n, c, e and the letter read from the line after cancelling,
// d from the bracket of the problem line; the fractions must be n over d.
void CheckFractionInstance(const std::vector<std::string>& part, Tally& tally) {
    auto glyphs = GlyphsIn(part);
    const std::string cancelled = LineAt(glyphs, 660, 260).text;
    const std::string result = LineAt(glyphs, 660, 315).text;
    SCOPED_TRACE(cancelled);
    std::smatch m;
    static const std::regex form(R"(^=(\d)×\((-\d*)([xyab])\)\+\1×(\d)$)");
    ASSERT_TRUE(std::regex_match(cancelled, m, form));
    const int n = std::stoi(m[1]), c = -CoefficientValue(m[2]), e = std::stoi(m[4]);
    const std::string L = m[3];
    // The bracket after the fraction: -cd times the letter, and de.
    auto open = std::find_if(glyphs.begin(), glyphs.end(),
                             [](const Glyph& g) { return g.y == 110 && g.ch == "("; });
    ASSERT_NE(open, glyphs.end());
    const std::string bracket = LineAt(glyphs, open->x, 110).text;
    static const std::regex bracket_form(R"(^\((-\d+)([xyab])\+(\d+)\)$)");
    ASSERT_TRUE(std::regex_match(bracket, m, bracket_form)) << bracket;
    EXPECT_EQ(m[2].str(), L);
    const int cd = -std::stoi(m[1]), de = std::stoi(m[3]);
    ASSERT_EQ(cd % c, 0) << bracket;
    const int d = cd / c;
    EXPECT_EQ(de, d * e) << bracket;
    // n and d two different primes; c and e two different values of the
    // primes left and 1.
    const std::set<int> primes = {2, 3, 5, 7};
    EXPECT_TRUE(primes.count(n) && primes.count(d) && n != d) << n << "/" << d;
    std::set<int> left = {1};
    for (int p : primes)
        if (p != n && p != d) left.insert(p);
    EXPECT_TRUE(left.count(c) && left.count(e) && c != e) << c << " " << e;

    const std::string fraction = "ﾀ" + std::to_string(n) + "/" + std::to_string(d) + "ﾀ";
    auto waits = IndicesOf(part, kAnyKeyBox);
    ASSERT_EQ(waits.size(), 3u);
    auto starts = ExpectLinesInOrder(
        part, {{600, 110, {{0, "③  " + fraction + bracket}}},
               {660, 190,
                {{0, "=" + fraction + "*(" + std::to_string(-cd) + L + ")+" + fraction + "*" +
                         std::to_string(de)}}}});
    EXPECT_EQ(CountBefore(waits, starts[0]), 0u);
    EXPECT_EQ(CountBefore(waits, starts[1]), 1u);
    std::size_t k = 2;
    for (double y : {260, 315}) {
        PlainLine line = ReadPlainLine(glyphs, 660, y);
        EXPECT_EQ(line.colours, (std::set<int>{k == 3 ? 5 : 0})) << line.text;
        EXPECT_EQ(CountBefore(waits, line.index), k) << line.text;
        ++k;
    }
    // After cancelling, and the result: n/d times the bracket.
    EXPECT_EQ(cancelled, "=" + std::to_string(n) + "×(" + CoefficientText(-c) + L + ")+" +
                             std::to_string(n) + "×" + std::to_string(e));
    EXPECT_EQ(result, "=" + std::to_string(-n * c) + L + "+" + std::to_string(n * e));
    for (const auto& text : {bracket, cancelled, result}) EXPECT_TRUE(WrittenWell(text)) << text;
    tally.seen["n"].insert(n);
    tally.seen["d"].insert(d);
    tally.seen["c"].insert(c);
    tally.seen["e"].insert(e);
    tally.seen["3letter"].insert(L[0]);
    ++tally.instances;
}

// 504 instances of each drill, in shards that run side by side: each shard
// runs the item twice, at two random clocks, for 63 instances of each drill
// a run.
constexpr int kShards = 4;
constexpr int kRunsPerShard = 2;
constexpr int kInstancesPerRun = 63;

class ManyDistributionsTest : public DistributiveTest,
                              public ::testing::WithParamInterface<int> {};

TEST_P(ManyDistributionsTest, EveryInstanceIsTheAlgebraOfItsProblem) {
    Tally tally;
    for (const auto& clock : ShardClocks(GetParam(), kRunsPerShard)) {
        SCOPED_TRACE("--clock " + clock);
        brenvale::Brenvale fresh;
        std::string keys = Chapter4Item(5);
        keys += Repeat(Pass(2, "2"), kInstancesPerRun - 1) + Pass(2, "1");
        keys += Repeat(Pass(2, "2"), kInstancesPerRun - 1) + Pass(2, "1") + "a";
        keys += Repeat(Pass(3, "2"), kInstancesPerRun - 1) + Pass(3, "1") + "a";
        Result r = RunBrenvale(fresh, keys, {}, clock);
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        for (std::size_t drill = 0; drill < 3; ++drill) {
            auto passes = PassesOf(r.log, drill);
            ASSERT_EQ(passes.size(), std::size_t(kInstancesPerRun));
            for (int k = 0; k < kInstancesPerRun; ++k) {
                SCOPED_TRACE("drill " + std::to_string(drill + 1) + ", pass " +
                             std::to_string(k + 1));
                auto part = UpToStepPrompt(passes[k]);
                if (drill < 2) {
                    CheckBracketInstance(part, drill == 1, tally);
                } else {
                    CheckFractionInstance(part, tally);
                }
            }
        }
        CheckNothingOutsideTheWindow(r.log);
        for (const auto& line : r.log) EXPECT_EQ(line.find("±"), std::string::npos) << line;
        surface::Surface::Shutdown();
    }
    EXPECT_EQ(tally.instances, 3 * kRunsPerShard * kInstancesPerRun);
    // The left column stays clear of drill ③'s erase at x 600.
    EXPECT_LT(tally.widest, 600);
    const std::set<int> letters = {'a', 'b', 'x', 'y'};
    for (const char* key : {"1letter", "2letter", "3letter"}) EXPECT_EQ(tally.seen[key], letters);
    EXPECT_EQ(tally.seen["n"], (std::set<int>{2, 3, 5, 7}));
    EXPECT_EQ(tally.seen["d"], (std::set<int>{2, 3, 5, 7}));
    EXPECT_EQ(tally.seen["c"], (std::set<int>{1, 2, 3, 5, 7}));
    EXPECT_EQ(tally.seen["e"], (std::set<int>{1, 2, 3, 5, 7}));
    for (int b = 1; b <= 9; ++b) {
        EXPECT_TRUE(tally.seen["1b"].count(b)) << b;
        EXPECT_TRUE(tally.seen["2b"].count(b)) << b;
    }
    EXPECT_TRUE(tally.seen["1a"].count(-1));
}

INSTANTIATE_TEST_SUITE_P(Shards, ManyDistributionsTest, ::testing::Range(0, kShards));

}  // namespace
