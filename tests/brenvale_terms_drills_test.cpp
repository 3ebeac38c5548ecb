// Chapter 1 of Brenvale, items ④ and ⑤: the random like-term drills, the
// area picture of aL + bL, and the worked answers that follow them. Runs
// through replay with chosen random numbers, and many runs with random
// clocks whose every instance is read back from the log and checked
// against the algebra.
#include <map>
#include <ostream>
#include <random>
#include <regex>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "tests/brenvale_drill_test_support.h"

namespace {

using namespace drill_testing;
using replay::Result;

std::string Item(int n) { return "1{enter}" + std::to_string(n) + "{enter}"; }

// The line that clears one instance's area before it is drawn.
const std::string kExample3Pass = "PsLINE 0 310 2000 2110 15 2 15 ";
const std::string kExample4Pass = "PsLINE 0 90 2000 1890 15 2 15 ";

class DrillTest : public ::testing::Test {
protected:
    void TearDown() override { surface::Surface::Shutdown(); }
    brenvale::Brenvale program;
};

// ---- item ④ ----

struct WantArrow {
    std::size_t dots;
    double first_x, first_y;
    const char* label;
    int colour;
};

void ExpectArrows(const std::vector<Arrow>& got, const std::vector<WantArrow>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t k = 0; k < want.size(); ++k) {
        SCOPED_TRACE("arrow " + std::to_string(k + 1));
        EXPECT_EQ(got[k].dots, want[k].dots);
        EXPECT_NEAR(got[k].first_x, want[k].first_x, 0.01);
        EXPECT_NEAR(got[k].first_y, want[k].first_y, 0.01);
        EXPECT_EQ(got[k].label, want[k].label);
        EXPECT_EQ(got[k].label_colour, want[k].colour);
    }
}

TEST_F(DrillTest, Example3OpensWithDefinitionsAndRule) {
    Result r = RunBrenvale(program, Item(4) + "aa");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    auto glyphs = GlyphsIn(r.log);
    struct Want {
        double x, y;
        const char* text;
        int colour;
    };
    const Want rows[] = {
        {40, 30, "1次の項…文字が1つだけの項", 5},
        {40, 80, "一次式…1次の項だけか、数との和で表される式", 5},
        {40, 130, "　5x,-4a,2a+3,2x-y-6", 0},
        {40, 180, "文字の部分が同じ項は計算できる", 3},
        {40, 250, "例3　次の式を簡単にしなさい。", 7},
    };
    for (const auto& w : rows) {
        SCOPED_TRACE(w.text);
        Line line = LineAt(glyphs, w.x, w.y);
        EXPECT_EQ(line.text, w.text);
        EXPECT_EQ(line.colour, w.colour);
    }
    // A wait after the samples and after the rule; the heading follows the
    // second one, and the first pass clears from just below it.
    auto waits = IndicesOf(r.log, kAnyKeyBox);
    ASSERT_GE(waits.size(), 3u);
    EXPECT_LT(LineAt(glyphs, 40, 130).end_x, 1320);
    auto heading = std::find_if(glyphs.begin(), glyphs.end(),
                                [](const Glyph& g) { return g.y == 250; });
    ASSERT_NE(heading, glyphs.end());
    EXPECT_GT(heading->index, waits[1]);
    EXPECT_EQ(SplitAt(r.log, kExample3Pass).size(), 1u);
}

