// Morquist chapter 4, the random drills 例1, 例2, 例3, 例5 and 例6: the
// textbook's rows chosen through the random draws, the top of every range,
// and many passes over several clocks whose every instance is read back from
// the log and checked against the substitution's arithmetic.
#include <cstdlib>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "tests/morquist_value_test_support.h"

namespace {

using namespace value_testing;
using replay::Result;

// The largest random number below 1 in single precision.
constexpr double kTop = 0.99999994;

// How a number stands after "×" or "÷", and as a term after another.
std::string Bracketed(int v) { return v < 0 ? "(" + Num(v) + ")" : Num(v); }
std::string Signed(int v) { return v > 0 ? "+" + Num(v) : Num(v); }

// A pass's keys: `waits` any keys, then the step number.
std::string Pass(int waits, const char* step) {
    return std::string(waits, 'a') + step + "{enter}";
}
// `count` passes, all but the last answered 2.
std::string Passes(int waits, int count) {
    return Repeat(Pass(waits, "2"), count - 1) + Pass(waits, "1");
}

// The log of each pass: from each line that erases the drill's region to
// the next one (the last to the end).
std::vector<std::vector<std::string>> PassesIn(const std::vector<std::string>& log,
                                               const std::string& erase,
                                               std::size_t from = 0,
                                               std::size_t to = std::string::npos) {
    std::vector<std::vector<std::string>> out;
    for (std::size_t i = from; i < std::min(to, log.size()); ++i) {
        if (StartsWith(log[i], erase)) {
            out.emplace_back();
        } else if (!out.empty()) {
            out.back().push_back(log[i]);
        }
    }
    // A drill that clears the whole screen on entry and on every pass.
    std::erase_if(out, [](const std::vector<std::string>& p) { return TextsIn(p).empty(); });
    return out;
}

// ---- what each drill shows for its values ----

std::vector<Want> Example1Lines(bool second, int x) {
    const int term = -4 * x, value = 6 + term;
    if (!second) {
        return {{40, 30, 7, "例1-1x=" + Num(x) + "のとき、"},
                {148, 80, 0, "6-4xの値を求めなさい。"},
                {40, 130, 5, "＜解答＞"},
                {121, 180, 3, "x=" + Num(x) + "を代入して"},
                {67, 230, 0, "6-4x=6-4×" + Bracketed(x)},
                // Under the first "=": 67 plus four glyphs of 27.
                {175, 280, 0, "=6" + Signed(term) + "=" + Num(value)}};
    }
    return {{680, 30, 7, "例1-2x=" + Num(x) + "のときは？"},
            {680, 80, 5, "＜解答＞"},
            {761, 130, 3, "x=" + Num(x) + "を代入して"},
            {707, 180, 0, "6-4x=6-4×" + Bracketed(x)},
            {815, 230, 0, "=6" + Signed(term) + "=" + Num(value)}};
}

std::vector<Want> Example2Lines(int x) {
    return {{40, 30, 7, "例2 x=" + Num(x) + "のとき、"},
            {94, 80, 0, "-xの値を求めなさい。"},
            {94, 130, 5, "＜解答＞"},
            {121, 180, 0, "-x"},
            {94, 230, 0, "=(-1)×x"},
            {121, 280, 3, "x=" + Num(x) + "を代入して"},
            {94, 330, 0, "=(-1)×" + Bracketed(x) + "=" + Num(-x)}};
}

// The plain lines of 例3; its fractions are compared with reference drawings.
std::vector<Want> Example3Lines(int x, int k) {
    const int a = x * k;
    return {{40, 30, 7, "例3 x=" + Num(x) + "のとき、"},
            {94, 160, 5, "＜解答＞"},
            {94, 290, 0, "=" + Num(a) + "÷x"},
            {121, 340, 3, "x=" + Num(x) + "を代入して"},
            {94, 410, 0, "=" + Num(a) + "÷" + Bracketed(x) + "=" + Num(k)}};
}
struct Fraction {
    int colour;
    double x, y;
    std::string text;  // UTF-8 markup
};
std::vector<Fraction> Example3Fractions(int x, int k) {
    const int a = x * k;
    std::string question = (a < 0 ? "-ﾀ" : "ﾀ") + Num(std::abs(a)) + "/xﾀ";
    return {{0, 94, 100, question + "の値を求めなさい。"},
            {0, 121, 230, question},
            {3, 94, 480, "ﾀ" + Num(a) + "/" + Num(x) + "ﾀ=" + Num(k)}};
}

// 例5 (3x+2y) when `six` is false, 例6 (-5a-6b) when true.
std::vector<Want> TwoLetterLines(bool six, int p, int q) {
    const int first = six ? -5 * p : 3 * p, second = six ? -6 * q : 2 * q;
    const std::string l1 = six ? "a" : "x", l2 = six ? "b" : "y";
    const std::string expr = six ? "-5a-6b" : "3x+2y";
    const std::string given = l1 + "=" + Num(p) + "," + l2 + "=" + Num(q);
    const std::string substituted =
        six ? "=-5×" + Bracketed(p) + "-6×" + Bracketed(q) : "=3×" + Bracketed(p) + "+2×" + Bracketed(q);
    // The "=" column: 67 plus the expression's glyphs of 27.
    const double column = 67 + 27 * static_cast<double>(expr.size());
    return {{40, 30, 3, std::string(six ? "例6 " : "例5 ") + given + "のとき、"},
            {112, 80, 0, expr + "　の値を求めなさい。"},
            {40, 130, 7, "＜解答＞"},
            {67, 180, 3, given + "を代入して"},
            {67, 230, 0, expr + substituted},
            {column, 280, 0, "=" + Num(first) + Signed(second)},
            {column, 330, 5, "=" + Num(first + second)}};
}

// The whole number after `head` in the line at (x, y), as drawn.
int NumberAfter(const std::vector<Glyph>& glyphs, double x, double y, const std::string& head) {
    std::string text = LineAt(glyphs, x, y).text;
    auto at = text.find(head);
    EXPECT_NE(at, std::string::npos) << text;
    return at == std::string::npos ? 0 : std::atoi(text.c_str() + at + head.size());
}

// No sign stands doubled on any line, and every text lies on the lesson
// screen.
void ExpectTidy(const std::vector<Glyph>& glyphs) {
    std::map<double, std::map<double, std::string>> rows;  // y -> x -> glyph
    for (const auto& g : glyphs) {
        EXPECT_GE(g.x, 0);
        EXPECT_LE(g.x + g.advance, 1440) << g.ch;
        EXPECT_LE(g.y, 600) << g.ch;
        rows[g.y][g.x] = g.ch;
    }
    for (const auto& [y, row] : rows) {
        std::string t;
        for (const auto& [x, ch] : row) t += ch;
        for (const char* bad : {"+-", "--", "-+", "×-", "÷-", "×+", "÷+"})
            EXPECT_EQ(t.find(bad), std::string::npos) << t;
    }
}

class MorquistValueDrillTest : public ::testing::Test {
protected:
    void TearDown() override { surface::Surface::Shutdown(); }
    morquist::Morquist program;
};

const std::string kLeftHalf = "PsLINE 0 0 1320 1300 15 2 15 ";
const std::string kRightPart = "PsLINE 680 0 2000 1300 15 2 15 ";
const std::string kWhole = "PsLINE 0 0 1760 1300 15 2 15 ";

// ---- 例1 ----

TEST_F(MorquistValueDrillTest, Example1ShowsTheTextbooksRows) {
    // x = 7, 1, 10 on the left, then -7, -1, -10 on the right.
    const std::vector<double> rnd = {0.6, 0.0, kTop, 0.6, 0.0, 0.95};
    Result r = RunMorquist(program,
                           ValueItem(2) + Pass(6, "2") + Pass(6, "0") + Pass(6, "1") + "a" +
                               Pass(6, "2") + Pass(6, "2") + Pass(6, "2/2"),
                           rnd);
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    auto left = PassesIn(r.log, kLeftHalf);
    auto right = PassesIn(r.log, kRightPart);
    ASSERT_EQ(left.size(), 3u);
    ASSERT_EQ(right.size(), 3u);
    const int xs[] = {7, 1, 10};
    const char* results[] = {"=6-28=-22", "=6-4=2", "=6-40=-34"};
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(xs[k]);
        ExpectLines(left[k], Example1Lines(false, xs[k]));
        EXPECT_EQ(LineAt(GlyphsIn(left[k]), 175, 280).text, results[k]);
    }
    const int negative[] = {-7, -1, -10};
    const char* right_results[] = {"=6+28=34", "=6+4=10", "=6+40=46"};
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(negative[k]);
        ExpectLines(right[k], Example1Lines(true, negative[k]));
        EXPECT_EQ(LineAt(GlyphsIn(right[k]), 815, 230).text, right_results[k]);
    }
    EXPECT_EQ(program.X_a(1), 815);
    // The passes on the right erase nothing left of x 680 above the prompt.
    std::size_t first_right = r.log.size();
    for (std::size_t i = 0; i < r.log.size(); ++i)
        if (StartsWith(r.log[i], kRightPart)) {
            first_right = i;
            break;
        }
    for (std::size_t i = first_right; i < r.log.size(); ++i) {
        if (!StartsWith(r.log[i], "PsLINE ") || r.log[i].find(" 15 2 15 ") == std::string::npos)
            continue;
        auto n = Numbers(r.log[i]);
        EXPECT_TRUE(n[0] >= 680 || n[1] >= 639) << r.log[i];
    }
    ExpectLines(r.log, {{40, 330, 5, "代入するとき、×にする"}});
}

