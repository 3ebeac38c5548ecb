// Straight lines given by two points: the foot of a perpendicular, the
// crossing of two lines, and a line carried on to a bound.
#include "geometry/geometry.h"
#include "surface/surface.h"

namespace geometry {

using namespace surface;

void Geometry::FindPerpendicularFoot() {
    if (GeoX2 == GeoX1) {  // vertical, or the two points coincide
        GeoFootX = GeoX1;
        GeoFootY = GeoY3;
    } else if (GeoY2 == GeoY1) {
        GeoFootX = GeoX3;
        GeoFootY = GeoY1;
    } else {
        // The working values live in the axes ranges.
        AxisXMin = (GeoY2 - GeoY1) / (GeoX2 - GeoX1);
        AxisYMin = GeoY1 - AxisXMin * GeoX1;
        AxisXMax = -1 / AxisXMin;
        AxisYMax = GeoY3 - AxisXMax * GeoX3;
        GeoFootX = -(AxisYMin - AxisYMax) / (AxisXMin - AxisXMax);
        GeoFootY = (AxisXMin * AxisYMax - AxisXMax * AxisYMin) / (AxisXMin - AxisXMax);
    }
    PsCIRCLE(GeoFootX, GeoFootY, 2, 15, 1, 0, 0, true, 15);
}

void Geometry::IntersectLines() {
    // Slope 1000 still marks a vertical line, but a line is taken as vertical
    // by its points: a true slope of 1000 is then an ordinary slope.
    constexpr double kVertical = 1000;
    const bool vertical1 = GeoY2 != GeoY1 && GeoX2 == GeoX1;
    const bool vertical2 = GeoY3 != GeoY4 && GeoX3 == GeoX4;
    if (GeoY2 == GeoY1) {
        GeoSlope1 = 0;
        GeoIntercept1 = GeoY1;
    } else if (vertical1) {
        GeoSlope1 = kVertical;
        GeoCrossX = GeoX1;
    } else {
        GeoSlope1 = (GeoY2 - GeoY1) / (GeoX2 - GeoX1);
        GeoIntercept1 = GeoY1 - GeoSlope1 * GeoX1;
    }
    if (GeoY3 == GeoY4) {
        GeoSlope2 = 0;
        GeoIntercept2 = GeoY3;
    } else if (vertical2) {
        GeoSlope2 = kVertical;
        GeoCrossX = GeoX3;
    } else {
        GeoSlope2 = (GeoY4 - GeoY3) / (GeoX4 - GeoX3);
        GeoIntercept2 = GeoY3 - GeoSlope2 * GeoX3;
    }
    if (vertical1 && vertical2) return;  // parallel
    if (vertical1) {
        GeoCrossY = GeoSlope2 * GeoCrossX + GeoIntercept2;
        return;
    }
    if (vertical2) {
        GeoCrossY = GeoSlope1 * GeoCrossX + GeoIntercept1;
        return;
    }
    if (GeoSlope1 == GeoSlope2) return;  // parallel, or the same line
    const double d = GeoSlope2 - GeoSlope1;
    GeoCrossX = -(GeoIntercept2 - GeoIntercept1) / d;
    GeoCrossY = (-GeoSlope1 * (GeoIntercept2 - GeoIntercept1) + GeoIntercept1 * d) / d;
}

void Geometry::ExtendLineToBound() {
    if (GeoX2 == GeoX1) {
        WorkX = GeoX1;
        WorkY = GeoY3;
        return;
    }
    if (GeoY1 == GeoY2) {
        WorkX = GeoX3;
        WorkY = GeoY1;
        return;
    }
    const Single m = (GeoY2 - GeoY1) / (GeoX2 - GeoX1);
    const Single b = GeoY1 - m * GeoX1;
    if (GeoX3 < 0) {
        WorkX = (GeoY3 - b) / m;
        WorkY = GeoY3;
    }
    if (GeoY3 < 0) {
        WorkY = m * GeoX3 + b;
        WorkX = GeoX3;
    }
}

}  // namespace geometry