TEST_F(DrillTest, Example3FirstTwoInstancesAreTheTextbooks) {
    // Draws of the first two passes (a, b, sign, letter), all replaced but
    // the letters: y, then a.
    const std::vector<double> rnd = {0.9, 0.1, 0.2, 0.3, 0.1, 0.9, 0.8, 0.6};
    Result r = RunBrenvale(program, Item(4) + "aa" + "aa2{enter}" + "aa1{enter}" + "aa", rnd);
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    auto passes = SplitAt(r.log, kExample3Pass);
    ASSERT_EQ(passes.size(), 2u);
    auto& second = passes[1];
    second.resize(std::find(second.begin(), second.end(), "PsLINE 0 360 2000 2160 15 2 15 pen=5") -
                  second.begin());

    struct Want {
        const char* row;  // expression, "=" and the collected term
        std::vector<Box> boxes;
        std::vector<WantArrow> arrows;
        std::vector<std::string> box_texts;
    };
    const Want want[2] = {
        {"3y+6y=9y",
         {{80, 410, 230, 460, 3}, {290, 410, 590, 460, 3}, {80, 530, 230, 580, 3},
          {230, 530, 530, 580, 3}, {80, 530, 530, 580, 3}},
         {{23, 230, 410, "3", 3}, {11, 80, 410, "y", 3}, {23, 590, 410, "6", 3},
          {11, 290, 410, "y", 3}, {11, 80, 530, "y", 3}, {23, 230, 530, "3", 3},
          {23, 530, 530, "6", 3}, {37, 80, 580, "9", 3}},
         {"3y", "6y", "", "", "9y"}},
        {"3a-6a=-3a",
         {{80, 410, 230, 460, 3}, {290, 410, 590, 460, 5}, {80, 530, 380, 580, 5},
          {80, 530, 230, 580, 3}, {230, 530, 380, 580, 5}},
         {{23, 230, 410, "3", 3}, {11, 80, 410, "a", 3}, {23, 590, 410, "-6", 5},
          {11, 290, 410, "a", 5}, {11, 80, 530, "a", 5}, {23, 80, 580, "-6", 5},
          {23, 230, 530, "3", 3}, {37, 380, 530, "-3", 5}},
         {"3a", "-6a", "", "", "-3a"}},
    };
    for (int k = 0; k < 2; ++k) {
        SCOPED_TRACE("pass " + std::to_string(k + 1));
        const auto& part = passes[k];
        auto glyphs = GlyphsIn(part);
        Line row = LineAt(glyphs, 127, 310);
        EXPECT_EQ(row.text, want[k].row);
        auto boxes = BoxesIn(part);
        EXPECT_EQ(boxes, want[k].boxes);
        auto arrows = ArrowsIn(part, 7);
        ExpectArrows(arrows, want[k].arrows);
        // The terms apart and the collected term; the two boxes put
        // together carry no text.
        ASSERT_EQ(boxes.size(), 5u);
        for (std::size_t b : {0, 1, 4})
            EXPECT_EQ(TextInBox(glyphs, boxes[b]), want[k].box_texts[b]) << boxes[b];

        // The first row, one wait, the second row, a wait, the collected
        // term (in colour 3 after the "="), then the step prompt.
        auto waits = IndicesOf(part, kAnyKeyBox);
        ASSERT_EQ(waits.size(), 2u);
        ASSERT_EQ(arrows.size(), 8u);
        EXPECT_LT(arrows[3].index, waits[0]);
        EXPECT_GT(arrows[4].index, waits[0]);
        EXPECT_LT(arrows[7].index, waits[1]);
        // The collected term closes the row in colour 3.
        std::size_t collected = row.text.size() - row.text.find('=') - 1;
        std::vector<int> colours(row.colours.size() - collected, 0);
        colours.insert(colours.end(), collected, 3);
        EXPECT_EQ(row.colours, colours);
        std::size_t last_on_row = 0;
        for (const auto& g : glyphs)
            if (g.y == 310) last_on_row = g.index;
        EXPECT_GT(last_on_row, waits[1]);
        EXPECT_LT(last_on_row, IndicesOf(part, kStepBox).at(0));
    }
}

