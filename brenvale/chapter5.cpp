// Chapter 5: the practice problems of page 76. No goal screen: the entry
// runs straight into the sub-menu.
#include "brenvale/brenvale.h"
#include "surface/surface.h"

namespace brenvale {

using namespace surface;

void Brenvale::RunPracticeP76() { PracticeP76Menu(); }

void Brenvale::PracticeP76Menu() {
    for (;;) {
        switch (AskSubmenuItem("①,②解答　　　③終了"_sj, 3)) {
            case 1: ShowPracticeP76Answers1(); break;
            case 2: ShowPracticeP76Answers2(); break;
            default: return;  // 終了
        }
    }
}

}  // namespace brenvale
