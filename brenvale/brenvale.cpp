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
    PickLetter(X_sa);
    X_sa(2) = X_sa(1);  // the letter of the collected term
}

}  // namespace brenvale
