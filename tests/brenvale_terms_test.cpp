// Chapter 1 of Brenvale, items ① to ③: the magnet problem with its figure,
// the term and coefficient drills, and the answers of page 69. Scripted runs
// through replay, checked on the operation log.
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tests/brenvale_terms_test_support.h"

namespace {

using namespace terms_testing;
using replay::Result;

// Keys that open chapter 1 from the main menu and choose an item.
std::string Item(int n) { return "1{enter}" + std::to_string(n) + "{enter}"; }

class TermsItemTest : public ::testing::Test {
protected:
    void TearDown() override { surface::Surface::Shutdown(); }
    brenvale::Brenvale program;
};

// ---- item ①: the magnet problem ----

// Magnet centres of one figure, as offsets from its frame's top-left corner.
const std::pair<double, double> kMagnetOffsets[11] = {
    {20, 70},  {70, 120},  {70, 20},  {125, 70}, {175, 120}, {175, 20},
    {230, 70}, {370, 70}, {420, 120}, {470, 70}, {420, 20},
};

TEST_F(TermsItemTest, MagnetProblemBuildsItsScreenKeyByKey) {
    Result r = RunBrenvale(program, Item(1) + Repeat("a", 15));
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    const auto& log = r.log;

    // One clear, of the whole window and the prompt strip, before anything.
    auto clears = IndicesOf(log, "PsLINE 0 0 1760 1300 15 2 15 pen=3");
    ASSERT_EQ(clears.size(), 1u);
    const std::size_t start = clears[0];
    std::size_t end = start;
    while (end < log.size() && !IsItemLineStart(log[end])) ++end;
    ASSERT_LT(end, log.size()) << "the sub-menu comes back after the item";
    EXPECT_EQ(IndicesOf(log, kAnyKeyBox, start, end).size(), 15u);

    // Three figures of eleven magnets, at the three frame origins.
    std::multiset<std::string> want_discs, discs;
    for (auto [ox, oy] : {std::pair{40.0, 90.0}, {40.0, 300.0}, {640.0, 260.0}})
        for (auto [dx, dy] : kMagnetOffsets)
            want_discs.insert("PsCIRCLE " + surface::LogNumber(ox + dx) + " " +
                              surface::LogNumber(oy + dy) + " 10 0 1 0 0 1 0 pen=5");
    for (std::size_t i = start; i < end; ++i)
        if (StartsWith(log[i], "PsCIRCLE ") && log[i].find(" 10 0 1 0 0 1 0 ") != std::string::npos)
            discs.insert(log[i]);
    EXPECT_EQ(discs, want_discs);

    // The first pupil's groups over figure B, after the second wait; the
    // second pupil's rows over figure C, after the ninth.
    const std::vector<std::string> first_grouping = {
        "PsCONNECT 7 30 370 110 450 140 420 90 370 140 320 110 290 30 370 5 0 0 pen=5",
        "PsCONNECT 7 135 370 215 450 245 420 195 370 245 320 215 290 135 370 5 0 0 pen=5",
        "PsCONNECT 7 380 370 460 450 490 420 440 370 490 320 460 290 380 370 5 0 0 pen=5",
        "PsLINE 490 355 530 385 5 1 0 pen=5",
    };
    const std::vector<std::string> second_grouping = {
        "PsLINE 690 260 1080 295 5 1 0 pen=5",
        "PsLINE 620 312 1150 348 5 1 0 pen=5",
        "PsLINE 690 400 1080 365 5 1 0 pen=5",
    };
    std::size_t first_at = FindBlock(log, first_grouping, start);
    std::size_t second_at = FindBlock(log, second_grouping, start);
    ASSERT_NE(first_at, std::string::npos);
    ASSERT_NE(second_at, std::string::npos);
    EXPECT_EQ(IndicesOf(log, kAnyKeyBox, start, first_at).size(), 2u);
    EXPECT_EQ(IndicesOf(log, kAnyKeyBox, start, second_at).size(), 9u);

    // The texts, continued lines joining without gaps; the colours show
    // what the pupil counts.
    auto glyphs = GlyphsIn(std::vector<std::string>(log.begin() + start, log.begin() + end));
    struct Want {
        double x, y;
        const char* text;
        // (characters or 0 for the rest, colour); a blank counts with the text
    // after it.
    std::vector<std::pair<int, int>> colour_runs;
    };
    const Want texts[] = {
        {40, 30, "教科書P68 x枚の画用紙をとめるのに必要なマグネットの個数は？", {{0, 7}}},
        {40, 240, "<かりんさんの考え>", {{0, 7}}},
        {40, 450, "<けいたさんの考え>", {{0, 7}}},
        {160, 500, "x+(x+1)+x", {{0, 3}}},
        {640, 90, "かりんさん…3個の組がx組で3x個。", {{5, 3}, {9, 0}, {2, 5}, {2, 0}}},
        {640, 140, "1個が1組 だから 3x+1(個)", {{9, 0}, {5, 5}, {3, 0}}},
        {640, 200, "けいたさん", {{0, 3}}},
        {640, 410, "上端はx個。まん中は(x+1)個。", {{3, 0}, {1, 5}, {6, 0}, {5, 5}, {2, 0}}},
        {640, 460, "下端はx個。だから、", {{3, 0}, {1, 5}, {6, 0}}},
        {640, 510, "x+(x+1)+x(個)。", {{9, 5}, {4, 0}}},
        {640, 590, "x+(x+1)+x=3x+1", {{0, 5}}},
    };
    for (const auto& w : texts) {
        SCOPED_TRACE(w.text);
        Line line = LineAt(glyphs, w.x, w.y);
        EXPECT_EQ(line.text, w.text);
        std::vector<int> colours;
        for (auto [n, c] : w.colour_runs)
            colours.insert(colours.end(), n ? n : line.colours.size() - colours.size(), c);
        EXPECT_EQ(line.colours, colours);
    }
    // The equality closes the item: no wait after it, the sub-menu follows.
    std::size_t last_text = glyphs.back().index + start;
    EXPECT_EQ(glyphs.back().y, 590);
    EXPECT_TRUE(IndicesOf(log, kAnyKeyBox, last_text, end).empty());
}

TEST_F(TermsItemTest, MagnetProblemLeavesPenAndRegistersForLaterItems) {
    auto& s = surface::Surface::Start(std::make_unique<surface::HeadlessBackend>(
        surface::ParseKeys(Repeat("a", 15)), std::vector<std::string>{"09:00:00"}));
    s.EnableLog(true);
    surface::FE_SETDRAWWIDTH(0, 3);
    program.MagnetProblemP68();
    EXPECT_EQ(surface::FE_GETDRAWWIDTH(0), 5);
    EXPECT_EQ(program.XI1, 640);
    EXPECT_EQ(program.YI1, 590);
    EXPECT_EQ(program.CCC1, 5);
    EXPECT_EQ(program.GridOriginX, 640);
    EXPECT_EQ(program.GridOriginY, 260);
    // The points of figure C, in pixels.
    EXPECT_EQ(program.X_a(1), 640);
    EXPECT_EQ(program.Y_a(1), 330);
    EXPECT_EQ(program.X_a(17), 1130);
    EXPECT_EQ(program.Y_a(18), 260);
}

// ---- the paper-and-magnet figure ----

TEST_F(TermsItemTest, PaperMagnetFigureHandsBackItsPointsInPixels) {
    auto& s = surface::Surface::Start(std::make_unique<surface::HeadlessBackend>(
        std::vector<surface::Str>{}, std::vector<std::string>{"09:00:00"}));
    s.EnableLog(true);
    surface::FE_SETDRAWWIDTH(0, 5);
    auto& p = program;
    for (int i = 1; i <= 50; ++i) {
        p.X_a(i) = 1000 + i;
        p.Y_a(i) = 2000 + i;
    }
    p.GridOriginX = 40;
    p.GridOriginY = 90;
    p.XI1 = 44;
    p.YI1 = 7;
    p.X = 1;
    p.Y = 2;
    p.CCC1 = 6;
    p.CCC3 = 9;
    p.DrawPaperMagnets();

    // Sheet 1's corners, and the last sheet's right corner.
    EXPECT_EQ(std::vector<double>({p.X_a(1), p.Y_a(1), p.X_a(2), p.Y_a(2), p.X_a(3), p.Y_a(3),
                                   p.X_a(4), p.Y_a(4)}),
              std::vector<double>({40, 160, 110, 230, 180, 160, 110, 90}));
    EXPECT_EQ(p.X_a(17), 530);
    EXPECT_EQ(p.Y_a(17), 160);
    EXPECT_EQ(p.YI1, 230);
    for (int i = 20; i <= 50; ++i) {
        EXPECT_EQ(p.X_a(i), 1000 + i);
        EXPECT_EQ(p.Y_a(i), 2000 + i);
    }
    // Left as they were: the origin, the caller's pen, colours and width.
    EXPECT_EQ(p.GridOriginX, 40);
    EXPECT_EQ(p.GridOriginY, 90);
    EXPECT_EQ(p.XI1, 44);
    EXPECT_EQ(p.X, 1);
    EXPECT_EQ(p.Y, 2);
    EXPECT_EQ(p.CCC1, 6);
    EXPECT_EQ(p.CCC3, 9);
    EXPECT_EQ(surface::FE_GETDRAWWIDTH(0), 5);
    EXPECT_EQ(p.CCC2, 15);
    EXPECT_EQ(p.TATE, 4);

    // Sheets and magnets only, in drawing order: no grid line, the last
    // magnet 20 inside the right corner.
    const auto& log = s.log();
    std::string kinds;
    for (const auto& line : log) kinds += line.substr(0, line.find(' ')) + ",";
    EXPECT_EQ(kinds,
              "PsCONNECT,PsCONNECT,PsCONNECT,PsCIRCLE,PsCIRCLE,PsCIRCLE,PsCIRCLE,PsCIRCLE,"
              "PsCIRCLE,PsCIRCLE,PsSYMBOL40,PsCONNECT,PsCONNECT,PsCIRCLE,PsCIRCLE,PsCIRCLE,"
              "PsCIRCLE,");
    ASSERT_EQ(log.size(), 17u);
    EXPECT_EQ(log[0], "PsCONNECT 5 40 160 110 230 180 160 110 90 40 160 0 1 13 pen=5");
    EXPECT_EQ(log[2], "PsCONNECT 4 250 160 285 195 285 125 250 160 0 1 13 pen=5");
    EXPECT_TRUE(StartsWith(log[10], "PsSYMBOL40 300 125 \"…\" 5 5 0 ")) << log[10];
    EXPECT_EQ(log[15], "PsCIRCLE 510 160 10 0 1 0 0 1 0 pen=5");
}

TEST_F(TermsItemTest, PaperMagnetFiguresAHundredApartShareTheirMagnets) {
    auto& s = surface::Surface::Start(std::make_unique<surface::HeadlessBackend>(
        std::vector<surface::Str>{}, std::vector<std::string>{"09:00:00"}));
    s.EnableLog(true);
    surface::FE_SETDRAWWIDTH(0, 5);
    auto discs = [&](double oy) {
        s.ClearLog();
        program.GridOriginX = 40;
        program.GridOriginY = oy;
        program.DrawPaperMagnets();
        std::vector<std::pair<double, double>> at;
        for (const auto& line : s.log())
            if (StartsWith(line, "PsCIRCLE ")) {
                auto n = Numbers(line);
                at.push_back({n[0], n[1]});
            }
        return at;
    };
    auto upper = discs(200);
    std::vector<double> upper_points;
    for (int i = 1; i <= 19; ++i) upper_points.push_back(program.X_a(i));
    auto again = discs(200);
    std::vector<double> again_points;
    for (int i = 1; i <= 19; ++i) again_points.push_back(program.X_a(i));
    EXPECT_EQ(again_points, upper_points);  // points are stored afresh
    auto lower = discs(300);
    std::set<std::pair<double, double>> upper_bottom, lower_top;
    for (auto [x, y] : upper)
        if (y == 200 + 120) upper_bottom.insert({x, y});
    for (auto [x, y] : lower)
        if (y == 300 + 20) lower_top.insert({x, y});
    EXPECT_EQ(upper_bottom.size(), 3u);
    EXPECT_EQ(upper_bottom, lower_top);
}

// ---- item ②: terms and coefficients ----

struct CoefficientRow {
    double pick;         // the random number of the pass
    const char* letter;  // named in the heading
    const char* term;
    const char* coefficient;
};

TEST_F(TermsItemTest, TermsAndCoefficientsRunAllTenRowsAndWrap) {
    const char* const expressions[10] = {
        "9x+3",    "x-3y",          "8-4a+b",         "5a-b-6",         "-5a-b-6",
        "ﾀ3/4ﾀx-5", "ﾀ3/4ﾀx-ﾀ2/5ﾀy", "5x-ﾀy/2ﾀ", "-ﾀx/5ﾀa-ﾀ1/7ﾀb", "ﾀx/2ﾀ-ﾀ1/3ﾀy-ﾀ1/4ﾀ"};
    const char* const sums[10] = {"9x+3",
                                  "x+(-3y)",
                                  "8+(-4a)+b",
                                  "5a+(-b)+(-6)",
                                  "-5a+(-b)+(-6)",
                                  "ﾀ3/4ﾀx+(-5)",
                                  "ﾀ3/4ﾀx+(-ﾀ2/5ﾀy)",
                                  "5x+(-ﾀy/2ﾀ)",
                                  "-ﾀx/5ﾀa+(-ﾀ1/7ﾀb)",
                                  "ﾀx/2ﾀ+(-ﾀ1/3ﾀy)+(-ﾀ1/4ﾀ)"};
    const char* const terms[10] = {"9x,3",       "x,-3y",         "8,-4a,b",
                                   "5a,-b,-6",   "-5a,-b,-6",     "ﾀ3/4ﾀx,-5",
                                   "ﾀ3/4ﾀx,-ﾀ2/5ﾀy", "5x,-ﾀy/2ﾀ", "-ﾀx/5ﾀa,-ﾀ1/7ﾀb",
                                   "ﾀx/2ﾀ,-ﾀ1/3ﾀy,-ﾀ1/4ﾀ"};
    // Rows 9 and 10 carry their own letter whatever is drawn (y and b here).
    const CoefficientRow rows[11] = {
        {0.0, "a", "5a", "5"},           {0.2, "b", "-3b", "-3"},
        {0.4, "c", "0.1c", "0.1"},       {0.6, "x", "-0.1x", "-0.1"},
        {0.8, "y", "ﾀ2/3ﾀy", "ﾀ2/3ﾀ"},   {0.1, "a", "-ﾀ2/3ﾀa", "-ﾀ2/3ﾀ"},
        {0.3, "b", "b", "1"},            {0.5, "c", "-c", "-1"},
        {0.9, "x", "ﾀx/3ﾀ", "ﾀ1/3ﾀ"},    {0.25, "a", "-ﾀa/2ﾀ", "-ﾀ1/2ﾀ"},
        {0.7, "x", "5x", "5"},
    };
    std::vector<double> picks;
    for (const auto& row : rows) picks.push_back(row.pick);
    // Eleven passes of each question, the eleventh ended by 1; then the
    // item once more, left after its first row.
    std::string keys = Item(2) + Repeat("a2{enter}", 10) + "a1{enter}a" +
                       Repeat("a2{enter}", 10) + "a1{enter}a" + "2{enter}a1{enter}";
    Result r = RunBrenvale(program, keys, picks);
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);

