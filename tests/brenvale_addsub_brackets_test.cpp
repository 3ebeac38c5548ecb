// Chapter 2 of Brenvale, items ① to ③: the bracket rules, the example 5
// drill of a term plus and minus a bracket, and the page 72 answers.
// Scripted runs through replay, checked on the operation log; many random
// instances of the drill read back and checked against the algebra.
#include <cmath>
#include <regex>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "tests/brenvale_drill_test_support.h"

namespace {

using namespace terms_testing;
using replay::Result;

// Keys that open chapter 2 from the main menu and choose an item.
std::string Item(int n) { return "2{enter}" + std::to_string(n) + "{enter}"; }

// The width of a text of plain characters as the lesson printer draws it:
// 27 for a half-width character, 32 for "=", 34 for a full-width one.
double Advance(const std::string& utf8) {
    double w = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        unsigned char c = static_cast<unsigned char>(utf8[i]);
        std::size_t n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        w += c < 0x80 ? (c == '=' ? 32 : 27) : 34;
        i += n;
    }
    return w;
}

std::size_t CharCount(const std::string& utf8) {
    std::size_t n = 0;
    for (unsigned char c : utf8) n += (c & 0xC0) != 0x80;
    return n;
}

class AddSubBracketsTest : public ::testing::Test {
protected:
    void TearDown() override { surface::Surface::Shutdown(); }
    brenvale::Brenvale program;
};

// ---- item ①: the bracket rules ----

TEST_F(AddSubBracketsTest, BracketRulesRevealKeyByKeyAndTheBandMakesRoomForPage72) {
    Result r = RunBrenvale(program, Item(1) + Repeat("a", 18));
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    auto item = ItemLog(r.log, "PsLINE 0 0 1760 1300 15 2 15 pen=3");
    ASSERT_FALSE(item.empty());
    EXPECT_EQ(IndicesOf(item, kAnyKeyBox).size(), 18u);

    // The band down to 50 below problem (1)'s second line goes after the
    // twelfth wait.
    auto bands = IndicesOf(item, "PsLINE 0 0 1760 290 15 2 15 pen=3");
    ASSERT_EQ(bands.size(), 1u);
    EXPECT_EQ(IndicesOf(item, kAnyKeyBox, 0, bands[0]).size(), 12u);
    std::vector<std::string> p71(item.begin(), item.begin() + bands[0]);
    std::vector<std::string> p72(item.begin() + bands[0], item.end());

    // Each problem's two answers line up 30 right of the longer line.
    const double column1 = 84 + Advance("②500-(200+180)") + 30;
    const double column2 = 84 + Advance("①それぞれの金額を順にひく方法") + 30;
    const double rule1_end = 30 + Advance("したがって、 a-(b+c)=a-b-c");
    const double task_end = 30 + Advance("P72の絵を使って、 a+(b+c)=a+b+c");
    ExpectLines(p71, {
        {30, 20, "P71「ひろげよう」", {{0, 3}}, 0},
        {30, 80, "(1)500円を出して、200円のメロンパンと180円のクロワッサンを", {{3, 7}, {0, 0}}, 0},
        {84, 130, "買ったときのおつりを求める式はどうなりますか?", {{0, 0}}, 0},
        {84, 190, "①500-200-180", {{1, 7}, {0, 0}}, 1},
        {84, 240, "②500-(200+180)", {{1, 7}, {0, 0}}, 2},
        {column1, 190, "それぞれの金額を順にひく方法", {{0, 3}}, 3},
        {column1, 240, "合計金額をひく方法", {{0, 3}}, 4},
        {30, 310, "(2)a円を出して、b円のメロンパンとc円のクロワッサンを", {{3, 7}, {0, 0}}, 5},
        {84, 360, "買ったときのおつりを求める式はどうなりますか?", {{0, 0}}, 5},
        {84, 420, "①それぞれの金額を順にひく方法", {{1, 7}, {0, 0}}, 6},
        {84, 470, "②合計金額をひく方法", {{1, 7}, {0, 0}}, 6},
        {column2, 420, "a-b-c", {{0, 3}}, 7},
        {column2, 470, "a-(b+c)", {{0, 3}}, 8},
        {30, 530, "したがって、 a-(b+c)=a-b-c", {{6, 0}, {0, 5}}, 9},
        {rule1_end + 40, 530, "数の計算と同じ", {{0, 7}}, 10},
        {30, 590, "P72の絵を使って、 a+(b+c)=a+b+c", {{10, 0}, {0, 5}}, 11},
        {task_end + 20, 590, "となることを説明しよう。", {{0, 0}}, 11},
    });

    const double plain_end = 84 + Advance("①プレーンとチョコレートの合計金額をたすと");
    const double each_end = 84 + Advance("②それぞれの金額を順にたすと");
    const double rule2_end = 30 + Advance("したがって、 a+(b+c)=a+b+c");
    ExpectLines(p72,
                {
                    {30, 20, "P72「説明しよう」例 a円のミックスジュースとb円のプレーン,",
                     {{10, 3}, {1, 7}, {0, 0}}, 12},
                    {84, 70, "c円のチョコレートを買ったときの金額を表す式は、", {{0, 0}}, 12},
                    {84, 130, "①プレーンとチョコレートの合計金額をたすと", {{1, 7}, {0, 0}}, 13},
                    {plain_end + 20, 130, "a+(b+c)", {{0, 3}}, 14},
                    {84, 180, "②それぞれの金額を順にたすと", {{1, 7}, {0, 0}}, 15},
                    {each_end + 20, 180, "a+b+c", {{0, 3}}, 16},
                    {30, 240, "したがって、 a+(b+c)=a+b+c", {{6, 0}, {0, 5}}, 17},
                    {rule2_end + 40, 240, "数の計算と同じ", {{0, 7}}, 18},
                },
                12);
    // The band takes the lines of y 20 to 240 only: problem (2), the rule
    // and the task stay below it.
    for (const auto& g : GlyphsIn(p72)) EXPECT_LT(g.y, 290) << g.ch;
}

