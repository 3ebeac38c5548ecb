// Text centred in filled cells, and the compact label text of the figures.
#include "framework/text.h"
#include "surface/surface.h"

namespace framework {

using namespace surface;

namespace {

// Centring offset of a text in a cell; a text wider than the cell starts
// at its left edge.
Single Offset(double cell, double width) {
    Single offset = (cell - width) / 2;
    return offset < 0 ? Single(0) : offset;
}

}  // namespace

// The boxes work from their own copies of the pen, KAKKO and the text: the
// measuring and drawing passes use the same registers as scratch.

void Text::DrawTextBox() {
    const Single x = X, y = Y, kakko = KAKKO;
    const Str text = A_s;
    const bool fraction = PfKINSTR(text, "ﾀ"_sj) > 0;
    MeasureTextWidth();
    const Single width = LLT;
    KAKKO = kakko;  // a ")" cleared it while measuring
    const Single offset = Offset(HABA, width);
    const Single text_y = y + INT((TATE - (fraction ? 50 : 44)) / 2);
    PsLINE(x, y, false, x + HABA, y + TATE, CCC2, 2, CCC3);
    X = x + offset;
    Y = text_y;
    AA_s = text;
    DrawMessage();
    LLT = width;  // a fraction's own measuring overwrote it
    X = x + HABA;
    Y = y;
}

void Text::DrawTextBoxAroundLine() {
    const Single x = X, y = Y, kakko = KAKKO;
    const Str text = A_s;
    MeasureTextWidth();
    const Single width = LLT;
    KAKKO = kakko;
    const Single offset = Offset(HABA, width);
    const Single above = INT((TATE - 44) / 2);
    PsLINE(x, y - above, false, x + HABA, y + TATE - above, CCC2, 2, CCC3);
    X = x + offset;
    Y = y;
    AA_s = text;
    DrawMessage();
    LLT = width;
    X = x + HABA;
    Y = y;
}

void Text::DrawTwoLineTextBox() {
    const Single x = X, y = Y, kakko = KAKKO;

    const Str line1 = A1_s;
    const bool fraction1 = PfKINSTR(line1, "ﾀ"_sj) > 0;
    A_s = line1;
    MeasureTextWidth();
    KAKKO = kakko;
    const Single offset1 = Offset(HABA, LLT);
    Single y1 = y + INT((TATE / 2 - (fraction1 ? 50 : 44)) / 2);
    PsLINE(x, y, false, x + HABA, y + TATE, CCC2, 2, CCC3);
    if (A2_s.empty()) y1 = y1 + 25;  // a single line sits in the middle
    X = x + offset1;
    Y = y1;
    AA_s = line1;
    DrawMessage();

    const Str line2 = A2_s;
    const bool fraction2 = PfKINSTR(line2, "ﾀ"_sj) > 0;
    A_s = line2;
    MeasureTextWidth();
    const Single width2 = LLT;
    KAKKO = kakko;
    const Single offset2 = Offset(HABA, width2);
    const Single y2 = fraction2 ? y + 50 + INT((TATE / 2 - 50) / 2)
                                : y + 44 + INT((TATE / 2 - 44) / 2);
    X = x + offset2;
    Y = y2;
    AA_s = line2;
    DrawMessage();
    LLT = width2;
    X = x + HABA;
    Y = y;
}

void Text::DrawCompactText() {
    for (;;) {
        TX = X;
        TY = Y;
        DR = FE_GETDRAWWIDTH(0);
        double count = PfKLEN(AA_s);
        if (count == 0) {
            FE_SETFONTBOLD(0, 0);
            FE_SETDRAWWIDTH(0, DR);
            FE_SETFONTSIZE(0, 16);
            return;
        }
        A_s = PfKLEFT24(AA_s, 1);
        AA_s = PfKRIGHT24(AA_s, count - 1);
        B_s = A_s;
        FE_SETFONTBOLD(0, -1);
        FE_SETFONTSIZE(0, 15);

        if (B_s == "." || B_s == ",") {
            PsSYMBOL40(TX, TY, B_s, 3, 2, CCC1);
            TX = TX + 8;
        } else if (B_s == "(") {
            PsSYMBOL40(TX - 8, TY, B_s, 3, 2, CCC1);
            TX = TX + 12;
        } else if (B_s == ")") {
            PsSYMBOL40(TX, TY, B_s, 3, 2, CCC1);
            TX = TX + 8;
        } else if (B_s == " ") {
            TX = TX + 20;
        } else if (PfLEN(B_s) == 2) {
            PsSYMBOL40(TX, TY, B_s, 2, 2, CCC1);
            TX = TX + 30;
        } else if (B_s == "a" || B_s == "x" || B_s == "c") {
            FE_SETFONTNAME(0, "Times New Roman"_sj);
            FE_SETFONTSIZE(0, 8);
            FE_SETFONTITALIC(0, -1);
            PsSYMBOL40(TX + 4, TY - 12, B_s, 7, 4, CCC1);
            FE_SETFONTNAME(0, "ゴシック"_sj);
            FE_SETFONTITALIC(0, 0);
            B_s.clear();
            TX = TX + 20;
        } else if (B_s == "y") {
            TY = TY - 6;  // the descender would hang below the line
            PsSYMBOL40(TX, TY, B_s, 3, 2, CCC1);
            TY = TY + 6;
            TX = TX + 20;
        } else {
            PsSYMBOL40(TX, TY, B_s, 3, 2, CCC1);
            TX = TX + 20;
        }
        X = TX;
        Y = TY;
    }
}

}  // namespace framework