TEST_F(MorquistValueDrillTest, Example1EndsOnItsRulesAndTheTextbooksAnswers) {
    Result r = RunMorquist(program, ValueItem(2) + Pass(6, "1") + "a" + Pass(6, "1") + "aaa", {0.6, 0.6});
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    // A text with a leading blank is read from its first drawn glyph, 27 on.
    ExpectLines(r.log, {{40, 330, 5, "代入するとき、×にする"},
                        {680, 280, 5, "- のとき、( )をつける"},
                        {40, 380, 3, "教科書P66 問2 をしなさい。"},
                        {40, 450, 3, "(1)x=7 を代入して"},
                        {121, 500, 0, "12-2x"},
                        {94, 550, 0, "=12-2×7"},
                        {94, 600, 0, "=12-14=-2"},
                        {600, 380, 3, "(2)x=-8 を代入して"},
                        {681, 430, 0, "12-2x"},
                        {654, 480, 0, "=12-2×(-8)"},
                        {654, 530, 0, "=12+16=28"}});
    // Back on the sub-menu at once after "=28".
    std::size_t last_text = 0;
    for (std::size_t i = 0; i < r.log.size(); ++i)
        if (r.log[i].find(" 530 \"8\" ") != std::string::npos) last_text = i;
    ASSERT_GT(last_text, 0u);
    EXPECT_EQ(IndicesOf(r.log, kAnyKeyBox, last_text).size(), 0u);
    std::size_t item_line = 0;
    for (std::size_t i = last_text; i < r.log.size(); ++i)
        if (StartsWith(r.log[i], kItemLineStart)) item_line = i;
    EXPECT_GT(item_line, last_text);
}

