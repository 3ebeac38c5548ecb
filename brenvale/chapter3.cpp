// Chapter 3: the practice problems of page 73. No goal screen: the entry
// runs straight into the sub-menu.
#include "brenvale/brenvale.h"
#include "surface/surface.h"

namespace brenvale {

using namespace surface;

void Brenvale::RunPracticeP73() { PracticeP73Menu(); }

void Brenvale::PracticeP73Menu() {
    for (;;) {
        switch (AskSubmenuItem("①,②,③解答　　　④終了"_sj, 4)) {
            case 1: ShowPracticeP73Answers1(); break;
            case 2: ShowPracticeP73Answers2(); break;
            case 3: ShowPracticeP73Answers3(); break;
            default: return;  // 終了
        }
    }
}

}  // namespace brenvale
