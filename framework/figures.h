// Lesson figures: segment and arm angles, curved dotted arrows, point and
// angle labels, angle and segment marks, grid paper and polygon outlines.
//
// Directions are radians counter-clockwise as seen on the screen (0 right,
// PiValue/2 up); screen y grows downwards. Like every framework routine these
// take no parameters: callers set the figure registers, call, and read back.
#pragma once

#include <source_location>

#include "framework/prompts.h"

namespace framework {

class Figures : public Prompts {
public:
    // ---- figure registers ----
    // Points: start of a segment or arrow, vertex of an angle; end, end of
    // arm 1; end of arm 2.
    Single Point1X, Point1Y, Point2X, Point2Y, Point3X, Point3Y;

    // Label settings; every label drawn resets them to empty or 0.
    Str LabelText_s;
    Single LabelRadius;   // extra distance from the vertex; size of the marks
    Single LabelSide;     // -1 exchanges the arms; shift of the ticks
    Single LabelOffsetX, LabelOffsetY;
    Single LabelCompact;  // exactly 1: the compact printer

    // Curve settings of the arrow; CurveBulge comes back scaled to units.
    Single CurveBulge, CurveSide, CurveExtent;

    // Results. SegmentAngle and SegmentAngleDeg are scratch that the arrow
    // and the label routines overwrite.
    Single SegmentAngle, SegmentAngleDeg, BisectorAngle;
    Single Arm1Angle, Arm2Angle;  // radians, after any exchange
    Single Arm1Turn, Arm2Turn;    // the same as fractions of a clockwise turn
    Single PiValue;               // 3.14159, set on every angle call

    // Segment and angle marks.
    Single SegmentAX, SegmentAY, SegmentBX, SegmentBY;
    Single RatioM, RatioN;  // chevrons sit where m : n divides A-B
    Single MarkCount;       // chevrons, ticks or arcs
    Single TickSpacing;     // left advanced past the last tick
    Str AngleText_s;        // angle in degrees to one decimal

    // Grid paper. Inputs besides these: TATE (the text box's cell height) is
    // the row count and CCC2 the colour of the thin lines.
    Single GridOriginX, GridOriginY;  // top-left corner
    Single GridCellSize, GridColumns;
    // The grid's frame, set on every call whatever the colour. Later lessons
    // and the geometry library read the same values under other names, so
    // each value has this one storage:
    Single GridLeftX;    // also AxisLeftX
    Single GridTopY;     // also AxisTopY
    Single GridRightX;   // also AxisRightX
    Single GridBottomY;  // also AxisBottomY
    // The frame's origin, the grid's bottom-left corner: a point (gx, gy) in
    // cells lies at (PlotOriginX + GridCellSize * gx, PlotOriginY - GridCellSize * gy).
    Single PlotOriginX;  // also FigureOriginX, AxisOriginX
    Single PlotOriginY;  // also FigureOriginY, AxisOriginY

    // Polygon outline: up to ten corners in PolygonPoints.
    Single PolygonSides, PolygonPenWidth;
    // Corner k is (PolygonPoints(k, 1), PolygonPoints(k, 2)); the storage is
    // the corner lesson array that start-up creates.
    Single& PolygonPoints(double k, double c,
                          std::source_location where = std::source_location::current()) {
        return Corners_a(k, c, where);
    }

    // ---- routines ----
    // SegmentAngle, SegmentAngleDeg: direction from point 1 to point 2.
    void ComputeSegmentAngle();
    // Arm1/Arm2 Angle and Turn, and the bisector of the counter-clockwise
    // sweep from arm 1 to arm 2 at point 1.
    void ComputeArmAngles();
    // Dotted half-ellipse from point 1 to point 2, labelled at its middle.
    void DrawCurvedArrow();
    // LabelText_s beside point 1, on the bisector of the angle of points 2, 3.
    void DrawPointLabel();
    void DrawChevronMarks();
    void DrawTickMarks();
    void DrawAngleArcs();
    void MeasureAngleText();
    void DrawRightAngleMark();
    // Grid lines (none in colour 15) and the frame of cell units.
    void DrawGrid();
    // Closed outline of PolygonSides corners, optionally lettered.
    void DrawPolygon();

protected:
    using Prompts::Prompts;

private:
    void LabelVerticesByLetter();
    void LabelVerticesFromLetters();
    void LabelPolygonVertex();

    // Pen widths kept by the routines that set the pen; the printers keep
    // theirs in DR, which the polygon's labels would overwrite.
    Single GridKeptPen, PolygonKeptPen;
    Single PolygonKeptRadius;  // the caller's LabelRadius, for every vertex
    Single PolygonLetterCode;  // code of the first vertex letter
    Single PolygonVertex;      // vertex being labelled
};

}  // namespace framework
