// The lesson figures, through their registers and the operation log.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/harness.h"

namespace {

using surface::Single;
using testing_support::SurfaceTest;
using testing_support::TestProgram;

constexpr double kDeg = 180 / std::numbers::pi;

// The numbers of a log line, its pen width last.
const auto& Numbers = testing_support::LogNumbers;

// Two logs draw the same: the same operations and texts, with numbers
// equal to within rounding.
::testing::AssertionResult SameDrawing(const std::vector<std::string>& a,
                                       const std::vector<std::string>& b) {
    auto fail = [&](const std::string& why) {
        auto r = ::testing::AssertionFailure() << why << "\n";
        for (auto& l : a) r << "  " << l << "\n";
        r << "versus\n";
        for (auto& l : b) r << "  " << l << "\n";
        return r;
    };
    if (a.size() != b.size()) return fail("different lengths");
    for (std::size_t i = 0; i < a.size(); ++i) {
        std::istringstream ia(a[i]), ib(b[i]);
        std::string wa, wb;
        while (true) {
            bool ga = bool(ia >> wa), gb = bool(ib >> wb);
            if (ga != gb) return fail("line " + std::to_string(i));
            if (!ga) break;
            if (wa == wb) continue;
            std::size_t na = 0, nb = 0;
            double va = 0, vb = 0;
            try {
                va = std::stod(wa, &na);
                vb = std::stod(wb, &nb);
            } catch (const std::exception&) {
                return fail("line " + std::to_string(i));
            }
            if (na != wa.size() || nb != wb.size() || std::fabs(va - vb) > 1e-3)
                return fail("line " + std::to_string(i));
        }
    }
    return ::testing::AssertionSuccess();
}

class FiguresTest : public SurfaceTest {
protected:
    TestProgram p;

    void SetPoints(double x1, double y1, double x2, double y2, double x3 = 0, double y3 = 0) {
        p.Point1X = x1;
        p.Point1Y = y1;
        p.Point2X = x2;
        p.Point2Y = y2;
        p.Point3X = x3;
        p.Point3Y = y3;
    }
    // Points on arms at the given directions (degrees, as seen) from (100, 100).
    void SetArms(double deg1, double deg2) {
        SetPoints(100, 100, 100 + 100 * std::cos(deg1 / kDeg), 100 - 100 * std::sin(deg1 / kDeg),
                  100 + 100 * std::cos(deg2 / kDeg), 100 - 100 * std::sin(deg2 / kDeg));
    }
    // Where the last label's text started: the printers leave X after it.
    double LabelLeft() { return p.X - p.LLT; }
    int RuntimeErrorCode(void (TestProgram::*routine)()) {
        return testing_support::RuntimeErrorCode([&] { (p.*routine)(); });
    }
};

// ---- directions ----

TEST_F(FiguresTest, SegmentDirectionsOfAxesAndDiagonals) {
    struct Case {
        double dx, dy;
        float rad, deg;
    };
    const float pi = 3.14159f;
    const std::vector<Case> cases = {
        {100, 0, 0, 0},                        // right
        {-100, 0, pi, 180},                    // left
        {0, -100, pi / 2, 90},                 // up: smaller y
        {0, 100, 4.712385f, 270},              // down
        {0, 0, pi, 180},                       // coincident points
        {1, -1, 0.7853969f, 44.99996f},        // up and right: not exactly 45
        {1, 1, 5.497783f, 315.00003f},         // down and right
        {-1, -1, 2.3561933f, 135.00005f},      // up and left
        {-1, 1, 3.926987f, 224.99995f},        // down and left
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "dx=" << c.dx << " dy=" << c.dy);
        p.PiValue = 0;
        SetPoints(300, 200, 300 + c.dx, 200 + c.dy);
        p.ComputeSegmentAngle();
        EXPECT_EQ(p.PiValue.value(), pi);
        EXPECT_FLOAT_EQ(p.SegmentAngle.value(), c.rad);
        EXPECT_FLOAT_EQ(p.SegmentAngleDeg.value(), c.deg);
        EXPECT_EQ(p.Point1X.value(), 300);
        EXPECT_EQ(p.Point2Y.value(), 200 + c.dy);
    }
}

TEST_F(FiguresTest, BisectorHalvesTheCounterClockwiseSweep) {
    struct Case {
        double arm1, arm2, side, bisector;  // degrees
    };
    const std::vector<Case> cases = {
        {350, 10, 0, 360},   // the sweep passes through 0
        {350, 10, -1, 180},  // the other angle at the vertex
        {10, 80, 0, 45},
        {10, 80, -1, 225},
        {10, 80, 1, 45},     // only exactly -1 exchanges
        {10, 80, -2, 45},
        {30, 30, 0, 30},     // arms in one direction
        {200, 100, 0, 330},  // past a half turn from arm 1 to arm 2
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.arm1 << " " << c.arm2 << " side " << c.side);
        SetArms(c.arm1, c.arm2);
        p.LabelSide = c.side;
        p.SegmentAngleDeg = 777;
        p.ComputeArmAngles();
        EXPECT_NEAR(p.BisectorAngle * kDeg, c.bisector, 1e-3);
        // Point 3's direction, whatever the exchange.
        EXPECT_NEAR(p.SegmentAngle * kDeg, c.arm2, 1e-3);
        EXPECT_EQ(p.SegmentAngleDeg.value(), 777);
        EXPECT_EQ(p.LabelSide.value(), c.side);
    }
}

