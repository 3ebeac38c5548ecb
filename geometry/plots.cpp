// Plotting on axes or grid paper: a labelled point, the graph of one of four
// relations as a row of dots, and a vertical line.
#include "geometry/geometry.h"
#include "surface/surface.h"

namespace geometry {

using namespace surface;

namespace {

// The value of y for x in the relation of the given kind (kind 4 has been
// turned into kind 3 before a curve is traced).
double Relation(double kind, double a, double b, double x) {
    if (kind == 1) return a / x;
    if (kind == 2) return a * x * x;
    return a * x + b;
}

}  // namespace

void Geometry::TakeZeroUnitsAsOne() {
    if (AxisXUnit == 0) AxisXUnit = 1;
    if (AxisYUnit == 0) AxisYUnit = 1;
}

void Geometry::ResetPlotInputs() {
    PlotLabelOffsetX = 0;
    PlotLabelOffsetY = 0;
    AxisXUnit = 1;
    AxisYUnit = 1;
}

void Geometry::PlotLabelledPoint() {
    TakeZeroUnitsAsOne();
    const Single sx = AxisOriginX + GridCellSize * PlotPointX / AxisXUnit;
    const Single sy = AxisOriginY - GridCellSize * PlotPointY / AxisYUnit;
    PsCIRCLE(sx, sy, PointRadius, CCC3, 1, 0, 0, true, CCC3);
    CCC1 = CCC3;
    X = sx - 20 + PlotLabelOffsetX;
    Y = sy - 40 + PlotLabelOffsetY;
    AA_s = LabelText_s;
    DrawMessage();
    ResetPlotInputs();
}

void Geometry::PlotGraph() {
    const Single pen = FE_GETDRAWWIDTH(0);
    TakeZeroUnitsAsOne();
    if (PlotKind == 4 && PlotCoefB == 0) {
        PlotCoefC = Div(PlotCoefC, PlotCoefA);  // a x = c: the line x = c / a
        PlotVerticalLine();
    } else if (PlotKind == 4) {
        const Single b = PlotCoefB;
        PlotCoefA = -PlotCoefA / b;
        PlotCoefB = PlotCoefC / b;
        PlotKind = 3;
        PlotCurve();
    } else {
        PlotCurve();
    }
    CCC1 = CCC3;
    X = X + PlotLabelOffsetX;
    Y = Y + PlotLabelOffsetY;
    AA_s = LabelText_s;
    DrawMessage();
    ResetPlotInputs();
    FE_SETDRAWWIDTH(0, pen);
}

void Geometry::PlotCurve() {
    WorkX = AxisXMin;
    HABA = 5000;
    // x = 0 is stepped over for every kind but the line (y = a/x has no value there).
    if (PlotKind != 3 && WorkX == 0) WorkX = WorkX + 0.002f;
    WorkY = Relation(PlotKind, PlotCoefA, PlotCoefB, WorkX);
    Single x = WorkX, y = WorkY;
    const Single step = (AxisXMax - AxisXMin) / HABA;
    LoopIndex = 0;
    do {
        const Single sx = AxisOriginX + GridCellSize * x / AxisXUnit;
        const Single sy = AxisOriginY - GridCellSize * y / AxisYUnit;
        if (AxisTopY <= sy && sy <= AxisBottomY) {
            X = sx;
            Y = sy;
            PsCIRCLE(sx, sy, 1, CCC3, 1, 0, 0, true, CCC3);
        }
        x = x + step;
        if (PlotKind != 3 && x == 0) x = x + step;
        y = Relation(PlotKind, PlotCoefA, PlotCoefB, x);
        LoopIndex = LoopIndex + 1;
    } while (LoopIndex <= HABA);
}

void Geometry::PlotVerticalLine() {
    FE_SETDRAWWIDTH(0, 5);
    const Single sx = AxisOriginX + GridCellSize * PlotCoefC / AxisXUnit;
    const Single top = AxisOriginY - GridCellSize * AxisYMax / AxisYUnit;
    PsLINE(sx, AxisOriginY - GridCellSize * AxisYMin / AxisYUnit, false, sx, top, CCC3, 0, 0);
    X = sx + 10;
    Y = top;
}

}  // namespace geometry
