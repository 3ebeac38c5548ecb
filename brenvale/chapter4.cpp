// Chapter 4: multiplying and dividing expressions by numbers. The entry, its
// goal screen and its twelve-item sub-menu.
#include "brenvale/brenvale.h"
#include "surface/surface.h"

namespace brenvale {

using namespace surface;

void Brenvale::RunMulDivChapter() {
    ShowMulDivGoals();
    MulDivMenu();
}

void Brenvale::ShowMulDivGoals() {
    DrawGoals("1 文字式と数との乗除の計算ができるようになろう。"_sj,
              "2 かっこがある式の計算ができるようになろう。"_sj);
}

void Brenvale::MulDivMenu() {
    for (;;) {
        switch (AskSubmenuItem("①例1　②例2　③問２　④分配課題　⑤例3　⑥問３　⑦例÷　⑧問4　⑨例5　⑩例題１　⑪話しあって　⑫終了"_sj, 12)) {
            case 1: Example1ProductTableDrill(); break;
            case 2: Example2DivisionDrill(); break;
            case 3: ShowP74Problem2Answers(); break;
            case 4: FlowerBedAreaTask(); break;
            case 5: Example3DistributiveDrill(); break;
            case 6: ShowP75Problem3Answers(); break;
            case 7: Example4BinomialDivisionDrill(); break;
            case 8: ShowP75Problem4Answers(); break;
            case 9: Example5FractionTimesNumberDrill(); break;
            case 10: ExampleProblem1Drill(); break;
            case 11: DiscussTheMistake(); break;
            default: return;  // 終了
        }
    }
}

}  // namespace brenvale
