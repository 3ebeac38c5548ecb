// Chapter 3 of Morquist, item ⑤: the ratio drill: the fixed table, then the
// drills on 1000 yen and on a letter amount. Chosen instances through
// replay, and long runs whose every pass is read back from the log and
// checked: amounts 100N, 10P, 10Q and 100W, fractions equal to their ratio
// and in lowest terms.
#include <numeric>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "tests/morquist_quantities_test_support.h"

namespace {

using namespace quantities_testing;
using replay::Result;

const std::string kAmountBand = "PsLINE 0 200 1760 350 15 2 15 pen=5";
const std::string kLetterBand = "PsLINE 0 440 1760 590 15 2 15 pen=5";

// The random number that draws k in INT(RND × n) + 1.
double Pick(int k, int n) { return (k - 0.5) / n; }

// Keys: the table's five waits; then the passes of each drill, 1 typed at
// the last step prompt; the two waits of the rule line between them.
std::string Keys(int amount_passes, int letter_passes) {
    return Item(5) + "aaaaa" + Repeat("aaaa2{enter}", amount_passes - 1) + "aaaa1{enter}" + "aa" +
           Repeat("aaaa2{enter}", letter_passes - 1) + "aaaa1{enter}";
}

// The passes of each drill: the log cut at its band's clears; the passes on
// 1000 yen end where the letter drill starts.
std::vector<std::vector<std::string>> AmountPasses(const std::vector<std::string>& log) {
    std::size_t letter = FindBlock(log, {kLetterBand});
    return SplitAt(std::vector<std::string>(log.begin(), log.begin() + std::min(letter, log.size())),
                   kAmountBand);
}

// A box of the drill: PsLINE x1 y1 x2 y2 border 2 13 at pen 5.
struct Box {
    double left, top, right, bottom;
    int border;
    bool operator==(const Box&) const = default;
};
std::vector<Box> BoxesIn(const std::vector<std::string>& log) {
    std::vector<Box> out;
    for (const auto& line : log) {
        if (!StartsWith(line, "PsLINE ") || line.find(" 2 13 pen=5") == std::string::npos) continue;
        auto n = Numbers(line);
        out.push_back({n[0], n[1], n[2], n[3], int(n[4])});
    }
    return out;
}

class RatioDrillTest : public ::testing::Test {
protected:
    void TearDown() override { surface::Surface::Shutdown(); }
    morquist::Morquist program;
};

TEST_F(RatioDrillTest, TableFillsItsFourBoxesOneKeyAtATime) {
    Result r = RunMorquist(program, Item(5) + "aaaaa");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    std::size_t start = IndicesOf(r.log, "PsLINE 0 0 1760 1300 15 2 15 pen=3").at(0);
    std::size_t band = FindBlock(r.log, {kAmountBand}, start);
    ASSERT_NE(band, std::string::npos);
    std::vector<std::string> table(r.log.begin() + start, r.log.begin() + band);
    auto glyphs = GlyphsIn(table);
    EXPECT_EQ(LineAt(glyphs, 40, 30).text, "Q 10円は100円の");
    EXPECT_EQ(LineAt(glyphs, 40, 30).colours,
              (std::vector<int>{0, 3, 3, 3, 3, 0, 3, 3, 3, 3, 0}));
    EXPECT_EQ(TextOnLine(glyphs, 110), "①0.1倍(小数)②倍(分数)③10％④1割");

    // Each box drawn empty with the row, then again, whole, with its answer
    // after each of the first four waits.
    auto boxes = BoxesIn(table);
    ASSERT_EQ(boxes.size(), 8u);
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k + 1);
        EXPECT_EQ(boxes[4 + k], boxes[k]);
        EXPECT_EQ(boxes[k].border, 3);
        EXPECT_EQ(boxes[k].right - boxes[k].left, 120);
        EXPECT_EQ(boxes[k].bottom - boxes[k].top, 70);
        EXPECT_EQ(boxes[k].top, 110 - 13);
    }
    // The first box 10 after "①"; each label 10 after its box.
    EXPECT_EQ(boxes[0].left, 40 + 34 + 10);
    EXPECT_EQ(LineAt(glyphs, boxes[0].right + 10, 110).text, "倍(小数)");
    EXPECT_EQ(LineAt(glyphs, boxes[3].right + 10, 110).text, "割");
    auto waits = IndicesOf(table, kAnyKeyBox);
    ASSERT_EQ(waits.size(), 5u);
    std::vector<std::size_t> fills;
    for (std::size_t i = 0; i < table.size(); ++i)
        if (StartsWith(table[i], "PsLINE ") && table[i].find(" 2 13 pen=5") != std::string::npos)
            fills.push_back(i);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(CountBefore(waits, fills[4 + k]), std::size_t(k + 1));
    auto fractions = FractionsIn(table);
    ASSERT_EQ(fractions.size(), 1u);
    EXPECT_EQ(fractions[0].num, "1");
    EXPECT_EQ(fractions[0].den, "10");
    EXPECT_EQ(fractions[0].colour, 5);
    EXPECT_GT(fractions[0].left, boxes[1].left);
    EXPECT_LT(fractions[0].right, boxes[1].right);
}