TEST_F(AddSubBracketsTest, BracketRulesNeedAllEighteenKeys) {
    for (int keys : {17, 18}) {
        SCOPED_TRACE(keys);
        brenvale::Brenvale fresh;
        Result r = RunBrenvale(fresh, Item(1) + Repeat("a", keys));
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        auto clears = IndicesOf(r.log, "PsLINE 0 0 1760 1300 15 2 15 pen=3");
        ASSERT_EQ(clears.size(), 1u);
        bool back = std::any_of(r.log.begin() + clears[0], r.log.end(), IsItemLineStart);
        EXPECT_EQ(back, keys == 18);
        surface::Surface::Shutdown();
    }
}

// ---- item ②: example 5 ----

const std::string kPass1 = "PsLINE 0 90 2000 1890 15 2 15 ";
const std::string kPass2 = "PsLINE 640 90 2640 1890 15 2 15 ";

// The random numbers that make the drawn values: a and b from 1 + INT(9r),
// c from 2 + INT(9r), the sign from INT(2r) and the letter x, y, a, b from
// 2 + INT(4r).
std::vector<double> Draws(int a, int b, int c, int sign, char letter) {
    int pick = std::string("xyab").find(letter);
    return {(a - 0.5) / 9, (b - 0.5) / 9, (c - 1.5) / 9, (sign + 0.5) / 2, (pick + 0.5) / 4};
}

// The instance parts of a run: pass 5-1's then pass 5-2's, each cut at the
// next instance's erase, the last one of each pass at its step prompt.
struct Passes {
    std::vector<std::vector<std::string>> first, second;
};
Passes PassesOf(const std::vector<std::string>& log) {
    std::size_t second_at = log.size();
    for (std::size_t i = 0; i < log.size(); ++i)
        if (StartsWith(log[i], kPass2)) {
            second_at = i;
            break;
        }
    Passes p;
    p.first = SplitAt(std::vector<std::string>(log.begin(), log.begin() + second_at), kPass1);
    p.second = SplitAt(std::vector<std::string>(log.begin() + second_at, log.end()), kPass2);
    for (auto* pass : {&p.first, &p.second}) {
        if (pass->empty()) continue;
        auto& last = pass->back();
        auto steps = IndicesOf(last, kStepBox);
        if (!steps.empty()) last.resize(steps.back());
    }
    return p;
}