TEST_F(FiguresTest, ArmTurnsAreClockwiseFractionsWithRightGivingOne) {
    struct Case {
        double x3, y3, side;
        float angle1, angle2, turn1, turn2;
    };
    const float pi = 3.14159f;
    // Arm 1 points right from (100, 100).
    const std::vector<Case> cases = {
        {100, 0, 0, 0, pi / 2, 1, 0.75f},    // arm 2 up
        {100, 0, -1, pi / 2, 0, 0.75f, 1},   // exchanged
        {0, 100, 0, 0, pi, 1, 0.5f},         // arm 2 left
        {100, 200, 0, 0, 4.712385f, 1, 0.25f},  // arm 2 down
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.x3 << "," << c.y3 << " side " << c.side);
        SetPoints(100, 100, 200, 100, c.x3, c.y3);
        p.LabelSide = c.side;
        p.ComputeArmAngles();
        EXPECT_FLOAT_EQ(p.Arm1Angle.value(), c.angle1);
        EXPECT_FLOAT_EQ(p.Arm2Angle.value(), c.angle2);
        EXPECT_FLOAT_EQ(p.Arm1Turn.value(), c.turn1);
        EXPECT_FLOAT_EQ(p.Arm2Turn.value(), c.turn2);
    }
}

// ---- curved dotted arrow ----

struct ArrowCase {
    const char* name;
    double sx, sy, ex, ey, bulge, side, extent, step;
    int dots;
    double first_x, first_y, last_x, last_y, mid_x, mid_y;
};

class CurvedArrowTest : public FiguresTest {
protected:
    void Draw(const ArrowCase& c, const char* label) {
        SetPoints(c.sx, c.sy, c.ex, c.ey, 999, 999);
        p.CurveBulge = c.bulge;
        p.CurveSide = c.side;
        p.CurveExtent = c.extent;
        p.HABA = c.step;
        p.CCC2 = 9;
        p.CCC1 = 3;
        p.LabelText_s = surface::Utf8ToCp932(label);
        S().ClearLog();
        p.DrawCurvedArrow();
    }
};

TEST_F(CurvedArrowTest, DotsRunAlongTheHalfEllipseOnTheChosenSide) {
    const std::vector<ArrowCase> cases = {
        // Left of the way: upper half from E back towards S, no dot at S.
        {"left", 100, 100, 200, 100, -10, -1, 0, 8, 23, 200, 100, 100.12, 99.30, 150, 90},
        // Right of the way: lower half from S to E, both ends included.
        {"right", 100, 100, 200, 100, -10, 1, 0, 18, 11, 100, 100, 200, 100, 150, 110},
        // Straight down: the right of the way is the left of the screen.
        {"down right", 100, 100, 100, 150, -10, 1, 0, 18, 11, 100, 100, 100, 150, 90, 125},
        {"down left", 100, 100, 100, 150, -10, -1, 0, 18, 11, 100, 150, 100, 100, 110, 125},
        // Part of the half: from S to the farthest point, labelled at t = 225.
        {"extent right", 100, 100, 200, 100, -10, 1, 90, 10, 10, 100, 100, 150, 110, 114.64,
         107.07},
        // From E to the farthest point.
        {"extent left", 100, 100, 200, 100, -10, -1, 90, 10, 10, 200, 100, 150, 90, 185.36,
         92.93},
        // Side 0 draws the whole upper half whatever the extent.
        {"side 0", 100, 100, 200, 100, -10, 0, 90, 10, 19, 200, 100, 100, 100, 150, 90},
        // Left to right is not special: right to left mirrors it.
        {"leftwards", 200, 100, 100, 100, -10, -1, 0, 18, 11, 100, 100, 200, 100, 150, 110},
    };
    for (const ArrowCase& c : cases) {
        SCOPED_TRACE(c.name);
        Draw(c, "");
        auto dots = LogLines("PsCIRCLE");
        ASSERT_EQ(dots.size(), std::size_t(c.dots));
        auto first = Numbers(dots.front()), last = Numbers(dots.back());
        EXPECT_NEAR(first[0], c.first_x, 0.01);
        EXPECT_NEAR(first[1], c.first_y, 0.01);
        EXPECT_NEAR(last[0], c.last_x, 0.01);
        EXPECT_NEAR(last[1], c.last_y, 0.01);
        // Discs of radius 0.5 in the dot colour.
        EXPECT_EQ(std::vector<double>(first.begin() + 2, first.end() - 1),
                  (std::vector<double>{0.5, 9, 1, 0, 0, 1, 9}));
        // Every dot on the drawn side, no farther out than the bulge.
        for (const auto& d : dots) {
            auto n = Numbers(d);
            double across = (c.ex - c.sx) * (n[1] - c.sy) - (c.ey - c.sy) * (n[0] - c.sx);
            double len = std::hypot(c.ex - c.sx, c.ey - c.sy);
            // Positive: right of the way as seen (y down).
            double side = c.side > 0 ? across / len : -across / len;
            EXPECT_GT(side, -1e-3) << d;
            EXPECT_LT(side, 10 + 1e-3) << d;
        }
        EXPECT_NEAR(p.Point1X, c.mid_x, 0.01);
        EXPECT_NEAR(p.Point1Y, c.mid_y, 0.01);
        EXPECT_EQ(p.Point2X.value(), c.sx);
        EXPECT_EQ(p.Point2Y.value(), c.sy);
        EXPECT_EQ(p.Point3X.value(), c.ex);
        EXPECT_EQ(p.Point3Y.value(), c.ey);
        EXPECT_EQ(p.CurveBulge.value(), 10);
        EXPECT_EQ(p.CurveExtent.value(), 0);
    }
}