// Case 1 (b > 0): the collected term's box spans the whole row, as the sum
// arrow below it does, not only the part of b.
TEST_F(DrillTest, Example3CollectedTermCoversTheWholeRowWhenBothArePositive) {
    struct Case {
        std::vector<double> rnd;  // a, b, sign, letter of the third pass
        double right;             // of the row: 80 + 50 (a + b)
        const char* text;
    };
    const Case cases[] = {
        {{0.1, 0.3, 0.9, 0.1}, 230, "3x"},  // 1 + 2
        {{0.9, 0.9, 0.9, 0.3}, 630, "11y"}, // 5 + 6, the widest picture
        {{0.7, 0.1, 0.9, 0.9}, 330, "5b"},  // 4 + 1
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::vector<double> rnd(8, 0.5);
        rnd.insert(rnd.end(), c.rnd.begin(), c.rnd.end());
        brenvale::Brenvale fresh;
        Result r = RunBrenvale(fresh, Item(4) + "aa" + Repeat("aa2{enter}", 2) + "aa", rnd);
        auto passes = SplitAt(r.log, kExample3Pass);
        ASSERT_EQ(passes.size(), 3u);
        auto boxes = BoxesIn(passes[2]);
        ASSERT_EQ(boxes.size(), 5u);
        EXPECT_EQ(boxes[4], (Box{80, 530, c.right, 580, 3}));
        // Its text is centred in it.
        auto glyphs = GlyphsIn(passes[2]);
        EXPECT_EQ(TextInBox(glyphs, boxes[4]), c.text);
        auto arrows = ArrowsIn(passes[2], 7);
        ASSERT_EQ(arrows.size(), 8u);
        EXPECT_EQ(arrows[7].first_x, 80);
        EXPECT_NEAR(arrows[7].last_x, c.right, 0.01);
        surface::Surface::Shutdown();
    }
}

TEST_F(DrillTest, Example3WritesCoefficientsOfOneAsTheLetter) {
    // Passes 1 and 2 make their four draws too, so the third pass takes the
    // ninth to twelfth numbers.
    struct Case {
        std::vector<double> rnd;  // a, b, sign (below 0.5: negative), letter
        const char* row;
    };
    const Case cases[] = {
        {{0.1, 0.5, 0.1, 0.1}, "x-3x=-2x"}, {{0.7, 0.1, 0.9, 0.9}, "4b+b=5b"},
        {{0.3, 0.1, 0.1, 0.1}, "2x-x=x"},   {{0.3, 0.5, 0.1, 0.1}, "2x-3x=-x"},
        {{0.9, 0.9, 0.9, 0.3}, "5y+6y=11y"}, {{0.1, 0.3, 0.1, 0.6}, "a-2a=-a"},
    };
    std::vector<double> rnd(8, 0.5);
    for (const auto& c : cases) rnd.insert(rnd.end(), c.rnd.begin(), c.rnd.end());
    Result r = RunBrenvale(program,
                           Item(4) + "aa" + Repeat("aa2{enter}", 2 + std::size(cases)) + "a", rnd);
    auto passes = SplitAt(r.log, kExample3Pass);
    ASSERT_EQ(passes.size(), 3 + std::size(cases));
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        SCOPED_TRACE(cases[k].row);
        EXPECT_EQ(LineAt(GlyphsIn(passes[2 + k]), 127, 310).text, cases[k].row);
    }
}

