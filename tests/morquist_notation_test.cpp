// Chapter 2 of Morquist: the rule table drills walked row by row, the rule
// that keeps a row from coming twice running, the random product drill, the
// rules and pointers after the drills, and the answer screens.
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "tests/morquist_test_support.h"

namespace {

using namespace morquist_testing;
using replay::Result;

std::string Item(int n) { return "2{enter}" + std::to_string(n) + "{enter}"; }

// A row of a rule table: problem, answer, and the middle form if any.
struct Row {
    const char* problem;
    const char* answer;
    const char* middle = nullptr;
};

struct Drill {
    const char* name;
    const char* heading;
    int heading_colour;
    double heading_x, heading_y;
    double clear[4];
    bool clear_first;
    double x, y;  // the expression
    double width, height;
    std::vector<Row> rows;
};

const Drill kQ2 = {"Q2", "Q2　きまりをみつけよう。", 7, 40, 340, {0, 340, 600, 640}, true,
                   80, 420, 120, 50,
                   {{"a*b", "ab"}, {"b*a", "ab"}, {"y*x", "xy"}, {"a*b*c", "abc"},
                    {"b*a*c", "abc"}, {"x*a*y*b", "abxy"}, {"x*3*y", "3xy"}, {"b*a*5", "5ab"},
                    {"y*(-3)*x", "-3xy"}, {"x*a*(-2)", "-2ax"}}};
const Drill kQ3 = {"Q3", "Q3　きまりをみつけよう。", 7, 680, 30, {680, 90, 1320, 230}, false,
                   680, 110, 210, 50,
                   {{"5*(a+b)", "5(a+b)"}, {"(x+y)*3", "3(x+y)"}, {"(n-5)*2", "2(n-5)"},
                    {"3*(a+3)", "3(a+3)"}, {"(a-b)*5", "5(a-b)"}, {"-5*(a+b)", "-5(a+b)"},
                    {"(x+y)*(-3)", "-3(x+y)"}, {"(n-5)*(-2)", "-2(n-5)"},
                    {"-3*(a+3)", "-3(a+3)"}, {"(a-b)*(-5)", "-5(a-b)"}}};
const Drill kQ4 = {"Q4", "Q4　きまりをみつけよう。", 7, 680, 280, {680, 280, 1280, 520}, true,
                   680, 370, 210, 90,
                   {{"ﾀ3/5ﾀ*x", "ﾀ3/5ﾀx"}, {"x*ﾀ2/7ﾀ", "ﾀ2/7ﾀx"}, {"a*ﾀ1/5ﾀ", "ﾀ1/5ﾀa"},
                    {"ﾀ2/7ﾀ*(a+b)", "ﾀ2/7ﾀ(a+b)"}, {"(x-y)*ﾀ3/4ﾀ", "ﾀ3/4ﾀ(x-y)"},
                    {"-ﾀ3/5ﾀ*x", "-ﾀ3/5ﾀx"}, {"x*(-ﾀ2/7ﾀ)", "-ﾀ2/7ﾀx"},
                    {"a*(-ﾀ1/5ﾀ)", "-ﾀ1/5ﾀa"}, {"-ﾀ2/7ﾀ*(a+b)", "-ﾀ2/7ﾀ(a+b)"},
                    {"(x-y)*(-ﾀ3/4ﾀ)", "-ﾀ3/4ﾀ(x-y)"}}};
const Drill kQ5 = {"Q5", "Q5　きまりをみつけよう。", 7, 40, 30, {0, 90, 600, 230}, false,
                   134, 110, 120, 50,
                   {{"1*a", "a"}, {"b*1", "b"}, {"x*1", "x"}, {"y*1+1", "y+1"},
                    {"0.1*a", "0.1a"}, {"(-1)*a", "-a"}, {"b*(-1)", "-b"}, {"x*(-1)", "-x"},
                    {"y*(-1)-1", "-y-1"}, {"(-0.1)*a", "-0.1a"}}};
const Drill kQ6 = {"Q6", "Q6　きまりをみつけよう。", 7, 40, 260, {0, 320, 1600, 460}, false,
                   134, 340, 150, 50,
                   {{"x*x*x", "x^3"}, {"x*4*x", "4x^2"}, {"x*x*y*y*y", "x^2y^3"},
                    {"a*a", "a^2"}, {"a*a*b", "a^2b"}, {"a*5*a*a", "5a^3"},
                    {"a*a*(-3)", "-3a^2"}, {"x*y*x*(-2)", "-2x^2y"}, {"a*a*1*b", "a^2b"},
                    {"x*(-1)*y*x", "-x^2y"}}};
const Drill kQ7 = {"Q7", "Q7　きまりをみつけよう。", 7, 40, 30, {0, 90, 720, 290}, false,
                   80, 120, 210, 90,
                   {{"a/9", "ﾀa/9ﾀ"}, {"x/4", "ﾀx/4ﾀ"}, {"-x/4", "-ﾀx/4ﾀ"},
                    {"a/(-5)", "-ﾀa/5ﾀ"}, {"(x+3)/2", "ﾀx+3/2ﾀ"}, {"(a-2)/5", "ﾀa-2/5ﾀ"},
                    {"x/y", "ﾀx/yﾀ"}, {"a/b", "ﾀa/bﾀ"}, {"x/(-y)", "-ﾀx/yﾀ"},
                    {"5b/2", "ﾀ5b/2ﾀ"}}};
const Drill kQ8 = {"Q8", "Q8　きまりをみつけよう。", 7, 40, 360, {0, 410, 720, 610}, false,
                   40, 440, 150, 90,
                   {{"a/(-9)", "-ﾀa/9ﾀ", "ﾀa/-9ﾀ"}, {"x/(-4)", "-ﾀx/4ﾀ", "ﾀx/-4ﾀ"},
                    {"3x/(-4)", "-ﾀ3x/4ﾀ", "ﾀ3x/-4ﾀ"}, {"-3a/(-4)", "ﾀ3a/4ﾀ", "ﾀ-3a/-4ﾀ"},
                    {"x/1", "x", "ﾀx/1ﾀ"}, {"-x/1", "-x", "ﾀ-x/1ﾀ"},
                    {"-x/(-1)", "x", "ﾀ-x/-1ﾀ"}, {"a/(-1)", "-a", "ﾀa/-1ﾀ"},
                    {"-2x/(-7)", "ﾀ2x/7ﾀ", "ﾀ-2x/-7ﾀ"}, {"-3a/(-1)", "3a", "ﾀ-3a/-1ﾀ"}}};
const Drill kExample3 = {"例3", "例3 *,/を使わないで表しなさい。", 3, 40, 30, {0, 90, 720, 290},
                         false, 80, 120, 270, 90,
                         {{"5-4*n", "5-4n"}, {"x*4-y/4", "4x-ﾀy/4ﾀ"}, {"a*7-b*3", "7a-3b"},
                          {"x*y*x/3", "ﾀx^2y/3ﾀ"}, {"-2*(a+b)-c/2", "-2(a+b)-ﾀc/2ﾀ"},
                          {"6*a+b/3", "6a+ﾀb/3ﾀ"}, {"x/5+3", "ﾀx/5ﾀ+3"},
                          {"x*2-y/2", "2x-ﾀy/2ﾀ"}, {"2+3a/5", "2+ﾀ3a/5ﾀ"},
                          {"a*(-3)-5b/2", "-3a-ﾀ5b/2ﾀ"}}};

std::string ClearLine(const Drill& d) {
    std::string s = "PsLINE";
    for (double v : d.clear) s += " " + surface::LogNumber(v);
    return s + " 15 2 15 pen=3";
}

std::string ExpressionOf(const Row& row) {
    std::string e = std::string(row.problem) + "=";
    if (row.middle) e += std::string(row.middle) + "=";
    return e;
}

// The random draw that picks row r (1 to 10).
double PickOf(int r) { return (r - 1) / 10.0 + 0.05; }

// Keys of one drill run of n passes: a key at each cell, then 0 at each step
// prompt but the last, which takes 1.
std::string DrillKeys(int passes) { return Repeat("a0{enter}", passes - 1) + "a1{enter}"; }

// Checks one pass of `drill` showing `row` from log line `at` on: heading
// and clear in the drill's order, the expression with its empty cell just
// after it, one key, the answer in the same cell, then the step prompt.
// Returns the index after the answer cell.
std::size_t ExpectPass(const std::vector<std::string>& log, const Drill& drill, int row,
                       std::size_t at) {
    const Row& r = drill.rows[row - 1];
    SCOPED_TRACE(std::string(drill.name) + " row " + std::to_string(row));
    double end = 0;
    auto expression = Reference(0, drill.x, drill.y, ExpressionOf(r), &end);
    std::size_t e = FindBlock(log, expression, at);
    if (e == std::string::npos) {
        ADD_FAILURE() << "expression " << ExpressionOf(r) << " not drawn after line " << at;
        return at;
    }
    auto heading = Reference(drill.heading_colour, drill.heading_x, drill.heading_y, drill.heading);
    std::size_t h = FindBlock(log, heading, at);
    auto clears = IndicesOf(log, ClearLine(drill), at, e);
    EXPECT_EQ(clears.size(), 1u);
    EXPECT_LT(h, e);
    if (!clears.empty()) {
        EXPECT_EQ(clears[0] < h, drill.clear_first);
    }

    const double cell_x = end + 10;
    auto empty = CellReference(cell_x, drill.y, drill.width, drill.height, "");
    EXPECT_EQ(FindBlock(log, empty, e + expression.size()), e + expression.size())
        << "the empty cell follows the expression";
    auto answer = CellReference(cell_x, drill.y, drill.width, drill.height, r.answer);
    std::size_t a = FindBlock(log, answer, e + expression.size());
    if (a == std::string::npos) {
        ADD_FAILURE() << "answer " << r.answer << " not in its cell";
        return e + expression.size();
    }
    EXPECT_EQ(IndicesOf(log, kAnyKeyBox, e, a).size(), 1u);
    EXPECT_EQ(IndicesOf(log, kStepBox, e, a).size(), 0u);
    EXPECT_EQ(FindBlock(log, {kStepBox}, a), FindBlock(log, {kStepBox}, a + answer.size()));
    // The clear of the next pass takes the whole cell with it.
    auto box = Numbers(answer[0]);
    EXPECT_GE(box[0], drill.clear[0]);
    EXPECT_GE(box[1], drill.clear[1]);
    EXPECT_LE(box[2], drill.clear[2]);
    EXPECT_LE(box[3], drill.clear[3]);
    return a + answer.size();
}

// Passes showing rows 1 to 10 in turn; returns the index after the last.
std::size_t ExpectAllRows(const std::vector<std::string>& log, const Drill& drill,
                          std::size_t at) {
    for (int row = 1; row <= 10; ++row) at = ExpectPass(log, drill, row, at);
    return at;
}

std::vector<double> AllRows(std::vector<double> draws = {}) {
    for (int r = 1; r <= 10; ++r) draws.push_back(PickOf(r));
    return draws;
}

class NotationTest : public ::testing::Test {
protected:
    void TearDown() override { surface::Surface::Shutdown(); }
    morquist::Morquist program;
};

const std::string kNarrowClear = "PsLINE 0 0 1320 1300 15 2 15 pen=3";

TEST_F(NotationTest, ProductRulesDrill1WalksEveryRow) {
    // Q1: 11 × a (n = 11, positive, letter a, number first).
    std::vector<double> draws = {0.5, 0.5, 0.0, 0.0};
    for (int d = 0; d < 3; ++d) draws = AllRows(draws);
    std::string keys = Item(1) + "a1{enter}" + "aaa" + DrillKeys(10) + "a" + DrillKeys(10) + "a" +
                       DrillKeys(10);
    Result r = RunMorquist(program, keys, draws);
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    const auto log = r.log;
    auto start = IndicesOf(log, kNarrowClear);
    ASSERT_EQ(start.size(), 1u);
    std::size_t end = NextItemLine(log, start[0]);
    ASSERT_NE(end, std::string::npos);

    Drill q1 = {"Q1", "Q1　積の表し方のきまりをみつけよう。", 7, 40, 30, {0, 90, 600, 230},
                false, 80, 110, 120, 50, {{"11*a", "11a"}}};
    std::size_t at = ExpectPass(log, q1, 1, start[0]);
    at = ExpectScript(log, {{5, 120, 180, "<積の表し方>", 1},
                            {3, 80, 230, "①*は省いて書く", 1},
                            {3, 80, 280, "②数を文字の前に書く", 1}}, at, 0);
    at = ExpectAllRows(log, kQ2, at);
    at = ExpectScript(log, {{5, 80, 490, "アルファベット順に書く"}, {3, 120, 540, "(例外もある)"}}, at);
    at = ExpectAllRows(log, kQ3, at);
    at = ExpectScript(log, {{5, 720, 190, "( )は1つの文字と同じ"}}, at);
    at = ExpectAllRows(log, kQ4, at);
    at = ExpectScript(log, {{5, 720, 450, "分数も整数と同じ"}, {3, 680, 500, "(文字は真ん中の棒の横に書く)"}},
                      at);
    EXPECT_EQ(at, end) << "no key after the last rule";
    EXPECT_EQ(IndicesOf(log, kAnyKeyBox, start[0], end).size(), 1u + 3 + 30 + 1 + 1);
    EXPECT_EQ(program.LastPick, 10);
}

TEST_F(NotationTest, ProductRulesDrill2WalksEveryRowAndTheAnswerColumn) {
    std::string keys = Item(2) + DrillKeys(10) + "a" + DrillKeys(10) + "aa" + Repeat("a", 9);
    Result r = RunMorquist(program, keys, AllRows(AllRows()));
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    const auto log = r.log;
    auto start = IndicesOf(log, kNarrowClear);
    ASSERT_EQ(start.size(), 1u);
    std::size_t end = NextItemLine(log, start[0]);
    ASSERT_NE(end, std::string::npos);
    std::size_t at = ExpectAllRows(log, kQ5, start[0]);
    at = ExpectScript(log, {{5, 134, 190, "1は書かない"}, {3, kAfter, 190, "(0.1は書く)"}}, at);
    at = ExpectAllRows(log, kQ6, at);
    at = ExpectScript(log, {{5, 40, 420, "同じ文字の積は、指数を使って書く", 1},
                            {3, 40, 480, "教科書P60 問1,問2 をしなさい。", 1},
                            {7, 680, 30, "問1解答", 1},
                            {3, 680, 80, "(1)"}, {0, 761, 80, "50*n"}, {5, kAfter, 80, "=50n", 1},
                            {3, 680, 130, "(2)"}, {0, 761, 130, "x*8"}, {5, kAfter, 130, "=8x", 1},
                            {3, 680, 180, "(3)"}, {0, 761, 180, "y*(-1)*x"},
                            {5, kAfter, 180, "=-xy", 1},
                            {3, 680, 230, "(4)"}, {0, 761, 230, "c*c*c"}, {5, kAfter, 230, "=c^3", 1},
                            {3, 680, 280, "(5)"}, {0, 761, 280, "3*a*a*b"},
                            {5, kAfter, 280, "=3a^2b", 1},
                            {3, 680, 330, "(6)"}, {0, 761, 330, "(b+c)*7"},
                            {5, kAfter, 330, "=7(b+c)", 1},
                            {7, 680, 390, "問2解答", 1},
                            {3, 680, 440, "(1)"}, {0, 761, 440, "7ab"}, {5, kAfter, 440, "=7*a*b", 1},
                            {3, 680, 490, "(2)"}, {0, 761, 490, "2xy^2"},
                            {5, kAfter, 490, "=2*x*y*y"}},
                      at);
    EXPECT_EQ(at, end);
}

TEST_F(NotationTest, QuotientRulesDrillWalksEveryRow) {
    std::string keys = Item(3) + DrillKeys(10) + "a" + DrillKeys(10) + "a";
    Result r = RunMorquist(program, keys, AllRows(AllRows()));
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    const auto log = r.log;
    auto start = IndicesOf(log, kNarrowClear);
    ASSERT_EQ(start.size(), 1u);
    std::size_t end = NextItemLine(log, start[0]);
    ASSERT_NE(end, std::string::npos);
    std::size_t at = ExpectAllRows(log, kQ7, start[0]);
    at = ExpectScript(log, {{5, 40, 200, "/は使わないで、分数の形で書く"},
                            {3, 40, 280, "ﾀx/4ﾀ=ﾀ1/4ﾀx でもよい"}},
                      at);
    at = ExpectAllRows(log, kQ8, at);
    at = ExpectScript(log, {{5, 40, 520, "- が奇数のとき、- をつける", 1},
                            {3, 40, 580, "教科書P61 問3,問4 をしなさい。"}},
                      at);
    EXPECT_EQ(at, end);
}

TEST_F(NotationTest, Example3WalksEveryRowThenTheSixRules) {
    std::string keys = Item(5) + DrillKeys(10) + "aa";
    Result r = RunMorquist(program, keys, AllRows());
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    const auto log = r.log;
    auto start = IndicesOf(log, kNarrowClear);
    ASSERT_EQ(start.size(), 1u);
    std::size_t end = NextItemLine(log, start[0]);
    ASSERT_NE(end, std::string::npos);
    std::size_t at = ExpectAllRows(log, kExample3, start[0]);
    // The widest row, 5, ends its cell at x 716, inside the clear rectangle.
    std::size_t widest = 0;
    for (const auto& line : log)
        widest += StartsWith(line, "PsLINE 446 97 716 187 3 2 13 ");
    EXPECT_EQ(widest, 2u);
    at = ExpectScript(log, {{5, 40, 200, "<文字式の表し方>"},
                            {0, 40, 250, "①"}, {3, kAfter, 250, "*は省いて書く"},
                            {0, kAfter, 250, "(a*b=ab)"},
                            {0, 40, 300, "②"}, {3, kAfter, 300, "文字と数の積では、"},
                            {3, 76, 350, "数を文字の前に書く"}, {0, kAfter, 350, "(2*x=2x)"},
                            {0, 40, 400, "③"}, {3, kAfter, 400, "文字はa,b,c…順に書く"},
                            {0, kAfter, 400, "(ba→ab)"},
                            {0, 40, 450, "④"}, {3, kAfter, 450, "1と文字の積は1を書かない。"},
                            {0, 76, 500, "(1a=a -1x=-x)"},
                            {0, 640, 200, "⑤"}, {3, kAfter, 200, "同じ文字の積は、指数を使って書く"},
                            {0, 676, 250, "(a*a=a^2)"},
                            {0, 640, 300, "⑥"}, {3, kAfter, 300, "÷は使わないで、分数の形で書く"},
                            {0, 676, 360, "(x/3=ﾀx/3ﾀ)", 1},
                            {7, 40, 560, "教科書P61 問5,問6 をしなさい。"}},
                      at, 1);
    EXPECT_EQ(at, end);
}

// The row shown by the first pass of `drill` drawn after line `from`.
int RowShown(const std::vector<std::string>& log, const Drill& drill, std::size_t from) {
    int best = 0;
    std::size_t best_at = std::string::npos;
    for (int row = 1; row <= 10; ++row) {
        std::size_t at = FindBlock(log, Reference(0, drill.x, drill.y,
                                                  ExpressionOf(drill.rows[row - 1])), from);
        if (at < best_at) best = row, best_at = at;
    }
    return best;
}

std::vector<int> RowsShown(const std::vector<std::string>& log, const Drill& drill,
                           std::size_t from, int passes) {
    std::vector<int> rows;
    auto steps = IndicesOf(log, kStepBox, from);
    for (int p = 0; p < passes && p <= int(steps.size()); ++p)
        rows.push_back(RowShown(log, drill, p == 0 ? from : steps[p - 1]));
    return rows;
}

// A pick equal to the row kept shows row 3 and keeps the row; the kept row
// carries from drill to drill, item to item and over a visit to the menu.
TEST_F(NotationTest, RepeatedPickShowsRow3AndTheKeptRowLastsTheRun) {
    // Item ②: Q5 picks 7, 7, 5, 5, 3, 3 then Q6 picks 3; the answers are
    // then taken, "終了" to the main menu, chapter 2 again, item ③: Q7 picks 3.
    std::vector<double> draws;
    for (int r : {7, 7, 5, 5, 3, 3, 3}) draws.push_back(PickOf(r));
    draws.push_back(PickOf(3));  // Q7, after the visit to the menu
    draws.push_back(PickOf(8));  // Q8
    std::string keys = Item(2) + DrillKeys(6) + "a" + DrillKeys(1) + "aa" + Repeat("a", 9) +
                       "7{enter}" + Item(3) + DrillKeys(1) + "a" + DrillKeys(1) + "a";
    Result r = RunMorquist(program, keys, draws);
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    const auto log = r.log;
    auto starts = IndicesOf(log, kNarrowClear);
    ASSERT_EQ(starts.size(), 2u);
    EXPECT_EQ(RowsShown(log, kQ5, starts[0], 6), (std::vector<int>{7, 3, 5, 3, 3, 3}));
    auto q6 = FindBlock(log, Reference(7, 40, 260, kQ6.heading), starts[0]);
    ASSERT_NE(q6, std::string::npos);
    EXPECT_EQ(RowShown(log, kQ6, q6), 3);
    EXPECT_EQ(IndicesOf(log, kPanel, q6, starts[1]).size(), 1u) << "through the main menu";
    EXPECT_EQ(RowShown(log, kQ7, starts[1]), 3);
    auto q8 = FindBlock(log, Reference(7, 40, 360, kQ8.heading), starts[1]);
    ASSERT_NE(q8, std::string::npos);
    EXPECT_EQ(RowShown(log, kQ8, q8), 8);
    EXPECT_EQ(program.LastPick, 8);
}

// Any number but 1 at the step prompt makes another pass; 1, 1.0 and 2/2 end.
TEST_F(NotationTest, OnlyOneEndsADrill) {
    for (const char* ending : {"1{enter}", "1.0{enter}", "2/2{enter}"}) {
        SCOPED_TRACE(ending);
        std::string keys = Item(5) + "a0{enter}a-1{enter}a{enter}a0.5{enter}a" + ending + "aa";
        Result r = RunMorquist(program, keys, AllRows());
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        auto start = IndicesOf(r.log, kNarrowClear);
        ASSERT_EQ(start.size(), 1u);
        std::size_t end = NextItemLine(r.log, start[0]);
        ASSERT_NE(end, std::string::npos);
        EXPECT_EQ(IndicesOf(r.log, kStepBox, start[0], end).size(), 5u);
    }
}

// Q1 over many passes and clocks: n from ±2 to ±19 before a letter a, b, x
// or y, brackets exactly around a negative n after the letter, the answer n
// then the letter.
TEST_F(NotationTest, RandomProductPassesAreSound) {
    const std::regex number_first("(-?[0-9]+)×([abxy])=");
    const std::regex letter_first("([abxy])×(\\(-[0-9]+\\)|[0-9]+)=");
    std::set<std::string> kinds;
    std::set<int> numbers;
    int passes = 0;
    for (const char* clock : {"08:07:06", "11:22:33"}) {
        SCOPED_TRACE(clock);
        Result r = RunMorquist(program, Item(1) + Repeat("a0{enter}", 249) + "a1{enter}", {}, clock);
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        auto parts = SplitAt(r.log, "PsLINE 0 90 600 230 15 2 15 ");
        ASSERT_EQ(parts.size(), 250u);
        for (const auto& part : parts) {
            std::string expression, answer;
            for (const Glyph& g : GlyphsIn(part)) {
                if (g.y != 110) continue;
                if (g.colour == 0) expression += g.ch;
                if (g.colour == 5) answer += g.ch;
            }
            std::smatch m;
            std::string number, letter;
            if (std::regex_match(expression, m, number_first)) {
                number = m[1], letter = m[2];
                kinds.insert(number[0] == '-' ? "-n×L" : "n×L");
            } else if (std::regex_match(expression, m, letter_first)) {
                letter = m[1];
                number = m[2];
                if (number[0] == '(') number = number.substr(1, number.size() - 2);
                kinds.insert(number[0] == '-' ? "L×(-n)" : "L×n");
            } else {
                ADD_FAILURE() << "expression " << expression;
                continue;
            }
            int n = std::stoi(number);
            EXPECT_GE(std::abs(n), 2) << expression;
            EXPECT_LE(std::abs(n), 19) << expression;
            EXPECT_EQ(answer, number + letter) << expression;
            EXPECT_EQ(answer.find("+-"), std::string::npos);
            numbers.insert(n);
            ++passes;
        }
    }
    EXPECT_EQ(passes, 500);
    EXPECT_EQ(kinds.size(), 4u);
    EXPECT_EQ(numbers.size(), 36u);
}

TEST_F(NotationTest, AnswerScreens) {
    ExpectScreen(program, 2, {4,
                              {{7, 40, 30, "教科書P61 問3解答", 1},
                               {3, 40, 110, "(1)"}, {0, 121, 110, "x/2"},
                               {5, kAfter, 110, "=ﾀx/2ﾀ   ﾀ1/2ﾀxでもよい", 1},
                               {3, 40, 190, "(2)"}, {0, 121, 190, "3/y"}, {5, kAfter, 190, "=ﾀ3/yﾀ", 1},
                               {3, 40, 270, "(3)"}, {0, 121, 270, "a/b"}, {5, kAfter, 270, "=ﾀa/bﾀ", 1},
                               {3, 40, 350, "(4)"}, {0, 121, 350, "(x+y)/4"},
                               {5, kAfter, 350, "=ﾀx+y/4ﾀ", 1},
                               {7, 640, 30, "問4解答", 1},
                               {3, 640, 110, "(1)"}, {0, 721, 110, "ﾀa/3ﾀ"}, {5, kAfter, 110, "=a/3", 1},
                               {3, 640, 190, "(2)"}, {0, 721, 190, "ﾀ8/tﾀ"}, {5, kAfter, 190, "=8/t", 1},
                               {3, 640, 270, "(3)"}, {0, 721, 270, "ﾀx+y/2ﾀ"},
                               {5, kAfter, 270, "=(x+y)/2", 1},
                               {3, 640, 350, "(4)"}, {0, 721, 350, "ﾀ1/3ﾀ(a-b)"},
                               {5, kAfter, 350, "=(a-b)/3"}},
                              9});
    ExpectScreen(program, 2, {6,
                              {{3, 40, 30, "教科書P61 問5　解答"},
                               {3, 40, 105, "(1)"}, {0, 121, 105, "50*n+30"},
                               {5, kAfter, 105, "=50n+30"},
                               {3, 40, 185, "(2)"}, {0, 121, 185, "x/4-y*4"},
                               {5, kAfter, 185, "=ﾀx/4ﾀ-4y", 1},
                               {3, 40, 265, "教科書P61 問6　解答"},
                               {3, 40, 325, "(1)"}, {0, 121, 325, "1000-5a"},
                               {5, kAfter, 325, "=1000-5*a"},
                               {3, 40, 415, "(2)"}, {0, 121, 415, "3(x+y)-ﾀz/2ﾀ"},
                               {5, kAfter, 415, "=3*(x+y)-z/2"}},
                              1});
}

}  // namespace
