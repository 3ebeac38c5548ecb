// Chapter 3 of Brenvale: the three answer screens of the page 73 practice,
// reached from main-menu item 3. Scripted runs through replay, checked on
// the operation log.
#include <string>
#include <utility>
#include <vector>

#include "tests/brenvale_drill_test_support.h"

namespace {

using namespace terms_testing;
using replay::Result;

const std::string kWindowPaint = "PsLINE 0 0 1760 1800 15 2 15 pen=3";
const std::string kMainMenuPanel = "PsLINE 22 10 1342 610 15 2 10 pen=3";

class PracticeP73Test : public ::testing::Test {
protected:
    void TearDown() override { surface::Surface::Shutdown(); }
    brenvale::Brenvale program;
};

// One row: where it starts, its text (a label joins the expression after
// it) and its colour, 3 for a label before an expression in colour 0.
struct Row {
    double x, y;
    const char* text;
    int colour;
};

// Screen rows, read back from the log of one screen.
void ExpectRows(const std::vector<std::string>& screen, const std::vector<Row>& rows) {
    auto glyphs = GlyphsIn(screen);
    for (const auto& w : rows) {
        SCOPED_TRACE(w.text);
        Line line = LineAt(glyphs, w.x, w.y);
        EXPECT_EQ(line.text, w.text);
        std::vector<int> colours(line.colours.size(), w.colour == 3 ? 0 : w.colour);
        if (w.colour == 3)
            for (std::size_t k = 0; k < 3 && k < colours.size(); ++k) colours[k] = 3;
        EXPECT_EQ(line.colours, colours);
    }
}

const std::vector<Row> kScreen1 = {
    {40, 90, "(1)6x-x", 3},          {94, 140, "=(6-1)x", 0},    {94, 190, "=5x", 5},
    {40, 250, "(2)-3x-8x", 3},       {94, 300, "=(-3-8)x", 0},   {94, 350, "=-11x", 5},
    {40, 410, "(3)2x-8+4x", 3},      {94, 460, "=2x+4x-8", 0},   {94, 510, "=6x-8", 5},
    {400, 90, "(4)-5y-8y+6y", 3},    {454, 140, "=(-5-8+6)y", 0}, {454, 190, "=-7y", 5},
    {400, 250, "(5)-x+1-8x+3", 3},   {454, 300, "=-x-8x+1+3", 0}, {454, 350, "=-9x+4", 5},
    {400, 410, "(6)4x-3-7x+2", 3},   {454, 460, "=4x-7x-3+2", 0}, {454, 510, "=-3x-1", 5},
};

const std::vector<Row> kScreen2 = {
    {40, 90, "(1)3a-(5a-1)", 3},    {94, 140, "=3a-5a+1", 0},     {94, 190, "=-2a+1", 5},
    {40, 250, "(2)2x+(3x-4)", 3},   {94, 300, "=2x+3x-4", 0},     {94, 350, "=5x-4", 5},
    {600, 90, "(3)-2a+7-(6a-7)", 3}, {654, 140, "=-2a+7-6a+7", 0}, {654, 190, "=-2a-6a+7+7", 0},
    {654, 240, "=-8a+14", 5},       {600, 300, "(4)3x-9-(2x+1)", 3}, {654, 350, "=3x-9-2x-1", 0},
    {654, 400, "=3x-2x-9-1", 0},    {654, 450, "=x-10", 5},
};

// The given pairs are one text, with a half-width blank after the comma;
// the sum and the difference start 27 right of the working lines.
const std::vector<Row> kScreen3 = {
    {40, 90, "(1)4x-11, -4x-5", 3},    {121, 140, "(4x-11)+(-4x-5)", 0},
    {94, 190, "=4x-11-4x-5", 0},       {94, 240, "=4x-4x-11-5", 0},
    {94, 290, "=-16", 5},              {121, 340, "(4x-11)-(-4x-5)", 0},
    {94, 390, "=(4x-11)+(4x+5)", 0},   {94, 440, "=4x-11+4x+5", 0},
    {94, 490, "=4x+4x-11+5", 0},       {94, 540, "=8x-6", 5},
    {600, 90, "(2)10x-9, 2-5x", 3},    {681, 140, "(10x-9)+(2-5x)", 0},
    {654, 190, "=10x-9+2-5x", 0},      {654, 240, "=10x-5x-9+2", 0},
    {654, 290, "=5x-7", 5},            {681, 340, "(10x-9)-(2-5x)", 0},
    {654, 390, "=(10x-9)+(-2+5x)", 0}, {654, 440, "=10x-9-2+5x", 0},
    {654, 490, "=10x+5x-9-2", 0},      {654, 540, "=15x-11", 5},
};

// The window paints that no main-menu panel follows: the chapter's entry,
// then one per screen.
std::vector<std::size_t> Paints(const std::vector<std::string>& log) {
    std::vector<std::size_t> out;
    for (std::size_t i : IndicesOf(log, kWindowPaint))
        if (i + 1 >= log.size() || log[i + 1] != kMainMenuPanel) out.push_back(i);
    return out;
}

// The log of each screen drawn: from its window paint to the item line
// that follows it.
std::vector<std::vector<std::string>> Screens(const std::vector<std::string>& log) {
    std::vector<std::vector<std::string>> out;
    auto paints = Paints(log);
    for (std::size_t k = 1; k < paints.size(); ++k) {
        std::size_t end = paints[k];
        while (end < log.size() && !IsItemLineStart(log[end])) ++end;
        out.emplace_back(log.begin() + paints[k], log.begin() + end);
    }
    return out;
}

TEST_F(PracticeP73Test, EachScreenDrawsItsFrameAndAnswersWithoutWaiting) {
    Result r = RunBrenvale(program, "3{enter}1{enter}2{enter}3{enter}");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    auto screens = Screens(r.log);
    ASSERT_EQ(screens.size(), 3u);
    const std::vector<Row>* rows[3] = {&kScreen1, &kScreen2, &kScreen3};
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE("screen " + std::to_string(k + 1));
        const auto& screen = screens[k];
        EXPECT_TRUE(IndicesOf(screen, kAnyKeyBox).empty());
        // The title box and the number box beside it, in the pen in force.
        EXPECT_EQ(IndicesOf(screen, "PsLINE 40 30 436 76 3 2 13 pen=3").size(), 1u);
        EXPECT_EQ(IndicesOf(screen, "PsLINE 456 30 500 74 4 2 3 pen=3").size(), 1u);
        std::string title, number;
        double title_x = -1;
        for (const auto& line : screen) {
            if (!testing_support::IsText(line)) continue;
            auto d = testing_support::ParseText(line);
            if (d.y == 31 && d.colour == 0) {
                if (title.empty()) title_x = d.x;
                title += d.text;
            }
            if (d.y == 30 && d.colour == 13) {
                number += d.text;
                EXPECT_GT(d.x, 456);
                EXPECT_LT(d.x, 500);
            }
        }
        EXPECT_EQ(title, "P73(練習問題)");
        // Centred without rounding: 396 across less 3 digits, 2 brackets and
        // 4 kanji.
        EXPECT_EQ(title_x, 40 + (396 - (5 * 27 + 4 * 34)) / 2.0);
        EXPECT_EQ(number, std::to_string(k + 1));
        ExpectRows(screen, *rows[k]);
        // Nothing below y 540: the prompt strip stays clear.
        for (const auto& g : GlyphsIn(screen)) EXPECT_LE(g.y, 540) << g.ch;
    }
}