TEST_F(DrillTest, Example3ClosesWithTheRuleAndPage70Answers) {
    Result r = RunBrenvale(program, Item(4) + "aa" + "aa2{enter}" + "aa1{enter}" + Repeat("a", 8));
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    auto closing = SplitAt(r.log, "PsLINE 0 360 2000 2160 15 2 15 ");
    ASSERT_EQ(closing.size(), 1u);
    auto& part = closing[0];
    part.resize(std::find_if(part.begin(), part.end(), IsItemLineStart) - part.begin());
    auto glyphs = GlyphsIn(part);
    struct Want {
        double x, y;
        const char* text;
        int colour;
        bool wait_after;
    };
    const Want rows[] = {
        {40, 360, "係数の和を求めればよい。", 5, true},
        {100, 420, "-3-6=-9 だから", 0, false},
        {100, 480, "-3x-6x=-9x", 0, true},
        {600, 150, "教科書P70 問2　をしなさい。", 7, true},
        {560, 200, "(1)", 3, false},
        {567, 250, "6x-2x", 0, false},
        {540, 300, "=(6-2)x=4x", 0, true},
        {480, 350, "(2)", 3, false},
        {567, 350, "x-8x", 0, false},
        {540, 400, "=(1-8)x=-7x", 0, true},
        {480, 450, "(3)", 3, false},
        {567, 450, "-5b-4b", 0, false},
        {540, 500, "=(-5-4)b", 0, false},
        {540, 550, "=-9b", 5, true},
        {840, 200, "(4)", 3, false},
        {927, 200, "-0.2a+0.9a", 0, false},
        {900, 250, "=(-0.2+0.9)a", 0, false},
        {900, 300, "=0.7a", 5, true},
        {840, 370, "(5)", 3, true},  // the wait follows its result
        {840, 510, "(6)", 3, false},
    };
    std::size_t waits_seen = 0;
    auto waits = IndicesOf(part, kAnyKeyBox);
    for (const auto& w : rows) {
        SCOPED_TRACE(w.text);
        Line line = LineAt(glyphs, w.x, w.y);
        EXPECT_EQ(line.text, w.text);
        EXPECT_EQ(line.colour, w.colour);
        // Reveals come in order: this line after the waits so far.
        auto first = std::find_if(glyphs.begin(), glyphs.end(),
                                  [&](const Glyph& g) { return g.x == w.x && g.y == w.y; });
        ASSERT_NE(first, glyphs.end());
        std::size_t before = CountBefore(waits, first->index);
        EXPECT_EQ(before, waits_seen);
        if (w.wait_after) ++waits_seen;
    }
    // Parts (5) and (6) hold stacked fractions; the last result ends the
    // item with no wait after it.
    std::size_t last_found = 0;
    for (const auto& [x, y, text, colour] :
         std::vector<std::tuple<double, double, const char*, int>>{
             {927, 370, "ﾀ3/5ﾀx+ﾀ1/5ﾀx", 0}, {900, 440, "=(ﾀ3/5ﾀ+ﾀ1/5ﾀ)x", 0},
             {927, 510, "x-ﾀ1/6ﾀx", 0}, {900, 580, "=(ﾀ6/6ﾀ-ﾀ1/6ﾀ)x", 0}}) {
        SCOPED_TRACE(text);
        std::size_t at = FindBlock(part, Reference(colour, x, y, text));
        ASSERT_NE(at, std::string::npos);
        EXPECT_GT(at, last_found);
        last_found = at;
    }
    EXPECT_EQ(waits.size(), 8u);
    EXPECT_LT(waits.back(), last_found);
}

// ---- item ⑤ ----

TEST_F(DrillTest, Example4InstanceShowsItsStepsInOrder) {
    // a = 7, b = 3, c = 4, d = 5 and the letter x.
    Result r = RunBrenvale(program, Item(5) + "aaa1{enter}" + Repeat("a", 7),
                           {0.6, 0.15, 0.25, 0.35, 0.1});
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    auto passes = SplitAt(r.log, kExample4Pass);
    ASSERT_EQ(passes.size(), 1u);
    auto& part = passes[0];
    part.resize(std::find_if(part.begin(), part.end(), IsItemLineStart) - part.begin());
    auto glyphs = GlyphsIn(part);
    auto heading = GlyphsIn(r.log);
    EXPECT_EQ(LineAt(heading, 40, 30).text, "例4　次の式を簡単にしなさい。");

    struct Want {
        double x, y;
        const char* text;
        int colour;
        std::size_t waits_before;
    };
    const Want rows[] = {
        {127, 90, "7x+3-4x+5", 0, 0},
        {100, 200, "=3x+8", 5, 1},
        {100, 260, "なぜ？", 3, 2},
        {100, 310, "7x-4x=3x", 0, 3},
        {100, 360, "+3+5=+8　だから", 0, 3},
        {100, 145, "=7x-4x+3+5", 0, 3},
        {40, 410, "文字の部分が同じ項を集める。", 5, 3},
        {40, 510, "教科書P71 問3　をやろう。", 3, 4},
        // The problems begin with a blank: on the right it ends where the
        // label does, on the left the label reaches past it.
        {40, 560, "(1)", 3, 5},
        {127, 560, "6x+4+3x", 0, 5},
        {100, 610, "=6x+3x+4=9x+4", 0, 5},
        {640, 30, "(2)-5x+7+4x", 3, 6},
        {694, 80, "=-5x+4x+7=-x+7", 0, 6},
        {640, 140, "(3)2x-8-4x+7", 3, 7},
        {640, 250, "(4)-9x-5+9x-2", 3, 8},
        {640, 360, "(5)12y-3+5y+1", 3, 9},
        {640, 470, "(6)-6-a+15+2a", 3, 10},
        {694, 520, "=-a+2a-6+15=a+9", 0, 10},
    };
    auto waits = IndicesOf(part, kAnyKeyBox);
    EXPECT_EQ(waits.size(), 10u);
    auto steps = IndicesOf(part, kStepBox);
    ASSERT_EQ(steps.size(), 1u);
    for (const auto& w : rows) {
        SCOPED_TRACE(w.text);
        Line line = LineAt(glyphs, w.x, w.y);
        EXPECT_EQ(line.text, w.text);
        EXPECT_EQ(line.colour, w.colour);
        auto first = std::find_if(glyphs.begin(), glyphs.end(),
                                  [&](const Glyph& g) { return g.x == w.x && g.y == w.y; });
        ASSERT_NE(first, glyphs.end());
        std::size_t before = CountBefore(waits, first->index);
        EXPECT_EQ(before, w.waits_before);
        // The instance's rows come before its step prompt, the rest after.
        EXPECT_EQ(first->index < steps[0], w.y < 400 && w.x < 600);
    }
    // Results in colour 5 after the reordered forms.
    Line last = LineAt(glyphs, 694, 520);
    ASSERT_EQ(last.colours.size(), 15u);
    EXPECT_EQ(last.colours[10], 0);
    EXPECT_EQ(last.colours[11], 5);
}