TEST_F(AddSubBracketsTest, Example5DrawsTheWorkedInstances) {
    struct Row {
        int a, b, c, sign;
        char letter;
        const char* lines[4];
    };
    // Pass 5-1: the problem, the form without brackets, the result.
    const Row first[] = {
        {5, 3, 7, 1, 'x', {"5x+(-3x+7)", "=5x-3x+7", "=2x+7"}},
        {5, 3, 7, 0, 'y', {"5y+(3y+7)", "=5y+3y+7", "=8y+7"}},
        {1, 4, 2, 0, 'a', {"a+(4a+2)", "=a+4a+2", "=5a+2"}},
        {3, 3, 5, 0, 'b', {"4b+(3b+5)", "=4b+3b+5", "=7b+5"}},
        {3, 3, 5, 1, 'x', {"4x+(-3x+5)", "=4x-3x+5", "=x+5"}},
        {9, 9, 10, 1, 'x', {"10x+(-9x+10)", "=10x-9x+10", "=x+10"}},
        {2, 1, 6, 0, 'x', {"2x+(x+6)", "=2x+x+6", "=3x+6"}},
        {2, 1, 6, 1, 'y', {"2y+(-y+6)", "=2y-y+6", "=y+6"}},
        {4, 5, 9, 1, 'a', {"4a+(-5a+9)", "=4a-5a+9", "=-a+9"}},
        {6, 7, 2, 1, 'x', {"6x+(-7x+2)", "=6x-7x+2", "=-x+2"}},
        {1, 2, 3, 1, 'b', {"b+(-2b+3)", "=b-2b+3", "=-b+3"}},
    };
    // Pass 5-2: the problem, as an addition, without brackets, the result.
    const Row second[] = {
        {5, 3, 4, 1, 'x', {"5x-(3x-4)", "=5x+(-3x+4)", "=5x-3x+4", "=2x+4"}},
        {5, 3, 4, 0, 'y', {"5y-(-3y-4)", "=5y+(3y+4)", "=5y+3y+4", "=8y+4"}},
        {1, 1, 2, 0, 'x', {"2x-(-x-2)", "=2x+(x+2)", "=2x+x+2", "=3x+2"}},
        {1, 1, 2, 1, 'a', {"2a-(a-2)", "=2a+(-a+2)", "=2a-a+2", "=a+2"}},
        {1, 4, 10, 1, 'b', {"b-(4b-10)", "=b+(-4b+10)", "=b-4b+10", "=-3b+10"}},
        {2, 3, 2, 1, 'x', {"2x-(3x-2)", "=2x+(-3x+2)", "=2x-3x+2", "=-x+2"}},
        {9, 9, 10, 0, 'y', {"10y-(-9y-10)", "=10y+(9y+10)", "=10y+9y+10", "=19y+10"}},
        {9, 9, 10, 1, 'x', {"10x-(9x-10)", "=10x+(-9x+10)", "=10x-9x+10", "=x+10"}},
        {1, 9, 5, 1, 'a', {"a-(9a-5)", "=a+(-9a+5)", "=a-9a+5", "=-8a+5"}},
    };
    std::vector<double> rnd;
    for (const auto& row : first) {
        auto d = Draws(row.a, row.b, row.c, row.sign, row.letter);
        rnd.insert(rnd.end(), d.begin(), d.end());
    }
    for (const auto& row : second) {
        auto d = Draws(row.a, row.b, row.c, row.sign, row.letter);
        rnd.insert(rnd.end(), d.begin(), d.end());
    }
    const int n1 = std::size(first), n2 = std::size(second);
    Result r = RunBrenvale(program,
                           Item(2) + Repeat("aa2{enter}", n1 - 1) + "aa1{enter}" + "a" +
                               Repeat("aaa0{enter}", n2 - 1) + "aaa1{enter}" + "a",
                           rnd);
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    Passes p = PassesOf(r.log);
    ASSERT_EQ(p.first.size(), std::size_t(n1));
    ASSERT_EQ(p.second.size(), std::size_t(n2));

    for (int k = 0; k < n1; ++k) {
        SCOPED_TRACE(first[k].lines[0]);
        auto glyphs = GlyphsIn(p.first[k]);
        const std::pair<double, double> at[3] = {{127, 90}, {100, 145}, {100, 200}};
        for (int n = 0; n < 3; ++n) {
            Line line = LineAt(glyphs, at[n].first, at[n].second);
            EXPECT_EQ(line.text, first[k].lines[n]);
            EXPECT_EQ(line.colours, ColourRuns(line.colours.size(), {{0, n == 2 ? 5 : 0}}));
        }
        // A wait after each of the first two lines.
        EXPECT_EQ(IndicesOf(p.first[k], kAnyKeyBox).size(), 2u);
    }
    for (int k = 0; k < n2; ++k) {
        const Row& row = second[k];
        SCOPED_TRACE(row.lines[0]);
        auto glyphs = GlyphsIn(p.second[k]);
        const std::pair<double, double> at[4] = {{727, 90}, {700, 140}, {700, 195}, {700, 250}};
        std::vector<Line> lines;
        for (int n = 0; n < 4; ++n) {
            lines.push_back(LineAt(glyphs, at[n].first, at[n].second));
            EXPECT_EQ(lines[n].text, row.lines[n]);
        }
        // The minus of the problem in colour 3; in the addition the "+" and
        // the bracket's changed terms.
        std::string problem = row.lines[0];
        std::size_t minus = problem.find("-(");
        EXPECT_EQ(lines[0].colours,
                  ColourRuns(lines[0].colours.size(), {{int(minus), 0}, {1, 3}, {0, 0}}));
        std::string addition = row.lines[1];
        std::size_t plus = addition.find("+(");
        std::size_t inside = addition.size() - plus - 3;
        EXPECT_EQ(lines[1].colours, ColourRuns(lines[1].colours.size(), {{int(plus), 0},
                                                                   {1, 3},
                                                                   {1, 0},
                                                                   {int(inside), 3},
                                                                   {1, 0}}));
        EXPECT_EQ(lines[2].colours, ColourRuns(lines[2].colours.size(), {{0, 0}}));
        EXPECT_EQ(lines[3].colours, ColourRuns(lines[3].colours.size(), {{0, 5}}));
        EXPECT_EQ(IndicesOf(p.second[k], kAnyKeyBox).size(), 3u);
    }
}

