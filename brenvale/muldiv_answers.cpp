// Chapter 4, items ⑥ and ⑧: the worked answers of page 75, questions 3
// (a binomial times a number) and 4 (a binomial divided by a number).
#include "brenvale/brenvale.h"
#include "surface/surface.h"

namespace brenvale {

using namespace surface;

namespace {

using Row = Brenvale::AnswerRow;
using enum Brenvale::RowX;

// Question 3: the heading, then parts (1) to (3).
const Row kP75Problem3Left[] = {
    {3, kLine, 0, "教科書P75 問3　解答", true},
    {3, kMargin, 60, "(1)"},
    {0, kProblem, 0, "7(5x+3)"},
    {0, kLine, 50, "=7*5x+7*3"},
    {5, kLine, 50, "=35x+21"},
    {3, kMargin, 60, "(2)"},
    {0, kProblem, 0, "(2x-9)*10"},
    {0, kLine, 50, "=2x*10+(-9)*10"},
    {5, kLine, 50, "=20x-90"},
    {3, kMargin, 60, "(3)"},
    {0, kProblem, 0, "-2(6x+4)"},
    {0, kLine, 50, "=(-2)*6x+(-2)*4"},
    {5, kLine, 50, "=-12x-8"},
};
// Parts (4) to (6), the first level with the heading.
const Row kP75Problem3Right[] = {
    {3, kMargin, 0, "(4)"},
    {0, kProblem, 0, "(4x-1)*(-8)"},
    {0, kLine, 50, "=4x*(-8)+(-1)*(-8)"},
    {5, kLine, 50, "=-32x+8"},
    {3, kMargin, 60, "(5)"},
    {0, kProblem, 0, "15(ﾀ2/5ﾀx-10)"},
    {0, kLine, 70, "=15*ﾀ2/5ﾀx+15*(-10)"},
    {0, kLine, 50, "=3*2x-150"},
    {5, kLine, 50, "=6x-150"},
    {3, kMargin, 60, "(6)"},
    {0, kProblem, 0, "(-x+ﾀ2/3ﾀ)*ﾀ1/2ﾀ"},
    {0, kLine, 70, "=-x*ﾀ1/2ﾀ+ﾀ2/3ﾀ*ﾀ1/2ﾀ"},
    {0, kLine, 70, "=-ﾀ1/2ﾀx+ﾀ1/3ﾀ*ﾀ1/1ﾀ"},
    {5, kPen, 0, "=-ﾀ1/2ﾀx+ﾀ1/3ﾀ"},
};

// Question 4, one part between two key waits; every working row stands 70
// below the row before it.
const Row kP75Problem4Left[] = {
    {3, kMargin, 0, "問4　解答", true},
    {3, kMargin, 60, "(1)"},
    {0, kProblem, 0, "(4x+8)/2"},
    {0, kLine, 70, "=ﾀ4x/2ﾀ+ﾀ8/2ﾀ"},
    {5, kPen, 0, "=2x+4", true},
    {3, kMargin, 60, "(2)"},
    {0, kProblem, 0, "(6x-15)/(-3)"},
    {0, kLine, 70, "=ﾀ6x/-3ﾀ+ﾀ-15/-3ﾀ"},
    {5, kPen, 0, "=-2x+5", true},
    {3, kMargin, 70, "(3)"},
    {0, kProblem, 0, "(-ﾀ3/2ﾀx+4)/4"},
    {0, kLine, 70, "=(-ﾀ3/2ﾀx+4)*ﾀ1/4ﾀ"},
    {0, kLine, 70, "=-ﾀ3/2ﾀx*ﾀ1/4ﾀ+4*ﾀ1/4ﾀ"},
    {5, kLine, 70, "=-ﾀ3/8ﾀx+1", true},
};
const Row kP75Problem4Right[] = {
    {3, kMargin, 0, "(4)"},
    {0, kProblem, 0, "(27x-9)/ﾀ3/4ﾀ"},
    {0, kLine, 70, "=(27x-9)*ﾀ4/3ﾀ"},
    {0, kLine, 70, "=27x*ﾀ4/3ﾀ-9*ﾀ4/3ﾀ"},
    {0, kLine, 70, "=9x*4-3*4"},
    {5, kPen, 0, "=36x-12", true},
    {3, kMargin, 60, "(5)"},
    {0, kProblem, 0, "(-12x+8)/(-ﾀ8/3ﾀ)"},
    {0, kLine, 70, "=(-12x+8)*(-ﾀ3/8ﾀ)"},
    {0, kLine, 70, "=-12x*(-ﾀ3/8ﾀ)+8*(-ﾀ3/8ﾀ)"},
    {0, kLine, 70, "=3x*ﾀ3/2ﾀ-3"},
    {5, kPen, 0, "=ﾀ9/2ﾀx-3", true},
};
// Part (6), in the left column cleared below the heading.
const Row kP75Problem4Last[] = {
    {3, kMargin, 60, "(6)"},
    {0, kProblem, 0, "(8x-ﾀ2/3ﾀ)/(-2)"},
    {0, kLine, 70, "=(8x-ﾀ2/3ﾀ)*(-ﾀ1/2ﾀ)"},
    {0, kLine, 70, "=8x*(-ﾀ1/2ﾀ)-ﾀ2/3ﾀ*(-ﾀ1/2ﾀ)"},
    {0, kLine, 70, "=-8x*ﾀ1/2ﾀ+ﾀ2/3ﾀ*ﾀ1/2ﾀ"},
    {5, kLine, 70, "=-4x+ﾀ1/3ﾀ"},
};

}  // namespace

void Brenvale::ShowP75Problem3Answers() {
    PsLINE(0, 0, true, 1320, 1300, 15, 2, 15);
    StartColumn(40, 54);
    WriteAnswerRows(kP75Problem3Left);
    StartColumn(600, 54);
    WriteAnswerRows(kP75Problem3Right);
}

void Brenvale::ShowP75Problem4Answers() {
    PsLINE(0, 0, true, 1320, 1300, 15, 2, 15);
    StartColumn(40, 54);
    WriteAnswerRows(kP75Problem4Left);
    StartColumn(600, 54);
    WriteAnswerRows(kP75Problem4Right);
    // The heading and the right column stay.
    PsLINE(0, 90, true, 600, 1300, 15, 2, 15);
    StartColumn(40, 54);
    WriteAnswerRows(kP75Problem4Last);
}

}  // namespace brenvale