    auto q1 = SplitAt(r.log, "PsLINE 0 80 560 400 15 2 15 ");
    auto q2 = SplitAt(r.log, "PsLINE 600 0 1600 400 15 2 15 ");
    ASSERT_EQ(q1.size(), 12u);
    ASSERT_EQ(q2.size(), 11u);
    for (int pass = 0; pass < 12; ++pass) {
        SCOPED_TRACE("question 1, pass " + std::to_string(pass + 1));
        // Row 1 follows row 10, and the item chosen again starts at row 1.
        int row = pass == 11 ? 0 : pass % 10;
        const auto& part = q1[pass];
        auto shown = FindBlock(part, Reference(0, 127, 110, expressions[row]));
        auto wait = IndicesOf(part, kAnyKeyBox);
        auto sum = FindBlock(part, Reference(0, 100, 190, std::string("=") + sums[row]));
        auto list = FindBlock(part, Reference(3, 100, 270, std::string("項…") + terms[row]));
        ASSERT_NE(shown, std::string::npos);
        ASSERT_FALSE(wait.empty());
        EXPECT_LT(shown, wait[0]);
        EXPECT_NE(sum, std::string::npos);
        EXPECT_NE(list, std::string::npos);
        EXPECT_LT(wait[0], sum);
        EXPECT_LT(sum, list);
        EXPECT_LT(list, IndicesOf(part, kStepBox).at(0));
    }
    for (int pass = 0; pass < 11; ++pass) {
        SCOPED_TRACE("question 2, pass " + std::to_string(pass + 1));
        const auto& row = rows[pass];
        const auto& part = q2[pass];
        auto heading = FindBlock(
            part, Reference(0, 600, 30, std::string("問②　") + row.letter + "の係数をいいなさい。"));
        auto term = FindBlock(part, Reference(0, 687, 110, row.term));
        auto coefficient =
            FindBlock(part, Reference(3, 660, 190, std::string("係数…") + row.coefficient));
        ASSERT_NE(heading, std::string::npos);
        ASSERT_NE(term, std::string::npos);
        ASSERT_NE(coefficient, std::string::npos);
        EXPECT_LT(heading, term);
        EXPECT_LT(term, IndicesOf(part, kAnyKeyBox).at(0));
        EXPECT_LT(IndicesOf(part, kAnyKeyBox).at(0), coefficient);
    }

