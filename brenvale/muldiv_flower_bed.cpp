// Chapter 4, item ④: the flower bed 3 m by 2a m, widened by 1 m. Its area
// drawn as cells, written as 3(2a+1) and worked out cell by cell to 6a+3,
// leads to the distributive law.
#include "brenvale/brenvale.h"
#include "surface/surface.h"

namespace brenvale {

using namespace surface;

namespace {

// Cells of the bed (three rows of two, a m wide) and of the widening (one
// column, 1 m wide), all 1 m high.
constexpr double kBedCellWidth = 88;
constexpr double kWideningCellWidth = 70;
constexpr double kCellHeight = 70;

}  // namespace

void Brenvale::FlowerBedAreaTask() {
    // One cell at (x, y), 1 m high, with `text` centred in colour 5.
    auto cell = [this](double x, double y, double width, double fill, const Str& text) {
        X = x;
        Y = y;
        HABA = width;
        TATE = kCellHeight;
        CCC1 = 5;
        CCC2 = 0;
        CCC3 = fill;
        A_s = text;
        DrawTextBox();
    };
    // The bed's cells row by row, "" for the bare cells.
    auto bed_cells = [&](const Str& text) {
        for (CellRow = 1; CellRow <= 3; CellRow = CellRow + 1) {
            FigureLeftX = XI1 + 100;
            for (int column = 1; column <= 2; ++column)
                cell(FigureLeftX + kBedCellWidth * (column - 1),
                     FigureTopY + kCellHeight * (CellRow - 1), kBedCellWidth, 9, text);
        }
    };
    auto widening_cells = [&](const Str& text) {
        for (CellRow = 1; CellRow <= 3; CellRow = CellRow + 1)
            cell(FigureLeftX + 2 * kBedCellWidth, FigureTopY + kCellHeight * (CellRow - 1),
                 kWideningCellWidth, 7, text);
    };
    // A dotted mark from (x1, y1) to (x2, y2), `step` degrees a dot. The
    // formula marks carry no label and keep the text colour in force: the
    // last mark drawn left LabelText_s empty.
    auto mark = [this](double x1, double y1, double x2, double y2, double bulge, double side,
                       double step) {
        Point1X = x1;
        Point1Y = y1;
        Point2X = x2;
        Point2Y = y2;
        CurveBulge = bulge;
        CurveSide = side;
        HABA = step;
        CCC2 = 3;
        DrawCurvedArrow();
    };
    auto dimension = [&](double x1, double y1, double x2, double y2, double side, double step,
                         const Str& label) {
        CCC1 = 0;
        LabelText_s = label;
        mark(x1, y1, x2, y2, 1, side, step);
    };

    PsLINE(0, 0, true, 1320, 1300, 15, 2, 15);
    // Borders and dots 5 wide, for this item and those drawn after it.
    FE_SETDRAWWIDTH(0, 5);
    XI1 = 44;
    YI1 = 30;
    WriteAt(0, XI1, YI1, "縦3m,横2amの長方形の花壇があります。"_sj);
    WriteAt(0, XI1, YI1 + 60, "横を1mだけのばしたときの花壇の面積を求めなさい。"_sj);
    FigureTopY = Y + 120;
    bed_cells(Str());
    const double left = FigureLeftX, top = FigureTopY;
    const double bottom = top + 3 * kCellHeight, bed_right = left + 2 * kBedCellWidth;
    dimension(left, top, left, bottom, 1, 2, "3m"_sj);
    dimension(left, top, bed_right, top, -1, 1, "2am"_sj);
    WaitAnyKey();

    widening_cells(Str());
    dimension(bed_right, top, bed_right + kWideningCellWidth, top, -1, 2, "1m"_sj);
    WaitAnyKey();

    WriteAt(5, XI1 + 440, YI1 + 60, "<式>"_sj);
    WaitAnyKey();

    // 3(2a+1) in three pieces, so that the marks can find the 3, the 2a
    // and the 1.
    X_a(1) = XI1 + 484 + 10;
    Y_a(1) = YI1 + 60;
    WriteAt(0, XI1 + 484, YI1 + 60, "3(2"_sj);
    SavedLineY = YI1;
    X_a(2) = XI2;
    WriteAfter(0, "a+"_sj);
    X_a(3) = XI2 + 10;
    WriteAfter(0, "1)"_sj);
    WaitAnyKey();

    bed_cells("a"_sj);
    widening_cells("1"_sj);
    WaitAnyKey();

    // The total two lines down, the working into the line between later.
    WriteAt(5, XI1 + 440, YI1 + 140, "=6a+3 (m^2)"_sj);
    WaitAnyKey();
    WriteAt(0, XI1 + 440, SavedLineY + 70, "=3*2a+3*1"_sj);
    WaitAnyKey();

    mark(X_a(1), Y_a(1), X_a(2), Y_a(1), 1, -1, 1);
    WaitAnyKey();
    mark(X_a(1), Y_a(1), X_a(3), Y_a(1), 2, -1, 1);
    WaitAnyKey();

    WriteAt(3, XI1 + 440, YI1 + 150, "分配法則を使う！"_sj);
}

}  // namespace brenvale
