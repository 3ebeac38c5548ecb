// Morquist chapters 4 and 5, the fixed screens: the temperature problem,
// the powers of -3, the worked answers of problems 6 and 8, and the three
// practice screens of page 67 with the value table filled a cell a key.
#include <string>
#include <vector>

#include "tests/morquist_value_test_support.h"

namespace {

using namespace value_testing;
using replay::Result;

class MorquistValueAnswersTest : public ::testing::Test {
protected:
    void TearDown() override { surface::Surface::Shutdown(); }
    morquist::Morquist program;
};

std::size_t LastIndexOf(const std::vector<std::string>& log, const std::string& head) {
    for (std::size_t i = log.size(); i-- > 0;)
        if (StartsWith(log[i], head)) return i;
    return std::string::npos;
}

// The log from the item's own first clear on.
std::vector<std::string> ItemPart(const std::vector<std::string>& log) {
    std::size_t menu = LastIndexOf(log, kMainMenuPrompt);
    std::size_t from = menu;
    for (std::size_t i = menu; i < log.size(); ++i)
        if (StartsWith(log[i], kItemLineStart)) {
            from = i;
            break;
        }
    return std::vector<std::string>(log.begin() + from, log.end());
}

TEST_F(MorquistValueAnswersTest, EachFixedScreenTakesItsKeysThenReturns) {
    struct Case {
        std::string open;
        int keys;
        double clear_height;  // of the box from (0, 0), 1760 wide
    };
    const Case cases[] = {
        {ValueItem(1), 11, 1300},   {ValueItem(5), 11, 1300},   {ValueItem(6), 2, 1300},
        {ValueItem(9), 2, 1300},    {PracticeItem(1), 0, 1800}, {PracticeItem(2), 0, 1800},
        {PracticeItem(3), 21, 1800},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.open);
        Result r = RunMorquist(program, c.open + std::string(c.keys, 'a'));
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        auto item = ItemPart(r.log);
        // The item's first drawing clears its screen.
        std::size_t first = 0;
        while (first < item.size() && !StartsWith(item[first], "PsLINE 0 0 ")) ++first;
        ASSERT_LT(first, item.size());
        EXPECT_TRUE(StartsWith(item[first], "PsLINE 0 0 1760 " + Num(int(c.clear_height)) +
                                                " 15 2 15 "))
            << item[first];
        auto waits = IndicesOf(item, kAnyKeyBox);
        EXPECT_EQ(waits.size(), std::size_t(c.keys));
        // The sub-menu line is back after the last key.
        std::size_t line = LastIndexOf(item, kItemLineStart);
        ASSERT_NE(line, std::string::npos);
        EXPECT_GT(line, 0u);
        if (!waits.empty()) {
            EXPECT_GT(line, waits.back());
        }
        surface::Surface::Shutdown();
    }
}

TEST_F(MorquistValueAnswersTest, TemperatureAnswersStandThirtyAfterTheirWorking) {
    Result r = RunMorquist(program, ValueItem(1) + std::string(11, 'a'));
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    ExpectLines(r.log, {{40, 30, 3, "教科書P65「ひろげよう」を考えよう。"},
                        {40, 130, 0, "18℃低くなります。"},
                        {40, 190, 7, "1 平地の気温がa℃のときは？"},
                        {94, 240, 3, "a-18(℃)…①"},
                        {94, 350, 3, "28-18=10(℃)…②"},
                        {40, 410, 3, "②は、①のaを28にして計算している。"},
                        {742, 30, 5, "<式の値>"},
                        {640, 80, 5, "代入…式の中の文字に"},
                        {742, 130, 0, "数をあてはめること(②の式)"},
                        {640, 290, 7, "教科書P65 問1 をしなさい。"},
                        {640, 340, 3, "(1) a-18"}});
    auto glyphs = GlyphsIn(r.log);
    struct Answer {
        double y;
        const char* working;
        const char* answer;
    };
    const Answer answers[] = {{390, "=24-18=6", "答　6℃"},
                              {490, "=0-18=-18", "答　-18℃"},
                              {590, "=-2-18=-20", "答　-20℃"}};
    for (const auto& a : answers) {
        SCOPED_TRACE(a.working);
        Line working = LineAt(glyphs, 694, a.y);
        // The line read on runs into the answer: cut it at the answer's x.
        double answer_x = 0;
        for (const auto& g : glyphs)
            if (g.y == a.y && g.ch == "答") answer_x = g.x;
        Line answer = LineAt(glyphs, answer_x, a.y);
        EXPECT_EQ(answer.text, a.answer);
        EXPECT_EQ(answer.colour, 5);
        double end = 694;
        std::string read;
        for (const auto& g : glyphs)
            if (g.y == a.y && g.x < answer_x) {
                read += g.ch;
                end = std::max(end, g.x + g.advance);
            }
        EXPECT_EQ(read, a.working);
        EXPECT_EQ(answer_x, end + 30);
        EXPECT_EQ(working.colour, 0);
    }
}

