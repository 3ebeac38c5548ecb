// The glyph renderer: every metrics row, the drawn signs, the pending marks
// and the radical overline.
#include <functional>

#include "tests/text_test_support.h"

namespace {

using text_testing::Glyph;
using text_testing::TextTest;

struct GlyphCase {
    const char* name;
    const char* text;  // UTF-8
    bool part;         // BUN = 1
    int jyou, jyouk, kakko;
    std::vector<std::string> drawn;
    double advance;
};
void PrintTo(const GlyphCase& c, std::ostream* os) { *os << c.name; }

const std::string kTnr8 = "4 font=\"Times New Roman\" size=8 bold=1 italic=1";

std::vector<GlyphCase> GlyphCases() {
    return {
        {"period", ".", false, 0, 0, 0, {Glyph("97 214", ".", "3 2")}, 8},
        {"apostrophe", "'", false, 0, 0, 0, {Glyph("100 200", "'", "3 3")}, 12},
        {"degree from percent", "%", false, 0, 0, 0, {Glyph("100 200", "°", "3 3")}, 12},
        {"tall open paren", "(", false, 0, 0, 1, {Glyph("96 194", "(", "3 4")}, 27},
        {"tall close paren", ")", false, 0, 0, 1, {Glyph("106 194", ")", "3 4")}, 27},
        {"plain paren", "(", false, 0, 0, 0, {Glyph("100 200", "(", "3 3")}, 27},
        {"paren in a part", "(", true, 0, 0, 0, {Glyph("100 200", "(", "4 2")}, 32},
        {"equals", "=", false, 0, 0, 0,
         {Glyph("104 200", "=", "3 3", "4 font=\"ゴシック\" size=14 bold=1 italic=0")}, 32},
        {"small raised", "2", false, 0, 1, 0,
         {Glyph("100 190", "2", "6 3", "4 font=\"ゴシック\" size=8 bold=1 italic=0")}, 24},
        {"exponent in a part", "2", true, 1, 0, 0,
         {Glyph("100 196", "2", "6 3", "4 font=\"ゴシック\" size=8 bold=1 italic=0")}, 24},
        {"exponent", "2", false, 1, 0, 0, {Glyph("100 200", "2", "3 2")}, 24},
        {"exponent letter stays upright", "x", false, 1, 0, 0, {Glyph("100 200", "x", "3 2")}, 24},
        {"exponent minus is a glyph", "-", false, 1, 0, 0, {Glyph("100 200", "-", "3 2")}, 24},
        {"italic x in a part", "x", true, 0, 0, 0, {Glyph("104 184", "x", "12 5", kTnr8)}, 32},
        {"italic a", "a", false, 0, 0, 0, {Glyph("104 178", "a", "10 7", kTnr8)}, 27},
        {"italic c", "c", false, 0, 0, 0, {Glyph("104 178", "c", "10 7", kTnr8)}, 27},
        {"script l", "l", false, 0, 0, 0,
         {Glyph("100 200", "l", "6 3", "4 font=\"MT Extra\" size=16 bold=1 italic=0")}, 32},
        {"minus in a part", "-", true, 0, 0, 0, {"PsLINE 106 214 126 214 4 0 0 pen=5"}, 32},
        {"plus in a part", "+", true, 0, 0, 0,
         {"PsLINE 106 214 126 214 4 0 0 pen=5", "PsLINE 116 204 116 224 4 0 0 pen=5"}, 32},
        {"minus", "-", false, 0, 0, 0, {"PsLINE 104 220 123 220 4 0 0 pen=5"}, 27},
        {"plus", "+", false, 0, 0, 0,
         {"PsLINE 104 222 123 222 4 0 0 pen=5", "PsLINE 113 210 113 234 4 0 0 pen=5"}, 27},
        {"times", "*", false, 0, 0, 0, {Glyph("96 200", "×", "2 3")}, 27},
        {"divide", "/", false, 0, 0, 0, {Glyph("96 200", "÷", "2 3")}, 27},
        {"plus-minus", "@", false, 0, 0, 0, {Glyph("96 200", "±", "2 3")}, 27},
        {"times in a part", "*", true, 0, 0, 0,
         {Glyph("100 200", "×", "3 3", "4 font=\"ゴシック\" size=11 bold=1 italic=0")}, 38},
        {"blank", " ", false, 0, 0, 0, {}, 27},
        {"blank in a part", " ", true, 0, 0, 0, {}, 27},
        {"stroke in a part", "ｹ", true, 0, 0, 0, {"PsLINE 104 204 132 224 2 0 0 pen=3"}, 32},
        {"ke outside a part", "ｹ", false, 0, 0, 0, {Glyph("100 200", "ｹ", "3 3")}, 27},
        {"kanji in a part", "項", true, 0, 0, 0,
         {Glyph("100 200", "項", "3 3", "4 font=\"ゴシック\" size=11 bold=1 italic=0")}, 38},
        {"kanji", "項", false, 0, 0, 0, {Glyph("100 200", "項", "2 3")}, 34},
        {"digit in a part", "3", true, 0, 0, 0, {Glyph("100 200", "3", "4 2")}, 32},
        {"digit", "3", false, 0, 0, 0, {Glyph("100 200", "3", "3 3")}, 27},
        {"half-width katakana", "ｱ", false, 0, 0, 0, {Glyph("100 200", "ｱ", "3 3")}, 27},
        {"small radical", "!", true, 0, 0, 0,
         {"PsCONNECT 5 104 224 108 213 116 229 124 194 126 194 4 0 0 pen=3"}, 26},
        {"large radical", "√", false, 0, 0, 0,
         {"PsCONNECT 5 104 236 108 224 116 240 124 196 132 196 4 0 0 pen=3"}, 28},
        {"parallelogram", "&", false, 0, 0, 0,
         {"PsCONNECT 5 104 240 125 240 132 208 111 208 104 240 4 0 0 pen=5"}, 36},
        {"flat parallelogram", "＃", true, 0, 0, 0,
         {"PsCONNECT 5 110 208 104 236 126 236 132 208 110 208 4 0 0 pen=5"}, 36},
        {"exponent mark", "^", false, 0, 0, 0, {}, 0},
        {"raise mark", "\\", false, 0, 0, 0, {}, 0},
        {"overline end", "ﾝ", false, 0, 0, 0, {}, 0},
    };
}

class GlyphMetrics : public TextTest, public ::testing::WithParamInterface<GlyphCase> {};

TEST_P(GlyphMetrics, DrawsAndAdvances) {
    const GlyphCase& c = GetParam();
    auto& p = P();
    p.BUN = c.part ? 1 : 0;
    p.JYOU = c.jyou;
    p.JYOUK = c.jyouk;
    p.KAKKO = c.kakko;
    p.A_s = Sj(c.text);
    p.DrawGlyphs();
    EXPECT_EQ(Drawn(), c.drawn);
    EXPECT_EQ(double(p.X), 100 + c.advance);
    EXPECT_EQ(double(p.Y), 200);
    // Font and pen as the renderer leaves them.
    EXPECT_EQ(S().font().face, Sj("ゴシック"));
    EXPECT_EQ(S().font().size, 16);
    EXPECT_FALSE(S().font().bold);
    EXPECT_EQ(S().pen_width(), 3);
}

INSTANTIATE_TEST_SUITE_P(Rows, GlyphMetrics, ::testing::ValuesIn(GlyphCases()),
                         [](const auto& info) {
                             std::string n = info.param.name;
                             for (char& ch : n)
                                 if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return n;
                         });

TEST_F(TextTest, MarksAndClearsPendingState) {
    struct Case {
        const char* text;
        int kakko;
        double jyou, jyouk, kakko_after;
    };
    // The marked glyph takes the mark; rows 1 to 5 keep it pending.
    const Case cases[] = {
        {"^2", 0, 0, 0, 0},  {"^.", 0, 1, 0, 0},  {"^'", 0, 1, 0, 0},  {"^=", 0, 1, 0, 0},
        {"^(", 1, 1, 0, 1},  {"^)", 1, 1, 0, 0},  {"\\2", 0, 0, 0, 0}, {"\\^2", 0, 1, 0, 0},
        {"^\\2", 0, 1, 0, 0}, {"^!", 0, 1, 0, 0}, {"2^", 0, 1, 0, 0},
    };
    for (const Case& c : cases) {
        auto& p = P();
        p.JYOU = 0;
        p.JYOUK = 0;
        p.HROOT = 0;
        p.KAKKO = c.kakko;
        p.A_s = Sj(c.text);
        p.DrawGlyphs();
        EXPECT_EQ(double(p.JYOU), c.jyou) << c.text;
        EXPECT_EQ(double(p.JYOUK), c.jyouk) << c.text;
        EXPECT_EQ(double(p.KAKKO), c.kakko_after) << c.text;
    }
}

TEST_F(TextTest, OverlineRunsFromRadicalOverLaterGlyphsAndBreaksAboveSigns) {
    auto& p = P();
    p.A_s = Sj("!3&4");
    p.DrawGlyphs();
    EXPECT_EQ(Drawn(), (std::vector<std::string>{
                           "PsCONNECT 5 104 236 108 224 116 240 124 196 132 196 4 0 0 pen=3",
                           Glyph("128 200", "3", "3 3"),
                           "PsLINE 128 196 155 196 4 0 0 pen=3",
                           "PsCONNECT 5 159 240 180 240 187 208 166 208 159 240 4 0 0 pen=5",
                           Glyph("191 200", "4", "3 3"),
                           "PsLINE 191 196 218 196 4 0 0 pen=3",
                       }));
    EXPECT_EQ(double(p.HROOT), 1);
    // The overline goes on over the next text until "ﾝ".
    S().ClearLog();
    p.A_s = Sj(" ﾝ5");
    p.DrawGlyphs();
    EXPECT_EQ(Drawn(), (std::vector<std::string>{"PsLINE 191 196 245 196 4 0 0 pen=3",
                                                 Glyph("245 200", "5", "3 3")}));
    EXPECT_EQ(double(p.HROOT), 0);
}

TEST_F(TextTest, SmallRadicalInAPartDrawsItsOverlineSixAbove) {
    auto& p = P();
    p.BUN = 1;
    p.A_s = Sj("!3");
    p.DrawGlyphs();
    EXPECT_EQ(Drawn().back(), "PsLINE 126 194 158 194 4 0 0 pen=3");
    EXPECT_EQ(double(p.HROOT), 11);
}

TEST_F(TextTest, ScriptLTurnsBoldOffForTheRestOfThePart) {
    auto& p = P();
    p.BUN = 1;
    p.A_s = Sj("l2");
    p.DrawGlyphs();
    EXPECT_EQ(Drawn().back(),
              Glyph("132 200", "2", "4 2", "4 font=\"ゴシック\" size=16 bold=0 italic=0"));
}

TEST_F(TextTest, StrokeGlyphIsBrenvaleOnly) {
    UseProgramWithoutStroke();
    auto& p = P();
    p.BUN = 1;
    p.A_s = Sj("ｹ");
    p.DrawGlyphs();
    EXPECT_EQ(Drawn(), (std::vector<std::string>{Glyph("100 200", "ｹ", "4 2")}));
    EXPECT_EQ(double(p.X), 132);
}

TEST_F(TextTest, EmptyTextTakesOneEmptyGlyph) {
    auto& p = P();
    p.BUN = 1;
    p.A_s.clear();
    p.DrawGlyphs();
    EXPECT_EQ(double(p.X), 132);
}

}  // namespace
