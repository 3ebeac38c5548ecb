// Chapter 6: the worked answers of the review of page 84, "学びを身につけよう".
#include "tessarin/answer_rows.h"
#include "tessarin/tessarin.h"
#include "surface/surface.h"

namespace tessarin {

using namespace surface;
using namespace answer_rows;

void Tessarin::RunReviewP84() { ReviewP84Menu(); }

void Tessarin::ReviewP84Menu() {
    for (;;) {
        switch (AskSubmenuItem("①1～3　②4　③5　④6　⑤7,8　⑥９　⑦１０　　　⑧終了"_sj, 8)) {
            case 1: ShowReviewP84Answers1To3(); break;
            case 2: ShowReviewP84Answers4(); break;
            case 3: ShowReviewP84Answers5(); break;
            case 4: ShowReviewP84Answers6(); break;
            case 5: ShowReviewP84Answers7And8(); break;
            case 6: ShowReviewP84Answers9(); break;
            case 7: ShowReviewP84Answers10(); break;
            default: return;  // 終了
        }
    }
}

void Tessarin::ShowReviewP84Answers1To3() {
    static constexpr Row rows[] = {
        WholeWindow(),
        {HeadingBox, AtMargin, 0, 0, 0, "学びを身につけよう"},
        {NumberBox, AtMargin, 0, 50, 13, "1", 0, 44},
        {TextRow, AtMargin, 0, 50, 3, "(1)"},
        {TextRow, AtLine, 27, 0, 0, "x*2"},
        {TextRow, AtLine, 0, 50, 5, "=2x(km)"},
        {TextRow, AtMargin, 0, 60, 3, "(2)"},
        {TextRow, AtLine, 27, 0, 0, "a/100"},
        {TextRow, AtLine, 0, 50, 5, "=ﾀa/100ﾀ(円)"},
        {TextRow, AtMargin, 0, 60, 3, "(3)"},
        {TextRow, AtLine, 27, 0, 0, "y*1000-x"},
        {TextRow, AtLine, 0, 50, 5, "=1000y-x(g)", Key},
        {NumberBox, AtMargin, 0, 50, 13, "2", 0, 44},
        {TextRow, AtMargin, 0, 60, 3, "(1)"},
        {TextRow, AtLine, 27, 0, 0, "a*h/2"},
        {TextRow, AtLine, 0, 50, 5, "=ﾀah/2ﾀ(cm^2)"},
        Column(400, 460, 30),
        {TextRow, AtMargin, 0, 60, 3, "(2)"},
        {TextRow, AtLine, 27, 0, 0, "a*h"},
        {TextRow, AtLine, 0, 50, 5, "=ah(cm^2)"},
        {TextRow, AtMargin, 0, 60, 3, "(3)"},
        {TextRow, AtLine, 27, 0, 0, "(a+b)*h/2"},
        {TextRow, AtLine, 0, 50, 5, "=ﾀ(a+b)h/2ﾀ(cm^2)", Key},
        {NumberBox, AtMargin, 0, 50, 13, "3", 0, 44},
        {TextRow, AtMargin, 0, 60, 3, "(1)"},
        {TextRow, AtLine, 27, 0, 0, "abcは、(たて)*(よこ)*(高さ)　だから "},
        {TextRow, AtLine, 0, 50, 5, "直方体の体積"},
        {TextRow, AtPen, 20, 0, 0, "単位 "},
        {TextRow, AtPen, 0, 0, 5, "cm^3"},
        {TextRow, AtMargin, 0, 60, 3, "(2)"},
        {TextRow, AtLine, 27, 0, 0, "4(a+b+c)は"},
        {TextRow, AtLine, 0, 50, 0, "たて、よこ、高さの辺の長さの和の4倍 だから"},
        {TextRow, AtLine, 0, 50, 5, "直方体のすべての辺の長さの和"},
        {TextRow, AtPen, 20, 0, 0, "単位 "},
        {TextRow, AtPen, 0, 0, 5, "cm"},
    };
    DrawAnswerRows(rows);
}

void Tessarin::ShowReviewP84Answers4() {
    static constexpr Row rows[] = {
        WholeWindow(),
        {HeadingBox, AtMargin, 0, 0, 0, "学びを身につけよう"},
        {NumberBox, AtPen, 20, 0, 13, "4", 0, 44},
        {TextRow, AtMargin, 0, 70, 3, "a=-ﾀ1/3ﾀを代入して"},
        {TextRow, AtMargin, 0, 70, 3, "2a"},
        {TextRow, AtLine, 0, 0, 0, "=2*(-ﾀ1/3ﾀ)", TallParens},
        {TextRow, AtPen, 0, 0, 3, "=-ﾀ2/3ﾀ"},
        {TextRow, AtMargin, 0, 80, 3, "a^2"},
        {TextRow, AtLine, 0, 0, 0, "=(-ﾀ1/3ﾀ)\\2", TallParens},
        {TextRow, AtPen, 0, 0, 3, "=ﾀ1/9ﾀ"},
        {TextRow, AtMargin, 0, 80, 3, "ﾀ1/aﾀ"},
        {TextRow, AtLine, 0, 0, 0, "=1/a=1/(-ﾀ1/3ﾀ)", TallParens},
        {TextRow, AtLine, 0, 60, 0, "=1*(-3)"},
        {TextRow, AtPen, 0, 0, 3, "=-3"},
        {TextRow, AtMargin, 0, 60, 3, "-a"},
        {TextRow, AtLine, 0, 0, 0, "=-(-ﾀ1/3ﾀ)", TallParens},
        {TextRow, AtPen, 0, 0, 3, "=ﾀ1/3ﾀ"},
        {TextRow, AtMargin, 0, 80, 3, "-ﾀ1/a^2ﾀ"},
        {TextRow, AtPen, 0, 0, 0, "=-1/a^2=-1/(-ﾀ1/3ﾀ)\\2", TallParens},
        {TextRow, AtLine, 0, 70, 0, "=-1/ﾀ1/9ﾀ=-1*9"},
        {TextRow, AtPen, 0, 0, 3, "=-9"},
        Column(600, -1, 30),
        {TextRow, AtMargin, 0, 60, 3, "もっとも大きくなるもの…"},
        {TextRow, AtPen, 0, 0, 5, "-a"},
        {TextRow, AtMargin, 0, 90, 3, "もっとも小さくなるもの…"},
        {TextRow, AtPen, 0, 0, 5, "-ﾀ1/a^2ﾀ"},
    };
    DrawAnswerRows(rows);
}

void Tessarin::ShowReviewP84Answers5() {
    static constexpr Row rows[] = {
        WholeWindow(54),
        {HeadingBox, AtMargin, 0, 0, 0, "学びを身につけよう"},
        {NumberBox, AtPen, 20, 0, 13, "5", 0, 44},
        {TextRow, AtMargin, 0, 60, 3, "(1)"},
        {TextRow, AtLine, 27, 0, 0, "-3x+9-(2x-1)"},
        {TextRow, AtLine, 0, 50, 0, "=-3x+9-2x+1"},
        {TextRow, AtLine, 0, 50, 0, "=-3x-2x+9+1"},
        {TextRow, AtLine, 0, 50, 5, "=-5x+10"},
        {TextRow, AtMargin, 0, 60, 3, "(2)"},
        {TextRow, AtLine, 27, 0, 0, "5y-2-(4-6y)"},
        {TextRow, AtLine, 0, 50, 0, "=5y-2-4+6y"},
        {TextRow, AtLine, 0, 50, 0, "=5y+6y-2-4"},
        {TextRow, AtLine, 0, 50, 5, "=11y-6"},
        {TextRow, AtMargin, 0, 60, 3, "(3)"},
        {TextRow, AtLine, 27, 0, 0, "100(0.3x-1.05)"},
        {TextRow, AtLine, 0, 50, 0, "=100*0.3x+100*(-1.05)"},
        {TextRow, AtLine, 0, 50, 5, "=30x-105"},
        Column(640, 694, 30),
        {TextRow, AtMargin, 0, 0, 3, "(4)"},
        {TextRow, AtLine, 27, 0, 0, "(450x-180)/(-90)"},
        {TextRow, AtLine, 0, 70, 0, "=ﾀ450x/-90ﾀ+ﾀ-180/-90ﾀ"},
        {TextRow, AtLine, 0, 60, 5, "=-5x+2"},
        {TextRow, AtMargin, 0, 80, 3, "(5)"},
        {TextRow, AtLine, 27, 0, 0, "12*ﾀ3x-2/4ﾀ"},
        {TextRow, AtLine, 0, 60, 0, "=3(3x-2)"},
        {TextRow, AtLine, 0, 50, 5, "=9x-6"},
        {TextRow, AtMargin, 0, 60, 3, "(6)"},
        {TextRow, AtLine, 27, 0, 0, "-6(ﾀ3/2ﾀx-ﾀ1/3ﾀ)", TallParens},
        {TextRow, AtLine, 0, 70, 0, "=-6*ﾀ3/2ﾀx-6*(-ﾀ1/3ﾀ)", TallParens},
        {TextRow, AtLine, 0, 60, 5, "=-9x+2", Key},
        Erase(0, 80, 640, 1880),
        Column(40, 94, 30),
        {TextRow, AtMargin, 0, 60, 3, "(7)"},
        {TextRow, AtLine, 27, 0, 0, "5(7y-2)-4(6y+3)"},
        {TextRow, AtLine, 0, 50, 0, "=35y-10-24y-12"},
        {TextRow, AtLine, 0, 50, 0, "=35y-24y-10-12"},
        {TextRow, AtLine, 0, 50, 5, "=11y-22"},
        {TextRow, AtMargin, 0, 60, 3, "(8)"},
        {TextRow, AtLine, 27, 0, 0, "6(y-4)+2(9y+6)"},
        {TextRow, AtLine, 0, 50, 0, "=6y-24+18y+12"},
        {TextRow, AtLine, 0, 50, 0, "=6y+18y-24+12"},
        {TextRow, AtLine, 0, 50, 5, "=24y-12"},
    };
    DrawAnswerRows(rows);
}

void Tessarin::ShowReviewP84Answers6() {
    static constexpr Row rows[] = {
        WholeWindow(),
        {HeadingBox, AtMargin, 0, 0, 0, "学びを身につけよう"},
        {NumberBox, AtPen, 20, 0, 13, "6", 0, 44},
        {TextRow, AtMargin, 0, 60, 3, "(1)"},
        {TextRow, AtLine, 27, 0, 0, "A+B"},
        {TextRow, AtLine, 0, 50, 0, "=(4x+3)+(-2x+1)"},
        {TextRow, AtLine, 0, 50, 0, "=4x+3-2x+1"},
        {TextRow, AtLine, 0, 50, 0, "=4x-2x+3+1"},
        {TextRow, AtLine, 0, 50, 5, "=2x+4"},
        Column(640, 694, 30),
        {TextRow, AtMargin, 0, 0, 3, "(2)"},
        {TextRow, AtLine, 27, 0, 0, "2A-3B"},
        {TextRow, AtLine, 0, 50, 0, "=2(4x+3)-3(-2x+1)"},
        {TextRow, AtLine, 0, 50, 0, "=8x+6+6x-3"},
        {TextRow, AtLine, 0, 50, 0, "=8x+6x+6-3"},
        {TextRow, AtLine, 0, 50, 5, "=14x+3"},
    };
    DrawAnswerRows(rows);
}

void Tessarin::ShowReviewP84Answers7And8() {
    static constexpr Row rows[] = {
        WholeWindow(),
        {HeadingBox, AtMargin, 0, 0, 0, "学びを身につけよう"},
        {NumberBox, AtMargin, 0, 60, 13, "7", 0, 44},
        {TextRow, AtMargin, 0, 60, 3, "(1)"},
        {TextRow, AtLine, 27, 0, 0, "いちごの個数…x個"},
        {TextRow, AtLine, 0, 50, 0, "配るのに必要な個数…6y個"},
        {TextRow, AtLine, 0, 50, 0, "x個は6y個より2個少ないので"},
        {TextRow, AtLine, 0, 50, 5, "x=6y-2"},
        {TextRow, AtMargin, 0, 60, 3, "(2)"},
        {TextRow, AtLine, 27, 0, 0, "xに7をたした数…x+7"},
        {TextRow, AtLine, 0, 50, 0, "xの2倍…2x"},
        {TextRow, AtLine, 0, 50, 0, "x+7は2xより小さいので"},
        {TextRow, AtLine, 0, 50, 5, "x+7<2x"},
        Column(640, 694, 30),
        {TextRow, AtMargin, 0, 0, 3, "(3)"},
        {TextRow, AtLine, 27, 0, 0, "配るのに必要な枚数…5x枚"},
        {TextRow, AtLine, 0, 60, 0, "5x枚は100枚より多いので"},
        {TextRow, AtLine, 0, 50, 5, "5x>100", Key},
        {NumberBox, AtMargin, 0, 60, 13, "8", 0, 40},
        {TextRow, AtMargin, 0, 50, 3, "(わられる数)"},
        {TextRow, AtLine, 0, 50, 3, "=(わる数)*(商)+(余り)"},
        {TextRow, AtLine, 0, 50, 0, "だから"},
        {TextRow, AtLine, 0, 50, 0, "a=3*b+c"},
        {TextRow, AtLine, 0, 50, 5, "a=3b+c"},
    };
    DrawAnswerRows(rows);
}

void Tessarin::ShowReviewP84Answers9() {
    static constexpr Row rows[] = {
        WholeWindow(),
        {HeadingBox, AtMargin, 0, 0, 0, "学びを身につけよう"},
        {NumberBox, AtPen, 20, 0, 13, "9", 0, 44},
        {TextRow, AtMargin, 0, 60, 3, "x=4y+3"},
        {TextRow, AtPen, 0, 0, 0, "(クッキーの個数)=(配った個数)+(余った個数)"},
        {TextRow, AtMargin, 0, 60, 3, "(ｱ)"},
        {TextRow, AtLine, 27, 0, 0, "クッキーの個数に余った個数をたしても、配った個数にならない。"},
        {TextRow, AtLine, 0, 50, 3, "正しくない"},
        {TextRow, AtMargin, 0, 60, 3, "(ｲ)"},
        {TextRow, AtLine, 27, 0, 0, "クッキーの個数から配った個数をひけば、余った個数になる。"},
        {TextRow, AtLine, 0, 50, 3, "正しい"},
        {TextRow, AtMargin, 0, 60, 3, "(ｳ)"},
        {TextRow, AtLine, 27, 0, 0, "x=4y+3　だから"},
        {TextRow, AtLine, 0, 50, 3, "正しくない"},
        {TextRow, AtMargin, 0, 60, 3, "(ｴ)"},
        {TextRow, AtLine, 27, 0, 0, "余るから、クッキーの個数が配った個数より多い。"},
        {TextRow, AtLine, 0, 50, 3, "正しい"},
    };
    DrawAnswerRows(rows);
}

void Tessarin::ShowReviewP84Answers10() {
    static constexpr Row rows[] = {
        WholeWindow(),
        {HeadingBox, AtMargin, 0, 0, 0, "学びを身につけよう"},
        {NumberBox, AtPen, 20, 0, 13, "10", 0, 88},
        {TextRow, AtMargin, 0, 60, 0, "1つのさいころの向かい合う面の目の数の和は7になるから、"},
        {TextRow, AtMargin, 0, 60, 0, "さいころn個での向かい合う面の目の数の和の合計は 7*n="},
        {TextRow, AtPen, 0, 0, 3, "7n"},
        {TextRow, AtPen, 0, 0, 0, "になる。"},
        {TextRow, AtMargin, 0, 60, 0, "いちばん上にあるさいころの上の面の目の数の"},
        {TextRow, AtPen, 0, 0, 3, "5"},
        {TextRow, AtPen, 0, 0, 0, "はたさないから、"},
        {TextRow, AtMargin, 0, 60, 5, "答 7n-5"},
    };
    DrawAnswerRows(rows);
}

}  // namespace tessarin
