// Chapter 1 of Morquist: the magnet introduction with its figure, table and
// drill, and the fixed screens of worked examples and textbook answers.
// Scripted runs through replay, checked on the operation log.
#include <map>
#include <regex>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "tests/morquist_test_support.h"

namespace {

using namespace morquist_testing;
using replay::Result;

// Keys that open chapter 1 from the main menu and choose an item.
std::string Item(int n) { return "1{enter}" + std::to_string(n) + "{enter}"; }

class LettersTest : public ::testing::Test {
protected:
    void TearDown() override { surface::Surface::Shutdown(); }
    morquist::Morquist program;
};

// ---- item ①: the magnet introduction ----

// The key waits of the figure and table before the drill.
constexpr int kIntroWaits = 22;

// The four magnet discs of a sheet whose top-left corner is (x, 90).
void AddSheet(std::multiset<std::string>& discs, double x) {
    for (auto [dx, dy] : {std::pair{15.0, 15.0}, {15.0, 105.0}, {145.0, 105.0}, {145.0, 15.0}})
        discs.insert("PsCIRCLE " + surface::LogNumber(x + dx) + " " + surface::LogNumber(90 + dy) +
                     " 6 3 1 0 0 1 3 pen=5");
}

// The cell of the magnet row at x and its text as drawn after it.
struct Cell {
    std::size_t index = std::string::npos;
    std::string text;
    int colour = -1;
};
Cell LastCellAt(const std::vector<std::string>& log, double x, std::size_t end) {
    const std::string box = "PsLINE " + surface::LogNumber(x) + " 280 " +
                            surface::LogNumber(x + 90) + " 330 3 2 15 pen=5";
    Cell c;
    for (std::size_t i = 0; i < end; ++i)
        if (log[i] == box) c.index = i;
    if (c.index == std::string::npos) return c;
    for (std::size_t i = c.index + 1; i < log.size() && IsText(log[i]); ++i) {
        Drawn d = ParseText(log[i]);
        c.text += d.text;
        c.colour = d.colour;
    }
    return c;
}

TEST_F(LettersTest, MagnetIntroBuildsFigureTableAndCount) {
    Result r = RunMorquist(program, Item(1) + Repeat("a", kIntroWaits) + "aa1{enter}a", {0.0});
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    const auto& log = r.log;
    auto clears = IndicesOf(log, kItemClear);
    ASSERT_EQ(clears.size(), 1u);
    const std::size_t start = clears[0];
    const std::size_t end = NextItemLine(log, start);
    ASSERT_NE(end, std::string::npos) << "the sub-menu comes back after the item";
    EXPECT_EQ(IndicesOf(log, kAnyKeyBox, start, end).size(), std::size_t(kIntroWaits + 3));
    EXPECT_EQ(IndicesOf(log, kStepBox, start, end).size(), 1u);

    // The row is drawn twice: four sheets 130 apart, then two more after the
    // ellipsis. A sheet's right magnets lie on the next one's left magnets.
    const double right_two = program.U_a(2);
    std::multiset<std::string> want, discs;
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < 4; ++i) AddSheet(want, 80 + 130 * i);
        for (int i = 0; i < 2; ++i) AddSheet(want, right_two + 130 * i);
    }
    for (std::size_t i = start; i < end; ++i)
        if (StartsWith(log[i], "PsCIRCLE ") && log[i].find(" 6 3 1 0 0 1 3 ") != std::string::npos)
            discs.insert(log[i]);
    EXPECT_EQ(discs.size(), 48u);
    EXPECT_EQ(discs, want);
    // Distinct magnet points: 2 × 4 + 2 in the first run, 2 × 2 + 2 in the second.
    EXPECT_EQ(std::set<std::string>(discs.begin(), discs.end()).size(), 16u);
    // The ellipsis ends before the first of the last two sheets, which stands
    // clear of the fourth.
    EXPECT_GT(right_two, 630);

    // The magnet row: the first counts in colour 0, the growth and the total
    // in colour 5; each revealed after its sheet and a key.
    struct WantCell {
        double x;
        const char* text;
        int colour;
        int waits_before;  // since the item started
    };
    for (const WantCell& w : {WantCell{365, "4", 0, 3}, {455, "6", 0, 5}, {545, "8", 5, 7},
                              {635, "10", 5, 9}, {815, "62", 5, 11}}) {
        SCOPED_TRACE(w.text);
        Cell c = LastCellAt(log, w.x, end);
        ASSERT_NE(c.index, std::string::npos);
        EXPECT_EQ(c.text, w.text);
        EXPECT_EQ(c.colour, w.colour);
        EXPECT_EQ(IndicesOf(log, kAnyKeyBox, start, c.index).size(), std::size_t(w.waits_before));
    }
    // The row heads, 285 wide, in the first column.
    for (auto [y, fill, head] : {std::tuple{230, 13, "画用紙(枚)"}, {280, 15, "マグネット(個)"}}) {
        SCOPED_TRACE(head);
        const std::string box = "PsLINE 80 " + std::to_string(y) + " 365 " + std::to_string(y + 50) +
                                " 3 2 " + std::to_string(fill) + " pen=5";
        auto at = IndicesOf(log, box, start, end);
        ASSERT_FALSE(at.empty());
        std::string text;
        for (std::size_t k = at[0] + 1; IsText(log[k]); ++k) {
            text += ParseText(log[k]).text;
            EXPECT_EQ(ParseText(log[k]).colour, 0);
        }
        EXPECT_EQ(text, head);
    }
    // The first table: the header row, and the magnet row empty but for "…".
    const double xs[6] = {365, 455, 545, 635, 725, 815};
    const char* const headers[6] = {"1", "2", "3", "4", "…", "30"};
    for (int j = 0; j < 6; ++j) {
        SCOPED_TRACE(headers[j]);
        const std::string top = "PsLINE " + surface::LogNumber(xs[j]) + " 230 " +
                                surface::LogNumber(xs[j] + 90) + " 280 3 2 13 pen=5";
        auto at = IndicesOf(log, top, start, end);
        ASSERT_EQ(at.size(), 1u);
        std::string text;
        std::size_t k = at[0] + 1;
        for (; IsText(log[k]); ++k) text += ParseText(log[k]).text;
        EXPECT_EQ(text, headers[j]);
        // Its magnet cell follows it; only the "…" column holds text.
        const std::string bottom = "PsLINE " + surface::LogNumber(xs[j]) + " 280 " +
                                   surface::LogNumber(xs[j] + 90) + " 330 3 2 15 pen=5";
        ASSERT_EQ(log[k], bottom);
        EXPECT_EQ(IsText(log[k + 1]), j == 4) << log[k + 1];
    }

    // Texts, in order, with the waits between them.
    const double last_sheet = right_two + 130;
    std::size_t after_count = ExpectScript(log, {
        {7, 30, 20, "P57 "},
        {3, kAfter, 20, "30枚の画用紙をとめるのに必要なマグネットの個数はいくつ？"},
        {0, 640, 125, "……"},
        {3, last_sheet + 30, 125, "30枚", 10},
        {0, 640, 125, "……"},
        {3, last_sheet + 30, 125, "30枚", 2},
        {0, 80, 360, "2*30+2=", 1},
        {0, kAfter, 360, "60+2=", 1},
        {3, kAfter, 360, "62", 1},
    }, start);
    // The marks: the two left magnets of each sheet in colour 7 (2 × 30),
    // then the last sheet's right magnets in colour 5 (+ 2), a key after each.
    std::vector<double> marked = {95, 225, 355, 485, right_two + 15, last_sheet + 15};
    std::size_t at = after_count;
    for (double x : marked) {
        const std::string mark = "PsLINE " + surface::LogNumber(x) + " 105 " +
                                 surface::LogNumber(x) + " 195 7 0 0 pen=5";
        auto found = IndicesOf(log, mark, at, end);
        ASSERT_EQ(found.size(), 1u) << mark;
        EXPECT_EQ(IndicesOf(log, kAnyKeyBox, at, found[0]).size(), 1u) << mark;
        at = found[0];
    }
    const std::string plus_two = "PsLINE " + surface::LogNumber(last_sheet + 145) + " 105 " +
                                 surface::LogNumber(last_sheet + 145) + " 195 5 0 0 pen=5";
    auto found = IndicesOf(log, plus_two, at, end);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(IndicesOf(log, kAnyKeyBox, at, found[0]).size(), 1u);

    // The drill for 5 sheets, and the page 58 pointer after one more key.
    std::size_t drill = ExpectScript(log, {
        {3, 30, 430, "Q 画用紙5枚をとめるとき、マグネットの個数は?", 1},
        {0, 80, 480, "2*5+2=", 1},
        {5, kAfter, 480, "12(個)", 1},
        {7, 80, 540, "教科書P58 問1 をしなさい。"},
    }, found[0], 1);
    EXPECT_EQ(IndicesOf(log, kStepBox, found[0], drill).size(), 1u);
    EXPECT_EQ(drill, end) << "the sub-menu follows the pointer at once";
    // The pen is left at 5: the sub-menu's cursor dot is drawn with it.
    EXPECT_EQ(log.back(), "PsCIRCLE 1064 656 4 5 1 0 0 1 5 pen=5");
}