TEST_F(CurvedArrowTest, DotsAreSolidWithTheLessonsWidePen) {
    // Pen 5, as the like-term picture draws its arrows: every dot's centre
    // has the dot's colour (a ring would leave it white).
    surface::FE_SETDRAWWIDTH(0, 5);
    Draw({"wide pen", 100, 300, 400, 300, -40, 1, 0, 2, 0, 0, 0, 0, 0, 0, 0}, "");
    auto dots = LogLines("PsCIRCLE");
    ASSERT_GT(dots.size(), 50u);
    for (const auto& d : dots) {
        auto n = Numbers(d);
        ASSERT_EQ(S().PixelAt(n[0], n[1]), surface::PaletteColor(9)) << d;
    }
}

TEST_F(CurvedArrowTest, LabelSitsOutsideTheBowAtItsMiddle) {
    struct Case {
        ArrowCase arrow;
        // Label box against M: offsets of its left edge in label widths and
        // of its top in half-heights (22).
        double left_in_widths, top_in_halves;
    };
    const std::vector<Case> cases = {
        {{"above", 100, 100, 200, 100, -10, -1, 0, 8, 23, 0, 0, 0, 0, 150, 90}, -0.5, -2},
        {{"below", 100, 100, 200, 100, -10, 1, 0, 18, 11, 0, 0, 0, 0, 150, 110}, -0.5, 0},
        {{"left", 100, 100, 100, 150, -10, 1, 0, 18, 11, 0, 0, 0, 0, 90, 125}, -1, -1},
        {{"right", 100, 100, 100, 150, -10, -1, 0, 18, 11, 0, 0, 0, 0, 110, 125}, 0, -1},
        // Side 0: the label faces the segment.
        {{"side 0", 100, 100, 200, 100, -10, 0, 0, 18, 11, 0, 0, 0, 0, 150, 90}, -0.5, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arrow.name);
        Draw(c.arrow, "3m");
        ASSERT_GT(p.LLT, 0);
        EXPECT_NEAR(LabelLeft(), c.arrow.mid_x + c.left_in_widths * p.LLT, 0.01);
        EXPECT_NEAR(p.Y, c.arrow.mid_y + 22 * c.top_in_halves, 0.01);
        EXPECT_FALSE(LogLines("PsSYMBOL40").empty());
        // The label inputs are spent.
        EXPECT_TRUE(p.LabelText_s.empty());
        EXPECT_EQ(p.LabelSide.value(), 0);
        EXPECT_EQ(p.LabelRadius.value(), 0);
        EXPECT_EQ(p.CCC1.value(), 3);
        EXPECT_EQ(p.CCC2.value(), 9);
    }
}

TEST_F(CurvedArrowTest, BulgeIsScaledAndWrittenBack) {
    struct Case {
        double bulge, height;
    };
    // Below 16 counts in steps of 16, negative in units, the rest as is.
    const std::vector<Case> cases = {{1, 16}, {2, 32}, {-10, 10}, {16, 16},
                                     {20, 20}, {0.5, 8}, {0, 0}, {-40, 40}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bulge);
        Draw({"", 100, 100, 200, 100, c.bulge, 1, 0, 18, 11, 0, 0, 0, 0, 0, 0}, "");
        EXPECT_EQ(p.CurveBulge.value(), c.height);
        EXPECT_NEAR(p.Point1Y, 100 + c.height, 0.01);
    }
}

TEST_F(CurvedArrowTest, SecondCallUsesTheScaledBulge) {
    ArrowCase c = {"", 100, 100, 200, 100, 0.5, 1, 0, 18, 11, 0, 0, 0, 0, 0, 0};
    Draw(c, "");
    ASSERT_EQ(p.CurveBulge.value(), 8);
    SetPoints(100, 100, 200, 100);
    p.DrawCurvedArrow();
    EXPECT_EQ(p.CurveBulge.value(), 128);
    EXPECT_NEAR(p.Point1Y, 228, 0.01);
}

TEST_F(CurvedArrowTest, EndsThatCoincideEndOnTheErrorScreen) {
    struct ErrorProgram : TestProgram {
        void MainMenu() override {
            Point1X = Point2X = 100;
            Point1Y = Point2Y = 100;
            CurveBulge = -10;
            CurveSide = 1;
            HABA = 8;
            DrawCurvedArrow();
        }
    } program;
    EXPECT_THROW(program.BAS_MAIN(), surface::Stop);
    ASSERT_TRUE(program.error_report().has_value());
    EXPECT_NE(program.error_report()->find("11エラーが発生しました"), std::string::npos)
        << *program.error_report();
    EXPECT_TRUE(LogLines("PsCIRCLE").empty());
}

TEST_F(CurvedArrowTest, StepThatCannotAdvanceIsARuntimeErrorNotAHang) {
    for (double step : {0.0, -8.0, 1e-6}) {
        SCOPED_TRACE(step);
        SetPoints(100, 100, 200, 100);
        p.CurveBulge = -10;
        p.CurveSide = -1;
        p.HABA = step;
        S().ClearLog();
        EXPECT_EQ(RuntimeErrorCode(&TestProgram::DrawCurvedArrow), surface::kErrInvalidArgument);
        EXPECT_TRUE(LogLines("PsCIRCLE").empty());
    }
}

