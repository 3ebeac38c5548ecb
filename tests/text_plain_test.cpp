// The plain formula drawer of the prompt line and its full-width table.
#include "tests/text_test_support.h"

namespace {

using text_testing::TextTest;

std::string Hex(const surface::Str& s) {
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : s) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

TEST_F(TextTest, FullWidthTable) {
    struct Case {
        const char* in;  // UTF-8
        const char* hex;
    };
    const Case cases[] = {
        {" ", "8140"},   {"0", "824F"},   {"9", "8258"},   {"A", "839F"},   {"B", "8261"},
        {"W", "8276"},   {"X", "8277"},   {"Y", "8278"},   {"Z", "8279"},   {"a", "8281"},
        {"w", "8297"},   {"x", "83D4"},   {"y", "8299"},   {"z", "7A"},     {"+", "817B"},
        {"-", "817C"},   {"=", "8181"},   {".", "8144"},   {"(", "8169"},   {")", "816A"},
        {"<", "8183"},   {">", "8184"},   {",", "8143"},   {":", "8146"},   {"*", "817E"},
        {"/", "8180"},   {"ﾀ", "815C"},   {"?", "81E4"},   {"!", "81E3"},   {"$", "81DF"},
        {"@", "817D"},   {"&", "83CE"},   {"'", "81DA"},   {"[", "8185"},   {"]", "8186"},
        {"%", "818B"},   {"~", "81A2"},   {"#", "23"},     {";", "3B"},     {"^", "5E"},
        {"\\", "5C"},    {"_", "5F"},     {"{", "7B"},     {"|", "7C"},     {"}", "7D"},
        {"\"", "22"},    {"`", "60"},     {"ｱ", "B1"},     {"Ｘ", "8277"},  {"項", "8D80"},
        {"", "8140"},
    };
    auto& p = P();
    for (const Case& c : cases) {
        p.B_s = Sj(c.in);
        p.ToFullWidthChar();
        EXPECT_EQ(Hex(p.B_s), c.hex) << "'" << c.in << "'";
        // Converting the result again changes nothing.
        surface::Str once = p.B_s;
        p.ToFullWidthChar();
        EXPECT_EQ(p.B_s, once) << c.in;
    }
    EXPECT_EQ(p.HENK1_s.size(), 27u);
    EXPECT_EQ(p.HENK2_s.size(), 54u);
    EXPECT_EQ(p.HENK_s.size(), 60u);
    EXPECT_EQ(p.HENK3_s.size(), 120u);
}

const std::string kBold16 = "font=\"ゴシック\" size=16 bold=1 italic=0";

struct PlainCase {
    const char* name;
    const char* text;  // UTF-8, drawn from (100, 200) in colour 4
    int jyou;
    std::vector<std::string> drawn;  // "x y text"
    double end_x;
    double jyou_after;
};
void PrintTo(const PlainCase& c, std::ostream* os) { *os << c.name; }

std::vector<PlainCase> PlainCases() {
    return {
        {"exponent stays half width and lifted", "x^2", 0, {"100 200 χ", "116 196 2"}, 132, 0},
        {"period takes no width", "1.5", 0, {"100 200 １", "112 200 ．", "116 200 ５"}, 132, 0},
        {"division", "3/4", 0, {"100 200 ３", "116 200 ÷", "132 200 ４"}, 148, 0},
        {"blank cancels the exponent", "^ 2", 0, {"100 200 ", "116 200 ２"}, 132, 0},
        {"unconverted full-width period keeps its squeeze", "2^．", 0,
         {"100 200 ２", "112 200 ．"}, 116, 0},
        {"character outside the tables is lifted", "z", 0, {"100 196 z"}, 116, 0},
        {"prompt text", "番号を入力して下さい。", 0, {}, 276, 0},
        {"mark alone", "^", 0, {}, 100, 1},
        {"pending exponent from earlier text", "2", 1, {"100 196 2"}, 116, 0},
        {"empty text", "", 0, {}, 100, 0},
        {"two marks act as one", "^^2", 0, {"100 196 2"}, 116, 0},
    };
}

class Plain : public TextTest, public ::testing::WithParamInterface<PlainCase> {};

TEST_P(Plain, DrawsInSixteenUnitCells) {
    const PlainCase& c = GetParam();
    auto& p = P();
    surface::FE_SETFONTNAME(0, Sj("ゴシック"));  // as the other renderers leave it
    p.JYOU = c.jyou;
    p.AA_s = Sj(c.text);
    p.DrawFormulaText();
    auto lines = LogLines("PsSYMBOL40");
    if (!c.drawn.empty()) {
        ASSERT_EQ(lines.size(), c.drawn.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            auto sp = c.drawn[i].rfind(' ');
            std::string want = "PsSYMBOL40 " + c.drawn[i].substr(0, sp) + " \"" +
                               c.drawn[i].substr(sp + 1) + "\" 1 1 4 " + kBold16;
            EXPECT_EQ(lines[i], want);
        }
    }
    EXPECT_EQ(double(p.X), c.end_x);
    EXPECT_EQ(double(p.JYOU), c.jyou_after);
    EXPECT_TRUE(p.AA_s.empty());
}

INSTANTIATE_TEST_SUITE_P(Texts, Plain, ::testing::ValuesIn(PlainCases()),
                         [](const auto& info) {
                             std::string n = info.param.name;
                             for (char& ch : n)
                                 if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return n;
                         });

TEST_F(TextTest, PlainDrawerLeavesItsRegisters) {
    auto& p = P();
    p.AA_s = Sj("12 ");
    p.DrawFormulaText();
    EXPECT_TRUE(p.A_s.empty());  // the last character was a blank
    EXPECT_EQ(p.B_s, Sj("　"));
    EXPECT_EQ(double(p.XT), double(p.X));
    EXPECT_TRUE(S().font().bold);

    // An empty text changes nothing.
    S().font().bold = false;
    p.A_s = "a";
    p.B_s = "b";
    p.XT = 7;
    p.AA_s.clear();
    p.DrawFormulaText();
    EXPECT_EQ(p.A_s, "a");
    EXPECT_EQ(p.B_s, "b");
    EXPECT_EQ(double(p.XT), 7);
    EXPECT_FALSE(S().font().bold);
}

TEST_F(TextTest, EchoedKeysMoveTheCursor) {
    auto& p = P();
    for (const char* key : {"-", ".", "/", "0", "9"}) {
        p.X = 500;
        p.A_s = key;
        p.DrawFormulaChars();
        EXPECT_EQ(double(p.XT), std::string(key) == "." ? 500 : 516) << key;
        EXPECT_EQ(double(p.X), 500);
    }
}

TEST_F(TextTest, MessageEndingInExponentRaisesThePlainDrawersNextCharacter) {
    auto& p = P();
    p.AA_s = Sj("x^");
    p.DrawMessage();
    EXPECT_EQ(double(p.JYOU), 1);
    S().ClearLog();
    p.AA_s = "2";
    p.DrawFormulaText();
    EXPECT_EQ(LogLines("PsSYMBOL40")[0].substr(0, 24), "PsSYMBOL40 127 196 \"2\" 1");
}

}  // namespace