TEST_F(LettersTest, MagnetDrillAtItsLargestAndEndingWithoutThePointer) {
    // 99 sheets; no key after the step prompt's 1: the pointer waits for it.
    Result r = RunMorquist(program, Item(1) + Repeat("a", kIntroWaits) + "aa1{enter}", {0.9999});
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    const auto& log = r.log;
    std::size_t start = IndicesOf(log, kItemClear)[0];
    std::size_t drill = ExpectScript(log, {
        {3, 30, 430, "Q 画用紙99枚をとめるとき、マグネットの個数は?", 1},
        {0, 80, 480, "2*99+2=", 1},
        {5, kAfter, 480, "200(個)"},
    }, start, kIntroWaits);
    EXPECT_EQ(IndicesOf(log, kAnyKeyBox, drill).size(), 1u);
    EXPECT_EQ(NextItemLine(log, drill), std::string::npos);
    for (std::size_t i = drill; i < log.size(); ++i)
        EXPECT_FALSE(IsText(log[i]) && ParseText(log[i]).y == 540) << log[i];
}

// Many passes over several clocks: every question reads back, its count is
// 2n + 2, and n stays in 5 to 99.
TEST_F(LettersTest, MagnetDrillPassesAreSound) {
    const std::regex question("Q画用紙([0-9]+)枚をとめるとき、マグネットの個数は\\?");
    const std::regex formula("2×([0-9]+)\\+2=");
    const std::regex answer("([0-9]+)\\(個\\)");
    std::set<int> seen;
    int passes = 0;
    for (const char* clock : {"10:11:12", "13:14:15"}) {
        SCOPED_TRACE(clock);
        Result r = RunMorquist(program,
                               Item(1) + Repeat("a", kIntroWaits) + Repeat("aa0{enter}", 249) +
                                   "aa1{enter}a",
                               {}, clock);
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        auto parts = SplitAt(r.log, "PsLINE 30 430 1630 530 15 2 15 ");
        ASSERT_EQ(parts.size(), 250u);
        for (const auto& part : parts) {
            std::string q, f, a;
            for (const Glyph& g : GlyphsIn(part)) {
                if (g.y == 430 && g.colour == 3) q += g.ch;
                if (g.y == 480 && g.colour == 0) f += g.ch;
                if (g.y == 480 && g.colour == 5) a += g.ch;
            }
            std::smatch mq, mf, ma;
            ASSERT_TRUE(std::regex_match(q, mq, question)) << q;
            ASSERT_TRUE(std::regex_match(f, mf, formula)) << f;
            ASSERT_TRUE(std::regex_match(a, ma, answer)) << a;
            int n = std::stoi(mq[1]);
            EXPECT_EQ(std::stoi(mf[1]), n);
            EXPECT_EQ(std::stoi(ma[1]), 2 * n + 2);
            EXPECT_GE(n, 5);
            EXPECT_LE(n, 99);
            seen.insert(n);
            ++passes;
        }
    }
    EXPECT_EQ(passes, 500);
    EXPECT_GT(seen.size(), 80u);
}

