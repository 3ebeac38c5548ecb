// Text boxes, compact labels, clean-up helpers, the lesson area and the
// number texts.
#include "tests/text_test_support.h"

namespace {

using testing_support::TestProgram;
using text_testing::Glyph;
using text_testing::TextTest;

TEST_F(TextTest, CleanUpHelpers) {
    struct Case {
        void (TestProgram::*routine)();
        const char* in;  // UTF-8
        const char* out;
    };
    const Case cases[] = {
        {&TestProgram::StripSpaces, "", ""},
        {&TestProgram::StripSpaces, "   ", ""},
        {&TestProgram::StripSpaces, " 12", "12"},
        {&TestProgram::StripSpaces, "-3", "-3"},
        {&TestProgram::StripSpaces, "ab cd", "abcd"},
        {&TestProgram::StripSpaces, "項　 と", "項　と"},
        {&TestProgram::StripMarkup, "ﾀ1/3ﾀ", "1/3"},
        {&TestProgram::StripMarkup, "-ﾀ1/3ﾀ", "-1/3"},
        {&TestProgram::StripMarkup, "ﾀ6/8ﾀ=ﾀ3/4ﾀ", "6/83/4"},
        {&TestProgram::StripMarkup, "x^2+#3ﾝ", "x2+#3"},
        {&TestProgram::StripMarkup, "abc", "abc"},
        {&TestProgram::StripMarkup, "", ""},
        // Kanji whose second byte equals a mark stay whole.
        {&TestProgram::StripMarkup, "運安胃=", "運安胃"},
        {&TestProgram::StripLeadingPlus, "+3", "3"},
        {&TestProgram::StripLeadingPlus, "+", ""},
        {&TestProgram::StripLeadingPlus, "-3", "-3"},
        {&TestProgram::StripLeadingPlus, "3+", "3+"},
        {&TestProgram::StripLeadingPlus, "", ""},
        {&TestProgram::StripLeadingPlus, "++3", "+3"},
        {&TestProgram::StripLeadingSign, "+3", "3"},
        {&TestProgram::StripLeadingSign, "-3", "3"},
        {&TestProgram::StripLeadingSign, "3", "3"},
        {&TestProgram::StripLeadingSign, "", ""},
    };
    auto& p = P();
    for (const Case& c : cases) {
        p.A_s = Sj(c.in);
        (p.*c.routine)();
        EXPECT_EQ(p.A_s, Sj(c.out)) << c.in;
    }
}

struct BoxCase {
    const char* name;
    bool around_line;
    double haba, tate;
    const char* text;
    std::string box;    // the PsLINE of the cell
    std::string first;  // the first drawing after it ("" for none)
};
void PrintTo(const BoxCase& c, std::ostream* os) { *os << c.name; }

std::vector<BoxCase> BoxCases() {
    return {
        {"square cell", false, 44, 44, "3", "PsLINE 100 200 144 244 3 2 13 pen=3",
         Glyph("108.5 200", "3", "3 3", "5 font=\"ゴシック\" size=16 bold=1 italic=0")},
        {"heading cell one lower", false, 396, 46, "3", "PsLINE 100 200 496 246 3 2 13 pen=3",
         Glyph("284.5 201", "3", "3 3", "5 font=\"ゴシック\" size=16 bold=1 italic=0")},
        {"fraction ten lower", false, 120, 70, "ﾀ1/2ﾀ", "PsLINE 100 200 220 270 3 2 13 pen=3",
         "PsLINE 144 235 176 235 5 0 0 pen=4"},
        {"short cell puts the line above it", false, 44, 43, "3",
         "PsLINE 100 200 144 243 3 2 13 pen=3",
         Glyph("108.5 199", "3", "3 3", "5 font=\"ゴシック\" size=16 bold=1 italic=0")},
        {"one unit taller stays put", false, 44, 45, "3", "PsLINE 100 200 144 245 3 2 13 pen=3",
         Glyph("108.5 200", "3", "3 3", "5 font=\"ゴシック\" size=16 bold=1 italic=0")},
        {"wider text starts at the left edge", false, 20, 44, "33",
         "PsLINE 100 200 120 244 3 2 13 pen=3",
         Glyph("100 200", "3", "3 3", "5 font=\"ゴシック\" size=16 bold=1 italic=0")},
        {"empty text draws the cell alone", false, 44, 44, "", "PsLINE 100 200 144 244 3 2 13 pen=3",
         ""},
        {"cell around a line", true, 60, 50, "3", "PsLINE 100 197 160 247 3 2 13 pen=3",
         Glyph("116.5 200", "3", "3 3", "5 font=\"ゴシック\" size=16 bold=1 italic=0")},
        {"tall cell around a line", true, 60, 90, "3", "PsLINE 100 177 160 267 3 2 13 pen=3",
         Glyph("116.5 200", "3", "3 3", "5 font=\"ゴシック\" size=16 bold=1 italic=0")},
        {"fraction around a line keeps 44", true, 120, 90, "ﾀ1/2ﾀ",
         "PsLINE 100 177 220 267 3 2 13 pen=3", "PsLINE 144 225 176 225 5 0 0 pen=4"},
    };
}

class Box : public TextTest, public ::testing::WithParamInterface<BoxCase> {};

TEST_P(Box, PlacesCellAndText) {
    const BoxCase& c = GetParam();
    auto& p = P();
    p.HABA = c.haba;
    p.TATE = c.tate;
    p.CCC1 = 5;
    p.CCC2 = 3;
    p.CCC3 = 13;
    p.A_s = Sj(c.text);
    if (c.around_line)
        p.DrawTextBoxAroundLine();
    else
        p.DrawTextBox();
    auto drawn = Drawn();
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(drawn[0], c.box);
    if (c.first.empty()) {
        EXPECT_EQ(drawn.size(), 1u);
    } else {
        ASSERT_GE(drawn.size(), 2u);
        EXPECT_EQ(drawn[1], c.first);
    }
    EXPECT_EQ(double(p.X), 100 + c.haba);
    EXPECT_EQ(double(p.Y), 200);
    EXPECT_TRUE(p.AA_s.empty());
}

INSTANTIATE_TEST_SUITE_P(Cells, Box, ::testing::ValuesIn(BoxCases()), [](const auto& info) {
    std::string n = info.param.name;
    for (char& ch : n)
        if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return n;
});

TEST_F(TextTest, BoxDrawsTallParenthesesInBothPasses) {
    auto& p = P();
    p.HABA = 200;
    p.TATE = 44;
    p.KAKKO = 1;
    p.A_s = Sj("(3)");
    p.DrawTextBox();
    EXPECT_EQ(double(p.LLT), 81);
    EXPECT_EQ(LogLines("PsSYMBOL40")[0], Glyph("155.5 194", "(", "3 4"));
    EXPECT_EQ(LogLines("PsSYMBOL40")[2], Glyph("219.5 194", ")", "3 4"));
    EXPECT_EQ(double(p.KAKKO), 0);
    EXPECT_EQ(p.A_s, ")");
}

TEST_F(TextTest, BoxReportsItsTextWidth) {
    auto& p = P();
    p.HABA = 200;
    p.TATE = 70;
    p.A_s = Sj("ﾀ10x+5/5ﾀ");
    p.DrawTextBox();
    EXPECT_EQ(double(p.LLT), 160);
}

TEST_F(TextTest, TwoLineBox) {
    auto& p = P();
    p.HABA = 100;
    p.TATE = 100;
    p.A1_s = Sj("ﾀ1/4ﾀ");
    p.A2_s.clear();
    p.DrawTwoLineTextBox();
    // A lone first line sits 25 lower: its bar at 200 + 25 + 25.
    EXPECT_EQ(LogLines("PsLINE")[1], "PsLINE 134 250 166 250 4 0 0 pen=4");
    EXPECT_EQ(double(p.X), 200);

    S().ClearLog();
    p.X = 100;
    p.A1_s = "1";
    p.A2_s = "2";
    p.DrawTwoLineTextBox();
    auto glyphs = LogLines("PsSYMBOL40");
    ASSERT_EQ(glyphs.size(), 2u);
    EXPECT_EQ(glyphs[0], Glyph("136.5 203", "1", "3 3"));
    EXPECT_EQ(glyphs[1], Glyph("136.5 247", "2", "3 3"));
    EXPECT_EQ(double(p.LLT), 27);
}

TEST_F(TextTest, CompactText) {
    struct Case {
        const char* text;
        std::vector<std::string> drawn;
        double advance;
    };
    const std::string g15 = "4 font=\"ｺﾞｼｯｸ\" size=15 bold=1 italic=0";
    const std::string tnr = "4 font=\"Times New Roman\" size=8 bold=1 italic=1";
    const std::string goth15 = "4 font=\"ゴシック\" size=15 bold=1 italic=0";
    const Case cases[] = {
        {"(1,2)",
         {Glyph("92 200", "(", "3 2", g15), Glyph("112 200", "1", "3 2", g15),
          Glyph("132 200", ",", "3 2", g15), Glyph("140 200", "2", "3 2", g15),
          Glyph("160 200", ")", "3 2", g15)},
         68},
        {"ax1", {Glyph("104 188", "a", "7 4", tnr), Glyph("124 188", "x", "7 4", tnr),
                 Glyph("140 200", "1", "3 2", goth15)},
         60},
        {"y.", {Glyph("100 194", "y", "3 2", g15), Glyph("120 200", ".", "3 2", g15)}, 28},
        {" 　", {Glyph("120 200", "　", "2 2", g15)}, 50},
        {"^ﾀ#/", {}, 80},
        {"", {}, 0},
    };
    auto& p = P();
    for (const Case& c : cases) {
        S().ClearLog();
        surface::FE_SETFONTNAME(0, Sj("ｺﾞｼｯｸ"));
        p.X = 100;
        p.AA_s = Sj(c.text);
        p.DrawCompactText();
        if (!c.drawn.empty()) {
            EXPECT_EQ(LogLines("PsSYMBOL40"), c.drawn) << c.text;
        }
        EXPECT_EQ(double(p.X), 100 + c.advance) << c.text;
        EXPECT_EQ(double(p.Y), 200);
        EXPECT_TRUE(p.AA_s.empty());
        EXPECT_EQ(S().font().size, 16);
        EXPECT_FALSE(S().font().bold);
        EXPECT_FALSE(S().font().italic);
        EXPECT_EQ(S().pen_width(), 3);
    }
}

TEST_F(TextTest, LessonAreaAndAnswerBand) {
    auto& p = P();
    p.ClearLessonArea();
    p.KAIX = 1056;
    p.KAIY = 648;
    p.ClearRightOfAnswer();
    EXPECT_EQ(Drawn(), (std::vector<std::string>{"PsLINE 0 54 1440 900 15 2 15 pen=3",
                                                 "PsLINE 1136 576 2576 666 15 2 15 pen=3"}));
    EXPECT_EQ(double(p.X), 1136);
    EXPECT_EQ(double(p.Y), 576);
}

TEST_F(TextTest, NumberTexts) {
    auto& p = P();
    p.T_sa(0) = "zero";
    p.F_sa(0) = "nil";
    p.T_sa(3) = "old";
    p.T_a(2) = -3;
    p.T_a(80) = 12;
    p.F_a(40) = 7;
    p.I_s.clear();
    p.FormatNumberArrays();
    EXPECT_EQ(p.T_sa(1), "0");
    EXPECT_EQ(p.T_sa(2), "-3");
    EXPECT_EQ(p.T_sa(3), "0");
    EXPECT_EQ(p.T_sa(80), "12");
    EXPECT_EQ(p.F_sa(1), "0");
    EXPECT_EQ(p.F_sa(40), "7");
    EXPECT_EQ(p.T_sa(0), "zero");
    EXPECT_EQ(p.F_sa(0), "nil");
    EXPECT_EQ(p.A_s, p.F_sa(40));
}

TEST_F(TextTest, ChoiceKeys) {
    struct Case {
        const char* key;
        double fkig, hhkig;
    };
    const Case cases[] = {{"Q", 1, 1}, {"@", 1, 6}, {"S", 1, 10}, {"q", 0, 10},
                          {"", 0, 10},  {"\r", 0, 10}, {"]", 1, 9}};
    auto& p = P();
    for (const Case& c : cases) {
        p.I_s = c.key;
        p.FormatNumberArrays();
        EXPECT_EQ(double(p.FKIG), c.fkig) << c.key;
        EXPECT_EQ(double(p.HHKIG), c.hhkig) << c.key;
        EXPECT_EQ(p.I_s, c.key);
    }
}

}  // namespace
