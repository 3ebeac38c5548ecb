// Chapter 4, item ⑩: a(bx + c) + d(ex + f), a random drill, then the rules
// and the worked answers of page 76, question 6.
#include "brenvale/brenvale.h"
#include "surface/surface.h"

namespace brenvale {

using namespace surface;

namespace {

using Row = Brenvale::AnswerRow;
using enum Brenvale::RowX;

// Under the drill's last instance, whose row start (100) part (1) keeps.
const Row kRulesAndFirstAnswer[] = {
    {3, kMargin, 60, "①分配法則で( )をはずす。"},
    {3, kMargin, 50, "②文字の同じ部分をまとめる。", true},
    {7, kMargin, 50, "教科書P76 問6 をやろう。", true},
    {3, kMargin, 60, "(1)"},
    {0, kProblem, 0, "8(x-2)+4(2x+6)"},
    {0, kLine, 50, "=8x-16+8x+24"},
    {0, kLine, 50, "=8x+8x-16+24"},
    {5, kPen, 0, "=16x+8", true},
};
const Row kRightColumn[] = {
    {3, kMargin, 0, "(2)"},
    {0, kProblem, 0, "6(a+5)+3(a-10)"},
    {0, kLine, 50, "=6a+30+3a-30"},
    {0, kLine, 50, "=6a+3a+30-30"},
    {5, kLine, 50, "=9a", true},
    {3, kMargin, 60, "(3)"},
    {0, kProblem, 0, "5(x-3)-(x+1)"},
    {0, kLine, 50, "=5x-15-x-1"},
    {0, kLine, 50, "=5x-x-15-1"},
    {5, kLine, 50, "=4x-16", true},
    {3, kMargin, 60, "(4)"},
    {0, kProblem, 0, "7(x-1)-9(x-2)"},
    {0, kLine, 50, "=7x-7-9x+18"},
    {0, kLine, 50, "=7x-9x-7+18"},
    {5, kLine, 50, "=-2x+11", true},
};
// In the left column, cleared heading and all.
const Row kLastAnswers[] = {
    {3, kMargin, 60, "(5)"},
    {0, kProblem, 0, "3(-4a-1)-2(3-6a)"},
    {0, kLine, 50, "=-12a-3-6+12a"},
    {0, kLine, 50, "=-12a+12a-3-6"},
    {5, kLine, 50, "=-9", true},
    {3, kMargin, 80, "(6)"},
    {0, kProblem, 0, "ﾀ1/2ﾀ(2x-4)-3(x+1)"},
    {0, kLine, 80, "=ﾀ1/2ﾀ*2x+ﾀ1/2ﾀ*(-4)-3x-3"},
    {0, kLine, 60, "=x-2-3x-3"},
    {0, kLine, 50, "=x-3x-2-3"},
    {5, kLine, 50, "=-2x-5"},
};

}  // namespace

void Brenvale::ExampleProblem1Drill() {
    StartDrillItem("例題1　次の計算をしなさい。"_sj);

    // a, b and f positive, c, d and e negative, so that every sign between
    // two terms comes from a number's own text.
    while (AINP != 1) {
        T_a(2) = INT(PaRnd() * 9 + 2);
        T_a(3) = INT(PaRnd() * 9 + 1);
        T_a(5) = INT(PaRnd() * 9 + 2);
        T_a(6) = INT(PaRnd() * 9 + 1);
        T_a(1) = INT(PaRnd() * 3 + 2);
        T_a(4) = INT(PaRnd() * 3 + 3);
        T_a(3) = -T_a(3);
        T_a(4) = -T_a(4);
        T_a(5) = -T_a(5);
        T_a(7) = T_a(1) * T_a(2);
        T_a(8) = T_a(1) * T_a(3);
        T_a(10) = T_a(4) * T_a(6);
        T_a(9) = T_a(4) * T_a(5);
        T_a(11) = T_a(7) + T_a(9);
        T_a(12) = T_a(8) + T_a(10);
        FormatNumberArrays();
        // Signed texts: "+" before a positive value, a negative one in brackets.
        for (int i = 1; i <= 12; ++i)
            T_sa(20 + i) = T_a(i) > 0 ? "+"_sj + T_sa(i) : "("_sj + T_sa(i) + ")"_sj;
        // b opens its bracket.
        if (T_a(2) > 0) T_sa(22) = PfMID24(T_sa(22), 2);
        PickLetter(F_sa);

        ClearDrillPass(40, 0);
        const Str& L = F_sa(1);
        WriteAt(0, XI1 + 27, YI1 + 10,
                T_sa(1) + "("_sj + T_sa(22) + L + T_sa(3) + ")"_sj + T_sa(4) + "("_sj + T_sa(5) +
                    L + T_sa(26) + ")"_sj);
        WaitAnyKey();
        WriteAt(0, XI1, YI1 + 50, "="_sj + T_sa(7) + L + T_sa(8) + T_sa(29) + L + T_sa(10));
        WaitAnyKey();
        WriteAt(0, XI1, YI1 + 50, "="_sj + T_sa(7) + L + T_sa(29) + L + T_sa(8) + T_sa(10));
        WaitAnyKey();
        WriteAt(5, XI1, YI1 + 50, "="_sj + T_sa(11) + L + T_sa(12));
        AskNextStep();
    }

    WriteAnswerRows(kRulesAndFirstAnswer);
    StartColumn(640, 54);
    WriteAnswerRows(kRightColumn);
    PsLINE(0, 0, true, 600, 1300, 15, 2, 15);
    StartColumn(40, 54);
    WriteAnswerRows(kLastAnswers);
}

}  // namespace brenvale
