// Chapter 1, items ②, ④ and ⑥: the worked answers of the textbook's
// questions on equalities (page 77 question 1, page 76 question 2, page 78
// question 3).
#include "tessarin/tessarin.h"
#include "surface/surface.h"

namespace tessarin {

using namespace surface;

void Tessarin::ShowP77Problem1Answers() {
    PsLINE(0, 0, false, 1760, 1300, 15, 2, 15);
    XI0 = 40;
    YI1 = 30;
    WriteAt(3, XI0, YI1, "教科書P77 問1の答"_sj);
    WriteAt(0, XI0, YI1 + 70, "左辺　"_sj);
    WriteAt(5, XI2 + 20, YI1, "5x-6"_sj);
    WriteAt(0, XI0, YI1 + 70, "右辺　"_sj);
    WriteAt(5, XI2 + 20, YI1, "4y"_sj);
    WriteAt(0, XI0, YI1 + 70, "左辺と右辺を入れかえた式　"_sj);
    WriteAt(5, XI2 + 20, YI1, "4y=5x-6"_sj);
}

void Tessarin::ShowP76Problem2Answers() {
    PsLINE(0, 0, false, 1760, 1300, 15, 2, 15);
    XI0 = 40;
    XI1 = XI0 + 81;
    YI1 = 30;
    WriteAt(3, XI0, YI1, "教科書P76 問2の答"_sj);
    WriteAt(3, XI0, YI1 + 50, "(1)"_sj);
    WriteAt(0, XI1, YI1, "テニスボール3個の代金は、3x(円)"_sj);
    WriteAt(0, XI1, YI1 + 60, "これがy円と等しいから"_sj);
    WriteAt(5, XI1, YI1 + 60, "答　3x=y"_sj);
    WaitAnyKey();
    WriteAt(3, XI0, YI1 + 50, "(2)"_sj);
    WriteAt(0, XI1, YI1, "おつりは、1000-a (円）"_sj);
    WriteAt(0, XI1, YI1 + 60, "これがb円と等しいから"_sj);
    WriteAt(5, XI1, YI1 + 60, "答　1000-a=b"_sj);
}

void Tessarin::ShowP78Problem3Answers() {
    PsLINE(0, 0, false, 1760, 1300, 15, 2, 15);
    XI0 = 40;
    XI1 = XI0 + 81;
    YI1 = 30;
    WriteAt(3, XI0, YI1, "教科書P78 問3の答"_sj);
    // An empty text: it only moves the line down.
    WriteAt(3, XI0, YI1 + 50, Str());
    WriteAt(0, XI1, YI1, "出したお金の合計は、"_sj);
    WaitAnyKey();
    WriteAfter(0, "a*400=400a (円)"_sj);
    WriteAt(0, XI1, YI1 + 60, "たりなかったお金は、"_sj);
    WaitAnyKey();
    WriteAfter(0, "b-400a (円)"_sj);
    // The sentence is written with a gap, then again with the number in the
    // gap, over itself.
    WriteAt(0, XI1, YI1 + 60, "これが   円と等しいから、"_sj);
    WaitAnyKey();
    WriteAt(0, XI1, YI1, "これが300円と等しいから、"_sj);
    WriteAt(5, XI1, YI1 + 60, "答　b-400a=300"_sj);
}

}  // namespace tessarin