TEST_F(AddSubBracketsTest, Example5RulesStandUnderTheLastInstances) {
    Result r = RunBrenvale(program, Item(2) + "aa2{enter}" + "aa1{enter}" + "a" + "aaa1{enter}" + "a");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    auto item = ItemLog(r.log, "PsLINE 0 0 1320 1300 15 2 15 pen=3");
    ASSERT_FALSE(item.empty());
    // Waits: two per 5-1 instance, the rule's, three for the 5-2 instance,
    // the rule's; nothing waits after the textbook line.
    ExpectLines(item, {
        {40, 30, "例5-1　次の計算をしなさい。", {{0, 0}}, 0},
        {40, 280, "かっこを省き、", {{0, 5}}, 4},
        {40, 330, "文字の部分が同じ項どうし、", {{0, 3}}, 4},
        {40, 380, "を計算する。", {{0, 3}}, 4},
        {640, 30, "例5-2　次の計算をしなさい。", {{0, 0}}, 5},
        {640, 330, "符号を変えて加える。(- → +)", {{10, 5}, {0, 3}}, 8},
        {640, 380, "( )の中の符号もすべて変える。", {{0, 5}}, 8},
        {120, 460, "教科書P72 問4　をやろう。", {{0, 7}}, 9},
    });
    EXPECT_EQ(IndicesOf(item, kAnyKeyBox).size(), 9u);
    // Each heading once; the left half's last instance stays through 5-2,
    // whose erases start at x 640.
    auto glyphs = GlyphsIn(item);
    EXPECT_EQ(std::count_if(glyphs.begin(), glyphs.end(),
                            [](const Glyph& g) { return g.x == 40 && g.y == 30; }),
              1);
    EXPECT_EQ(SplitAt(item, kPass1).size(), 2u);
    EXPECT_EQ(SplitAt(item, kPass2).size(), 1u);
}

