// Chapters 4 and 5: the value of an expression, and the practice problems
// of page 67. The entries, the goal screen and the two sub-menus.
#include "morquist/morquist.h"
#include "surface/surface.h"

namespace morquist {

using namespace surface;

void Morquist::RunExpressionValueChapter() {
    ShowExpressionValueGoals();
    ExpressionValueMenu();
}

void Morquist::ShowExpressionValueGoals() {
    DrawGoals("代入と式の値の意味を知り、式の値を求めよう。"_sj);
}

void Morquist::ExpressionValueMenu() {
    for (;;) {
        switch (AskSubmenuItem(
            "①P65ひろげ　②例１　③例２　④例３　⑤例４　⑥問６　⑦例５　⑧例６　⑨問８　⑩終了"_sj, 10)) {
            case 1: TemperatureIntroP65(); break;
            case 2: Example1SubstitutionDrill(); break;
            case 3: Example2NegationValueDrill(); break;
            case 4: Example3FractionValueDrill(); break;
            case 5: Example4PowerValues(); break;
            case 6: ShowP66Problem6Answers(); break;
            case 7: Example5TwoLetterValueDrill(); break;
            case 8: Example6TwoLetterValueDrill(); break;
            case 9: ShowP67Problem8Answers(); break;
            default: return;  // 終了
        }
    }
}

void Morquist::RunPracticeP67() { PracticeP67Menu(); }

void Morquist::PracticeP67Menu() {
    for (;;) {
        switch (AskSubmenuItem("①,②,③解答　　　④終了"_sj, 4)) {
            case 1: ShowPracticeP67Answers1(); break;
            case 2: ShowPracticeP67Answers2(); break;
            case 3: ShowPracticeP67Answers3(); break;
            default: return;  // 終了
        }
    }
}

}  // namespace morquist
