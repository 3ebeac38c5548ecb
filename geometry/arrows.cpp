// Straight arrows with open heads, and a move on grid paper drawn as its two
// components with their lengths in cells.
#include <utility>

#include "geometry/geometry.h"
#include "surface/surface.h"

namespace geometry {

using namespace surface;

void Geometry::DrawArrow() {
    // From here on point 1 is the tip and point 4 the tail.
    if (ArrowDirection != -1) {
        std::swap(Point1X, Point4X);
        std::swap(Point1Y, Point4Y);
    }
    for (;;) {
        PsLINE(Point4X, Point4Y, false, Point1X, Point1Y, CCC2, 0, 0);
        GeoX3 = Point1X - Point4X;
        GeoY3 = Point1Y - Point4Y;
        const double length = SQR(GeoX3 * GeoX3 + GeoY3 * GeoY3);
        GeoX4 = Div(GeoX3, length);
        GeoY4 = Div(GeoY3, length);
        GeoFootX = Point1X - LabelRadius * GeoX4;
        GeoFootY = Point1Y - LabelRadius * GeoY4;
        Point2X = GeoFootX - (LabelRadius / 2) * GeoY4;
        Point2Y = GeoFootY + (LabelRadius / 2) * GeoX4;
        Point3X = GeoFootX + (LabelRadius / 2) * GeoY4;
        Point3Y = GeoFootY - (LabelRadius / 2) * GeoX4;
        PsLINE(Point2X, Point2Y, false, Point1X, Point1Y, CCC2, 0, 0);
        PsLINE(Point3X, Point3Y, false, Point1X, Point1Y, CCC2, 0, 0);
        if (ArrowHeads != 2) break;
        // The second head at the other end: the shaft is drawn again.
        ArrowHeads = 0;
        std::swap(Point1X, Point4X);
        std::swap(Point1Y, Point4Y);
    }
    ArrowDirection = 0;
}

void Geometry::DrawVectorComponents() {
    if (VectorX1 > VectorX2) {
        std::swap(VectorX1, VectorX2);
        std::swap(VectorY1, VectorY2);
    }
    FE_SETDRAWWIDTH(0, 4);
    // A component of length 0 has no arrow (its head would have no
    // direction); its text and label are drawn as usual.
    if (VectorX1 != VectorX2) {
        Point1X = VectorX1;
        Point1Y = VectorY1;
        Point4X = VectorX2;
        Point4Y = VectorY1;
        ArrowDirection = 1;
        CCC2 = 7;
        LabelRadius = 16;
        DrawArrow();
    }
    if (VectorY1 != VectorY2) {
        Point1X = VectorX2;
        Point1Y = VectorY1;
        Point4X = VectorX2;
        Point4Y = VectorY2;
        ArrowDirection = 1;
        CCC2 = 3;
        LabelRadius = 16;
        DrawArrow();
    }
    CCC2 = 3;
    LabelRadius = 16;
    ArrowDirection = 0;
    A_s = PfSTR244(Div(VectorX2 - VectorX1, GridCellSize));
    StripSpaces();
    VectorXText_s = A_s;
    A_s = PfSTR244(Div(VectorY1 - VectorY2, GridCellSize));
    StripSpaces();
    // The number text already writes "0.5": a "0" is put only before a
    // text that would begin with its point.
    VectorYText_s = PfLEFT24(A_s, 1) == "." ? "0" + A_s : A_s;
    if (PfMID24(VectorLabels_s, 1, 1) == "y") DrawVectorXLabel();
    if (PfMID24(VectorLabels_s, 2, 1) == "y") DrawVectorYLabel();
}

void Geometry::DrawVectorXLabel() {
    CCC1 = 7;
    X = (VectorX1 + VectorX2) / 2 - 14;
    Y = VectorY1 > VectorY2 ? VectorY1 - 44 : double(VectorY1);
    AA_s = VectorXText_s;
    DrawMessage();
}

void Geometry::DrawVectorYLabel() {
    CCC1 = 3;
    X = VectorX2;
    Y = (VectorY1 + VectorY2) / 2 - 16;
    AA_s = VectorYText_s;
    DrawMessage();
}

}  // namespace geometry