TEST_F(DrillTest, Example4WritesTheCollectedCoefficientWithoutOneOrPlus) {
    struct Case {
        std::vector<double> rnd;  // a, b, c, d (each 2 + INT(9 r)), letter
        const char* problem;
        const char* answer;
        const char* letter_terms;
    };
    const Case cases[] = {
        {{0.5, 0.0, 0.5, 0.12, 0.1}, "7x+2-6x+3", "=x+5", "7x-6x=x"},         // a = c = 6
        {{0.99, 0.5, 0.99, 0.5, 0.3}, "11y+6-10y+6", "=y+12", "11y-10y=y"},  // both 10
        {{0.25, 0.3, 0.35, 0.4, 0.9}, "4b+4-5b+5", "=-b+9", "4b-5b=-b"},
        {{0.0, 0.0, 0.8, 0.0, 0.6}, "2a+2-9a+2", "=-7a+4", "2a-9a=-7a"},
        {{0.99, 0.99, 0.0, 0.99, 0.1}, "10x+10-2x+10", "=8x+20", "10x-2x=8x"},
    };
    std::vector<double> rnd;
    for (const auto& c : cases) rnd.insert(rnd.end(), c.rnd.begin(), c.rnd.end());
    Result r = RunBrenvale(program, Item(5) + Repeat("aaa2{enter}", std::size(cases)), rnd);
    auto passes = SplitAt(r.log, kExample4Pass);
    ASSERT_EQ(passes.size(), std::size(cases) + 1);
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        SCOPED_TRACE(cases[k].problem);
        auto glyphs = GlyphsIn(passes[k]);
        EXPECT_EQ(LineAt(glyphs, 127, 90).text, cases[k].problem);
        EXPECT_EQ(LineAt(glyphs, 100, 200).text, cases[k].answer);
        EXPECT_EQ(LineAt(glyphs, 100, 310).text, cases[k].letter_terms);
    }
}

// ---- many instances with random clocks ----

// Reads an instance's numbers back from its texts and checks them against
// the algebra; returns false (with a failure) when a text does not parse.
struct Tally {
    std::map<std::string, std::set<int>> seen;
    int instances = 0;
};

bool WrittenWell(const std::string& text) {
    static const std::regex bad(R"(\+-|--|\+\+|(^|[=+\-])1[xyab])");
    return !std::regex_search(text, bad);
}

// "" is 1 and "-" is -1 in front of a letter.
int Coefficient(const std::string& written) {
    if (written.empty()) return 1;
    if (written == "-") return -1;
    return std::stoi(written);
}

