// Chapter 2: taking brackets away, adding and subtracting linear
// expressions. The entry, its goal screen and its sub-menu.
#include "brenvale/brenvale.h"
#include "surface/surface.h"

namespace brenvale {

using namespace surface;

void Brenvale::RunAddSubChapter() {
    ShowAddSubGoals();
    AddSubMenu();
}

void Brenvale::ShowAddSubGoals() {
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
    AA_s = "1 かっこをはずして計算できるようになろう。"_sj;
    DrawMessage();
    XI2 = X;
    YI1 = Y;
    X = XI1 + 32;
    Y = YI1 + 65;
    AA_s = "2 一次式の加法や減法ができるようになろう。"_sj;
    DrawMessage();
    XI2 = X;
    YI1 = Y;
}

void Brenvale::AddSubMenu() {
    for (;;) {
        AA_s = "①P71ひろげよう　②例5　③問4　④例6　⑤問5　⑥説明しよう　⑦終了"_sj;
        AskSubmenuChoice();
        SENTAKU = AINP;
        AINP = 10;
        EraseBottomStrip();
        if (SENTAKU < 1 || SENTAKU > 7) continue;
        switch (framework::MenuJumpIndex(SENTAKU)) {
            case 1: BracketRulesIntroP71(); break;
            case 2: Example5BracketDrill(); break;
            case 3: ShowP72Problem4Answers(); break;
            case 4: Example6SumDifferenceDrill(); break;
            case 5: ShowP73Problem5Answers(); break;
            case 6: MagnetProblemP73(); break;
            case 7: return;
        }
    }
}

}  // namespace brenvale