// ---- point labels ----

TEST_F(FiguresTest, PointLabelBoxTouchesTheVertexAlongTheBisector) {
    struct Case {
        const char* name;
        double arm1, arm2;  // degrees
        const char* text;
        double radius, offset_x, offset_y;
        // Left edge: vertex x + widths * W + dx; top: vertex y + dy.
        double widths, dx, dy;
    };
    const std::vector<Case> cases = {
        {"up", 0, 180, "AB", 0, 0, 0, -0.5, 0, -44},
        {"down", 180, 0, "AB", 0, 0, 0, -0.5, 0, 0},
        {"right", 270, 90, "AB", 0, 0, 0, 0, 0, -22},
        {"left", 90, 270, "AB", 0, 0, 0, -1, 0, -22},
        {"fraction up, radius 10", 0, 180, "ﾀ1/2ﾀ", 10, 0, 0, -0.5, 0, -90},
        {"right, radius 30", 270, 90, "AB", 30, 0, 0, 0, 30, -22},
        {"offsets", 0, 180, "AB", 0, 5, -3, -0.5, 5, -47},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetArms(c.arm1, c.arm2);
        p.LabelText_s = surface::Utf8ToCp932(c.text);
        p.LabelRadius = c.radius;
        p.LabelOffsetX = c.offset_x;
        p.LabelOffsetY = c.offset_y;
        p.DrawPointLabel();
        ASSERT_GT(p.LLT, 0);
        EXPECT_NEAR(LabelLeft(), 100 + c.widths * p.LLT + c.dx, 0.01);
        EXPECT_NEAR(p.Y, 100 + c.dy, 0.01);
        EXPECT_TRUE(p.LabelText_s.empty());
        EXPECT_EQ(p.LabelRadius.value(), 0);
        EXPECT_EQ(p.LabelOffsetX.value(), 0);
        EXPECT_EQ(p.LabelOffsetY.value(), 0);
        EXPECT_TRUE(p.AA_s.empty());
    }
}

TEST_F(FiguresTest, PointLabelInsideOrOutsideTheAngle) {
    // Arms from (200, 200) down to the left and to the right.
    for (double side : {0.0, -1.0}) {
        SCOPED_TRACE(side);
        SetPoints(200, 200, 100, 300, 300, 300);
        p.LabelSide = side;
        p.LabelText_s = "AB";
        p.DrawPointLabel();
        EXPECT_NEAR(LabelLeft(), 200 - p.LLT / 2, 0.01);
        // Into the angle (below the vertex), or out of it (above).
        EXPECT_NEAR(p.Y, side == 0 ? 200 : 156, 0.01);
        EXPECT_EQ(p.LabelSide.value(), 0);
    }
}

TEST_F(FiguresTest, PointLabelPrinterFollowsExactlyOne) {
    // Where the label goes does not depend on the printer.
    SetArms(0, 180);
    p.LabelText_s = "x+1";
    p.DrawPointLabel();
    const double x = LabelLeft(), y = p.Y;
    // Each label must come out as the chosen printer draws it there.
    for (double compact : {0.0, 1.0, 2.0}) {
        SCOPED_TRACE(compact);
        SetArms(0, 180);
        p.LabelText_s = "x+1";
        p.LabelCompact = compact;
        S().ClearLog();
        p.DrawPointLabel();
        auto label = Log();
        EXPECT_EQ(p.LabelCompact.value(), 0);
        S().ClearLog();
        p.X = x;
        p.Y = y;
        p.AA_s = "x+1";
        if (compact == 1)
            p.DrawCompactText();
        else
            p.DrawMessage();
        EXPECT_TRUE(SameDrawing(label, Log()));
    }
}

TEST_F(FiguresTest, SecondLabelWithoutTextDrawsNothing) {
    SetArms(0, 180);
    p.LabelText_s = "AB";
    p.DrawPointLabel();
    ASSERT_FALSE(LogLines("PsSYMBOL40").empty());
    S().ClearLog();
    p.LabelRadius = 5;
    p.DrawPointLabel();
    EXPECT_TRUE(LogLines("PsSYMBOL40").empty());
    EXPECT_EQ(p.LLT.value(), 0);
    EXPECT_EQ(p.LabelRadius.value(), 0);
}

// ---- segment marks ----

struct CountCase {
    double count;
    int chevrons, ticks, arcs;  // arcs -1: one filled sector
    double chevron_count_after, tick_count_after;
};

const std::vector<CountCase> kCountCases = {
    {2, 2, 2, 2, 2, 2},    {7, 1, 1, 1, 1, 1},      {0, 1, 1, -1, 1, 0},
    {-2, 1, 1, -1, 1, 1},  {2.5, 2, 2, 2, 2.5, 2.5}, {6, 6, 6, 6, 6, 6},
};

