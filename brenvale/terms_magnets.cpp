// Chapter 1, item ①: how many magnets pin up x sheets of drawing paper?
// The row of sheets three times on one screen, with two pupils' ways of
// counting, revealed one key at a time.
#include "brenvale/brenvale.h"
#include "surface/surface.h"

namespace brenvale {

using namespace surface;

void Brenvale::MagnetProblemP68() {
    // A figure 60 below the line above it; YI1 comes back at its bottom edge.
    auto figure = [this] {
        GridOriginX = XI1;
        GridOriginY = YI1 + 60;
        DrawPaperMagnets();
    };

    PsLINE(0, 0, true, 1760, 1300, 15, 2, 15);
    XI1 = 40;
    YI1 = 30;
    FE_SETDRAWWIDTH(0, 5);

    // Left column: the problem, and each pupil's heading.
    WriteAt(7, XI1, YI1, "教科書P68 x枚の画用紙をとめるのに必要なマグネットの個数は？"_sj);
    figure();
    WaitAnyKey();
    WriteAt(7, XI1, YI1 + 10, "<かりんさんの考え>"_sj);
    figure();
    WaitAnyKey();
    DrawFirstGroupingP68();
    WaitAnyKey();
    WriteAt(7, XI1, YI1 + 10, "<けいたさんの考え>"_sj);
    WriteAt(3, XI1 + 120, YI1 + 50, "x+(x+1)+x"_sj);
    WaitAnyKey();

    // Right column: the two explanations.
    XI1 = 640;
    YI1 = 80;
    WriteAt(3, XI1, YI1 + 10, "かりんさん"_sj);
    WaitAnyKey();
    WriteAfter(0, "…3個の組がx組で"_sj);
    WaitAnyKey();
    WriteAfter(5, "3x"_sj);
    WriteAfter(0, "個。"_sj);
    WriteAt(0, XI1, YI1 + 50, "1個が1組 だから "_sj);
    WaitAnyKey();
    WriteAfter(5, "3x+1"_sj);
    WriteAfter(0, "(個)"_sj);
    WaitAnyKey();
    WriteAt(3, XI1, YI1 + 60, "けいたさん"_sj);
    figure();
    WaitAnyKey();
    DrawSecondGroupingP68();
    WaitAnyKey();
    WriteAt(0, XI1, YI1 + 10, "上端は"_sj);
    WaitAnyKey();
    WriteAfter(5, "x"_sj);
    WriteAfter(0, "個。"_sj);
    WriteAfter(0, "まん中は"_sj);
    WaitAnyKey();
    WriteAfter(5, "(x+1)"_sj);
    WriteAfter(0, "個。"_sj);
    WriteAt(0, XI1, YI1 + 50, "下端は"_sj);
    WaitAnyKey();
    WriteAfter(5, "x"_sj);
    WriteAfter(0, "個。だから、"_sj);
    WaitAnyKey();
    WriteAt(5, XI1, YI1 + 50, "x+(x+1)+x"_sj);
    WriteAfter(0, "(個)。"_sj);
    WaitAnyKey();
    WriteAt(5, XI1, YI1 + 80, "x+(x+1)+x=3x+1"_sj);
}

void Brenvale::DrawFirstGroupingP68() {
    // Around the left, bottom and top magnets of one sheet: an arrow head
    // pointing left, from its left (l), bottom (b) and top (t) corners.
    auto group = [this](int l, int b, int t) {
        PsCONNECT({{X_a(l) - 10, Y_a(l)},
                   {X_a(b), Y_a(b) + 10},
                   {X_a(b) + 30, Y_a(b) - 20},
                   {X_a(l) + 50, Y_a(l)},
                   {X_a(t) + 30, Y_a(t) + 20},
                   {X_a(t), Y_a(t) - 10},
                   {X_a(l) - 10, Y_a(l)}},
                  5, false, 0);
    };
    group(1, 2, 4);
    group(5, 6, 8);
    group(15, 16, 18);
    // The one magnet left over, at the last sheet's right corner.
    PsLINE(X_a(17) - 40, Y_a(17) - 15, false, X_a(17), Y_a(17) + 15, 5, 1, 0);
}

void Brenvale::DrawSecondGroupingP68() {
    // The top, middle and bottom rows of magnets.
    PsLINE(X_a(4) - 20, Y_a(4), false, X_a(18) + 20, Y_a(18) + 35, 5, 1, 0);
    PsLINE(X_a(1) - 20, Y_a(1) - 18, false, X_a(17) + 20, Y_a(17) + 18, 5, 1, 0);
    PsLINE(X_a(2) - 20, Y_a(2), false, X_a(16) + 20, Y_a(16) - 35, 5, 1, 0);
}

}  // namespace brenvale