// ---- 例2 ----

TEST_F(MorquistValueDrillTest, Example2ShowsTheTextbooksRowsAndTheShortWay) {
    // x = 7 (coin 1 keeps the sign), -7, -10 (coin 0 changes it).
    const std::vector<double> rnd = {0.6, 0.5, 0.6, 0.2, 0.95, 0.2};
    Result r = RunMorquist(program, ValueItem(3) + Pass(6, "2") + Pass(6, "2") + Pass(6, "1") + "aaa",
                           rnd);
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    auto passes = PassesIn(r.log, kLeftHalf);
    ASSERT_EQ(passes.size(), 3u);
    const int xs[] = {7, -7, -10};
    const char* last[] = {"=(-1)×7=-7", "=(-1)×(-7)=7", "=(-1)×(-10)=10"};
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(xs[k]);
        ExpectLines(passes[k], Example2Lines(xs[k]));
        EXPECT_EQ(LineAt(GlyphsIn(passes[k]), 94, 330).text, last[k]);
    }
    ExpectLines(r.log, {{94, 400, 3, "x=3のとき、-x=-3"},
                        {94, 460, 3, "x=-3のとき、"},
                        {94, 510, 3, "-x=-(-3)=3"},
                        {94, 580, 0, "としてもよい"},
                        {600, 30, 3, "教科書P66 問3 をしなさい。"},
                        {600, 100, 3, "(1)x=3 を代入して"},
                        {681, 150, 0, "-x-2"},
                        {654, 200, 0, "=-3-2"},
                        {654, 250, 5, "=-5"},
                        {600, 320, 3, "(2)x=-5 を代入して"},
                        {681, 370, 0, "-x-2"},
                        {654, 420, 0, "=-(-5)-2"},
                        {654, 470, 0, "=5-2"},
                        {654, 520, 5, "=3"}});
}