TEST_F(MorquistValueAnswersTest, PowersOfMinusThreeRaiseTheirExponents) {
    Result r = RunMorquist(program, ValueItem(5) + std::string(11, 'a'));
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    ExpectLines(r.log, {{40, 30, 3, "例4 a=-3 のとき、"},
                        {40, 80, 3, "次の式の値を求めなさい。"},
                        {100, 260, 0, "=(-3)×(-3)=9"},
                        {100, 440, 0, "=-{(-3)×(-3)}"},
                        {100, 490, 5, "=-9"},
                        {520, 30, 7, "教科書P66 問5 をしなさい。"},
                        {580, 230, 0, "=6×6=36"},
                        {580, 440, 0, "=(-2)×(-2)=4"},
                        {520, 510, 7, "教科書P66 問6 をしなさい。"}});
    // Every "^2" is a raised 2, and no "^" is drawn.
    std::size_t raised = 0;
    for (const auto& l : r.log) {
        EXPECT_EQ(l.find("\"^\""), std::string::npos) << l;
        if (StartsWith(l, "PsSYMBOL40 ") && l.find("\"2\" 3 2 ") != std::string::npos) ++raised;
    }
    EXPECT_EQ(raised, 8u);  // a^2 three times, (-3)^2 twice, 6^2, (-2)^2, -a^2
}

TEST_F(MorquistValueAnswersTest, ProblemSixHasTallBracketsAndASmallSquare) {
    Result r = RunMorquist(program, ValueItem(6) + "aa");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    ExpectLines(r.log, {{40, 30, 7, "教科書P66 問6 解答"},
                        {40, 390, 3, "(2)x=-1 を代入して"},
                        {94, 540, 0, "=-(-1)×(-1)=-1"}});
    std::size_t tall_open = 0, tall_close = 0, small_two = 0;
    for (const auto& l : r.log) {
        if (!StartsWith(l, "PsSYMBOL40 ")) continue;
        Drawn d = ParseText(l);
        if (d.y == 234 || d.y == 304) {
            tall_open += d.text == "(" && l.find(" 3 4 ") != std::string::npos;
            tall_close += d.text == ")" && l.find(" 3 4 ") != std::string::npos;
        }
        small_two += d.text == "2" && d.y == 230 && l.find("\"2\" 6 3 ") != std::string::npos;
    }
    EXPECT_EQ(tall_open, 3u);
    EXPECT_EQ(tall_close, 3u);
    EXPECT_EQ(small_two, 1u);
    EXPECT_EQ(program.KAKKO, 0);
    // The answer of (1) and "-x^2" of (2) keep ordinary brackets.
    EXPECT_NE(FindBlock(r.log, Reference(0, 94, 490, "=-(-1)^2")), std::string::npos);
}

TEST_F(MorquistValueAnswersTest, ProblemEightIsShownInThreeBlocks) {
    Result r = RunMorquist(program, ValueItem(9) + "aa");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    auto waits = IndicesOf(r.log, kAnyKeyBox);
    ASSERT_EQ(waits.size(), 2u);
    // Only the title before the first key.
    auto before = TextsIn(r.log, LastIndexOf(r.log, "PsLINE 0 0 1760 1300 15 2 15 "), waits[0]);
    for (const auto& d : before) EXPECT_EQ(d.y, 30);
    ExpectLines(r.log, {{40, 30, 7, "教科書P67 問8 解答"},
                        {40, 90, 3, "全体の人数 ＝ 3人班の人数 + 5人班の人数"},
                        {94, 140, 0, "3人班の人数　=　3×x=3x (人)"},
                        {94, 250, 5, "全体の人数は、3x+5y(人)"},
                        {40, 330, 3, "x=7,y=4 を代入して"},
                        {121, 380, 0, "3x+5y"},
                        {94, 430, 0, "=3×7+5×4"},
                        {94, 480, 0, "=21+20=41 (人)"}});
    // "だから" 30 right of the end of "=5y (人) " and its own blank.
    auto glyphs = GlyphsIn(r.log);
    Line row = LineAt(glyphs, 94, 190);
    EXPECT_EQ(row.text, "5人班の人数　=　5×y=5y (人)");
    Line so = {};
    double so_x = 0;
    for (const auto& g : glyphs)
        if (g.y == 190 && g.ch == "だ") so_x = g.x;
    so = LineAt(glyphs, so_x, 190);
    EXPECT_EQ(so.text, "だから");
    EXPECT_EQ(so_x, row.end_x + 27 + 30);
}

