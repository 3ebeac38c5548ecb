// The geometry and graph-plotting library, through its registers and the
// operation log. Each test is named after the routine it checks.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/harness.h"

namespace {

using surface::Str;
// The numbers of a log line, its pen width last.
const auto& Numbers = testing_support::LogNumbers;
using testing_support::SurfaceTest;
using testing_support::TestProgram;

class GeometryTest : public SurfaceTest {
protected:
    TestProgram p;

    int ErrorOf(void (TestProgram::*routine)()) {
        return testing_support::RuntimeErrorCode([&] { (p.*routine)(); });
    }
    void Line(double x1, double y1, double x2, double y2) {
        p.GeoX1 = x1, p.GeoY1 = y1, p.GeoX2 = x2, p.GeoY2 = y2;
    }
    // The texts drawn since the log was cleared: "text@x,y".
    std::vector<std::string> Texts() {
        std::vector<std::string> out;
        for (const auto& d : testing_support::TextsIn(Log())) {
            std::ostringstream s;
            s << d.text << "@" << d.x << "," << d.y;
            out.push_back(s.str());
        }
        return out;
    }
};

// ---- lines ----

TEST_F(GeometryTest, FindPerpendicularFoot) {
    struct Case {
        double x1, y1, x2, y2, x3, y3, foot_x, foot_y;
        bool general;
    };
    const Case cases[] = {
        {100, 100, 300, 100, 200, 50, 200, 100, false},  // horizontal
        {100, 100, 100, 300, 50, 200, 100, 200, false},  // vertical
        {0, 0, 100, 100, 100, 0, 50, 50, true},
        {40, 40, 40, 40, 90, 10, 40, 10, false},  // one point: taken as vertical
    };
    for (const Case& c : cases) {
        p.AxisXMin = 7, p.AxisYMin = 7, p.AxisXMax = 7, p.AxisYMax = 7;
        Line(c.x1, c.y1, c.x2, c.y2);
        p.GeoX3 = c.x3, p.GeoY3 = c.y3;
        S().ClearLog();
        p.FindPerpendicularFoot();
        EXPECT_NEAR(p.GeoFootX, c.foot_x, 1e-4);
        EXPECT_NEAR(p.GeoFootY, c.foot_y, 1e-4);
        ASSERT_EQ(Log().size(), 1u);
        auto n = Numbers(Log()[0]);
        EXPECT_EQ(Log()[0].rfind("PsCIRCLE ", 0), 0u);
        EXPECT_NEAR(n[0], c.foot_x, 1e-4);
        EXPECT_EQ(std::vector<double>(n.begin() + 2, n.end() - 1),
                  (std::vector<double>{2, 15, 1, 0, 0, 1, 15}));
        if (c.general) {
            // The working values are left in the axes ranges.
            EXPECT_EQ(p.AxisXMin.value(), 1);
            EXPECT_EQ(p.AxisYMin.value(), 0);
            EXPECT_EQ(p.AxisXMax.value(), -1);
            EXPECT_EQ(p.AxisYMax.value(), 100);
        } else {
            EXPECT_EQ(p.AxisXMin.value(), 7);
            EXPECT_EQ(p.AxisYMax.value(), 7);
        }
    }
}

TEST_F(GeometryTest, IntersectLines) {
    struct Case {
        double x1, y1, x2, y2, x3, y3, x4, y4, cross_x, cross_y;
    };
    const Case cases[] = {
        {0, 0, 100, 100, 0, 100, 100, 0, 50, 50},
        {40, 0, 40, 200, 0, 10, 100, 60, 40, 30},   // line 1 vertical
        {0, 70, 200, 70, 30, 0, 30, 100, 30, 70},   // horizontal meets vertical
        {0, 0, 1, 1000, 0, 500, 10, 500, 0.5, 500}, // a true slope of 1000
        {0, 500, 10, 500, 0, 0, 1, 1000, 0.5, 500}, // the same, as line 2
    };
    for (const Case& c : cases) {
        Line(c.x1, c.y1, c.x2, c.y2);
        p.GeoX3 = c.x3, p.GeoY3 = c.y3, p.GeoX4 = c.x4, p.GeoY4 = c.y4;
        p.IntersectLines();
        EXPECT_NEAR(p.GeoCrossX, c.cross_x, 1e-4) << c.x1 << "," << c.y1;
        EXPECT_NEAR(p.GeoCrossY, c.cross_y, 1e-3) << c.x1 << "," << c.y1;
    }
    Line(0, 0, 100, 100);
    p.GeoX3 = 0, p.GeoY3 = 100, p.GeoX4 = 100, p.GeoY4 = 0;
    p.IntersectLines();
    EXPECT_EQ(p.GeoSlope1.value(), 1);
    EXPECT_EQ(p.GeoSlope2.value(), -1);
    EXPECT_EQ(p.GeoIntercept2.value(), 100);
    // Parallel lines, and two vertical ones, leave the cross point alone
    // (a vertical line's x aside).
    p.GeoCrossX = 11, p.GeoCrossY = 22;
    Line(0, 0, 10, 10);
    p.GeoX3 = 0, p.GeoY3 = 5, p.GeoX4 = 10, p.GeoY4 = 15;
    p.IntersectLines();
    EXPECT_EQ(p.GeoCrossX.value(), 11);
    EXPECT_EQ(p.GeoCrossY.value(), 22);
    Line(5, 0, 5, 10);
    p.GeoX3 = 8, p.GeoY3 = 0, p.GeoX4 = 8, p.GeoY4 = 10;
    p.IntersectLines();
    EXPECT_EQ(p.GeoSlope1.value(), 1000);
    EXPECT_EQ(p.GeoSlope2.value(), 1000);
    EXPECT_EQ(p.GeoCrossY.value(), 22);
}

TEST_F(GeometryTest, ExtendLineToBound) {
    struct Case {
        double x1, y1, x2, y2, bx, by, want_x, want_y;
    };
    const Case cases[] = {
        {0, 0, 100, 50, -1, 300, 600, 300},
        {0, 0, 100, 50, 400, -1, 400, 200},
        {0, 0, 100, 50, -100, -1, -100, -50},
        {0, 0, 100, 50, 400, 300, -7, -7},  // no bound chosen: unchanged
        {100, 50, 100, 300, 5, 600, 100, 600},
        {50, 200, 300, 200, 900, 5, 900, 200},
    };
    for (const Case& c : cases) {
        Line(c.x1, c.y1, c.x2, c.y2);
        p.GeoX3 = c.bx, p.GeoY3 = c.by;
        p.WorkX = -7, p.WorkY = -7;
        p.ExtendLineToBound();
        EXPECT_NEAR(p.WorkX, c.want_x, 1e-3) << c.bx << "," << c.by;
        EXPECT_NEAR(p.WorkY, c.want_y, 1e-3) << c.bx << "," << c.by;
    }
}

// ---- square roots ----

TEST_F(GeometryTest, SimplifySquareRoot) {
    struct Case {
        double n, k, m;
        const char *coefficient, *simplified, *original, *radical;
    };
    const Case cases[] = {
        {1, 1, 1, "1", "1ﾝ", "", "ﾝ"},
        {2, 1, 2, "", "!2ﾝ", "", "!2ﾝ"},
        {4, 2, 1, "2", "2ﾝ", "!4ﾝ=", "ﾝ"},
        {8, 2, 2, "2", "2!2ﾝ", "!8ﾝ=", "!2ﾝ"},
        {12, 2, 3, "2", "2!3ﾝ", "!12ﾝ=", "!3ﾝ"},
        {48, 4, 3, "4", "4!3ﾝ", "!48ﾝ=", "!3ﾝ"},
        {72, 6, 2, "6", "6!2ﾝ", "!72ﾝ=", "!2ﾝ"},
        {36, 6, 1, "6", "6ﾝ", "!36ﾝ=", "ﾝ"},
        {211 * 211, 1, 211 * 211, "", "!44521ﾝ", "", "!44521ﾝ"},  // 211 > 200
        // Every square divides 0: nothing is taken out, and the search ends.
        {0, 1, 0, "", "!0ﾝ", "", "!0ﾝ"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.n);
        p.RootRadicand = c.n;
        p.SimplifySquareRoot();
        EXPECT_EQ(p.RootOriginal.value(), c.n);
        EXPECT_EQ(p.RootCoefficient.value(), c.k);
        EXPECT_EQ(p.RootRadicand.value(), c.m);
        EXPECT_EQ(p.RootCoefficientText_s, surface::Utf8ToCp932(c.coefficient));
        EXPECT_EQ(p.RootSimplifiedText_s, surface::Utf8ToCp932(c.simplified));
        EXPECT_EQ(p.RootOriginalText_s, surface::Utf8ToCp932(c.original));
        EXPECT_EQ(p.RootRadicalText_s, surface::Utf8ToCp932(c.radical));
        EXPECT_EQ(p.A_s, p.RootRadicalText_s);
    }
}

// ---- axes ----

class AxesTest : public GeometryTest {
protected:
    void Worked(double cell = 20) {
        p.GridOriginX = 0, p.GridOriginY = 0, p.GridCellSize = cell;
        p.AxisXUnit = 1, p.AxisYUnit = 1;
        p.AxisXMin = -10, p.AxisXMax = 10, p.AxisYMin = -10, p.AxisYMax = 10;
        p.CCC2 = 1;
    }
    std::vector<std::vector<double>> LinesOfPen(double pen) {
        std::vector<std::vector<double>> out;
        for (const auto& l : LogLines("PsLINE ")) {
            auto n = Numbers(l);
            if (n.back() == pen) out.push_back(n);
        }
        return out;
    }
};

TEST_F(AxesTest, DrawAxesWorkedExample) {
    surface::FE_SETDRAWWIDTH(0, 7);
    Worked();
    S().ClearLog();
    p.DrawAxes();
    EXPECT_EQ(p.GridOriginX.value(), 640);
    EXPECT_EQ(p.GridOriginY.value(), 180);
    EXPECT_EQ(p.AxisOriginX.value(), 840);
    EXPECT_EQ(p.AxisOriginY.value(), 380);
    EXPECT_EQ(p.AxisLeftX.value(), 640);
    EXPECT_EQ(p.AxisTopY.value(), 180);
    EXPECT_EQ(p.AxisRightX.value(), 1040);
    EXPECT_EQ(p.AxisBottomY.value(), 580);
    EXPECT_EQ(p.AxisLabelSize.value(), 26);
    // The axes frame is the grid frame: one storage.
    EXPECT_EQ(&p.AxisLeftX, &p.GridLeftX);
    EXPECT_EQ(&p.AxisOriginY, &p.PlotOriginY);
    // 21 thin lines each way, half a pixel off; bold ones every fifth cell.
    auto thin = LinesOfPen(1);
    ASSERT_EQ(thin.size(), 42u);
    EXPECT_EQ(thin[0], (std::vector<double>{639.5, 180, 639.5, 580, 0, 0, 0, 1}));
    EXPECT_EQ(thin[20][0], 1039.5);
    EXPECT_EQ(thin[21], (std::vector<double>{640, 579.5, 1040, 579.5, 0, 0, 0, 1}));
    auto bold = LinesOfPen(3);
    ASSERT_EQ(bold.size(), 10u);
    for (int k = 0; k < 5; ++k) EXPECT_EQ(bold[k][0], 640 + 100 * k);
    EXPECT_EQ(bold[0][4], 1);  // colour 1
    auto axes = LinesOfPen(4);
    ASSERT_EQ(axes.size(), 2u);
    EXPECT_EQ(axes[0], (std::vector<double>{840, 180, 840, 580, 0, 0, 0, 4}));
    EXPECT_EQ(axes[1], (std::vector<double>{640, 380, 1040, 380, 0, 0, 0, 4}));
    EXPECT_EQ(Texts(), (std::vector<std::string>{"-10@601,380", "-5@714,380", "5@927,380",
                                                 "10@1014,380", "-10@762,563", "-5@788,463",
                                                 "5@814,263", "10@788,163", "x@1019.2,341",
                                                 "0@814,380", "y@840,167"}));
    auto letters = LogLines("PsSYMBOL40 1019.2");
    ASSERT_EQ(letters.size(), 1u);
    // 0.8 of the label size: 20.8 to single precision.
    EXPECT_NE(letters[0].find("font=\"Times New Roman\" size=20.8"), std::string::npos) << letters[0];
    EXPECT_NEAR(std::stod(letters[0].substr(letters[0].find("size=") + 5)), 20.8, 1e-5);
    EXPECT_NE(letters[0].find("bold=1 italic=1"), std::string::npos) << letters[0];
    EXPECT_NE(LogLines("PsSYMBOL40 840 167")[0].find("size=26 bold=1 italic=0"), std::string::npos);
    // The ranges now count cells; the pen and font are back.
    EXPECT_EQ(p.AxisXMin.value(), -10);
    EXPECT_EQ(surface::FE_GETDRAWWIDTH(0), 7);
    EXPECT_EQ(p.AA_s, "y");
}

TEST_F(AxesTest, DrawAxesSettings) {
    // Label size by cell size.
    for (auto [cell, size] : {std::pair{39.0, 26.0}, {40.0, 30.0}}) {
        Worked(cell);
        p.DrawAxes();
        EXPECT_EQ(p.AxisLabelSize.value(), size);
    }
    // One corner coordinate of 0 is a corner like any other.
    Worked();
    p.GridOriginY = 100;
    p.DrawAxes();
    EXPECT_EQ(p.AxisLeftX.value(), 0);
    EXPECT_EQ(p.AxisTopY.value(), 100);
    // Units: 0 becomes 1, a negative one its magnitude, and the range is divided.
    Worked();
    p.AxisXUnit = 0, p.AxisYUnit = -2;
    p.DrawAxes();
    EXPECT_EQ(p.AxisXUnit.value(), 1);
    EXPECT_EQ(p.AxisYUnit.value(), 2);
    EXPECT_EQ(p.AxisYMax.value(), 5);
    // A second call without new ranges divides them again.
    p.AxisYUnit = 2;
    p.DrawAxes();
    EXPECT_EQ(p.AxisYMax.value(), 2.5);
    // Marking colour 0: the two axes and the three letters only.
    Worked();
    p.CCC2 = 0;
    S().ClearLog();
    p.DrawAxes();
    EXPECT_EQ(LogLines("PsLINE ").size(), 2u);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"x@1019.2,341", "0@814,380", "y@840,167"}));
    // Numbers switched off for one call.
    Worked();
    p.AxisLabelsOff = -1;
    S().ClearLog();
    p.DrawAxes();
    EXPECT_EQ(Texts().size(), 3u);
    EXPECT_EQ(p.AxisLabelsOff.value(), 0);
    // -7 to 7: 15 thin lines across, bold ones at -5, 0 and 5.
    Worked();
    p.AxisXMin = -7, p.AxisXMax = 7;
    S().ClearLog();
    p.DrawAxes();
    auto thin = LinesOfPen(1);
    EXPECT_EQ(std::count_if(thin.begin(), thin.end(), [](auto& n) { return n[0] == n[2]; }), 15);
    auto bold = LinesOfPen(3);
    std::vector<double> xs;
    for (auto& n : bold)
        if (n[0] == n[2]) xs.push_back(n[0]);
    EXPECT_EQ(xs, (std::vector<double>{680, 780, 880}));  // the origin at 640 + 7 cells
}

