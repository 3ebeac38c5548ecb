#include <source_location>
#include <utility>

#include "framework/figures.h"
#include "surface/surface.h"

namespace framework {

using namespace surface;

namespace {

// Direction from a point to one dx, dy away, counter-clockwise as seen with
// y downwards. Only a non-zero dy is divided by, so a horizontal segment and
// coincident points need no guard; coincident points point left.
double Direction(double dx, double dy, double pi) {
    if (dy > 0) return 3 * pi / 2 + PnFAtn(dx / dy);
    if (dy < 0) return pi / 2 + PnFAtn(dx / dy);
    if (dx > 0) return 0;
    return pi;
}

}  // namespace

// ---- directions ----

void Figures::ComputeSegmentAngle() {
    PiValue = 3.14159f;
    SegmentAngle = Direction(Point2X - Point1X, Point2Y - Point1Y, PiValue);
    SegmentAngleDeg = SegmentAngle * 180 / PiValue;
}

void Figures::ComputeArmAngles() {
    PiValue = 3.14159f;
    SegmentAngle = Direction(Point2X - Point1X, Point2Y - Point1Y, PiValue);
    Arm1Turn = 1 - SegmentAngle / (2 * PiValue);
    Arm1Angle = SegmentAngle;
    SegmentAngle = Direction(Point3X - Point1X, Point3Y - Point1Y, PiValue);
    Arm2Turn = 1 - SegmentAngle / (2 * PiValue);
    Arm2Angle = SegmentAngle;
    if (LabelSide == -1) {
        std::swap(Arm1Turn, Arm2Turn);
        std::swap(Arm1Angle, Arm2Angle);
    }
    BisectorAngle = (Arm1Angle + Arm2Angle) / 2;
    // A sweep through the direction 0: the plain mean points the other way.
    if (Arm1Angle > Arm2Angle) BisectorAngle += PiValue;
}

// ---- curved dotted arrow ----

void Figures::DrawCurvedArrow() {
    // Small bulges count in steps of 16 units, negative ones in units; the
    // scaled value is written back.
    if (CurveBulge > 0 && CurveBulge < 16)
        CurveBulge = CurveBulge * 16;
    else if (CurveBulge < 0)
        CurveBulge = -CurveBulge;
    const Single b = CurveBulge;
    const Single sx = Point1X, sy = Point1Y, ex = Point2X, ey = Point2Y;
    const Single h = SQR((ex - sx) * (ex - sx) + (ey - sy) * (ey - sy)) / 2;
    // The bow is laid out on a segment running from S to the right, centred
    // here, then turned about S to the segment's direction.
    Point3X = sx + h;
    Point3Y = sy;
    ComputeSegmentAngle();
    const Single theta = SegmentAngle;

    Single t0 = 0, t1 = 180;  // upper half, from E back towards S: the left
    if (CurveSide > 0) {      // lower half, from S: the right of S to E
        t0 = 180;
        t1 = CurveExtent > 0 ? 180 + CurveExtent : 360;
    } else if (CurveSide < 0 && CurveExtent > 0) {
        t1 = CurveExtent;
    }

    // The dot at parameter t (degrees); point 1 still holds S.
    auto bow_point = [&](const Single& t, Single& dx, Single& dy) {
        SegmentAngleDeg = t * PiValue / 180;
        Point2X = Point3X + h * COS(SegmentAngleDeg);
        Point2Y = Point3Y - Div(b, h) * h * SIN(SegmentAngleDeg);  // S = E fails here
        const Single ux = Point2X, uy = Point2Y;
        ComputeSegmentAngle();
        const Single r = SQR((ux - sx) * (ux - sx) + (uy - sy) * (uy - sy));
        dx = sx + r * COS(theta + SegmentAngle);
        dy = sy - r * SIN(theta + SegmentAngle);
    };

    // A step that cannot advance t would never end the dots: one of 0 or
    // less, or one too small to change t at the end of the range.
    if (!(HABA > 0) || Single(t1 + HABA) == t1)
        Raise(kErrInvalidArgument, std::source_location::current());
    Single t = t0, dx, dy;
    do {
        bow_point(t, dx, dy);
        PsCIRCLE(dx, dy, 0.5, CCC2, 1, 0, 0, true, CCC2);
        const Single next = t + HABA;
        if (next == t) Raise(kErrInvalidArgument, std::source_location::current());
        t = next;
    } while (t <= t1);

    const Single tm = (t0 + t1) / 2;
    bow_point(tm, dx, dy);
    Point3X = ex;
    Point3Y = ey;
    Point2X = sx;
    Point2Y = sy;
    Point1X = dx;
    Point1Y = dy;
    LabelRadius = 0;
    LabelSide = CurveSide;
    DrawPointLabel();
    LabelText_s.clear();
    CurveExtent = 0;
}

// ---- labels ----

void Figures::DrawPointLabel() {
    // The width is always the markup printer's, also for compact labels.
    A_s = LabelText_s;
    MeasureTextWidth();
    ComputeArmAngles();
    // Half the height of the label's box; a stacked fraction is taller.
    const Single half = PfKINSTR(LabelText_s, "ﾀ"_sj) > 0 ? 40 : 22;
    // The box moves out from point 1 along the bisector by LabelRadius and
    // half its own size in each axis, so at radius 0 it touches the point.
    X = Point1X + LabelRadius * COS(BisectorAngle) + LLT * (COS(BisectorAngle) / 2 - 0.5) +
        LabelOffsetX;
    Y = Point1Y - LabelRadius * SIN(BisectorAngle) - 2 * half * (SIN(BisectorAngle) / 2 + 0.5) +
        LabelOffsetY;
    AA_s = LabelText_s;
    if (LabelCompact == 1)
        DrawCompactText();
    else
        DrawMessage();
    LabelSide = 0;
    LabelText_s.clear();
    LabelOffsetX = 0;
    LabelOffsetY = 0;
    LabelRadius = 0;
    LabelCompact = 0;
}

// ---- segment and angle marks ----

void Figures::DrawChevronMarks() {
    const Single len = SQR((SegmentBX - SegmentAX) * (SegmentBX - SegmentAX) +
                           (SegmentBY - SegmentAY) * (SegmentBY - SegmentAY));
    const Single ux = Div(SegmentBX - SegmentAX, len), uy = Div(SegmentBY - SegmentAY, len);
    Single px = SegmentAX + Div((SegmentBX - SegmentAX) * RatioM, RatioM + RatioN);
    Single py = SegmentAY + Div((SegmentBY - SegmentAY) * RatioM, RatioM + RatioN);
    const Single cx = px - LabelRadius * ux, cy = py - LabelRadius * uy;
    Single q1x = cx + LabelRadius / 2 * -uy, q1y = cy + LabelRadius / 2 * ux;
    Single q2x = cx - LabelRadius / 2 * -uy, q2y = cy - LabelRadius / 2 * ux;
    if (MarkCount <= 0 || MarkCount > 6) MarkCount = 1;
    Single k = 1;
    do {
        px += 16 * ux;
        py += 16 * uy;
        q1x += 16 * ux;
        q1y += 16 * uy;
        q2x += 16 * ux;
        q2y += 16 * uy;
        PsLINE(q1x, q1y, false, px, py, CCC2, 0, 0);
        PsLINE(q2x, q2y, false, px, py, CCC2, 0, 0);
        k += 1;
    } while (k <= MarkCount);
}

void Figures::DrawTickMarks() {
    if (TickSpacing == 0 || TickSpacing > 30) TickSpacing = 8;
    const Single len = SQR((SegmentBX - SegmentAX) * (SegmentBX - SegmentAX) +
                           (SegmentBY - SegmentAY) * (SegmentBY - SegmentAY));
    const Single ux = Div(SegmentBX - SegmentAX, len), uy = Div(SegmentBY - SegmentAY, len);
    const Single mx = (SegmentAX + SegmentBX) / 2 + LabelSide * ux;
    const Single my = (SegmentAY + SegmentBY) / 2 + LabelSide * uy;
    if (MarkCount < 0 || MarkCount > 6) MarkCount = 1;
    const Single step = TickSpacing;
    Single k = 1;
    do {
        const Single tx = mx + TickSpacing * ux, ty = my + TickSpacing * uy;
        PsLINE(tx + LabelRadius * uy, ty - LabelRadius * ux, false, tx - LabelRadius * uy,
               ty + LabelRadius * ux, CCC2, 0, 0);
        TickSpacing += step;
        k += 1;
    } while (k <= MarkCount);
}

void Figures::DrawAngleArcs() {
    ComputeArmAngles();
    if (MarkCount > 6) MarkCount = 1;
    if (MarkCount > 0) {
        // Clockwise from arm 2 to arm 1: the counter-clockwise sweep from
        // arm 1 to arm 2. Arcs that would reach the vertex are left out.
        Single k = 1;
        do {
            const Single r = LabelRadius - 8 * k;
            if (r > 0) PsCIRCLE(Point1X, Point1Y, r, CCC3, 1, Arm2Turn, Arm1Turn, false, 0);
            k += 1;
        } while (k <= MarkCount);
    } else {
        PsCIRCLE(Point1X, Point1Y, LabelRadius, CCC2, 1, Arm2Turn, Arm1Turn, true, CCC3);
    }
    DrawPointLabel();
    LabelSide = 0;
    LabelText_s.clear();
}

void Figures::MeasureAngleText() {
    ComputeArmAngles();
    if (Arm2Angle < Arm1Angle) Arm2Angle += 2 * PiValue;
    BisectorAngle = Arm2Angle - Arm1Angle;
    SegmentAngleDeg = BisectorAngle * 180 / PiValue;
    A_s = PfSTR244(INT(SegmentAngleDeg * 10 + 0.5) / 10);
    StripSpaces();
    AngleText_s = A_s;
}

void Figures::DrawRightAngleMark() {
    ComputeArmAngles();
    const Single q1x = Point1X + LabelRadius * COS(Arm1Angle);
    const Single q1y = Point1Y - LabelRadius * SIN(Arm1Angle);
    const Single q3x = Point1X + LabelRadius * COS(Arm2Angle);
    const Single q3y = Point1Y - LabelRadius * SIN(Arm2Angle);
    const Single q2x = q1x + LabelRadius * COS(Arm2Angle);
    const Single q2y = q1y - LabelRadius * SIN(Arm2Angle);
    PsCONNECT({{q1x, q1y}, {q2x, q2y}, {q3x, q3y}}, CCC2, false, 0);
}

// ---- grid paper ----

void Figures::DrawGrid() {
    GridKeptPen = FE_GETDRAWWIDTH(0);
    GridLeftX = GridOriginX;
    GridTopY = GridOriginY;
    GridRightX = GridOriginX + GridCellSize * GridColumns;
    GridBottomY = GridOriginY + GridCellSize * TATE;
    PlotOriginX = GridLeftX;
    PlotOriginY = GridBottomY;
    // The background colour only sets up the frame.
    if (CCC2 != 15) {
        CCC3 = 14;
        // Every fifth line from the left and bottom edges is thick.
        Single i = 0;
        do {
            const Single x = GridLeftX + GridCellSize * i;
            const bool thick = MOD(i, 5) == 0;
            FE_SETDRAWWIDTH(0, thick ? 3 : 1);
            PsLINE(x, GridTopY, false, x, GridBottomY, thick ? CCC3 : CCC2, 0, 0);
            i += 1;
        } while (i <= GridColumns);
        // Rows count up from the bottom edge; drawn last, they lie on top.
        Single j = 0;
        do {
            const Single y = GridBottomY - GridCellSize * j;
            const bool thick = MOD(j, 5) == 0;
            FE_SETDRAWWIDTH(0, thick ? 3 : 1);
            PsLINE(GridLeftX, y, false, GridRightX, y, thick ? CCC3 : CCC2, 0, 0);
            j += 1;
        } while (j <= TATE);
    }
    FE_SETDRAWWIDTH(0, GridKeptPen);
}

// ---- polygon outline ----

void Figures::DrawPolygon() {
    PolygonKeptPen = FE_GETDRAWWIDTH(0);
    // More than ten corners run off the corner array: a run-time error.
    Single i = 1;
    do {
        const Single j = i == PolygonSides ? 1 : i + 1;
        FE_SETDRAWWIDTH(0, PolygonPenWidth);
        PsLINE(PolygonPoints(i, 1), PolygonPoints(i, 2), false, PolygonPoints(j, 1),
               PolygonPoints(j, 2), CCC2, 0, 0);
        i += 1;
    } while (i <= PolygonSides);
    PolygonKeptRadius = LabelRadius;
    if (LabelText_s == "1")
        LabelVerticesFromLetters();
    else if (!LabelText_s.empty())
        LabelVerticesByLetter();
    LabelText_s.clear();
    FE_SETDRAWWIDTH(0, PolygonKeptPen);
}

void Figures::LabelVerticesByLetter() {
    // Read once: each label empties LabelText_s.
    PolygonLetterCode = PfASC(LabelText_s);
    PolygonVertex = 1;
    do {
        LabelText_s = PfCHR24(PolygonLetterCode + PolygonVertex - 1);
        LabelPolygonVertex();
        PolygonVertex += 1;
    } while (PolygonVertex <= PolygonSides);
}

void Figures::LabelVerticesFromLetters() {
    PolygonVertex = 1;
    do {
        LabelText_s = X_sa(PolygonVertex);
        LabelPolygonVertex();
        PolygonVertex += 1;
    } while (PolygonVertex <= PolygonSides);
}

// Labels the vertex PolygonVertex with LabelText_s, outside the outline when
// the corners run counter-clockwise as seen.
void Figures::LabelPolygonVertex() {
    Single next = PolygonVertex + 1, after = PolygonVertex + 2;
    if (next > PolygonSides) next -= PolygonSides;
    if (after > PolygonSides) after -= PolygonSides;
    Point1X = PolygonPoints(PolygonVertex, 1);
    Point1Y = PolygonPoints(PolygonVertex, 2);
    Point2X = PolygonPoints(next, 1);
    Point2Y = PolygonPoints(next, 2);
    Point3X = PolygonPoints(after, 1);
    Point3Y = PolygonPoints(after, 2);
    LabelSide = -1;
    LabelRadius = PolygonKeptRadius;
    DrawPointLabel();
}

}  // namespace framework