// ---- 例3 ----

// Checks one pass of 例3 for x and k: its plain lines and its fractions.
void ExpectExample3(const std::vector<std::string>& pass, const std::vector<Glyph>& glyphs, int x,
                    int k) {
    ExpectLines(glyphs, Example3Lines(x, k));
    static std::map<std::string, std::vector<std::string>> drawn;  // reference drawings
    for (const auto& f : Example3Fractions(x, k)) {
        SCOPED_TRACE(f.text);
        std::string key = std::to_string(f.colour) + " " + std::to_string(f.x) + " " +
                          std::to_string(f.y) + " " + f.text;
        if (!drawn.count(key)) drawn[key] = Reference(f.colour, f.x, f.y, f.text);
        EXPECT_NE(FindBlock(pass, drawn[key]), std::string::npos);
    }
}

TEST_F(MorquistValueDrillTest, Example3ShowsTheTextbooksRows) {
    struct Row {
        std::vector<double> rnd;  // pick, coin for x, k, coin for k
        int x, k;
        const char* question;     // the fraction as drawn, sign before the bar
        const char* division;     // step 8 and 9
        const char* fraction;     // step 10
    };
    const Row rows[] = {
        {{0.25, 0.2, 0.35, 0.7}, -3, 4, "-ﾀ12/xﾀ", "=-12÷(-3)=4", "ﾀ-12/-3ﾀ=4"},
        {{0.5, 0.7, 0.15, 0.2}, 5, -2, "-ﾀ10/xﾀ", "=-10÷5=-2", "ﾀ-10/5ﾀ=-2"},
        {{0.8, 0.2, 0.95, 0.2}, -7, -9, "ﾀ63/xﾀ", "=63÷(-7)=-9", "ﾀ63/-7ﾀ=-9"},
        {{0.1, 0.7, 0.05, 0.7}, 2, 1, "ﾀ2/xﾀ", "=2÷2=1", "ﾀ2/2ﾀ=1"},
    };
    std::vector<double> rnd;
    for (const auto& row : rows) rnd.insert(rnd.end(), row.rnd.begin(), row.rnd.end());
    Result r = RunMorquist(program, ValueItem(4) + Repeat(Pass(7, "2"), 3) + Pass(7, "1"), rnd);
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    auto passes = PassesIn(r.log, kLeftHalf);
    ASSERT_EQ(passes.size(), 4u);
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(rows[k].question);
        ExpectExample3(passes[k], GlyphsIn(passes[k]), rows[k].x, rows[k].k);
        EXPECT_EQ(LineAt(GlyphsIn(passes[k]), 94, 410).text, rows[k].division);
        EXPECT_NE(FindBlock(passes[k], Reference(0, 121, 230, rows[k].question)), std::string::npos);
        EXPECT_NE(FindBlock(passes[k], Reference(3, 94, 480, rows[k].fraction)), std::string::npos);
    }
}

