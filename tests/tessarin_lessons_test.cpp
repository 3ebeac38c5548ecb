// The lesson screens of Tessarin's chapters 1 and 2: their key waits, where
// their lines start and continue, the pencil figure, and a walk through
// every item.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "surface/surface.h"
#include "tests/tessarin_test_support.h"

namespace {

using namespace tessarin_testing;
using replay::Result;

std::string Xs(int n) { return std::string(n, 'x'); }

// The characters drawn on the line whose pen y is `y`, from log line `from`
// on, in the order drawn; half-width blanks draw nothing and are left out.
std::string RowText(const std::vector<std::string>& log, double y, std::size_t from = 0) {
    std::string s;
    for (const auto& g : GlyphsIn(log))
        if (g.y == y && g.index >= from) s += g.ch;
    return s;
}

bool IsItemLineStart(const std::string& line) {
    return StartsWith(line, "PsSYMBOL40 16 666 \"①\"");
}

struct ItemCase {
    const char* name;
    std::string keys;
    std::size_t waits;
};

TEST(TessarinLessons, EachItemWaitsItsKeysAndReturnsToItsSubmenu) {
    const ItemCase cases[] = {
        {"balance equality", "1{enter}1{enter}" + Xs(8), 8},
        {"P77 question 1", "1{enter}2{enter}", 0},
        {"example 1", "1{enter}3{enter}" + Xs(15), 15},
        {"P76 question 2", "1{enter}4{enter}" + Xs(1), 1},
        {"example 2", "1{enter}5{enter}" + Xs(12), 12},
        {"P78 question 3", "1{enter}6{enter}" + Xs(3), 3},
        {"balance inequality", "2{enter}1{enter}" + Xs(8), 8},
        {"P78 question 4", "2{enter}2{enter}" + Xs(11), 11},
        {"at most", "2{enter}3{enter}" + Xs(6), 6},
        {"example 3", "2{enter}5{enter}" + Xs(10), 10},
        {"P79 question 5", "2{enter}6{enter}" + Xs(7), 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        tessarin::Tessarin program;
        Result r = RunTessarin(program, c.keys);
        ASSERT_EQ(r.kind, Result::kKeysUsedUp);
        EXPECT_EQ(CountOf(r.log, kAnyKeyBox), c.waits);
        // Back on the sub-menu: its item line drawn a second time, after the
        // last wait, with no clear in between.
        std::vector<std::size_t> starts;
        for (std::size_t i = 0; i < r.log.size(); ++i)
            if (IsItemLineStart(r.log[i])) starts.push_back(i);
        ASSERT_EQ(starts.size(), 2u);
        auto waits = IndicesOf(r.log, kAnyKeyBox);
        if (!waits.empty()) {
            EXPECT_LT(waits.back(), starts[1]);
        }
    }
}

TEST(TessarinLessons, BalanceEqualityRowsContinueWhereThePenStood) {
    tessarin::Tessarin program;
    Result r = RunTessarin(program, "1{enter}1{enter}" + Xs(8));
    auto g = GlyphsIn(r.log);
    EXPECT_EQ(LineAt(g, 40, 180).text, "つり合う(等しい）ときは、等号= を使って表す。");
    EXPECT_EQ(LineAt(g, 40, 280).text, "4x+5(g) だから");
    EXPECT_EQ(LineAt(g, 40, 330).text, "4x+5=25");
    EXPECT_EQ(LineAt(g, 40, 330).colour, 5);
    Line first = LineAt(g, 40, 410);
    EXPECT_EQ(first.text, "等式…等号=を使って関係を");
    // The continuation starts under what follows the ellipsis.
    EXPECT_EQ(LineAt(g, program.U_a(1), 410).text, "等号=を使って関係を");
    EXPECT_EQ(LineAt(g, program.U_a(1), 460).text, "表した式(4x+5=25)");
    EXPECT_EQ(LineAt(g, 40, 460).text, "");
    Line last = LineAt(g, 40, 610);
    EXPECT_EQ(last.text, "両辺…両方の式(4x+5,25)");
    Line pointer = LineAt(g, last.end_x + 80, 610);
    EXPECT_EQ(pointer.text, "教科書P77 問1　をやろう。");
    EXPECT_EQ(pointer.colour, 7);
}

TEST(TessarinLessons, BalanceInequalityRowsContinueWhereThePenStood) {
    tessarin::Tessarin program;
    Result r = RunTessarin(program, "2{enter}1{enter}" + Xs(8));
    auto g = GlyphsIn(r.log);
    EXPECT_EQ(LineAt(g, 40, 180).text, "軽い(小さい)ときは、不等号< を使って表す。");
    Line relation = LineAt(g, 40, 280);
    EXPECT_EQ(relation.text, "4y+5(g) だから 4y+5<25");
    EXPECT_EQ(relation.colours.back(), 5);
    EXPECT_EQ(LineAt(g, 40, 380).text, "不等式…不等号<,>を使って");
    EXPECT_EQ(LineAt(g, 40, 430).text, "関係を表した式 4y+5<25,25>4y+5");
    EXPECT_EQ(LineAt(g, 40, 480).text, "左辺…不等号の左側の式(<は4y+5,>は25)");
    EXPECT_EQ(LineAt(g, 40, 530).text, "右辺…不等号の右側の式(<は25,>は4y+5)");
    Line last = LineAt(g, 40, 580);
    EXPECT_EQ(last.text, "両辺…両方の式(4y+5,25)");
    EXPECT_EQ(LineAt(g, last.end_x + 80, 580).text, "教科書P78 問4　をやろう。");
}

TEST(TessarinLessons, AtMostRowsAndSigns) {
    tessarin::Tessarin program;
    Result r = RunTessarin(program, "2{enter}3{enter}" + Xs(6));
    auto g = GlyphsIn(r.log);
    EXPECT_EQ(LineAt(g, 40, 180).text, "以下は、等しいか軽いときで、不等号≦ を使って表す。");
    EXPECT_EQ(LineAt(g, 40, 230).text, "てんびんの左側の重さは4a+5(g) だから 4a+5≦25");
    EXPECT_EQ(LineAt(g, 40, 280).text, "以上は、等しいか重いときで、不等号≧ を使って表す。");
    EXPECT_EQ(LineAt(g, 40, 330).text, "25g以上なら　4a+5≧25");
    Line last = LineAt(g, 40, 380);
    EXPECT_EQ(last.text, "25g未満なら　4a+5<25");
    EXPECT_EQ(last.colours.back(), 3);
}

TEST(TessarinLessons, EqualitiesFromWordsJoinTheSidesWithNoGap) {
    tessarin::Tessarin program;
    Result r = RunTessarin(program, "1{enter}3{enter}" + Xs(15));
    auto g = GlyphsIn(r.log);
    EXPECT_EQ(LineAt(g, 40, 330).text, "出しあった金額の合計…3a(円)");
    EXPECT_EQ(LineAt(g, 40, 380).text, "代金の合計…5b+3000(円)");
    EXPECT_EQ(LineAt(g, 40, 480).text, "3a=5b+3000");
    EXPECT_EQ(LineAt(g, 681, 230).text, "a=b+4");
    EXPECT_EQ(LineAt(g, 681, 280).text, "b=a-4");
    EXPECT_EQ(LineAt(g, 681, 330).text, "4=a-b");
    EXPECT_EQ(LineAt(g, 681, 390).text, "数量の関係は、");
    EXPECT_EQ(LineAt(g, 600, 80).text, "(2)兄の身長acmは、");
    Line pointer = LineAt(g, 600, 500);
    EXPECT_EQ(pointer.text, "教科書P76 問2　をやろう。");
    EXPECT_EQ(pointer.colour, 7);
    // The first key comes only after problem (1) and its "<解答>".
    auto waits = IndicesOf(r.log, kAnyKeyBox);
    ASSERT_FALSE(waits.empty());
    Line answer = LineAt(g, 121, 280);
    EXPECT_EQ(answer.text, "<解答>");
    for (const auto& gl : g)
        if (gl.x == 121 && gl.y == 280) {
            EXPECT_LT(gl.index, waits[0]);
        }
}

TEST(TessarinLessons, PencilFigureArcsLabelsAndAnswer) {
    tessarin::Tessarin program;
    Result r = RunTessarin(program, "1{enter}5{enter}" + Xs(12));
    const auto& log = r.log;
    EXPECT_EQ(IndicesOf(log, "PsLINE 600 250 1050 250 9 0 0 pen=12").size(), 1u);
    std::size_t dots = 0, background = 0;
    for (const auto& l : LinesOf(log, "PsCIRCLE ")) {
        auto n = Numbers(l);
        if (n[2] != 0.5) continue;
        ++dots;
        EXPECT_TRUE(l.ends_with(" pen=5")) << l;
        if (n[3] == 15) ++background;
    }
    EXPECT_EQ(dots, 153u);
    EXPECT_EQ(background, 19u);

    auto g = GlyphsIn(log);
    Line people = LineAt(g, 750, 350);
    EXPECT_EQ(people.text, "x人");
    EXPECT_EQ(people.colour, 3);
    EXPECT_EQ(LineAt(g, 121, 130).text, "<解答>");
    EXPECT_EQ(LineAt(g, 40, 430).text, "y=3x-2");
    EXPECT_EQ(LineAt(g, 40, 490).text, "教科書P78 問3　をやろう。");
    // The labels over the upper arcs stand 44 above their apexes.
    bool y_label = false, two_label = false;
    for (const auto& d : TextsIn(log)) {
        if (d.text == "y" && std::fabs(d.y - 166) < 0.01 && d.colour == 3) y_label = true;
        if (d.text == "2" && std::fabs(d.y - 176) < 0.01 && d.colour == 3) two_label = true;
    }
    EXPECT_TRUE(y_label);
    EXPECT_TRUE(two_label);
    // "x人" comes with the last "3本", before the key that brings "2本".
    auto waits = IndicesOf(log, kAnyKeyBox);
    ASSERT_EQ(waits.size(), 12u);
    std::size_t people_at = 0;
    for (const auto& gl : g)
        if (gl.x == 750 && gl.y == 350) people_at = gl.index;
    EXPECT_EQ(CountBefore(waits, people_at), 5u);
    EXPECT_EQ(surface::FE_GETDRAWWIDTH(0), 3);
}

TEST(TessarinLessons, InequalityFromWordsWritesEachAmountFiftyAfterItsName) {
    tessarin::Tessarin program;
    Result r = RunTessarin(program, "2{enter}5{enter}" + Xs(10));
    auto g = GlyphsIn(r.log);
    Line head = LineAt(g, 40, 30);
    EXPECT_EQ(head.text, "例3　1個120円のワッフルをx個、1本150円の飲み物をy本買うと");
    EXPECT_EQ(head.colour, 3);
    struct Row {
        double y;
        const char* name;
        const char* amount;
    } rows[] = {{180, "1個120円のワッフルx個の代金…", "120x円"},
                {230, "1本150円の飲み物y本の代金…", "150y円"},
                {280, "代金の合計…", "120x+150y(円)"},
                {330, "1000円以上…", "≧1000"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.y);
        Line name = LineAt(g, 121, row.y);
        EXPECT_EQ(name.text, row.name);
        Line amount = LineAt(g, name.end_x + 50, row.y);
        EXPECT_EQ(amount.text, row.amount);
        EXPECT_EQ(amount.colour, 3);
    }
    EXPECT_EQ(LineAt(g, 121, 430).text, "答　120x+150y≧1000");
    Line pointer = LineAt(g, 121, 510);
    EXPECT_EQ(pointer.text, "教科書P79 問5　をやろう。");
    EXPECT_EQ(pointer.colour, 7);
}

struct AnswerRow {
    double x, y;
    int colour;
    const char* text;
};

// The rows of an answer screen: where each starts and in which colour, and
// the characters of each line of the screen drawn after its clear.
void ExpectRows(const std::vector<std::string>& log, const std::vector<AnswerRow>& rows) {
    auto clears = IndicesOf(log, kAnswerClear);
    ASSERT_EQ(clears.size(), 1u);
    auto glyphs = GlyphsIn(log);
    for (const auto& row : rows) {
        if (row.x < 0) continue;  // placed after the text before it
        SCOPED_TRACE(row.text);
        bool found = false;
        for (const auto& g : glyphs)
            if (g.index > clears[0] && g.y == row.y && g.x == row.x) {
                EXPECT_EQ(g.colour, row.colour);
                found = true;
                break;
            }
        EXPECT_TRUE(found);
    }
    std::string want, got;
    for (const auto& row : rows) want += row.text;
    std::vector<double> ys;
    for (const auto& row : rows)
        if (ys.empty() || ys.back() != row.y) ys.push_back(row.y);
    for (double y : ys) got += RowText(log, y, clears[0]);
    want.erase(std::remove(want.begin(), want.end(), ' '), want.end());
    EXPECT_EQ(got, want);
}

TEST(TessarinLessons, InequalityAnswerScreens) {
    {
        tessarin::Tessarin program;
        Result r = RunTessarin(program, "2{enter}2{enter}" + Xs(11));
        EXPECT_EQ(CountOf(r.log, kAnswerClear), 1u);
        ExpectRows(r.log, {{40, 30, 3, "教科書P78 問4の答"},
                           {40, 90, 3, "(1)"},
                           {121, 90, 0, "ある数xから5をひくから、x-5"},
                           {121, 140, 0, "3より小さいは、<3"},
                           {121, 190, 5, "x-5<3"},
                           {40, 250, 3, "(2)"},
                           {121, 250, 0, "amのリボンから3m切り取るから、a-3"},
                           {121, 300, 0, "2mより長いは、>2"},
                           {121, 350, 5, "a-3>2"},
                           {40, 410, 3, "(3)"},
                           {121, 410, 0, "xとyの積は、x×y=xy"},
                           {121, 460, 0, "8未満は、<8"},
                           {121, 510, 5, "xy<8"}});
        // The heading and "(1)" come before the first key.
        auto waits = IndicesOf(r.log, kAnyKeyBox);
        ASSERT_FALSE(waits.empty());
        EXPECT_EQ(RowText(std::vector<std::string>(r.log.begin(), r.log.begin() + waits[0]), 90),
                  "(1)");
    }
    {
        tessarin::Tessarin program;
        Result r = RunTessarin(program, "2{enter}6{enter}" + Xs(7));
        ExpectRows(r.log, {{40, 30, 3, "教科書P79 問5の答"},
                           {40, 90, 3, "(1)"},
                           {121, 90, 0, "4人でx円ずつ出した合計は、4×x=4x (円)"},
                           {121, 140, 0, "1000円以上は、≧1000"},
                           {121, 190, 5, "4x≧1000"},
                           {40, 250, 3, "(2)"},
                           {121, 250, 0, "a円の品物とb円の品物の合計は、a+b (円)"},
                           {121, 300, 0, "1200円あれば買えるから、1200円以下で、≦1200"},
                           {121, 350, 5, "a+b≦1200"}});
    }
}

TEST(TessarinLessons, EqualityAnswerScreens) {
    {
        tessarin::Tessarin program;
        Result r = RunTessarin(program, "1{enter}2{enter}");
        auto g = GlyphsIn(r.log);
        ExpectRows(r.log, {{40, 30, 3, "教科書P77 問1の答"},
                           {40, 100, 0, "左辺　"},
                           {-1, 100, 5, "5x-6"},
                           {40, 170, 0, "右辺　"},
                           {-1, 170, 5, "4y"},
                           {40, 240, 0, "左辺と右辺を入れかえた式　"},
                           {-1, 240, 5, "4y=5x-6"}});
        struct Pair {
            double y;
            const char* answer;
        } pairs[] = {{100, "5x-6"}, {170, "4y"}, {240, "4y=5x-6"}};
        for (const auto& p : pairs) {
            Line label = LineAt(g, 40, p.y);
            Line answer = LineAt(g, label.end_x + 20, p.y);
            EXPECT_EQ(answer.text, p.answer);
            EXPECT_EQ(answer.colour, 5);
        }
    }
    {
        tessarin::Tessarin program;
        Result r = RunTessarin(program, "1{enter}4{enter}x");
        ExpectRows(r.log, {{40, 30, 3, "教科書P76 問2の答"},
                           {40, 80, 3, "(1)"},
                           {121, 80, 0, "テニスボール3個の代金は、3x(円)"},
                           {121, 140, 0, "これがy円と等しいから"},
                           {121, 200, 5, "答　3x=y"},
                           {40, 250, 3, "(2)"},
                           {121, 250, 0, "おつりは、1000-a (円）"},
                           {121, 310, 0, "これがb円と等しいから"},
                           {121, 370, 5, "答　1000-a=b"}});
    }
    {
        tessarin::Tessarin program;
        Result r = RunTessarin(program, "1{enter}6{enter}xxx");
        auto g = GlyphsIn(r.log);
        EXPECT_EQ(RowText(r.log, 80), "出したお金の合計は、a×400=400a(円)");
        EXPECT_EQ(LineAt(g, 121, 140).text, "たりなかったお金は、b-400a (円)");
        EXPECT_EQ(LineAt(g, 121, 260).text, "答　b-400a=300");
        // The sentence with the gap, then over it with the number, unerased:
        // "円" at the same place both times.
        std::vector<double> yen;
        std::size_t first = 0, second = 0;
        for (const auto& gl : g)
            if (gl.y == 200 && gl.ch == "円") yen.push_back(gl.x);
        for (const auto& gl : g)
            if (gl.y == 200 && gl.ch == "こ") (first == 0 ? first : second) = gl.index;
        ASSERT_EQ(yen.size(), 2u);
        EXPECT_EQ(yen[0], yen[1]);
        EXPECT_EQ(RowText(r.log, 200), "これが円と等しいから、これが300円と等しいから、");
        for (const auto& l : LinesOf(r.log, "PsLINE ", first, second))
            EXPECT_GE(Numbers(l)[1], 600) << l;  // only the key's box below
    }
}

TEST(TessarinLessons, WalkThroughEveryItemOfChaptersOneAndTwo) {
    const std::string keys = "1{enter}"
                             "1{enter}" + Xs(8) + "2{enter}" + "3{enter}" + Xs(15) +
                             "4{enter}x" + "5{enter}" + Xs(12) + "6{enter}xxx" + "7{enter}"
                             "2{enter}"
                             "1{enter}" + Xs(8) + "2{enter}" + Xs(11) + "3{enter}" + Xs(6) +
                             "4{enter}x{enter}x1{enter}" + "5{enter}" + Xs(10) +
                             "6{enter}" + Xs(7) + "7{enter}"
                             "8{enter}";
    tessarin::Tessarin program;
    Result r = RunTessarin(program, keys);
    EXPECT_EQ(r.kind, Result::kEnded);
    EXPECT_FALSE(r.error_report.has_value());
    EXPECT_EQ(CountOf(r.log, kMenuPanel), 3u);
    // The replay tool itself ends with status 0 on the same keys.
    auto ran = RunCommand(std::string(REPLAY_BIN) + " tessarin --keys '" + keys + "'");
    EXPECT_EQ(ran.status, 0) << ran.out;
    // Nothing is drawn off the window.
    for (const auto& l : r.log) {
        Extent e;
        if (!ExtentOf(l, e)) continue;
        EXPECT_GE(e.left, 0) << l;
        EXPECT_GE(e.top, 0) << l;
        EXPECT_LE(e.right, 1440) << l;
        EXPECT_LE(e.bottom, 900) << l;
    }
}

}  // namespace