TEST_F(FiguresTest, ChevronsStepSixteenFromTheDividingPoint) {
    struct Case {
        double ax, ay, bx, by, m, n;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {0, 0, 100, 0, 1, 1,
         {"PsLINE 56 5 66 0 6 0 0 pen=1", "PsLINE 56 -5 66 0 6 0 0 pen=1",
          "PsLINE 72 5 82 0 6 0 0 pen=1", "PsLINE 72 -5 82 0 6 0 0 pen=1"}},
        // Downwards, divided 1 : 3: tips point from A towards B.
        {0, 0, 0, 100, 1, 3,
         {"PsLINE -5 31 0 41 6 0 0 pen=1", "PsLINE 5 31 0 41 6 0 0 pen=1",
          "PsLINE -5 47 0 57 6 0 0 pen=1", "PsLINE 5 47 0 57 6 0 0 pen=1"}},
    };
    for (const Case& c : cases) {
        p.SegmentAX = c.ax;
        p.SegmentAY = c.ay;
        p.SegmentBX = c.bx;
        p.SegmentBY = c.by;
        p.RatioM = c.m;
        p.RatioN = c.n;
        p.LabelRadius = 10;
        p.MarkCount = 2;
        p.CCC2 = 6;
        S().ClearLog();
        p.DrawChevronMarks();
        EXPECT_EQ(LogLines("PsLINE"), c.lines);
    }
}

TEST_F(FiguresTest, TicksCrossTheSegmentAroundItsMiddle) {
    struct Case {
        double ax, ay, bx, by, spacing, shift, count;
        std::vector<std::string> lines;
        double spacing_after;
    };
    const std::vector<Case> cases = {
        {0, 0, 100, 0, 0, 0, 3,
         {"PsLINE 58 -6 58 6 6 0 0 pen=1", "PsLINE 66 -6 66 6 6 0 0 pen=1",
          "PsLINE 74 -6 74 6 6 0 0 pen=1"},
         32},
        // Above 30 falls back to 8; the shift moves the ticks along.
        {0, 0, 100, 0, 40, 10, 1, {"PsLINE 68 -6 68 6 6 0 0 pen=1"}, 16},
        // A negative spacing is used as it is.
        {0, 0, 100, 0, -5, 0, 2, {"PsLINE 45 -6 45 6 6 0 0 pen=1", "PsLINE 40 -6 40 6 6 0 0 pen=1"},
         -15},
        // Vertical segment: the ticks lie across it.
        {0, 0, 0, 100, 8, 0, 1, {"PsLINE 6 58 -6 58 6 0 0 pen=1"}, 16},
    };
    for (const Case& c : cases) {
        p.SegmentAX = c.ax;
        p.SegmentAY = c.ay;
        p.SegmentBX = c.bx;
        p.SegmentBY = c.by;
        p.TickSpacing = c.spacing;
        p.LabelSide = c.shift;
        p.LabelRadius = 6;
        p.MarkCount = c.count;
        p.CCC2 = 6;
        S().ClearLog();
        p.DrawTickMarks();
        EXPECT_EQ(LogLines("PsLINE"), c.lines);
        EXPECT_EQ(p.TickSpacing.value(), c.spacing_after);
    }
}

TEST_F(FiguresTest, MarkCountsOutOfRangeGiveOneMark) {
    for (const CountCase& c : kCountCases) {
        SCOPED_TRACE(c.count);
        p.SegmentAX = 0;
        p.SegmentAY = 0;
        p.SegmentBX = 100;
        p.SegmentBY = 0;
        p.RatioM = p.RatioN = 1;
        p.LabelRadius = 60;
        p.MarkCount = c.count;
        S().ClearLog();
        p.DrawChevronMarks();
        EXPECT_EQ(LogLines("PsLINE").size(), std::size_t(2 * c.chevrons));
        EXPECT_EQ(p.MarkCount.value(), c.chevron_count_after);

        p.MarkCount = c.count;
        p.TickSpacing = 8;
        S().ClearLog();
        p.DrawTickMarks();
        EXPECT_EQ(LogLines("PsLINE").size(), std::size_t(c.ticks));
        EXPECT_EQ(p.MarkCount.value(), c.tick_count_after);

        SetPoints(100, 100, 200, 100, 100, 0);
        p.LabelRadius = 60;
        p.MarkCount = c.count;
        S().ClearLog();
        p.DrawAngleArcs();
        auto circles = LogLines("PsCIRCLE");
        if (c.arcs < 0) {
            ASSERT_EQ(circles.size(), 1u);
            EXPECT_EQ(Numbers(circles[0])[7], 1) << "filled";
        } else {
            EXPECT_EQ(circles.size(), std::size_t(c.arcs));
        }
    }
}

TEST_F(FiguresTest, ZeroLengthSegmentIsARuntimeError) {
    p.SegmentAX = p.SegmentBX = 50;
    p.SegmentAY = p.SegmentBY = 50;
    p.RatioM = p.RatioN = 1;
    p.LabelRadius = 10;
    p.MarkCount = 2;
    EXPECT_EQ(RuntimeErrorCode(&TestProgram::DrawChevronMarks), surface::kErrDivisionByZero);
    EXPECT_EQ(RuntimeErrorCode(&TestProgram::DrawTickMarks), surface::kErrDivisionByZero);
    EXPECT_TRUE(LogLines("PsLINE").empty());
}

// ---- angle marks ----