// ---- chapter 5 ----

TEST_F(MorquistValueAnswersTest, PracticeAnswersOneAndTwoAreDrawnAtOnce) {
    Result r = RunMorquist(program, PracticeItem(1));
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    ExpectLines(r.log, {{40, 90, 3, "(1)"},
                        {127, 90, 0, "x=-4 を代入して"},
                        {100, 290, 0, "=1+2=3"},
                        {40, 350, 3, "(2)"},
                        {600, 140, 3, "(3)"},
                        {687, 190, 0, "-5x"},
                        {660, 290, 0, "=-5×(-4)×(-4)"},
                        {660, 340, 0, "=-(5×4×4)"},
                        {660, 390, 5, "=-80"}});
    for (const auto& f : std::vector<Want>{{127, 160, 0, "1-ﾀ1/2ﾀx"},
                                           {100, 230, 0, "=1-ﾀ1/2ﾀ*(-4)"},
                                           {127, 420, 0, "ﾀ2/xﾀ"},
                                           {100, 490, 0, "=ﾀ2/-4ﾀ"},
                                           {100, 560, 0, "=-ﾀ2/4ﾀ"}}) {
        SCOPED_TRACE(f.text);
        EXPECT_NE(FindBlock(r.log, Reference(f.colour, f.x, f.y, f.text)), std::string::npos);
    }
    // The title and number boxes.
    EXPECT_NE(FindBlock(r.log, {"PsLINE 40 30 436 76 3 2 13 pen=3"}), std::string::npos);
    EXPECT_NE(FindBlock(r.log, {"PsLINE 456 30 500 74 4 2 3 pen=3"}), std::string::npos);
    EXPECT_EQ(IndicesOf(r.log, kAnyKeyBox).size(), 0u);
    surface::Surface::Shutdown();

    r = RunMorquist(program, PracticeItem(2));
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    ExpectLines(r.log, {{40, 90, 3, "(1)"},
                        {127, 140, 0, "a-3b"},
                        {100, 190, 0, "=3-3×(-4)"},
                        {100, 240, 0, "=3+12=15"},
                        {100, 500, 0, "=-6-1=-7"},
                        {600, 30, 3, "(3)"},
                        {687, 30, 0, "a=3,b=-4 を代入して"}});
    for (const auto& f : std::vector<Want>{{127, 370, 0, "-2a+ﾀ1/4ﾀb"},
                                           {100, 440, 0, "=-2*3+ﾀ1/4ﾀ*(-4)"},
                                           {687, 100, 0, "-ﾀ5/6ﾀa-2b"},
                                           {660, 170, 0, "=-ﾀ5/6ﾀ*3-2*(-4)"},
                                           {660, 240, 0, "=-ﾀ5/2ﾀ+8"},
                                           {660, 310, 0, "=-ﾀ5/2ﾀ+ﾀ16/2ﾀ=ﾀ11/2ﾀ"}}) {
        SCOPED_TRACE(f.text);
        auto ref = Reference(f.colour, f.x, f.y, f.text);
        // The answer is drawn in colour 5: compare all but its part.
        if (f.text.find("=ﾀ11") != std::string::npos) ref = Reference(0, f.x, f.y, "=-ﾀ5/2ﾀ+ﾀ16/2ﾀ");
        EXPECT_NE(FindBlock(r.log, ref), std::string::npos);
    }
}

