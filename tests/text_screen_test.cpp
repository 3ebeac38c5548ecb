// A test screen with a line of each kind of lesson text, kept as
// text_screen.png in the test's working directory for a look by eye.
#include <cstdlib>
#include <utility>

#include "surface/surface.h"
#include "tests/text_test_support.h"

namespace {

using text_testing::TextTest;

TEST_F(TextTest, ScreenOfEveryKindOfLine) {
    auto& p = P();
    surface::PsCLS();
    surface::FE_SETFONTNAME(0, Sj("ｺﾞｼｯｸ"));
    surface::FE_SETFONTSIZE(0, 16);

    struct Line {
        const char* label;
        const char* text;
        int kakko;
    };
    const Line lines[] = {
        {"1", "ﾀ3/5ﾀx+ﾀ1/5ﾀx", 0},   {"2", "#ﾀ1/2ﾀﾝ", 0},       {"3", "x^2", 0},
        {"4", "=-(ﾀ1/2ﾀ)\\2", 1},     {"5", "&ABCD＃EFGH", 0},    {"6", "!3ﾝ+!2ﾝ=5", 0},
        {"7", "ﾀ10x+5/5ﾀ=2x+1", 0},  {"8", "ﾀx^2y/3ﾀ-ﾀ1/a^2ﾀ", 0}, {"9", "項と係数 3a*2/4@l", 0},
    };
    double y = 80;
    for (const Line& line : lines) {
        p.CCC1 = 0;
        p.X = 40;
        p.Y = y;
        p.AA_s = Sj(line.label);
        p.DrawMessage();
        p.CCC1 = 4;
        p.X = 120;
        p.KAKKO = line.kakko;
        p.AA_s = Sj(line.text);
        p.DrawMessage();
        y += 80;
    }
    // Line 7 struck through as a lesson reduces it.
    p.CCC2 = 2;
    p.X = 120;
    p.Y = 560;
    p.AA_s = Sj("ﾀｹｹx+ｹ/ｹﾀ");
    p.DrawMessage();

    // A text box and the prompt-line drawer.
    p.X = 800;
    p.Y = 80;
    p.HABA = 396;
    p.TATE = 46;
    p.CCC1 = 3;
    p.CCC2 = 3;
    p.CCC3 = 13;
    p.A_s = Sj("P73(練習問題)");
    p.DrawTextBox();
    p.X = 800;
    p.Y = 180;
    p.HABA = 44;
    p.TATE = 44;
    p.CCC1 = 13;
    p.CCC2 = 4;
    p.CCC3 = 3;
    p.A_s = "1";
    p.DrawTextBox();
    p.HABA = 160;
    p.TATE = 70;
    p.CCC1 = 0;
    p.CCC2 = 0;
    p.CCC3 = 11;
    p.X = 900;
    p.Y = 170;
    p.A_s = Sj("ﾀ3/4ﾀx");
    p.DrawTextBox();
    p.CCC1 = 9;
    p.X = 800;
    p.Y = 320;
    p.AA_s = Sj("次のステップは１を入力。x^2 1.5");
    p.DrawFormulaText();
    p.CCC1 = 0;
    p.X = 800;
    p.Y = 400;
    p.AA_s = Sj("(1,2) ax y");
    p.DrawCompactText();

    EXPECT_TRUE(S().WritePng("text_screen.png"));
    // The first fraction bar is drawn in the text colour (red 4).
    EXPECT_EQ(S().PixelAt(130, 105), surface::PaletteColor(4));
}

// Top and bottom rows of ink within columns [x0, x1) and rows [y0, y1).
std::pair<int, int> InkRows(surface::Surface& s, int x0, int x1, int y0, int y1) {
    int top = -1, bottom = -1;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (s.PixelAt(x, y) != surface::PaletteColor(15)) {
                if (top < 0) top = y;
                bottom = y;
                break;
            }
    return {top, bottom};
}

TEST_F(TextTest, LettersStandOnTheLineOfTheDigits) {
    auto& p = P();
    surface::PsCLS();
    // "2x" on the line and in a fraction part: the letter's foot is level
    // with the digit's, so it does not read as an exponent.
    p.AA_s = Sj("2x");
    p.DrawMessage();
    auto digit = InkRows(S(), 100, 124, 150, 280);
    auto letter = InkRows(S(), 135, 150, 150, 280);
    EXPECT_LE(std::abs(digit.second - letter.second), 3);
    EXPECT_GT(letter.first, digit.first + 8);  // lower case: shorter than the digit

    p.X = 400;
    p.AA_s = Sj("ﾀ2x/3ﾀ");
    p.DrawMessage();
    digit = InkRows(S(), 402, 428, 170, 222);  // above the bar
    letter = InkRows(S(), 442, 460, 170, 222);
    EXPECT_LE(std::abs(digit.second - letter.second), 3);

    // "x^2": the exponent's top stands above the letter's.
    p.X = 700;
    p.AA_s = Sj("x^2");
    p.DrawMessage();
    letter = InkRows(S(), 706, 722, 150, 280);
    auto exponent = InkRows(S(), 732, 748, 150, 280);
    EXPECT_LT(exponent.first, letter.first - 6);
}

}  // namespace
