// Chapter 2, items ④ and ⑤: sums and differences of two linear
// expressions in a. A random drill that adds two expressions on the left of
// the screen, then subtracts new pairs in a panel on the right; and the
// worked answers of the textbook's problem 5 on page 73.
#include "brenvale/brenvale.h"
#include "surface/surface.h"

namespace brenvale {

using namespace surface;

void Brenvale::Example6SumDifferenceDrill() {
    // A size of 2 to 9 into slot i, then its sign: negative on a pick of 2.
    auto draw_signed = [this](int i) {
        T_a(i) = INT(PaRnd() * 8 + 2);
        P = INT(PaRnd() * 2 + 1);
        if (P == 2) T_a(i) = -T_a(i);
    };
    // No digit 0 or 1 before the letter: slots 1, 3 and 5 hold letter
    // coefficients.
    auto bare_coefficients = [this] {
        for (int i = 1; i <= 5; i += 2) {
            if (T_a(i) == 0 || T_a(i) == 1) {
                T_sa(i) = "";
            } else if (T_a(i) == -1) {
                T_sa(i) = "-"_sj;
            }
        }
    };

    PsLINE(0, 0, true, 1320, 1300, 15, 2, 15);

    // ---- the sum of two expressions ----
    AINP = 3;
    while (AINP != 1) {
        PanelX = 448;
        PanelY = 0;
        PsLINE(PanelX + 16, PanelY + 9, true, 800, 630, 15, 2, 15);
        for (int i = 1; i <= 4; ++i) draw_signed(i);
        T_a(5) = T_a(1) + T_a(3);
        T_a(6) = T_a(2) + T_a(4);
        // Plain texts of the values in 11 to 16.
        for (int i = 1; i <= 6; ++i) T_a(10 + i) = T_a(i);

        FormatNumberArrays();
        for (int i = 1; i <= 6; ++i)
            if (T_a(i) > 0) T_sa(i) = "+"_sj + T_sa(i);
        bare_coefficients();
        // The second coefficient in the middle of a line keeps its sign;
        // where it opens a bracket (slot 3) it does not.
        if (T_a(13) > 0) T_sa(13) = "+"_sj + T_sa(13);
        for (int i = 1; i <= 5; i += 2) {
            A_s = T_sa(i);
            StripLeadingPlus();
            T_sa(i) = A_s;
        }
        ComposeSumDifferenceResult();

        PanelX = 16;
        PanelY = 18;
        XI1 = PanelX + 32;
        PsLINE(PanelX, PanelY, true, 920, 408, 15, 2, 15);
        const Str& a = "a"_sj;
        WriteAt(3, PanelX + 32, PanelY + 18, "例6　次の2つの式をたしなさい。"_sj);
        WriteAt(0, XI1 + 40, YI1 + 55, T_sa(1) + a + T_sa(2) + ","_sj + T_sa(3) + a + T_sa(4));
        WaitAnyKey();
        WriteAt(3, XI1 + 40, YI1 + 60, "("_sj);
        WriteAfter(0, T_sa(1) + a + T_sa(2));
        WriteAfter(3, ")+("_sj);
        WriteAfter(0, T_sa(3) + a + T_sa(4));
        WriteAfter(3, ")"_sj);
        WaitAnyKey();
        WriteAt(0, PanelX + 48, YI1 + 60, "="_sj + T_sa(1) + a + T_sa(2) + T_sa(13) + a + T_sa(4));
        WaitAnyKey();
        WriteAt(0, PanelX + 48, YI1 + 60, "="_sj + T_sa(1) + a + T_sa(13) + a + T_sa(2) + T_sa(4));
        WaitAnyKey();
        WriteAt(5, PanelX + 48, YI1 + 60, "="_sj + T_sa(15) + T_sa(16));
        AskNextStep();
    }
    // Step ③ belongs to the difference; its list follows on the right.
    WriteAt(3, XI1, YI1 + 60, "①　それぞれの式に（　）をつける。"_sj);
    WriteAt(3, XI1, YI1 + 50, "②　+ でつなぐ。"_sj);
    WriteAt(3, XI1, YI1 + 50, "④　（　）をはずす。"_sj);
    WriteAt(3, XI1, YI1 + 50, "⑤　同類項をまとめる。"_sj);
    WaitAnyKey();

    // ---- the difference of new pairs, left minus right ----
    AINP = 3;
    while (AINP != 1) {
        draw_signed(1);
        draw_signed(2);
        // Exactly one term of the right expression is negative.
        T_a(3) = INT(PaRnd() * 8 + 2);
        T_a(4) = INT(PaRnd() * 8 + 2);
        P = INT(PaRnd() * 2 + 1);
        if (P == 2) {
            T_a(3) = -T_a(3);
        } else {
            T_a(4) = -T_a(4);
        }
        // The pair as drawn, then the right expression with its signs
        // changed, to be added.
        for (int k = 1; k <= 4; ++k) F_a(k) = T_a(k);
        T_a(3) = -T_a(3);
        T_a(4) = -T_a(4);
        T_a(5) = T_a(1) + T_a(3);
        T_a(6) = T_a(2) + T_a(4);
        for (int k = 1; k <= 6; ++k) T_a(10 + k) = T_a(k);
        FormatNumberArrays();
        bare_coefficients();
        ShowDifferenceWorking();
    }
    ShowDifferenceStepList();
}

void Brenvale::ShowDifferenceWorking() {
    for (int i = 1; i <= 6; ++i)
        if (T_a(i) > 0) T_sa(i) = "+"_sj + T_sa(i);
    for (int i = 1; i <= 4; ++i)
        if (F_a(i) > 0) F_sa(i) = "+"_sj + F_sa(i);
    // Terms that open a line or a bracket.
    for (Str* text : {&T_sa(1), &F_sa(3), &T_sa(5), &F_sa(1)}) {
        A_s = *text;
        StripLeadingPlus();
        *text = A_s;
    }
    ComposeSumDifferenceResult();

    PanelX = 640;
    PanelY = 18;
    XI1 = PanelX + 32;
    // The sum stays on the left of x 640.
    PsLINE(PanelX, PanelY, true, 920, 455, 15, 2, 15);
    const Str& a = "a"_sj;
    WriteAt(7, PanelX + 32, PanelY + 18, "左の式から右の式をひきなさい。"_sj);
    WriteAt(0, XI1 + 40, YI1 + 55, F_sa(1) + a + F_sa(2) + ","_sj + F_sa(3) + a + F_sa(4));
    WaitAnyKey();
    WriteAt(3, PanelX + 48 + 40, YI1 + 60, "("_sj);
    WriteAfter(0, F_sa(1) + a + F_sa(2));
    WriteAfter(3, ")-("_sj);
    WriteAfter(0, F_sa(3) + a + F_sa(4));
    WriteAfter(3, ")"_sj);
    WaitAnyKey();
    // Subtracting is adding the bracket with every sign changed.
    WriteAt(0, PanelX + 48, YI1 + 60, "=("_sj);
    WriteAfter(0, F_sa(1) + a + F_sa(2) + ")"_sj);
    WriteAfter(3, "+"_sj);
    WriteAfter(0, "("_sj);
    WriteAfter(3, T_sa(13) + a + T_sa(4));
    WriteAfter(0, ")"_sj);
    WaitAnyKey();
    WriteAt(0, PanelX + 48, YI1 + 60, "="_sj + T_sa(1) + a + T_sa(2) + T_sa(3) + a + T_sa(4));
    WaitAnyKey();
    WriteAt(0, PanelX + 48, YI1 + 60, "="_sj + T_sa(1) + a + T_sa(3) + a + T_sa(2) + T_sa(4));
    WaitAnyKey();
    WriteAt(5, PanelX + 48, YI1 + 60, "="_sj + T_sa(15) + T_sa(16));
    AskNextStep();
}

void Brenvale::ShowDifferenceStepList() {
    WriteAt(3, XI1, YI1 + 60, "②　- でつなぐ。"_sj);
    WriteAt(3, XI1, YI1 + 60, "③　+ にする。"_sj);
    WriteAt(3, XI1, YI1 + 50, "　 ( )の中の項は、"_sj);
    WriteAt(3, XI1, YI1 + 50, "　 すべて符号を変える"_sj);
    WaitAnyKey();
    WriteAt(0, 44, 600, "教科書P73 問5　をしなさい。"_sj);
}

void Brenvale::ComposeSumDifferenceResult() {
    if (T_a(5) == 0) {
        T_sa(15) = "";
    } else {
        T_sa(15) = T_sa(5) + "a"_sj;
    }
    if (T_a(5) == 0 && T_a(6) == 0) {
        T_sa(16) = "0"_sj;
    } else if (T_a(6) == 0) {
        T_sa(16) = "";
    } else if (T_a(5) != 0) {
        T_sa(16) = T_sa(6);
    }
    // Otherwise the constant opens the result: slot 16 keeps its plain text.
}

void Brenvale::ShowP73Problem5Answers() {
    // One sum or difference: `column` 1 moves to the top of the right
    // column first, 2 back to the left one below the title, after erasing
    // it; then an optional label and the problem `step` below the line
    // before, the working lines 50 apart, and the result after the last.
    struct Calculation {
        int column;
        int step;
        const char* label;
        const char* lines[4];
        const char* result;
    };
    static const Calculation kCalculations[8] = {
        {0, 50, "(1)", {" (5x+9)+(6x-1)", "=5x+9+6x-1", "=5x+6x+9-1"}, "=11x+8"},
        {0, 60, nullptr, {" (5x+9)-(6x-1)", "=(5x+9)+(-6x+1)", "=5x+9-6x+1", "=5x-6x+9+1"}, "=-x+10"},
        {0, 60, "(2)", {" (4x-2)+(x-2)", "=4x-2+x-2", "=4x+x-2-2"}, "=5x-4"},
        {1, 0, nullptr, {" (4x-2)-(x-2)", "=(4x-2)+(-x+2)", "=4x-2-x+2", "=4x-x-2+2"}, "=3x"},
        {0, 60, "(3)", {" (-3y+4)+(y-8)", "=-3y+4+y-8", "=-3y+y+4-8"}, "=-2y-4"},
        {0, 60, nullptr, {" (-3y+4)-(y-8)", "=(-3y+4)+(-y+8)", "=-3y+4-y+8", "=-3y-y+4+8"}, "=-4y+12"},
        {2, 50, "(4)", {" (7x-5)+(-7x+6)", "=7x-5-7x+6", "=7x-7x-5+6"}, "=1"},
        {0, 60, nullptr, {" (7x-5)-(-7x+6)", "=(7x-5)+(7x-6)", "=7x-5+7x-6", "=7x+7x-5-6"}, "=14x-11"},
    };

    PsLINE(0, 0, true, 1320, 1300, 15, 2, 15);
    XI0 = 40;
    XI1 = 94;
    YI1 = 30;
    WriteAt(3, XI1, YI1, "教科書P73 問5　解答"_sj);
    for (const Calculation& c : kCalculations) {
        WaitAnyKey();
        if (c.column == 1) {
            XI0 = 640;
            XI1 = 694;
            YI1 = 30;
        } else if (c.column == 2) {
            // Problem (4) replaces problem (1) and the sum of (2); the title
            // and the right column stay.
            XI0 = 40;
            XI1 = 94;
            YI1 = 80;
            PsLINE(0, 80, true, 640, 1300, 15, 2, 15);
        }
        if (c.label) {
            WriteAt(3, XI0, YI1 + c.step, Utf8ToCp932(c.label));
            WriteAt(0, XI1, YI1, Utf8ToCp932(c.lines[0]));
        } else {
            WriteAt(0, XI1, YI1 + c.step, Utf8ToCp932(c.lines[0]));
        }
        for (int n = 1; n < 4 && c.lines[n]; ++n) WriteAt(0, XI1, YI1 + 50, Utf8ToCp932(c.lines[n]));
        WriteAfter(5, Utf8ToCp932(c.result));
    }
}

}  // namespace brenvale