TEST_F(MorquistValueAnswersTest, ValueTableFillsOneCellAKey) {
    Result r = RunMorquist(program, PracticeItem(3) + std::string(21, 'a'));
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    auto item = ItemPart(r.log);
    auto waits = IndicesOf(item, kAnyKeyBox);
    ASSERT_EQ(waits.size(), 21u);

    // Before the first key: the n row filled, the other rows empty.
    std::vector<std::string> first(item.begin(), item.begin() + waits[0]);
    auto glyphs = GlyphsIn(first);
    const char* n_row[] = {"-3", "-2", "-1", "0", "1", "2", "3"};
    for (int k = 0; k < 7; ++k) {
        double left = 615 + 60 * k;
        EXPECT_NE(FindBlock(first, {"PsLINE " + Num(int(left)) + " 90 " + Num(int(left) + 60) +
                                    " 140 3 2 15 pen=3"}),
                  std::string::npos);
        for (double top : {140.0, 190.0})
            EXPECT_NE(FindBlock(first, {"PsLINE " + Num(int(left)) + " " + Num(int(top)) + " " +
                                        Num(int(left) + 60) + " " + Num(int(top) + 50) +
                                        " 3 2 15 pen=3"}),
                      std::string::npos);
        std::string text;
        double lo = 1e9, hi = 0;
        for (const auto& g : glyphs)
            if (g.y > 90 && g.y < 140 && g.x >= left && g.x < left + 60) {
                text += g.ch;
                lo = std::min(lo, g.x);
                hi = std::max(hi, g.x + g.advance);
                EXPECT_EQ(g.colour, 0);
            }
        EXPECT_EQ(text, n_row[k]);
        EXPECT_LE(std::abs((lo - left) - (left + 60 - hi)), 1) << "centred";
    }
    ExpectLines(first, {{40, 90, 3, "nが-3のとき"}});
    std::size_t texts_in_rows = 0;
    for (const auto& g : glyphs) texts_in_rows += g.y > 140 && g.y < 240 && g.x > 615;
    EXPECT_EQ(texts_in_rows, 0u);

    // What each key brings: a line of the working, a cell, or nothing.
    struct Step {
        const char* line;  // the working drawn, or nullptr
        double cell_x, cell_y;  // the cell filled, or 0
        const char* value;
    };
    const Step steps[21] = {
        {"n=-3 を代入して", 0, 0, ""}, {"2n", 0, 0, ""}, {"=2×(-3)", 0, 0, ""},
        {"=-6", 615, 140, "-6"},        {"2n=-6 だから", 0, 0, ""}, {"2n+1", 0, 0, ""},
        {"=-6+1", 0, 0, ""},            {"=-5", 615, 190, "-5"},     {nullptr, 0, 0, ""},
        {nullptr, 675, 140, "-4"},      {nullptr, 735, 140, "-2"},   {nullptr, 795, 140, "0"},
        {nullptr, 855, 140, "2"},       {nullptr, 915, 140, "4"},    {nullptr, 975, 140, "6"},
        {nullptr, 675, 190, "-3"},      {nullptr, 735, 190, "-1"},   {nullptr, 795, 190, "1"},
        {nullptr, 855, 190, "3"},       {nullptr, 915, 190, "5"},    {nullptr, 975, 190, "7"},
    };
    const double working_y[] = {140, 190, 240, 290, 340, 390, 440, 490};
    const double working_x[] = {100, 127, 100, 100, 100, 127, 100, 100};
    for (int k = 0; k < 21; ++k) {
        SCOPED_TRACE(k + 1);
        std::size_t to = k + 1 < 21 ? waits[k + 1] : LastIndexOf(item, kItemLineStart);
        std::vector<std::string> after(item.begin() + waits[k], item.begin() + to);
        auto drawn = GlyphsIn(after);
        std::string line_text, cell_text;
        for (const auto& g : drawn) {
            if (g.y >= 640) continue;
            if (g.x >= 615) {
                cell_text += g.ch;
                EXPECT_EQ(g.colour, 5);
                EXPECT_GE(g.x, steps[k].cell_x);
                EXPECT_LT(g.x, steps[k].cell_x + 60);
                EXPECT_GT(g.y, steps[k].cell_y);
                EXPECT_LT(g.y, steps[k].cell_y + 50);
            } else {
                line_text += g.ch;
            }
        }
        EXPECT_EQ(cell_text, steps[k].value);
        if (steps[k].line) {
            EXPECT_EQ(LineAt(drawn, working_x[k], working_y[k]).text, steps[k].line);
        } else {
            EXPECT_EQ(line_text, "");
        }
        if (steps[k].cell_x > 0) {
            // Drawn again over the empty cell, at its corner and size.
            EXPECT_NE(FindBlock(after, {"PsLINE " + Num(int(steps[k].cell_x)) + " " +
                                        Num(int(steps[k].cell_y)) + " " +
                                        Num(int(steps[k].cell_x) + 60) + " " +
                                        Num(int(steps[k].cell_y) + 50) + " 3 2 15 pen=3"}),
                      std::string::npos);
        }
    }
    EXPECT_EQ(program.V_a(31), 30);
    EXPECT_EQ(program.U_a(17), 975);
    EXPECT_EQ(program.V_a(17), 190);
}

}  // namespace
