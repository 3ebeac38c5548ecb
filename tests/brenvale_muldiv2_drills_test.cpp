// Chapter 4 of Brenvale, items ⑦, ⑨ and ⑩: the random drills on dividing a
// binomial by a number or a fraction, a fraction of a binomial times a
// number, and the sum of two bracketed products, with the answers that
// follow them. Chosen draws give the worked instances; runs over many
// clocks read every instance back from the log and check it against the
// algebra.
#include <algorithm>
#include <map>
#include <random>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "tests/brenvale_muldiv2_test_support.h"

namespace {

using namespace muldiv2_testing;
using replay::Result;

const std::string kItemClear = "PsLINE 0 0 1320 1300 15 2 15 pen=3";
// The clears of one instance's area: the left drills' and the right one's.
const std::string kLeftPass = "PsLINE 0 90 2000 1890 15 2 15 pen=3";
const std::string kRightPass = "PsLINE 680 90 2680 1890 15 2 15 pen=3";
// Every draw at the top of the generator's range.
constexpr double kTop = 0.99999994;

std::string Item(int n) { return "4{enter}" + std::to_string(n) + "{enter}"; }

// `passes` instances of a drill, each after `waits` keys; every answer at
// the step prompt but the last is a value other than 1.
std::string Passes(int passes, int waits) {
    static const char* const kOthers[] = {"0{enter}", "2{enter}", "{enter}", "1/2{enter}",
                                          "-1{enter}"};
    std::string out;
    for (int i = 0; i < passes; ++i)
        out += std::string(std::size_t(waits), 'a') + (i + 1 < passes ? kOthers[i % 5] : "1{enter}");
    return out;
}

std::string Utf8(const std::vector<std::string>& parts) {
    std::string s;
    for (const auto& p : parts) s += p;
    return s;
}

std::string N(int v) { return std::to_string(v); }

// A letter's coefficient as the lessons write it: 1 as nothing, −1 as "-".
std::string Coefficient(int v) { return v == 1 ? "" : v == -1 ? "-" : N(v); }
int CoefficientValue(const std::string& text) {
    return text.empty() ? 1 : text == "-" ? -1 : std::stoi(text);
}
std::string Signed(int v) { return (v > 0 ? "+" : "") + N(v); }

// Clocks that give the runs different seeds, the same on every test run.
std::vector<std::string> Clocks(int count, unsigned seed) {
    std::mt19937 gen(seed);
    std::vector<std::string> out;
    std::set<int> sums;
    while (int(out.size()) < count) {
        int h = int(gen() % 24), m = int(gen() % 60), s = int(gen() % 60);
        if (!sums.insert(h + m + s).second) continue;
        char buf[9];
        std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", h, m, s);
        out.push_back(buf);
    }
    return out;
}

bool IsPrime2357(int v) { return v == 2 || v == 3 || v == 5 || v == 7; }

class MulDivDrillTest : public ::testing::Test {
protected:
    void TearDown() override { surface::Surface::Shutdown(); }
    Result Run(const std::string& keys, std::vector<double> random = {},
               const std::string& clock = "09:00:00") {
        brenvale::Brenvale program;
        return RunBrenvale(program, keys, std::move(random), clock);
    }
};

// ---- item ⑦ ----

struct Example4Case {
    const char* name;
    std::vector<double> random;                // six draws, then five
    std::vector<std::string> by_number;        // problem, working, result
    std::vector<std::string> by_fraction;      // problem, three workings, result
};

const Example4Case kExample4Cases[] = {
    {"textbook instances one",
     {0.3, 0.1, 0.1, 0.2, 0.2, 0.2, 0.6, 0.5, 0.1, 0.1, 0.1},
     {"①  (-6a+15)/3", "=ﾀ-6a/3ﾀ+ﾀ15/3ﾀ", "=-2a+5"},
     {"②  (-6x+21)/ﾀ3/5ﾀ", "=(-6x+21)*ﾀ5/3ﾀ", "=-6x*ﾀ5/3ﾀ+21*ﾀ5/3ﾀ", "=-2x*5+7*5", "=-10x+35"}},
    {"textbook instances two; c = 1 on the right",
     {0.6, 0.9, 0.5, 0.7, 0.7, 0.7, 0.1, 0.9, 0.1, 0.9, 0.9},
     {"①  (5x-15)/5", "=ﾀ5x/5ﾀ+ﾀ-15/5ﾀ", "=x-3"},
     {"②  (-21a+7)/ﾀ7/2ﾀ", "=(-21a+7)*ﾀ2/7ﾀ", "=-21a*ﾀ2/7ﾀ+7*ﾀ2/7ﾀ", "=-3a*2+1*2", "=-6a+2"}},
    {"b = -1 in both",
     {0.1, 0.9, 0.1, 0.1, 0.1, 0.1, 0.6, 0.5, 0.9, 0.9, 0.1},
     {"①  (-2a+6)/2", "=ﾀ-2a/2ﾀ+ﾀ6/2ﾀ", "=-a+3"},
     {"②  (-3x+21)/ﾀ3/5ﾀ", "=(-3x+21)*ﾀ5/3ﾀ", "=-3x*ﾀ5/3ﾀ+21*ﾀ5/3ﾀ", "=-x*5+7*5", "=-5x+35"}},
    {"every draw at the top",
     std::vector<double>(11, kTop),
     {"①  (7x-35)/7", "=ﾀ7x/7ﾀ+ﾀ-35/7ﾀ", "=x-5"},
     {"②  (-5a+15)/ﾀ5/7ﾀ", "=(-5a+15)*ﾀ7/5ﾀ", "=-5a*ﾀ7/5ﾀ+15*ﾀ7/5ﾀ", "=-a*7+3*7", "=-7a+21"}},
};

TEST_F(MulDivDrillTest, Example4ShowsBothDrillsRowByRow) {
    for (const auto& c : kExample4Cases) {
        SCOPED_TRACE(c.name);
        Result r = Run(Item(7) + Passes(1, 2) + "a" + Passes(1, 4) + "a", c.random);
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        std::size_t from = IndicesOf(r.log, kItemClear).at(0);
        std::vector<Row> rows = {
            {3, 40, 30, "例4　次の計算をしなさい。"},
            {0, 40, 90, c.by_number[0]},
            {0, 100, 170, c.by_number[1]},
            {5, 100, 250, c.by_number[2]},
            {3, 40, 330, "分配法則で（　）をはずし、約分する。"},
            {0, 680, 110, c.by_fraction[0]},
            {0, 740, 190, c.by_fraction[1]},
            {0, 740, 270, c.by_fraction[2]},
            {0, 740, 350, c.by_fraction[3]},
            {5, 740, 405, c.by_fraction[4]},
            {3, 680, 465, "逆数をかける。"},
            {7, 680, 515, "教科書P75 問4　をやろう。"},
        };
        auto at = ExpectScreen(r.log, from, rows, {2, 3, 5, 6, 7, 8, 9, 11});
        std::size_t end = NextItemLine(r.log, from);
        // A step prompt after each instance, before its remark.
        auto steps = IndicesOf(r.log, kStepBox, from, end);
        ASSERT_EQ(steps.size(), 2u);
        EXPECT_GT(steps[0], at[3]);
        EXPECT_LT(steps[0], at[4]);
        EXPECT_GT(steps[1], at[9]);
        EXPECT_LT(steps[1], at[10]);
    }
}

TEST_F(MulDivDrillTest, Example4NewPassesEraseOnlyTheirOwnArea) {
    Result r = Run(Item(7) + Passes(3, 2) + "a" + Passes(2, 4) + "a");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    std::size_t from = IndicesOf(r.log, kItemClear).at(0);
    std::size_t end = NextItemLine(r.log, from);
    // Every clear of the lesson area in the item, in order.
    std::vector<std::string> clears;
    for (std::size_t i = from; i < end; ++i) {
        if (!StartsWith(r.log[i], "PsLINE ") || r.log[i].find(" 15 2 15 ") == std::string::npos)
            continue;
        if (Numbers(r.log[i])[1] < 600) clears.push_back(r.log[i]);
    }
    EXPECT_EQ(clears, (std::vector<std::string>{kItemClear, kLeftPass, kLeftPass, kLeftPass,
                                                kRightPass, kRightPass}));
    // The first drill's last instance and its remark stay left of the
    // second drill's area.
    auto glyphs = GlyphsIn(std::vector<std::string>(r.log.begin() + from, r.log.begin() + end));
    Line remark = LineAt(glyphs, 40, 330);
    EXPECT_EQ(remark.text, "分配法則で（　）をはずし、約分する。");
    EXPECT_LT(remark.end_x, 680);
}

// The instances of the first drill in a run, read back from the log.
struct ByNumber {
    int n, b, c;
    std::string letter;
};

TEST_F(MulDivDrillTest, Example4RandomInstancesHoldTheAlgebra) {
    const int kRuns = 4, kPasses = 130;
    std::set<int> divisors;
    std::set<std::pair<int, int>> fraction_pairs;
    std::map<int, int> unit_b, unit_c;
    std::set<std::string> letters1, letters2;
    int checked1 = 0, checked2 = 0;
    for (const auto& clock : Clocks(kRuns, 7)) {
        SCOPED_TRACE("clock " + clock);
        Result r = Run(Item(7) + Passes(kPasses, 2) + "a" + Passes(kPasses, 4) + "a", {}, clock);
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        EXPECT_TRUE(OutsideWindow(r.log).empty());
        std::vector<Row> fraction_rows;

        // Drill 1: (n·b L + n·c) ÷ n = b L + c.
        static const std::regex problem1(R"(^\((-?\d+)([ax])([+-]\d+)\)÷(\d+)$)");
        static const std::regex result1(R"(^=(-?\d*)([ax])([+-]\d+)$)");
        auto passes1 = SplitAt(r.log, kLeftPass);
        ASSERT_EQ(passes1.size(), std::size_t(kPasses));
        for (const auto& pass : passes1) {
            auto glyphs = GlyphsIn(pass);
            Line problem = LineAt(glyphs, 128, 90), result = LineAt(glyphs, 100, 250);
            std::smatch p, q;
            ASSERT_TRUE(std::regex_match(problem.text, p, problem1)) << problem.text;
            ASSERT_TRUE(std::regex_match(result.text, q, result1)) << result.text;
            EXPECT_EQ(result.colour, 5);
            int nb = std::stoi(p[1]), nc = std::stoi(p[3]), n = std::stoi(p[4]);
            int b = CoefficientValue(q[1]), c = std::stoi(q[3]);
            SCOPED_TRACE(problem.text + " " + result.text);
            EXPECT_TRUE(IsPrime2357(n));
            EXPECT_TRUE(IsPrime2357(std::abs(b)) || std::abs(b) == 1);
            EXPECT_TRUE(IsPrime2357(std::abs(c)) || std::abs(c) == 1);
            EXPECT_EQ((std::set<int>{n, std::abs(b), std::abs(c)}).size(), 3u);
            EXPECT_EQ(nb, n * b);
            EXPECT_EQ(nc, n * c);
            EXPECT_EQ(p[2], q[2]);
            EXPECT_EQ(q[1], Coefficient(b));
            divisors.insert(n);
            if (std::abs(b) == 1) ++unit_b[b];
            if (std::abs(c) == 1) ++unit_c[c];
            letters1.insert(p[2]);
            // The working row keeps the numerator's own sign after its "+".
            fraction_rows.push_back({0, 100, 170,
                                     Utf8({"=ﾀ", N(nb), p[2], "/", N(n), "ﾀ+ﾀ", N(nc), "/", N(n), "ﾀ"})});
            ++checked1;
        }

        // Drill 2: (d·b L + d·c) ÷ d/n = n·b L + n·c.
        static const std::regex problem2(R"(^\((-\d+)([xa])\+(\d+)\)÷$)");
        static const std::regex working2(R"(^=(-\d*)([xa])×(\d)\+(\d)×(\d)$)");
        static const std::regex result2(R"(^=(-\d+)([xa])\+(\d+)$)");
        auto passes2 = SplitAt(r.log, kRightPass);
        ASSERT_EQ(passes2.size(), std::size_t(kPasses));
        for (const auto& pass : passes2) {
            auto glyphs = GlyphsIn(pass);
            Line problem = LineAt(glyphs, 768, 110), working = LineAt(glyphs, 740, 350),
                 result = LineAt(glyphs, 740, 405);
            std::smatch p, w, q;
            ASSERT_TRUE(std::regex_match(problem.text, p, problem2)) << problem.text;
            ASSERT_TRUE(std::regex_match(working.text, w, working2)) << working.text;
            ASSERT_TRUE(std::regex_match(result.text, q, result2)) << result.text;
            EXPECT_EQ(result.colour, 5);
            SCOPED_TRACE(problem.text + " " + working.text + " " + result.text);
            int db = std::stoi(p[1]), dc = std::stoi(p[3]);
            int b = CoefficientValue(w[1]), n = std::stoi(w[3]), c = std::stoi(w[4]);
            EXPECT_EQ(w[5], w[3]);
            ASSERT_NE(b, 0);
            int d = db / b;
            EXPECT_EQ(db, d * b);
            EXPECT_EQ(dc, d * c);
            EXPECT_TRUE(IsPrime2357(n));
            EXPECT_TRUE(IsPrime2357(d));
            EXPECT_LT(b, 0);
            EXPECT_GT(c, 0);
            EXPECT_EQ((std::set<int>{n, d, -b, c}).size(), 4u);
            EXPECT_TRUE(IsPrime2357(-b) || b == -1);
            EXPECT_TRUE(IsPrime2357(c) || c == 1);
            EXPECT_EQ(w[1], Coefficient(b));
            EXPECT_EQ(std::stoi(q[1]), n * b);
            EXPECT_EQ(std::stoi(q[3]), n * c);
            EXPECT_EQ(p[2], w[2]);
            EXPECT_EQ(p[2], q[2]);
            fraction_pairs.insert({n, d});
            letters2.insert(p[2]);
            const std::string L = p[2], bracket = N(db) + L + "+" + N(dc);
            const std::string divisor = Utf8({"ﾀ", N(d), "/", N(n), "ﾀ"});
            const std::string reciprocal = Utf8({"ﾀ", N(n), "/", N(d), "ﾀ"});
            fraction_rows.push_back({0, 680, 110, "②  (" + bracket + ")/" + divisor});
            fraction_rows.push_back({0, 740, 190, "=(" + bracket + ")*" + reciprocal});
            fraction_rows.push_back(
                {0, 740, 270, "=" + N(db) + L + "*" + reciprocal + "+" + N(dc) + "*" + reciprocal});
            ++checked2;
        }
        // The rows with fractions, as the printer draws them, in order.
        FindRows(r.log, fraction_rows);
    }
    EXPECT_GE(checked1, 500);
    EXPECT_GE(checked2, 500);
    EXPECT_EQ(divisors, (std::set<int>{2, 3, 5, 7}));
    EXPECT_EQ(fraction_pairs.size(), 12u);
    EXPECT_EQ(unit_b.size(), 2u);
    EXPECT_EQ(unit_c.size(), 2u);
    EXPECT_EQ(letters1, (std::set<std::string>{"a", "x"}));
    EXPECT_EQ(letters2, (std::set<std::string>{"a", "x"}));
}

// ---- item ⑨ ----

const std::vector<Row> kExample5Closing = {
    {3, 40, 340, "①約分できるときは約分する。"},
    {3, 40, 390, "②( )をつけて、分配法則を使う。"},
    {7, 40, 440, "教科書P75 問5 をやろう。"},
    {3, 40, 500, "(1)"},
    {0, 127, 500, "ﾀ2x+3/4ﾀ*8"},
    {0, 100, 560, "=(2x+3)*2"},
    {0, 654, 30, "=2x*2+3*2"},
    {5, 654, 80, "=4x+6"},
    {3, 600, 140, "(2)"},
    {0, 681, 140, "15*ﾀ3x-10/5ﾀ"},
    {0, 654, 200, "=3(3x-10)"},
    {0, 654, 250, "=3*3x+3*(-10)"},
    {5, 654, 300, "=9x-30"},
    {3, 600, 360, "(3)"},
    {0, 681, 360, "ﾀ-3x-5/8ﾀ*(-6)"},
    {0, 654, 430, "=ﾀ(-3x-5)*(-3)/4ﾀ"},
    {0, 654, 500, "=ﾀ-3x*(-3)-5*(-3)/4ﾀ"},
    {5, 654, 570, "=ﾀ9x+15/4ﾀ"},
};

struct Example5Case {
    const char* name;
    std::vector<double> random;
    std::vector<std::string> lines;
};

const Example5Case kExample5Cases[] = {
    {"K 3, N 5, C 2, D -7, x", {0.3, 0.5, 0.1, 0.1, 0.1},
     {"ﾀ2x-7/5ﾀ*15", "=(2x-7)*3", "=2x*3-7*3", "=6x-21"}},
    // In single precision floor(4r + 1) would be 5 here, and K would be 11.
    {"every draw at the top", std::vector<double>(5, kTop),
     {"ﾀ11b-3/5ﾀ*35", "=(11b-3)*7", "=11b*7-3*7", "=77b-21"}},
};

TEST_F(MulDivDrillTest, Example5ShowsItsInstanceThenTheRulesAndAnswers) {
    for (const auto& c : kExample5Cases) {
        SCOPED_TRACE(c.name);
        Result r = Run(Item(9) + Passes(1, 3) + "aaaa", c.random);
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        std::size_t from = IndicesOf(r.log, kItemClear).at(0);
        std::vector<Row> rows = {
            {3, 40, 30, "例5　次の計算をしなさい。"},
            {0, 127, 110, c.lines[0]},
            {0, 100, 180, c.lines[1]},
            {0, 100, 230, c.lines[2]},
            {5, 100, 280, c.lines[3]},
        };
        rows.insert(rows.end(), kExample5Closing.begin(), kExample5Closing.end());
        ExpectScreen(r.log, from, rows, {2, 3, 4, 7, 8, 13, 18});
        EXPECT_EQ(IndicesOf(r.log, kLeftPass, from).size(), 1u);
    }
}

TEST_F(MulDivDrillTest, Example5RandomInstancesHoldTheAlgebra) {
    const int kRuns = 4, kPasses = 130;
    int checked = 0;
    std::set<int> ks, ns;
    std::map<int, int> elevens;  // 1: as C, -1: as D
    std::set<std::string> letters;
    static const std::regex line2(R"(^=\((\d+)([xyab])(-\d+)\)×(\d)$)");
    static const std::regex line3(R"(^=(\d+)([xyab])×(\d)(-\d+)×(\d)$)");
    static const std::regex line4(R"(^=(\d+)([xyab])(-\d+)$)");
    static const std::regex tail1(R"(^×(\d+)$)");
    for (const auto& clock : Clocks(kRuns, 9)) {
        SCOPED_TRACE("clock " + clock);
        Result r = Run(Item(9) + Passes(kPasses, 3) + "aaaa", {}, clock);
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        EXPECT_TRUE(OutsideWindow(r.log).empty());
        auto passes = SplitAt(r.log, kLeftPass);
        ASSERT_EQ(passes.size(), std::size_t(kPasses));
        std::vector<Row> first_lines;
        for (const auto& pass : passes) {
            auto glyphs = GlyphsIn(pass);
            Line l2 = LineAt(glyphs, 100, 180), l3 = LineAt(glyphs, 100, 230),
                 l4 = LineAt(glyphs, 100, 280);
            // The factor after the fraction of line 1: its "×" and digits.
            auto times = std::find_if(glyphs.begin(), glyphs.end(), [](const Glyph& g) {
                return g.y == 110 && g.ch == "×";
            });
            ASSERT_NE(times, glyphs.end());
            Line l1 = LineAt(glyphs, times->x, 110);
            std::smatch m1, m2, m3, m4;
            ASSERT_TRUE(std::regex_match(l1.text, m1, tail1)) << l1.text;
            ASSERT_TRUE(std::regex_match(l2.text, m2, line2)) << l2.text;
            ASSERT_TRUE(std::regex_match(l3.text, m3, line3)) << l3.text;
            ASSERT_TRUE(std::regex_match(l4.text, m4, line4)) << l4.text;
            EXPECT_EQ(l4.colour, 5);
            SCOPED_TRACE(l1.text + " " + l2.text + " " + l3.text + " " + l4.text);
            int C = std::stoi(m2[1]), D = std::stoi(m2[3]), K = std::stoi(m2[4]);
            int KN = std::stoi(m1[1]);
            ASSERT_EQ(KN % K, 0);
            int Nd = KN / K;
            EXPECT_TRUE(IsPrime2357(K));
            EXPECT_TRUE(IsPrime2357(Nd));
            EXPECT_TRUE(IsPrime2357(C) || C == 11);
            EXPECT_TRUE(IsPrime2357(-D) || D == -11);
            EXPECT_EQ((std::set<int>{K, Nd, C, -D}).size(), 4u);
            EXPECT_EQ(std::stoi(m3[1]), C);
            EXPECT_EQ(std::stoi(m3[3]), K);
            EXPECT_EQ(std::stoi(m3[4]), D);
            EXPECT_EQ(std::stoi(m3[5]), K);
            EXPECT_EQ(std::stoi(m4[1]), K * C);
            EXPECT_EQ(std::stoi(m4[3]), K * D);
            EXPECT_EQ(m2[2], m3[2]);
            EXPECT_EQ(m2[2], m4[2]);
            ks.insert(K);
            ns.insert(Nd);
            if (C == 11) ++elevens[1];
            if (D == -11) ++elevens[-1];
            letters.insert(m2[2]);
            first_lines.push_back(
                {0, 127, 110, Utf8({"ﾀ", N(C), m2[2], N(D), "/", N(Nd), "ﾀ*", N(KN)})});
            ++checked;
        }
        FindRows(r.log, first_lines);
    }
    EXPECT_GE(checked, 500);
    EXPECT_EQ(ks, (std::set<int>{2, 3, 5, 7}));
    EXPECT_EQ(ns, (std::set<int>{2, 3, 5, 7}));
    EXPECT_EQ(elevens.size(), 2u);
    EXPECT_EQ(letters, (std::set<std::string>{"x", "y", "a", "b"}));
}

// ---- item ⑩ ----

const std::vector<Row> kExampleProblem1Answers = {
    {3, 40, 310, "①分配法則で( )をはずす。"},
    {3, 40, 360, "②文字の同じ部分をまとめる。"},
    {7, 40, 410, "教科書P76 問6 をやろう。"},
    {3, 40, 470, "(1)"},
    {0, 127, 470, "8(x-2)+4(2x+6)"},
    {0, 100, 520, "=8x-16+8x+24"},
    {0, 100, 570, "=8x+8x-16+24"},
    {5, kPen, 570, "=16x+8"},
    {3, 640, 30, "(2)"},
    {0, 721, 30, "6(a+5)+3(a-10)"},
    {0, 694, 80, "=6a+30+3a-30"},
    {0, 694, 130, "=6a+3a+30-30"},
    {5, 694, 180, "=9a"},
    {3, 640, 240, "(3)"},
    {0, 721, 240, "5(x-3)-(x+1)"},
    {0, 694, 290, "=5x-15-x-1"},
    {0, 694, 340, "=5x-x-15-1"},
    {5, 694, 390, "=4x-16"},
    {3, 640, 450, "(4)"},
    {0, 721, 450, "7(x-1)-9(x-2)"},
    {0, 694, 500, "=7x-7-9x+18"},
    {0, 694, 550, "=7x-9x-7+18"},
    {5, 694, 600, "=-2x+11"},
    {3, 40, 90, "(5)"},
    {0, 121, 90, "3(-4a-1)-2(3-6a)"},
    {0, 94, 140, "=-12a-3-6+12a"},
    {0, 94, 190, "=-12a+12a-3-6"},
    {5, 94, 240, "=-9"},
    {3, 40, 320, "(6)"},
    {0, 121, 320, "ﾀ1/2ﾀ(2x-4)-3(x+1)"},
    {0, 94, 400, "=ﾀ1/2ﾀ*2x+ﾀ1/2ﾀ*(-4)-3x-3"},
    {0, 94, 460, "=x-2-3x-3"},
    {0, 94, 510, "=x-3x-2-3"},
    {5, 94, 560, "=-2x-5"},
};

struct ExampleProblem1Case {
    const char* name;
    std::vector<double> random;
    std::vector<std::string> lines;
};

const ExampleProblem1Case kExampleProblem1Cases[] = {
    {"a 3, b 5, c -4, d -4, e -7, f 2, x", {0.35, 0.35, 0.6, 0.15, 0.5, 0.5, 0.1},
     {"3(5x-4)-4(-7x+2)", "=15x-12+28x-8", "=15x+28x-12-8", "=43x-20"}},
    {"every draw at the top", std::vector<double>(7, kTop),
     {"4(10b-9)-5(-10b+9)", "=40b-36+50b-45", "=40b+50b-36-45", "=90b-81"}},
};

TEST_F(MulDivDrillTest, ExampleProblem1ShowsItsInstanceThenTheRulesAndAnswers) {
    for (const auto& c : kExampleProblem1Cases) {
        SCOPED_TRACE(c.name);
        Result r = Run(Item(10) + Passes(1, 3) + "aaaaaaa", c.random);
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        std::size_t from = IndicesOf(r.log, kItemClear).at(0);
        std::vector<Row> rows = {
            {3, 40, 30, "例題1　次の計算をしなさい。"},
            {0, 127, 100, c.lines[0]},
            {0, 100, 150, c.lines[1]},
            {0, 100, 200, c.lines[2]},
            {5, 100, 250, c.lines[3]},
        };
        rows.insert(rows.end(), kExampleProblem1Answers.begin(), kExampleProblem1Answers.end());
        auto at = ExpectScreen(r.log, from, rows, {2, 3, 4, 7, 8, 13, 18, 23, 28, 33});
        // The left column, heading and all, goes before part (5).
        auto left = IndicesOf(r.log, "PsLINE 0 0 600 1300 15 2 15 pen=3", from);
        ASSERT_EQ(left.size(), 1u);
        EXPECT_GT(left[0], at[27]);
        EXPECT_LT(left[0], at[28]);
    }
}

TEST_F(MulDivDrillTest, ExampleProblem1RandomInstancesHoldTheAlgebra) {
    const int kRuns = 4, kPasses = 130;
    int checked = 0;
    std::set<std::string> letters;
    static const std::regex problem(
        R"(^(\d)\((\d+)([xyab])(-\d)\)(-\d)\((-\d+)([xyab])\+(\d)\)$)");
    static const std::regex spread(R"(^=(\d+)([xyab])(-\d+)\+(\d+)([xyab])(-\d+)$)");
    static const std::regex gathered(R"(^=(\d+)([xyab])\+(\d+)([xyab])(-\d+)(-\d+)$)");
    static const std::regex result(R"(^=(\d+)([xyab])(-\d+)$)");
    for (const auto& clock : Clocks(kRuns, 10)) {
        SCOPED_TRACE("clock " + clock);
        Result r = Run(Item(10) + Passes(kPasses, 3) + "aaaaaaa", {}, clock);
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        EXPECT_TRUE(OutsideWindow(r.log).empty());
        auto passes = SplitAt(r.log, kLeftPass);
        ASSERT_EQ(passes.size(), std::size_t(kPasses));
        for (const auto& pass : passes) {
            auto glyphs = GlyphsIn(pass);
            Line l1 = LineAt(glyphs, 127, 100), l2 = LineAt(glyphs, 100, 150),
                 l3 = LineAt(glyphs, 100, 200), l4 = LineAt(glyphs, 100, 250);
            std::smatch m1, m2, m3, m4;
            ASSERT_TRUE(std::regex_match(l1.text, m1, problem)) << l1.text;
            ASSERT_TRUE(std::regex_match(l2.text, m2, spread)) << l2.text;
            ASSERT_TRUE(std::regex_match(l3.text, m3, gathered)) << l3.text;
            ASSERT_TRUE(std::regex_match(l4.text, m4, result)) << l4.text;
            EXPECT_EQ(l4.colour, 5);
            SCOPED_TRACE(l1.text + " " + l2.text + " " + l3.text + " " + l4.text);
            int a = std::stoi(m1[1]), b = std::stoi(m1[2]), c = std::stoi(m1[4]);
            int d = std::stoi(m1[5]), e = std::stoi(m1[6]), f = std::stoi(m1[8]);
            EXPECT_TRUE(a >= 2 && a <= 4) << a;
            EXPECT_TRUE(b >= 2 && b <= 10) << b;
            EXPECT_TRUE(c >= -9 && c <= -1) << c;
            EXPECT_TRUE(d >= -5 && d <= -3) << d;
            EXPECT_TRUE(e >= -10 && e <= -2) << e;
            EXPECT_TRUE(f >= 1 && f <= 9) << f;
            const std::string L = m1[3];
            EXPECT_EQ(m1[7], L);
            EXPECT_EQ(l2.text, "=" + N(a * b) + L + N(a * c) + Signed(d * e) + L + N(d * f));
            EXPECT_EQ(l3.text, "=" + N(a * b) + L + Signed(d * e) + L + N(a * c) + N(d * f));
            EXPECT_EQ(l4.text, "=" + N(a * b + d * e) + L + N(a * c + d * f));
            letters.insert(L);
            ++checked;
        }
    }
    EXPECT_GE(checked, 500);
    EXPECT_EQ(letters, (std::set<std::string>{"x", "y", "a", "b"}));
}

}  // namespace