struct Ratios {
    int n, p, q, w;
    const char* letter;  // of the letter drill
};

// The draws of a pass: P, N, Q and W, then in the letter drill the letter.
std::vector<double> Draws(const Ratios& r, bool letter) {
    std::vector<double> d = {Pick(r.p, 69), Pick(r.n, 9), Pick(r.q, 92), Pick(r.w, 9)};
    if (letter) d.push_back(Pick(std::string("xyab").find(r.letter) + 1, 4));
    return d;
}

struct WantFraction {
    std::string num, den;
    int colour;
};
void ExpectFractions(const std::vector<Fraction>& got, const std::vector<WantFraction>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t k = 0; k < want.size(); ++k) {
        SCOPED_TRACE("fraction " + std::to_string(k + 1));
        EXPECT_EQ(got[k].num, want[k].num);
        EXPECT_EQ(got[k].den, want[k].den);
        EXPECT_EQ(got[k].colour, want[k].colour);
    }
}

TEST_F(RatioDrillTest, ChosenInstancesOfBothDrills) {
    // The textbook's example in both drills, then the edge fractions.
    const Ratios example = {3, 35, 45, 5, "x"};
    const Ratios edges1 = {9, 7, 92, 3, "b"};
    const Ratios edges2 = {1, 20, 1, 9, "y"};
    std::vector<double> rnd;
    for (auto d : Draws(example, false)) rnd.push_back(d);
    for (auto d : Draws(example, true)) rnd.push_back(d);
    for (auto d : Draws(edges1, true)) rnd.push_back(d);
    for (auto d : Draws(edges2, true)) rnd.push_back(d);
    Result r = RunMorquist(program, Keys(1, 3), rnd);
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    std::size_t end = NextItemLine(r.log, FindBlock(r.log, {kAmountBand}));
    ASSERT_NE(end, std::string::npos);
    std::vector<std::string> log(r.log.begin(), r.log.begin() + end);

    auto amount = AmountPasses(log);
    ASSERT_EQ(amount.size(), 1u);
    auto glyphs = GlyphsIn(amount[0]);
    EXPECT_EQ(TextOnLine(glyphs, 200), "1000円の⑤0.3倍は300円");
    EXPECT_EQ(TextOnLine(glyphs, 280), "⑥倍は350円⑦45％は450円⑧5割は500円");
    EXPECT_EQ(LineAt(glyphs, 40, 350).text, "比べる量(答)=もとにする量(1000円)×割合(分数か小数)");
    EXPECT_EQ(LineAt(glyphs, 40, 350).colour, 5);
    ExpectFractions(FractionsIn(amount[0]), {{"35", "100", 3}});
    auto boxes = BoxesIn(amount[0]);
    ASSERT_EQ(boxes.size(), 8u);
    for (const auto& b : boxes) {
        EXPECT_EQ(b.border, 0);
        EXPECT_EQ(b.right - b.left, 90);
        EXPECT_EQ(b.bottom - b.top, 50);
    }

    auto letter = SplitAt(log, kLetterBand);
    ASSERT_EQ(letter.size(), 3u);
    struct WantPass {
        const char* line1;
        const char* line2;
        std::vector<WantFraction> fractions;
    };
    const WantPass want[3] = {
        {"x円の⑨0.3倍は0.3x円", "⑩倍はx円⑪45％はx円⑫5割はx円",
         {{"35", "100", 3}, {"7", "20", 5}, {"9", "20", 5}, {"1", "2", 5}}},
        {"b円の⑨0.9倍は0.9b円", "⑩倍はb円⑪92％はb円⑫3割はb円",
         {{"7", "100", 3}, {"7", "100", 5}, {"23", "25", 5}, {"3", "10", 5}}},
        {"y円の⑨0.1倍は0.1y円", "⑩倍はy円⑪1％はy円⑫9割はy円",
         {{"20", "100", 3}, {"1", "5", 5}, {"1", "100", 5}, {"9", "10", 5}}},
    };
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE("letter pass " + std::to_string(k + 1));
        auto g = GlyphsIn(letter[k]);
        EXPECT_EQ(TextOnLine(g, 440), want[k].line1);
        EXPECT_EQ(TextOnLine(g, 520), want[k].line2);
        ExpectFractions(FractionsIn(letter[k]), want[k].fractions);
        auto b = BoxesIn(letter[k]);
        ASSERT_EQ(b.size(), 8u);
        EXPECT_EQ(b[0].right - b[0].left, 150);
        EXPECT_EQ(b[0].bottom - b[0].top, 75);
    }
    // The letter's register keeps the last pass's letter.
    EXPECT_EQ(program.AmountLetter, "y");
    EXPECT_EQ(surface::FE_GETDRAWWIDTH(0), 5);
}

