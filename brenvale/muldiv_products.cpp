// Chapter 4, item ①: a term times a number. A drill over ten fixed
// products, the rule, and the worked answers of the textbook's problem 1 on
// page 74.
#include "brenvale/brenvale.h"
#include "surface/surface.h"

namespace brenvale {

using namespace surface;

namespace {

// Problem and answer of each row.
const char* const kProductRows[10][2] = {
    {"5a*3", "15a"},
    {"(-x)*3", "-3x"},
    {"3x*6", "18x"},
    {"7a*(-3)", "-21a"},
    {"-2x*(-9)", "18x"},
    {"(-a)*8", "-8a"},
    {"ﾀ1/7ﾀy*7", "y"},
    {"(-5)*(-3a)", "15a"},
    {"(-5)*ﾀ1/5ﾀx", "-x"},
    {"ﾀ2/3ﾀa*ﾀ1/4ﾀ", "ﾀ1/6ﾀa"},
};

}  // namespace

void Brenvale::Example1ProductTableDrill() {
    PsLINE(0, 0, true, 1320, 1300, 15, 2, 15);
    XI0 = 40;
    YI1 = 30;
    WriteAt(0, XI0, YI1, "例1　次の計算をしなさい。"_sj);
    AINP = 3;
    NO = 1;

    while (AINP != 1) {
        for (int row = 1; row <= 10; ++row) {
            T_sa(row) = Utf8ToCp932(kProductRows[row - 1][0]);
            T_sa(10 + row) = Utf8ToCp932(kProductRows[row - 1][1]);
        }
        if (NO == 11) NO = 1;
        XI0 = 40;
        XI1 = XI0 + 60;
        YI1 = 90;
        // The heading stays; the previous row and the prompt strip go.
        PsLINE(0, 90, true, 2000, 1800, 15, 2, 15);
        WriteAt(0, XI1, YI1 + 30, T_sa(NO) + "="_sj);
        WaitAnyKey();
        WriteAfter(5, T_sa(10 + NO));
        AskNextStep();
        NO = NO + 1;
    }

    WriteAt(5, XI0, YI1 + 80, "係数と数の積に、文字をかける。"_sj);
    WaitAnyKey();
    WriteAt(7, XI0, YI1 + 80, "教科書P74 問1 をやろう。"_sj);
    WaitAnyKey();

    // The answers: (1) and (2) under the pointer, (3) to (6) on the right
    // from the top. The first form of (3) to (6) follows the problem.
    WriteAt(3, XI0, YI1 + 60, "(1)"_sj);
    WriteAt(0, XI1 + 27, YI1, "3x*2"_sj);
    WriteAt(0, XI1, YI1 + 50, "=3*x*2"_sj);
    WriteAt(0, XI1, YI1 + 50, "=3*2*x"_sj);
    WriteAfter(5, "=6x"_sj);
    WriteAt(3, XI0, YI1 + 60, "(2)"_sj);
    WriteAt(0, XI1 + 27, YI1, "4x*(-7)"_sj);
    WriteAt(0, XI1, YI1 + 50, "=4*x*(-7)"_sj);
    WriteAt(0, XI1, YI1 + 50, "=4*(-7)*x"_sj);
    WriteAfter(5, "=-28x"_sj);

    XI0 = 600;
    XI1 = XI0 + 54;
    YI1 = 30;
    WriteAt(3, XI0, YI1, "(3)"_sj);
    WriteAt(0, XI1 + 27, YI1, "-x*9"_sj);
    WriteAfter(0, "=-1*x*9"_sj);
    WriteAt(0, XI1, YI1 + 50, "=-1*9*x"_sj);
    WriteAfter(5, "=-9x"_sj);
    WriteAt(3, XI0, YI1 + 60, "(4)"_sj);
    WriteAt(0, XI1 + 27, YI1, "-5x*(-6)"_sj);
    WriteAfter(0, "=-5*x*(-6)"_sj);
    WriteAt(0, XI1, YI1 + 50, "=-5*(-6)*x"_sj);
    WriteAfter(5, "=30x"_sj);
    // Stacked fractions need the taller step.
    WriteAt(3, XI0, YI1 + 60, "(5)"_sj);
    WriteAt(0, XI1 + 27, YI1, "14x*ﾀ6/7ﾀ"_sj);
    WriteAfter(0, "=14*x*ﾀ6/7ﾀ"_sj);
    WriteAt(0, XI1, YI1 + 70, "=14*ﾀ6/7ﾀ*x"_sj);
    WriteAt(0, XI1, YI1 + 70, "=2*6*x"_sj);
    WriteAfter(5, "=12x"_sj);
    WriteAt(3, XI0, YI1 + 60, "(6)"_sj);
    WriteAt(0, XI1 + 27, YI1, "-ﾀ3/4ﾀx*12"_sj);
    WriteAfter(0, "=-ﾀ3/4ﾀ*x*12"_sj);
    WriteAt(0, XI1, YI1 + 70, "=-ﾀ3/4ﾀ*12*x"_sj);
    WriteAt(0, XI1, YI1 + 70, "=-3*3*x"_sj);
    WriteAfter(5, "=-9x"_sj);
}

}  // namespace brenvale
