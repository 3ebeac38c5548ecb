// Chapter 4 of Brenvale, item ④: the flower bed 3 m by 2a m widened by
// 1 m, its cells, its dimension marks and the area 3(2a+1) = 6a+3, key by
// key.
#include <string>
#include <vector>

#include "tests/brenvale_muldiv_test_support.h"

namespace {

using namespace muldiv_testing;
using replay::Result;

const std::string kItemHead = "PsLINE 0 0 1320 1300 15 2 15 ";

class FlowerBedTest : public ::testing::Test {
protected:
    void TearDown() override { surface::Surface::Shutdown(); }

    // The item with its nine keys: the log from its head to the sub-menu,
    // cut at each key wait (ten steps).
    void Run() {
        Result r = RunBrenvale(program, Chapter4Item(4) + Repeat("a", 9));
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        auto visits = SplitAt(r.log, kItemHead);
        ASSERT_EQ(visits.size(), 1u);
        auto& item = visits[0];
        std::size_t menu = std::find_if(item.begin(), item.end(), IsItemLineStart) - item.begin();
        ASSERT_LT(menu, item.size());
        item.resize(menu);
        screen = item;
        steps.assign(1, {});
        for (const auto& line : item) {
            if (line == kAnyKeyBox) steps.emplace_back();
            steps.back().push_back(line);
        }
    }

