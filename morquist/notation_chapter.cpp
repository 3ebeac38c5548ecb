// Chapter 2: how products and quotients are written in letter expressions.
// The entry, its goal screen and its sub-menu.
#include "morquist/morquist.h"
#include "surface/surface.h"

namespace morquist {

using namespace surface;

void Morquist::RunNotationChapter() {
    ShowNotationGoals();
    NotationMenu();
}

// This chapter's goal stands under "<めあて>", not indented as elsewhere.
void Morquist::ShowNotationGoals() {
    DrawGoals("文字式での積や商の表し方にしたがって、式を表そう。"_sj, Str(), 0);
}

void Morquist::NotationMenu() {
    for (;;) {
        switch (AskSubmenuItem(
            "①きまり積１　②きまり積２　③きまり商　④問3,4　⑤例３　⑥問5,6　⑦終了"_sj, 7)) {
            case 1: ProductRulesDrill1(); break;
            case 2: ProductRulesDrill2(); break;
            case 3: QuotientRulesDrill(); break;
            case 4: ShowP61Problems3And4Answers(); break;
            case 5: Example3NotationDrill(); break;
            case 6: ShowP61Problems5And6Answers(); break;
            default: return;  // 終了
        }
    }
}

}  // namespace morquist
