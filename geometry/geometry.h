// The geometry and graph-plotting library, on top of the framework and its
// figures: every program carries it. No lesson calls it yet; like every
// routine of the system its routines take no parameters: a caller sets the
// registers below, calls, and reads the results back.
#pragma once

#include "framework/figures.h"

namespace geometry {

using framework::Array;
using framework::Single;
using framework::Str;

class Geometry : public framework::Figures {
public:
    // ---- registers ----
    // Points of the line routines and the factor pairs' number (GeoY4).
    Single GeoX1, GeoY1, GeoX2, GeoY2, GeoX3, GeoY3, GeoX4, GeoY4;
    Single GeoFootX, GeoFootY;  // foot of a perpendicular; base of an arrow head
    Single GeoSlope1, GeoIntercept1, GeoSlope2, GeoIntercept2;  // lines as y = s x + i
    Single GeoCrossX, GeoCrossY;
    // A fourth figure point beside the three of the figures, and the radius
    // of a plotted point's disc.
    Single Point4X, Point4Y, PointRadius;

    // The axes state. Its frame is the grid paper's frame: one storage, two
    // names, so plotting works on grid paper and on axes alike.
    Single& AxisLeftX = GridLeftX;
    Single& AxisTopY = GridTopY;
    Single& AxisRightX = GridRightX;
    Single& AxisBottomY = GridBottomY;
    Single& AxisOriginX = PlotOriginX;
    Single& AxisOriginY = PlotOriginY;
    // The ranges, in values; DrawAxes leaves them in cells. The line
    // routines use them as scratch too.
    Single AxisXMin, AxisXMax, AxisYMin, AxisYMax;
    Single AxisXUnit, AxisYUnit;  // the values of one cell
    Single AxisLabelsOff;         // -1: the bold lines of one DrawAxes go unnumbered
    Single AxisLabelSize;         // font size and reckoned width of a number's character

    // Square roots.
    Single RootRadicand, RootOriginal, RootCoefficient;
    Str RootCoefficientText_s, RootSimplifiedText_s, RootOriginalText_s, RootRadicalText_s;
    Str RootPart_s;  // the radical part while the texts are built

    // Plots.
    Single PlotPointX, PlotPointY;
    Single PlotKind;  // 1 y = a/x, 2 y = a x^2, 3 y = a x + b, 4 a x + b y = c
    Single PlotCoefA, PlotCoefB, PlotCoefC;
    Single PlotLabelOffsetX, PlotLabelOffsetY;

    // Arrows and vectors.
    Single ArrowDirection;  // -1: the tip is point 1, else point 4
    Single ArrowHeads;      // 2: a head at each end
    Single VectorX1, VectorY1, VectorX2, VectorY2;
    Str VectorLabels_s;     // "y" first: label across; "y" second: label up or down
    Str VectorXText_s, VectorYText_s;

    // Prime factors (slot k of PrimeFactors: prime, exponent) and arc points.
    Single FactorNumber;
    Array<Single, 10>& SmallPrimes = R_a;
    Single& PrimeFactors(double k, double c,
                         std::source_location where = std::source_location::current()) {
        return Corners_a(k, c, where);
    }
    Single CurveAngle;  // degrees on the arc: 0 at point 2, 180 at point 1

    // Layouts.
    Str DivisorText_s;  // left of the division's ")"; the upper text is A1_s
    Single ColumnX;
    Single FactorPairCount;

    // ---- routines ----
    // The foot of the perpendicular from point 3 to the line through points
    // 1 and 2, marked with a disc of colour 15 (the ranges are scratch).
    void FindPerpendicularFoot();
    // Where the line through points 1, 2 meets the line through points 3, 4;
    // parallel lines leave the cross point as it was.
    void IntersectLines();
    // k√m of RootRadicand and the texts of √n = k√m.
    void SimplifySquareRoot();
    // The axes area, grid, cell numbers, axes and letters; and the value
    // labels of every fifth line.
    void DrawAxes();
    void DrawAxisValueLabels();
    void PlotLabelledPoint();
    void PlotGraph();
    void PlotCurve();
    void PlotVerticalLine();
    // A_s with its leading sign turned over, or "-" put in front.
    void FlipLeadingSign();
    void DrawArrow();
    void DrawVectorComponents();
    void DrawVectorXLabel();
    void DrawVectorYLabel();
    // WorkX, WorkY where the line through points 1, 2 meets x = GeoX3 (when
    // GeoY3 < 0) or y = GeoY3 (when GeoX3 < 0).
    void ExtendLineToBound();
    void FactorizeIntoPrimes();
    void ComputeArcPoint();
    void DrawBrace();
    void DrawDivisionLayout();
    void DrawCompactTextBox();
    void DrawCompactTwoLineBox();
    void MeasureCompactTextWidth();
    // A_s in brackets when it holds a "-".
    void ParenthesizeNegative();
    void ListFactorPairs();
    // A_s without any "(", ")" or "+".
    void StripBracketsAndPlus();

protected:
    using Figures::Figures;
    // The references above must not be copied from another object.
    Geometry(const Geometry&) = delete;
    Geometry& operator=(const Geometry&) = delete;

private:
    // The number text of the axes (no blank); c its character count.
    void AxisNumberText(double value);
    // A counted loop's bound is taken once; a single-precision counter stops
    // growing at 2^24, so a loop reaching that far could never end.
    static void CheckLoopRange(double from, double to,
                               std::source_location where = std::source_location::current());
    // A unit of 0 is taken as 1 by the plots that place points and labels.
    void TakeZeroUnitsAsOne();
    // The label offsets and the units hold for one plot: back to 0 and 1.
    void ResetPlotInputs();
    // The whole part and tenths digit of a value label.
    void SplitLabelValue(double v);
    Single LabelWhole, LabelTenths;
};

}  // namespace geometry
