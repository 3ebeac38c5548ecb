// Chapter 2, item ⑤: waffles and drinks that cost at least 1000 yen,
// written as an inequality.
#include "tessarin/tessarin.h"
#include "surface/surface.h"

namespace tessarin {

using namespace surface;

void Tessarin::Example3InequalityFromWords() {
    PsLINE(0, 0, false, 1320, 1300, 15, 2, 15);
    XI0 = 40;
    XI1 = XI0 + 81;
    YI1 = 30;
    WriteAt(3, XI0, YI1, "例3　"_sj);
    WriteAfter(0, "1個120円のワッフルをx個、1本150円の飲み物をy本買うと"_sj);
    WriteAt(0, XI0, YI1 + 50, "合計が1000円以上になる。数量の関係を不等式に表しなさい。"_sj);
    WaitAnyKey();
    // Each amount is named, then written 50 after its name.
    WriteAt(3, XI1, YI1 + 50, "<解答>"_sj);
    WriteAt(0, XI1, YI1 + 50, "1個120円のワッフルx個の代金…"_sj);
    WaitAnyKey();
    WriteAt(3, XI2 + 50, YI1, "120x円"_sj);
    WaitAnyKey();
    WriteAt(0, XI1, YI1 + 50, "1本150円の飲み物y本の代金…"_sj);
    WaitAnyKey();
    WriteAt(3, XI2 + 50, YI1, "150y円"_sj);
    WaitAnyKey();
    WriteAt(0, XI1, YI1 + 50, "代金の合計…"_sj);
    WaitAnyKey();
    WriteAt(3, XI2 + 50, YI1, "120x+150y(円)"_sj);
    WaitAnyKey();
    WriteAt(0, XI1, YI1 + 50, "1000円以上…"_sj);
    WaitAnyKey();
    WriteAt(3, XI2 + 50, YI1, "≧1000"_sj);
    WaitAnyKey();
    WriteAt(0, XI1, YI1 + 50, "したがって"_sj);
    WriteAt(5, XI1, YI1 + 50, "答　120x+150y≧1000"_sj);
    WaitAnyKey();
    WriteAt(7, XI1, YI1 + 80, "教科書P79 問5　をやろう。"_sj);
}

}  // namespace tessarin