int Gcd(int a, int b) { return std::gcd(a, b); }

TEST_F(RatioDrillTest, ManyPassesGiveExactAmountsAndReducedFractions) {
    const int kPasses = 250;
    std::set<int> ns, ps, qs, ws;
    std::set<std::string> letters;
    const std::regex amount1("1000円の⑤0\\.(\\d)倍は(\\d+)円");
    const std::regex amount2("⑥倍は(\\d+)円⑦(\\d+)％は(\\d+)円⑧(\\d)割は(\\d+)円");
    const std::regex letter1("([xyab])円の⑨0\\.(\\d)倍は0\\.(\\d)([xyab])円");
    const std::regex letter2("⑩倍は([xyab])円⑪(\\d+)％は([xyab])円⑫(\\d)割は([xyab])円");
    for (const char* clock : {"10:20:30", "15:01:59"}) {
        SCOPED_TRACE(clock);
        Result r = RunMorquist(program, Keys(kPasses, kPasses), {}, clock);
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        std::size_t end = NextItemLine(r.log, FindBlock(r.log, {kAmountBand}));
        ASSERT_NE(end, std::string::npos);
        std::vector<std::string> log(r.log.begin(), r.log.begin() + end);
        auto amount = AmountPasses(log);
        auto letter = SplitAt(log, kLetterBand);
        ASSERT_EQ(amount.size(), std::size_t(kPasses));
        ASSERT_EQ(letter.size(), std::size_t(kPasses));
        for (int k = 0; k < kPasses; ++k) {
            SCOPED_TRACE("pass " + std::to_string(k + 1));
            // The drill on 1000 yen; its last pass also holds the rule line.
            const auto& pass = amount[k];
            auto g = GlyphsIn(pass);
            std::smatch m1, m2;
            std::string l1 = TextOnLine(g, 200), l2 = TextOnLine(g, 280);
            ASSERT_TRUE(std::regex_match(l1, m1, amount1)) << l1;
            ASSERT_TRUE(std::regex_match(l2, m2, amount2)) << l2;
            auto f = FractionsIn(pass);
            ASSERT_EQ(f.size(), 1u);
            EXPECT_EQ(f[0].den, "100");
            int n = std::stoi(m1[1]), p = std::stoi(f[0].num), q = std::stoi(m2[2]),
                w = std::stoi(m2[4]);
            ns.insert(n), ps.insert(p), qs.insert(q), ws.insert(w);
            EXPECT_EQ(m1[2].str(), std::to_string(100 * n));
            EXPECT_EQ(m2[1].str(), std::to_string(10 * p));
            EXPECT_EQ(m2[3].str(), std::to_string(10 * q));
            EXPECT_EQ(m2[5].str(), std::to_string(100 * w));
            EXPECT_TRUE(n >= 1 && n <= 9 && p >= 1 && p <= 69 && q >= 1 && q <= 92 && w >= 1 &&
                        w <= 9);

            // The drill on a letter amount.
            g = GlyphsIn(letter[k]);
            l1 = TextOnLine(g, 440), l2 = TextOnLine(g, 520);
            ASSERT_TRUE(std::regex_match(l1, m1, letter1)) << l1;
            ASSERT_TRUE(std::regex_match(l2, m2, letter2)) << l2;
            const std::string L = m1[1];
            letters.insert(L);
            EXPECT_EQ(m1[2], m1[3]);
            for (int i : {4}) EXPECT_EQ(m1[i].str(), L);
            for (int i : {1, 3, 5}) EXPECT_EQ(m2[i].str(), L);
            f = FractionsIn(letter[k]);
            ASSERT_EQ(f.size(), 4u);
            EXPECT_EQ(f[0].den, "100");
            EXPECT_EQ(f[0].colour, 3);
            const int ratio_num[3] = {std::stoi(f[0].num), std::stoi(m2[2]), std::stoi(m2[4])};
            const int ratio_den[3] = {100, 100, 10};
            for (int i = 0; i < 3; ++i) {
                SCOPED_TRACE("answer " + std::to_string(i + 2));
                const Fraction& a = f[1 + i];
                EXPECT_EQ(a.colour, 5);
                int num = std::stoi(a.num), den = std::stoi(a.den);
                EXPECT_EQ(Gcd(num, den), 1);
                EXPECT_EQ(num * ratio_den[i], den * ratio_num[i]);
                // The letter follows its fraction.
                EXPECT_EQ(LineAt(g, a.right, 520).text.substr(0, L.size()), L);
            }
        }
    }
    EXPECT_EQ(ns.size(), 9u);
    EXPECT_EQ(ws.size(), 9u);
    EXPECT_GT(ps.size(), 50u);
    EXPECT_GT(qs.size(), 60u);
    EXPECT_EQ(letters, (std::set<std::string>{"a", "b", "x", "y"}));
}

}  // namespace