TEST_F(AddSubBracketsTest, Example5HighestDrawsStayInRange) {
    Result r = RunBrenvale(program, Item(2) + "aa1{enter}a" + "aaa1{enter}a",
                           std::vector<double>(10, 0.99999994));
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    Passes p = PassesOf(r.log);
    ASSERT_EQ(p.first.size(), 1u);
    ASSERT_EQ(p.second.size(), 1u);
    auto g1 = GlyphsIn(p.first[0]);
    EXPECT_EQ(LineAt(g1, 127, 90).text, "10b+(-9b+10)");
    EXPECT_EQ(LineAt(g1, 100, 200).text, "=b+10");
    auto g2 = GlyphsIn(p.second[0]);
    EXPECT_EQ(LineAt(g2, 727, 90).text, "10b-(9b-10)");
    EXPECT_EQ(LineAt(g2, 700, 140).text, "=10b+(-9b+10)");
    EXPECT_EQ(LineAt(g2, 700, 250).text, "=b+10");
}

// ---- many instances with random clocks ----

struct Tally {
    std::set<int> a, b, c;
    std::set<char> letters;
    int instances = 0;
};

// Pass 5-1: L a + (b L + c).
void CheckFirstPass(const std::vector<std::string>& part, Tally& tally) {
    auto glyphs = GlyphsIn(part);
    std::string problem = LineAt(glyphs, 127, 90).text;
    std::string bare = LineAt(glyphs, 100, 145).text;
    std::string result = LineAt(glyphs, 100, 200).text;
    SCOPED_TRACE(problem);
    static const std::regex form(R"(^(\d*)([xyab])\+\((-?\d*)\2\+(\d+)\)$)");
    std::smatch m;
    ASSERT_TRUE(std::regex_match(problem, m, form));
    for (const auto& t : {problem, bare, result}) ExpectWellWritten(t);
    const std::string L = m[2];
    std::vector<Term> terms;
    ASSERT_TRUE(ReadTerms(m[1].str() + L, terms));
    const int a = terms[0].coefficient;
    ASSERT_TRUE(ReadTerms(m[3].str() + L, terms));
    const int b = terms[0].coefficient;
    const int c = std::stoi(m[4]);
    EXPECT_TRUE(a >= 1 && a <= 10 && std::abs(b) >= 1 && std::abs(b) <= 9 && a != std::abs(b));
    if (a == 10) {
        EXPECT_EQ(std::abs(b), 9);
    }
    EXPECT_TRUE(c >= 2 && c <= 10);
    EXPECT_EQ(bare, "=" + Written(a, L, true) + Written(b, L, false) + "+" + std::to_string(c));
    ASSERT_TRUE(ReadTerms(result, terms)) << result;
    ASSERT_EQ(terms.size(), 2u) << result;
    EXPECT_EQ(terms[0].coefficient, a + b);
    EXPECT_EQ(terms[0].letter, L[0]);
    EXPECT_EQ(terms[1].coefficient, c);
    EXPECT_EQ(terms[1].letter, '\0');
    tally.a.insert(a);
    tally.b.insert(b);
    tally.c.insert(c);
    tally.letters.insert(L[0]);
    ++tally.instances;
}