TEST_F(LettersTest, SecondVisitShowsTheTableAfresh) {
    // A drill pass rewrites every number text; the table of the next visit
    // must still show its empty cells.
    Result r = RunMorquist(program, Item(1) + Repeat("a", kIntroWaits) + "aa1{enter}a" + "1{enter}a",
                           {0.5});
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    const auto& log = r.log;
    // The second visit clears with the pen width the first one left.
    auto clears = IndicesOf(log, kItemClear);
    ASSERT_EQ(clears.size(), 1u);
    clears.push_back(FindBlock(log, {"PsLINE 0 0 1760 1300 15 2 15 pen=5"}, clears[0]));
    ASSERT_NE(clears[1], std::string::npos);
    for (const char* cell : {"PsLINE 365 280 455 330 3 2 15 pen=5", "PsLINE 455 280 545 330 3 2 15 pen=5"}) {
        auto at = IndicesOf(log, cell, clears[1]);
        ASSERT_FALSE(at.empty());
        EXPECT_FALSE(IsText(log[at[0] + 1])) << log[at[0] + 1];
    }
}

// ---- the fixed screens ----

TEST_F(LettersTest, Problem1AnswerScreen) {
    double label_end = 0, formula_end = 0;
    Reference(3, 40, 560, "必要なﾏｸﾞﾈｯﾄ", &label_end);
    Reference(5, 244, 490, "2*6+2", &formula_end);
    const double r = formula_end + 200;
    ExpectScreen(program, 1, {2,
                           {{0, 40, 30, "問1解答"},
                            {3, 40, 80, "画用紙の"},
                            {3, 40, 130, "枚数(枚)"},
                            {3, 244, 80, "必要なﾏｸﾞﾈｯﾄの"},
                            {3, 244, 130, "個数(個)"},
                            {3, 84, 190, "1"},
                            {3, 84, 250, "2"},
                            {3, 84, 310, "3"},
                            {3, 84, 370, "4"},
                            {3, 84, 430, "5"},
                            {3, 84, 490, "6", 1},
                            {5, 244, 190, "2*1+2", 1},
                            {5, 244, 250, "2*2+2", 1},
                            {5, 244, 310, "2*3+2", 1},
                            {5, 244, 370, "2*4+2", 1},
                            {5, 244, 430, "2*5+2", 1},
                            {5, 244, 490, "2*6+2", 1},
                            {3, 40, 560, "必要なﾏｸﾞﾈｯﾄ"},
                            {3, 40, 610, "の個数"},
                            {3, label_end, 585, "=2*"},
                            {5, kAfter, 585, "(画用紙の枚数)"},
                            {3, kAfter, 585, "+2", 1},
                            {7, r, 30, "Q1"},
                            {0, kAfter, 30, "数の代わりに画用紙の枚数が"},
                            {3, kAfter, 30, "a"},
                            {0, kAfter, 30, "枚として、"},
                            {0, r, 80, "必要なﾏｸﾞﾈｯﾄの個数を表しなさい。", 1},
                            {5, r, 130, "答　2*a+2(個)", 1},
                            {7, r, 190, "Q2 "},
                            {3, kAfter, 190, "aが10"},
                            {0, kAfter, 190, "のとき"},
                            {0, r, 240, "必要なﾏｸﾞﾈｯﾄの個数は何個ですか。", 1},
                            {3, r, 290, "2*10+2=22 だから"},
                            {5, r, 340, "答　22個"}},
                           11});
}

