// Chapter 1, item ⑤: collecting like terms in aL + b - cL + d, a random
// drill, then the worked answers of the textbook's problem on page 71.
#include "brenvale/brenvale.h"
#include "surface/surface.h"

namespace brenvale {

using namespace surface;

void Brenvale::Example4SimplifyDrill() {

    PsLINE(0, 0, true, 1320, 1300, 15, 2, 15);
    XI0 = 40;
    YI1 = 30;
    WriteAt(0, XI0, YI1, "例4　次の式を簡単にしなさい。"_sj);
    AINP = 3;

    while (AINP != 1) {
        for (int i = 1; i <= 4; ++i) T_a(i) = INT(PaRnd() * 9) + 2;
        // a never equals c, so the letter term never cancels.
        if (T_a(1) == T_a(3)) T_a(1) = T_a(1) + 1;
        T_a(3) = -T_a(3);
        T_a(5) = T_a(1) + T_a(3);
        T_a(6) = T_a(2) + T_a(4);
        FormatNumberArrays();
        for (int i = 2; i <= 6; ++i)
            if (T_a(i) > 0) T_sa(i) = "+"_sj + T_sa(i);
        // The collected coefficient opens its side of the "=": no "+".
        if (T_a(5) > 0) T_sa(5) = PfMID24(T_sa(5), 2);
        for (int i = 1; i <= 5; ++i) {
            if (T_a(i) == 1) {
                T_sa(i) = "";
            } else if (T_a(i) == -1) {
                T_sa(i) = "-"_sj;
            }
        }
        PickDrillLetter();

        XI0 = 40;
        XI1 = XI0 + 60;
        YI1 = 90;
        X_a(31) = 0;
        Y_a(31) = 90;
        // The heading above the instance area stays.
        PsLINE(X_a(31), Y_a(31), true, 2000, 1800, 15, 2, 15);

        const Str& L = X_sa(1);
        WriteAt(0, XI1 + 27, YI1, T_sa(1) + L + T_sa(2) + T_sa(3) + L + T_sa(4));
        Y_a(1) = YI1;
        WaitAnyKey();
        WriteAt(5, XI1, YI1 + 110, "="_sj + T_sa(5) + X_sa(2) + T_sa(6));
        WaitAnyKey();
        WriteAt(3, XI1, YI1 + 60, "なぜ？"_sj);
        WaitAnyKey();
        WriteAt(0, XI1, YI1 + 50, T_sa(1) + L + T_sa(3) + L + "="_sj + T_sa(5) + X_sa(2));
        WriteAt(0, XI1, YI1 + 50, T_sa(2) + T_sa(4) + "="_sj + T_sa(6) + "　だから"_sj);
        // Between the problem and its answer; the layout registers stay on
        // the line above.
        CCC1 = 0;
        X = XI1;
        Y = Y_a(1) + 55;
        AA_s = "="_sj + T_sa(1) + L + T_sa(3) + L + T_sa(2) + T_sa(4);
        DrawMessage();
        AskNextStep();
    }

    WriteAt(5, XI0, YI1 + 50, "文字の部分が同じ項を集める。"_sj);
    WaitAnyKey();
    WriteAt(3, XI0, YI1 + 100, "教科書P71 問3　をやろう。"_sj);
    WaitAnyKey();

    // Each answer: label, problem, the problem reordered, and its result
    // after the reordered form.
    struct Answer {
        const char* label;
        const char* problem;
        const char* reordered;
        const char* result;
    };
    static const Answer kAnswers[6] = {
        {"(1)", " 6x+4+3x", "=6x+3x+4", "=9x+4"},
        {"(2)", " -5x+7+4x", "=-5x+4x+7", "=-x+7"},
        {"(3)", " 2x-8-4x+7", "=2x-4x-8+7", "=-2x-1"},
        {"(4)", " -9x-5+9x-2", "=-9x+9x-5-2", "=-7"},
        {"(5)", " 12y-3+5y+1", "=12y+5y-3+1", "=17y-2"},
        {"(6)", " -6-a+15+2a", "=-a+2a-6+15", "=a+9"},
    };
    // Part (1) stands under the closing lines, the others in a right column.
    Single y = YI1 + 50;
    for (int k = 0; k < 6; ++k) {
        if (k == 1) {
            XI0 = 640;
            XI1 = XI0 + 54;
            YI1 = 30;
            y = YI1;
        } else if (k > 1) {
            y = YI1 + 60;
        }
        WriteAt(3, XI0, y, Utf8ToCp932(kAnswers[k].label));
        WriteAt(0, XI1, y, Utf8ToCp932(kAnswers[k].problem));
        WriteAt(0, XI1, y + 50, Utf8ToCp932(kAnswers[k].reordered));
        WriteAt(5, XI2, YI1, Utf8ToCp932(kAnswers[k].result));
        if (k < 5) WaitAnyKey();
    }
}

}  // namespace brenvale
