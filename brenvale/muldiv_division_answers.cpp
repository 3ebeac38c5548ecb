// Chapter 4, item ③: the worked answers of the textbook's problem 2 on page
// 74, six divisions of a term by a number, in three columns.
#include "brenvale/brenvale.h"
#include "surface/surface.h"

namespace brenvale {

using namespace surface;

void Brenvale::ShowP74Problem2Answers() {
    PsLINE(0, 0, true, 1320, 1300, 15, 2, 15);
    XI0 = 40;
    XI1 = XI0 + 54;
    YI1 = 30;
    WriteAt(3, XI1, YI1, "教科書P74 問2　解答"_sj);
    WaitAnyKey();

    // Each problem: its number, the problem beside it, the working lines
    // 70 apart (they may hold fractions), the result 50 below the last.
    WriteAt(3, XI0, YI1 + 60, "(1)"_sj);
    WriteAt(0, XI1 + 27, YI1, "18x/6"_sj);
    WriteAt(0, XI1, YI1 + 70, "=ﾀ18x/6ﾀ"_sj);
    WriteAt(0, XI1, YI1 + 70, "=ﾀ18*x/6ﾀ"_sj);
    WriteAt(5, XI1, YI1 + 50, "=3x"_sj);
    WriteAt(3, XI0, YI1 + 60, "(2)"_sj);
    WriteAt(0, XI1 + 27, YI1, "10x/(-5)"_sj);
    WriteAt(0, XI1, YI1 + 70, "=-ﾀ10x/5ﾀ"_sj);
    WriteAt(0, XI1, YI1 + 70, "=-ﾀ10*x/5ﾀ"_sj);
    WriteAt(5, XI1, YI1 + 50, "=-2x"_sj);

    XI0 = 400;
    XI1 = XI0 + 54;
    YI1 = 30;
    WriteAt(3, XI0, YI1 + 60, "(3)"_sj);
    WriteAt(0, XI1 + 27, YI1, "-12x/(-4)"_sj);
    WriteAt(0, XI1, YI1 + 70, "=ﾀ12x/4ﾀ"_sj);
    WriteAt(0, XI1, YI1 + 70, "=ﾀ12*x/4ﾀ"_sj);
    WriteAt(5, XI1, YI1 + 50, "=3x"_sj);
    WriteAt(3, XI0, YI1 + 60, "(4)"_sj);
    WriteAt(0, XI1 + 27, YI1, "9x/ﾀ3/4ﾀ"_sj);
    WriteAt(0, XI1, YI1 + 70, "=9x*ﾀ4/3ﾀ"_sj);
    WriteAt(0, XI1, YI1 + 70, "=9*ﾀ4/3ﾀ*x"_sj);
    WriteAt(0, XI1, YI1 + 70, "=3*4*x"_sj);
    WriteAt(5, XI1, YI1 + 50, "=12x"_sj);

    XI0 = 800;
    XI1 = XI0 + 54;
    YI1 = 30;
    WriteAt(3, XI0, YI1 + 60, "(5)"_sj);
    WriteAt(0, XI1 + 27, YI1, "6x/(-ﾀ3/2ﾀ)"_sj);
    WriteAt(0, XI1, YI1 + 70, "=6x*(-ﾀ2/3ﾀ)"_sj);
    WriteAt(0, XI1, YI1 + 70, "=6*(-ﾀ2/3ﾀ)*x"_sj);
    WriteAt(0, XI1, YI1 + 70, "=-2*2*x"_sj);
    WriteAt(5, XI1, YI1 + 50, "=-4x"_sj);
    WriteAt(3, XI0, YI1 + 60, "(6)"_sj);
    WriteAt(0, XI1 + 27, YI1, "-3x/3"_sj);
    WriteAt(0, XI1, YI1 + 70, "=-ﾀ3x/3ﾀ"_sj);
    WriteAt(0, XI1, YI1 + 70, "=-ﾀ3*x/3ﾀ"_sj);
    WriteAt(5, XI1, YI1 + 50, "=-x"_sj);
}

}  // namespace brenvale
