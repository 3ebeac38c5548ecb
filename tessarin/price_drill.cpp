// Chapter 3, item ②: what a relation between the prices of pencils and
// notebooks says, in words. Two drills on one screen, each for as long as
// the class needs.
#include "tessarin/tessarin.h"
#include "surface/surface.h"

namespace tessarin {

using namespace surface;

void Tessarin::MakePriceRelationInstance(const Str& equal_phrase) {
    // The six draws keep this order whichever drill runs.
    T_a(2) = INT(PaRnd() * 5 + 5);
    // 1.8 is stored in single precision, just under 1.8: 5 notebooks give 8
    // pencils and 10 give 17.
    T_a(1) = INT(1.8f * T_a(2));
    T_a(22) = INT(PaRnd() * 5 + 6);
    T_a(21) = INT(1.8f * T_a(22));
    T_a(23) = 1000 * INT(PaRnd() * 2 + 1);
    // Overwrites every text slot: the letters and relations come after it.
    FormatNumberArrays();
    P = INT(PaRnd() * 2 + 1);
    if (P == 1) {
        F_sa(1) = "a"_sj;
        F_sa(2) = "b"_sj;
    } else {
        F_sa(1) = "x"_sj;
        F_sa(2) = "y"_sj;
    }
    X_sa(1) = "="_sj;
    RAB_sa(1) = equal_phrase;
    X_sa(2) = "<"_sj;
    RAB_sa(2) = "より安い。"_sj;
    X_sa(3) = ">"_sj;
    RAB_sa(3) = "より高い。"_sj;
    X_sa(4) = "≦"_sj;
    RAB_sa(4) = "以下である。"_sj;
    X_sa(5) = "≧"_sj;
    RAB_sa(5) = "以上である。"_sj;
    // One of the four inequalities, then which slot gets "=": each drill
    // shows "=" half of the time.
    P = INT(PaRnd() * 4 + 2);
    T_sa(31) = X_sa(P);
    T_sa(32) = RAB_sa(P);
    P = INT(PaRnd() * 2 + 1);
    if (P == 1) {
        T_sa(11) = X_sa(1);
        T_sa(12) = RAB_sa(1);
    } else {
        T_sa(11) = T_sa(31);
        T_sa(12) = T_sa(32);
        T_sa(31) = X_sa(1);
        T_sa(32) = RAB_sa(1);
    }
}

void Tessarin::PriceRelationDrill() {
    PsLINE(0, 0, false, 1320, 1300, 15, 2, 15);
    const Str premise_start = "鉛筆1本の値段が"_sj;
    const Str premise_middle = "円、ノート1冊の値段が"_sj;
    const Str premise_end = "円のとき、"_sj;
    const Str question = "次の式はどんなことを表していますか。"_sj;

    AINP = 3;
    while (AINP != 1) {
        MakePriceRelationInstance("と等しい。"_sj);
        XI0 = 40;
        XI1 = XI0 + 108;
        YI1 = 30;
        X_a(1) = 0;
        Y_a(1) = 0;
        X_a(2) = 1600;
        Y_a(2) = Y_a(1) + 320;
        PsLINE(X_a(1), Y_a(1), false, X_a(2), Y_a(2), 15, 2, 15);
        WriteAt(3, XI0, YI1, "練習①"_sj);
        WriteAt(0, XI1, YI1, premise_start + F_sa(1) + premise_middle + F_sa(2) + premise_end);
        WriteAt(0, XI1, YI1 + 50, question);
        WriteAt(0, XI1, YI1 + 60, T_sa(1) + F_sa(1) + T_sa(11) + T_sa(2) + F_sa(2));
        WaitAnyKey();
        WriteAt(5, XI1, YI1 + 70,
                "鉛筆"_sj + T_sa(1) + "本の代金は、ノート"_sj + T_sa(2) + "冊の代金"_sj + T_sa(12));
        // Where the second drill's band starts.
        Y_a(1) = YI1 + 70;
        AskNextStep();
    }

    // Under the first drill's last instance, without a clear.
    AINP = 3;
    while (AINP != 1) {
        MakePriceRelationInstance("になる。"_sj);
        XI0 = 40;
        XI1 = XI0 + 108;
        YI1 = Y_a(1);
        X_a(1) = 0;
        X_a(2) = 1600;
        Y_a(2) = Y_a(1) + 320;
        PsLINE(X_a(1), Y_a(1), false, X_a(2), Y_a(2), 15, 2, 15);
        WriteAt(3, XI0, YI1, "練習②"_sj);
        WriteAt(0, XI1, YI1, premise_start + F_sa(1) + premise_middle + F_sa(2) + premise_end);
        WriteAt(0, XI1, YI1 + 50, question);
        WriteAt(0, XI1, YI1 + 70,
                T_sa(21) + F_sa(1) + "+"_sj + T_sa(22) + F_sa(2) + T_sa(31) + T_sa(23));
        WaitAnyKey();
        WriteAt(5, XI1, YI1 + 70,
                "鉛筆"_sj + T_sa(21) + "本とノート"_sj + T_sa(22) + "冊の代金は、"_sj + T_sa(23) +
                    "円"_sj + T_sa(32));
        AskNextStep();
    }
    WriteAt(7, XI0, YI1 + 70, "教科書P79問6,P80問7 をしなさい。"_sj);
}

}  // namespace tessarin