// Pass 5-2: a L - (-b L - c).
void CheckSecondPass(const std::vector<std::string>& part, Tally& tally) {
    auto glyphs = GlyphsIn(part);
    std::string problem = LineAt(glyphs, 727, 90).text;
    std::string addition = LineAt(glyphs, 700, 140).text;
    std::string bare = LineAt(glyphs, 700, 195).text;
    std::string result = LineAt(glyphs, 700, 250).text;
    SCOPED_TRACE(problem);
    static const std::regex form(R"(^(\d*)([xyab])-\((-?\d*)\2-(\d+)\)$)");
    std::smatch m;
    ASSERT_TRUE(std::regex_match(problem, m, form));
    for (const auto& t : {problem, addition, bare, result}) ExpectWellWritten(t);
    const std::string L = m[2];
    std::vector<Term> terms;
    ASSERT_TRUE(ReadTerms(m[1].str() + L, terms));
    const int a = terms[0].coefficient;
    ASSERT_TRUE(ReadTerms(m[3].str() + L, terms));
    const int b = -terms[0].coefficient;
    const int c = std::stoi(m[4]);
    EXPECT_TRUE(a >= 1 && a <= 10 && std::abs(b) >= 1 && std::abs(b) <= 9 && a != std::abs(b));
    EXPECT_TRUE(c >= 2 && c <= 10);
    const std::string cs = "+" + std::to_string(c);
    EXPECT_EQ(addition, "=" + Written(a, L, true) + "+(" + Written(b, L, true) + cs + ")");
    EXPECT_EQ(bare, "=" + Written(a, L, true) + Written(b, L, false) + cs);
    ASSERT_TRUE(ReadTerms(result, terms)) << result;
    ASSERT_EQ(terms.size(), 2u) << result;
    EXPECT_EQ(terms[0].coefficient, a + b);
    EXPECT_EQ(terms[0].letter, L[0]);
    EXPECT_EQ(terms[1].coefficient, c);
    // The right half only: nothing but the prompts left of x 640.
    for (const auto& line : part) {
        Extent e;
        if (ExtentOf(line, e) && e.left < 640) {
            EXPECT_GE(e.top, 639) << line;
        }
    }
    tally.a.insert(a);
    tally.b.insert(b);
    tally.c.insert(c);
    tally.letters.insert(L[0]);
    ++tally.instances;
}

// 512 instances of each pass: each shard runs the item twice, at random
// clocks, with 64 instances of each pass a run.
constexpr int kShards = 4;
constexpr int kRunsPerShard = 2;
constexpr int kInstancesPerRun = 64;

class Example5ManyTest : public AddSubBracketsTest, public ::testing::WithParamInterface<int> {};

