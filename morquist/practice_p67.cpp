// Chapter 5: the worked answers of the practice problems of page 67, two
// screens drawn at once and the value table of n, 2n and 2n+1 filled a cell
// at a time.
#include "morquist/morquist.h"
#include "surface/surface.h"

namespace morquist {

using namespace surface;

void Morquist::ShowPracticeP67Answers1() {
    DrawPracticeFrame("P67(練習問題)"_sj, "1"_sj);
    XI1 = XI0 + 60;
    WriteAt(3, XI0, YI1 + 60, "(1)"_sj);
    WriteAt(0, XI1 + 27, YI1, "x=-4 を代入して"_sj);
    WriteAt(0, XI1 + 27, YI1 + 70, "1-ﾀ1/2ﾀx"_sj);
    WriteAt(0, XI1, YI1 + 70, "=1-ﾀ1/2ﾀ*(-4)"_sj);
    WriteAt(0, XI1, YI1 + 60, "=1+2"_sj);
    WriteAfter(5, "=3"_sj);
    WriteAt(3, XI0, YI1 + 60, "(2)"_sj);
    WriteAt(0, XI1 + 27, YI1, "x=-4 を代入して"_sj);
    WriteAt(0, XI1 + 27, YI1 + 70, "ﾀ2/xﾀ"_sj);
    WriteAt(0, XI1, YI1 + 70, "=ﾀ2/-4ﾀ"_sj);
    WriteAt(0, XI1, YI1 + 70, "=-ﾀ2/4ﾀ"_sj);
    WriteAfter(5, "=-ﾀ1/2ﾀ"_sj);

    XI0 = 600;
    XI1 = XI0 + 60;
    YI1 = 30;
    WriteAt(3, XI0, YI1 + 110, "(3)"_sj);
    WriteAt(0, XI1 + 27, YI1, "x=-4 を代入して"_sj);
    WriteAt(0, XI1 + 27, YI1 + 50, "-5x^2"_sj);
    WriteAt(0, XI1, YI1 + 50, "=-5*(-4)^2"_sj);
    WriteAt(0, XI1, YI1 + 50, "=-5*(-4)*(-4)"_sj);
    WriteAt(0, XI1, YI1 + 50, "=-(5*4*4)"_sj);
    WriteAt(5, XI1, YI1 + 50, "=-80"_sj);
}

void Morquist::ShowPracticeP67Answers2() {
    DrawPracticeFrame("P67(練習問題)"_sj, "2"_sj);
    XI1 = XI0 + 60;
    WriteAt(3, XI0, YI1 + 60, "(1)"_sj);
    WriteAt(0, XI1 + 27, YI1, "a=3,b=-4 を代入して"_sj);
    WriteAt(0, XI1 + 27, YI1 + 50, "a-3b"_sj);
    WriteAt(0, XI1, YI1 + 50, "=3-3*(-4)"_sj);
    WriteAt(0, XI1, YI1 + 50, "=3+12"_sj);
    WriteAfter(5, "=15"_sj);
    WriteAt(3, XI0, YI1 + 60, "(2)"_sj);
    WriteAt(0, XI1 + 27, YI1, "a=3,b=-4 を代入して"_sj);
    WriteAt(0, XI1 + 27, YI1 + 70, "-2a+ﾀ1/4ﾀb"_sj);
    WriteAt(0, XI1, YI1 + 70, "=-2*3+ﾀ1/4ﾀ*(-4)"_sj);
    WriteAt(0, XI1, YI1 + 60, "=-6-1"_sj);
    WriteAfter(5, "=-7"_sj);

    // (3) stands on the heading's line, right of the number box.
    XI0 = 600;
    XI1 = XI0 + 60;
    YI1 = 30;
    WriteAt(3, XI0, YI1, "(3)"_sj);
    WriteAt(0, XI1 + 27, YI1, "a=3,b=-4 を代入して"_sj);
    WriteAt(0, XI1 + 27, YI1 + 70, "-ﾀ5/6ﾀa-2b"_sj);
    WriteAt(0, XI1, YI1 + 70, "=-ﾀ5/6ﾀ*3-2*(-4)"_sj);
    WriteAt(0, XI1, YI1 + 70, "=-ﾀ5/2ﾀ+8"_sj);
    WriteAt(0, XI1, YI1 + 70, "=-ﾀ5/2ﾀ+ﾀ16/2ﾀ"_sj);
    WriteAfter(5, "=ﾀ11/2ﾀ"_sj);
}

void Morquist::ShowPracticeP67Answers3() {
    DrawPracticeFrame("P67(練習問題)"_sj, "3"_sj);
    XI1 = XI0 + 60;
    V_a(31) = YI1;

    // The table: a label column, then the columns n = -3 to 3.
    X_a(11) = 480;
    X_a(12) = X_a(11) + 135;
    Y_a(11) = YI1 + 60;
    Y_a(12) = Y_a(11) + 50;
    Y_a(13) = Y_a(12) + 50;
    CCC2 = 3;
    CCC3 = 15;
    TATE = 50;
    auto label = [this](double y, const Str& text) {
        X = X_a(11);
        Y = y;
        HABA = 135;
        CCC1 = 0;
        A_s = text;
        DrawTextBox();
    };
    label(Y_a(11), "n"_sj);
    for (int k = 0; k <= 6; ++k) {
        A_s = PfSTR244(k - 3);
        StripSpaces();
        X = X_a(12) + 60 * k;
        Y = Y_a(11);
        HABA = 60;
        DrawTextBox();
    }
    // The values are ready before any cell of rows 2 and 3 is filled; the
    // cells start empty, and their corners are kept for the fills.
    label(Y_a(12), "2n"_sj);
    for (int j = 1; j <= 7; ++j) {
        A_s = PfSTR244(2 * (j - 4));
        StripSpaces();
        T_sa(j) = A_s;
    }
    CCC1 = 5;
    for (int k = 0; k <= 6; ++k) {
        X = X_a(12) + 60 * k;
        Y = Y_a(12);
        U_a(k + 1) = X;
        V_a(k + 1) = Y;
        HABA = 60;
        A_s = "";
        DrawTextBox();
    }
    label(Y_a(13), "2n+1"_sj);
    for (int j = 1; j <= 7; ++j) {
        A_s = PfSTR244(2 * (j - 4) + 1);
        StripSpaces();
        F_sa(j) = A_s;
    }
    CCC1 = 5;
    for (int k = 0; k <= 6; ++k) {
        X = X_a(12) + 60 * k;
        Y = Y_a(13);
        U_a(k + 11) = X;
        V_a(k + 11) = Y;
        HABA = 60;
        A_s = "";
        DrawTextBox();
    }
    // A filled cell is the empty one drawn again at its corner, with text.
    auto fill = [this](int slot, const Str& text) {
        X = U_a(slot);
        Y = V_a(slot);
        HABA = 60;
        TATE = 50;
        CCC1 = 5;
        CCC2 = 3;
        CCC3 = 15;
        A_s = text;
        DrawTextBox();
    };

    // The column n = -3 worked out beside the table.
    WriteAt(3, XI0, V_a(31) + 60, "nが-3のとき"_sj);
    WaitAnyKey();
    WriteAt(0, XI1, YI1 + 50, "n=-3 を代入して"_sj);
    WaitAnyKey();
    WriteAt(0, XI1 + 27, YI1 + 50, "2n"_sj);
    WaitAnyKey();
    WriteAt(0, XI1, YI1 + 50, "=2*(-3)"_sj);
    WaitAnyKey();
    WriteAt(3, XI1, YI1 + 50, "=-6"_sj);
    fill(1, T_sa(1));
    WaitAnyKey();
    WriteAt(7, XI1, YI1 + 50, "2n=-6 だから"_sj);
    WaitAnyKey();
    WriteAt(0, XI1 + 27, YI1 + 50, "2n+1"_sj);
    WaitAnyKey();
    WriteAt(0, XI1, YI1 + 50, "=-6+1"_sj);
    WaitAnyKey();
    WriteAt(3, XI1, YI1 + 50, "=-5"_sj);
    fill(11, F_sa(1));

    // The rest of the table, a cell a key.
    WaitAnyKey();
    for (int j = 2; j <= 7; ++j) {
        WaitAnyKey();
        fill(j, T_sa(j));
    }
    for (int j = 2; j <= 7; ++j) {
        WaitAnyKey();
        fill(j + 10, F_sa(j));
    }
}

}  // namespace morquist
