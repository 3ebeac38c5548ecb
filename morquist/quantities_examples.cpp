// Chapter 3, items ①, ⑥ and ⑦: worked examples revealed a stage at a time:
// the change from a purchase, a percentage of an area, and reading what an
// expression means.
#include "morquist/morquist.h"
#include "surface/surface.h"

namespace morquist {

using namespace surface;

void Morquist::Example4ChangeFromPurchase() {
    PsLINE(0, 0, false, 1760, 1300, 15, 2, 15);
    XI0 = 40;
    XI1 = XI0 + 61;
    YI1 = 30;
    // The textbook numbers this example 1 on its page.
    WriteAt(3, XI0, YI1, "例1 "_sj);
    WriteAfter(0, "5000円出して、1個x円のケーキを6個買ったときの"_sj);
    WriteAt(0, XI1, YI1 + 50, "おつりを式に表しなさい。"_sj);
    WaitAnyKey();
    WriteAt(3, XI1, YI1 + 50, "<解答>"_sj);
    WaitAnyKey();
    WriteAt(3, XI1, YI1 + 60, "(おつり)=(出したお金)-(代金)"_sj);
    WaitAnyKey();
    WriteAt(3, XI1, YI1 + 60, "(代金)=(単価)*(個数)"_sj);
    WriteAt(0, XI2 + 30, YI1, "だから"_sj);
    WriteAt(0, XI1, YI1 + 60, "代金は、"_sj);
    WaitAnyKey();
    WriteAfter(0, "x*6="_sj);
    WriteAfter(3, "6x(円)"_sj);
    WaitAnyKey();
    WriteAt(0, XI1, YI1 + 60, "おつりは、"_sj);
    WaitAnyKey();
    WriteAfter(5, "5000-6x(円)"_sj);
    WaitAnyKey();
    WriteAt(3, XI0, YI1 + 80, "教科書P62 問7 をしなさい。"_sj);
}

void Morquist::Example6PercentOfArea() {
    PsLINE(0, 0, false, 1760, 1300, 15, 2, 15);
    XI1 = 30;
    YI1 = 30;
    WriteAt(7, XI1, YI1, "例6 "_sj);
    WriteAfter(0, "ある学校の中庭の面積は"_sj);
    WriteAfter(3, "am^2"_sj);
    WriteAfter(0, "で、"_sj);
    WriteAt(0, XI1, YI1 + 50, "その"_sj);
    WriteAfter(3, "13％"_sj);
    WriteAfter(0, "が花だんである。"_sj);
    WriteAt(0, XI1, YI1 + 50, "花だんの面積を表す式は？"_sj);
    WaitAnyKey();
    WriteAt(7, XI1, YI1 + 50, "<解答>"_sj);
    WriteAt(3, XI1, YI1 + 50, "花だんの面積=(中庭の面積)*(割合)"_sj);
    WriteAt(0, XI1, YI1 + 50, " だから "_sj);
    WaitAnyKey();
    WriteAt(0, XI1, YI1 + 80, "a*ﾀ13/100ﾀ="_sj);
    WaitAnyKey();
    WriteAfter(5, "ﾀ13/100ﾀa (m^2)"_sj);
    WaitAnyKey();
    WriteAt(3, XI1, YI1 + 80, "0.13a(m^2)でもよい"_sj);
    WaitAnyKey();

    // The textbook's exercise, in the right column.
    XI0 = 640;
    XI1 = XI0 + 81;
    YI1 = 30;
    WriteAt(7, XI0, YI1, "教科書P63問9 をしなさい。"_sj);
    WaitAnyKey();
    WriteAt(3, XI0, YI1 + 80, "(1)"_sj);
    WriteAt(0, XI1, YI1, "47％=ﾀ47/100ﾀ だから"_sj);
    WriteAt(0, XI1, YI1 + 80, "a*ﾀ47/100ﾀ="_sj);
    WriteAfter(5, "ﾀ47/100ﾀa (g)   "_sj);
    WriteAt(3, XI1, YI1 + 60, "0.47a(g)でもよい"_sj);
    WaitAnyKey();
    WriteAt(3, XI0, YI1 + 80, "(2)"_sj);
    WriteAt(0, XI1, YI1, "3割引き→"_sj);
    WriteAfter(3, "はらった代金は7割"_sj);
    WriteAt(0, XI1, YI1 + 80, "7割=ﾀ7/10ﾀ だから"_sj);
    WriteAt(0, XI1, YI1 + 80, "y*ﾀ7/10ﾀ="_sj);
    WriteAfter(5, "ﾀ7/10ﾀy (円)"_sj);
    WriteAt(3, XI1, YI1 + 60, "0.7y(円)でもよい"_sj);
}

void Morquist::Example7ExpressionMeaning() {
    PsLINE(0, 0, false, 1760, 1300, 15, 2, 15);
    XI1 = 40;
    YI1 = 30;
    WriteAt(7, XI1, YI1, "例7 "_sj);
    WriteAfter(0, "ある博物館の入館料は、"_sj);
    WriteAt(0, XI1, YI1 + 50, "おとな1人が"_sj);
    WriteAfter(3, "a円"_sj);
    WriteAfter(0, "、"_sj);
    WriteAt(0, XI1, YI1 + 50, "子ども1人が"_sj);
    WriteAfter(3, "b円"_sj);
    WriteAfter(0, "である。"_sj);
    WriteAt(3, XI1, YI1 + 50, "2a+3b(円)"_sj);
    WriteAfter(0, "は何を表していますか。"_sj);
    WaitAnyKey();
    WriteAt(7, XI1, YI1 + 50, "<解答>"_sj);
    // Each term, then its meaning, on keys of their own.
    WriteAt(0, XI1, YI1 + 50, "2aは"_sj);
    WaitAnyKey();
    WriteAfter(3, " おとな2人の入館料"_sj);
    WaitAnyKey();
    WriteAt(0, XI1, YI1 + 50, "3bは"_sj);
    WaitAnyKey();
    WriteAfter(3, " 子ども3人の入館料"_sj);
    WriteAt(0, XI1, YI1 + 50, " だから "_sj);
    WaitAnyKey();
    WriteAt(5, XI1, YI1 + 60, "おとな2人と子ども3人の入館料の合計"_sj);
    WaitAnyKey();

    // The textbook's exercise, in the right column: a term and its meaning
    // come together.
    XI0 = 640;
    XI1 = XI0 + 81;
    YI1 = 30;
    WriteAt(7, XI0, YI1, "教科書P63問10 をしなさい。"_sj);
    WaitAnyKey();
    DrawTermMeanings({"(1)", {"aは", "2bは"}, {" おとな1人の入館料", " 子ども2人の入館料"},
                      {"おとな1人と子ども2人の", "入館料の合計"}});
    DrawTermMeanings({"(2)", {"aは", "bは"}, {" おとな1人の入館料", " 子ども1人の入館料"},
                      {"おとな1人分と子ども1人分の", "入館料の差額"}});
    WriteAt(0, XI0, YI1 + 60, "教科書P64 問11 をしなさい。"_sj);
}

}  // namespace morquist
