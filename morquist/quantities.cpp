// Chapter 3: letter expressions and quantities. The entry, its goal screen
// and its sub-menu.
#include "morquist/morquist.h"
#include "surface/surface.h"

namespace morquist {

using namespace surface;

void Morquist::RunQuantitiesChapter() {
    ShowQuantitiesGoals();
    QuantitiesMenu();
}

void Morquist::ShowQuantitiesGoals() {
    DrawGoals("1 代金や速さ、割合に関する数量を式に表そう。"_sj,
              "2 文字式がどんな数量を表しているか考えよう。"_sj);
}

void Morquist::QuantitiesMenu() {
    const Str& items =
        "①例4代金　②問７　③例5速さ　④問８　⑤割合　⑥例6　⑦例7意味　⑧問１１　⑨練習問題　⑩終了"_sj;
    for (;;) {
        switch (AskSubmenuItem(items, 10)) {
            case 1: Example4ChangeFromPurchase(); break;
            case 2: ShowP62Problem7Answers(); break;
            case 3: Example5SpeedDrill(); break;
            case 4: ShowP62Problem8Answers(); break;
            case 5: RatioDrill(); break;
            case 6: Example6PercentOfArea(); break;
            case 7: Example7ExpressionMeaning(); break;
            case 8: ShowP64Problem11Answers(); break;
            case 9: ShowPracticeP64Answers(); break;
            default: return;  // 終了
        }
    }
}

}  // namespace morquist
