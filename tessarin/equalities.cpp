// Chapter 1: equalities. The entry, its goal screen and its sub-menu.
#include "tessarin/tessarin.h"
#include "surface/surface.h"

namespace tessarin {

using namespace surface;

void Tessarin::RunEqualitiesChapter() {
    ShowEqualitiesGoals();
    EqualitiesMenu();
}

void Tessarin::ShowEqualitiesGoals() { DrawGoals("数量の間の関係を等式で表そう。"_sj); }

void Tessarin::EqualitiesMenu() {
    for (;;) {
        switch (AskSubmenuItem("①等式　②問１　③例１　④問２　⑤例２　⑥問３　⑦終了"_sj, 7)) {
            case 1: BalanceEqualityAnimation(); break;
            case 2: ShowP77Problem1Answers(); break;
            case 3: Example1EqualitiesFromWords(); break;
            case 4: ShowP76Problem2Answers(); break;
            case 5: Example2PencilSharing(); break;
            case 6: ShowP78Problem3Answers(); break;
            default: return;  // 終了
        }
    }
}

}  // namespace tessarin
