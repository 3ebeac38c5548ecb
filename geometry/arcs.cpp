// A point on the curved arc over a chord: built for the chord laid flat
// from point 1, then turned about point 1 onto the chord itself.
#include "geometry/geometry.h"
#include "surface/surface.h"

namespace geometry {

using namespace surface;

void Geometry::ComputeArcPoint() {
    GeoX3 = Point2X - Point1X;
    GeoY3 = Point2Y - Point1Y;
    const Single h = SQR(GeoX3 * GeoX3 + GeoY3 * GeoY3) / 2;
    Point3X = Point1X + h;
    Point3Y = Point1Y;
    ComputeSegmentAngle();
    const Single theta = SegmentAngle;
    const Single t = CurveAngle * PiValue / 180;
    // The half-axis across the chord is the bulge taken to the chord's scale
    // and back: coincident points divide by zero.
    const Single across = Div(CurveBulge, h) * h;
    const Single ex = Point3X + h * COS(t);
    const Single ey = Point3Y - across * SIN(t);
    Point2X = ex;
    Point2Y = ey;
    ComputeSegmentAngle();
    PointRadius = SQR((ex - Point1X) * (ex - Point1X) + (ey - Point1Y) * (ey - Point1Y));
    Point4X = Point1X + PointRadius * COS(theta + SegmentAngle);
    Point4Y = Point1Y - PointRadius * SIN(theta + SegmentAngle);
}

}  // namespace geometry
