// Chapter 4, item ⑪: a wrong division for the class to discuss, with the
// wrongly cancelled digits struck out, then the right working.
#include "brenvale/brenvale.h"
#include "surface/surface.h"

namespace brenvale {

using namespace surface;

namespace {

using Row = Brenvale::AnswerRow;
using enum Brenvale::RowX;

// Every glyph of a fraction advances 32, "ｹ" too: the struck copy of the
// fraction lies exactly on the first, each stroke across the digit it
// replaces, and ends where the first ended.
const Row kWrongWorking[] = {
    {3, kMargin, 0, "どこが誤り！正しい計算は？"},
    {0, kProblem, 70, "(10x+5)/5"},
    {0, kLine, 70, "=ﾀ10x+5/5ﾀ"},
    {0, kLine, 0, "=ﾀｹｹx+5/ｹﾀ"},
    {0, kPen, 0, "=2x+5", true},
    {5, kLine, 60, "10xしか5でわっていない。", true},
    {0, kProblem, 70, "(10x+5)/5"},
    {0, kLine, 70, "=ﾀ10x/5ﾀ+ﾀ5/5ﾀ"},
    {5, kPen, 0, "=2x+1"},
};

}  // namespace

void Brenvale::DiscussTheMistake() {
    PsLINE(0, 0, true, 1320, 1300, 15, 2, 15);
    StartColumn(40, 54);
    // The strokes: colour 7, 5 wide; both stay set after the item.
    FE_SETDRAWWIDTH(0, 5);
    CCC2 = 7;
    WriteAnswerRows(kWrongWorking);
}

}  // namespace brenvale