TEST_F(LettersTest, WorkedExamplesQ3AndQ4) {
    std::vector<Step> steps = {
        {7, 40, 30, "Q3 "},
        {0, kAfter, 30, "1冊90円のノートx冊の代金を、"},
        {0, 40, 80, "文字を使った式で表しなさい。", 1},
        {3, 40, 130, "(代金)＝(単価)*(冊数)", 1},
    };
    // Each value 50 past the end of its own case text.
    const char* const cases[5][2] = {{"1冊…90*1", "90円"},   {"2冊…90*2", "180円"},
                                     {"3冊…90*3", "270円"},  {"△冊…", "90*△(円)"},
                                     {"x冊…", "90*x(円)"}};
    for (int k = 0; k < 5; ++k) {
        double y = 180 + 50 * k, end = 0;
        Reference(0, 40, y, cases[k][0], &end);
        steps.push_back({0, 40, y, cases[k][0], 1});
        steps.push_back({3, end + 50, y, cases[k][1], 1});
    }
    for (const Step& s : std::vector<Step>{
             {5, 40, 430, "　＜文字式＞"},
             {3, 40, 480, "①　文字(a,b,x…)を使った式"},
             {3, 40, 530, "②　○、△のかわりに"},
             {3, 40, 580, "　　aやxを使って式に表す。", 1},
             {7, 680, 30, "Q4 "},
             {0, kAfter, 30, "1個agのかんづめ8個を、"},
             {0, 680, 80, "200gの箱に入れたとき、"},
             {0, 680, 130, "全体の重さを表す式を書きなさい。", 1},
             {3, 680, 180, "全体の重さは、"},
             {3, 680, 230, "(1個の重さ)*8+200(g)"},
             {0, 680, 280, "だから", 1},
             {5, 680, 330, "答　a*8+200(g)", 1},
             {7, 680, 400, "教科書P59"},
             {7, 680, 450, "問2 をしなさい。"}})
        steps.push_back(s);
    ExpectScreen(program, 1, {3, steps, 16});
}

