// Chapter 4, item ②: a term divided by a number. A random drill that writes
// the quotient as a fraction and cancels it, then, in the right-hand column,
// a drill over ten fixed divisions turned into products with the
// reciprocal.
#include "brenvale/brenvale.h"
#include "surface/surface.h"

namespace brenvale {

using namespace surface;

namespace {

// Problem, the product with the reciprocal, and the result of each row.
const char* const kReciprocalRows[10][3] = {
    {"8x/2", "8x*ﾀ1/2ﾀ", "4x"},
    {"12x/(-3)", "12x*(-ﾀ1/3ﾀ)", "-4x"},
    {"-10x/(-5)", "-10x*(-ﾀ1/5ﾀ)", "2x"},
    {"-4x/4", "-4x*ﾀ1/4ﾀ", "-x"},
    {"6x/ﾀ2/3ﾀ", "6x*ﾀ3/2ﾀ", "9x"},
    {"(-6a)/ﾀ3/2ﾀ", "-6a*ﾀ2/3ﾀ", "-4a"},
    {"-12b/(-ﾀ9/4ﾀ)", "-12b*(-ﾀ4/9ﾀ)", "ﾀ16/3ﾀb"},
    {"ﾀ3/4ﾀx/6", "ﾀ3/4ﾀx*ﾀ1/6ﾀ", "ﾀ1/8ﾀx"},
    {"6x/(-ﾀ2/3ﾀ)", "6x*(-ﾀ3/2ﾀ)", "-9x"},
    {"-ﾀ3/4ﾀa/ﾀ5/4ﾀ", "-ﾀ3/4ﾀa*ﾀ4/5ﾀ", "-ﾀ3/5ﾀa"},
};

}  // namespace

void Brenvale::Example2DivisionDrill() {
    StartDrillItem("例2　次の計算をしなさい。"_sj);

    // ① kx / n, the dividend made from the quotient q so that it divides
    // evenly: n and q are 2 to 7 in size, each of either sign.
    while (AINP != 1) {
        T_a(1) = INT(PaRnd() * 6 + 2);
        Q = INT(PaRnd() * 2);
        if (Q == 0) T_a(1) = -T_a(1);
        T_a(2) = INT(PaRnd() * 6 + 2);
        Q = INT(PaRnd() * 2 + 1);
        if (Q == 1) T_a(2) = -T_a(2);
        T_a(3) = T_a(1) * T_a(2);
        FormatNumberArrays();
        P = INT(PaRnd() * 2 + 1);
        F_sa(1) = P == 1 ? "a"_sj : "x"_sj;
        // Negative divisor and dividend in brackets on the problem line.
        T_sa(11) = T_a(1) < 0 ? "("_sj + T_sa(1) + ")"_sj : T_sa(1);
        T_sa(13) = T_a(3) < 0 ? "("_sj + T_sa(3) + F_sa(1) + ")"_sj : T_sa(3) + F_sa(1);

        XI0 = 40;
        XI1 = XI0 + 60;
        YI1 = 90;
        X_a(31) = 0;
        Y_a(31) = 90;
        PsLINE(X_a(31), Y_a(31), true, 2000, 1800, 15, 2, 15);
        WriteAt(0, XI1 - 34, YI1 + 30, "① "_sj + T_sa(13) + "/"_sj + T_sa(11));
        WaitAnyKey();
        WriteAt(0, XI1, YI1 + 90, "=ﾀ"_sj + T_sa(3) + F_sa(1) + "/"_sj + T_sa(1) + "ﾀ"_sj);
        WaitAnyKey();
        WriteAt(0, XI1, YI1 + 90,
                "=ﾀ"_sj + T_sa(3) + "*"_sj + F_sa(1) + "/"_sj + T_sa(1) + "ﾀ"_sj);
        WaitAnyKey();
        WriteAfter(5, "="_sj + T_sa(2) + F_sa(1));
        AskNextStep();
    }
    WriteAt(5, XI0, YI1 + 80, "分数の形にして、約分する。"_sj);
    WaitAnyKey();

    // ② on the right; ①'s last instance and its rule stay on the left.
    AINP = 3;
    NO = 1;
    while (AINP != 1) {
        for (int row = 1; row <= 10; ++row) {
            T_sa(row) = Utf8ToCp932(kReciprocalRows[row - 1][0]);
            T_sa(10 + row) = Utf8ToCp932(kReciprocalRows[row - 1][1]);
            T_sa(20 + row) = Utf8ToCp932(kReciprocalRows[row - 1][2]);
        }
        if (NO == 11) NO = 1;
        XI0 = 600;
        XI1 = XI0 + 60;
        YI1 = 90;
        Y_a(31) = 90;
        X_a(31) = XI0;
        PsLINE(X_a(31), Y_a(31), true, 2000, 1800, 15, 2, 15);
        WriteAt(0, XI1 - 34, YI1 + 30, "② "_sj + T_sa(NO));
        WaitAnyKey();
        WriteAt(0, XI1, YI1 + 90, "="_sj + T_sa(10 + NO) + "="_sj);
        WaitAnyKey();
        WriteAfter(5, T_sa(20 + NO));
        AskNextStep();
        NO = NO + 1;
    }
    WriteAt(5, XI0, YI1 + 80, "逆数をかける。"_sj);
    WaitAnyKey();
    WriteAt(7, XI0, YI1 + 80, "教科書P74 問2　をやろう。"_sj);
}

}  // namespace brenvale
