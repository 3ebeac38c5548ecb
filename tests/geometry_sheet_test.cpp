// A sheet of plots drawn on one screen and written to
// /tmp/geometry_sheet.png, to be looked at by eye: axes with value labels, a
// line, a parabola, both branches of y = a/x, a vertical line, a labelled
// point, a move drawn as its components, a double-headed arrow, a brace and
// a division layout.
#include <gtest/gtest.h>

#include "tests/harness.h"

namespace {

using testing_support::SurfaceTest;
using testing_support::TestProgram;

class GeometrySheetTest : public SurfaceTest {
protected:
    TestProgram p;

    void Graph(double kind, double a, double b, double c, double colour, const char* label) {
        p.AxisXMin = -6, p.AxisXMax = 6;
        p.AxisYMin = -6, p.AxisYMax = 6;
        p.PlotKind = kind, p.PlotCoefA = a, p.PlotCoefB = b, p.PlotCoefC = c;
        p.CCC3 = colour;
        p.LabelText_s = surface::Utf8ToCp932(label);
        p.PlotGraph();
    }
};

TEST_F(GeometrySheetTest, WritesTheSheet) {
    surface::FE_SETFONTNAME(0, "ｺﾞｼｯｸ"_sj);
    surface::FE_SETFONTSIZE(0, 16);
    surface::FE_SETDRAWWIDTH(0, 3);

    // Axes from -6 to 6 in half-unit cells, labelled with their values.
    p.GridOriginX = 40, p.GridOriginY = 60, p.GridCellSize = 24;
    p.AxisXUnit = 0.5, p.AxisYUnit = 0.5;
    p.AxisXMin = -6, p.AxisXMax = 6, p.AxisYMin = -6, p.AxisYMax = 6;
    p.CCC2 = 1;
    p.AxisLabelsOff = -1;
    p.DrawAxes();
    p.DrawAxisValueLabels();
    // The plots read the ranges as values with units of 1 (the cells are half
    // units here, so each cell stands for one unit of the plot).
    Graph(3, 0.5, 1, 0, 4, "y=ﾀ1/2ﾀx+1");
    Graph(2, 0.25, 0, 0, 5, "y=ﾀ1/4ﾀx^2");
    Graph(1, 4, 0, 0, 12, "y=ﾀ4/xﾀ");
    p.PlotLabelOffsetY = 290;  // below the value labels
    Graph(4, 1, 0, -3, 2, "x=-3");
    p.PlotPointX = 2, p.PlotPointY = 4, p.PointRadius = 6, p.CCC3 = 0;
    p.LabelText_s = "P";
    p.PlotLabelOffsetX = 30;
    p.PlotLabelOffsetY = 20;
    p.PlotLabelledPoint();

    // A move on grid paper as its components, labelled in cells.
    p.CCC2 = 8;
    p.TATE = 6;
    p.GridOriginX = 760, p.GridOriginY = 80, p.GridCellSize = 40, p.GridColumns = 8;
    p.DrawGrid();
    p.VectorX1 = 800, p.VectorY1 = 280, p.VectorX2 = 1000, p.VectorY2 = 160;
    p.GridCellSize = 40;
    p.VectorLabels_s = "yy";
    p.DrawVectorComponents();
    // A double-headed arrow.
    surface::FE_SETDRAWWIDTH(0, 3);
    p.Point1X = 800, p.Point1Y = 380, p.Point4X = 1080, p.Point4Y = 380;
    p.ArrowHeads = 2, p.LabelRadius = 20, p.CCC2 = 4;
    p.DrawArrow();

    // A brace before two lines of text, and a division written out.
    p.CCC1 = 0;
    p.X = 760, p.Y = 440, p.HABA = 110;
    p.DrawBrace();
    p.WriteAt(0, 800, 440, "2x+y=7"_sj);
    p.WriteAt(0, 800, 500, "x-y=2"_sj);
    p.A1_s = "2x+3"_sj;
    p.DivisorText_s = "3"_sj;
    p.A2_s = "6x+9"_sj;
    p.X = 1040, p.Y = 430, p.CurveBulge = 60, p.CCC1 = 0, p.CCC2 = 0;
    p.DrawDivisionLayout();

    EXPECT_TRUE(S().WritePng("/tmp/geometry_sheet.png"));
}

}  // namespace