TEST_F(MorquistValueDrillTest, Example3EndsOnTheTextbooksAnswers) {
    Result r = RunMorquist(program, ValueItem(4) + Pass(7, "1") + "aaa");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    ExpectLines(r.log, {{600, 30, 3, "教科書P66 問4 をしなさい。"},
                        {600, 100, 3, "(1)x=-3 を代入して"},
                        {600, 320, 3, "(2)x=-3 を代入して"}});
    auto log = r.log;
    const Fraction fixed[] = {{0, 654, 170, " ﾀ12/xﾀ"},
                              {0, 654, 240, "=ﾀ12/-3ﾀ"},
                              {0, 654, 390, " -ﾀ18/xﾀ"},
                              {0, 654, 460, "=-ﾀ18/-3ﾀ"}};
    for (const auto& f : fixed) {
        SCOPED_TRACE(f.text);
        EXPECT_NE(FindBlock(log, Reference(f.colour, f.x, f.y, f.text)), std::string::npos);
    }
}

// ---- 例5 and 例6 ----

TEST_F(MorquistValueDrillTest, TwoLetterDrillsShowTheTextbooksRows) {
    struct Row {
        std::vector<double> rnd;  // two sizes, then which is negative
        int p, q;
        const char* substituted;
        const char* products;
        const char* value;
    };
    const Row five[] = {
        {{0.25, 0.45, 0.2}, -3, 5, "3x+2y=3×(-3)+2×5", "=-9+10", "=1"},
        {{0.35, 0.15, 0.7}, 4, -2, "3x+2y=3×4+2×(-2)", "=12-4", "=8"},
        {{0.95, 0.05, 0.2}, -10, 1, "3x+2y=3×(-10)+2×1", "=-30+2", "=-28"},
        {{0.15, 0.25, 0.2}, -2, 3, "3x+2y=3×(-2)+2×3", "=-6+6", "=0"},
    };
    const Row six[] = {
        {{0.25, 0.15, 0.7}, 3, -2, "-5a-6b=-5×3-6×(-2)", "=-15+12", "=-3"},
        {{0.25, 0.15, 0.2}, -3, 2, "-5a-6b=-5×(-3)-6×2", "=15-12", "=3"},
        {{0.95, 0.05, 0.2}, -10, 1, "-5a-6b=-5×(-10)-6×1", "=50-6", "=44"},
        {{0.05, 0.95, 0.7}, 1, -10, "-5a-6b=-5×1-6×(-10)", "=-5+60", "=55"},
        {{0.55, 0.45, 0.2}, -6, 5, "-5a-6b=-5×(-6)-6×5", "=30-30", "=0"},
    };
    for (bool is_six : {false, true}) {
        SCOPED_TRACE(is_six ? "例6" : "例5");
        std::vector<Row> rows = is_six ? std::vector<Row>(std::begin(six), std::end(six))
                                       : std::vector<Row>(std::begin(five), std::end(five));
        std::vector<double> rnd;
        for (const auto& row : rows) rnd.insert(rnd.end(), row.rnd.begin(), row.rnd.end());
        Result r = RunMorquist(program,
                               ValueItem(is_six ? 8 : 7) +
                                   Repeat(Pass(6, "2"), int(rows.size()) - 1) + Pass(6, "1"),
                               rnd);
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        auto passes = PassesIn(r.log, kWhole);
        ASSERT_EQ(passes.size(), rows.size());
        const double column = is_six ? 229 : 202;
        for (std::size_t k = 0; k < rows.size(); ++k) {
            SCOPED_TRACE(rows[k].substituted);
            ExpectLines(passes[k], TwoLetterLines(is_six, rows[k].p, rows[k].q));
            auto glyphs = GlyphsIn(passes[k]);
            EXPECT_EQ(LineAt(glyphs, 67, 230).text, rows[k].substituted);
            EXPECT_EQ(LineAt(glyphs, column, 280).text, rows[k].products);
            EXPECT_EQ(LineAt(glyphs, column, 330).text, rows[k].value);
        }
        // The rules under the last instance, then 例5 is back on the
        // sub-menu, while 例6 waits.
        ExpectLines(r.log, {{40, 380, 5, "代入するとき、×　を書く"},
                            {40, 430, 5, "負の数は、( )をつける"}});
        std::size_t rules = 0;
        for (std::size_t i = 0; i < r.log.size(); ++i)
            if (StartsWith(r.log[i], "PsSYMBOL40 40 430 ")) rules = i;
        EXPECT_EQ(IndicesOf(r.log, kAnyKeyBox, rules).size(), is_six ? 1u : 0u);
        surface::Surface::Shutdown();
    }
}