void CheckExample3Instance(const std::vector<std::string>& part, int pass, Tally& tally) {
    auto glyphs = GlyphsIn(part);
    std::string row = LineAt(glyphs, 127, 310).text;
    static const std::regex form(R"(^(\d*)([xyab])([+-]\d*)\2=(-?\d*)\2$)");
    std::smatch m;
    ASSERT_TRUE(std::regex_match(row, m, form)) << row;
    EXPECT_TRUE(WrittenWell(row)) << row;
    int a = Coefficient(m[1]);
    std::string b_text = m[3].str();
    int b = b_text == "+" ? 1 : b_text == "-" ? -1 : std::stoi(b_text);
    int s = Coefficient(m[4]);
    int size = std::abs(b);
    EXPECT_EQ(s, a + b) << row;
    if (pass == 1) {
        EXPECT_EQ(std::make_pair(a, b), std::make_pair(3, 6));
    } else if (pass == 2) {
        EXPECT_EQ(std::make_pair(a, b), std::make_pair(3, -6));
    } else {
        EXPECT_TRUE(a >= 1 && a <= 5) << row;
        EXPECT_TRUE(size >= 1 && size <= 6 && size != a) << row;
        if (size == 6) {
            EXPECT_EQ(a, 5) << row;
        }
        tally.seen["a"].insert(a);
        tally.seen["b"].insert(b);
    }
    tally.seen["letter"].insert(m[2].str()[0]);

    // The picture: widths 50 a and 50 |b| apart, and the collected term
    // 50 |a + b| wide in its sign's colour, carrying the same text.
    auto boxes = BoxesIn(part);
    ASSERT_EQ(boxes.size(), 5u) << row;
    EXPECT_EQ(boxes[0].right - boxes[0].left, 50 * a) << row;
    EXPECT_EQ(boxes[1].right - boxes[1].left, 50 * size) << row;
    EXPECT_EQ(boxes[4].right - boxes[4].left, 50 * std::abs(s)) << row;
    EXPECT_EQ(boxes[4].fill, s > 0 ? 3 : 5) << row;
    std::string collected = row.substr(row.find('=') + 1);
    EXPECT_EQ(TextInBox(glyphs, boxes[4]), collected) << row;
    EXPECT_EQ(ArrowsIn(part, 7).size(), 8u) << row;
    ++tally.instances;
}

void CheckExample4Instance(const std::vector<std::string>& part, Tally& tally) {
    auto glyphs = GlyphsIn(part);
    std::string problem = LineAt(glyphs, 127, 90).text;
    std::string answer = LineAt(glyphs, 100, 200).text;
    std::string letters = LineAt(glyphs, 100, 310).text;
    std::string constants = LineAt(glyphs, 100, 360).text;
    std::string reordered = LineAt(glyphs, 100, 145).text;
    SCOPED_TRACE(problem);
    for (const auto& t : {problem, answer, letters, constants, reordered})
        EXPECT_TRUE(WrittenWell(t)) << t;
    std::smatch m;
    static const std::regex problem_form(R"(^(\d+)([xyab])\+(\d+)-(\d+)\2\+(\d+)$)");
    ASSERT_TRUE(std::regex_match(problem, m, problem_form));
    int a = std::stoi(m[1]), b = std::stoi(m[3]), c = std::stoi(m[4]), d = std::stoi(m[5]);
    std::string L = m[2];
    EXPECT_TRUE(a >= 2 && a <= 11 && a != c);
    if (a == 11) {
        EXPECT_EQ(c, 10);
    }
    for (int v : {b, c, d}) EXPECT_TRUE(v >= 2 && v <= 10);
    const int s = a - c, t = b + d;
    static const std::regex answer_form(R"(^=(-?\d*)([xyab])\+(\d+)$)");
    ASSERT_TRUE(std::regex_match(answer, m, answer_form)) << answer;
    EXPECT_EQ(Coefficient(m[1]), s) << answer;
    EXPECT_EQ(m[2].str(), L);
    EXPECT_EQ(std::stoi(m[3]), t) << answer;
    std::string sL = (s == 1 ? "" : s == -1 ? "-" : std::to_string(s)) + L;
    EXPECT_EQ(letters, std::to_string(a) + L + "-" + std::to_string(c) + L + "=" + sL);
    EXPECT_EQ(constants, "+" + std::to_string(b) + "+" + std::to_string(d) + "=+" +
                             std::to_string(t) + "　だから");
    EXPECT_EQ(reordered, "=" + std::to_string(a) + L + "-" + std::to_string(c) + L + "+" +
                             std::to_string(b) + "+" + std::to_string(d));
    tally.seen["a"].insert(a);
    tally.seen["b"].insert(b);
    tally.seen["c"].insert(c);
    tally.seen["d"].insert(d);
    tally.seen["letter"].insert(L[0]);
    ++tally.instances;
}