TEST_F(PracticeP73Test, OutOfRangeChoicesLeaveTheScreen) {
    Result r = RunBrenvale(program, "3{enter}1{enter}0{enter}5{enter}3{enter}");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    auto paints = Paints(r.log);
    ASSERT_EQ(paints.size(), 3u);  // the chapter, screen 1, screen 3
    std::size_t item_lines = 0;
    for (std::size_t i = paints[1]; i < paints[2]; ++i) item_lines += IsItemLineStart(r.log[i]);
    EXPECT_EQ(item_lines, 3u);
    // Screen 3 replaces screen 1 wholly.
    auto screens = Screens(r.log);
    ASSERT_EQ(screens.size(), 2u);
    ExpectRows(screens[1], kScreen3);
}

TEST_F(PracticeP73Test, LastItemReturnsToTheMainMenu) {
    for (const char* keys : {"3{enter}4{enter}", "3{enter}8/2{enter}", "3{enter}2{enter}4{enter}"}) {
        SCOPED_TRACE(keys);
        brenvale::Brenvale fresh;
        Result r = RunBrenvale(fresh, keys);
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        EXPECT_EQ(IndicesOf(r.log, kMainMenuPanel).size(), 2u);
        surface::Surface::Shutdown();
    }
}

// The magnet explanation leaves the pen 5 wide; the boxes are bordered in it.
TEST_F(PracticeP73Test, BoxesTakeThePenWidthInForce) {
    Result r = RunBrenvale(program, "2{enter}6{enter}" + Repeat("a", 15) + "7{enter}3{enter}1{enter}");
    ASSERT_EQ(r.kind, Result::kKeysUsedUp);
    EXPECT_EQ(IndicesOf(r.log, "PsLINE 40 30 436 76 3 2 13 pen=5").size(), 1u);
    EXPECT_EQ(IndicesOf(r.log, "PsLINE 456 30 500 74 4 2 3 pen=5").size(), 1u);
}

}  // namespace
