// The program-wide variables of the lesson framework. Routines take no
// parameters: callers put arguments here, call, and read results back.
#pragma once

#include "surface/number.h"
#include "surface/strings.h"

namespace framework {

using surface::Array;
using surface::Array2;
using surface::Single;
using surface::Str;

struct Globals {
    // Text registers.
    Str AA_s;       // text to draw; the printers leave it empty
    Str A_s;        // general string argument and result
    Str B_s;        // one character being converted or drawn
    Single X, Y;    // text pen: callers set both, the printers advance X
    Single CCC1;    // text colour (start-up sets 4)
    Single CCC2;    // second colour: box borders, strokes, grid lines, arrow dots
    Single CCC3;    // text-box fill colour
    Single HABA, TATE;  // text-box cell width and height
    Single LLT;     // width returned by the text measurer
    Single XT;      // pen x after the plain formula drawer

    // Markup state of the renderers: it belongs to the pen and outlives a call.
    Single JYOU, JYOUK, KAKKO, HROOT, TXM, BUN;
    Single TX, TY;  // working pen of the glyph renderers
    Single DR;      // pen width saved on entry and set back on exit
    Single CCC0;    // CCC1 saved by the any-key waits

    // Prompt registers.
    Str AINP_s;     // the text typed on the prompt line
    Single AINP;    // its value
    Str I_s;        // last key polled
    Single XX, YY;  // cursor of the answer line
    Single KAIX, KAIY;  // anchor of the prompt line (start-up: 1056, 648)
    Str TITLE_s;    // the program's title literal

    Single A;       // the seed; afterwards free scratch
    Single WorkX, WorkY;  // a shared working point
    Single LoopIndex;     // the shared counter of counted loops
    Single ERRNO;   // error number on the error screen

    // Fraction arguments and results.
    Single DS, DB, YAK, YAK1, X3, X4;
    Str A2_s, A21_s;

    // Conversion tables, set on every call.
    Str HENK1_s, HENK2_s, HENK_s, HENK3_s;

    // Chapter registers.
    Single SENTAKU;           // a chapter's sub-menu choice
    Single NO;                // drill pass counter or table row
    Single XI0, XI1, YI1, XI2;  // line layout
    Single P, Q;              // random scratch

    // The 25 lesson arrays, in the order start-up creates them.
    Array<Str, 40> F_sa;      // display texts of results
    Array<Single, 40> F_a;    // results of an example
    Array<Str, 80> T_sa;      // display texts of an example
    Array<Single, 80> T_a;    // numbers of an example
    Array<Single, 23> Unused5_a;
    Array<Str, 6> Unused6_sa;
    Array2<Str, 5, 2> Unused7_sa;
    Array<Str, 10> Unused8_sa;
    Array<Single, 5> Unused9_a;
    Array<Single, 5> Unused10_a;
    Array2<Single, 10, 2> Corners_a;  // corner points of the polygon routines
    Array<Single, 50> X_a;    // x of cells, frames and figure points
    Array<Single, 50> Y_a;    // y of the same
    Array<Single, 10> R_a;    // numbers of the balance lessons
    Array<Single, 10> Unused15_a;
    Array<Single, 10> Unused16_a;
    Array<Str, 20> X_sa;      // letters or header texts of a drill
    Array<Str, 20> Unused18_sa;
    Array<Single, 5> Unused19_a;
    Array<Single, 5> Unused20_a;
    Array<Str, 10> RAB_sa;    // relation phrases
    Array<Str, 10> Unused22_sa;
    Array<Str, 10> Unused23_sa;
    Array<Single, 40> U_a;    // x of corners of figures
    Array<Single, 40> V_a;    // y of the same
};

}  // namespace framework