// 504 instances of each drill, in shards that run side by side: each shard
// runs the item twice, at two random clocks, for 63 instances a run.
constexpr int kShards = 4;
constexpr int kRunsPerShard = 2;
constexpr int kInstancesPerRun = 63;

class ManyInstancesTest : public DrillTest, public ::testing::WithParamInterface<int> {};

TEST_P(ManyInstancesTest, Example3ShowsTheSum) {
    Tally tally;
    for (const auto& clock : ShardClocks(GetParam(), kRunsPerShard)) {
        SCOPED_TRACE("--clock " + clock);
        brenvale::Brenvale fresh;
        std::string keys = Item(4) + "aa" + Repeat("aa2{enter}", kInstancesPerRun - 1) +
                           "aa1{enter}" + Repeat("a", 8);
        Result r = RunBrenvale(fresh, keys, {}, clock);
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        auto passes = SplitAt(r.log, kExample3Pass);
        ASSERT_EQ(passes.size(), std::size_t(kInstancesPerRun));
        for (int k = 0; k < kInstancesPerRun; ++k) {
            SCOPED_TRACE("pass " + std::to_string(k + 1));
            auto part = passes[k];
            if (k + 1 == kInstancesPerRun)
                part.resize(std::find(part.begin(), part.end(),
                                      "PsLINE 0 360 2000 2160 15 2 15 pen=5") -
                            part.begin());
            CheckExample3Instance(part, k + 1, tally);
        }
        CheckNothingOutsideTheWindow(r.log);
        surface::Surface::Shutdown();
    }
    EXPECT_EQ(tally.instances, kRunsPerShard * kInstancesPerRun);
    // Every value comes up (a size of 6 is too rare to ask for here).
    EXPECT_EQ(tally.seen["a"], (std::set<int>{1, 2, 3, 4, 5}));
    for (int b : {-5, -4, -3, -2, -1, 1, 2, 3, 4, 5}) EXPECT_TRUE(tally.seen["b"].count(b)) << b;
    EXPECT_EQ(tally.seen["letter"], (std::set<int>{'a', 'b', 'x', 'y'}));
}

TEST_P(ManyInstancesTest, Example4ShowsTheCollection) {
    Tally tally;
    for (const auto& clock : ShardClocks(GetParam(), kRunsPerShard)) {
        SCOPED_TRACE("--clock " + clock);
        brenvale::Brenvale fresh;
        std::string keys = Item(5) + Repeat("aaa2{enter}", kInstancesPerRun - 1) + "aaa1{enter}" +
                           Repeat("a", 7);
        Result r = RunBrenvale(fresh, keys, {}, clock);
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        auto passes = SplitAt(r.log, kExample4Pass);
        ASSERT_EQ(passes.size(), std::size_t(kInstancesPerRun));
        for (int k = 0; k < kInstancesPerRun; ++k) {
            SCOPED_TRACE("pass " + std::to_string(k + 1));
            CheckExample4Instance(passes[k], tally);
        }
        CheckNothingOutsideTheWindow(r.log);
        surface::Surface::Shutdown();
    }
    EXPECT_EQ(tally.instances, kRunsPerShard * kInstancesPerRun);
    std::set<int> two_to_ten;
    for (int v = 2; v <= 10; ++v) two_to_ten.insert(v);
    for (const char* slot : {"b", "c", "d"}) EXPECT_EQ(tally.seen[slot], two_to_ten) << slot;
    for (int v = 2; v <= 10; ++v) EXPECT_TRUE(tally.seen["a"].count(v)) << v;
    EXPECT_EQ(tally.seen["letter"], (std::set<int>{'a', 'b', 'x', 'y'}));
}

INSTANTIATE_TEST_SUITE_P(Shards, ManyInstancesTest, ::testing::Range(0, kShards));

}  // namespace