TEST_F(MorquistValueDrillTest, Example6EndsOnTheTextbooksAnswers) {
    Result r = RunMorquist(program, ValueItem(8) + Pass(6, "1") + "aaaaa", {0.25, 0.15, 0.7});
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    ExpectLines(r.log, {{640, 30, 7, "教科書P67 問7 をしなさい。"},
                        {640, 80, 3, "(1)"},
                        {727, 80, 0, "x=-2,y=6 を代入して"},
                        {727, 130, 0, "2x+y=2×(-2)+6"},
                        {862, 180, 0, "=-4+6=2"},
                        {640, 240, 3, "(2)"},
                        {727, 240, 0, "x=-2,y=6 を代入して"},
                        {727, 290, 0, "4x-3y=4×(-2)-3×6"},
                        {862, 340, 0, "=-8-18=-26"},
                        {640, 400, 3, "(3)"},
                        {727, 400, 0, "x=-2,y=6 を代入して"},
                        {862, 540, 0, "=-3+6=3"},
                        {640, 590, 7, "教科書P67 問8 をしなさい。"}});
    EXPECT_NE(FindBlock(r.log, Reference(0, 727, 470, "ﾀ3/2ﾀx+y=ﾀ3/2ﾀ×(-2)+6")), std::string::npos);
    // The drill's lines end before the column of the answers, also for
    // the widest instance.
    surface::Surface::Shutdown();
    r = RunMorquist(program, ValueItem(8) + Pass(6, "1") + "aaaaa", {kTop, kTop, 0.2});
    auto glyphs = GlyphsIn(r.log);
    for (const auto& w : TwoLetterLines(true, -10, 10))
        EXPECT_LE(LineAt(glyphs, w.x, w.y).end_x, 640) << w.text;
    for (double y : {380.0, 430.0}) EXPECT_LE(LineAt(glyphs, 40, y).end_x, 640);
}

