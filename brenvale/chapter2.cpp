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
    DrawGoals("1 かっこをはずして計算できるようになろう。"_sj,
              "2 一次式の加法や減法ができるようになろう。"_sj);
}

void Brenvale::AddSubMenu() {
    for (;;) {
        switch (AskSubmenuItem("①P71ひろげよう　②例5　③問4　④例6　⑤問5　⑥説明しよう　⑦終了"_sj, 7)) {
            case 1: BracketRulesIntroP71(); break;
            case 2: Example5BracketDrill(); break;
            case 3: ShowP72Problem4Answers(); break;
            case 4: Example6SumDifferenceDrill(); break;
            case 5: ShowP73Problem5Answers(); break;
            case 6: MagnetProblemP73(); break;
            default: return;  // 終了
        }
    }
}

}  // namespace brenvale
