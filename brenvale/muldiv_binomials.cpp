// Chapter 4, item ⑦: a binomial divided by a whole number, then a binomial
// divided by a fraction, two random drills side by side.
#include "brenvale/brenvale.h"
#include "surface/surface.h"

namespace brenvale {

using namespace surface;

void Brenvale::Example4BinomialDivisionDrill() {
    StartDrillItem("例4　次の計算をしなさい。"_sj);

    // (n·b L + n·c) ÷ n with n, |b| and |c| three different entries.
    while (AINP != 1) {
        FillPickTable({2, 3, 5, 7, 1, 6});
        T_a(1) = TakeFromPickTable(4, 5);
        T_a(2) = TakeFromPickTable(4, 4);
        T_a(3) = TakeFromPickTable(3, 0);
        Q = INT(PaRnd() * 2);
        if (Q == 0) T_a(2) = -T_a(2);
        Q = INT(PaRnd() * 2);
        if (Q == 1) T_a(3) = -T_a(3);
        T_a(4) = T_a(1) * T_a(2);
        T_a(5) = T_a(1) * T_a(3);
        T_a(6) = T_a(5);
        FormatNumberArrays();
        P = INT(PaRnd() * 2) + 1;
        F_sa(1) = P == 1 ? "a"_sj : "x"_sj;
        if (T_a(2) == 1) T_sa(2) = "";
        if (T_a(2) == -1) T_sa(2) = "-"_sj;
        if (T_a(5) > 0) T_sa(5) = "+"_sj + T_sa(5);
        if (T_a(3) > 0) T_sa(3) = "+"_sj + T_sa(3);

        ClearDrillPass(40, 0);
        const Str& L = F_sa(1);
        WriteAt(0, XI0, YI1, "①  ("_sj + T_sa(4) + L + T_sa(5) + ")/"_sj + T_sa(1));
        WaitAnyKey();
        // The second numerator keeps its own sign after the "+".
        WriteAt(0, XI1, YI1 + 80,
                "=ﾀ"_sj + T_sa(4) + L + "/"_sj + T_sa(1) + "ﾀ+ﾀ"_sj + T_sa(6) + "/"_sj + T_sa(1) +
                    "ﾀ"_sj);
        WaitAnyKey();
        WriteAt(5, XI1, YI1 + 80, "="_sj + T_sa(2) + L + T_sa(3));
        AskNextStep();
    }
    WriteAt(3, XI0, YI1 + 80, "分配法則で（　）をはずし、約分する。"_sj);
    WaitAnyKey();

    // (d·b L + d·c) ÷ d/n in the right column; the first drill's last
    // instance stays on the left.
    AINP = 3;
    NO = 1;
    while (AINP != 1) {
        FillPickTable({2, 3, 5, 7, 1});
        T_a(21) = TakeFromPickTable(4, 4);
        T_a(22) = TakeFromPickTable(3, 3);
        T_a(23) = -TakeFromPickTable(3, 2);
        T_a(24) = TakeFromPickTable(2, 0);
        T_a(25) = T_a(22) * T_a(23);
        T_a(26) = T_a(22) * T_a(24);
        T_a(27) = T_a(21) * T_a(23);
        T_a(28) = T_a(21) * T_a(24);
        DS = T_a(22);
        DB = T_a(21);
        ReduceFraction();
        X_sa(2) = A2_s;
        DS = T_a(21);
        DB = T_a(22);
        ReduceFraction();
        X_sa(3) = A2_s;
        FormatNumberArrays();
        P = INT(PaRnd() * 2) + 1;
        F_sa(21) = P == 1 ? "x"_sj : "a"_sj;
        if (T_a(23) == -1) T_sa(23) = "-"_sj;

        ClearDrillPass(680, 680);
        const Str& L = F_sa(21);
        const Str bracket = T_sa(25) + L + "+"_sj + T_sa(26);
        WriteAt(0, XI0, YI1 + 20, "②  ("_sj + bracket + ")/"_sj + X_sa(2));
        WaitAnyKey();
        WriteAt(0, XI1, YI1 + 80, "=("_sj + bracket + ")*"_sj + X_sa(3));
        WaitAnyKey();
        WriteAt(0, XI1, YI1 + 80,
                "="_sj + T_sa(25) + L + "*"_sj + X_sa(3) + "+"_sj + T_sa(26) + "*"_sj + X_sa(3));
        WaitAnyKey();
        WriteAt(0, XI1, YI1 + 80,
                "="_sj + T_sa(23) + L + "*"_sj + T_sa(21) + "+"_sj + T_sa(24) + "*"_sj + T_sa(21));
        WaitAnyKey();
        WriteAt(5, XI1, YI1 + 55, "="_sj + T_sa(27) + L + "+"_sj + T_sa(28));
        AskNextStep();
    }
    WriteAt(3, XI0, YI1 + 60, "逆数をかける。"_sj);
    WaitAnyKey();
    WriteAt(7, XI0, YI1 + 50, "教科書P75 問4　をやろう。"_sj);
}

}  // namespace brenvale