    // The two definitions, and the textbook task last, with no wait after.
    std::vector<std::string> last = q2.back();
    last.resize(std::find_if(last.begin(), last.end(), IsItemLineStart) - last.begin());
    auto glyphs = GlyphsIn(q1[10]);
    Line term_definition = LineAt(glyphs, 40, 350);
    EXPECT_EQ(term_definition.text, "項…+(加法の記号）で結ばれた、");
    EXPECT_EQ(LineAt(glyphs, 100, 400).text, "1つ1つの数や文字式");
    glyphs = GlyphsIn(last);
    EXPECT_EQ(LineAt(glyphs, 600, 270).text, "係数…文字をふくむ項の数の部分");
    Line task = LineAt(glyphs, 40, 510);
    EXPECT_EQ(task.text, "教科書P69問1 をしなさい。");
    EXPECT_EQ(task.colour, 7);
    EXPECT_EQ(glyphs.back().y, 510);
    EXPECT_TRUE(IndicesOf(last, kAnyKeyBox, glyphs.back().index).empty());
}

TEST_F(TermsItemTest, StepNumberOtherThanExactlyOneGivesAnotherRow) {
    // Each pass shows the next row; the one ended by a typed 1 is the last.
    struct Case {
        const char* steps;
        std::size_t passes;
    };
    const Case cases[] = {
        {"1{enter}", 1},
        {"0{enter}1.5{enter}-1{enter}11{enter}2/2{enter}", 5},
        {"{enter}01{enter}", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.steps);
        std::string keys = Item(2);
        std::string steps = c.steps;
        for (std::size_t at = 0; at < steps.size();) {
            std::size_t next = steps.find("{enter}", at) + 7;
            keys += "a" + steps.substr(at, next - at);
            at = next;
        }
        brenvale::Brenvale fresh;
        Result r = RunBrenvale(fresh, keys);
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        EXPECT_EQ(SplitAt(r.log, "PsLINE 0 80 560 400 15 2 15 ").size(), c.passes);
        EXPECT_EQ(SplitAt(r.log, "PsLINE 600 0 1600 400 15 2 15 ").size(), 0u);
        surface::Surface::Shutdown();
    }
}