// 例5 and 例6 run their first pass on the 10 that the sub-menu leaves in
// AINP; the other drills set 3 themselves, so a 1 left from before never
// skips them.
TEST(MorquistValueDrillEntryTest, OnlyTheTwoLetterDrillsLeaveTheStepNumberAsFound) {
    struct Case {
        void (morquist::Morquist::*item)();
        std::size_t passes;
    };
    const Case cases[] = {
        {&morquist::Morquist::Example2NegationValueDrill, 1},
        {&morquist::Morquist::Example3FractionValueDrill, 1},
        {&morquist::Morquist::Example5TwoLetterValueDrill, 0},
        {&morquist::Morquist::Example6TwoLetterValueDrill, 0},
    };
    for (const auto& c : cases) {
        auto& s = surface::Surface::Start(std::make_unique<surface::HeadlessBackend>(
            surface::ParseKeys(Pass(7, "1") + "aaaaaaa")));
        s.EnableLog(true);
        morquist::Morquist program;
        program.AINP = 1;
        try {
            (program.*c.item)();
        } catch (const surface::Stop&) {
        }
        std::size_t step_prompts = 0;
        for (const auto& l : s.log()) step_prompts += StartsWith(l, "PsLINE 96 639 400 675 13 2 12 ");
        EXPECT_EQ(step_prompts, c.passes);
        surface::Surface::Shutdown();
    }
}

// ---- the top of every range ----