TEST_F(AxesTest, DrawAxesRangeBeyondACountersReachIsAnError) {
    // A single-precision counter stops growing at 2^24: such a loop would
    // never end, so it is refused before its first pass.
    Worked();
    p.AxisXMax = 16777216;
    EXPECT_EQ(ErrorOf(&TestProgram::DrawAxes), surface::kErrInvalidArgument);
}

TEST_F(AxesTest, DrawAxisValueLabels) {
    struct Case {
        double unit;
        std::vector<std::string> x_labels;  // after the x axis' cells -10..10
    };
    const Case cases[] = {
        // Line 5 stands for 2.5: "25" with its point low between the digits.
        {0.5, {"-5@614,384", "-25@701,384", ".@747,388", "25@914,384", ".@934,388", "5@1027,384"}},
        // 10 x 0.7 is 7, not 6.9; 5 x 0.7 is 3.5, not 3.4.
        {0.7, {"-7@614,384", "-35@701,384", ".@747,388", "35@914,384", ".@934,388", "7@1027,384"}},
        {0.9, {"-9@614,384", "-45@701,384", ".@747,388", "45@914,384", ".@934,388", "9@1027,384"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.unit);
        Worked();
        p.AxisXMin = -10 * c.unit, p.AxisXMax = 10 * c.unit, p.AxisXUnit = c.unit;
        p.AxisLabelsOff = -1;
        p.DrawAxes();
        S().ClearLog();
        p.DrawAxisValueLabels();
        auto texts = Texts();
        ASSERT_GE(texts.size(), c.x_labels.size());
        EXPECT_EQ(std::vector<std::string>(texts.begin(), texts.begin() + c.x_labels.size()),
                  c.x_labels);
        // y labels: whole values with unit 1, drawn 4 lower than the cell numbers.
        EXPECT_EQ(texts.back(), "10@788,167");
    }
}

// ---- plots ----

class PlotTest : public AxesTest {
protected:
    void SetUp() override {
        AxesTest::SetUp();
        Worked();
        p.AxisXMin = -5, p.AxisXMax = 5, p.AxisYMin = -5, p.AxisYMax = 5;
        p.GridCellSize = 40;
        p.DrawAxes();
        p.CCC3 = 4;
        S().ClearLog();
    }
    void Curve(double kind, double a, double b, double from, double to) {
        p.PlotKind = kind, p.PlotCoefA = a, p.PlotCoefB = b;
        p.AxisXMin = from, p.AxisXMax = to;
        p.AxisXUnit = 1, p.AxisYUnit = 1;
    }
};

TEST_F(PlotTest, PlotCurve) {
    // y = a/x steps over 0; the line starts on it.
    Curve(1, 1, 0, 0, 5);
    p.PlotCurve();
    EXPECT_NEAR(p.WorkX, 0.002, 1e-7);
    Curve(3, 2, 1, 0, 5);
    p.PlotCurve();
    EXPECT_EQ(p.WorkX.value(), 0);
    EXPECT_EQ(p.WorkY.value(), 1);
    EXPECT_EQ(p.HABA.value(), 5000);
    EXPECT_EQ(p.LoopIndex.value(), 5001);
    // A step of 1: the sample on 0 moves to 1, and the last is 2501.
    Curve(1, 1, 0, -2500, 2500);
    S().ClearLog();
    p.PlotCurve();
    // Dots are drawn only inside the axes' height: y = 1/x lies within 5 of
    // the axis for every sample but 0.
    auto dots = LogLines("PsCIRCLE ");
    ASSERT_FALSE(dots.empty());
    EXPECT_EQ(Numbers(dots.back())[0], p.AxisOriginX + 40 * 2501);
    for (const auto& d : dots) EXPECT_NE(Numbers(d)[0], p.AxisOriginX.value()) << d;
    // The parabola: its label goes where its last dot inside the area is.
    Curve(2, 1, 0, -5, 5);
    S().ClearLog();
    p.LabelText_s = "y=x^2";
    p.PlotGraph();
    dots = LogLines("PsCIRCLE ");
    auto last = Numbers(dots.back());
    EXPECT_LE(p.AxisOriginY - last[1], 5 * 40);  // inside: y up to 5
    auto label = testing_support::TextsIn(Log()).front();
    EXPECT_NEAR(label.x, last[0], 1e-3);
}

TEST_F(PlotTest, PlotGraphKindFour) {
    surface::FE_SETDRAWWIDTH(0, 3);
    // a x = c: a vertical line at x = c / a, its label right of its top.
    p.PlotKind = 4, p.PlotCoefA = 2, p.PlotCoefB = 0, p.PlotCoefC = 6;
    p.AxisYMin = -5, p.AxisYMax = 5;
    p.LabelText_s = "L";
    p.PlotGraph();
    auto lines = LogLines("PsLINE ");
    ASSERT_EQ(lines.size(), 1u);
    const double x = p.AxisOriginX + 3 * 40;
    EXPECT_EQ(Numbers(lines[0]), (std::vector<double>{x, p.AxisOriginY + 200, x,
                                                      p.AxisOriginY - 200, 4, 0, 0, 5}));
    EXPECT_EQ(testing_support::TextsIn(Log()).front().x, x + 10);
    EXPECT_EQ(p.PlotCoefC.value(), 3);
    EXPECT_EQ(p.PlotKind.value(), 4);
    EXPECT_EQ(surface::FE_GETDRAWWIDTH(0), 3);
    // a x + b y = c becomes y = (-a/b) x + c/b.
    p.PlotKind = 4, p.PlotCoefA = 2, p.PlotCoefB = 4, p.PlotCoefC = 8;
    p.AxisXMin = -5, p.AxisXMax = 5;
    p.PlotGraph();
    EXPECT_EQ(p.PlotKind.value(), 3);
    EXPECT_EQ(p.PlotCoefA.value(), -0.5);
    EXPECT_EQ(p.PlotCoefB.value(), 2);
    // Nothing to draw when a and b are both 0: the caller's mistake.
    p.PlotKind = 4, p.PlotCoefA = 0, p.PlotCoefB = 0, p.PlotCoefC = 1;
    EXPECT_EQ(ErrorOf(&TestProgram::PlotGraph), surface::kErrDivisionByZero);
}

TEST_F(PlotTest, PlotLabelledPoint) {
    // A unit of 2 puts x = 3 one and a half cells out, as the line x = 3 is.
    p.PlotPointX = 3, p.PlotPointY = 2, p.PointRadius = 6;
    p.AxisXUnit = 2, p.AxisYUnit = 0;
    p.PlotLabelOffsetX = 5;
    p.LabelText_s = "P";
    p.PlotLabelledPoint();
    auto disc = Numbers(LogLines("PsCIRCLE ")[0]);
    EXPECT_EQ(disc[0], p.AxisOriginX + 60);
    EXPECT_EQ(disc[1], p.AxisOriginY - 80);
    EXPECT_EQ(disc[2], 6);
    auto label = testing_support::TextsIn(Log()).front();
    EXPECT_EQ(label.x, disc[0] - 20 + 5);
    EXPECT_EQ(label.y, disc[1] - 40);
    EXPECT_EQ(label.colour, 4);
    EXPECT_EQ(p.AxisXUnit.value(), 1);
    EXPECT_EQ(p.AxisYUnit.value(), 1);
    EXPECT_EQ(p.PlotLabelOffsetX.value(), 0);
    EXPECT_EQ(p.LabelText_s, "P");  // kept, and drawn by the next call too
    S().ClearLog();
    p.PlotKind = 4, p.PlotCoefA = 1, p.PlotCoefB = 0, p.PlotCoefC = 3;
    p.AxisXUnit = 2;
    p.PlotGraph();
    EXPECT_EQ(Numbers(LogLines("PsLINE ")[0])[0], disc[0]);
}

TEST_F(GeometryTest, FlipLeadingSign) {
    const std::pair<const char*, const char*> cases[] = {
        {"-3x", "+3x"}, {"+3x", "-3x"}, {"3x", "-3x"}, {"-", "+"}, {"", ""}, {" 3", "- 3"}};
    for (auto [in, out] : cases) {
        p.A_s = in;
        p.FlipLeadingSign();
        EXPECT_EQ(p.A_s, out) << in;
    }
}

// ---- arrows and vectors ----

class ArrowTest : public GeometryTest {
protected:
    void Arrow(double direction, double heads) {
        p.Point4X = 100, p.Point4Y = 100, p.Point1X = 200, p.Point1Y = 100;
        p.ArrowDirection = direction, p.ArrowHeads = heads, p.LabelRadius = 16, p.CCC2 = 5;
        surface::FE_SETDRAWWIDTH(0, 3);
        S().ClearLog();
        p.DrawArrow();
    }
};

TEST_F(ArrowTest, DrawArrow) {
    Arrow(-1, 0);
    EXPECT_EQ(Log(), (std::vector<std::string>{"PsLINE 100 100 200 100 5 0 0 pen=3",
                                               "PsLINE 184 108 200 100 5 0 0 pen=3",
                                               "PsLINE 184 92 200 100 5 0 0 pen=3"}));
    EXPECT_EQ(p.GeoFootX.value(), 184);
    EXPECT_EQ(p.Point1X.value(), 200);
    EXPECT_EQ(p.Point4X.value(), 100);
    Arrow(1, 0);
    EXPECT_EQ(Numbers(Log()[1]), (std::vector<double>{116, 92, 100, 100, 5, 0, 0, 3}));
    EXPECT_EQ(p.Point1X.value(), 100);
    EXPECT_EQ(p.Point4X.value(), 200);
    EXPECT_EQ(p.ArrowDirection.value(), 0);
    // Both heads: the tip's head first, the shaft drawn again for the other.
    Arrow(-1, 2);
    ASSERT_EQ(Log().size(), 6u);
    EXPECT_EQ(Numbers(Log()[1])[2], 200);
    EXPECT_EQ(Numbers(Log()[4])[2], 100);
    EXPECT_EQ(p.Point1X.value(), 100);
    EXPECT_EQ(p.ArrowHeads.value(), 0);
    Arrow(0, 2);
    EXPECT_EQ(Numbers(Log()[1])[2], 100);
    EXPECT_EQ(Numbers(Log()[4])[2], 200);
    EXPECT_EQ(p.Point1X.value(), 200);
    // An arrow with no length has no direction: the caller's mistake.
    p.Point1X = p.Point4X = 50, p.Point1Y = p.Point4Y = 50;
    EXPECT_EQ(ErrorOf(&TestProgram::DrawArrow), surface::kErrDivisionByZero);
}

TEST_F(ArrowTest, DrawVectorComponents) {
    // The lines of the arrows (a label's minus sign is a line too, at pen 5).
    auto Arrows = [&] {
        auto lines = LogLines("PsLINE ");
        return std::size_t(std::count_if(lines.begin(), lines.end(), [](const std::string& l) {
            return l.ends_with("pen=4");
        }));
    };
    struct Case {
        const char* labels;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {"yy", {"4@186,256", "2@300,234"}},
        {"y", {"4@186,256"}},
        {"ny", {"2@300,234"}},
        {"", {}},
    };
    for (const Case& c : cases) {
        p.VectorX1 = 300, p.VectorY1 = 200, p.VectorX2 = 100, p.VectorY2 = 300;
        p.GridCellSize = 50;
        p.VectorLabels_s = c.labels;
        S().ClearLog();
        p.DrawVectorComponents();
        EXPECT_EQ(Texts(), c.texts) << c.labels;
        EXPECT_EQ(p.VectorX1.value(), 100);  // exchanged, and left so
        EXPECT_EQ(p.VectorXText_s, "4");
        EXPECT_EQ(p.VectorYText_s, "2");
        auto lines = LogLines("PsLINE ");
        ASSERT_EQ(lines.size(), 6u);
        EXPECT_EQ(lines[0], "PsLINE 100 300 300 300 7 0 0 pen=4");
        EXPECT_EQ(lines[3], "PsLINE 300 300 300 200 3 0 0 pen=4");
        EXPECT_EQ(p.CCC2.value(), 3);
    }
    // Second point lower: negative, and the label hangs below the arrow.
    p.VectorX1 = 100, p.VectorY1 = 200, p.VectorX2 = 200, p.VectorY2 = 300;
    p.VectorLabels_s = "yy";
    S().ClearLog();
    p.DrawVectorComponents();
    EXPECT_EQ(p.VectorYText_s, "-2");
    EXPECT_EQ(Texts()[0], "2@136,200");
    // Half a cell: "0.5" up and "-0.5" down, never "00.5".
    for (auto [dy, text] : {std::pair{-25.0, "0.5"}, {25.0, "-0.5"}}) {
        p.VectorX1 = 100, p.VectorY1 = 200, p.VectorX2 = 125, p.VectorY2 = 200 + dy;
        p.DrawVectorComponents();
        EXPECT_EQ(p.VectorYText_s, text);
        EXPECT_EQ(p.VectorXText_s, "0.5");
    }
    // A move straight across has no vertical arrow, but its texts.
    p.VectorX1 = 100, p.VectorY1 = 200, p.VectorX2 = 200, p.VectorY2 = 200;
    S().ClearLog();
    p.DrawVectorComponents();
    EXPECT_EQ(Arrows(), 3u);
    EXPECT_EQ(p.VectorYText_s, "0");
    EXPECT_EQ(Texts(), (std::vector<std::string>{"2@136,200", "0@200,184"}));
    p.VectorX1 = 100, p.VectorY1 = 100, p.VectorX2 = 100, p.VectorY2 = 200;
    S().ClearLog();
    p.DrawVectorComponents();
    EXPECT_EQ(Arrows(), 3u);
    // No grid cells, no lengths: the caller's mistake.
    p.GridCellSize = 0;
    EXPECT_EQ(ErrorOf(&TestProgram::DrawVectorComponents), surface::kErrDivisionByZero);
}

// ---- numbers taken apart ----

TEST_F(GeometryTest, FactorizeIntoPrimes) {
    struct Case {
        double n;
        std::vector<std::pair<double, double>> slots;  // 1.. in order
        double rest, count;
    };
    const Case cases[] = {
        {12, {{2, 2}, {3, 1}}, 1, 2},
        {-12, {{2, 2}, {3, 1}}, 1, 2},
        {1, {}, 1, 0},
        {58, {{2, 1}}, 29, 1},  // 29 is never tried
        {23, {{23, 1}}, 1, 1},
        {841, {}, 841, 0},
        {840, {{2, 3}, {3, 1}, {5, 1}, {7, 1}}, 1, 4},
        // Every prime divides 0: it is left over whole instead of for ever.
        {0, {}, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.n);
        p.FactorNumber = c.n;
        p.FactorizeIntoPrimes();
        for (std::size_t k = 0; k < 9; ++k) {
            auto want = k < c.slots.size() ? c.slots[k] : std::pair{0.0, 0.0};
            EXPECT_EQ(p.PrimeFactors(k + 1, 1).value(), want.first) << "slot " << k + 1;
            EXPECT_EQ(p.PrimeFactors(k + 1, 2).value(), want.second) << "slot " << k + 1;
        }
        EXPECT_EQ(p.PrimeFactors(10, 1).value(), c.rest);
        EXPECT_EQ(p.PrimeFactors(10, 2).value(), 1);
        EXPECT_EQ(p.Q.value(), c.count);
        EXPECT_EQ(p.P.value(), 10);
        EXPECT_EQ(p.FactorNumber.value(), std::fabs(c.n));
        EXPECT_EQ(p.SmallPrimes(10).value(), 29);
    }
}

TEST_F(GeometryTest, ListFactorPairs) {
    struct Case {
        double n;
        std::vector<double> divisors;
        double pairs, last_index;
    };
    const Case cases[] = {
        {12, {1, 2, 3, 4, 6, 12}, 3, 13},
        {-12, {1, 2, 3, 4, 6, 12}, 3, 13},
        {7, {1, 7}, 1, 8},
        {16, {1, 2, 4, 8, 16}, 3, 17},  // an odd count rounds up
        {0, {1}, 1, 2},                 // the first pass always runs
        {0.5, {}, 0, 2},
        {7.5, {}, 0, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.n);
        p.GeoY4 = c.n;
        p.ListFactorPairs();
        EXPECT_EQ(p.GeoY4.value(), std::fabs(c.n));
        ASSERT_EQ(p.P.value(), c.divisors.size());
        for (std::size_t k = 0; k < c.divisors.size(); ++k) {
            EXPECT_EQ(p.X_a(k + 1).value(), c.divisors[k]);
            EXPECT_EQ(p.Y_a(k + 1).value(), std::fabs(c.n) / c.divisors[k]);
        }
        EXPECT_EQ(p.FactorPairCount.value(), c.pairs);
        EXPECT_EQ(p.LoopIndex.value(), c.last_index);
    }
    // 5040 has 60 divisors: the table stops at 50, the count does not, and
    // every pair stands in the first 30 entries.
    p.X_a(50) = -1;
    p.GeoY4 = 5040;
    p.ListFactorPairs();
    EXPECT_EQ(p.P.value(), 50);
    EXPECT_EQ(p.FactorPairCount.value(), 30);
    EXPECT_EQ(p.X_a(30).value() * p.Y_a(30).value(), 5040);
    EXPECT_LT(p.X_a(30).value(), p.Y_a(30).value());
    EXPECT_GT(p.X_a(31).value(), p.Y_a(31).value());
    // A counter of single precision cannot count that far.
    p.GeoY4 = 16777216;
    EXPECT_EQ(ErrorOf(&TestProgram::ListFactorPairs), surface::kErrInvalidArgument);
}

TEST_F(GeometryTest, ComputeArcPoint) {
    struct Case {
        double x1, y1, x2, y2, bulge, angle, want_x, want_y;
    };
    const Case cases[] = {
        {100, 100, 300, 100, 40, 0, 300, 100},   {100, 100, 300, 100, 40, 180, 100, 100},
        {100, 100, 300, 100, 40, 90, 200, 60},   {100, 100, 300, 100, 40, 270, 200, 140},
        {100, 300, 100, 100, 40, 90, 60, 200},  // an upward chord: left of it
    };
    for (const Case& c : cases) {
        p.Point1X = c.x1, p.Point1Y = c.y1, p.Point2X = c.x2, p.Point2Y = c.y2;
        p.CurveBulge = c.bulge, p.CurveAngle = c.angle;
        p.ComputeArcPoint();
        EXPECT_NEAR(p.Point4X, c.want_x, 1e-3) << c.angle;
        EXPECT_NEAR(p.Point4Y, c.want_y, 1e-3) << c.angle;
        EXPECT_EQ(p.PiValue.value(), 3.14159f);
    }
    // Point 2 is left as the point before the turn.
    EXPECT_NEAR(p.Point2X, 200, 1e-3);
    EXPECT_NEAR(p.Point2Y, 260, 1e-3);
    p.Point1X = p.Point2X = 100, p.Point1Y = p.Point2Y = 100;
    EXPECT_EQ(ErrorOf(&TestProgram::ComputeArcPoint), surface::kErrDivisionByZero);
}

// ---- layouts ----

TEST_F(GeometryTest, DrawBrace) {
    surface::FE_SETDRAWWIDTH(0, 2);
    p.X = 100, p.Y = 200, p.HABA = 100, p.CCC1 = 3;
    p.X3 = -1, p.X4 = -1;
    p.DrawBrace();
    EXPECT_EQ(Log(), (std::vector<std::string>{
                         "PsCONNECT 7 135 205 123 208 123 240.5 108 247.5 123 254.5 123 287 "
                         "135 290 3 0 0 pen=5"}));
    EXPECT_EQ(p.X3.value(), 123);
    EXPECT_EQ(p.X4.value(), 108);
    EXPECT_EQ(p.WorkX.value(), 135);
    EXPECT_EQ(p.WorkY.value(), 205);
    EXPECT_EQ(p.X.value(), 100);
    EXPECT_EQ(surface::FE_GETDRAWWIDTH(0), 2);
}

TEST_F(GeometryTest, DrawDivisionLayout) {
    auto layout = [&](const char* upper, const char* divisor, const char* lower) {
        p.X = 100, p.Y = 200, p.CurveBulge = 60, p.CCC1 = 0, p.CCC2 = 4;
        p.A1_s = surface::Utf8ToCp932(upper);
        p.DivisorText_s = surface::Utf8ToCp932(divisor);
        p.A2_s = surface::Utf8ToCp932(lower);
        S().ClearLog();
        p.DrawDivisionLayout();
    };
    surface::FE_SETDRAWWIDTH(0, 2);
    layout("2x", "3", "6x+9");
    auto texts = Texts();
    const double lower_width = p.LLT;
    EXPECT_EQ(texts.front(), "2@154,200");
    EXPECT_EQ(texts[2], "3@100,266");
    EXPECT_EQ(texts[3], ")@127,266");
    EXPECT_EQ(texts[4], "6@154,260");
    auto bar = LogLines("PsLINE 127 320 ");
    ASSERT_EQ(bar.size(), 1u);
    EXPECT_EQ(Numbers(bar[0]), (std::vector<double>{127, 320, 127 + lower_width + 30, 320, 4, 0,
                                                    0, 3}));
    // The caller goes on right after the bar, on the lower row.
    EXPECT_EQ(p.XI2.value(), 100 + lower_width + 57);
    EXPECT_EQ(p.YI1.value(), 260);
    EXPECT_EQ(p.Y.value(), 260);
    EXPECT_EQ(p.X.value(), 154 + lower_width);
    EXPECT_EQ(p.ColumnX.value(), 154);
    EXPECT_EQ(surface::FE_GETDRAWWIDTH(0), 2);
    // A wide divisor pushes its ")" on; the lower text and the bar stay.
    layout("x", "12", "y");
    texts = Texts();
    EXPECT_EQ(texts[3], ")@154,266");
    EXPECT_EQ(texts[4], "y@154,260");
    // Empty texts: a bar of 30.
    layout("", "", "");
    EXPECT_EQ(LogLines("PsLINE 127 320 157 320").size(), 1u);
    // Tall parentheses: the layout's own ")" is drawn tall when no text
    // holds one, and leaves the switch off.
    p.KAKKO = 1;
    layout("2", "3", "6");
    EXPECT_EQ(LogLines("PsSYMBOL40 133 260 \")\" 3 4").size(), 1u);
    EXPECT_EQ(p.KAKKO.value(), 0);
}

TEST_F(GeometryTest, CompactBoxes) {
    auto box = [&](const char* text, double w, double h) {
        p.X = 100, p.Y = 200, p.HABA = w, p.TATE = h, p.CCC1 = 0, p.CCC2 = 3, p.CCC3 = 15;
        p.A_s = surface::Utf8ToCp932(text);
        S().ClearLog();
        p.DrawCompactTextBox();
    };
    box("12", 100, 26);
    EXPECT_EQ(Texts().front(), "1@130,200");  // (100 - 40) / 2 in, at the top
    EXPECT_EQ(p.LLT.value(), 40);
    EXPECT_EQ(p.X.value(), 200);
    EXPECT_EQ(p.A_s, "2");
    box("12", 100, 25);  // INT(-0.5) is -1
    EXPECT_EQ(Texts().front(), "1@130,199");
    box("12", 40, 26);   // exactly as wide: from the left edge
    EXPECT_EQ(Texts().front(), "1@100,200");
    box("1234", 40, 26);
    EXPECT_EQ(Texts().front(), "1@100,200");
    // Two lines, centred in the upper half and below it; one line lower.
    p.X = 100, p.Y = 200, p.HABA = 100, p.TATE = 80;
    p.A1_s = "12", p.A2_s = "3";
    S().ClearLog();
    p.DrawCompactTwoLineBox();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"1@130,207", "2@150,207", "3@140,237"}));
    EXPECT_EQ(p.LLT.value(), 20);
    p.X = 100, p.A2_s = "";
    S().ClearLog();
    p.DrawCompactTwoLineBox();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"1@130,222", "2@150,222"}));
    // Measuring draws nothing that shows.
    p.A_s = "";
    S().ClearLog();
    p.MeasureCompactTextWidth();
    EXPECT_EQ(p.LLT.value(), 0);
    p.A_s = "ab";
    p.MeasureCompactTextWidth();
    EXPECT_EQ(p.AA_s, "ab");
    EXPECT_TRUE(Log().empty());
}

TEST_F(GeometryTest, ParenthesizeNegativeAndStripBracketsAndPlus) {
    const std::pair<const char*, const char*> brackets[] = {
        {"-3", "(-3)"}, {"2-x", "(2-x)"}, {"5", "5"}, {"", ""}, {"(-3)", "((-3))"}};
    for (auto [in, out] : brackets) {
        p.A_s = in;
        p.ParenthesizeNegative();
        EXPECT_EQ(p.A_s, out) << in;
    }
    const std::pair<const char*, const char*> stripped[] = {
        {"(2x+3)-(x-1)", "2x3-x-1"}, {"+(-5)", "-5"}, {"3x-y", "3x-y"}, {"", ""}};
    for (auto [in, out] : stripped) {
        p.A_s = in;
        p.StripBracketsAndPlus();
        EXPECT_EQ(p.A_s, out) << in;
    }
}

}  // namespace
