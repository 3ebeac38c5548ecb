// Chapter 1, items ③ and ⑤: equalities written from word problems, and the
// pencils shared out with two short, built up on a figure of arcs.
#include "tessarin/tessarin.h"
#include "surface/surface.h"

namespace tessarin {

using namespace surface;

void Tessarin::Example1EqualitiesFromWords() {
    PsLINE(0, 0, false, 1320, 1300, 15, 2, 15);

    // (1), in the left column.
    XI0 = 40;
    XI1 = XI0 + 81;
    YI1 = 30;
    WriteAt(7, XI0, YI1, "例1　次の数量の関係を等式に表しなさい。"_sj);
    WriteAt(3, XI0, YI1 + 50, "(1)"_sj);
    WriteAt(0, XI1, YI1, "1個b円のケーキ5個と、"_sj);
    WriteAt(0, XI1, YI1 + 50, "3000円の花束の代金は、"_sj);
    WriteAt(0, XI1, YI1 + 50, "3人が、1人a円ずつ"_sj);
    WriteAt(0, XI1, YI1 + 50, "出しあった金額だった。"_sj);
    WriteAt(3, XI1, YI1 + 50, "<解答>"_sj);
    WaitAnyKey();
    WriteAt(0, XI0, YI1 + 50, "出しあった金額の合計…"_sj);
    WaitAnyKey();
    WriteAfter(3, "3a(円)"_sj);
    WaitAnyKey();
    WriteAt(0, XI0, YI1 + 50, "代金の合計…"_sj);
    WaitAnyKey();
    WriteAfter(3, "5b+3000(円)"_sj);
    WaitAnyKey();
    WriteAt(0, XI0, YI1 + 50, "これらが等しいから"_sj);
    WaitAnyKey();
    WriteAt(5, XI0, YI1 + 50, "3a=5b+3000"_sj);
    WaitAnyKey();

    // (2), in the right column beside it: one relation, three equalities,
    // each built a side at a time.
    XI0 = 600;
    XI1 = XI0 + 81;
    YI1 = 30;
    WriteAt(3, XI0, YI1 + 50, "(2)"_sj);
    WriteAt(0, XI1, YI1, "兄の身長acmは、"_sj);
    WriteAt(0, XI1, YI1 + 50, "弟の身長bcmより4cm高い。"_sj);
    WriteAt(3, XI1, YI1 + 50, "<解答>"_sj);
    WaitAnyKey();
    WriteAt(5, XI1, YI1 + 50, "a="_sj);
    WaitAnyKey();
    WriteAfter(5, "b+4"_sj);
    WaitAnyKey();
    WriteAt(5, XI1, YI1 + 50, "b="_sj);
    WaitAnyKey();
    WriteAfter(5, "a-4"_sj);
    WaitAnyKey();
    WriteAt(5, XI1, YI1 + 50, "4="_sj);
    WaitAnyKey();
    WriteAfter(5, "a-b"_sj);
    WaitAnyKey();
    WriteAt(3, XI1, YI1 + 60, "数量の関係は、"_sj);
    WriteAt(3, XI1, YI1 + 50, "いろいろな表し方ができる。"_sj);
    WaitAnyKey();
    WriteAt(7, XI0, YI1 + 60, "教科書P76 問2　をやろう。"_sj);
}

namespace {

// The arcs of the pencil figure, in the order drawn: the end points' numbers,
// the dots' colour, the side (-1 above the bar, 1 below), the step between
// dots in degrees, the height, the label. The ellipsis's dots are in the
// background colour: only its label shows.
struct PencilArc {
    int from, to;
    double colour, side, step, bulge;
    const char* label;
};
const PencilArc kPencilArcs[6] = {
    {1, 5, 3, -1, 3, -40, "y本"},  {1, 2, 7, 1, 10, -30, "3本"}, {2, 3, 7, 1, 10, -30, "3本"},
    {3, 4, 15, 1, 10, -30, "…"},   {4, 6, 7, 1, 10, -30, "3本"}, {5, 6, 3, -1, 12, -30, "2本"},
};

}  // namespace

void Tessarin::Example2PencilSharing() {
    PsLINE(0, 0, false, 1320, 1300, 15, 2, 15);
    XI0 = 40;
    XI1 = XI0 + 81;
    YI1 = 30;
    WriteAt(7, XI0, YI1, "例2"_sj);
    WriteAt(0, XI1, YI1, "鉛筆がy本ある。この鉛筆を1人に3本ずつx人に分けようとすると"_sj);
    WriteAt(0, XI1, YI1 + 50, "2本たりない。このときの数量の関係を等式に表しなさい。"_sj);

    // The grid is in the background colour: it only gives the frame in
    // which the figure's points are placed, in cells of 50.
    GridOriginX = 600;
    GridOriginY = 150;
    GridColumns = 11;
    TATE = 4;
    CCC2 = 15;
    GridCellSize = 50;
    DrawGrid();
    const double columns[6] = {0, 3, 6, 8, 9, 11};
    for (int i = 1; i <= 6; ++i) X_a(i) = columns[i - 1];
    Y_a(1) = 2;
    for (int i = 2; i <= 6; ++i) Y_a(i) = Y_a(1);
    for (int i = 1; i <= 6; ++i) {
        X_a(i) = GridLeftX + GridCellSize * X_a(i);
        Y_a(i) = GridBottomY - GridCellSize * Y_a(i);
    }

    // The y pencils: a thick bar that stops where the two missing ones begin.
    FE_SETDRAWWIDTH(0, 12);
    PsLINE(X_a(1), Y_a(1), false, X_a(5), Y_a(5), 9, 0, 0);
    FE_SETDRAWWIDTH(0, 5);
    WaitAnyKey();

    for (int k = 0; k < 6; ++k) {
        const PencilArc& arc = kPencilArcs[k];
        Point1X = X_a(arc.from);
        Point1Y = Y_a(arc.from);
        Point2X = X_a(arc.to);
        Point2Y = Y_a(arc.to);
        CCC1 = 3;
        CCC2 = arc.colour;
        CurveSide = arc.side;
        HABA = arc.step;
        CurveBulge = arc.bulge;
        LabelText_s = Utf8ToCp932(arc.label);
        DrawCurvedArrow();
        if (k == 4) {
            // The people stand under the shares; the answer's lines are not
            // moved by it.
            CCC1 = 3;
            X = X_a(2);
            Y = Y_a(1) + 100;
            AA_s = "x人"_sj;
            DrawMessage();
        }
        if (k < 5) WaitAnyKey();
    }
    FE_SETDRAWWIDTH(0, 3);

    WriteAt(3, XI1, YI1 + 50, "<解答>"_sj);
    WaitAnyKey();
    WriteAt(0, XI0, YI1 + 50, "今ある鉛筆の本数"_sj);
    WaitAnyKey();
    WriteAt(3, XI1, YI1 + 50, "y本"_sj);
    WaitAnyKey();
    WriteAt(0, XI0, YI1 + 50, "分けるのに必要な鉛筆の本数"_sj);
    WaitAnyKey();
    WriteAt(3, XI1, YI1 + 50, "3x本"_sj);
    WaitAnyKey();
    WriteAt(0, XI0, YI1 + 50, "y本は3x本より2本少ないから"_sj);
    WaitAnyKey();
    WriteAt(5, XI0, YI1 + 50, "y=3x-2"_sj);
    WriteAt(7, XI0, YI1 + 60, "教科書P78 問3　をやろう。"_sj);
}

}  // namespace tessarin
