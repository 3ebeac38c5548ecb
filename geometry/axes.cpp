// Coordinate axes: the area, its grid with every fifth line bold and
// numbered by cell, the two axes and their letters; then value labels.
#include <cmath>

#include "geometry/geometry.h"
#include "surface/surface.h"

namespace geometry {

using namespace surface;

void Geometry::AxisNumberText(double value) {
    A_s = PfSTR244(value);
    StripSpaces();
}

void Geometry::DrawAxes() {
    DR = FE_GETDRAWWIDTH(0);
    if (AxisXUnit == 0) AxisXUnit = 1;
    else if (AxisXUnit < 0) AxisXUnit = ABS(AxisXUnit);
    if (AxisYUnit == 0) AxisYUnit = 1;
    else if (AxisYUnit < 0) AxisYUnit = ABS(AxisYUnit);
    AxisXMin = AxisXMin / AxisXUnit;
    AxisXMax = AxisXMax / AxisXUnit;
    AxisYMin = AxisYMin / AxisYUnit;
    AxisYMax = AxisYMax / AxisYUnit;
    if (GridOriginX == 0 && GridOriginY == 0) {
        GridOriginX = 640;
        GridOriginY = 180;
    }
    AxisOriginX = GridOriginX + GridCellSize * ABS(AxisXMin);
    AxisOriginY = GridOriginY + GridCellSize * AxisYMax;
    AxisLeftX = GridOriginX;
    AxisTopY = GridOriginY;
    AxisRightX = AxisOriginX + GridCellSize * AxisXMax;
    AxisBottomY = AxisOriginY + GridCellSize * ABS(AxisYMin);
    AxisLabelSize = GridCellSize < 40 ? 26 : 30;
    FE_SETFONTSIZE(0, AxisLabelSize);
    CCC1 = 0;

    if (CCC2 != 0) {  // the marking colour is a switch here
        CheckLoopRange(AxisXMin, AxisXMax);
        CheckLoopRange(AxisYMin, AxisYMax);
        // Each counted loop takes its bound once and always runs its first pass.
        auto counted = [&](double from, double to, auto pass) {
            LoopIndex = from;
            do {
                pass();
                LoopIndex = LoopIndex + 1;
            } while (LoopIndex <= to);
        };
        counted(AxisXMin, AxisXMax, [&] {
            FE_SETDRAWWIDTH(0, 1);
            const double x = AxisOriginX + GridCellSize * LoopIndex - 0.5;
            PsLINE(x, AxisTopY, false, x, AxisBottomY, 0, 0, 0);
        });
        counted(AxisYMin, AxisYMax, [&] {
            const double y = AxisOriginY - GridCellSize * LoopIndex - 0.5;
            PsLINE(AxisLeftX, y, false, AxisRightX, y, 0, 0, 0);
        });
        // The cell number of a bold line, empty at 0 and when switched off.
        auto number = [&] {
            AxisNumberText(LoopIndex);
            if (LoopIndex == 0 || AxisLabelsOff == -1) A_s.clear();
            return PfKLEN(A_s);
        };
        counted(AxisXMin, AxisXMax, [&] {
            if (MOD(LoopIndex, 5) != 0) return;
            FE_SETDRAWWIDTH(0, 3);
            const double x = AxisOriginX + GridCellSize * LoopIndex;
            PsLINE(x, AxisTopY, false, x, AxisBottomY, 1, 0, 0);
            const double c = number();
            X = x - AxisLabelSize * (c / 2);
            Y = AxisOriginY;
            if (c > 0) PsSYMBOL40(X, Y, A_s, 2, 1, CCC1);
        });
        counted(AxisYMin, AxisYMax, [&] {
            if (MOD(LoopIndex, 5) != 0) return;
            FE_SETDRAWWIDTH(0, 3);
            const double y = AxisOriginY - GridCellSize * LoopIndex;
            PsLINE(AxisLeftX, y, false, AxisRightX, y, 1, 0, 0);
            const double c = number();
            X = AxisOriginX - AxisLabelSize * c;
            Y = y - AxisLabelSize / 2 - 4;
            if (c > 0) PsSYMBOL40(X, Y, A_s, 2, 1, CCC1);
        });
    }

    FE_SETDRAWWIDTH(0, 4);
    PsLINE(AxisOriginX, AxisTopY, false, AxisOriginX, AxisBottomY, 0, 0, 0);
    FE_SETDRAWWIDTH(0, 4);
    PsLINE(AxisLeftX, AxisOriginY, false, AxisRightX, AxisOriginY, 0, 0, 0);

    FE_SETFONTBOLD(0, -1);
    FE_SETFONTNAME(0, "Times New Roman"_sj);
    FE_SETFONTSIZE(0, 0.8f * AxisLabelSize);
    FE_SETFONTITALIC(0, -1);
    X = AxisRightX - 0.8f * AxisLabelSize;
    Y = AxisOriginY - 1.5f * AxisLabelSize;
    PsSYMBOL40(X, Y, "x", 3, 2, CCC1);
    FE_SETFONTNAME(0, "ゴシック"_sj);
    FE_SETFONTSIZE(0, AxisLabelSize);
    FE_SETFONTITALIC(0, 0);
    AA_s = "0";
    X = AxisOriginX - AxisLabelSize;
    Y = AxisOriginY;
    PsSYMBOL40(X, Y, AA_s, 2, 1, CCC1);
    AA_s = "y";
    X = AxisOriginX;
    Y = AxisTopY - AxisLabelSize / 2;
    PsSYMBOL40(X, Y, AA_s, 2, 1, CCC1);

    FE_SETFONTBOLD(0, 0);
    FE_SETFONTSIZE(0, 16);
    FE_SETDRAWWIDTH(0, DR);
    AxisLabelsOff = 0;
}

void Geometry::SplitLabelValue(double v) {
    // The tenths come from 10 v as it is stored: the product taken unrounded
    // would write 7 as 6.9 and 3.5 as 3.4. A negative value is its magnitude
    // with a "-" (line -5 at unit 0.5 reads -25 with the point after -2).
    const Single tenfold = 10 * ABS(v);
    LabelWhole = INT(ABS(v));
    LabelTenths = INT(tenfold) - 10 * LabelWhole;
}

void Geometry::DrawAxisValueLabels() {
    FE_SETFONTSIZE(0, AxisLabelSize);
    CCC1 = 0;
    CheckLoopRange(AxisXMin, AxisXMax);
    CheckLoopRange(AxisYMin, AxisYMax);
    // Draws the label of line LoopIndex with value v at (x, y) reckoned by
    // `left(c)`, c its character count; the point sits `drop` below.
    auto label = [&](double v, auto left, double y, double drop) {
        if (LoopIndex == 0 || MOD(LoopIndex, 5) != 0) return;
        const Single value = v;
        SplitLabelValue(value);
        AxisNumberText(LabelWhole);
        Str whole = (value < 0 ? "-" : "") + A_s;
        AxisNumberText(LabelTenths);
        const Str tenths = A_s;
        AA_s = LabelTenths == 0 ? whole : whole + tenths;
        const double c = PfKLEN(AA_s);
        X = left(c);
        Y = y;
        PsSYMBOL40(X, Y, AA_s, 2, 1, CCC1);
        if (LabelTenths != 0) PsSYMBOL40(X + AxisLabelSize * PfKLEN(whole) - 6, y + drop, ".", 2, 1, CCC1);
    };
    LoopIndex = AxisXMin;
    do {
        const double x = AxisOriginX + GridCellSize * LoopIndex;
        label(LoopIndex * AxisXUnit, [&](double c) { return x - AxisLabelSize * (c / 2); },
              AxisOriginY + 4, 4);
        LoopIndex = LoopIndex + 1;
    } while (LoopIndex <= AxisXMax);
    LoopIndex = AxisYMin;
    do {
        const double y = AxisOriginY - GridCellSize * LoopIndex;
        label(LoopIndex * AxisYUnit, [&](double c) { return AxisOriginX - AxisLabelSize * c; },
              y - AxisLabelSize / 2, 4);
        LoopIndex = LoopIndex + 1;
    } while (LoopIndex <= AxisYMax);
    FE_SETFONTSIZE(0, 16);
}

}  // namespace geometry
