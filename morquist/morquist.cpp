#include "morquist/morquist.h"

#include <vector>

#include "surface/surface.h"

namespace morquist {

using namespace surface;

Morquist::Morquist() : Geometry("Morquist", false) {}

void Morquist::MainMenu() {
    static const std::vector<Str> items = {
        "1　数量を文字で表すこと"_sj, "2　文字式の表し方"_sj, "3　文字式と数量"_sj,
        "4　式の値"_sj,               "5　練習問題"_sj,       "6　終了"_sj,
    };
    // A chapter returns here when its sub-menu's "終了" is chosen; the last
    // item ends the program from inside the frame.
    for (;;) {
        switch (MainMenuFrame(items)) {
            case 1: RunWithLettersChapter(); break;
            case 2: RunNotationChapter(); break;
            case 3: RunQuantitiesChapter(); break;
            case 4: RunExpressionValueChapter(); break;
            case 5: RunPracticeP67(); break;
        }
    }
}

}  // namespace morquist
