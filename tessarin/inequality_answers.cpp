// Chapter 2, items ② and ⑥: the worked answers of the textbook's questions
// on inequalities (page 78 question 4, page 79 question 5).
#include "tessarin/tessarin.h"
#include "surface/surface.h"

namespace tessarin {

using namespace surface;

void Tessarin::ShowP78Problem4Answers() {
    PsLINE(0, 0, false, 1760, 1300, 15, 2, 15);
    XI0 = 40;
    XI1 = XI0 + 81;
    YI1 = 30;
    WriteAt(3, XI0, YI1, "教科書P78 問4の答"_sj);
    WriteAt(3, XI0, YI1 + 60, "(1)"_sj);
    WaitAnyKey();
    WriteAt(0, XI1, YI1, "ある数xから5をひくから、x-5"_sj);
    WaitAnyKey();
    WriteAt(0, XI1, YI1 + 50, "3より小さいは、<3"_sj);
    WaitAnyKey();
    WriteAt(5, XI1, YI1 + 50, "x-5<3"_sj);
    WaitAnyKey();
    WriteAt(3, XI0, YI1 + 60, "(2)"_sj);
    WaitAnyKey();
    WriteAt(0, XI1, YI1, "amのリボンから3m切り取るから、a-3"_sj);
    WaitAnyKey();
    WriteAt(0, XI1, YI1 + 50, "2mより長いは、>2"_sj);
    WaitAnyKey();
    WriteAt(5, XI1, YI1 + 50, "a-3>2"_sj);
    WaitAnyKey();
    WriteAt(3, XI0, YI1 + 60, "(3)"_sj);
    WaitAnyKey();
    WriteAt(0, XI1, YI1, "xとyの積は、x*y=xy"_sj);
    WaitAnyKey();
    WriteAt(0, XI1, YI1 + 50, "8未満は、<8"_sj);
    WaitAnyKey();
    WriteAt(5, XI1, YI1 + 50, "xy<8"_sj);
}

void Tessarin::ShowP79Problem5Answers() {
    PsLINE(0, 0, false, 1760, 1300, 15, 2, 15);
    XI0 = 40;
    XI1 = XI0 + 81;
    YI1 = 30;
    WriteAt(3, XI0, YI1, "教科書P79 問5の答"_sj);
    WriteAt(3, XI0, YI1 + 60, "(1)"_sj);
    WaitAnyKey();
    WriteAt(0, XI1, YI1, "4人でx円ずつ出した合計は、4*x=4x (円)"_sj);
    WaitAnyKey();
    WriteAt(0, XI1, YI1 + 50, "1000円以上は、≧1000"_sj);
    WaitAnyKey();
    WriteAt(5, XI1, YI1 + 50, "4x≧1000"_sj);
    WaitAnyKey();
    WriteAt(3, XI0, YI1 + 60, "(2)"_sj);
    WaitAnyKey();
    WriteAt(0, XI1, YI1, "a円の品物とb円の品物の合計は、a+b (円)"_sj);
    WaitAnyKey();
    WriteAt(0, XI1, YI1 + 50, "1200円あれば買えるから、1200円以下で、≦1200"_sj);
    WaitAnyKey();
    WriteAt(5, XI1, YI1 + 50, "a+b≦1200"_sj);
}

}  // namespace tessarin
