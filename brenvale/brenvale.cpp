#include "brenvale/brenvale.h"

#include <vector>

#include "surface/surface.h"

namespace brenvale {

using namespace surface;

Brenvale::Brenvale() : Geometry("Brenvale", true) {}

void Brenvale::MainMenu() {
    static const std::vector<Str> items = {
        "1　項,係数,同類項計算"_sj, "2　一次式の加減"_sj,
        "3　練習問題"_sj,           "4　文字式と数の乗法、除法"_sj,
        "5　練習問題"_sj,           "6　終了"_sj,
    };
    // A chapter returns here when its sub-menu's "終了" is chosen; the last
    // item ends the program from inside the frame.
    for (;;) {
        switch (MainMenuFrame(items)) {
            case 1: RunTermsChapter(); break;
            case 2: RunAddSubChapter(); break;
            case 3: RunPracticeP73(); break;
            case 4: RunMulDivChapter(); break;
            case 5: RunPracticeP76(); break;
        }
    }
}

void Brenvale::PickDrillLetter() {
    X_sa(2) = "x"_sj;
    X_sa(3) = "y"_sj;
    X_sa(4) = "a"_sj;
    X_sa(5) = "b"_sj;
    P = INT(PaRnd() * 4) + 2;
    X_sa(1) = X_sa(P);
    // The letter of the collected term.
    X_sa(2) = X_sa(1);
}

}  // namespace brenvale