// ---- item ③: the answers of page 69 ----

TEST_F(TermsItemTest, AnswersOfPage69AreDrawnAtOnceAndAlike) {
    Result r = RunBrenvale(program, Item(3) + "3{enter}");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    auto visits = SplitAt(r.log, "PsLINE 0 0 1760 1300 15 2 15 ");
    ASSERT_EQ(visits.size(), 2u);
    for (auto& visit : visits) {
        std::size_t menu = 0;
        while (menu < visit.size() && !IsItemLineStart(visit[menu])) ++menu;
        visit.resize(menu);
        EXPECT_TRUE(IndicesOf(visit, kAnyKeyBox).empty());
    }
    EXPECT_EQ(visits[0], visits[1]);

    // Labels in 0, answers in 5; a second coefficient 27 after the first.
    auto glyphs = GlyphsIn(visits[0]);
    struct Want {
        double x, y;
        const char* text;
        std::vector<int> colours;
    };
    auto runs = [](std::vector<std::pair<int, int>> r) {
        std::vector<int> out;
        for (auto [n, c] : r) out.insert(out.end(), n, c);
        return out;
    };
    const Want texts[] = {
        {40, 105, "(1)9-2x", runs({{3, 3}, {4, 0}})},
        {94, 155, "項…9, -2x", runs({{2, 0}, {6, 5}})},
        {94, 205, "xの係数…-2", runs({{5, 0}, {2, 5}})},
        {654, 150, "項…a, -b, 8", runs({{2, 0}, {8, 5}})},
        {654, 230, "aの係数…1 bの係数…-1", runs({{5, 0}, {1, 5}, {1, 0}, {5, 0}, {2, 5}})},
    };
    for (const auto& w : texts) {
        SCOPED_TRACE(w.text);
        Line line = LineAt(glyphs, w.x, w.y);
        EXPECT_EQ(line.text, w.text);
        EXPECT_EQ(line.colours, w.colours);
    }
    EXPECT_NE(FindBlock(visits[0], Reference(0, 121, 290, "ﾀx/4ﾀ-3y=ﾀ1/4ﾀx-3y")),
              std::string::npos);
}

}  // namespace
