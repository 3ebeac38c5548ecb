// Chapter 4, item ⑤: the distributive law. Three random drills on one
// screen: a number times a bracket, a bracket times a number below it, and
// a fraction times a bracket in the right-hand column.
#include "brenvale/brenvale.h"
#include "surface/surface.h"

namespace brenvale {

using namespace surface;

namespace {

const char* const kDrillLetters[4] = {"x", "y", "a", "b"};

// The four letters into `letters` 2 to 5, for a draw from 2 to 5.
template <typename Letters>
void SetDrillLetters(Letters& letters) {
    for (int k = 0; k < 4; ++k) letters(k + 2) = Utf8ToCp932(kDrillLetters[k]);
}

}  // namespace

// Shared by drills ① and ②. In ② |a| is at least 2, so of the coefficient
// rule only b = 1 applies there.
void Brenvale::CompleteBracketInstance() {
    T_a(3) = INT(PaRnd() * 8 + 2);
    P = INT(PaRnd() * 2);
    if (P == 1) T_a(3) = -T_a(3);
    T_a(4) = T_a(1) * T_a(2);
    T_a(5) = T_a(1) * T_a(3);
    T_a(11) = T_a(1);
    T_a(13) = T_a(3);
    FormatNumberArrays();
    if (T_a(3) > 0) T_sa(3) = "+"_sj + T_sa(3);
    if (T_a(5) > 0) T_sa(5) = "+"_sj + T_sa(5);
    // Coefficients 1 and -1 before a letter or a bracket.
    for (int slot : {1, 2, 4}) {
        if (T_a(slot) == 1) {
            T_sa(slot) = Str();
        } else if (T_a(slot) == -1) {
            T_sa(slot) = "-"_sj;
        }
    }
    SetDrillLetters(X_sa);
    P = INT(PaRnd() * 4 + 2);
    X_sa(1) = X_sa(P);
    if (T_a(11) < 0) T_sa(11) = "("_sj + T_sa(11) + ")"_sj;
    if (T_a(13) < 0) T_sa(13) = "("_sj + T_sa(13) + ")"_sj;
}

void Brenvale::Example3DistributiveDrill() {
    StartDrillItem("例3　次の計算をしなさい。"_sj);

    // ① a(bx+c): a is never +1, and -1 comes as often as a size and a sign.
    while (AINP != 1) {
        T_a(2) = INT(PaRnd() * 9 + 1);
        T_a(1) = INT(PaRnd() * 6 + 1);
        P = INT(PaRnd() * 2);
        if (P == 1) {
            T_a(1) = -T_a(1);
        } else if (T_a(1) == 1) {
            T_a(1) = -1;
        }
        CompleteBracketInstance();

        XI0 = 40;
        XI1 = XI0 + 60;
        YI1 = 90;
        X_a(31) = 0;
        Y_a(31) = 90;
        PsLINE(X_a(31), Y_a(31), true, 2000, 1800, 15, 2, 15);
        WriteAt(0, XI0, YI1, "①  "_sj + T_sa(1) + "("_sj + T_sa(2) + X_sa(1) + T_sa(3) + ")"_sj);
        WaitAnyKey();
        WriteAt(0, XI1, YI1 + 55,
                "="_sj + T_sa(11) + "*"_sj + T_sa(2) + X_sa(1) + "+"_sj + T_sa(11) + "*"_sj +
                    T_sa(13));
        WaitAnyKey();
        WriteAt(5, XI1, YI1 + 55, "="_sj + T_sa(4) + X_sa(1) + T_sa(5));
        // Drill ② goes on below this line.
        Y_a(30) = Y;
        AskNextStep();
    }

    // ② (bx+c)*a under ①'s last instance, with no wait between them.
    AINP = 3;
    while (AINP != 1) {
        T_a(2) = INT(PaRnd() * 9 + 1);
        T_a(1) = INT(PaRnd() * 8 + 2);
        P = INT(PaRnd() * 2);
        if (P == 1) T_a(1) = -T_a(1);
        CompleteBracketInstance();

        XI0 = 40;
        XI1 = XI0 + 60;
        YI1 = Y_a(30) + 90;
        Y_a(31) = Y_a(30) + 90;
        X_a(31) = 0;
        PsLINE(X_a(31), Y_a(31), true, 2000, 1800, 15, 2, 15);
        WriteAt(0, XI0, YI1,
                "②  ("_sj + T_sa(2) + X_sa(1) + T_sa(3) + ")*"_sj + T_sa(11));
        WaitAnyKey();
        WriteAt(0, XI1, YI1 + 55,
                "="_sj + T_sa(2) + X_sa(1) + "*"_sj + T_sa(11) + "+"_sj + T_sa(13) + "*"_sj +
                    T_sa(11));
        WaitAnyKey();
        WriteAt(5, XI1, YI1 + 55, "="_sj + T_sa(4) + X_sa(1) + T_sa(5));
        AskNextStep();
    }
    WaitAnyKey();

    // ③ n/d (-cd x + de) in the right-hand column: n and d two different
    // primes, c and e two different values of the primes left and 1, drawn
    // without replacement from a table that closes up behind each draw.
    AINP = 3;
    while (AINP != 1) {
        X_a(1) = 2;
        X_a(2) = 3;
        X_a(3) = 5;
        X_a(4) = 7;
        X_a(5) = 1;
        auto close_up = [this](int from, int to) {
            for (int i = from; i <= to; ++i) X_a(i) = X_a(i + 1);
        };
        P = INT(PaRnd() * 4 + 1);
        T_a(1) = X_a(P);
        close_up(int(P), 4);
        P = INT(PaRnd() * 3 + 1);
        T_a(2) = X_a(P);
        close_up(int(P), 3);
        P = INT(PaRnd() * 3 + 1);
        T_a(3) = -X_a(P);
        if (P != 3) close_up(int(P), 2);
        P = INT(PaRnd() * 2 + 1);
        T_a(4) = X_a(P);
        T_a(5) = T_a(3) * T_a(2);
        T_a(6) = T_a(2) * T_a(4);
        T_a(7) = T_a(1) * T_a(3);
        T_a(8) = T_a(1) * T_a(4);
        FormatNumberArrays();
        DB = T_a(2);
        DS = T_a(1);
        ReduceFraction();
        X_sa(1) = A2_s;
        SetDrillLetters(F_sa);
        P = INT(PaRnd() * 4 + 2);
        F_sa(1) = F_sa(P);
        if (T_a(3) == -1) T_sa(3) = "-"_sj;

        XI0 = 600;
        XI1 = XI0 + 60;
        YI1 = 90;
        X_a(31) = XI0;
        Y_a(31) = 90;
        PsLINE(X_a(31), Y_a(31), true, 2000, 1800, 15, 2, 15);
        WriteAt(0, XI0, YI1 + 20,
                "③  "_sj + X_sa(1) + "("_sj + T_sa(5) + F_sa(1) + "+"_sj + T_sa(6) + ")"_sj);
        WaitAnyKey();
        WriteAt(0, XI1, YI1 + 80,
                "="_sj + X_sa(1) + "*("_sj + T_sa(5) + F_sa(1) + ")+"_sj + X_sa(1) + "*"_sj +
                    T_sa(6));
        WaitAnyKey();
        WriteAt(0, XI1, YI1 + 70,
                "="_sj + T_sa(1) + "*("_sj + T_sa(3) + F_sa(1) + ")+"_sj + T_sa(1) + "*"_sj +
                    T_sa(4));
        WaitAnyKey();
        WriteAt(5, XI1, YI1 + 55, "="_sj + T_sa(7) + F_sa(1) + "+"_sj + T_sa(8));
        AskNextStep();
    }
    WriteAt(5, XI0, YI1 + 60, "分配法則で（　）をはずし、約分する。"_sj);
    WaitAnyKey();
    WriteAt(7, XI0, YI1 + 50, "教科書P75 問3　をやろう。"_sj);
}

}  // namespace brenvale
