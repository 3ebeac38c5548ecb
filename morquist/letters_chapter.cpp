// Chapter 1: quantities written with letters. The entry, its goal screen and
// its sub-menu.
#include "morquist/morquist.h"
#include "surface/surface.h"

namespace morquist {

using namespace surface;

void Morquist::RunWithLettersChapter() {
    ShowWithLettersGoals();
    WithLettersMenu();
}

void Morquist::ShowWithLettersGoals() { DrawGoals("いろいろな数量を文字を使って表そう。"_sj); }

void Morquist::WithLettersMenu() {
    for (;;) {
        switch (AskSubmenuItem(
            "①P57導入　②問1　③例　④問２　⑤例1　⑥問３　⑦練習問題　⑧終了"_sj, 8)) {
            case 1: MagnetIntroP57(); break;
            case 2: ShowP58Problem1Answers(); break;
            case 3: LetterExpressionExample(); break;
            case 4: ShowP57Problem2Answers(); break;
            case 5: Example1TotalPrice(); break;
            case 6: ShowP59Problem3Answers(); break;
            case 7: ShowPracticeP59Answers(); break;
            default: return;  // 終了
        }
    }
}

}  // namespace morquist