TEST_F(LettersTest, TextbookAnswerScreens) {
    ExpectScreen(program, 1, {4,
                           {{3, 40, 30, "教科書P57　問2解答"},
                            {3, 40, 80, "(1)"},
                            {0, 110, 80, "ボールb個の重さ…135*b (g)"},
                            {0, 110, 130, "ボールケースの重さを加えると", 1},
                            {5, 110, 180, "135*b+1500 (g)", 1},
                            {3, 40, 260, "(2)"},
                            {0, 110, 260, "1個x円のドーナツ6個の代金…x*6 (円）"},
                            {0, 110, 310, "おつりは1000円からドーナツの代金をひけばよいから", 1},
                            {5, 110, 360, "1000-x*6（円）"}},
                           3});
    ExpectScreen(program, 1, {6,
                           {{3, 40, 30, "教科書P59　問3解答"},
                            {3, 40, 80, "(1)"},
                            {0, 110, 80, "100円硬貨x枚の金額…100*x (円)", 1},
                            {0, 110, 130, "10円硬貨y枚の金額…10*y (円)", 1},
                            {0, 110, 180, "だから、あわせて"},
                            {5, 110, 230, "100*x＋10*y (円)", 1},
                            {3, 40, 310, "(2)"},
                            {0, 110, 310, "2人がけの座席にすわれる人数…2*a (人)", 1},
                            {0, 110, 360, "3人がけの座席にすわれる人数…3*b (人)", 1},
                            {0, 110, 410, "だから、あわせて"},
                            {5, 110, 460, "2*a+3*b (人)"}},
                           5});
    ExpectScreen(program, 1, {7,
                           {{3, 40, 30, "教科書P59　練習問題解答"},
                            {3, 40, 80, "(1)"},
                            {0, 110, 80, "長さ5cmのひもx本の長さ…5*x（cm）", 1},
                            {0, 110, 130, "残りの長さは、ひけばよいから", 1},
                            {5, 110, 180, "a-5*x (cm)", 1},
                            {3, 40, 260, "(2)"},
                            {0, 110, 260, "三角形の面積は、(底辺)*(高さ)/2 だから", 1},
                            {5, 110, 310, "a*h/2 (cm^2)"}},
                           4});
}

TEST_F(LettersTest, Example1TotalPrice) {
    const char* const labels[3] = {"1冊120円のノートa冊の代金…", "1本100円のボールペンb本の代金…",
                                   "あわせて…"};
    const double ys[3] = {180, 250, 320};
    double ends[3];
    for (int i = 0; i < 3; ++i) Reference(0, 40, ys[i], labels[i], &ends[i]);
    ExpectScreen(program, 1, {5,
                           {{7, 40, 30, "例1 "},
                            {0, kAfter, 30, "1冊120円のノートa冊と1本100円のボールペンb本を"},
                            {0, 40, 80, "買ったときの代金を表す式を書きなさい。"},
                            {3, 40, 130, "<解答>", 1},
                            {0, 40, 180, labels[0]},
                            {0, 40, 250, labels[1]},
                            {0, 40, 320, labels[2], 1},
                            {3, ends[0], 180, "120*a(円)", 1},
                            {3, ends[1], 250, "100*b(円)", 1},
                            {5, ends[2], 320, "120*a+100*b(円)", 1},
                            {7, 40, 390, "教科書P59 問3 をしなさい。"}},
                           5});
}

// "座" ends in the fraction mark's byte: the seat line is drawn as plain
// characters, with no fraction bar among them.
TEST_F(LettersTest, MarkupBytesInsideKanjiDrawNoMarkup) {
    Result r = RunMorquist(program, Item(6) + "aaa");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    std::string seat;
    for (const Drawn& d : TextsIn(r.log))
        if (d.y == 310 && d.colour == 0) seat += d.text;
    EXPECT_EQ(seat.rfind("2人がけの座席にすわれる人数…2", 0), 0u) << seat;
}

}  // namespace
