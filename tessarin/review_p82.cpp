// Chapter 5: the worked answers of the review of page 82, "学びをたしかめよう".
#include "tessarin/answer_rows.h"
#include "tessarin/tessarin.h"
#include "surface/surface.h"

namespace tessarin {

using namespace surface;
using namespace answer_rows;

void Tessarin::RunReviewP82() { ReviewP82Menu(); }

void Tessarin::ReviewP82Menu() {
    for (;;) {
        switch (AskSubmenuItem("①1～3　②4,5　③6,7　④8　⑤9　⑥10　⑦11　⑧終了"_sj, 8)) {
            case 1: ShowReviewP82Answers1To3(); break;
            case 2: ShowReviewP82Answers4And5(); break;
            case 3: ShowReviewP82Answers6And7(); break;
            case 4: ShowReviewP82Answers8(); break;
            case 5: ShowReviewP82Answers9(); break;
            case 6: ShowReviewP82Answers10(); break;
            case 7: ShowReviewP82Answers11(); break;
            default: return;  // 終了
        }
    }
}

void Tessarin::ShowReviewP82Answers1To3() {
    static constexpr Row rows[] = {
        WholeWindow(),
        {HeadingBox, AtMargin, 0, 0, 0, "学びをたしかめよう"},
        {NumberBox, AtMargin, 0, 50, 13, "1", 0, 44},
        {TextRow, AtMargin, 0, 50, 3, "(1)"},
        {TextRow, AtLine, 27, 0, 0, "25*a"},
        {TextRow, AtLine, 0, 50, 5, "=25a"},
        {TextRow, AtMargin, 0, 60, 3, "(2)"},
        {TextRow, AtLine, 27, 0, 0, "-x*y*x"},
        {TextRow, AtLine, 0, 50, 5, "=-x^2y"},
        {TextRow, AtMargin, 0, 60, 3, "(3)"},
        {TextRow, AtLine, 27, 0, 0, "x/3"},
        {TextRow, AtLine, 0, 70, 5, "=ﾀx/3ﾀ"},
        {TextRow, AtMargin, 0, 60, 3, "(4)"},
        {TextRow, AtLine, 27, 0, 0, "(m+n)/2"},
        {TextRow, AtLine, 0, 70, 5, "=ﾀm+n/2ﾀ"},
        Column(400, 460, 30),
        {TextRow, AtMargin, 0, 60, 3, "(5)"},
        {TextRow, AtLine, 27, 0, 0, "10*a+15"},
        {TextRow, AtLine, 0, 50, 5, "=10a+15"},
        {TextRow, AtMargin, 0, 60, 3, "(6)"},
        {TextRow, AtLine, 27, 0, 0, "x*3-y/2"},
        {TextRow, AtLine, 0, 70, 5, "=3x-ﾀy/2ﾀ", Key},
        {NumberBox, AtMargin, -44, 50, 13, "2", 0, 44},
        {TextRow, AtPen, 0, 0, 3, "(1)"},
        {TextRow, AtLine, 27, 0, 0, "2mn"},
        {TextRow, AtLine, 0, 50, 5, "=2*m*n"},
        {TextRow, AtMargin, 0, 60, 3, "(2)"},
        {TextRow, AtLine, 27, 0, 0, "x^3y"},
        {TextRow, AtLine, 0, 50, 5, "=x*x*x*y"},
        {TextRow, AtMargin, 0, 60, 3, "(3)"},
        {TextRow, AtLine, 27, 0, 0, "8a+3b"},
        {TextRow, AtLine, 0, 50, 5, "=8*a+3*b"},
        Column(800, 860, 30),
        {TextRow, AtMargin, 0, 0, 3, "(4)"},
        {TextRow, AtLine, 27, 0, 0, "4(x+y)-ﾀz/5ﾀ"},
        {TextRow, AtLine, 0, 50, 5, "=4*(x+y)-z/5", Key},
        {NumberBox, AtMargin, -44, 50, 13, "3", 0, 44},
        {TextRow, AtPen, 0, 0, 3, "(1)"},
        {TextRow, AtLine, 27, 0, 0, "x*5=5x "},
        {TextRow, AtLine, 0, 50, 5, "5x (円)"},
        {TextRow, AtMargin, 0, 60, 3, "(2)"},
        {TextRow, AtLine, 27, 0, 0, "x/12=ﾀx/12ﾀ "},
        {TextRow, AtLine, 0, 70, 5, "ﾀx/12ﾀ (円)"},
        {TextRow, AtMargin, 0, 60, 3, "(3)"},
        {TextRow, AtLine, 27, 0, 0, "60*a=60a "},
        {TextRow, AtLine, 0, 70, 5, "60a (m)"},
        {TextRow, AtMargin, 0, 60, 3, "(4)"},
        {TextRow, AtLine, 27, 0, 0, "b*ﾀ31/100ﾀ=ﾀ31/100ﾀb "},
        {TextRow, AtLine, 0, 70, 5, "ﾀ31/100ﾀb (kg)"},
    };
    DrawAnswerRows(rows);
}

void Tessarin::ShowReviewP82Answers4And5() {
    static constexpr Row rows[] = {
        WholeWindow(),
        {HeadingBox, AtMargin, 0, 0, 0, "学びをたしかめよう"},
        {NumberBox, AtMargin, 0, 50, 13, "4", 0, 44},
        {TextRow, AtPen, 0, 0, 3, "(1)"},
        {TextRow, AtPen, 0, 0, 0, "x=5 を代入して"},
        {TextRow, AtLine, 27, 50, 0, "5x+2"},
        {TextRow, AtLine, 0, 50, 0, "=5*5+2"},
        {TextRow, AtLine, 0, 50, 0, "=25+2"},
        {TextRow, AtPen, 0, 0, 5, "=27"},
        {TextRow, AtMargin, 0, 60, 3, "(2)"},
        {TextRow, AtLine, 27, 0, 0, "x=5 を代入して"},
        {TextRow, AtLine, 27, 50, 0, "4-7x"},
        {TextRow, AtLine, 0, 50, 0, "=4-7*5"},
        {TextRow, AtLine, 0, 50, 0, "=4-35"},
        {TextRow, AtPen, 0, 0, 5, "=-31"},
        {TextRow, AtMargin, 0, 60, 3, "(3)"},
        {TextRow, AtLine, 27, 0, 0, "x=5 を代入して"},
        {TextRow, AtLine, 27, 60, 0, "ﾀ15/xﾀ"},
        {TextRow, AtPen, 0, 0, 0, "=ﾀ15/5ﾀ"},
        {TextRow, AtPen, 0, 0, 5, "=3"},
        Column(480, 540, 30),
        {TextRow, AtMargin, 0, 0, 3, "(4)"},
        {TextRow, AtLine, 27, 0, 0, "x=5 を代入して"},
        {TextRow, AtLine, 27, 50, 0, "x^2"},
        {TextRow, AtLine, 0, 50, 0, "=5^2"},
        {TextRow, AtPen, 0, 0, 0, "=5*5"},
        {TextRow, AtPen, 0, 0, 5, "=25", Key},
        {NumberBox, AtMargin, -44, 50, 13, "5", 0, 44},
        {TextRow, AtPen, 0, 0, 3, "(1)"},
        {TextRow, AtLine, 27, 0, 0, "x=4,y=-3 を代入して"},
        {TextRow, AtLine, 27, 50, 0, "3x+5y"},
        {TextRow, AtLine, 0, 50, 0, "=3*4+5*(-3)"},
        {TextRow, AtLine, 0, 50, 0, "=12-15"},
        {TextRow, AtPen, 0, 0, 5, "=-3"},
        {TextRow, AtMargin, 0, 60, 3, "(2)"},
        {TextRow, AtLine, 27, 0, 0, "x=4,y=-3 を代入して"},
        {TextRow, AtLine, 27, 70, 0, "2x-ﾀ1/3ﾀy"},
        {TextRow, AtLine, 0, 70, 0, "=2*4-ﾀ1/3ﾀ*(-3)"},
        {TextRow, AtLine, 0, 60, 0, "=8+1"},
        {TextRow, AtPen, 0, 0, 5, "=9"},
    };
    DrawAnswerRows(rows);
}

void Tessarin::ShowReviewP82Answers6And7() {
    static constexpr Row rows[] = {
        WholeWindow(),
        {HeadingBox, AtMargin, 0, 0, 0, "学びをたしかめよう"},
        {NumberBox, AtMargin, 0, 60, 13, "6", 0, 44},
        {TextRow, AtPen, 0, 0, 3, "(1)"},
        {TextRow, AtPen, 0, 0, 0, "3-4a"},
        {TextRow, AtLine, 0, 50, 0, "項…"},
        {TextRow, AtPen, 0, 0, 5, "3, -4a"},
        {TextRow, AtLine, 0, 50, 0, "aの係数…"},
        {TextRow, AtPen, 0, 0, 5, "-4"},
        {TextRow, AtMargin, 0, 60, 3, "(2)"},
        {TextRow, AtLine, 27, 0, 0, "-x+5y+2"},
        {TextRow, AtLine, 0, 50, 0, "項…"},
        {TextRow, AtPen, 0, 0, 5, "-x,5y,2"},
        {TextRow, AtLine, 0, 50, 0, "xの係数…"},
        {TextRow, AtPen, 0, 0, 5, "-1"},
        {TextRow, AtPen, 27, 0, 0, "yの係数…"},
        {TextRow, AtPen, 0, 0, 5, "5", Key},
        {NumberBox, AtMargin, 0, 60, 13, "7", 0, 44},
        {TextRow, AtPen, 0, 0, 3, "(1)"},
        {TextRow, AtPen, 0, 0, 0, "9x-x"},
        {TextRow, AtLine, 0, 50, 0, "=(9-1)x"},
        {TextRow, AtPen, 0, 0, 5, "=8x"},
        {TextRow, AtMargin, 0, 60, 3, "(2)"},
        {TextRow, AtLine, 27, 0, 0, "-8x+3x"},
        {TextRow, AtLine, 0, 50, 0, "=(-8+3)x"},
        {TextRow, AtPen, 0, 0, 5, "=-5x"},
        Column(600, 660, 30),
        {TextRow, AtMargin, 0, 0, 3, "(3)"},
        {TextRow, AtLine, 27, 0, 0, "7a+4+3a-5"},
        {TextRow, AtLine, 0, 50, 0, "=7a+3a+4-5"},
        {TextRow, AtLine, 0, 50, 5, "=10a-1"},
        {TextRow, AtMargin, 0, 60, 3, "(4)"},
        {TextRow, AtLine, 27, 0, 0, "9y-8-4y+7"},
        {TextRow, AtLine, 0, 50, 0, "=9y-4y-8+7"},
        {TextRow, AtLine, 0, 50, 5, "=5y-1"},
        {TextRow, AtMargin, 0, 60, 3, "(5)"},
        {TextRow, AtLine, 27, 0, 0, "5x+(7+3x)"},
        {TextRow, AtLine, 0, 50, 0, "=5x+7+3x"},
        {TextRow, AtLine, 0, 50, 0, "=5x+3x+7"},
        {TextRow, AtPen, 0, 0, 5, "=8x+7"},
        {TextRow, AtMargin, 0, 60, 3, "(6)"},
        {TextRow, AtLine, 27, 0, 0, "-2a-(8a+3)"},
        {TextRow, AtLine, 0, 50, 0, "=-2a-8a-3"},
        {TextRow, AtPen, 0, 0, 5, "=-10a-3"},
    };
    DrawAnswerRows(rows);
}

void Tessarin::ShowReviewP82Answers8() {
    static constexpr Row rows[] = {
        WholeWindow(),
        {HeadingBox, AtMargin, 0, 0, 0, "学びをたしかめよう"},
        {NumberBox, AtPen, 20, 0, 13, "8", 0, 44},
        {TextRow, AtMargin, 0, 60, 3, "(1)"},
        {TextRow, AtLine, 0, 0, 0, " (8x+2)+(6x-2)"},
        {TextRow, AtLine, 0, 50, 0, "=8x+2+6x-2"},
        {TextRow, AtLine, 0, 50, 0, "=8x+6x+2-2"},
        {TextRow, AtPen, 0, 0, 5, "=14x"},
        {TextRow, AtLine, 0, 80, 0, " (8x+2)-(6x-2)"},
        {TextRow, AtLine, 0, 50, 0, "=(8x+2)+(-6x+2)"},
        {TextRow, AtLine, 0, 50, 0, "=8x+2-6x+2"},
        {TextRow, AtLine, 0, 50, 0, "=8x-6x+2+2"},
        {TextRow, AtPen, 0, 0, 5, "=2x+4"},
        Column(640, 694, 30),
        {TextRow, AtMargin, 0, 0, 3, "(2)"},
        {TextRow, AtLine, 0, 0, 0, " (-3y+10)+(9y-7)"},
        {TextRow, AtLine, 0, 50, 0, "=-3y+10+9y-7"},
        {TextRow, AtLine, 0, 50, 0, "=-3y+9y+10-7"},
        {TextRow, AtLine, 0, 50, 5, "=6y+3"},
        {TextRow, AtLine, 0, 80, 0, " (-3y+10)-(9y-7)"},
        {TextRow, AtLine, 0, 50, 0, "=(-3y+10)+(-9y+7)"},
        {TextRow, AtLine, 0, 50, 0, "=-3y+10-9y+7"},
        {TextRow, AtLine, 0, 50, 0, "=-3y-9y+10+7"},
        {TextRow, AtLine, 0, 50, 5, "=-12y+17"},
    };
    DrawAnswerRows(rows);
}

void Tessarin::ShowReviewP82Answers9() {
    static constexpr Row rows[] = {
        WholeWindow(),
        {HeadingBox, AtMargin, 0, 0, 0, "学びをたしかめよう"},
        {NumberBox, AtPen, 20, 0, 13, "9", 0, 44},
        {TextRow, AtMargin, 0, 60, 3, "(1)"},
        {TextRow, AtLine, 27, 0, 0, "2x*(-2)"},
        {TextRow, AtLine, 0, 50, 5, "=-4x"},
        {TextRow, AtMargin, 0, 60, 3, "(2)"},
        {TextRow, AtLine, 27, 0, 0, "-12y*4"},
        {TextRow, AtLine, 0, 50, 5, "=-48y"},
        {TextRow, AtMargin, 0, 60, 3, "(3)"},
        {TextRow, AtLine, 27, 0, 0, "4x/(-4)"},
        {TextRow, AtLine, 0, 70, 0, "=-ﾀ4x/4ﾀ"},
        {TextRow, AtLine, 0, 70, 5, "=-x"},
        Column(400, 460, 30),
        {TextRow, AtMargin, 0, 60, 3, "(4)"},
        {TextRow, AtLine, 27, 0, 0, "-9x/ﾀ3/2ﾀ"},
        {TextRow, AtLine, 0, 70, 0, "=-9x*ﾀ2/3ﾀ"},
        {TextRow, AtLine, 0, 60, 0, "=-3x*2"},
        {TextRow, AtLine, 0, 50, 5, "=-6x"},
        {TextRow, AtMargin, 0, 60, 3, "(5)"},
        {TextRow, AtLine, 27, 0, 0, "3(x+5)"},
        {TextRow, AtLine, 0, 50, 0, "=3*x+3*5"},
        {TextRow, AtLine, 0, 50, 5, "=3x+15"},
        Column(240, 300, -1),
        {TextRow, AtMargin, 0, 60, 3, "(6)"},
        {TextRow, AtLine, 27, 0, 0, "-2(4x-3)"},
        {TextRow, AtLine, 0, 50, 0, "=-2*4x+(-2)*(-3)"},  // ends before the erase at 760
        {TextRow, AtLine, 0, 50, 5, "=-8x+6"},
        Column(760, 820, 30),
        {TextRow, AtMargin, 0, 60, 3, "(7)"},
        {TextRow, AtLine, 27, 0, 0, "(9x+12)/3"},
        {TextRow, AtLine, 0, 70, 0, "=ﾀ9x/3ﾀ+ﾀ12/3ﾀ"},
        {TextRow, AtLine, 0, 60, 5, "=3x+4"},
        {TextRow, AtMargin, 0, 80, 3, "(8)"},
        {TextRow, AtLine, 27, 0, 0, "(-12x+8)/(-2)"},
        {TextRow, AtLine, 0, 70, 0, "=ﾀ-12x/-2ﾀ+ﾀ8/-2ﾀ"},
        {TextRow, AtLine, 0, 60, 5, "=6x-4", Key},
        Erase(0, 80, 760, 1880),
        Column(40, 100, 30),
        {TextRow, AtMargin, 0, 80, 3, "(9)"},
        {TextRow, AtLine, 27, 0, 0, "ﾀy-2/3ﾀ*9"},
        {TextRow, AtLine, 0, 70, 0, "=(y-2)*3"},
        {TextRow, AtLine, 0, 60, 5, "=3y-6"},
        {TextRow, AtMargin, 0, 80, 3, "(10)"},
        {TextRow, AtPen, 0, 0, 0, "4(3a+1)-2(5a+4)"},
        {TextRow, AtLine, 0, 50, 0, "=12a+4-10a-8"},
        {TextRow, AtLine, 0, 50, 0, "=12a-10a+4-8"},
        {TextRow, AtLine, 0, 50, 5, "=2a-4"},
    };
    DrawAnswerRows(rows);
}

void Tessarin::ShowReviewP82Answers10() {
    static constexpr Row rows[] = {
        WholeWindow(),
        {HeadingBox, AtMargin, 0, 0, 0, "学びをたしかめよう"},
        {NumberBox, AtPen, 20, 0, 13, "10", KeepPen, 80},
        {TextRow, AtMargin, 0, 60, 3, "(1)"},
        {TextRow, AtLine, 27, 0, 0, "ある数xに６を加えると、その和が１２になる。"},
        {TextRow, AtLine, 0, 50, 0, "ある数xに６を加える…x+6"},
        {TextRow, AtLine, 0, 50, 0, "これが、１２になるから、"},
        {TextRow, AtKeptPen, 0, 0, 5, "x+6=12", Key},
        {TextRow, AtMargin, 0, 60, 3, "(2)"},
        {TextRow, AtLine, 27, 0, 0, "ある数yに10を加えると、その和は１５以上である。"},
        {TextRow, AtLine, 0, 50, 0, "ある数yに10を加える…y+10"},
        {TextRow, AtLine, 0, 50, 0, "１５以上…≧15"},
        {TextRow, AtLine, 0, 50, 5, "y+10≧15", Key},
        {TextRow, AtMargin, 0, 60, 3, "(3)"},
        {TextRow, AtLine, 27, 0, 0, "a本の鉛筆を、一人に５本ずつb人に配ると３本余る。"},
        {TextRow, AtLine, 0, 50, 0, "一人に５本ずつb人に配る…5*b=5b"},
        {TextRow, AtLine, 0, 50, 0, "aは、配った本数＋余った本数"},
        {TextRow, AtLine, 0, 50, 5, "a=5b+3"},
    };
    DrawAnswerRows(rows);
}

void Tessarin::ShowReviewP82Answers11() {
    static constexpr Row rows[] = {
        WholeWindow(),
        {HeadingBox, AtMargin, 0, 0, 0, "学びをたしかめよう"},
        {NumberBox, AtPen, 20, 0, 13, "11", 0, 80},
        {TextRow, AtLine, 27, 70, 0, "x>y+10"},
        {TextRow, AtLine, 0, 90, 0, "x　は、1年生の人数"},
        {TextRow, AtLine, 0, 50, 0, "y+10　は、2年生の人数に10人をたした人数"},
        {TextRow, AtLine, 0, 70, 5, "1年生の人数は、2年生の人数に10人をたした人数より多い。"},
    };
    DrawAnswerRows(rows);
}

}  // namespace tessarin