TEST_F(MorquistValueDrillTest, TheLargestDrawStaysInRange) {
    const std::vector<double> top(8, kTop);
    struct Case {
        int item;
        std::string keys;
        std::string erase;
        std::vector<Want> want;
    };
    const Case cases[] = {
        {2, Pass(6, "1"), kLeftHalf, Example1Lines(false, 10)},
        {3, Pass(6, "1"), kLeftHalf, Example2Lines(10)},
        {4, Pass(7, "1"), kLeftHalf, Example3Lines(7, 9)},
        {7, Pass(6, "1"), kWhole, TwoLetterLines(false, 10, -10)},
        {8, Pass(6, "1"), kWhole, TwoLetterLines(true, 10, -10)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        Result r = RunMorquist(program, ValueItem(c.item) + c.keys, top);
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        auto passes = PassesIn(r.log, c.erase);
        ASSERT_EQ(passes.size(), 1u);
        ExpectLines(passes[0], c.want);
        surface::Surface::Shutdown();
    }
    // 例1-2's first draw.
    Result r = RunMorquist(program, ValueItem(2) + Pass(6, "1") + "a" + Pass(6, "1"), {0.5, kTop});
    auto right = PassesIn(r.log, kRightPart);
    ASSERT_EQ(right.size(), 1u);
    ExpectLines(right[0], Example1Lines(true, -10));
}

// ---- many passes ----

const char* const kClocks[] = {"08:15:07", "10:42:31", "13:03:59", "14:27:12", "15:50:48"};
constexpr int kPassesPerClock = 100;

TEST_F(MorquistValueDrillTest, Example1ManyPasses) {
    std::set<int> left_seen, right_seen;
    for (const char* clock : kClocks) {
        SCOPED_TRACE(clock);
        Result r = RunMorquist(program,
                               ValueItem(2) + Passes(6, kPassesPerClock) + "a" +
                                   Passes(6, kPassesPerClock),
                               {}, clock);
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        for (bool second : {false, true}) {
            auto passes = PassesIn(r.log, second ? kRightPart : kLeftHalf);
            ASSERT_EQ(passes.size(), std::size_t(kPassesPerClock));
            for (const auto& pass : passes) {
                auto glyphs = GlyphsIn(pass);
                int x = NumberAfter(glyphs, second ? 761 : 121, second ? 130 : 180, "x=");
                if (second) {
                    EXPECT_TRUE(x >= -10 && x <= -1) << x;
                    right_seen.insert(x);
                } else {
                    EXPECT_TRUE(x >= 1 && x <= 10) << x;
                    left_seen.insert(x);
                }
                ExpectLines(glyphs, Example1Lines(second, x));
                ExpectTidy(glyphs);
            }
        }
        surface::Surface::Shutdown();
    }
    EXPECT_EQ(left_seen.size(), 10u);
    EXPECT_EQ(right_seen.size(), 10u);
}

TEST_F(MorquistValueDrillTest, Example2ManyPasses) {
    std::set<int> seen;
    for (const char* clock : kClocks) {
        SCOPED_TRACE(clock);
        Result r = RunMorquist(program, ValueItem(3) + Passes(6, kPassesPerClock), {}, clock);
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        auto passes = PassesIn(r.log, kLeftHalf);
        ASSERT_EQ(passes.size(), std::size_t(kPassesPerClock));
        for (const auto& pass : passes) {
            auto glyphs = GlyphsIn(pass);
            int x = NumberAfter(glyphs, 121, 280, "x=");
            EXPECT_TRUE(x != 0 && x >= -10 && x <= 10) << x;
            seen.insert(x);
            ExpectLines(glyphs, Example2Lines(x));
            ExpectTidy(glyphs);
        }
        surface::Surface::Shutdown();
    }
    EXPECT_EQ(seen.size(), 20u);
}

TEST_F(MorquistValueDrillTest, Example3ManyPasses) {
    std::set<std::pair<int, int>> seen;
    for (const char* clock : kClocks) {
        SCOPED_TRACE(clock);
        Result r = RunMorquist(program, ValueItem(4) + Passes(7, kPassesPerClock), {}, clock);
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        std::vector<std::vector<std::string>> passes = PassesIn(r.log, kLeftHalf);
        ASSERT_EQ(passes.size(), std::size_t(kPassesPerClock));
        for (const auto& pass : passes) {
            auto glyphs = GlyphsIn(pass);
            int x = NumberAfter(glyphs, 121, 340, "x=");
            int a = NumberAfter(glyphs, 94, 290, "=");
            EXPECT_TRUE(std::set<int>({-7, -5, -3, -2, 2, 3, 5, 7}).count(x)) << x;
            ASSERT_NE(x, 0);
            // The value of a/x is whole, from -9 to 9 and never 0.
            EXPECT_EQ(a % x, 0) << a << "/" << x;
            int k = a / x;
            EXPECT_TRUE(k != 0 && k >= -9 && k <= 9) << k;
            seen.insert({x, k});
            ExpectExample3(pass, glyphs, x, k);
            ExpectTidy(glyphs);
        }
        surface::Surface::Shutdown();
    }
    EXPECT_GT(seen.size(), 100u);  // of the 144 pairs
}

TEST_F(MorquistValueDrillTest, TwoLetterDrillsManyPasses) {
    for (bool six : {false, true}) {
        SCOPED_TRACE(six ? "例6" : "例5");
        const std::string first = six ? "a=" : "x=", second = six ? ",b=" : ",y=";
        int first_negative = 0, second_negative = 0;
        std::set<int> values;
        for (const char* clock : kClocks) {
            SCOPED_TRACE(clock);
            Result r = RunMorquist(program, ValueItem(six ? 8 : 7) + Passes(6, kPassesPerClock), {},
                                   clock);
            ASSERT_EQ(r.kind, Result::kKeysUsedUp);
            auto passes = PassesIn(r.log, kWhole);
            ASSERT_EQ(passes.size(), std::size_t(kPassesPerClock));
            for (const auto& pass : passes) {
                auto glyphs = GlyphsIn(pass);
                int p = NumberAfter(glyphs, 67, 180, first);
                int q = NumberAfter(glyphs, 67, 180, second);
                // Both sizes 1 to 10, exactly one of them negative.
                EXPECT_TRUE(std::abs(p) >= 1 && std::abs(p) <= 10) << p;
                EXPECT_TRUE(std::abs(q) >= 1 && std::abs(q) <= 10) << q;
                EXPECT_NE(p < 0, q < 0) << p << " " << q;
                first_negative += p < 0;
                second_negative += q < 0;
                values.insert(six ? -5 * p - 6 * q : 3 * p + 2 * q);
                ExpectLines(glyphs, TwoLetterLines(six, p, q));
                ExpectTidy(glyphs);
            }
            surface::Surface::Shutdown();
        }
        EXPECT_GT(first_negative, 150);
        EXPECT_GT(second_negative, 150);
        EXPECT_TRUE(values.count(0));
    }
}

}  // namespace
