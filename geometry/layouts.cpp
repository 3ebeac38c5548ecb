// Layouts beside and around lesson text: a brace, a division written out,
// and cells of compact text.
#include "geometry/geometry.h"
#include "surface/surface.h"

namespace geometry {

using namespace surface;

void Geometry::DrawBrace() {
    WorkX = X + 35;      // outer x
    X3 = WorkX - 12;     // inner x
    X4 = X3 - 15;        // tip x
    WorkY = Y + 5;       // top
    const Single bottom = Y + HABA - 10;
    const Single middle = (WorkY + bottom) / 2;
    DR = FE_GETDRAWWIDTH(0);
    FE_SETDRAWWIDTH(0, 5);
    PsCONNECT({{WorkX, WorkY},
               {X3, WorkY + 3},
               {X3, middle - 7},
               {X4, middle},
               {X3, middle + 7},
               {X3, bottom - 3},
               {WorkX, bottom}},
              CCC1, false, 0);
    FE_SETDRAWWIDTH(0, DR);
}

void Geometry::DrawDivisionLayout() {
    const Single x = X, y = Y;
    WorkX = x;
    WorkY = y;
    const Single pen = FE_GETDRAWWIDTH(0);
    A_s = A1_s;
    MeasureTextWidth();
    const Single upper = LLT;
    A_s = A2_s;
    MeasureTextWidth();
    const Single lower = LLT;
    const Single w = upper > lower ? upper : lower;
    WriteAt(CCC1, x + 54, y, A1_s);
    WriteAt(CCC1, x, y + CurveBulge + 6, DivisorText_s);
    WriteAfter(CCC1, ")");
    WriteAt(CCC1, x + 54, y + CurveBulge, A2_s);
    const Single end_x = X, end_y = Y;
    FE_SETDRAWWIDTH(0, 3);
    PsLINE(x + 27, y + 2 * CurveBulge, true, w + 30, 0, CCC2, 0, 0);
    FE_SETDRAWWIDTH(0, pen);
    DR = pen;
    // A caller goes on after the bar's end, where the layout ends.
    XI2 = x + w + 57;
    YI1 = y + CurveBulge;
    ColumnX = x + 54;
    LLT = lower;
    X = end_x;
    Y = end_y;
}

void Geometry::MeasureCompactTextWidth() {
    const Single x = X, y = Y;
    const Str text = A_s;
    X = 0;
    Y = 1800;
    AA_s = text;
    {
        MeasuringPass pass;
        DrawCompactText();
    }
    LLT = X;
    X = x;
    Y = y;
    AA_s = text;
}

namespace {

// The left margin of a text of width w centred in a cell, never negative.
double Margin(double cell, double w) { return cell - w < 0 ? 0 : (cell - w) / 2; }

}  // namespace

void Geometry::DrawCompactTextBox() {
    const Single x = X, y = Y;
    WorkX = x;
    WorkY = y;
    const Str text = A_s;
    MeasureCompactTextWidth();
    const Single left = Margin(HABA, LLT);
    const Single text_y = y + INT((TATE - 26) / 2);
    PsLINE(x, y, false, x + HABA, y + TATE, CCC2, 2, CCC3);
    X = x + left;
    Y = text_y;
    AA_s = text;
    DrawCompactText();
    X = x + HABA;
    Y = y;
}

void Geometry::DrawCompactTwoLineBox() {
    const Single x = X, y = Y;
    WorkX = x;
    WorkY = y;
    A_s = A1_s;
    MeasureCompactTextWidth();
    const Single upper_left = Margin(HABA, LLT);
    const Single line_y = y + INT((TATE / 2 - 26) / 2);
    PsLINE(x, y, false, x + HABA, y + TATE, CCC2, 2, CCC3);
    X = x + upper_left;
    Y = A2_s.empty() ? line_y + 15 : double(line_y);
    AA_s = A1_s;
    DrawCompactText();
    A_s = A2_s;
    MeasureCompactTextWidth();
    X = x + Margin(HABA, LLT);
    Y = line_y + 30;
    AA_s = A2_s;
    DrawCompactText();
    X = x + HABA;
    Y = y;
}

}  // namespace geometry
