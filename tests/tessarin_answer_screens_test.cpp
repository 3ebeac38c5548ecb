// The answer screens of chapter 3, the practice and the two reviews: their
// key waits, boxes and rows where the layout puts them, the partial erases,
// the tall parentheses and the corrected rows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/tessarin_test_support.h"

namespace {

using namespace tessarin_testing;
using replay::Result;

const std::string kHeadingBox = "PsLINE 40 30 436 76 3 2 13 pen=3";

struct Box {
    int x, y, width;
    const char* number;
};
// A row: its first character drawn at (x, y) in `colour`.
struct RowStart {
    int x, y, colour;
    const char* first;
};
struct Screen {
    const char* keys;  // main menu, then the sub-menu
    int key_waits;
    const char* name;
    std::vector<Box> boxes;
    std::vector<RowStart> rows;
};

// Every row whose place the layout fixes, screen by screen.
const std::vector<Screen> kScreens = {
    {"3{enter}1{enter}", 9, "Example4RelationMeaning",
     {},
     {{40, 30, 0, "例"},
      {121, 80, 3, "2"},
      {121, 150, 3, "解"},
      {121, 210, 3, "2"},
      {121, 270, 3, "2"},
      {121, 330, 5, "お"}}},
    {"3{enter}3{enter}", 4, "ShowP79Problem6Answers",
     {},
     {{40, 30, 3, "問"},
      {40, 90, 3, "("},
      {148, 90, 0, "2"},
      {121, 140, 0, "2"},
      {121, 190, 0, "="},
      {121, 240, 5, "お"},
      {40, 300, 3, "("},
      {148, 300, 0, "a"},
      {121, 350, 0, "a"},
      {121, 400, 0, "="},
      {121, 450, 5, "お"},
      {40, 30, 3, "問"},
      {40, 90, 3, "("},
      {148, 90, 0, "a"},
      {121, 140, 0, "a"},
      {121, 190, 0, ">"},
      {121, 240, 5, "お"},
      {40, 300, 3, "("},
      {148, 300, 0, "3"},
      {121, 350, 0, "3"},
      {121, 400, 0, "7"},
      {121, 450, 0, "≦"},
      {121, 500, 5, "お"}}},
    {"3{enter}4{enter}", 4, "ShowP80Problem7Answers",
     {},
     {{40, 30, 3, "問"},
      {148, 80, 0, "1"},
      {121, 140, 0, "1"},
      {121, 190, 0, "5"},
      {121, 240, 0, "2"},
      {121, 290, 5, "兄"}}},
    {"4{enter}1{enter}", 1, "ShowPracticeP80Answers1",
     {{456, 30, 44, "1"}},
     {{40, 90, 3, "("},
      {100, 140, 0, "x"},
      {100, 190, 0, "残"},
      {100, 240, 5, "3"},
      {40, 300, 3, "("},
      {100, 350, 0, "り"},
      {100, 400, 0, "2"},
      {100, 450, 5, "1"}}},
    {"4{enter}2{enter}", 0, "ShowPracticeP80Answers2",
     {{456, 30, 44, "2"}},
     {{40, 90, 0, "("},
      {40, 150, 0, "（"},
      {40, 210, 5, "（"}}},
    {"5{enter}1{enter}", 2, "ShowReviewP82Answers1To3",
     {{40, 80, 44, "1"}, {356, 320, 44, "2"}, {756, 130, 44, "3"}},
     {{40, 130, 3, "("},
      {127, 130, 0, "2"},
      {100, 180, 5, "="},
      {40, 240, 3, "("},
      {127, 240, 0, "-"},
      {100, 290, 5, "="},
      {40, 350, 3, "("},
      {127, 350, 0, "x"},
      {100, 420, 5, "="},
      {40, 480, 3, "("},
      {127, 480, 0, "("},
      {100, 550, 5, "="},
      {400, 90, 3, "("},
      {487, 90, 0, "1"},
      {460, 140, 5, "="},
      {400, 200, 3, "("},
      {487, 200, 0, "x"},
      {460, 270, 5, "="},
      {400, 320, 3, "("},
      {487, 320, 0, "2"},
      {460, 370, 5, "="},
      {400, 430, 3, "("},
      {487, 430, 0, "x"},
      {460, 480, 5, "="},
      {400, 540, 3, "("},
      {487, 540, 0, "8"},
      {460, 590, 5, "="},
      {800, 30, 3, "("},
      {887, 30, 0, "4"},
      {860, 80, 5, "="},
      {800, 130, 3, "("},
      {887, 130, 0, "x"},
      {860, 180, 5, "5"},
      {800, 240, 3, "("},
      {887, 240, 0, "x"},
      {800, 370, 3, "("},
      {887, 370, 0, "6"},
      {860, 440, 5, "6"},
      {800, 500, 3, "("},
      {887, 500, 0, "b"}}},
    {"5{enter}2{enter}", 1, "ShowReviewP82Answers4And5",
     {{40, 80, 44, "4"}, {436, 180, 44, "5"}},
     {{84, 80, 3, "("},
      {127, 130, 0, "5"},
      {100, 180, 0, "="},
      {100, 230, 0, "="},
      {40, 290, 3, "("},
      {127, 290, 0, "x"},
      {127, 340, 0, "4"},
      {100, 390, 0, "="},
      {100, 440, 0, "="},
      {40, 500, 3, "("},
      {127, 500, 0, "x"},
      {480, 30, 3, "("},
      {567, 30, 0, "x"},
      {567, 80, 0, "x"},
      {540, 130, 0, "="},
      {480, 180, 3, "("},
      {567, 180, 0, "x"},
      {567, 230, 0, "3"},
      {540, 280, 0, "="},
      {540, 330, 0, "="},
      {480, 390, 3, "("},
      {567, 390, 0, "x"},
      {567, 460, 0, "2"},
      {540, 530, 0, "="},
      {540, 590, 0, "="}}},
    {"5{enter}3{enter}", 1, "ShowReviewP82Answers6And7",
     {{40, 90, 44, "6"}, {40, 410, 44, "7"}},
     {{84, 90, 3, "("},
      {100, 140, 0, "項"},
      {100, 190, 0, "a"},
      {40, 250, 3, "("},
      {127, 250, 0, "-"},
      {100, 300, 0, "項"},
      {100, 350, 0, "x"},
      {84, 410, 3, "("},
      {100, 460, 0, "="},
      {40, 520, 3, "("},
      {127, 520, 0, "-"},
      {100, 570, 0, "="},
      {600, 30, 3, "("},
      {687, 30, 0, "7"},
      {660, 80, 0, "="},
      {660, 130, 5, "="},
      {600, 190, 3, "("},
      {687, 190, 0, "9"},
      {660, 240, 0, "="},
      {660, 290, 5, "="},
      {600, 350, 3, "("},
      {687, 350, 0, "5"},
      {660, 400, 0, "="},
      {660, 450, 0, "="},
      {600, 510, 3, "("},
      {687, 510, 0, "-"},
      {660, 560, 0, "="}}},
    {"5{enter}4{enter}", 0, "ShowReviewP82Answers8",
     {{456, 30, 44, "8"}},
     {{40, 90, 3, "("},
      {127, 90, 0, "("},
      {100, 140, 0, "="},
      {100, 190, 0, "="},
      {127, 270, 0, "("},
      {100, 320, 0, "="},
      {100, 370, 0, "="},
      {100, 420, 0, "="},
      {640, 30, 3, "("},
      {721, 30, 0, "("},
      {694, 80, 0, "="},
      {694, 130, 0, "="},
      {694, 180, 5, "="},
      {721, 260, 0, "("},
      {694, 310, 0, "="},
      {694, 360, 0, "="},
      {694, 410, 0, "="},
      {694, 460, 5, "="}}},
    {"5{enter}5{enter}", 1, "ShowReviewP82Answers9",
     {{456, 30, 44, "9"}},
     {{40, 90, 3, "("},
      {127, 90, 0, "2"},
      {100, 140, 5, "="},
      {40, 200, 3, "("},
      {127, 200, 0, "-"},
      {100, 250, 5, "="},
      {40, 310, 3, "("},
      {127, 310, 0, "4"},
      {100, 380, 0, "="},
      {100, 450, 5, "="},
      {400, 90, 3, "("},
      {487, 90, 0, "-"},
      {460, 160, 0, "="},
      {460, 220, 0, "="},
      {460, 270, 5, "="},
      {400, 330, 3, "("},
      {487, 330, 0, "3"},
      {460, 380, 0, "="},
      {460, 430, 5, "="},
      {240, 490, 3, "("},
      {327, 490, 0, "-"},
      {300, 540, 0, "="},
      {300, 590, 5, "="},
      {760, 90, 3, "("},
      {847, 90, 0, "("},
      {820, 160, 0, "="},
      {820, 220, 5, "="},
      {760, 300, 3, "("},
      {847, 300, 0, "("},
      {820, 370, 0, "="},
      {820, 430, 5, "="},
      {40, 110, 3, "("},
      {100, 180, 0, "="},
      {100, 240, 5, "="},
      {40, 320, 3, "("},
      {100, 370, 0, "="},
      {100, 420, 0, "="},
      {100, 470, 5, "="}}},
    {"5{enter}6{enter}", 2, "ShowReviewP82Answers10",
     {{456, 30, 80, "10"}},
     {{40, 90, 3, "("},
      {127, 90, 0, "あ"},
      {100, 140, 0, "あ"},
      {100, 190, 0, "こ"},
      {40, 250, 3, "("},
      {127, 250, 0, "あ"},
      {100, 300, 0, "あ"},
      {100, 350, 0, "１"},
      {100, 400, 5, "y"},
      {40, 460, 3, "("},
      {127, 460, 0, "a"},
      {100, 510, 0, "一"},
      {100, 560, 0, "a"},
      {100, 610, 5, "a"}}},
    {"5{enter}7{enter}", 0, "ShowReviewP82Answers11",
     {{456, 30, 80, "11"}},
     {{127, 100, 0, "x"},
      {100, 190, 0, "x"},
      {100, 240, 0, "y"},
      {100, 310, 5, "1"}}},
    {"6{enter}1{enter}", 2, "ShowReviewP84Answers1To3",
     {{40, 80, 44, "1"}, {40, 450, 44, "2"}, {400, 300, 44, "3"}},
     {{40, 130, 3, "("},
      {127, 130, 0, "x"},
      {100, 180, 5, "="},
      {40, 240, 3, "("},
      {127, 240, 0, "a"},
      {100, 290, 5, "="},
      {40, 350, 3, "("},
      {127, 350, 0, "y"},
      {100, 400, 5, "="},
      {40, 510, 3, "("},
      {127, 510, 0, "a"},
      {100, 560, 5, "="},
      {400, 90, 3, "("},
      {487, 90, 0, "a"},
      {460, 140, 5, "="},
      {400, 200, 3, "("},
      {487, 200, 0, "("},
      {460, 250, 5, "="},
      {400, 360, 3, "("},
      {487, 360, 0, "a"},
      {460, 410, 5, "直"},
      {400, 470, 3, "("},
      {487, 470, 0, "4"},
      {460, 520, 0, "た"},
      {460, 570, 5, "直"}}},
    {"6{enter}2{enter}", 0, "ShowReviewP84Answers4",
     {{456, 30, 44, "4"}},
     {{40, 100, 3, "a"},
      {40, 170, 3, "2"},
      {100, 170, 0, "="},
      {40, 250, 3, "a"},
      {100, 250, 0, "="},
      {100, 330, 0, "="},
      {100, 390, 0, "="},
      {40, 450, 3, "-"},
      {100, 450, 0, "="},
      {40, 530, 3, "-"},
      {100, 600, 0, "="},
      {600, 90, 3, "も"},
      {600, 180, 3, "も"}}},
    {"6{enter}3{enter}", 1, "ShowReviewP84Answers5",
     {{456, 30, 44, "5"}},
     {{40, 90, 3, "("},
      {121, 90, 0, "-"},
      {94, 140, 0, "="},
      {94, 190, 0, "="},
      {94, 240, 5, "="},
      {40, 300, 3, "("},
      {121, 300, 0, "5"},
      {94, 350, 0, "="},
      {94, 400, 0, "="},
      {94, 450, 5, "="},
      {40, 510, 3, "("},
      {121, 510, 0, "1"},
      {94, 560, 0, "="},
      {94, 610, 5, "="},
      {640, 30, 3, "("},
      {721, 30, 0, "("},
      {694, 100, 0, "="},
      {694, 160, 5, "="},
      {640, 240, 3, "("},
      {721, 240, 0, "1"},
      {694, 300, 0, "="},
      {694, 350, 5, "="},
      {640, 410, 3, "("},
      {721, 410, 0, "-"},
      {694, 480, 0, "="},
      {694, 540, 5, "="},
      {40, 90, 3, "("},
      {121, 90, 0, "5"},
      {94, 140, 0, "="},
      {94, 190, 0, "="},
      {94, 240, 5, "="},
      {40, 300, 3, "("},
      {121, 300, 0, "6"},
      {94, 350, 0, "="},
      {94, 400, 0, "="},
      {94, 450, 5, "="}}},
    {"6{enter}4{enter}", 0, "ShowReviewP84Answers6",
     {{456, 30, 44, "6"}},
     {{40, 90, 3, "("},
      {127, 90, 0, "A"},
      {100, 140, 0, "="},
      {100, 190, 0, "="},
      {100, 240, 0, "="},
      {100, 290, 5, "="},
      {640, 30, 3, "("},
      {721, 30, 0, "2"},
      {694, 80, 0, "="},
      {694, 130, 0, "="},
      {694, 180, 0, "="},
      {694, 230, 5, "="}}},
    {"6{enter}5{enter}", 1, "ShowReviewP84Answers7And8",
     {{40, 90, 44, "7"}, {640, 200, 40, "8"}},
     {{40, 150, 3, "("},
      {127, 150, 0, "い"},
      {100, 200, 0, "配"},
      {100, 250, 0, "x"},
      {100, 300, 5, "x"},
      {40, 360, 3, "("},
      {127, 360, 0, "x"},
      {100, 410, 0, "x"},
      {100, 460, 0, "x"},
      {100, 510, 5, "x"},
      {640, 30, 3, "("},
      {721, 30, 0, "配"},
      {694, 90, 0, "5"},
      {694, 140, 5, "5"},
      {640, 250, 3, "("},
      {694, 300, 3, "="},
      {694, 350, 0, "だ"},
      {694, 400, 0, "a"},
      {694, 450, 5, "a"}}},
    {"6{enter}6{enter}", 0, "ShowReviewP84Answers9",
     {{456, 30, 44, "9"}},
     {{40, 90, 3, "x"},
      {40, 150, 3, "("},
      {127, 150, 0, "ク"},
      {100, 200, 3, "正"},
      {40, 260, 3, "("},
      {127, 260, 0, "ク"},
      {100, 310, 3, "正"},
      {40, 370, 3, "("},
      {127, 370, 0, "x"},
      {100, 420, 3, "正"},
      {40, 480, 3, "("},
      {127, 480, 0, "余"},
      {100, 530, 3, "正"}}},
    {"6{enter}7{enter}", 0, "ShowReviewP84Answers10",
     {{456, 30, 88, "10"}},
     {{40, 90, 0, "1"},
      {40, 150, 0, "さ"},
      {40, 210, 0, "い"},
      {40, 270, 5, "答"}}},
};

// A paint of the background.
bool EndsWithClear(const std::string& line) {
    return line.find(" 15 2 15 pen=") != std::string::npos;
}

std::string Xs(int n) { return std::string(std::size_t(n), 'x'); }

// The run of one screen with its keys; `from` is where the item starts.
Result RunScreen(const Screen& s, std::size_t* from) {
    tessarin::Tessarin program;
    Result r = RunTessarin(program, std::string(s.keys) + Xs(s.key_waits));
    auto strips = IndicesOf(r.log, kBottomStrip);
    // The strip erased when the item is chosen.
    *from = strips.empty() ? r.log.size() : strips[0];
    return r;
}

bool DrawnAt(const std::vector<Glyph>& glyphs, const RowStart& row) {
    for (const auto& g : glyphs)
        if (g.x == row.x && g.y == row.y && g.ch == row.first && g.colour == row.colour)
            return true;
    return false;
}

TEST(TessarinAnswerScreens, KeyWaitsBoxesAndRowsWhereTheLayoutPutsThem) {
    for (const auto& s : kScreens) {
        SCOPED_TRACE(s.name);
        std::size_t from = 0;
        Result r = RunScreen(s, &from);
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        ASSERT_LT(from, r.log.size());
        std::vector<std::string> item(r.log.begin() + long(from), r.log.end());
        EXPECT_EQ(CountOf(item, kAnyKeyBox), std::size_t(s.key_waits));
        // After the last key the sub-menu line comes back at once.
        auto lines = ItemLines(item);
        ASSERT_EQ(lines.size(), 1u);
        const bool chapter3 = std::string(s.keys)[0] == '3';
        if (chapter3) {
            EXPECT_EQ(CountOf(item, kWindowPaint), 0u);
            EXPECT_EQ(CountOf(item, kItemClear),
                      std::string(s.name) == "ShowP79Problem6Answers" ? 2u : 1u);
        } else {
            EXPECT_EQ(CountOf(item, kItemClear), 0u);
            EXPECT_EQ(CountOf(item, kWindowPaint), 1u);
            EXPECT_EQ(CountOf(item, kHeadingBox), 1u);
        }
        for (const auto& b : s.boxes) {
            const std::string line = "PsLINE " + std::to_string(b.x) + " " + std::to_string(b.y) +
                                     " " + std::to_string(b.x + b.width) + " " +
                                     std::to_string(b.y + 44) + " 4 2 3 pen=3";
            EXPECT_EQ(CountOf(item, line), 1u) << line << " box " << b.number;
        }
        auto glyphs = GlyphsIn(item);
        for (const auto& row : s.rows)
            EXPECT_TRUE(DrawnAt(glyphs, row))
                << row.first << " at (" << row.x << "," << row.y << ") colour " << row.colour;
        // Nothing leaves the window.
        for (const auto& l : item) {
            Extent e;
            if (!ExtentOf(l, e)) continue;
            EXPECT_TRUE(e.left >= 0 && e.top >= 0 && e.right <= 1440 && e.bottom <= 900) << l;
        }
    }
}

const Screen& ScreenNamed(const std::string& name) {
    for (const auto& s : kScreens)
        if (name == s.name) return s;
    throw std::invalid_argument(name);
}

std::string RowText(const std::vector<std::string>& log, double x, double y) {
    return LineAt(GlyphsIn(log), x, y).text;
}

TEST(TessarinAnswerScreens, Example4LeavesGapsOfSixtyAfterThePen) {
    std::size_t from = 0;
    Result r = RunScreen(ScreenNamed("Example4RelationMeaning"), &from);
    auto g = GlyphsIn(r.log);
    Line adults = LineAt(g, 121, 210);
    EXPECT_EQ(adults.text.substr(0, 2), "2a");
    Line sum = LineAt(g, 121, 270);
    Line bound = LineAt(g, sum.end_x + 60, 270);
    EXPECT_EQ(bound.text.substr(0, 3), "≦");
    EXPECT_EQ(bound.colour, 3);
    Line pupils = LineAt(g, adults.end_x + 60, 210);
    EXPECT_EQ(pupils.text, "3b…中学生3人の入館料");
}

TEST(TessarinAnswerScreens, CorrectedRowsAndTheTextsOfPartsThreeAndSix) {
    struct Case {
        const char* screen;
        double x, y;
        int colour;
        const char* text;  // as stored
    } cases[] = {
        // x apples at 150 yen and a box of y yen cost 150x+y.
        {"ShowPracticeP80Answers1", 100, 350, 0, "りんごx個と、y円の箱の代金は、150x+y (円）"},
        {"ShowPracticeP80Answers1", 100, 450, 5, "150x+y≦2000"},
        // The twelve edges of a cuboid: four of each of a, b and c.
        {"ShowReviewP84Answers1To3", 487, 470, 0, "4(a+b+c)は"},
        {"ShowReviewP84Answers1To3", 460, 520, 0, "たて、よこ、高さの辺の長さの和の4倍 だから"},
        {"ShowReviewP84Answers1To3", 460, 570, 5, "直方体のすべての辺の長さの和"},
        {"ShowReviewP82Answers9", 127, 310, 0, "4x/(-4)"},
        // Short enough that the erase at x 760 takes all of it.
        {"ShowReviewP82Answers9", 300, 540, 0, "=-2*4x+(-2)*(-3)"},
        {"ShowReviewP82Answers9", 300, 590, 5, "=-8x+6"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::size_t from = 0;
        Result r = RunScreen(ScreenNamed(c.screen), &from);
        // Drawn as the printer draws that text there.
        EXPECT_NE(FindBlock(r.log, Reference(c.colour, c.x, c.y, c.text)), std::string::npos);
    }
}

TEST(TessarinAnswerScreens, RowsThatStartAtAKeptPen) {
    {
        // P80 ②: the last line starts where "（ウ）1000-a≧0…" ended.
        std::size_t from = 0;
        Result r = RunScreen(ScreenNamed("ShowPracticeP80Answers2"), &from);
        auto g = GlyphsIn(r.log);
        double end_x = 0;
        Reference(5, 40, 210, "（ウ）1000-a≧0…", &end_x);
        EXPECT_EQ(LineAt(g, end_x, 260).text, "買えるという関係を表している。");
        EXPECT_EQ(LineAt(g, end_x, 260).colour, 5);
    }
    {
        // P82 ⑥: each part's relation at 536, the right edge of the box "10".
        std::size_t from = 0;
        Result r = RunScreen(ScreenNamed("ShowReviewP82Answers10"), &from);
        EXPECT_EQ(CountOf(r.log, "PsLINE 456 30 536 74 4 2 3 pen=3"), 1u);
        EXPECT_EQ(RowText(r.log, 536, 190), "x+6=12");
    }
}

TEST(TessarinAnswerScreens, PartialErasesKeepWhatLiesOutsideThem) {
    struct Case {
        const char* screen;
        const char* erase;
        RowStart kept;   // drawn before the erase, outside it
        RowStart after;  // drawn after it, inside it
    } cases[] = {
        {"ShowReviewP82Answers9", "PsLINE 0 80 760 1880 15 2 15 pen=3", {760, 90, 3, "("},
         {40, 110, 3, "("}},
        {"ShowReviewP84Answers5", "PsLINE 0 80 640 1880 15 2 15 pen=3", {640, 30, 3, "("},
         {40, 90, 3, "("}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.screen);
        std::size_t from = 0;
        Result r = RunScreen(ScreenNamed(c.screen), &from);
        std::vector<std::string> item(r.log.begin() + long(from), r.log.end());
        auto erases = IndicesOf(item, c.erase);
        ASSERT_EQ(erases.size(), 1u);
        auto keys = IndicesOf(item, kAnyKeyBox);
        ASSERT_EQ(keys.size(), 1u);
        EXPECT_LT(keys[0], erases[0]);
        // The only paint after the key is the erase.
        for (std::size_t i = keys[0]; i < item.size(); ++i)
            if (StartsWith(item[i], "PsLINE ") && EndsWithClear(item[i])) {
                EXPECT_TRUE(item[i] == c.erase || Numbers(item[i])[1] >= 600) << item[i];
            }
        std::vector<std::string> before(item.begin(), item.begin() + long(erases[0]));
        std::vector<std::string> after(item.begin() + long(erases[0]), item.end());
        EXPECT_TRUE(DrawnAt(GlyphsIn(before), c.kept));
        EXPECT_TRUE(DrawnAt(GlyphsIn(after), c.after));
        EXPECT_EQ(CountOf(after, kHeadingBox), 0u);
    }
}

TEST(TessarinAnswerScreens, TallParenthesesAroundFractions) {
    struct Case {
        const char* screen;
        std::size_t pairs;
    } cases[] = {{"ShowReviewP84Answers4", 5}, {"ShowReviewP84Answers5", 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.screen);
        std::size_t from = 0;
        Result r = RunScreen(ScreenNamed(c.screen), &from);
        std::size_t open = 0, close = 0;
        for (const auto& l : r.log) {
            if (l.find("\"(\" 3 4 ") != std::string::npos) ++open;
            if (l.find("\")\" 3 4 ") != std::string::npos) ++close;
        }
        EXPECT_EQ(open, c.pairs);
        EXPECT_EQ(close, c.pairs);
    }
}

}  // namespace
