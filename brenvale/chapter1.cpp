// Chapter 1: terms, coefficients and like terms. The entry, its goal screen
// and its sub-menu.
#include "brenvale/brenvale.h"
#include "surface/surface.h"

namespace brenvale {

using namespace surface;

void Brenvale::RunTermsChapter() {
    ShowTermsGoals();
    TermsMenu();
}

void Brenvale::ShowTermsGoals() {
    DrawGoals("1　項と係数の意味を知り、いえるようになろう。"_sj,
              "2　文字の部分が同じ項をまとめよう。"_sj);
}

void Brenvale::TermsMenu() {
    for (;;) {
        switch (AskSubmenuItem("①P68　②項,係数　③問1　④例3　⑤例4　⑥終了"_sj, 6)) {
            case 1: MagnetProblemP68(); break;
            case 2: TermsCoefficientsDrill(); break;
            case 3: ShowP69Problem1Answers(); break;
            case 4: Example3LikeTermsDrill(); break;
            case 5: Example4SimplifyDrill(); break;
            default: return;  // 終了
        }
    }
}

}  // namespace brenvale
