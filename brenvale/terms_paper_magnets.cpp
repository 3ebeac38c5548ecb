// The row of sheets of drawing paper pinned up with magnets, behind the
// magnet problems of chapters 1 and 2: two whole sheets, the tip of a third,
// an ellipsis, the tip of the second-to-last sheet and the last sheet.
#include "brenvale/brenvale.h"
#include "surface/surface.h"

namespace brenvale {

using namespace surface;

namespace {

// The figure's points in cells: x to the right, y up from the frame's
// bottom edge. Each sheet is a square on its corner (left, bottom, right,
// top), the next one 3 cells on; 10 to 14 are where the middle is cut off.
const double kPointCells[19][2] = {
    {0, 2},  {2, 0},  {4, 2},  {2, 4},   // sheet 1
    {3, 2},  {5, 0},  {7, 2},  {5, 4},   // sheet 2
    {6, 2},  {7, 1},  {7, 3},            // tip of sheet 3
    {10, 1}, {11, 2}, {10, 3},           // tip of the second-to-last sheet
    {10, 2}, {12, 0}, {14, 2}, {12, 4},  // last sheet
    {13, 2},
};

}  // namespace

void Brenvale::DrawPaperMagnets() {
    // The frame only: no grid line is drawn in the background colour.
    GridColumns = 15;
    TATE = 4;
    GridCellSize = 35;
    CCC2 = 15;
    DrawGrid();

    for (int i = 1; i <= 19; ++i) {
        X_a(i) = kPointCells[i - 1][0];
        Y_a(i) = kPointCells[i - 1][1];
    }
    for (int i = 1; i <= 19; ++i) {
        X_a(i) = PlotOriginX + GridCellSize * X_a(i);
        Y_a(i) = PlotOriginY - GridCellSize * Y_a(i);
    }

    // A magnet sits 20 inside a sheet's corner.
    auto magnet = [](double x, double y) { PsCIRCLE(x, y, 10, 0, 1, 0, 0, true, 0); };

    PsCONNECT({{X_a(1), Y_a(1)}, {X_a(2), Y_a(2)}, {X_a(3), Y_a(3)}, {X_a(4), Y_a(4)},
               {X_a(1), Y_a(1)}},
              0, true, 13);
    PsCONNECT({{X_a(5), Y_a(5)}, {X_a(6), Y_a(6)}, {X_a(7), Y_a(7)}, {X_a(8), Y_a(8)},
               {X_a(5), Y_a(5)}},
              0, true, 11);
    PsCONNECT({{X_a(9), Y_a(9)}, {X_a(10), Y_a(10)}, {X_a(11), Y_a(11)}, {X_a(9), Y_a(9)}}, 0,
              true, 13);
    magnet(X_a(1) + 20, Y_a(1));
    magnet(X_a(2), Y_a(2) - 20);
    magnet(X_a(4), Y_a(4) + 20);
    magnet(X_a(5) + 20, Y_a(5));
    magnet(X_a(6), Y_a(6) - 20);
    magnet(X_a(8), Y_a(8) + 20);
    magnet(X_a(9) + 20, Y_a(9));
    PsSYMBOL40(X_a(11) + 15, Y_a(11), "…"_sj, 5, 5, 0);
    PsCONNECT({{X_a(12), Y_a(12)}, {X_a(13), Y_a(13)}, {X_a(14), Y_a(14)}, {X_a(12), Y_a(12)}},
              0, true, 11);
    PsCONNECT({{X_a(15), Y_a(15)}, {X_a(16), Y_a(16)}, {X_a(17), Y_a(17)}, {X_a(18), Y_a(18)},
               {X_a(15), Y_a(15)}},
              0, true, 13);
    magnet(X_a(15) + 20, Y_a(15));
    magnet(X_a(16), Y_a(16) - 20);
    magnet(X_a(17) - 20, Y_a(17));
    magnet(X_a(18), Y_a(18) + 20);

    // The caller's text goes on from the sheets' bottom corners.
    YI1 = GridBottomY;
}

}  // namespace brenvale
