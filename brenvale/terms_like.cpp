// Chapter 1, item ④: like terms. Linear terms and expressions, then a random
// drill aL + bL with its area picture, the rule with a worked example, and
// the worked answers of the textbook's problem on page 70.
#include "brenvale/brenvale.h"
#include "surface/surface.h"

namespace brenvale {

using namespace surface;

void Brenvale::Example3LikeTermsDrill() {

    PsLINE(0, 0, true, 1320, 1300, 15, 2, 15);
    XI0 = 40;
    XI1 = XI0 + 60;
    YI1 = 30;
    WriteAt(5, XI0, YI1, "1次の項"_sj);
    WriteAfter(0, "…文字が1つだけの項"_sj);
    WriteAt(5, XI0, YI1 + 50, "一次式"_sj);
    WriteAfter(0, "…1次の項だけか、数との和で表される式"_sj);
    WriteAt(0, XI0, YI1 + 50, "　5x,-4a,2a+3,2x-y-6"_sj);
    WaitAnyKey();
    WriteAt(3, XI0, YI1 + 50, "文字の部分が同じ項は計算できる"_sj);
    WaitAnyKey();
    WriteAt(7, XI0, YI1 + 70, "例3　次の式を簡単にしなさい。"_sj);
    Y_a(31) = YI1 + 60;
    AINP = 3;
    NO = 1;

    while (AINP != 1) {
        T_a(1) = INT(PaRnd() * 5 + 1);
        T_a(2) = INT(PaRnd() * 5 + 1);
        // The two sizes differ, so the collected coefficient is never 0.
        if (T_a(2) == T_a(1)) T_a(2) = T_a(2) + 1;
        P = INT(PaRnd() * 2);
        if (P == 0) T_a(2) = -T_a(2);
        // The first two passes are the textbook's; their draws are replaced.
        if (NO == 1) {
            T_a(1) = 3;
            T_a(2) = 6;
        } else if (NO == 2) {
            T_a(1) = 3;
            T_a(2) = -6;
        }
        T_a(3) = T_a(1) + T_a(2);
        FormatNumberArrays();

        // Coefficients as written before the letter: 11 and 13 open a term,
        // 12 follows the first term with its sign, 22 stands alone.
        T_sa(11) = T_sa(1);
        T_sa(12) = T_sa(2);
        T_sa(13) = T_sa(3);
        if (T_a(2) > 0) T_sa(12) = "+"_sj + T_sa(2);
        for (int n = 1; n <= 3; ++n) {
            if (T_a(n) == 1) {
                T_sa(10 + n) = "";
            } else if (T_a(n) == -1) {
                T_sa(10 + n) = "-"_sj;
            }
        }
        if (T_a(2) == 1) {
            T_sa(22) = "";
            T_sa(12) = "+"_sj;
        } else if (T_a(2) == -1) {
            T_sa(22) = "-"_sj;
        } else {
            T_sa(22) = T_sa(2);
        }

        PickDrillLetter();

        XI0 = 40;
        XI1 = 100;
        YI1 = Y_a(31);
        X_a(31) = 0;
        // Erases the previous pass; the opening rows and the heading stay.
        PsLINE(X_a(31), Y_a(31), true, 2000, 1800, 15, 2, 15);

        WriteAt(0, XI1 + 27, YI1, T_sa(11) + X_sa(1) + T_sa(12) + X_sa(1) + "="_sj);
        X_a(1) = 80;
        Y_a(1) = YI1 + 100;
        AnimateLikeTerms();
        WaitAnyKey();
        // Right after the "=": the picture leaves XI2 and YI1 alone.
        WriteAt(3, XI2, YI1, T_sa(13) + X_sa(2));
        AskNextStep();
        NO = NO + 1;
    }

    // Keeps the last pass's expression line with its collected term.
    PsLINE(X_a(31), Y_a(31) + 50, true, 2000, 1800, 15, 2, 15);
    WriteAt(5, XI0, YI1 + 50, "係数の和を求めればよい。"_sj);
    WaitAnyKey();
    WriteAt(0, XI1, YI1 + 60, "-3-6=-9 だから"_sj);
    WriteAt(0, XI1, YI1 + 60, "-3x-6x="_sj);
    WriteAfter(5, "-9x"_sj);
    WaitAnyKey();

    // The answers, in two columns right of the drill.
    XI0 = 480;
    XI1 = 540;
    YI1 = 100;
    WriteAt(7, XI0 + 120, YI1 + 50, "教科書P70 問2　をしなさい。"_sj);
    WaitAnyKey();
    WriteAt(3, XI0 + 80, YI1 + 50, "(1)"_sj);
    WriteAt(0, XI1 + 27, YI1 + 50, "6x-2x"_sj);
    WriteAt(0, XI1, YI1 + 50, "=(6-2)x"_sj);
    WriteAfter(5, "=4x"_sj);
    WaitAnyKey();
    WriteAt(3, XI0, YI1 + 50, "(2)"_sj);
    WriteAt(0, XI1 + 27, YI1, "x-8x"_sj);
    WriteAt(0, XI1, YI1 + 50, "=(1-8)x"_sj);
    WriteAfter(5, "=-7x"_sj);
    WaitAnyKey();
    WriteAt(3, XI0, YI1 + 50, "(3)"_sj);
    WriteAt(0, XI1 + 27, YI1, "-5b-4b"_sj);
    WriteAt(0, XI1, YI1 + 50, "=(-5-4)b"_sj);
    WriteAt(5, XI1, YI1 + 50, "=-9b"_sj);
    WaitAnyKey();

    XI0 = 840;
    XI1 = 900;
    YI1 = 150;
    WriteAt(3, XI0, YI1 + 50, "(4)"_sj);
    WriteAt(0, XI1 + 27, YI1, "-0.2a+0.9a"_sj);
    WriteAt(0, XI1, YI1 + 50, "=(-0.2+0.9)a"_sj);
    WriteAt(5, XI1, YI1 + 50, "=0.7a"_sj);
    WaitAnyKey();
    // Stacked fractions need the taller step.
    WriteAt(3, XI0, YI1 + 70, "(5)"_sj);
    WriteAt(0, XI1 + 27, YI1, "ﾀ3/5ﾀx+ﾀ1/5ﾀx"_sj);
    WriteAt(0, XI1, YI1 + 70, "=(ﾀ3/5ﾀ+ﾀ1/5ﾀ)x"_sj);
    WriteAfter(5, "=ﾀ4/5ﾀx"_sj);
    WaitAnyKey();
    WriteAt(3, XI0, YI1 + 70, "(6)"_sj);
    WriteAt(0, XI1 + 27, YI1, "x-ﾀ1/6ﾀx"_sj);
    WriteAt(0, XI1, YI1 + 70, "=(ﾀ6/6ﾀ-ﾀ1/6ﾀ)x"_sj);
    WriteAfter(5, "=ﾀ5/6ﾀx"_sj);
}

void Brenvale::AnimateLikeTerms() {
    // One box of the picture at (x, y), CellWidth wide, 50 high.
    auto box = [this](double x, double y, double width, double fill, const Str& text) {
        X = x;
        Y = y;
        HABA = width;
        CCC1 = 13;
        CCC2 = 0;
        CCC3 = fill;
        TATE = 50;
        A_s = text;
        DrawTextBox();
    };
    // One dotted bow from (x1, y1) to (x2, y2) with its label; a colour
    // below 0 keeps the label colour in force.
    auto arrow = [this](double x1, double y1, double x2, double y2, double side, double step,
                        const Str& label, double colour) {
        Point1X = x1;
        Point1Y = y1;
        Point2X = x2;
        Point2Y = y2;
        if (colour >= 0) CCC1 = colour;
        CCC2 = 7;
        CurveSide = side;
        HABA = step;
        CurveBulge = -10;
        LabelText_s = label;
        DrawCurvedArrow();
    };

    FE_SETDRAWWIDTH(0, 5);
    const Single m = ABS(T_a(2));
    X_a(2) = X_a(1) + 50 * T_a(1);
    X_a(3) = X_a(2) + 60;
    X_a(4) = X_a(3) + 50 * m;

    Term1LabelColor = 3;
    if (T_a(2) > 0) {
        // End to end: the sum is the whole row.
        X_a(5) = X_a(1);
        X_a(6) = X_a(2);
        X_a(7) = X_a(2);
        X_a(8) = X_a(7) + 50 * m;
        X_a(9) = X_a(5);
        X_a(10) = X_a(8);
        Term2Color = 3;
        LowerBox1FillColor = 3;
        LowerBox2FillColor = 3;
    } else if (m <= T_a(1)) {
        // The smaller b laid over the left end of a: the sum is the rest.
        X_a(5) = X_a(1);
        X_a(6) = X_a(2);
        X_a(7) = X_a(1);
        X_a(8) = X_a(1) + 50 * m;
        X_a(9) = X_a(8);
        X_a(10) = X_a(6);
        Term2Color = 5;
        LowerBox1FillColor = 3;
        LowerBox2FillColor = 5;
    } else {
        // The smaller a laid over the left end of b.
        X_a(5) = X_a(1);
        X_a(6) = X_a(1) + 50 * m;
        X_a(7) = X_a(1);
        X_a(8) = X_a(1) + 50 * T_a(1);
        X_a(9) = X_a(8);
        X_a(10) = X_a(6);
        Term2Color = 5;
        LowerBox1FillColor = 5;
        LowerBox2FillColor = 3;
    }
    Y_a(2) = Y_a(1) + 50;
    Y_a(3) = Y_a(2) + 70;
    Y_a(4) = Y_a(3) + 50;

    // The two terms apart.
    box(X_a(1), Y_a(1), 50 * T_a(1), 3, T_sa(11) + X_sa(1));
    arrow(X_a(1), Y_a(1), X_a(2), Y_a(1), -1, 8, T_sa(1), Term1LabelColor);
    arrow(X_a(1), Y_a(1), X_a(1), Y_a(2), 1, 18, X_sa(1), Term1LabelColor);
    box(X_a(3), Y_a(1), 50 * m, Term2Color, T_sa(22) + X_sa(1));
    arrow(X_a(3), Y_a(1), X_a(4), Y_a(1), -1, 8, T_sa(2), Term2Color);
    arrow(X_a(3), Y_a(1), X_a(3), Y_a(2), 1, 18, X_sa(1), -1);
    WaitAnyKey();

    // Put together.
    box(X_a(5), Y_a(3), X_a(6) - X_a(5), LowerBox1FillColor, "");
    box(X_a(7), Y_a(3), X_a(8) - X_a(7), LowerBox2FillColor, "");
    if (T_a(2) > 0) {
        arrow(X_a(5), Y_a(3), X_a(5), Y_a(4), 1, 18, X_sa(1), 3);
        arrow(X_a(5), Y_a(3), X_a(6), Y_a(3), -1, 8, T_sa(1), 3);
        arrow(X_a(7), Y_a(3), X_a(8), Y_a(3), -1, 8, T_sa(2), 3);
        arrow(X_a(9), Y_a(4), X_a(10), Y_a(4), 1, 5, T_sa(3), 3);
        // The collected term spans the whole row, as its arrow does.
        box(X_a(9), Y_a(3), X_a(10) - X_a(9), 3, T_sa(13) + X_sa(2));
    } else if (m <= T_a(1)) {
        arrow(X_a(5), Y_a(3), X_a(5), Y_a(4), 1, 18, X_sa(1), 3);
        arrow(X_a(5), Y_a(4), X_a(6), Y_a(4), 1, 8, T_sa(1), 3);
        arrow(X_a(7), Y_a(3), X_a(8), Y_a(3), -1, 8, T_sa(2), 5);
        arrow(X_a(9), Y_a(3), X_a(10), Y_a(3), -1, 5, T_sa(3), 3);
        box(X_a(9), Y_a(3), X_a(10) - X_a(9), 3, T_sa(13) + X_sa(2));
    } else {
        arrow(X_a(5), Y_a(3), X_a(5), Y_a(4), 1, 18, X_sa(1), 5);
        arrow(X_a(5), Y_a(4), X_a(6), Y_a(4), 1, 8, T_sa(2), 5);
        arrow(X_a(7), Y_a(3), X_a(8), Y_a(3), -1, 8, T_sa(1), 3);
        arrow(X_a(9), Y_a(3), X_a(10), Y_a(3), -1, 5, T_sa(3), 5);
        box(X_a(9), Y_a(3), X_a(10) - X_a(9), 5, T_sa(13) + X_sa(2));
    }
}

}  // namespace brenvale
