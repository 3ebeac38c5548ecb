// Chapter 2: inequalities. The entry, its goal screen and its sub-menu.
#include "tessarin/tessarin.h"
#include "surface/surface.h"

namespace tessarin {

using namespace surface;

void Tessarin::RunInequalitiesChapter() {
    ShowInequalitiesGoals();
    InequalitiesMenu();
}

void Tessarin::ShowInequalitiesGoals() { DrawGoals("数量の間の関係を不等式で表そう。"_sj); }

void Tessarin::InequalitiesMenu() {
    for (;;) {
        switch (AskSubmenuItem("①不等式　②問４　③≦≧　④練習　⑤例3　⑥問5　⑦終了"_sj, 7)) {
            case 1: BalanceInequalityAnimation(); break;
            case 2: ShowP78Problem4Answers(); break;
            case 3: BalanceAtMostFigure(); break;
            case 4: RelationSentenceDrill(); break;
            case 5: Example3InequalityFromWords(); break;
            case 6: ShowP79Problem5Answers(); break;
            default: return;  // 終了
        }
    }
}

}  // namespace tessarin