TEST_P(Example5ManyTest, EveryInstanceIsWrittenWellAndAddsUp) {
    Tally first, second;
    for (const auto& clock : ShardClocks(GetParam(), kRunsPerShard)) {
        SCOPED_TRACE("--clock " + clock);
        brenvale::Brenvale fresh;
        std::string keys = Item(2) + Repeat("aa2{enter}", kInstancesPerRun - 1) + "aa1{enter}a" +
                           Repeat("aaa2{enter}", kInstancesPerRun - 1) + "aaa1{enter}a";
        Result r = RunBrenvale(fresh, keys, {}, clock);
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        Passes p = PassesOf(r.log);
        ASSERT_EQ(p.first.size(), std::size_t(kInstancesPerRun));
        ASSERT_EQ(p.second.size(), std::size_t(kInstancesPerRun));
        for (const auto& part : p.first) CheckFirstPass(part, first);
        for (const auto& part : p.second) CheckSecondPass(part, second);
        CheckNothingOutsideTheWindow(r.log);
        surface::Surface::Shutdown();
    }
    for (const Tally* t : {&first, &second}) {
        EXPECT_EQ(t->instances, kRunsPerShard * kInstancesPerRun);
        for (int v = 1; v <= 9; ++v) EXPECT_TRUE(t->a.count(v)) << "a " << v;
        for (int v = 2; v <= 10; ++v) EXPECT_TRUE(t->c.count(v)) << "c " << v;
        // Every size of b, and b of both signs.
        std::set<int> sizes;
        for (int b : t->b) sizes.insert(std::abs(b));
        EXPECT_EQ(sizes, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
        EXPECT_LT(*t->b.begin(), 0);
        EXPECT_GT(*t->b.rbegin(), 0);
        EXPECT_EQ(t->letters, (std::set<char>{'a', 'b', 'x', 'y'}));
    }
}

INSTANTIATE_TEST_SUITE_P(Shards, Example5ManyTest, ::testing::Range(0, kShards));

// ---- item ③: the page 72 answers ----

TEST_F(AddSubBracketsTest, Page72AnswersFollowTheOneKey) {
    Result r = RunBrenvale(program, Item(3) + "a");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    auto item = ItemLog(r.log, "PsLINE 0 0 1320 1300 15 2 15 pen=3");
    ASSERT_FALSE(item.empty());
    EXPECT_EQ(IndicesOf(item, kAnyKeyBox).size(), 1u);

    // Each result follows its last working line directly, in colour 5.
    auto line = [](const char* working, const char* result) {
        return std::string(working) + result;
    };
    auto runs = [](const char* working) {
        return std::vector<std::pair<int, int>>{{int(CharCount(working)), 0}, {0, 5}};
    };
    ExpectLines(item, {
        {94, 30, "教科書P72 問4　解答", {{0, 3}}, 0},
        {40, 90, "(1)2x+(5-x)", {{3, 3}, {0, 0}}, 1},
        {94, 140, "=2x+5-x", {{0, 0}}, 1},
        {94, 190, line("=2x-x+5", "=x+5"), runs("=2x-x+5"), 1},
        {40, 250, "(2)6y-3+(-4y-3)", {{3, 3}, {0, 0}}, 1},
        {94, 300, "=6y-3-4y-3", {{0, 0}}, 1},
        {94, 350, line("=6y-4y-3-3", "=2y-6"), runs("=6y-4y-3-3"), 1},
        {40, 410, "(3)4x-(x-1)", {{3, 3}, {0, 0}}, 1},
        {94, 460, line("=4x-x+1", "=3x+1"), runs("=4x-x+1"), 1},
        {40, 520, "(4)7x-(-8x+2)", {{3, 3}, {0, 0}}, 1},
        {94, 570, line("=7x+8x-2", "=15x-2"), runs("=7x+8x-2"), 1},
        {640, 90, "(5)-5a-1-(7-7a)", {{3, 3}, {0, 0}}, 1},
        {694, 140, "=-5a-1-7+7a", {{0, 0}}, 1},
        {694, 190, line("=-5a+7a-1-7", "=2a-8"), runs("=-5a+7a-1-7"), 1},
    });
    // Problem (6) holds stacked fractions, its lines 70 apart.
    std::size_t last = 0;
    for (const auto& [colour, x, y, text] : std::vector<std::tuple<int, double, double, const char*>>{
             {3, 640, 260, "(6)"},
             {0, 694, 260, " 3y+2-(ﾀ1/2ﾀy+1)"},
             {0, 694, 330, "=3y+2-ﾀ1/2ﾀy-1"},
             {0, 694, 400, "=3y-ﾀ1/2ﾀy+2-1"},
             {0, 694, 470, "=ﾀ6/2ﾀy-ﾀ1/2ﾀy+2-1"}}) {
        SCOPED_TRACE(text);
        std::size_t at = FindBlock(item, Reference(colour, x, y, text));
        ASSERT_NE(at, std::string::npos);
        EXPECT_GT(at, last);
        last = at;
    }
    // The result right after the last working line, where the printer's pen
    // ends it.
    double pen = 0;
    Reference(0, 694, 470, "=ﾀ6/2ﾀy-ﾀ1/2ﾀy+2-1", &pen);
    std::size_t result = FindBlock(item, Reference(5, pen, 470, "=ﾀ5/2ﾀy+1"));
    ASSERT_NE(result, std::string::npos);
    EXPECT_GT(result, last);
}

}  // namespace
