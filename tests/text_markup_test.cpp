// The message printer, stacked fractions and measuring.
#include <cairo.h>

#include <cstdint>
#include <functional>

#include "surface/number.h"
#include "tests/text_test_support.h"

namespace {

using text_testing::Glyph;
using text_testing::TextTest;

const std::string kTnr8 = "4 font=\"Times New Roman\" size=8 bold=1 italic=1";
const std::string kSize8 = "4 font=\"ゴシック\" size=8 bold=1 italic=0";
const std::string kSize11 = "4 font=\"ゴシック\" size=11 bold=1 italic=0";
const std::string kSize14 = "4 font=\"ゴシック\" size=14 bold=1 italic=0";

struct MessageCase {
    const char* name;
    const char* text;  // UTF-8, drawn from (100, 200)
    int kakko;
    std::vector<std::string> drawn;
    double end_x;
};
void PrintTo(const MessageCase& c, std::ostream* os) { *os << c.name; }

std::vector<MessageCase> MessageCases() {
    return {
        {"fraction 3/4", "ﾀ3/4ﾀ", 0,
         {"PsLINE 100 225 132 225 4 0 0 pen=4", Glyph("100 228", "4", "4 2"),
          Glyph("100 190", "3", "4 2")},
         132},
        {"wide numerator centres the denominator", "ﾀ10x+5/5ﾀ", 0,
         {"PsLINE 100 225 260 225 4 0 0 pen=4", Glyph("164 228", "5", "4 2"),
          Glyph("100 190", "1", "4 2"), Glyph("132 190", "0", "4 2"),
          Glyph("168 174", "x", "12 5", kTnr8), "PsLINE 202 204 222 204 4 0 0 pen=5",
          "PsLINE 212 194 212 214 4 0 0 pen=5", Glyph("228 190", "5", "4 2")},
         260},
        {"exponent lowers the denominator", "ﾀ1/a^2ﾀ", 0,
         {"PsLINE 100 225 156 225 4 0 0 pen=4", Glyph("104 220", "a", "12 5", kTnr8),
          Glyph("132 232", "2", "6 3", kSize8), Glyph("112 190", "1", "4 2")},
         156},
        {"exponent in the numerator", "ﾀx^2y/3ﾀ", 0,
         {"PsLINE 100 225 188 225 4 0 0 pen=4", Glyph("128 228", "3", "4 2"),
          Glyph("104 174", "x", "12 5", kTnr8), Glyph("132 186", "2", "6 3", kSize8),
          Glyph("156 190", "y", "4 2")},
         188},
        {"odd difference gives a half offset", "ﾀ1/ 5ﾀ", 0,
         {"PsLINE 100 225 159 225 4 0 0 pen=4", Glyph("127 228", "5", "4 2"),
          Glyph("113.5 190", "1", "4 2")},
         159},
        {"second slash divides in the denominator", "ﾀ1/2/3ﾀ", 0,
         {"PsLINE 100 225 202 225 4 0 0 pen=4", Glyph("100 228", "2", "4 2"),
          Glyph("132 228", "÷", "3 3", kSize11), Glyph("170 228", "3", "4 2"),
          Glyph("135 190", "1", "4 2")},
         202},
        {"radical in the numerator lowers the denominator", "ﾀ!3ﾝ/2ﾀ", 0,
         {"PsLINE 100 225 158 225 4 0 0 pen=4", Glyph("113 236", "2", "4 2"),
          "PsCONNECT 5 104 214 108 203 116 219 124 184 126 184 4 0 0 pen=3",
          Glyph("126 190", "3", "4 2"), "PsLINE 126 184 158 184 4 0 0 pen=3"},
         158},
        {"full-width character holding the byte of ^ keeps the denominator up", "ﾀ1/／ﾀ", 0,
         {"PsLINE 100 225 138 225 4 0 0 pen=4", Glyph("100 228", "／", "3 3", kSize11),
          Glyph("103 190", "1", "4 2")},
         138},
        {"fraction then letter on the line", "ﾀ1/2ﾀx", 0,
         {"PsLINE 100 225 132 225 4 0 0 pen=4", Glyph("100 228", "2", "4 2"),
          Glyph("100 190", "1", "4 2"), Glyph("136 178", "x", "10 7", kTnr8)},
         159},
        {"two fractions with their letters", "ﾀ3/5ﾀx+ﾀ1/5ﾀx", 0,
         {"PsLINE 100 225 132 225 4 0 0 pen=4", Glyph("100 228", "5", "4 2"),
          Glyph("100 190", "3", "4 2"), Glyph("136 178", "x", "10 7", kTnr8),
          "PsLINE 163 222 182 222 4 0 0 pen=5", "PsLINE 172 210 172 234 4 0 0 pen=5",
          "PsLINE 186 225 218 225 4 0 0 pen=4", Glyph("186 228", "5", "4 2"),
          Glyph("186 190", "1", "4 2"), Glyph("222 178", "x", "10 7", kTnr8)},
         245},
        {"fractions side by side", "ﾀ1/2ﾀﾀ3/4ﾀ", 0,
         {"PsLINE 100 225 132 225 4 0 0 pen=4", Glyph("100 228", "2", "4 2"),
          Glyph("100 190", "1", "4 2"), "PsLINE 132 225 164 225 4 0 0 pen=4",
          Glyph("132 228", "4", "4 2"), Glyph("132 190", "3", "4 2")},
         164},
        {"exponent between glyphs", "x^2", 0,
         {Glyph("104 178", "x", "10 7", kTnr8), Glyph("127 200", "2", "3 2")},
         151},
        {"bracketed fraction squared", "=-(ﾀ1/2ﾀ)\\2", 1,
         {Glyph("104 200", "=", "3 3", kSize14), "PsLINE 136 220 155 220 4 0 0 pen=5",
          Glyph("155 194", "(", "3 4"), "PsLINE 186 225 218 225 4 0 0 pen=4",
          Glyph("186 228", "2", "4 2"), Glyph("186 190", "1", "4 2"),
          Glyph("224 194", ")", "3 4"), Glyph("245 190", "2", "6 3", kSize8)},
         269},
        {"tall radical over a fraction", "#ﾀ1/2ﾀﾝ", 0,
         {"PsCONNECT 5 104 236 108 224 116 260 130 186 138 186 4 0 0 pen=3",
          "PsLINE 132 225 164 225 4 0 0 pen=4", "PsLINE 132 186 164 186 4 0 0 pen=3",
          Glyph("132 228", "2", "4 2"), Glyph("132 190", "1", "4 2")},
         164},
        {"lone fraction mark", "ﾀ", 0, {}, 100},
        {"unpaired mark draws a division", "ﾀ3/4", 0,
         {Glyph("100 200", "3", "3 3"), Glyph("123 200", "÷", "2 3"),
          Glyph("154 200", "4", "3 3")},
         181},
        {"third mark dropped", "ﾀ1/2ﾀ+ﾀ3", 0,
         {"PsLINE 100 225 132 225 4 0 0 pen=4", Glyph("100 228", "2", "4 2"),
          Glyph("100 190", "1", "4 2"), "PsLINE 136 222 155 222 4 0 0 pen=5",
          "PsLINE 145 210 145 234 4 0 0 pen=5", Glyph("159 200", "3", "3 3")},
         186},
        {"double-byte characters whole", "＝（", 0,
         {Glyph("100 200", "＝", "2 3"), Glyph("134 200", "（", "2 3")},
         168},
        {"kanji whose second byte is the fraction mark", "ﾀ1/安ﾀ", 0,
         {"PsLINE 100 225 138 225 4 0 0 pen=4", Glyph("100 228", "安", "3 3", kSize11),
          Glyph("103 190", "1", "4 2")},
         138},
        {"fraction without a separator", "ﾀ3ﾀ", 0,
         {"PsLINE 100 225 132 225 4 0 0 pen=4", Glyph("100 228", "3", "4 2"),
          Glyph("116 190", "", "4 2")},
         132},
    };
}

class Message : public TextTest, public ::testing::WithParamInterface<MessageCase> {};

TEST_P(Message, DrawsTheLine) {
    const MessageCase& c = GetParam();
    auto& p = P();
    p.KAKKO = c.kakko;
    p.AA_s = Sj(c.text);
    p.DrawMessage();
    EXPECT_EQ(Drawn(), c.drawn);
    EXPECT_EQ(double(p.X), c.end_x);
    EXPECT_EQ(double(p.Y), 200);
    EXPECT_TRUE(p.AA_s.empty());
    EXPECT_EQ(double(p.BUN), 0);
    EXPECT_EQ(S().pen_width(), 3);
    EXPECT_FALSE(S().measuring());
}

INSTANTIATE_TEST_SUITE_P(Lines, Message, ::testing::ValuesIn(MessageCases()),
                         [](const auto& info) {
                             std::string n = info.param.name;
                             for (char& ch : n)
                                 if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return n;
                         });

TEST_F(TextTest, MessageLeavesLastPieceInA) {
    auto& p = P();
    p.AA_s = Sj("x+1");
    p.DrawMessage();
    EXPECT_EQ(p.A_s, "1");
    p.AA_s = Sj("2ﾀ5/7ﾀ");
    p.DrawMessage();
    EXPECT_EQ(p.A_s, "5");  // the numerator of a closing fraction
    S().ClearLog();
    p.A_s = "keep";
    p.AA_s.clear();
    p.JYOU = 1;
    double x = p.X;
    p.DrawMessage();
    EXPECT_EQ(p.A_s, "keep");
    EXPECT_EQ(double(p.X), x);
    EXPECT_EQ(double(p.JYOU), 1);
    EXPECT_TRUE(Log().empty());
}

TEST_F(TextTest, TallRadicalOverlineRunsOnUntilClosed) {
    auto& p = P();
    p.AA_s = Sj("#ﾀ1/2ﾀ");
    p.DrawMessage();
    EXPECT_EQ(double(p.HROOT), 22);
    S().ClearLog();
    p.AA_s = Sj("x");
    p.DrawMessage();
    // Over the letter, 14 above the line, from the last piece's end.
    EXPECT_EQ(Drawn().back(), "PsLINE 164 186 191 186 4 0 0 pen=3");
    p.AA_s = Sj("ﾝ");
    p.DrawMessage();
    EXPECT_EQ(double(p.HROOT), 0);
}

TEST_F(TextTest, PenWidthComesBackAfterEverySign) {
    auto& p = P();
    surface::FE_SETDRAWWIDTH(0, 2);
    p.AA_s = Sj("#ﾀ1/2ﾀﾝ+!3ﾝ&-x");
    p.DrawMessage();
    EXPECT_EQ(S().pen_width(), 2);
}

// The markup state and pen of a program object.
struct State {
    double jyou, jyouk, kakko, hroot, bun;
    bool operator==(const State&) const = default;
};
State StateOf(const testing_support::TestProgram& p) {
    return {p.JYOU, p.JYOUK, p.KAKKO, p.HROOT, p.BUN};
}
void SetState(testing_support::TestProgram& p, const State& s) {
    p.JYOU = s.jyou;
    p.JYOUK = s.jyouk;
    p.KAKKO = s.kakko;
    p.HROOT = s.hroot;
    p.BUN = s.bun;
}

const char* const kMeasuredTexts[] = {
    "",      "ﾀ3/4ﾀ",  "ﾀ10x+5/5ﾀ", "ﾀ1/a^2ﾀ",  "ﾀx^2y/3ﾀ", "ﾀ3/5ﾀx+ﾀ1/5ﾀx", "#ﾀ1/2ﾀﾝ",
    "#ﾀ1/2ﾀx", "x^2",   "=-(ﾀ1/2ﾀ)\\2", "&",   "＃",       "!3ﾝ",           "!ﾀ1/2ﾀ",
    "2^",    "a\\",    "項と係数",   "ﾀｹｹx+5/ｹﾀ", "l2 . 'c", "ﾀ1/2/3ﾀ", "(3)", "ﾀ", "ﾀ3/4",
    "ﾀ!2/3ﾀ", "%*/@",  "ﾀ3ﾀ",
};

TEST_F(TextTest, MeasuredWidthIsTheDrawnAdvanceAndStateMatches) {
    const State starts[] = {
        {0, 0, 0, 0, 0}, {1, 0, 0, 0, 0}, {0, 1, 0, 0, 0},
        {0, 0, 1, 0, 0}, {1, 1, 1, 1, 0}, {0, 0, 0, 22, 0},
    };
    auto& p = P();
    for (const char* text : kMeasuredTexts) {
        for (const State& start : starts) {
            SetState(p, start);
            p.X = 300;
            p.Y = 400;
            p.A_s = Sj(text);
            p.MeasureTextWidth();
            const double width = p.LLT;
            const State after_measure = StateOf(p);
            EXPECT_EQ(double(p.X), 300) << text;
            EXPECT_EQ(double(p.Y), 400) << text;
            EXPECT_EQ(p.A_s, Sj(text)) << text;
            EXPECT_TRUE(p.AA_s.empty());

            SetState(p, start);
            p.X = 300;
            p.AA_s = Sj(text);
            p.DrawMessage();
            EXPECT_EQ(double(p.X) - 300, width) << text << " jyou " << start.jyou;
            EXPECT_EQ(StateOf(p), after_measure) << text;
        }
    }
}

TEST_F(TextTest, MeasuringDrawsAndLogsNothing) {
    auto& p = P();
    cairo_surface_t* canvas = S().canvas();
    auto checksum = [&] {
        cairo_surface_flush(canvas);
        const unsigned char* data = cairo_image_surface_get_data(canvas);
        const int n = cairo_image_surface_get_stride(canvas) * cairo_image_surface_get_height(canvas);
        std::uint64_t h = 1469598103934665603ull;
        for (int i = 0; i < n; ++i) h = (h ^ data[i]) * 1099511628211ull;
        return h;
    };
    const auto before = checksum();
    // Measured at every height, the visible rows included.
    for (double y : {0.0, 200.0, 880.0}) {
        p.Y = y;
        for (const char* text : kMeasuredTexts) {
            p.A_s = Sj(text);
            p.MeasureTextWidth();
        }
    }
    EXPECT_EQ(checksum(), before);
    EXPECT_TRUE(Log().empty());
    EXPECT_FALSE(S().measuring());
}

TEST_F(TextTest, EmptyTextMeasuresZero) {
    auto& p = P();
    p.A_s.clear();
    p.MeasureTextWidth();
    EXPECT_EQ(double(p.LLT), 0);
}

TEST_F(TextTest, ErrorWhileMeasuringLeavesTheSurfaceDrawing) {
    auto& p = P();
    p.CCC1 = 99;  // not a palette colour
    p.A_s = Sj("ﾀ1/2ﾀ");
    EXPECT_THROW(p.MeasureTextWidth(), surface::RuntimeError);
    EXPECT_FALSE(S().measuring());
}

TEST_F(TextTest, StackedFractionOutputs) {
    auto& p = P();
    p.DR = 3;
    p.A_s = Sj("10x+5/5");
    p.DrawStackedFraction();
    EXPECT_EQ(p.A_s, Sj("10x+5"));
    EXPECT_EQ(double(p.LLT), 32);
    EXPECT_EQ(double(p.X), 260);
    EXPECT_EQ(double(p.Y), 200);
    EXPECT_EQ(double(p.BUN), 0);
}

TEST_F(TextTest, StruckFigureLinesUpWithTheDigitsUnderIt) {
    auto& p = P();
    p.AA_s = Sj("=ﾀ10x+5/5ﾀ");
    p.DrawMessage();
    S().ClearLog();
    p.X = 100;
    p.AA_s = Sj("=ﾀｹｹx+5/ｹﾀ");
    p.DrawMessage();
    auto strokes = LogLines("PsLINE 1");
    // Numerator digits at 132 and 164, the denominator digit at 196.
    EXPECT_NE(std::find(strokes.begin(), strokes.end(), "PsLINE 136 194 164 214 2 0 0 pen=3"),
              strokes.end());
    EXPECT_NE(std::find(strokes.begin(), strokes.end(), "PsLINE 168 194 196 214 2 0 0 pen=3"),
              strokes.end());
    auto all = LogLines("PsLINE 200 232 228 252 2 0 0");
    EXPECT_EQ(all.size(), 1u);
}

}  // namespace