    brenvale::Brenvale program;
    std::vector<std::string> screen;
    std::vector<std::vector<std::string>> steps;
};

// The cells of the lesson: the bed row by row, then the
// widening top to bottom.
std::vector<Box> BedCells() {
    std::vector<Box> out;
    for (double y : {210, 280, 350})
        for (double x : {144, 232}) out.push_back({x, y, x + 88, y + 70, 9});
    return out;
}
std::vector<Box> WideningCells() {
    return {{320, 210, 390, 280, 7}, {320, 280, 390, 350, 7}, {320, 350, 390, 420, 7}};
}

TEST_F(FlowerBedTest, NineKeysRevealTenSteps) {
    Run();
    ASSERT_EQ(steps.size(), 10u);
    // Every key wait is complete: nothing is drawn inside the wait.
    const std::vector<WrittenLine> lines_by_step[10] = {
        {{44, 30, {{0, "縦3m,横2amの長方形の花壇があります。"}}},
         {44, 90, {{0, "横を1mだけのばしたときの花壇の面積を求めなさい。"}}}},
        {},
        {{484, 150, {{5, "<式>"}}}},
        {{528, 210, {{0, "3(2"}, {0, "a+"}, {0, "1)"}}}},
        {},
        {{484, 350, {{5, "=6a+3 (m^2)"}}}},
        {{484, 280, {{0, "=3*2a+3*1"}}}},
        {},
        {},
        {{484, 430, {{3, "分配法則を使う！"}}}},
    };
    for (int k = 0; k < 10; ++k) {
        SCOPED_TRACE("step " + std::to_string(k + 1));
        ExpectLinesInOrder(steps[k], lines_by_step[k]);
    }
}

TEST_F(FlowerBedTest, CellsAreBorderedFiveWideAndLabelledAtStepFive) {
    Run();
    ASSERT_EQ(steps.size(), 10u);
    auto bed = BedCells(), widening = WideningCells();
    EXPECT_EQ(BoxesIn(steps[0]), bed);
    EXPECT_EQ(BoxesIn(steps[1]), widening);
    std::vector<Box> all = bed;
    all.insert(all.end(), widening.begin(), widening.end());
    auto again = BoxesIn(steps[4]);
    EXPECT_EQ(again, all);
    // Empty cells first; then "a" in each bed cell and "1" in each of the
    // widening, in colour 5.
    for (const auto& b : bed) EXPECT_EQ(TextInBox(GlyphsIn(steps[0]), b), "") << b;
    auto glyphs = GlyphsIn(steps[4]);
    ASSERT_EQ(again.size(), 9u);
    for (std::size_t k = 0; k < 9; ++k)
        EXPECT_EQ(TextInBox(glyphs, again[k]), k < 6 ? "a" : "1") << again[k];
    for (const auto& g : glyphs) EXPECT_EQ(g.colour, 5) << g.ch;
    // No other step paints a cell.
    for (int k : {2, 3, 5, 6, 7, 8, 9}) EXPECT_TRUE(BoxesIn(steps[k]).empty()) << k;
    // The pen stays 5 wide for what comes after the item.
    EXPECT_EQ(surface::FE_GETDRAWWIDTH(0), 5);
}

TEST_F(FlowerBedTest, DottedMarksGiveTheDimensionsAndTheDistribution) {
    Run();
    ASSERT_EQ(steps.size(), 10u);
    struct Want {
        int step;
        std::size_t dots;
        double first_x, first_y;
        double extreme;  // the leftmost dot of "3m", the highest of the others
        const char* label;
    };
    const Want want[] = {
        {0, 91, 144, 210, 128, "3m"},  {0, 181, 144, 210, 194, "2am"},
        {1, 91, 320, 210, 194, "1m"},  {7, 181, 538, 210, 194, ""},
        {8, 181, 538, 210, 178, ""},
    };
    std::size_t seen = 0;
    for (int k = 0; k < 10; ++k) {
        auto arrows = ArrowsIn(steps[k], 3);
        for (const auto& a : arrows) {
            ASSERT_LT(seen, std::size(want));
            const Want& w = want[seen++];
            SCOPED_TRACE(std::string("mark ") + w.label + " " + std::to_string(seen));
            EXPECT_EQ(k, w.step);
            EXPECT_EQ(a.dots, w.dots);
            // The dots go from point 2 round to point 1, or from point 1
            // for the mark on the left.
            bool left_mark = seen == 1;
            EXPECT_NEAR(left_mark ? a.first_x : a.last_x, w.first_x, 0.5);
            EXPECT_NEAR(left_mark ? a.first_y : a.last_y, w.first_y, 0.5);
            EXPECT_NEAR(left_mark ? a.left : a.top, w.extreme, 0.5);
            EXPECT_EQ(a.label, w.label);
            if (*w.label) {
                EXPECT_EQ(a.label_colour, 0);
            }
        }
    }
    EXPECT_EQ(seen, std::size(want));
    // Dots as wide as the pen the item set.
    for (const auto& line : screen) {
        if (StartsWith(line, "PsCIRCLE ")) {
            EXPECT_TRUE(line.ends_with(" pen=5")) << line;
        }
    }
    // The formula marks end between the 2 and the a, and over the 1.
    auto first = ArrowsIn(steps[7], 3), second = ArrowsIn(steps[8], 3);
    ASSERT_EQ(first.size(), 1u);
    ASSERT_EQ(second.size(), 1u);
    EXPECT_NEAR(first[0].first_x, program.X_a(2), 0.5);
    EXPECT_NEAR(second[0].first_x, program.X_a(3), 0.5);
    auto formula = FindPieces(screen, {528, 210, {{0, "3(2"}, {0, "a+"}, {0, "1)"}}});
    ASSERT_NE(formula[2], std::string::npos);
    // Where "a+" starts is where "3(2" ends: the first glyph of "a+".
    auto a_start = ReferencePieces(528, 210, {{0, "3(2"}, {0, "a+"}, {0, "1)"}});
    auto start_of = [](const std::vector<std::string>& block) {
        return GlyphsIn(block).front().x;
    };
    EXPECT_NEAR(program.X_a(2), start_of(a_start[1]), 0.5);
    EXPECT_NEAR(program.X_a(3), start_of(a_start[2]) + 10, 0.5);
}

TEST_F(FlowerBedTest, TheWorkingLineStaysEmptyUntilTheKeyAfterTheTotal) {
    Run();
    ASSERT_EQ(steps.size(), 10u);
    for (int k = 0; k < 6; ++k)
        for (const auto& g : GlyphsIn(steps[k])) EXPECT_NE(g.y, 280) << "step " << k + 1 << " " << g.ch;
    EXPECT_FALSE(GlyphsIn(steps[6]).empty());
    // What the marks and later items rely on.
    EXPECT_EQ(program.FigureLeftX, 144);
    EXPECT_EQ(program.FigureTopY, 210);
    EXPECT_EQ(program.SavedLineY, 210);
    EXPECT_EQ(program.CurveBulge, 32);
    EXPECT_EQ(program.CurveExtent, 0);
    EXPECT_TRUE(program.LabelText_s.empty());
}

TEST_F(FlowerBedTest, TheNextItemDrawsWithTheWidePen) {
    Result r = RunBrenvale(program, Chapter4Item(4) + Repeat("a", 9) + "5{enter}");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    auto heads = std::count_if(r.log.begin(), r.log.end(),
                               [](const std::string& l) { return StartsWith(l, kItemHead); });
    ASSERT_EQ(heads, 2);
    auto second = std::find_if(r.log.rbegin(), r.log.rend(), [](const std::string& l) {
        return StartsWith(l, kItemHead);
    });
    EXPECT_EQ(*second, kItemHead + "pen=5");
}

}  // namespace
