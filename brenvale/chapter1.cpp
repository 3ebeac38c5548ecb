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
    XI1 = 44;
    YI1 = 240;
    CCC1 = 3;
    X = XI1;
    Y = YI1;
    AA_s = "<めあて>"_sj;
    DrawMessage();
    XI2 = X;
    YI1 = Y;
    CCC1 = 0;
    X = XI1 + 32;
    Y = YI1 + 65;
    AA_s = "1　項と係数の意味を知り、いえるようになろう。"_sj;
    DrawMessage();
    XI2 = X;
    YI1 = Y;
    X = XI1 + 32;
    Y = YI1 + 65;
    AA_s = "2　文字の部分が同じ項をまとめよう。"_sj;
    DrawMessage();
    XI2 = X;
    YI1 = Y;
}

void Brenvale::TermsMenu() {
    for (;;) {
        AA_s = "①P68　②項,係数　③問1　④例3　⑤例4　⑥終了"_sj;
        AskSubmenuChoice();
        SENTAKU = AINP;
        // An item that repeats until 1 is typed never starts on the menu's 1.
        AINP = 10;
        EraseBottomStrip();
        if (SENTAKU < 1 || SENTAKU > 6) continue;
        switch (framework::MenuJumpIndex(SENTAKU)) {
            case 1: MagnetProblemP68(); break;
            case 2: TermsCoefficientsDrill(); break;
            case 3: ShowP69Problem1Answers(); break;
            case 4: Example3LikeTermsDrill(); break;
            case 5: Example4SimplifyDrill(); break;
            case 6: return;
        }
    }
}

}  // namespace brenvale
