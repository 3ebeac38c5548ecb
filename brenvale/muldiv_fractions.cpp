// Chapter 4, item ⑨: a fraction with a binomial numerator times a whole
// number, a random drill, then the rules and the worked answers of page 75,
// question 5.
#include "brenvale/brenvale.h"
#include "surface/surface.h"

namespace brenvale {

using namespace surface;

namespace {

using Row = Brenvale::AnswerRow;
using enum Brenvale::RowX;

// The rules, the pointer and answer (1) up to the foot of the left column.
const Row kRulesAndFirstAnswer[] = {
    {3, kMargin, 60, "①約分できるときは約分する。"},
    {3, kMargin, 50, "②( )をつけて、分配法則を使う。", true},
    {7, kMargin, 50, "教科書P75 問5 をやろう。", true},
    {3, kMargin, 60, "(1)"},
    {0, kProblem, 0, "ﾀ2x+3/4ﾀ*8"},
    {0, kLine, 60, "=(2x+3)*2"},
};
// Answer (1) goes on at the top of the right column.
const Row kRightColumn[] = {
    {0, kLine, 0, "=2x*2+3*2"},
    {5, kLine, 50, "=4x+6", true},
    {3, kMargin, 60, "(2)"},
    {0, kProblem, 0, "15*ﾀ3x-10/5ﾀ"},
    {0, kLine, 60, "=3(3x-10)"},
    {0, kLine, 50, "=3*3x+3*(-10)"},
    {5, kLine, 50, "=9x-30", true},
    {3, kMargin, 60, "(3)"},
    {0, kProblem, 0, "ﾀ-3x-5/8ﾀ*(-6)"},
    {0, kLine, 70, "=ﾀ(-3x-5)*(-3)/4ﾀ"},
    {0, kLine, 70, "=ﾀ-3x*(-3)-5*(-3)/4ﾀ"},
    {5, kLine, 70, "=ﾀ9x+15/4ﾀ"},
};

}  // namespace

void Brenvale::Example5FractionTimesNumberDrill() {
    StartDrillItem("例5　次の計算をしなさい。"_sj);

    // (C v + D)/N × K·N with K, N, C and −D four different primes; N is
    // never 11, so the denominator always cancels.
    while (AINP != 1) {
        FillPickTable({2, 3, 5, 7, 11});
        T_a(1) = TakeFromPickTable(4, 4);
        T_a(2) = TakeFromPickTable(3, 3);
        T_a(3) = TakeFromPickTable(3, 2);
        T_a(4) = -TakeFromPickTable(2, 0);
        T_a(5) = T_a(1) * T_a(2);
        T_a(7) = T_a(1) * T_a(3);
        T_a(8) = T_a(1) * T_a(4);
        FormatNumberArrays();
        PickLetter(F_sa);

        ClearDrillPass(40, 0);
        const Str& v = F_sa(1);
        WriteAt(0, XI1 + 27, YI1 + 20,
                "ﾀ"_sj + T_sa(3) + v + T_sa(4) + "/"_sj + T_sa(2) + "ﾀ*"_sj + T_sa(5));
        WaitAnyKey();
        WriteAt(0, XI1, YI1 + 70, "=("_sj + T_sa(3) + v + T_sa(4) + ")*"_sj + T_sa(1));
        WaitAnyKey();
        WriteAt(0, XI1, YI1 + 50,
                "="_sj + T_sa(3) + v + "*"_sj + T_sa(1) + T_sa(4) + "*"_sj + T_sa(1));
        WaitAnyKey();
        WriteAt(5, XI1, YI1 + 50, "="_sj + T_sa(7) + v + T_sa(8));
        AskNextStep();
    }

    WriteAnswerRows(kRulesAndFirstAnswer);
    StartColumn(600, 54);
    WriteAnswerRows(kRightColumn);
}

}  // namespace brenvale
