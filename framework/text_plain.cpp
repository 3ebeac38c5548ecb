// The plain formula drawer of the prompt line: every character full width
// in a 16-unit cell, "^" the only markup.
#include "framework/text.h"
#include "surface/surface.h"

namespace framework {

using namespace surface;

void Text::DrawFormulaText() {
    for (;;) {
        double count = PfKLEN(AA_s);
        if (count == 0) return;
        A_s = PfKLEFT24(AA_s, 1);
        AA_s = PfKRIGHT24(AA_s, count - 1);
        if (A_s == "^") {
            JYOU = 1;
            continue;
        }
        DrawFormulaChars();
        X = XT;
    }
}

void Text::DrawFormulaChars() {
    StripSpaces();
    double count = PfKLEN(A_s);
    XT = X;
    FE_SETFONTBOLD(0, -1);
    // The first pass runs before the bound is tested: a text of blanks alone
    // still takes one empty cell.
    double j = 1;
    do {
        B_s = PfKMID24(A_s, j, 1);
        if (B_s == "^") {
            JYOU = 1;
        } else {
            if (JYOU != 1)
                ToFullWidthChar();
            else
                JYOU = 0;
            // A character the tables do not hold stays half width: lift it to
            // sit on the line of the full-width ones.
            double lift = PfLEN(B_s) == 1 ? 4 : 0;
            const bool period = B_s == "．"_sj;
            if (period) XT = XT - 4;
            PsSYMBOL40(XT, Y - lift, B_s, 1, 1, CCC1);
            // The period takes no cell of its own.
            if (period) XT = XT - 12;
            XT = XT + 16;
        }
        j = j + 1;
    } while (j <= count);
}

void Text::ToFullWidthChar() {
    HENK2_s = "　ＸＹΑＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＺ"_sj;
    HENK1_s = " XYABCDEFGHIJKLMNOPQRSTUVWZ"_sj;
    double at = PfINSTR(HENK1_s, B_s);
    if (at != 0) B_s = PfKMID24(HENK2_s, at, 1);
    HENK3_s =
        "　０１２３４５６７８９　×÷＋－―＝．∽（）√≡±π∠≦≧＜＞，°χｙａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗ△："_sj;
    HENK_s = " 0123456789 */+-ﾀ=.?()!$@&'[]<>,%xyabcdefghijklmnopqrstuvw~:"_sj;
    at = PfINSTR(HENK_s, B_s);
    if (at != 0) B_s = PfKMID24(HENK3_s, at, 1);
}

}  // namespace framework
