// Chapter 5: the worked answers of the practice on page 76, two sets.
#include "brenvale/brenvale.h"
#include "surface/surface.h"

namespace brenvale {

using namespace surface;

namespace {

using Row = Brenvale::AnswerRow;
using enum Brenvale::RowX;

// Set 1, three columns; the third starts level with the boxes, right of them.
const Row kSet1Column1[] = {
    {3, kMargin, 60, "(1)"},
    {0, kProblem, 0, "8x*2"},
    {0, kLine, 50, "=8*2*x"},
    {5, kLine, 50, "=16x"},
    {3, kMargin, 60, "(2)"},
    {0, kProblem, 0, "12x*(-4)"},
    {0, kLine, 50, "=12*x*(-4)"},
    {0, kLine, 50, "=12*(-4)*x"},
    {5, kLine, 50, "=-48x"},
    {3, kMargin, 60, "(3)"},
    {0, kProblem, 0, "-6a*(-5)"},
    {0, kLine, 50, "=-6*a*(-5)"},
    {0, kLine, 50, "=6*5*a"},
    {5, kLine, 50, "=30a"},
};
const Row kSet1Column2[] = {
    {3, kMargin, 60, "(4)"},
    {0, kProblem, 0, "6x/6"},
    {0, kLine, 70, "=ﾀ6x/6ﾀ"},
    {5, kLine, 50, "=x"},
    {3, kMargin, 60, "(5)"},
    {0, kProblem, 0, "18y/(-6)"},
    {0, kLine, 70, "=-ﾀ18y/6ﾀ"},
    {5, kLine, 50, "=-3y"},
    {3, kMargin, 60, "(6)"},
    {0, kProblem, 0, "-21x/(-7)"},
    {0, kLine, 70, "=ﾀ21x/7ﾀ"},
    {5, kLine, 50, "=3x"},
};
const Row kSet1Column3[] = {
    {3, kMargin, 0, "(7)"},
    {0, kProblem, 0, "-27*ﾀ7/9ﾀx"},
    {0, kLine, 50, "=-3*7*x"},
    {5, kLine, 50, "=-21x"},
    {3, kMargin, 60, "(8)"},
    {0, kProblem, 0, "10x/ﾀ2/5ﾀ"},
    {0, kLine, 70, "=10x*ﾀ5/2ﾀ"},
    {0, kLine, 50, "=5x*5"},
    {5, kLine, 50, "=25x"},
    {3, kMargin, 60, "(9)"},
    {0, kProblem, 0, "-ﾀ2/3ﾀx/4"},
    {0, kLine, 70, "=-ﾀ2/3ﾀx*ﾀ1/4ﾀ"},
    {0, kLine, 70, "=-ﾀ2/3ﾀ*ﾀ1/4ﾀ*x"},
    {5, kPen, 0, "=-ﾀ1/6ﾀx"},
};

// Set 2: page one, problems (1) to (3) on the left and (4) to (6) on the
// right; page two, (7) and (8) in the left column.
const Row kSet2Left[] = {
    {3, kMargin, 60, "(1)"},
    {0, kProblem, 0, "10(0.2x-1.5)"},
    {0, kLine, 50, "=10*0.2x+10*(-1.5)"},
    {5, kLine, 50, "=2x-15"},
    {3, kMargin, 60, "(2)"},
    {0, kProblem, 0, "(400x-300)/100"},
    {0, kLine, 70, "=ﾀ400x/100ﾀ-ﾀ300/100ﾀ"},
    {5, kLine, 60, "=4x-3"},
    {3, kMargin, 60, "(3)"},
    {0, kProblem, 0, "9(2-ﾀx/3ﾀ)"},
    {0, kLine, 70, "=9*2+9*(-ﾀx/3ﾀ)"},
    {5, kLine, 50, "=18-3x"},
};
const Row kSet2Right[] = {
    {3, kMargin, 0, "(4)"},
    {0, kProblem, 0, "ﾀ-2x+3/6ﾀ*12"},
    {0, kLine, 60, "=(-2x+3)*2"},
    {5, kLine, 50, "=-4x+6"},
    {3, kMargin, 60, "(5)"},
    {0, kProblem, 0, "7x+2(4-5x)"},
    {0, kLine, 50, "=7x+8-10x"},
    {0, kLine, 50, "=7x-10x+8"},
    {5, kLine, 50, "=-3x+8"},
    {3, kMargin, 60, "(6)"},
    {0, kProblem, 0, "6(y-7)-3(4y+5)"},
    {0, kLine, 50, "=6y-42-12y-15"},
    {0, kLine, 50, "=6y-12y-42-15"},
    {5, kLine, 50, "=-6y-57", true},
};
const Row kSet2SecondPage[] = {
    {3, kMargin, 60, "(7)"},
    {0, kProblem, 0, "3(2a-1)-6(a-1)"},
    {0, kLine, 50, "=6a-3-6a+6"},
    {0, kLine, 50, "=6a-6a-3+6"},
    {5, kLine, 50, "=3"},
    {3, kMargin, 60, "(8)"},
    {0, kProblem, 0, "-ﾀ1/3ﾀ(6y-3)-ﾀ1/4ﾀ(4y+8)"},
    {0, kLine, 70, "=-ﾀ1/3ﾀ*6y-ﾀ1/3ﾀ*(-3)"},
    // The rest of the long line, indented under its first terms.
    {0, kLine, 70, "        -ﾀ1/4ﾀ*4y-ﾀ1/4ﾀ*8"},
    {0, kLine, 60, "=-2y+1-y-2"},
    {0, kLine, 50, "=-2y-y+1-2"},
    {5, kLine, 50, "=-3y-1"},
};

}  // namespace

void Brenvale::ShowPracticeP76Answers1() {
    DrawPracticeFrame("P76(練習問題)"_sj, "1"_sj);
    XI1 = 100;
    WriteAnswerRows(kSet1Column1);
    StartColumn(400, 60);
    WriteAnswerRows(kSet1Column2);
    StartColumn(800, 60);
    WriteAnswerRows(kSet1Column3);
}

void Brenvale::ShowPracticeP76Answers2() {
    DrawPracticeFrame("P76(練習問題)"_sj, "2"_sj);
    XI1 = 100;
    WriteAnswerRows(kSet2Left);
    StartColumn(600, 60);
    WriteAnswerRows(kSet2Right);
    // The boxes and the right column stay.
    PsLINE(0, 90, true, 600, 1800, 15, 2, 15);
    StartColumn(40, 60);
    WriteAnswerRows(kSet2SecondPage);
}

}  // namespace brenvale
