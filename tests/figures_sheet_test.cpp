// A sheet of test figures drawn on one screen and written to
// /tmp/figures_sheet.png, to be looked at by eye: arrows in four directions
// with labels, grid paper, marked angles and segments, a lettered polygon.
#include <gtest/gtest.h>

#include "tests/harness.h"

namespace {

using testing_support::SurfaceTest;
using testing_support::TestProgram;

class FiguresSheetTest : public SurfaceTest {
protected:
    TestProgram p;

    void Arrow(double x1, double y1, double x2, double y2, double bulge, double side,
               double step, const char* label) {
        p.Point1X = x1;
        p.Point1Y = y1;
        p.Point2X = x2;
        p.Point2Y = y2;
        p.CurveBulge = bulge;
        p.CurveSide = side;
        p.HABA = step;
        p.CCC2 = 4;
        p.CCC1 = 3;
        p.LabelText_s = surface::Utf8ToCp932(label);
        p.DrawCurvedArrow();
    }
    void Box(double x1, double y1, double x2, double y2) {
        surface::PsLINE(x1, y1, false, x2, y2, 0, 1, 0);
    }
    void Angle(double vx, double vy, double x2, double y2, double x3, double y3) {
        p.Point1X = vx;
        p.Point1Y = vy;
        p.Point2X = x2;
        p.Point2Y = y2;
        p.Point3X = x3;
        p.Point3Y = y3;
        surface::PsLINE(vx, vy, false, x2, y2, 0, 0, 0);
        surface::PsLINE(vx, vy, false, x3, y3, 0, 0, 0);
    }
};

TEST_F(FiguresSheetTest, WritesTheSheet) {
    surface::FE_SETFONTNAME(0, "ｺﾞｼｯｸ"_sj);
    surface::FE_SETFONTSIZE(0, 16);
    surface::FE_SETDRAWWIDTH(0, 3);

    // A rectangle with its width and height marked, as the area lessons do.
    Box(60, 120, 340, 260);
    Arrow(60, 120, 340, 120, -30, -1, 3, "2am");  // rightwards, above
    Arrow(340, 120, 340, 260, -10, -1, 5, "3m");  // downwards, right of it
    Arrow(340, 260, 60, 260, 2, -1, 5, "a");      // leftwards, below
    Arrow(60, 260, 60, 120, -10, -1, 8, "ﾀ1/2ﾀ"); // upwards, left of it
    // Spans along a row, both sides, and one without a label.
    Arrow(420, 200, 540, 200, -40, -1, 2, "y本");
    Arrow(540, 200, 660, 200, 1, 1, 5, "3本");
    Arrow(660, 200, 760, 200, -10, -1, 10, "");

    // Grid paper, 15 by 4 cells.
    p.GridOriginX = 40;
    p.GridOriginY = 360;
    p.GridCellSize = 35;
    p.GridColumns = 15;
    p.TATE = 4;
    p.CCC2 = 0;
    p.DrawGrid();
    surface::FE_SETDRAWWIDTH(0, 3);

    // Angles: three arcs, the other side with one arc, a filled sector and a
    // right-angle mark with its size.
    p.CCC2 = 1;
    p.CCC3 = 4;
    Angle(660, 500, 800, 500, 720, 390);
    p.LabelRadius = 40;
    p.MarkCount = 3;
    p.LabelText_s = "ア"_sj;
    p.DrawAngleArcs();
    Angle(880, 500, 1000, 440, 900, 390);
    p.LabelSide = -1;
    p.LabelRadius = 30;
    p.MarkCount = 1;
    p.LabelText_s = "x°"_sj;
    p.DrawAngleArcs();
    Angle(1100, 500, 1220, 500, 1160, 400);
    p.CCC3 = 14;
    p.LabelRadius = 36;
    p.MarkCount = 0;
    p.LabelText_s = "60°"_sj;
    p.DrawAngleArcs();
    Angle(1260, 500, 1380, 500, 1260, 390);
    p.LabelRadius = 20;
    p.MeasureAngleText();
    p.DrawRightAngleMark();
    p.LabelText_s = p.AngleText_s + "°"_sj;
    p.LabelRadius = 30;
    p.DrawPointLabel();

    // Segments with chevrons and ticks.
    for (double y : {580.0, 620.0}) surface::PsLINE(660, y, false, 900, y, 0, 0, 0);
    p.SegmentAX = 660;
    p.SegmentAY = 580;
    p.SegmentBX = 900;
    p.SegmentBY = 580;
    p.RatioM = p.RatioN = 1;
    p.LabelRadius = 10;
    p.MarkCount = 2;
    p.DrawChevronMarks();
    p.SegmentAY = p.SegmentBY = 620;
    p.TickSpacing = 8;
    p.LabelSide = 0;
    p.LabelRadius = 8;
    p.MarkCount = 3;
    p.DrawTickMarks();

    // A pentagon, corners counter-clockwise as seen, lettered from A, and a
    // triangle lettered from the letters array.
    const double pent[5][2] = {{1000, 640}, {1120, 640}, {1160, 560}, {1060, 520}, {960, 560}};
    for (int k = 0; k < 5; ++k) {
        p.PolygonPoints(k + 1, 1) = pent[k][0];
        p.PolygonPoints(k + 1, 2) = pent[k][1];
    }
    p.PolygonSides = 5;
    p.PolygonPenWidth = 2;
    p.CCC2 = 5;
    p.CCC1 = 0;
    p.LabelText_s = "A";
    p.LabelRadius = 4;
    p.DrawPolygon();
    const double tri[3][2] = {{1220, 640}, {1400, 640}, {1300, 540}};
    for (int k = 0; k < 3; ++k) {
        p.PolygonPoints(k + 1, 1) = tri[k][0];
        p.PolygonPoints(k + 1, 2) = tri[k][1];
    }
    p.X_sa(1) = "P"_sj;
    p.X_sa(2) = "Q"_sj;
    p.X_sa(3) = "R"_sj;
    p.PolygonSides = 3;
    p.LabelText_s = "1";
    p.LabelRadius = 2;
    p.DrawPolygon();

    EXPECT_TRUE(S().WritePng("/tmp/figures_sheet.png"));
}

}  // namespace
