// Chapter 2, item ④: a sentence comparing two random letters, to be written
// as an equality or an inequality in its two forms.
#include "tessarin/tessarin.h"
#include "surface/surface.h"

namespace tessarin {

using namespace surface;

namespace {

// Row k of the relations between P and Q: the sentence is P, the joint, Q and
// the ending; the first form P, the sign, Q; the second form Q, the reversed
// sign, P.
struct Relation {
    const char* joint;
    const char* ending;
    const char* sign;
    const char* reversed;
};
const Relation kRelations[6] = {
    {"と", "は等しい", "=", "="},  {"は", "より小さい", "<", ">"}, {"は", "より大きい", ">", "<"},
    {"は", "以下", "≦", "≧"},     {"は", "以上", "≧", "≦"},       {"は", "未満", "<", ">"},
};

}  // namespace

void Tessarin::RelationSentenceDrill() {
    PsLINE(0, 0, false, 1320, 1300, 15, 2, 15);
    AINP = 3;
    while (AINP != 1) {
        X_sa(1) = "a"_sj;
        X_sa(2) = "b"_sj;
        X_sa(3) = "x"_sj;
        X_sa(4) = "y"_sj;
        // The first letter leaves the pool, so that the second differs.
        P = INT(PaRnd() * 4 + 1);
        T_sa(1) = X_sa(P);
        for (Single i = P; i <= 3; i += 1) X_sa(i) = X_sa(i + 1);
        P = INT(PaRnd() * 3 + 1);
        T_sa(2) = X_sa(P);

        // The table overwrites the pool: it is set again on the next pass.
        for (int k = 1; k <= 6; ++k) {
            const Relation& r = kRelations[k - 1];
            X_sa(k) = T_sa(1) + Utf8ToCp932(r.joint) + T_sa(2) + Utf8ToCp932(r.ending);
            F_sa(k) = T_sa(1) + Utf8ToCp932(r.sign) + T_sa(2);
            RAB_sa(k) = T_sa(2) + Utf8ToCp932(r.reversed) + T_sa(1);
        }
        P = INT(PaRnd() * 6 + 1);
        T_sa(3) = X_sa(P);
        T_sa(4) = F_sa(P);
        T_sa(5) = RAB_sa(P);

        XI0 = 40;
        XI1 = XI0 + 108;
        YI1 = 30;
        X_a(1) = 0;
        Y_a(1) = 0;
        X_a(2) = 560;
        Y_a(2) = Y_a(1) + 320;
        PsLINE(X_a(1), Y_a(1), false, X_a(2), Y_a(2), 15, 2, 15);
        WriteAt(0, XI0, YI1, "練習　次の数量の関係を等式か不等式に表しなさい。"_sj);
        WriteAt(0, XI1, YI1 + 70, T_sa(3));
        WaitAnyKey();
        WriteAt(5, XI1, YI1 + 70, T_sa(4));
        WriteAt(0, XI2 + 40, YI1, "または"_sj);
        WriteAt(5, XI2 + 40, YI1, T_sa(5));
        AskNextStep();
    }
}

}  // namespace tessarin
