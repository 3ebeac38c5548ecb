// Chapter 2, item ⑥: why x sheets of drawing paper in two overlapping rows
// take 5x+2 magnets. Two copies of the figure side by side: on the left the
// magnets fall into x groups of five and one pair, on the right into five
// tiers of x, x+1, x, x+1 and x magnets.
#include "brenvale/brenvale.h"
#include "surface/surface.h"

namespace brenvale {

using namespace surface;

void Brenvale::MagnetProblemP73() {
    // Two rows of sheets from (XI1, YI1 + 60), the lower 100 below the
    // upper, so that they share their middle tier of magnets. DrawPaperMagnets
    // keeps only the row drawn last: the upper row's points go to T_a/F_a
    // 1-19, the lower row's to 21-39. YI1 comes back at the lower row's
    // bottom edge.
    auto figure = [this] {
        GridOriginX = XI1;
        GridOriginY = YI1 + 60;
        DrawPaperMagnets();
        for (int i = 1; i <= 19; ++i) {
            T_a(i) = X_a(i);
            F_a(i) = Y_a(i);
        }
        GridOriginX = XI1;
        GridOriginY = GridOriginY + 100;
        DrawPaperMagnets();
        for (int i = 1; i <= 19; ++i) {
            T_a(20 + i) = X_a(i);
            F_a(20 + i) = Y_a(i);
        }
    };

    PsLINE(0, 0, true, 1760, 1300, 15, 2, 15);
    XI1 = 40;
    YI1 = 30;
    FE_SETDRAWWIDTH(0, 5);

    // Left: five magnets for each column of sheets, and two more.
    WriteAt(3, XI1, YI1, "教科書P73 x枚の画用紙をとめるのに必要なマグネットの個数は？"_sj);
    figure();
    WaitAnyKey();
    WriteAt(3, XI1, YI1 + 10, "5*x+2="_sj);
    WriteAfter(5, "5x+2(個)"_sj);
    WaitAnyKey();
    WriteAt(7, XI1, YI1 + 50, "<説明>"_sj);
    DrawFirstGroupingP73();
    WaitAnyKey();
    WriteAt(0, XI1, YI1 + 50, "5個の組がx組で"_sj);
    WaitAnyKey();
    WriteAt(0, XI1, YI1 + 50, "5*x="_sj);
    WriteAfter(5, "5x"_sj);
    WriteAfter(0, "個。"_sj);
    WaitAnyKey();
    WriteAt(0, XI1, YI1 + 50, "2個が1組 だから "_sj);
    WaitAnyKey();
    WriteAfter(5, "5x+2"_sj);
    WriteAfter(0, "(個)"_sj);
    WaitAnyKey();

    // Right: the five tiers.
    XI1 = 600;
    YI1 = 30;
    FE_SETDRAWWIDTH(0, 5);
    figure();
    WaitAnyKey();
    WriteAt(3, XI1, YI1 + 10, " 3*x+2*(x+1)"_sj);
    WriteAt(0, XI1, YI1 + 50, "=3x+2x+2="_sj);
    WriteAfter(5, "5x+2(個)"_sj);
    WaitAnyKey();
    WriteAt(7, XI1, YI1 + 50, "<説明>"_sj);
    DrawSecondGroupingP73();
    WaitAnyKey();
    WriteAfter(0, "1,3,5段は"_sj);
    WaitAnyKey();
    WriteAfter(3, "x"_sj);
    WriteAfter(0, "個 だから"_sj);
    WaitAnyKey();
    WriteAt(3, XI1, YI1 + 50, "3*x(個)"_sj);
    WaitAnyKey();
    WriteAfter(0, "  2,4段は"_sj);
    WaitAnyKey();
    WriteAt(3, XI1, YI1 + 50, "(x+1)"_sj);
    WriteAfter(0, "個 だから"_sj);
    WaitAnyKey();
    WriteAt(3, XI1, YI1 + 50, "2*(x+1)(個)"_sj);
}

void Brenvale::DrawFirstGroupingP73() {
    // Point i of the upper row, of the lower row, moved by (dx, dy).
    auto upper = [this](int i, double dx, double dy) { return Pt{T_a(i) + dx, F_a(i) + dy}; };
    auto lower = [this](int i, double dx, double dy) {
        return Pt{T_a(20 + i) + dx, F_a(20 + i) + dy};
    };
    // One column of two sheets from its upper sheet's top (t), left (l) and
    // bottom (b) corners: top magnet, left magnet, the shared middle one,
    // the lower sheet's left magnet and the bottom one.
    auto group = [&](int t, int l, int b) {
        PsCONNECT({upper(t, 0, 20), upper(l, 20, 0), upper(b, 0, -20), lower(l, 20, 0),
                   lower(b, 0, -20)},
                  7, false, 0);
    };
    group(4, 1, 2);
    group(8, 5, 6);
    group(18, 15, 16);
    // The two magnets at the last sheets' right corners.
    PsCONNECT({upper(17, -20, 0), lower(17, -20, 0)}, 7, false, 0);
}

void Brenvale::DrawSecondGroupingP73() {
    // Tiers 3, 4 and 5 are the lower row's top, middle and bottom magnets,
    // framed as chapter 1 frames one row's.
    DrawSecondGroupingP68();
    for (int i = 1; i <= 19; ++i) {
        X_a(i) = T_a(i);
        Y_a(i) = F_a(i);
    }
    // Tiers 1 and 2: the upper row's top and middle magnets.
    PsLINE(X_a(4) - 20, Y_a(4), false, X_a(18) + 20, Y_a(18) + 35, 5, 1, 0);
    PsLINE(X_a(1) - 20, Y_a(1) - 18, false, X_a(17) + 20, Y_a(17) + 18, 5, 1, 0);
}

}  // namespace brenvale