TEST_F(FiguresTest, AngleArcsSweepFromArmOneToArmTwoInsideTheLabel) {
    struct Case {
        double side, radius, count;
        std::vector<std::string> circles;
    };
    // Vertex (100, 100), arm 1 right, arm 2 up.
    const std::vector<Case> cases = {
        {0, 30, 3,
         {"PsCIRCLE 100 100 22 14 1 0.75 1 0 0 pen=1", "PsCIRCLE 100 100 14 14 1 0.75 1 0 0 pen=1",
          "PsCIRCLE 100 100 6 14 1 0.75 1 0 0 pen=1"}},
        // The other angle at the vertex: three quarters of a turn.
        {-1, 30, 1, {"PsCIRCLE 100 100 22 14 1 1 0.75 0 0 pen=1"}},
        {0, 30, 0, {"PsCIRCLE 100 100 30 6 1 0.75 1 1 14 pen=1"}},
        // Arcs that would reach the vertex are left out.
        {0, 20, 3, {"PsCIRCLE 100 100 12 14 1 0.75 1 0 0 pen=1",
                    "PsCIRCLE 100 100 4 14 1 0.75 1 0 0 pen=1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "side " << c.side << " count " << c.count);
        SetPoints(100, 100, 200, 100, 100, 0);
        p.LabelSide = c.side;
        p.LabelRadius = c.radius;
        p.MarkCount = c.count;
        p.CCC2 = 6;
        p.CCC3 = 14;
        p.LabelText_s = "a";
        S().ClearLog();
        p.DrawAngleArcs();
        EXPECT_EQ(LogLines("PsCIRCLE"), c.circles);
        EXPECT_TRUE(p.LabelText_s.empty());
        EXPECT_EQ(p.LabelSide.value(), 0);
        EXPECT_EQ(p.LabelRadius.value(), 0);
    }
}

TEST_F(FiguresTest, AngleLabelSitsBeyondItsArcsInTheMarkedAngle) {
    for (double side : {0.0, -1.0}) {
        SCOPED_TRACE(side);
        SetPoints(100, 100, 200, 100, 100, 0);
        p.LabelSide = side;
        p.LabelRadius = 30;
        p.MarkCount = 2;
        p.LabelText_s = "60°"_sj;
        p.DrawAngleArcs();
        // The centre of the label's box lies beyond LabelRadius, in the
        // quarter that is marked: up and right, or the three others.
        double cx = LabelLeft() + p.LLT / 2, cy = p.Y + 22;
        EXPECT_GT(std::hypot(cx - 100, cy - 100), 30);
        if (side == 0)
            EXPECT_TRUE(cx > 100 && cy < 100) << cx << " " << cy;
        else
            EXPECT_TRUE(cx < 100 && cy > 100) << cx << " " << cy;
    }
}

TEST_F(FiguresTest, AngleTextInDegreesToOneDecimal) {
    struct Case {
        double arm1, arm2, side;  // degrees
        const char* text;
    };
    const std::vector<Case> cases = {
        {0, 90, 0, "90"},       {0, 90, -1, "270"}, {0, 123.456, 0, "123.5"},
        {350, 10, 0, "20"},     {10, 350, 0, "340"}, {45, 45, 0, "0"},
        {0, 44.99996, 0, "45"}, {180, 90, 0, "270"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        SetArms(c.arm1, c.arm2);
        p.LabelSide = c.side;
        p.MeasureAngleText();
        EXPECT_EQ(p.AngleText_s, c.text);
        EXPECT_EQ(p.A_s, c.text);
        EXPECT_NEAR(p.SegmentAngleDeg, std::stod(c.text), 0.06);
        EXPECT_NEAR(p.BisectorAngle * kDeg, std::stod(c.text), 0.06);
    }
}

TEST_F(FiguresTest, RightAngleMarkIsTheSquaresOuterCorner) {
    struct Case {
        double x2, y2, x3, y3, side;
        std::vector<double> points;
    };
    const std::vector<Case> cases = {
        {200, 100, 100, 0, 0, {120, 100, 120, 80, 100, 80}},
        {200, 100, 100, 0, -1, {100, 80, 120, 80, 120, 100}},
        // Arms down and left.
        {100, 200, 0, 100, 0, {100, 120, 80, 120, 80, 100}},
    };
    for (const Case& c : cases) {
        SetPoints(100, 100, c.x2, c.y2, c.x3, c.y3);
        p.LabelSide = c.side;
        p.LabelRadius = 20;
        p.CCC2 = 6;
        S().ClearLog();
        p.DrawRightAngleMark();
        auto lines = LogLines("PsCONNECT");
        ASSERT_EQ(lines.size(), 1u);
        auto n = Numbers(lines[0]);
        ASSERT_EQ(n.size(), 11u);
        EXPECT_EQ(n[0], 3);
        for (int i = 0; i < 6; ++i) EXPECT_NEAR(n[1 + i], c.points[i], 1e-3) << i;
        EXPECT_EQ(std::vector<double>(n.begin() + 7, n.end() - 1), (std::vector<double>{6, 0, 0}));
    }
}

// ---- grid paper ----

class GridTest : public FiguresTest {
protected:
    void Draw(double x, double y, double size, double columns, double rows, double colour) {
        p.GridOriginX = x;
        p.GridOriginY = y;
        p.GridCellSize = size;
        p.GridColumns = columns;
        p.TATE = rows;
        p.CCC2 = colour;
        p.CCC3 = 7;
        surface::FE_SETDRAWWIDTH(0, 5);
        S().ClearLog();
        p.DrawGrid();
    }
};

TEST_F(GridTest, FifteenByFourEveryFifthLineThick) {
    Draw(40, 100, 35, 15, 4, 0);
    auto lines = LogLines("PsLINE");
    ASSERT_EQ(lines.size(), 21u);
    std::vector<std::string> thick;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto n = Numbers(lines[i]);
        if (i < 16) {  // all verticals first, left to right
            EXPECT_EQ(n[0], 40 + 35 * double(i));
            EXPECT_EQ(n[0], n[2]);
            EXPECT_EQ(n[1], 100);
            EXPECT_EQ(n[3], 240);
        } else {  // then horizontals, bottom to top
            EXPECT_EQ(n[1], 240 - 35 * double(i - 16));
            EXPECT_EQ(n[0], 40);
            EXPECT_EQ(n[2], 565);
        }
        if (n[7] == 3) thick.push_back(lines[i]);
        else EXPECT_EQ(n[4], 0) << lines[i];
    }
    EXPECT_EQ(thick, (std::vector<std::string>{
                         "PsLINE 40 100 40 240 14 0 0 pen=3", "PsLINE 215 100 215 240 14 0 0 pen=3",
                         "PsLINE 390 100 390 240 14 0 0 pen=3", "PsLINE 565 100 565 240 14 0 0 pen=3",
                         "PsLINE 40 240 565 240 14 0 0 pen=3"}));
    EXPECT_EQ(lines.back(), "PsLINE 40 100 565 100 0 0 0 pen=1");  // the top edge is thin
    EXPECT_EQ(p.GridLeftX.value(), 40);
    EXPECT_EQ(p.GridTopY.value(), 100);
    EXPECT_EQ(p.GridRightX.value(), 565);
    EXPECT_EQ(p.GridBottomY.value(), 240);
    EXPECT_EQ(p.PlotOriginX.value(), 40);
    EXPECT_EQ(p.PlotOriginY.value(), 240);
    EXPECT_EQ(p.CCC3.value(), 14);
    EXPECT_EQ(surface::FE_GETDRAWWIDTH(0), 5);
}

TEST_F(GridTest, BackgroundColourSetsTheFrameAndDrawsNothing) {
    Draw(600, 150, 50, 12, 4, 15);
    EXPECT_TRUE(Log().empty());
    EXPECT_EQ(p.CCC3.value(), 7);
    EXPECT_EQ(surface::FE_GETDRAWWIDTH(0), 5);
    EXPECT_EQ(p.GridLeftX.value(), 600);
    EXPECT_EQ(p.GridTopY.value(), 150);
    EXPECT_EQ(p.GridRightX.value(), 1200);
    EXPECT_EQ(p.GridBottomY.value(), 350);
    EXPECT_EQ(p.PlotOriginX.value(), 600);
    EXPECT_EQ(p.PlotOriginY.value(), 350);
}

TEST_F(GridTest, CountsAreTakenAsGiven) {
    struct Case {
        double columns, rows;
        std::size_t verticals, horizontals;
        double right;
        bool last_vertical_thick, top_thick;
    };
    const std::vector<Case> cases = {
        {0, 4, 1, 5, 10, true, false},       // horizontals of zero length
        {-3, 2, 1, 3, -80, true, false},     // index 0 is always drawn
        {2.5, 1, 3, 2, 85, false, false},    // lines run half a cell past
        {5, 5, 6, 6, 160, true, true},
        {10, 0, 11, 1, 310, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.columns << " x " << c.rows);
        Draw(10, 20, 30, c.columns, c.rows, 2);
        auto lines = LogLines("PsLINE");
        ASSERT_EQ(lines.size(), c.verticals + c.horizontals);
        auto last_vertical = Numbers(lines[c.verticals - 1]);
        auto top = Numbers(lines.back());
        EXPECT_EQ(last_vertical[7] == 3, c.last_vertical_thick);
        EXPECT_EQ(top[7] == 3, c.top_thick);
        EXPECT_EQ(top[0], 10);
        EXPECT_EQ(top[2], c.right);
        EXPECT_EQ(p.GridRightX.value(), c.right);
        EXPECT_EQ(surface::FE_GETDRAWWIDTH(0), 5);
    }
}

// ---- polygon outline ----

class PolygonTest : public FiguresTest {
protected:
    void SetCorners(const std::vector<std::pair<double, double>>& corners) {
        p.PolygonSides = double(corners.size());
        for (std::size_t k = 0; k < corners.size(); ++k) {
            p.PolygonPoints(double(k + 1), 1) = corners[k].first;
            p.PolygonPoints(double(k + 1), 2) = corners[k].second;
        }
    }
    // The texts of the labels drawn, in order (UTF-8).
    std::vector<std::string> LabelTexts() {
        std::vector<std::string> out;
        for (const auto& l : LogLines("PsSYMBOL40")) {
            auto a = l.find('"'), b = l.find('"', a + 1);
            out.push_back(l.substr(a + 1, b - a - 1));
        }
        return out;
    }
};

TEST_F(PolygonTest, TriangleLetteredFromTheStartingCharacter) {
    struct Case {
        const char* start;
        std::vector<std::string> labels;
    };
    p.X_sa(1) = "甲"_sj;
    p.X_sa(2) = "乙"_sj;
    p.X_sa(3) = "丙"_sj;
    const std::vector<Case> cases = {
        {"A", {"A", "B", "C"}},
        {"P", {"P", "Q", "R"}},
        {"2", {"2", "3", "4"}},
        {"Ａ", {"Ａ", "Ｂ", "Ｃ"}},
        {"1", {"甲", "乙", "丙"}},  // "1" takes the letters array
        {"", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.start);
        SetCorners({{100, 300}, {300, 300}, {200, 100}});
        p.LabelText_s = surface::Utf8ToCp932(c.start);
        p.CCC2 = 6;
        p.CCC1 = 0;
        p.PolygonPenWidth = 2;
        S().ClearLog();
        p.DrawPolygon();
        EXPECT_EQ(LogLines("PsLINE"),
                  (std::vector<std::string>{"PsLINE 100 300 300 300 6 0 0 pen=2",
                                            "PsLINE 300 300 200 100 6 0 0 pen=2",
                                            "PsLINE 200 100 100 300 6 0 0 pen=2"}));
        auto texts = LabelTexts();
        // A printer may draw a label glyph by glyph, so compare the joined texts.
        std::string joined;
        for (auto& t : texts) joined += t;
        std::string expected;
        for (auto& t : c.labels) expected += t;
        EXPECT_EQ(joined, expected);
        EXPECT_TRUE(p.LabelText_s.empty());
    }
}

TEST_F(PolygonTest, CounterClockwiseCornersGetLabelsOutside) {
    // Corners listed counter-clockwise as seen: labels lie outside.
    const std::vector<std::pair<double, double>> corners = {{100, 300}, {300, 300}, {200, 100}};
    const double cx = 200, cy = 700.0 / 3;
    SetCorners(corners);
    p.LabelText_s = "A";
    p.LabelRadius = 4;
    p.PolygonPenWidth = 2;
    p.DrawPolygon();
    // Label k is the one drawn k-th; its box centre is farther from the
    // centre of the triangle than its corner.
    auto labels = LogLines("PsSYMBOL40");
    ASSERT_EQ(labels.size(), 3u);
    for (std::size_t k = 0; k < 3; ++k) {
        auto n = Numbers(labels[k].substr(0, labels[k].find('"')));
        double lx = n[0] + 4, ly = n[1] + 11;  // inside the label's first character
        auto [vx, vy] = corners[k];
        EXPECT_GT(std::hypot(lx - cx, ly - cy), std::hypot(vx - cx, vy - cy)) << labels[k];
        EXPECT_LT(std::hypot(lx - vx, ly - vy), 40) << labels[k];
    }
}

TEST_F(PolygonTest, QuadrilateralWrapsPastTheLastCorner) {
    const std::vector<std::pair<double, double>> corners = {
        {100, 200}, {200, 200}, {220, 100}, {90, 110}};
    SetCorners(corners);
    p.LabelText_s = "A";
    p.LabelRadius = 6;
    p.CCC2 = 1;
    p.PolygonPenWidth = 1;
    S().ClearLog();
    p.DrawPolygon();
    auto sides = LogLines("PsLINE");
    ASSERT_EQ(sides.size(), 4u);
    EXPECT_EQ(sides[3], "PsLINE 90 110 100 200 1 0 0 pen=1");
    auto labels = LogLines("PsSYMBOL40");
    ASSERT_EQ(labels.size(), 4u);
    // Corner 3's arms run to corners 4 and 1, corner 4's to corners 1 and 2.
    struct Oracle {
        int k, next, after;
    };
    for (Oracle o : {Oracle{3, 4, 1}, Oracle{4, 1, 2}}) {
        SetPoints(corners[o.k - 1].first, corners[o.k - 1].second, corners[o.next - 1].first,
                  corners[o.next - 1].second, corners[o.after - 1].first,
                  corners[o.after - 1].second);
        p.LabelSide = -1;
        p.LabelRadius = 6;
        p.LabelText_s = surface::PfCHR24('A' + o.k - 1);
        S().ClearLog();
        p.DrawPointLabel();
        EXPECT_TRUE(SameDrawing(LogLines("PsSYMBOL40"), {labels[o.k - 1]}));
    }
}

TEST_F(PolygonTest, OneCornerAndOutlineOnly) {
    SetCorners({{50, 60}});
    p.PolygonPoints(2, 1) = 150;
    p.PolygonPoints(2, 2) = 60;
    p.PolygonPenWidth = 2;
    p.LabelRadius = 7;
    p.LabelSide = 3;
    p.LabelText_s = "";
    S().ClearLog();
    p.DrawPolygon();
    EXPECT_EQ(LogLines("PsLINE"), std::vector<std::string>{"PsLINE 50 60 50 60 0 0 0 pen=2"});
    EXPECT_TRUE(LogLines("PsSYMBOL40").empty());
    // No labels: the label inputs stay as the caller set them.
    EXPECT_EQ(p.LabelRadius.value(), 7);
    EXPECT_EQ(p.LabelSide.value(), 3);

    p.LabelText_s = "A";
    S().ClearLog();
    p.DrawPolygon();
    ASSERT_EQ(LogLines("PsSYMBOL40").size(), 1u);
    EXPECT_EQ(p.LabelRadius.value(), 0);
    EXPECT_EQ(p.LabelSide.value(), 0);
}

TEST_F(PolygonTest, PenWidthComesBackAfterTheLabels) {
    SetCorners({{100, 300}, {300, 300}, {200, 100}});
    p.PolygonPenWidth = 6;
    p.LabelText_s = "A";
    surface::FE_SETDRAWWIDTH(0, 4);
    S().ClearLog();
    p.DrawPolygon();
    auto sides = LogLines("PsLINE");
    ASSERT_GE(sides.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) EXPECT_NE(sides[i].find("pen=6"), std::string::npos);
    ASSERT_EQ(LogLines("PsSYMBOL40").size(), 3u);
    EXPECT_EQ(surface::FE_GETDRAWWIDTH(0), 4);
}

TEST_F(PolygonTest, MoreThanTenCornersIsARuntimeError) {
    p.PolygonSides = 11;
    p.PolygonPenWidth = 1;
    EXPECT_EQ(RuntimeErrorCode(&TestProgram::DrawPolygon), surface::kErrOutOfBounds);
}

}  // namespace
