// Chapter 1, items ② and ③: naming the terms of an expression and the
// coefficient of a letter, from two tables of ten rows, and the worked
// answers of the textbook's problem on page 69.
#include "brenvale/brenvale.h"
#include "surface/surface.h"

namespace brenvale {

using namespace surface;

namespace {

// Question ①: expression, the same written as a sum, its terms.
const char* const kTermRows[10][3] = {
    {"9x+3", "9x+3", "9x,3"},
    {"x-3y", "x+(-3y)", "x,-3y"},
    {"8-4a+b", "8+(-4a)+b", "8,-4a,b"},
    {"5a-b-6", "5a+(-b)+(-6)", "5a,-b,-6"},
    {"-5a-b-6", "-5a+(-b)+(-6)", "-5a,-b,-6"},
    {"ﾀ3/4ﾀx-5", "ﾀ3/4ﾀx+(-5)", "ﾀ3/4ﾀx,-5"},
    {"ﾀ3/4ﾀx-ﾀ2/5ﾀy", "ﾀ3/4ﾀx+(-ﾀ2/5ﾀy)", "ﾀ3/4ﾀx,-ﾀ2/5ﾀy"},
    {"5x-ﾀy/2ﾀ", "5x+(-ﾀy/2ﾀ)", "5x,-ﾀy/2ﾀ"},
    {"-ﾀx/5ﾀa-ﾀ1/7ﾀb", "-ﾀx/5ﾀa+(-ﾀ1/7ﾀb)", "-ﾀx/5ﾀa,-ﾀ1/7ﾀb"},
    {"ﾀx/2ﾀ-ﾀ1/3ﾀy-ﾀ1/4ﾀ", "ﾀx/2ﾀ+(-ﾀ1/3ﾀy)+(-ﾀ1/4ﾀ)", "ﾀx/2ﾀ,-ﾀ1/3ﾀy,-ﾀ1/4ﾀ"},
};

// Question ②: the letters to pick from, then per row the number part written
// before the letter and the coefficient. Rows 9 and 10 carry their letter.
const char* const kLetters[5] = {"a", "b", "c", "x", "y"};
const char* const kCoefficientRows[10][2] = {
    {"5", "5"},         {"-3", "-3"},         {"0.1", "0.1"}, {"-0.1", "-0.1"},
    {"ﾀ2/3ﾀ", "ﾀ2/3ﾀ"}, {"-ﾀ2/3ﾀ", "-ﾀ2/3ﾀ"}, {"", "1"},     {"-", "-1"},
    {"ﾀx/3ﾀ", "ﾀ1/3ﾀ"}, {"-ﾀa/2ﾀ", "-ﾀ1/2ﾀ"},
};

}  // namespace

void Brenvale::TermsCoefficientsDrill() {
    // Every text keeps the pen where it ended, so that the next one can
    // continue the line.

    PsLINE(0, 0, false, 1320, 1300, 15, 2, 15);
    AINP = 3;
    NO = 1;

    // Question ①: the terms of an expression.
    while (AINP != 1) {
        for (int row = 1; row <= 10; ++row) {
            T_sa(row) = Utf8ToCp932(kTermRows[row - 1][0]);
            T_sa(10 + row) = Utf8ToCp932(kTermRows[row - 1][1]);
            T_sa(20 + row) = Utf8ToCp932(kTermRows[row - 1][2]);
        }
        if (NO == 11) NO = 1;
        XI0 = 40;
        XI1 = XI0 + 60;
        YI1 = 30;
        X_a(1) = 0;
        Y_a(1) = 80;
        X_a(2) = 560;
        Y_a(2) = Y_a(1) + 320;
        // The heading above the box stays.
        PsLINE(X_a(1), Y_a(1), false, X_a(2), Y_a(2), 15, 2, 15);
        WriteAt(0, XI0, YI1, "問①　次の式の項をいいなさい。"_sj);
        WriteAt(0, XI1 + 27, YI1 + 80, T_sa(NO));
        WaitAnyKey();
        WriteAt(0, XI1, YI1 + 80, "="_sj + T_sa(10 + NO));
        WriteAt(3, XI1, YI1 + 80, "項…"_sj + T_sa(20 + NO));
        AskNextStep();
        NO = NO + 1;
    }
    WriteAt(5, XI0, YI1 + 80, "項"_sj);
    WriteAfter(3, "…+(加法の記号）で結ばれた、"_sj);
    WriteAt(3, XI1, YI1 + 50, "1つ1つの数や文字式"_sj);
    WaitAnyKey();
    AINP = 3;
    NO = 1;

    // Question ②: the coefficient of a letter.
    while (AINP != 1) {
        for (int i = 1; i <= 5; ++i) T_sa(i) = Utf8ToCp932(kLetters[i - 1]);
        for (int row = 1; row <= 10; ++row) {
            T_sa(10 + row) = Utf8ToCp932(kCoefficientRows[row - 1][0]);
            T_sa(20 + row) = Utf8ToCp932(kCoefficientRows[row - 1][1]);
        }
        LetterPick = INT(PaRnd() * 5) + 1;
        if (NO == 11) NO = 1;
        XI0 = 600;
        XI1 = XI0 + 60;
        YI1 = 30;
        X_a(1) = XI0;
        Y_a(1) = 0;
        X_a(2) = 1600;
        Y_a(2) = Y_a(1) + 400;
        PsLINE(X_a(1), Y_a(1), false, X_a(2), Y_a(2), 15, 2, 15);
        // Rows 9 and 10 hold their own letter: the heading names it, and the
        // term shows the number part alone.
        if (NO == 9) {
            T_sa(LetterPick) = "x"_sj;
        } else if (NO == 10) {
            T_sa(LetterPick) = "a"_sj;
        }
        WriteAt(0, XI0, YI1, "問②　"_sj + T_sa(LetterPick) + "の係数をいいなさい。"_sj);
        if (NO > 8) T_sa(LetterPick) = "";
        WriteAt(0, XI1 + 27, YI1 + 80, T_sa(10 + NO) + T_sa(LetterPick));
        WaitAnyKey();
        WriteAt(3, XI1, YI1 + 80, "係数…"_sj + T_sa(20 + NO));
        AskNextStep();
        NO = NO + 1;
    }
    WriteAt(5, XI0, YI1 + 80, "係数"_sj);
    WriteAfter(3, "…文字をふくむ項の数の部分"_sj);
    WaitAnyKey();
    WriteAt(7, 40, YI1 + 240, "教科書P69問1 をしなさい。"_sj);
}

void Brenvale::ShowP69Problem1Answers() {

    PsLINE(0, 0, false, 1760, 1300, 15, 2, 15);
    XI0 = 40;
    XI1 = XI0 + 54;
    YI1 = 30;
    WriteAt(3, XI0, YI1, "問1　解答"_sj);

    WriteAt(3, XI0, YI1 + 75, "(1)"_sj);
    WriteAt(0, XI1 + 27, YI1, "9-2x"_sj);
    WriteAt(0, XI1, YI1 + 50, "項…"_sj);
    WriteAfter(5, "9, -2x"_sj);
    WriteAt(0, XI1, YI1 + 50, "xの係数…"_sj);
    WriteAfter(5, "-2"_sj);

    WriteAt(3, XI0, YI1 + 85, "(2)"_sj);
    WriteAt(0, XI1 + 27, YI1, "ﾀx/4ﾀ-3y=ﾀ1/4ﾀx-3y"_sj);
    WriteAt(0, XI1, YI1 + 80, "項…"_sj);
    WriteAfter(5, "ﾀx/4ﾀ, -3y"_sj);
    WriteAt(0, XI1, YI1 + 80, "xの係数…"_sj);
    WriteAfter(5, "ﾀ1/4ﾀ"_sj);
    WriteAt(0, XI2 + 27, YI1, "yの係数…"_sj);
    WriteAfter(5, "-3"_sj);

    XI0 = 600;
    XI1 = XI0 + 54;
    YI1 = 60;
    WriteAt(3, XI0, YI1, "(3)"_sj);
    WriteAt(0, XI1 + 27, YI1, "a-b+8=1a-1b+8"_sj);
    WriteAt(0, XI1, YI1 + 90, "項…"_sj);
    WriteAfter(5, "a, -b, 8"_sj);
    WriteAt(0, XI1, YI1 + 80, "aの係数…"_sj);
    WriteAfter(5, "1"_sj);
    WriteAt(0, XI2 + 27, YI1, "bの係数…"_sj);
    WriteAfter(5, "-1"_sj);
}

}  // namespace brenvale
